#pragma once
// The six managed windows as one layout: reading where they stand, putting
// them back (sized and clamped to the screen), the defaults recorded at start-up with
// the auxiliary windows in a cascade, and the SFR window's sections.

#include <array>
#include <functional>

#include <QPointer>
#include <QWidget>

#include "OknaPomocnicze.h"
#include "PozycjeOkien.h"

namespace kelbra {

class ZarzadcaOkien {
 public:
  // The SFR window's section heights (0 = collapsed) and their design
  // heights, through whatever the window offers.
  struct SekcjeSfr {
    std::function<std::array<int32_t, 4>()> Czytaj;
    std::function<void(const std::array<int32_t, 4>&)> Ustaw;
    std::array<int32_t, 4> Domyslne{};
  };

  // Windows by their record in the layout line; any auxiliary one may be
  // missing.
  void UstawOkna(const std::array<QWidget*, PozycjeOkien::LiczbaOkien>& okna, SekcjeSfr sekcje);

  PozycjeOkien ZbierzPozycjeOkien() const;
  // Applies the layout to every window (okno -1) or to one auxiliary window
  // by its record, which is then shown whatever its flag says. The main
  // window's own flag is never used.
  void UstawOkna(PozycjeOkien pozycje, int okno);
  // The defaults, with the main window at top 200, for all windows or one.
  PozycjeOkien PozycjeDomyslne(int okno) const;
  // At the first showing: the cascade 7,7 / 14,42 / 21,84 / 28,126 / 35,168
  // and every window's design size become the defaults.
  void ZapamietajDomyslnePozycje();
  const PozycjeOkien& Domyslne() const { return domyslne_; }

 private:
  QRect ObszarEkranu() const;
  QSize Ramka(const QWidget* w) const;
  // Resizes a window to the wanted size as far as the screen and the
  // window's limits allow; the size it took.
  static Rozmiar DopasujDoEkranu(QWidget* w, QSize chciany, QSize ramka, const QRect& obszar);
  // Applies the layout again once the main window's frame is known, asking
  // every 20 ms up to `proby` times.
  void PonowPoRamce(const PozycjeOkien& pozycje, int okno, int proby);

  std::array<QPointer<QWidget>, PozycjeOkien::LiczbaOkien> okna_{};
  SekcjeSfr sekcje_;
  PozycjeOkien domyslne_;
};

}  // namespace kelbra
