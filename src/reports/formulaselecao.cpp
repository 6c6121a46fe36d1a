#include "formulaselecao.h"
#include "errorelatorio.h"

#include <QDate>
#include <QDateTime>
#include <QRegularExpression>
#include <limits>

namespace {

enum class Tipo { Campo, Numero, Texto, Palavra, Operador, AbreP, FechaP, Fim };

struct Token {
    Tipo tipo;
    QString texto;  // field "tabela.coluna", number, text contents, word, operator
    int posicao;    // 1-based, as the user counts characters
};

[[noreturn]] void falha(int posicao, const QString& oque)
{
    throw ErroRelatorio(QStringLiteral("Fórmula de seleção inválida (posição %1): %2").arg(posicao).arg(oque));
}

bool inicioNome(QChar c) { return c.isLetter() || c == QLatin1Char('_'); }
bool parteNome(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$'); }

QList<Token> separa(const QString& f)
{
    QList<Token> tokens;
    qsizetype i = 0;
    const qsizetype n = f.size();
    while (i < n) {
        const QChar c = f[i];
        const int pos = int(i) + 1;
        if (c.isSpace()) {
            ++i;
        } else if (c == QLatin1Char('{')) {
            const qsizetype fim = f.indexOf(QLatin1Char('}'), i);
            if (fim < 0)
                falha(pos, QStringLiteral("falta o \"}\" que fecha o campo."));
            const QString nome = f.mid(i + 1, fim - i - 1).trimmed();
            static const QRegularExpression campo(QStringLiteral("^[A-Za-z_][A-Za-z0-9_$]*\\.[A-Za-z_][A-Za-z0-9_$]*$"));
            if (!campo.match(nome).hasMatch())
                falha(pos, QStringLiteral("o campo deve ser escrito {tabela.coluna}."));
            tokens.append({Tipo::Campo, nome, pos});
            i = fim + 1;
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            // a quote inside the text is written twice
            QString texto;
            qsizetype j = i + 1;
            for (;; ++j) {
                if (j >= n)
                    falha(pos, QStringLiteral("texto sem as aspas de fechamento."));
                if (f[j] == c) {
                    if (j + 1 < n && f[j + 1] == c) {
                        texto += c;
                        ++j;
                        continue;
                    }
                    break;
                }
                texto += f[j];
            }
            tokens.append({Tipo::Texto, texto, pos});
            i = j + 1;
        } else if (c.isDigit() || (c == QLatin1Char('-') && i + 1 < n && f[i + 1].isDigit())) {
            qsizetype j = i + 1;
            while (j < n && (f[j].isDigit() || f[j] == QLatin1Char('.')))
                ++j;
            tokens.append({Tipo::Numero, f.mid(i, j - i), pos});
            i = j;
        } else if (inicioNome(c)) {
            qsizetype j = i + 1;
            while (j < n && parteNome(f[j]))
                ++j;
            tokens.append({Tipo::Palavra, f.mid(i, j - i).toLower(), pos});
            i = j;
        } else if (c == QLatin1Char('(') || c == QLatin1Char(')')) {
            tokens.append({c == QLatin1Char('(') ? Tipo::AbreP : Tipo::FechaP, QString(c), pos});
            ++i;
        } else if (c == QLatin1Char('=') || c == QLatin1Char('<') || c == QLatin1Char('>')) {
            QString op(c);
            if (i + 1 < n) {
                const QChar d = f[i + 1];
                if ((c == QLatin1Char('<') && (d == QLatin1Char('=') || d == QLatin1Char('>')))
                    || (c == QLatin1Char('>') && d == QLatin1Char('=')))
                    op += d;
            }
            tokens.append({Tipo::Operador, op, pos});
            i += op.size();
        } else {
            falha(pos, QStringLiteral("caractere inesperado \"%1\".").arg(c));
        }
    }
    tokens.append({Tipo::Fim, QString(), int(n) + 1});
    return tokens;
}

// Reads date('yyyy-mm-dd') and date('dd/mm/yyyy'); nothing else.
QDate leData(const QString& t)
{
    static const QRegularExpression iso(QStringLiteral("^\\s*(\\d{4})-(\\d{1,2})-(\\d{1,2})\\s*$"));
    static const QRegularExpression br(QStringLiteral("^\\s*(\\d{1,2})/(\\d{1,2})/(\\d{4})\\s*$"));
    if (const auto m = iso.match(t); m.hasMatch())
        return QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (const auto m = br.match(t); m.hasMatch())
        return QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    return QDate();
}

// One side of a comparison, as SQL with its bound value.
struct Operando {
    enum Kind { Coluna, Valor, Data } kind;
    QString sql;
    QVariant valor;
    bool dataHora = false;
};

class Tradutor {
public:
    Tradutor(QList<Token> tokens, const ResolveColuna& resolve) : m_t(std::move(tokens)), m_resolve(resolve) {}

    FiltroSql traduz()
    {
        FiltroSql r;
        r.sql = expressao();
        if (atual().tipo != Tipo::Fim)
            falha(atual().posicao, QStringLiteral("esperado \"and\", \"or\" ou o fim da fórmula."));
        r.valores = m_valores;
        if (!m_ouNoTopo)
            r.limites = m_limites;
        return r;
    }

private:
    const Token& atual() const { return m_t[m_i]; }
    bool palavra(const char* p) const { return atual().tipo == Tipo::Palavra && atual().texto == QLatin1String(p); }

    // expressao: termo {or termo}; termo: fator {and fator}
    QString expressao() { return serie("or", &Tradutor::termo); }
    QString termo() { return serie("and", &Tradutor::fator); }

    QString serie(const char* ligacao, QString (Tradutor::*parte)())
    {
        QString s = (this->*parte)();
        while (palavra(ligacao)) {
            ++m_i;
            if (m_profundidade == 0 && qstrcmp(ligacao, "or") == 0)
                m_ouNoTopo = true;
            s += QLatin1Char(' ') + QLatin1String(ligacao) + QLatin1Char(' ') + (this->*parte)();
        }
        return s;
    }

    // Nesting deeper than this is refused: each level is a call, and a
    // formula of thousands of "(" or "not" would exhaust the stack.
    static constexpr int PROFUNDIDADE_MAXIMA = 200;

    QString fator()
    {
        if (palavra("not") || atual().tipo == Tipo::AbreP) {
            if (m_profundidade >= PROFUNDIDADE_MAXIMA)
                falha(atual().posicao, QStringLiteral("parênteses ou \"not\" aninhados demais (no máximo %1 níveis).").arg(PROFUNDIDADE_MAXIMA));
            ++m_profundidade;
            const QString s = aninhado();
            --m_profundidade;
            return s;
        }
        return comparacao();
    }

    // "not" factor, or "(" expression ")".
    QString aninhado()
    {
        if (palavra("not")) {
            ++m_i;
            return QStringLiteral("not ") + fator();
        }
        ++m_i; // "("
        const QString s = expressao();
        if (atual().tipo != Tipo::FechaP)
            falha(atual().posicao, QStringLiteral("falta o \")\"."));
        ++m_i;
        return QLatin1Char('(') + s + QLatin1Char(')');
    }

    QString comparacao()
    {
        Operando a = operando();
        if (atual().tipo != Tipo::Operador)
            falha(atual().posicao, QStringLiteral("esperado um operador de comparação (=, <>, <, <=, >, >=)."));
        const QString op = atual().texto;
        ++m_i;
        Operando b = operando();
        if (m_profundidade == 0 && (a.kind == Operando::Coluna) != (b.kind == Operando::Coluna))
            m_limites.append(a.kind == Operando::Coluna ? LimiteSelecao{a.sql, op, b.valor}
                                                        : LimiteSelecao{b.sql, espelho(op), a.valor});
        const bool porDia = (a.kind == Operando::Data && b.dataHora) || (b.kind == Operando::Data && a.dataHora);
        if (porDia)
            return limitesDoDia(a.kind == Operando::Data ? b : a, a.kind == Operando::Data ? espelho(op) : op,
                          (a.kind == Operando::Data ? a : b).valor.toDate());
        for (const Operando* o : {&a, &b})
            if (o->kind != Operando::Coluna)
                m_valores.append(o->valor);
        return a.sql + QLatin1Char(' ') + op + QLatin1Char(' ') + b.sql;
    }

    // "5 < x" read as "x > 5".
    static QString espelho(const QString& op)
    {
        if (op == QLatin1String("<")) return QStringLiteral(">");
        if (op == QLatin1String(">")) return QStringLiteral("<");
        if (op == QLatin1String("<=")) return QStringLiteral(">=");
        if (op == QLatin1String(">=")) return QStringLiteral("<=");
        return op;
    }

    // A date bound on a date-and-time column compares the day, so the last
    // day of a period keeps what happened during that day. The column stays
    // bare (an index on it can be used): "x <= day" is "x < day + 1".
    QString limitesDoDia(const Operando& coluna, const QString& op, const QDate& dia)
    {
        const QString c = coluna.sql;
        auto limite = [this](const QDate& d) {
            m_valores.append(QDateTime(d, QTime(0, 0)));
            return QStringLiteral("cast(? as timestamp)");
        };
        if (op == QLatin1String(">="))
            return c + QStringLiteral(" >= ") + limite(dia);
        if (op == QLatin1String(">"))
            return c + QStringLiteral(" >= ") + limite(dia.addDays(1));
        if (op == QLatin1String("<"))
            return c + QStringLiteral(" < ") + limite(dia);
        if (op == QLatin1String("<="))
            return c + QStringLiteral(" < ") + limite(dia.addDays(1));
        if (op == QLatin1String("=")) {
            const QString de = limite(dia);
            return QStringLiteral("(%1 >= %2 and %1 < %3)").arg(c, de, limite(dia.addDays(1)));
        }
        const QString de = limite(dia); // <>
        return QStringLiteral("(%1 < %2 or %1 >= %3)").arg(c, de, limite(dia.addDays(1)));
    }

    Operando operando()
    {
        const Token t = atual();
        switch (t.tipo) {
        case Tipo::Campo: {
            ++m_i;
            const qsizetype ponto = t.texto.indexOf(QLatin1Char('.'));
            const auto c = m_resolve(t.texto.left(ponto), t.texto.mid(ponto + 1));
            if (!c)
                throw ErroRelatorio(QStringLiteral("Campo desconhecido na fórmula de seleção: {%1}").arg(t.texto));
            return {Operando::Coluna, c->sql, {}, c->dataHora};
        }
        case Tipo::Numero:
            ++m_i;
            return numero(t);
        case Tipo::Texto: {
            ++m_i;
            if (t.texto.size() > 4000)
                falha(t.posicao, QStringLiteral("texto longo demais."));
            return {Operando::Valor, QStringLiteral("cast(? as varchar(%1))").arg(qMax<qsizetype>(1, t.texto.size())), t.texto};
        }
        case Tipo::Palavra:
            if (t.texto == QLatin1String("date"))
                return data();
            falha(t.posicao, QStringLiteral("palavra desconhecida \"%1\".").arg(t.texto));
        default:
            falha(t.posicao, t.tipo == Tipo::Fim ? QStringLiteral("a fórmula termina antes da hora.")
                                                 : QStringLiteral("esperado um campo, um número, um texto ou date('...')."));
        }
    }

    Operando numero(const Token& t)
    {
        static const QRegularExpression forma(QStringLiteral("^-?\\d+(\\.\\d+)?$"));
        if (!forma.match(t.texto).hasMatch())
            falha(t.posicao, QStringLiteral("número inválido \"%1\".").arg(t.texto));
        bool ok = false;
        const qlonglong v = t.texto.toLongLong(&ok);
        if (ok && v >= std::numeric_limits<qint32>::min() && v <= std::numeric_limits<qint32>::max())
            return {Operando::Valor, QStringLiteral("cast(? as integer)"), QVariant(int(v))};
        // decimals and large numbers travel as exact text; the database converts
        return {Operando::Valor, QStringLiteral("cast(? as varchar(40))"), t.texto};
    }

    Operando data()
    {
        ++m_i;
        if (atual().tipo != Tipo::AbreP)
            falha(atual().posicao, QStringLiteral("esperado \"(\" depois de date."));
        ++m_i;
        if (atual().tipo != Tipo::Texto)
            falha(atual().posicao, QStringLiteral("date espera uma data entre aspas, como date('2013-04-01')."));
        const QDate d = leData(atual().texto);
        if (!d.isValid())
            falha(atual().posicao, QStringLiteral("data inválida '%1' (use aaaa-mm-dd ou dd/mm/aaaa).").arg(atual().texto));
        ++m_i;
        if (atual().tipo != Tipo::FechaP)
            falha(atual().posicao, QStringLiteral("falta o \")\" de date(...)."));
        ++m_i;
        return {Operando::Data, QStringLiteral("cast(? as date)"), d};
    }

    QList<Token> m_t;
    qsizetype m_i = 0;
    int m_profundidade = 0;
    const ResolveColuna& m_resolve;
    QVariantList m_valores;
    QList<LimiteSelecao> m_limites;
    bool m_ouNoTopo = false; // an "or" outside every parenthesis: no comparison binds every row
};

} // namespace

FiltroSql traduz_selecao(const QString& formula, const ResolveColuna& resolve)
{
    if (formula.trimmed().isEmpty())
        return {};
    return Tradutor(separa(formula), resolve).traduz();
}
