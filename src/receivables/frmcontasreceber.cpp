#include "frmcontasreceber.h"
#include "formularios.h"
#include "frmbaixacontasreceber.h"
#include "frmconsultaclientes.h"
#include "grade.h"
#include "mensagens.h"
#include "datas.h"
#include "errosbanco.h"
#include "legado.h"
#include "literaissql.h"
#include "sessao.h"
#include "recibo.h"
#include "relogio.h"

#include <QComboBox>
#include <QPushButton>

FrmContasReceber::FrmContasReceber()
    : FrmListaContas(QStringLiteral("FrmContasReceber"), QStringLiteral("Contas a receber"),
                     {{QStringLiteral("Codigo da conta"), 0, {}, QStringLiteral("codigo_conta")},
                      {QStringLiteral("Cliente"), 187, Qt::AlignLeft},
                      {QStringLiteral("Vencimento"), 80, Qt::AlignCenter},
                      {QStringLiteral("Valor original"), 100, Qt::AlignCenter},
                      {QStringLiteral("Numero docto"), 87, Qt::AlignCenter},
                      {QStringLiteral("Parcela"), 57, Qt::AlignCenter},
                      {QStringLiteral("Valor pago"), 100, Qt::AlignCenter},
                      {QStringLiteral("Total"), 100, Qt::AlignCenter}},
                     LINHAS_MINIMAS, QStringLiteral("valor_parcela - valor_pago"), QStringLiteral("view_contas_a_receber"), QStringLiteral("vencimento"))
{
    Combo1->addItem(QStringLiteral("Vencidas"));
    Command2 = botao_de_linha(QStringLiteral("Realizar Baixa"), QStringLiteral("Command2"));
    Command3 = botao_de_linha(QStringLiteral("Mostrar Baixas"), QStringLiteral("Command3"));
    Command6 = botao_de_linha(QStringLiteral("Alterar venc."), QStringLiteral("Command6"));
    connect(Command2, &QPushButton::clicked, this, &FrmContasReceber::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &FrmContasReceber::Command3_Click);
    connect(Command6, &QPushButton::clicked, this, &FrmContasReceber::Command6_Click);
}

QString FrmContasReceber::periodo(const QDate& de, const QDate& ate) const
{
    return QStringLiteral("vencimento between '") + data_sql(de.toString(QStringLiteral("dd/MM/yyyy"))) + QStringLiteral("' and '")
           + data_sql(ate.toString(QStringLiteral("dd/MM/yyyy"))) + QLatin1Char('\'');
}

QVariantList FrmContasReceber::celulas_da_linha(const Recordset& rs) const
{
    const Dinheiro valor = rs.dinheiro(QStringLiteral("valor_parcela"));
    const Dinheiro pago = rs.dinheiro(QStringLiteral("valor_pago"));
    const QString conta = rs.texto(QStringLiteral("codigo_conta"));
    return {conta,
            rs.texto(QStringLiteral("nome_cliente")),
            rs.data(QStringLiteral("vencimento")).toString(QStringLiteral("dd/MM/yyyy")),
            QVariant::fromValue(valor),
            conta,
            rs.texto(QStringLiteral("parcela")),
            QVariant::fromValue(pago),
            QVariant::fromValue(valor - pago)};
}

// An instalment due before today and still open is overdue, in every filter.
QString FrmContasReceber::aviso_da_linha(const Recordset& rs) const
{
    return rs.data(QStringLiteral("vencimento")) < Relogio::hoje() ? QStringLiteral("Vencida") : QString();
}

QString FrmContasReceber::filtro_proprio(int filtro) const
{
    if (filtro != Vencidas)
        return {};
    return QStringLiteral("vencimento < '") + data_sql(Relogio::hoje().toString(QStringLiteral("dd/MM/yyyy"))) + QLatin1Char('\'');
}

qint32 FrmContasReceber::escolhe_cliente_da_lista() { return escolhe_cliente(); }

void FrmContasReceber::apos_mostrar() { Grid1->setFocus(); }

void FrmContasReceber::Command2_Click()
{
    const qint32 conta = conta_atual();
    // the open value as the list read it, never its text read back
    const QVariant aberto = Grid1->valor(Grid1->linhaAtual(), COLUNA_ABERTO);
    if (conta == 0 || aberto.metaType() != QMetaType::fromType<Dinheiro>())
        return;
    FrmBaixaContasReceber& f = form<FrmBaixaContasReceber>();
    f.nCodigoConta = conta;
    f.nValorAtual = aberto.value<Dinheiro>();
    if (abre_modal(f) == QDialog::Accepted) {
        mostra_dados();
        emite_recibo(f.baixaGravada());
    }
}

void FrmContasReceber::Command3_Click() { mostra_baixas(QStringLiteral("A receber")); }

void FrmContasReceber::Command6_Click()
{
    const qint32 conta = conta_atual();
    if (conta == 0)
        return;
    const auto resposta = mensagens().entrada(QStringLiteral("Informe a nova data de vencimento dessa parcela:"),
                                              QStringLiteral("Alteração do vencimento"), Grid1->textMatrix(Grid1->row(), 2));
    if (!resposta || !le_data(*resposta).isValid())
        return;
    try {
        cSQL = QStringLiteral("update conta_receber set dvencimento = '") + data_sql(*resposta)
               + QStringLiteral("' where ncodigo = ") + QString::number(conta);
        conexao.execute(cSQL);
    } catch (const ErroBanco& e) {
        trata_erro_banco(e);
        return;
    }
    mostra_dados();
}
