#include "frmprincipal.h"
#include "estabelecimento.h"
#include "controlerelatorio.h"
#include "copiaseguranca.h"
#include "mascaras.h"
#include "sessao.h"
#include "motorrelatorio.h"
#include "relogio.h"
#include "teclado.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <stdexcept>

namespace {

// One row of the menu tree: parent name ("" for the bar), name, caption.
// A caption "-" is a separator. The "&" marks the access key (Alt and the
// letter on the bar, the letter alone in an open menu), one per menu; the
// menus have no shortcut keys.
struct ItemMenu {
    const char* pai;
    const char* nome;
    const char* caption;
};

const ItemMenu MENUS[] = {
    {"", "menuCadastros", "&Cadastros"},
    {"menuCadastros", "menuCadastrarEstabelecimento", "&Estabelecimento"},
    {"menuCadastros", "menuPrazosOficina", "&Prazos da oficina"},
    {"menuCadastros", "menuClientes", "C&lientes"},
    {"menuClientes", "menuCadastrarCliente", "&Cadastrar"},
    {"menuClientes", "separadorClientes", "-"},
    {"menuClientes", "menuLocalizarCliente", "&Localizar"},
    {"menuCadastros", "menuCidades", "C&idades"},
    {"menuCidades", "menuCadastrarCidade", "&Cadastrar"},
    {"menuCidades", "separadorCidades", "-"},
    {"menuCidades", "menuLocalizarCidade", "&Localizar"},
    {"menuCadastros", "menuTecnicos", "&Técnicos"},
    {"menuTecnicos", "menuCadastrarTecnico", "&Cadastrar"},
    {"menuTecnicos", "separadorTecnicos", "-"},
    {"menuTecnicos", "menuLocalizarTecnico", "&Localizar"},
    {"menuCadastros", "menuEquipamento", "E&quipamentos"},
    {"menuEquipamento", "menuIncluirEquipamento", "&Incluir"},
    {"menuEquipamento", "separadorEquipamentos", "-"},
    {"menuEquipamento", "menuLocalizarEquipamento", "&Localizar"},
    {"menuCadastros", "menuCondicaoPagto", "C&ondições de pagamento"},
    {"menuCondicaoPagto", "menuIncluirCondicaoPagto", "&Incluir"},
    {"menuCondicaoPagto", "separadorCondicoesPagto", "-"},
    {"menuCondicaoPagto", "menuLocalizarCondicaoPagto", "&Localizar"},
    {"", "menuMovimentos", "&Movimentos"},
    {"menuMovimentos", "menuEntradaEquipamento", "&Entrada de equipamentos p/ orçamento"},
    {"menuEntradaEquipamento", "menuIncluirEntrada", "&Incluir"},
    {"menuEntradaEquipamento", "separadorEntradas", "-"},
    {"menuEntradaEquipamento", "menuLocalizarEntrada", "&Localizar"},
    {"menuMovimentos", "menuOrcamentos", "&Orçamentos"},
    {"menuOrcamentos", "menuIncluirOrcamento", "&Incluir"},
    {"menuOrcamentos", "separadorOrcamentos", "-"},
    {"menuOrcamentos", "menuLocalizarOrcamento", "&Localizar"},
    {"menuMovimentos", "menuOrdensServico", "O&rdens de serviço"},
    {"menuOrdensServico", "menuIncluirOrdem", "&Incluir"},
    {"menuOrdensServico", "separadorOrdens", "-"},
    {"menuOrdensServico", "menuLocalizarOrdem", "&Localizar"},
    {"menuMovimentos", "separadorOficina", "-"},
    {"menuMovimentos", "menuOficina", "Of&icina"},
    {"", "menuFinanceiros", "&Financeiros"},
    {"menuFinanceiros", "menuContasReceber", "&Contas a receber"},
    {"menuFinanceiros", "menuContasRecebidas", "Contas &recebidas"},
    {"menuFinanceiros", "menuAlteracoesFinanceiras", "&Alterações no período"},
    {"", "menuConsultas", "C&onsultas"},
    {"menuConsultas", "menuServicoEquipamento", "&Levantamento de serviços por equipamento"},
    {"", "menuRelatorios", "&Relatórios"},
    {"menuRelatorios", "menuRelContasReceber", "&Contas a receber"},
    {"menuRelatorios", "menuRelContasRecebidas", "Contas &recebidas"},
    {"menuRelatorios", "menuRelRecebimentos", "Recebimentos no &período"},
    {"menuRelatorios", "separadorExtrato", "-"},
    {"menuRelatorios", "menuRelExtratoTecnico", "&Extrato de serviços por técnicos"},
    {"menuRelatorios", "separadorFaturamento", "-"},
    {"menuRelatorios", "menuRelFaturamento", "&Demonstrativo de faturamento"},
    {"menuRelatorios", "menuRelServicosCliente", "Relação de &serviços por cliente"},
    {"", "menuAjuda", "&Ajuda"},
    {"menuAjuda", "menuGuia", "&Guia do usuário"},
    {"menuAjuda", "menuSobre", "&Sobre o Controle OS"},
};

// The toolbar, in the order it shows them: a button's name, its hint, the
// menu item whose action it shares and its icon; a hint "-" is a separator,
// and "Sair" ends the program.
struct BotaoBarra {
    const char* nome;
    const char* dica;
    const char* item;
    QStyle::StandardPixmap icone;
};

const BotaoBarra BOTOES[] = {
    {"botaoEstabelecimento", "Cadastro do estabelecimento", "menuCadastrarEstabelecimento", QStyle::SP_ComputerIcon},
    {"separadorCadastros", "-", nullptr, {}},
    {"botaoClientes", "Cadastro de clientes", "menuCadastrarCliente", QStyle::SP_FileDialogContentsView},
    {"botaoEquipamentos", "Cadastro de equipamentos", "menuIncluirEquipamento", QStyle::SP_DriveHDIcon},
    {"separadorMovimentos", "-", nullptr, {}},
    {"botaoEntradas", "Entrada de equipamentos", "menuIncluirEntrada", QStyle::SP_ArrowDown},
    {"botaoOrcamentos", "Orçamentos", "menuIncluirOrcamento", QStyle::SP_FileDialogDetailedView},
    {"botaoOrdens", "Ordens de serviço", "menuIncluirOrdem", QStyle::SP_FileIcon},
    {"botaoOficina", "Oficina", "menuOficina", QStyle::SP_FileDialogListView},
    {"separadorSair", "-", nullptr, {}},
    {"botaoSair", "Sair", nullptr, QStyle::SP_DialogCloseButton},
};

} // namespace

