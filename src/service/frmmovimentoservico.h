#pragma once
#include "dinheiro.h"
#include "frmmovimento.h"

#include <optional>

class QPlainTextEdit;

// What the budget and the service order share beyond the movement: the
// payment condition, the observation, items of the customer's registered
// machines with a service and a price, and the total, summed from the
// stored items every time the grid is filled.
class FrmMovimentoServico : public FrmMovimento {
    Q_OBJECT
public:
    QPlainTextEdit* caixaObservacao;
    QLineEdit* caixaCondicao;
    QPushButton* botaoConsultaCondicao;
    QLineEdit* caixaDescricaoCondicao;
    QPushButton* botaoMaquina;
    QLineEdit* caixaCodigoMaquina; // filled by the choice of a machine, never shown
    QLineEdit* caixaMaquina;       // the machine's kind and identification
    QLineEdit* caixaServico;
    QLineEdit* caixaPreco;
    QLineEdit* caixaTotal;

    CaixaCodigo* condicao() const { return m_condicao; }
    void consulta_maquina(); // one of the customer's machines

protected:
    // colunas: the grid; the three numbers say where the machine code, the
    // service and the price stand in it.
    FrmMovimentoServico(const QString& nome, const QString& titulo, QList<ColunaGrade> colunas, int linhasMinimas,
                        int colunaMaquina, int colunaServico, int colunaPreco);

    // After a machine was looked up, the focus goes here.
    virtual QWidget* depois_da_maquina() const;
    // The price rule of the form: the refusal's text, or none.
    virtual std::optional<QString> recusa_preco(Dinheiro preco) const = 0;
    // The item the fields hold, checked (code, machine, service, price).
    virtual ItemServico item_da_tela(qint32 codigo, Dinheiro preco) const;
    // The grid row of a stored item.
    virtual QVariantList linha_do_item(const ItemServico& item) const = 0;
    // Whether the items may change now (the user told when not); reabre:
    // the change reopens the movement first.
    virtual bool pode_alterar_itens(bool& reabre)
    {
        reabre = false;
        return true;
    }
    // The first row of the item area (the order puts its technician below).
    QGridLayout* linhas_item() const { return quadroItens(); }

    void prepara() override;
    void depois_de_reservar() override;
    void valida_cabecalho() override;
    QList<QVariantList> le_linhas() override;
    void limpa_item() override;
    QWidget* campo_item() const override;
    bool grava_item(qint32 codigo) override;
    bool exclui_item(qint32 codigo) override;
    void mostra_item(int linha) override;
    // The checks both saves start with: an item, a customer, a payment
    // condition, the lengths.
    bool pode_gravar() override;

    // The total the form shows in caixaTotal: the sum of the prices of the
    // items as read, kept as read (0 before any item).
    Dinheiro total() const { return m_total; }

private:
    qint32 escolhe_maquina(); // one of the customer's machines, or 0
    CaixaCodigo* m_condicao;
    CaixaCodigo* m_maquina;
    int m_colunaMaquina, m_colunaServico, m_colunaPreco;
    Dinheiro m_total;
};
