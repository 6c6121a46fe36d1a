#pragma once
#include <QList>
#include <QString>
#include <QStringList>

class FrmRelatorio;
class QWidget;

namespace apoio {

// The text of a PDF as pdftotext reads it (poppler-utils), one string per
// page, with no-break spaces made plain and runs of blanks made one. In
// reading order, a wrapped cell's lines stay together; with `linhas`, each
// printed line reads across the page (cells of one row side by side).
QStringList paginas_pdf(const QString& caminho, bool linhas = false);
// The whole text, pages joined.
QString texto_pdf(const QString& caminho);
// Keeps a copy of a PDF a test made, as <nome>.pdf in the folder that
// CONTROLE_OS_PDFS names (to look at the documents); nothing when unset.
void guarda_pdf(const QString& caminho, const QString& nome);

// Keeps a picture of a window as <nome>.png in the same folder (the PDFs'
// companion, to look at the screens); nothing when CONTROLE_OS_PDFS is unset.
void guarda_captura(QWidget* janela, const QString& nome);

// Blanks and line breaks made single spaces: checks then read phrases.
QString plano(QString texto);
// Fails the test for each phrase missing from the text.
void confere_textos(const QString& texto, const QStringList& frases);

// The report previews now open on screen.
QList<FrmRelatorio*> previas_abertas();
// Closes every open preview.
void fecha_previas();

} // namespace apoio
