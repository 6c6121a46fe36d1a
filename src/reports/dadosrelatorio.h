#pragma once
#include "definicaorelatorio.h"
#include "formulaselecao.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <memory>

class QSqlQuery;

// The rows of one run: the definition's query, narrowed by the selection
// formula, sorted by its groups and order. Only the columns the layout
// uses are kept, in one flat array. The rows may be read in steps: the
// first ones are laid out while the rest are still coming.
//
// A long period is read a stretch of days at a time, when the rows are
// ordered by that date first (any group before it being fixed by the
// selection, as one technician is) and the selection bounds it on both
// sides: each stretch is a statement of its own, sorted alone, so the
// first page comes after the database has sorted a week, not a year, and
// no sort outgrows the server's memory. The rows and their order are
// those of the one statement.
class DadosRelatorio {
public:
    DadosRelatorio();
    ~DadosRelatorio();

    // Reads the query's columns, translates the selection formula against
    // them, links every column the definition names (texts, conditions,
    // groups) and starts the query; no row is read yet. Throws
    // ErroRelatorio or ErroBanco.
    void abre(QSqlDatabase banco, Definicao& def, const QString& formulaSelecao);
    // Reads up to n more rows; once the last is read the query is closed
    // (and its transaction with it). Gives how many it read. Throws ErroBanco.
    int le(int n);
    // Every row read, the query closed.
    bool completos() const { return !m_consulta; }
    // abre() and every row at once.
    void carrega(QSqlDatabase banco, Definicao& def, const QString& formulaSelecao);

    // The rows read so far (all of them once completos()).
    int linhas() const { return m_linhas; }
    int colunas() const { return int(m_nomes.size()); }
    const QVariant& valor(int linha, int coluna) const { return m_valores[qsizetype(linha) * m_nomes.size() + coluna]; }
    // The column's index among the kept ones; -1 when not kept.
    int indice(const QString& nome) const { return int(m_nomes.indexOf(nome.toLower())); }

    // The one statement that gives these rows and its values (tests and
    // the benchmark read them); a long period reads it by stretches.
    const QString& sql() const { return m_sql; }
    const QVariantList& valores() const { return m_parametros; }
    // The statements run so far: 1, or one per stretch of days read.
    int consultas() const { return m_consultas; }

private:
    // Runs the statement of the next stretch (the whole one without stretches).
    void proxima_consulta();

    struct Trecho {
        QDate de, ate; // from de up to, not including, ate
    };
    // The stretches of the days the selection bounds the column to, when
    // that period is long; none otherwise.
    static QList<Trecho> trechos_do_periodo(const QList<LimiteSelecao>& limites, const QString& coluna);

    QSqlDatabase m_banco;
    QStringList m_nomes;     // kept columns, lower case
    QVector<QVariant> m_valores;
    int m_linhas = 0;
    QString m_sql;
    QVariantList m_parametros;
    QString m_sqlTrecho;     // the statement of one stretch (its bounds bound last); "" when read at once
    QList<Trecho> m_trechos; // still to read
    bool m_trechoComHora = false; // the stretches bound a date-and-time column
    int m_consultas = 0;
    std::unique_ptr<QSqlQuery> m_consulta; // open while rows remain
};
