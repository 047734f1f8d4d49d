#include "Pulapki.h"

#include <algorithm>

namespace kelbra {

void Pulapki::Wyczysc() {
  ++wersja_;
  std::fill(linie_.begin(), linie_.end(), -1);
  std::fill(adresy_.begin(), adresy_.end(), -1);
}

void Pulapki::UstawAdres(int linia, const MapaAdresow& mapa) {
  ++wersja_;
  const MapaAdresow::AdresLinii a = mapa.AdresDlaLinii(linia);
  int32_t adres = 0;  // a line with no row at all stops at address 0
  if (a.rodzaj == MapaAdresow::Rodzaj::Adres) adres = a.adres;
  else if (a.rodzaj == MapaAdresow::Rodzaj::BezAdresu) adres = BezAdresu;
  linie_[static_cast<size_t>(linia)] = adres;
  if (adres < LiczbaAdresow) adresy_[static_cast<size_t>(adres)] = linia;
}

void Pulapki::Przelacz(int linia, const MapaAdresow& mapa, int liczbaLiniiEdytora) {
  if (linia < 0 || linia >= LiczbaLinii) return;
  const int32_t adres = linie_[static_cast<size_t>(linia)];
  if (adres < 0) {
    UstawAdres(linia, mapa);
    return;
  }
  linie_[static_cast<size_t>(linia)] = -1;
  ++wersja_;
  if (adres >= LiczbaAdresow || adresy_[static_cast<size_t>(adres)] != linia) return;
  // Another line may share the address (a label line and its instruction):
  // its breakpoint keeps the slot, as a recount would give it.
  adresy_[static_cast<size_t>(adres)] = -1;
  const int koniec = std::min(std::max(liczbaLiniiEdytora, 0), LiczbaLinii);
  for (int k = koniec - 1; k >= 0; --k) {
    if (linie_[static_cast<size_t>(k)] == adres) {
      adresy_[static_cast<size_t>(adres)] = k;
      break;
    }
  }
}

void Pulapki::Przelicz(const MapaAdresow& mapa, int liczbaLiniiEdytora) {
  ++wersja_;
  std::fill(adresy_.begin(), adresy_.end(), -1);
  const int koniec = std::min(liczbaLiniiEdytora, LiczbaLinii);
  for (int j = 0; j < koniec; ++j)
    if (linie_[static_cast<size_t>(j)] >= 0) UstawAdres(j, mapa);
}

void Pulapki::Przesun(int staraLiczba, int nowaLiczba, int liniaPo) {
  const int n = nowaLiczba - staraLiczba;
  if (n == 0 || liniaPo < 0 || liniaPo >= LiczbaLinii) return;
  ++wersja_;
  auto wpis = [this](int k) -> int32_t& { return linie_[static_cast<size_t>(k)]; };
  if (n > 0) {
    // Lines after the caret's move down by n; the n lines ending at the
    // caret's line are new and carry nothing.
    for (int k = std::min(nowaLiczba, LiczbaLinii - 1); k > liniaPo; --k) wpis(k) = k - n >= 0 ? wpis(k - n) : -1;
    for (int k = std::max(0, liniaPo - n + 1); k <= liniaPo; ++k) wpis(k) = -1;
  } else {
    const int usuniete = -n;
    // Lines after the caret's move up by the number removed. Nothing may
    // stay past the new last line: a mark there would come back on a line
    // the student never chose once the text grows again.
    const int koniec = std::clamp(nowaLiczba, 0, LiczbaLinii);
    for (int k = liniaPo + 1; k < koniec; ++k) wpis(k) = k + usuniete < LiczbaLinii ? wpis(k + usuniete) : -1;
    std::fill(linie_.begin() + koniec, linie_.end(), -1);
  }
}

}  // namespace kelbra
