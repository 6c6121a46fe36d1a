#include "formmodal.h"

#include <QShowEvent>

void FormModal::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (m_aberto || e->spontaneous())
        return;
    m_aberto = true;
    ao_abrir_janela();
}

void FormModal::done(int r)
{
    m_aberto = false;
    QDialog::done(r);
}
