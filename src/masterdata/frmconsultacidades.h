#pragma once
#include "frmpesquisatexto.h"

// City search.
class FrmConsultaCidades : public FrmPesquisaTexto {
    Q_OBJECT
public:
    FrmConsultaCidades();

protected:
    void abre_detalhes(const QString& codigo) override;
};
