// The Firebird server goes away while forms are open and comes back: every
// action meanwhile shows one message in the shop's words, the forms keep
// what was typed and can be left, and the next action after the server is
// back goes on where the user was. Runs only against a server
// (CONTROLE_OS_TESTE_SERVIDOR): it stops and starts the real service, for
// a few seconds, and always starts it again.
#include "apoio.h"
#include "formularios.h"
#include "frmbaixacontasreceber.h"
#include "frmcadcidades.h"
#include "frmcontasreceber.h"
#include "frmentradaequipamento.h"
#include "grade.h"
#include "lojateste.h"
#include "errosbanco.h"
#include "sessao.h"
#include "passos.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace apoio;

namespace {

bool servidor_responde()
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(3050);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool ok = ::connect(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    ::close(s);
    return ok;
}

void servico(const QString& acao)
{
    QProcess::execute(QStringLiteral("sh"), {QStringLiteral("-c"),
        QStringLiteral("(command -v service >/dev/null && service firebird3.0 %1 || /etc/init.d/firebird3.0 %1) >/dev/null 2>&1").arg(acao)});
}

// Stops the server for the life of the object. A detached watchdog starts it
// again after half a minute should this test die before its destructor.
class ServidorParado {
public:
    ServidorParado()
    {
        QProcess::startDetached(QStringLiteral("setsid"), {QStringLiteral("sh"), QStringLiteral("-c"),
            QStringLiteral("sleep 30; (command -v service >/dev/null && service firebird3.0 start || /etc/init.d/firebird3.0 start) >/dev/null 2>&1")});
        servico(QStringLiteral("stop"));
        QTest::qWaitFor([] { return !servidor_responde(); }, 5000);
        ++paradas;
    }
    ~ServidorParado()
    {
        servico(QStringLiteral("start"));
        QTest::qWaitFor([] { return servidor_responde(); }, 10000);
    }
    static inline int paradas = 0;
};

} // namespace

class TstServidorPerdido : public QObject {
    Q_OBJECT
    std::unique_ptr<Ambiente> amb;

    // Every message since the last check is the one about the lost
    // connection; none shows the driver's text.
    void so_conexao_perdida(int quantas)
    {
        const QStringList t = amb->msgs.textos();
        QCOMPARE(t.size(), quantas);
        for (const QString& m : t) {
            QCOMPARE(m, CONEXAO_PERDIDA);
            QVERIFY(!m.contains(QLatin1String("SQLCODE")) && !m.contains(QLatin1String("-902")));
        }
        amb->msgs.limpa();
    }

private slots:
    void initTestCase()
    {
        if (servidor().isEmpty())
            QSKIP("só com um servidor Firebird (CONTROLE_OS_TESTE_SERVIDOR)");
    }
    void init()
    {
        amb = std::make_unique<Ambiente>();
        cria_loja_exemplo();
    }
    void cleanup() { amb.reset(); }
    void cleanupTestCase() { qInfo("paradas do servidor: %d", ServidorParado::paradas); }

