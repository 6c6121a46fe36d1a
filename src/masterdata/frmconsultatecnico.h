#pragma once
#include "frmpesquisapessoa.h"

// Technician search.
class FrmConsultaTecnico : public FrmPesquisaPessoa {
    Q_OBJECT
public:
    FrmConsultaTecnico();

protected:
    void abre_detalhes(const QString& codigo) override;
};
