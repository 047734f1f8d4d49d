// The timing picture: each change once with its cycle, nothing without a
// change, the oldest dropped at the bound, stepping back cutting the
// picture at the new present, and the VCD file read back.

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "Maszyna.h"
#include "Vcd.h"
#include "ZapisPrzebiegow.h"

namespace kelbra::testy {
namespace {

constexpr BajtyPrzebiegu Wysokie{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};

// One step of a case: a byte (or the ports word, with port < 0) at a
// cycle, or a step back to `cykl` when `wstecz`.
struct Krok {
  int sygnal;
  uint32_t wartosc;
  uint64_t cykl;
  bool wstecz = false;
};
struct Przypadek {
  const char* nazwa;
  std::vector<Krok> kroki;
  std::vector<std::pair<uint64_t, uint8_t>> zmianyP1;  // (cycle, value) held afterwards
  size_t liczba;
};

TEST(ZapisPrzebiegow, RecordsEachChangeOnceAtItsCycle) {
  const Przypadek przypadki[] = {
      {"zmiana raz", {{1, 0xFE, 100}, {1, 0xFE, 105}}, {{100, 0xFE}}, 1},
      {"bez zmiany nic", {{-1, 0xFFFFFFFF, 10}, {1, 0xFF, 20}}, {}, 0},
      {"porty jako slowo", {{-1, 0xFF00FEFF, 7}}, {{7, 0xFE}}, 2},  // P1 and P3 in one word
      {"wstecz obcina", {{1, 0xFE, 10}, {1, 0xFC, 20}, {1, 0xF8, 30}, {1, 0, 20, true}}, {{10, 0xFE}, {20, 0xFC}}, 2},
      {"po cofnieciu dalej", {{1, 0xFE, 10}, {1, 0xFC, 20}, {1, 0, 15, true}, {1, 0xFC, 16}},
       {{10, 0xFE}, {16, 0xFC}}, 2},
      {"wstecz przed poczatek", {{1, 0xFE, 10}, {1, 0, 0, true}, {1, 0xFE, 3}}, {{3, 0xFE}}, 1},
  };
  for (const Przypadek& p : przypadki) {
    SCOPED_TRACE(p.nazwa);
    ZapisPrzebiegow z(1024);
    z.Wlacz(true);
    z.Rozpocznij(0, Wysokie);
    for (const Krok& k : p.kroki) {
      if (k.wstecz) {
        z.ObetnijPo(k.cykl);
        EXPECT_EQ(z.Koniec(), k.cykl);
      } else if (k.sygnal < 0) {
        z.Porty(k.wartosc, k.cykl);
      } else {
        z.Bajt(static_cast<Sygnal>(k.sygnal), static_cast<uint8_t>(k.wartosc), k.cykl);
      }
    }
    EXPECT_EQ(z.Liczba(), p.liczba);
    std::vector<std::pair<uint64_t, uint8_t>> p1;
    for (size_t i = 0; i < z.Liczba(); ++i)
      if (z[i].Rodzaj == Sygnal::P1) p1.emplace_back(z[i].Cykl, z[i].Wartosc);
    EXPECT_EQ(p1, p.zmianyP1);
    // The present value is the last one held, so the next change compares with it.
    EXPECT_EQ(z.Biezace()[1], p1.empty() ? 0xFF : p1.back().second);
  }
}

// Past the bound the oldest go, and every row's value at every time still
// matches a plain replay of what is held.
TEST(ZapisPrzebiegow, DropsTheOldestAndKeepsValuesRight) {
  ZapisPrzebiegow z(1024);
  z.Wlacz(true);
  z.Rozpocznij(0, Wysokie);
  std::mt19937 los(25);
  std::vector<ZmianaPrzebiegu> wszystkie;
  uint64_t cykl = 0;
  for (int n = 0; n < 5000; ++n) {
    cykl += los() % 3;
    const auto s = static_cast<Sygnal>(los() % LiczbaSygnalow);
    const auto v = static_cast<uint8_t>(los() % 4);
    const uint64_t przed = z.Wersja();
    if (static_cast<int>(s) < LiczbaBajtowPrzebiegu) {
      z.Bajt(s, v, cykl);
    } else {
      z.ZapisLcd(s == Sygnal::LcdDane, v, cykl);
    }
    if (z.Wersja() != przed) wszystkie.push_back(z[z.Liczba() - 1]);
  }
  ASSERT_EQ(z.Liczba(), z.Pojemnosc());
  ASSERT_GE(ZapisPrzebiegow::DomyslnaPojemnosc, 1'000'000u);
  ASSERT_LT(ZapisPrzebiegow::DomyslnaPojemnosc * sizeof(ZmianaPrzebiegu), 32u << 20);
  const size_t odrzucone = wszystkie.size() - z.Liczba();
  EXPECT_EQ(z[0].Cykl, wszystkie[odrzucone].Cykl);
  EXPECT_EQ(z.Poczatek(), wszystkie[odrzucone - 1].Cykl);
  BajtyPrzebiegu b = z.BajtyPoczatkowe();
  for (size_t i = 0; i < z.Liczba(); ++i) {
    const ZmianaPrzebiegu& zm = z[i];
    if (zm.Bajt()) b[static_cast<size_t>(zm.Rodzaj)] = zm.Wartosc;
    if (i + 1 < z.Liczba() && z[i + 1].Cykl == zm.Cykl) continue;
    for (int k = 0; k < LiczbaBajtowPrzebiegu; ++k)
      ASSERT_EQ(z.Wartosc(static_cast<Sygnal>(k), zm.Cykl), b[static_cast<size_t>(k)]) << i;
  }
}

TEST(ZapisPrzebiegow, MeasuresTheLastFullPeriodOfAPin) {
  ZapisPrzebiegow z;
  z.Wlacz(true);
  z.Rozpocznij(0, Wysokie);
  // P1.0 high for the first 250 cycles of every 1000, P1.1 changing beside it.
  for (uint64_t c = 1000; c < 10'000; c += 1000) {
    z.Bajt(Sygnal::P1, 0xFF, c);
    z.Bajt(Sygnal::P1, 0xFE, c + 250);
    z.Bajt(Sygnal::P1, 0xFC, c + 500);
  }
  const auto o = z.OstatniOkres(Sygnal::P1, 0, 5000);
  ASSERT_TRUE(o);
  EXPECT_EQ(o->Okres, 1000u);
  EXPECT_EQ(o->Wysoki, 250u);
  EXPECT_FALSE(z.OstatniOkres(Sygnal::P1, 0, 1800));
  EXPECT_EQ(z.NajblizszaZmiana(Sygnal::P1, 0, 4990, 20), 5000u);
  EXPECT_FALSE(z.NajblizszaZmiana(Sygnal::P1, 0, 4510, 20));
}

// The machine stamps a port's change with the cycle its instruction ends,
// and a step back takes it away with the instruction.
TEST(ZapisPrzebiegow, TheMachineRecordsPortsAsInstructionsEndAndStepsBackOverThem) {
  Maszyna m;
  const uint8_t program[] = {0xB2, 0x90, 0x80, 0xFC};  // cpl p1.0; sjmp back to it
  std::copy(std::begin(program), std::end(program), m.jadro().Code.begin());
  m.historia().Wlacz(true);
  m.WlaczPrzebiegi(true);
  m.ResetPlytki();
  for (int k = 0; k < 4; ++k) m.Krok();  // 1 + 2 + 1 + 2 cycles
  const ZapisPrzebiegow& z = m.przebiegi();
  ASSERT_EQ(z.Liczba(), 2u);
  EXPECT_EQ(z[0].Cykl, 1u);
  EXPECT_EQ(z[1].Cykl, 4u);
  ASSERT_TRUE(m.Cofnij() && m.Cofnij());
  EXPECT_EQ(z.Liczba(), 1u);
  EXPECT_EQ(z.Koniec(), 3u);
}

// A reader of the dump: each wire's name and the times at which it changed.
std::map<std::string, std::vector<std::pair<uint64_t, std::string>>> CzytajVcd(const std::string& tekst) {
  std::map<std::string, std::string> nazwy;
  std::map<std::string, std::vector<std::pair<uint64_t, std::string>>> zmiany;
  std::istringstream we(tekst);
  std::string slowo;
  uint64_t czas = 0;
  while (we >> slowo) {
    if (slowo == "$var") {
      std::string typ, szer, kod, nazwa;
      we >> typ >> szer >> kod >> nazwa;
      nazwy[kod] = nazwa;
    } else if (slowo[0] == '#') {
      czas = std::stoull(slowo.substr(1));
    } else if (slowo[0] == 'b') {
      std::string kod;
      we >> kod;
      zmiany[nazwy.at(kod)].emplace_back(czas, slowo.substr(1));
    } else if (slowo.size() == 2 && std::string("01x").find(slowo[0]) != std::string::npos) {
      zmiany[nazwy.at(slowo.substr(1))].emplace_back(czas, slowo.substr(0, 1));
    }
  }
  return zmiany;
}

TEST(Vcd, ChangesAppearAtTheirCyclesInMicroseconds) {
  ZapisPrzebiegow z;
  z.Wlacz(true);
  z.Rozpocznij(0, Wysokie);
  for (uint64_t n = 1; n <= 6; ++n) z.Bajt(Sygnal::P1, n % 2 ? 0xFE : 0xFF, n * 130'000);
  z.ZapisLcd(false, 0x38, 500'000);
  z.ZapisLcd(true, 'H', 500'002);
  z.UstawKoniec(1'000'000);
  const std::string vcd = TekstVcd(z);
  EXPECT_NE(vcd.find("$timescale 1 us $end"), std::string::npos);
  auto zmiany = CzytajVcd(vcd);
  const auto& pin = zmiany["P1.0"];
  ASSERT_EQ(pin.size(), 7u);  // the initial value, then six toggles
  EXPECT_EQ(pin[0], (std::pair<uint64_t, std::string>{0, "1"}));
  for (size_t i = 1; i < pin.size(); ++i) {
    EXPECT_EQ(pin[i].first - pin[i - 1].first, 130'000u);
    EXPECT_NE(pin[i].second, pin[i - 1].second);
  }
  EXPECT_EQ(zmiany["P1"].back(), (std::pair<uint64_t, std::string>{780'000, "11111111"}));
  EXPECT_EQ(zmiany["P1.1"].size(), 1u);  // never changed
  EXPECT_EQ(zmiany["LCD"].back(), (std::pair<uint64_t, std::string>{500'002, "01001000"}));
  EXPECT_EQ(zmiany["LCD_E"].size(), 5u);  // 0, then a one-cycle strobe for each write
}

}  // namespace
}  // namespace kelbra::testy
