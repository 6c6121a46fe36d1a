#pragma once
#include "frmpesquisa.h"

class CaixaCodigo;
class QLabel;

// What the three movement search screens share (entries, budgets, orders):
// a movement by its code, the movements of one customer or all of them,
// never those of the placeholder customer 1. The list stays empty until
// "Mostrar" and empties again whenever a filter changes. "&Detalhes" (or a
// double click) opens the movement in its form, "&Excluir" deletes it,
// "Imprimir" prints its document again (the entry receipt, the budget, the order).
class FrmConsultaMovimento : public FrmPesquisa {
    Q_OBJECT
public:
    QLabel* Label2;        // the title banner
    QLineEdit* Text1;      // "Código": one movement
    QLineEdit* Text4;      // "Cliente": the customer's code
    QPushButton* Command3; // "...": the customer search
    QLineEdit* Text8;      // the customer's name
    QPushButton* Command1; // "Mostrar"
    QPushButton* Command6 = nullptr; // "Imprimir"

    void Command1_Click();
    virtual void Command6_Click() {}

protected:
    // The member's own: what it selects and from where, how its rows are
    // sorted, the delete question's two texts.
    struct Membro {
        QString tabela;  // entrada_equipamento, orcamento, ordem
        QString campos;  // the selected fields
        QString juncao;  // "from <tabela>,cliente where ..."
        QString colunaCliente; // how the customer is named in the customer filter
        QString pergunta1, pergunta2; // for confirma_exclusao
        QStringList itens; // "<item table>.<column naming the movement>"
    };
    FrmConsultaMovimento(const QString& nome, const QString& titulo, QList<ColunaPesquisa> colunas, int linhasMinimas,
                         Membro membro, bool imprime);

    QString consulta() override;
    void ao_abrir() override;
    bool confirma(const QString& codigo, int linha) override;
    QStringList comandos_exclusao(const QString& codigo) const override;

    // The current row's text in a column ("" on a filler row).
    QString celula(int coluna) const;

private:
    Membro m_membro;
    CaixaCodigo* m_cliente;
    bool m_mostrar = false;
};
