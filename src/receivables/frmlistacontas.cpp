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
                               Carteira carteira)
    : JanelaLista(nome, titulo, std::move(colunas), linhasMinimas), m_carteira(carteira)
{
    auto* v = new QVBoxLayout(this);
    faixaTitulo = faixa_titulo(titulo, QStringLiteral("faixaTitulo"), this);
    v->addWidget(faixaTitulo);

    auto* g = new QGridLayout;
    escolhaFiltro = new QComboBox(this);
    escolhaFiltro->setObjectName(QStringLiteral("escolhaFiltro"));
    escolhaFiltro->addItems({QStringLiteral("Todas"), QStringLiteral("Por período"), QStringLiteral("Por cliente"),
                      QStringLiteral("Por cliente e período")});
    g->addWidget(novo_rotulo(QStringLiteral("Mostrar"), escolhaFiltro, this), 0, 0);
    g->addWidget(escolhaFiltro, 0, 1);
    dataInicio = novo_seletor_data(this, QStringLiteral("dataInicio"));
    dataFim = novo_seletor_data(this, QStringLiteral("dataFim"));
    auto* periodo = new QHBoxLayout;
    periodo->addWidget(novo_rotulo(QStringLiteral("Período"), dataInicio, this));
    periodo->addWidget(dataInicio);
    periodo->addWidget(novo_rotulo(QStringLiteral("a"), dataFim, this));
    periodo->addWidget(dataFim);
    periodo->addStretch();
    g->addLayout(periodo, 0, 2);

    caixaCliente = nova_caixa(this, QStringLiteral("caixaCliente"), 9);
    caixaCliente->setMaximumWidth(90);
    g->addWidget(novo_rotulo(QStringLiteral("Cliente"), caixaCliente, this), 1, 0);
    auto* cliente = new QHBoxLayout;
    cliente->addWidget(caixaCliente);
    botaoConsultarCliente = novo_botao(QStringLiteral("..."), QStringLiteral("botaoConsultarCliente"), this);
    botaoConsultarCliente->setAccessibleName(QStringLiteral("Consultar clientes"));
    botaoConsultarCliente->setMaximumWidth(40);
    cliente->addWidget(botaoConsultarCliente);
    caixaNomeCliente = nova_caixa(this, QStringLiteral("caixaNomeCliente"));
    caixaNomeCliente->setAccessibleName(QStringLiteral("Nome do cliente"));
    caixaNomeCliente->setReadOnly(true);
    caixaNomeCliente->setFocusPolicy(Qt::NoFocus);
    cliente->addWidget(caixaNomeCliente, 1);
    g->addLayout(cliente, 1, 1, 1, 2);
    botaoMostrar = novo_botao(QStringLiteral("Mostrar"), QStringLiteral("botaoMostrar"), this);
    g->addWidget(botaoMostrar, 1, 3);
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
    caixaQuantidade = nova_caixa(this, QStringLiteral("caixaQuantidade"));
    caixaTotal = nova_caixa(this, QStringLiteral("caixaTotal"));
    for (QLineEdit* e : {caixaQuantidade, caixaTotal}) {
        e->setReadOnly(true);
        e->setAlignment(Qt::AlignRight);
    }
    caixaQuantidade->setMaximumWidth(60);
    caixaTotal->setMaximumWidth(130);
    destaca_valor(caixaTotal);
    totais->addWidget(novo_rotulo(QStringLiteral("Qtde. doctos:"), caixaQuantidade, this));
    totais->addWidget(caixaQuantidade);
    totais->addWidget(novo_rotulo(QStringLiteral("Total:"), caixaTotal, this));
    totais->addWidget(caixaTotal);
    v->addLayout(totais);
    botaoExportar = novo_botao(QStringLiteral("E&xportar"), QStringLiteral("botaoExportar"), this);
    rodape->addWidget(botaoExportar);
    botaoSair = novo_botao(QStringLiteral("&Sair"), QStringLiteral("botaoSair"), this);
    rodape->addWidget(botaoSair);
    v->addLayout(rodape);

    m_teclas = new FiltroTeclas(this);
    m_teclas->botaoF5(botaoMostrar);
    m_cliente = new CaixaCodigo(
        caixaCliente, caixaNomeCliente, botaoConsultarCliente, m_teclas,
        [](qint32 c) { return QStringLiteral("select cfantasia from cliente where ncodigo = %1 and ncodigo>0").arg(c); },
        [this] { return escolhe_cliente_da_lista(); }, {});
    m_cliente->semValidarAoIrPara(botaoSair);

    connect(escolhaFiltro, &QComboBox::activated, this, &FrmListaContas::filtro_mudou);
    connect(escolhaFiltro, &QComboBox::currentIndexChanged, this, &FrmListaContas::habilita_filtros);
    connect(caixaCliente, &QLineEdit::textChanged, this, &FrmListaContas::formata_grade);
    // closing a picker's calendar empties the list; typing a date does not
    for (QDateEdit* d : {dataInicio, dataFim})
        d->calendarWidget()->window()->installEventFilter(this);
    connect(botaoMostrar, &QPushButton::clicked, this, &FrmListaContas::mostra);
    connect(botaoSair, &QPushButton::clicked, this, &QDialog::reject);
    connect(botaoExportar, &QPushButton::clicked, this, &JanelaLista::exporta);
}

