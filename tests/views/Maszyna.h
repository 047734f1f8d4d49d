#pragma once
// A reset core with an assembler whose last run defined a few labels, for
// the inspection windows' tests.

#include <memory>

#include "Asembler.h"
#include "Jadro.h"

namespace kelbra::test {

struct Maszyna {
  std::unique_ptr<Jadro> jadro = std::make_unique<Jadro>();
  Asembler asembler{*jadro};

  Maszyna() {
    // "face" is made of hexadecimal digits, "etykieta" is not.
    asembler.Analizuj_kod_asemblera({"start: nop", "org 0ABCh", "face: nop", "org 1234h", "etykieta: nop"});
    jadro->ResetJadra();
    jadro->PC = 0x0200;
  }
  uint8_t& Data(uint8_t adres) { return jadro->Data[adres]; }
};

}  // namespace kelbra::test
