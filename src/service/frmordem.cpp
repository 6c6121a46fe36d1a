#include "frmordem.h"
#include "caixacodigo.h"
#include "campos.h"
#include "formularios.h"
#include "frmconsulta.h"
#include "frmfechamentovendaprazo.h"
#include "frmpagamentodavenda.h"
#include "grade.h"
#include "impressos.h"
#include "mensagens.h"
#include "errosbanco.h"
#include "sessao.h"
#include "regrasordem.h"
#include "relogio.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
// The grid's columns: the item's code (hidden), the machine, the
// technician, the service, the price, and the codes of the machine and the
// technician (hidden).
enum ColunaItem { ColunaCodigo, ColunaEquipamento, ColunaNomeTecnico, ColunaServico, ColunaPreco, ColunaMaquina, ColunaTecnico };
} // namespace

FrmOrdem::FrmOrdem()
    : FrmMovimentoServico(QStringLiteral("FrmOrdem"), QStringLiteral("Ordem de serviço"),
                          {{QStringLiteral("Código do equipamento cliente"), 0, Qt::AlignLeft},
                           {QStringLiteral("Equipamento"), 213, Qt::AlignLeft},
                           {QStringLiteral("Técnico"), 213, Qt::AlignLeft},
                           {QStringLiteral("Serviço"), 213, Qt::AlignLeft},
                           {QStringLiteral("Preço"), 93, Qt::AlignCenter},
                           {QString(), 0, Qt::AlignLeft},
                           {QString(), 0, Qt::AlignLeft}},
                          10, ColunaMaquina, ColunaServico, ColunaPreco)
{
    QGridLayout* g = cabecalho();
    QWidget* pai = g->parentWidget();
    dataOrdem = new QDateEdit(pai);
    dataOrdem->setObjectName(QStringLiteral("dataOrdem"));
    dataOrdem->setCalendarPopup(true);
    dataOrdem->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    g->addWidget(novo_rotulo(QStringLiteral("Data da ordem"), dataOrdem, pai), 0, 4);
    g->addWidget(dataOrdem, 0, 5);
    marcaConcluida = new QCheckBox(QStringLiteral("Concluída"), pai);
    marcaConcluida->setObjectName(QStringLiteral("marcaConcluida"));
    marcaGarantia = new QCheckBox(QStringLiteral("Ordem de serviço de garantia"), pai);
    marcaGarantia->setObjectName(QStringLiteral("marcaGarantia"));
    g->addWidget(marcaConcluida, 4, 1, 1, 2);
    g->addWidget(marcaGarantia, 4, 3, 1, 3);
    marcaAguardandoPecas = new QCheckBox(QStringLiteral("Aguardando peças"), pai);
    marcaAguardandoPecas->setObjectName(QStringLiteral("marcaAguardandoPecas"));
    caixaPecasAguardadas = nova_caixa(pai, QStringLiteral("caixaPecasAguardadas"), 255);
    auto* pecas = new QHBoxLayout;
    pecas->addWidget(marcaAguardandoPecas);
    pecas->addWidget(novo_rotulo(QStringLiteral("Peças aguardadas"), caixaPecasAguardadas, pai));
    pecas->addWidget(caixaPecasAguardadas, 1);
    g->addLayout(pecas, 5, 1, 1, 5);

    QGridLayout* i = linhas_item();
    pai = i->parentWidget();
    caixaTecnico = caixa_exibicao(pai, QStringLiteral("caixaTecnico"), true);
    botaoTecnico = botao_consulta(pai, QStringLiteral("botaoTecnico"), QStringLiteral("Escolher técnico"), true);
    linha_botao(i, 1, QStringLiteral("Técnico"), botaoTecnico, caixaTecnico);
    caixaCodigoTecnico = caixa_oculta(pai, QStringLiteral("caixaCodigoTecnico"), QStringLiteral("Código do técnico"));

    ordem_de_tab({caixaCliente, caixaCondicao, caixaObservacao, dataOrdem, marcaConcluida, marcaGarantia, marcaAguardandoPecas,
                  caixaPecasAguardadas, botaoMaquina, botaoTecnico, caixaServico, caixaPreco});

    // the technician's code box is never shown: the lookup fills it
    m_tecnico = new CaixaCodigo(
        caixaCodigoTecnico, caixaTecnico, botaoTecnico, teclas(), QStringLiteral("select cfantasia from tecnico where ncodigo = ?"),
        [] { return consulta_codigo(QStringLiteral("Tecnicos")); }, {});
    m_tecnico->semAviso().aCadaMudanca().depoisDeAchar([this] { caixaServico->setFocus(Qt::OtherFocusReason); });
    connect(marcaGarantia, &QCheckBox::clicked, this, &FrmOrdem::garantia_clicada);
    connect(marcaConcluida, &QCheckBox::toggled, this, &FrmOrdem::concluida_mudou);
    connect(marcaAguardandoPecas, &QCheckBox::toggled, caixaPecasAguardadas, &QWidget::setEnabled);
    resize(900, 700);
}

