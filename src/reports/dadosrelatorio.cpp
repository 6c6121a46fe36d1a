#include "dadosrelatorio.h"
#include "errorelatorio.h"
#include "sessao.h"

#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <limits>

namespace {

ErroBanco erroDe(const QSqlError& e) { return ErroBanco::de(e); }

// An identifier as SQL reads it: between double quotes, exactly as the
// database named the column.
QString identificador(const QString& nome)
{
    QString n = nome;
    return QLatin1Char('"') + n.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

struct ColunaConsulta {
    QString nome; // as the database gives it
    bool dataHora = false;
};

QList<ColunaConsulta> colunasDaConsulta(QSqlDatabase banco, const QString& consulta)
{
    QSqlQuery q(banco);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("select first 0 * from (%1) dados").arg(consulta)))
        throw erroDe(q.lastError());
    QList<ColunaConsulta> r;
    const QSqlRecord rec = q.record();
    for (int i = 0; i < rec.count(); ++i)
        r.append({rec.fieldName(i), rec.field(i).metaType().id() == QMetaType::QDateTime});
    return r;
}

} // namespace

DadosRelatorio::DadosRelatorio() = default;
DadosRelatorio::~DadosRelatorio() = default;

void DadosRelatorio::carrega(QSqlDatabase banco, Definicao& def, const QString& formulaSelecao)
{
    abre(banco, def, formulaSelecao);
    le(std::numeric_limits<int>::max());
}

void DadosRelatorio::abre(QSqlDatabase banco, Definicao& def, const QString& formulaSelecao)
{
    const QList<ColunaConsulta> todas = colunasDaConsulta(banco, def.consulta);
    auto posicao = [&todas](const QString& nome) {
        for (int i = 0; i < todas.size(); ++i)
            if (todas[i].nome.compare(nome, Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    };
    const QString nomeArquivo = def.arquivo.section(QLatin1Char('/'), -1);
    auto exige = [&](const QString& nome) {
        const int i = posicao(nome);
        if (i < 0)
            throw ErroRelatorio(QStringLiteral("Definição de relatório inválida (%1): a consulta não tem o campo \"%2\"").arg(nomeArquivo, nome));
        return i;
    };

    // The selection formula reaches only the query's own columns: by the
    // definition's table name or by a synonym that the definition lists.
    const ResolveColuna resolve = [&](const QString& tabela, const QString& coluna) -> std::optional<ColunaSelecao> {
        const QString chave = (tabela + QLatin1Char('.') + coluna).toLower();
        QString nome;
        if (def.sinonimos.contains(chave))
            nome = def.sinonimos.value(chave);
        else if (!def.tabela.isEmpty() && tabela.compare(def.tabela, Qt::CaseInsensitive) == 0)
            nome = coluna;
        const int i = nome.isEmpty() ? -1 : posicao(nome);
        if (i < 0)
            return std::nullopt;
        return ColunaSelecao{QStringLiteral("dados.") + identificador(todas[i].nome), todas[i].dataHora};
    };
    const FiltroSql filtro = traduz_selecao(formulaSelecao, resolve);

    // The columns the layout uses, each kept once.
    QList<int> usadas;
    auto usa = [&](const QString& nome) {
        const int i = exige(nome);
        if (!usadas.contains(i))
            usadas.append(i);
        return int(usadas.indexOf(i));
    };
    para_cada_parte(def, [&](ModeloTexto::Parte& p, int) {
        if (p.tipo == ModeloTexto::Parte::Campo || p.tipo == ModeloTexto::Parte::Soma)
            p.indice = usa(p.nome);
    });
    para_cada_condicao(def, [&](Definicao::Condicao& c) {
        if (!c.nome.isEmpty() && !c.formula)
            c.indice = usa(c.nome);
    });
    QStringList ordem;
    for (Definicao::Grupo& g : def.grupos) {
        g.indice = usa(g.campo);
        ordem.append(QStringLiteral("dados.") + identificador(todas[exige(g.campo)].nome));
    }
    for (const QString& o : def.ordem) {
        const QString campo = o.section(QLatin1Char(' '), 0, 0);
        const QString sentido = o.section(QLatin1Char(' '), 1).trimmed();
        if (!sentido.isEmpty() && sentido != QLatin1String("desc") && sentido != QLatin1String("asc"))
            throw ErroRelatorio(QStringLiteral("Definição de relatório inválida (%1): ordem \"%2\"").arg(nomeArquivo, o));
        ordem.append(QStringLiteral("dados.") + identificador(todas[exige(campo)].nome) + (sentido.isEmpty() ? QString() : QLatin1Char(' ') + sentido));
    }
    if (usadas.isEmpty())
        usadas.append(0);

    QStringList lista;
    m_nomes.clear();
    for (int i : usadas) {
        lista.append(QStringLiteral("dados.") + identificador(todas[i].nome));
        m_nomes.append(todas[i].nome.toLower());
    }
    m_sql = QStringLiteral("select %1 from (%2) dados").arg(lista.join(QStringLiteral(", ")), def.consulta);
    if (!filtro.vazio())
        m_sql += QStringLiteral(" where ") + filtro.sql;
    if (!ordem.isEmpty())
        m_sql += QStringLiteral(" order by ") + ordem.join(QStringLiteral(", "));
    m_parametros = filtro.valores;

    m_consulta.reset();
    auto q = std::make_unique<QSqlQuery>(banco);
    q->setForwardOnly(true);
    q->setNumericalPrecisionPolicy(QSql::HighPrecision);
    if (!q->prepare(m_sql))
        throw erroDe(q->lastError());
    for (const QVariant& v : m_parametros)
        q->addBindValue(v);
    if (!q->exec())
        throw erroDe(q->lastError());
    m_valores.clear();
    m_linhas = 0;
    m_consulta = std::move(q);
}

int DadosRelatorio::le(int n)
{
    if (!m_consulta)
        return 0;
    QSqlQuery& q = *m_consulta;
    const int colunas = int(m_nomes.size());
    int lidas = 0;
    while (lidas < n && q.next()) {
        for (int c = 0; c < colunas; ++c)
            m_valores.append(q.value(c));
        ++lidas;
    }
    m_linhas += lidas;
    if (lidas < n) { // the end, or a failure
        const QSqlError erro = q.lastError();
        m_consulta.reset();
        if (erro.isValid())
            throw erroDe(erro);
        m_valores.squeeze();
    }
    return lidas;
}
