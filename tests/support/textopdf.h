#pragma once
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <functional>

class FrmRelatorio;

namespace apoio {

// The text of a PDF as pdftotext reads it (poppler-utils), one string per
// page, with no-break spaces made plain and runs of blanks made one. In
// reading order, a wrapped cell's lines stay together; with `linhas`, each
// printed line reads across the page (cells of one row side by side).
QStringList paginas_pdf(const QString& caminho, bool linhas = false);
// A printed word and its box on the page, in points: the box's height
// follows the word's type size.
struct PalavraPdf {
    QString texto;
    QRectF caixa;
};
// The words of a PDF in reading order, pages one after another.
QList<PalavraPdf> palavras_pdf(const QString& caminho);
// The whole text, pages joined.
QString texto_pdf(const QString& caminho);
// Blanks and line breaks made single spaces: checks then read phrases.
QString plano(QString texto);
// Fails the test for each phrase missing from the text.
void confere_textos(const QString& texto, const QStringList& frases);

// The report previews now open on screen.
QList<FrmRelatorio*> previas_abertas();
// Closes every open preview.
void fecha_previas();
// The next window opened modally is a document's preview: the action runs
// on it once it is on screen (the flow that opened it waits), then the
// preview is closed, as the clerk closes it, and the flow goes on.
void ao_abrir_previa(std::function<void(FrmRelatorio&)> acao = {});
// The text of a preview, as a PDF of it reads (empty after a failure).
QString texto_da_previa(FrmRelatorio& previa, const QString& pasta);

} // namespace apoio
