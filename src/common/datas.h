#pragma once
#include <QDate>
#include <QString>

// Reads a date as the user may type it (dd/mm/yyyy, d/m/yy, yyyy-mm-dd ...).
// A two-digit year is the one up to 20 years after this year, or else
// before it (in 2026: 46 is 2046, 47 is 1947).
QDate le_data(const QString& texto);
