#pragma once
#include "definicaorelatorio.h"
#include "formulaselecao.h"

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

    // The statement that was run and its values (tests read them).
    const QString& sql() const { return m_sql; }
    const QVariantList& valores() const { return m_parametros; }

private:
    QStringList m_nomes;     // kept columns, lower case
    QVector<QVariant> m_valores;
    int m_linhas = 0;
    QString m_sql;
    QVariantList m_parametros;
    std::unique_ptr<QSqlQuery> m_consulta; // open while rows remain
};
