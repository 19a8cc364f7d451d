#pragma once

#include <QString>

namespace qv {

struct PinyinOptions {
    bool keepOthers = false;      // keep characters that have no letter (upper-cased) instead of skipping them
    bool wholeSyllables = false;  // whole syllables instead of initials
};

// The pinyin-initials search code of a text (苹果 -> PG). Characters without a reading give "?".
QString TextToPY(const QString &text, PinyinOptions options = {}, int maxLength = 255);

} // namespace qv
