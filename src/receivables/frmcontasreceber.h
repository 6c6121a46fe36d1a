#pragma once
#include "frmlistacontas.h"

// The open receivables: instalments still due, by due-date period and/or
// customer (or the overdue ones), with what was paid on each and what is
// still open; from a row the user writes the instalment off, lists its
// write-offs or moves its due date.
class FrmContasReceber : public FrmListaContas {
    Q_OBJECT
public:
    FrmContasReceber();

    QPushButton* botaoBaixar;            // "Realizar Baixa"
    QPushButton* botaoMostrarBaixas;     // "Mostrar Baixas"
    QPushButton* botaoAlterarVencimento; // "Alterar venc."

    // A write-off of the current row's instalment, then its receipt.
    void realiza_baixa();
    // Moves the current row's due date to the one the user types.
    void muda_vencimento();

    static constexpr int LINHAS_MINIMAS = 15;
    // The list's columns.
    enum Coluna { ColunaConta, ColunaCliente, ColunaVencimento, ColunaValor, ColunaDocumento, ColunaParcela, ColunaPago, ColunaAberto };

protected:
    QVariantList celulas_da_linha(const Recordset& rs) const override;
    qint32 escolhe_cliente_da_lista() override;
    void duplo_clique() override { realiza_baixa(); }
    void apos_mostrar() override;
    QString aviso_da_linha(const Recordset& rs) const override;
};
