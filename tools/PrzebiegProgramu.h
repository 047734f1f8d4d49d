#pragma once
// One run of the batch runner: the machine run with scripted input applied
// between instructions, the board window's periodic key copy while input
// is scripted, and an optional trace of the instructions.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Jadro.h"
#include "Kodowanie.h"
#include "MapaAdresow.h"
#include "Maszyna.h"
#include "Oczekiwania.h"
#include "TabelaAsemblacji.h"
#include "Zdarzenia.h"

namespace kelbra::wsad {

// The board window copies the key bytes every sixth 1 ms tick, which is
// 6,000 machine cycles at real-time pace.
inline constexpr uint64_t OkresKopiiKlawiszy = 6000;

struct UstawieniaPrzebiegu {
  uint64_t Cykle = 0;              // run until at least this many have executed, an A5h counting one
  std::optional<uint16_t> DoPC;    // or stop before the instruction at this address
  const ListaZdarzen* Zdarzenia = nullptr;
  uint64_t Slad = 0;               // instructions to trace
  std::optional<uint16_t> SladOd;  // trace from the first arrival at this address
  // Expectations checked as the run goes: at their cycles after that
  // cycle's events, before the first instruction that starts at or after
  // it, and inside their windows at every instruction boundary.
  Sprawdzanie* Kontrole = nullptr;
  // Called with the cycles executed so far about every OkresPostepu cycles
  // of a long run.
  std::function<void(uint64_t cykle)> Postep;
};

inline constexpr uint64_t OkresPostepu = 50'000'000;

// The last stretch of a run that ends at its cycle limit is watched for
// where the program was: the addresses of its last instructions.
inline constexpr uint64_t ObserwacjaKonca = 1024;

struct WynikPrzebiegu {
  uint64_t Cykle = 0;     // machine cycles executed
  size_t Zastosowane = 0; // events applied; those after came too late
  bool DoszedlDoPC = false;  // stopped before the instruction at DoPC
  // The watched stretch: how many instructions it had, and the addresses
  // of the last of them, the k-th at OstatniePC[k % size].
  uint32_t RozkazyNaKoncu = 0;
  std::array<uint16_t, 32> OstatniePC{};
};

// Called before each traced instruction with the cycles executed so far.
using Slad = std::function<void(uint64_t cykle, const Jadro& j)>;

// Runs the machine from where it stands; cycles count from its clock then.
// Every event applies before the first instruction that starts at or after
// its cycle; an event whose cycle no instruction reaches is not applied.
WynikPrzebiegu Uruchom(Maszyna& m, const UstawieniaPrzebiegu& u, const Slad& slad = {});

// Trace lines: the cycles executed before the instruction, its PC, its
// source line from the instruction table, then A, PSW, SP and DPTR as the
// instruction finds them.
class SladRozkazow {
 public:
  // Without a table (a ready CODE image) lines have no source.
  SladRozkazow(const TabelaAsemblacji* tabela, std::vector<TekstCp1250> linie);
  TekstUtf8 Linia(uint64_t cykle, const Jadro& j) const;
  // Where a run ended: PC with its source line, and whether the program
  // was going round a loop a few bytes long, e.g. "Koniec przebiegu w
  // PC=0042: program krąży w wierszu 17: jnz czekaj".
  TekstUtf8 Koniec(const WynikPrzebiegu& w, uint16_t pc) const;

 private:
  MapaAdresow mapa_;
  std::vector<TekstUtf8> linie_;  // tabs as spaces, trimmed
  bool zTabela_ = false;
};

}  // namespace kelbra::wsad
