#pragma once
// The timing window's arithmetic without Qt: which rows it shows, where a
// time falls on the screen at the current zoom and pan, the axis labels,
// the texts of the cursors and the pin under the mouse, and the picture
// reduced to one summary per pixel column, so that a paint costs one pass
// over the changes in view however many there are.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "ZapisPrzebiegow.h"

namespace kelbra {

class WidokCzasu {
 public:
  // Following the present shows its last 20 ms.
  static constexpr double OknoNaZywo = 20'000;
  static constexpr double NajmniejNaPiksel = 1.0 / 64;
  static constexpr double NajwiecejNaPiksel = 1e9;

  double Od() const { return od_; }            // cycle at x = 0
  double NaPiksel() const { return naPiksel_; }
  int Szerokosc() const { return szerokosc_; }
  bool NaZywo() const { return naZywo_; }

  double X(double cykl) const { return (cykl - od_) / naPiksel_; }
  double Cykl(double x) const { return od_ + x * naPiksel_; }

  void UstawSzerokosc(int szerokosc, uint64_t teraz);
  // Zoom by `czynnik` (over 1 nearer) keeping the time under x in place;
  // like a pan it stops following the present.
  void Powieksz(double czynnik, double x);
  // Moves the picture right by dx pixels.
  void Przesun(double dx);
  // Holds the picture where it is (a cursor was placed on it).
  void Zatrzymaj() { naZywo_ = false; }
  // The whole capture, from its beginning to the present.
  void Calosc(uint64_t od, uint64_t do_);
  // Back to following: the last 20 ms up to the present.
  void WlaczNaZywo(uint64_t teraz);
  // While following, the right edge moves to the present.
  void Sledz(uint64_t teraz) {
    if (naZywo_) od_ = static_cast<double>(teraz) - szerokosc_ * naPiksel_;
  }

 private:
  double od_ = -OknoNaZywo;
  double naPiksel_ = 50;
  int szerokosc_ = 400;
  bool naZywo_ = true;
};

struct Podzialka {
  double x;
  std::string tekst;
};
// Axis marks at a round step (1, 2 or 5 times a power of ten cycles) at
// least `odstep` pixels apart, labelled in us, ms or s.
std::vector<Podzialka> Podzialki(const WidokCzasu& w, double odstep);
// A time in us written in the unit of `najwieksza` with enough decimals for
// `krok` (both in us), with a decimal comma: "1,5 ms".
std::string TekstCzasu(double us, double krok, double najwieksza);

// One row of the window: a byte as a bus, one of its bits, or the LCD.
struct WierszPrzebiegu {
  enum class Rodzaj : uint8_t { Szyna, Pin, Lcd };
  Rodzaj rodzaj = Rodzaj::Szyna;
  Sygnal sygnal = Sygnal::P0;
  int bit = 0;
};
std::string NazwaWiersza(const WierszPrzebiegu& w);

// Which byte rows show their bits: P1 unfolds once it changes, the others
// stay folded, until the user clicks a row's name.
class RozwinieciaWierszy {
 public:
  bool Rozwiniety(Sygnal s, const ZapisPrzebiegow& z) const;
  void Przelacz(Sygnal s, const ZapisPrzebiegow& z);
  std::vector<WierszPrzebiegu> Wiersze(const ZapisPrzebiegow& z) const;

 private:
  std::array<int8_t, LiczbaBajtowPrzebiegu> wybor_{-1, -1, -1, -1, -1, -1, -1};  // -1 as by default
};

// A byte row's changes that fall into one pixel column.
struct KolumnaPrzebiegu {
  uint8_t zmiany = 0;  // bits that changed in it
  uint8_t wiele = 0;   // bits that changed more than once
  uint8_t po = 0;      // the value after its last change
  uint32_t liczba = 0; // changes
};
struct ZnakLcd {
  int x;
  bool dane;
  uint8_t wartosc;
};
struct ObrazPrzebiegow {
  int odX = 0;  // the captured stretch, clipped to the view: [odX, doX)
  int doX = 0;
  BajtyPrzebiegu naPoczatku{};  // at odX
  std::array<std::vector<KolumnaPrzebiegu>, LiczbaBajtowPrzebiegu> kolumny;
  std::vector<ZnakLcd> lcd;  // the first write in each column
};
ObrazPrzebiegow ObliczObraz(const ZapisPrzebiegow& z, const WidokCzasu& w);

// "I 38", "D 'H'", or "D 8F" for a byte that is no printable character.
std::string EtykietaLcd(bool dane, uint8_t wartosc);
// "Δt = 130000 µs = 130000 cykli, 1/Δt = 7,692 Hz".
std::string TekstRoznicy(uint64_t a, uint64_t b);
// "okres 1000 µs (1000 Hz), wypełnienie 25,0 %".
std::string TekstOkresu(const OkresPinu& o);

}  // namespace kelbra
