#include "dinheiro.h"

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

std::optional<Dinheiro> Dinheiro::leBanco(const QString& texto)
{
    QString s = texto.trimmed();
    // A sum the engine computes as a floating value reaches us as its
    // shortest text, which for round amounts is in exponent form
    // (100000.00 as "1e+05"). Such a text holds at most 15 significant
    // digits, so it converts back to the exact amount in cents.
    if (s.contains(QLatin1Char('e'), Qt::CaseInsensitive)) {
        bool ok = false;
        const double v = s.toDouble(&ok);
        if (!ok || !std::isfinite(v) || std::abs(v) >= 1e13)
            return std::nullopt;
        s = QString::number(v, 'f', 2);
    }
    bool negativo = false;
    if (s.startsWith(QLatin1Char('-'))) { negativo = true; s = s.mid(1); }
    const int ponto = s.indexOf(QLatin1Char('.'));
    return monta(negativo, ponto < 0 ? s : s.left(ponto), ponto < 0 ? QString() : s.mid(ponto + 1));
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
