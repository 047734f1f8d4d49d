#include "HistoriaJadra.h"

#include <algorithm>
#include <bit>

namespace kelbra {

static_assert(sizeof(Jadro) < (size_t{1} << 23), "offsets into Jadro must fit below the observed-state mark");

namespace {
size_t PotegaDwojki(size_t n) { return std::bit_ceil(std::max<size_t>(n, 1)); }
}  // namespace

HistoriaJadra::HistoriaJadra(Jadro& j, size_t rozkazow, size_t wpisow)
    : j_(j), pojRozkazow_(std::max<size_t>(rozkazow, 1)), pojWpisow_(std::max<size_t>(wpisow, 1)) {}

void HistoriaJadra::Wlacz(bool wlacz) {
  if (wlacz == wlaczona_) return;
  wlaczona_ = wlacz;
  if (wlacz) {
    // Not zeroed: the pages are only touched as the history fills.
    maskaRozkazow_ = PotegaDwojki(pojRozkazow_) - 1;
    maskaWpisow_ = PotegaDwojki(pojWpisow_) - 1;
    rozkazy_ = std::make_unique_for_overwrite<Rozkaz[]>(maskaRozkazow_ + 1);
    wpisy_ = std::make_unique_for_overwrite<uint32_t[]>(maskaWpisow_ + 1);
  } else {
    rozkazy_.reset();
    wpisy_.reset();
  }
  Wyczysc();
}

void HistoriaJadra::Wyczysc() {
  koniecRozkazow_ = 0;
  szczytRozkazow_ = 0;
  koniecWpisow_ = 0;
  szczytWpisow_ = 0;
}

size_t HistoriaJadra::Pamiec() const {
  return wlaczona_ ? (maskaRozkazow_ + 1) * sizeof(Rozkaz) + (maskaWpisow_ + 1) * sizeof(uint32_t) : 0;
}

size_t HistoriaJadra::Liczba() const {
  // The whole ones are the newest: their first changed bytes grow with i.
  uint64_t od = Najstarszy();
  uint64_t doR = koniecRozkazow_;
  if (od >= doR) return 0;
  while (od < doR) {
    const uint64_t srodek = od + (doR - od) / 2;
    if (Caly(srodek)) doR = srodek;
    else od = srodek + 1;
  }
  return static_cast<size_t>(koniecRozkazow_ - od);
}

size_t HistoriaJadra::Wpisy() const {
  const size_t n = Liczba();
  return n == 0 ? 0 : static_cast<size_t>(koniecWpisow_ - PierwszyWpis(koniecRozkazow_ - n));
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

void HistoriaJadra::ZapisZzewnatrz(uint8_t& komorka, uint8_t wartosc) {
  // Recorded as a change of the last instruction, made after it ran.
  if (koniecRozkazow_ == 0 || komorka == wartosc) return;
  Dopisz(Miejsce(komorka), komorka);
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
  if (!MoznaCofnac()) {
    Wyczysc();
    return false;
  }
  szczytRozkazow_ = std::max(szczytRozkazow_, koniecRozkazow_);
  szczytWpisow_ = std::max(szczytWpisow_, koniecWpisow_);
  const uint64_t ostatni = koniecRozkazow_ - 1;
  const uint64_t pierwszy = PierwszyWpis(ostatni);
  while (koniecWpisow_ > pierwszy) {
    --koniecWpisow_;
    Przywroc(wpisy_[koniecWpisow_ & maskaWpisow_]);
  }
  const Rozkaz& r = rozkazy_[ostatni & maskaRozkazow_];
  j_.PC = r.PC;
  // The clock has moved on by this instruction's cycles alone since.
  j_.Cykle -= static_cast<uint32_t>(static_cast<uint32_t>(j_.Cykle) - r.Cykle);
  koniecRozkazow_ = ostatni;
  return true;
}

}  // namespace kelbra
