// Start-up on a database that is not this program's: a file that is not a
// Firebird database, a database of another program, one with tables
// missing, one marked read-only. Each ends in the start-up failure messages
// with a reason the shop can act on, and nothing is written to it.
#include "apoio.h"
#include "frmprincipal.h"
#include "iniciasistema.h"
#include "sessao.h"

#include <QFile>
#include <QProcess>
#include <QTest>

using namespace apoio;

namespace {

const QString PERGUNTA = QStringLiteral("Ocorreu um erro ao tentar iniciar o programa. Deseja visualizar a mensagem original do erro?");

// A database with the given statements only (not the program's schema).
void cria_estranho(const QString& caminho, const QString& comandos)
{
    QProcess isql;
    isql.setProcessChannelMode(QProcess::MergedChannels);
    isql.start(QStringLiteral("isql-fb"), {QStringLiteral("-q"), QStringLiteral("-b")});
    QVERIFY(isql.waitForStarted());
    isql.write(QStringLiteral("create database '%1' user '%2' password '%3' default character set utf8;\n%4\ncommit;\nexit;\n")
                   .arg(fonte_de(caminho), USUARIO, SENHA, comandos).toUtf8());
    isql.closeWriteChannel();
    QVERIFY(isql.waitForFinished(60000));
    QVERIFY2(isql.exitCode() == 0, isql.readAll().constData());
    QFile::setPermissions(caminho, QFileDevice::Permissions(0x6666));
}

// The tables of a database, as its owner sees them.
QStringList tabelas(const QString& caminho)
{
    abre_como_dono(fonte_de(caminho));
    const QStringList r = linhas(QStringLiteral("select trim(rdb$relation_name) from rdb$relations "
                                                "where coalesce(rdb$system_flag, 0) = 0 order by 1"));
    conexao.fecha();
    return r;
}

} // namespace

class TstInicioDanificado : public QObject {
    Q_OBJECT
    std::unique_ptr<Ambiente> amb;

    // Starts the program on that database; it must not start, and the
    // reason it gives (after Yes to the question) is returned.
    // `credenciais` ("=user=password"), when given, replace the program's.
    QString motivo(const QString& caminho, const QByteArray& credenciais = QByteArray())
    {
        conexao.fecha();
        grava_arquivo(amb->banco.pasta() + QStringLiteral("/path.txt"),
                      credenciais.isEmpty() ? path_txt(fonte_de(caminho)) : fonte_de(caminho).toUtf8() + credenciais);
        amb->msgs.limpa();
        amb->msgs.respostas({true});
        auto principal = inicia_sistema(amb->banco.pasta());
        if (principal) {
            QTest::qFail("o programa iniciou", __FILE__, __LINE__);
            return {};
        }
        if (conexao.aberta()) QTest::qFail("a conexão ficou aberta", __FILE__, __LINE__);
        const QStringList t = amb->msgs.textos();
        if (t.size() != 2 || t[0] != PERGUNTA) {
            QTest::qFail(qPrintable(t.join(QLatin1Char('|'))), __FILE__, __LINE__);
            return {};
        }
        return t[1];
    }

private slots:
    void init() { amb = std::make_unique<Ambiente>(); }
    void cleanup() { amb.reset(); }

    void arquivoQueNaoEBanco()
    {
        const QString caminho = amb->banco.pasta() + QStringLiteral("/planilha.fdb");
        QByteArray conteudo("PK\x03\x04 isto é uma planilha, não um banco de dados; ");
        conteudo = conteudo.repeated(400);
        grava_arquivo(caminho, conteudo);
        QFile::setPermissions(caminho, QFileDevice::Permissions(0x6666));
        const QString m = motivo(caminho);
        QVERIFY2(m.startsWith(QStringLiteral("O arquivo indicado no path.txt não é um banco de dados do Firebird")), qPrintable(m));
        QCOMPARE(le_arquivo(caminho), conteudo);
        QVERIFY(!m.contains(programa().senha));
    }

    void bancoDeOutroPrograma()
    {
        const QString caminho = amb->banco.pasta() + QStringLiteral("/estoque.fdb");
        cria_estranho(caminho, QStringLiteral("create table produto (codigo integer, nome varchar(40));\n"
                                              "create table cliente (id integer);"));
        const QString m = motivo(caminho);
        QVERIFY2(m.contains(QStringLiteral("está incompleto ou danificado")) || m.contains(QStringLiteral("não é do Controle OS")), qPrintable(m));
        QCOMPARE(tabelas(caminho), (QStringList{QStringLiteral("CLIENTE"), QStringLiteral("PRODUTO")}));

        const QString vazio = amb->banco.pasta() + QStringLiteral("/vazio.fdb");
        cria_estranho(vazio, QStringLiteral("create table produto (codigo integer);"));
        QVERIFY2(motivo(vazio).contains(QStringLiteral("não é do Controle OS: nenhuma das tabelas do programa existe nele")), qPrintable(amb->msgs.ultimo()));
        QCOMPARE(tabelas(vazio), QStringList{QStringLiteral("PRODUTO")});
    }

