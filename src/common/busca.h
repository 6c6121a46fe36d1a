#pragma once
// Text searches as counter staff type them: fast, in any letter case and
// without accents ("sao jose" finds "São José", "JOAO" finds "João").
#include <QString>

// The search key of a text: lower case, accented Latin-1 letters turned
// into their plain letter ("Conceição" gives "conceicao"). The database
// function chave_busca computes the same key for the columns that keep one.
QString chave_busca(const QString& texto);

// The condition "column holds the typed text anywhere", whatever the letter
// case and accents; "%" and "_" typed by the user match themselves. An empty
// text matches every row whose column is not null (as like '%%' did).
// `coluna` is named with its table ("cliente.cfantasia"). Columns whose
// table keeps a search key (a trigger fills it) are compared through the
// key, as plain text; any other column through the UNICODE_CI_AI collation,
// which costs several times more per row and suits the small tables.
QString contem_texto(const QString& coluna, const QString& texto);
