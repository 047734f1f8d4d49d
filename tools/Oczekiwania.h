#pragma once
// What the batch runner checks at the end of a run or at a given machine
// cycle: a text on an LCD line, an SFR by its predefined name, a byte of
// DATA, IDATA or XDATA, or PC.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
  // Checked before the first instruction that starts at or after this cycle;
  // without one, at the end of the run.
  std::optional<uint64_t> cykl;
};

// Reads "LCD1=TEXT", "LCD2=TEXT", "P1=3C", "DATA:30=12", "IDATA:90=12",
// "XDATA:0100=FF" or "PC=0040" (hexadecimal, names in any case), each
// optionally followed by "@CYCLE" (decimal). An LCD text ending in "@" and
// digits takes them as the cycle; a blank after them keeps them as text.
// Returns an error message naming the bad part, or an empty string.
std::string CzytajOczekiwanie(std::string_view zapis, Oczekiwanie& o);

struct WynikOczekiwania {
  // Why an LCD line shows nothing.
  enum class Powod : uint8_t { Brak, WyswietlaczWylaczony, LiniaNiewyswietlana };
  bool sprawdzone = false;  // false: the run ended before the cycle
  bool spelnione = false;
  std::string jest;  // what was found: "FE", "0040", an LCD text
  Powod powod = Powod::Brak;
};

WynikOczekiwania ZbadajOczekiwanie(const Oczekiwanie& o, const Jadro& j, const Lcd& lcd);

// The line the batch runner prints for a failed expectation, e.g.
// "Oczekiwano P1=FA w cyklu 1000, jest FE"; `koniec` is the cycles the run
// executed, named when it ended before the check.
std::string LiniaNiespelnionego(const Oczekiwanie& o, const WynikOczekiwania& w, uint64_t koniec);

// A row of the task check's result, in UTF-8 with Polish letters, held or
// not: "P1 po 1000 cyklach: oczekiwano FA, jest FE".
std::string WierszSprawdzenia(const Oczekiwanie& o, const WynikOczekiwania& w, uint64_t koniec);

// The line a failed expectation prints, or nothing when it holds.
std::optional<std::string> SprawdzOczekiwanie(const Oczekiwanie& o, const Jadro& j, const Lcd& lcd);

// Checks expectations as a run goes: those with a cycle when the run reaches
// it, the rest at the end.
class Sprawdzanie {
 public:
  explicit Sprawdzanie(const std::vector<Oczekiwanie>& oczekiwania);
  // The cycles to stop at, ascending, without repeats.
  const std::vector<uint64_t>& Cykle() const { return cykle_; }
  // The run has reached Cykle()[k]; calls come in ascending k.
  void WCyklu(size_t k, const Jadro& j, const Lcd& lcd);
  // Checks those without a cycle; those whose cycle never came stay unchecked.
  void NaKoncu(uint64_t cykle, const Jadro& j, const Lcd& lcd);
  // One a given expectation, in the order given.
  const std::vector<WynikOczekiwania>& Wyniki() const { return wyniki_; }
  uint64_t Koniec() const { return koniec_; }
  size_t Spelnione() const;

 private:
  const std::vector<Oczekiwanie>& oczekiwania_;
  std::vector<size_t> kolejnosc_;  // those with a cycle, by cycle
  size_t nastepny_ = 0;            // the first of them not yet checked
  std::vector<uint64_t> cykle_;
  std::vector<WynikOczekiwania> wyniki_;
  uint64_t koniec_ = 0;
};

// What an LCD line (0 or 1) shows: cells whose glyph is blank as spaces,
// 21h-7Eh as themselves, any other code as "."; trailing blanks dropped.
// Empty while the display is off or the line is not shown.
std::string TekstLiniiLcd(const Lcd& lcd, int linia);

}  // namespace kelbra::wsad
