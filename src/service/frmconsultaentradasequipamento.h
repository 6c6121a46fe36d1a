#pragma once
#include "frmconsultamovimento.h"

// Finds equipment entries; reprints an entry's receipt.
class FrmConsultaEntradasEquipamento : public FrmConsultaMovimento {
    Q_OBJECT
public:
    FrmConsultaEntradasEquipamento();
    enum Coluna { ColunaCodigo, ColunaCliente, ColunaData, ColunaHora };
    void imprime() override;

protected:
    void abre_detalhes(const QString& codigo) override;
};
