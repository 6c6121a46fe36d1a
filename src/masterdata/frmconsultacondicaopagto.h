#pragma once
#include "frmpesquisatexto.h"

// Payment-condition search.
class FrmConsultaCondicaoPagto : public FrmPesquisaTexto {
    Q_OBJECT
public:
    FrmConsultaCondicaoPagto();

protected:
    void abre_detalhes(const QString& codigo) override;
};
