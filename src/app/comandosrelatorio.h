#pragma once
#include <QString>
// The report commands of the main window's "Relatórios" menu. Each asks
// what it needs (a period, a technician, a customer), sets the main
// window's report control and runs the report into its preview. A
// cancelled dialog or lookup runs nothing.

void menuRelContasReceber_Click();        // 003: receivables due in a period
void menuRelContasRecebidas_Click();      // 004: receivables paid in a period
void menuRelRecebimentos_Click();         // 009: every write-off of a period, by payment form
void RelExtratoServicoTecnico_Click();    // 006: a technician's services in a period
void RelDemonstrativoFaturamento_Click(); // 007: billing of a period, totals computed here
void RelServicoCliente_Click();           // 008: a customer's services

// What each command runs once it has its answers (dates as the period
// dialog gives them, dd/mm/yyyy; the technician's and the customer's
// codes): the main window's report control set and, unless `mostrar` is
// false, the report run into its preview; false when the report could not
// be set (its message shown). The benchmarks run these, so they measure
// the program's own reports.
bool relatorio_contas_receber(const QString& data_base, const QString& data_teto, bool mostrar = true);
bool relatorio_contas_recebidas(const QString& data_base, const QString& data_teto, bool mostrar = true);
bool relatorio_recebimentos(const QString& data_base, const QString& data_teto, bool mostrar = true);
bool relatorio_servico_tecnico(const QString& data_base, const QString& data_teto, qint32 tecnico, bool mostrar = true);
bool relatorio_faturamento(const QString& data_base, const QString& data_teto, bool mostrar = true);
bool relatorio_servico_cliente(qint32 cliente, bool mostrar = true);
