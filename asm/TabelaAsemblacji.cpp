#include "TabelaAsemblacji.h"

#include <cassert>
#include <charconv>

#include "Tekst.h"

namespace kelbra {

const WierszRozkazu& NaglowekTabeli() {
  static const WierszRozkazu naglowek{{"Linia", "Etykieta", "Mnemonik", "Arg 1", "Arg 2", "Arg 3", "Blad Etykiety",
                                      "Blad Mnemonika", "Blad Argumentu", "Adres", "Adres", "kod rozkazu"}};
  return naglowek;
}

std::optional<int32_t> WierszRozkazu::LiczbaKomorki(std::string_view komorka) {
  int32_t v = 0;
  const char* koniec = komorka.data() + komorka.size();
  const auto [p, blad] = std::from_chars(komorka.data(), koniec, v);
  if (komorka.empty() || blad != std::errc() || p != koniec) return std::nullopt;
  return v;
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

namespace {

// FNV-1a over the lower-cased bytes.
uint32_t Skrot(std::string_view s) {
  uint32_t h = 2166136261u;
  for (char c : s) h = (h ^ static_cast<uint8_t>(tekst::Mala(c))) * 16777619u;
  return h;
}

}  // namespace

const TabelaAsemblacji::Wystapienia* TabelaAsemblacji::Znajdz(std::string_view nazwa) const {
  const uint32_t h = Skrot(nazwa);
  for (size_t i = h & maska_;; i = (i + 1) & maska_) {
    const Wystapienia& w = indeks_[i];
    if (w.pierwszy == 0) return nullptr;
    if (w.skrot == h && tekst::RowneBezWielkosci(wiersze_[w.pierwszy][KolEtykieta], nazwa)) return &w;
  }
}

void TabelaAsemblacji::Zbuduj() const {
  dlugosci_.clear();
  size_t etykiety = 0;
  for (size_t r = 1; r < wiersze_.size(); ++r) etykiety += !wiersze_[r][KolEtykieta].empty();
  // At most half full, so that a probe soon meets a free slot.
  size_t rozmiar = 16;
  while (rozmiar < 2 * etykiety) rozmiar *= 2;
  indeks_.assign(rozmiar, Wystapienia{0, 0, 0});
  maska_ = rozmiar - 1;
  for (size_t r = 1; r < wiersze_.size(); ++r) {
    const std::string& e = wiersze_[r][KolEtykieta];
    if (e.empty()) continue;
    if (dlugosci_.size() <= e.size()) dlugosci_.resize(e.size() + 1);
    dlugosci_[e.size()] = true;
    const uint32_t h = Skrot(e);
    for (size_t i = h & maska_;; i = (i + 1) & maska_) {
      Wystapienia& w = indeks_[i];
      if (w.pierwszy == 0) {
        w = {static_cast<uint32_t>(r), 0, h};
        break;
      }
      if (w.skrot == h && tekst::RowneBezWielkosci(wiersze_[w.pierwszy][KolEtykieta], e)) {
        if (w.drugi == 0) w.drugi = static_cast<uint32_t>(r);
        break;
      }
    }
  }
  indeksAktualny_ = true;
}

std::optional<int32_t> TabelaAsemblacji::Szukaj(std::string_view nazwa) const {
  if (nazwa.empty()) return std::nullopt;
  if (!indeksAktualny_) Zbuduj();
  if (nazwa.size() >= dlugosci_.size() || !dlugosci_[nazwa.size()]) return std::nullopt;
  const Wystapienia* w = Znajdz(nazwa);
  if (!w) return std::nullopt;
  // An Adres cell not written yet reads 0.
  return wiersze_[w->pierwszy].Adres().value_or(0);
}

bool TabelaAsemblacji::JestPozaWierszem(std::string_view nazwa, size_t r) const {
  if (nazwa.empty()) return false;
  if (!indeksAktualny_) Zbuduj();
  if (nazwa.size() >= dlugosci_.size() || !dlugosci_[nazwa.size()]) return false;
  const Wystapienia* w = Znajdz(nazwa);
  if (!w) return false;
  return w->pierwszy != r || w->drugi != 0;
}

}  // namespace kelbra
