#pragma once
#include "frmpesquisa.h"

// The machines of one customer, opened from the customer form.
class FrmConsultaEquipamentoCliente : public FrmPesquisa {
    Q_OBJECT
public:
    FrmConsultaEquipamentoCliente();
    qint32 ncodigoCliente = 0;

    QPushButton* botaoIncluir; // "&Inclur"
    void inclui_click();

protected:
    ConsultaLista consulta_lista() override;
    void abre_detalhes(const QString& codigo) override;
    bool confirma(const QString& codigo, int linha) override;
    QStringList exclusoes() const override;
};

// Opens the machine list of a customer.
void abre_equipamentos_do_cliente(qint32 cliente);
