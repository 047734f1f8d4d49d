#include "TabelaAsemblacji.h"

#include <cassert>

#include "Tekst.h"

namespace kelbra {

const WierszRozkazu& NaglowekTabeli() {
  static const WierszRozkazu naglowek{{"Linia", "Etykieta", "Mnemonik", "Arg 1", "Arg 2", "Arg 3", "Blad Etykiety",
                                      "Blad Mnemonika", "Blad Argumentu", "Adres", "Adres", "kod rozkazu"}};
  return naglowek;
}

void TabelaAsemblacji::Ustaw(size_t r, int kolumna, std::string tekst) {
  assert(kolumna != KolEtykieta);
  wiersze_[r][kolumna] = std::move(tekst);
}

void TabelaAsemblacji::UstawAdres(size_t r, int32_t adres) {
  // to_chars into the cell's own buffer: this runs for every row of every pass.
  char bufor[12];
  char* p = bufor + sizeof bufor;
  uint32_t v = adres < 0 ? 0u - static_cast<uint32_t>(adres) : static_cast<uint32_t>(adres);
  do {
    *--p = static_cast<char>('0' + v % 10);
    v /= 10;
  } while (v != 0);
  if (adres < 0) *--p = '-';
  wiersze_[r][KolAdres].assign(p, static_cast<size_t>(bufor + sizeof bufor - p));
}

void TabelaAsemblacji::ZmienRozmiar(size_t n) {
  if (n < 1) n = 1;
  if (n == wiersze_.size()) return;
  wiersze_.resize(n);
  indeksAktualny_ = false;
}

const std::string& TabelaAsemblacji::Klucz(std::string_view nazwa) const {
  klucz_.assign(nazwa);
  for (char& c : klucz_) c = tekst::Mala(c);
  return klucz_;
}

void TabelaAsemblacji::Zbuduj() const {
  indeks_.clear();
  dlugosci_.clear();
  for (size_t r = 1; r < wiersze_.size(); ++r) {
    const std::string& e = wiersze_[r][KolEtykieta];
    if (e.empty()) continue;
    if (dlugosci_.size() <= e.size()) dlugosci_.resize(e.size() + 1);
    dlugosci_[e.size()] = true;
    auto [it, nowy] = indeks_.try_emplace(tekst::Male(e), Wystapienia{static_cast<uint32_t>(r), 0});
    if (!nowy && it->second.drugi == 0) it->second.drugi = static_cast<uint32_t>(r);
  }
  indeksAktualny_ = true;
}

std::optional<int32_t> TabelaAsemblacji::Szukaj(std::string_view nazwa) const {
  if (nazwa.empty()) return std::nullopt;
  if (!indeksAktualny_) Zbuduj();
  if (nazwa.size() >= dlugosci_.size() || !dlugosci_[nazwa.size()]) return std::nullopt;
  const auto it = indeks_.find(Klucz(nazwa));
  if (it == indeks_.end()) return std::nullopt;
  return tekst::LiczbaKomorki(wiersze_[it->second.pierwszy][KolAdres]);
}

bool TabelaAsemblacji::JestPozaWierszem(std::string_view nazwa, size_t r) const {
  if (nazwa.empty()) return false;
  if (!indeksAktualny_) Zbuduj();
  if (nazwa.size() >= dlugosci_.size() || !dlugosci_[nazwa.size()]) return false;
  const auto it = indeks_.find(Klucz(nazwa));
  if (it == indeks_.end()) return false;
  return it->second.pierwszy != r || it->second.drugi != 0;
}

}  // namespace kelbra
