#pragma once
// Values written into the text of a statement. Only what cannot be bound
// (a report's selection formula) still needs them.
#include <QString>

// A date as the user typed it, as yyyy-mm-dd; empty when it is no date.
QString data_sql(const QString& data);
// An amount typed as 1.234,50 as 1234.50; throws std::invalid_argument if it is not money.
QString valor_sql(const QString& valor);
// Apostrophes doubled.
QString texto_sql(const QString& texto);
