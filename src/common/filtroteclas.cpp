#include "filtroteclas.h"
#include "campos.h"
#include "formatos.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>

FiltroTeclas::FiltroTeclas(QWidget* form) : QObject(form), m_form(form) {}

void FiltroTeclas::instala(QWidget* raiz)
{
    QWidget* r = raiz ? raiz : m_form;
    r->installEventFilter(this);
    for (QWidget* w : r->findChildren<QWidget*>())
        w->installEventFilter(this);
}

void FiltroTeclas::tipoCampo(QLineEdit* caixa, int tipo, int formato)
{
    m_tipos[caixa] = tipo;
    m_formatos[caixa] = formato < 0 ? tipo : formato;
    if (m_formatos[caixa] == CampoDinheiro)
        caixa->setMaxLength(std::max(caixa->maxLength(), Dinheiro::LARGURA_MOEDA));
    caixa->setProperty("tipoCampo", tipo); // what the box holds, for whoever walks a form's fields
    caixa->installEventFilter(this);
}

namespace {

// Runs an action once the mouse button that is down now comes up (and its
// release has been delivered).
class AposSoltar : public QObject {
public:
    AposSoltar(QObject* dono, std::function<void()> acao) : QObject(dono), m_acao(std::move(acao))
    {
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::MouseButtonRelease && !m_feito) {
            m_feito = true;
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, parent(), std::move(m_acao));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_acao;
    bool m_feito = false;
};

} // namespace

void FiltroTeclas::aoSair(QWidget* campo, std::function<bool()> confere, std::function<void(bool)> avisa)
{
    m_aoSair[campo] = {std::move(confere), std::move(avisa)};
    campo->installEventFilter(this);
}

void FiltroTeclas::sai_do_campo(QObject* campo, bool porClique)
{
    auto it = m_formatos.constFind(campo);
    if (it != m_formatos.constEnd()) {
        auto* caixa = static_cast<QLineEdit*>(campo);
        if (!caixa->isReadOnly()) {
            formata_campo(caixa, it.value());
            // money keys with a format of its own (a rate): never below zero either
            if (m_tipos.value(campo) == CampoDinheiro && it.value() != CampoDinheiro)
                confere_nao_negativo(caixa);
        }
    }
    auto c = m_aoSair.constFind(campo);
    if (c == m_aoSair.constEnd() || c->confere())
        return;
    if (c->avisa) {
        m_aviso = c->avisa;
        m_avisoPorClique = porClique;
        agenda_aviso(porClique);
    }
}

void FiltroTeclas::agenda_aviso(bool porClique)
{
    if (m_esperaAviso)
        return;
    m_esperaAviso = true;
    auto mostra = [this] { mostra_aviso(); };
    if (porClique)
        new AposSoltar(this, mostra);
    else
        QTimer::singleShot(0, this, mostra);
}

void FiltroTeclas::mostra_aviso()
{
    m_esperaAviso = false;
    if (!m_aviso)
        return;
    const auto aviso = std::move(m_aviso);
    m_aviso = nullptr;
    aviso(m_avisoPorClique);
}

void FiltroTeclas::confereCampoAtual()
{
    QWidget* atual = QApplication::focusWidget();
    if (atual && m_form->isAncestorOf(atual))
        sai_do_campo(atual, false);
    mostra_aviso();
}

bool FiltroTeclas::eventFilter(QObject* alvo, QEvent* evento)
{
    if (evento->type() == QEvent::FocusOut) {
        // a press of the mouse moved the focus: its click comes first
        if (saiu_do_campo(evento))
            sai_do_campo(alvo, static_cast<QFocusEvent*>(evento)->reason() == Qt::MouseFocusReason);
        return false;
    }
    if (evento->type() != QEvent::KeyPress)
        return false;
    auto* tecla = static_cast<QKeyEvent*>(evento);
    auto* widget = qobject_cast<QWidget*>(alvo);
    if (!widget)
        return false;

    switch (tecla->key()) {
    case Qt::Key_F5:
        if (m_f5) m_f5->setFocus(Qt::ShortcutFocusReason);
        return true;
    case Qt::Key_F11:
        if (auto it = m_f11.constFind(alvo); it != m_f11.constEnd()) { it.value()(); return true; }
        return false;
    case Qt::Key_F12:
        if (auto it = m_f12.constFind(alvo); it != m_f12.constEnd()) { it.value()(); return true; }
        return false;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (tecla->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return false;
        if (auto it = m_antesEnter.constFind(alvo); it != m_antesEnter.constEnd() && it.value()())
            return true;
        // a date picker's calendar (or any drop-down) takes Enter as its choice
        if (widget->window()->windowType() == Qt::Popup)
            return false;
        // Enter on a focused push or tool button presses that button, never
        // another one; a check box or radio button is never toggled by it.
        if (qobject_cast<QPushButton*>(widget) || qobject_cast<QToolButton*>(widget)) {
            static_cast<QAbstractButton*>(widget)->click();
            return true;
        }
        if (m_enterProprio.contains(alvo) || !m_enterComoTab || widget->property("enterProprio").toBool())
            return false;
        {
            // The Tab goes to the window, not to the control: a date picker
            // would walk its day, month and year sections with it, and a
            // text area would take it as text. The window moves the focus
            // to the next control in one stroke.
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QApplication::sendEvent(widget->window(), &tab);
        }
        return true;
    default:
        break;
    }

    // Character keys: the apostrophe never goes in; typed fields filter theirs.
    auto it = m_tipos.constFind(alvo);
    return descarta_tecla(tecla, qobject_cast<QLineEdit*>(widget), it != m_tipos.constEnd() ? it.value() : 0);
}

bool tecla_de_texto(const QKeyEvent* tecla, bool apagar)
{
    const QString texto = tecla->text();
    if (texto.size() != 1 || (tecla->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    const char16_t codigo = texto.at(0).unicode();
    // control keys and Delete are not typed text
    return (codigo >= 32 || (apagar && codigo == 8)) && codigo != 127;
}

bool descarta_tecla(const QKeyEvent* tecla, QLineEdit* caixa, int tipo)
{
    if (!tecla_de_texto(tecla, true))
        return false;
    int codigo = tecla->text().at(0).unicode();
    filtra_apostrofo(codigo);
    if (codigo != 0 && tipo != 0 && caixa)
        filtra_tecla(caixa, tipo, codigo);
    return codigo == 0;
}
