#include "dadosrelatorio.h"
#include "errorelatorio.h"
#include "sessao.h"

#include <QDateTime>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
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
    bool data = false;
};

// A period longer than this is read by stretches: the first of a week,
// each next one twice as long, up to a quarter.
constexpr int DIAS_DE_UMA_VEZ = 62;
constexpr int PRIMEIRO_TRECHO = 7;
constexpr int MAIOR_TRECHO = 91;

QList<ColunaConsulta> colunasDaConsulta(QSqlDatabase banco, const QString& consulta)
{
    QSqlQuery q(banco);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("select first 0 * from (%1) dados").arg(consulta)))
        throw erroDe(q.lastError());
    QList<ColunaConsulta> r;
    const QSqlRecord rec = q.record();
    for (int i = 0; i < rec.count(); ++i)
        r.append({rec.fieldName(i), rec.field(i).metaType().id() == QMetaType::QDateTime, rec.field(i).metaType().id() == QMetaType::QDate});
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
    QString trecho; // the column the rows can be read by stretches of, when there is one
    bool trechoComHora = false;
    bool procuraTrecho = true;
    auto ordena = [&](int i, const QString& sentido) {
        const QString coluna = QStringLiteral("dados.") + identificador(todas[i].nome);
        ordem.append(coluna + (sentido.isEmpty() ? QString() : QLatin1Char(' ') + sentido));
        // the first column of the order that the selection does not fix to one value
        if (!procuraTrecho || std::any_of(filtro.limites.cbegin(), filtro.limites.cend(), [&](const LimiteSelecao& l) {
                // a date-and-time "=" a day still holds that day's times
                return l.coluna == coluna && l.op == QLatin1String("=") && !todas[i].dataHora;
            }))
            return;
        procuraTrecho = false;
        if ((todas[i].data || todas[i].dataHora) && sentido != QLatin1String("desc")) {
            trecho = coluna;
            trechoComHora = todas[i].dataHora;
        }
    };
    for (Definicao::Grupo& g : def.grupos) {
        g.indice = usa(g.campo);
        ordena(exige(g.campo), QString());
    }
    for (const QString& o : def.ordem) {
        const QString campo = o.section(QLatin1Char(' '), 0, 0);
        const QString sentido = o.section(QLatin1Char(' '), 1).trimmed();
        if (!sentido.isEmpty() && sentido != QLatin1String("desc") && sentido != QLatin1String("asc"))
            throw ErroRelatorio(QStringLiteral("Definição de relatório inválida (%1): ordem \"%2\"").arg(nomeArquivo, o));
        ordena(exige(campo), sentido);
    }
    if (usadas.isEmpty())
        usadas.append(0);

    QStringList lista;
    m_nomes.clear();
    for (int i : usadas) {
        lista.append(QStringLiteral("dados.") + identificador(todas[i].nome));
        m_nomes.append(todas[i].nome.toLower());
    }
    const QString selecao = QStringLiteral("select %1 from (%2) dados").arg(lista.join(QStringLiteral(", ")), def.consulta);
    const QString ordenacao = ordem.isEmpty() ? QString() : QStringLiteral(" order by ") + ordem.join(QStringLiteral(", "));
    m_sql = selecao + (filtro.vazio() ? QString() : QStringLiteral(" where ") + filtro.sql) + ordenacao;
    m_parametros = filtro.valores;

    m_trechos = trechos_do_periodo(filtro.limites, trecho);
    m_sqlTrecho.clear();
    m_trechoComHora = trechoComHora;
    if (!m_trechos.isEmpty()) {
        // a date-and-time column: from the first day's midnight up to the next stretch's
        const QString tipo = trechoComHora ? QStringLiteral("timestamp") : QStringLiteral("date");
        m_sqlTrecho = selecao + QStringLiteral(" where (") + filtro.sql + QStringLiteral(") and %1 >= cast(? as %2) and %1 < cast(? as %2)").arg(trecho, tipo)
                      + ordenacao;
    }

    m_consulta.reset();
    m_banco = banco;
    m_valores.clear();
    m_linhas = 0;
    m_consultas = 0;
    proxima_consulta();
}

QList<DadosRelatorio::Trecho> DadosRelatorio::trechos_do_periodo(const QList<LimiteSelecao>& limites, const QString& coluna)
{
    // the days the selection bounds the column to: [de, ate)
    QDate de, ate;
    for (const LimiteSelecao& l : limites) {
        if (coluna.isEmpty() || l.coluna != coluna || l.valor.metaType().id() != QMetaType::QDate)
            continue;
        const QDate d = l.valor.toDate();
        if (l.op == QLatin1String(">=") || l.op == QLatin1String(">")) {
            const QDate inicio = l.op == QLatin1String(">") ? d.addDays(1) : d;
            de = de.isValid() ? qMax(de, inicio) : inicio;
        } else if (l.op == QLatin1String("<=") || l.op == QLatin1String("<")) {
            const QDate fim = l.op == QLatin1String("<=") ? d.addDays(1) : d;
            ate = ate.isValid() ? qMin(ate, fim) : fim;
        }
    }
    QList<Trecho> r;
    if (!de.isValid() || !ate.isValid() || de.daysTo(ate) <= DIAS_DE_UMA_VEZ)
        return r;
    int dias = PRIMEIRO_TRECHO;
    for (QDate d = de; d < ate; d = d.addDays(dias), dias = qMin(dias * 2, MAIOR_TRECHO))
        r.append({d, qMin(d.addDays(dias), ate)});
    return r;
}

void DadosRelatorio::proxima_consulta()
{
    QVariantList valores = m_parametros;
    if (!m_sqlTrecho.isEmpty()) {
        const Trecho t = m_trechos.takeFirst();
        if (m_trechoComHora)
            valores << QDateTime(t.de, QTime(0, 0)) << QDateTime(t.ate, QTime(0, 0));
        else
            valores << t.de << t.ate;
    }
    auto q = std::make_unique<QSqlQuery>(m_banco);
    q->setForwardOnly(true);
    q->setNumericalPrecisionPolicy(QSql::HighPrecision);
    if (!q->prepare(m_sqlTrecho.isEmpty() ? m_sql : m_sqlTrecho))
        throw erroDe(q->lastError());
    for (const QVariant& v : valores)
        q->addBindValue(v);
    if (!q->exec())
        throw erroDe(q->lastError());
    ++m_consultas;
    m_consulta = std::move(q);
}

int DadosRelatorio::le(int n)
{
    const int colunas = int(m_nomes.size());
    int lidas = 0;
    while (lidas < n && m_consulta) {
        QSqlQuery& q = *m_consulta;
        while (lidas < n && q.next()) {
            for (int c = 0; c < colunas; ++c)
                m_valores.append(q.value(c));
            ++lidas;
            ++m_linhas;
        }
        if (lidas < n) { // this statement's end, or a failure
            const QSqlError erro = q.lastError();
            m_consulta.reset();
            if (erro.isValid())
                throw erroDe(erro);
            if (!m_trechos.isEmpty())
                proxima_consulta();
        }
    }
    if (!m_consulta)
        m_valores.squeeze();
    return lidas;
}
