#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>

class Grade;
class QWidget;
class Recordset;

// Lists to a spreadsheet: a CSV file as a spreadsheet opens it right in
// Brazil (UTF-8 with BOM, CRLF, ";" between fields, dates dd/mm/yyyy,
// amounts as 1234,50 without "R$"), the headers as the list shows them and
// every cell that starts with = + - @ (or a tab or carriage return) made
// inert with a leading apostrophe, so a formula typed into a name never runs.

// One cell as the file holds it: an amount shown as "R$ 1.234,50" becomes
// 1234,50; a formula-like text gets its apostrophe; a text with ";", a quote
// or a line break is quoted.
QString celula_csv(const QString& texto);
// The whole file: header line and rows, CRLF after each, BOM first.
QByteArray texto_csv(const QStringList& titulos, const QList<QStringList>& linhas);

// The cells of one record of a list, every column of its grid in order
// (hidden ones included), as the list shows them.
using LinhaDaLista = std::function<QStringList(const Recordset&)>;

// The export of a list window: asks where to save (a file dialog opened
// modally, proposing "<nome>.csv" in the home folder), runs the list's own
// query `sql` whole on a record set of its own (so every row goes out, not
// only those the grid has fetched), keeps the columns the grid shows (width
// above 0) with its header texts, writes the file and tells how many rows
// went out. A database error or a file that cannot be written is shown;
// nothing is left half-written. A list not shown yet (empty `sql`) is
// refused with a notice. False when nothing was written.
bool exporta_lista(QWidget* janela, const Grade& grade, const QString& nome, const QString& sql, const LinhaDaLista& linha,
                   const QVariantList& valores = {});
