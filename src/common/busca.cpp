#include "busca.h"
#include "modulo1.h"

#include <QStringList>
#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

// Accented letters and the plain letter each one stands for. The database
// function chave_busca (schema/controle_os.sql) replaces the same letters.
constexpr char16_t ACENTOS[] = u"àáâãäåçèéêëìíîïñòóôõöùúûüýÿ";
constexpr char16_t SIMPLES[] = u"aaaaaaceeeeiiiinooooouuuuyy";
static_assert(sizeof(ACENTOS) == sizeof(SIMPLES));

// Columns with a search key kept beside them: the customer table is the one
// that grows to tens of thousands of rows.
struct ColunaComChave {
    QLatin1StringView coluna;
    QLatin1StringView chave;
};
constexpr ColunaComChave CHAVES[] = {
    {QLatin1StringView("cliente.cfantasia"), QLatin1StringView("cliente.cfantasia_busca")},
    {QLatin1StringView("cliente.cendereco"), QLatin1StringView("cliente.cendereco_busca")},
};

// The text as a like pattern that matches it literally (escape character "\").
QString literal_like(const QString& texto)
{
    QString r;
    r.reserve(texto.size() + 4);
    for (QChar c : texto) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            r += QLatin1Char('\\');
        r += c;
    }
    return r;
}

QString contem(const QString& coluna, const QString& colacao, const QString& texto)
{
    return coluna + colacao + QStringLiteral(" like '%") + texto_sql(literal_like(texto)) + QStringLiteral("%' escape '\\'");
}

// How many rows of one triple the search counts before it calls it common,
// and how many triples of a long text it weighs.
constexpr int LIMITE_CONTAGEM = 300;
constexpr int TRIGRAMAS_PESADOS = 8;

} // namespace

QString chave_busca(const QString& texto)
{
    QString r = texto.toLower();
    for (QChar& c : r) {
        if (c.unicode() < 0xE0 || c.unicode() > 0xFF)
            continue;
        for (int i = 0; ACENTOS[i]; ++i)
            if (c.unicode() == ACENTOS[i]) {
                c = QChar(SIMPLES[i]);
                break;
            }
    }
    return r;
}

QString contem_texto(const QString& coluna, const QString& texto)
{
    for (const ColunaComChave& c : CHAVES)
        if (coluna.compare(c.coluna, Qt::CaseInsensitive) == 0)
            return texto.isEmpty() ? c.chave + QStringLiteral(" is not null") : contem(c.chave, QString(), chave_busca(texto));
    return texto.isEmpty() ? coluna + QStringLiteral(" is not null") : contem(coluna, QStringLiteral(" collate unicode_ci_ai"), texto);
}

QString junta_nome_cliente(const QString& texto)
{
    const QString chave = chave_busca(texto);
    struct Trigrama {
        QString texto;
        qsizetype posicao;
        int quantos = 0;
    };
    std::vector<Trigrama> todos;
    for (qsizetype i = 0; i + 3 <= chave.size(); ++i) {
        const QString t = chave.mid(i, 3);
        if (std::none_of(todos.begin(), todos.end(), [&](const Trigrama& x) { return x.texto == t; }))
            todos.push_back({t, i});
    }
    if (todos.empty())
        return {};
    // a long text: triples spread from its start to its end
    std::vector<Trigrama> pesados;
    const size_t n = todos.size();
    const size_t m = std::min<size_t>(n, TRIGRAMAS_PESADOS);
    for (size_t k = 0; k < m; ++k)
        pesados.push_back(todos[m == 1 ? 0 : k * (n - 1) / (m - 1)]);

    // how common each one is, counted up to a bound, in one statement (in
    // the key's order, so the engine walks the index and stops at the
    // bound instead of first marking every row of a common triple)
    QStringList contagens;
    for (size_t k = 0; k < pesados.size(); ++k)
        contagens << QStringLiteral("select %1 as n, count(*) as quantos from (select first %2 1 as x from cliente_trigrama "
                                    "where ctrigrama = '%3' order by ctrigrama, ncliente)")
                         .arg(k)
                         .arg(LIMITE_CONTAGEM)
                         .arg(texto_sql(pesados[k].texto));
    try {
        Recordset rs(conexao);
        rs.abre(contagens.join(QStringLiteral(" union all ")));
        for (; !rs.eof(); rs.moveNext())
            pesados[size_t(rs.inteiro(QStringLiteral("n")))].quantos = int(rs.inteiro(QStringLiteral("quantos")));
        rs.fecha();
    } catch (const ErroBanco&) {
        return {};
    }
    // the rarest (on a tie the later one: the end of a name is what tells
    // customers apart), then the rarest that does not overlap it
    auto maisRaro = [&](auto aceita) {
        const Trigrama* r = nullptr;
        for (const Trigrama& t : pesados)
            if (aceita(t) && (!r || t.quantos <= r->quantos))
                r = &t;
        return r;
    };
    const Trigrama* primeiro = maisRaro([](const Trigrama&) { return true; });
    const Trigrama* segundo = maisRaro([&](const Trigrama& t) { return std::abs(t.posicao - primeiro->posicao) >= 3; });
    if (!segundo)
        segundo = maisRaro([&](const Trigrama& t) { return &t != primeiro; });

    // The customers holding both triples, found apart and first: both
    // triples' rows are read once from the key and matched in memory (the
    // "+ 0" keeps the engine from looking each one up in the key instead,
    // thousands of times for a common triple); only the customers found
    // are read, and their names checked.
    const QString a = texto_sql(primeiro->texto);
    if (!segundo)
        return QStringLiteral(" join (select ncliente from cliente_trigrama where ctrigrama = '%1' group by ncliente) trigramas_nome"
                              " on trigramas_nome.ncliente = cliente.ncodigo")
            .arg(a);
    return QStringLiteral(" join (select t1.ncliente from cliente_trigrama t1 join cliente_trigrama t2"
                          " on t2.ctrigrama = '%2' and t2.ncliente + 0 = t1.ncliente + 0"
                          " where t1.ctrigrama = '%1' group by t1.ncliente) trigramas_nome on trigramas_nome.ncliente = cliente.ncodigo")
        .arg(a, texto_sql(segundo->texto));
}

void preenche_trigramas(Conexao& c)
{
    Recordset rs(c);
    // at every start but the first on version 10 the index is there: one
    // row read, and nothing more
    rs.abre(QStringLiteral("select first 1 1 as x from cliente_trigrama"));
    const bool vazio = rs.eof();
    rs.fecha();
    if (!vazio)
        return;
    rs.abre(QStringLiteral("select first 1 1 as x from cliente where char_length(cfantasia_busca) >= 3"));
    const bool comNomes = !rs.eof();
    rs.fecha();
    if (!comNomes)
        return;
    try {
        // sorted by triple, so the rows of one triple lie together on disk
        c.execute(QStringLiteral("insert into cliente_trigrama (ctrigrama, ncliente) "
                                 "select distinct t.trigrama, c.ncodigo from cliente c cross join trigramas(c.cfantasia_busca) t"));
    } catch (const ErroBanco& e) {
        if (e.codigo() != QLatin1String("-803")) // written by another station meanwhile
            throw;
    }
}
