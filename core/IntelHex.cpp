#include "IntelHex.h"

namespace kelbra {

namespace {

int Cyfra(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

bool WczytajIntelHex(std::string_view tekst, std::array<uint8_t, 65536>& code) {
  size_t i = 0;
  auto bajt = [&](uint8_t& wynik) {
    if (i + 2 > tekst.size()) return false;
    const int h = Cyfra(tekst[i]), l = Cyfra(tekst[i + 1]);
    if (h < 0 || l < 0) return false;
    wynik = static_cast<uint8_t>(h << 4 | l);
    i += 2;
    return true;
  };
  while (i < tekst.size()) {
    const char c = tekst[i];
    if (c == '\r' || c == '\n' || c == ' ' || c == '\t') {
      ++i;
      continue;
    }
    if (c != ':') return false;
    ++i;
    uint8_t dlugosc, ah, al, typ;
    if (!bajt(dlugosc) || !bajt(ah) || !bajt(al) || !bajt(typ)) return false;
    uint8_t suma = static_cast<uint8_t>(dlugosc + ah + al + typ);
    uint8_t dane[255];
    for (int k = 0; k < dlugosc; ++k) {
      if (!bajt(dane[k])) return false;
      suma = static_cast<uint8_t>(suma + dane[k]);
    }
    uint8_t kontrolna;
    if (!bajt(kontrolna) || static_cast<uint8_t>(suma + kontrolna) != 0) return false;
    if (typ == 0x01) return true;
    if (typ != 0x00) return false;
    uint16_t adres = static_cast<uint16_t>(ah << 8 | al);
    for (int k = 0; k < dlugosc; ++k) code[adres++] = dane[k];
  }
  return true;
}

std::string ZapiszIntelHex(const std::vector<std::pair<uint16_t, uint8_t>>& bajty) {
  static constexpr char Cyfry[] = "0123456789ABCDEF";
  std::string wynik;
  // A full record takes 44 characters: ":", 4 header bytes, 16 data bytes,
  // the checksum and the line end.
  wynik.reserve((bajty.size() / 16 + 2) * 44);
  uint8_t suma = 0;
  auto bajt = [&](uint8_t b) {
    wynik += Cyfry[b >> 4];
    wynik += Cyfry[b & 0x0F];
    suma = static_cast<uint8_t>(suma + b);
  };
  auto rekord = [&](uint16_t adres, uint8_t typ, const uint8_t* dane, size_t n) {
    suma = 0;
    wynik += ':';
    bajt(static_cast<uint8_t>(n));
    bajt(static_cast<uint8_t>(adres >> 8));
    bajt(static_cast<uint8_t>(adres));
    bajt(typ);
    for (size_t k = 0; k < n; ++k) bajt(dane[k]);
    bajt(static_cast<uint8_t>(-suma));
    wynik += '\n';
  };
  size_t k = 0;
  while (k < bajty.size()) {
    const uint16_t poczatek = bajty[k].first;
    uint8_t dane[16];
    size_t n = 0;
    // A record holds consecutive addresses and does not wrap past FFFFh.
    while (k < bajty.size() && n < 16 && bajty[k].first == poczatek + n) dane[n++] = bajty[k++].second;
    rekord(poczatek, 0x00, dane, n);
  }
  rekord(0, 0x01, nullptr, 0);
  return wynik;
}

}  // namespace kelbra
