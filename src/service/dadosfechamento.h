#pragma once
// The statements of an order's closing, every value bound: the order's
// receivables as they stand, and the two closings, each one unit of work.
#include "fechamento.h"

#include <QDate>
#include <QString>
#include <QVector>

class Conexao;

// One of the order's receivables and how many payments it has.
struct ContaDaOrdem {
    qint32 codigo = 0;
    int pagamentos = 0;
    bool operator==(const ContaDaOrdem&) const = default;
};
// The order's receivables, in code order.
QVector<ContaDaOrdem> contas_da_ordem(Conexao& c, qint32 ordem);

// How a closing ended: stored, or not stored because the order was closed
// meanwhile (here or at another station).
enum class ResultadoFechamento { Gravado, JaFechada };

// A cash closing's own data: the form of payment (its index in the list
// of forms), a note, the day it was paid.
struct PagamentoVista {
    int formaPagamento = 0;
    QString observacao;
    QDate dia;
};

// Each closing runs as one unit of work that holds the order, writes its
// header (date when valid, customer, condition, total, note) concluded,
// replaces the receivables it had when the closing opened (`antes`) with
// its own, or stores nothing and gives JaFechada when the receivables are
// no longer those, or one of them has a payment. An order that is gone
// throws a Recusa; a database error throws ErroBanco, nothing kept.
// Credit: one receivable per instalment of the plan.
ResultadoFechamento fecha_a_prazo(Conexao& c, const Fechamento& fechamento, const QVector<ContaDaOrdem>& antes,
                                  const QVector<Parcela>& parcelas);
// Cash: one receivable "1/1" of the total, due and paid that day, and its
// full write-off of the total (the change went back to the customer).
ResultadoFechamento fecha_a_vista(Conexao& c, const Fechamento& fechamento, const QVector<ContaDaOrdem>& antes,
                                  const PagamentoVista& pagamento);
