#include "frmlistacontas.h"
#include "caixacodigo.h"
#include "campos.h"
#include "filtroteclas.h"
#include "formularios.h"
#include "frmmostrabaixacontapaga.h"
#include "grade.h"
#include "mensagens.h"
#include "errosbanco.h"
#include "sessao.h"
#include "relogio.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

FrmListaContas::FrmListaContas(const QString& nome, const QString& titulo, QList<ColunaGrade> colunas, int linhasMinimas,
                               const QString& soma, const QString& visao, const QString& ordem)
    : JanelaLista(nome, titulo, std::move(colunas), linhasMinimas), m_soma(soma), m_visao(visao), m_ordem(ordem)
{
    auto* v = new QVBoxLayout(this);
    Label14 = faixa_titulo(titulo, QStringLiteral("Label14"), this);
    v->addWidget(Label14);

    auto* g = new QGridLayout;
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->addItems({QStringLiteral("Todas"), QStringLiteral("Por período"), QStringLiteral("Por cliente"),
                      QStringLiteral("Por cliente e período")});
    g->addWidget(novo_rotulo(QStringLiteral("Mostrar"), Combo1, this), 0, 0);
    g->addWidget(Combo1, 0, 1);
    DTPicker1 = novo_seletor_data(this, QStringLiteral("DTPicker1"));
    DTPicker2 = novo_seletor_data(this, QStringLiteral("DTPicker2"));
    auto* periodo = new QHBoxLayout;
    periodo->addWidget(novo_rotulo(QStringLiteral("Período"), DTPicker1, this));
    periodo->addWidget(DTPicker1);
    periodo->addWidget(novo_rotulo(QStringLiteral("a"), DTPicker2, this));
    periodo->addWidget(DTPicker2);
    periodo->addStretch();
    g->addLayout(periodo, 0, 2);

    Text10 = nova_caixa(this, QStringLiteral("Text10"), 9);
    Text10->setMaximumWidth(90);
    g->addWidget(novo_rotulo(QStringLiteral("Cliente"), Text10, this), 1, 0);
    auto* cliente = new QHBoxLayout;
    cliente->addWidget(Text10);
    Command5 = novo_botao(QStringLiteral("..."), QStringLiteral("Command5"), this);
    Command5->setAccessibleName(QStringLiteral("Consultar clientes"));
    Command5->setMaximumWidth(40);
    cliente->addWidget(Command5);
    Text15 = nova_caixa(this, QStringLiteral("Text15"));
    Text15->setAccessibleName(QStringLiteral("Nome do cliente"));
    Text15->setReadOnly(true);
    Text15->setFocusPolicy(Qt::NoFocus);
    cliente->addWidget(Text15, 1);
    g->addLayout(cliente, 1, 1, 1, 2);
    Command1 = novo_botao(QStringLiteral("Mostrar"), QStringLiteral("Command1"), this);
    g->addWidget(Command1, 1, 3);
    g->setColumnStretch(2, 1);
    v->addLayout(g);

    Grid1->setMinimumHeight(330);
    v->addWidget(Grid1, 1);

    // the count and the total on a line of their own, right under the list:
    // a total as wide as the largest amount keeps the window within a
    // 800-pixel screen
    auto* totais = new QHBoxLayout;
    totais->addStretch();
    auto* rodape = new QHBoxLayout;
    m_botoes = new QHBoxLayout;
    rodape->addLayout(m_botoes);
    rodape->addStretch();
    Text2 = nova_caixa(this, QStringLiteral("Text2"));
    Text1 = nova_caixa(this, QStringLiteral("Text1"));
    for (QLineEdit* e : {Text2, Text1}) {
        e->setReadOnly(true);
        e->setAlignment(Qt::AlignRight);
    }
    Text2->setMaximumWidth(60);
    Text1->setMaximumWidth(130);
    destaca_valor(Text1);
    totais->addWidget(novo_rotulo(QStringLiteral("Qtde. doctos:"), Text2, this));
    totais->addWidget(Text2);
    totais->addWidget(novo_rotulo(QStringLiteral("Total:"), Text1, this));
    totais->addWidget(Text1);
    v->addLayout(totais);
    CmdExportar = novo_botao(QStringLiteral("E&xportar"), QStringLiteral("CmdExportar"), this);
    rodape->addWidget(CmdExportar);
    Command4 = novo_botao(QStringLiteral("&Sair"), QStringLiteral("Command4"), this);
    rodape->addWidget(Command4);
    v->addLayout(rodape);

    m_teclas = new FiltroTeclas(this);
    m_teclas->botaoF5(Command1);
    m_cliente = new CaixaCodigo(
        Text10, Text15, Command5, m_teclas,
        [](qint32 c) { return QStringLiteral("select cfantasia from cliente where ncodigo = %1 and ncodigo>0").arg(c); },
        [this] { return escolhe_cliente_da_lista(); }, {});
    m_cliente->semValidarAoIrPara(Command4);

    connect(Combo1, &QComboBox::activated, this, &FrmListaContas::filtro_mudou);
    connect(Combo1, &QComboBox::currentIndexChanged, this, &FrmListaContas::habilita_filtros);
    connect(Text10, &QLineEdit::textChanged, this, &FrmListaContas::formata_grade);
    // closing a picker's calendar empties the list; typing a date does not
    for (QDateEdit* d : {DTPicker1, DTPicker2})
        d->calendarWidget()->window()->installEventFilter(this);
    connect(Command1, &QPushButton::clicked, this, &FrmListaContas::Command1_Click);
    connect(Command4, &QPushButton::clicked, this, &QDialog::reject);
    connect(CmdExportar, &QPushButton::clicked, this, &JanelaLista::exporta);
}