    void tabelasFaltando()
    {
        // the program's database with the receivables gone
        abre_como_dono(amb->banco.fonte());
        for (const char* c : {"drop view view_contas_a_receber", "drop view view_contas_recebidas", "drop table baixa_conta_receber"})
            executa(QString::fromLatin1(c));
        conexao.fecha();
        const QString m = motivo(amb->banco.caminho());
        QVERIFY2(m.contains(QStringLiteral("incompleto ou danificado: faltam as tabelas baixa_conta_receber.")), qPrintable(m));
    }

    // A database of an older version opened by a station user: the schema
    // cannot change, and the shop is told to start once as the owner.
    void bancoAntigoAbertoPelaEstacao()
    {
        const QString caminho = amb->banco.pasta() + QStringLiteral("/antigo.fdb");
        cria_banco(caminho, QStringLiteral(CONTROLE_OS_ESQUEMA_V1));
        QFile::setPermissions(caminho, QFileDevice::Permissions(0x6666));
        const QString estacao = servidor().isEmpty() ? QStringLiteral("BALCAO") : programa().usuario;
        const QString m = motivo(caminho, servidor().isEmpty() ? QByteArray("=BALCAO=balcao") : QByteArray());
        QVERIFY2(m.startsWith(QStringLiteral("O banco de dados é de uma versão anterior do programa e precisa ser atualizado, "
                                             "mas o usuário %1 do path.txt não tem permissão para alterá-lo.").arg(estacao)),
                 qPrintable(m));
        QVERIFY(m.contains(QStringLiteral("Inicie o programa uma vez com o usuário dono do banco de dados")));
        QVERIFY(!tabelas(caminho).contains(QStringLiteral("VERSAO_ESQUEMA")));
        // as the owner it starts, on the newest schema
        grava_arquivo(amb->banco.pasta() + QStringLiteral("/path.txt"), (fonte_de(caminho) + QStringLiteral("=%1=%2").arg(USUARIO, SENHA)).toUtf8());
        amb->msgs.limpa();
        QVERIFY(inicia_sistema(amb->banco.pasta()) != nullptr);
        QVERIFY2(amb->msgs.textos().isEmpty(), qPrintable(amb->msgs.textos().join(QLatin1Char('|'))));
    }

    // The database file held by another program on this computer (another
    // copy of the program on the embedded engine): the shop is told so,
    // not that the file is missing or read-only.
    void bancoAbertoPorOutroPrograma()
    {
        if (!servidor().isEmpty())
            QSKIP("no servidor várias estações abrem o mesmo banco");
        conexao.fecha();
        QProcess outro;
        outro.setProcessChannelMode(QProcess::MergedChannels);
        outro.start(QStringLiteral("isql-fb"), {QStringLiteral("-q"), QStringLiteral("-user"), USUARIO, QStringLiteral("-password"), SENHA,
                                                amb->banco.caminho()});
        QVERIFY(outro.waitForStarted());
        // attached once it has read from the database and left a mark
        const QString pronto = amb->banco.pasta() + QStringLiteral("/pronto");
        outro.write(QStringLiteral("select 1 from rdb$database;\nshell touch %1;\n").arg(pronto).toUtf8());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(pronto), 20000);
        const QString m = motivo(amb->banco.caminho());
        outro.write("exit;\n");
        outro.closeWriteChannel();
        outro.waitForFinished(10000);
        QVERIFY2(m.startsWith(QStringLiteral("O banco de dados já está aberto por outro programa neste computador")), qPrintable(m));
    }

    void bancoSomenteLeitura()
    {
        conexao.fecha();
        const int r = QProcess::execute(QStringLiteral("gfix"), {QStringLiteral("-mode"), QStringLiteral("read_only"), QStringLiteral("-user"), USUARIO,
                                                                 QStringLiteral("-password"), SENHA, amb->banco.fonte()});
        QCOMPARE(r, 0);
        const QString m = motivo(amb->banco.caminho());
        QVERIFY2(m.contains(QStringLiteral("está marcado como somente leitura")), qPrintable(m));
    }
};

QTEST_MAIN(TstInicioDanificado)
#include "tst_inicio_danificado.moc"
