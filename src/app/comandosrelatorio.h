#pragma once
#include <QtGlobal>

struct Periodo;

// The report commands of the main window's "Relatórios" menu. Each asks
// what it needs (a period, a technician, a customer), sets the main
// window's report control and runs the report into its preview. A
// cancelled dialog or lookup runs nothing.

void imprime_contas_receber();   // 003: receivables due in a period
void imprime_contas_recebidas(); // 004: receivables paid in a period
void imprime_recebimentos();     // 009: every write-off of a period, by payment form
void imprime_extrato_tecnico();  // 006: a technician's services in a period
void imprime_faturamento();      // 007: billing of a period, totals computed here
void imprime_servicos_cliente(); // 008: a customer's services

// What each command runs once it has its answers (the period, the
// technician's and the customer's codes): the main window's report control
// set and, unless `mostrar` is false, the report run into its preview;
// false when the report could not be set (its message shown). The
// benchmarks run these, so they measure the program's own reports.
bool relatorio_contas_receber(const Periodo& p, bool mostrar = true);
bool relatorio_contas_recebidas(const Periodo& p, bool mostrar = true);
bool relatorio_recebimentos(const Periodo& p, bool mostrar = true);
bool relatorio_servico_tecnico(const Periodo& p, qint32 tecnico, bool mostrar = true);
bool relatorio_faturamento(const Periodo& p, bool mostrar = true);
bool relatorio_servico_cliente(qint32 cliente, bool mostrar = true);
