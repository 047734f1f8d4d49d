#pragma once
// The memory window's rules: the four spaces and their limits, cell reads
// and writes, the geometry of the two grids, the value typed into a cell
// with its preview, and bytes as characters.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "WidokJadra.h"

namespace kelbra {

class Asembler;
struct Jadro;

enum class RodzajPamieci : uint8_t { DATA = 0, IDATA = 1, XDATA = 2, CODE = 3 };

struct OpisPamieci {
  const char* element;  // the menu item
  const char* podpis;   // the caption text after "Pamieć "
  int32_t adresMaksymalny;
  int kolumny;  // bytes per row set on choosing the space
};

// By RodzajPamieci.
inline constexpr std::array<OpisPamieci, 4> Pamieci{{
    {"DATA1", "DATA...", 127, 8},
    {"IDATA1", "IDATA...", 255, 8},
    {"XDATA1", "XDATA...", 65535, 16},
    {"CODE1", "CODE...", 65535, 16},
}};
// The "Rodzaj Pamieci" menu, top to bottom.
inline constexpr std::array<RodzajPamieci, 4> KolejnoscPamieci{RodzajPamieci::DATA, RodzajPamieci::IDATA,
                                                               RodzajPamieci::CODE, RodzajPamieci::XDATA};
inline constexpr std::array<int, 4> WyboryKolumn{4, 8, 16, 32};

inline const OpisPamieci& Opis(RodzajPamieci r) { return Pamieci[static_cast<size_t>(r)]; }

// A byte of a space; 0 outside its range.
uint8_t CzytajKomorke(const Jadro& j, RodzajPamieci rodzaj, int32_t adres);
// Stores the value's low byte; false, with nothing written, outside the
// space's range. IDATA 80h-FFh is the upper indirect RAM, never the SFRs.
bool ZapiszKomorke(Jadro& j, RodzajPamieci rodzaj, int32_t adres, int32_t wartosc);

// Row and column pitches of the grids, grid lines included.
inline constexpr int WysokoscWiersza = 17;
inline constexpr int SzerokoscKolumny = 23;
inline constexpr int SzerokoscZnaku = 13;

struct UkladPamieci {
  int32_t adresMaksymalny = 255;
  int kolumny = 8;

  // Four-digit row addresses and a wider header column for the 64 KiB spaces.
  bool SzerokieAdresy() const { return adresMaksymalny >= 4097; }
  int SzerokoscNaglowka() const { return SzerokieAdresy() ? 33 : 22; }
  int SzerokoscWartosci() const { return SzerokoscNaglowka() + SzerokoscKolumny * kolumny + 1; }
  int SzerokoscZnakow() const { return SzerokoscZnaku * kolumny; }
  // Grid rows, the header row included.
  int LiczbaWierszy() const { return (adresMaksymalny + 1) / kolumny + 1; }
  // The first address of a row (from 1) in hexadecimal.
  std::string AdresWiersza(int wiersz) const;
  int32_t Adres(int wiersz, int kolumna) const { return (wiersz - 1) * kolumny + kolumna; }
  // The value grid's columns: 0 is the row header, 1 to kolumny the bytes.
  int LewaKrawedz(int kolumna) const {
    return kolumna == 0 ? 0 : SzerokoscNaglowka() + 1 + SzerokoscKolumny * (kolumna - 1);
  }
  int KolumnaWartosci(int x) const {
    if (x <= SzerokoscNaglowka()) return 0;
    const int k = 1 + (x - SzerokoscNaglowka() - 1) / SzerokoscKolumny;
    return k > kolumny ? kolumny : k;
  }

  // Whole rows, the header included, for a requested height; never fewer
  // than two, never more than the grid has. `ramka` is what the window
  // needs besides the rows.
  int WierszeDlaWysokosci(int wysokosc, int ramka) const;
  // The scroll bar's maximum (its minimum is 1) with n rows shown.
  int MaksimumSuwaka(int n) const { return LiczbaWierszy() - n > 0 ? LiczbaWierszy() - n + 1 : 1; }
};

// A byte as the character grid shows it: bytes without a printable
// character (below 20h, 7Fh and the undefined ones) as a blank.
char32_t ZnakBajtu(uint8_t bajt);
// The byte a typed character stores, if it is printable and in Windows-1250.
std::optional<uint8_t> BajtZnaku(char32_t znak);

class EdycjaPamieci : public WidokJadra {
 public:
  EdycjaPamieci() = default;
  EdycjaPamieci(Jadro& jadro, Asembler& asembler) { Podlacz(jadro, asembler); }

  RodzajPamieci Rodzaj = RodzajPamieci::IDATA;
  int LiczbaKolumn = 8;
  bool TrybDziesietny = false;
  // The cell being typed into, -1 for none.
  int32_t AdresEdytowany = -1;

  std::string StaraWartosc;
  std::string NowaWartosc;
  // The value typed, 300 for a text that does not evaluate.
  int32_t TagNowej = 0;

  int32_t AdresMaksymalny() const { return Opis(Rodzaj).adresMaksymalny; }
  UkladPamieci Uklad() const { return {AdresMaksymalny(), LiczbaKolumn}; }
  uint8_t Czytaj(int32_t adres) const { return j_ ? CzytajKomorke(*j_, Rodzaj, adres) : 0; }
  bool ZapiszKomorke(int32_t adres, int32_t wartosc) {
    return j_ && kelbra::ZapiszKomorke(*j_, Rodzaj, adres, wartosc);
  }

  // The value grid's editor opens on a cell: the byte in it now is what
  // "Bylo:" shows and Esc restores.
  void OtworzEdytor(int32_t adres);
  // A key typed into the editor (not Enter or Esc).
  void Klawisz() { AdresEdytowany = adresKomorki_; }
  // The editor's text changed: store what it reads as at once.
  void ZmianaTekstu(std::string_view tekst);
  // Esc: the byte from the editor's opening goes back, if anything was typed.
  void Anuluj();
  // Enter, or anything else that ends the edit.
  void Zakoncz() { AdresEdytowany = -1; }
  // Whether "!!! ZAKRES !!!" should blink.
  bool PozaZakresem() const { return TagNowej >= 256 && AdresEdytowany >= 0; }

  // The character grid: a selected cell shows its character in both labels.
  void PokazZnak(int32_t adres);
  // A character typed at an address; false when it stores nothing.
  bool WpiszZnak(int32_t adres, char32_t znak);

 private:
  int32_t adresKomorki_ = -1;
  uint8_t staryBajt_ = 0;
};

}  // namespace kelbra