QWidget* FrmOrdem::depois_da_maquina() const { return botaoTecnico; }

void FrmOrdem::prepara()
{
    FrmMovimentoServico::prepara();
    marcaConcluida->setChecked(false);
    marcaGarantia->setChecked(false);
    marcaAguardandoPecas->setChecked(false);
    marcaAguardandoPecas->setEnabled(true);
    caixaPecasAguardadas->setEnabled(false);
    dataOrdem->setDate(Relogio::hoje());
    trava_cabecalho(false);
}

void FrmOrdem::carrega()
{
    if (const auto o = le_ordem(conexao, codigoEditado())) {
        caixaCodigo->setText(QString::number(o->codigo));
        caixaObservacao->setPlainText(o->observacao);
        caixaCliente->setText(QString::number(o->cliente));
        caixaCondicao->setText(QString::number(o->condicao));
        marcaConcluida->setChecked(o->concluida);
        marcaGarantia->setChecked(o->garantia);
        marcaAguardandoPecas->setChecked(o->aguardandoPecas.has_value());
        caixaPecasAguardadas->setText(o->aguardandoPecas ? o->aguardandoPecas->observacao : QString());
        if (o->data.isValid())
            dataOrdem->setDate(o->data);
    }
    trava_cabecalho(le_situacao_ordem(conexao, codigoMovimento()).paga());
}

QVariantList FrmOrdem::linha_do_item(const ItemServico& item) const
{
    return {item.codigo, item.nomeMaquina, item.nomeTecnico, item.servico, QVariant::fromValue(item.preco), item.maquina, item.tecnico};
}

ItemServico FrmOrdem::item_da_tela(qint32 codigo, Dinheiro preco) const
{
    ItemServico item = FrmMovimentoServico::item_da_tela(codigo, preco);
    item.tecnico = qint32(valor_numerico(caixaCodigoTecnico->text()));
    return item;
}

void FrmOrdem::consulta_tecnico() { m_tecnico->consulta(); }

void FrmOrdem::garantia_clicada(bool marcada)
{
    if (!marcada)
        return;
    if (const auto recusa = recusa_garantia(total())) {
        marcaGarantia->setChecked(false);
        informa(*recusa);
    }
}

void FrmOrdem::concluida_mudou(bool marcada)
{
    if (marcada)
        marcaAguardandoPecas->setChecked(false);
    marcaAguardandoPecas->setEnabled(!marcada);
}

void FrmOrdem::trava_cabecalho(bool travado)
{
    for (QLineEdit* e : {caixaCliente, caixaCondicao})
        e->setReadOnly(travado);
    for (QPushButton* b : {botaoConsultaCliente, botaoConsultaCondicao})
        b->setEnabled(!travado);
}

