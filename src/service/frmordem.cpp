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
                           {QStringLiteral("Equipamento"), 3200, Qt::AlignLeft},
                           {QStringLiteral("Técnico"), 3200, Qt::AlignLeft},
                           {QStringLiteral("Serviço"), 3200, Qt::AlignLeft},
                           {QStringLiteral("Preço"), 1400, Qt::AlignCenter},
                           {QString(), 0, Qt::AlignLeft},
                           {QString(), 0, Qt::AlignLeft}},
                          11, ColunaMaquina, ColunaServico, ColunaPreco)
{
    QGridLayout* g = cabecalho();
    QWidget* pai = g->parentWidget();
    DTPicker1 = new QDateEdit(pai);
    DTPicker1->setObjectName(QStringLiteral("DTPicker1"));
    DTPicker1->setCalendarPopup(true);
    DTPicker1->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    g->addWidget(novo_rotulo(QStringLiteral("Data da ordem"), DTPicker1, pai), 0, 4);
    g->addWidget(DTPicker1, 0, 5);
    Check1 = new QCheckBox(QStringLiteral("Concluída"), pai);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check2 = new QCheckBox(QStringLiteral("Ordem de serviço de garantia"), pai);
    Check2->setObjectName(QStringLiteral("Check2"));
    g->addWidget(Check1, 4, 1, 1, 2);
    g->addWidget(Check2, 4, 3, 1, 3);

    QGridLayout* i = linhas_item();
    pai = i->parentWidget();
    Text12 = caixa_exibicao(pai, QStringLiteral("Text12"), true);
    Command1 = botao_consulta(pai, QStringLiteral("Command1"), QStringLiteral("Escolher técnico"), true);
    linha_botao(i, 1, QStringLiteral("Técnico"), Command1, Text12);
    Text13 = caixa_oculta(pai, QStringLiteral("Text13"), QStringLiteral("Código do técnico"));

    ordem_de_tab({Text4, Text10, Text3, DTPicker1, Check1, Check2, Command4, Command1, Text6, Text7});

    // the technician's code box is never shown: the lookup fills it
    m_tecnico = new CaixaCodigo(
        Text13, Text12, Command1, teclas(), [](qint32 c) { return QStringLiteral("select cfantasia from tecnico where ncodigo = %1").arg(c); },
        [] { return consulta_codigo(QStringLiteral("Tecnicos")); }, {});
    m_tecnico->semAviso().aCadaMudanca().depoisDeAchar([this] { Text6->setFocus(Qt::OtherFocusReason); });
    connect(Check2, &QCheckBox::clicked, this, &FrmOrdem::garantia_clicada);
    resize(900, 700);
}

QWidget* FrmOrdem::depois_da_maquina() const { return Command1; }

void FrmOrdem::prepara()
{
    FrmMovimentoServico::prepara();
    Check1->setChecked(false);
    Check2->setChecked(false);
    DTPicker1->setDate(Relogio::hoje());
    trava_cabecalho(false);
}

void FrmOrdem::carrega()
{
    if (const auto o = le_ordem(conexao, nCodigoordem)) {
        Text1->setText(QString::number(o->codigo));
        Text3->setPlainText(o->observacao);
        Text4->setText(QString::number(o->cliente));
        Text10->setText(QString::number(o->condicao));
        Check1->setChecked(o->concluida);
        Check2->setChecked(o->garantia);
        if (o->data.isValid())
            DTPicker1->setDate(o->data);
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
    item.tecnico = qint32(valor_numerico(Text13->text()));
    return item;
}

void FrmOrdem::Command1_Click() { m_tecnico->consulta(); }

void FrmOrdem::garantia_clicada(bool marcada)
{
    if (!marcada)
        return;
    if (const auto recusa = recusa_garantia(total())) {
        Check2->setChecked(false);
        informa(*recusa);
    }
}

void FrmOrdem::trava_cabecalho(bool travado)
{
    for (QLineEdit* e : {Text4, Text10})
        e->setReadOnly(travado);
    for (QPushButton* b : {Command3, Command8})
        b->setEnabled(!travado);
}

std::optional<QString> FrmOrdem::recusa_preco(Dinheiro preco) const { return recusa_preco_ordem(Check2->isChecked(), preco); }

void FrmOrdem::limpa_item()
{
    FrmMovimentoServico::limpa_item();
    Text13->clear();
    Text12->clear();
}

void FrmOrdem::mostra_item(int linha)
{
    FrmMovimentoServico::mostra_item(linha);
    Text13->setText(Grid1->textMatrix(linha, ColunaTecnico));
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
    m_gravacao = gravacao_de_ordem(s, {Check1->isChecked(), Check2->isChecked(), total()});
    return segue(m_gravacao);
}

Ordem FrmOrdem::ordem() const
{
    Ordem o;
    o.codigo = codigoMovimento();
    o.cliente = qint32(valor_numerico(Text4->text()));
    o.data = DTPicker1->date();
    o.observacao = Text3->toPlainText();
    o.condicao = qint32(valor_numerico(Text10->text()));
    o.concluida = m_gravacao.concluida;
    o.garantia = Check2->isChecked();
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
    auto entrega = [this](FrmFechamento& f) {
        f.nCodigoOrdem = qint32(valor_numerico(Text1->text()));
        f.nCliente = qint32(valor_numerico(Text4->text()));
        f.cObs = Text3->toPlainText();
        f.nValorTotal = total();
        f.nCondicao = qint32(valor_numerico(Text10->text()));
        f.cCondicao = Text11->text();
        f.dData = DTPicker1->date();
        abre_modal(f);
        return f.gravou();
    };
    if (fechamento_a_vista(qint32(valor_numerico(Text10->text()))))
        return entrega(form<FrmPagamentoDaVenda>());
    return entrega(form<FrmFechamentoVendaPrazo>());
}

void FrmOrdem::depois_de_fechar()
{
    if (m_concluida)
        emite_ordem_servico(m_codigoGravado);
}

QString FrmOrdem::texto_gravado(qint64 codigo) const { return QStringLiteral("Ordem de serviço N.º %1 gravada.").arg(codigo); }
