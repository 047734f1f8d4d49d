#pragma once
// The step-back history of the core with the board attached: the LCD model
// is recorded with the instructions that write to it, and the bytes the
// board writes between instructions (key bytes, received PC keys) are
// recorded as it writes them, with the instruction before, and go back
// with it. The board's own inputs (key states, the
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

class HistoriaKrokow final : public ZapisyPlytki {
 public:
  // Hears of the board's writes from here on.
  HistoriaKrokow(Jadro& j, PlytkaKelbra& plytka, size_t rozkazow = HistoriaJadra::DomyslnieRozkazow,
                 size_t wpisow = HistoriaJadra::DomyslnieWpisow)
      : h_(j, rozkazow, wpisow), lcd_(plytka.lcd) {
    h_.ObserwujStan(&plytka.lcd, sizeof(Lcd), Lcd::AdresRozkazu, Lcd::AdresOdczytu);
    plytka.UstawObserwatora(this);
  }
  HistoriaKrokow(const HistoriaKrokow&) = delete;
  HistoriaKrokow& operator=(const HistoriaKrokow&) = delete;

  void Wlacz(bool wlacz) { h_.Wlacz(wlacz); }
  bool Wlaczona() const { return h_.Wlaczona(); }
  void Wyczysc() { h_.Wyczysc(); }
  // Jadro::KrokJadra, recorded while the history is on.
  int32_t KrokJadra() { return h_.KrokJadra(); }
  // Jadro::KrokJadra recorded; only while the history is on.
  int32_t KrokZapisany() { return h_.KrokZapisany(); }
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

  void PrzedZapisemPlytki(uint8_t& komorka, uint8_t wartosc) override { h_.ZapisZzewnatrz(komorka, wartosc); }

 private:
  HistoriaJadra h_;
  Lcd& lcd_;
};

}  // namespace kelbra
