#include "frmbaixacontasreceber.h"
#include "baixa.h"
#include "campos.h"
#include "dadosrecebiveis.h"
#include "errosbanco.h"
#include "filtroteclas.h"
#include "formaspagamento.h"
#include "formatos.h"
#include "formularios.h"
#include "mensagens.h"
#include "relogio.h"
#include "sessao.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FrmBaixaContasReceber::FrmBaixaContasReceber()
{
    setObjectName(QStringLiteral("FrmBaixaContasReceber"));
    setWindowTitle(QStringLiteral("Baixa de contas a receber"));
    auto* v = new QVBoxLayout(this);
    v->addWidget(faixa_titulo(QStringLiteral("Baixa de contas a receber"), QStringLiteral("faixaTitulo"), this));
    auto* g = new QGridLayout;
    dataBaixa = novo_seletor_data(this, QStringLiteral("dataBaixa"));
    g->addWidget(novo_rotulo(QStringLiteral("Data da Baixa"), dataBaixa, this), 0, 0);
    g->addWidget(dataBaixa, 0, 1, Qt::AlignLeft);
    escolhaTipo = new QComboBox(this);
    escolhaTipo->setObjectName(QStringLiteral("escolhaTipo"));
    escolhaTipo->addItems({descricao_baixa(TipoBaixa::Integral), descricao_baixa(TipoBaixa::Parcial)});
    g->addWidget(novo_rotulo(QStringLiteral("Tipo da baixa"), escolhaTipo, this), 1, 0);
    g->addWidget(escolhaTipo, 1, 1, Qt::AlignLeft);
    caixaValorAtual = linha_campo(g, 2, 0, QStringLiteral("Valor atual"), QStringLiteral("caixaValorAtual"), Dinheiro::LARGURA_MOEDA);
    caixaValorAtual->setAlignment(Qt::AlignRight);
    caixaValorAtual->setReadOnly(true);
    caixaValor = linha_campo(g, 3, 0, QStringLiteral("Valor"), QStringLiteral("caixaValor"), 20, true);
    caixaValor->setAlignment(Qt::AlignRight);
    seleciona_ao_entrar(caixaValor);
    escolhaFormaPagamento = new QComboBox(this);
    escolhaFormaPagamento->setObjectName(QStringLiteral("escolhaFormaPagamento"));
    escolhaFormaPagamento->addItems(formas_pagamento());
    g->addWidget(novo_rotulo(QStringLiteral("Forma Pagto"), escolhaFormaPagamento, this), 4, 0);
    g->addWidget(escolhaFormaPagamento, 4, 1, Qt::AlignLeft);
    caixaObservacao = linha_campo(g, 5, 0, QStringLiteral("Obs"), QStringLiteral("caixaObservacao"), 100);
    caixaObservacao->setMinimumWidth(300);
    v->addLayout(g);

    botaoGravar = novo_botao(QStringLiteral("&Gravar"), QStringLiteral("botaoGravar"), this);
    botaoSair = novo_botao(QStringLiteral("&Sair"), QStringLiteral("botaoSair"), this);
    v->addLayout(linha_de_botoes({botaoGravar, botaoSair}));
    connect(botaoGravar, &QPushButton::clicked, this, &FrmBaixaContasReceber::grava);
    connect(botaoSair, &QPushButton::clicked, this, &QDialog::reject);

    m_teclas = new FiltroTeclas(this);
    m_teclas->botaoF5(botaoGravar);
    m_teclas->tipoCampo(caixaValor, CampoDinheiro);
}

void FrmBaixaContasReceber::prepara(qint32 conta, const Dinheiro& aberto)
{
    m_conta = conta;
    m_aberto = aberto;
    m_resultado.reset();
}

std::optional<qint32> FrmBaixaContasReceber::baixa(qint32 conta, const Dinheiro& aberto)
{
    prepara(conta, aberto);
    if (abre_modal(*this) != QDialog::Accepted)
        return std::nullopt;
    return m_resultado;
}

void FrmBaixaContasReceber::ao_abrir_janela()
{
    m_teclas->instala();
    dataBaixa->setDate(Relogio::hoje());
    escolhaTipo->setCurrentIndex(int(TipoBaixa::Integral));
    escolhaFormaPagamento->setCurrentIndex(0);
    caixaValorAtual->setText(m_aberto.moeda());
    caixaValor->setText(m_aberto.moeda());
    caixaObservacao->clear();
    centraliza_form(this);
    caixaValor->setFocus();
}

void FrmBaixaContasReceber::grava()
{
    if (!verifica_obrigatorios(this))
        return;
    const auto lido = le_valor_campo(caixaValor); // a button pressed by its key may not have left the box
    if (!lido)
        return; // the notice of the field asked for a valid amount
    const Dinheiro mostrado = m_aberto;
    const RegraBaixa regra = avalia_baixa(TipoBaixa(escolhaTipo->currentIndex()), *lido, mostrado);
    if (!regra.aceita()) {
        informa(regra.recusa);
        return;
    }
    if (const QString pergunta = regra.pergunta(); !pergunta.isEmpty() && !mensagens().pergunta(pergunta))
        return;
    // the chosen day with the time of the save, to the second
    const QTime agora = Relogio::agora();
    const Baixa baixa = baixa_de(regra, m_conta, QDateTime(dataBaixa->date(), QTime(agora.hour(), agora.minute(), agora.second())),
                                 escolhaFormaPagamento->currentIndex(), caixaObservacao->text());
    GravacaoBaixa gravacao;
    try {
        gravacao = grava_baixa(conexao, baixa, mostrado);
    } catch (const ErroBanco& e) {
        trata_erro_banco(e); // nothing written; the form stays open as it was
        return;
    }
    switch (gravacao.situacao) {
    case GravacaoBaixa::ValorMudou:
        m_aberto = gravacao.aberto;
        caixaValorAtual->setText(m_aberto.moeda());
        if (regra.valor == mostrado) // the proposed amount follows; one the user typed stays
            caixaValor->setText(m_aberto.moeda());
        informa(QStringLiteral("O valor atual da parcela mudou de %1 para %2: outra estação registrou um pagamento nela. "
                               "Nada foi gravado; confira o valor e grave de novo.")
                    .arg(mostrado.moeda(), m_aberto.moeda()));
        return;
    case GravacaoBaixa::ContaFechada:
        informa(QStringLiteral("Esta parcela não está mais em aberto: pode ter sido baixada em outra estação. A lista será atualizada."));
        m_resultado = 0;
        break;
    case GravacaoBaixa::Gravada:
        m_resultado = gravacao.baixa;
        break;
    }
    accept();
}
