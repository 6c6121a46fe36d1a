#include "comandosrelatorio.h"
#include "controlerelatorio.h"
#include "errosbanco.h"
#include "estabelecimento.h"
#include "formularios.h"
#include "frmconsulta.h"
#include "frmselecionaperiodo.h"
#include "motorrelatorio.h"
#include "sessao.h"

namespace {

QString dia(const QDate& d) { return d.toString(QStringLiteral("dd/MM/yyyy")); }

QString texto_periodo(const Periodo& p)
{
    return QStringLiteral("Periodo= 'Periodo de ") + dia(p.inicio) + QStringLiteral(" a ") + dia(p.fim) + QLatin1Char('\'');
}

// The selection of a period on a date column, as the reports have always
// written it: the start as yyyy-mm-dd, the end as dd/mm/yyyy (the report
// reads both and binds them).
QString no_periodo(const QString& coluna, const Periodo& p)
{
    return coluna + QStringLiteral(">=date('") + p.inicio.toString(Qt::ISODate) + QStringLiteral("') and ") + coluna + QStringLiteral("<=date('")
           + dia(p.fim) + QStringLiteral("')");
}

// The last step of every run: the preview, unless only the control is wanted.
bool roda(ControleRelatorio& c, bool mostrar)
{
    if (mostrar)
        c.setAction(1);
    return true;
}

// 003, 004 and 009: the same period report on a different view and column.
bool relatorio_de_contas(const QString& arquivo, const QString& coluna, const QString& fim, const Periodo& p, bool mostrar)
{
    const std::optional<Estabelecimento> loja = le_estabelecimento(conexao);
    if (!loja)
        return false;
    ControleRelatorio& c = novo_relatorio(arquivo);
    c.Formulas[0] = formula(QStringLiteral("Nome_empresa"), loja->nome);
    c.Formulas[1] = texto_periodo(p);
    c.Formulas[2] = formula(QStringLiteral("Rodape"), loja->rodape);
    c.SelectionFormula = no_periodo(coluna, p) + fim;
    return roda(c, mostrar);
}

// One total of report 007, the period's days bound to the statement.
QString total(const QString& sql, const Periodo& p, const QString& coluna, bool dinheiro)
{
    Recordset rs(conexao);
    rs.abre(sql, {p.inicio, p.fim});
    // an empty period sums nothing: no orders is R$ 0,00, not a blank
    return dinheiro ? rs.dinheiro(coluna).moeda() : rs.texto(coluna);
}

// A command that asks for a period, then runs with it.
void com_periodo(bool (*relatorio)(const Periodo&, bool))
{
    if (const std::optional<Periodo> p = form<FrmSelecionaPeriodo>().escolhe())
        relatorio(*p, true);
}

} // namespace

bool relatorio_contas_receber(const Periodo& p, bool mostrar)
{
    return relatorio_de_contas(QStringLiteral("003.rpt"), QStringLiteral("{view_contas_a_receber.vencimento}"), QStringLiteral("    "), p, mostrar);
}

bool relatorio_contas_recebidas(const Periodo& p, bool mostrar)
{
    return relatorio_de_contas(QStringLiteral("004.rpt"), QStringLiteral("{view_contas_recebidas.data_baixa}"), QString(), p, mostrar);
}

bool relatorio_recebimentos(const Periodo& p, bool mostrar)
{
    // the money itself: partial and full write-offs dated in the period
    return relatorio_de_contas(QStringLiteral("009.rpt"), QStringLiteral("{baixa_conta_receber.ddata_baixa}"), QString(), p, mostrar);
}

void imprime_contas_receber() { com_periodo(relatorio_contas_receber); }

void imprime_contas_recebidas() { com_periodo(relatorio_contas_recebidas); }

void imprime_recebimentos() { com_periodo(relatorio_recebimentos); }

void imprime_extrato_tecnico()
{
    const std::optional<Periodo> p = form<FrmSelecionaPeriodo>().escolhe();
    if (!p)
        return;
    const qint32 tecnico = consulta_codigo(QStringLiteral("Tecnicos"));
    if (tecnico != 0)
        relatorio_servico_tecnico(*p, tecnico);
}

bool relatorio_servico_tecnico(const Periodo& p, qint32 tecnico, bool mostrar)
{
    const std::optional<Estabelecimento> loja = le_estabelecimento(conexao);
    if (!loja)
        return false;
    ControleRelatorio& c = novo_relatorio(QStringLiteral("006.rpt"));
    c.Formulas[1] = formula(QStringLiteral("NomeEmpresa"), loja->nome);
    c.Formulas[2] = texto_periodo(p);
    c.Formulas[3] = formula(QStringLiteral("Rodape"), loja->rodape);
    c.SelectionFormula = no_periodo(QStringLiteral("{servico_por_tecnico.data}"), p)
                         + QStringLiteral(" and {servico_por_tecnico.codigo_tecnico}=") + QString::number(tecnico);
    return roda(c, mostrar);
}

void imprime_faturamento() { com_periodo(relatorio_faturamento); }

bool relatorio_faturamento(const Periodo& p, bool mostrar)
{
    const std::optional<Estabelecimento> loja = le_estabelecimento(conexao);
    if (!loja)
        return false;
    // an order still being filled (under the placeholder customer 1) counts nowhere
    const QString entre = QStringLiteral(" ordem.ncliente > 1 and ddata between ? and ?");
    QString clientes, faturamento, manutencoes;
    try {
        clientes = total(QStringLiteral("select count(distinct ncliente) from ordem where") + entre, p, QStringLiteral("Count"), false);
        faturamento = total(QStringLiteral("select sum(nvalor) from ordem where") + entre, p, QStringLiteral("Sum"), true);
        manutencoes = total(QStringLiteral("select count(*) from ordem,item_ordem where nordem = ordem.ncodigo and") + entre, p,
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
    c.Formulas[4] = texto_periodo(p);
    c.Formulas[5] = formula(QStringLiteral("Rodape"), loja->rodape);
    return roda(c, mostrar);
}

void imprime_servicos_cliente()
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
