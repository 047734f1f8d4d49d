#pragma once
// Numbers as the inspection windows and the batch runner write them.

#include <cstdint>
#include <string>

namespace kelbra {

// Upper-case hexadecimal with at least `cyfry` digits; a negative value
// shows its 32-bit pattern.
inline std::string Szesnastkowo(int32_t wartosc, int cyfry) {
  static constexpr char Cyfry[] = "0123456789ABCDEF";
  uint32_t v = static_cast<uint32_t>(wartosc);
  std::string wynik;
  do {
    wynik.insert(wynik.begin(), Cyfry[v & 15]);
    v >>= 4;
  } while (v != 0);
  if (static_cast<int>(wynik.size()) < cyfry) wynik.insert(0, static_cast<size_t>(cyfry) - wynik.size(), '0');
  return wynik;
}

// Plain decimal in decimal mode, otherwise hexadecimal with at least
// `cyfry` digits.
inline std::string FormatLiczby(int32_t wartosc, bool dziesietnie, int cyfry) {
  return dziesietnie ? std::to_string(wartosc) : Szesnastkowo(wartosc, cyfry);
}

}  // namespace kelbra
