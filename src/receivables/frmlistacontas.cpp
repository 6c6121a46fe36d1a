#include "frmlistacontas.h"
#include "caixacodigo.h"
#include "campos.h"
#include "filtroteclas.h"
#include "formularios.h"
#include "frmmostrabaixacontapaga.h"
#include "grade.h"
#include "mensagens.h"
#include "modulo1.h"
#include "planilha.h"
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

FrmListaContas::FrmListaContas(const QString& nome, const QString& titulo, QList<ColunaConta> colunas, int linhasMinimas,
                               int colunaTotal, const QString& visao, const QString& ordem)
    : m_colunas(std::move(colunas)), m_linhasMinimas(linhasMinimas), m_colunaTotal(colunaTotal), m_visao(visao), m_ordem(ordem)
{
    setObjectName(nome);
    setWindowTitle(titulo);
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

    Grid1 = new Grade(this);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    Grid1->setAccessibleName(titulo);
    Grid1->setCols(int(m_colunas.size()));
    int largura = 40;
    for (const ColunaConta& c : m_colunas)
        largura += c.largura / 15;
    Grid1->setMinimumSize(largura, 330);
    v->addWidget(Grid1, 1);

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
    rodape->addWidget(novo_rotulo(QStringLiteral("Qtde. doctos:"), Text2, this));
    rodape->addWidget(Text2);
    rodape->addWidget(novo_rotulo(QStringLiteral("Total:"), Text1, this));
    rodape->addWidget(Text1);
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
    connect(Text10, &QLineEdit::textChanged, this, &FrmListaContas::formata_grade);
    // closing a picker's calendar empties the list; typing a date does not
    for (QDateEdit* d : {DTPicker1, DTPicker2})
        d->calendarWidget()->window()->installEventFilter(this);
    connect(Command1, &QPushButton::clicked, this, &FrmListaContas::Command1_Click);
    connect(Command4, &QPushButton::clicked, this, &QDialog::reject);
    connect(CmdExportar, &QPushButton::clicked, this, &FrmListaContas::exporta);
    connect(Grid1, &Grade::linhaAtualMudou, this, &FrmListaContas::atualiza_botoes);
    connect(Grid1, &QAbstractItemView::clicked, this, &FrmListaContas::atualiza_botoes);
    connect(Grid1, &QAbstractItemView::doubleClicked, this, [this] {
        if (conta_atual() != 0)
            duplo_clique();
    });
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
    m_botoesDeLinha.append(b);
    return b;
}

void FrmListaContas::ao_abrir_janela()
{
    m_teclas->instala();
    formata_grade();
    DTPicker1->setDate(Relogio::hoje());
    DTPicker2->setDate(Relogio::hoje());
    Combo1->setCurrentIndex(PorPeriodo);
    filtro_mudou();
    centraliza_form(this);
    Combo1->setFocus();
}


void FrmListaContas::formata_grade()
{
    Grid1->limpa(0);
    for (int c = 0; c < m_colunas.size(); ++c) {
        const ColunaConta& col = m_colunas[c];
        Grid1->setTextMatrix(0, c, col.titulo);
        Grid1->setColWidth(c, col.largura);
        if (col.alinhamento)
            Grid1->setColAlignment(c, col.alinhamento);
    }
    Grid1->setRows(m_linhasMinimas);
    m_sql.clear();
    Text1->setText(Dinheiro().moeda());
    Text2->setText(QStringLiteral("0"));
    atualiza_botoes();
}

void FrmListaContas::filtro_mudou()
{
    formata_grade();
    Text10->clear();
    Text15->clear();
}

QString FrmListaContas::consulta(int filtro, const QDate& de, const QDate& ate, qint64 cliente) const
{
    const QString doCliente = QStringLiteral("codigo_cliente = ") + QString::number(cliente);
    QString onde;
    switch (filtro) {
    case PorPeriodo: onde = QStringLiteral("where ") + periodo(de, ate) + QLatin1Char(' '); break;
    case PorCliente: onde = QStringLiteral("where ") + doCliente + QLatin1Char(' '); break;
    case PorClienteEPeriodo: onde = QStringLiteral("where ") + periodo(de, ate) + QStringLiteral(" and ") + doCliente + QLatin1Char(' '); break;
    default:
        if (const QString proprio = filtro_proprio(filtro); !proprio.isEmpty())
            onde = QStringLiteral("where ") + proprio + QLatin1Char(' ');
        break;
    }
    return QStringLiteral("select * from ") + m_visao + QLatin1Char(' ') + onde + QStringLiteral("order by ") + m_ordem;
}

void FrmListaContas::mostra_dados()
{
    const int filtro = Combo1->currentIndex();
    if ((filtro == PorCliente || filtro == PorClienteEPeriodo) && Text10->text().isEmpty() && Text15->text().isEmpty()) {
        informa(QStringLiteral("Informe o cliente!"));
        return;
    }
    const qint32 atual = conta_atual();
    cSQL = consulta(filtro, DTPicker1->date(), DTPicker2->date(), valor_numerico(Text10->text()));
    try {
        rsDados.abre(cSQL);
    } catch (const ErroBanco& e) {
        rsDados.fecha();
        trata_erro_banco(e); // the list stays as it was
        return;
    }
    formata_grade();
    Grid1->setRows(rsDados.recordCount() + 1);
    Dinheiro total;
    int linhaAtual = 1;
    {
        Grade::Carga carga(*Grid1);
        for (int linha = 1; !rsDados.eof(); ++linha, rsDados.moveNext()) {
            const QStringList textos = textos_da_linha(rsDados);
            for (int c = 0; c < textos.size(); ++c)
                Grid1->setTextMatrix(linha, c, textos[c]);
            Grid1->setAvisoLinha(linha, aviso_da_linha(rsDados));
            total += Dinheiro::leTexto(Grid1->textMatrix(linha, m_colunaTotal)).value_or(Dinheiro());
            if (atual != 0 && Grid1->textMatrix(linha, 0).toInt() == atual)
                linhaAtual = linha;
        }
    }
    rsDados.fecha();
    m_sql = cSQL;
    Text2->setText(QString::number(Grid1->rows() - 1));
    Text1->setText(total.moeda());
    if (Grid1->rows() < m_linhasMinimas)
        Grid1->setRows(m_linhasMinimas);
    Grid1->setRow(linhaAtual);
    atualiza_botoes();
}

void FrmListaContas::Command1_Click()
{
    CaixaCodigo::atualiza(this);
    mostra_dados();
    apos_mostrar();
}

qint32 FrmListaContas::conta_atual() const
{
    const int linha = Grid1->row();
    return linha >= 1 ? Grid1->textMatrix(linha, 0).toInt() : 0;
}

void FrmListaContas::atualiza_botoes()
{
    const bool temConta = conta_atual() != 0;
    for (QPushButton* b : m_botoesDeLinha)
        b->setEnabled(temConta);
}

void FrmListaContas::Text10_Validate() { m_cliente->valida(); }

void FrmListaContas::Command5_Click() { m_cliente->consulta(); }

bool FrmListaContas::eventFilter(QObject* alvo, QEvent* e)
{
    if (e->type() == QEvent::Hide && (alvo == DTPicker1->calendarWidget()->window() || alvo == DTPicker2->calendarWidget()->window()))
        formata_grade();
    return QDialog::eventFilter(alvo, e);
}

void FrmListaContas::exporta()
{
    exporta_lista(this, *Grid1, windowTitle(), m_sql, [this](const Recordset& rs) { return textos_da_linha(rs); });
}
