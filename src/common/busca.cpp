#include "busca.h"
#include "modulo1.h"

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
