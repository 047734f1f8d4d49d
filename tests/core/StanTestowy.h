#pragma once
// Builds machine states for executor tests and compares a whole state after
// an instruction with the state expected byte by byte.

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "Jadro.h"

namespace kelbra::test {

enum class Pamiec { Data, Idata, Xdata, Code };

struct Bajt {
  Pamiec pamiec;
  uint16_t adres;
  uint8_t wartosc;
};

inline Bajt D(uint16_t a, uint8_t v) { return {Pamiec::Data, a, v}; }
inline Bajt I(uint16_t a, uint8_t v) { return {Pamiec::Idata, a, v}; }
inline Bajt X(uint16_t a, uint8_t v) { return {Pamiec::Xdata, a, v}; }
inline Bajt K(uint16_t a, uint8_t v) { return {Pamiec::Code, a, v}; }

inline Bajt A(uint8_t v) { return D(sfr::ACC, v); }
inline Bajt Psw(uint8_t v) { return D(sfr::PSW, v); }
inline Bajt Sp(uint8_t v) { return D(sfr::SP, v); }
// Register n of bank 0.
inline Bajt R(int n, uint8_t v) { return D(static_cast<uint16_t>(n), v); }

std::unique_ptr<Jadro> NowyJadro();
void Zapisz(Jadro& j, const Bajt& b);
void Zapisz(Jadro& j, const std::vector<Bajt>& bajty);
// Empty when both states are equal; otherwise each differing byte, one a line.
std::string Roznice(const Jadro& oczekiwany, const Jadro& faktyczny);

}  // namespace kelbra::test
