#pragma once
// Text searches as counter staff type them: fast, in any letter case and
// without accents ("sao jose" finds "São José", "JOAO" finds "João").
#include <QString>
#include <QVariantList>

class Conexao;

// A piece of a statement and the values bound to its "?" marks, in order.
struct TrechoSql {
    QString sql;
    QVariantList valores = {};
};

// The search key of a text: lower case, accented Latin-1 letters turned
// into their plain letter ("Conceição" gives "conceicao"). The database
// function chave_busca computes the same key for the columns that keep one.
QString chave_busca(const QString& texto);

// The condition "column holds the typed text anywhere", whatever the letter
// case and accents; "%" and "_" typed by the user match themselves. An empty
// text matches every row whose column is not null (as like '%%' did).
// The typed text is bound, never written into the statement.
// `coluna` is named with its table ("cliente.cfantasia"). Columns whose
// table keeps a search key (a trigger fills it) are compared through the
// key, as plain text; any other column through the UNICODE_CI_AI collation,
// which costs several times more per row and suits the small tables.
TrechoSql contem_texto(const QString& coluna, const QString& texto);

// The join that narrows a customer search by name ("from cliente" followed
// by it) to the customers whose name holds the rarest letter triples of the
// typed text (by the counts of trigrama_frequencia), read from the index of
// triples (cliente_trigrama, kept by a trigger): a few thousand rows of the
// index instead of every name. The name condition of contem_texto still
// decides, so the matching is the same. Empty for a text of fewer than
// three letters (the names are then read one by one), and when the
// database cannot tell how common the triples are (the search then reads
// every name, and reports the failure). The triples are bound.
TrechoSql junta_nome_cliente(const QString& texto);

// Writes the letter triples of every customer's name when the index is
// still empty while customers exist: once, at the first start after the
// index came with the schema of version 10. Another station writing them
// at the same moment is not an error. Throws ErroBanco.
void preenche_trigramas(Conexao& c);

// Counts how many customers hold each triple (trigrama_frequencia) when
// they were never counted or the customers have grown by a quarter since:
// after preenche_trigramas at start-up. Gives whether it counted. Another
// station counting at the same moment is not an error. Throws ErroBanco.
bool conta_trigramas(Conexao& c);
