#pragma once
#include <QObject>

class FiltroTeclas;
class QGridLayout;
class QLineEdit;
class QPushButton;

// A city code box with the city's name beside it, as the customer,
// technician and establishment forms have it: the name follows the code,
// "..." and F12 open the city lookup, F11 registers a new city.
class CaixaCidade : public QObject {
    Q_OBJECT
public:
    // aoMudar: look the name up on every change of the code (otherwise on
    // leaving the box, after the lookup and when the form loads a record).
    CaixaCidade(QLineEdit* codigo, QLineEdit* nome, QPushButton* botao, FiltroTeclas* teclas, bool aoMudar);

    // Lays the three controls out on a row of a grid ("Cidade", code,
    // "...", name) and ties them together.
    static CaixaCidade* monta(QGridLayout* g, int linha, const QString& nomeCodigo, const QString& nomeNome,
                              FiltroTeclas* teclas, bool aoMudar);

    QLineEdit* codigo() const { return m_codigo; }
    QLineEdit* nome() const { return m_nome; }
    QPushButton* botao() const { return m_botao; }

    // Looks the name of the city whose code is in the box up.
    void valida();
    // "...": the city lookup; a chosen code goes into the box.
    void consulta();
    // F11: the city form for a new city; nothing comes back.
    void nova_cidade();

private:
    QLineEdit* m_codigo;
    QLineEdit* m_nome;
    QPushButton* m_botao;
    bool m_aoMudar;
};
