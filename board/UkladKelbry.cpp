#include "UkladKelbry.h"

#include <algorithm>

namespace kelbra {

namespace {
constexpr int LewaKlStatycznych = 21;
constexpr int PierwszaGoraKlStatycznych = 8;
constexpr int OdstepKlStatycznych = 30;

constexpr int LewaPodpisow = 8;  // "P0" and "P1" inside PanelDiody
constexpr int GoraWierszaP0 = 8;
constexpr int GoraWierszaP1 = 24;
constexpr int SzerokoscDiody = 15;
constexpr int WysokoscDiody = 10;
constexpr int RozstawDiod = 20;

constexpr int SzerokoscKlDynamicznych = 185;
constexpr int WysokoscKlDynamicznych = 123;
constexpr int SzerokoscBis = 110;
constexpr int WysokoscBis = 114;
constexpr std::array<int, 4> LewePrzyciskow{1, 29, 57, 85};
constexpr std::array<int, 4> GorneRzedow{2, 29, 60, 87};

constexpr int SzerokoscEdit = 121;
constexpr int WysokoscEdit = 21;
constexpr int SzerokoscObrazka = 84;
constexpr int WysokoscObrazka = 40;

// Right edge of the last LCD glyph, from the left of PanelDiody.
constexpr int PrawaLcd = 14 + 22 * 15 + 4 * 4 + 3;

// Captions and the eight LEDs after each, left to right; returns the right
// edge of the last LED.
int WierszDiod(UkladKelbry& u, int port, int lewaPodpisu, int gora, const MiaryTekstow& m) {
  const int szerokosc = std::max(m.SzerokoscPodpisu[port], 0);
  u.Podpisy[port] = {lewaPodpisu, gora, szerokosc, std::max(m.WysokoscPodpisu, 0)};
  const int pierwsza = lewaPodpisu + szerokosc + 5;
  for (int pozycja = 0; pozycja < 8; ++pozycja) {
    u.Diody[port][pozycja] = {pierwsza + RozstawDiod * pozycja, gora, SzerokoscDiody, WysokoscDiody};
  }
  return u.Diody[port][7].prawa();
}

int Wysrodkuj(const Obszar& w, int szerokosc) { return w.x + (w.szerokosc - szerokosc) / 2; }
}  // namespace

UkladKelbry UlozKelbre(const MiaryTekstow& m) {
  UkladKelbry u;
  const int w = UkladKelbry::SzerokoscKlStatycznych;
  const int h = UkladKelbry::WysokoscKlienta;
  const int bok = UkladKelbry::BokKlawisza;

  u.PanelKlStatyczne = {0, 0, w, h};
  for (int n = 0; n < 8; ++n) {
    const int gora = PierwszaGoraKlStatycznych + OdstepKlStatycznych * n;
    u.KlStatyczne[n] = {LewaKlStatycznych, gora, bok, bok};
    u.Wskazniki[n] = {LewaKlStatycznych - 15, gora + 5, 10, 15};
  }

  // P0 and P2 share the first line, P1 and P3 the second.
  const int prawaP0 = WierszDiod(u, 0, w + LewaPodpisow, GoraWierszaP0, m);
  const int prawaP1 = WierszDiod(u, 1, w + LewaPodpisow, GoraWierszaP1, m);
  WierszDiod(u, 2, prawaP0 + 7, GoraWierszaP0, m);
  const int prawaP3 = WierszDiod(u, 3, prawaP1 + 7, GoraWierszaP1, m);
  // Narrow captions must not squeeze the LCD: its 16 columns keep the same
  // margin on the right as on the left.
  const int szerokoscDiod = std::max(prawaP3 + 15 - w, PrawaLcd + 14);
  u.PanelDiody = {w, 0, szerokoscDiod, u.Diody[3][7].dol() + 9};

  u.PanelKlDynamiczne = {w, h - WysokoscKlDynamicznych, SzerokoscKlDynamicznych, WysokoscKlDynamicznych};
  const Obszar& d = u.PanelKlDynamiczne;
  u.PanelKlDynamiczneBis = {Wysrodkuj(d, SzerokoscBis), d.y + (d.wysokosc - WysokoscBis) / 2, SzerokoscBis,
                            WysokoscBis};
  // Each row holds four keys, the highest number on the left.
  for (int n = 0; n < 16; ++n) {
    u.KlDynamiczne[n] = {u.PanelKlDynamiczneBis.x + LewePrzyciskow[3 - n % 4],
                         u.PanelKlDynamiczneBis.y + GorneRzedow[n / 4], bok, bok};
  }

  u.PanelKlawiaturaKomputera = {d.prawa(), d.y, szerokoscDiod - d.szerokosc, d.wysokosc};
  const Obszar& k = u.PanelKlawiaturaKomputera;
  u.Image1 = {Wysrodkuj(k, SzerokoscObrazka), k.y + 12, SzerokoscObrazka, WysokoscObrazka};
  u.EditKlawiatura = {Wysrodkuj(k, SzerokoscEdit), k.y + 86, SzerokoscEdit, WysokoscEdit};
  const int wysokoscLabel = std::max(m.WysokoscLabel11, 0);
  const int szerokoscLabel = std::max(m.SzerokoscLabel11, 0);
  u.Label11 = {u.EditKlawiatura.prawa() - szerokoscLabel, u.EditKlawiatura.y - 3 - wysokoscLabel, szerokoscLabel,
               wysokoscLabel};

  u.SzerokoscKlienta = w + szerokoscDiod;
  u.BevelLCD = {w, u.PanelDiody.dol(), szerokoscDiod, d.y - u.PanelDiody.wysokosc};
  return u;
}

GeometriaLcd UkladKelbry::Lcd(Rgb tlo) const {
  return {PanelKlStatyczne.szerokosc, PanelDiody.wysokosc, PanelDiody.szerokosc, PanelKlDynamiczne.y, tlo};
}

Obszar UkladKelbry::KomorkaLcd(const kelbra::Lcd& lcd, int pozycja) const {
  const GeometriaLcd g = Lcd({});
  const int wiersze = std::clamp<int>(lcd.WysokoscZnaku, 0, 10);
  return {LcdXKolumny(g, pozycja % 16), LcdYWiersza(lcd, g, pozycja / 16, 0), 4 * 4 + 3,
          wiersze > 0 ? 4 * wiersze - 1 : 0};
}

KlawiszPlytki KlawiszWPunkcie(const UkladKelbry& u, int x, int y) {
  for (int n = 0; n < 8; ++n) {
    if (u.KlStatyczne[n].Zawiera(x, y)) return {KlawiszPlytki::Statyczny, n};
  }
  for (int n = 0; n < 16; ++n) {
    if (u.KlDynamiczne[n].Zawiera(x, y)) return {KlawiszPlytki::Dynamiczny, n};
  }
  return {};
}

const Obszar& ObszarKlawisza(const UkladKelbry& u, KlawiszPlytki k) {
  static const Obszar zaden;
  switch (k.rodzaj) {
    case KlawiszPlytki::Statyczny:
      return k.numer >= 0 && k.numer < 8 ? u.KlStatyczne[k.numer] : zaden;
    case KlawiszPlytki::Dynamiczny:
      return k.numer >= 0 && k.numer < 16 ? u.KlDynamiczne[k.numer] : zaden;
    case KlawiszPlytki::Brak:
      break;
  }
  return zaden;
}

}  // namespace kelbra
