#include "text/pinyintable.h"

#include <string_view>

namespace qv::pinyin {
namespace {

#include "text/pinyintable.inc"

static_assert(sizeof kSyllables / sizeof *kSyllables == SyllableCount);
static_assert(sizeof kReadingRows / sizeof *kReadingRows == LeadLast - LeadFirst + 1);

constexpr int digitValue(char c)
{
    for (int i = 0; kReadingDigits[i]; ++i)
        if (kReadingDigits[i] == c)
            return i;
    return 0;
}

// Decoded once at compile time, so a lookup is a plain index.
struct DigitValues {
    unsigned char of[128] = {};
    constexpr DigitValues()
    {
        for (int c = 0; c < 128; ++c)
            of[c] = static_cast<unsigned char>(digitValue(static_cast<char>(c)));
    }
};
constexpr DigitValues kDigits;

} // namespace

int syllableNumber(unsigned char lead, unsigned char trail)
{
    if (lead < LeadFirst || lead > LeadLast || trail < TrailFirst || trail > TrailLast)
        return 0;
    const std::string_view row = kReadingRows[lead - LeadFirst];
    const std::size_t at = 2 * std::size_t(trail - TrailFirst);
    if (at + 1 >= row.size())
        return 0;
    return kDigits.of[row[at] & 0x7F] * 64 + kDigits.of[row[at + 1] & 0x7F];
}

const char *syllable(int number)
{
    return number >= 1 && number <= SyllableCount ? kSyllables[number - 1] : "";
}

} // namespace qv::pinyin
