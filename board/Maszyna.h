#pragma once
// The emulated Kelbra board as one object: the 8051 core, the board model
// with its LCD, the step history and the timing picture, wired together
// here and never moved,
// since each keeps references into the others. One power-on, one board
// reset, one clock (Jadro::Cykle) and one loop that runs instructions;
// the main window, the task check, the batch runner, the benchmarks and the
// tests each own a machine and run it through Biegnij.

#include <algorithm>
#include <cstdint>

#include "HistoriaKrokow.h"
#include "Jadro.h"
#include "Plytka.h"
#include "TablicaRozkazow.h"
#include "ZapisPrzebiegow.h"

namespace kelbra {

class Maszyna {
 public:
  // Power-on: the core's reset values, the board attached with its key
  // bytes FFh and the LCD's start sequence, the history off.
  Maszyna();
  Maszyna(const Maszyna&) = delete;
  Maszyna& operator=(const Maszyna&) = delete;

  Jadro& jadro() { return jadro_; }
  const Jadro& jadro() const { return jadro_; }
  PlytkaKelbra& plytka() { return plytka_; }
  const PlytkaKelbra& plytka() const { return plytka_; }
  HistoriaKrokow& historia() { return historia_; }
  const HistoriaKrokow& historia() const { return historia_; }
  ZapisPrzebiegow& przebiegi() { return przebiegi_; }
  const ZapisPrzebiegow& przebiegi() const { return przebiegi_; }
  // Machine cycles since the last board reset.
  uint64_t Cykl() const { return jadro_.Cykle; }

  // The timing picture on, beginning at the present, or off with its
  // buffers let go. While on, every run records each change of P0-P3 and
  // of the key bytes and each LCD write with the cycle that ends it.
  void WlaczPrzebiegi(bool wlacz);
  // Step back: undoes the last recorded instruction, and the picture loses
  // what came after the new present. False when there was none.
  bool Cofnij();

  // The operand order of MOV direct,direct (85h), chosen by where the
  // program in CODE came from and kept for the whole run, board resets
  // included: assembled here, destination first (the default); a loaded HEX
  // or BIN image, the data sheet's source first.
  void UstawKolejnoscMov85(KolejnoscMov85 k) { jadro_.Mov85 = k; }

  // The board reset, which entering the emulation mode also is: the core's
  // reset values, the clock at 0, the LCD's start sequence, typed PC keys
  // dropped, the history emptied. Keys, indicators and the rest of the
  // memory stay as they are.
  void ResetPlytki();

  // Runs instructions while `budzet` is above 0 and the clock is below
  // `doCyklu`. Each costs its cycles, an A5h one, so code made of A5h still
  // ends a run. The key bytes are restored first when the board shows them;
  // a PC key due goes to SBUF before each instruction. After each,
  // `stop(jadro)` true ends the run and Biegnij returns true. The history
  // records every instruction while it is on; the plain loop is a separate
  // instantiation, so it pays nothing for it.
  template <class Stop>
  bool Biegnij(int64_t& budzet, uint64_t doCyklu, Stop&& stop) {
    plytka_.PrzedBiegiem();
    if (!przebiegi_.Wlaczony())
      return historia_.Wlaczona() ? Petla<true, false>(budzet, doCyklu, stop)
                                  : Petla<false, false>(budzet, doCyklu, stop);
    ZmianyZzewnatrz();
    const bool zatrzymany = historia_.Wlaczona() ? Petla<true, true>(budzet, doCyklu, stop)
                                                 : Petla<false, true>(budzet, doCyklu, stop);
    przebiegi_.UstawKoniec(jadro_.Cykle);
    return zatrzymany;
  }
  // One instruction, as a step command runs it.
  int32_t Krok() {
    const uint64_t przed = jadro_.Cykle;
    int64_t jeden = 1;
    Biegnij(jeden, UINT64_MAX, [](const Jadro&) { return false; });
    return static_cast<int32_t>(jadro_.Cykle - przed);
  }

 private:
  uint32_t Porty() const {
    return static_cast<uint32_t>(jadro_.Data[sfr::P0]) | static_cast<uint32_t>(jadro_.Data[sfr::P1]) << 8 |
           static_cast<uint32_t>(jadro_.Data[sfr::P2]) << 16 | static_cast<uint32_t>(jadro_.Data[sfr::P3]) << 24;
  }
  BajtyPrzebiegu Bajty() const;
  // What changed between runs: the board's key copy, values typed in the
  // inspection windows.
  void ZmianyZzewnatrz();

  template <bool Zapis, bool Przebiegi, class Stop>
  bool Petla(int64_t& budzet, uint64_t doCyklu, Stop& stop) {
    // One comparison of the clock per instruction: against the nearer of
    // the limit and the next PC key.
    int64_t zostalo = budzet;
    uint64_t dostawa = plytka_.NastepnaDostawaPC(jadro_.Cykle);
    uint64_t granica = std::min(doCyklu, dostawa);
    bool zatrzymany = false;
    // The latches as the picture last saw them: ZmianyZzewnatrz has just
    // recorded them.
    uint32_t widzianePorty = 0;
    if constexpr (Przebiegi) widzianePorty = Porty();
    while (zostalo > 0) {
      if (jadro_.Cykle >= granica) {
        if (jadro_.Cykle >= doCyklu) break;
        plytka_.DostarczKlawiszPC(jadro_.Cykle);
        dostawa = plytka_.NastepnaDostawaPC(jadro_.Cykle);
        granica = std::min(doCyklu, dostawa);
      }
      // A port changes as its instruction ends, before any interrupt it
      // lets in; the four latches are compared as one word.
      uint64_t koniecRozkazu = 0;
      if constexpr (Przebiegi) koniecRozkazu = jadro_.Cykle + CykleRozkazu[jadro_.Code[jadro_.PC]];
      const int32_t n = Zapis ? historia_.KrokZapisany() : jadro_.KrokJadra();
      zostalo -= KosztKroku(n);
      if constexpr (Przebiegi) {
        const uint32_t porty = Porty();
        if (porty != widzianePorty) {
          widzianePorty = porty;
          przebiegi_.Porty(porty, koniecRozkazu);
        }
      }
      // Whatever watches the machine instruction by instruction goes here.
      if (stop(static_cast<const Jadro&>(jadro_))) {
        zatrzymany = true;
        break;
      }
    }
    budzet = zostalo;
    return zatrzymany;
  }

  Jadro jadro_;
  PlytkaKelbra plytka_;
  HistoriaKrokow historia_{jadro_, plytka_};
  ZapisPrzebiegow przebiegi_;
};

}  // namespace kelbra
