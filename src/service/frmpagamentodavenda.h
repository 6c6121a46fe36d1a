#pragma once
#include "frmfechamento.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Closing an order paid in cash: one receivable for the order's total,
// stored as paid, and its full write-off of that total with the form of
// payment and a note. The amount the customer hands over may not be below
// the total; what is above it is the change, shown as it is typed.
class FrmPagamentoDaVenda : public FrmFechamento {
    Q_OBJECT
public:
    FrmPagamentoDaVenda();

    QComboBox* Combo1;    // "Forma de pagamento"
    QLineEdit* Text3;     // "Número docto" (shown and limited, not stored)
    QPlainTextEdit* Text4; // "Obs"
    QLineEdit* Text2;     // "Valor pago"
    QLineEdit* Text5;     // "Troco" (read-only)
    QPushButton* Command6; // "&Gravar"

    void Command6_Click();

protected:
    void abre() override;

private:
    void mostra_troco();
};
