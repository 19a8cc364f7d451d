#pragma once

#include <QString>
#include <QVariant>
#include <compare>
#include <cstdint>
#include <optional>

namespace qv {

// An exact amount, price or quantity with four decimal places, held as a whole number of
// ten-thousandths. Every money and quantity column of the database stores this raw number,
// so sums, differences and comparisons with zero are exact.
class Money {
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Money() = default;
    static constexpr Money fromRaw(std::int64_t raw) { Money m; m.raw_ = raw; return m; }
    static constexpr Money units(std::int64_t whole) { return fromRaw(whole * Scale); }
    // Rounds half away from zero to four places.
    static Money fromDouble(double v);
    // Parses "12", "-3.5", ".25", "1e3" is refused; more than four decimals are rounded.
    // Empty or malformed text gives nothing.
    static std::optional<Money> parse(const QString &text);
    // Like parse, but empty text reads as zero (the rule for optional number fields).
    static std::optional<Money> parseOrZero(const QString &text);
    // The database value of a money column (null reads as zero).
    static Money fromDb(const QVariant &v) { return fromRaw(v.isNull() ? 0 : v.toLongLong()); }

    constexpr std::int64_t raw() const { return raw_; }
    QVariant toDb() const { return QVariant::fromValue<qlonglong>(raw_); }
    double toDouble() const { return double(raw_) / Scale; }
    // General number text: "." decimal point, no grouping, no trailing zeros (12.5, 3, -250).
    QString toString() const;

    constexpr bool isZero() const { return raw_ == 0; }
    constexpr bool isNegative() const { return raw_ < 0; }

    constexpr Money operator-() const { return fromRaw(-raw_); }
    constexpr Money operator+(Money o) const { return fromRaw(raw_ + o.raw_); }
    constexpr Money operator-(Money o) const { return fromRaw(raw_ - o.raw_); }
    Money &operator+=(Money o) { raw_ += o.raw_; return *this; }
    Money &operator-=(Money o) { raw_ -= o.raw_; return *this; }
    // Product of two four-place values, rounded half away from zero to four places.
    Money operator*(Money o) const;
    // Quotient rounded half away from zero to four places; division by zero is the caller's
    // business and gives zero.
    Money operator/(Money o) const;
    // Scales by a whole percentage (discounts): value * percent / 100, rounded.
    Money percent(std::int64_t pct) const;
    // Amount of a document line: price x quantity x discount / 100, rounded once.
    static Money lineAmount(Money price, Money quantity, std::int64_t discountPct = 100);

    constexpr auto operator<=>(const Money &) const = default;

private:
    std::int64_t raw_ = 0;
};

} // namespace qv
