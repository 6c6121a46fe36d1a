#pragma once
#include <QString>
#include <QVariantList>
#include <functional>
#include <optional>

// A column that a selection formula may name: the SQL text that reaches it
// (built by the engine from its own list of columns, never from the formula)
// and whether it holds date and time (then a date bound compares the day).
struct ColunaSelecao {
    QString sql;
    bool dataHora = false;
};

// Finds {tabela.coluna}; nullopt when the report has no such column.
using ResolveColuna = std::function<std::optional<ColunaSelecao>(const QString& tabela, const QString& coluna)>;

// A comparison of a column with a value that every selected row meets: it
// stands on its own in the formula's top-level chain of "and" (no "or",
// "not" or parentheses around it). The column as the resolver gave it, the
// operator as if the column were written first, the value as bound.
struct LimiteSelecao {
    QString coluna;
    QString op;
    QVariant valor;
};

// A WHERE condition with its values bound by position ("?").
struct FiltroSql {
    QString sql;
    QVariantList valores;
    QList<LimiteSelecao> limites;
    bool vazio() const { return sql.isEmpty(); }
};

// Turns a record-selection formula into a condition with bound values:
//   {tabela.coluna}, numbers, 'text', date('yyyy-mm-dd'), date('dd/mm/yyyy'),
//   = <> < <= > >=, and, or, not, parentheses.
// An empty (or blank) formula gives an empty condition: every row.
// Throws ErroRelatorio for a malformed formula or an unknown column.
FiltroSql traduz_selecao(const QString& formula, const ResolveColuna& resolve);
