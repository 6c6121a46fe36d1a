#pragma once
#include <QDialog>

// A form object lives for the whole run and is opened again and again: its
// opening step (defaults, first field, list fill) must run once each time it
// is opened, not on every show the window system sends (a restore, a modal
// child closing). This base runs ao_abrir_janela() on the first showing
// after each close.
class FormModal : public QDialog {
    Q_OBJECT
protected:
    explicit FormModal(QWidget* parent = nullptr) : QDialog(parent) {}

    // The form's opening step.
    virtual void ao_abrir_janela() = 0;

    void showEvent(QShowEvent* e) override;
    void done(int r) override;

private:
    bool m_aberto = false;
};
