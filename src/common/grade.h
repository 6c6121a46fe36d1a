#pragma once
#include "dinheiro.h"
#include <QAbstractTableModel>
#include <QHash>
#include <QTableView>
#include <QVector>
#include <algorithm>
#include <functional>
#include <optional>

class QLineEdit;
class Recordset;

// The model of every list: data rows numbered from 0, each a list of the
// values read (codes as qint32, amounts as Dinheiro, dates as QDate or
// QDateTime, texts), kept as they came and turned into text only when shown
// (data, DisplayRole). The record a row shows has its code in a role of its
// own; the header is the view's (headerData), not a row.
class ModeloGrade : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    enum Papel {
        // The value a cell holds (a Dinheiro for an amount, a QDate for a
        // date, a QString for a text), as it was read from the database or
        // computed: what the program takes from the cell, never its text
        // read back. Invalid for an empty cell.
        PapelValor = Qt::UserRole + 1,
        // The code of the record the row shows, on every cell of the row;
        // invalid on a row that shows none.
        PapelCodigo,
    };

    int rowCount(const QModelIndex& pai = {}) const override { return pai.isValid() ? 0 : m_numeroLinhas; }
    int columnCount(const QModelIndex& pai = {}) const override { return pai.isValid() ? 0 : m_numeroColunas; }
    QVariant data(const QModelIndex& i, int papel) const override;
    QVariant headerData(int secao, Qt::Orientation o, int papel) const override;

    int linhas() const { return m_numeroLinhas; }
    int colunas() const { return m_numeroColunas; }
    // Data rows and columns; what fits is kept.
    void redimensiona(int linhas, int colunas);
    // n empty rows after the last, the view kept where it is.
    void acrescenta(int n);

    // The value of a cell (PapelValor) and the text it is shown as.
    QVariant valor(int linha, int coluna) const;
    QString texto(int linha, int coluna) const;
    // A cell's value (a text typed by the user replaces a value read).
    void defineValor(int linha, int coluna, const QVariant& valor, bool avisa);
    // A whole row: its values, column by column, and its record's code.
    void defineLinha(int linha, const QVariantList& valores, const QVariant& codigo, bool avisa);
    QVariant codigo(int linha) const { return m_codigos.value(linha); }

    // How a value is shown: an amount as "R$ 1.234,50", a date dd/mm/yyyy
    // (Recordset::comoTexto), a text as it is.
    static QString formata(const QVariant& valor);

    QString titulo(int coluna) const { return m_titulos.value(coluna); }
    void defineTitulo(int coluna, const QString& t);
    void defineAlinhamento(int coluna, Qt::Alignment a);
    void avisaTudo();
    // A notice on a data row, such as "Vencida": the row is shown in red and
    // the notice is the description of each of its cells (what a screen
    // reader says after the text) and their tooltip. Empty removes it.
    void defineAviso(int linha, const QString& aviso);
    QString aviso(int linha) const { return m_avisos.value(linha); }

private:
    bool dentro(int linha, int coluna) const { return linha >= 0 && linha < m_numeroLinhas && coluna >= 0 && coluna < m_numeroColunas; }
    void avisaCelula(int linha, int coluna);

    int m_numeroLinhas = 0, m_numeroColunas = 0;
    QVector<QVariant> m_valores; // m_numeroLinhas * m_numeroColunas, row after row
    QVector<QVariant> m_codigos; // one per data row
    QVector<QString> m_titulos;
    QVector<Qt::Alignment> m_alinhamentos;
    QHash<int, QString> m_avisos; // data row -> notice
};

// One column of a list, declared once: header, width in pixels (0: hidden),
// alignment (none: left as the grid has it), the field of the query that
// fills it and, where the list holds it otherwise than as the value read,
// how the cell is made from the record (its field's index given).
struct ColunaGrade {
    QString titulo;
    int largura;
    Qt::Alignment alinhamento;
    QString campo = {};
    std::function<QVariant(const Recordset&, int campo)> leitura = {};
};

// A money column: the amount read (Recordset::dinheiro: an amount that
// cannot be read throws, it is never listed as zero).
QVariant coluna_moeda(const Recordset& rs, int campo);
// The cells of the record set's current record for these columns: each
// column's field by its reading, or its value as read; empty where there is
// no field.
QVariantList celulas_do_registro(const Recordset& rs, const QList<ColunaGrade>& colunas);

// The grid of every list, on its typed model: data rows numbered from 0,
// the header the view's own, widths in pixels.
class Grade : public QTableView {
    Q_OBJECT
public:
    explicit Grade(QWidget* pai = nullptr);

    int linhas() const { return m_modelo.linhas(); }
    int colunas() const { return m_modelo.colunas(); }
    // Data rows (what fits is kept) and columns.
    void defineNumeroLinhas(int n);
    void defineNumeroColunas(int n);
    // The grid takes these columns: their count, headers, widths and alignments.
    void defineColunas(const QList<ColunaGrade>& colunas);
    // The width in pixels that shows every one of these columns.
    static int larguraDe(const QList<ColunaGrade>& colunas);
    // Whether the header is shown (it is by default).
    void mostraCabecalho(bool mostra);

