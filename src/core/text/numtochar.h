#pragma once

#include "money/money.h"

#include <QString>

namespace qv {

// The amount in Chinese capital money words (壹拾贰元零肆分); 0 gives empty text.
// Negative amounts are written as the words of their absolute value. Half a fen rounds to the
// even fen; amounts of 10^13 and more go on with 拾万亿, 佰万亿 (every amount Money can hold).
QString NumToChar(Money amount);

} // namespace qv
