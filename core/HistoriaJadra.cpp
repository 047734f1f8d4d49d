#include "HistoriaJadra.h"

#include <algorithm>

namespace kelbra {

static_assert(sizeof(Jadro) < (size_t{1} << 23), "offsets into Jadro must fit below the observed-state mark");

HistoriaJadra::HistoriaJadra(Jadro& j, size_t rozkazow, size_t wpisow)
    : j_(j), pojRozkazow_(std::max<size_t>(rozkazow, 1)), pojWpisow_(std::max<size_t>(wpisow, 1)) {}

void HistoriaJadra::Wlacz(bool wlacz) {
  if (wlacz == wlaczona_) return;
  wlaczona_ = wlacz;
  if (wlacz) {
    // Not zeroed: the pages are only touched as the history fills.
    rozkazy_ = std::make_unique_for_overwrite<Rozkaz[]>(pojRozkazow_);
    wpisy_ = std::make_unique_for_overwrite<uint32_t[]>(pojWpisow_);
  } else {
    rozkazy_.reset();
    wpisy_.reset();
  }
  Wyczysc();
}

void HistoriaJadra::Wyczysc() {
  pierwszyRozkaz_ = 0;
  liczbaRozkazow_ = 0;
  koniecWpisow_ = 0;
  liczbaWpisow_ = 0;
  przepelnienie_ = false;
  ZapamietajPilnowane();
}

size_t HistoriaJadra::Pamiec() const {
  return wlaczona_ ? pojRozkazow_ * sizeof(Rozkaz) + pojWpisow_ * sizeof(uint32_t) : 0;
}

void HistoriaJadra::ObserwujStan(void* stan, size_t rozmiar, uint16_t od, uint16_t do_) {
  stan_ = static_cast<uint8_t*>(stan);
  rozmiarStanu_ = stan == nullptr ? 0 : std::min<size_t>(rozmiar, ZnacznikStanu);
  odAdresu_ = od;
  doAdresu_ = std::max(od, do_);
  kopiaStanu_.assign(rozmiarStanu_, 0);
  kopiaXdata_.assign(size_t{doAdresu_} - odAdresu_ + 1, 0);
  Wyczysc();
}

void HistoriaJadra::PilnujBajtu(uint8_t& komorka) {
  pilnowane_.push_back({&komorka, komorka});
  Wyczysc();
}

void HistoriaJadra::ZapamietajPilnowane() {
  for (Pilnowany& p : pilnowane_) p.znana = *p.komorka;
}

void HistoriaJadra::ZrobMiejsce() {
  // Oldest instructions go first, some of them with no entries at all.
  // The instruction being recorded is the newest; when it alone fills the
  // ring its record cannot be kept, so the whole history goes after it.
  while (liczbaWpisow_ == pojWpisow_) {
    if (liczbaRozkazow_ < 2) {
      przepelnienie_ = true;
      liczbaWpisow_ = 0;
      return;
    }
    liczbaWpisow_ -= rozkazy_[pierwszyRozkaz_].LiczbaWpisow;
    if (++pierwszyRozkaz_ == pojRozkazow_) pierwszyRozkaz_ = 0;
    --liczbaRozkazow_;
  }
}

int32_t HistoriaJadra::ZapisXdata(Jadro& j, uint16_t adres, uint8_t wartosc) {
  if (stan_ == nullptr || adres < odAdresu_ || adres > doAdresu_) return j.Plytka->LcdZapis(adres, wartosc);
  uint8_t* const xdata = &j.Xdata[odAdresu_];
  const size_t ileXdata = kopiaXdata_.size();
  std::memcpy(kopiaStanu_.data(), stan_, rozmiarStanu_);
  std::memcpy(kopiaXdata_.data(), xdata, ileXdata);
  const int32_t cykle = j.Plytka->LcdZapis(adres, wartosc);
  // By blocks first: a write changes a few fields of a state that is
  // mostly the glyph table.
  const uint8_t* const kopia = kopiaStanu_.data();
  constexpr size_t Blok = 64;
  for (size_t i = 0; i < rozmiarStanu_; i += Blok) {
    const size_t ile = std::min(Blok, rozmiarStanu_ - i);
    if (std::memcmp(stan_ + i, kopia + i, ile) == 0) continue;
    for (size_t k = i; k < i + ile; ++k) {
      if (stan_[k] != kopia[k]) Dopisz(ZnacznikStanu + static_cast<uint32_t>(k), kopia[k]);
    }
  }
  for (size_t i = 0; i < ileXdata; ++i) {
    if (xdata[i] != kopiaXdata_[i]) Dopisz(Miejsce(xdata[i]), kopiaXdata_[i]);
  }
  return cykle;
}

void HistoriaJadra::DolaczZmianyZzewnatrz() {
  if (liczbaRozkazow_ == 0) {
    ZapamietajPilnowane();
    return;
  }
  wpisyBiezacego_ = 0;
  for (const Pilnowany& p : pilnowane_) {
    if (*p.komorka != p.znana) Dopisz(Miejsce(*p.komorka), p.znana);
  }
  if (przepelnienie_) {
    Wyczysc();
    return;
  }
  size_t ostatni = pierwszyRozkaz_ + liczbaRozkazow_ - 1;
  if (ostatni >= pojRozkazow_) ostatni -= pojRozkazow_;
  rozkazy_[ostatni].LiczbaWpisow += wpisyBiezacego_;
  ZapamietajPilnowane();
}

int32_t HistoriaJadra::KrokJadra() {
  if (!wlaczona_) return j_.KrokJadra();
  DolaczZmianyZzewnatrz();
  if (liczbaRozkazow_ == pojRozkazow_) {
    liczbaWpisow_ -= rozkazy_[pierwszyRozkaz_].LiczbaWpisow;
    if (++pierwszyRozkaz_ == pojRozkazow_) pierwszyRozkaz_ = 0;
    --liczbaRozkazow_;
  }
  size_t gdzie = pierwszyRozkaz_ + liczbaRozkazow_;
  if (gdzie >= pojRozkazow_) gdzie -= pojRozkazow_;
  ++liczbaRozkazow_;
  Rozkaz& r = rozkazy_[gdzie];
  r = {0, j_.LicznikCykli, j_.SekundyJadra, j_.PC};
  wpisyBiezacego_ = 0;
  const int32_t n = KrokZapisany();
  r.LiczbaWpisow = wpisyBiezacego_;
  ZapamietajPilnowane();
  if (przepelnienie_) Wyczysc();
  return n;
}

void HistoriaJadra::Przywroc(uint32_t wpis) {
  const uint32_t miejsce = wpis >> 8;
  const auto stary = static_cast<uint8_t>(wpis);
  if (miejsce >= ZnacznikStanu) {
    stan_[miejsce - ZnacznikStanu] = stary;
  } else {
    reinterpret_cast<uint8_t*>(&j_)[miejsce] = stary;
  }
}

bool HistoriaJadra::Cofnij() {
  if (liczbaRozkazow_ == 0) return false;
  DolaczZmianyZzewnatrz();
  if (liczbaRozkazow_ == 0) return false;
  size_t ostatni = pierwszyRozkaz_ + liczbaRozkazow_ - 1;
  if (ostatni >= pojRozkazow_) ostatni -= pojRozkazow_;
  const Rozkaz& r = rozkazy_[ostatni];
  for (uint32_t k = 0; k < r.LiczbaWpisow; ++k) {
    koniecWpisow_ = koniecWpisow_ == 0 ? pojWpisow_ - 1 : koniecWpisow_ - 1;
    --liczbaWpisow_;
    Przywroc(wpisy_[koniecWpisow_]);
  }
  j_.PC = r.PC;
  j_.LicznikCykli = r.LicznikCykli;
  j_.SekundyJadra = r.SekundyJadra;
  --liczbaRozkazow_;
  ZapamietajPilnowane();
  return true;
}

}  // namespace kelbra
