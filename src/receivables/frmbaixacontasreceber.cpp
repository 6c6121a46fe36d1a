#include "frmbaixacontasreceber.h"
#include "campos.h"
#include "filtroteclas.h"
#include "formaspagamento.h"
#include "mensagens.h"
#include "errosbanco.h"
#include "formatos.h"
#include "legado.h"
#include "literaissql.h"
#include "sessao.h"
#include "relogio.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

FrmBaixaContasReceber::FrmBaixaContasReceber()
{
    setObjectName(QStringLiteral("FrmBaixaContasReceber"));
    setWindowTitle(QStringLiteral("Baixa de contas a receber"));
    auto* v = new QVBoxLayout(this);
    v->addWidget(faixa_titulo(QStringLiteral("Baixa de contas a receber"), QStringLiteral("Label14"), this));
    auto* g = new QGridLayout;
    DTPicker2 = novo_seletor_data(this, QStringLiteral("DTPicker2"));
    g->addWidget(novo_rotulo(QStringLiteral("Data da Baixa"), DTPicker2, this), 0, 0);
    g->addWidget(DTPicker2, 0, 1, Qt::AlignLeft);
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->addItems({QStringLiteral("Integral"), QStringLiteral("Parcial")});
    g->addWidget(novo_rotulo(QStringLiteral("Tipo da baixa"), Combo1, this), 1, 0);
    g->addWidget(Combo1, 1, 1, Qt::AlignLeft);
    Text3 = linha_campo(g, 2, 0, QStringLiteral("Valor atual"), QStringLiteral("Text3"), Dinheiro::LARGURA_MOEDA);
    Text3->setAlignment(Qt::AlignRight);
    Text3->setReadOnly(true);
    Text1 = linha_campo(g, 3, 0, QStringLiteral("Valor"), QStringLiteral("Text1"), 20, true);
    Text1->setAlignment(Qt::AlignRight);
    seleciona_ao_entrar(Text1);
    Combo2 = new QComboBox(this);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    Combo2->addItems(formas_pagamento());
    g->addWidget(novo_rotulo(QStringLiteral("Forma Pagto"), Combo2, this), 4, 0);
    g->addWidget(Combo2, 4, 1, Qt::AlignLeft);
    Text2 = linha_campo(g, 5, 0, QStringLiteral("Obs"), QStringLiteral("Text2"), 100);
    Text2->setMinimumWidth(300);
    v->addLayout(g);

    CmdOk = novo_botao(QStringLiteral("&Gravar"), QStringLiteral("CmdOk"), this);
    CmdSair = novo_botao(QStringLiteral("&Sair"), QStringLiteral("CmdSair"), this);
    v->addLayout(linha_de_botoes({CmdOk, CmdSair}));
    connect(CmdOk, &QPushButton::clicked, this, &FrmBaixaContasReceber::CmdOk_Click);
    connect(CmdSair, &QPushButton::clicked, this, &QDialog::reject);

    m_teclas = new FiltroTeclas(this);
    m_teclas->botaoF5(CmdOk);
    m_teclas->tipoCampo(Text1, CampoDinheiro);
}

void FrmBaixaContasReceber::ao_abrir_janela()
{
    m_teclas->instala();
    DTPicker2->setDate(Relogio::hoje());
    Combo1->setCurrentIndex(0);
    Combo2->setCurrentIndex(0);
    Text3->setText(nValorAtual.moeda());
    Text1->setText(nValorAtual.moeda());
    Text2->clear();
    centraliza_form(this);
    Text1->setFocus();
}

std::optional<Dinheiro> FrmBaixaContasReceber::le_valor_aberto()
{
    const QString conta = QString::number(nCodigoConta);
    rsAux.abre(QStringLiteral("select npago, nvalor_parcela from conta_receber where ncodigo = ") + conta
               + QStringLiteral(" with lock"));
    const bool aberta = rsAux.recordCount() > 0 && rsAux.inteiro(QStringLiteral("npago")) == 0;
    const Dinheiro valor = rsAux.dinheiro(QStringLiteral("nvalor_parcela"));
    rsAux.fecha();
    if (!aberta)
        return std::nullopt;
    rsAux.abre(QStringLiteral("select coalesce(sum(nvalor_baixa),0) as pago from baixa_conta_receber where nconta_receber = ")
               + conta);
    const Dinheiro pago = rsAux.dinheiro(QStringLiteral("pago"));
    rsAux.fecha();
    return valor - pago;
}

