#include "frmpagamentodavenda.h"
#include "campos.h"
#include "filtroteclas.h"
#include "formaspagamento.h"
#include "mensagens.h"
#include "formatos.h"
#include "legado.h"
#include "literaissql.h"
#include "sessao.h"
#include "recibo.h"
#include "relogio.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

FrmPagamentoDaVenda::FrmPagamentoDaVenda()
    : FrmFechamento(QStringLiteral("FrmPagamentoDaVenda"), QStringLiteral("Fechamento da ordem"))
{
    auto* g = new QGridLayout;
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->addItems(formas_pagamento());
    g->addWidget(novo_rotulo(QStringLiteral("Forma de pagamento"), Combo1, this), 0, 0);
    auto* linhaCombo = new QHBoxLayout;
    linhaCombo->addWidget(Combo1, 1);
    linhaCombo->addWidget(asterisco(this));
    g->addLayout(linhaCombo, 0, 1);
    Text3 = linha_campo(g, 1, 0, QStringLiteral("Número docto"), QStringLiteral("Text3"), 50);
    Text4 = nova_caixa_texto(this, QStringLiteral("Text4"), 100);
    Text4->setFixedHeight(70);
    g->addWidget(novo_rotulo(QStringLiteral("Obs"), Text4, this), 2, 0, Qt::AlignTop);
    g->addWidget(Text4, 2, 1);
    Text2 = linha_campo(g, 3, 0, QStringLiteral("Valor pago"), QStringLiteral("Text2"), 50, true);
    Text2->setAlignment(Qt::AlignRight);
    destaca_valor(Text2);
    seleciona_ao_entrar(Text2);
    teclas()->tipoCampo(Text2, CampoDinheiro);
    Text5 = linha_campo(g, 4, 0, QStringLiteral("Troco"), QStringLiteral("Text5"), 50);
    Text5->setAlignment(Qt::AlignRight);
    Text5->setReadOnly(true);
    connect(Text2, &QLineEdit::textChanged, this, &FrmPagamentoDaVenda::mostra_troco);
    corpo()->addLayout(g);

    Command6 = novo_botao(QStringLiteral("&Gravar"), QStringLiteral("Command6"), this);
    corpo()->addLayout(linha_de_botoes({Command6}));
    connect(Command6, &QPushButton::clicked, this, &FrmPagamentoDaVenda::Command6_Click);
    teclas()->botaoF5(Command6);
    setTabOrder(Combo1, Text3);
    setTabOrder(Text3, Text4);
    setTabOrder(Text4, Text2);
    setTabOrder(Text2, Text5);
    setTabOrder(Text5, Command6);
    setMinimumWidth(420);
}

void FrmPagamentoDaVenda::abre()
{
    limpa_campos(this);
    Combo1->setCurrentIndex(0);
    Text2->setText(nValorTotal.moeda());
    Combo1->setFocus();
}

// The change as the clerk types: what is handed over above the total.
void FrmPagamentoDaVenda::mostra_troco()
{
    const auto pago = Dinheiro::leTexto(Text2->text());
    Text5->setText(!pago ? QString() : std::max(*pago - nValorTotal, Dinheiro()).moeda());
}

void FrmPagamentoDaVenda::Command6_Click()
{
    if (!verifica_obrigatorios(this))
        return;
    const auto pago = le_valor_campo(Text2); // a button pressed by its key may not have left the box
    if (!pago)
        return; // the notice of the field asked for a valid amount
    if (*pago < nValorTotal) {
        informa(QStringLiteral("O valor pago não pode ser menor que o total da ordem (%1)!").arg(nValorTotal.moeda()));
        Text2->setFocus(Qt::OtherFocusReason);
        Text2->selectAll();
        return;
    }
    const QString hoje = data_sql(Relogio::hoje().toString(QStringLiteral("dd/MM/yyyy")));
    grava(Operacao::PagamentoVista, [&] {
        // the write-off points at the receivable this very insert created;
        // both record the total: the change went back to the customer
        cSQL = QStringLiteral("insert into conta_receber values(null,") + QString::number(nCodigoOrdem) + QStringLiteral(",'1/1',")
               + nValorTotal.sql() + QStringLiteral(",1,'") + hoje + QStringLiteral("',0) returning ncodigo");
        const qint64 conta = conexao.executeRetornando(cSQL).toLongLong();
        cSQL = QStringLiteral("insert into baixa_conta_receber values(null,") + QString::number(conta) + QLatin1Char(',')
               + nValorTotal.sql() + QLatin1Char(',') + QString::number(Combo1->currentIndex())
               + QStringLiteral(",0,0,'I','") + texto_sql(Text4->toPlainText()) + QStringLiteral("','") + hoje
               + QStringLiteral("');");
        conexao.execute(cSQL);
    });
    if (gravou())
        emite_recibo_da_ordem(nCodigoOrdem);
}
