// Start-up from path.txt and the main window, its help menu included.
#include "ajuda.h"
#include "apoio.h"
#include "controlerelatorio.h"
#include "frmcadcliente.h"
#include "frmconsultaclientes.h"
#include "frmmovimento.h"
#include "frmprincipal.h"
#include "dinheiro.h"
#include "painelloja.h"
#include "lojateste.h"
#include "frmoficina.h"
#include "frmcontasreceber.h"
#include "grade.h"
#include "iniciasistema.h"
#include "estabelecimento.h"
#include "sessao.h"
#include "relogio.h"
#include "sinais.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QComboBox>
#include <QChartView>
#include <QScreen>
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

// A leaf of the menu tree: the captions down to it as the user reads them
// ("Cadastros › Clientes › Cadastrar") and their access keys in that order.
struct FolhaDoMenu {
    QAction* acao;
    QString caminho;
    QString teclas;
};

void folhas(const QList<QAction*>& acoes, const QString& caminho, const QString& teclas, QList<FolhaDoMenu>& saida)
{
    for (QAction* a : acoes) {
        if (a->isSeparator())
            continue;
        const qsizetype marca = a->text().indexOf(QLatin1Char('&'));
        const QString tecla = marca < 0 ? QString() : a->text().mid(marca + 1, 1).toLower();
        const QString aqui = (caminho.isEmpty() ? QString() : caminho + QStringLiteral(" › ")) + QString(a->text()).remove(QLatin1Char('&'));
        if (a->menu())
            folhas(a->menu()->actions(), aqui, teclas + tecla, saida);
        else
            saida.append({a, aqui, teclas + tecla});
    }
}

// A menu item chosen by keyboard: Alt and the letter on the menu bar, then
// the letter of each item down the path, each to the menu open then. The
// window is active again first, as the window system leaves it once a
// dialog over it closes.
void pelo_teclado(QWidget& janela, const QString& teclas)
{
    ativa(janela);
    QTest::keyClick(&janela, teclas.at(0).toLatin1(), Qt::AltModifier);
    for (QChar c : teclas.mid(1))
        if (QWidget* menu = QApplication::activePopupWidget())
            QTest::keyClick(menu, c.toLatin1());
    while (QWidget* menu = QApplication::activePopupWidget()) // a letter that chose nothing
        menu->close();
}

// What the user reads of a window just opened: its title, and its heading
// where the title is only the program's name; and how its opener left it:
// a form for a new record, the customer search as the registration's.
QString o_que_abriu(QDialog& d)
{
    QString r = d.windowTitle();
    if (r == QStringLiteral("Controle de ordens de serviço"))
        if (auto* cabecalho = d.findChild<QLabel*>())
            r += QStringLiteral(" › ") + cabecalho->text();
    auto* cadastro = dynamic_cast<FrmCadastro*>(&d);
    auto* movimento = dynamic_cast<FrmMovimento*>(&d);
    auto* clientes = dynamic_cast<FrmConsultaClientes*>(&d);
    if ((cadastro && cadastro->inclusao()) || (movimento && movimento->inclusao()))
        r += QStringLiteral(" (novo)");
    if (clientes && clientes->abertaPeloCadastro)
        r += QStringLiteral(" (cadastro)");
    return r;
}

// Runs a user's gesture and gives what the window it opened reads, or
// "nada abriu", with " (fora da tela)" when it stands out of the screen
// available area; the window is left by its close box.
QString janela_de(const std::function<void()>& gesto)
{
    auto aberta = std::make_shared<QString>(QStringLiteral("nada abriu"));
    ao_abrir_modal([aberta](QDialog& d) {
        *aberta = o_que_abriu(d);
        // no window opens larger than the screen, nor out of it
        if (!d.screen()->availableGeometry().contains(d.frameGeometry()))
            *aberta += QStringLiteral(" (fora da tela)");
        d.close();
    });
    gesto();
    limpa_acoes_modais();
    return *aberta;
}

// Every registration and movement form as a caller leaves it after an edit.
void deixa_em_edicao()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* c = dynamic_cast<FrmCadastro*>(w)) c->define_edicao(1);
        if (auto* m = dynamic_cast<FrmMovimento*>(w)) m->define_edicao(m->codigoEditado());
        if (auto* c = dynamic_cast<FrmConsultaClientes*>(w)) c->abertaPeloCadastro = false;
    }
}

