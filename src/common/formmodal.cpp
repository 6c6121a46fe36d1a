#include "formmodal.h"

#include <QCloseEvent>
#include <QShowEvent>

void FormModal::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (m_aberto || e->spontaneous())
        return;
    m_aberto = true;
    m_fechandoPeloPrograma = false;
    ao_abrir_janela();
}

void FormModal::done(int r)
{
    m_aberto = false;
    QDialog::done(r);
}

void FormModal::fecha()
{
    m_fechandoPeloPrograma = true;
    done(QDialog::Rejected);
}

void FormModal::closeEvent(QCloseEvent* e)
{
    if (!m_saidaPropria) {
        QDialog::closeEvent(e);
        return;
    }
    // No form traps the user: the leave step reports its own failures and
    // the form closes all the same.
    if (!m_fechandoPeloPrograma) {
        passo_de_saida();
        fecha();
    }
    e->accept();
}

void FormModal::reject()
{
    if (!m_saidaPropria || m_fechandoPeloPrograma || !isVisible())
        QDialog::reject();
}
