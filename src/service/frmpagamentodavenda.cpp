#include "frmpagamentodavenda.h"
#include "campos.h"
#include "filtroteclas.h"
#include "modulo1.h"
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

FrmPagamentoDaVenda::FrmPagamentoDaVenda()
    : FrmFechamento(QStringLiteral("FrmPagamentoDaVenda"), QStringLiteral("Fechamento da ordem"))
{
    auto* g = new QGridLayout;
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->addItems({QStringLiteral("Dinheiro"), QStringLiteral("Cheque"), QStringLiteral("Cartão de Crédito"),
                      QStringLiteral("Cartão de Débito"), QStringLiteral("Outros")});
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
    corpo()->addLayout(g);

    Command6 = novo_botao(QStringLiteral("&Gravar"), QStringLiteral("Command6"), this);
    corpo()->addLayout(linha_de_botoes({Command6}));
    connect(Command6, &QPushButton::clicked, this, &FrmPagamentoDaVenda::Command6_Click);
    teclas()->botaoF5(Command6);
    setTabOrder(Combo1, Text3);
    setTabOrder(Text3, Text4);
    setTabOrder(Text4, Text2);
    setTabOrder(Text2, Command6);
    setMinimumWidth(420);
}

void FrmPagamentoDaVenda::abre()
{
    limpa_campos(this);
    Combo1->setCurrentIndex(0);
    Text2->setText(nValorTotal.moeda());
    Combo1->setFocus();
}

void FrmPagamentoDaVenda::Command6_Click()
{
    if (!verifica_obrigatorios(this))
        return;
    formata_campo(Text2, CampoDinheiro); // a button pressed by its key may not have left the box
    if (!Dinheiro::leTexto(Text2->text()))
        return; // the notice of the field asked for a valid amount
    const QString hoje = data_sql(Relogio::hoje().toString(QStringLiteral("dd/MM/yyyy")));
    grava(Operacao::PagamentoVista, [&] {
        // the write-off points at the receivable this very insert created
        cSQL = QStringLiteral("insert into conta_receber values(null,") + QString::number(nCodigoOrdem) + QStringLiteral(",'1/1',")
               + nValorTotal.sql() + QStringLiteral(",1,'") + hoje + QStringLiteral("',0) returning ncodigo");
        const qint64 conta = conexao.executeRetornando(cSQL).toLongLong();
        cSQL = QStringLiteral("insert into baixa_conta_receber values(null,") + QString::number(conta) + QLatin1Char(',')
               + valor_sql(Text2->text()) + QLatin1Char(',') + QString::number(Combo1->currentIndex())
               + QStringLiteral(",0,0,'I','") + texto_sql(Text4->toPlainText()) + QStringLiteral("','") + hoje
               + QStringLiteral("');");
        conexao.execute(cSQL);
    });
    if (gravou())
        emite_recibo_da_ordem(nCodigoOrdem);
}
