#pragma once
#include "dadosrecebiveis.h"
#include "janelalista.h"

#include <QDate>
#include <optional>

class CaixaCodigo;
class FiltroTeclas;
class QComboBox;
class QDateEdit;
class QHBoxLayout;
class QLabel;
class QLineEdit;

// What the open-receivables and the received-accounts windows share, on
// the list of JanelaLista (its code in hidden column 0, filler rows below
// the data, the row buttons, the export): the filter ("Todas", "Por
// período", "Por cliente", "Por cliente e período"), the period's two date
// pickers, the customer code box with its name and lookup, "Mostrar", and
// the count and total.
class FrmListaContas : public JanelaLista {
    Q_OBJECT
public:
    QLabel* faixaTitulo;
    QComboBox* escolhaFiltro;     // "Mostrar": the FiltroContas in their order
    QDateEdit* dataInicio;        // "Período" from
    QDateEdit* dataFim;           // ... to
    QLineEdit* caixaCliente;      // "Cliente" (code)
    QPushButton* botaoConsultarCliente; // "..."
    QLineEdit* caixaNomeCliente;
    QPushButton* botaoMostrar;
    QLineEdit* caixaQuantidade;   // "Qtde. doctos:"
    QLineEdit* caixaTotal;        // "Total:"
    QPushButton* botaoExportar;   // "E&xportar": the list to a spreadsheet
    QPushButton* botaoSair;

    // Empties the list to its header and filler rows, the count and the total.
    void formata_grade();
    // Fills the list from the filter. The current instalment stays current
    // when it is still listed.
    void mostra_dados();
    // "Mostrar": the customer looked up again, then the list filled.
    void mostra();
    // "...": the customer lookup.
    void consulta_cliente();
    // Looks the customer whose code is in the box up.
    void valida_cliente();

    // The instalment of the current row; 0 on a filler row.
    qint32 conta_atual() const;

    // Opens the window on a view already listed: the overdue instalments,
    // or those due today (the period of today).
    void abre_listando(FiltroContas filtro);

protected:
    FrmListaContas(const QString& nome, const QString& titulo, QList<ColunaGrade> colunas, int linhasMinimas, Carteira carteira);

    // The customer lookup of this window; the chosen code or 0.
    virtual qint32 escolhe_cliente_da_lista() = 0;
    // After "Mostrar" has filled the list.
    virtual void apos_mostrar() {}

    // Opens the write-offs of the current instalment (deletable from the open list).
    void mostra_baixas(bool podeExcluir);
    // A button that acts on the current row.
    QPushButton* botao_de_linha(const QString& caption, const QString& nome);
    void ao_abrir() override;
    bool eventFilter(QObject* alvo, QEvent* e) override;

    FiltroTeclas* m_teclas;

private:
    void filtro_mudou();
    void habilita_filtros();
    CaixaCodigo* m_cliente;
    Carteira m_carteira;
    std::optional<FiltroContas> m_listarAoAbrir; // the view abre_listando asked for, once
    QHBoxLayout* m_botoes;
};
