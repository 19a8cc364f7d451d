#include "money/money.h"

#include <cmath>

namespace qv {

namespace {

// Divides rounding half away from zero; works on 128-bit to keep products exact.
std::int64_t roundDiv(__int128 num, __int128 den)
{
    if (den == 0)
        return 0;
    if (den < 0) {
        num = -num;
        den = -den;
    }
    __int128 q = num / den;
    __int128 r = num % den;
    if (r < 0)
        r = -r;
    if (2 * r >= den)
        q += (num < 0) ? -1 : 1;
    return static_cast<std::int64_t>(q);
}

} // namespace

Money Money::fromDouble(double v)
{
    return fromRaw(static_cast<std::int64_t>(std::llround(v * Scale)));
}

std::optional<Money> Money::parse(const QString &input)
{
    const QString text = input.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    int i = 0;
    bool negative = false;
    if (text[0] == u'-' || text[0] == u'+') {
        negative = text[0] == u'-';
        ++i;
    }
    __int128 whole = 0;
    __int128 frac = 0;
    int fracDigits = 0;
    int digits = 0;
    bool point = false;
    int roundDigit = -1;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'.') {
            if (point)
                return std::nullopt;
            point = true;
            continue;
        }
        if (c < u'0' || c > u'9')
            return std::nullopt;
        const int d = c.unicode() - u'0';
        ++digits;
        if (!point) {
            whole = whole * 10 + d;
            if (whole > __int128(922337203685477LL))
                return std::nullopt;
        } else if (fracDigits < 4) {
            frac = frac * 10 + d;
            ++fracDigits;
        } else if (roundDigit < 0) {
            roundDigit = d;
        }
    }
    if (digits == 0)
        return std::nullopt;
    while (fracDigits < 4) {
        frac *= 10;
        ++fracDigits;
    }
    __int128 raw = whole * Scale + frac;
    if (roundDigit >= 5)
        raw += 1;
    return fromRaw(static_cast<std::int64_t>(negative ? -raw : raw));
}

std::optional<Money> Money::parseOrZero(const QString &text)
{
    if (text.trimmed().isEmpty())
        return Money();
    return parse(text);
}

QString Money::toString() const
{
    const bool neg = raw_ < 0;
    const std::uint64_t a = neg ? std::uint64_t(-(raw_ + 1)) + 1 : std::uint64_t(raw_);
    QString s = QString::number(a / Scale);
    std::uint64_t frac = a % Scale;
    if (frac != 0) {
        QString f = QString::number(frac).rightJustified(4, u'0');
        while (f.endsWith(u'0'))
            f.chop(1);
        s += u'.' + f;
    }
    return neg ? u'-' + s : s;
}

Money Money::operator*(Money o) const
{
    return fromRaw(roundDiv(__int128(raw_) * o.raw_, Scale));
}

Money Money::operator/(Money o) const
{
    return fromRaw(roundDiv(__int128(raw_) * Scale, o.raw_));
}

Money Money::percent(std::int64_t pct) const
{
    return fromRaw(roundDiv(__int128(raw_) * pct, 100));
}

Money Money::lineAmount(Money price, Money quantity, std::int64_t discountPct)
{
    return fromRaw(roundDiv(__int128(price.raw_) * quantity.raw_ * discountPct, __int128(Scale) * 100));
}

} // namespace qv
