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
// codes): the report control set and the report run. The volume benchmark
// runs these, so it measures the program's own reports.
void relatorio_contas_receber(const QString& data_base, const QString& data_teto);
void relatorio_contas_recebidas(const QString& data_base, const QString& data_teto);
void relatorio_recebimentos(const QString& data_base, const QString& data_teto);
void relatorio_servico_tecnico(const QString& data_base, const QString& data_teto, qint32 tecnico);
void relatorio_faturamento(const QString& data_base, const QString& data_teto);
void relatorio_servico_cliente(qint32 cliente);
