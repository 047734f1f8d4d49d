#include "PozycjeOkien.h"

#include <algorithm>

#include "PlikZrodlowy.h"

namespace kelbra {

namespace {

constexpr size_t DlugoscDanych = 60;
constexpr size_t BajtyOkna = 9;
constexpr size_t PozycjaSekcji = 54;  // payload offsets from 0
constexpr size_t PozycjaWolnej = 58;

void ZapiszWartosc(std::string& dane, size_t gdzie, int32_t v) {
  v = std::clamp<int32_t>(v, 0, NajwiekszaWspolrzedna);
  dane[gdzie] = static_cast<char>(v / 100 + 100);
  dane[gdzie + 1] = static_cast<char>(v % 100 + 100);
}

int32_t CzytajWartosc(std::string_view dane, size_t gdzie) {
  const int32_t c1 = static_cast<unsigned char>(dane[gdzie]);
  const int32_t c2 = static_cast<unsigned char>(dane[gdzie + 1]);
  return (c1 - 100) * 100 + (c2 - 100);
}

}  // namespace

std::string LiniaPozycjiOkien(const PozycjeOkien& pozycje, bool wolnaFlaga) {
  std::string dane(DlugoscDanych, ' ');
  for (size_t w = 0; w < PozycjeOkien::LiczbaOkien; ++w) {
    const PozycjaOkna& o = pozycje.Okna[w];
    const size_t p = BajtyOkna * w;
    ZapiszWartosc(dane, p, o.Left);
    ZapiszWartosc(dane, p + 2, o.Top);
    ZapiszWartosc(dane, p + 4, o.Width);
    ZapiszWartosc(dane, p + 6, o.Height);
    dane[p + 8] = o.Visible ? 't' : 'f';
  }
  for (size_t k = 0; k < PozycjeOkien::LiczbaSekcji; ++k) dane[PozycjaSekcji + k] = pozycje.Sekcje[k] != 0 ? 't' : 'f';
  dane[PozycjaWolnej] = wolnaFlaga ? 't' : 'f';
  return std::string(NaglowekPozycjiOkien) + dane;
}

bool CzytajLiniePozycjiOkien(std::string_view linia, const PozycjeOkien& domyslne, PozycjeOkien& wynik) {
  if (linia.substr(0, NaglowekPozycjiOkien.size()) != NaglowekPozycjiOkien) return false;
  const std::string_view dane = linia.substr(NaglowekPozycjiOkien.size());
  wynik = domyslne;
  for (size_t w = 0; w < PozycjeOkien::LiczbaOkien; ++w) {
    const size_t p = BajtyOkna * w;
    if (dane.size() < p + BajtyOkna) break;
    PozycjaOkna& o = wynik.Okna[w];
    o.Left = CzytajWartosc(dane, p);
    o.Top = CzytajWartosc(dane, p + 2);
    const int32_t szer = CzytajWartosc(dane, p + 4);
    const int32_t wys = CzytajWartosc(dane, p + 6);
    // A window of no width or height could never be seen or grabbed again.
    if (szer > 0 && wys > 0) {
      o.Width = szer;
      o.Height = wys;
    }
    o.Visible = dane[p + 8] == 't';
  }
  for (size_t k = 0; k < PozycjeOkien::LiczbaSekcji; ++k) {
    const bool otwarta = dane.size() > PozycjaSekcji + k && dane[PozycjaSekcji + k] == 't';
    wynik.Sekcje[k] = otwarta ? domyslne.Sekcje[k] : 0;
  }
  return true;
}

Rozmiar RozmiarNaEkranie(Rozmiar chciany, Rozmiar najmniejszy, Rozmiar ramka, Rozmiar ekran) {
  const auto wymiar = [](int32_t c, int32_t min, int32_t r, int32_t e) { return std::max(std::min(c, e - r), min); };
  return {wymiar(chciany.Szerokosc, najmniejszy.Szerokosc, ramka.Szerokosc, ekran.Szerokosc),
          wymiar(chciany.Wysokosc, najmniejszy.Wysokosc, ramka.Wysokosc, ekran.Wysokosc)};
}

void OgraniczDoEkranu(PozycjaOkna& okno, int32_t szerokoscEkranu, int32_t wysokoscEkranu) {
  if (okno.Left + okno.Width > szerokoscEkranu) okno.Left = szerokoscEkranu - okno.Width;
  if (okno.Top + okno.Height > wysokoscEkranu) okno.Top = wysokoscEkranu - okno.Height;
  okno.Left = std::max(okno.Left, 0);
  okno.Top = std::max(okno.Top, 0);
}

}  // namespace kelbra
