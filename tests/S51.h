#pragma once
// The s51 simulator (sdcc-ucsim), an independent 8051 model, as tests drive
// it: one session reads a command file, and its "dump /h" output is parsed.

#include <cstdint>
#include <cstdlib>
#include <istream>
#include <sstream>
#include <string>

namespace kelbra::test {

inline bool S51Dostepny() { return std::system("command -v s51 >/dev/null 2>&1") == 0; }

// Reads `linie` lines of a "dump /h" of 16 bytes each into `cel`.
inline bool CzytajZrzutS51(std::istream& in, uint8_t* cel, int linie) {
  std::string linia;
  for (int k = 0; k < linie; ++k) {
    if (!std::getline(in, linia)) return false;
    std::istringstream l(linia);
    std::string adres;
    l >> adres;
    for (int b = 0; b < 16; ++b) {
      std::string t;
      if (!(l >> t)) return false;
      cel[k * 16 + b] = static_cast<uint8_t>(std::stoul(t, nullptr, 16));
    }
  }
  return true;
}

}  // namespace kelbra::test
