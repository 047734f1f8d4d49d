#include "Liczby.h"

#include "Asembler.h"

namespace kelbra {

namespace {

bool CyfraSzesnastkowa(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

}  // namespace

std::string TekstDoOceny(std::string_view tekst, bool dziesietnie) {
  bool cyfry = !tekst.empty();
  for (char c : tekst) cyfry = cyfry && CyfraSzesnastkowa(c);
  if (dziesietnie || !cyfry) return std::string(tekst);
  std::string wynik;
  wynik.reserve(tekst.size() + 2);
  wynik += '0';
  wynik += tekst;
  wynik += 'h';
  return wynik;
}

Odczyt OdczytajWartosc(Asembler& asembler, std::string_view tekst, bool dziesietnie) {
  if (tekst.empty()) return {};
  const auto v = asembler.WartoscWyrazenia(TekstDoOceny(tekst, dziesietnie));
  if (!v) return {Odczyt::Bledny, 0};
  return {Odczyt::Liczba, *v};
}

}  // namespace kelbra
