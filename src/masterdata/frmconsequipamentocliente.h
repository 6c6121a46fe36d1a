#pragma once
#include "frmpesquisa.h"

class CaixaCodigo;

// Chooses one machine of a customer: the customer by code (or its search),
// "Mostrar" lists the machines, "&Aceitar" hands the machine's code back.
class FrmConsEquipamentoCliente : public FrmPesquisa {
    Q_OBJECT
public:
    FrmConsEquipamentoCliente();

    // Opens the dialog and gives the machine chosen (none when left).
    std::optional<qint32> escolhe();

    QLineEdit* caixaCliente; // customer code
    QLineEdit* caixaNomeCliente; // customer name
    QPushButton* botaoConsultaClientes; // "..."
    QPushButton* botaoMostrar; // "Mostrar"

    void consulta_clientes();
    void mostra_maquinas();
    void valida_cliente();

protected:
    ConsultaLista consulta_lista() override;
    bool em_consulta() const override { return true; }
    void ao_abrir() override;

private:
    CaixaCodigo* m_cliente;
    bool m_mostrar = false;
};
