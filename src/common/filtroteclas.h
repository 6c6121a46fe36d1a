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
// Whether a key types a character (not a command with Ctrl or Alt, not a
// control key); Backspace counts when `apagar` says so.
bool tecla_de_texto(const QKeyEvent* tecla, bool apagar = false);


// The keys every form shares, as one event filter installed on the form and
// all its controls:
//  - Enter moves to the next field (the key is dropped and a Tab is sent);
//  - the apostrophe is dropped everywhere;
//  - F5 moves the focus to the form's save (or search) button;
//  - F11 / F12 in a code box run that box's "new record" / lookup action;
//  - fields of a kind (date, money, whole number, signed decimal) filter
//    their keys while typed and are formatted when left;
//  - a field may carry a check of its own, run when the user leaves it.
class FiltroTeclas : public QObject {
    Q_OBJECT
public:
    explicit FiltroTeclas(QWidget* form);

    // Installs the filter on the form and every control it holds now.
    void instala(QWidget* raiz = nullptr);

    void botaoF5(QWidget* botao) { m_f5 = botao; }
    // Keys filtered as `tipo`; on leaving, formatted as `formato` (the same
    // kind unless given; 0 for none). A box formatted as money holds the
    // longest amount in currency form, whatever shorter limit it had.
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

    // The check of a field, run whenever the user leaves it (after its
    // formatting): `confere` at once (it looks a name up, say, so the next
    // control already sees the result); when it returns false, `avisa`
    // tells the user, once the click that moved the focus has gone through
    // (a message or a focus change in the middle of a click would eat it);
    // `avisa` learns whether a click moved the focus (then it must not take
    // the focus back) or a key did.
    void aoSair(QWidget* campo, std::function<bool()> confere, std::function<void(bool porClique)> avisa = {});
    // Leaves the focused field as far as its checks go (formatting, check,
    // notice), and shows a notice still waiting: a save by Alt+G or by a
    // button's shortcut runs on the field's checked value, as after Tab.
    void confereCampoAtual();

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    void sai_do_campo(QObject* campo, bool porClique);
    void agenda_aviso(bool porClique);
    void mostra_aviso();
    QWidget* m_form;
    QPointer<QWidget> m_f5;
    QHash<QObject*, int> m_tipos, m_formatos;
    QHash<QObject*, std::function<void()>> m_f11, m_f12;
    QHash<QObject*, std::function<bool()>> m_antesEnter;
    QSet<QObject*> m_enterProprio;
    struct Conferencia {
        std::function<bool()> confere;
        std::function<void(bool)> avisa;
    };
    QHash<QObject*, Conferencia> m_aoSair;
    std::function<void(bool)> m_aviso; // waiting for the click to end
    bool m_avisoPorClique = false;
    bool m_esperaAviso = false;
    bool m_enterComoTab = true;
};
