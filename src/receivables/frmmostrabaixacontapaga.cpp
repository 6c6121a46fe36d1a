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
                                    {QStringLiteral("Data da baixa"), 1500, Qt::AlignCenter},
                                    {QStringLiteral("Descontos"), 1000, Qt::AlignCenter},
                                    {QStringLiteral("Acréscimos"), 1100, Qt::AlignCenter},
                                    {QStringLiteral("Valor da baixa"), 1500, Qt::AlignCenter},
                                    {QStringLiteral("Tipo da baixa"), 1500, Qt::AlignCenter},
                                    {QStringLiteral("Forma de pagto"), 2000, Qt::AlignLeft},
                                    {QStringLiteral("Obs"), 2300, Qt::AlignLeft}};
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
    gradeBaixas->setCols(8);
    gradeBaixas->setMinimumSize(10900 / 15 + 40, 250);
    v->addWidget(gradeBaixas, 1);
    botaoExcluir = novo_botao(QStringLiteral("&Excluir"), QStringLiteral("botaoExcluir"), this);
    botaoRecibo = novo_botao(QStringLiteral("&Recibo"), QStringLiteral("botaoRecibo"), this);
    botaoSair = novo_botao(QStringLiteral("&Sair"), QStringLiteral("botaoSair"), this);
    v->addLayout(linha_de_botoes({botaoExcluir, botaoRecibo, botaoSair}));
    connect(botaoRecibo, &QPushButton::clicked, this, [this] {
        const int linha = gradeBaixas->row();
        if (linha >= 1)
            emite_recibo(gradeBaixas->textMatrix(linha, 0).toInt());
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
    gradeBaixas->defineColunas(COLUNAS);
    try {
        const QList<Baixa> baixas = baixas_da_conta(conexao, m_conta);
        gradeBaixas->setRows(int(baixas.size()) + 1);
        const QStringList& formas = formas_pagamento();
        Grade::Carga carga(*gradeBaixas);
        int linha = 1;
        for (const Baixa& b : baixas) {
            // the amounts kept as read behind their cells
            const QVariant celulas[] = {QString::number(b.codigo),
                                        b.momento.date().toString(QStringLiteral("dd/MM/yyyy")),
                                        QVariant::fromValue(b.desconto),
                                        QVariant::fromValue(b.acrescimo),
                                        QVariant::fromValue(b.valor),
                                        descricao_baixa(b.tipo),
                                        formas.value(b.formaPagamento),
                                        b.observacao};
            for (int c = 0; c < 8; ++c)
                gradeBaixas->defineCelula(linha, c, celulas[c]);
            ++linha;
        }
    } catch (const ErroBanco& e) {
        trata_erro_banco(e);
    }
    if (gradeBaixas->rows() < LINHAS_MINIMAS)
        gradeBaixas->setRows(LINHAS_MINIMAS);
    gradeBaixas->setRow(1);
}

void FrmMostraBaixaContaPaga::exclui()
{
    const int linha = gradeBaixas->row();
    const QString baixa = linha >= 1 ? gradeBaixas->textMatrix(linha, 0) : QString();
    if (baixa.isEmpty() || !botaoExcluir->isEnabled())
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
