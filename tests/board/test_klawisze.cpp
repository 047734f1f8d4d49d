// Keys, LEDs and PC keys as the emulated program sees them in memory.

#include <gtest/gtest.h>

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

TEST(Klawisze, DynamicKeyK9PressedAlone) {
  Stanowisko s;
  s.plytka.KlDynamicznyMyszDol(9);
  EXPECT_EQ(s.j->Xdata[FFE2], 0xFD);
  EXPECT_EQ(s.j->Xdata[FFE1], 0xFF);
  EXPECT_TRUE(s.plytka.KlDynamicznyWcisniety(9));
  s.plytka.KlDynamicznyMyszGora(9, 5);
  EXPECT_EQ(s.j->Xdata[FFE2], 0xFF);
  EXPECT_FALSE(s.plytka.KlDynamicznyWcisniety(9));
}

TEST(Klawisze, DynamicKeyReleasedAboveItsTopStaysHeldUntilNextPress) {
  Stanowisko s;
  s.plytka.KlDynamicznyMyszDol(3);
  s.plytka.KlDynamicznyMyszGora(3, 0);
  EXPECT_EQ(s.j->Xdata[FFE1], 0xF7);
  s.plytka.KlDynamicznyMyszDol(3);  // the next press lets it go
  EXPECT_EQ(s.j->Xdata[FFE1], 0xFF);
  s.plytka.KlDynamicznyMyszGora(3, 10);  // a raised button ignores mouse-up
  EXPECT_EQ(s.j->Xdata[FFE1], 0xFF);
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

TEST(Diody, EachRowFollowsItsOwnPort) {
  Stanowisko s;
  s.j->Data[sfr::P0] = 0x7F;  // bit 7: leftmost of P0
  s.j->Data[sfr::P2] = 0xFE;  // bit 0: rightmost of P2
  s.j->Data[sfr::P3] = 0x00;
  s.plytka.OdswiezDiody();
  EXPECT_TRUE(s.plytka.DiodaSwieci(0, 0));
  EXPECT_FALSE(s.plytka.DiodaSwieci(0, 7));
  EXPECT_TRUE(s.plytka.DiodaSwieci(2, 7));
  EXPECT_FALSE(s.plytka.DiodaSwieci(2, 0));
  for (int pozycja = 0; pozycja < 8; ++pozycja) EXPECT_TRUE(s.plytka.DiodaSwieci(3, pozycja));
}

TEST(KlawiszPC, WithRiAlreadySetReplacesSbufAndKeepsRi) {
  Stanowisko s;
  s.j->Data[sfr::SCON] = 0x50;
  s.plytka.KlawiszPC(0x41);
  EXPECT_EQ(s.j->Data[sfr::SCON], 0x51);
  s.plytka.KlawiszPC(0x61);
  EXPECT_EQ(s.j->Data[sfr::SBUF], 0x61);
  EXPECT_EQ(s.j->Data[sfr::SCON], 0x51);
}

TEST(Reset, BoardResetLeavesALatchedStaticKeyOn) {
  Stanowisko s;
  s.plytka.PrzelaczKlStatyczny(4);
  s.j->Data[sfr::P1] = 0x00;
  s.j->ResetJadra();
  s.plytka.ResetPlytki();
  EXPECT_EQ(s.j->Xdata[FFB0], 0xEF);
  EXPECT_TRUE(s.plytka.WskaznikWlaczony(4));
  s.plytka.OdswiezDiody();
  EXPECT_FALSE(s.plytka.DiodaSwieci(1, 0));  // the ports are back at FFh
}

TEST(Odswiezanie, EverySixthTickRepaintsTheLcdAndRestoresTheKeyBytes) {
  Stanowisko s;
  s.plytka.PrzelaczKlStatyczny(0);
  s.j->Xdata[FFB0] = 0x00;  // a program overwrote the key byte
  s.j->Xdata[FFE1] = 0x00;
  s.j->Xdata[FFE2] = 0x00;
  for (int tykniecie = 1; tykniecie <= 5; ++tykniecie) {
    EXPECT_FALSE(s.plytka.TykniecieOdswiezania().RysujLcd) << tykniecie;
    EXPECT_EQ(s.j->Xdata[FFB0], 0x00);
  }
  EXPECT_TRUE(s.plytka.TykniecieOdswiezania().RysujLcd);
  EXPECT_EQ(s.j->Xdata[FFB0], 0xFE);
  EXPECT_EQ(s.j->Xdata[FFE1], 0xFF);
  EXPECT_EQ(s.j->Xdata[FFE2], 0xFF);
  for (int tykniecie = 1; tykniecie <= 5; ++tykniecie) {
    EXPECT_FALSE(s.plytka.TykniecieOdswiezania().RysujLcd);
  }
  EXPECT_TRUE(s.plytka.TykniecieOdswiezania().RysujLcd);
}

}  // namespace
}  // namespace kelbra::testy
