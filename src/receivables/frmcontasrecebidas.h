#pragma once
#include "frmlistacontas.h"

// The received accounts: paid instalments by the period of their payment
// and/or customer, with what was received; from a row the user lists the
// instalment's write-offs or reopens it.
class FrmContasRecebidas : public FrmListaContas {
    Q_OBJECT
public:
    FrmContasRecebidas();

    QPushButton* botaoAbrirConta;    // "&Abrir conta"
    QPushButton* botaoMostrarBaixas; // "&Mostrar Baixas"

    // Makes the current row's instalment open again, once the user agrees.
    void abre_conta();

    static constexpr int LINHAS_MINIMAS = 18;

protected:
    QVariantList celulas_da_linha(const Recordset& rs) const override;
    qint32 escolhe_cliente_da_lista() override;
    void duplo_clique() override { mostra_baixas(false); }
};