std::optional<QString> FrmOrdem::recusa_preco(Dinheiro preco) const { return recusa_preco_ordem(marcaGarantia->isChecked(), preco); }

void FrmOrdem::limpa_item()
{
    FrmMovimentoServico::limpa_item();
    caixaCodigoTecnico->clear();
    caixaTecnico->clear();
}

void FrmOrdem::mostra_item(int linha)
{
    FrmMovimentoServico::mostra_item(linha);
    caixaCodigoTecnico->setText(gradeItens->texto(linha, ColunaTecnico));
}

bool FrmOrdem::le_situacao(SituacaoOrdem& s)
{
    return tenta([&] { s = le_situacao_ordem(conexao, codigoMovimento()); });
}

bool FrmOrdem::segue(const Passo& passo)
{
    if (passo.recusa) {
        informa(*passo.recusa);
        return false;
    }
    return !passo.pergunta || mensagens().pergunta(*passo.pergunta);
}

bool FrmOrdem::pode_alterar_itens(bool& reabre)
{
    SituacaoOrdem s;
    if (!le_situacao(s))
        return false;
    const AlteracaoItem alteracao = alteracao_de_item(s);
    reabre = alteracao.reabre;
    return segue(alteracao);
}

bool FrmOrdem::pode_gravar()
{
    if (!FrmMovimentoServico::pode_gravar())
        return false;
    SituacaoOrdem s;
    if (!le_situacao(s))
        return false;
    m_gravacao = gravacao_de_ordem(s, {marcaConcluida->isChecked(), marcaGarantia->isChecked(), total()});
    return segue(m_gravacao);
}

Ordem FrmOrdem::ordem() const
{
    Ordem o;
    o.codigo = codigoMovimento();
    o.cliente = qint32(valor_numerico(caixaCliente->text()));
    o.data = dataOrdem->date();
    o.observacao = caixaObservacao->toPlainText();
    o.condicao = qint32(valor_numerico(caixaCondicao->text()));
    o.concluida = m_gravacao.concluida;
    o.garantia = marcaGarantia->isChecked();
    // a new mark dates from now; one there already keeps its day
    if (marcaAguardandoPecas->isChecked())
        o.aguardandoPecas = AguardandoPecas{Relogio::momento(), caixaPecasAguardadas->text().trimmed()};
    return o;
}

void FrmOrdem::grava()
{
    m_codigoGravado = codigoMovimento();
    m_concluida = false;
    switch (m_gravacao.escrita) {
    case EscritaOrdem::Nada: break;
    case EscritaOrdem::DataEObservacao: grava_data_e_observacao(conexao, ordem()); break;
    case EscritaOrdem::Cabecalho: grava_ordem(conexao, ordem()); break;
    }
    m_concluida = m_gravacao.concluidaAoGravar;
}

void FrmOrdem::depois_de_gravar()
{
    if (m_gravacao.fechamento)
        m_concluida = abre_fechamento();
}

bool FrmOrdem::abre_fechamento()
{
    // While this form stays open, the concluded order goes to the cash
    // payment (condition 1) or to the credit closing (any other), which
    // read the order as this form shows it.
    const Fechamento f{qint32(valor_numerico(caixaCodigo->text())), qint32(valor_numerico(caixaCliente->text())), caixaObservacao->toPlainText(), total(),
                       qint32(valor_numerico(caixaCondicao->text())), caixaDescricaoCondicao->text(), dataOrdem->date()};
    if (fechamento_a_vista(f.condicao))
        return form<FrmPagamentoDaVenda>().fecha(f);
    return form<FrmFechamentoVendaPrazo>().fecha(f);
}

void FrmOrdem::depois_de_fechar()
{
    if (m_concluida)
        emite_ordem_servico(m_codigoGravado);
}

QString FrmOrdem::texto_gravado(qint64 codigo) const { return QStringLiteral("Ordem de serviço N.º %1 gravada.").arg(codigo); }
