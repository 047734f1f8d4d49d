#include "WejscieFuzz.h"

#include <memory>
#include <string>
#include <vector>

#include "Asembler.h"
#include "WydrukPRN.h"

namespace kelbra::test {

void AsemblujDowolnyTekst(const uint8_t* dane, size_t rozmiar) {
  // Bytes as they come: every value is a character of the 8-bit source.
  std::vector<std::string> linie(1);
  for (size_t i = 0; i < rozmiar; ++i) {
    if (dane[i] == '\n')
      linie.emplace_back();
    else
      linie.back().push_back(static_cast<char>(dane[i]));
  }
  auto j = std::make_unique<Jadro>();
  Asembler a(*j);
  const WynikAsemblacji& w = a.Analizuj_kod_asemblera(linie);
  const auto wydruk = BudujWydrukPRN(w, j->Code, linie);
  // The inspection windows evaluate typed text after a run, labels included.
  for (const std::string& l : linie) {
    a.WartoscWyrazenia(l);
    a.KlasaArgumentu(l);
  }
  (void)wydruk;
}

}  // namespace kelbra::test
