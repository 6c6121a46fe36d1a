#include "modelotexto.h"
#include "dinheiro.h"
#include "errorelatorio.h"
#include "mascaras.h"
#include "sessao.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>

namespace {

const QStringList FORMATOS = {QString(), QStringLiteral("data"), QStringLiteral("hora"), QStringLiteral("datahora"),
                              QStringLiteral("moeda"), QStringLiteral("numero"), QStringLiteral("inteiro"),
                              QStringLiteral("maiusculas")};
// the documents and numbers people read in their printed forms
const QHash<QString, Mascara> MASCARAS = {{QStringLiteral("cpf_cnpj"), Mascara::CpfCnpj},
                                          {QStringLiteral("cep"), Mascara::Cep},
                                          {QStringLiteral("telefone"), Mascara::Telefone}};

ModeloTexto::Parte marcador(const QString& dentro, const QString& texto)
{
    static const QRegularExpression forma(
        QStringLiteral("^\\s*(@|#)?([A-Za-z_][A-Za-z0-9_$]*)\\s*(?:\\(\\s*([A-Za-z_][A-Za-z0-9_$]*)\\s*\\))?\\s*(?:\\|\\s*([a-z_]+)\\s*)?$"));
    const auto m = forma.match(dentro);
    if (!m.hasMatch())
        throw ErroRelatorio(QStringLiteral("marcador inválido {%1} em \"%2\"").arg(dentro, texto));
    using P = ModeloTexto::Parte;
    P p;
    const QString prefixo = m.captured(1);
    const QString nome = m.captured(2);
    const QString argumento = m.captured(3);
    p.formato = m.captured(4);
    if (!FORMATOS.contains(p.formato) && !MASCARAS.contains(p.formato))
        throw ErroRelatorio(QStringLiteral("formato desconhecido \"%1\" em \"%2\"").arg(p.formato, texto));
    const QString chave = nome.toLower();
    if (prefixo == QLatin1String("@")) {
        p.tipo = P::Formula;
        p.nome = chave;
    } else if (prefixo == QLatin1String("#")) {
        if (chave == QLatin1String("pagina")) p.tipo = P::Pagina;
        else if (chave == QLatin1String("paginas")) p.tipo = P::Paginas;
        else if (chave == QLatin1String("hoje")) p.tipo = P::Hoje;
        else throw ErroRelatorio(QStringLiteral("marcador desconhecido {#%1} em \"%2\"").arg(nome, texto));
    } else if (!argumento.isEmpty()) {
        if (chave != QLatin1String("soma"))
            throw ErroRelatorio(QStringLiteral("função desconhecida %1() em \"%2\"").arg(nome, texto));
        p.tipo = P::Soma;
        p.nome = argumento.toLower();
    } else if (chave == QLatin1String("contagem")) {
        p.tipo = P::Contagem;
    } else {
        p.tipo = P::Campo;
        p.nome = chave;
    }
    if (!argumento.isEmpty() && prefixo.size())
        throw ErroRelatorio(QStringLiteral("marcador inválido {%1} em \"%2\"").arg(dentro, texto));
    return p;
}

} // namespace

ModeloTexto ModeloTexto::le(const QString& texto)
{
    ModeloTexto r;
    QString literal;
    int trecho = 0, trechos = 0;
    auto fechaLiteral = [&] {
        if (!literal.isEmpty())
            r.m_partes.append(Parte{Parte::Literal, literal, {}, -1, trecho});
        literal.clear();
    };
    static const QString especiais = QStringLiteral("{}[]");
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto[i];
        if (especiais.contains(c) && i + 1 < texto.size() && texto[i + 1] == c) {
            literal += c;
            ++i;
        } else if (c == QLatin1Char('{')) {
            const qsizetype fim = texto.indexOf(QLatin1Char('}'), i);
            if (fim < 0)
                throw ErroRelatorio(QStringLiteral("falta \"}\" em \"%1\"").arg(texto));
            fechaLiteral();
            Parte p = marcador(texto.mid(i + 1, fim - i - 1), texto);
            p.trecho = trecho;
            r.m_partes.append(p);
            i = fim;
        } else if (c == QLatin1Char('[')) {
            if (trecho)
                throw ErroRelatorio(QStringLiteral("\"[\" dentro de outro trecho opcional em \"%1\"").arg(texto));
            fechaLiteral();
            trecho = ++trechos;
        } else if (c == QLatin1Char(']')) {
            if (!trecho)
                throw ErroRelatorio(QStringLiteral("\"]\" sem \"[\" em \"%1\"").arg(texto));
            fechaLiteral();
            trecho = 0;
        } else if (c == QLatin1Char('}')) {
            throw ErroRelatorio(QStringLiteral("\"}\" sem \"{\" em \"%1\"").arg(texto));
        } else {
            literal += c;
        }
    }
    if (trecho)
        throw ErroRelatorio(QStringLiteral("falta \"]\" em \"%1\"").arg(texto));
    fechaLiteral();
    return r;
}

bool ModeloTexto::usa(Parte::Tipo t) const
{
    return std::any_of(m_partes.begin(), m_partes.end(), [t](const Parte& p) { return p.tipo == t; });
}

bool ModeloTexto::soFiguras() const
{
    static const QStringList figuras = {QStringLiteral("moeda"), QStringLiteral("numero"), QStringLiteral("inteiro"),
                                        QStringLiteral("data"), QStringLiteral("hora"), QStringLiteral("datahora")};
    bool algum = false;
    for (const Parte& p : m_partes) {
        if (p.tipo == Parte::Literal)
            continue;
        const bool figura = p.tipo == Parte::Soma || p.tipo == Parte::Contagem || (p.tipo == Parte::Campo && figuras.contains(p.formato));
        if (!figura)
            return false;
        algum = true;
    }
    return algum;
}

QString formata_valor(const QVariant& v, const QString& formato)
{
    if (v.isNull())
        return QString();
    const int tipo = v.typeId();
    const bool temData = tipo == QMetaType::QDate || tipo == QMetaType::QDateTime;
    if (formato == QLatin1String("data") && temData)
        return (tipo == QMetaType::QDate ? v.toDate() : v.toDateTime().date()).toString(QStringLiteral("dd/MM/yyyy"));
    if (formato == QLatin1String("hora") && (tipo == QMetaType::QTime || tipo == QMetaType::QDateTime))
        return (tipo == QMetaType::QTime ? v.toTime() : v.toDateTime().time()).toString(QStringLiteral("HH:mm"));
    if (formato == QLatin1String("datahora") && tipo == QMetaType::QDateTime)
        return v.toDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm"));
    if (const auto m = MASCARAS.constFind(formato); m != MASCARAS.constEnd())
        return formata_mascara(Recordset::comoTexto(v), *m);
    if (formato == QLatin1String("maiusculas"))
        return formata_valor(v, QString()).toUpper();
    if (formato == QLatin1String("moeda") || formato == QLatin1String("numero") || formato == QLatin1String("inteiro")) {
        const auto d = Dinheiro::leBanco(v);
        if (d) {
            if (formato == QLatin1String("moeda")) return d->moeda();
            if (formato == QLatin1String("numero")) return d->numero();
            return QLocale(QLocale::Portuguese, QLocale::Brazil).toString(d->centavos() / 100);
        }
    }
    return Recordset::comoTexto(v);
}

bool valor_verdadeiro(const QVariant& v)
{
    if (v.isNull())
        return false;
    const QString t = v.toString().trimmed();
    if (t.isEmpty())
        return false;
    if (const auto d = Dinheiro::leBanco(v))
        return d->centavos() != 0;
    return true;
}
