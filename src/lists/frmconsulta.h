#pragma once
#include "janelalista.h"

class FiltroTeclas;
class QLabel;
class QLineEdit;
class QPushButton;

// The small lookup dialog behind the code fields: the user types part of a
// name, the list shows matching codes and names, and the chosen code goes
// back in nCodigoConsulta (0 when cancelled).
class FrmConsulta : public JanelaLista {
    Q_OBJECT
public:
    FrmConsulta();

    // "Cidades", "Clientes", "Tecnicos", "Condições"; anything else: the
    // caller's own query in cSQL (columns ncodigo and cnome).
    QString cTipoConsula;

    QLabel* Label17;
    QLabel* Label1;
    QLineEdit* Text1;
    QPushButton* Command1;
    QPushButton* CmdOk;
    QPushButton* CmdSair;

    // "Procurar": builds the query of the kind and fills the list. For the
    // caller's own query, call it before showing the dialog.
    void Command1_Click();
    void CmdOk_Click();
    void CmdSair_Click();

    static constexpr int LINHAS_MINIMAS = 18;

protected:
    void ao_abrir() override;
    bool eventFilter(QObject* alvo, QEvent* e) override;

private:
    QString caption() const;
    bool m_preenchidaPeloChamador = false;
};

// Opens the lookup of a built-in kind and gives the chosen code (0 if none).
qint32 consulta_codigo(const QString& tipo);
