#include "definicaorelatorio.h"
#include "errorelatorio.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

namespace {

using D = Definicao;

// Reads one JSON object, refusing keys it does not know (a misspelt key
// would otherwise be ignored without a word).
class Leitor {
public:
    Leitor(const QJsonValue& v, QString onde, std::initializer_list<const char*> chaves) : m_onde(std::move(onde))
    {
        if (!v.isObject())
            throw ErroRelatorio(QStringLiteral("%1: esperado um objeto").arg(m_onde));
        m_obj = v.toObject();
        QSet<QString> validas;
        for (const char* c : chaves)
            validas.insert(QString::fromLatin1(c));
        for (auto it = m_obj.begin(); it != m_obj.end(); ++it)
            if (!validas.contains(it.key()))
                throw ErroRelatorio(QStringLiteral("%1: chave desconhecida \"%2\"").arg(m_onde, it.key()));
    }

    bool tem(const char* c) const { return m_obj.contains(QLatin1String(c)); }
    QJsonValue valor(const char* c) const { return m_obj.value(QLatin1String(c)); }
    QString onde(const char* c) const { return m_onde + QLatin1Char('.') + QLatin1String(c); }

    QString texto(const char* c, const QString& padrao = QString()) const
    {
        if (!tem(c)) return padrao;
        if (!valor(c).isString())
            throw ErroRelatorio(QStringLiteral("%1: esperado um texto").arg(onde(c)));
        return valor(c).toString();
    }
    double numero(const char* c, double padrao) const
    {
        if (!tem(c)) return padrao;
        if (!valor(c).isDouble() || valor(c).toDouble() < 0)
            throw ErroRelatorio(QStringLiteral("%1: esperado um número não negativo").arg(onde(c)));
        return valor(c).toDouble();
    }
    bool logico(const char* c, bool padrao = false) const
    {
        if (!tem(c)) return padrao;
        if (!valor(c).isBool())
            throw ErroRelatorio(QStringLiteral("%1: esperado true ou false").arg(onde(c)));
        return valor(c).toBool();
    }
    QJsonArray lista(const char* c) const
    {
        if (!tem(c)) return {};
        if (!valor(c).isArray())
            throw ErroRelatorio(QStringLiteral("%1: esperada uma lista").arg(onde(c)));
        return valor(c).toArray();
    }

private:
    QJsonObject m_obj;
    QString m_onde;
};

D::Condicao condicao(const QString& t, const QString& onde)
{
    D::Condicao c;
    QString s = t.trimmed();
    if (s.isEmpty()) return c;
    if (s.startsWith(QLatin1Char('!'))) {
        c.negada = true;
        s = s.mid(1).trimmed();
    }
    if (s.startsWith(QLatin1Char('@'))) {
        c.formula = true;
        s = s.mid(1);
    }
    static const QRegularExpression nome(QStringLiteral("^[A-Za-z_][A-Za-z0-9_$]*$"));
    if (!nome.match(s).hasMatch())
        throw ErroRelatorio(QStringLiteral("%1: condição inválida \"%2\" (use campo, !campo, @Formula ou !@Formula)").arg(onde, t));
    c.nome = s.toLower();
    return c;
}

D::Alinhamento alinhamento(const QString& t, const QString& onde)
{
    if (t.isEmpty() || t == QLatin1String("esquerda")) return D::Alinhamento::Esquerda;
    if (t == QLatin1String("centro")) return D::Alinhamento::Centro;
    if (t == QLatin1String("direita")) return D::Alinhamento::Direita;
    throw ErroRelatorio(QStringLiteral("%1: alinhamento \"%2\" (use esquerda, centro ou direita)").arg(onde, t));
}

D::Fonte leFonte(const Leitor& l, D::Fonte base)
{
    if (l.tem("fonte")) {
        const Leitor f(l.valor("fonte"), l.onde("fonte"), {"tamanho", "negrito", "italico"});
        base.tamanho = f.numero("tamanho", base.tamanho);
        base.negrito = f.logico("negrito", base.negrito);
        base.italico = f.logico("italico", base.italico);
    }
    base.tamanho = l.numero("tamanho", base.tamanho);
    base.negrito = l.logico("negrito", base.negrito);
    base.italico = l.logico("italico", base.italico);
    if (base.tamanho < 4 || base.tamanho > 72)
        throw ErroRelatorio(QStringLiteral("%1: tamanho de fonte fora de 4 a 72").arg(l.onde("tamanho")));
    return base;
}

ModeloTexto modelo(const QString& texto, const QString& onde)
{
    try {
        return ModeloTexto::le(texto);
    } catch (const ErroRelatorio& e) {
        throw ErroRelatorio(onde + QStringLiteral(": ") + e.texto());
    }
}

#define CHAVES_CELULA "texto", "largura", "alinhamento", "fonte", "tamanho", "negrito", "italico", "quebra", "borda", "fundo", "se"

D::Celula celula(const QJsonValue& v, const QString& onde, const D::Fonte& base)
{
    D::Celula c;
    c.fonte = base;
    if (v.isString()) {
        c.texto = modelo(v.toString(), onde);
        return c;
    }
    const Leitor l(v, onde, {CHAVES_CELULA});
    c.texto = modelo(l.texto("texto"), l.onde("texto"));
    c.largura = l.numero("largura", 1);
    c.alinhamento = alinhamento(l.texto("alinhamento"), l.onde("alinhamento"));
    c.fonte = leFonte(l, base);
    c.quebra = l.logico("quebra");
    c.borda = l.texto("borda");
    if (!QStringList{QString(), QStringLiteral("cima"), QStringLiteral("baixo"), QStringLiteral("caixa")}.contains(c.borda))
        throw ErroRelatorio(QStringLiteral("%1: borda \"%2\" (use cima, baixo ou caixa)").arg(l.onde("borda"), c.borda));
    c.fundo = l.texto("fundo");
    c.se = condicao(l.texto("se"), l.onde("se"));
    return c;
}

D::Linha linha(const QJsonValue& v, const QString& onde, const D::Fonte& base)
{
    D::Linha r;
    if (v.isString()) {
        r.celulas.append(celula(v, onde, base));
        return r;
    }
    if (v.isObject() && v.toObject().contains(QLatin1String("celulas"))) {
        const Leitor l(v, onde, {"celulas", "se", "fonte", "tamanho", "negrito", "italico"});
        const D::Fonte f = leFonte(l, base);
        const QJsonArray cs = l.lista("celulas");
        for (int i = 0; i < cs.size(); ++i)
            r.celulas.append(celula(cs[i], QStringLiteral("%1.celulas[%2]").arg(onde).arg(i), f));
        r.se = condicao(l.texto("se"), l.onde("se"));
        return r;
    }
    if (v.isObject() && (v.toObject().contains(QLatin1String("espaco")) || v.toObject().contains(QLatin1String("regua")))) {
        const Leitor l(v, onde, {"espaco", "regua", "se"});
        r.espaco = l.numero("espaco", 0);
        r.regua = l.logico("regua");
        r.se = condicao(l.texto("se"), l.onde("se"));
        return r;
    }
    // one cell across the line; its condition is the line's
    D::Celula c = celula(v, onde, base);
    r.se = c.se;
    c.se = {};
    r.celulas.append(c);
    return r;
}

D::Banda banda(const Leitor& l, const char* chave, const D::Fonte& base)
{
    D::Banda b;
    const QJsonArray a = l.lista(chave);
    for (int i = 0; i < a.size(); ++i)
        b.append(linha(a[i], QStringLiteral("%1[%2]").arg(l.onde(chave)).arg(i), base));
    return b;
}

void lePagina(const Leitor& raiz, D& d)
{
    if (!raiz.tem("pagina")) return;
    const Leitor p(raiz.valor("pagina"), raiz.onde("pagina"), {"papel", "orientacao", "margens"});
    const QString papel = p.texto("papel", QStringLiteral("A4")).toUpper();
    if (papel == QLatin1String("A4")) d.papel = QPageSize::A4;
    else if (papel == QLatin1String("CARTA")) d.papel = QPageSize::Letter;
    else if (papel == QLatin1String("OFICIO")) d.papel = QPageSize::Legal;
    else if (papel == QLatin1String("A5")) d.papel = QPageSize::A5;
    else throw ErroRelatorio(QStringLiteral("%1: papel \"%2\" (use A4, A5, Carta ou Oficio)").arg(p.onde("papel"), papel));
    const QString o = p.texto("orientacao", QStringLiteral("retrato"));
    if (o == QLatin1String("retrato")) d.orientacao = QPageLayout::Portrait;
    else if (o == QLatin1String("paisagem")) d.orientacao = QPageLayout::Landscape;
    else throw ErroRelatorio(QStringLiteral("%1: orientação \"%2\" (use retrato ou paisagem)").arg(p.onde("orientacao"), o));
    const QJsonArray m = p.lista("margens");
    if (!m.isEmpty()) {
        if (m.size() != 4 || std::any_of(m.begin(), m.end(), [](const QJsonValue& x) { return !x.isDouble() || x.toDouble() < 0 || x.toDouble() > 60; }))
            throw ErroRelatorio(QStringLiteral("%1: quatro números de 0 a 60 (esquerda, cima, direita, baixo)").arg(p.onde("margens")));
        d.margens = QMarginsF(m[0].toDouble(), m[1].toDouble(), m[2].toDouble(), m[3].toDouble());
    }
}

void confereConsulta(const QString& sql, const QString& onde)
{
    const QString t = sql.trimmed().toLower();
    if (!(t.startsWith(QLatin1String("select")) || t.startsWith(QLatin1String("with"))) || sql.contains(QLatin1Char(';')))
        throw ErroRelatorio(QStringLiteral("%1: a consulta deve ser um único select").arg(onde));
}

// Every formula field a text or condition names must be declared.
void confereFormulas(D& d)
{
    auto confere = [&d](const QString& nome) {
        if (!d.formulas.contains(nome))
            throw ErroRelatorio(QStringLiteral("a fórmula @%1 é usada mas não está em \"formulas\"").arg(nome));
    };
    para_cada_parte(d, [&](ModeloTexto::Parte& p, int nivel) {
        if (p.tipo == ModeloTexto::Parte::Formula)
            confere(p.nome);
        const bool total = p.tipo == ModeloTexto::Parte::Soma || p.tipo == ModeloTexto::Parte::Contagem;
        if (total && (nivel == -2 || nivel == 99))
            throw ErroRelatorio(QStringLiteral("soma() e contagem só valem em grupos, no cabeçalho do relatório e no resumo"));
    });
    para_cada_condicao(d, [&](D::Condicao& c) {
        if (c.formula)
            confere(c.nome);
    });
}

} // namespace