void FrmListaContas::mostra_baixas(const QString& tipoConta)
{
    const qint32 conta = conta_atual();
    if (conta == 0)
        return;
    FrmMostraBaixaContaPaga& f = form<FrmMostraBaixaContaPaga>();
    f.ctipo_conta = tipoConta;
    f.nCodigoConta = conta;
    // the open value in this list rises again when a write-off is deleted
    f.aoExcluir = [this] { mostra_dados(); };
    abre_modal(f);
    f.aoExcluir = nullptr;
}

QPushButton* FrmListaContas::botao_de_linha(const QString& caption, const QString& nome)
{
    QPushButton* b = novo_botao(caption, nome, this);
    m_botoes->addWidget(b);
    JanelaLista::botao_de_linha(b);
    return b;
}

void FrmListaContas::ao_abrir()
{
    m_teclas->instala();
    formata_grade();
    DTPicker1->setDate(Relogio::hoje());
    DTPicker2->setDate(Relogio::hoje());
    Combo1->setCurrentIndex(PorPeriodo);
    habilita_filtros();
    filtro_mudou();
    Combo1->setFocus();
}

void FrmListaContas::formata_grade()
{
    limpa_lista();
    Text1->setText(Dinheiro().moeda());
    Text2->setText(QStringLiteral("0"));
}

// A view that ignores the period or the customer leaves their boxes
// disabled, so nothing typed there seems to count.
void FrmListaContas::habilita_filtros()
{
    const int filtro = Combo1->currentIndex();
    const bool porCliente = filtro == PorCliente || filtro == PorClienteEPeriodo;
    const bool porPeriodo = filtro == PorPeriodo || filtro == PorClienteEPeriodo;
    for (QWidget* w : std::initializer_list<QWidget*>{DTPicker1, DTPicker2})
        w->setEnabled(porPeriodo);
    for (QWidget* w : std::initializer_list<QWidget*>{Text10, Command5})
        w->setEnabled(porCliente);
}

void FrmListaContas::filtro_mudou()
{
    formata_grade();
    Text10->clear();
    Text15->clear();
}

ConsultaLista FrmListaContas::consulta(int filtro, const QDate& de, const QDate& ate, qint64 cliente) const
{
    ConsultaLista c{QStringLiteral("select * from ") + m_visao, {}, m_ordem, {}, QStringLiteral("codigo_conta")};
    const QString doCliente = QStringLiteral("codigo_cliente = ") + QString::number(cliente);
    switch (filtro) {
    case PorPeriodo: c.condicoes << periodo(de, ate); break;
    case PorCliente: c.condicoes << doCliente; break;
    case PorClienteEPeriodo: c.condicoes << periodo(de, ate) << doCliente; break;
    default:
        if (const QString proprio = filtro_proprio(filtro); !proprio.isEmpty())
            c.condicoes << proprio;
        break;
    }
    return c;
}

void FrmListaContas::mostra_dados()
{
    const int filtro = Combo1->currentIndex();
    if ((filtro == PorCliente || filtro == PorClienteEPeriodo) && Text10->text().isEmpty() && Text15->text().isEmpty()) {
        informa(QStringLiteral("Informe o cliente!"));
        return;
    }
    const ConsultaLista c = consulta(filtro, DTPicker1->date(), DTPicker2->date(), valor_numerico(Text10->text()));
    if (!enche_lista(c, true))
        return;
    // the count and the total are of the whole list, read or not
    try {
        Recordset rs(conexao);
        rs.abre(QStringLiteral("select count(*) as qtde, sum(") + m_soma + QStringLiteral(") as total from ") + m_visao + c.filtro());
        Text2->setText(rs.texto(QStringLiteral("qtde")));
        Text1->setText(rs.dinheiro(QStringLiteral("total")).moeda());
    } catch (const ErroBanco& e) {
        Text2->clear();
        Text1->clear();
        trata_erro_banco(e);
    }
}

void FrmListaContas::Command1_Click()
{
    CaixaCodigo::atualiza(this);
    mostra_dados();
    apos_mostrar();
}

qint32 FrmListaContas::conta_atual() const { return codigo_atual().toInt(); }

void FrmListaContas::Text10_Validate() { m_cliente->valida(); }

void FrmListaContas::Command5_Click() { m_cliente->consulta(); }

bool FrmListaContas::eventFilter(QObject* alvo, QEvent* e)
{
    if (e->type() == QEvent::Hide && (alvo == DTPicker1->calendarWidget()->window() || alvo == DTPicker2->calendarWidget()->window()))
        formata_grade();
    return QDialog::eventFilter(alvo, e);
}
