#pragma once
#include "frmconsultamovimento.h"

// Finds budgets; "Imprimir" prints the current one again.
class FrmLocalizaOrcamento : public FrmConsultaMovimento {
    Q_OBJECT
public:
    FrmLocalizaOrcamento();
    enum Coluna { ColunaCodigo, ColunaCliente, ColunaData, ColunaValor, ColunaAprovado };
    void imprime() override;

protected:
    void abre_detalhes(const QString& codigo) override;
};
