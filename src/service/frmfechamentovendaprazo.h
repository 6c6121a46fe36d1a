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

    // The plan's columns.
    enum Coluna { ColunaParcela, ColunaVencimento, ColunaValor };

    Grade* gradeParcelas;
    QLineEdit* editorParcela; // the grid's in-place cell editor
    QLineEdit* caixaQuantidadeParcelas;
    QLineEdit* caixaValorOriginal;
    QLineEdit* caixaTotal;
    QPushButton* botaoGravar;
    QPushButton* botaoSair;

    void grava_plano();

    // Data rows shown at least, filler rows below the plan.
    static constexpr int LINHAS_MINIMAS = 7;

protected:
    void abre() override;

private:
    void formata_grade();
    // Writes the plan of the order's condition into the grid from row 1,
    // with as many rows as instalments plus the header; a rule that makes no
    // plan shows "Os dados informados para o parcelamento estão
    // incorretos!" (title "Crcp") and leaves the grid empty.
    void propoe_plano();
    void soma_total();
};
