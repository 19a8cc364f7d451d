#include "text/pinyintable.h"

#include <gtest/gtest.h>

#include <cstring>

namespace py = qv::pinyin;

TEST(PinyinTable, ReadsTheIdeographsOfTheGbkGrid)
{
    int read = 0;
    for (int lead = py::LeadFirst; lead <= py::LeadLast; ++lead) {
        for (int trail = py::TrailFirst; trail <= py::TrailLast; ++trail) {
            const int n = py::syllableNumber(lead, trail);
            ASSERT_GE(n, 0);
            ASSERT_LE(n, py::SyllableCount);
            if (n == 0)
                continue;
            ++read;
            EXPECT_FALSE(lead >= 0xA1 && lead <= 0xA9) << "symbol row " << lead;
            EXPECT_NE(trail, 0x7F) << "no GBK character ends in 0x7F";
            EXPECT_STRNE(py::syllable(n), "");
        }
    }
    EXPECT_GE(read, 20700);
    // Every ideograph of GB2312's first level (0xB0A1-0xD7F9) is an everyday character.
    for (int lead = 0xB0; lead <= 0xD7; ++lead)
        for (int trail = 0xA1; trail <= (lead == 0xD7 ? 0xF9 : 0xFE); ++trail)
            EXPECT_NE(py::syllableNumber(lead, trail), 0) << std::hex << lead << trail;
    // 0xFF is no lead or trail byte of GBK.
    EXPECT_EQ(py::syllableNumber(0xFF, 0xA1), 0);
    EXPECT_EQ(py::syllableNumber(0xB0, 0xFF), 0);
}

TEST(PinyinTable, SyllableNumbersFollowTheFixedList)
{
    // Stored codes depend on these numbers: the alphabetical syllables, one empty entry,
    // then the later additions.
    for (int n = 2; n <= 393; ++n)
        EXPECT_LT(std::strcmp(py::syllable(n - 1), py::syllable(n)), 0) << n;
    EXPECT_STREQ(py::syllable(1), "a");
    EXPECT_STREQ(py::syllable(393), "zuo");
    EXPECT_STREQ(py::syllable(394), "");
    const char *later[] = {"ei", "m", "n", "dia", "cen", "nou", "jv", "qv", "xv", "lv", "nv"};
    for (int i = 0; i < 11; ++i)
        EXPECT_STREQ(py::syllable(395 + i), later[i]);
    EXPECT_STREQ(py::syllable(0), "");
    EXPECT_STREQ(py::syllable(406), "");
}
