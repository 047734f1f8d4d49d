#pragma once
// Where everything sits in the board window, in client coordinates. The
// only inputs are the sizes of the texts, which depend on the font; the
// window paints these rectangles and hit-tests the keys against the same
// ones.

#include <array>

#include "LcdObraz.h"

namespace kelbra {

struct Obszar {
  int x = 0;
  int y = 0;
  int szerokosc = 0;
  int wysokosc = 0;

  int prawa() const { return x + szerokosc; }
  int dol() const { return y + wysokosc; }
  bool Zawiera(int px, int py) const { return px >= x && px < prawa() && py >= y && py < dol(); }
  friend bool operator==(const Obszar&, const Obszar&) = default;
};

// Text sizes in the window's font.
struct MiaryTekstow {
  std::array<int, 4> SzerokoscPodpisu{};  // "P0" ... "P3"
  int WysokoscPodpisu = 0;
  int SzerokoscLabel11 = 0;  // "Klawiatura PC"
  int WysokoscLabel11 = 0;
};

struct UkladKelbry {
  static constexpr int WysokoscKlienta = 257;
  static constexpr int SzerokoscKlStatycznych = 57;
  static constexpr int BokKlawisza = 25;

  int SzerokoscKlienta = 0;
  Obszar PanelKlStatyczne;
  std::array<Obszar, 8> KlStatyczne;  // PanelS1 ... PanelS8
  std::array<Obszar, 8> Wskazniki;    // indicator squares beside them
  Obszar PanelDiody;
  std::array<Obszar, 4> Podpisy;  // row captions "P0" ... "P3"
  // By port (0 = P0 ... 3 = P3) and position (0 = bit 7, leftmost).
  std::array<std::array<Obszar, 8>, 4> Diody;
  Obszar BevelLCD;
  Obszar PanelKlDynamiczne;
  Obszar PanelKlDynamiczneBis;
  std::array<Obszar, 16> KlDynamiczne;  // by key number, K0 ... K15
  Obszar PanelKlawiaturaKomputera;
  Obszar Image1;
  Obszar Label11;
  Obszar EditKlawiatura;

  // The LCD's placement and the area LcdCzyscObszar clears.
  GeometriaLcd Lcd(Rgb tlo) const;
  // The visible LCD cell 0-31 (line 2 from 16) as the rectangle its glyph
  // can cover, ten rows high whatever the glyph height.
  Obszar KomorkaLcd(const kelbra::Lcd& lcd, int pozycja) const;
};

UkladKelbry UlozKelbre(const MiaryTekstow& miary);

// The key under a point of the window, if any.
struct KlawiszPlytki {
  enum Rodzaj { Brak, Statyczny, Dynamiczny };
  Rodzaj rodzaj = Brak;
  int numer = -1;  // S1 = 0 ... S8 = 7, K0 = 0 ... K15 = 15
  friend bool operator==(const KlawiszPlytki&, const KlawiszPlytki&) = default;
};
KlawiszPlytki KlawiszWPunkcie(const UkladKelbry& u, int x, int y);
const Obszar& ObszarKlawisza(const UkladKelbry& u, KlawiszPlytki k);

}  // namespace kelbra
