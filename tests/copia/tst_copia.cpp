// The backup command: a verified gbak copy of a shop with data in every
// table, restored and compared whole; damaged copies, copies that do not
// match, a database in use and an existing destination are reported and
// change nothing; the oldest copies go, others' files stay. Every result
// is recorded for the status bar; the program copies an embedded database
// when it closes; a server copy made while a station saves is sound.
// The server's set-up command, on the real server of the server run: a
// database made or moved there (verified as a copy), station users that
// hold the program's role and nothing more, a second run that changes
// nothing, and failures that leave nothing half done.
#include "apoio.h"
#include "busca.h"
#include "copiaseguranca.h"
#include "frmprincipal.h"
#include "iniciasistema.h"
#include "lojateste.h"
#include "migracoes.h"
#include "sessao.h"
#include "relogio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QLabel>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using namespace apoio;

namespace {

// A gbak whose restore loses a row, as a damaged copy would.
const QByteArray GBAK_QUE_PERDE_LINHA = "#!/bin/bash\n/usr/bin/gbak \"$@\" || exit $?\n"
    "if [ \"$1\" = -c ]; then echo 'delete from item_ordem where ncodigo = 2; commit;' | isql-fb -q \"${@: -1}\" || exit 1; fi\n";

struct Resultado {
    int codigo = -1;
    QString saida; // what the user reads, stdout and stderr together
};

// Every file of a folder, hidden ones too, except the lock file the command keeps there.
QStringList arquivos(const QString& pasta)
{
    QStringList r = QDir(pasta).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    r.removeAll(QStringLiteral(".controle-os-copia.trava"));
    return r;
}

// A database snapshot without the backups' own record, which the copy
// writes after reading the database.
QStringList sem_registro_copias(QStringList retrato)
{
    retrato.removeIf([](const QString& l) { return l.contains(QStringLiteral("COPIA_SEGURANCA")); });
    return retrato;
}

} // namespace

class TstCopia : public QObject {
    Q_OBJECT
    std::unique_ptr<Ambiente> amb;
    std::unique_ptr<QTemporaryDir> dir;
    QString copias; // the folder the copies go to
    QString caminhos; // extra folder put first on PATH
    QStringList variaveis; // extra environment of the commands, "NAME=value"
    QStringList usuarios;  // server users a test made, dropped after it

    // The shop with rows in every table, texts with accents and apostrophes.
    void loja_completa()
    {
        cria_loja_exemplo();
        registra_copia(QDateTime(QDate(2026, 12, 1), QTime(23, 30)), QStringLiteral("/copias/antiga.fbk"));
        executa(QStringLiteral("insert into propriedade values(null,1,'Número de série')"));
        executa(QStringLiteral("insert into propriedade values(null,1,'Voltagem')"));
        executa(QStringLiteral("insert into Propriedade_equipamento_cliente values(1,1,'BR-123''45')"));
        executa(QStringLiteral("insert into Propriedade_equipamento_cliente values(2,1,'220 V')"));
        executa(QStringLiteral("insert into orcamento values(null,2,'2026-12-05','14:30:00',250.75,'Cliente d''Ávila',1,2)"));
        executa(QStringLiteral("insert into item_orcamento values(null,1,1,'Troca do rolo de tração',250.75)"));
        executa(QStringLiteral("insert into ordem_do_orcamento (norcamento, nordem) values (1, 1)"));
        executa(QStringLiteral("insert into orcamento_da_entrada (norcamento, nentrada) values (1, 57)"));
        executa(QStringLiteral("insert into entrada_prometida (nentrada, dprometida) values (57, '2026-12-12')"));
        executa(QStringLiteral("insert into item_entrada_detalhe (nitem, cnumero_serie, cacessorios, cestado) "
                               "values ((select min(ncodigo) from item_da_entrada), 'CNB9K''12', 'Cabo USB', 'Tampa riscada')"));
        executa(QStringLiteral("insert into ordem_aguardando_pecas (nordem, dmomento, cobs) values (2, '2026-12-08 10:00:00', 'Cabeça de impressão')"));
        executa(QStringLiteral("insert into entrega (nordem, dmomento, cretirado_por, cdocumento) values (2, '2026-12-09 17:00:00', 'Bruno d''Ávila', '12.345')"));
        executa(QStringLiteral("insert into entrega_desfeita (nentrega, dmomento, cmotivo) values (1, '2026-12-09 17:05:00', 'Máquina errada')"));
        conta_trigramas(conexao); // how many customers hold each triple of their names
        QStringList vazias;
        QSqlQuery q(conexao.banco());
        q.exec(QStringLiteral("select trim(rdb$relation_name) from rdb$relations where coalesce(rdb$system_flag, 0) = 0 and rdb$view_blr is null"));
        while (q.next())
            if (valor(QStringLiteral("select count(*) from \"%1\"").arg(q.value(0).toString())).toInt() == 0)
                vazias << q.value(0).toString();
        QVERIFY2(vazias.isEmpty(), qPrintable(QStringLiteral("tabelas sem linhas na loja de teste: ") + vazias.join(QStringLiteral(", "))));
    }

