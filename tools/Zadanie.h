#pragma once
// Tasks that check themselves: source lines starting with ";#kelbra" carry
// the batch runner's run options, split as a shell splits a command line.
// They are comments to the assembler. The same reader serves the runner and
// the window's task check, which runs a task on a machine of its own.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Jadro.h"
#include "Oczekiwania.h"
#include "OpcjeWsadu.h"
#include "Maszyna.h"
#include "PrzebiegProgramu.h"

namespace kelbra::wsad {

inline constexpr std::string_view ZnacznikZadania = ";#kelbra";

// True when the line, after leading blanks, starts with the mark (in any
// case). The mark followed by anything but a blank is a task line too, and
// an error when read, so that a misspelt line is never silently skipped.
bool LiniaZadania(std::u32string_view linia);

// True when some line is a task line.
bool MaZadanie(const std::vector<std::u32string>& linie);

// Splits text into words as a shell does: blanks separate, '...' keeps
// everything, "..." keeps everything but \" \\ \$ \`, a backslash outside
// quotes keeps the next character, a word starting with # ends the line.
// Returns an error message, or nothing.
std::optional<std::string> PodzielJakPowloka(std::string_view utf8, std::vector<std::string>& slowa);

// The words of every task line, in order, each with its line index (from
// 0); an error names the line.
std::optional<BladOpcji> CzytajLinieZadania(const std::vector<std::u32string>& linie, std::vector<Argument>& argumenty);

// The error as the assembler's lists show one: "ERROR...N linia. TEXT".
std::string LiniaBledu(const BladOpcji& b);

struct WynikZadania {
  bool maZadanie = false;
  // The error list's lines, in Windows-1250 as the assembler gives them:
  // the first task line that cannot be read, or the assembly's errors.
  std::vector<std::string> bledy;
  std::vector<std::string> ostrzezenia;
  bool uruchomione = false;  // assembled and run: the fields below hold
  uint64_t cykle = 0;        // machine cycles executed
  std::vector<Oczekiwanie> oczekiwania;
  std::vector<WynikOczekiwania> wyniki;  // one an expectation, in the order given
  size_t niezastosowane = 0;             // events after the end of the run
  // With some expectation failed: where the program was when the run
  // ended, as SladRozkazow::Koniec says it.
  std::string koniec;

  size_t Spelnione() const;
  uint64_t Punkty() const;   // those held earn
  uint64_t Mozliwe() const;  // all of them would
  // True when the task gives some expectation other than one point.
  bool ZPunktami() const;
};

// Enters the emulation mode and runs the program as the options say, no
// longer than the cap, checking each expectation at its cycle and the rest
// at the end of the run.
// `postep` hears of a long run's progress.
WynikPrzebiegu UruchomZOpcjami(Maszyna& m, const OpcjeWsadu& o, uint64_t limitCykli, Sprawdzanie& sprawdzanie,
                               const Slad& slad = {}, std::function<void(uint64_t)> postep = {});

// Reads the task lines of the text (the editor's lines, the window-layout
// line not among them), assembles the text on a machine of its own, runs
// it from a reset as a successful assembly starts the emulation, and checks
// the expectations. A run never goes past `limitCykli`; expectations after
// it stay unchecked.
WynikZadania SprawdzZadanie(const std::vector<std::u32string>& linie, uint64_t limitCykli = DomyslnyLimitCykli);

// "Sprawdzenie: N z M spełnione" (UTF-8), with ", punkty P/Q" when the
// task gives points.
std::string TytulSprawdzenia(const WynikZadania& w);

// One row an expectation, failed ones first, each group in the order given
// (UTF-8); with `punkty`, each ends in what it earned, e.g. " [0/2 pkt]",
// and with `znaki` begins with "✓ " or "✗ ".
std::vector<std::string> WierszeSprawdzenia(const std::vector<Oczekiwanie>& oczekiwania,
                                            const std::vector<WynikOczekiwania>& wyniki, uint64_t cykle, bool punkty,
                                            bool znaki = false);
// The rows of a task check, with points when the task gives them.
inline std::vector<std::string> WierszeSprawdzenia(const WynikZadania& w) {
  return WierszeSprawdzenia(w.oczekiwania, w.wyniki, w.cykle, w.ZPunktami());
}

}  // namespace kelbra::wsad
