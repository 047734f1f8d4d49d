#pragma once
// Step-back history: the executor run with a recorder that notes the old
// value of every byte an instruction changes, so the last instructions can
// be undone one at a time. The plain path (Jadro::KrokJadra) runs the same
// executor with BezZapisu and records nothing.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "Jadro.h"

namespace kelbra {

// The plain path's recorder: a store is a store.
struct BezZapisu {
  static void Zapisz(uint8_t& komorka, uint8_t wartosc) { komorka = wartosc; }
  static int32_t ZapisXdata(Jadro& j, uint16_t adres, uint8_t wartosc) { return j.Plytka->LcdZapis(adres, wartosc); }
};

class HistoriaJadra {
 public:
  // 2^20 instructions of 16 bytes and 8 * 2^20 changed bytes of 4: 48 MiB
  // when full, enough for a million instructions averaging up to eight
  // changed bytes each.
  static constexpr size_t DomyslnieRozkazow = size_t{1} << 20;
  static constexpr size_t DomyslnieWpisow = size_t{8} << 20;

  explicit HistoriaJadra(Jadro& j, size_t rozkazow = DomyslnieRozkazow, size_t wpisow = DomyslnieWpisow);

  // Off, KrokJadra is the plain step and the buffers are let go; on, they
  // are taken once here and never again while stepping.
  void Wlacz(bool wlacz);
  bool Wlaczona() const { return wlaczona_; }
  // Forgets every recorded instruction (new program, reset, edited text).
  void Wyczysc();

  // One KrokJadra, recorded when the history is on. Returns its cycles;
  // the clock moves on as with Jadro::KrokJadra.
  int32_t KrokJadra() { return wlaczona_ ? KrokZapisany() : j_.KrokJadra(); }
  // One KrokJadra, recorded; only while the history is on.
  int32_t KrokZapisany();

  bool MoznaCofnac() const { return koniecRozkazow_ > Najstarszy() && Caly(koniecRozkazow_ - 1); }
  // Puts back the state from before the last recorded instruction: every
  // byte it changed, PC and the clock, and the bytes written from outside
  // since it ran. False when empty.
  bool Cofnij();
  size_t Liczba() const;
  // Bytes the buffers take while the history is on, and the changed bytes
  // (4 bytes each; an instruction takes 16 besides) now held.
  size_t Pamiec() const;
  size_t Wpisy() const;

  // State outside Jadro that the MOVX hook changes on writes to XDATA
  // od..do (the LCD model): compared before and after every such write,
  // with XDATA od..do itself, and every differing byte recorded.
  void ObserwujStan(void* stan, size_t rozmiar, uint16_t od, uint16_t do_);
  // A byte of Jadro that someone else (the board: key bytes, SBUF, SCON) is
  // about to set to `wartosc` between two instructions. The change is
  // recorded with the instruction before it: stepping that one back
  // restores the old value, and stepping back and forth over a later one
  // keeps the new value.
  void ZapisZzewnatrz(uint8_t& komorka, uint8_t wartosc);

  // The executor's recorder: notes the old byte, then stores.
  void Zapisz(uint8_t& komorka, uint8_t wartosc) {
    if (komorka != wartosc) Dopisz(Miejsce(komorka), komorka);
    komorka = wartosc;
  }
  int32_t ZapisXdata(Jadro& j, uint16_t adres, uint8_t wartosc);

 private:
  // A changed byte as one word: where (bits 8-31), old value (bits 0-7).
  // Places below ZnacznikStanu are offsets into Jadro, the others into the
  // observed state.
  static constexpr uint32_t ZnacznikStanu = 0x800000;
  struct Rozkaz {
    uint64_t PierwszyWpis;  // the index of its first changed byte
    uint32_t Cykle;         // the clock's low 32 bits before it
    uint16_t PC;
  };

  // Both rings are counted by indexes that only grow while recording (and
  // go back with a step back): record i sits at i & maska. Nothing is
  // dropped as they fill; a record is whole while no later one has taken
  // its place, which the highest index ever reached tells, so recording
  // costs a store and an increment.
  uint32_t Miejsce(const uint8_t& komorka) const {
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(&komorka) - reinterpret_cast<uintptr_t>(&j_));
  }
  void Dopisz(uint32_t miejsce, uint8_t stary) {
    wpisy_[koniecWpisow_ & maskaWpisow_] = miejsce << 8 | stary;
    ++koniecWpisow_;
  }
  // The index of the oldest instruction whose record was not overwritten.
  uint64_t Najstarszy() const {
    const uint64_t szczyt = std::max(szczytRozkazow_, koniecRozkazow_);
    return szczyt > pojRozkazow_ ? szczyt - pojRozkazow_ : 0;
  }
  uint64_t PierwszyWpis(uint64_t i) const { return rozkazy_[i & maskaRozkazow_].PierwszyWpis; }
  // Whether every changed byte of instruction i is still in the ring.
  bool Caly(uint64_t i) const {
    const uint64_t szczyt = std::max(szczytWpisow_, koniecWpisow_);
    return PierwszyWpis(i) + pojWpisow_ >= szczyt;
  }
  void Przywroc(uint32_t wpis);
  // The executor's recorder while KrokZapisany runs: the end of the ring in
  // a local, so that the bytes the executor stores cannot be taken to
  // change it.
  struct Zapisujacy;

  Jadro& j_;
  const size_t pojRozkazow_;
  const size_t pojWpisow_;
  size_t maskaRozkazow_ = 0;
  size_t maskaWpisow_ = 0;
  bool wlaczona_ = false;

  std::unique_ptr<Rozkaz[]> rozkazy_;
  uint64_t koniecRozkazow_ = 0;
  uint64_t szczytRozkazow_ = 0;
  std::unique_ptr<uint32_t[]> wpisy_;
  uint64_t koniecWpisow_ = 0;
  uint64_t szczytWpisow_ = 0;

  uint8_t* stan_ = nullptr;
  size_t rozmiarStanu_ = 0;
  uint16_t odAdresu_ = 0;
  uint16_t doAdresu_ = 0;
  std::vector<uint8_t> kopiaStanu_;
  std::vector<uint8_t> kopiaXdata_;
};

}  // namespace kelbra
