#pragma once
#include <QObject>
#include <QString>
#include <array>
#include <functional>

// The report control of the main window: the caller names the report file,
// sets text formula fields by position and a record-selection formula, then
// sets the run action to 1. Each run starts with limpa_relatorio().
class ControleRelatorio : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    QString ReportFileName;
    QString SelectionFormula;
    std::array<QString, 10> Formulas;
    int DiscardSavedData = 0; // the further numeric setting; only the reset writes it
    QString WindowTitle = QStringLiteral("Módulo de Relatórios");
    // A document offered after a save: its preview is modal, and the run
    // returns once the user has closed it (the flow's next question waits).
    bool previaModal = false;

    // Setting it to 1 runs the report into its preview window.
    void setAction(int acao);

    // Who runs a report; the report engine installs itself here.
    using Executor = std::function<void(ControleRelatorio&)>;
    static void defineExecutor(Executor e);

private:
    static Executor& executor();
};

// Resets the control before a run: numeric setting 0, formula fields 0..9
// empty in that order, selection formula empty, the preview not modal.
void limpa_relatorio();
// The main window's control (set by the main window when it is created).
ControleRelatorio& cr();
void define_cr(ControleRelatorio* c);
