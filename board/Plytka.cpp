#include "Plytka.h"

namespace kelbra {

void PlytkaKelbra::PierwszePokazanie(std::array<uint8_t, 256>& data,
                                     std::array<uint8_t, 65536>& xdata,
                                     const AdresyPlytki& adresy) {
  data_ = &data;
  xdata_ = &xdata;
  adresy_ = adresy;
  lcd.Xdata = &xdata;
  xdata[adresy_.AdresKlStatycznych] = 0xFF;
  xdata[adresy_.AdresKlDynamicznych0] = 0xFF;
  xdata[adresy_.AdresKlDynamicznych1] = 0xFF;
  lcd.SekwencjaStartowa();
}

void PodlaczPlytke(Jadro& j, PlytkaKelbra& plytka) {
  j.Plytka = &plytka;
  plytka.jadro_ = &j;
  plytka.PierwszePokazanie(j.Data, j.Xdata);
}

void PlytkaKelbra::NotujZapis(uint16_t adres, uint8_t wartosc) {
  // MOVX takes two cycles: the write shows when it is done, as a port's
  // change does.
  const uint64_t cykl = (jadro_ ? jadro_->Cykle : 0) + 2;
  if (adres == Lcd::AdresRozkazu || adres == Lcd::AdresDanych) {
    Przebiegi->ZapisLcd(adres == Lcd::AdresDanych, wartosc, cykl);
  } else if (adres == adresy_.AdresKlStatycznych) {
    Przebiegi->Bajt(Sygnal::KlStatyczne, wartosc, cykl);
  } else if (adres == adresy_.AdresKlDynamicznych0) {
    Przebiegi->Bajt(Sygnal::KlDynamiczne0, wartosc, cykl);
  } else if (adres == adresy_.AdresKlDynamicznych1) {
    Przebiegi->Bajt(Sygnal::KlDynamiczne1, wartosc, cykl);
  }
}

void PlytkaKelbra::Zapisz(uint16_t adres, uint8_t wartosc) {
  // Before the first showing there is no machine state to write into.
  if (xdata_ != nullptr) {
    Zapisz((*xdata_)[adres], wartosc);
  }
}

void PlytkaKelbra::PrzelaczKlStatyczny(int n) {
  if (!Poprawny(n, LiczbaKlStatycznych)) {
    return;
  }
  // The indicator is the authority; the byte mirrors it.
  wskazniki_[n] = !wskazniki_[n];
  const uint8_t bit = static_cast<uint8_t>(1u << n);
  if (wskazniki_[n]) {
    StanKlStatycznych &= static_cast<uint8_t>(~bit);
  } else {
    StanKlStatycznych |= bit;
  }
  Zapisz(adresy_.AdresKlStatycznych, StanKlStatycznych);
}

void PlytkaKelbra::KlStatycznyMyszDol(int n) {
  if (Poprawny(n, LiczbaKlStatycznych)) {
    statyczneWcisniete_[n] = true;
  }
}

void PlytkaKelbra::KlStatycznyMyszGora(int n) {
  if (Poprawny(n, LiczbaKlStatycznych)) {
    statyczneWcisniete_[n] = false;
  }
}

bool PlytkaKelbra::WskaznikWlaczony(int n) const {
  return Poprawny(n, LiczbaKlStatycznych) && wskazniki_[n];
}

Rgb PlytkaKelbra::KolorWskaznika(int n) const {
  return WskaznikWlaczony(n) ? KolorWskaznikaWlaczony : KolorWskaznikaWylaczony;
}

bool PlytkaKelbra::KlStatycznyWcisniety(int n) const {
  return Poprawny(n, LiczbaKlStatycznych) && statyczneWcisniete_[n];
}

void PlytkaKelbra::PrzelaczKlDynamiczny(int n) {
  if (!Poprawny(n, LiczbaKlDynamicznych)) {
    return;
  }
  // The button's look is the authority; the byte mirrors it.
  dynamiczneWcisniete_[n] = !dynamiczneWcisniete_[n];
  const bool druga = n >= 8;
  uint8_t& stan = druga ? StanKlDynamicznych1 : StanKlDynamicznych0;
  const uint8_t bit = static_cast<uint8_t>(1u << (n & 7));
  if (dynamiczneWcisniete_[n]) {
    stan &= static_cast<uint8_t>(~bit);
  } else {
    stan |= bit;
  }
  Zapisz(druga ? adresy_.AdresKlDynamicznych1 : adresy_.AdresKlDynamicznych0, stan);
}

void PlytkaKelbra::KlDynamicznyMyszGora(int n, int y) {
  if (KlDynamicznyWcisniety(n) && y > 0) {
    PrzelaczKlDynamiczny(n);
  }
}

bool PlytkaKelbra::KlDynamicznyWcisniety(int n) const {
  return Poprawny(n, LiczbaKlDynamicznych) && dynamiczneWcisniete_[n];
}

void PlytkaKelbra::KlawiszPC(uint8_t kod) {
  if (data_ == nullptr) {
    return;
  }
  // No overrun and no interrupt: the last code wins and RI just stays set.
  Zapisz((*data_)[adresy_.SBUF], kod);
  Zapisz((*data_)[adresy_.SCON], static_cast<uint8_t>((*data_)[adresy_.SCON] | 0x01));
}

bool PlytkaKelbra::WpiszKlawiszPC(uint8_t wartosc, uint64_t cykl) {
  if (!KolejkaPC.Dodaj(wartosc)) return false;
  DostarczKlawiszPC(cykl);
  return true;
}

bool PlytkaKelbra::OdswiezDiody() {
  if (data_ == nullptr) {
    return false;
  }
  const std::array<uint8_t, LiczbaWierszyDiod> porty{(*data_)[adresy_.P0], (*data_)[adresy_.P1],
                                                     (*data_)[adresy_.P2], (*data_)[adresy_.P3]};
  const bool zmiana = porty != zatrzaski_;
  zatrzaski_ = porty;
  return zmiana;
}

bool PlytkaKelbra::DiodaSwieci(int wiersz, int pozycja) const {
  if (!Poprawny(wiersz, LiczbaWierszyDiod) || !Poprawny(pozycja, 8)) {
    return false;
  }
  return (zatrzaski_[wiersz] & (0x80u >> pozycja)) == 0;  // active low
}

Rgb PlytkaKelbra::KolorDiody(int wiersz, int pozycja) const {
  return DiodaSwieci(wiersz, pozycja) ? KolorDiodySwieci : KolorDiodyZgaszonej;
}

void PlytkaKelbra::KopiujKlawisze() {
  Zapisz(adresy_.AdresKlDynamicznych0, StanKlDynamicznych0);
  Zapisz(adresy_.AdresKlDynamicznych1, StanKlDynamicznych1);
  Zapisz(adresy_.AdresKlStatycznych, StanKlStatycznych);
}

}  // namespace kelbra