FrmPrincipal::FrmPrincipal(QWidget* pai) : QMainWindow(pai)
{
    Q_INIT_RESOURCE(app);
    setObjectName(QStringLiteral("FrmPrincipal"));
    setWindowTitle(CAPTION);
    setWindowIcon(QIcon(QStringLiteral(":/imagens/frame1.jpg")));
    resize(1000, 680);

    montaMenus();
    montaBarra();
    montaStatus();

    crControle = new ControleRelatorio(this);
    crControle->setObjectName(QStringLiteral("cr"));
    define_cr(crControle);
    instala_motor_relatorio();
}

FrmPrincipal::~FrmPrincipal()
{
    define_cr(nullptr);
}

void FrmPrincipal::montaMenus()
{
    QHash<QString, QMenu*> menus;
    for (const ItemMenu& m : MENUS) {
        const QString nome = QString::fromUtf8(m.nome);
        const QString caption = QString::fromUtf8(m.caption);
        const QString pai = QString::fromUtf8(m.pai);
        const bool temFilhos = std::any_of(std::begin(MENUS), std::end(MENUS),
                                           [&](const ItemMenu& f) { return nome == QString::fromUtf8(f.pai); });
        if (pai.isEmpty() || temFilhos) {
            QMenu* menu = pai.isEmpty() ? menuBar()->addMenu(caption) : menus.value(pai)->addMenu(caption);
            menu->setObjectName(nome);
            menu->menuAction()->setObjectName(nome);
            menus.insert(nome, menu);
            m_itens.insert(nome, menu->menuAction());
            continue;
        }
        QAction* a = caption == QLatin1String("-") ? menus.value(pai)->addSeparator()
                                                   : menus.value(pai)->addAction(caption);
        a->setObjectName(nome);
        if (!a->isSeparator())
            a->setEnabled(false); // until its form is wired by liga()
        m_itens.insert(nome, a);
    }
}

void FrmPrincipal::montaBarra()
{
    barraFerramentas = addToolBar(QStringLiteral("Barra de ferramentas"));
    barraFerramentas->setObjectName(QStringLiteral("barraFerramentas"));
    barraFerramentas->setMovable(false);
    barraFerramentas->setIconSize(QSize(32, 32));
    barraFerramentas->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const BotaoBarra& b : BOTOES) {
        const QString dica = QString::fromUtf8(b.dica);
        if (dica == QLatin1String("-")) {
            barraFerramentas->addSeparator()->setObjectName(QString::fromLatin1(b.nome));
            continue;
        }
        QAction* a = barraFerramentas->addAction(style()->standardIcon(b.icone), dica);
        a->setObjectName(QString::fromLatin1(b.nome));
        a->setToolTip(dica);
        if (!b.item) {
            connect(a, &QAction::triggered, this, [] { QApplication::exit(0); });
            continue;
        }
        a->setEnabled(false); // until its menu item is wired by liga()
        m_botoes[QString::fromUtf8(b.item)].append(a);
    }
}

