#include "WidokPrzebiegow.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kelbra {

namespace {

double Ogranicz(double naPiksel) {
  return std::clamp(naPiksel, WidokCzasu::NajmniejNaPiksel, WidokCzasu::NajwiecejNaPiksel);
}

std::string ZPrzecinkiem(std::string s) {
  std::replace(s.begin(), s.end(), '.', ',');
  return s;
}

std::string Liczba(double v, int miejsca) {
  char bufor[48];
  std::snprintf(bufor, sizeof bufor, "%.*f", miejsca, v);
  return ZPrzecinkiem(bufor);
}

// Four significant digits, no exponent.
std::string Znaczace(double v) {
  int miejsca = 0;
  for (double g = 1000; miejsca < 9 && v < g; g /= 10) ++miejsca;
  return Liczba(v, miejsca);
}

const char* Cykli(uint64_t n) {
  if (n == 1) return "cykl";
  const uint64_t j = n % 10;
  const uint64_t d = n % 100;
  return j >= 2 && j <= 4 && (d < 12 || d > 14) ? "cykle" : "cykli";
}

}  // namespace

void WidokCzasu::UstawSzerokosc(int szerokosc, uint64_t teraz) {
  szerokosc_ = std::max(szerokosc, 1);
  if (naZywo_) WlaczNaZywo(teraz);
}

void WidokCzasu::Powieksz(double czynnik, double x) {
  if (!(czynnik > 0)) return;
  const double t = Cykl(x);
  naPiksel_ = Ogranicz(naPiksel_ / czynnik);
  od_ = t - x * naPiksel_;
  naZywo_ = false;
}

void WidokCzasu::Przesun(double dx) {
  od_ -= dx * naPiksel_;
  naZywo_ = false;
}

void WidokCzasu::Calosc(uint64_t od, uint64_t do_) {
  const double rozpietosc = std::max<double>(static_cast<double>(do_ - std::min(od, do_)), 1);
  naPiksel_ = Ogranicz(rozpietosc / szerokosc_);
  od_ = static_cast<double>(od);
  naZywo_ = false;
}

void WidokCzasu::WlaczNaZywo(uint64_t teraz) {
  naPiksel_ = Ogranicz(OknoNaZywo / szerokosc_);
  naZywo_ = true;
  Sledz(teraz);
}

std::string TekstCzasu(double us, double krok, double najwieksza) {
  double jednostka = 1;
  const char* nazwa = " µs";
  if (najwieksza >= 1e6) {
    jednostka = 1e6;
    nazwa = " s";
  } else if (najwieksza >= 1e3) {
    jednostka = 1e3;
    nazwa = " ms";
  }
  int miejsca = 0;
  const double k = krok / jednostka;
  while (miejsca < 6 && std::abs(std::round(k * std::pow(10, miejsca)) - k * std::pow(10, miejsca)) > 1e-6) ++miejsca;
  return Liczba(us / jednostka, miejsca) + nazwa;
}

std::vector<Podzialka> Podzialki(const WidokCzasu& w, double odstep) {
  std::vector<Podzialka> wynik;
  const double najmniej = std::max(1.0, odstep * w.NaPiksel());
  double krok = 1;
  for (double potega = 1;; potega *= 10) {
    if (potega >= najmniej) { krok = potega; break; }
    if (2 * potega >= najmniej) { krok = 2 * potega; break; }
    if (5 * potega >= najmniej) { krok = 5 * potega; break; }
  }
  const double koniec = w.Cykl(w.Szerokosc());
  if (koniec < 0) return wynik;
  for (double t = std::max(0.0, std::ceil(w.Od() / krok) * krok); t <= koniec; t += krok) {
    wynik.push_back({w.X(t), TekstCzasu(t, krok, koniec)});
  }
  return wynik;
}

std::string NazwaWiersza(const WierszPrzebiegu& w) {
  static constexpr const char* Nazwy[LiczbaBajtowPrzebiegu] = {"P0", "P1", "P2", "P3", "FFB0", "FFE1", "FFE2"};
  if (w.rodzaj == WierszPrzebiegu::Rodzaj::Lcd) return "LCD";
  const int k = static_cast<int>(w.sygnal);
  if (w.rodzaj == WierszPrzebiegu::Rodzaj::Szyna) return Nazwy[k];
  // A key byte's bits are named after their keys.
  switch (w.sygnal) {
    case Sygnal::KlStatyczne: return "S" + std::to_string(w.bit + 1);
    case Sygnal::KlDynamiczne0: return "K" + std::to_string(w.bit);
    case Sygnal::KlDynamiczne1: return "K" + std::to_string(w.bit + 8);
    default: return std::string(Nazwy[k]) + "." + std::to_string(w.bit);
  }
}