void FrmBaixaContasReceber::CmdOk_Click()
{
    if (!verifica_obrigatorios(this))
        return;
    const auto lido = le_valor_campo(Text1); // a button pressed by its key may not have left the box
    if (!lido)
        return; // the notice of the field asked for a valid amount
    const bool integral = Combo1->currentIndex() == 0;
    const Dinheiro valor = *lido, mostrado = nValorAtual;
    if (valor == Dinheiro()) {
        informa(QStringLiteral("O valor da baixa deve ser maior que zero!"));
        return;
    }
    if (!integral && valor >= mostrado) {
        informa(QStringLiteral("O valor da baixa parcial deve ser menor que o valor atual da parcela!"));
        return;
    }
    // an integral write-off settles the instalment: what was not received
    // is a discount, what was received above it a surcharge
    const Dinheiro desconto = integral && valor < mostrado ? mostrado - valor : Dinheiro();
    const Dinheiro acrescimo = integral && valor > mostrado ? valor - mostrado : Dinheiro();
    if (desconto > Dinheiro()
        && !mensagens().pergunta(QStringLiteral("O valor recebido (%1) é menor que o valor atual da parcela (%2). "
                                                "Deseja baixar a parcela com um desconto de %3?")
                                     .arg(valor.moeda(), mostrado.moeda(), desconto.moeda())))
        return;
    if (acrescimo > Dinheiro()
        && !mensagens().pergunta(QStringLiteral("O valor recebido (%1) é maior que o valor atual da parcela (%2). "
                                                "Deseja baixar a parcela com um acréscimo de %3?")
                                     .arg(valor.moeda(), mostrado.moeda(), acrescimo.moeda())))
        return;
    const QString conta = QString::number(nCodigoConta);
    enum { Gravou, Mudou, Fechada } resultado = Gravou;
    Dinheiro novo;
    try {
        conexao.unidade(Operacao::Baixa, [&] {
            resultado = Gravou;
            m_baixa = 0; // a step run again after a conflict starts afresh
            const std::optional<Dinheiro> aberto = le_valor_aberto();
            if (!aberto) {
                resultado = Fechada;
            } else if (*aberto != mostrado) {
                // another station paid on it meanwhile: the amounts asked
                // about no longer hold
                resultado = Mudou;
                novo = *aberto;
            } else {
                if (integral) {
                    cSQL = QStringLiteral(" update conta_receber set npago=1 where ncodigo = ") + conta;
                    conexao.execute(cSQL);
                }
                // the chosen day with the time of the save
                cSQL = QStringLiteral("insert into baixa_conta_receber values(null,") + conta + QLatin1Char(',') + valor.sql()
                       + QLatin1Char(',') + QString::number(Combo2->currentIndex()) + QLatin1Char(',') + desconto.sql()
                       + QLatin1Char(',') + acrescimo.sql() + QStringLiteral(",'") + (integral ? QStringLiteral("I") : QStringLiteral("P"))
                       + QStringLiteral("','") + texto_sql(Text2->text()) + QStringLiteral("','")
                       + data_sql(DTPicker2->date().toString(QStringLiteral("dd/MM/yyyy"))) + QLatin1Char(' ')
                       + Relogio::agora().toString(QStringLiteral("HH:mm:ss")) + QStringLiteral("') returning ncodigo");
                m_baixa = conexao.executeRetornando(cSQL).toInt();
            }
        });
    } catch (const ErroBanco& e) {
        rsAux.fecha();
        trata_erro_banco(e); // nothing written; the form stays open as it was
        return;
    }
    if (resultado == Mudou) {
        nValorAtual = novo;
        Text3->setText(novo.moeda());
        if (valor == mostrado) // the proposed amount follows; one the user typed stays
            Text1->setText(novo.moeda());
        informa(QStringLiteral("O valor atual da parcela mudou de %1 para %2: outra estação registrou um pagamento nela. "
                               "Nada foi gravado; confira o valor e grave de novo.")
                    .arg(mostrado.moeda(), novo.moeda()));
        return;
    }
    if (resultado == Fechada)
        informa(QStringLiteral("Esta parcela não está mais em aberto: pode ter sido baixada em outra estação. A lista será atualizada."));
    accept();
}
