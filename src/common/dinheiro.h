#pragma once
#include <QString>
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
    // Reads the database's exact decimal text ("1234.50", "-0.5").
    static std::optional<Dinheiro> leBanco(const QString& texto);

    std::int64_t centavos() const { return m_centavos; }

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
