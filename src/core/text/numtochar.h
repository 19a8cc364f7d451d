#pragma once

#include "money/money.h"

#include <QString>

namespace qv {

// The amount in Chinese capital money words (壹拾贰元零肆分); 0 gives empty text.
// Negative amounts are written as the words of their absolute value.
QString NumToChar(Money amount);

} // namespace qv
