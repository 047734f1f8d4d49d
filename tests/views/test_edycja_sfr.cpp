// The SFR window's table, sections and rules, without the window.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "EdycjaSfr.h"
#include "views/MaszynaZAsemblerem.h"

namespace kelbra {
namespace {

TEST(TabelaSfr, PietnascieRejestrowISiedemdziesiatTrzyBity) {
  std::set<uint8_t> adresy;
  int bity = 0, szare = 0, martwe = 0;
  std::array<int, 4> wSekcji{};
  for (const OpisSfr& r : RejestrySfr) {
    EXPECT_TRUE(adresy.insert(r.adres).second) << r.nazwa;
    EXPECT_EQ(ZnajdzSfr(r.adres), &r);
    ++wSekcji[r.sekcja];
    if (!r.maBity) continue;
    for (const char* b : r.bity) {
      bity += b != Brak;
      szare += b != Brak && *b == '\0';
      martwe += b == Brak;
    }
  }
  EXPECT_EQ(adresy, (std::set<uint8_t>{sfr::IE, sfr::IP, sfr::TCON, sfr::TMOD, sfr::TH0, sfr::TL0, sfr::TH1, sfr::TL1,
                                       sfr::P0, sfr::P1, sfr::P2, sfr::P3, sfr::SBUF, sfr::PCON, sfr::SCON}));
  EXPECT_EQ(bity, 73);
  EXPECT_EQ(szare, 5);
  EXPECT_EQ(martwe, 7);
  EXPECT_EQ(wSekcji, (std::array<int, 4>{2, 6, 4, 3}));
  EXPECT_EQ(std::string(ZnajdzSfr(sfr::TCON)->bity[7 - 4]), "TR0");
  EXPECT_EQ(std::string(ZnajdzSfr(sfr::P3)->bity[7]), "RxD");
}

TEST(TabelaSfr, SekcjeZwijaneIRozwijane) {
  SekcjeOkna s;
  EXPECT_EQ(s.WysokoscKlienta(), 20 + 17 + 15 + 16 + 16);
  EXPECT_EQ(s.Przelacz(1), 101);
  EXPECT_EQ(s.Przelacz(3), 51);
  EXPECT_EQ(s.Przelacz(1), -101);
  EXPECT_EQ(s.WysokoscKlienta(), 84 + 51);
  // A stored height expands a section to its design height, whatever its value.
  s.Ustaw({1, 0, 96, -5});
  EXPECT_EQ(s.Wysokosci, (std::array<int32_t, 4>{60, 0, 96, 51}));
}

TEST(EdycjaSfr, PodgladWartosci) {
  struct {
    uint8_t adres;
    bool dec;
    const char* tekst;
    uint8_t zapisane;  // the register starts at 50h
    const char* stara;
    const char* nowa;
    bool wZakresie;
  } przypadki[] = {
      {sfr::P1, false, "1F", 0x1F, "0050", "001F", true},
      {sfr::TL0, true, "300", 44, "80", "300", false},
      {sfr::SCON, false, "ZZ", 0x50, "", "??", true},
      {sfr::SCON, false, "", 0x50, "0050", "", true},
      {sfr::SBUF, false, "low(etykieta)", 0x34, "0050", "0034", true},
  };
  for (const auto& p : przypadki) {
    test::Maszyna m;
    EdycjaSfr e(*m.jadro, m.asembler);
    e.TrybDEC = p.dec;
    m.Data(p.adres) = 0x50;
    e.PodgladWartosci(p.tekst, p.adres);
    EXPECT_EQ(m.Data(p.adres), p.zapisane) << p.tekst;
    EXPECT_EQ(e.StaraWartosc, p.stara) << p.tekst;
    EXPECT_EQ(e.NowaWartosc, p.nowa) << p.tekst;
    EXPECT_EQ(e.WZakresie, p.wZakresie) << p.tekst;
    EXPECT_EQ(e.EdytowanyAdres, p.adres);
  }
}

}  // namespace
}  // namespace kelbra
