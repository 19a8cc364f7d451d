#pragma once

namespace qv::pinyin {

// The reading table of the GBK grid: lead bytes 0x81-0xFE, trail bytes 0x40-0xFE.
inline constexpr int LeadFirst = 0x81, LeadLast = 0xFE;
inline constexpr int TrailFirst = 0x40, TrailLast = 0xFE;
inline constexpr int SyllableCount = 405;

// The syllable number (1-405) a GBK cell is read with; 0 when it has no reading, which is
// also the answer for byte pairs outside the grid.
int syllableNumber(unsigned char lead, unsigned char trail);

// The toneless spelling of syllable number 1-405 (ü written v); empty text for any other number.
const char *syllable(int number);

} // namespace qv::pinyin
