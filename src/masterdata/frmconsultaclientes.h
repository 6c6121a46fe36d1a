#pragma once
#include "frmpesquisapessoa.h"

// Customer search: from the main window to find and edit customers
// (bChamadaDoCadastro true), or from a form to choose one ("&Aceitar").
class FrmConsultaClientes : public FrmPesquisaPessoa {
    Q_OBJECT
public:
    FrmConsultaClientes();
    bool bChamadaDoCadastro = true;

protected:
    void abre_detalhes(const QString& codigo) override;
    bool em_consulta() const override { return !bChamadaDoCadastro; }
};

// Opens the customer search to choose a customer; its code, or 0.
qint32 escolhe_cliente();
