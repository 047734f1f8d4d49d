#include "Jadro.h"

namespace kelbra {

std::string TestJadra(Jadro& j) {
  int licznik = 0;
  for (int v = 0; v < 256; ++v) {
    j.PC = 0;
    j.Code[0] = static_cast<uint8_t>(v);
    if (j.WykonajRozkaz() != 0) ++licznik;
  }
  const double c = licznik;
  const int calosc = static_cast<int>(c * 100 / 256);
  const int ulamek = static_cast<int>(c * 10000 / 256) % 100;
  return "Obslugiwanych rozkazow: " + std::to_string(licznik) + " z 256 --> " + std::to_string(calosc) + "," +
         std::to_string(ulamek) + "%";
}

}  // namespace kelbra
