#pragma once
#include <QDate>

// The period of a report: its first and last day, both included.
struct Periodo {
    QDate inicio;
    QDate fim;
};
