#include "Oczekiwania.h"

#include <algorithm>

#include "Liczby.h"
#include "LiczbyOpcji.h"
#include "NazwyPredefiniowane.h"

namespace kelbra::wsad {

namespace {

std::string Wielkie(std::string_view s) {
  std::string w(s);
  for (char& c : w)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return w;
}

std::string_view BezKoncowychSpacji(std::string_view s) {
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

struct Pamiec {
  std::string_view przedrostek;  // upper case, with the colon
  Oczekiwanie::Rodzaj rodzaj;
  uint16_t maksAdres;
  int cyfryAdresu;
};
constexpr Pamiec Pamieci[] = {
    {"DATA:", Oczekiwanie::Rodzaj::Data, 0xFF, 2},
    {"IDATA:", Oczekiwanie::Rodzaj::Idata, 0xFF, 2},
    {"XDATA:", Oczekiwanie::Rodzaj::Xdata, 0xFFFF, 4},
};

std::string CzytajTekstLcd(std::string_view tekst, Oczekiwanie& o) {
  for (char c : tekst)
    if (c < 0x20 || c > 0x7E) return "tekst LCD moze miec tylko znaki 20h-7Eh";
  tekst = BezKoncowychSpacji(tekst);
  if (tekst.size() > 16) return "tekst LCD dluzszy niz 16 znakow";
  o.tekst = tekst;
  return {};
}

// The left side of "=": what is checked, with its address.
std::string CzytajNazwe(std::string_view lewa, Oczekiwanie& o) {
  const std::string w = Wielkie(lewa);
  if (w == "LCD1" || w == "LCD2") {
    o.rodzaj = Oczekiwanie::Rodzaj::LiniaLcd;
    o.adres = w == "LCD1" ? 0 : 1;
    o.nazwa = w;
    return {};
  }
  if (w == "PC") {
    o.rodzaj = Oczekiwanie::Rodzaj::PC;
    o.nazwa = w;
    return {};
  }
  for (const Pamiec& p : Pamieci) {
    if (w.rfind(p.przedrostek, 0) != 0) continue;
    const auto adres = LiczbaSzesnastkowa(std::string_view(w).substr(p.przedrostek.size()), p.maksAdres);
    if (!adres) return "niepoprawny adres w " + std::string(lewa);
    o.rodzaj = p.rodzaj;
    o.adres = static_cast<uint16_t>(*adres);
    o.nazwa = std::string(p.przedrostek) + Szesnastkowo(o.adres, p.cyfryAdresu);
    return {};
  }
  if (const auto sfr = BajtPredefiniowany(lewa)) {
    o.rodzaj = Oczekiwanie::Rodzaj::Sfr;
    o.adres = *sfr;
    o.nazwa = w;
    return {};
  }
  return "nieznana nazwa " + std::string(lewa) + " (LCD1, LCD2, PC, nazwa SFR, DATA:, IDATA:, XDATA:)";
}

bool ZnakPusty(const Lcd& lcd, uint8_t kod) {
  const WierszeZnaku& wzor = lcd.WzorZnakow[kod];
  const int wiersze = std::clamp<int>(lcd.WysokoscZnaku, 0, 10);
  return std::all_of(wzor.begin(), wzor.begin() + wiersze, [](uint8_t w) { return w == 0; });
}

}  // namespace

std::string CzytajOczekiwanie(std::string_view zapis, Oczekiwanie& o) {
  o = {};
  const size_t rowna = zapis.find('=');
  if (rowna == std::string_view::npos) return "--expect " + std::string(zapis) + ": brak =";
  const std::string_view lewa = zapis.substr(0, rowna);
  const std::string_view prawa = zapis.substr(rowna + 1);
  std::string blad = CzytajNazwe(lewa, o);
  if (blad.empty() && o.rodzaj == Oczekiwanie::Rodzaj::LiniaLcd) {
    blad = CzytajTekstLcd(prawa, o);
  } else if (blad.empty()) {
    const bool pc = o.rodzaj == Oczekiwanie::Rodzaj::PC;
    const auto v = LiczbaSzesnastkowa(prawa, pc ? 0xFFFF : 0xFF);
    if (v) o.wartosc = static_cast<uint16_t>(*v);
    else blad = "niepoprawna wartosc " + std::string(prawa) + (pc ? " (0000-FFFF)" : " (00-FF)");
  }
  return blad.empty() ? blad : "--expect " + std::string(zapis) + ": " + blad;
}

std::string TekstLiniiLcd(const Lcd& lcd, int linia) {
  if (!lcd.Flagi.WyswietlaczWlaczony || linia >= lcd.LiczbaLinii) return {};
  std::string tekst;
  for (uint8_t z : lcd.ZnakiLinii(linia)) {
    if (ZnakPusty(lcd, z)) tekst.push_back(' ');
    else tekst.push_back(z > 0x20 && z <= 0x7E ? static_cast<char>(z) : '.');
  }
  return std::string(BezKoncowychSpacji(tekst));
}

std::optional<std::string> SprawdzOczekiwanie(const Oczekiwanie& o, const Jadro& j, const Lcd& lcd) {
  using R = Oczekiwanie::Rodzaj;
  if (o.rodzaj == R::LiniaLcd) {
    const std::string jest = TekstLiniiLcd(lcd, o.adres);
    if (jest == o.tekst) return std::nullopt;
    std::string powod;
    if (!lcd.Flagi.WyswietlaczWlaczony) powod = " (wyswietlacz wylaczony)";
    else if (o.adres >= lcd.LiczbaLinii) powod = " (linia nie jest wyswietlana)";
    return "Oczekiwano " + o.nazwa + "=\"" + o.tekst + "\", jest \"" + jest + "\"" + powod;
  }
  int32_t jest = 0;
  switch (o.rodzaj) {
    case R::PC: jest = j.PC; break;
    case R::Sfr:
    case R::Data: jest = j.Data[o.adres & 0xFF]; break;
    case R::Idata: jest = o.adres < 0x80 ? j.Data[o.adres] : j.IdataGorna[o.adres & 0xFF]; break;
    case R::Xdata: jest = j.Xdata[o.adres]; break;
    case R::LiniaLcd: break;
  }
  if (jest == o.wartosc) return std::nullopt;
  const int cyfry = o.rodzaj == R::PC ? 4 : 2;
  return "Oczekiwano " + o.nazwa + "=" + Szesnastkowo(o.wartosc, cyfry) + ", jest " + Szesnastkowo(jest, cyfry);
}

}  // namespace kelbra::wsad