    // A copy recorded as the backup command records it: as the owner (the
    // stations only read the table). Values: moment, verified, file.
    // A verified copy recorded as the backup command does, as the owner.
    void registra_copia(const QDateTime& momento, const QString& arquivo)
    {
        abre_como_dono(amb->banco.fonte());
        executa(QStringLiteral("insert into copia_seguranca (dmomento, nconferida, carquivo) values (?, 1, ?)"), {momento, arquivo});
        abre_como_programa(amb->banco.fonte());
    }

    // The embedded engine lets one process at a time open a database: the
    // test lets go of it while the command runs, as a shop closes the program.
    void solta() { if (servidor().isEmpty()) conexao.fecha(); }
    void retoma() { if (!conexao.aberta()) conexao.abre(amb->banco.fonte(), USUARIO, SENHA); }

    Resultado roda(const QStringList& argumentos, const QString& programa = QStringLiteral(CONTROLE_OS_COPIA))
    {
        QProcess p;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("XDG_CONFIG_HOME"), dir->filePath(QStringLiteral("config")));
        ambiente.insert(QStringLiteral("XDG_DATA_HOME"), dir->filePath(QStringLiteral("dados")));
        if (!caminhos.isEmpty())
            ambiente.insert(QStringLiteral("PATH"), caminhos + QLatin1Char(':') + ambiente.value(QStringLiteral("PATH")));
        for (const QString& v : variaveis)
            ambiente.insert(v.section(QLatin1Char('='), 0, 0), v.section(QLatin1Char('='), 1));
        p.setProcessEnvironment(ambiente);
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(programa, argumentos);
        if (!p.waitForStarted() || !p.waitForFinished(180000)) {
            p.kill();
            p.waitForFinished();
            return {};
        }
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAll())};
    }

    // A copy of the test's database with its credentials on the command line.
    Resultado copia(const QStringList& mais = {})
    {
        solta();
        const Resultado r = roda(QStringList{QStringLiteral("--banco"), amb->banco.fonte(), QStringLiteral("--usuario"), USUARIO,
                                             QStringLiteral("--senha"), SENHA, QStringLiteral("--destino"), copias} + mais);
        retoma();
        return r;
    }

    Resultado restaura(const QString& fbk, const QString& destino)
    {
        return roda({QStringLiteral("--restaurar"), fbk, destino});
    }

    // A few old copies of this database, and files that are not its copies.
    QStringList copias_antigas()
    {
        QDir().mkpath(copias);
        const QStringList antigas = {QStringLiteral("teste-2020-01-01_080000.fbk"), QStringLiteral("teste-2020-01-02_080000.fbk"),
                                     QStringLiteral("teste-2020-01-03_080000.fbk")};
        for (const QString& a : antigas)
            grava_arquivo(copias + QLatin1Char('/') + a, "cópia antiga");
        grava_arquivo(copias + QStringLiteral("/outro-2019-01-01_080000.fbk"), "cópia de outro banco");
        grava_arquivo(copias + QStringLiteral("/notas.txt"), "anotações");
        return arquivos(copias);
    }

    // The backup command installed in a folder, with what it sources.
    QString instala_copia(const QString& pasta)
    {
        QDir().mkpath(pasta);
        QFile::copy(QFileInfo(QStringLiteral(CONTROLE_OS_COPIA)).path() + QStringLiteral("/funcoes-firebird.sh"),
                    pasta + QStringLiteral("/funcoes-firebird.sh"));
        const QString comando = pasta + QStringLiteral("/controle-os-copia");
        return QFile::copy(QStringLiteral(CONTROLE_OS_COPIA), comando) ? comando : QString();
    }

    // A program that stands in for one on PATH (gbak, service).
    void substitui(const QString& nome, const QByteArray& script)
    {
        caminhos = dir->filePath(QStringLiteral("bin"));
        QDir().mkpath(caminhos);
        grava_arquivo(caminhos + QLatin1Char('/') + nome, script);
        QFile::setPermissions(caminhos + QLatin1Char('/') + nome, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    // The server's set-up command runs as root on the server run's server;
    // firebird.conf and the daily copy's credentials are the test's own
    // files, the server's data folder one in the test's folder.
    bool prepara_servidor()
    {
        if (servidor().isEmpty() || geteuid() != 0)
            return false;
        // the server runs as its own user: it must reach the data folder
        chmod(QFile::encodeName(dir->path()).constData(), 0777);
        variaveis = {QStringLiteral("CONTROLE_OS_FIREBIRD_CONF=") + conf(),
                     QStringLiteral("CONTROLE_OS_CREDENCIAIS_COPIA=") + dir->filePath(QStringLiteral("etc/copia.txt"))};
        grava_arquivo(conf(), CONF_DEBIAN);
        usuarios = {QStringLiteral("CTT_CAIXA1"), QStringLiteral("CTT_CAIXA2"), QStringLiteral("CTT_INTRUSO")};
        return true;
    }
    QString conf() const { return dir->filePath(QStringLiteral("firebird.conf")); }
    QString dados() const { return dir->filePath(QStringLiteral("dados")); }
    static inline const QByteArray CONF_DEBIAN = "# Firebird\nDefaultDbCachePages = 2048\n#RemoteBindAddress =\n"
                                                 "RemoteBindAddress = localhost\nAuthServer = Srp\n";

    Resultado prepara(const QStringList& argumentos)
    {
        return roda(QStringList{QStringLiteral("--nome-rede"), QStringLiteral("localhost")} + argumentos,
                    QStringLiteral(CONTROLE_OS_SERVIDOR));
    }

    // The lines the command gives for the stations' path.txt.
    static QStringList linhas_path_txt(const QString& saida)
    {
        QStringList r;
        auto it = QRegularExpression(QStringLiteral("^    (localhost:\\S+=CONTROLE_OS)$"), QRegularExpression::MultilineOption).globalMatch(saida);
        while (it.hasNext())
            r << it.next().captured(1);
        return r;
    }

    // Starts the program as a station with that path.txt line, and checks
    // it can do the counter's work and nothing more.
    void estacao_trabalha(const QString& linha, const QString& usuario)
    {
        const QString programa = dir->filePath(QStringLiteral("estacao"));
        grava_arquivo(programa + QStringLiteral("/path.txt"), linha.toUtf8());
        conexao.fecha();
        auto principal = inicia_sistema(programa);
        QVERIFY2(principal, qPrintable(amb->msgs.textos().join(QLatin1Char('\n'))));
        QCOMPARE(linhas(QStringLiteral("select trim(current_user), trim(current_role) from rdb$database")),
                 QStringList{usuario + QStringLiteral("|CONTROLE_OS")});
        const int cidades = conta(QStringLiteral("select count(*) from cidade"));
        executa(QStringLiteral("insert into cidade values(null,'Joinville','SC')"));
        QCOMPARE(conta(QStringLiteral("select count(*) from cidade")), cidades + 1);
        // refused when run or, for users, when committed
        QSqlDatabase db = conexao.banco();
        for (const QString& proibido : {QStringLiteral("drop table item_ordem"), QStringLiteral("create user ctt_intruso password 'x'"),
                                        QStringLiteral("grant controle_os to public"), QStringLiteral("delete from copia_seguranca")}) {
            QVERIFY(db.transaction());
            QSqlQuery q(db);
            const bool feito = q.exec(proibido) && db.commit();
            if (!feito)
                db.rollback();
            QVERIFY2(!feito, qPrintable(proibido));
        }
        principal.reset();
    }

private slots:
    void init()
    {
        amb = std::make_unique<Ambiente>();
        dir = std::make_unique<QTemporaryDir>();
        copias = dir->filePath(QStringLiteral("copias"));
        caminhos.clear();
        variaveis.clear();
        usuarios.clear();
    }
    void cleanup()
    {
        if (!usuarios.isEmpty()) {
            abre_como_dono(amb->banco.fonte());
            for (const QString& u : std::as_const(usuarios)) {
                QSqlQuery q(conexao.banco());
                q.exec(QStringLiteral("drop user %1").arg(u));
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("restaurado"));
        amb.reset();
        dir.reset();
    }

    void copiaConferidaERestauradaIgual()
    {
        loja_completa();
        const Resultado r = copia();
        QVERIFY2(r.codigo == 0, qPrintable(r.saida));
        const QStringList feitas = arquivos(copias);
        QCOMPARE(feitas.size(), 1);
        QVERIFY2(QRegularExpression(QStringLiteral("^teste-\\d{4}-\\d\\d-\\d\\d_\\d{6}\\.fbk$")).match(feitas[0]).hasMatch(), qPrintable(feitas[0]));
        const QString fbk = copias + QLatin1Char('/') + feitas[0];
        QVERIFY2(r.saida.contains(QStringLiteral("Cópia verificada: ") + fbk), qPrintable(r.saida));
        QCOMPARE(modo_arquivo(fbk), 0600); // all the shop's data: its owner's alone
        QCOMPARE(modo_arquivo(copias), 0700);

        const QString destino = dir->filePath(QStringLiteral("restaurado.fdb"));
        const Resultado rr = restaura(fbk, destino);
        QVERIFY2(rr.codigo == 0, qPrintable(rr.saida));
        QVERIFY(rr.saida.contains(QStringLiteral("restaurada em ") + destino));
        QCOMPARE(arquivos(dir->path()), QStringList{QStringLiteral("restaurado.fdb")});

        QSqlDatabase restaurado = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), QStringLiteral("restaurado"));
        restaurado.setDatabaseName(destino);
        restaurado.setUserName(USUARIO);
        restaurado.setPassword(SENHA);
        QVERIFY2(restaurado.open(), qPrintable(restaurado.lastError().text()));
        abre_como_dono(amb->banco.fonte()); // every generator, the backups' one too
        const QStringList original = retrato_banco(conexao.banco());
        const QStringList restaurada = retrato_banco(restaurado);
        restaurado.close();
        QVERIFY(original.size() > 60);
        QCOMPARE(sem_registro_copias(restaurada), sem_registro_copias(original));
        // recorded for the status bar, after what the copy holds
        QCOMPARE(linhas(QStringLiteral("select nconferida, carquivo, cmensagem from copia_seguranca where ncodigo > 1")),
                 QStringList{QStringLiteral("1|%1|").arg(fbk)});
        const QStringList contagem = linhas(QStringLiteral("select ntabelas, nlinhas from copia_seguranca where ncodigo > 1")).value(0).split(QLatin1Char('|'));
        QVERIFY2(r.saida.contains(QStringLiteral("(%1 tabelas, %2 linhas)").arg(contagem.value(0), contagem.value(1))), qPrintable(r.saida));
    }

    void restauracaoNuncaSobrescreve()
    {
        const Resultado r = copia();
        QVERIFY2(r.codigo == 0, qPrintable(r.saida));
        const QString fbk = copias + QLatin1Char('/') + arquivos(copias).value(0);
        const QString destino = dir->filePath(QStringLiteral("existente.fdb"));
        grava_arquivo(destino, "o banco de outra loja");
        const Resultado rr = restaura(fbk, destino);
        QVERIFY(rr.codigo != 0);
        QVERIFY2(rr.saida.contains(destino + QStringLiteral(" já existe; a cópia não foi restaurada e nada foi alterado")), qPrintable(rr.saida));
        QCOMPARE(le_arquivo(destino), QByteArray("o banco de outra loja"));
        QCOMPARE(arquivos(dir->path()), QStringList{QStringLiteral("existente.fdb")});
    }

    void copiaDanificadaOuIncompleta_data()
    {
        QTest::addColumn<QString>("estrago");
        QTest::newRow("cortada ao meio") << QStringLiteral("corta");
        QTest::newRow("bytes trocados") << QStringLiteral("troca");
        QTest::newRow("vazia") << QStringLiteral("vazia");
        QTest::newRow("não é uma cópia") << QStringLiteral("texto");
    }
    void copiaDanificadaOuIncompleta()
    {
        QFETCH(QString, estrago);
        loja_completa();
        const Resultado r = copia();
        QVERIFY2(r.codigo == 0, qPrintable(r.saida));
        const QString fbk = copias + QLatin1Char('/') + arquivos(copias).value(0);
        QByteArray dados = le_arquivo(fbk);
        if (estrago == QLatin1String("corta"))
            dados.truncate(dados.size() / 2);
        else if (estrago == QLatin1String("troca"))
            for (int i = dados.size() / 4; i < dados.size() * 3 / 4; i += 97)
                dados[i] = char(0xff);
        else if (estrago == QLatin1String("vazia"))
            dados.clear();
        else
            dados = "origem dos dados=usuário=senha\n";
        grava_arquivo(fbk, dados);

        const QString destino = dir->filePath(QStringLiteral("restaurado.fdb"));
        const Resultado rr = restaura(fbk, destino);
        QVERIFY(rr.codigo != 0);
        QVERIFY2(rr.saida.contains(QStringLiteral("a cópia %1 está danificada ou incompleta e não pôde ser restaurada; nada foi alterado").arg(fbk)),
                 qPrintable(rr.saida));
        QVERIFY(!rr.saida.contains(QStringLiteral("Press return")));
        QVERIFY(arquivos(dir->path()).isEmpty());
    }

    void guardaAsUltimasCopias()
    {
        copias_antigas();
        const Resultado r = copia({QStringLiteral("--manter"), QStringLiteral("2")});
        QVERIFY2(r.codigo == 0, qPrintable(r.saida));
        QVERIFY2(r.saida.contains(QStringLiteral("Cópias antigas apagadas: 2 (guardando as últimas 2).")), qPrintable(r.saida));
        QStringList depois = arquivos(copias);
        QCOMPARE(depois.size(), 4);
        QCOMPARE(depois.mid(0, 3), (QStringList{QStringLiteral("notas.txt"), QStringLiteral("outro-2019-01-01_080000.fbk"),
                                                QStringLiteral("teste-2020-01-03_080000.fbk")}));
        QVERIFY(depois[3].startsWith(QStringLiteral("teste-20")) && depois[3] > QStringLiteral("teste-2020-01-03"));

        const Resultado ruim = copia({QStringLiteral("--manter"), QStringLiteral("0")});
        QCOMPARE(ruim.codigo, 2);
        QVERIFY2(ruim.saida.contains(QStringLiteral("o número de cópias a guardar deve ser maior que zero")), qPrintable(ruim.saida));
        QCOMPARE(arquivos(copias), depois);
    }

    void falhaNaoApagaNada()
    {
        const QStringList antes = copias_antigas();
        Resultado r;
        if (servidor().isEmpty()) {
            // the program still open on the embedded database
            r = roda({QStringLiteral("--banco"), amb->banco.fonte(), QStringLiteral("--destino"), copias, QStringLiteral("--manter"), QStringLiteral("1")});
            QVERIFY2(r.saida.contains(QStringLiteral("o banco de dados está em uso; feche o Controle OS e tente de novo")), qPrintable(r.saida));
        } else {
            r = roda({QStringLiteral("--banco"), amb->banco.fonte(), QStringLiteral("--senha"), QStringLiteral("errada"),
                      QStringLiteral("--destino"), copias, QStringLiteral("--manter"), QStringLiteral("1")});
            QVERIFY2(r.saida.contains(QStringLiteral("o usuário ou a senha foram recusados")), qPrintable(r.saida));
        }
        QCOMPARE(r.codigo, 1);
        QVERIFY2(r.saida.contains(QStringLiteral("nenhuma cópia antiga foi apagada.")), qPrintable(r.saida));
        QCOMPARE(arquivos(copias), antes);

        solta();
        r = roda({QStringLiteral("--banco"), dir->filePath(QStringLiteral("nao-existe.fdb")), QStringLiteral("--destino"), copias});
        retoma();
        QCOMPARE(r.codigo, 1);
        QVERIFY2(r.saida.contains(QStringLiteral("o banco de dados %1 não existe").arg(dir->filePath(QStringLiteral("nao-existe.fdb")))), qPrintable(r.saida));
        QCOMPARE(arquivos(copias), antes);
    }

    void copiaQueNaoConfereEDescartada()
    {
        // a restore that loses rows, as a damaged copy would
        substitui(QStringLiteral("gbak"), GBAK_QUE_PERDE_LINHA);
        loja_completa();
        const QStringList antes = copias_antigas();
        const Resultado r = copia({QStringLiteral("--manter"), QStringLiteral("1")});
        QCOMPARE(r.codigo, 1);
        QVERIFY2(r.saida.contains(QStringLiteral("a cópia não confere com o que foi lido do banco")), qPrintable(r.saida));
        QVERIFY2(r.saida.contains(QStringLiteral("< ITEM_ORDEM 3")) && r.saida.contains(QStringLiteral("> ITEM_ORDEM 2")), qPrintable(r.saida));
        QCOMPARE(arquivos(copias), antes);
        // the failure is recorded, and every station's status bar warns of it
        QCOMPARE(conta(QStringLiteral("select count(*) from copia_seguranca where nconferida = 0 and cmensagem like '%não confere%ITEM_ORDEM 2%'")), 1);
        auto principal = janela_principal();
        const QString painel = principal->painel(7)->text();
        QVERIFY2(painel.startsWith(QStringLiteral("Última cópia: 01/12/2026"))
                     && painel.endsWith(QStringLiteral(" - a cópia de %1 falhou").arg(Relogio::hoje().toString(QStringLiteral("dd/MM/yyyy")))),
                 qPrintable(painel));
        QVERIFY(principal->painel(7)->toolTip().contains(QStringLiteral("a cópia não confere")));
    }

    // The date of the last verified copy in the seventh panel; a red
    // warning when it is older than 7 days or the newest copy failed.
    void barraDeStatusMostraAUltimaCopia()
    {
        Relogio::fixa(QDateTime(QDate(2026, 12, 16), QTime(10, 0)));
        registra_copia(QDateTime(QDate(2026, 12, 9), QTime(23, 30)), QStringLiteral("/c/a.fbk"));
        auto principal = janela_principal();
        QLabel* painel = principal->painel(7);
        QCOMPARE(painel->text(), QStringLiteral("Última cópia: 09/12/2026"));
        QVERIFY(painel->styleSheet().isEmpty());
        QCOMPARE(principal->painel(6)->text(), QStringLiteral("SCRL")); // the six panels stay as they are

        Relogio::fixa(QDateTime(QDate(2026, 12, 17), QTime(10, 0))); // the next day, 8 days after
        QTRY_COMPARE(painel->text(), QStringLiteral("Última cópia: 09/12/2026 (há 8 dias)"));
        QVERIFY(painel->styleSheet().contains(QStringLiteral("color")));

        // a copy made meanwhile by another machine shows within the hour
        registra_copia(QDateTime(QDate(2026, 12, 17), QTime(10, 30)), QStringLiteral("/c/b.fbk"));
        Relogio::fixa(QDateTime(QDate(2026, 12, 17), QTime(11, 0)));
        QTRY_COMPARE(painel->text(), QStringLiteral("Última cópia: 17/12/2026"));
        QVERIFY(painel->styleSheet().isEmpty());
        QCOMPARE(painel->accessibleName(), QStringLiteral("Cópia de segurança"));
        Relogio::solta();
    }

    // The program closing on its embedded database makes the day's copy
    // once; a failure is said and warned of at the next start.
    void copiaAoFecharOPrograma()
    {
        if (!servidor().isEmpty())
            QSKIP("no servidor a cópia diária é do temporizador da máquina do servidor");
        const QString programa = dir->filePath(QStringLiteral("programa"));
        QDir().mkpath(programa);
        QVERIFY(!instala_copia(programa).isEmpty());
        grava_arquivo(programa + QStringLiteral("/path.txt"), (amb->banco.fonte() + QStringLiteral("=SYSDBA=masterkey")).toUtf8());
        const QString pasta = amb->banco.pasta() + QStringLiteral("/copias");

        copia_ao_fechar(programa);
        QVERIFY(!conexao.aberta());
        QVERIFY2(amb->msgs.textos().isEmpty(), qPrintable(amb->msgs.textos().join(QLatin1Char('\n'))));
        QCOMPARE(arquivos(pasta).size(), 1);
        retoma();
        QCOMPARE(conta(QStringLiteral("select count(*) from copia_seguranca where nconferida = 1")), 1);

        copia_ao_fechar(programa); // already copied today
        QCOMPARE(arquivos(pasta).size(), 1);

        // yesterday's copy is due again; the folder cannot be made
        retoma();
        executa(QStringLiteral("update copia_seguranca set dmomento = dateadd(-1 day to dmomento)"));
        QVERIFY(QDir(pasta).removeRecursively());
        grava_arquivo(pasta, "um arquivo no lugar da pasta");
        copia_ao_fechar(programa);
        QCOMPARE(amb->msgs.textos().size(), 1);
        QVERIFY2(amb->msgs.ultimo().startsWith(QStringLiteral("A cópia de segurança do banco de dados falhou:\n\ncontrole-os-copia: não foi possível criar a pasta ")),
                 qPrintable(amb->msgs.ultimo()));
        QCOMPARE(amb->msgs.mostradas().last().titulo, Mensagens::TITULO);
        retoma();
        auto principal = janela_principal();
        QVERIFY2(principal->painel(7)->text().contains(QStringLiteral("falhou")), qPrintable(principal->painel(7)->text()));
    }

    // The server's daily copy reads the owner's password from a file of
    // its own: a file that others can read is refused.
    void credenciaisSoDoDono()
    {
        const QString arquivo = dir->filePath(QStringLiteral("copia.txt"));
        grava_arquivo(arquivo, (amb->banco.fonte() + QStringLiteral("=SYSDBA=masterkey")).toUtf8());
        QFile::setPermissions(arquivo, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther);
        const Resultado r = roda({QStringLiteral("--credenciais"), arquivo, QStringLiteral("--destino"), copias});
        QCOMPARE(r.codigo, 1);
        QVERIFY2(r.saida.contains(QStringLiteral("guarda a senha do dono do banco e deve ser lido só por")), qPrintable(r.saida));
        QVERIFY(arquivos(copias).isEmpty());
    }

    // On a server a station saves while the copy runs: the copy checks
    // out, and the restored books hold (every order with its items, its
    // instalment and the instalment's payment, or none of them).
    void copiaNoServidorEnquantoUmaEstacaoGrava()
    {
        if (servidor().isEmpty())
            QSKIP("o banco embarcado não deixa gravar durante a cópia");
        loja_completa();
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QStringLiteral(CONTROLE_OS_COPIA), {QStringLiteral("--banco"), amb->banco.fonte(), QStringLiteral("--usuario"), USUARIO,
                                                   QStringLiteral("--senha"), SENHA, QStringLiteral("--destino"), copias});
        QVERIFY(p.waitForStarted());
        int gravadas = 0;
        while (p.state() != QProcess::NotRunning) {
            conexao.unidade(Operacao::PagamentoVista, QStringList{
                QStringLiteral("insert into ordem values(null,2,'2026-12-16','10:00:00',40,'estação',1,1,0)"),
                QStringLiteral("insert into item_ordem values(null,(select max(ncodigo) from ordem),1,'Limpeza',40,1)"),
                QStringLiteral("insert into conta_receber values(null,(select max(ncodigo) from ordem),'1/1',40,1,'2026-12-16',0)"),
                QStringLiteral("insert into baixa_conta_receber values(null,(select max(ncodigo) from conta_receber),40,0,0,0,'I','','2026-12-16')")});
            ++gravadas;
            p.waitForFinished(20);
        }
        const QString saida = QString::fromUtf8(p.readAll());
        QVERIFY2(p.exitCode() == 0, qPrintable(saida));
        QVERIFY2(gravadas > 3, qPrintable(QString::number(gravadas)));
        const QString fbk = copias + QLatin1Char('/') + arquivos(copias).value(0);
        const QString destino = dir->filePath(QStringLiteral("restaurado.fdb"));
        const Resultado rr = restaura(fbk, destino);
        QVERIFY2(rr.codigo == 0, qPrintable(rr.saida));
        const QString banco = conexao.fonte();
        conexao.fecha();
        conexao.abre(destino, USUARIO, SENHA);
        QCOMPARE(regras_quebradas(), QStringList{});
        const int restauradas = conta(QStringLiteral("select count(*) from ordem"));
        conexao.fecha();
        conexao.abre(banco, USUARIO, SENHA);
        QVERIFY2(restauradas < conta(QStringLiteral("select count(*) from ordem")), "a cópia leu tudo antes que a estação gravasse");
    }

    void leOPathTxtDoPrograma()
    {
        // the command installed beside the program reads the program's path.txt
        const QString programa = dir->filePath(QStringLiteral("programa"));
        const QString comando = instala_copia(programa);
        QVERIFY(!comando.isEmpty());
        const QByteArray pathTxt = (amb->banco.fonte() + QLatin1Char('=') + USUARIO + QLatin1Char('=') + SENHA).toUtf8();
        // the default folder: beside an embedded database, in the user's data folder for a server's
        const QString padrao = servidor().isEmpty() ? amb->banco.pasta() + QStringLiteral("/copias")
                                                    : dir->filePath(QStringLiteral("dados/controle-os/copias"));

        Resultado r = roda({}, comando);
        QCOMPARE(r.codigo, 1);
        QVERIFY2(r.saida.contains(QStringLiteral("não encontrei o path.txt do Controle OS")), qPrintable(r.saida));

        QDir().mkpath(dir->filePath(QStringLiteral("config/controle-os")));
        grava_arquivo(dir->filePath(QStringLiteral("config/controle-os/path.txt")), pathTxt);
        grava_arquivo(programa + QStringLiteral("/path.txt"), "/nao/existe.fdb=SYSDBA=masterkey");
        solta();
        r = roda({}, comando); // the one beside the program comes first
        QCOMPARE(r.codigo, 1);
        QVERIFY2(r.saida.contains(QStringLiteral("o banco de dados /nao/existe.fdb não existe")), qPrintable(r.saida));

        QFile::remove(programa + QStringLiteral("/path.txt"));
        r = roda({}, comando);
        retoma();
        QVERIFY2(r.codigo == 0, qPrintable(r.saida));
        QCOMPARE(arquivos(padrao).size(), 1);
        QVERIFY(arquivos(padrao)[0].startsWith(QStringLiteral("teste-")));
    }

    void servidorCriaOBancoEAsEstacoes()
    {
        if (!prepara_servidor())
            QSKIP("só como root, no servidor Firebird da execução de servidor");
        const QString banco = dados() + QStringLiteral("/controle_os.fdb");
        const QStringList argumentos = {QStringLiteral("--banco"), banco, QStringLiteral("--sem-reiniciar"),
                                        QStringLiteral("--estacao"), QStringLiteral("ctt_caixa1=Caixa1'Senha"),
                                        QStringLiteral("--estacao"), QStringLiteral("ctt_caixa2")};
        Resultado r = prepara(argumentos);
        QVERIFY2(r.codigo == 0, qPrintable(r.saida));
        // listening on the network, the rest of the file as it was, the old one kept
        QCOMPARE(le_arquivo(conf()), QByteArray("# Firebird\nDefaultDbCachePages = 2048\n#RemoteBindAddress =\n"
                                                "# controle-os-servidor: o servidor escuta na rede (as estações se ligam a ele)\n"
                                                "#RemoteBindAddress = localhost\nAuthServer = Srp\n"));
        QCOMPARE(le_arquivo(conf() + QStringLiteral(".antes-controle-os")), CONF_DEBIAN);
        QVERIFY2(r.saida.contains(QStringLiteral("Abra no firewall deste PC a porta TCP 3050")), qPrintable(r.saida));
        QVERIFY2(r.saida.contains(QStringLiteral("A senha do SYSDBA vem de /etc/firebird/3.0/SYSDBA.password.")), qPrintable(r.saida));
        QVERIFY2(r.saida.contains(QStringLiteral("Banco %1 criado (versão %2 do esquema).").arg(banco).arg(Migracoes::versao_atual())), qPrintable(r.saida));
        // the daily copy: the owner's line, root's alone; without systemd a notice, not a failure
        QCOMPARE(le_arquivo(dir->filePath(QStringLiteral("etc/copia.txt"))), (QStringLiteral("localhost:") + banco + QStringLiteral("=SYSDBA=masterkey")).toUtf8());
        QCOMPARE(modo_arquivo(dir->filePath(QStringLiteral("etc/copia.txt"))), 0600);
        if (!QFile::exists(QStringLiteral("/run/systemd/system")))
            QVERIFY2(r.saida.contains(QStringLiteral("este sistema não usa o systemd, e a cópia diária não foi ligada")), qPrintable(r.saida));

        const QStringList estacoes = linhas_path_txt(r.saida);
        QCOMPARE(estacoes.size(), 2);
        QCOMPARE(estacoes[0], QStringLiteral("localhost:%1=CTT_CAIXA1=Caixa1'Senha=CONTROLE_OS").arg(banco));
        QVERIFY2(QRegularExpression(QStringLiteral("^localhost:%1=CTT_CAIXA2=[A-Za-z0-9]{16}=CONTROLE_OS$").arg(QRegularExpression::escape(banco)))
                     .match(estacoes[1]).hasMatch(), qPrintable(estacoes[1]));
        estacao_trabalha(estacoes[0], QStringLiteral("CTT_CAIXA1"));
        estacao_trabalha(estacoes[1], QStringLiteral("CTT_CAIXA2"));

        // again: everything found as it is, nothing changed
        const QByteArray confAntes = le_arquivo(conf());
        r = prepara(argumentos);
        QVERIFY2(r.codigo == 0, qPrintable(r.saida));
        QCOMPARE(le_arquivo(conf()), confAntes);
        for (const QString& achado : {QStringLiteral("O servidor já escuta na rede"),
                                      QStringLiteral("O banco %1 já existe no servidor").arg(banco),
                                      QStringLiteral("O usuário CTT_CAIXA1 já existe, com essa senha."),
                                      QStringLiteral("O usuário CTT_CAIXA2 já existe; a senha dele foi mantida"),
                                      QStringLiteral("O usuário CTT_CAIXA2 já tem o papel CONTROLE_OS."),
                                      QStringLiteral("As credenciais da cópia diária já estão em")})
            QVERIFY2(r.saida.contains(achado), qPrintable(r.saida));
        QVERIFY2(!r.saida.contains(QStringLiteral("criado")), qPrintable(r.saida));
        estacao_trabalha(estacoes[0], QStringLiteral("CTT_CAIXA1"));
    }

    void servidorTrazOBancoDeUmPC()
    {
        if (!prepara_servidor())
            QSKIP("só como root, no servidor Firebird da execução de servidor");
        loja_completa();
        abre_como_dono(amb->banco.fonte());
        const QStringList original = retrato_banco(conexao.banco());
        const int itens = conta(QStringLiteral("select count(*) from item_ordem"));
        conexao.fecha(); // the single PC's program is closed
        const QString banco = dados() + QStringLiteral("/controle_os.fdb");
        const QStringList argumentos = {QStringLiteral("--banco"), banco, QStringLiteral("--mover"), amb->banco.caminho(),
                                        QStringLiteral("--sem-reiniciar"), QStringLiteral("--estacao"), QStringLiteral("ctt_caixa1")};

        // a restore that does not match what was read: nothing left on the server
        substitui(QStringLiteral("gbak"), GBAK_QUE_PERDE_LINHA);
        Resultado r = prepara(argumentos);
        QCOMPARE(r.codigo, 1);
        QVERIFY2(r.saida.contains(QStringLiteral("a cópia não confere com o que foi lido do banco")), qPrintable(r.saida));
        QVERIFY2(r.saida.contains(QStringLiteral("o banco não foi trazido para o servidor e nada foi alterado")), qPrintable(r.saida));
        QCOMPARE(QDir(dados()).entryList(QDir::Files | QDir::Hidden), QStringList{});
        QVERIFY(!QFile::exists(dir->filePath(QStringLiteral("etc/copia.txt"))));

        caminhos.clear();
        r = prepara(argumentos);
        QVERIFY2(r.codigo == 0, qPrintable(r.saida));
        QVERIFY2(r.saida.contains(QStringLiteral("Banco %1 trazido para %2 e conferido").arg(amb->banco.caminho(), banco)), qPrintable(r.saida));
        QCOMPARE(QDir(dados()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("controle_os.fdb")});
        conexao.abre(QStringLiteral("localhost:") + banco, USUARIO, SENHA);
        QCOMPARE(retrato_banco(conexao.banco()), original);
        conexao.fecha();
        abre_como_dono(amb->banco.fonte()); // the single PC's file as it was
        QCOMPARE(retrato_banco(conexao.banco()), original);

        const QStringList estacoes = linhas_path_txt(r.saida);
        QCOMPARE(estacoes.size(), 1);
        estacao_trabalha(estacoes[0], QStringLiteral("CTT_CAIXA1"));
        QCOMPARE(conta(QStringLiteral("select count(*) from item_ordem")), itens); // the shop's own rows

        // moved once: a second run keeps the server's database
        r = prepara(argumentos);
        QVERIFY2(r.codigo == 0, qPrintable(r.saida));
        QVERIFY2(r.saida.contains(QStringLiteral("O banco %1 não foi trazido de novo").arg(amb->banco.caminho())), qPrintable(r.saida));
    }

    // A server that does not come back after the change: firebird.conf as it
    // was, the server started again on it, nothing else done.
    void servidorQueNaoVoltaDesfazAConfiguracao()
    {
        if (!prepara_servidor())
            QSKIP("só como root, no servidor Firebird da execução de servidor");
        const QString registro = dir->filePath(QStringLiteral("service.log"));
        substitui(QStringLiteral("service"), QStringLiteral("#!/bin/bash\necho \"$*\" >>%1\n[ \"$2\" != restart ]\n").arg(registro).toUtf8());
        Resultado r = prepara({QStringLiteral("--banco"), dados() + QStringLiteral("/controle_os.fdb")});
        QCOMPARE(r.codigo, 1);
        QVERIFY2(r.saida.contains(QStringLiteral("o servidor Firebird não voltou depois da mudança em %1; a configuração anterior foi restaurada.").arg(conf())),
                 qPrintable(r.saida));
        QCOMPARE(le_arquivo(conf()), CONF_DEBIAN);
        QCOMPARE(le_arquivo(registro), QByteArray("firebird3.0 restart\nfirebird3.0 restart\n"));
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), (QStringList{QStringLiteral("firebird.conf"), QStringLiteral("service.log")}));
        QVERIFY(!QDir(dados()).exists());

        // no SYSDBA password where Debian keeps it: said, nothing touched
        caminhos.clear();
        variaveis << QStringLiteral("CONTROLE_OS_SYSDBA_PASSWORD=") + dir->filePath(QStringLiteral("nao-existe"));
        r = prepara({QStringLiteral("--banco"), dados() + QStringLiteral("/controle_os.fdb")});
        QCOMPARE(r.codigo, 1);
        QVERIFY2(r.saida.contains(QStringLiteral("não encontrei a senha do SYSDBA em %1").arg(dir->filePath(QStringLiteral("nao-existe")))), qPrintable(r.saida));
        QCOMPARE(le_arquivo(conf()), CONF_DEBIAN);
    }
};

QTEST_MAIN(TstCopia)
#include "tst_copia.moc"
