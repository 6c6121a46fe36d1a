#pragma once
#include "formmodal.h"
#include "grade.h"
#include <QList>

class QPushButton;
class Recordset;

// What every window that lists records shares (the lookup dialog, the
// search screens, the receivables lists): the list with its one header row,
// the data rows (the record's code in column 0) and empty filler rows up to
// a minimum; the code of the current row; the buttons that act on a row,
// enabled only on a filled one; the list to a spreadsheet; accepting (the
// row's code into nCodigoConsulta, the window closes; nothing on a filler
// row) and cancelling (0); and the steps run each time a caller shows the
// window.
class JanelaLista : public FormModal {
    Q_OBJECT
public:
    Grade* Grid1;

    // The code of the current row ("" on a filler row).
    QString codigo_atual() const;
    // Every row of the list's query to a spreadsheet file (asks where).
    void exporta();
    // Enables the row buttons when the current row is filled.
    void atualiza_botoes();

protected:
    JanelaLista(const QString& nome, const QString& titulo, QList<ColunaGrade> colunas, int linhasMinimas);

    // Fills the list from the query, one row per record (textos_da_linha,
    // aviso_da_linha), then adds filler rows and makes row 1 the current
    // one. Nothing is read for an empty query. On a database error the
    // error is shown and the list is left empty; false then.
    // With mantem, the record current before stays current when it is still
    // listed, and a database error leaves the list as it was.
    bool enche_lista(const QString& sql, bool mantem = false);
    // The records the list shows.
    int listadas() const { return m_listadas; }
    // Empties the list to its header and filler rows.
    void limpa_lista();
    // The texts of one row of the list, every column, from the record set's
    // current record (the list and its spreadsheet export): each column's
    // field, shown by its format.
    virtual QStringList textos_da_linha(const Recordset& rs) const;
    // A notice for the record's row ("Vencida"), or none.
    virtual QString aviso_da_linha(const Recordset& rs) const;
    // A double click on a filled row.
    virtual void duplo_clique() {}
    // A button that acts on the current row: enabled only on a filled row.
    void botao_de_linha(QPushButton* b);

    // The current row's code into nCodigoConsulta and the window closes;
    // false (and nothing happens) on a filler row.
    bool aceita_linha();
    // nCodigoConsulta becomes 0 and the window closes.
    void cancela();
    // Each time a caller shows the window (not when it comes back from behind
    // another one), once it is centred.
    virtual void ao_abrir() = 0;
    void ao_abrir_janela() override;
    // Esc and the close box cancel.
    void reject() override;

private:
    void prepara_lista();
    QList<ColunaGrade> m_colunas;
    int m_linhasMinimas;
    int m_listadas = 0;
    QString m_sql; // the query the list shows; empty while it shows none
    QList<QPushButton*> m_botoesDeLinha;
};