Definicao Definicao::le(const QByteArray& json, const QString& arquivo)
{
    const QString nome = QFileInfo(arquivo).fileName();
    try {
        QJsonParseError erro;
        const QJsonDocument doc = QJsonDocument::fromJson(json, &erro);
        if (doc.isNull())
            throw ErroRelatorio(QStringLiteral("JSON inválido na posição %1: %2").arg(erro.offset).arg(erro.errorString()));
        const Leitor r(doc.object(), QStringLiteral("relatório"),
                       {"titulo", "consulta", "tabela", "sinonimos", "ordem", "formulas", "pagina", "fonte",
                        "cabecalho_pagina", "cabecalho_relatorio", "grupos", "colunas", "detalhe", "resumo",
                        "rodape_pagina", "descricao"});
        D d;
        d.arquivo = arquivo;
        d.titulo = r.texto("titulo");
        d.consulta = r.texto("consulta");
        if (d.consulta.isEmpty())
            throw ErroRelatorio(QStringLiteral("falta a consulta (\"consulta\")"));
        confereConsulta(d.consulta, r.onde("consulta"));
        d.tabela = r.texto("tabela").toLower();
        if (r.tem("sinonimos")) {
            const QJsonValue s = r.valor("sinonimos");
            if (!s.isObject())
                throw ErroRelatorio(QStringLiteral("%1: esperado um objeto").arg(r.onde("sinonimos")));
            const QJsonObject o = s.toObject();
            for (auto it = o.begin(); it != o.end(); ++it)
                d.sinonimos.insert(it.key().toLower(), it.value().toString().toLower());
        }
        for (const QJsonValue& v : r.lista("ordem"))
            d.ordem.append(v.toString().trimmed().toLower());
        for (const QJsonValue& v : r.lista("formulas"))
            d.formulas.append(v.toString().trimmed().toLower());

        lePagina(r, d);
        if (r.tem("fonte")) {
            const Leitor f(r.valor("fonte"), r.onde("fonte"), {"familia", "tamanho"});
            d.familia = f.texto("familia", d.familia);
            d.fonte.tamanho = f.numero("tamanho", d.fonte.tamanho);
        }
        d.cabecalhoPagina = banda(r, "cabecalho_pagina", d.fonte);
        d.cabecalhoRelatorio = banda(r, "cabecalho_relatorio", d.fonte);
        d.resumo = banda(r, "resumo", d.fonte);
        d.rodapePagina = banda(r, "rodape_pagina", d.fonte);

        const QJsonArray gs = r.lista("grupos");
        for (int i = 0; i < gs.size(); ++i) {
            const Leitor g(gs[i], QStringLiteral("grupos[%1]").arg(i), {"campo", "nova_pagina", "cabecalho", "rodape"});
            Grupo grupo;
            grupo.campo = g.texto("campo").toLower();
            if (grupo.campo.isEmpty())
                throw ErroRelatorio(g.onde("campo") + QStringLiteral(": falta o campo do grupo"));
            grupo.novaPagina = g.logico("nova_pagina");
            grupo.cabecalho = banda(g, "cabecalho", d.fonte);
            grupo.rodape = banda(g, "rodape", d.fonte);
            d.grupos.append(grupo);
        }

        Fonte fonteDetalhe = d.fonte;
        if (r.tem("detalhe")) {
            const Leitor det(r.valor("detalhe"), r.onde("detalhe"), {"se", "zebrado", "fonte", "tamanho"});
            d.detalheSe = condicao(det.texto("se"), det.onde("se"));
            d.zebrado = det.logico("zebrado");
            fonteDetalhe = leFonte(det, d.fonte);
        }
        const QJsonArray cols = r.lista("colunas");
        for (int i = 0; i < cols.size(); ++i) {
            const QString onde = QStringLiteral("colunas[%1]").arg(i);
            if (!cols[i].isObject())
                throw ErroRelatorio(onde + QStringLiteral(": esperado um objeto"));
            QJsonObject o = cols[i].toObject();
            d.titulos.append(o.take(QLatin1String("titulo")).toString());
            d.colunas.celulas.append(celula(o, onde, fonteDetalhe));
        }
        confereFormulas(d);
        return d;
    } catch (const ErroRelatorio& e) {
        throw ErroRelatorio(QStringLiteral("Definição de relatório inválida (%1): %2").arg(nome, e.texto()));
    }
}

Definicao Definicao::carrega(const QString& caminho)
{
    QFile f(caminho);
    if (!f.exists())
        throw ErroRelatorio(QStringLiteral("Arquivo de relatório não encontrado: %1").arg(caminho));
    if (!f.open(QIODevice::ReadOnly))
        throw ErroRelatorio(QStringLiteral("Não foi possível abrir o arquivo de relatório %1: %2").arg(caminho, f.errorString()));
    return le(f.readAll(), caminho);
}
