#include "frmcontasrecebidas.h"
#include "formularios.h"
#include "frmconsulta.h"
#include "grade.h"
#include "mensagens.h"
#include "errosbanco.h"
#include "literaissql.h"
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
                     LINHAS_MINIMAS, QStringLiteral("total"), QStringLiteral("view_contas_recebidas"), QStringLiteral("data_baixa"))
{
    Command2 = botao_de_linha(QStringLiteral("&Abrir conta"), QStringLiteral("Command2"));
    Command3 = botao_de_linha(QStringLiteral("&Mostrar Baixas"), QStringLiteral("Command3"));
    connect(Command2, &QPushButton::clicked, this, &FrmContasRecebidas::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &FrmContasRecebidas::Command3_Click);
}

QString FrmContasRecebidas::periodo(const QDate& de, const QDate& ate) const
{
    // the period runs to the end of its last day: up to (not including)
    // the first moment of the day after
    return QStringLiteral("data_baixa >= '") + data_sql(de.toString(QStringLiteral("dd/MM/yyyy")))
           + QStringLiteral(" 00:00:00.000' and data_baixa < '") + data_sql(ate.addDays(1).toString(QStringLiteral("dd/MM/yyyy")))
           + QStringLiteral(" 00:00:00.000'");
}

QVariantList FrmContasRecebidas::celulas_da_linha(const Recordset& rs) const
{
    const QString conta = rs.texto(QStringLiteral("codigo_conta"));
    return {conta,
            rs.texto(QStringLiteral("codigo_cliente")),
            rs.texto(QStringLiteral("nome_cliente")),
            rs.data(QStringLiteral("vencimento")).toString(QStringLiteral("dd/MM/yyyy")),
            QVariant::fromValue(rs.dinheiro(QStringLiteral("valor_parcela"))),
            conta,
            rs.texto(QStringLiteral("parcela")),
            QVariant::fromValue(rs.dinheiro(QStringLiteral("total"))),
            rs.data(QStringLiteral("Data_Baixa")).toString(QStringLiteral("dd/MM/yyyy")),
            rs.texto(QStringLiteral("codigo_entrada"))};
}

qint32 FrmContasRecebidas::escolhe_cliente_da_lista() { return consulta_codigo(QStringLiteral("Clientes")); }

void FrmContasRecebidas::Command3_Click() { mostra_baixas(QStringLiteral("pagas")); }

void FrmContasRecebidas::Command2_Click()
{
    const qint32 conta = conta_atual();
    if (conta == 0 || !mensagens().pergunta(QStringLiteral("Deseja tornar essa parcela pendente novamente?")))
        return;
    // its integral write-offs go, its partial ones stay; both or neither
    if (!em_transacao(Operacao::Reabertura, {QStringLiteral("delete from baixa_conta_receber where nconta_receber = ") + QString::number(conta)
                           + QStringLiteral(" and ctipo_baixa = 'I' "),
                       QStringLiteral("update conta_receber set npago = 0 where ncodigo=") + QString::number(conta)}))
        return;
    informa(QStringLiteral("O processo de abertura foi concluído com sucesso!"));
    mostra_dados();
}