void FrmListaContas::mostra_baixas(bool podeExcluir)
{
    const qint32 conta = conta_atual();
    if (conta == 0)
        return;
    // the open value in this list rises again when a write-off is deleted
    form<FrmMostraBaixaContaPaga>().mostra(conta, podeExcluir, [this] { mostra_dados(); });
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
    dataInicio->setDate(Relogio::hoje());
    dataFim->setDate(Relogio::hoje());
    escolhaFiltro->setCurrentIndex(int(m_listarAoAbrir.value_or(FiltroContas::PorPeriodo)));
    habilita_filtros();
    filtro_mudou();
    escolhaFiltro->setFocus();
    if (m_listarAoAbrir) {
        m_listarAoAbrir.reset();
        mostra_dados();
    }
}

void FrmListaContas::abre_listando(FiltroContas filtro)
{
    m_listarAoAbrir = filtro;
    abre_modal(*this);
    m_listarAoAbrir.reset();
}

void FrmListaContas::formata_grade()
{
    limpa_lista();
    caixaTotal->setText(Dinheiro().moeda());
    caixaQuantidade->setText(QStringLiteral("0"));
}

// A view that ignores the period or the customer leaves their boxes
// disabled, so nothing typed there seems to count.
void FrmListaContas::habilita_filtros()
{
    const auto filtro = FiltroContas(escolhaFiltro->currentIndex());
    const bool porCliente = filtra_cliente(filtro);
    const bool porPeriodo = filtra_periodo(filtro);
    for (QWidget* w : std::initializer_list<QWidget*>{dataInicio, dataFim})
        w->setEnabled(porPeriodo);
    for (QWidget* w : std::initializer_list<QWidget*>{caixaCliente, botaoConsultarCliente})
        w->setEnabled(porCliente);
}

void FrmListaContas::filtro_mudou()
{
    formata_grade();
    caixaCliente->clear();
    caixaNomeCliente->clear();
}

void FrmListaContas::mostra_dados()
{
    const auto filtro = FiltroContas(escolhaFiltro->currentIndex());
    if (filtra_cliente(filtro) && caixaCliente->text().isEmpty() && caixaNomeCliente->text().isEmpty()) {
        informa(QStringLiteral("Informe o cliente!"));
        return;
    }
    const ConsultaLista c = consulta_contas(m_carteira, filtro, dataInicio->date(), dataFim->date(),
                                            qint32(valor_numerico(caixaCliente->text())), Relogio::hoje());
    if (!enche_lista(c, true))
        return;
    // the count and the total are of the whole list, read or not
    try {
        const TotaisContas totais = totais_contas(conexao, m_carteira, c);
        caixaQuantidade->setText(QString::number(totais.quantidade));
        caixaTotal->setText(totais.total.moeda());
    } catch (const ErroBanco& e) {
        caixaQuantidade->clear();
        caixaTotal->clear();
        trata_erro_banco(e);
    }
}

void FrmListaContas::mostra()
{
    CaixaCodigo::atualiza(this);
    mostra_dados();
    apos_mostrar();
}

qint32 FrmListaContas::conta_atual() const { return codigo_atual().toInt(); }

void FrmListaContas::valida_cliente() { m_cliente->valida(); }

void FrmListaContas::consulta_cliente() { m_cliente->consulta(); }

bool FrmListaContas::eventFilter(QObject* alvo, QEvent* e)
{
    if (e->type() == QEvent::Hide && (alvo == dataInicio->calendarWidget()->window() || alvo == dataFim->calendarWidget()->window()))
        formata_grade();
    return QDialog::eventFilter(alvo, e);
}
