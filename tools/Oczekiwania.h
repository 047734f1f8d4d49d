#pragma once
// What the batch runner checks at the end of a run: a text on an LCD line,
// an SFR by its predefined name, a byte of DATA, IDATA or XDATA, or PC.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "Jadro.h"
#include "Lcd.h"

namespace kelbra::wsad {

struct Oczekiwanie {
  enum class Rodzaj : uint8_t { LiniaLcd, Sfr, Data, Idata, Xdata, PC };
  Rodzaj rodzaj = Rodzaj::PC;
  uint16_t adres = 0;  // LCD line 0 or 1, or the address
  uint16_t wartosc = 0;
  std::string tekst;  // LCD: the characters expected, trailing blanks dropped
  std::string nazwa;  // as printed: "LCD1", "P1", "DATA:30", "PC"
};

// Reads "LCD1=TEXT", "LCD2=TEXT", "P1=3C", "DATA:30=12", "IDATA:90=12",
// "XDATA:0100=FF" or "PC=0040" (hexadecimal, names in any case). Returns an
// error message naming the bad part, or an empty string.
std::string CzytajOczekiwanie(std::string_view zapis, Oczekiwanie& o);

// The line a failed expectation prints, or nothing when it holds.
std::optional<std::string> SprawdzOczekiwanie(const Oczekiwanie& o, const Jadro& j, const Lcd& lcd);

// What an LCD line (0 or 1) shows: cells whose glyph is blank as spaces,
// 21h-7Eh as themselves, any other code as "."; trailing blanks dropped.
// Empty while the display is off or the line is not shown.
std::string TekstLiniiLcd(const Lcd& lcd, int linia);

}  // namespace kelbra::wsad
