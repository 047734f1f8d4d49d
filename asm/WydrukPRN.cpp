#include "WydrukPRN.h"

#include <cstdio>

#include "Asembler.h"

namespace kelbra {

namespace {

void DopiszHex(std::string& s, uint8_t b) {
  static constexpr char Cyfry[] = "0123456789ABCDEF";
  s.push_back(Cyfry[b >> 4]);
  s.push_back(Cyfry[b & 15]);
}

std::string Dopelnij(const std::string& tekst, size_t szerokosc) {
  std::string s = tekst;
  if (s.size() < szerokosc) s.append(szerokosc - s.size(), ' ');
  return s;
}

int KrotkaDlugosc(Slowo s) {
  switch (s) {
    case Slowo::Ret:
    case Slowo::Reti:
    case Slowo::Nop:
    case Slowo::Jmp: return 1;
    case Slowo::Acall:
    case Slowo::Ajmp:
    case Slowo::Sjmp: return 2;
    case Slowo::Lcall:
    case Slowo::Ljmp: return 3;
    case Slowo::End: return 0;
    default: return 5;
  }
}

}  // namespace

std::vector<TekstCp1250> BudujWydrukPRN(std::span<const WierszRozkazu> wiersze,
                                        const std::array<uint8_t, 65536>& code,
                                        const std::vector<TekstCp1250>& linie, uint16_t koncowyLicznik,
                                        std::span<const uint32_t> bajtyWiersza) {
  std::vector<TekstCp1250> wynik;
  size_t j = 1;
  for (size_t i = 0; i < linie.size() && j < wiersze.size(); ++i) {
    const WierszRozkazu& w = wiersze[j];
    if (w[KolLinia].empty()) break;
    char bufor[32];
    std::snprintf(bufor, sizeof bufor, "%6zu", i + 1);
    std::string s = bufor;
    const int32_t adres = w.Adres().value_or(0);
    std::snprintf(bufor, sizeof bufor, "   %04X   ", static_cast<uint32_t>(adres));
    s += bufor;
    if (w.Linia().value_or(0) != static_cast<int32_t>(i)) {
      // A blank or comment line shows the address of the next row.
      s.append(10, ' ');
      s += "  ";
      s += linie[i];
      wynik.push_back(std::move(s));
      continue;
    }
    const int64_t nastepny = j + 1 < wiersze.size() && !wiersze[j + 1][KolAdres].empty()
                                 ? wiersze[j + 1].Adres().value_or(0)
                                 : koncowyLicznik;
    const Slowo m = w.SlowoMnemonika();
    std::string bajty;
    if (!DefiniujeWartosc(m) && m != Slowo::Org) {
      int k = 5;
      if (nastepny - adres > 3 || m == Slowo::End) k = KrotkaDlugosc(m);
      for (int64_t a = adres; a < nastepny && a < static_cast<int64_t>(adres) + k; ++a)
        DopiszHex(bajty, code[static_cast<uint16_t>(a)]);
    }
    s += Dopelnij(bajty, 10);
    static_assert(6 + 3 + 4 + 3 + 10 + 2 == KolumnaZrodlaPRN);
    s += "  ";
    s += linie[i];
    wynik.push_back(std::move(s));
    if (m == Slowo::Db) {
      // Continuation lines end with the bytes the row wrote: a following row
      // that holds a value (equ) or a new origin is no end of this code.
      int64_t koniec = nastepny;
      if (j < bajtyWiersza.size()) koniec = std::min<int64_t>(koniec, static_cast<int64_t>(adres) + bajtyWiersza[j]);
      for (int64_t a = static_cast<int64_t>(adres) + 5; a < koniec; a += 5) {
        std::string d(16, ' ');
        for (int64_t b = a; b < koniec && b < a + 5; ++b) DopiszHex(d, code[static_cast<uint16_t>(b)]);
        wynik.push_back(std::move(d));
      }
    }
    ++j;
  }
  return wynik;
}

TekstCp1250 RozwinTabulatoryPRN(std::string_view linia) {
  if (linia.size() <= KolumnaZrodlaPRN || linia.find('\t', KolumnaZrodlaPRN) == std::string_view::npos)
    return TekstCp1250(linia);
  TekstCp1250 s(linia.substr(0, KolumnaZrodlaPRN));
  size_t kolumna = 0;
  for (char c : linia.substr(KolumnaZrodlaPRN)) {
    if (c == '\t') {
      const size_t spacje = 8 - kolumna % 8;
      s.append(spacje, ' ');
      kolumna += spacje;
    } else {
      s.push_back(c);
      ++kolumna;
    }
  }
  return s;
}

std::vector<TekstCp1250> BudujWydrukPRN(const WynikAsemblacji& wynik, const std::array<uint8_t, 65536>& code,
                                        const std::vector<TekstCp1250>& linie) {
  const auto& wiersze = wynik.Tabela.Wiersze();
  return BudujWydrukPRN(std::span<const WierszRozkazu>(wiersze.data(), wynik.WierszePrzebiegu), code, linie,
                        wynik.KoncowyLicznik, wynik.BajtyWiersza);
}

}  // namespace kelbra
