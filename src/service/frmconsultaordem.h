#pragma once
#include "frmconsultamovimento.h"

// Finds service orders; reprints a concluded order; "E&ntrega" hands the
// order of the row to whoever collects it (the delivery dialog, which
// refuses an order not concluded or delivered already), and the list is
// read again.
class FrmConsultaOrdem : public FrmConsultaMovimento {
    Q_OBJECT
public:
    FrmConsultaOrdem();
    enum Coluna { ColunaCodigo, ColunaCliente, ColunaData, ColunaValor, ColunaConcluida };
    QPushButton* botaoEntrega;
    void imprime() override;
    void entrega();

protected:
    void abre_detalhes(const QString& codigo) override;
};
