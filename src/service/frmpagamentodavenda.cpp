#include "frmpagamentodavenda.h"
#include "campos.h"
#include "filtroteclas.h"
#include "formaspagamento.h"
#include "formatos.h"
#include "mensagens.h"
#include "recibo.h"
#include "relogio.h"
#include "sessao.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

FrmPagamentoDaVenda::FrmPagamentoDaVenda()
    : FrmFechamento(QStringLiteral("FrmPagamentoDaVenda"), QStringLiteral("Fechamento da ordem"))
{
    auto* g = new QGridLayout;
    caixaFormaPagamento = new QComboBox(this);
    caixaFormaPagamento->setObjectName(QStringLiteral("caixaFormaPagamento"));
    caixaFormaPagamento->addItems(formas_pagamento());
    g->addWidget(novo_rotulo(QStringLiteral("Forma de pagamento"), caixaFormaPagamento, this), 0, 0);
    auto* linhaForma = new QHBoxLayout;
    linhaForma->addWidget(caixaFormaPagamento, 1);
    linhaForma->addWidget(asterisco(this));
    g->addLayout(linhaForma, 0, 1);
    caixaDocumento = linha_campo(g, 1, 0, QStringLiteral("Número docto"), QStringLiteral("caixaDocumento"), 50);
    caixaObservacao = nova_caixa_texto(this, QStringLiteral("caixaObservacao"), 100);
    caixaObservacao->setFixedHeight(70);
    g->addWidget(novo_rotulo(QStringLiteral("Obs"), caixaObservacao, this), 2, 0, Qt::AlignTop);
    g->addWidget(caixaObservacao, 2, 1);
    caixaValorPago = linha_campo(g, 3, 0, QStringLiteral("Valor pago"), QStringLiteral("caixaValorPago"), 50, true);
    caixaValorPago->setAlignment(Qt::AlignRight);
    destaca_valor(caixaValorPago);
    seleciona_ao_entrar(caixaValorPago);
    teclas()->tipoCampo(caixaValorPago, CampoDinheiro);
    caixaTroco = linha_campo(g, 4, 0, QStringLiteral("Troco"), QStringLiteral("caixaTroco"), 50);
    caixaTroco->setAlignment(Qt::AlignRight);
    caixaTroco->setReadOnly(true);
    connect(caixaValorPago, &QLineEdit::textChanged, this, &FrmPagamentoDaVenda::mostra_troco);
    corpo()->addLayout(g);

    botaoGravar = novo_botao(QStringLiteral("&Gravar"), QStringLiteral("botaoGravar"), this);
    corpo()->addLayout(linha_de_botoes({botaoGravar}));
    connect(botaoGravar, &QPushButton::clicked, this, &FrmPagamentoDaVenda::grava_pagamento);
    teclas()->botaoF5(botaoGravar);
    setTabOrder(caixaFormaPagamento, caixaDocumento);
    setTabOrder(caixaDocumento, caixaObservacao);
    setTabOrder(caixaObservacao, caixaValorPago);
    setTabOrder(caixaValorPago, caixaTroco);
    setTabOrder(caixaTroco, botaoGravar);
    setMinimumWidth(420);
}

void FrmPagamentoDaVenda::abre()
{
    limpa_campos(this);
    caixaFormaPagamento->setCurrentIndex(0);
    caixaValorPago->setText(fechamento().total.moeda());
    caixaFormaPagamento->setFocus();
}

// The change as the clerk types.
void FrmPagamentoDaVenda::mostra_troco()
{
    const auto pago = Dinheiro::leTexto(caixaValorPago->text());
    caixaTroco->setText(!pago ? QString() : troco(*pago, fechamento().total).moeda());
}

void FrmPagamentoDaVenda::grava_pagamento()
{
    if (!verifica_obrigatorios(this))
        return;
    const auto pago = le_valor_campo(caixaValorPago); // a button pressed by its key may not have left the box
    if (!pago)
        return; // the notice of the field asked for a valid amount
    const Dinheiro total = fechamento().total;
    if (!pagamento_cobre(*pago, total)) {
        informa(QStringLiteral("O valor pago não pode ser menor que o total da ordem (%1)!").arg(total.moeda()));
        caixaValorPago->setFocus(Qt::OtherFocusReason);
        caixaValorPago->selectAll();
        return;
    }
    const PagamentoVista pagamento{caixaFormaPagamento->currentIndex(), caixaObservacao->toPlainText(), Relogio::hoje()};
    if (grava([&](const QVector<ContaDaOrdem>& antes) { return fecha_a_vista(conexao, fechamento(), antes, pagamento); }))
        emite_recibo_da_ordem(fechamento().ordem);
}
