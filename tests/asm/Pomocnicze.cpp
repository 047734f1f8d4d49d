#include "Pomocnicze.h"

#include <cstdio>

namespace kelbra::test {

std::vector<uint8_t> Stanowisko::Bajty(int linia) const {
  const WynikAsemblacji& w = asembler->Wynik();
  for (size_t r = 1; r < w.WierszePrzebiegu; ++r) {
    if (w.Tabela[r].Linia() != linia) continue;
    const uint16_t adres = static_cast<uint16_t>(w.Tabela[r].Adres().value_or(0));
    std::vector<uint8_t> b;
    for (uint32_t k = 0; k < w.BajtyWiersza[r]; ++k) b.push_back(jadro->Code[static_cast<uint16_t>(adres + k)]);
    return b;
  }
  return {};
}

std::vector<std::string> Linie(const std::string& tekst) {
  std::vector<std::string> w;
  size_t p = 0;
  while (p <= tekst.size()) {
    size_t k = tekst.find('\n', p);
    if (k == std::string::npos) k = tekst.size();
    std::string l = tekst.substr(p, k - p);
    if (!l.empty() && l.back() == '\r') l.pop_back();
    w.push_back(l);
    p = k + 1;
  }
  if (!w.empty() && w.back().empty()) w.pop_back();
  return w;
}

std::string Hex(const std::vector<uint8_t>& bajty) {
  std::string s;
  char b[4];
  for (uint8_t x : bajty) {
    std::snprintf(b, sizeof b, "%s%02X", s.empty() ? "" : " ", x);
    s += b;
  }
  return s;
}

}  // namespace kelbra::test
