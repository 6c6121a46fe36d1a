#include "busca.h"
#include "sessao.h"

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

// The pattern is cast to a text long enough for any typed text with its
// "%" marks (bound alone it would take the column's length).
TrechoSql contem(const QString& coluna, const QString& colacao, const QString& texto)
{
    return {coluna + colacao + QStringLiteral(" like cast(? as varchar(1000)) escape '\\'"),
            {QStringLiteral("%") + literal_like(texto) + QStringLiteral("%")}};
}

// A second triple is read whole and matched with the first in memory when
// it is at most this many times as common; a commoner one is looked up in
// the key for each customer of the first instead.
constexpr qint64 JUNTA_EM_MEMORIA = 4;

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

TrechoSql contem_texto(const QString& coluna, const QString& texto)
{
    for (const ColunaComChave& c : CHAVES)
        if (coluna.compare(c.coluna, Qt::CaseInsensitive) == 0)
            return texto.isEmpty() ? TrechoSql{c.chave + QStringLiteral(" is not null")} : contem(c.chave, QString(), chave_busca(texto));
    return texto.isEmpty() ? TrechoSql{coluna + QStringLiteral(" is not null")} : contem(coluna, QStringLiteral(" collate unicode_ci_ai"), texto);
}

TrechoSql junta_nome_cliente(const QString& texto)
{
    const QString chave = chave_busca(texto);
    struct Trigrama {
        QString texto;
        qsizetype posicao;
        qint64 clientes = 0;
    };
    std::vector<Trigrama> todos;
    for (qsizetype i = 0; i + 3 <= chave.size(); ++i) {
        const QString t = chave.mid(i, 3);
        if (std::none_of(todos.begin(), todos.end(), [&](const Trigrama& x) { return x.texto == t; }))
            todos.push_back({t, i});
    }
    if (todos.empty())
        return {};

    // How many customers held each triple when they were last counted, in
    // one statement (one key lookup each); a triple the count does not know
    // came after it, and is rare.
    QStringList contagens;
    QVariantList triplas; // each triple's place in todos, and the triple
    for (size_t k = 0; k < todos.size(); ++k) {
        contagens << QStringLiteral("select cast(? as integer) as n, nclientes from trigrama_frequencia where ctrigrama = ?");
        triplas << int(k) << todos[k].texto;
    }
    try {
        Recordset rs(conexao);
        rs.abre(contagens.join(QStringLiteral(" union all ")), triplas);
        for (; !rs.eof(); rs.moveNext())
            todos[size_t(rs.inteiro(QStringLiteral("n")))].clientes = rs.inteiro(QStringLiteral("nclientes"));
        rs.fecha();
    } catch (const ErroBanco&) {
        return {};
    }
    // rarest first; on a tie the later one (the end of a name is what tells
    // customers apart)
    std::stable_sort(todos.begin(), todos.end(), [](const Trigrama& a, const Trigrama& b) {
        return a.clientes != b.clientes ? a.clientes < b.clientes : a.posicao > b.posicao;
    });
    // The customers holding the rarest triple and a second one, found apart
    // and first. The second one's rows are read too and matched with the
    // first's in memory when it is about as rare (the "+ 0" keeps the engine
    // from looking each one up instead); else each customer of the first is
    // looked up in the key for the rarest second. A third triple is looked
    // up for the few left. Only the customers found are read, and their
    // names checked. Every row read fetches a page, so the second is the one
    // that reads the fewest: its own rows, and when it shares two letters
    // with the first (such triples mostly come together, and tell little)
    // as many again as the first has, for the customers it leaves.
    const Trigrama& primeiro = todos.front();
    // two triples that share at most one letter of the text
    auto separado = [](const Trigrama& a, const Trigrama* b) { return !b || std::abs(a.posicao - b->posicao) >= 2; };
    auto emMemoria = [&](const Trigrama& t) { return t.clientes <= JUNTA_EM_MEMORIA * std::max<qint64>(primeiro.clientes, 1); };
    // the rarest other than the ones given that passes, or none
    auto oRaroQue = [&](auto passa, const Trigrama* outro = nullptr) -> const Trigrama* {
        for (const Trigrama& t : todos)
            if (&t != &primeiro && &t != outro && passa(t))
                return &t;
        return nullptr;
    };
    auto custo = [&](const Trigrama& t) { return t.clientes + (separado(t, &primeiro) ? 0 : primeiro.clientes); };
    const Trigrama* segundo = nullptr;
    for (const Trigrama& t : todos)
        if (&t != &primeiro && emMemoria(t) && (!segundo || custo(t) < custo(*segundo)))
            segundo = &t;
    if (!segundo)
        segundo = oRaroQue([](const Trigrama&) { return true; });
    const Trigrama* terceiro = oRaroQue([&](const Trigrama& t) { return separado(t, &primeiro) && separado(t, segundo); }, segundo);
    if (!terceiro)
        terceiro = oRaroQue([](const Trigrama&) { return true; }, segundo);
    // the statement with each triple bound, in the order its marks come
    TrechoSql juncao;
    auto existe = [&juncao](const Trigrama* t, const QString& n, const QString& cliente) {
        if (!t)
            return;
        juncao.sql += QStringLiteral(" and exists (select 1 from cliente_trigrama %1 where %1.ctrigrama = ? and %1.ncliente = %2)").arg(n, cliente);
        juncao.valores << t->texto;
    };
    const QString fim = QStringLiteral(") trigramas_nome on trigramas_nome.ncliente = cliente.ncodigo");
    if (segundo && emMemoria(*segundo)) {
        // grouped, so that the engine matches both before it reads any
        // customer; the third looked up for those left
        juncao = {QStringLiteral(" join (select t1.ncliente from cliente_trigrama t1 join cliente_trigrama t2"
                                 " on t2.ctrigrama = ? and t2.ncliente + 0 = t1.ncliente + 0 where t1.ctrigrama = ? group by t1.ncliente")
                      + fim,
                  {segundo->texto, primeiro.texto}};
        existe(terceiro, QStringLiteral("t3"), QStringLiteral("trigramas_nome.ncliente"));
        return juncao;
    }
    juncao = {QStringLiteral(" join (select t1.ncliente from cliente_trigrama t1 where t1.ctrigrama = ?"), {primeiro.texto}};
    existe(segundo, QStringLiteral("t2"), QStringLiteral("t1.ncliente"));
    existe(terceiro, QStringLiteral("t3"), QStringLiteral("t1.ncliente"));
    juncao.sql += fim;
    return juncao;
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
        // written in the key's order, so the rows of one triple lie together
        // on a few pages (a search reads a page for every row it reads:
        // together they are found in the engine's cache); the engine sorts
        // once for both the order and the distinct
        c.execute(QStringLiteral("insert into cliente_trigrama (ctrigrama, ncliente) "
                                 "select distinct t.trigrama, c.ncodigo from cliente c cross join trigramas(c.cfantasia_busca) t "
                                 "order by 1, 2"));
    } catch (const ErroBanco& e) {
        if (e.codigo() != QLatin1String("-803")) // written by another station meanwhile
            throw;
    }
}

