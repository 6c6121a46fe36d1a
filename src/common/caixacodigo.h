#pragma once
#include <QObject>
#include <QSet>
#include <QString>
#include <functional>
#include <optional>

class FiltroTeclas;
class QLineEdit;
class QPushButton;
class QWidget;
class Recordset;

// Every code box of the program (customer, city, payment condition,
// technician, customer machine) with the name of what the code stands for
// beside it. The name is looked up when the user leaves the box, after a
// lookup, when a record is loaded and before every save (button, Alt+G,
// F5: see confere). A code that finds nothing empties the name; a box that
// warns shows "Registro não localizado!" (once the click that left it has
// gone through), keeps the focus and selects its whole text, so what the
// user types next replaces it. "..." and F12 open the lookup, F11 the
// registration form for a new record.
class CaixaCodigo : public QObject {
    Q_OBJECT
public:
    // consulta: the statement that reads the name of a code (its first
    // column), the code bound to its one "?". escolhe: the lookup; the chosen
    // code, or 0. novo: F11 (none: empty).
    CaixaCodigo(QLineEdit* codigo, QLineEdit* nome, QPushButton* botao, FiltroTeclas* teclas, QString consulta,
                std::function<qint32()> escolhe, std::function<void()> novo);

    // ----- what a form asks of its box
    // An unknown code empties the name without a word and the focus may
    // leave (the city, whose name is then required; the machine history).
    CaixaCodigo& semAviso();
    // The name follows every change of the code (a box the program fills,
    // hidden ones included), not only the leaving of the box.
    CaixaCodigo& aCadaMudanca();
    // How a found row fills the form (more than one box, say); called with
    // the open record set at its row, or nullptr when nothing was found.
    // Without it the row's first column goes into the name box.
    CaixaCodigo& preencheCom(std::function<void(Recordset*)> preenche);
    // Runs after a change or a lookup found its row (the next field's focus).
    CaixaCodigo& depoisDeAchar(std::function<void()> acao);
    // Leaving the box for this control checks nothing (the buttons that
    // abandon the form must always work).
    void semValidarAoIrPara(QWidget* w) { m_semValidar.insert(w); }

    QLineEdit* codigo() const { return m_codigo; }
    QLineEdit* nome() const { return m_nome; }
    QPushButton* botao() const { return m_botao; }

    // Looks the name up, warning as the box does. An empty or non-numeric
    // box empties the name and is accepted; false only when a code found
    // nothing (or the read failed).
    bool valida();
    // "...": the lookup; a chosen code goes into the box and is validated.
    void consulta();
    // Before a save: each box of the form whose code changed since its last
    // look-up is looked up now (Alt+G saves without leaving the box); false,
    // with the notice shown and the focus in that box, when a box that warns
    // holds a code that finds nothing.
    static bool confere(QWidget* form);
    // Before a search: the changed codes of the form looked up again,
    // without a word (the search says what it misses).
    static void atualiza(QWidget* form);

private:
    // The look-up itself, without the notice.
    bool procura();
    void avisa();
    bool pronta() const;

    QLineEdit* m_codigo;
    QLineEdit* m_nome;
    QPushButton* m_botao;
    QString m_consulta;
    std::function<qint32()> m_escolhe;
    std::function<void(Recordset*)> m_preenche;
    std::function<void()> m_depoisDeAchar;
    QSet<QWidget*> m_semValidar;
    bool m_avisa = true;
    bool m_aCadaMudanca = false;
    std::optional<QString> m_procurado = QString(); // the text last looked up (none: changed since, or the read failed)
    bool m_achou = true;                            // and whether it found its row
    bool m_avisoPendente = false;
};
