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

    QComboBox* caixaFormaPagamento;
    QLineEdit* caixaDocumento; // shown and limited, not stored
    QPlainTextEdit* caixaObservacao;
    QLineEdit* caixaValorPago;
    QLineEdit* caixaTroco;
    QPushButton* botaoGravar;

    void grava_pagamento();

protected:
    void abre() override;

private:
    void mostra_troco();
};
