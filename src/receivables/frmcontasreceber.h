#pragma once
#include "frmlistacontas.h"

// The open receivables: instalments still due, by due-date period and/or
// customer, with what was paid on each and what is still open; from a row
// the user writes the instalment off, lists its write-offs or moves its
// due date.
class FrmContasReceber : public FrmListaContas {
    Q_OBJECT
public:
    FrmContasReceber();

    QPushButton* Command2; // "Realizar Baixa"
    QPushButton* Command3; // "Mostrar Baixas"
    QPushButton* Command6; // "Alterar venc."

    void Command2_Click();
    void Command3_Click();
    void Command6_Click();

    static constexpr int LINHAS_MINIMAS = 15;

protected:
    QString periodo(const QDate& de, const QDate& ate) const override;
    void preenche_linha(int linha, const Recordset& rs) override;
    qint32 escolhe_cliente_da_lista() override;
    void duplo_clique() override { Command2_Click(); }
    void apos_mostrar() override;
};