    void formulariosSobrevivemAoServidorParado()
    {
        auto& cidade = abre_inclusao<FrmCadCidades>();
        digita(cidade.caixaNome, QStringLiteral("Ponta Grossa"));
        digita(cidade.caixaUf, QStringLiteral("PR"));
        auto& entrada = abre_inclusao<FrmEntradaEquipamento>();
        const QString codigo = entrada.caixaCodigo->text();
        entrada.caixaCliente->setFocus();
        digita(entrada.caixaCliente, QStringLiteral("2"));
        tecla(entrada.caixaCliente, Qt::Key_Return);
        QCOMPARE(entrada.caixaNomeCliente->text(), QStringLiteral("Ana Souza"));
        const QString itens = QStringLiteral("select count(*) from item_da_entrada where nentrada_equipamento = ") + codigo;
        entrada.caixaEquipamento->setFocus();
        digita(entrada.caixaEquipamento, QStringLiteral("Impressora"));
        digita(entrada.caixaProblema, QStringLiteral("Não liga"));
        clica(entrada.botaoConfirmarItem);
        QCOMPARE(conta(itens), 1);
        // the receivables, every instalment listed (the shop's open one is 2)
        auto& contas = abre_receber();
        QCOMPARE(contas.gradeLista->texto(0, 0), QStringLiteral("2"));
        QVERIFY(amb->msgs.mostradas().isEmpty());

        {
            ServidorParado parado;
            // a second item, the entry's save, the city's save: one message each
            digita(entrada.caixaEquipamento, QStringLiteral("Notebook"));
            digita(entrada.caixaProblema, QStringLiteral("Tela azul"));
            clica(entrada.botaoConfirmarItem);
            so_conexao_perdida(1);
            QCOMPARE(entrada.caixaEquipamento->toPlainText(), QStringLiteral("Notebook"));
            QCOMPARE(entrada.caixaProblema->toPlainText(), QStringLiteral("Tela azul"));
            clica(cidade.botaoGravar);
            so_conexao_perdida(1);
            QVERIFY(cidade.isVisible());
            QCOMPARE(cidade.caixaNome->text(), QStringLiteral("Ponta Grossa"));
            // and again: still away, the same message, nothing else
            clica(cidade.botaoGravar);
            so_conexao_perdida(1);
            // the receivables: the list stays as it was, a write-off is refused whole
            clica(contas.botaoMostrar);
            so_conexao_perdida(1);
            QCOMPARE(contas.gradeLista->texto(0, 0), QStringLiteral("2"));
            contas.gradeLista->defineLinhaAtual(0);
            ao_abrir_modal([&](QDialog& d) {
                auto& b = static_cast<FrmBaixaContasReceber&>(d);
                ativa(b);
                clica(b.botaoGravar);
                QVERIFY(b.isVisible());
                clica(b.findChild<QPushButton*>(QStringLiteral("botaoSair")));
            });
            clica(contas.botaoBaixar);
            QVERIFY(!form<FrmBaixaContasReceber>().isVisible());
            so_conexao_perdida(1);
        }

        // back: the next action reconnects and goes on with what was typed
        clica(entrada.botaoConfirmarItem);
        QVERIFY2(amb->msgs.mostradas().isEmpty(), qPrintable(amb->msgs.textos().join(QLatin1Char('\n'))));
        QCOMPARE(conta(itens), 2);
        clica(cidade.botaoGravar);
        QVERIFY(amb->msgs.mostradas().isEmpty());
        QCOMPARE(linhas(QStringLiteral("select cnome, cuf from cidade where cnome = 'Ponta Grossa'")),
                 QStringList{QStringLiteral("Ponta Grossa|PR")});
        QVERIFY(conexao.aberta());
        clica(contas.botaoMostrar);
        QCOMPARE(contas.gradeLista->texto(0, 0), QStringLiteral("2"));
        QCOMPARE(conta(QStringLiteral("select count(*) from baixa_conta_receber")), 1);

        // away again: both forms can still be left
        {
            ServidorParado parado;
            clica(cidade.botaoSair);
            QTRY_VERIFY(!cidade.isVisible());
            clica(entrada.botaoCancelar);
            QTRY_VERIFY(!entrada.isVisible());
            clica(contas.findChild<QPushButton*>(QStringLiteral("botaoSair")));
            QTRY_VERIFY(!contas.isVisible());
            QVERIFY(!amb->msgs.mostradas().isEmpty());
            so_conexao_perdida(amb->msgs.mostradas().size());
        }
        // and the saved work is all there once the server is back
        QCOMPARE(conta(itens), 2);
        QCOMPARE(conta(QStringLiteral("select count(*) from cidade where cnome = 'Ponta Grossa'")), 1);
    }
};

QTEST_MAIN(TstServidorPerdido)
#include "tst_servidor_perdido.moc"
