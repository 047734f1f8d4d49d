#include "Zdarzenia.h"

#include <algorithm>
#include <optional>

#include "KlawiszePC.h"
#include "Kodowanie.h"
#include "LiczbyOpcji.h"
#include "Tekst.h"

namespace kelbra::wsad {

namespace {

namespace q = klawiszqt;

struct NazwanyKlawisz {
  std::string_view nazwa;
  int klawisz;
};

// Keys that type no character, by the names a script writes in braces.
constexpr NazwanyKlawisz NazwaneKlawisze[] = {
    {"Esc", q::Escape},       {"Escape", q::Escape},     {"Tab", q::Tab},
    {"Backspace", q::Backspace}, {"Enter", q::Return},   {"Return", q::Return},
    {"Insert", q::Insert},    {"Delete", q::Delete},     {"Del", q::Delete},
    {"Pause", q::Pause},      {"PrintScreen", q::Print}, {"Home", q::Home},
    {"End", q::End},          {"Left", q::Left},         {"Up", q::Up},
    {"Right", q::Right},      {"Down", q::Down},         {"PageUp", q::PageUp},
    {"PageDown", q::PageDown}, {"Shift", q::Shift},      {"Ctrl", q::Control},
    {"Control", q::Control},  {"Alt", q::Alt},           {"AltGr", q::AltGr},
    {"CapsLock", q::CapsLock}, {"NumLock", q::NumLock},  {"ScrollLock", q::ScrollLock},
    {"Win", q::Super_L},      {"Menu", q::Menu},         {"Space", ' '},
    {"Spacja", ' '},
};

std::optional<int> KlawiszNazwany(std::string_view nazwa) {
  for (const NazwanyKlawisz& k : NazwaneKlawisze)
    if (tekst::RowneBezWielkosci(nazwa, k.nazwa)) return k.klawisz;
  if (nazwa.size() >= 2 && (nazwa[0] == 'F' || nazwa[0] == 'f')) {
    const auto n = LiczbaDziesietna(nazwa.substr(1), 24);
    if (n && *n >= 1) return q::F1 + static_cast<int>(*n) - 1;
  }
  return std::nullopt;
}

// The toolkit reports a typed letter's key as its upper-case form; the
// Latin Extended-A block pairs the cases side by side, upper first except
// in two ranges.
int KlawiszZnaku(char32_t z) {
  if (z >= 'a' && z <= 'z') return static_cast<int>(z - 0x20);
  if (z >= 0xE0 && z <= 0xFE && z != 0xF7) return static_cast<int>(z - 0x20);
  const bool parzysteWielkie = (z >= 0x100 && z <= 0x137) || (z >= 0x14A && z <= 0x177);
  const bool nieparzysteWielkie = (z >= 0x139 && z <= 0x148) || (z >= 0x179 && z <= 0x17E);
  if ((parzysteWielkie && (z & 1)) || (nieparzysteWielkie && !(z & 1))) return static_cast<int>(z - 1);
  return static_cast<int>(z);
}

std::string Cytat(std::string_view s) { return "\"" + std::string(s) + "\""; }

bool Bialy(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view Przytnij(std::string_view s) {
  while (!s.empty() && Bialy(s.front())) s.remove_prefix(1);
  while (!s.empty() && Bialy(s.back())) s.remove_suffix(1);
  return s;
}

// The first word of `s`, which loses it and the blanks after it.
std::string_view Slowo(std::string_view& s) {
  size_t k = 0;
  while (k < s.size() && !Bialy(s[k])) ++k;
  const std::string_view slowo = s.substr(0, k);
  s.remove_prefix(k);
  while (!s.empty() && Bialy(s.front())) s.remove_prefix(1);
  return slowo;
}

std::string CzytajCykl(std::string_view tekst, uint64_t& cykl) {
  const auto v = LiczbaDziesietna(tekst);
  if (!v) return "niepoprawny cykl " + Cytat(tekst) + " (liczba dziesietna od 0)";
  cykl = *v;
  return {};
}

// NAME@CYCLE and TEXT@CYCLE: the text may hold "@" itself, the cycle never.
std::string Podziel(std::string_view wartosc, std::string_view& przed, uint64_t& cykl) {
  const size_t malpa = wartosc.rfind('@');
  if (malpa == std::string_view::npos) return "brak @CYKL w " + Cytat(wartosc);
  przed = wartosc.substr(0, malpa);
  return CzytajCykl(wartosc.substr(malpa + 1), cykl);
}

}  // namespace

std::string KlawiszeTekstu(std::string_view utf8, std::vector<std::vector<uint8_t>>& klawisze) {
  const auto tekst = DekodujUtf8(utf8);
  if (!tekst) return "tekst " + Cytat(utf8) + " nie jest poprawnym UTF-8";
  if (tekst->empty()) return "pusty tekst klawiszy PC";
  const std::u32string_view t = *tekst;
  for (size_t k = 0; k < t.size();) {
    int klawisz;
    std::u32string znak;
    if (t[k] == U'{') {
      // "{{}" and "{}}" name the braces themselves.
      size_t koniec = k + 2 < t.size() && t[k + 2] == U'}' ? k + 2 : t.find(U'}', k + 1);
      if (koniec == std::u32string_view::npos) return "niezamkniety nawias { w " + Cytat(utf8);
      const std::string nazwa = DoUtf8(t.substr(k + 1, koniec - k - 1));
      if (nazwa.size() == 1 && (nazwa[0] == '{' || nazwa[0] == '}')) {
        klawisz = nazwa[0];
        znak.push_back(static_cast<char32_t>(nazwa[0]));
      } else if (auto n = KlawiszNazwany(nazwa)) {
        klawisz = *n;
        if (klawisz == ' ') znak = U" ";
      } else {
        return "nieznany klawisz {" + nazwa + "}";
      }
      k = koniec + 1;
    } else {
      if (t[k] < 0x20 || t[k] == 0x7F) return "znak sterujacy w " + Cytat(utf8) + " (nazwij klawisz w klamrach)";
      klawisz = KlawiszZnaku(t[k]);
      znak.push_back(t[k]);
      ++k;
    }
    NacisniecieKlawiszaPC n = KlawiszPCNacisniety(klawisz, false, znak);
    if (n.Dostawy.empty()) return "znak " + Cytat(DoUtf8(znak)) + " nie daje zadnego kodu";
    klawisze.push_back(std::move(n.Dostawy));
  }
  return {};
}

std::string BudowaZdarzen::DodajKlawisz(std::string_view nazwa, uint64_t cykl, bool puszczenie) {
  const bool statyczny = !nazwa.empty() && (nazwa[0] == 'S' || nazwa[0] == 's');
  const bool dynamiczny = !nazwa.empty() && (nazwa[0] == 'K' || nazwa[0] == 'k');
  const auto numer = LiczbaDziesietna(nazwa.substr(nazwa.empty() ? 0 : 1), 99);
  ZdarzeniePlytki z;
  z.Cykl = cykl;
  if (statyczny && numer && *numer >= 1 && *numer <= 8) {
    if (puszczenie) return "klawisz " + std::string(nazwa) + " jest zatrzaskowy: puszcza sie tylko K0-K15";
    z.rodzaj = ZdarzeniePlytki::Rodzaj::KlStatyczny;
    z.Numer = static_cast<uint8_t>(*numer - 1);
  } else if (dynamiczny && numer && *numer <= 15) {
    z.rodzaj = puszczenie ? ZdarzeniePlytki::Rodzaj::KlDynamicznyGora : ZdarzeniePlytki::Rodzaj::KlDynamicznyDol;
    z.Numer = static_cast<uint8_t>(*numer);
  } else {
    return "nieznany klawisz " + Cytat(nazwa) + " (S1-S8, K0-K15)";
  }
  z.Zrodlo = static_cast<uint32_t>(lista_.Zrodla.size() - 1);
  z.Linia = linia_;
  lista_.Zdarzenia.push_back(std::move(z));
  return {};
}

std::string BudowaZdarzen::DodajKlawiszePC(std::string_view tekst, uint64_t cykl) {
  std::vector<std::vector<uint8_t>> klawisze;
  if (std::string blad = KlawiszeTekstu(tekst, klawisze); !blad.empty()) return blad;
  const uint64_t ostatni = static_cast<uint64_t>(klawisze.size() - 1);
  if (odstep_ != 0 && ostatni > (MaksymalnyCykl - cykl) / odstep_) return "klawisze PC wychodza poza najwiekszy cykl";
  for (size_t k = 0; k < klawisze.size(); ++k) {
    ZdarzeniePlytki z;
    z.Cykl = cykl + odstep_ * k;
    z.rodzaj = ZdarzeniePlytki::Rodzaj::KlawiszPC;
    z.Dostawy = std::move(klawisze[k]);
    z.Zrodlo = static_cast<uint32_t>(lista_.Zrodla.size() - 1);
    z.Linia = linia_;
    lista_.Zdarzenia.push_back(std::move(z));
  }
  return {};
}

std::string BudowaZdarzen::Opcja(std::string_view opcja, std::string_view wartosc, bool klawiszePC,
                                 bool puszczenie) {
  lista_.Skryptowane = true;
  linia_ = 0;
  const std::string zrodlo = std::string(opcja) + " " + std::string(wartosc);
  std::string_view przed;
  uint64_t cykl = 0;
  std::string blad = Podziel(wartosc, przed, cykl);
  if (blad.empty()) {
    lista_.Zrodla.push_back(zrodlo);
    blad = klawiszePC ? DodajKlawiszePC(przed, cykl) : DodajKlawisz(przed, cykl, puszczenie);
  }
  return blad.empty() ? blad : zrodlo + ": " + blad;
}

std::string BudowaZdarzen::Klawisz(std::string_view wartosc, bool puszczenie) {
  return Opcja(puszczenie ? "--release" : "--key", wartosc, false, puszczenie);
}

std::string BudowaZdarzen::KlawiszePC(std::string_view wartosc) { return Opcja("--pc-key", wartosc, true, false); }

std::string BudowaZdarzen::LiniaSkryptu(std::string_view reszta) {
  uint64_t cykl = 0;
  if (std::string blad = CzytajCykl(Slowo(reszta), cykl); !blad.empty()) return blad;
  const std::string_view rodzaj = Slowo(reszta);
  if (rodzaj == "pc-key") return DodajKlawiszePC(reszta, cykl);
  if (rodzaj != "key" && rodzaj != "release") return "nieznane zdarzenie " + Cytat(rodzaj) + " (key, release, pc-key)";
  const std::string_view klawisz = Slowo(reszta);
  if (!reszta.empty() && reszta[0] != '#') return "nadmiarowy tekst " + Cytat(reszta);
  return DodajKlawisz(klawisz, cykl, rodzaj == "release");
}

std::string BudowaZdarzen::Skrypt(std::string_view nazwa, std::string_view tresc) {
  lista_.Skryptowane = true;
  lista_.Zrodla.emplace_back(nazwa);
  // Read as source files are: UTF-8 when it is, otherwise Windows-1250. Plain
  // ASCII, the usual script, needs no decoding.
  const bool ascii = std::all_of(tresc.begin(), tresc.end(), [](char c) { return (c & 0x80) == 0; });
  const std::string utf8 = ascii ? std::string() : DoUtf8(DekodujTekst(tresc));
  const std::vector<std::string_view> linie = LinieBajtow(ascii ? tresc : std::string_view(utf8));
  for (size_t n = 0; n < linie.size(); ++n) {
    const std::string_view reszta = Przytnij(linie[n]);
    if (reszta.empty() || reszta[0] == '#') continue;
    linia_ = static_cast<uint32_t>(n + 1);
    if (std::string blad = LiniaSkryptu(reszta); !blad.empty()) {
      return std::string(nazwa) + ":" + std::to_string(linia_) + ": " + blad;
    }
  }
  return {};
}

std::string ListaZdarzen::Miejsce(const ZdarzeniePlytki& z) const {
  const std::string& zrodlo = Zrodla[z.Zrodlo];
  return z.Linia == 0 ? zrodlo : zrodlo + ":" + std::to_string(z.Linia);
}

ListaZdarzen BudowaZdarzen::Zakoncz() && {
  lista_.OdstepKlawiszyPC = odstep_;
  const auto wczesniej = [](const ZdarzeniePlytki& a, const ZdarzeniePlytki& b) { return a.Cykl < b.Cykl; };
  // A script in time order, the usual case, is left as it is.
  if (!std::is_sorted(lista_.Zdarzenia.begin(), lista_.Zdarzenia.end(), wczesniej)) {
    std::stable_sort(lista_.Zdarzenia.begin(), lista_.Zdarzenia.end(), wczesniej);
  }
  return std::move(lista_);
}

}  // namespace kelbra::wsad
