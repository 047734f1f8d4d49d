#pragma once
// A program assembled into a machine, with the line-to-address map that the
// debugger builds from the instruction table of that assembly.

#include <memory>
#include <string>
#include <vector>

#include "Asembler.h"
#include "Jadro.h"
#include "Maszyna.h"
#include "Pulapki.h"

namespace kelbra::testy {

struct Program {
  std::unique_ptr<Maszyna> maszyna = std::make_unique<Maszyna>();
  Jadro* jadro = &maszyna->jadro();
  MapaAdresow mapa;

  // True when the lines assembled without errors.
  bool Asembluj(const std::vector<std::string>& linie) {
    Asembler a(*jadro);
    const WynikAsemblacji& w = a.Analizuj_kod_asemblera(linie);
    mapa.Zbuduj(w.Tabela);
    return !w.FlagaBledu;
  }
};

}  // namespace kelbra::testy
