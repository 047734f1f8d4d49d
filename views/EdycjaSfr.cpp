#include "EdycjaSfr.h"

#include "Liczby.h"

namespace kelbra {

const OpisSfr* ZnajdzSfr(uint8_t adres) {
  for (const OpisSfr& r : RejestrySfr)
    if (r.adres == adres) return &r;
  return nullptr;
}

int SekcjeOkna::Przelacz(size_t k) {
  if (Wysokosci[k] != 0) {
    const int zmiana = -Wysokosci[k];
    Wysokosci[k] = 0;
    return zmiana;
  }
  Wysokosci[k] = SekcjeSfr[k].wysokosc;
  return Wysokosci[k];
}

void SekcjeOkna::Ustaw(const std::array<int32_t, 4>& wysokosci) {
  for (size_t k = 0; k < Wysokosci.size(); ++k) Wysokosci[k] = wysokosci[k] != 0 ? SekcjeSfr[k].wysokosc : 0;
}

int SekcjeOkna::WysokoscKlienta() const {
  int h = WysokoscPaskaInfo;
  for (size_t k = 0; k < SekcjeSfr.size(); ++k) h += SekcjeSfr[k].wysokoscNaglowka + Wysokosci[k];
  return h;
}

std::string EdycjaSfr::TekstBajtu(uint8_t adres) const { return FormatLiczby(j_ ? j_->Data[adres] : 0, TrybDEC, 2); }

std::string EdycjaSfr::TekstBitu(uint8_t adres, int bit) const {
  return j_ && (j_->Data[adres] >> (bit & 7)) & 1 ? "1" : "0";
}

void EdycjaSfr::PodgladWartosci(std::string_view tekst, uint8_t adres) {
  if (!j_) return;
  if (EdytowanyAdres != adres) {
    staraWartoscSFR_ = j_->Data[adres];
    EdytowanyAdres = adres;
  }
  const Odczyt odczyt = OdczytajWartosc(*asembler_, tekst, TrybDEC);
  if (odczyt.rodzaj == Odczyt::Bledny) {
    NowaWartosc = "??";
    return;
  }
  StaraWartosc = FormatLiczby(staraWartoscSFR_, TrybDEC, 4);
  if (odczyt.rodzaj == Odczyt::Pusty) {
    // A cleared field holds no value out of range.
    NowaWartosc.clear();
    WZakresie = true;
    return;
  }
  j_->Data[adres] = static_cast<uint8_t>(odczyt.wartosc);
  WZakresie = odczyt.wartosc <= 255;
  NowaWartosc = FormatLiczby(odczyt.wartosc, TrybDEC, 4);
}

void EdycjaSfr::PrzelaczBitSFR(uint8_t adres, int bit) {
  if (j_) j_->Data[adres] ^= static_cast<uint8_t>(1u << (bit & 7));
  EdytowanyAdres.reset();
}

}  // namespace kelbra
