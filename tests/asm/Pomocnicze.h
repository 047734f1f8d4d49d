#pragma once
// Shared helpers of the assembler tests: a core with an assembler, runs over
// inline text, and reading files the way the batch runner does.

#include <memory>
#include <string>
#include <vector>

#include "Asembler.h"
#include "Jadro.h"

namespace kelbra::test {

struct Stanowisko {
  std::unique_ptr<Jadro> jadro = std::make_unique<Jadro>();
  std::unique_ptr<Asembler> asembler = std::make_unique<Asembler>(*jadro);

  const WynikAsemblacji& Asembluj(const std::vector<std::string>& linie) {
    return asembler->Analizuj_kod_asemblera(linie);
  }
  // Bytes the final pass wrote for the row of `linia`.
  std::vector<uint8_t> Bajty(int linia) const;
};

// Lines of a text, split at "\n" (a "\r" before it dropped).
std::vector<std::string> Linie(const std::string& tekst);

std::string Hex(const std::vector<uint8_t>& bajty);

}  // namespace kelbra::test
