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
    // The filter of this window after the four shared ones: the instalments
    // due before today, still open.
    static constexpr int Vencidas = 4;
    // The list's column of what is still open of an instalment ("Total").
    static constexpr int COLUNA_ABERTO = 7;

protected:
    QString periodo(const QDate& de, const QDate& ate) const override;
    QVariantList celulas_da_linha(const Recordset& rs) const override;
    qint32 escolhe_cliente_da_lista() override;
    void duplo_clique() override { Command2_Click(); }
    void apos_mostrar() override;
    QString aviso_da_linha(const Recordset& rs) const override;
    QString filtro_proprio(int filtro) const override;
};
