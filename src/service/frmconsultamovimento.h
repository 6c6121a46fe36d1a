#pragma once
#include "dadosconsultas.h"
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
    QLabel* faixaTitulo;
    QLineEdit* caixaCodigo;  // one movement
    QLineEdit* caixaCliente; // the customer's code
    QPushButton* botaoConsultarClientes;
    QLineEdit* caixaNomeCliente;
    QPushButton* botaoMostrar;
    QPushButton* botaoImprimir = nullptr;

    void mostra();
    virtual void imprime() {}

protected:
    // The screen's own: the kind of movement, the delete question's two texts.
    struct Membro {
        TipoMovimento tipo;
        QString pergunta1, pergunta2; // for confirma_exclusao
    };
    FrmConsultaMovimento(const QString& nome, const QString& titulo, QList<ColunaGrade> colunas, int linhasMinimas,
                         Membro membro, bool comImpressao);

    ConsultaLista consulta_lista() override;
    void ao_abrir() override;
    bool confirma(const QString& codigo, int linha) override;
    bool exclui(qint32 codigo) override;

    // The current row's text in a column ("" on a filler row).
    QString celula(int coluna) const;

private:
    Membro m_membro;
    CaixaCodigo* m_cliente;
    bool m_mostrar = false;
};
