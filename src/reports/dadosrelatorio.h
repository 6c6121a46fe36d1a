#pragma once
#include "definicaorelatorio.h"
#include "formulaselecao.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

// The rows of one run: the definition's query, narrowed by the selection
// formula, sorted by its groups and order. Only the columns the layout
// uses are kept, in one flat array.
class DadosRelatorio {
public:
    // Reads the query's columns, translates the selection formula against
    // them, links every column the definition names (texts, conditions,
    // groups) and reads the rows. Throws ErroRelatorio or ErroBanco.
    void carrega(QSqlDatabase banco, Definicao& def, const QString& formulaSelecao);

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
};
