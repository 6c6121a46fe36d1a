#pragma once
#include <QString>

class ControleRelatorio;
class FrmRelatorio;

// Makes the report engine the executor of every report control: setting
// the run action to 1 builds the report and opens its preview.
void instala_motor_relatorio();

// One run: reads the control's file, formula fields and selection, builds
// the report and opens the preview window beside the control's window, or
// beside the modal form that asked for it: not modal, or modal (and back
// once it is closed) when the control says so. A long report opens
// at its first page, the rest laid out while the preview shows it. A
// missing file, a bad definition or a database error is shown to the user
// with its text; nothing else happens then. Returns the preview, or
// nullptr after a failure.
FrmRelatorio* executa_relatorio(ControleRelatorio& c);
// How long a report may be laid out before its preview opens: a report
// quick to lay out opens whole, a long one at its first page (tests set 0
// to see a preview fill in).
inline constexpr int ETAPA_INICIAL_MS = 250;
void define_etapa_inicial_relatorio(int ms);

// The same run written straight to a PDF file, without a window (tests and
// the benchmark). Failures are shown as for the preview; false then.
bool gera_pdf(const ControleRelatorio& c, const QString& caminho);

// Where the program keeps its report files: the program's folder +
// "/relatorio/" + the file name.
QString arquivo_relatorio(const QString& nome);
// The start of every run on the main window's control: reset
// (limpa_relatorio) and the report file set (arquivo_relatorio).
ControleRelatorio& novo_relatorio(const QString& arquivo);
// The same for a document offered after a save (a receipt, a budget, an
// order): its preview is modal, so the flow goes on once it is closed.
ControleRelatorio& novo_documento(const QString& arquivo);
// A text formula field as the control takes it: nome='valor'.
QString formula(const QString& nome, const QString& valor);