void FrmPrincipal::montaStatus()
{
    auto* barra = statusBar();
    barra->setObjectName(QStringLiteral("barraStatus"));
    barra->setSizeGripEnabled(true);
    // the panels as the user counts them, left to right
    static const char* const PAINEIS[] = {"painelMensagem", "painelData", "painelHora", "painelCaps", "painelNum", "painelScroll", "painelCopias"};
    for (int i = 1; i <= 7; ++i) {
        auto* l = new QLabel(barra);
        l->setObjectName(QString::fromLatin1(PAINEIS[i - 1]));
        l->setFrameShape(QFrame::StyledPanel);
        l->setFrameShadow(QFrame::Sunken);
        l->setContentsMargins(6, 0, 6, 0);
        l->setAlignment(Qt::AlignCenter);
        if (i == 1) barra->addWidget(l, 1);
        else barra->addPermanentWidget(l);
        m_paineis.append(l);
    }
    m_paineis[0]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_paineis[0]->setText(QStringLiteral("Controle de ordens de serivço"));
    m_paineis[3]->setText(QStringLiteral("CAPS"));
    m_paineis[4]->setText(QStringLiteral("NUM"));
    m_paineis[5]->setText(QStringLiteral("SCRL"));
    m_paineis[6]->setAccessibleName(QStringLiteral("Cópia de segurança"));
    atualizaStatus();
    m_relogio = new QTimer(this);
    m_relogio->setObjectName(QStringLiteral("relogio"));
    connect(m_relogio, &QTimer::timeout, this, &FrmPrincipal::atualizaStatus);
    m_relogio->start(1000);
    // A lock key changes the panels at once, not at the next tick.
    qApp->installEventFilter(new MonitorTeclasTrava(this, [this] { atualizaStatus(); }));
}

QLabel* FrmPrincipal::painel(int n) const { return m_paineis.value(n - 1); }

void FrmPrincipal::atualizaStatus()
{
    const QDateTime agora = Relogio::momento();
    m_paineis[1]->setText(agora.date().toString(QStringLiteral("dd/MM/yyyy")));
    m_paineis[2]->setText(agora.time().toString(QStringLiteral("HH:mm:ss")));
    const EstadoTravas t = estado_travas();
    m_paineis[3]->setEnabled(t.caps);
    m_paineis[4]->setEnabled(t.num);
    m_paineis[5]->setEnabled(t.scroll);
    if (m_leituraCopias.isValid()
        && (m_leituraCopias.date() != agora.date() || m_leituraCopias.secsTo(agora) >= 3600 || agora < m_leituraCopias))
        atualizaCopias();
}

void FrmPrincipal::atualizaCopias()
{
    // never inside a unit of work a modal window of it left open
    if (!conexao.aberta() || conexao.emTransacao())
        return;
    QLabel* p = m_paineis[6];
    m_leituraCopias = Relogio::momento();
    try {
        const AvisoCopias a = aviso_copias(le_situacao_copias(conexao), m_leituraCopias.date());
        p->setText(a.texto);
        p->setToolTip(a.dica);
        p->setStyleSheet(a.alerta ? QStringLiteral("color: #b00000; font-weight: bold;") : QString());
    } catch (const ErroBanco&) {
        p->setText(QStringLiteral("Cópia de segurança: situação desconhecida"));
        p->setToolTip(QString());
        p->setStyleSheet(QString());
    }
    p->setAccessibleDescription(p->text());
}

void FrmPrincipal::carrega()
{
    // the printouts read the shop again at each run; the caption names it once
    setWindowTitle(windowTitle() + QStringLiteral(" - ") + Estabelecimento::le(conexao).nome);
    atualizaCopias();
}

QAction* FrmPrincipal::item(const QString& nome) const { return m_itens.value(nome); }

void FrmPrincipal::liga(const QString& nome, std::function<void()> acao)
{
    QAction* a = m_itens.value(nome);
    if (!a) return;
    // the forms open modally: when the action returns, its form has closed
    // and what it changed shows in the shop's figures
    const auto acaoEAtualiza = [this, acao = std::move(acao)] {
        acao();
        if (painelLoja)
            painelLoja->atualiza();
    };
    connect(a, &QAction::triggered, this, acaoEAtualiza);
    a->setEnabled(true);
    for (QAction* b : m_botoes.value(nome)) {
        connect(b, &QAction::triggered, this, acaoEAtualiza);
        b->setEnabled(true);
    }
}

void FrmPrincipal::mostraPainel(PainelLoja::Acoes acoes)
{
    auto* painel = new PainelLoja(std::move(acoes), this);
    setCentralWidget(painel); // the former one, if any, goes with it
    painelLoja = painel;
    painelLoja->atualiza();
}

void FrmPrincipal::closeEvent(QCloseEvent* e)
{
    e->accept();
    QApplication::exit(0);
}
