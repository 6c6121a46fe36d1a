#pragma once
#include "janelalista.h"

class FiltroTeclas;
class QLabel;
class QLineEdit;
class QPushButton;

// The small lookup dialog behind the code fields: the user types part of a
// name, the list shows matching codes and names, and the dialog gives back
// the code chosen (none when cancelled).
class FrmConsulta : public JanelaLista {
    Q_OBJECT
public:
    FrmConsulta();

    enum Coluna { ColunaCodigo, ColunaNome };

    // Opens the lookup of a built-in kind ("Cidades", "Clientes",
    // "Tecnicos", "Condições") and gives the code chosen.
    std::optional<qint32> escolhe(const QString& tipo);
    // Opens the lookup on the caller's own query (columns ncodigo and cnome,
    // its values bound), read whole, and gives the code chosen.
    std::optional<qint32> escolhe(const ConsultaLista& consulta);

    // What the two above set before the dialog opens: a built-in kind (the
    // list is read as it opens), or the caller's query (read now).
    void defineTipo(const QString& tipo);
    void defineConsulta(const ConsultaLista& consulta);
    // The built-in kind shown ("" for a caller's query).
    const QString& tipo() const { return m_tipo; }

    QLabel* rotuloTitulo;
    QLabel* rotuloBusca;
    QLineEdit* caixaBusca;
    QPushButton* botaoProcurar;
    QPushButton* botaoAceitar;
    QPushButton* botaoSair;

    // "Procurar": builds the query of the kind (the caller's own, as it is)
    // and fills the list.
    void procura();
    void aceita();
    void sai();

    static constexpr int LINHAS_MINIMAS = 18;

protected:
    void ao_abrir() override;
    bool eventFilter(QObject* alvo, QEvent* e) override;

private:
    QString caption() const;
    QString m_tipo;
    std::optional<ConsultaLista> m_consultaDoChamador;
};

// Opens the lookup of a built-in kind and gives the chosen code (0 if none):
// the code boxes' way of choosing.
qint32 consulta_codigo(const QString& tipo);
