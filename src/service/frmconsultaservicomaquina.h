#pragma once
#include "frmpesquisa.h"

class CaixaCodigo;
class QLabel;

// The services done on one customer machine: the machine by its code (or
// the machine lookup), its owner and description, "&Mostrar" lists the
// services from the orders that included it, "&Ver ordem" opens the order
// of the current row, "&Imprimir" prints the history (report 005).
class FrmConsultaServicoMaquina : public FrmPesquisa {
    Q_OBJECT
public:
    FrmConsultaServicoMaquina();

    QLabel* Label4;        // title banner
    QLineEdit* Text3;      // "Equipamento": the machine's code
    QPushButton* Command1; // "...": the machine lookup
    QLineEdit* Text4;      // the machine: description - identification
    QLineEdit* Text1;      // "Proprietário": code - trade name of the owner
    QPushButton* Command5; // "&Mostrar"
    QPushButton* Command3; // "&Ver ordem"
    QPushButton* Command4; // "&Imprimir"

    void Command1_Click();
    void Command5_Click();
    void Command3_Click();
    void Command4_Click();
    // Looks the typed machine up and fills the owner and machine texts.
    void Text3_Validate();

protected:
    QString consulta() override;
    void ao_abrir() override;
    void abre_detalhes(const QString& codigo) override;
    bool recarrega_apos_detalhes() const override { return false; }

private:
    CaixaCodigo* m_maquina;
    bool m_mostrar = false;
};
