#pragma once
#include <QtGlobal>

// The payment receipt ("Recibo", relatorio/010.rpt): one page for one
// write-off with the shop, the customer, the order and instalment, the
// amount in figures and in words, the discount or surcharge when there is
// one, the form of payment, the date and the signature line. Each asks
// first whether to print.

// The receipt of write-off `baixa`.
void emite_recibo(qint32 baixa);
// The receipt of the last write-off of order `ordem` (its cash closing);
// nothing when the order has none.
void emite_recibo_da_ordem(qint32 ordem);
