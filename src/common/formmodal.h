#pragma once
#include <QDialog>

// Makes a top-level window no larger than the available area of its screen
// (the panels left out, its title bar and borders counted), and moves it
// into that area where it would stand out of it. A window shrunk below its
// layout's minimum keeps that minimum.
void cabe_na_tela(QWidget& janela);

// A form object lives for the whole run and is opened again and again: its
// opening step (defaults, first field, list fill) must run once each time it
// is opened, not on every show the window system sends (a restore, a modal
// child closing). This base runs ao_abrir_janela() on the first showing
// after each close, and fits the form to the screen as it first shows.
//
// A form that reserves a record has a leave step of its own: Escape does
// not leave it (only its buttons and the close box do), the close box runs
// passo_de_saida() and closes, and fecha() closes it by the program without
// that step.
class FormModal : public QDialog {
    Q_OBJECT
protected:
    explicit FormModal(bool saidaPropria = false, QWidget* parent = nullptr)
        : QDialog(parent), m_saidaPropria(saidaPropria) {}

    // The form's opening step.
    virtual void ao_abrir_janela() = 0;
    // What the close box runs before the form closes (forms with their own leave step).
    virtual void passo_de_saida() {}
    // Closes the form by the program: no leave step runs.
    void fecha();

    void showEvent(QShowEvent* e) override;
    void done(int r) override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

private:
    bool m_saidaPropria;
    bool m_aberto = false;
    bool m_fechandoPeloPrograma = false;
};
