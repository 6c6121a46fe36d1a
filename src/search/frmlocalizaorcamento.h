#pragma once
#include "frmconsultamovimento.h"

// Finds budgets.
class FrmLocalizaOrcamento : public FrmConsultaMovimento {
    Q_OBJECT
public:
    FrmLocalizaOrcamento();

protected:
    void abre_detalhes(const QString& codigo) override;

public:
    void Command6_Click() override; // prints the budget again
};
