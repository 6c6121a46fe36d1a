#pragma once
#include "frmconsultamovimento.h"

// Finds budgets; "Imprimir" prints the current one again.
class FrmLocalizaOrcamento : public FrmConsultaMovimento {
    Q_OBJECT
public:
    FrmLocalizaOrcamento();
    void imprime() override;

protected:
    void abre_detalhes(const QString& codigo) override;
};
