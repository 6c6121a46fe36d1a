#pragma once
#include "janelalista.h"

#include <QDate>

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
    QLabel* Label14;       // title banner
    QComboBox* Combo1;     // "Mostrar"
    QDateEdit* DTPicker1;  // "Período" from
    QDateEdit* DTPicker2;  // ... to
    QLineEdit* Text10;     // "Cliente" (code)
    QPushButton* Command5; // "..."
    QLineEdit* Text15;     // the customer's name
    QPushButton* Command1; // "Mostrar"
    QLineEdit* Text2;      // "Qtde. doctos:"
    QLineEdit* Text1;      // "Total:"
    QPushButton* CmdExportar; // "E&xportar": the list to a spreadsheet
    QPushButton* Command4; // "&Sair"

    enum Filtro { Todas = 0, PorPeriodo = 1, PorCliente = 2, PorClienteEPeriodo = 3 };

    // Empties the list to its header and filler rows, the count and the total.
    void formata_grade();
    // Fills the list from the filter. The current instalment stays current
    // when it is still listed.
    void mostra_dados();
    void Command1_Click();
    void Command5_Click();
    // Looks the customer whose code is in the box up.
    void Text10_Validate();

    // The instalment of the current row; 0 on a filler row.
    qint32 conta_atual() const;

protected:
    // visao: the view listed, in the order of its column `ordem` (then of
    // the instalment's code), which the period filters; soma: what of the
    // view is summed into "Total:".
    FrmListaContas(const QString& nome, const QString& titulo, QList<ColunaGrade> colunas, int linhasMinimas,
                   const QString& soma, const QString& visao, const QString& ordem);

    // The query of a filter: period ends and customer code as given.
    ConsultaLista consulta(int filtro, const QDate& de, const QDate& ate, qint64 cliente) const;
    // The condition of the period on the view.
    virtual QString periodo(const QDate& de, const QDate& ate) const = 0;
    // The customer lookup of this window; the chosen code or 0.
    virtual qint32 escolhe_cliente_da_lista() = 0;
    // The condition of a filter the window adds after the four shared ones.
    virtual QString filtro_proprio(int filtro) const { Q_UNUSED(filtro) return {}; }
    // After "Mostrar" has filled the list.
    virtual void apos_mostrar() {}

    // Opens the write-offs of the current instalment ("A receber": they may be deleted).
    void mostra_baixas(const QString& tipoConta);
    // A button that acts on the current row.
    QPushButton* botao_de_linha(const QString& caption, const QString& nome);
    void ao_abrir() override;
    bool eventFilter(QObject* alvo, QEvent* e) override;

    FiltroTeclas* m_teclas;

private:
    void filtro_mudou();
    void habilita_filtros();
    CaixaCodigo* m_cliente;
    QString m_soma;
    QString m_visao, m_ordem;
    QHBoxLayout* m_botoes;
};
