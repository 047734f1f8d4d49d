#pragma once
// A powered-on machine with an assembler whose last run defined a few
// labels, for the inspection windows' tests.

#include <memory>

#include "Asembler.h"
#include "Jadro.h"
#include "Maszyna.h"

namespace kelbra::test {

struct Maszyna {
  std::unique_ptr<kelbra::Maszyna> maszyna = std::make_unique<kelbra::Maszyna>();
  Jadro* jadro = &maszyna->jadro();
  Asembler asembler{*jadro};

  Maszyna() {
    // "face" is made of hexadecimal digits, "etykieta" is not.
    asembler.Analizuj_kod_asemblera({"start: nop", "org 0ABCh", "face: nop", "org 1234h", "etykieta: nop"});
    maszyna->ResetPlytki();
    jadro->PC = 0x0200;
  }
  uint8_t& Data(uint8_t adres) { return jadro->Data[adres]; }
};

}  // namespace kelbra::test
