#include "Maszyna.h"

namespace kelbra {

Maszyna::Maszyna() {
  jadro_.ResetJadra();
  PodlaczPlytke(jadro_, plytka_);
}

void Maszyna::ResetPlytki() {
  jadro_.ResetJadra();
  jadro_.Cykle = 0;
  plytka_.ResetPlytki();
  historia_.Wyczysc();
}

}  // namespace kelbra
