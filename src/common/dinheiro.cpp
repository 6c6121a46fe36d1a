#include "dinheiro.h"

#include <algorithm>
#include <cmath>

#include <QStringList>

namespace {

// Parses sign, integer digits and decimal digits once separators are known.
std::optional<Dinheiro> monta(bool negativo, const QString& inteiro, const QString& decimais)
{
    if (inteiro.isEmpty() && decimais.isEmpty())
        return std::nullopt;
    if (inteiro.size() > 15)
        return std::nullopt;
    std::int64_t reais = 0;
    for (QChar c : inteiro) {
        if (!c.isDigit()) return std::nullopt;
        reais = reais * 10 + c.digitValue();
    }
    std::int64_t cent = 0;
    int i = 0;
    for (; i < decimais.size() && i < 2; ++i) {
        if (!decimais[i].isDigit()) return std::nullopt;
        cent = cent * 10 + decimais[i].digitValue();
    }
    if (decimais.size() == 1) cent *= 10;
    bool arredonda = false;
    for (int j = 2; j < decimais.size(); ++j) {
        if (!decimais[j].isDigit()) return std::nullopt;
        if (j == 2) arredonda = decimais[j].digitValue() >= 5;
    }
    std::int64_t total = reais * 100 + cent + (arredonda ? 1 : 0);
    return Dinheiro::deCentavos(negativo ? -total : total);
}

// Amounts below this many reais in either direction: the fifteen digits of
// reais the reader takes, far above NUMERIC(15,2)'s thirteen.
constexpr std::int64_t LIMITE_REAIS = 1'000'000'000'000'000;

// A decimal number as a program writes it: sign, digits with an optional
// point, an optional exponent ("1e+05", "-1.25E3", "0.9500000000000001").
// The point is moved by the exponent on the digits themselves, so nothing
// goes through a double; then the cents are rounded as monta() does.
std::optional<Dinheiro> de_texto_decimal(const QString& texto)
{
    QString s = texto.trimmed();
    bool negativo = false;
    if (s.startsWith(QLatin1Char('-')) || s.startsWith(QLatin1Char('+'))) {
        negativo = s.front() == QLatin1Char('-');
        s.remove(0, 1);
    }
    int expoente = 0;
    const qsizetype e = s.indexOf(QLatin1Char('e'), 0, Qt::CaseInsensitive);
    if (e >= 0) {
        const QString parte = s.mid(e + 1);
        bool ok = false;
        expoente = parte.toInt(&ok);
        // the exponent's own digits, its sign at most before them
        const bool soDigitos = !parte.isEmpty() && std::all_of(parte.begin() + (parte.front() == QLatin1Char('+') || parte.front() == QLatin1Char('-') ? 1 : 0),
                                                               parte.end(), [](QChar c) { return c.isDigit(); });
        if (!ok || !soDigitos || expoente < -30 || expoente > 30)
            return std::nullopt;
        s.truncate(e);
    }
    const qsizetype ponto = s.indexOf(QLatin1Char('.'));
    QString inteiro = ponto < 0 ? s : s.left(ponto);
    QString decimais = ponto < 0 ? QString() : s.mid(ponto + 1);
    if (inteiro.isEmpty() && decimais.isEmpty())
        return std::nullopt;
    for (const QString& parte : {inteiro, decimais})
        if (!std::all_of(parte.begin(), parte.end(), [](QChar c) { return c.isDigit(); }))
            return std::nullopt;
    if (expoente > 0) {
        const qsizetype passam = std::min<qsizetype>(expoente, decimais.size());
        inteiro += decimais.left(passam) + QString(expoente - passam, QLatin1Char('0'));
        decimais.remove(0, passam);
    } else if (expoente < 0) {
        const qsizetype passam = std::min<qsizetype>(-expoente, inteiro.size());
        decimais.prepend(QString(-expoente - passam, QLatin1Char('0')) + inteiro.right(passam));
        inteiro.chop(passam);
    }
    while (inteiro.size() > 1 && inteiro.front() == QLatin1Char('0'))
        inteiro.remove(0, 1);
    if (inteiro.isEmpty())
        inteiro = QStringLiteral("0");
    return monta(negativo, inteiro, decimais);
}

// A double stands for an amount only when it is the nearest double to a
// whole number of cents, or within a few of its last bits of it (a driver
// that computes reais as cents times 0.01 lands a bit off: 95 cents as
// 0.9500000000000001). 0.125, 1e20, infinity and NaN are no amounts.
std::optional<Dinheiro> de_double(double v)
{
    // below 10^13 reais the cents are still whole numbers in a double
    if (!std::isfinite(v) || std::abs(v) >= 1e13)
        return std::nullopt;
    const std::int64_t centavos = std::llround(v * 100);
    const double exato = double(centavos) / 100;
    const double passo = std::nextafter(std::abs(exato), HUGE_VAL) - std::abs(exato);
    if (std::abs(v - exato) > 4 * passo)
        return std::nullopt;
    return Dinheiro::deCentavos(centavos);
}

QString agrupa(std::int64_t reais)
{
    QString s = QString::number(reais);
    for (int pos = s.size() - 3; pos > 0; pos -= 3)
        s.insert(pos, QLatin1Char('.'));
    return s;
}

} // namespace

