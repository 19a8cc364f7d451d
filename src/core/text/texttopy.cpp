#include "text/texttopy.h"

#include "text/pinyintable.h"

#include <QStringEncoder>

namespace qv {
namespace {

bool isAsciiLetterOrDigit(int c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Row 0xA2 of GBK: the number a numbered form shows (ⅲ -> 3, ⒛ -> 20, ㈨ -> 9, Ⅻ -> 12);
// 0 for the unassigned cells between the groups.
int numberedForm(int trail)
{
    struct Group { int first, last; };
    static constexpr Group groups[] = {
        {0xA1, 0xAA},  // ⅰ-ⅹ
        {0xB1, 0xC4},  // ⒈-⒛
        {0xC5, 0xD8},  // ⑴-⒇
        {0xD9, 0xE2},  // ①-⑩
        {0xE5, 0xEE},  // ㈠-㈩
        {0xF1, 0xFC},  // Ⅰ-Ⅻ
    };
    for (const Group &g : groups)
        if (trail >= g.first && trail <= g.last)
            return trail - g.first + 1;
    return 0;
}

// Row 0xA6: Latin transliteration of the Greek capitals 0xA1-0xB8 and small letters 0xC1-0xD8.
const char *greekLetter(int trail)
{
    static constexpr const char *letters[24] = {
        "A", "B", "G", "D", "E", "Z", "E", "TH", "I", "K", "L", "M",
        "N", "X", "O", "P", "R", "S", "T", "U", "PH", "KH", "PS", "O",
    };
    if (trail >= 0xA1 && trail <= 0xB8)
        return letters[trail - 0xA1];
    if (trail >= 0xC1 && trail <= 0xD8)
        return letters[trail - 0xC1];
    return nullptr;
}

// A character of one byte: ASCII, the euro sign (0x80 in GBK), or a stray lead byte.
void appendSingle(QString &out, unsigned char b, bool keepOthers)
{
    if (isAsciiLetterOrDigit(b))
        out += QChar(b).toUpper();
    else if (keepOthers)
        out += b < 0x80 ? QChar(b) : b == 0x80 ? QChar(0x20AC) : QChar(u'?');
}

void appendPair(QString &out, unsigned char lead, unsigned char trail, bool wholeSyllables)
{
    switch (lead) {
    case 0xA2:
        if (trail < 0xA1)
            out += u'?';
        else if (const int n = numberedForm(trail))
            out += QString::number(n);
        return;
    case 0xA3:
        // Full-width ASCII: the letters and digits count, punctuation does not.
        if (trail >= 0x80 && isAsciiLetterOrDigit(trail - 0x80))
            out += QChar(trail - 0x80);
        return;
    case 0xA6:
        if (const char *latin = greekLetter(trail))
            out += QLatin1String(latin);
        else
            out += u'?';
        return;
    default:
        break;
    }
    const int number = pinyin::syllableNumber(lead, trail);
    if (number == 0) {
        out += u'?';
        return;
    }
    const QString spelling = QString::fromLatin1(pinyin::syllable(number)).toUpper();
    out += wholeSyllables ? spelling.left(6) : spelling.left(1);
}

} // namespace

QString TextToPY(const QString &text, PinyinOptions options, int maxLength)
{
    if (maxLength <= 0)
        return {};
    // Characters GBK cannot hold come out as '?', a byte without letters.
    QStringEncoder toGbk("GBK");
    const QByteArray gbk = toGbk.encode(text);
    const auto byteAt = [&gbk](qsizetype i) { return static_cast<unsigned char>(gbk[i]); };

    QString out;
    for (qsizetype i = 0; i < gbk.size() && out.size() < maxLength;) {
        const unsigned char b = byteAt(i);
        if (b < 0x81 || i + 1 >= gbk.size() || byteAt(i + 1) < 0x40) {
            appendSingle(out, b, options.keepOthers);
            i += 1;
        } else {
            appendPair(out, b, byteAt(i + 1), options.wholeSyllables);
            i += 2;
        }
    }
    out.truncate(maxLength);
    return out;
}

} // namespace qv
