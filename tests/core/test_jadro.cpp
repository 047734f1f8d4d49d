// Machine state: register banks, bit addresses, the stack, reset and parity.

#include <gtest/gtest.h>

#include "StanTestowy.h"

namespace kelbra::test {
namespace {

TEST(Jadro, NowyMaWszystkoZeroweAResetUstawiaRejestry) {
  Jadro j;
  EXPECT_EQ(j.PC, 0);
  EXPECT_EQ(j.Data[sfr::P1], 0);
  EXPECT_EQ(j.Xdata[0xFFFF], 0);
  j.Data[0x40] = 0x12;
  j.IdataGorna[0x90] = 0x34;
  j.Data[0xC0] = 0x56;
  j.Data[sfr::PCON] = 0xFF;
  j.Data[sfr::PSW] = 0xFF;
  j.Data[sfr::SCON] = 0x03;
  j.Data[sfr::TL0] = 0x77;
  j.PC = 0x1234;
  j.Cykle = 99;
  j.ResetJadra();
  EXPECT_EQ(j.PC, 0);
  EXPECT_EQ(j.Data[sfr::SP], 0x07);
  for (uint8_t port : {sfr::P0, sfr::P1, sfr::P2, sfr::P3}) EXPECT_EQ(j.Data[port], 0xFF);
  EXPECT_EQ(j.Data[sfr::PCON], 0x7F);
  EXPECT_EQ(j.Data[sfr::PSW], 0);
  EXPECT_EQ(j.Data[sfr::SCON], 0);
  EXPECT_EQ(j.Data[sfr::TL0], 0);
  // RAM, undefined SFR bytes and the clock survive a reset.
  EXPECT_EQ(j.Data[0x40], 0x12);
  EXPECT_EQ(j.IdataGorna[0x90], 0x34);
  EXPECT_EQ(j.Data[0xC0], 0x56);
  EXPECT_EQ(j.Cykle, 99u);
}

TEST(Jadro, BankRejestrowCzytanyZaKazdymRazem) {
  auto j = NowyJadro();
  j->Data[sfr::PSW] = 0x18;
  EXPECT_EQ(j->AdresBanku(), 0x18);
  EXPECT_EQ(&j->Rejestr(3), &j->Data[0x1B]);
  j->Data[sfr::PSW] = 0x08;
  EXPECT_EQ(&j->Rejestr(3), &j->Data[0x0B]);
}

TEST(Jadro, AdresyBitow) {
  struct {
    uint8_t bit, bajt, maska;
  } przypadki[] = {{0x07, 0x20, 0x80}, {0x7F, 0x2F, 0x80}, {0xE5, 0xE0, 0x20},
                   {0x97, 0x90, 0x80}, {0x00, 0x20, 0x01}, {0xD7, 0xD0, 0x80}};
  for (const auto& p : przypadki) {
    auto j = NowyJadro();
    const Jadro przed = *j;
    j->UstawBit(p.bit);
    EXPECT_EQ(j->Data[p.bajt], przed.Data[p.bajt] | p.maska) << int(p.bit);
    EXPECT_EQ(j->CzytajBit(p.bit), 1);
    j->ZerujBit(p.bit);
    EXPECT_EQ(j->Data[p.bajt], przed.Data[p.bajt] & ~p.maska);
    EXPECT_EQ(j->CzytajBit(p.bit), 0);
  }
}

TEST(Jadro, PosrednioNigdyDoSfr) {
  auto j = NowyJadro();
  j->Data[0] = 0x90;  // R0
  j->Code[0] = 0xF6;  // MOV @R0,A
  j->Data[sfr::ACC] = 0x3C;
  j->WykonajRozkaz();
  EXPECT_EQ(j->IdataGorna[0x90], 0x3C);
  EXPECT_EQ(j->Data[sfr::P1], 0xFF);
}

TEST(Jadro, StosPrzechodziWGornaPolowe) {
  auto j = NowyJadro();
  j->Data[sfr::SP] = 0x7E;
  j->Data[sfr::ACC] = 0x11;
  j->Code[0] = 0xC0;  // PUSH ACC
  j->Code[1] = 0xE0;
  j->Code[2] = 0xC0;
  j->Code[3] = 0xE0;
  j->WykonajRozkaz();
  EXPECT_EQ(j->Data[0x7F], 0x11);
  EXPECT_EQ(j->Data[sfr::SP], 0x7F);
  j->WykonajRozkaz();
  EXPECT_EQ(j->IdataGorna[0x80], 0x11);
  EXPECT_EQ(j->Data[0x80], 0xFF) << "P0 must not be the stack";
}

TEST(Jadro, StosZawijaSieModulo256) {
  auto j = NowyJadro();
  j->Data[sfr::SP] = 0xFF;
  j->Code[0] = 0x12;  // LCALL 1234h
  j->Code[1] = 0x12;
  j->Code[2] = 0x34;
  j->WykonajRozkaz();
  EXPECT_EQ(j->Data[sfr::SP], 0x01);
  EXPECT_EQ(j->Data[0x00], 0x03);
  EXPECT_EQ(j->Data[0x01], 0x00);
}

TEST(Jadro, NiezdefiniowanySfrJestZwyklymBajtem) {
  auto j = NowyJadro();
  j->Code[0] = 0x75;  // MOV 0C0h,#55h
  j->Code[1] = 0xC0;
  j->Code[2] = 0x55;
  j->Code[3] = 0xE5;  // MOV A,0C0h
  j->Code[4] = 0xC0;
  j->WykonajRozkaz();
  j->WykonajRozkaz();
  EXPECT_EQ(j->Data[sfr::ACC], 0x55);
}

TEST(Jadro, ParzystoscPoKazdymRozkazie) {
  auto j = NowyJadro();
  j->Code[0] = 0x74;  // MOV A,#07h
  j->Code[1] = 0x07;
  j->Code[2] = 0x74;  // MOV A,#03h
  j->Code[3] = 0x03;
  j->Code[4] = 0x75;  // MOV PSW,#01h: P is recomputed from A = 03h
  j->Code[5] = 0xD0;
  j->Code[6] = 0x01;
  j->WykonajRozkaz();
  EXPECT_EQ(j->Data[sfr::PSW] & psw::P, 1);
  j->WykonajRozkaz();
  EXPECT_EQ(j->Data[sfr::PSW] & psw::P, 0);
  j->WykonajRozkaz();
  EXPECT_EQ(j->Data[sfr::PSW], 0x00);
}

// Flag rules of the arithmetic, each against the A,#data form.
TEST(Jadro, FlagiArytmetyki) {
  struct {
    const char* nazwa;
    uint8_t op, a, x, pswPrzed, wynik, pswPo;
  } przypadki[] = {
      {"ADDC FF+00+1", 0x34, 0xFF, 0x00, psw::CY, 0x00, psw::CY | psw::AC},
      {"SUBB 00-00-1", 0x94, 0x00, 0x00, psw::CY, 0xFF, psw::CY | psw::AC},
      {"ADD 7F+01", 0x24, 0x7F, 0x01, 0, 0x80, psw::AC | psw::OV | psw::P},
      {"SUBB 00-80", 0x94, 0x00, 0x80, 0, 0x80, psw::CY | psw::OV | psw::P},
      {"SUBB 80-7F-1", 0x94, 0x80, 0x7F, psw::CY, 0x00, psw::AC | psw::OV},
      {"ADD 80+80", 0x24, 0x80, 0x80, 0, 0x00, psw::CY | psw::OV},
      {"ADDC 0F+00+1", 0x34, 0x0F, 0x00, psw::CY, 0x10, psw::AC | psw::P},
      {"SUBB 7F-FF", 0x94, 0x7F, 0xFF, 0, 0x80, psw::CY | psw::OV | psw::P},
      {"SUBB 10-01", 0x94, 0x10, 0x01, psw::CY, 0x0E, psw::AC | psw::P},
      {"ADD keeps F0 and banks", 0x24, 0x01, 0x01, psw::F0 | psw::RS1, 0x02, psw::F0 | psw::RS1 | psw::P},
  };
  for (const auto& p : przypadki) {
    auto j = NowyJadro();
    j->Code[0] = p.op;
    j->Code[1] = p.x;
    j->Data[sfr::ACC] = p.a;
    j->Data[sfr::PSW] = p.pswPrzed;
    j->WykonajRozkaz();
    EXPECT_EQ(j->Data[sfr::ACC], p.wynik) << p.nazwa;
    EXPECT_EQ(j->Data[sfr::PSW], p.pswPo) << p.nazwa;
  }
}

// DA A after every BCD addition of two digits pairs gives the decimal sum.
TEST(Jadro, KorektaDziesietnaPoDodawaniuBcd) {
  for (int x = 0; x < 100; ++x) {
    for (int y = 0; y < 100; y += 7) {
      auto j = NowyJadro();
      j->Code[0] = 0x24;  // ADD A,#y
      j->Code[1] = static_cast<uint8_t>((y / 10) << 4 | y % 10);
      j->Code[2] = 0xD4;  // DA A
      j->Data[sfr::ACC] = static_cast<uint8_t>((x / 10) << 4 | x % 10);
      j->WykonajRozkaz();
      j->WykonajRozkaz();
      const int suma = x + y;
      const uint8_t a = j->Data[sfr::ACC];
      EXPECT_EQ((a >> 4) * 10 + (a & 0x0F), suma % 100) << x << "+" << y;
      EXPECT_EQ(j->CzytajBit(Jadro::BitCY), suma >= 100) << x << "+" << y;
    }
  }
}

}  // namespace
}  // namespace kelbra::test
