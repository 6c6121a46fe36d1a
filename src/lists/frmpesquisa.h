#pragma once
#include "janelalista.h"

class FiltroTeclas;
class QGridLayout;
class QHBoxLayout;
class QLineEdit;
class QPushButton;

// A 0/1 flag shown as "Sim" (1) or "Não" (a column's reading, ColunaGrade).
QVariant coluna_sim_nao(const Recordset& rs, int campo);

// What every search screen shares, on top of the list of JanelaLista:
// filter boxes, "&Detalhes" to
// edit, "&Excluir" to delete (errors shown, the list kept), and, in lookup
// use, "&Aceitar" handing the chosen code back in nCodigoConsulta.
class FrmPesquisa : public JanelaLista {
    Q_OBJECT
public:
    // A search lists the record's code, then its name or description.
    static constexpr int COLUNA_NOME = 1;

    QPushButton* botaoProcurar = nullptr;
    QPushButton* botaoDetalhes = nullptr;
    QPushButton* botaoExcluir = nullptr;
    QPushButton* botaoAceitar = nullptr;
    QPushButton* botaoSair = nullptr;
    QPushButton* botaoExportar = nullptr; // "E&xportar": the list to a spreadsheet

    // Fills the list from the screen's query.
    void procura();
    void detalhes_click();
    void exclui_click();
    void aceita_click();
    void sai_click();

protected:
    FrmPesquisa(const QString& nome, const QString& titulo, QList<ColunaGrade> colunas, int linhasMinimas);

    // Builders, called by each screen's constructor in the order it wants them.
    QLineEdit* filtro(const QString& rotulo, const QString& nome, int maximo = 50);
    QPushButton* botao(const QString& caption, const QString& nome);
    // Puts the buttons created so far in a row below the list.
    void fecha_layout();

    // The screen's query, read whole; or, for a list that may be long, in
    // parts (consulta_lista), read a page at a time.
    virtual QString consulta() { return {}; }
    virtual ConsultaLista consulta_lista() { return {consulta()}; }
    // "&Detalhes": opens the record of the row for editing.
    virtual void abre_detalhes(const QString& codigo) { Q_UNUSED(codigo) }
    // Whether the list is filled again when the record's form closes.
    virtual bool recarrega_apos_detalhes() const { return true; }
    // Asks whether to delete the row; the customer-style screens confirm with its name.
    virtual bool confirma(const QString& codigo, int linha);
    virtual QString comando_exclusao(const QString& codigo) const { Q_UNUSED(codigo) return {}; }
    // Everything a delete runs, in one transaction (normally the statement above).
    virtual QStringList comandos_exclusao(const QString& codigo) const { return {comando_exclusao(codigo)}; }
    // Whether the screen is being used to choose a record for another form.
    virtual bool em_consulta() const { return false; }
    // On opening: clear, and list everything.
    void ao_abrir() override;

    // A double click on a filled row: accept in lookup use, else "&Detalhes".
    void duplo_clique() override;
    void showEvent(QShowEvent* e) override;
    void reject() override;

    QString m_oqueExcluir; // "do cliente", "da cidade"...
    FiltroTeclas* m_teclas;
    QGridLayout* m_filtros;
    QHBoxLayout* m_botoes;
    QList<QLineEdit*> m_caixas;
};
