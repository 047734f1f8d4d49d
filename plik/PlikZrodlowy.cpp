#include "PlikZrodlowy.h"

#include "Kodowanie.h"

namespace kelbra {

namespace {

constexpr std::string_view Bom = "\xEF\xBB\xBF";

}  // namespace

PlikZrodlowy CzytajPlikZrodlowy(std::string_view bajty) {
  PlikZrodlowy plik;
  const bool bom = bajty.substr(0, Bom.size()) == Bom;
  std::vector<std::string_view> linie = LinieBajtow(bom ? bajty.substr(Bom.size()) : bajty);
  if (!linie.empty() && linie.back().substr(0, NaglowekPozycjiOkien.size()) == NaglowekPozycjiOkien) {
    plik.LiniaPozycji = std::string(linie.back());
    linie.pop_back();
  }
  bool wysokie = bom;
  bool utf8 = true;
  for (std::string_view l : linie) {
    for (char c : l) wysokie = wysokie || static_cast<unsigned char>(c) >= 0x80;
    if (utf8 && !DekodujUtf8(l)) utf8 = false;
  }
  plik.Linie.reserve(linie.size());
  if (utf8 && wysokie) {
    plik.Kodowanie = KodowaniePliku::Utf8;
    plik.Bom = bom;
    for (std::string_view l : linie) plik.Linie.push_back(*DekodujUtf8(l));
    return plik;
  }
  auto zCp1250 = [](std::string_view l) {
    std::u32string u;
    u.reserve(l.size());
    for (char c : l) u.push_back(ZnakCp1250(static_cast<unsigned char>(c)));
    return u;
  };
  for (std::string_view l : linie) plik.Linie.push_back(zCp1250(l));
  // Not UTF-8 after all: the mark's three bytes are the first line's text.
  if (bom && !plik.Linie.empty()) plik.Linie.front().insert(0, zCp1250(Bom));
  return plik;
}

std::vector<TekstCp1250> LinieDlaAsemblera(const std::vector<std::u32string>& linie) {
  std::vector<TekstCp1250> wynik;
  wynik.reserve(linie.size());
  for (const std::u32string& l : linie) wynik.push_back(DoCp1250(l));
  return wynik;
}

bool DaSieZapisac(const std::vector<std::u32string>& linie, KodowaniePliku kodowanie) {
  if (kodowanie == KodowaniePliku::Utf8) return true;
  for (const std::u32string& l : linie)
    for (char32_t z : l)
      if (!ZnakWCp1250(z)) return false;
  return true;
}

BajtyPliku ZapiszPlikZrodlowy(const std::vector<std::u32string>& linie, KodowaniePliku kodowanie, bool bom,
                              std::string_view liniaPozycji) {
  BajtyPliku bajty;
  if (kodowanie == KodowaniePliku::Utf8 && bom) bajty += Bom;
  for (const std::u32string& l : linie) {
    bajty += kodowanie == KodowaniePliku::Utf8 ? DoUtf8(l) : DoCp1250(l);
    bajty += "\r\n";
  }
  if (!liniaPozycji.empty()) {
    bajty += liniaPozycji;
    bajty += "\r\n";
  }
  return bajty;
}

}  // namespace kelbra
