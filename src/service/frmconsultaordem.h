#pragma once
#include "frmconsultamovimento.h"

// Finds service orders; reprints a concluded order.
class FrmConsultaOrdem : public FrmConsultaMovimento {
    Q_OBJECT
public:
    FrmConsultaOrdem();
    enum Coluna { ColunaCodigo, ColunaCliente, ColunaData, ColunaValor, ColunaConcluida };
    void imprime() override;

protected:
    void abre_detalhes(const QString& codigo) override;
};
