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
  if (przebiegi_.Wlaczony()) przebiegi_.Rozpocznij(0, Bajty());
}

BajtyPrzebiegu Maszyna::Bajty() const {
  const auto& x = jadro_.Xdata;
  return {jadro_.Data[sfr::P0], jadro_.Data[sfr::P1], jadro_.Data[sfr::P2], jadro_.Data[sfr::P3],
          x[Jadro::AdresKlStatycznych], x[Jadro::AdresKlDynamicznych0], x[Jadro::AdresKlDynamicznych1]};
}

void Maszyna::WlaczPrzebiegi(bool wlacz) {
  przebiegi_.Wlacz(wlacz);
  plytka_.Przebiegi = wlacz ? &przebiegi_ : nullptr;
  przebiegi_.Rozpocznij(jadro_.Cykle, Bajty());
}

void Maszyna::ZmianyZzewnatrz() {
  const BajtyPrzebiegu b = Bajty();
  for (int k = 0; k < LiczbaBajtowPrzebiegu; ++k)
    przebiegi_.Bajt(static_cast<Sygnal>(k), b[static_cast<size_t>(k)], jadro_.Cykle);
}

bool Maszyna::Cofnij() {
  if (!historia_.Cofnij()) return false;
  if (przebiegi_.Wlaczony()) przebiegi_.ObetnijPo(jadro_.Cykle);
  return true;
}

}  // namespace kelbra
