#include "ZnacznikiLinii.h"

#include <algorithm>

namespace kelbra {

void ZnacznikiLinii::Wczytaj(int liczbaLinii, const Sprawdz& sprawdz) {
  linie_.assign(static_cast<size_t>(std::max(liczbaLinii, 0)), 0);
  oznaczone_ = 0;
  for (int k = 0; k < liczbaLinii; ++k) {
    linie_[static_cast<size_t>(k)] = sprawdz(k);
    oznaczone_ += linie_[static_cast<size_t>(k)];
  }
}

void ZnacznikiLinii::Zmiana(int pierwsza, int nowe, int liczbaLinii, const Sprawdz& sprawdz) {
  // The changed lines before the edit: an edit always touches the line it
  // starts in, so both counts are at least one.
  const int stare = nowe - (liczbaLinii - LiczbaLinii());
  if (pierwsza < 0 || nowe < 1 || stare < 1 || pierwsza + stare > LiczbaLinii() || pierwsza + nowe > liczbaLinii) {
    Wczytaj(liczbaLinii, sprawdz);
    return;
  }
  const auto poczatek = linie_.begin() + pierwsza;
  oznaczone_ -= static_cast<size_t>(std::count(poczatek, poczatek + stare, uint8_t{1}));
  if (nowe > stare) linie_.insert(poczatek, static_cast<size_t>(nowe - stare), 0);
  else linie_.erase(poczatek, poczatek + (stare - nowe));
  for (int k = pierwsza; k < pierwsza + nowe; ++k) {
    linie_[static_cast<size_t>(k)] = sprawdz(k);
    oznaczone_ += linie_[static_cast<size_t>(k)];
  }
}

}  // namespace kelbra
