#pragma once
#include "frmlistacontas.h"

// The received accounts: paid instalments by the period of their payment
// and/or customer, with what was received; from a row the user lists the
// instalment's write-offs or reopens it.
class FrmContasRecebidas : public FrmListaContas {
    Q_OBJECT
public:
    FrmContasRecebidas();

    QPushButton* Command2; // "&Abrir conta"
    QPushButton* Command3; // "&Mostrar Baixas"

    void Command2_Click();
    void Command3_Click();

    static constexpr int LINHAS_MINIMAS = 18;

protected:
    QString periodo(const QDate& de, const QDate& ate) const override;
    QVariantList celulas_da_linha(const Recordset& rs) const override;
    qint32 escolhe_cliente_da_lista() override;
    void duplo_clique() override { Command3_Click(); }
};
