#include "comandosrelatorio.h"
#include "controlerelatorio.h"
#include "frmconsulta.h"
#include "frmselecionaperiodo.h"
#include "errosbanco.h"
#include "estabelecimento.h"
#include "datas.h"
#include "literaissql.h"
#include "sessao.h"
#include "motorrelatorio.h"

namespace {

QString periodo(const QString& data_base, const QString& data_teto)
{
    return QStringLiteral("Periodo= 'Periodo de ") + data_base + QStringLiteral(" a ") + data_teto + QLatin1Char('\'');
}

// The selection of a period on a date column, the dates as the period
// dialog gives them.
QString no_periodo(const QString& coluna, const QString& data_base, const QString& data_teto)
{
    return coluna + QStringLiteral(">=date('") + data_sql(data_base) + QStringLiteral("') and ") + coluna + QStringLiteral("<=date('") + data_teto
           + QStringLiteral("')");
}

// The last step of every run: the preview, unless only the control is wanted.
bool roda(ControleRelatorio& c, bool mostrar)
{
    if (mostrar)
        c.setAction(1);
    return true;
}

// 003, 004 and 009: the same period report on a different view and column.
bool relatorio_de_contas(const QString& arquivo, const QString& coluna, const QString& fim, const QString& data_base,
                         const QString& data_teto, bool mostrar)
{
    const std::optional<Estabelecimento> loja = le_estabelecimento(conexao);
    if (!loja)
        return false;
    ControleRelatorio& c = novo_relatorio(arquivo);
    c.Formulas[0] = formula(QStringLiteral("Nome_empresa"), loja->nome);
    c.Formulas[1] = periodo(data_base, data_teto);
    c.Formulas[2] = formula(QStringLiteral("Rodape"), loja->rodape);
    c.SelectionFormula = no_periodo(coluna, data_base, data_teto) + fim;
    return roda(c, mostrar);
}

// One total of report 007, the period's dates bound to the statement.
QString total(const QString& sql, const QVariantList& valores, const QString& coluna, bool dinheiro)
{
    Recordset rs(conexao);
    rs.abre(sql, valores);
    // an empty period sums nothing: no orders is R$ 0,00, not a blank
    return dinheiro ? rs.dinheiro(coluna).moeda() : rs.texto(coluna);
}

// A command that asks for a period, then runs with it.
void com_periodo(bool (*relatorio)(const QString&, const QString&, bool))
{
    QString data_base, data_teto;
    if (pede_periodo(data_base, data_teto))
        relatorio(data_base, data_teto, true);
}

} // namespace

bool relatorio_contas_receber(const QString& data_base, const QString& data_teto, bool mostrar)
{
    return relatorio_de_contas(QStringLiteral("003.rpt"), QStringLiteral("{view_contas_a_receber.vencimento}"), QStringLiteral("    "), data_base,
                        data_teto, mostrar);
}

bool relatorio_contas_recebidas(const QString& data_base, const QString& data_teto, bool mostrar)
{
    return relatorio_de_contas(QStringLiteral("004.rpt"), QStringLiteral("{view_contas_recebidas.data_baixa}"), QString(), data_base, data_teto, mostrar);
}

bool relatorio_recebimentos(const QString& data_base, const QString& data_teto, bool mostrar)
{
    // the money itself: partial and full write-offs dated in the period
    return relatorio_de_contas(QStringLiteral("009.rpt"), QStringLiteral("{baixa_conta_receber.ddata_baixa}"), QString(), data_base, data_teto, mostrar);
}

void menuRelContasReceber_Click() { com_periodo(relatorio_contas_receber); }

void menuRelContasRecebidas_Click() { com_periodo(relatorio_contas_recebidas); }

void menuRelRecebimentos_Click() { com_periodo(relatorio_recebimentos); }

void RelExtratoServicoTecnico_Click()
{
    QString data_base, data_teto;
    if (!pede_periodo(data_base, data_teto))
        return;
    const qint32 tecnico = consulta_codigo(QStringLiteral("Tecnicos"));
    if (tecnico != 0)
        relatorio_servico_tecnico(data_base, data_teto, tecnico);
}

bool relatorio_servico_tecnico(const QString& data_base, const QString& data_teto, qint32 tecnico, bool mostrar)
{
    const std::optional<Estabelecimento> loja = le_estabelecimento(conexao);
    if (!loja)
        return false;
    ControleRelatorio& c = novo_relatorio(QStringLiteral("006.rpt"));
    c.Formulas[1] = formula(QStringLiteral("NomeEmpresa"), loja->nome);
    c.Formulas[2] = periodo(data_base, data_teto);
    c.Formulas[3] = formula(QStringLiteral("Rodape"), loja->rodape);
    c.SelectionFormula = no_periodo(QStringLiteral("{servico_por_tecnico.data}"), data_base, data_teto)
                         + QStringLiteral(" and {servico_por_tecnico.codigo_tecnico}=") + QString::number(tecnico);
    return roda(c, mostrar);
}

void RelDemonstrativoFaturamento_Click() { com_periodo(relatorio_faturamento); }

bool relatorio_faturamento(const QString& data_base, const QString& data_teto, bool mostrar)
{
    const std::optional<Estabelecimento> loja = le_estabelecimento(conexao);
    if (!loja)
        return false;
    // an order still being filled (under the placeholder customer 1) counts nowhere
    const QString entre = QStringLiteral(" ordem.ncliente > 1 and ddata between ? and ?");
    const QVariantList datas{le_data(data_base), le_data(data_teto)};
    QString clientes, faturamento, manutencoes;
    try {
        clientes = total(QStringLiteral("select count(distinct ncliente) from ordem where") + entre, datas, QStringLiteral("Count"), false);
        faturamento = total(QStringLiteral("select sum(nvalor) from ordem where") + entre, datas, QStringLiteral("Sum"), true);
        manutencoes = total(QStringLiteral("select count(*) from ordem,item_ordem where nordem = ordem.ncodigo and") + entre, datas,
                            QStringLiteral("Count"), false);
    } catch (const ErroBanco& e) {
        trata_erro_banco(e); // no report with a missing total
        return false;
    }
    ControleRelatorio& c = novo_relatorio(QStringLiteral("007.rpt"));
    c.Formulas[0] = formula(QStringLiteral("Clientes"), clientes);
    c.Formulas[1] = formula(QStringLiteral("Faturamento"), faturamento);
    c.Formulas[2] = formula(QStringLiteral("Manutencoes"), manutencoes);
    c.Formulas[3] = formula(QStringLiteral("NomeEmpresa"), loja->nome);
    c.Formulas[4] = periodo(data_base, data_teto);
    c.Formulas[5] = formula(QStringLiteral("Rodape"), loja->rodape);
    return roda(c, mostrar);
}

void RelServicoCliente_Click()
{
    const qint32 cliente = consulta_codigo(QStringLiteral("Clientes"));
    if (cliente != 0)
        relatorio_servico_cliente(cliente);
}

bool relatorio_servico_cliente(qint32 cliente, bool mostrar)
{
    const std::optional<Estabelecimento> loja = le_estabelecimento(conexao);
    if (!loja)
        return false;
    ControleRelatorio& c = novo_relatorio(QStringLiteral("008.rpt"));
    c.Formulas[0] = formula(QStringLiteral("NomeEmpresa"), loja->nome);
    c.Formulas[1] = formula(QStringLiteral("Rodape"), loja->rodape);
    c.SelectionFormula = QStringLiteral("{servico_por_tecnico.codigo_cliente} = ") + QString::number(cliente);
    return roda(c, mostrar);
}
