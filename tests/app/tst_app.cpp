// Start-up from path.txt and the main window.
#include "apoio.h"
#include "controlerelatorio.h"
#include "frmcadcidades.h"
#include "frmcadcliente.h"
#include "frmcadcondicaopagto.h"
#include "frmcadequipamentos.h"
#include "frmcadtecnico.h"
#include "frmconsultaclientes.h"
#include "frmprincipal.h"
#include "grade.h"
#include "iniciasistema.h"
#include "modulo1.h"
#include "relogio.h"
#include "sinais.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace apoio;

namespace {

const QString PERGUNTA_FALHA = QStringLiteral("Ocorreu um erro ao tentar iniciar o programa. Deseja visualizar a mensagem original do erro?");

void escreve(const QString& pasta, const QByteArray& conteudo)
{
    QFile f(pasta + QStringLiteral("/path.txt"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(conteudo);
}

// The menu tree as "parent>name:caption" lines, separators included.
void percorre(const QString& pai, const QList<QAction*>& acoes, QStringList& saida)
{
    for (QAction* a : acoes) {
        saida << pai + QLatin1Char('>') + a->objectName() + QLatin1Char(':') + (a->isSeparator() ? QStringLiteral("-") : a->text());
        if (a->menu())
            percorre(a->objectName(), a->menu()->actions(), saida);
    }
}

} // namespace

class TstApp : public QObject {
    Q_OBJECT
    std::unique_ptr<Ambiente> amb;
private slots:
    void init()
    {
        amb = std::make_unique<Ambiente>();
        // a path.txt in the configuration folder of whoever runs the tests is none of theirs
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(amb->banco.pasta() + QStringLiteral("/config")));
    }
    void cleanup() { amb.reset(); }

    void pathTxtDivididoSemAparar()
    {
        Configuracao c = le_configuracao(QStringLiteral("servidor:/dados/os.fdb=SYSDBA=masterkey"));
        QCOMPARE(c.fonte, QStringLiteral("servidor:/dados/os.fdb"));
        QCOMPARE(c.usuario, QStringLiteral("SYSDBA"));
        QCOMPARE(c.senha, QStringLiteral("masterkey"));
        c = le_configuracao(QStringLiteral(" a =b= senha\r\n"));
        QCOMPARE(c.fonte, QStringLiteral(" a "));
        QCOMPARE(c.senha, QStringLiteral(" senha\r\n"));
        c = le_configuracao(QStringLiteral("a=b=c=d=e"));
        QCOMPARE(c.senha, QStringLiteral("c"));
        QCOMPARE(c.papel, QStringLiteral("d"));
        c = le_configuracao(QStringLiteral("servidor:/dados/os.fdb=balcao=s3nha=CONTROLE_OS\r\n"));
        QCOMPARE(c.senha, QStringLiteral("s3nha"));
        QCOMPARE(c.papel, QStringLiteral("CONTROLE_OS"));
        QVERIFY(le_configuracao(QStringLiteral("a=b=c")).papel.isEmpty());
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, le_configuracao(QStringLiteral("a=b")));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, le_configuracao(QString()));
    }

    void iniciaEMostraAJanela()
    {
        conexao.fecha();
        escreve(amb->banco.pasta(), path_txt(amb->banco.fonte()));
        auto principal = inicia_sistema(amb->banco.pasta());
        QVERIFY(principal);
        QVERIFY(conexao.aberta());
        QVERIFY(principal->isVisible());
        QCOMPARE(principal->windowTitle(), QStringLiteral("Controle de ordens de serviço versão 1.0.5 - Minha Assistência Técnica"));
        QVERIFY(amb->msgs.mostradas().isEmpty());
        QCOMPARE(&cr(), principal->crControle);
        QCOMPARE(cr().WindowTitle, QStringLiteral("Módulo de Relatórios"));
    }

    // Reservations left by a crash: removed at start-up on the embedded
    // database (with what was attached to them), never on a server, where
    // another station may be filling one; a reservation in use stays.
    void reservasAbandonadasNoInicio()
    {
        executa(QStringLiteral("insert into cliente (ncidade) values(1);")); // 2: reserved customer with a machine
        executa(QStringLiteral("Insert into equipamento values (null,'Impressora');"));
        executa(QStringLiteral("insert into propriedade values(null,1,'Modelo');"));
        executa(QStringLiteral("insert into equipamento_cliente values(null,2,1,'HP');"));
        executa(QStringLiteral("insert into Propriedade_equipamento_cliente values(1,1,'1102')"));
        executa(QStringLiteral("Insert into equipamento values (null,'');")); // 2: reserved type with a property
        executa(QStringLiteral("insert into propriedade values(null,2,'Cor');"));
        executa(QStringLiteral("Insert into equipamento values (null,'');")); // 3: reserved type a machine uses
        executa(QStringLiteral("insert into cliente (ncidade) values(1);")); // 3: a saved customer
        executa(QStringLiteral("update cliente set cfantasia = 'Ana' where ncodigo = 3"));
        executa(QStringLiteral("insert into equipamento_cliente values(null,3,3,'Sem tipo');"));
        const QStringList antes = linhas(QStringLiteral("select 'c' || ncodigo from cliente union all select 'e' || ncodigo from equipamento "
                                                        "union all select 'p' || ncodigo from propriedade union all select 'm' || ncodigo from equipamento_cliente order by 1"));
        conexao.fecha();
        escreve(amb->banco.pasta(), (amb->banco.fonte() + QLatin1Char('=') + USUARIO + QLatin1Char('=') + SENHA).toUtf8());
        auto principal = inicia_sistema(amb->banco.pasta());
        QVERIFY(principal);
        QVERIFY(amb->msgs.mostradas().isEmpty());
        const QStringList depois = linhas(QStringLiteral("select 'c' || ncodigo from cliente union all select 'e' || ncodigo from equipamento "
                                                         "union all select 'p' || ncodigo from propriedade union all select 'm' || ncodigo from equipamento_cliente order by 1"));
        if (conexao.noServidor())
            QCOMPARE(depois, antes);
        else
            QCOMPARE(depois, (QStringList{QStringLiteral("c1"), QStringLiteral("c3"), QStringLiteral("e1"), QStringLiteral("e3"),
                                          QStringLiteral("m2"), QStringLiteral("p1")}));
    }

    void falhasDeInicio_data()
    {
        QTest::addColumn<QByteArray>("conteudo");
        QTest::addColumn<QString>("trecho"); // part of the original message
        QTest::newRow("sem arquivo") << QByteArray() << QStringLiteral("path.txt");
        QTest::newRow("um igual") << QByteArray("/tmp/x.fdb=SYSDBA") << QStringLiteral("path.txt");
        QTest::newRow("servidor inalcançável") << QByteArray("127.0.0.1/1:/nada/controle.fdb=SYSDBA=masterkey") << QString();
        QTest::newRow("banco inexistente") << QByteArray("/nao/existe/controle.fdb=SYSDBA=masterkey") << QString();
    }

    void falhasDeInicio()
    {
        QFETCH(QByteArray, conteudo);
        QFETCH(QString, trecho);
        conexao.fecha();
        if (!conteudo.isEmpty())
            escreve(amb->banco.pasta(), conteudo);
        amb->msgs.respostas({true});
        auto principal = inicia_sistema(amb->banco.pasta());
        QVERIFY(!principal);
        QVERIFY(!conexao.aberta());
        QCOMPARE(amb->msgs.mostradas().size(), 2);
        QCOMPARE(amb->msgs.mostradas()[0].texto, PERGUNTA_FALHA);
        QCOMPARE(amb->msgs.mostradas()[0].tipo, Mostrada::Pergunta);
        QCOMPARE(amb->msgs.mostradas()[0].titulo, QStringLiteral("Zerlin Software - Controle Geral"));
        QVERIFY(!amb->msgs.mostradas()[1].texto.isEmpty());
        QVERIFY2(amb->msgs.mostradas()[1].texto.contains(trecho), qPrintable(amb->msgs.mostradas()[1].texto));
        QCOMPARE(amb->msgs.mostradas()[1].icone, Mensagens::Icone::Informacao);
    }

    void naoQuerVerAMensagem()
    {
        conexao.fecha();
        amb->msgs.respostas({false});
        QVERIFY(!inicia_sistema(amb->banco.pasta()));
        QCOMPARE(amb->msgs.textos(), QStringList{PERGUNTA_FALHA});
    }

    void senhaRecusadaPeloServidor()
    {
        if (servidor().isEmpty())
            QSKIP("o motor embutido aceita qualquer senha; só um servidor recusa o login");
        conexao.fecha();
        // a line break after the password is part of the password
        escreve(amb->banco.pasta(), (amb->banco.fonte() + QLatin1Char('=') + USUARIO + QLatin1Char('=') + SENHA + QLatin1Char('\n')).toUtf8());
        amb->msgs.respostas({true});
        QVERIFY(!inicia_sistema(amb->banco.pasta()));
        QCOMPARE(amb->msgs.mostradas().size(), 2);
        QVERIFY2(amb->msgs.mostradas()[1].texto.contains(QStringLiteral("-902")), qPrintable(amb->msgs.mostradas()[1].texto));
    }

    void semEstabelecimentoNaoInicia()
    {
        conexao.execute(QStringLiteral("delete from estabelecimento"));
        conexao.fecha();
        escreve(amb->banco.pasta(), path_txt(amb->banco.fonte()));
        amb->msgs.respostas({true});
        QVERIFY(!inicia_sistema(amb->banco.pasta()));
        QCOMPARE(amb->msgs.mostradas().size(), 2);
        QVERIFY(amb->msgs.mostradas()[1].texto.contains(QStringLiteral("estabelecimento")));
    }

    void rodapeELegenda()
    {
        executa(QStringLiteral("insert into cidade values(null,'Curitiba','PR');"));
        executa(QStringLiteral("update estabelecimento set cfantasia = 'Zé Consertos', cendereco = 'Rua XV, 10', cfone = '(41) 3333-4444', "
                               "cemail = 'ze@consertos.com.br', ncidade = 2 where ncodigo = 1"));
        FrmPrincipal p;
        p.carrega();
        QCOMPARE(cNomeEmpresa, QStringLiteral("Zé Consertos"));
        QCOMPARE(cRodape, QStringLiteral("Zé Consertos - Rua XV, 10 - Curitiba-Fone: (41) 3333-4444 - ze@consertos.com.br"));
        QCOMPARE(p.windowTitle(), QStringLiteral("Controle de ordens de serviço versão 1.0.5 - Zé Consertos"));

        executa(QStringLiteral("update estabelecimento set cemail = null, cendereco = '' where ncodigo = 1"));
        FrmPrincipal q;
        q.carrega();
        QCOMPARE(cRodape, QStringLiteral("Zé Consertos -  - Curitiba-Fone: (41) 3333-4444 - "));
    }

    void arvoreDeMenus()
    {
        FrmPrincipal p;
        QStringList arvore;
        percorre(QString(), p.menuBar()->actions(), arvore);
        const QStringList esperada = {
            QStringLiteral(">menuCadastros:Cadastros"),
            QStringLiteral("menuCadastros>menuCadEstabelecimento:Estabelecimento"),
            QStringLiteral("menuCadastros>menuClientes:Clientes"),
            QStringLiteral("menuClientes>menuCadastrarCliente:Cadastrar"),
            QStringLiteral("menuClientes>Separador1:-"),
            QStringLiteral("menuClientes>menuLocalizarCliente:Localizar"),
            QStringLiteral("menuCadastros>menuCidades:Cidades"),
            QStringLiteral("menuCidades>menuCadastrarCidade:Cadastrar"),
            QStringLiteral("menuCidades>Separador2:-"),
            QStringLiteral("menuCidades>menuLocalizarCidade:Localizar"),
            QStringLiteral("menuCadastros>menuTecnicos:Técnicos"),
            QStringLiteral("menuTecnicos>menuCadastrarTecnico:Cadastrar"),
            QStringLiteral("menuTecnicos>Separadora001:-"),
            QStringLiteral("menuTecnicos>menuLocalizarTecnico:Localizar"),
            QStringLiteral("menuCadastros>menuEquipamento:Equipamentos"),
            QStringLiteral("menuEquipamento>menuIncluir:Incluir"),
            QStringLiteral("menuEquipamento>Separador3:-"),
            QStringLiteral("menuEquipamento>menuLocalizarEquipamento:Localizar"),
            QStringLiteral("menuCadastros>menuCondicaoPagto:Condições de pagamento"),
            QStringLiteral("menuCondicaoPagto>menuCadCondicaoPagto:Incluir"),
            QStringLiteral("menuCondicaoPagto>Separador7:-"),
            QStringLiteral("menuCondicaoPagto>menuLocalizarCondicaoPagto:Localizar"),
            QStringLiteral(">menuMovimentos:Movimentos"),
            QStringLiteral("menuMovimentos>menuEntradaEquipamento:Entrada de equipamentos p/ orçamento"),
            QStringLiteral("menuEntradaEquipamento>menuIncluirEntrada:Incluir"),
            QStringLiteral("menuEntradaEquipamento>Separador4:-"),
            QStringLiteral("menuEntradaEquipamento>menuLocalizarEntrada:Localizar"),
            QStringLiteral("menuMovimentos>menuOrcamentos:Orçamentos"),
            QStringLiteral("menuOrcamentos>menuIncluirOrcamento:Incluir"),
            QStringLiteral("menuOrcamentos>Separador5:-"),
            QStringLiteral("menuOrcamentos>menuLocalizarOrcamento:Localizar"),
            QStringLiteral("menuMovimentos>menuOrdenServico:Ordens de serviço"),
            QStringLiteral("menuOrdenServico>menuIncluirOrdem:Incluir"),
            QStringLiteral("menuOrdenServico>Separador6:-"),
            QStringLiteral("menuOrdenServico>menuLocalizarOrdem:Localizar"),
            QStringLiteral(">menuFinanceiros:Financeiros"),
            QStringLiteral("menuFinanceiros>menuContasReceber:Contas a receber"),
            QStringLiteral("menuFinanceiros>menuContasRecebidas:Contas recebidas"),
            QStringLiteral(">menuConsultas:Consultas"),
            QStringLiteral("menuConsultas>menuServicoEquipamento:Levantamento de serviços por equipamento"),
            QStringLiteral(">menuRelatórios:Relatórios"),
            QStringLiteral("menuRelatórios>menuRelContasReceber:Contas a receber"),
            QStringLiteral("menuRelatórios>menuRelContasRecebidas:Contas recebidas"),
            QStringLiteral("menuRelatórios>menuRelRecebimentos:Recebimentos no período"),
            QStringLiteral("menuRelatórios>SeparadorRel1:-"),
            QStringLiteral("menuRelatórios>RelExtratoServicoTecnico:Extrato de serviços por técnicos"),
            QStringLiteral("menuRelatórios>SeparadorRel2:-"),
            QStringLiteral("menuRelatórios>RelDemonstrativoFaturamento:Demonstrativo de faturamento"),
            QStringLiteral("menuRelatórios>RelServicoCliente:Relação de serviços por cliente"),
        };
        QCOMPARE(arvore, esperada);
        // no shortcut keys on the menus
        for (QAction* a : p.findChildren<QAction*>())
            QVERIFY2(a->shortcut().isEmpty(), qPrintable(a->objectName()));
    }

    void barraDeFerramentas()
    {
        FrmPrincipal p;
        const QList<QAction*> botoes = p.Toolbar1->actions();
        QCOMPARE(botoes.size(), 10);
        const QStringList dicas = {QStringLiteral("Cadastro do estabelecimento"), QStringLiteral("-"), QStringLiteral("Cadastro de clientes"),
                                   QStringLiteral("Cadastro de equipamentos"), QStringLiteral("-"), QStringLiteral("Entrada de equipamentos"),
                                   QStringLiteral("Orçamentos"), QStringLiteral("Ordens de serviço"), QStringLiteral("-"), QStringLiteral("Sair")};
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(botoes[i]->isSeparator() ? QStringLiteral("-") : botoes[i]->toolTip(), dicas[i]);
            if (!botoes[i]->isSeparator())
                QVERIFY2(!botoes[i]->icon().isNull(), qPrintable(dicas[i]));
        }
        // wiring a menu item enables the toolbar button that does the same
        int aberto = 0;
        QVERIFY(!botoes[2]->isEnabled());
        p.liga(QStringLiteral("menuCadastrarCliente"), [&] { ++aberto; });
        QVERIFY(botoes[2]->isEnabled());
        QVERIFY(p.item(QStringLiteral("menuCadastrarCliente"))->isEnabled());
        botoes[2]->trigger();
        p.item(QStringLiteral("menuCadastrarCliente"))->trigger();
        QCOMPARE(aberto, 2);
    }

    void menusEBotoesAbremOsFormularios()
    {
        executa(QStringLiteral("insert into cliente (ncidade) values(1);"));
        executa(QStringLiteral("update cliente set cfantasia = 'Ana', cendereco = '' where ncodigo = 2"));
        FrmPrincipal p;
        liga_formularios(p);
        // every registration form was left in edit mode by an earlier caller
        form<FrmCadCliente>().binclusao = false;
        form<FrmCadCidades>().binclusao = false;
        form<FrmCadTecnico>().binclusao = false;
        form<FrmCadEquipamentos>().binclusao = false;
        form<FrmCadCondicaoPagto>().binclusao = false;
        form<FrmConsultaClientes>().bChamadaDoCadastro = false;

        // Triggers an action and gives "name new-record lookup" of the form it
        // opened (the form is left by its close box).
        auto abre = [](QAction* a) {
            QString aberto;
            ao_abrir_modal([&aberto](QDialog& d) {
                aberto = d.objectName();
                if (auto* c = qobject_cast<FrmCadastro*>(&d))
                    aberto += c->binclusao ? QStringLiteral(" novo") : QStringLiteral(" edição");
                if (auto* c = qobject_cast<FrmConsultaClientes*>(&d))
                    aberto += c->bChamadaDoCadastro ? QStringLiteral(" cadastro") : QStringLiteral(" consulta");
                d.close();
            });
            a->trigger();
            if (acoes_modais_pendentes() != 0) {
                limpa_acoes_modais();
                return QStringLiteral("nada abriu");
            }
            return aberto;
        };
        const QList<QPair<QString, QString>> esperados = {
            {QStringLiteral("menuCadEstabelecimento"), QStringLiteral("FrmCadEstabelecimento edição")},
            {QStringLiteral("menuCadastrarCliente"), QStringLiteral("FrmCadCliente novo")},
            {QStringLiteral("menuLocalizarCliente"), QStringLiteral("FrmConsultaClientes cadastro")},
            {QStringLiteral("menuCadastrarCidade"), QStringLiteral("FrmCadCidades novo")},
            {QStringLiteral("menuLocalizarCidade"), QStringLiteral("FrmConsultaCidades")},
            {QStringLiteral("menuCadastrarTecnico"), QStringLiteral("FrmCadTecnico novo")},
            {QStringLiteral("menuLocalizarTecnico"), QStringLiteral("FrmConsultaTecnico")},
            {QStringLiteral("menuIncluir"), QStringLiteral("FrmCadEquipamentos novo")},
            {QStringLiteral("menuLocalizarEquipamento"), QStringLiteral("FrmConsultaEquipamentos")},
            {QStringLiteral("menuCadCondicaoPagto"), QStringLiteral("FrmCadCondicaoPagto novo")},
            {QStringLiteral("menuLocalizarCondicaoPagto"), QStringLiteral("FrmConsultaCondicaoPagto")},
        };
        for (const auto& [item, formulario] : esperados) {
            QAction* a = p.item(item);
            QVERIFY2(a && a->isEnabled(), qPrintable(item));
            QCOMPARE(abre(a), formulario);
        }
        // the toolbar buttons open what their menu items open
        const QList<QAction*> botoes = p.Toolbar1->actions();
        QCOMPARE(abre(botoes[0]), QStringLiteral("FrmCadEstabelecimento edição"));
        QCOMPARE(abre(botoes[2]), QStringLiteral("FrmCadCliente novo"));
        QCOMPARE(abre(botoes[3]), QStringLiteral("FrmCadEquipamentos novo"));
        // and every other enabled item or button opens some form
        QList<QAction*> todas = botoes.mid(0, 8);
        for (QAction* a : p.findChildren<QAction*>())
            if (!a->menu() && !a->isSeparator() && a->parent() != p.Toolbar1)
                todas << a;
        for (QAction* a : todas)
            if (a->isEnabled() && !a->isSeparator())
                QVERIFY2(abre(a) != QStringLiteral("nada abriu"), qPrintable(a->objectName()));
        // nothing left behind by the forms that reserve a row
        QCOMPARE(valor(QStringLiteral("select count(*) from cliente")).toInt(), 2);
        QVERIFY(amb->msgs.mostradas().isEmpty());

        // "Cadastrar" after editing a customer from the search screen opens
        // an empty new customer
        ao_abrir_modal([](QDialog& d) {
            auto& busca = static_cast<FrmConsultaClientes&>(d);
            QCOMPARE(busca.Grid1->textMatrix(1, 1), QStringLiteral("Ana"));
            duplo_clique(busca.Grid1, 1, 1);
            busca.close();
        });
        ao_abrir_modal([](QDialog& d) {
            auto& c = static_cast<FrmCadCliente&>(d);
            QCOMPARE(c.Text1->text(), QStringLiteral("Ana"));
            c.close();
        });
        p.item(QStringLiteral("menuLocalizarCliente"))->trigger();
        QCOMPARE(acoes_modais_pendentes(), 0);
        QVERIFY(!form<FrmCadCliente>().binclusao);
        ao_abrir_modal([](QDialog& d) {
            auto& c = static_cast<FrmCadCliente&>(d);
            QVERIFY(c.binclusao);
            QVERIFY(c.Text1->text().isEmpty());
            QVERIFY(c.Text11->text().toInt() > 2); // a new code, not the one edited
            c.close();
        });
        p.item(QStringLiteral("menuCadastrarCliente"))->trigger();
        QCOMPARE(acoes_modais_pendentes(), 0);
    }

    void sairEncerraOPrograma()
    {
        FrmPrincipal p;
        p.show();
        QTimer::singleShot(0, &p, [&] { p.Toolbar1->actions().at(9)->trigger(); });
        QTimer guarda;
        guarda.setSingleShot(true);
        connect(&guarda, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
        guarda.start(5000);
        QCOMPARE(QCoreApplication::exec(), 0);

        QTimer::singleShot(0, &p, [&] { p.close(); });
        guarda.start(5000);
        QCOMPARE(QCoreApplication::exec(), 0);
    }

    void sinalDeEncerramentoFechaOPrograma_data()
    {
        QTest::addColumn<int>("sinal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }

    void sinalDeEncerramentoFechaOPrograma()
    {
        // the real program, as a shop runs it, ended by a logout or shutdown
        QFETCH(int, sinal);
        conexao.fecha();
        const QString pasta = amb->banco.pasta();
        const QString programa = pasta + QStringLiteral("/controle-os");
        QVERIFY(QFile::copy(QStringLiteral(CONTROLE_OS_EXECUTAVEL), programa));
        QFile::setPermissions(programa, QFileDevice::ExeOwner | QFileDevice::ReadOwner);
        escreve(pasta, path_txt(amb->banco.fonte()));
        QProcess p;
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(programa, {});
        QVERIFY(p.waitForStarted());
        QTest::qWait(2500); // connected and showing its window
        QCOMPARE(p.state(), QProcess::Running);
        ::kill(pid_t(p.processId()), sinal);
        QVERIFY2(p.waitForFinished(15000), "o programa não terminou com o sinal");
        // it shut down in order (no crash) and says which signal ended it
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 128 + sinal);
        if (p.state() != QProcess::NotRunning) p.kill();
    }

    void semDescritorOsSinaisNaoFicamBloqueados()
    {
        // every descriptor taken: signalfd cannot be made
        rlimit antes{};
        QVERIFY(getrlimit(RLIMIT_NOFILE, &antes) == 0);
        int maior = ::dup(0);
        QVERIFY(maior >= 0);
        ::close(maior);
        rlimit limite = antes;
        limite.rlim_cur = rlim_t(maior + 8);
        QVERIFY(setrlimit(RLIMIT_NOFILE, &limite) == 0);
        QList<int> ocupados;
        for (int d; (d = ::dup(0)) >= 0;)
            ocupados << d;
        const bool bloqueou = bloqueia_sinais();
        for (int d : ocupados)
            ::close(d);
        setrlimit(RLIMIT_NOFILE, &antes);
        QVERIFY(!bloqueou);
        sigset_t atual;
        QVERIFY(pthread_sigmask(SIG_BLOCK, nullptr, &atual) == 0);
        QVERIFY(!sigismember(&atual, SIGTERM));
        QVERIFY(!sigismember(&atual, SIGINT));
        QVERIFY(!sigismember(&atual, SIGHUP));
    }

    void barraDeStatusComRelogio()
    {
        Relogio::fixa(QDateTime(QDate(2026, 12, 7), QTime(14, 5, 9)));
        FrmPrincipal p;
        QCOMPARE(p.painel(1)->text(), QStringLiteral("Controle de ordens de serivço"));
        QCOMPARE(p.painel(2)->text(), QStringLiteral("07/12/2026"));
        QCOMPARE(p.painel(3)->text(), QStringLiteral("14:05:09"));
        QCOMPARE(p.painel(4)->text(), QStringLiteral("CAPS"));
        QCOMPARE(p.painel(5)->text(), QStringLiteral("NUM"));
        QCOMPARE(p.painel(6)->text(), QStringLiteral("SCRL"));
        Relogio::solta();
        // the clock ticks by itself
        QTRY_VERIFY_WITH_TIMEOUT(p.painel(3)->text() != QStringLiteral("14:05:09"), 3000);
    }

    void figuraCentralizada()
    {
        FrmPrincipal p;
        p.resize(900, 700);
        p.show();
        QVERIFY(QTest::qWaitForWindowExposed(&p));
        const QRect area = p.centralWidget()->rect();
        QTRY_COMPARE(p.frame1->geometry().center().x() / 4, area.center().x() / 4);
        p.resize(1200, 800);
        QTRY_COMPARE(p.frame1->geometry().center().y() / 4, p.centralWidget()->rect().center().y() / 4);
        QVERIFY(!p.frame1->pixmap().isNull());
    }
};

QTEST_MAIN(TstApp)
#include "tst_app.moc"
