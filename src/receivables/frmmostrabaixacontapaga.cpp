#include "frmmostrabaixacontapaga.h"
#include "campos.h"
#include "dadosrecebiveis.h"
#include "errosbanco.h"
#include "formatos.h"
#include "formaspagamento.h"
#include "formularios.h"
#include "grade.h"
#include "mensagens.h"
#include "recibo.h"
#include "sessao.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QList<ColunaGrade> COLUNAS = {{QString(), 0, Qt::AlignCenter},
                                    {QStringLiteral("Data da baixa"), 100, Qt::AlignCenter},
                                    {QStringLiteral("Descontos"), 67, Qt::AlignCenter},
                                    {QStringLiteral("Acréscimos"), 73, Qt::AlignCenter},
                                    {QStringLiteral("Valor da baixa"), 100, Qt::AlignCenter},
                                    {QStringLiteral("Tipo da baixa"), 100, Qt::AlignCenter},
                                    {QStringLiteral("Forma de pagto"), 133, Qt::AlignLeft},
                                    {QStringLiteral("Obs"), 153, Qt::AlignLeft}};
} // namespace

FrmMostraBaixaContaPaga::FrmMostraBaixaContaPaga()
{
    setObjectName(QStringLiteral("FrmMostraBaixaContaPaga"));
    setWindowTitle(QStringLiteral("Baixas"));
    auto* v = new QVBoxLayout(this);
    v->addWidget(faixa_titulo(QStringLiteral("Baixas"), QStringLiteral("faixaTitulo"), this));
    gradeBaixas = new Grade(this);
    gradeBaixas->setObjectName(QStringLiteral("gradeBaixas"));
    gradeBaixas->setAccessibleName(QStringLiteral("Baixas"));
    gradeBaixas->defineColunas(COLUNAS);
    gradeBaixas->setMinimumSize(Grade::larguraDe(COLUNAS) + 40, 250);
    v->addWidget(gradeBaixas, 1);
    botaoExcluir = novo_botao(QStringLiteral("&Excluir"), QStringLiteral("botaoExcluir"), this);
    botaoRecibo = novo_botao(QStringLiteral("&Recibo"), QStringLiteral("botaoRecibo"), this);
    botaoSair = novo_botao(QStringLiteral("&Sair"), QStringLiteral("botaoSair"), this);
    v->addLayout(linha_de_botoes({botaoExcluir, botaoRecibo, botaoSair}));
    connect(botaoRecibo, &QPushButton::clicked, this, [this] {
        if (const QVariant baixa = gradeBaixas->codigo(gradeBaixas->linhaAtual()); baixa.isValid())
            emite_recibo(baixa.toInt());
    });
    connect(botaoExcluir, &QPushButton::clicked, this, &FrmMostraBaixaContaPaga::exclui);
    connect(botaoSair, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmMostraBaixaContaPaga::mostra(qint32 conta, bool podeExcluir, std::function<void()> aoExcluir)
{
    m_conta = conta;
    m_podeExcluir = podeExcluir;
    m_aoExcluir = std::move(aoExcluir);
    abre_modal(*this);
    m_aoExcluir = nullptr;
}

void FrmMostraBaixaContaPaga::ao_abrir_janela()
{
    botaoExcluir->setEnabled(m_podeExcluir);
    preenche();
    centraliza_form(this);
    gradeBaixas->setFocus();
}

void FrmMostraBaixaContaPaga::preenche()
{
    gradeBaixas->limpa(0);
    try {
        const QList<Baixa> baixas = baixas_da_conta(conexao, m_conta);
        gradeBaixas->defineNumeroLinhas(int(baixas.size()));
        const QStringList& formas = formas_pagamento();
        Grade::Carga carga(*gradeBaixas);
        for (int linha = 0; linha < baixas.size(); ++linha) {
            // the values as read: the list formats them
            const Baixa& b = baixas[linha];
            gradeBaixas->defineLinha(linha,
                                     {b.codigo, b.momento.date(), QVariant::fromValue(b.desconto), QVariant::fromValue(b.acrescimo),
                                      QVariant::fromValue(b.valor), descricao_baixa(b.tipo), formas.value(b.formaPagamento), b.observacao},
                                     b.codigo);
        }
    } catch (const ErroBanco& e) {
        trata_erro_banco(e);
    }
    // the window shows at least this many rows, its header counted
    if (gradeBaixas->linhas() < LINHAS_MINIMAS - 1)
        gradeBaixas->defineNumeroLinhas(LINHAS_MINIMAS - 1);
    gradeBaixas->defineLinhaAtual(0);
}

void FrmMostraBaixaContaPaga::exclui()
{
    const QVariant baixa = gradeBaixas->codigo(gradeBaixas->linhaAtual());
    if (!baixa.isValid() || !botaoExcluir->isEnabled())
        return;
    if (!mensagens().pergunta(QStringLiteral("Deseja realmente excluir essa baixa?")))
        return;
    try {
        exclui_baixa(conexao, baixa.toInt());
    } catch (const ErroBanco& e) {
        trata_erro_banco(e);
        return;
    }
    preenche();
    if (m_aoExcluir)
        m_aoExcluir();
}
