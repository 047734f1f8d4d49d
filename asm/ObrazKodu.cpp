// CODE written out for a real chip. Inside the program MOV direct,direct
// keeps its destination first; a chip, and every other 8051 tool, takes the
// source first, so an image that leaves the program swaps the two operand
// bytes of each such instruction the assembler placed, and only those.

#include "Asembler.h"

namespace kelbra {

std::vector<std::pair<uint16_t, uint8_t>> BajtyObrazu(const WynikAsemblacji& w,
                                                       const std::array<uint8_t, 65536>& code) {
  std::vector<std::pair<uint16_t, uint8_t>> bajty;
  bajty.reserve(w.Zapisane.count());
  for (uint32_t i = 0; i < 0x10000; ++i) {
    if (!w.Zapisane[i]) continue;
    const auto a = static_cast<uint16_t>(i);
    // A marked instruction's three bytes are never written over, so at most
    // one of the two marks before this byte is set.
    uint8_t b = code[a];
    if (w.Mov85[static_cast<uint16_t>(a - 1)]) b = code[static_cast<uint16_t>(a + 1)];
    if (w.Mov85[static_cast<uint16_t>(a - 2)]) b = code[static_cast<uint16_t>(a - 1)];
    bajty.emplace_back(a, b);
  }
  return bajty;
}

}  // namespace kelbra