// A running program has its database open: the file among its open files
// (embedded engine), or an attachment of its process on the server.
bool tem_o_banco_aberto(qint64 pid, const QString& caminho)
{
    if (!servidor().isEmpty())
        return valor(QStringLiteral("select count(*) from mon$attachments where mon$remote_pid = ?"), {pid}).toInt() > 0;
    const QString arquivo = QFileInfo(caminho).canonicalFilePath();
    const QFileInfoList abertos = QDir(QStringLiteral("/proc/%1/fd").arg(pid)).entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    return std::any_of(abertos.begin(), abertos.end(), [&](const QFileInfo& f) { return f.symLinkTarget() == arquivo; });
}

} // namespace

// Stands in for the desktop: records the files the program asks it to open.
class Desktop : public QObject {
    Q_OBJECT
public:
    Desktop() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "abre"); }
    ~Desktop() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QStringList abertos;
public slots:
    void abre(const QUrl& url) { abertos << url.toLocalFile(); }
};

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
    void cleanup()
    {
        limpa_acoes_modais(); // a test that failed midway leaves none to the next
        amb.reset();
    }

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
        // no path.txt at all: then where it was looked for (tst_configuracao)
        QCOMPARE(amb->msgs.mostradas().size(), conteudo.isEmpty() ? 3 : 2);
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
        escreve(amb->banco.pasta(), "/tmp/x.fdb=SYSDBA");
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
        // the phone kept as digits, printed as people read it
        executa(QStringLiteral("update estabelecimento set cfantasia = 'Zé Consertos', cendereco = 'Rua XV, 10', cfone = '4133334444', "
                               "cemail = 'ze@consertos.com.br', ncidade = 2 where ncodigo = 1"));
        FrmPrincipal p;
        p.carrega();
        QCOMPARE(Estabelecimento::le(conexao).nome, QStringLiteral("Zé Consertos"));
        QCOMPARE(Estabelecimento::le(conexao).rodape, QStringLiteral("Zé Consertos - Rua XV, 10 - Curitiba-Fone: (41) 3333-4444 - ze@consertos.com.br"));
        QCOMPARE(p.windowTitle(), QStringLiteral("Controle de ordens de serviço versão 1.0.5 - Zé Consertos"));

        // read again at each printout: a change shows without a new start
        executa(QStringLiteral("update estabelecimento set cemail = null, cendereco = '' where ncodigo = 1"));
        QCOMPARE(Estabelecimento::le(conexao).rodape, QStringLiteral("Zé Consertos -  - Curitiba-Fone: (41) 3333-4444 - "));
    }

    // Every menu item, chosen by keyboard, opens its window; every toolbar
    // button, clicked, opens the window of its menu item. Opened again after
    // a caller left it editing, a form still opens for a new record.
    void cadaItemECadaBotaoAbreSuaJanela()
    {
        executa(QStringLiteral("insert into cliente (ncidade) values(1);"));
        executa(QStringLiteral("update cliente set cfantasia = 'Ana', cendereco = '' where ncodigo = 2"));
        const QString movimentos = QStringLiteral("select (select count(*) from cliente) || '/' || (select count(*) from entrada_equipamento) || '/' "
                                                  "|| (select count(*) from orcamento) || '/' || (select count(*) from ordem) from rdb$database");
        const QString antes = valor(movimentos).toString();
        auto p = janela_principal();
        ativa(*p);
        QList<FolhaDoMenu> itens;
        folhas(p->menuBar()->actions(), QString(), QString(), itens);
        const QString periodo = QStringLiteral("Controle de ordens de serviço › Período de:");
        const QStringList esperadas = {
            QStringLiteral("Cadastros › Estabelecimento: Controle de ordens de serviço › Estabelecimento"),
            QStringLiteral("Cadastros › Prazos da oficina: Prazos da oficina"),
            QStringLiteral("Cadastros › Clientes › Cadastrar: Cadastro de clientes (novo)"),
            QStringLiteral("Cadastros › Clientes › Localizar: Localização de clientes (cadastro)"),
            QStringLiteral("Cadastros › Cidades › Cadastrar: Cadastro de cidades (novo)"),
            QStringLiteral("Cadastros › Cidades › Localizar: Localização de cidades"),
            QStringLiteral("Cadastros › Técnicos › Cadastrar: Técnicos (novo)"),
            QStringLiteral("Cadastros › Técnicos › Localizar: Técnicos"),
            QStringLiteral("Cadastros › Equipamentos › Incluir: Cadastro de equipamentos (novo)"),
            QStringLiteral("Cadastros › Equipamentos › Localizar: Localização de equipamentos"),
            QStringLiteral("Cadastros › Condições de pagamento › Incluir: Condições de pagamento (novo)"),
            QStringLiteral("Cadastros › Condições de pagamento › Localizar: Localização de condições de pagto"),
            QStringLiteral("Movimentos › Entrada de equipamentos p/ orçamento › Incluir: Controle de ordens de serviço › Entrada de equipamentos para orçamento (novo)"),
            QStringLiteral("Movimentos › Entrada de equipamentos p/ orçamento › Localizar: Localização de entradas de equipamentos"),
            QStringLiteral("Movimentos › Orçamentos › Incluir: Controle de ordens de serviço › Orçamentos (novo)"),
            QStringLiteral("Movimentos › Orçamentos › Localizar: Localização de orçamentos"),
            QStringLiteral("Movimentos › Ordens de serviço › Incluir: Controle de ordens de serviço › Ordem de serviço (novo)"),
            QStringLiteral("Movimentos › Ordens de serviço › Localizar: Localização de ordens de serviço"),
            QStringLiteral("Movimentos › Oficina: Oficina"),
            QStringLiteral("Financeiros › Contas a receber: Contas a receber"),
            QStringLiteral("Financeiros › Contas recebidas: Contas recebidas"),
            QStringLiteral("Financeiros › Alterações no período: Alterações no período"),
            QStringLiteral("Consultas › Levantamento de serviços por equipamento: Serviços por equipamento"),
            QStringLiteral("Relatórios › Contas a receber: ") + periodo,
            QStringLiteral("Relatórios › Contas recebidas: ") + periodo,
            QStringLiteral("Relatórios › Recebimentos no período: ") + periodo,
            QStringLiteral("Relatórios › Extrato de serviços por técnicos: ") + periodo,
            QStringLiteral("Relatórios › Demonstrativo de faturamento: ") + periodo,
            QStringLiteral("Relatórios › Relação de serviços por cliente: Consulta de clientes"),
            QStringLiteral("Ajuda › Guia do usuário: guia/README.md"),
            QStringLiteral("Ajuda › Sobre o Controle OS: Sobre o Controle OS"),
        };
        // what an item opened: its window, else the title of the message it
        // showed, else the file the desktop was asked to open
        Desktop desktop;
        auto percorre_o_menu = [&] {
            QStringList abertas;
            for (const FolhaDoMenu& f : itens) {
                amb->msgs.limpa();
                desktop.abertos.clear();
                QString aberta = janela_de([&] { pelo_teclado(*p, f.teclas); });
                if (!amb->msgs.mostradas().isEmpty())
                    aberta = amb->msgs.mostradas().last().titulo;
                else if (desktop.abertos.size() == 1 && QFile::exists(desktop.abertos[0]))
                    aberta = desktop.abertos[0].section(QLatin1Char('/'), -2);
                abertas << f.caminho + QStringLiteral(": ") + aberta;
            }
            amb->msgs.limpa();
            return abertas;
        };
        QCOMPARE(percorre_o_menu(), esperadas);
        deixa_em_edicao();
        QCOMPARE(percorre_o_menu(), esperadas);

        deixa_em_edicao();
        QStringList botoes;
        for (QAction* a : p->barraFerramentas->actions()) {
            if (a->isSeparator() || a->toolTip() == QLatin1String("Sair"))
                continue;
            QVERIFY2(!a->icon().isNull(), qPrintable(a->toolTip()));
            botoes << a->toolTip() + QStringLiteral(": ") + janela_de([&] { clica(p->barraFerramentas->widgetForAction(a)); });
        }
        QCOMPARE(botoes, (QStringList{QStringLiteral("Cadastro do estabelecimento: Controle de ordens de serviço › Estabelecimento"),
                                      QStringLiteral("Cadastro de clientes: Cadastro de clientes (novo)"),
                                      QStringLiteral("Cadastro de equipamentos: Cadastro de equipamentos (novo)"),
                                      QStringLiteral("Entrada de equipamentos: Controle de ordens de serviço › Entrada de equipamentos para orçamento (novo)"),
                                      QStringLiteral("Orçamentos: Controle de ordens de serviço › Orçamentos (novo)"),
                                      QStringLiteral("Ordens de serviço: Controle de ordens de serviço › Ordem de serviço (novo)"),
                                      QStringLiteral("Oficina: Oficina")}));
        // the menus have no shortcut keys
        for (QAction* a : p->findChildren<QAction*>())
            QVERIFY2(a->shortcut().isEmpty(), qPrintable(a->objectName()));
        // nothing left behind by the forms that reserve a row
        QCOMPARE(valor(movimentos).toString(), antes);
        QVERIFY(amb->msgs.mostradas().isEmpty());

        // "Cadastrar" after editing a customer from the search screen opens
        // an empty new customer
        auto teclas = [&](const char* item) {
            auto f = std::find_if(itens.begin(), itens.end(), [&](const FolhaDoMenu& x) { return x.acao == p->item(QString::fromLatin1(item)); });
            return f == itens.end() ? QString() : f->teclas;
        };
        ao_abrir_modal([](QDialog& d) {
            auto& busca = static_cast<FrmConsultaClientes&>(d);
            QCOMPARE(busca.gradeLista->texto(0, 1), QStringLiteral("Ana"));
            duplo_clique(busca.gradeLista, 0, 1);
            busca.close();
        });
        ao_abrir_modal([](QDialog& d) {
            auto& c = static_cast<FrmCadCliente&>(d);
            QCOMPARE(c.caixaNome->text(), QStringLiteral("Ana"));
            c.close();
        });
        pelo_teclado(*p, teclas("menuLocalizarCliente"));
        QCOMPARE(acoes_modais_pendentes(), 0);
        QVERIFY(!form<FrmCadCliente>().inclusao());
        ao_abrir_modal([](QDialog& d) {
            auto& c = static_cast<FrmCadCliente&>(d);
            QVERIFY(c.inclusao());
            QVERIFY(c.caixaNome->text().isEmpty());
            QVERIFY(c.caixaCodigo->text().toInt() > 2); // a new code, not the one edited
            c.close();
        });
        pelo_teclado(*p, teclas("menuCadastrarCliente"));
        QCOMPARE(acoes_modais_pendentes(), 0);
    }

    // "Sobre o Controle OS" says what this program and its database are;
    // a guide that is nowhere is said to be so.
    void sobreEGuia()
    {
        abre_como_dono(amb->banco.fonte()); // the backup command records copies as the owner
        executa(QStringLiteral("insert into copia_seguranca (dmomento, nconferida, carquivo) values ('2026-12-06 23:30:00', 1, '/copias/a.fbk')"));
        executa(QStringLiteral("insert into copia_seguranca (dmomento, nconferida, carquivo) values ('2026-12-07 23:31:00', 1, '/copias/b.fbk')"));
        executa(QStringLiteral("insert into copia_seguranca (dmomento, nconferida, cmensagem) values ('2026-12-08 23:30:00', 0, 'o disco encheu')"));
        abre_como_programa(amb->banco.fonte());
        auto p = janela_principal();
        pelo_teclado(*p, QStringLiteral("as"));
        QCOMPARE(amb->msgs.mostradas().size(), 1);
        QCOMPARE(amb->msgs.mostradas()[0].titulo, QStringLiteral("Sobre o Controle OS"));
        const QString banco = servidor().isEmpty()
                                  ? QStringLiteral("Banco de dados: %1\nModo: embutido (um computador só)").arg(amb->banco.caminho())
                                  : QStringLiteral("Banco de dados: %1 no servidor %2\nModo: servidor Firebird (várias estações)").arg(amb->banco.caminho(), servidor());
        QCOMPARE(amb->msgs.ultimo(), QStringLiteral("Controle OS versão 1.0.5\nControle de ordens de serviço de uma assistência técnica\n\n%1\n"
                                                    "Usuário do banco: %2\nVersão do esquema do banco: %3\n"
                                                    "Última cópia de segurança conferida: 07/12/2026 23:31\n    /copias/b.fbk\n"
                                                    "A cópia de 08/12/2026 23:30 falhou: o disco encheu")
                                         .arg(banco, programa().usuario)
                                         .arg(valor(QStringLiteral("select max(nversao) from versao_esquema")).toInt()));

        amb->msgs.limpa();
        Desktop desktop;
        const QString nenhum = amb->banco.pasta() + QStringLiteral("/sem-guia");
        QCOMPARE(abre_guia({nenhum}), QString());
        QVERIFY(desktop.abertos.isEmpty());
        QCOMPARE(amb->msgs.textos(), QStringList{QStringLiteral("O guia do usuário não foi encontrado. Ele é instalado com o programa em "
                                                                "/usr/share/doc/controle-os/guia (pacote controle-os); procurado em:\n") + nenhum});
        // the first folder that has it
        grava_arquivo(nenhum + QStringLiteral("2/README.md"), "# Guia");
        QCOMPARE(abre_guia({nenhum, nenhum + QStringLiteral("2")}), nenhum + QStringLiteral("2/README.md"));
        QCOMPARE(desktop.abertos, QStringList{nenhum + QStringLiteral("2/README.md")});
    }

    // The shop at a glance in the middle of the main window: its figures,
    // the stage and the instalments opening their lists, and the figures
    // read again when a list closes.
    void painelDaLoja()
    {
        cria_loja_exemplo();
        Relogio::fixa(QDateTime(QDate(2027, 2, 10), QTime(9, 0)));
        auto p = janela_principal();
        ativa(*p);
        PainelLoja* painel = p->painelLoja;
        QVERIFY(painel);
        QCOMPARE(p->centralWidget(), painel);
        QCOMPARE(painel->botaoEtapa(Etapa::AguardandoOrcamento)->text(), QStringLiteral("Aguardando orçamento: 0")); // entry 57 is answered by order 1;
        QCOMPARE(painel->botaoEtapa(Etapa::ProntoParaRetirada)->text(), QStringLiteral("Pronto para retirada: 2"));
        QCOMPARE(painel->botaoEtapa(Etapa::EmServico)->accessibleName(), QStringLiteral("Em serviço: 0"));
        QCOMPARE(painel->botaoVencemHoje->text(), QStringLiteral("Vencem hoje: 1 (%1)").arg(reais(QStringLiteral("150,25"))));
        QCOMPARE(painel->botaoVencidas->text(), QStringLiteral("Vencidas: 0 (%1)").arg(reais(QStringLiteral("0,00"))));
        QCOMPARE(painel->rotuloRecebidoMes->text(), QStringLiteral("Recebido neste mês: ") + reais(QStringLiteral("0,00")));
        const ResumoLoja& r = painel->resumo();
        QCOMPARE(r.meses.size(), 12);
        QCOMPARE(r.meses.at(9).inicio, QDate(2026, 12, 1));
        QCOMPARE(r.meses.at(9).recebido, Dinheiro::deCentavos(15025));
        QCOMPARE(r.meses.at(9).faturado, Dinheiro::deCentavos(30050));
        QVERIFY(painel->graficoMeses->accessibleDescription().contains(QStringLiteral("dez/26: recebido %1, faturado %2").arg(reais(QStringLiteral("150,25")), reais(QStringLiteral("300,50")))));

        // due today: "Contas a receber" listing today's
        no_dialogo<FrmContasReceber>([](FrmContasReceber& f) {
            QCOMPARE(f.escolhaFiltro->currentIndex(), int(FiltroContas::PorPeriodo));
            QTRY_COMPARE(f.caixaQuantidade->text(), QStringLiteral("1"));
            clica(f.botaoSair);
        });
        clica(painel->botaoVencemHoje);
        QCOMPARE(acoes_modais_pendentes(), 0);
        // a stage: "Oficina" on it; an order delivered meanwhile shows on return
        no_dialogo<FrmOficina>([](FrmOficina& f) {
            QCOMPARE(f.caixaEtapa->currentText(), QStringLiteral("Pronto para retirada"));
            int jobs = 0;
            for (int i = 0; i < f.gradeLista->linhas(); ++i)
                jobs += f.gradeLista->codigo(i).isValid() ? 1 : 0;
            QCOMPARE(jobs, 2);
            entrega_ordem(conexao, Entrega{2, QDateTime(QDate(2027, 2, 10), QTime(9, 30)), QStringLiteral("Bruno Lima"), {}, {}});
            clica(f.botaoSair);
        });
        clica(painel->botaoEtapa(Etapa::ProntoParaRetirada));
        QCOMPARE(acoes_modais_pendentes(), 0);
        QCOMPARE(conta(QStringLiteral("select count(*) from entrega where nordem = 2")), 1);
        QTRY_COMPARE(painel->botaoEtapa(Etapa::ProntoParaRetirada)->text(), QStringLiteral("Pronto para retirada: 1"));
        Relogio::solta();
    }

    void sairEncerraOPrograma()
    {
        FrmPrincipal p;
        p.show();
        QTimer::singleShot(0, &p, [&] { clica(p.barraFerramentas->widgetForAction(p.barraFerramentas->findChild<QAction*>(QStringLiteral("botaoSair")))); });
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
        if (!servidor().isEmpty())
            abre_como_dono(amb->banco.fonte()); // to see the program's attachment
        QTRY_VERIFY_WITH_TIMEOUT(tem_o_banco_aberto(p.processId(), amb->banco.caminho()), 30000);
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

};

QTEST_MAIN(TstApp)
#include "tst_app.moc"
