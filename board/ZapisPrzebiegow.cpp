#include "ZapisPrzebiegow.h"

#include <algorithm>

namespace kelbra {

ZapisPrzebiegow::ZapisPrzebiegow(size_t pojemnosc)
    : poj_(std::max<size_t>(Blok, (pojemnosc + Blok - 1) / Blok * Blok)) {
  Rozpocznij(0, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
}

void ZapisPrzebiegow::Wlacz(bool wlacz) {
  if (wlacz == Wlaczony()) return;
  if (wlacz) {
    // Pages are touched as the ring fills, not all at once here.
    zmiany_ = std::make_unique_for_overwrite<ZmianaPrzebiegu[]>(poj_);
    kopie_ = std::make_unique_for_overwrite<BajtyPrzebiegu[]>(poj_ / Blok);
  } else {
    zmiany_.reset();
    kopie_.reset();
  }
  Rozpocznij(koniec_, biezace_);
}

void ZapisPrzebiegow::Rozpocznij(uint64_t cykl, const BajtyPrzebiegu& bajty) {
  pierwszy_ = nastepny_ = 0;
  poczatek_ = koniec_ = cykl;
  poczatkowe_ = biezace_ = bajty;
  liczbaRodzaju_ = {};
  ++wersja_;
  ++pokolenie_;
}

void ZapisPrzebiegow::UsunNajstarsza() {
  const ZmianaPrzebiegu& z = zmiany_[pierwszy_ % poj_];
  if (z.Bajt()) poczatkowe_[static_cast<size_t>(z.Rodzaj)] = z.Wartosc;
  poczatek_ = z.Cykl;
  --liczbaRodzaju_[static_cast<size_t>(z.Rodzaj)];
  ++pierwszy_;
}

void ZapisPrzebiegow::ObetnijPo(uint64_t cykl) {
  while (nastepny_ > pierwszy_) {
    const ZmianaPrzebiegu& z = zmiany_[(nastepny_ - 1) % poj_];
    if (z.Cykl <= cykl) break;
    if (z.Bajt()) biezace_[static_cast<size_t>(z.Rodzaj)] = z.Poprzednia;
    --liczbaRodzaju_[static_cast<size_t>(z.Rodzaj)];
    --nastepny_;
  }
  koniec_ = std::max(cykl, poczatek_);
  ++wersja_;
}

size_t ZapisPrzebiegow::PierwszaPo(uint64_t cykl) const {
  size_t od = 0;
  size_t n = Liczba();
  while (n > 0) {
    const size_t pol = n / 2;
    if ((*this)[od + pol].Cykl <= cykl) {
      od += pol + 1;
      n -= pol + 1;
    } else {
      n = pol;
    }
  }
  return od;
}

BajtyPrzebiegu ZapisPrzebiegow::BajtyPrzed(size_t i) const {
  // From the copy at the start of i's block, or from the beginning when the
  // block began before the oldest change held.
  const uint64_t abs = pierwszy_ + i;
  uint64_t start = abs / Blok * Blok;
  BajtyPrzebiegu b;
  if (start <= pierwszy_) {
    start = pierwszy_;
    b = poczatkowe_;
  } else {
    b = kopie_[(start / Blok) % (poj_ / Blok)];
  }
  for (uint64_t k = start; k < abs; ++k) {
    const ZmianaPrzebiegu& z = zmiany_[k % poj_];
    if (z.Bajt()) b[static_cast<size_t>(z.Rodzaj)] = z.Wartosc;
  }
  return b;
}

uint8_t ZapisPrzebiegow::Wartosc(Sygnal s, uint64_t cykl) const {
  return BajtyPrzed(PierwszaPo(cykl))[static_cast<size_t>(s)];
}

std::optional<OkresPinu> ZapisPrzebiegow::OstatniOkres(Sygnal s, int bit, uint64_t cykl) const {
  const auto maska = static_cast<uint8_t>(1u << (bit & 7));
  uint64_t zbocza[3];
  bool narastajace[3];
  int n = 0;
  for (size_t i = PierwszaPo(cykl); i > 0 && n < 3; --i) {
    const ZmianaPrzebiegu& z = (*this)[i - 1];
    if (z.Rodzaj != s || ((z.Wartosc ^ z.Poprzednia) & maska) == 0) continue;
    zbocza[n] = z.Cykl;
    narastajace[n] = (z.Wartosc & maska) != 0;
    ++n;
  }
  if (n < 3 || zbocza[0] == zbocza[2]) return std::nullopt;
  // zbocza[2] and zbocza[0] have the same direction, zbocza[1] is between.
  OkresPinu o;
  o.Okres = zbocza[0] - zbocza[2];
  o.Wysoki = narastajace[0] ? zbocza[1] - zbocza[2] : zbocza[0] - zbocza[1];
  o.Koniec = zbocza[0];
  return o;
}

std::optional<uint64_t> ZapisPrzebiegow::NajblizszaZmiana(Sygnal s, int bit, uint64_t cykl, uint64_t zasieg) const {
  const uint8_t maska = bit < 0 ? 0xFF : static_cast<uint8_t>(1u << (bit & 7));
  auto pasuje = [&](const ZmianaPrzebiegu& z) {
    if (z.Rodzaj != s) return false;
    return !z.Bajt() || ((z.Wartosc ^ z.Poprzednia) & maska) != 0;
  };
  std::optional<uint64_t> wynik;
  const size_t srodek = PierwszaOd(cykl);
  // Later ones first, then earlier ones that are nearer.
  for (size_t i = srodek; i < Liczba() && (*this)[i].Cykl - cykl <= zasieg; ++i) {
    if (pasuje((*this)[i])) {
      wynik = (*this)[i].Cykl;
      break;
    }
  }
  for (size_t i = srodek; i > 0 && cykl - (*this)[i - 1].Cykl <= zasieg; --i) {
    const ZmianaPrzebiegu& z = (*this)[i - 1];
    if (!pasuje(z)) continue;
    if (!wynik || cykl - z.Cykl < *wynik - cykl) wynik = z.Cykl;
    break;
  }
  return wynik;
}

}  // namespace kelbra
