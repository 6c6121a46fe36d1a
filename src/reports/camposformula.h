#pragma once
#include <QHash>
#include <QString>
#include <array>

// The text formula fields of a run: each non-empty entry of the report
// control is an assignment Nome='valor' (a blank after "=" is allowed).
// The value is what stands between the first quote after "=" and the last
// quote of the entry, so an apostrophe inside the value survives. Keys are
// the names in lower case. Throws ErroRelatorio for an entry without a name
// and "=".
QHash<QString, QString> le_campos_formula(const std::array<QString, 10>& formulas);
