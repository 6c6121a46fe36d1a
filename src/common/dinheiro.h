#pragma once
#include <QMetaType>
#include <QString>
#include <QVariant>
#include <compare>
#include <cstdint>
#include <optional>

// An exact amount of money in Brazilian reais, counted in cents.
// Amounts never pass through a double: they are read from the user's text,
// from the database's exact NUMERIC text, and written back the same way.
class Dinheiro {
public:
    constexpr Dinheiro() = default;
    static constexpr Dinheiro deCentavos(std::int64_t c) { Dinheiro d; d.m_centavos = c; return d; }

    // Reads what a user may type or see: "12,5", "1.234,50", "R$ 1.234,50",
    // "-3", " R$ 0,05 ", and "12.50" (a point followed by one or two digits
    // is a decimal point). More than two decimals round half away from zero.
    // Anything that a Brazilian reader would not take for one amount
    // ("1,234.50", "1.23,00", "12a") is refused (nullopt).
    static std::optional<Dinheiro> leTexto(const QString& texto);
    // The one reader of an amount from the database, whatever form the
    // driver hands it over in:
    // - decimal text, as the driver writes a NUMERIC: "1234.5", "-0.5", the
    //   exponent form it gives round amounts ("1e+05", "1.2e+07") and the
    //   trailing digits of its own floating point ("0.9500000000000001"),
    //   all read digit by digit, never through a double, and rounded to the
    //   cent half away from zero;
    // - an integer: whole reais;
    // - a double, as a last resort: only when it stands for a whole number
    //   of cents (0.1, 1e+12), within the error of its last bits;
    // - an amount already read.
    // A null is no amount: zero. Anything else (a text that is no number,
    // 0.125 as a double, more than 15 digits of reais, infinity) is nullopt:
    // the caller shows an error, never a zero.
    static std::optional<Dinheiro> leBanco(const QVariant& valor);

    std::int64_t centavos() const { return m_centavos; }

    // The length of the longest moeda() of an amount a NUMERIC(15,2) column
    // holds, "R$ 9.999.999.999.999,99": a box that shows amounts in currency
    // form holds at least this many characters, or it would cut them.
    static constexpr int LARGURA_MOEDA = 23;

    // "R$ 1.234,50" (a no-break space after the sign, as the locale writes it).
    QString moeda() const;
    // "1.234,50": the number alone, two decimals.
    QString numero() const;
    // "1234.5": plain text for an SQL number (no thousands, trailing zeros dropped).
    QString sql() const;

    Dinheiro operator+(Dinheiro o) const { return deCentavos(m_centavos + o.m_centavos); }
    Dinheiro operator-(Dinheiro o) const { return deCentavos(m_centavos - o.m_centavos); }
    Dinheiro& operator+=(Dinheiro o) { m_centavos += o.m_centavos; return *this; }
    Dinheiro& operator-=(Dinheiro o) { m_centavos -= o.m_centavos; return *this; }
    auto operator<=>(const Dinheiro&) const = default;

    // One of n equal parts, rounded down to the cent (toward zero); the
    // cents left over are the caller's to place.
    Dinheiro divididoPor(int n) const;

private:
    std::int64_t m_centavos = 0;
};

Q_DECLARE_METATYPE(Dinheiro)
