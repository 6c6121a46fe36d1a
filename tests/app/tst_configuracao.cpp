// Where start-up finds path.txt, and an installed program's first start:
// the user's database made from the installed schema, path.txt written in
// the user's configuration folder, the installation folder left alone.
#include "apoio.h"
#include "arquivoconfiguracao.h"
#include "frmprincipal.h"
#include "iniciasistema.h"
#include "sessao.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

using namespace apoio;

namespace {

const QString PERGUNTA_FALHA = QStringLiteral("Ocorreu um erro ao tentar iniciar o programa. Deseja visualizar a mensagem original do erro?");

// Every file under a folder, relative, sorted.
QStringList arquivos(const QString& pasta)
{
    QStringList r;
    QDirIterator it(pasta, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        r << QDir(pasta).relativeFilePath(it.next());
    r.sort();
    return r;
}

} // namespace

class TstConfiguracao : public QObject {
    Q_OBJECT
    std::unique_ptr<Ambiente> amb;
    std::unique_ptr<QTemporaryDir> casa; // the user's home: configuration and data
    QString programa;                    // the folder of the executable
    QString config, dados, pathUsuario, bancoUsuario;

    // An installation: the schema beside the executable.
    void instala(const QByteArray& esquema)
    {
        grava_arquivo(programa + QStringLiteral("/schema/controle_os.sql"), esquema);
    }
    // Starts as the program does.
    std::unique_ptr<FrmPrincipal> inicia()
    {
        conexao.fecha();
        return inicia_sistema(programa);
    }

private slots:
    void init()
    {
        amb = std::make_unique<Ambiente>();
        casa = std::make_unique<QTemporaryDir>();
        config = casa->filePath(QStringLiteral("config"));
        dados = casa->filePath(QStringLiteral("dados"));
        programa = casa->filePath(QStringLiteral("usr/lib/controle-os"));
        QDir().mkpath(programa);
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
        qputenv("XDG_DATA_HOME", QFile::encodeName(dados));
        pathUsuario = config + QStringLiteral("/controle-os/path.txt");
        bancoUsuario = dados + QStringLiteral("/controle-os/controle_os.fdb");
    }
    void cleanup()
    {
        conexao.fecha();
        amb.reset();
        casa.reset();
    }

    void aoLadoDoExecutavelDepoisNaPastaDoUsuario()
    {
        const QByteArray banco = path_txt(amb->banco.fonte());
        // neither: the path beside the executable, whose absence start-up reports
        QCOMPARE(arquivo_configuracao(programa), programa + QStringLiteral("/path.txt"));
        QVERIFY(!QDir(config).exists());
        QVERIFY(!QDir(dados).exists());
        amb->msgs.respostas({true});
        QVERIFY(!inicia());
        const QStringList mostrados = amb->msgs.textos();
        QCOMPARE(mostrados.size(), 3);
        QCOMPARE(mostrados[0], PERGUNTA_FALHA);
        QCOMPARE(mostrados[1], QStringLiteral("Arquivo não encontrado: %1/path.txt").arg(programa));
        // where it looked, and the line to write: a station's or a single PC's
        QCOMPARE(mostrados[2], orientacao_sem_configuracao(programa));
        QVERIFY2(mostrados[2].contains(QStringLiteral("    %1/path.txt\n    %2\n").arg(programa, pathUsuario)), qPrintable(mostrados[2]));
        QVERIFY(mostrados[2].contains(QStringLiteral("a linha que o comando controle-os-servidor mostrou no servidor")));
        QVERIFY(mostrados[2].contains(QStringLiteral("=CAIXA1=senha=CONTROLE_OS\n")));
        QVERIFY(mostrados[2].endsWith(QStringLiteral("\n    %1=SYSDBA=masterkey").arg(bancoUsuario)));
        QCOMPARE(amb->msgs.mostradas()[2].titulo, QStringLiteral("Zerlin Software - Controle Geral"));
        // told also to whoever does not ask for the original message
        amb->msgs.limpa();
        amb->msgs.respostas({false});
        QVERIFY(!inicia());
        QCOMPARE(amb->msgs.textos(), (QStringList{PERGUNTA_FALHA, orientacao_sem_configuracao(programa)}));

        // the user's own
        grava_arquivo(pathUsuario, banco);
        QCOMPARE(arquivo_configuracao(programa), pathUsuario);
        auto principal = inicia();
        QVERIFY(principal);
        QVERIFY(principal->isVisible());
        principal.reset();

        // one beside the executable wins (./run and existing set-ups)
        grava_arquivo(programa + QStringLiteral("/path.txt"), "/nao/existe.fdb=SYSDBA=masterkey");
        QCOMPARE(arquivo_configuracao(programa), programa + QStringLiteral("/path.txt"));
        amb->msgs.limpa();
        amb->msgs.respostas({false});
        QVERIFY(!inicia());
        QCOMPARE(amb->msgs.textos(), QStringList{PERGUNTA_FALHA});
    }

