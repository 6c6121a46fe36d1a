#pragma once
#include "frmpesquisa.h"

// The list of equipment types.
class FrmConsultaEquipamentos : public FrmPesquisa {
    Q_OBJECT
public:
    FrmConsultaEquipamentos();

protected:
    QString consulta() override;
    void abre_detalhes(const QString& codigo) override;
    bool confirma(const QString& codigo, int linha) override;
    QStringList exclusoes() const override;
};
