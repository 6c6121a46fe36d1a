#pragma once
#include <QString>

// The documents that go to the customer, printed through the main window's
// report control: the entry receipt (relatorio/001.rpt), the service order
// (relatorio/002.rpt) and the budget (relatorio/011.rpt). Each asks first
// whether to print.

// Entry receipt of entry `codigo`, dated `data` ("dd/mm/yyyy").
void emite_comprovante_entrada(qint32 codigo, const QString& data);
// The same with the code as a form holds it; a text that is not a code is
// refused with a message and prints nothing.
void emite_comprovante_entrada(const QString& codigo, const QString& data);

// Service order `codigo`, with the due dates and values of its receivables.
void emite_ordem_servico(qint32 codigo);
void emite_ordem_servico(const QString& codigo);

// Budget `codigo` (relatorio/011.rpt): its customer, machines, services,
// prices and total, the payment condition and the date it is valid until.
void emite_orcamento(qint32 codigo);
void emite_orcamento(const QString& codigo);

// Delivery terms of delivery `codigo` (relatorio/012.rpt): the order's
// customer, machines and services, what was paid and what is still open,
// who collected it and the warranty's last day.
void emite_termo_entrega(qint32 codigo);

// The instalment text of an order: " Vencimento: dd/mm/yyyy Valor: R$ x,xx || "
// for each receivable, the last " || " dropped and the whole trimmed; empty
// without receivables. Throws ErroBanco.
QString texto_vencimentos(qint32 codigo);
