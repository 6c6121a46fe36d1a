#pragma once
#include "busca.h"
#include "formmodal.h"
#include "grade.h"
#include <QList>
#include <QVariant>
#include <optional>

class QPushButton;
class Recordset;

// A list's query in parts, so that a long list can be read a page at a
// time, each page keyed on the last row read: "select ... from ..." and its
// conditions, the expression the list is ordered by (and the field of the
// result that holds it, when the name differs) and the record's code,
// unique, which orders the rows of equal value (none when the order is the
// code itself). Without an order the query is read whole, as written.
// The values are bound in order to the "?" marks of the selection and the
// conditions.
struct ConsultaLista {
    QString selecao;
    QStringList condicoes = {};
    QString ordem = {};
    QString campoOrdem = {};
    QString codigo = {};
    // The values bound to the "?" of the selection and the conditions, in order.
    QVariantList valores = {};

    // One more condition, its values bound after those given before.
    ConsultaLista& filtra(const TrechoSql& condicao);

    // The whole list, in its order.
    QString sql() const;
    // The first n rows after the row whose order and code are given; with
    // nothing given, the first n rows. The values bound come with it.
    TrechoSql pagina(int n, const QVariant& ultimaOrdem = {}, const QVariant& ultimoCodigo = {}, bool primeira = true) const;
    // " where " and the conditions ("" with none).
    QString filtro() const;
    // " order by " the order and the code ("" without an order).
    QString ordenacao() const;
};

// What every window that lists records shares (the lookup dialog, the
// search screens, the receivables lists): the list with its header, the
// data rows (the record's code in column 0, and in the row's code role) and
// empty filler rows up to a minimum; the code of the current row; the buttons that act on a row,
// enabled only on a filled one; the list to a spreadsheet; accepting (the
// row's code is the one chosen, the window closes; nothing on a filler row)
// and cancelling (none chosen); and the steps run each time a caller shows
// the window.
//
// A list with an order is read a page at a time: the first page at once,
// the next when the user comes near the end of what is read (scrolling,
// moving down, Page Down), all the rest when he asks for the end (End,
// Ctrl+End). Each page is a statement of its own, read whole and done: no
// transaction stays open while the user looks at the list.
class JanelaLista : public FormModal {
    Q_OBJECT
public:
    // The list.
    Grade* gradeLista;

    // The column that holds the record's code (ModeloGrade::PapelCodigo).
    static constexpr int COLUNA_CODIGO = 0;
    // Rows read at a time.
    static inline int linhasPorPagina = 200;

    // The code of the current row ("" on a filler row).
    QString codigo_atual() const;
    // The code the user accepted the last time the window was shown; none
    // when he cancelled (or has not chosen yet).
    std::optional<qint32> escolhido() const { return m_escolhido; }
    // Every row of the list's query to a spreadsheet file (asks where).
    void exporta();
    // Enables the row buttons when the current row is filled.
    void atualiza_botoes();
    // Reads what is left of the list.
    void carrega_tudo();
    // The whole query the list shows, every page of it ("" while it shows
    // none), and the values bound to it.
    const QString& sql() const { return m_sql; }
    const QVariantList& valores() const { return m_consulta.valores; }

protected:
    // linhasMinimas: the rows the window shows at least, its header counted
    // (as the windows are designed); empty rows fill the list up to them.
    JanelaLista(const QString& nome, const QString& titulo, QList<ColunaGrade> colunas, int linhasMinimas);

    // Fills the list from the query, one row per record (celulas_da_linha,
    // aviso_da_linha), then adds filler rows and makes the first row the
    // current one. Nothing is read for an empty query. On a database error, or a
    // value that cannot be read (an amount that is no amount), the error is
    // shown and the list is left empty; false then.
    // With mantem, as many rows are read as before, the record current
    // before stays current when it is still listed, and a database error
    // leaves the list as it was.
    bool enche_lista(const ConsultaLista& consulta, bool mantem = false);
    bool enche_lista(const QString& sql, bool mantem = false) { return enche_lista(ConsultaLista{sql}, mantem); }
    // The records the list shows (read so far).
    int listadas() const { return m_listadas; }
    // Empties the list to its header and filler rows.
    void limpa_lista();
    // The cells of one row of the list, every column, from the record set's
    // current record (the list and its spreadsheet export): each column's
    // field as its column reads it, a text or a value (an amount as a
    // Dinheiro, which the list keeps and shows in its format). Throws
    // ErroBanco for a value that cannot be read.
    virtual QVariantList celulas_da_linha(const Recordset& rs) const;
    // A notice for the record's row ("Vencida"), or none.
    virtual QString aviso_da_linha(const Recordset& rs) const;
    // A double click on a filled row.
    virtual void duplo_clique() {}
    // A button that acts on the current row: enabled only on a filled row.
    void botao_de_linha(QPushButton* b);

    // The current row's code is the one chosen and the window closes;
    // false (and nothing happens) on a filler row.
    bool aceita_linha();
    // Nothing is chosen and the window closes.
    void cancela();
    // Each time a caller shows the window (not when it comes back from behind
    // another one), once it is centred.
    virtual void ao_abrir() = 0;
    void ao_abrir_janela() override;
    // Opens the first time as wide as its columns, within the screen.
    void showEvent(QShowEvent* e) override;
    // Esc and the close box cancel.
    void reject() override;

private:
    void prepara_lista();
    int linhas_de_dados_minimas() const { return std::max(0, m_linhasMinimas - 1); }
    // Reads the next page onto the end of the list; false on a database
    // error (shown; the list keeps what it has and reads no further).
    bool carrega_pagina();
    // The records of a page onto the end of the list, every one of them
    // read before the first is written: a value that cannot be read
    // (ErroBanco, thrown) leaves the list as it was.
    void acrescenta(Recordset& rs);
    // Reads the next page when the row is near the end of what is read.
    void perto_do_fim(int linha);

    QList<ColunaGrade> m_colunas;
    int m_linhasMinimas;
    bool m_larguraInicial = false;
    int m_listadas = 0;
    ConsultaLista m_consulta;
    bool m_fim = true; // every row of the query is read
    bool m_acrescentando = false;
    QVariant m_ultimaOrdem, m_ultimoCodigo; // the key of the last row read
    QString m_sql; // the query the list shows; empty while it shows none
    QList<QPushButton*> m_botoesDeLinha;
    std::optional<qint32> m_escolhido;
};