    QString titulo(int coluna) const { return m_modelo.titulo(coluna); }
    void defineTitulo(int coluna, const QString& t);
    // The value behind a cell (ModeloGrade::PapelValor) and its text as shown.
    QVariant valor(int linha, int coluna) const { return m_modelo.valor(linha, coluna); }
    QString texto(int linha, int coluna) const { return m_modelo.texto(linha, coluna); }
    // A cell's value: a text, or a value kept as it is and shown in its format.
    void defineValor(int linha, int coluna, const QVariant& valor);
    // A whole row, and the code of the record it shows (ModeloGrade::PapelCodigo).
    void defineLinha(int linha, const QVariantList& valores, const QVariant& codigo = {});
    QVariant codigo(int linha) const { return m_modelo.codigo(linha); }
    // The amount of a cell: the value it holds, or else its text as a user
    // typed it; nullopt when the text is no amount.
    std::optional<Dinheiro> dinheiro(int linha, int coluna) const;

    // A column's width in pixels as the form designs it (0 hides it). Once
    // the cells are written (when the program is idle again), a shown column
    // whose header or text would be cut is widened to fit it; none is ever
    // made narrower.
    void defineLarguraColuna(int coluna, int pixels);
    // The width in pixels; 0 for a hidden column.
    int larguraColuna(int coluna) const;
    // Widens the columns now, as above.
    void ajustaLarguras();
    void defineAlinhamento(int coluna, Qt::Alignment a) { m_modelo.defineAlinhamento(coluna, a); }

    // A row's notice, as ModeloGrade::defineAviso.
    void defineAviso(int linha, const QString& aviso) { m_modelo.defineAviso(linha, aviso); }
    QString aviso(int linha) const { return m_modelo.aviso(linha); }

    // Current data row (-1 when there is none) and column.
    int linhaAtual() const;
    void defineLinhaAtual(int linha);
    int colunaAtual() const;
    void defineColunaAtual(int coluna);

    // Where a cell stands, in this widget's coordinates (for an in-place editor).
    QRect geometriaCelula(int linha, int coluna) const;

    // n empty rows after the last; the current row and the scroll stay.
    void acrescentaLinhas(int n) { m_modelo.acrescenta(n); }
    // Clears the grid to n empty rows (the header stays).
    void limpa(int linhas);
    // Fills the grid from what is left of a record set: one row per record,
    // from row 0, each value as read; column c gets campos[c] (an empty name
    // leaves the column empty). Then at least `linhasMinimas` data rows.
    void carrega(Recordset& rs, const QStringList& campos, int linhasMinimas = 0);

    // While a Carga lives, cell writes do not repaint; the view refreshes once.
    class Carga {
    public:
        explicit Carga(Grade& g);
        ~Carga();
    private:
        Grade& m_grade;
    };

    ModeloGrade& modelo() { return m_modelo; }

    // In-place editing. The columns given may be edited, each as a field of
    // a kind (TipoCampo, or 0 for plain text: keys filtered while typed,
    // text formatted when committed). A double click, Enter or F2 on a cell
    // of such a column lays an editor box over the cell with its whole text
    // selected; a key typed on the cell opens the box the same way and
    // starts the new text with that key, as spreadsheets do. A cell may be
    // edited when it is filled or, with `colunaDaLinha`, when that column of
    // its row is filled (a row that holds a record, its value still empty).
    // Enter in the box writes the formatted text into the cell (a date or
    // amount that formats to nothing, like a date that is no date, keeps
    // the cell as it was; an amount that is not money stays in the box to
    // be corrected); Escape, leaving the box or scrolling the grid discard
    // the edit (a message box over the form is no leaving). The box is
    // named after the column's header and aligned as its cells.
    //
    // The clicks that open the box end in it: until a key is typed, a
    // press where the opening double click was (a clerk's extra click, the
    // rest of a double click) leaves the whole text selected; a press
    // elsewhere in the box places the caret as usual.
    void editaColunas(const QHash<int, int>& tiposPorColuna, int colunaDaLinha = -1);
    // The form's own rule on a committed text (formatted); when it refuses
    // (showing its message) the text stays in the box, selected, to be corrected.
    void aceitaEdicao(std::function<bool(int linha, int coluna, const QString& texto)> regra) { m_regra = std::move(regra); }
    // The editor box (created with the first editable column).
    QLineEdit* editor() const { return m_editor; }
    bool editando() const;
    // Starts editing the current cell; false when it may not be edited.
    bool iniciaEdicao();
    // Discards the edit under way, if any.
    void cancelaEdicao();

signals:
    // The current data row changed (-1: none).
    void linhaAtualMudou(int linha);
    void rolou();
    // The user asks for the last row (End, Ctrl+End): a list read in
    // pages reads the rest before the grid goes there.
    void fimPedido();
    // A cell (data row, column) took the editor's text.
    void celulaEditada(int linha, int coluna);

protected:
    void scrollContentsBy(int dx, int dy) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* alvo, QEvent* e) override;

private:
    void confirmaEdicao();
    bool editavel(int linha, int coluna) const;
    // Whether a mouse event on the box belongs to the gesture that opened it.
    bool doGestoDeAbertura(const QEvent* e) const;
    void agenda_ajuste();

    ModeloGrade m_modelo;
    int m_carregando = 0;
    QHash<int, int> m_editaveis; // column -> field kind
    QLineEdit* m_editor = nullptr;
    int m_linhaEditada = -1, m_colunaEditada = -1;
    int m_colunaDaLinha = -1;
    // where the double click that opened the box was (global), while the
    // text is as it opened; none once a key is typed or opened by keyboard
    std::optional<QPoint> m_pontoAbertura;
    QPoint m_pontoDuploClique;
    std::function<bool(int, int, const QString&)> m_regra;
    bool m_ajustePendente = false;
};

// The sum of a money column (Grade::dinheiro of each cell), from row 0
// down to the first empty cell. Throws std::invalid_argument (with the
// user's message) if a cell is not money.
Dinheiro soma_coluna(const Grade& grade, int coluna);
