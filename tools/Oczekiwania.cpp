#include "Oczekiwania.h"

#include <algorithm>

#include "FormatLiczb.h"
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

// The memory byte an expectation reads; none for PC and the LCD lines.
const uint8_t* BajtWMaszynie(const Oczekiwanie& o, const Jadro& j) {
  using R = Oczekiwanie::Rodzaj;
  switch (o.rodzaj) {
    case R::Sfr:
    case R::Data: return &j.Data[o.adres & 0xFF];
    case R::Idata: return o.adres < 0x80 ? &j.Data[o.adres] : &j.IdataGorna[o.adres & 0xFF];
    case R::Xdata: return &j.Xdata[o.adres];
    case R::PC:
    case R::LiniaLcd: break;
  }
  return nullptr;
}

// What a non-LCD expectation reads from the machine.
int32_t WartoscWMaszynie(const Oczekiwanie& o, const Jadro& j) {
  const uint8_t* bajt = BajtWMaszynie(o, j);
  return bajt ? *bajt : o.rodzaj == Oczekiwanie::Rodzaj::PC ? j.PC : 0;
}

}  // namespace

std::string CzytajOczekiwanie(std::string_view zapis, Oczekiwanie& o) {
  o = {};
  const size_t rowna = zapis.find('=');
  if (rowna == std::string_view::npos) return "--expect " + std::string(zapis) + ": brak =";
  const std::string_view lewa = zapis.substr(0, rowna);
  std::string_view prawa = zapis.substr(rowna + 1);
  std::string blad = CzytajNazwe(lewa, o);
  const bool lcd = o.rodzaj == Oczekiwanie::Rodzaj::LiniaLcd;
  if (const size_t malpa = prawa.rfind('@'); blad.empty() && malpa != std::string_view::npos) {
    const std::string_view ogon = prawa.substr(malpa + 1);
    const size_t kropki = ogon.find("..");
    auto cyfry = [](std::string_view s) {
      return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    const bool przedzial =
        kropki != std::string_view::npos && cyfry(ogon.substr(0, kropki)) && cyfry(ogon.substr(kropki + 2));
    // An LCD text may hold "@" itself; a value never does.
    if (!lcd || cyfry(ogon) || przedzial) {
      if (kropki != std::string_view::npos) {
        const auto od = LiczbaDziesietna(ogon.substr(0, kropki));
        const auto doC = LiczbaDziesietna(ogon.substr(kropki + 2));
        if (!od || !doC) blad = "niepoprawny przedzial cykli \"" + std::string(ogon) + "\" (OD..DO, liczby dziesietne)";
        else if (*od > *doC) blad = "pusty przedzial cykli \"" + std::string(ogon) + "\" (OD wiekszy niz DO)";
        o.cykl = od;
        o.doCyklu = doC;
      } else {
        const auto cykl = LiczbaDziesietna(ogon);
        if (cykl) o.cykl = *cykl;
        else blad = "niepoprawny cykl \"" + std::string(ogon) + "\" (liczba dziesietna od 0)";
      }
      prawa = prawa.substr(0, malpa);
    }
  }
  if (blad.empty() && lcd) {
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

WynikOczekiwania ZbadajOczekiwanie(const Oczekiwanie& o, const Jadro& j, const Lcd& lcd) {
  using R = Oczekiwanie::Rodzaj;
  WynikOczekiwania w;
  w.sprawdzone = true;
  if (o.rodzaj == R::LiniaLcd) {
    w.jest = TekstLiniiLcd(lcd, o.adres);
    w.spelnione = w.jest == o.tekst;
    if (!lcd.Flagi.WyswietlaczWlaczony) w.powod = WynikOczekiwania::Powod::WyswietlaczWylaczony;
    else if (o.adres >= lcd.LiczbaLinii) w.powod = WynikOczekiwania::Powod::LiniaNiewyswietlana;
    return w;
  }
  const int32_t jest = WartoscWMaszynie(o, j);
  w.spelnione = jest == o.wartosc;
  w.jest = Szesnastkowo(jest, o.rodzaj == R::PC ? 4 : 2);
  return w;
}

namespace {

// The expected and the found value as the lines show them.
std::string Wartosc(const Oczekiwanie& o) {
  if (o.rodzaj == Oczekiwanie::Rodzaj::LiniaLcd) return "\"" + o.tekst + "\"";
  return Szesnastkowo(o.wartosc, o.rodzaj == Oczekiwanie::Rodzaj::PC ? 4 : 2);
}

std::string Znaleziona(const Oczekiwanie& o, const WynikOczekiwania& w) {
  return o.rodzaj == Oczekiwanie::Rodzaj::LiniaLcd ? "\"" + w.jest + "\"" : w.jest;
}

// "po 1 cyklu", "po 5 cyklach": the locative has one plural form.
std::string PoCyklach(uint64_t n) { return "po " + std::to_string(n) + (n == 1 ? " cyklu" : " cyklach"); }

}  // namespace

namespace {

std::string Przedzial(const Oczekiwanie& o) { return std::to_string(*o.cykl) + ".." + std::to_string(*o.doCyklu); }

std::string Powod(const WynikOczekiwania& w, bool polskie) {
  switch (w.powod) {
    case WynikOczekiwania::Powod::WyswietlaczWylaczony:
      return polskie ? " (wyświetlacz wyłączony)" : " (wyswietlacz wylaczony)";
    case WynikOczekiwania::Powod::LiniaNiewyswietlana:
      return polskie ? " (linia nie jest wyświetlana)" : " (linia nie jest wyswietlana)";
    case WynikOczekiwania::Powod::Brak: break;
  }
  return {};
}

// A window's line, held or not: "LCD1 w cyklach 40000..50000: oczekiwano
// "Klawisz: 3", ostatnio "Wcisnij klawisz"".
std::string LiniaOkna(const Oczekiwanie& o, const WynikOczekiwania& w, uint64_t koniec, bool polskie) {
  const std::string skonczyl = polskie ? "przebieg skończył się " + PoCyklach(koniec)
                                       : "przebieg skonczyl sie w cyklu " + std::to_string(koniec);
  std::string linia = o.nazwa + " w cyklach " + Przedzial(o) + ": ";
  if (!w.sprawdzone) return linia + (polskie ? "nie sprawdzono, " : "oczekiwano " + Wartosc(o) + ", ") + skonczyl;
  linia += "oczekiwano " + Wartosc(o);
  if (w.spelnione) return linia + ", jest w cyklu " + std::to_string(w.wCyklu.value_or(0));
  linia += ", ostatnio " + Znaleziona(o, w) + Powod(w, polskie);
  if (koniec < *o.doCyklu) linia += " (" + skonczyl + ")";
  return linia;
}

}  // namespace

std::string LiniaNiespelnionego(const Oczekiwanie& o, const WynikOczekiwania& w, uint64_t koniec) {
  if (o.doCyklu) return LiniaOkna(o, w, koniec, false);
  std::string linia = "Oczekiwano " + o.nazwa + "=" + Wartosc(o);
  if (o.cykl) linia += " w cyklu " + std::to_string(*o.cykl);
  if (!w.sprawdzone) return linia + ", przebieg skonczyl sie w cyklu " + std::to_string(koniec);
  return linia + ", jest " + Znaleziona(o, w) + Powod(w, false);
}

std::string WierszSprawdzenia(const Oczekiwanie& o, const WynikOczekiwania& w, uint64_t koniec) {
  if (o.doCyklu) return LiniaOkna(o, w, koniec, true);
  std::string wiersz = o.nazwa + (o.cykl ? " " + PoCyklach(*o.cykl) : std::string(" na końcu przebiegu")) + ": ";
  if (!w.sprawdzone) return wiersz + "nie sprawdzono, przebieg skończył się " + PoCyklach(koniec);
  return wiersz + "oczekiwano " + Wartosc(o) + ", jest " + Znaleziona(o, w) + Powod(w, true);
}

std::optional<std::string> SprawdzOczekiwanie(const Oczekiwanie& o, const Jadro& j, const Lcd& lcd) {
  const WynikOczekiwania w = ZbadajOczekiwanie(o, j, lcd);
  if (w.spelnione) return std::nullopt;
  return LiniaNiespelnionego(o, w, 0);
}

Sprawdzanie::Sprawdzanie(const std::vector<Oczekiwanie>& oczekiwania)
    : oczekiwania_(oczekiwania), wyniki_(oczekiwania.size()) {
  for (size_t i = 0; i < oczekiwania.size(); ++i) {
    if (oczekiwania[i].doCyklu) {
      okna_.emplace_back();
      okna_.back().i = i;
    }
    else if (oczekiwania[i].cykl) kolejnosc_.push_back(i);
  }
  std::stable_sort(kolejnosc_.begin(), kolejnosc_.end(),
                   [&](size_t a, size_t b) { return *oczekiwania[a].cykl < *oczekiwania[b].cykl; });
}

uint64_t Sprawdzanie::Pierwsza() const {
  uint64_t pierwsza = kolejnosc_.empty() ? UINT64_MAX : *oczekiwania_[kolejnosc_.front()].cykl;
  for (const Okno& okno : okna_) pierwsza = std::min(pierwsza, *oczekiwania_[okno.i].cykl);
  return pierwsza;
}

uint64_t Sprawdzanie::Nastepna(uint64_t cykl) const {
  uint64_t nastepna = nastepny_ < kolejnosc_.size() ? *oczekiwania_[kolejnosc_[nastepny_]].cykl : UINT64_MAX;
  // Open windows are watched by Zmiana; those yet to open start a check.
  for (const Okno& okno : okna_)
    if (!okno.zamkniete && *oczekiwania_[okno.i].cykl > cykl) nastepna = std::min(nastepna, *oczekiwania_[okno.i].cykl);
  return nastepna;
}

void Sprawdzanie::Zobacz(Okno& okno, uint64_t cykl, const Jadro& j, const Lcd& lcd) {
  const Oczekiwanie& o = oczekiwania_[okno.i];
  bool jest;
  if (o.rodzaj == Oczekiwanie::Rodzaj::LiniaLcd) {
    // The text is read again only when the display changed.
    if (!okno.widziane || lcd.Wersja != okno.wersjaLcd) {
      okno.tekst = TekstLiniiLcd(lcd, o.adres);
      okno.wersjaLcd = lcd.Wersja;
    }
    jest = okno.tekst == o.tekst;
  } else {
    okno.ostatnia = WartoscWMaszynie(o, j);
    jest = okno.ostatnia == o.wartosc;
  }
  okno.widziane = true;
  if (!jest) return;
  wyniki_[okno.i].wCyklu = cykl;
  Zamknij(okno, lcd);
}

void Sprawdzanie::Zamknij(Okno& okno, const Lcd& lcd) {
  const Oczekiwanie& o = oczekiwania_[okno.i];
  WynikOczekiwania& w = wyniki_[okno.i];
  okno.zamkniete = true;
  w.sprawdzone = okno.widziane;
  if (!okno.widziane) return;
  if (o.rodzaj == Oczekiwanie::Rodzaj::LiniaLcd) {
    w.jest = okno.tekst;
    w.spelnione = w.jest == o.tekst;
    if (!w.spelnione && !lcd.Flagi.WyswietlaczWlaczony) w.powod = WynikOczekiwania::Powod::WyswietlaczWylaczony;
    else if (!w.spelnione && o.adres >= lcd.LiczbaLinii) w.powod = WynikOczekiwania::Powod::LiniaNiewyswietlana;
  } else {
    w.spelnione = okno.ostatnia == o.wartosc;
    w.jest = Szesnastkowo(okno.ostatnia, o.rodzaj == Oczekiwanie::Rodzaj::PC ? 4 : 2);
  }
}

uint64_t Sprawdzanie::Kontrola(uint64_t cykl, const Jadro& j, const Lcd& lcd) {
  for (; nastepny_ < kolejnosc_.size() && *oczekiwania_[kolejnosc_[nastepny_]].cykl <= cykl; ++nastepny_)
    wyniki_[kolejnosc_[nastepny_]] = ZbadajOczekiwanie(oczekiwania_[kolejnosc_[nastepny_]], j, lcd);
  for (Okno& okno : okna_) {
    const Oczekiwanie& o = oczekiwania_[okno.i];
    if (okno.zamkniete || *o.cykl > cykl) continue;
    // The first boundary at or after the start counts even past the end, as
    // a check at a cycle would.
    if (!okno.widziane || cykl <= *o.doCyklu) Zobacz(okno, cykl, j, lcd);
    if (!okno.zamkniete && cykl >= *o.doCyklu) Zamknij(okno, lcd);
  }
  straz_.clear();
  for (Okno& okno : okna_) {
    const Oczekiwanie& o = oczekiwania_[okno.i];
    if (okno.zamkniete || *o.cykl > cykl) continue;
    Straz s;
    s.okno = &okno;
    s.doCyklu = *o.doCyklu;
    s.wartosc = o.wartosc;
    s.lcd = o.rodzaj == Oczekiwanie::Rodzaj::LiniaLcd;
    s.bajt = BajtWMaszynie(o, j);
    straz_.push_back(s);
  }
  return Nastepna(cykl);
}

void Sprawdzanie::NaKoncu(uint64_t cykle, const Jadro& j, const Lcd& lcd) {
  koniec_ = cykle;
  // A cycle the run reached without a further instruction sees the final
  // state: nothing changes before the next instruction would start.
  for (size_t i = 0; i < oczekiwania_.size(); ++i) {
    const Oczekiwanie& o = oczekiwania_[i];
    if (!o.doCyklu && !wyniki_[i].sprawdzone && (!o.cykl || *o.cykl <= cykle))
      wyniki_[i] = ZbadajOczekiwanie(o, j, lcd);
  }
  for (Okno& okno : okna_) {
    if (okno.zamkniete) continue;
    const Oczekiwanie& o = oczekiwania_[okno.i];
    if (*o.cykl <= cykle && (!okno.widziane || cykle <= *o.doCyklu)) Zobacz(okno, cykle, j, lcd);
    if (!okno.zamkniete) Zamknij(okno, lcd);
  }
  straz_.clear();
}

size_t Sprawdzanie::Spelnione() const {
  return static_cast<size_t>(std::count_if(wyniki_.begin(), wyniki_.end(), [](const WynikOczekiwania& w) { return w.spelnione; }));
}

}  // namespace kelbra::wsad
