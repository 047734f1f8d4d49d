#pragma once
// Glyphs of the LCD's character generator: 256 codes, rows 0-9 top to
// bottom, 5 pixels a row in bits 4 (left) to 0 (right).

#include <array>
#include <cstdint>

namespace kelbra {

using WierszeZnaku = std::array<uint8_t, 10>;
using TablicaZnakow = std::array<WierszeZnaku, 256>;

// The HD44780 ROM A00 as loaded when the LCD is created; codes 00h-0Fh
// start blank (the user-definable characters and their separate neighbours).
extern const TablicaZnakow WzorZnakowA00;

}  // namespace kelbra
