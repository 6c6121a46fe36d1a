#pragma once
#include "frmmovimentoservico.h"

class QCheckBox;

// The budget: the work on a customer's machines priced item by item, a
// payment condition, the approval and the entry it answers (optional, one
// of the customer's). Saving an approved budget offers to
// generate the service order, all its items assigned to one technician.
class FrmOrcamento : public FrmMovimentoServico {
    Q_OBJECT
public:
    FrmOrcamento();

    QCheckBox* marcaAprovado;
    QLineEdit* caixaEntrada; // the entry the budget answers
    QPushButton* botaoConsultaEntrada;
    QLineEdit* caixaDescricaoEntrada;

    // Generates a service order from the budget on screen for a technician
    // chosen in the lookup; the new order's code, or 0 when none was made.
    // A budget makes one order: the link is stored with it, and a budget
    // that has one (made meanwhile at another station) makes none.
    qint32 gera_ordem();

private:
    // The budget on screen.
    Orcamento orcamento() const;
    // The lookup of the customer's entries; the code chosen, or 0.
    qint32 escolhe_entrada();
    CaixaCodigo* m_entrada;

protected:
    TipoMovimento tipo() const override { return TipoMovimento::Orcamento; }
    void prepara() override;
    void carrega() override;
    void valida_cabecalho() override;
    bool pode_gravar() override;
    std::optional<QString> recusa_preco(Dinheiro preco) const override;
    QVariantList linha_do_item(const ItemServico& item) const override;
    void grava() override;
    QString texto_gravado(qint64 codigo) const override;
    void depois_de_gravar() override;
};