bool conta_trigramas(Conexao& c)
{
    // counted once the customers have grown by a quarter (and a hundred)
    // since the last count: the order of the triples hardly moves between
    Recordset rs(c);
    rs.abre(QStringLiteral("select gen_id(codigo_cliente, 0) as atual, (select max(nultimo_cliente) from trigrama_contagem) as contado from rdb$database"));
    const qint64 atual = rs.inteiro(QStringLiteral("atual"));
    const QVariant contado = rs.valor(QStringLiteral("contado"));
    rs.fecha();
    if (!contado.isNull() && atual <= contado.toLongLong() + contado.toLongLong() / 4 + 100)
        return false;
    try {
        // one statement: the counts and their customer code change together
        c.execute(QStringLiteral("execute block (ultimo bigint = ?) as begin "
                                 "delete from trigrama_frequencia; "
                                 "insert into trigrama_frequencia (ctrigrama, nclientes) select ctrigrama, count(*) from cliente_trigrama group by ctrigrama; "
                                 "delete from trigrama_contagem; "
                                 "insert into trigrama_contagem (nultimo_cliente) values (:ultimo); end"),
                  {atual});
    } catch (const ErroBanco& e) {
        if (!e.conflito()) // counted by another station meanwhile
            throw;
        return false;
    }
    return true;
}
