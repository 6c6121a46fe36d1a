#pragma once
#include "frmfechamento.h"

class Grade;
class QLineEdit;
class QPushButton;

// Closing an order on credit: proposes the instalment plan of the order's
// payment condition, lets the user change due dates and values in the
// grid, and stores the order's header and one receivable per instalment.
class FrmFechamentoVendaPrazo : public FrmFechamento {
    Q_OBJECT
public:
    FrmFechamentoVendaPrazo();

    Grade* Grid1;      // the plan: label, due date, value
    QLineEdit* Text1;  // the grid's in-place cell editor
    QLineEdit* Text4;  // "Qtde. parcelas"
    QLineEdit* Text8;  // "Valor original"
    QLineEdit* Text6;  // "Total"
    QPushButton* CmdOk;
    QPushButton* CmdSair;

    void CmdOk_Click();
    void CmdSair_Click();

    static constexpr int LINHAS_MINIMAS = 8;

protected:
    void abre() override;

private:
    void formata_grade();
    void soma_total();
};
