// Keys, LEDs and PC keys as the emulated program sees them in memory.

#include <gtest/gtest.h>

#include <array>

#include "Stanowisko.h"

namespace kelbra::testy {
namespace {

constexpr uint16_t FFB0 = 0xFFB0;
constexpr uint16_t FFE1 = 0xFFE1;
constexpr uint16_t FFE2 = 0xFFE2;

TEST(Klawisze, AttachingSetsTheKeyBytesToFF) {
  auto j = std::make_unique<Jadro>();
  j->Xdata[FFB0] = j->Xdata[FFE1] = j->Xdata[FFE2] = 0x12;
  PlytkaKelbra p;
  PodlaczPlytke(*j, p);
  EXPECT_EQ(j->Plytka, &p);
  EXPECT_EQ(j->Xdata[FFB0], 0xFF);
  EXPECT_EQ(j->Xdata[FFE1], 0xFF);
  EXPECT_EQ(j->Xdata[FFE2], 0xFF);
}

TEST(Klawisze, StaticKeysLatchAndShowTheirIndicator) {
  Stanowisko s;
  s.plytka.PrzelaczKlStatyczny(0);  // S1
  s.plytka.PrzelaczKlStatyczny(2);  // S3
  EXPECT_EQ(s.j->Xdata[FFB0], 0xFA);
  EXPECT_EQ(s.plytka.KolorWskaznika(2), (Rgb{255, 20, 20}));
  EXPECT_EQ(s.plytka.KolorWskaznika(1), (Rgb{50, 0, 0}));
  s.plytka.PrzelaczKlStatyczny(2);
  EXPECT_EQ(s.j->Xdata[FFB0], 0xFE);
  EXPECT_EQ(s.plytka.StanKlStatycznych, 0xFE);
  EXPECT_FALSE(s.plytka.WskaznikWlaczony(2));
}

TEST(Klawisze, EveryStaticKeyLatchesItsOwnBitOnClickNotOnMouseDown) {
  for (int n = 0; n < 8; ++n) {
    Stanowisko s;
    s.plytka.KlStatycznyMyszDol(n);
    EXPECT_TRUE(s.plytka.KlStatycznyWcisniety(n));
    EXPECT_EQ(s.j->Xdata[FFB0], 0xFF);  // mouse-down alone changes nothing
    s.plytka.PrzelaczKlStatyczny(n);
    s.plytka.KlStatycznyMyszGora(n);
    EXPECT_FALSE(s.plytka.KlStatycznyWcisniety(n));
    EXPECT_EQ(s.j->Xdata[FFB0], static_cast<uint8_t>(~(1u << n))) << n;
    EXPECT_EQ(s.plytka.KolorWskaznika(n), (Rgb{255, 20, 20}));
  }
}

struct PrzypadekKlawisza {
  int n;
  uint8_t bajt0;  // FFE1h
  uint8_t bajt1;  // FFE2h
};

void PrintTo(const PrzypadekKlawisza& p, std::ostream* os) { *os << "K" << p.n; }

class KlDynamiczne : public testing::TestWithParam<PrzypadekKlawisza> {};

TEST_P(KlDynamiczne, PressClearsTheKeysOwnBitAndReleaseSetsIt) {
  const auto& p = GetParam();
  Stanowisko s;
  s.plytka.KlDynamicznyMyszDol(p.n);
  EXPECT_EQ(s.j->Xdata[FFE1], p.bajt0);
  EXPECT_EQ(s.j->Xdata[FFE2], p.bajt1);
  EXPECT_EQ(s.plytka.StanKlDynamicznych0, p.bajt0);
  EXPECT_EQ(s.plytka.StanKlDynamicznych1, p.bajt1);
  EXPECT_TRUE(s.plytka.KlDynamicznyWcisniety(p.n));
  s.plytka.KlDynamicznyMyszGora(p.n, 1);  // just below the top edge
  EXPECT_EQ(s.j->Xdata[FFE1], 0xFF);
  EXPECT_EQ(s.j->Xdata[FFE2], 0xFF);
  EXPECT_FALSE(s.plytka.KlDynamicznyWcisniety(p.n));
}

INSTANTIATE_TEST_SUITE_P(
    Klawisze, KlDynamiczne,
    testing::Values(PrzypadekKlawisza{0, 0xFE, 0xFF}, PrzypadekKlawisza{3, 0xF7, 0xFF},
                    PrzypadekKlawisza{7, 0x7F, 0xFF}, PrzypadekKlawisza{8, 0xFF, 0xFE},
                    PrzypadekKlawisza{9, 0xFF, 0xFD}, PrzypadekKlawisza{12, 0xFF, 0xEF},
                    PrzypadekKlawisza{15, 0xFF, 0x7F}));

TEST(Klawisze, DynamicKeyReleasedAboveItsTopStaysHeldUntilNextPress) {
  Stanowisko s;
  s.plytka.KlDynamicznyMyszDol(3);
  s.plytka.KlDynamicznyMyszGora(3, 0);
  EXPECT_EQ(s.j->Xdata[FFE1], 0xF7);
  EXPECT_TRUE(s.plytka.KlDynamicznyWcisniety(3));
  s.plytka.KlDynamicznyMyszDol(3);  // the next press lets it go
  EXPECT_EQ(s.j->Xdata[FFE1], 0xFF);
  s.plytka.KlDynamicznyMyszGora(3, 10);  // a raised button ignores mouse-up
  EXPECT_EQ(s.j->Xdata[FFE1], 0xFF);
  EXPECT_FALSE(s.plytka.KlDynamicznyWcisniety(3));
}

TEST(Klawisze, KeyNumbersOutsideTheBoardAreIgnored) {
  Stanowisko s;
  s.plytka.PrzelaczKlStatyczny(8);
  s.plytka.PrzelaczKlStatyczny(-1);
  s.plytka.PrzelaczKlDynamiczny(16);
  EXPECT_EQ(s.plytka.StanKlStatycznych, 0xFF);
  EXPECT_EQ(s.plytka.StanKlDynamicznych0, 0xFF);
  EXPECT_EQ(s.plytka.StanKlDynamicznych1, 0xFF);
}

TEST(Klawisze, KeysBeforeTheFirstShowingOnlyChangeTheModel) {
  PlytkaKelbra p;
  p.PrzelaczKlStatyczny(1);
  p.KlawiszPC(0x41);
  EXPECT_EQ(p.StanKlStatycznych, 0xFD);
  EXPECT_FALSE(p.OdswiezDiody());
}

TEST(Diody, P1Equal0FLightsTheFourLeftLeds) {
  Stanowisko s;
  s.j->Data[sfr::P1] = 0x0F;
  EXPECT_TRUE(s.plytka.OdswiezDiody());
  for (int pozycja = 0; pozycja < 8; ++pozycja) {
    const bool lewa = pozycja < 4;
    EXPECT_EQ(s.plytka.DiodaSwieci(1, pozycja), lewa) << pozycja;
    EXPECT_EQ(s.plytka.KolorDiody(1, pozycja), (lewa ? Rgb{90, 255, 90} : Rgb{100, 160, 100}));
    EXPECT_FALSE(s.plytka.DiodaSwieci(0, pozycja));
  }
  EXPECT_FALSE(s.plytka.OdswiezDiody());  // nothing changed since
}

TEST(Diody, EachRowFollowsItsOwnPortAndRefreshingOnlyReads) {
  Stanowisko s;
  s.j->Data[sfr::P0] = 0x7F;  // bit 7: leftmost of P0
  s.j->Data[sfr::P2] = 0xFE;  // bit 0: rightmost of P2
  s.j->Data[sfr::P3] = 0x00;
  const auto data = s.j->Data;
  const auto xdata = s.j->Xdata;
  EXPECT_TRUE(s.plytka.OdswiezDiody());
  EXPECT_EQ(s.j->Data, data);
  EXPECT_EQ(s.j->Xdata, xdata);
  EXPECT_TRUE(s.plytka.DiodaSwieci(0, 0));
  EXPECT_FALSE(s.plytka.DiodaSwieci(0, 1));
  EXPECT_FALSE(s.plytka.DiodaSwieci(0, 7));
  EXPECT_TRUE(s.plytka.DiodaSwieci(2, 7));
  EXPECT_FALSE(s.plytka.DiodaSwieci(2, 0));
  for (int pozycja = 0; pozycja < 8; ++pozycja) {
    EXPECT_FALSE(s.plytka.DiodaSwieci(1, pozycja));
    EXPECT_TRUE(s.plytka.DiodaSwieci(3, pozycja));
  }
  EXPECT_EQ(s.plytka.KolorDiody(3, 4), (Rgb{90, 255, 90}));
  EXPECT_EQ(s.plytka.KolorDiody(1, 4), (Rgb{100, 160, 100}));
  EXPECT_FALSE(s.plytka.OdswiezDiody());  // nothing changed since
}

TEST(KlawiszPC, SetsRiKeepingTheOtherSconBitsAndTheLastCodeWins) {
  Stanowisko s;
  s.j->Data[sfr::SCON] = 0xF2;  // TI set, RI clear
  s.j->Data[sfr::IE] = 0x00;
  s.plytka.KlawiszPC(0x41);
  EXPECT_EQ(s.j->Data[sfr::SBUF], 0x41);
  EXPECT_EQ(s.j->Data[sfr::SCON], 0xF3);
  EXPECT_EQ(s.j->Data[sfr::IE], 0x00);
  s.plytka.KlawiszPC(0x61);  // RI already set: no overrun
  EXPECT_EQ(s.j->Data[sfr::SBUF], 0x61);
  EXPECT_EQ(s.j->Data[sfr::SCON], 0xF3);
}

TEST(Reset, BoardResetLeavesALatchedStaticKeyOn) {
  Stanowisko s;
  s.plytka.PrzelaczKlStatyczny(4);
  s.j->Data[sfr::P1] = 0x00;
  s.j->PC = 0x1234, s.j->Cykle = 5;
  s.j->Data[0x30] = 0x5A;
  s.plytka.lcd.Rozkaz(0x08);  // display off
  s.m->ResetPlytki();
  EXPECT_EQ(s.j->PC, 0);
  EXPECT_EQ(s.m->Cykl(), 0u);
  EXPECT_EQ(s.j->Data[0x30], 0x5A);  // RAM is not part of the reset
  EXPECT_TRUE(s.lcd.Flagi.WyswietlaczWlaczony);
  EXPECT_EQ(s.j->Xdata[FFB0], 0xEF);
  EXPECT_TRUE(s.plytka.WskaznikWlaczony(4));
  s.plytka.OdswiezDiody();
  EXPECT_FALSE(s.plytka.DiodaSwieci(1, 0));  // the ports are back at FFh
}

TEST(Reset, BoardResetRestartsTheLcdButKeepsGlyphsAndKeys) {
  auto s = DwieLinie({0x0E, 0x48});
  s.Tekst("\x1F");
  s.Rozkazy({0x8A});
  s.Tekst("hi");
  s.plytka.KlDynamicznyMyszDol(2);
  s.plytka.ResetPlytki();
  EXPECT_EQ(s.lcd.LiczbaLinii, 1);
  EXPECT_EQ(s.lcd.WysokoscZnaku, 10);
  EXPECT_TRUE(s.lcd.Flagi.AdresowanieJednoliniowe);
  EXPECT_TRUE(s.lcd.Flagi.WyswietlaczWlaczony);
  EXPECT_FALSE(s.lcd.Flagi.KursorWlaczony);
  EXPECT_EQ(s.lcd.LicznikAdresu, 0);
  EXPECT_EQ(s.lcd.PozycjaKursora, 0);
  EXPECT_EQ(s.Linia(0), std::string(16, ' '));
  EXPECT_EQ(s.lcd.WzorZnakow[1][0], 0x1F);
  EXPECT_EQ(s.j->Xdata[FFE1], 0xFB);
  EXPECT_EQ(s.Status(), 0x00);
  EXPECT_EQ(s.Odczyt(), 0xFE);
}

TEST(Odswiezanie, KeyCopyUsesTheHandedOverAddressesAndStoresStaticKeysLast) {
  // With the three addresses made one, the byte left is the last stored.
  auto j = std::make_unique<Jadro>();
  PlytkaKelbra p;
  AdresyPlytki adresy;
  adresy.AdresKlStatycznych = adresy.AdresKlDynamicznych0 = adresy.AdresKlDynamicznych1 = 0x1234;
  p.PierwszePokazanie(j->Data, j->Xdata, adresy);
  p.StanKlDynamicznych0 = 0x11;
  p.StanKlDynamicznych1 = 0x22;
  p.StanKlStatycznych = 0x33;
  p.KopiujKlawisze();
  EXPECT_EQ(j->Xdata[0x1234], 0x33);
  EXPECT_EQ(j->Xdata[FFB0], 0x00);  // the default addresses are left alone
}

}  // namespace
}  // namespace kelbra::testy
