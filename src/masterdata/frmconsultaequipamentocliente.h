#pragma once
#include "frmpesquisa.h"

// The machines of one customer, opened from the customer form.
class FrmConsultaEquipamentoCliente : public FrmPesquisa {
    Q_OBJECT
public:
    FrmConsultaEquipamentoCliente();
    // The customer whose machines are listed (abre_equipamentos_do_cliente).
    qint32 codigoCliente() const { return m_codigoCliente; }
    void defineCliente(qint32 cliente) { m_codigoCliente = cliente; }

    QPushButton* botaoIncluir; // "&Inclur"
    void inclui_click();

protected:
    ConsultaLista consulta_lista() override;
    void abre_detalhes(const QString& codigo) override;
    bool confirma(const QString& codigo, int linha) override;
    QStringList exclusoes() const override;

private:
    qint32 m_codigoCliente = 0;
};

// Opens the machine list of a customer.
void abre_equipamentos_do_cliente(qint32 cliente);
