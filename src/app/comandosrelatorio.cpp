#include "comandosrelatorio.h"
#include "controlerelatorio.h"
#include "frmconsulta.h"
#include "frmselecionaperiodo.h"
#include "modulo1.h"
#include "motorrelatorio.h"

namespace {

QString campo(const QString& nome, const QString& valor) { return nome + QStringLiteral("='") + valor + QLatin1Char('\''); }

QString periodo(const QString& data_base, const QString& data_teto)
{
    return QStringLiteral("Periodo= 'Periodo de ") + data_base + QStringLiteral(" a ") + data_teto + QLatin1Char('\'');
}

// The first steps of every run: reset and the report file.
ControleRelatorio& prepara(const QString& arquivo)
{
    limpa_relatorio();
    ControleRelatorio& c = cr();
    c.ReportFileName = arquivo_relatorio(arquivo);
    return c;
}

// 003, 004 and 009: the same period report on a different view and column.
void relatorio_de_contas(const QString& arquivo, const QString& coluna, const QString& fim)
{
    QString data_base, data_teto;
    if (!pede_periodo(data_base, data_teto))
        return;
    ControleRelatorio& c = prepara(arquivo);
    c.Formulas[0] = campo(QStringLiteral("Nome_empresa"), cNomeEmpresa);
    c.Formulas[1] = periodo(data_base, data_teto);
    c.Formulas[2] = campo(QStringLiteral("Rodape"), cRodape);
    c.SelectionFormula = coluna + QStringLiteral(">=date('") + data_sql(data_base) + QStringLiteral("') and ") + coluna
                         + QStringLiteral("<=date('") + data_teto + QStringLiteral("')") + fim;
    c.setAction(1);
}

// One total of report 007 on the first shared record set.
QString total(const QString& sql, const QString& coluna, bool dinheiro)
{
    cSQL = sql;
    rsDados.abre(cSQL);
    // an empty period sums nothing: no orders is R$ 0,00, not a blank
    const QString r = dinheiro ? rsDados.dinheiro(coluna).moeda() : rsDados.texto(coluna);
    rsDados.fecha();
    return r;
}

} // namespace

void menuRelContasReceber_Click()
{
    relatorio_de_contas(QStringLiteral("003.rpt"), QStringLiteral("{view_contas_a_receber.vencimento}"), QStringLiteral("    "));
}

void menuRelContasRecebidas_Click()
{
    relatorio_de_contas(QStringLiteral("004.rpt"), QStringLiteral("{view_contas_recebidas.data_baixa}"), QString());
}

void menuRelRecebimentos_Click()
{
    // the money itself: partial and full write-offs dated in the period
    relatorio_de_contas(QStringLiteral("009.rpt"), QStringLiteral("{baixa_conta_receber.ddata_baixa}"), QString());
}

void RelExtratoServicoTecnico_Click()
{
    QString data_base, data_teto;
    if (!pede_periodo(data_base, data_teto))
        return;
    const qint32 tecnico = consulta_codigo(QStringLiteral("Tecnicos"));
    if (tecnico == 0)
        return;
    ControleRelatorio& c = prepara(QStringLiteral("006.rpt"));
    c.Formulas[1] = campo(QStringLiteral("NomeEmpresa"), cNomeEmpresa);
    c.Formulas[2] = periodo(data_base, data_teto);
    c.Formulas[3] = campo(QStringLiteral("Rodape"), cRodape);
    c.SelectionFormula = QStringLiteral("{servico_por_tecnico.data}>=date('") + data_sql(data_base)
                         + QStringLiteral("') and {servico_por_tecnico.data}<=date('") + data_teto
                         + QStringLiteral("') and {servico_por_tecnico.codigo_tecnico}=") + QString::number(tecnico);
    c.setAction(1);
}

void RelDemonstrativoFaturamento_Click()
{
    QString data_base, data_teto;
    if (!pede_periodo(data_base, data_teto))
        return;
    ControleRelatorio& c = prepara(QStringLiteral("007.rpt"));
    // an order still being filled (under the placeholder customer 1) counts nowhere
    const QString entre = QStringLiteral(" ordem.ncliente > 1 and ddata between '") + data_sql(data_base) + QStringLiteral("' and '") + data_sql(data_teto) + QLatin1Char('\'');
    try {
        c.Formulas[0] = campo(QStringLiteral("Clientes"), total(QStringLiteral("select count(distinct ncliente) from ordem where") + entre,
                                                               QStringLiteral("Count"), false));
        c.Formulas[1] = campo(QStringLiteral("Faturamento"), total(QStringLiteral("select sum(nvalor) from ordem where") + entre,
                                                                  QStringLiteral("Sum"), true));
        c.Formulas[2] = campo(QStringLiteral("Manutencoes"),
                              total(QStringLiteral("select count(*) from ordem,item_ordem where nordem = ordem.ncodigo and") + entre,
                                    QStringLiteral("Count"), false));
    } catch (const ErroBanco& e) {
        rsDados.fecha();
        trata_erro_banco(e); // no report with a missing total
        return;
    }
    c.Formulas[3] = campo(QStringLiteral("NomeEmpresa"), cNomeEmpresa);
    c.Formulas[4] = periodo(data_base, data_teto);
    c.Formulas[5] = campo(QStringLiteral("Rodape"), cRodape);
    c.setAction(1);
}

void RelServicoCliente_Click()
{
    const qint32 cliente = consulta_codigo(QStringLiteral("Clientes"));
    if (cliente == 0)
        return;
    ControleRelatorio& c = prepara(QStringLiteral("008.rpt"));
    c.Formulas[0] = campo(QStringLiteral("NomeEmpresa"), cNomeEmpresa);
    c.Formulas[1] = campo(QStringLiteral("Rodape"), cRodape);
    c.SelectionFormula = QStringLiteral("{servico_por_tecnico.codigo_cliente} = ") + QString::number(cliente);
    c.setAction(1);
}
