#pragma once
#include "dinheiro.h"

#include <QDate>
#include <QString>
#include <QVector>
#include <optional>

// One instalment of a plan: "2/3", when it falls due, how much.
struct Parcela {
    QString rotulo;
    QDate vencimento;
    Dinheiro valor;
};

// Turns a payment condition's rule ("Entrada \ 30 \ 60", "30 \ 60", or the
// cash rule "A vista"), a total and a base date into instalments. Every
// instalment gets the total divided by their number rounded down to the
// cent, and the cents left over go to the first, so the plan adds up to the
// total exactly (100,00 in three: 33,34 + 33,33 + 33,33); an instalment that
// would be 0,00 is left out (and the others numbered without it).
// "Entrada" and the cash rule fall due today, the others the base date
// plus their days. nullopt when the inputs are wrong: an empty rule, a total
// that is not money, a base date that is not a date, or an item that is
// neither "Entrada" nor a number of days.
std::optional<QVector<Parcela>> calcula_parcelas(const QString& regra, const QString& total, const QString& dataBase,
                                                 const QDate& hoje);
