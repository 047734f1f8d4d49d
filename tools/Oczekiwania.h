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
  // A window: from `cykl` to this cycle the value may show at any
  // instruction boundary.
  std::optional<uint64_t> doCyklu;
  uint32_t punkty = 1;  // what holding it earns
};

// Reads "LCD1=TEXT", "LCD2=TEXT", "P1=3C", "DATA:30=12", "IDATA:90=12",
// "XDATA:0100=FF" or "PC=0040" (hexadecimal, names in any case), each
// optionally followed by "@CYCLE" or a window "@FROM..TO" (decimal). An LCD
// text ending in "@" and digits takes them as the cycle; a blank after them
// keeps them as text.
// Returns an error message naming the bad part, or an empty string.
std::string CzytajOczekiwanie(std::string_view zapis, Oczekiwanie& o);

struct WynikOczekiwania {
  // Why an LCD line shows nothing.
  enum class Powod : uint8_t { Brak, WyswietlaczWylaczony, LiniaNiewyswietlana };
  bool sprawdzone = false;  // false: the run ended before the cycle
  bool spelnione = false;
  std::string jest;  // what was found: "FE", "0040", an LCD text; in a window the last seen
  Powod powod = Powod::Brak;
  std::optional<uint64_t> wCyklu;  // a window's: the boundary where the value showed
};

WynikOczekiwania ZbadajOczekiwanie(const Oczekiwanie& o, const Jadro& j, const Lcd& lcd);

// The line the batch runner prints for a failed expectation, e.g.
// "Oczekiwano P1=FA w cyklu 1000, jest FE", or for a window
// "LCD1 w cyklach 40000..50000: oczekiwano "Klawisz: 3", ostatnio "Wcisnij"";
// `koniec` is the cycles the run executed, named when it ended before the
// check or inside the window.
std::string LiniaNiespelnionego(const Oczekiwanie& o, const WynikOczekiwania& w, uint64_t koniec);

// A row of the task check's result, in UTF-8 with Polish letters, held or
// not: "P1 po 1000 cyklach: oczekiwano FA, jest FE".
std::string WierszSprawdzenia(const Oczekiwanie& o, const WynikOczekiwania& w, uint64_t koniec);

// The line a failed expectation prints, or nothing when it holds.
std::optional<std::string> SprawdzOczekiwanie(const Oczekiwanie& o, const Jadro& j, const Lcd& lcd);

// Checks expectations as a run goes: those with a cycle when the run reaches
// it, those with a window at every instruction boundary inside it until the
// value shows, the rest at the end.
class Sprawdzanie {
 public:
  explicit Sprawdzanie(const std::vector<Oczekiwanie>& oczekiwania);
  // The first cycle the run must stop at; UINT64_MAX when none.
  uint64_t Pierwsza() const;
  // Called before the first instruction that starts at or after the cycle
  // the previous call (or Pierwsza) returned, with the cycles executed, and
  // whenever Zmiana says so; returns the next cycle to stop at, or
  // UINT64_MAX.
  uint64_t Kontrola(uint64_t cykl, const Jadro& j, const Lcd& lcd);
  // While a window is open (Czuwa), the run calls Zmiana after every
  // instruction with the cycles executed: true when Kontrola should run at
  // this boundary, because a watched value shows, the LCD changed or a
  // window has ended. A compare or two a window, nothing formatted.
  bool Czuwa() const { return !straz_.empty(); }
  bool Zmiana(const Jadro& j, const Lcd& lcd, uint64_t cykl) {
    for (const Straz& s : straz_) {
      if (cykl > s.doCyklu) return true;
      if (s.lcd) {
        if (lcd.Wersja != s.okno->wersjaLcd) return true;
        continue;
      }
      const int32_t v = s.bajt ? *s.bajt : j.PC;
      s.okno->ostatnia = v;
      if (v == s.wartosc) return true;
    }
    return false;
  }
  // Checks those without a cycle and the final state for a window the run
  // ended in; those whose cycle never came stay unchecked.
  void NaKoncu(uint64_t cykle, const Jadro& j, const Lcd& lcd);
  // One a given expectation, in the order given.
  const std::vector<WynikOczekiwania>& Wyniki() const { return wyniki_; }
  uint64_t Koniec() const { return koniec_; }
  size_t Spelnione() const;

 private:
  // A window being watched: what it saw last, in raw form, formatted only
  // when it closes.
  struct Okno {
    size_t i = 0;
    bool zamkniete = false;
    bool widziane = false;  // some boundary was checked
    int32_t ostatnia = 0;
    uint32_t wersjaLcd = 0;
    std::string tekst;
  };
  // An open window as Zmiana watches it: a byte of the machine, PC (no
  // byte) or the LCD.
  struct Straz {
    const uint8_t* bajt = nullptr;
    bool lcd = false;
    int32_t wartosc = 0;
    uint64_t doCyklu = 0;
    Okno* okno = nullptr;
  };
  uint64_t Nastepna(uint64_t cykl) const;
  void Zobacz(Okno& okno, uint64_t cykl, const Jadro& j, const Lcd& lcd);
  void Zamknij(Okno& okno, const Lcd& lcd);

  const std::vector<Oczekiwanie>& oczekiwania_;
  std::vector<size_t> kolejnosc_;  // those at a cycle, by cycle
  size_t nastepny_ = 0;            // the first of them not yet checked
  std::vector<Okno> okna_;
  std::vector<Straz> straz_;
  std::vector<WynikOczekiwania> wyniki_;
  uint64_t koniec_ = 0;
};

// What an LCD line (0 or 1) shows: cells whose glyph is blank as spaces,
// 21h-7Eh as themselves, any other code as "."; trailing blanks dropped.
// Empty while the display is off or the line is not shown.
std::string TekstLiniiLcd(const Lcd& lcd, int linia);

}  // namespace kelbra::wsad
