#pragma once

#include <QString>
#include <compare>
#include <cstdint>
#include <optional>

// An amount of money in whole cents. Amounts that stay unrounded until they are
// printed (net parts of gross prices) are plain doubles of cents; gerundet()
// makes money of them.
class Geld {
  public:
    constexpr Geld() = default;
    constexpr explicit Geld(std::int64_t cent) : m_cent(cent) {}

    constexpr std::int64_t cent() const { return m_cent; }
    constexpr bool istNull() const { return m_cent == 0; }

    constexpr Geld operator+(Geld b) const { return Geld(m_cent + b.m_cent); }
    constexpr Geld operator-(Geld b) const { return Geld(m_cent - b.m_cent); }
    constexpr Geld operator-() const { return Geld(-m_cent); }
    constexpr Geld operator*(std::int64_t n) const { return Geld(m_cent * n); }
    Geld& operator+=(Geld b) {
        m_cent += b.m_cent;
        return *this;
    }
    Geld& operator-=(Geld b) {
        m_cent -= b.m_cent;
        return *this;
    }
    constexpr auto operator<=>(const Geld&) const = default;

    // Rounds a number of cents half away from zero.
    static Geld gerundet(double cent);

    // Reads an amount typed by a user: digits with at most two decimals after a
    // comma or a point, optional thousands dots ("1.234,50"), an optional
    // leading minus and an optional trailing euro sign. Anything else: nullopt.
    static std::optional<Geld> lesen(const QString& text);

    // Renders with a display pattern. "Currency" gives "1.234,56 €"; a pattern
    // with a comma before its point ("####,#####0.00") groups thousands
    // ("1.234,56"); every other pattern ("####0.00", "####0.#0", "#####0.00")
    // gives two decimals without grouping ("1234,56").
    QString text(const QString& muster = QStringLiteral("####0.00")) const;
    // "1.234,56 €"
    QString waehrung() const { return text(QStringLiteral("Currency")); }

    // Same patterns for an unrounded amount of cents, rounded when shown.
    static QString text(double cent, const QString& muster);

  private:
    std::int64_t m_cent = 0;
};
