#include "formmodal.h"

#include <QCloseEvent>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>

void cabe_na_tela(QWidget& janela)
{
    const QScreen* tela = janela.screen();
    if (!tela)
        return;
    const QRect area = tela->availableGeometry();
    // the window system's frame, once the window has one; before, as wide
    // as the style draws a title bar and the borders of a window
    QMargins moldura(janela.geometry().left() - janela.frameGeometry().left(), janela.geometry().top() - janela.frameGeometry().top(),
                     janela.frameGeometry().right() - janela.geometry().right(),
                     janela.frameGeometry().bottom() - janela.geometry().bottom());
    if (moldura.isNull()) {
        const int borda = janela.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, &janela);
        moldura = QMargins(borda, janela.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &janela) + borda, borda, borda);
    }
    const QRect util = area.marginsRemoved(moldura);
    if (janela.width() > util.width() || janela.height() > util.height())
        janela.resize(janela.size().boundedTo(util.size()));
    if (!janela.isVisible() && !janela.testAttribute(Qt::WA_Moved))
        return; // placed when shown, inside the screen
    QPoint canto = janela.pos();
    canto.setX(std::clamp(canto.x(), area.left(), std::max(area.left(), area.right() + 1 - janela.frameGeometry().width())));
    canto.setY(std::clamp(canto.y(), area.top(), std::max(area.top(), area.bottom() + 1 - janela.frameGeometry().height())));
    if (canto != janela.pos())
        janela.move(canto);
}

void FormModal::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (m_aberto || e->spontaneous())
        return;
    m_aberto = true;
    m_fechandoPeloPrograma = false;
    cabe_na_tela(*this);
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
