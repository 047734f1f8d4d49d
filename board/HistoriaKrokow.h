#pragma once
// The step-back history of the core with the board attached: the LCD model
// is recorded with the instructions that write to it, and the bytes the
// board writes between instructions (key bytes, received PC keys) are
// memory and go back with them. The board's own inputs (key states, the
// PC-key queue) are the student's and are never undone.

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "HistoriaJadra.h"
#include "Jadro.h"
#include "Lcd.h"
#include "Plytka.h"

namespace kelbra {

// The byte-wise record of the LCD needs a plain record.
static_assert(std::is_trivially_copyable_v<Lcd>);

class HistoriaKrokow {
 public:
  HistoriaKrokow(Jadro& j, PlytkaKelbra& plytka, size_t rozkazow = HistoriaJadra::DomyslnieRozkazow,
                 size_t wpisow = HistoriaJadra::DomyslnieWpisow)
      : h_(j, rozkazow, wpisow), lcd_(plytka.lcd) {
    h_.ObserwujStan(&plytka.lcd, sizeof(Lcd), Lcd::AdresRozkazu, Lcd::AdresOdczytu);
    h_.PilnujBajtu(j.Xdata[Jadro::AdresKlStatycznych]);
    h_.PilnujBajtu(j.Xdata[Jadro::AdresKlDynamicznych0]);
    h_.PilnujBajtu(j.Xdata[Jadro::AdresKlDynamicznych1]);
    h_.PilnujBajtu(j.Data[sfr::SBUF]);
    h_.PilnujBajtu(j.Data[sfr::SCON]);
  }

  void Wlacz(bool wlacz) { h_.Wlacz(wlacz); }
  bool Wlaczona() const { return h_.Wlaczona(); }
  void Wyczysc() { h_.Wyczysc(); }
  // Jadro::KrokJadra, recorded while the history is on.
  int32_t KrokJadra() { return h_.KrokJadra(); }
  bool MoznaCofnac() const { return h_.MoznaCofnac(); }
  size_t Liczba() const { return h_.Liczba(); }
  size_t Pamiec() const { return h_.Pamiec(); }

  // Undoes the last instruction. The LCD's version moves on rather than
  // back, so a board that drew a later image still repaints.
  bool Cofnij() {
    const uint32_t wersja = lcd_.Wersja;
    const bool cofniety = h_.Cofnij();
    if (cofniety) lcd_.Wersja = wersja + 1;
    return cofniety;
  }

 private:
  HistoriaJadra h_;
  Lcd& lcd_;
};

}  // namespace kelbra
