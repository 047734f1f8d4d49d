#include "LcdObraz.h"

namespace kelbra {

namespace {
constexpr int RozstawPikseli = 4;
constexpr int BokPiksela = 3;
constexpr int RozstawKolumn = 22;

// Cells past the display memory read as blank, so a hand-made state with
// wild offsets still draws safely.
uint8_t ZnakWKomorce(const Lcd& lcd, int komorka) {
  return komorka >= 0 && komorka < Lcd::LiczbaKomorek ? lcd.PamiecDDRAM[komorka] : Lcd::ZnakPusty;
}

int WidoczneWiersze(const Lcd& lcd) {
  return lcd.WysokoscZnaku <= 10 ? lcd.WysokoscZnaku : 10;
}

void DodajZnak(const Lcd& lcd, const GeometriaLcd& g, int pozycja, std::vector<Prostokat>& wynik) {
  if (!lcd.Flagi.WyswietlaczWlaczony || pozycja < 0 || pozycja > 31) {
    return;
  }
  const int linia = pozycja / 16;
  if (linia >= lcd.LiczbaLinii) {
    return;
  }
  const int kolumna = pozycja % 16;
  const WierszeZnaku& wzor = lcd.WzorZnakow[ZnakWKomorce(lcd, lcd.KomorkaWidoczna(pozycja))];
  const bool odwrocony =
      pozycja == lcd.PozycjaKursora && lcd.Flagi.KursorWlaczony && lcd.FazaMigania;
  const int x0 = LcdXKolumny(g, kolumna);
  for (int wiersz = 0; wiersz < WidoczneWiersze(lcd); ++wiersz) {
    const int y = LcdYWiersza(lcd, g, linia, wiersz);
    for (int piksel = 0; piksel < 5; ++piksel) {
      const bool zapalony = ((wzor[wiersz] >> (4 - piksel)) & 1) != odwrocony;
      wynik.push_back({x0 + RozstawPikseli * piksel, y, BokPiksela, BokPiksela,
                       zapalony ? KolorPikselaLcd : KolorTlaPikselaLcd});
    }
  }
}
}  // namespace

int LcdXKolumny(const GeometriaLcd& g, int kolumna) {
  return g.SzerokoscKlStatycznych + 14 + RozstawKolumn * kolumna;
}

int LcdYWiersza(const Lcd& lcd, const GeometriaLcd& g, int linia, int wiersz) {
  // Two lines of 10-row glyphs need the area's full height, so they start higher.
  const bool wysokie = lcd.LiczbaLinii == 2 && lcd.WysokoscZnaku == 10;
  const int gora = g.WysokoscDiod + (wysokie ? 2 : 9);
  return gora + linia * (RozstawPikseli * lcd.WysokoscZnaku + 2) + RozstawPikseli * wiersz;
}

std::vector<Prostokat> LcdCzyscObszar(const GeometriaLcd& g) {
  return {{g.SzerokoscKlStatycznych, g.WysokoscDiod, g.SzerokoscDiod,
           g.GoraKlDynamicznych - g.WysokoscDiod, g.KolorTla}};
}

std::vector<Prostokat> LcdRysujZnak(const Lcd& lcd, const GeometriaLcd& g, int pozycja) {
  std::vector<Prostokat> wynik;
  DodajZnak(lcd, g, pozycja, wynik);
  return wynik;
}

std::vector<Prostokat> LcdRysujWszystko(const Lcd& lcd, const GeometriaLcd& g) {
  std::vector<Prostokat> wynik;
  wynik.reserve(32 * 5 * 10);
  for (int pozycja = 0; pozycja < 32; ++pozycja) {
    DodajZnak(lcd, g, pozycja, wynik);
  }
  return wynik;
}

std::vector<Prostokat> LcdObraz(const Lcd& lcd, const GeometriaLcd& g) {
  std::vector<Prostokat> wynik = LcdCzyscObszar(g);
  const std::vector<Prostokat> znaki = LcdRysujWszystko(lcd, g);
  wynik.insert(wynik.end(), znaki.begin(), znaki.end());
  return wynik;
}

}  // namespace kelbra
