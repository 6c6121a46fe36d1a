#pragma once
#include "frmmovimentoservico.h"

class QCheckBox;

// The budget: the work on a customer's machines priced item by item, a
// payment condition and the approval. Saving an approved budget offers to
// generate the service order, all its items assigned to one technician.
class FrmOrcamento : public FrmMovimentoServico {
    Q_OBJECT
public:
    FrmOrcamento();
    qint32 nCodigoOrcamento = 0; // the budget to edit (binclusao false)

    QCheckBox* Check1; // "Aprovado"

    // Generates a service order from the budget on screen for a technician
    // chosen in the lookup; the new order's code, or 0 when none was made.
    // A budget makes one order: the link is stored with it, and a budget
    // that has one (made meanwhile at another station) makes none.
    qint32 gera_ordem();
    // The order this budget made, or 0. Throws ErroBanco.
    qint32 ordem_gerada();

protected:
    QString tabela() const override { return QStringLiteral("orcamento"); }
    QString tabelaItens() const override { return QStringLiteral("item_orcamento"); }
    QString colunaPai() const override { return QStringLiteral("norcamento"); }
    QString sql_reserva() const override;
    void prepara() override;
    void carrega() override;
    QString sql_itens() const override;
    std::optional<QString> recusa_preco(Dinheiro preco) const override;
    QString sql_grava_item(bool novo, const QString& codigo, const QString& servico, const QString& preco) override;
    void grava() override;
    QString texto_gravado(qint64 codigo) const override;
    void depois_de_gravar() override;
};