std::optional<Dinheiro> Dinheiro::leTexto(const QString& texto)
{
    QString s = texto.trimmed();
    s.remove(QStringLiteral("R$"));
    s.remove(QChar(0x00A0));
    s = s.trimmed();
    bool negativo = false;
    if (s.startsWith(QLatin1Char('-'))) { negativo = true; s = s.mid(1).trimmed(); }
    else if (s.endsWith(QLatin1Char('-'))) { negativo = true; s.chop(1); s = s.trimmed(); }
    else if (s.startsWith(QLatin1Char('(')) && s.endsWith(QLatin1Char(')'))) { negativo = true; s = s.mid(1, s.size() - 2).trimmed(); }
    if (s.startsWith(QStringLiteral("R$"))) s = s.mid(2).trimmed();
    if (s.isEmpty()) return std::nullopt;
    const int virgula = s.indexOf(QLatin1Char(','));
    if (virgula != s.lastIndexOf(QLatin1Char(','))) return std::nullopt;
    QString inteiro = virgula < 0 ? s : s.left(virgula);
    QString decimais = virgula < 0 ? QString() : s.mid(virgula + 1);
    // "12.50" or "0.5" (pasted from elsewhere, or the keypad's point): one
    // point and one or two digits after it can only be the decimal point;
    // with three digits it is the thousands separator ("1.234").
    const int ponto = inteiro.indexOf(QLatin1Char('.'));
    if (virgula < 0 && ponto >= 0 && ponto == inteiro.lastIndexOf(QLatin1Char('.'))) {
        const qsizetype depois = inteiro.size() - ponto - 1;
        if (depois == 1 || depois == 2) {
            decimais = inteiro.mid(ponto + 1);
            inteiro = inteiro.left(ponto);
        }
    }
    if (inteiro.contains(QLatin1Char('.'))) {
        // Thousands separators must stand every three digits.
        const QStringList grupos = inteiro.split(QLatin1Char('.'));
        if (grupos.first().isEmpty() || grupos.first().size() > 3) return std::nullopt;
        for (int g = 1; g < grupos.size(); ++g)
            if (grupos[g].size() != 3) return std::nullopt;
        inteiro.remove(QLatin1Char('.'));
    }
    return monta(negativo, inteiro, decimais);
}

std::optional<Dinheiro> Dinheiro::leBanco(const QVariant& valor)
{
    if (valor.isNull())
        return Dinheiro();
    switch (valor.typeId()) {
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong: {
        const qint64 reais = valor.toLongLong();
        if (reais <= -LIMITE_REAIS || reais >= LIMITE_REAIS)
            return std::nullopt;
        return deCentavos(reais * 100);
    }
    case QMetaType::ULong:
    case QMetaType::ULongLong: {
        const quint64 reais = valor.toULongLong();
        if (reais >= quint64(LIMITE_REAIS))
            return std::nullopt;
        return deCentavos(qint64(reais) * 100);
    }
    case QMetaType::Double:
    case QMetaType::Float:
        return de_double(valor.toDouble());
    default:
        break;
    }
    if (valor.metaType() == QMetaType::fromType<Dinheiro>())
        return valor.value<Dinheiro>();
    return de_texto_decimal(valor.toString());
}

QString Dinheiro::numero() const
{
    const std::int64_t a = m_centavos < 0 ? -m_centavos : m_centavos;
    QString s = agrupa(a / 100) + QLatin1Char(',') + QStringLiteral("%1").arg(a % 100, 2, 10, QLatin1Char('0'));
    return m_centavos < 0 ? QLatin1Char('-') + s : s;
}

QString Dinheiro::moeda() const
{
    const std::int64_t a = m_centavos < 0 ? -m_centavos : m_centavos;
    const QString s = QStringLiteral("R$") + QChar(0x00A0) + Dinheiro::deCentavos(a).numero();
    return m_centavos < 0 ? QLatin1Char('-') + s : s;
}

QString Dinheiro::sql() const
{
    const std::int64_t a = m_centavos < 0 ? -m_centavos : m_centavos;
    QString s = QString::number(a / 100);
    const int c = int(a % 100);
    if (c != 0) {
        s += QLatin1Char('.') + QStringLiteral("%1").arg(c, 2, 10, QLatin1Char('0'));
        if (s.endsWith(QLatin1Char('0'))) s.chop(1);
    }
    return m_centavos < 0 ? QLatin1Char('-') + s : s;
}

Dinheiro Dinheiro::divididoPor(int n) const
{
    if (n <= 0) return *this;
    return deCentavos(m_centavos / n); // whole cents, the remainder dropped
}
