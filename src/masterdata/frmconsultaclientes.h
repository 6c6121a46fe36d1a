#pragma once
#include "frmpesquisapessoa.h"

// Customer search: from the main window to find and edit customers
// (abertaPeloCadastro true), or from a form to choose one ("&Aceitar").
class FrmConsultaClientes : public FrmPesquisaPessoa {
    Q_OBJECT
public:
    FrmConsultaClientes();
    bool abertaPeloCadastro = true;

protected:
    void abre_detalhes(const QString& codigo) override;
    bool em_consulta() const override { return !abertaPeloCadastro; }
};

// Opens the customer search to choose a customer; its code, or 0.
qint32 escolhe_cliente();
