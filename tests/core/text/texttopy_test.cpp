#include "text/texttopy.h"

#include <gtest/gtest.h>

using qv::PinyinOptions;
using qv::TextToPY;

namespace {

struct Case { const char *text; const char *code; };

void expectCodes(std::initializer_list<Case> cases, PinyinOptions options = {})
{
    for (const Case &c : cases)
        EXPECT_EQ(TextToPY(QString::fromUtf8(c.text), options), QString::fromUtf8(c.code))
            << c.text;
}

} // namespace

TEST(TextToPY, GivesInitialsOfIdeographsAndUpperCaseAscii)
{
    expectCodes({
        {"苹果", "PG"},
        {"iPhone 12 手机", "IPHONE12SJ"},
        {"绿茶 500ml", "LC500ML"},
        {"康师傅红烧牛肉面", "KSFHSNRM"},
        {"", ""},
    });
}

TEST(TextToPY, ReadsSymbolRowsForTheirLetters)
{
    expectCodes({
        {"ⅲ号Ａ-β", "3HAB"},
        // Numbered forms give the number they show.
        {"①", "1"}, {"⑩", "10"}, {"⒛", "20"}, {"⑴", "1"}, {"⒇", "20"}, {"ⅹ", "10"},
        {"㈠㈩", "110"}, {"Ⅻ", "12"},
        // Full-width letters and digits keep their case; full-width punctuation gives nothing.
        {"ＡＢｃ１２", "ABc12"}, {"（）＋", ""},
        // Greek letters give their Latin transliteration.
        {"Ω", "O"}, {"Θ", "TH"}, {"Ψ", "PS"}, {"Φχ", "PHKH"}, {"αβγ", "ABG"},
        // Cells of the numbered-form and Greek rows that hold neither.
        {"︵", "?"}, {"ΑΩ︵", "AO?"},
    });
}

TEST(TextToPY, CharacterWithoutReadingGivesQuestionMark)
{
    // Chinese punctuation, pinyin letters, bopomofo and the 〇 of the symbol rows have no reading;
    // the question mark shows the user a character the code does not cover.
    expectCodes({
        {"※", "?"}, {"ā", "?"}, {"ㄅ", "?"}, {"〇", "?"}, {"苹果、", "PG?"}, {"“茶”", "?C?"},
    });
}

TEST(TextToPY, OtherCharactersAreSkippedUnlessKept)
{
    // 🍎 is not in GBK at all; € is GBK's single byte 0x80.
    const Case skipped[] = {{"a-b c.", "ABC"}, {"🍎苹果", "PG"}, {"5€", "5"}};
    const Case kept[] = {{"a-b c.", "A-B C."}, {"🍎苹果", "?PG"}, {"5€", "5€"}};
    for (const Case &c : skipped)
        EXPECT_EQ(TextToPY(QString::fromUtf8(c.text)), QString::fromUtf8(c.code)) << c.text;
    for (const Case &c : kept)
        EXPECT_EQ(TextToPY(QString::fromUtf8(c.text), {.keepOthers = true}),
                  QString::fromUtf8(c.code))
            << c.text;
    // Keeping others leaves ideographs, symbols and cells without reading as they were.
    EXPECT_EQ(TextToPY(QStringLiteral("ⅲ号、x"), {.keepOthers = true}), QStringLiteral("3H?X"));
}

TEST(TextToPY, WholeSyllablesOption)
{
    expectCodes({
        {"苹果", "PINGGUO"},
        {"装", "ZHUANG"},
        {"绿", "LV"},
        {"略", "LUE"},
        {"女", "NV"},
        {"嗯", "N"},
        {"银行 A1", "YINXINGA1"},
        {"Ⅻ号β", "12HAOB"},
    }, {.wholeSyllables = true});
}

TEST(TextToPY, CodeIsCutToMaxLength)
{
    const QString letters(300, u'x');
    EXPECT_EQ(TextToPY(letters), QString(255, u'X'));
    EXPECT_EQ(TextToPY(letters, {}, 10), QString(10, u'X'));
    EXPECT_EQ(TextToPY(QStringLiteral("苹果"), {.wholeSyllables = true}, 5), QStringLiteral("PINGG"));
    EXPECT_EQ(TextToPY(QStringLiteral("⒛⒛"), {}, 3), QStringLiteral("202"));
    EXPECT_EQ(TextToPY(QStringLiteral("苹果"), {}, 0), QString());
}