    void primeiroInicioInstaladoCriaOBancoDoUsuario()
    {
        instala(le_arquivo(QStringLiteral(CONTROLE_OS_SCHEMA)));
        const QStringList instalados = arquivos(programa);
        // the program made the folder of its lock files already, open to all
        QVERIFY(QDir().mkpath(dados + QStringLiteral("/controle-os/lock")));
        QFile::setPermissions(dados + QStringLiteral("/controle-os"), QFileDevice::Permissions(0x7755));
        auto principal = inicia();
        QVERIFY(principal);
        QVERIFY(principal->isVisible());
        QCOMPARE(principal->windowTitle(), QStringLiteral("Controle de ordens de serviço versão 1.0.5 - Minha Assistência Técnica"));
        QVERIFY(amb->msgs.mostradas().isEmpty());
        QCOMPARE(conexao.banco().databaseName(), bancoUsuario);

        QCOMPARE(le_arquivo(pathUsuario), (bancoUsuario + QStringLiteral("=SYSDBA=masterkey")).toUtf8());
        QCOMPARE(modo_arquivo(pathUsuario), 0600);
        QCOMPARE(modo_arquivo(config + QStringLiteral("/controle-os")), 0700);
        QCOMPARE(modo_arquivo(dados + QStringLiteral("/controle-os")), 0700);
        QCOMPARE(arquivos(config), QStringList{QStringLiteral("controle-os/path.txt")});
        QCOMPARE(arquivos(dados), QStringList{QStringLiteral("controle-os/controle_os.fdb")});
        QCOMPARE(arquivos(programa), instalados); // nothing written where it is installed

        // the shop works; the next start opens the same database
        executa(QStringLiteral("insert into cidade values(null,'Curitiba','PR')"));
        principal.reset();
        principal = inicia();
        QVERIFY(principal);
        QCOMPARE(valor(QStringLiteral("select count(*) from cidade where cnome = 'Curitiba'")).toInt(), 1);
        QCOMPARE(arquivos(dados), QStringList{QStringLiteral("controle-os/controle_os.fdb")});
    }

    void bancoExistenteEMantido()
    {
        // a database ./run made earlier, with the shop's data, and no path.txt yet
        executa(QStringLiteral("insert into cidade values(null,'Curitiba','PR')"));
        conexao.fecha();
        QDir().mkpath(QFileInfo(bancoUsuario).path());
        QVERIFY(QFile::copy(amb->banco.caminho(), bancoUsuario));
        instala(le_arquivo(QStringLiteral(CONTROLE_OS_SCHEMA)));
        auto principal = inicia();
        QVERIFY(principal);
        QCOMPARE(valor(QStringLiteral("select count(*) from cidade where cnome = 'Curitiba'")).toInt(), 1);
        QCOMPARE(le_arquivo(pathUsuario), (bancoUsuario + QStringLiteral("=SYSDBA=masterkey")).toUtf8());
        QCOMPARE(modo_arquivo(pathUsuario), 0600);
    }

    void falhaAoCriarNaoDeixaNada()
    {
        instala("set names utf8;\ncreate table cidade (ncodigo integer not null primary key);\nisto nao e sql;\n");
        amb->msgs.respostas({true});
        QVERIFY(!inicia());
        QVERIFY(!conexao.aberta());
        QCOMPARE(amb->msgs.textos().value(0), PERGUNTA_FALHA);
        QVERIFY2(amb->msgs.ultimo().startsWith(QStringLiteral("Não foi possível criar o banco de dados ") + bancoUsuario),
                 qPrintable(amb->msgs.ultimo()));
        QVERIFY(arquivos(dados).isEmpty());
        QVERIFY(!QDir(config).exists());

        // once the installation is sound again, the next start sets the user up
        instala(le_arquivo(QStringLiteral(CONTROLE_OS_SCHEMA)));
        amb->msgs.limpa();
        QVERIFY(inicia());
        QVERIFY(QFile::exists(bancoUsuario));
        QVERIFY(QFile::exists(pathUsuario));
    }
};

QTEST_MAIN(TstConfiguracao)
#include "tst_configuracao.moc"
