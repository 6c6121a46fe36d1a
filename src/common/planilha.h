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

// One cell as the file holds it: an amount (a Dinheiro, as the list read
// it) as 1234,50; any other value as the list shows it (a date
// dd/mm/yyyy); a text as it is, a formula-like one with its apostrophe,
// one with ";", a quote or a line break quoted.
QString celula_csv(const QVariant& celula);
// The whole file: header line and rows, CRLF after each, BOM first.
QByteArray texto_csv(const QStringList& titulos, const QList<QVariantList>& linhas);

// The cells of one record of a list, every column of its grid in order
// (hidden ones included), as the list holds them (JanelaLista::celulas_da_linha).
using LinhaDaLista = std::function<QVariantList(const Recordset&)>;

// The export of a list window: asks where to save (a file dialog opened
// modally, proposing "<nome>.csv" in the home folder), runs the list's own
// query `sql` whole on a record set of its own (so every row goes out, not
// only those the grid has fetched), keeps the columns the grid shows (width
// above 0) with its header texts, writes the file and tells how many rows
// went out. A database error or a file that cannot be written is shown;
// nothing is left half-written. A list not shown yet (empty `sql`) is
// refused with a notice. False when nothing was written.
// The values are bound in order to the query's "?" marks.
bool exporta_lista(QWidget* janela, const Grade& grade, const QString& nome, const QString& sql, const LinhaDaLista& linha,
                   const QVariantList& valores = {});
