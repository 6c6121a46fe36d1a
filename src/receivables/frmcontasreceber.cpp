#include "frmcontasreceber.h"
#include "datas.h"
#include "errosbanco.h"
#include "formularios.h"
#include "frmbaixacontasreceber.h"
#include "frmconsultaclientes.h"
#include "grade.h"
#include "mensagens.h"
#include "recibo.h"
#include "relogio.h"
#include "sessao.h"

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
                     LINHAS_MINIMAS, Carteira::AReceber)
{
    escolhaFiltro->addItem(QStringLiteral("Vencidas"));
    botaoBaixar = botao_de_linha(QStringLiteral("Realizar Baixa"), QStringLiteral("botaoBaixar"));
    botaoMostrarBaixas = botao_de_linha(QStringLiteral("Mostrar Baixas"), QStringLiteral("botaoMostrarBaixas"));
    botaoAlterarVencimento = botao_de_linha(QStringLiteral("Alterar venc."), QStringLiteral("botaoAlterarVencimento"));
    connect(botaoBaixar, &QPushButton::clicked, this, &FrmContasReceber::realiza_baixa);
    connect(botaoMostrarBaixas, &QPushButton::clicked, this, [this] { mostra_baixas(true); });
    connect(botaoAlterarVencimento, &QPushButton::clicked, this, &FrmContasReceber::muda_vencimento);
}

QVariantList FrmContasReceber::celulas_da_linha(const Recordset& rs) const
{
    // the values as read: the list formats them, the export writes amounts as numbers
    const ContaAReceber c = le_conta_a_receber(rs);
    return {c.codigo,
            c.cliente,
            c.vencimento,
            QVariant::fromValue(c.valor),
            c.codigo,
            c.parcela,
            QVariant::fromValue(c.pago),
            QVariant::fromValue(c.aberto())};
}

// An instalment due before today and still open is overdue, in every filter.
QString FrmContasReceber::aviso_da_linha(const Recordset& rs) const
{
    return le_conta_a_receber(rs).vencida(Relogio::hoje()) ? QStringLiteral("Vencida") : QString();
}

qint32 FrmContasReceber::escolhe_cliente_da_lista() { return escolhe_cliente(); }

void FrmContasReceber::apos_mostrar() { gradeLista->setFocus(); }

void FrmContasReceber::realiza_baixa()
{
    const qint32 conta = conta_atual();
    // the open value as the list read it, never its text read back
    const QVariant aberto = gradeLista->valor(gradeLista->linhaAtual(), ColunaAberto);
    if (conta == 0 || aberto.metaType() != QMetaType::fromType<Dinheiro>())
        return;
    if (const auto gravada = form<FrmBaixaContasReceber>().baixa(conta, aberto.value<Dinheiro>())) {
        mostra_dados();
        emite_recibo(*gravada);
    }
}

void FrmContasReceber::muda_vencimento()
{
    const qint32 conta = conta_atual();
    if (conta == 0)
        return;
    const auto resposta = mensagens().entrada(QStringLiteral("Informe a nova data de vencimento dessa parcela:"),
                                              QStringLiteral("Alteração do vencimento"), gradeLista->texto(gradeLista->linhaAtual(), ColunaVencimento));
    const QDate vencimento = resposta ? le_data(*resposta) : QDate();
    if (!vencimento.isValid())
        return;
    try {
        altera_vencimento(conexao, conta, vencimento);
    } catch (const ErroBanco& e) {
        trata_erro_banco(e);
        return;
    }
    mostra_dados();
}
