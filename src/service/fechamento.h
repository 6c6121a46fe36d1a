#pragma once
// An order's closing as a plain value, and the rules of the books a closing
// follows, free of any window: what a cash payment may be and gives back,
// and which instalment plan may be stored. The closing forms call them and
// the tests reach them without opening a form.
#include "dinheiro.h"
#include "parcelas.h"

#include <QDate>
#include <QString>
#include <QVector>

// A concluded order handed to its closing, as the order form shows it.
struct Fechamento {
    qint32 ordem = 0;
    qint32 cliente = 0;
    QString observacao;
    Dinheiro total;
    qint32 condicao = 1;   // the payment condition: 1 is cash
    QString regraCondicao; // its instalment rule ("Entrada \ 30 \ 60")
    QDate data;            // the order's date; not written when invalid
};

// Cash: the amount handed over pays the order when it is not below the
// total; what it has above the total is the change (none below it).
bool pagamento_cobre(Dinheiro pago, Dinheiro total);
Dinheiro troco(Dinheiro pago, Dinheiro total);

// Credit: the plan as the clerk left it, checked before it is stored.
struct PlanoConferido {
    enum Situacao {
        Certo,     // adds up to the order's total exactly
        Vazio,     // no instalment above 0,00
        Diferente, // its sum is not the order's total
    };
    Situacao situacao = Vazio;
    Dinheiro soma;
    // What is stored: the instalments above 0,00, in order, labelled again
    // with their place and the new count ("1/2", "2/2").
    QVector<Parcela> parcelas;
};
PlanoConferido confere_plano(const QVector<Parcela>& linhas, Dinheiro total);
