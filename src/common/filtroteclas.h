#pragma once
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <QSet>
#include <functional>

class QKeyEvent;
class QLineEdit;

// Whether a typed character is dropped: the apostrophe always, and in a
// box of a field kind (TipoCampo; 0 for none) what that kind refuses.
bool descarta_tecla(const QKeyEvent* tecla, QLineEdit* caixa, int tipo);


// The keys every form shares, as one event filter installed on the form and
// all its controls:
//  - Enter moves to the next field (the key is dropped and a Tab is sent);
//  - the apostrophe is dropped everywhere;
//  - F5 moves the focus to the form's save (or search) button;
//  - F11 / F12 in a code box run that box's "new record" / lookup action;
//  - fields of a kind (date, money, whole number, signed decimal) filter
//    their keys while typed and are formatted when left.
class FiltroTeclas : public QObject {
    Q_OBJECT
public:
    explicit FiltroTeclas(QWidget* form);

    // Installs the filter on the form and every control it holds now.
    void instala(QWidget* raiz = nullptr);

    void botaoF5(QWidget* botao) { m_f5 = botao; }
    // Keys filtered as `tipo`; on leaving, formatted as `formato` (the same
    // kind unless given; 0 for none).
    void tipoCampo(QLineEdit* caixa, int tipo, int formato = -1);
    void aoF11(QWidget* caixa, std::function<void()> acao) { m_f11[caixa] = std::move(acao); }
    void aoF12(QWidget* caixa, std::function<void()> acao) { m_f12[caixa] = std::move(acao); }
    // Runs before Enter moves on from this control (e.g. to switch a tab
    // page); when it returns true it has moved the focus itself.
    void antesDoEnter(QWidget* controle, std::function<bool()> acao) { m_antesEnter[controle] = std::move(acao); }
    // The control handles Enter (and Escape) itself: a grid cell editor, say.
    // A control whose property "enterProprio" is true is treated the same.
    void enterProprio(QWidget* controle) { m_enterProprio.insert(controle); }
    // Enter as Tab may be switched off for a whole form (lookups accept on Enter).
    void setEnterComoTab(bool sim) { m_enterComoTab = sim; }

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    QWidget* m_form;
    QPointer<QWidget> m_f5;
    QHash<QObject*, int> m_tipos, m_formatos;
    QHash<QObject*, std::function<void()>> m_f11, m_f12;
    QHash<QObject*, std::function<bool()>> m_antesEnter;
    QSet<QObject*> m_enterProprio;
    bool m_enterComoTab = true;
};
