#include "MapaAdresow.h"

#include <algorithm>

namespace kelbra {

void MapaAdresow::Zbuduj(const TabelaAsemblacji& tabela) {
  wiersze_.clear();
  linie_.clear();
  wszystkie_ = true;
  std::fill(liniaAdresu_.begin(), liniaAdresu_.end(), -1);
  for (size_t r = 1; r < tabela.Rozmiar(); ++r) {
    const WierszRozkazu& w = tabela[r];
    const std::optional<int32_t> linia = w.Linia();
    if (!linia || *linia < 0 || (!wiersze_.empty() && wiersze_.back().linia > *linia)) {
      wszystkie_ = false;
      continue;
    }
    int32_t adres = -1;
    if (!DefiniujeWartosc(w.SlowoMnemonika())) {
      const std::optional<int32_t> a = w.Adres();
      if (a && *a >= 0 && *a <= 0xFFFF) adres = *a;
    }
    wiersze_.push_back({*linia, adres, static_cast<uint32_t>(r)});
    if (adres >= 0) liniaAdresu_[static_cast<size_t>(adres)] = *linia;
  }
  // The assembler writes its rows in line order, so this list is only for
  // tables written otherwise.
  if (wszystkie_) return;
  for (size_t r = 1; r < tabela.Rozmiar(); ++r)
    if (const std::optional<int32_t> linia = tabela[r].Linia())
      linie_.push_back({*linia, -1, static_cast<uint32_t>(r)});
  std::stable_sort(linie_.begin(), linie_.end(), [](const Wiersz& a, const Wiersz& b) { return a.linia < b.linia; });
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

size_t MapaAdresow::WierszLinii(int linia) const {
  const std::vector<Wiersz>& v = wszystkie_ ? wiersze_ : linie_;
  const auto it =
      std::lower_bound(v.begin(), v.end(), linia, [](const Wiersz& w, int l) { return w.linia < l; });
  return it != v.end() && it->linia == linia ? it->wiersz : 0;
}

}  // namespace kelbra
