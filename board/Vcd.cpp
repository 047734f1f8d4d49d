#include "Vcd.h"

#include <algorithm>
#include <charconv>

namespace kelbra {

namespace {

// Identifier codes: pins '!' + 8 * port + bit, then the byte vectors, then
// the LCD's three.
constexpr char KodPinu(int port, int bit) { return static_cast<char>('!' + 8 * port + bit); }
constexpr char KodBajtu(int k) { return static_cast<char>('!' + 32 + k); }
constexpr char KodLcd = '!' + 32 + LiczbaBajtowPrzebiegu;
constexpr char KodRs = KodLcd + 1;
constexpr char KodE = KodLcd + 2;

constexpr const char* NazwyBajtow[LiczbaBajtowPrzebiegu] = {"P0", "P1", "P2", "P3", "KL_FFB0", "KL_FFE1", "KL_FFE2"};

void Czas(std::string& s, uint64_t cykl) {
  char bufor[24];
  const auto w = std::to_chars(bufor, bufor + sizeof bufor, cykl);
  s += '#';
  s.append(bufor, w.ptr);
  s += '\n';
}

void Wektor(std::string& s, uint8_t b, char kod) {
  char linia[12] = {'b'};
  for (int bit = 0; bit < 8; ++bit) linia[1 + bit] = (b & (0x80u >> bit)) ? '1' : '0';
  linia[9] = ' ';
  linia[10] = kod;
  linia[11] = '\n';
  s.append(linia, sizeof linia);
}

void Bit(std::string& s, bool jeden, char kod) {
  s += jeden ? '1' : '0';
  s += kod;
  s += '\n';
}

// A byte row's value and, for the ports, the pins whose bits `rozne` marks.
void Bajt(std::string& s, int k, uint8_t b, unsigned rozne) {
  Wektor(s, b, KodBajtu(k));
  if (k >= 4) return;
  for (int bit = 0; bit < 8; ++bit) {
    if (rozne & (1u << bit)) Bit(s, (b >> bit) & 1, KodPinu(k, bit));
  }
}

}  // namespace

std::string TekstVcd(const ZapisPrzebiegow& zapis) {
  std::string s;
  // About 30 bytes a change: a vector line and a pin line or two.
  s.reserve(2048 + zapis.Liczba() * 32);
  s += "$version Kelbra 8051 $end\n$timescale 1 us $end\n$scope module kelbra $end\n";
  for (int port = 0; port < 4; ++port) {
    for (int bit = 0; bit < 8; ++bit) {
      s += "$var wire 1 ";
      s += KodPinu(port, bit);
      s += " P" + std::to_string(port) + "." + std::to_string(bit) + " $end\n";
    }
  }
  for (int k = 0; k < LiczbaBajtowPrzebiegu; ++k) {
    s += "$var wire 8 ";
    s += KodBajtu(k);
    s += std::string(" ") + NazwyBajtow[k] + " [7:0] $end\n";
  }
  s += std::string("$var wire 8 ") + KodLcd + " LCD [7:0] $end\n";
  s += std::string("$var wire 1 ") + KodRs + " LCD_RS $end\n";
  s += std::string("$var wire 1 ") + KodE + " LCD_E $end\n";
  s += "$upscope $end\n$enddefinitions $end\n";

  Czas(s, zapis.Poczatek());
  s += "$dumpvars\n";
  const BajtyPrzebiegu& b = zapis.BajtyPoczatkowe();
  for (int k = 0; k < LiczbaBajtowPrzebiegu; ++k) Bajt(s, k, b[static_cast<size_t>(k)], 0xFF);
  s += std::string("bxxxxxxxx ") + KodLcd + "\nx" + KodRs + "\n0" + KodE + "\n$end\n";

  uint64_t czas = zapis.Poczatek();
  // The strobe falls a cycle after its write.
  uint64_t opadanieE = UINT64_MAX;
  // A write in the strobe's falling cycle keeps it up.
  auto DoCzasu = [&](uint64_t cykl, bool lcd) {
    if (opadanieE < cykl || (opadanieE == cykl && !lcd)) {
      if (opadanieE != czas) Czas(s, opadanieE);
      Bit(s, false, KodE);
      czas = opadanieE;
      opadanieE = UINT64_MAX;
    }
    if (cykl != czas) {
      Czas(s, cykl);
      czas = cykl;
    }
  };
  for (size_t i = 0; i < zapis.Liczba(); ++i) {
    const ZmianaPrzebiegu& z = zapis[i];
    DoCzasu(z.Cykl, !z.Bajt());
    if (z.Bajt()) {
      Bajt(s, static_cast<int>(z.Rodzaj), z.Wartosc, static_cast<unsigned>(z.Wartosc ^ z.Poprzednia));
      continue;
    }
    Wektor(s, z.Wartosc, KodLcd);
    Bit(s, z.Rodzaj == Sygnal::LcdDane, KodRs);
    if (opadanieE != z.Cykl) Bit(s, true, KodE);
    opadanieE = z.Cykl + 1;
  }
  // The picture reaches the present, so viewers show its last stretch.
  DoCzasu(std::max(zapis.Koniec(), opadanieE == UINT64_MAX ? czas : opadanieE), false);
  return s;
}

BladPliku ZapiszVcd(const std::string& sciezka, const ZapisPrzebiegow& zapis) {
  return ZapiszPlik(sciezka, TekstVcd(zapis));
}

}  // namespace kelbra