bool RozwinieciaWierszy::Rozwiniety(Sygnal s, const ZapisPrzebiegow& z) const {
  const int8_t w = wybor_[static_cast<size_t>(s)];
  if (w >= 0) return w == 1;
  return s == Sygnal::P1 && z.Zmienial(s);
}

void RozwinieciaWierszy::Przelacz(Sygnal s, const ZapisPrzebiegow& z) {
  if (static_cast<int>(s) >= LiczbaBajtowPrzebiegu) return;
  wybor_[static_cast<size_t>(s)] = Rozwiniety(s, z) ? 0 : 1;
}

std::vector<WierszPrzebiegu> RozwinieciaWierszy::Wiersze(const ZapisPrzebiegow& z) const {
  std::vector<WierszPrzebiegu> w;
  for (int k = 0; k < LiczbaBajtowPrzebiegu; ++k) {
    const auto s = static_cast<Sygnal>(k);
    w.push_back({WierszPrzebiegu::Rodzaj::Szyna, s, 0});
    if (Rozwiniety(s, z)) {
      for (int bit = 0; bit < 8; ++bit) w.push_back({WierszPrzebiegu::Rodzaj::Pin, s, bit});
    }
  }
  w.push_back({WierszPrzebiegu::Rodzaj::Lcd, Sygnal::LcdRozkaz, 0});
  return w;
}

ObrazPrzebiegow ObliczObraz(const ZapisPrzebiegow& z, const WidokCzasu& w) {
  ObrazPrzebiegow o;
  const double szer = w.Szerokosc();
  auto kolumna = [&](double cykl) { return std::clamp(std::floor(w.X(cykl)), 0.0, szer); };
  o.odX = static_cast<int>(kolumna(static_cast<double>(z.Poczatek())));
  o.doX = static_cast<int>(std::min(szer, kolumna(static_cast<double>(z.Koniec())) + 1));
  if (w.X(static_cast<double>(z.Koniec())) < 0) o.doX = 0;
  if (o.doX <= o.odX) {
    o.doX = o.odX;
    return o;
  }
  for (auto& k : o.kolumny) k.assign(static_cast<size_t>(w.Szerokosc()), {});
  const double pierwszyCykl = std::max(0.0, std::ceil(w.Cykl(o.odX)));
  size_t i = z.PierwszaOd(static_cast<uint64_t>(pierwszyCykl));
  o.naPoczatku = z.BajtyPrzed(i);
  for (; i < z.Liczba(); ++i) {
    const ZmianaPrzebiegu& zm = z[i];
    const int x = static_cast<int>(std::floor(w.X(static_cast<double>(zm.Cykl))));
    if (x >= o.doX) break;
    if (x < o.odX) continue;
    if (!zm.Bajt()) {
      if (o.lcd.empty() || o.lcd.back().x != x) o.lcd.push_back({x, zm.Rodzaj == Sygnal::LcdDane, zm.Wartosc});
      continue;
    }
    KolumnaPrzebiegu& k = o.kolumny[static_cast<size_t>(zm.Rodzaj)][static_cast<size_t>(x)];
    const auto roznica = static_cast<uint8_t>(zm.Wartosc ^ zm.Poprzednia);
    k.wiele |= k.zmiany & roznica;
    k.zmiany |= roznica;
    k.po = zm.Wartosc;
    ++k.liczba;
  }
  return o;
}

std::string EtykietaLcd(bool dane, uint8_t wartosc) {
  char bufor[16];
  if (dane && wartosc >= 0x20 && wartosc < 0x7F) {
    std::snprintf(bufor, sizeof bufor, "D '%c'", static_cast<char>(wartosc));
  } else {
    std::snprintf(bufor, sizeof bufor, "%c %02X", dane ? 'D' : 'I', wartosc);
  }
  return bufor;
}

std::string TekstRoznicy(uint64_t a, uint64_t b) {
  const uint64_t d = a > b ? a - b : b - a;
  std::string s = "Δt = " + std::to_string(d) + " µs = " + std::to_string(d) + " " + Cykli(d);
  if (d > 0) s += ", 1/Δt = " + Znaczace(1e6 / static_cast<double>(d)) + " Hz";
  return s;
}

std::string TekstOkresu(const OkresPinu& o) {
  return "okres " + std::to_string(o.Okres) + " µs (" + Znaczace(1e6 / static_cast<double>(o.Okres)) +
         " Hz), wypełnienie " + Liczba(100.0 * static_cast<double>(o.Wysoki) / static_cast<double>(o.Okres), 1) +
         " %";
}

}  // namespace kelbra
