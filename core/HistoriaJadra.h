#pragma once
// Step-back history: the executor run with a recorder that notes the old
// value of every byte an instruction changes, so the last instructions can
// be undone one at a time. The plain path (KrokJadra, the batch runner, the
// benchmarks) runs the same executor with BezZapisu and records nothing.

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
  // 2^20 instructions of 16 bytes and 10 * 2^20 changed bytes of 4: 56 MiB
  // when full, enough for a million instructions averaging up to ten
  // changed bytes each.
  static constexpr size_t DomyslnieRozkazow = size_t{1} << 20;
  static constexpr size_t DomyslnieWpisow = size_t{10} << 20;

  explicit HistoriaJadra(Jadro& j, size_t rozkazow = DomyslnieRozkazow, size_t wpisow = DomyslnieWpisow);

  // Off, KrokJadra is the plain step and the buffers are let go; on, they
  // are taken once here and never again while stepping.
  void Wlacz(bool wlacz);
  bool Wlaczona() const { return wlaczona_; }
  // Forgets every recorded instruction (new program, reset, edited text).
  void Wyczysc();

  // One KrokJadra, recorded when the history is on. Returns its cycles;
  // LicznikCykli is the caller's to advance, as with Jadro::KrokJadra.
  int32_t KrokJadra();

  bool MoznaCofnac() const { return liczbaRozkazow_ > 0; }
  // Puts back the state from before the last recorded instruction: every
  // byte it changed, PC, LicznikCykli and SekundyJadra, and the watched
  // bytes written from outside since it ran. False when empty.
  bool Cofnij();
  size_t Liczba() const { return liczbaRozkazow_; }
  // Bytes the buffers take while the history is on, and the changed bytes
  // (4 bytes each; an instruction takes 16 besides) now held.
  size_t Pamiec() const;
  size_t Wpisy() const { return liczbaWpisow_; }

  // State outside Jadro that the MOVX hook changes on writes to XDATA
  // od..do (the LCD model): compared before and after every such write,
  // with XDATA od..do itself, and every differing byte recorded.
  void ObserwujStan(void* stan, size_t rozmiar, uint16_t od, uint16_t do_);
  // A byte of the machine state that others write between instructions
  // (the board's key bytes, SBUF and SCON). A change is recorded with the
  // instruction before it: stepping that one back restores the old value,
  // and stepping back and forth over a later one keeps the new value.
  void PilnujBajtu(uint8_t& komorka);

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
    uint32_t LiczbaWpisow;  // its changed bytes, the last ones in the ring
    uint32_t LicznikCykli;
    uint32_t SekundyJadra;
    uint16_t PC;
  };
  struct Pilnowany {
    uint8_t* komorka;
    uint8_t znana;  // the value after the last recorded instruction
  };

  uint32_t Miejsce(const uint8_t& komorka) const {
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(&komorka) - reinterpret_cast<uintptr_t>(&j_));
  }
  void Dopisz(uint32_t miejsce, uint8_t stary) {
    if (liczbaWpisow_ == pojWpisow_) ZrobMiejsce();
    wpisy_[koniecWpisow_] = miejsce << 8 | stary;
    if (++koniecWpisow_ == pojWpisow_) koniecWpisow_ = 0;
    ++liczbaWpisow_;
    ++wpisyBiezacego_;
  }
  void ZrobMiejsce();
  void Przywroc(uint32_t wpis);
  void ZapamietajPilnowane();
  // Records the watched bytes' changes since the last instruction with it.
  void DolaczZmianyZzewnatrz();
  int32_t KrokZapisany();  // the executor instantiated with this recorder

  Jadro& j_;
  const size_t pojRozkazow_;
  const size_t pojWpisow_;
  bool wlaczona_ = false;
  bool przepelnienie_ = false;

  std::unique_ptr<Rozkaz[]> rozkazy_;
  size_t pierwszyRozkaz_ = 0;
  size_t liczbaRozkazow_ = 0;
  std::unique_ptr<uint32_t[]> wpisy_;
  size_t koniecWpisow_ = 0;
  size_t liczbaWpisow_ = 0;
  uint32_t wpisyBiezacego_ = 0;  // of the instruction being recorded

  uint8_t* stan_ = nullptr;
  size_t rozmiarStanu_ = 0;
  uint16_t odAdresu_ = 0;
  uint16_t doAdresu_ = 0;
  std::vector<uint8_t> kopiaStanu_;
  std::vector<uint8_t> kopiaXdata_;
  std::vector<Pilnowany> pilnowane_;
};

}  // namespace kelbra
