#pragma once
#include <QObject>
#include <QSet>
#include <functional>

class FiltroTeclas;
class QLineEdit;
class QPushButton;
class QWidget;

// A code box with the name of what the code stands for beside it (the
// customer, the payment condition of a movement): the name is looked up when
// the user leaves the box, after a lookup and when a record is loaded; a
// code that finds nothing shows "Registro não localizado!", empties the name
// and keeps the focus in the box. "..." and F12 open the lookup, F11 the
// registration form for a new record.
class CaixaCodigo : public QObject {
    Q_OBJECT
public:
    // consulta: the statement that reads the name of a code (its first column).
    // escolhe: the lookup; the chosen code, or 0. novo: F11.
    CaixaCodigo(QLineEdit* codigo, QLineEdit* nome, QPushButton* botao, FiltroTeclas* teclas,
                std::function<QString(qint32)> consulta, std::function<qint32()> escolhe,
                std::function<void()> novo);

    QLineEdit* codigo() const { return m_codigo; }
    QLineEdit* nome() const { return m_nome; }
    QPushButton* botao() const { return m_botao; }

    // Looks the name up. An empty or non-numeric box empties the name and is
    // accepted; false only when a code found nothing (or the read failed).
    bool valida();
    // "...": the lookup; a chosen code goes into the box and is validated.
    void consulta();
    // Leaving the box for these controls does not validate it (the buttons
    // that abandon the form must always work).
    void semValidarAoIrPara(QWidget* w) { m_semValidar.insert(w); }

protected:
    bool eventFilter(QObject* alvo, QEvent* e) override;

private:
    QLineEdit* m_codigo;
    QLineEdit* m_nome;
    QPushButton* m_botao;
    std::function<QString(qint32)> m_consulta;
    std::function<qint32()> m_escolhe;
    QSet<QWidget*> m_semValidar;
};
