#pragma once
#include "dinheiro.h"
#include <QAbstractTableModel>
#include <QHash>
#include <QTableView>
#include <QVector>
#include <functional>
#include <optional>

class QLineEdit;

// The grid of every list: row 0 is the one fixed header row, data rows are
// 1 .. rows()-1, columns 0 .. cols()-1. Cells hold text, or a value read
// (an amount as a Dinheiro) kept as read and shown in its format. Widths
// are given in twips (15 twips = 1 pixel at 96 dpi), as the forms lay them out.
class ModeloGrade : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    enum Papel {
        // The value a cell shows (a Dinheiro for an amount), as it was read
        // from the database or computed: what the program takes from the
        // cell, never its text read back. Invalid for a cell of text.
        PapelValor = Qt::UserRole + 1,
    };

    int rowCount(const QModelIndex& pai = {}) const override { return pai.isValid() ? 0 : m_linhas; }
    int columnCount(const QModelIndex& pai = {}) const override { return pai.isValid() ? 0 : m_colunas; }
    QVariant data(const QModelIndex& i, int papel) const override;
    QVariant headerData(int secao, Qt::Orientation o, int papel) const override;

    void redimensiona(int linhas, int colunas); // data rows (without header)
    // n empty rows after the last, the view kept where it is.
    void acrescenta(int n);
    const QString& texto(int linha, int coluna) const; // data row from 0
    // A cell of text (what the user typed replaces a value read).
    void defineTexto(int linha, int coluna, const QString& t, bool avisa);
    // A cell holding a value (a text is a cell of text): the value is kept
    // and its text made from it ("R$ 1.234,50" for a Dinheiro, a date
    // dd/mm/yyyy as Recordset::comoTexto writes it).
    void defineCelula(int linha, int coluna, const QVariant& conteudo, bool avisa);
    QVariant valor(int linha, int coluna) const;
    QString cabecalho(int coluna) const { return m_cabecalho.value(coluna); }
    void defineCabecalho(int coluna, const QString& t);
    void defineAlinhamento(int coluna, Qt::Alignment a);
    void avisaTudo();
    // A notice on a data row (from 0), such as "Vencida": the row is shown in
    // red and the notice is the description of each of its cells (what a
    // screen reader says after the text) and their tooltip. Empty removes it.
    void defineAviso(int linha, const QString& aviso);
    QString aviso(int linha) const { return m_avisos.value(linha); }

private:
    void escreveTexto(int linha, int coluna, const QString& t, bool avisa);

    int m_linhas = 0, m_colunas = 0;
    QVector<QString> m_celulas; // m_linhas * m_colunas, row-major
    // The columns that hold values: one per data row, invalid for a cell of text.
    QHash<int, QVector<QVariant>> m_valores;
    QVector<QString> m_cabecalho;
    QVector<Qt::Alignment> m_alinhamentos;
    QHash<int, QString> m_avisos; // data row -> notice
};

class Recordset;

// One column of a list: header, width in twips, alignment (none: left as
// the grid has it), the field of the query that fills it and, where the
// list holds it otherwise than as its text, how the cell is made from the
// record (its field's index given): a text, or a value such as a Dinheiro.
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
// column's field by its reading, or as text; empty where there is no field.
QVariantList celulas_do_registro(const Recordset& rs, const QList<ColunaGrade>& colunas);

class Grade : public QTableView {
    Q_OBJECT
public:
    explicit Grade(QWidget* pai = nullptr);

    // Total rows including the header row (when there is one).
    int rows() const { return m_modelo.rowCount() + m_fixas; }
    // 1 (default): row 0 is the header; 0: no header, data from row 0.
    void setFixedRows(int n);
    int fixedRows() const { return m_fixas; }
    void setRows(int n);
    int cols() const { return m_modelo.columnCount(); }
    void setCols(int n);

    QString textMatrix(int linha, int coluna) const;
    void setTextMatrix(int linha, int coluna, const QString& t);
    // A data cell made from a value, or from a text (as ModeloGrade::defineCelula).
    void defineCelula(int linha, int coluna, const QVariant& conteudo);
    // The value behind a data cell (ModeloGrade::PapelValor).
    QVariant valor(int linha, int coluna) const { return m_modelo.valor(linha - m_fixas, coluna); }
    // The amount of a data cell: the value it holds, or else its text as a
    // user typed it; nullopt when the text is no amount.
    std::optional<Dinheiro> dinheiro(int linha, int coluna) const;

    // A column's width as the form designs it. Once the cells are written
    // (when the program is idle again), a shown column whose header or
    // text would be cut is widened to fit it; none is ever made narrower.
    void setColWidth(int coluna, int twips);
    int colWidth(int coluna) const;
    // Widens the columns now, as above.
    void ajustaLarguras();
    void setColAlignment(int coluna, Qt::Alignment a);
    // The grid takes these columns: their count, headers, widths and alignments.
    void defineColunas(const QList<ColunaGrade>& colunas);
    // The width in pixels that shows every one of these columns.
    static int larguraDe(const QList<ColunaGrade>& colunas);

    // A row's notice (numbered like rows), as ModeloGrade::defineAviso.
    void setAvisoLinha(int linha, const QString& aviso) { m_modelo.defineAviso(linha - m_fixas, aviso); }
    QString avisoLinha(int linha) const { return m_modelo.aviso(linha - m_fixas); }

    // Current row (numbered like rows; -1 when there is none) and column.
    int row() const;
    void setRow(int linha);
    int col() const;
    void setCol(int coluna);

    // Where a cell stands, in this widget's coordinates (for an in-place editor).
    QRect cellGeometry(int linha, int coluna) const;

    // n empty rows after the last; the current row and the scroll stay.
    void acrescentaLinhas(int n) { m_modelo.acrescenta(n); }
    // Clears the grid to the header and n empty rows.
    void limpa(int linhas);
    // Fills the grid from what is left of a record set: one row per record,
    // from the first row below the header; column c gets campos[c] (an empty
    // name leaves the column empty). Then at least `minimo` rows in all.
    void preenche(Recordset& rs, const QStringList& campos, int minimo = 0);

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
    void linhaAtualMudou(int linha);
    void rolou();
    // The user asks for the last row (End, Ctrl+End): a list read in
    // pages reads the rest before the grid goes there.
    void fimPedido();
    // A cell took the editor's text.
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
    int m_fixas = 1;
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

// The sum of a money column (Grade::dinheiro of each cell), from the first
// row down to the first empty cell. Throws std::invalid_argument (with the
// user's message) if a cell is not money.
Dinheiro soma_coluna(const Grade& grade, int coluna);
