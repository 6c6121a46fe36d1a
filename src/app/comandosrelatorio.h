#pragma once
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
