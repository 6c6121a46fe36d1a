#include "frmcontasrecebidas.h"
#include "errosbanco.h"
#include "frmconsulta.h"
#include "mensagens.h"
#include "sessao.h"

#include <QPushButton>

FrmContasRecebidas::FrmContasRecebidas()
    : FrmListaContas(QStringLiteral("FrmContasRecebidas"), QStringLiteral("Contas recebidas"),
                     {{QStringLiteral("Codigo da conta"), 0, {}, QStringLiteral("codigo_conta")},
                      {QStringLiteral("Codigo do cliente"), 0, {}},
                      {QStringLiteral("Cliente"), 3200, Qt::AlignLeft},
                      {QStringLiteral("Vencimento"), 1150, Qt::AlignCenter},
                      {QStringLiteral("Valor original"), 1230, Qt::AlignCenter},
                      {QStringLiteral("Numero docto"), 1330, Qt::AlignCenter},
                      {QStringLiteral("Parcela"), 800, Qt::AlignCenter},
                      {QStringLiteral("Valor pago"), 1500, Qt::AlignCenter},
                      {QStringLiteral("Liquidação"), 1500, Qt::AlignCenter},
                      {QStringLiteral("Codigo da compra ou da entrada"), 0, {}}},
                     LINHAS_MINIMAS, Carteira::Recebidas)
{
    botaoAbrirConta = botao_de_linha(QStringLiteral("&Abrir conta"), QStringLiteral("botaoAbrirConta"));
    botaoMostrarBaixas = botao_de_linha(QStringLiteral("&Mostrar Baixas"), QStringLiteral("botaoMostrarBaixas"));
    connect(botaoAbrirConta, &QPushButton::clicked, this, &FrmContasRecebidas::abre_conta);
    connect(botaoMostrarBaixas, &QPushButton::clicked, this, [this] { mostra_baixas(false); });
}

QVariantList FrmContasRecebidas::celulas_da_linha(const Recordset& rs) const
{
    const ContaRecebida c = le_conta_recebida(rs);
    const QString conta = QString::number(c.codigo);
    return {conta,
            QString::number(c.codigoCliente),
            c.cliente,
            c.vencimento.toString(QStringLiteral("dd/MM/yyyy")),
            QVariant::fromValue(c.valor),
            conta,
            c.parcela,
            QVariant::fromValue(c.recebido),
            c.liquidacao.toString(QStringLiteral("dd/MM/yyyy")),
            c.entrada};
}

qint32 FrmContasRecebidas::escolhe_cliente_da_lista() { return consulta_codigo(QStringLiteral("Clientes")); }

void FrmContasRecebidas::abre_conta()
{
    const qint32 conta = conta_atual();
    if (conta == 0 || !mensagens().pergunta(QStringLiteral("Deseja tornar essa parcela pendente novamente?")))
        return;
    try {
        reabre_conta(conexao, conta);
    } catch (const ErroBanco& e) {
        trata_erro_banco(e);
        return;
    }
    informa(QStringLiteral("O processo de abertura foi concluído com sucesso!"));
    mostra_dados();
}
