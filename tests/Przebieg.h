#pragma once
// Running a program on the core in tests, shared by every subsystem's suite.

#include <cstdint>

#include "Jadro.h"

namespace kelbra::test {

// Steps until PC reaches `cel`; false if it has not after `limit` instructions.
inline bool DoAdresu(Jadro& j, uint16_t cel, int limit = 100000) {
  for (int k = 0; k < limit && j.PC != cel; ++k) j.KrokJadra();
  return j.PC == cel;
}

// Steps until at least `cykle` machine cycles have run; returns how many did.
inline uint64_t PrzezCykle(Jadro& j, uint64_t cykle) {
  uint64_t wykonane = 0;
  while (wykonane < cykle) wykonane += static_cast<uint64_t>(j.KrokJadra());
  return wykonane;
}

}  // namespace kelbra::test
