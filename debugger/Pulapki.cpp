#include "Pulapki.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace kelbra {

namespace {

std::optional<int32_t> Liczba(const std::string& tekst) {
  int32_t v = 0;
  const char* koniec = tekst.data() + tekst.size();
  const auto [p, blad] = std::from_chars(tekst.data(), koniec, v);
  if (blad != std::errc() || p != koniec || tekst.empty()) return std::nullopt;
  return v;
}

bool RownaBezWielkosci(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t k = 0; k < a.size(); ++k) {
    char c = a[k];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != b[k]) return false;
  }
  return true;
}

// Directives whose Adres cell is the value they define.
bool DefiniujeWartosc(std::string_view mnemonik) {
  for (std::string_view d : {"equ", "set", "data", "idata", "xdata", "code", "bit"})
    if (RownaBezWielkosci(mnemonik, d)) return true;
  return false;
}

}  // namespace

void MapaAdresow::Zbuduj(const TabelaAsemblacji& tabela) {
  wiersze_.clear();
  std::fill(liniaAdresu_.begin(), liniaAdresu_.end(), -1);
  for (size_t r = 1; r < tabela.Rozmiar(); ++r) {
    const WierszRozkazu& w = tabela[r];
    const auto linia = Liczba(w[KolLinia]);
    if (!linia || *linia < 0) continue;
    int32_t adres = -1;
    if (!DefiniujeWartosc(w[KolMnemonik])) {
      const auto a = Liczba(w[KolAdres]);
      if (a && *a >= 0 && *a <= 0xFFFF) adres = *a;
    }
    // Rows come in line order; a row that breaks it is dropped rather than
    // let the binary searches below go astray.
    if (!wiersze_.empty() && wiersze_.back().linia > *linia) continue;
    wiersze_.push_back({*linia, adres});
    if (adres >= 0) liniaAdresu_[static_cast<size_t>(adres)] = *linia;
  }
}

MapaAdresow::AdresLinii MapaAdresow::AdresDlaLinii(int linia) const {
  auto it = std::lower_bound(wiersze_.begin(), wiersze_.end(), linia,
                             [](const Wiersz& w, int l) { return w.linia < l; });
  AdresLinii wynik;
  for (; it != wiersze_.end() && it->linia == linia; ++it) {
    if (it->adres >= 0) return {Rodzaj::Adres, static_cast<uint16_t>(it->adres)};
    wynik.rodzaj = Rodzaj::BezAdresu;
  }
  return wynik;
}

std::optional<uint16_t> MapaAdresow::AdresDoLinii(int linia) const {
  auto it = std::upper_bound(wiersze_.begin(), wiersze_.end(), linia,
                             [](int l, const Wiersz& w) { return l < w.linia; });
  while (it != wiersze_.begin()) {
    --it;
    if (it->adres >= 0) return static_cast<uint16_t>(it->adres);
  }
  return std::nullopt;
}

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
    // Lines after the caret's move up by the number removed; what falls off
    // the end of the old text is cleared.
    const int koniec = std::min(staraLiczba, LiczbaLinii - 1);
    for (int k = liniaPo + 1; k <= koniec; ++k) wpis(k) = k + usuniete < LiczbaLinii ? wpis(k + usuniete) : -1;
    for (int k = std::max(liniaPo + 1, koniec - usuniete + 1); k <= koniec; ++k) wpis(k) = -1;
  }
}

}  // namespace kelbra
