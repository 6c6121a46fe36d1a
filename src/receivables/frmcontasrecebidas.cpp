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
                      {QStringLiteral("Cliente"), 213, Qt::AlignLeft},
                      {QStringLiteral("Vencimento"), 77, Qt::AlignCenter},
                      {QStringLiteral("Valor original"), 82, Qt::AlignCenter},
                      {QStringLiteral("Numero docto"), 89, Qt::AlignCenter},
                      {QStringLiteral("Parcela"), 53, Qt::AlignCenter},
                      {QStringLiteral("Valor pago"), 100, Qt::AlignCenter},
                      {QStringLiteral("Liquidação"), 100, Qt::AlignCenter},
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
    return {c.codigo,
            c.codigoCliente,
            c.cliente,
            c.vencimento,
            QVariant::fromValue(c.valor),
            c.codigo,
            c.parcela,
            QVariant::fromValue(c.recebido),
            c.liquidacao,
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
