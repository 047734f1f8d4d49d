#include "StanTestowy.h"

#include <cstdio>

namespace kelbra::test {

std::unique_ptr<Jadro> NowyJadro() {
  auto j = std::make_unique<Jadro>();
  j->ResetJadra();
  return j;
}

void Zapisz(Jadro& j, const Bajt& b) {
  switch (b.pamiec) {
    case Pamiec::Data: j.Data[b.adres & 0xFF] = b.wartosc; break;
    case Pamiec::Idata: j.IdataGorna[b.adres & 0xFF] = b.wartosc; break;
    case Pamiec::Xdata: j.Xdata[b.adres] = b.wartosc; break;
    case Pamiec::Code: j.Code[b.adres] = b.wartosc; break;
  }
}

void Zapisz(Jadro& j, const std::vector<Bajt>& bajty) {
  for (const auto& b : bajty) Zapisz(j, b);
}

namespace {
template <size_t N>
void Porownaj(const char* nazwa, const std::array<uint8_t, N>& o, const std::array<uint8_t, N>& f, std::string& wynik) {
  for (size_t a = 0; a < N; ++a) {
    if (o[a] != f[a]) {
      char linia[80];
      std::snprintf(linia, sizeof linia, "%s[%04zX]: oczekiwano %02X, jest %02X\n", nazwa, a, o[a], f[a]);
      wynik += linia;
    }
  }
}
}  // namespace

std::string Roznice(const Jadro& o, const Jadro& f) {
  std::string wynik;
  if (o.PC != f.PC) {
    char linia[64];
    std::snprintf(linia, sizeof linia, "PC: oczekiwano %04X, jest %04X\n", o.PC, f.PC);
    wynik += linia;
  }
  Porownaj("DATA", o.Data, f.Data, wynik);
  Porownaj("IDATA", o.IdataGorna, f.IdataGorna, wynik);
  Porownaj("XDATA", o.Xdata, f.Xdata, wynik);
  Porownaj("CODE", o.Code, f.Code, wynik);
  return wynik;
}

}  // namespace kelbra::test
