#include "text/numtochar.h"

#include <cstdint>
#include <utility>

namespace qv {
namespace {

constexpr QStringView kDigitWords = u"零壹贰叁肆伍陆柒捌玖";
// The unit of each position of the right-aligned number of fen. The usual table stops at 万亿
// (15 positions, up to 9999999999999.99); the two further positions write every amount Money
// can hold instead of shifting the units of larger ones.
constexpr QStringView kUnits = u"佰拾万仟佰拾亿仟佰拾万仟佰拾元角分";

// Applied in this order: the later ones clean up what the earlier ones leave behind.
constexpr std::pair<QStringView, QStringView> kTidyUps[] = {
    {u"零元", u"元"}, {u"零拾", u"零"}, {u"零佰", u"零"}, {u"零仟", u"零"},
    {u"零万", u"万"}, {u"零亿", u"亿"}, {u"亿万", u"亿"}, {u"零零零", u"零"},
    {u"零零", u"零"}, {u"零万", u"万"}, {u"零亿", u"亿"}, {u"亿万", u"亿"},
    {u"零元", u"元"},
};

// The magnitude in whole fen, half a fen going to the even neighbour.
std::uint64_t wholeFen(Money amount)
{
    // Unsigned, so that even the most negative amount has a magnitude.
    const std::uint64_t raw = amount.isNegative() ? 0 - static_cast<std::uint64_t>(amount.raw())
                                                  : static_cast<std::uint64_t>(amount.raw());
    constexpr std::uint64_t perFen = Money::Scale / 100;
    std::uint64_t fen = raw / perFen;
    const std::uint64_t rest = raw % perFen;
    if (rest * 2 > perFen || (rest * 2 == perFen && fen % 2 == 1))
        ++fen;
    return fen;
}

} // namespace

QString NumToChar(Money amount)
{
    const QString digits = QString::number(wholeFen(amount)).rightJustified(kUnits.size(), u' ');
    QString words;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (digits[i] == u' ')
            continue;
        words += kDigitWords[digits[i].digitValue()];
        words += kUnits[i];
    }
    for (const auto &[from, to] : kTidyUps)
        words.replace(from.toString(), to.toString());
    // Without fen a trailing 零角 closes the words as 整 (壹元整); before fen it is one 零 (壹元零伍分).
    const bool noFen = words.contains(QStringLiteral("零分"));
    words.replace(QStringLiteral("零角"), noFen ? QStringLiteral("整") : QStringLiteral("零"));
    words.remove(QStringLiteral("零分"));
    return words;
}

} // namespace qv
