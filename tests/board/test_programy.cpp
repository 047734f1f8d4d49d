// Small programs run by KrokJadra that drive the LCD through MOVX and
// poll the key bytes, with the board attached as the batch runner does.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "Przebieg.h"
#include "Stanowisko.h"

namespace kelbra::testy {
namespace {

using test::DoAdresu;

void Wgraj(Jadro& j, uint16_t adres, const std::vector<uint8_t>& bajty) {
  std::copy(bajty.begin(), bajty.end(), j.Code.begin() + adres);
}

TEST(Programy, TextThroughMovxAtDptr) {
  Stanowisko s;
  Wgraj(*s.j, 0x0000,
        {
            0x90, 0xFF, 0xF0,  // 0000 MOV DPTR,#0FFF0h
            0x74, 0x38,        // 0003 MOV A,#38h
            0xF0,              // 0005 MOVX @DPTR,A
            0x74, 0x0C,        // 0006 MOV A,#0Ch
            0xF0,              // 0008 MOVX @DPTR,A
            0x74, 0x01,        // 0009 MOV A,#01h
            0xF0,              // 000B MOVX @DPTR,A
            0x74, 0x06,        // 000C MOV A,#06h
            0xF0,              // 000E MOVX @DPTR,A
            0x79, 0x00,        // 000F MOV R1,#0
            0x90, 0x00, 0x30,  // 0011 MOV DPTR,#tekst
            0xE9,              // 0014 petla: MOV A,R1
            0x93,              // 0015 MOVC A,@A+DPTR
            0x60, 0x0A,        // 0016 JZ koniec
            0x90, 0xFF, 0xF2,  // 0018 MOV DPTR,#0FFF2h
            0xF0,              // 001B MOVX @DPTR,A
            0x09,              // 001C INC R1
            0x90, 0x00, 0x30,  // 001D MOV DPTR,#tekst
            0x80, 0xF2,        // 0020 SJMP petla
            0x80, 0xFE,        // 0022 koniec: SJMP $
        });
  Wgraj(*s.j, 0x0030, {'K', 'e', 'l', 'b', 'r', 'a', ' ', '8', '0', '5', '1', 0});
  ASSERT_TRUE(DoAdresu(*s.j, 0x0022, 20000));
  EXPECT_EQ(s.Linia(0), "Kelbra 8051     ");
  EXPECT_EQ(s.lcd.LiczbaLinii, 2);
  EXPECT_EQ(s.Status(), 0x0B);
  // What the program wrote also stays in XDATA.
  EXPECT_EQ(s.j->Xdata[0xFFF2], '1');
}

TEST(Programy, TextThroughMovxAtR0WithP2High) {
  Stanowisko s;
  Wgraj(*s.j, 0x0000,
        {
            0x75, 0xA0, 0xFF,  // 0000 MOV P2,#0FFh
            0x78, 0xF0,        // 0003 MOV R0,#0F0h
            0x74, 0x38,        // 0005 MOV A,#38h
            0xF2,              // 0007 MOVX @R0,A
            0x74, 0x01,        // 0008 MOV A,#01h
            0xF2,              // 000A MOVX @R0,A
            0x74, 0xC0,        // 000B MOV A,#0C0h
            0xF2,              // 000D MOVX @R0,A
            0x78, 0xF2,        // 000E MOV R0,#0F2h
            0x74, 0x4F,        // 0010 MOV A,#'O'
            0xF2,              // 0012 MOVX @R0,A
            0x74, 0x4B,        // 0013 MOV A,#'K'
            0xF2,              // 0015 MOVX @R0,A
            0x78, 0xF1,        // 0016 MOV R0,#0F1h
            0xE2,              // 0018 MOVX A,@R0   (the status byte)
            0xF5, 0x90,        // 0019 MOV P1,A
            0x75, 0xA0, 0x00,  // 001B MOV P2,#0
            0x78, 0xF2,        // 001E MOV R0,#0F2h
            0xF2,              // 0020 MOVX @R0,A   (XDATA 00F2h: not the LCD)
            0x80, 0xFE,        // 0021 SJMP $
        });
  ASSERT_TRUE(DoAdresu(*s.j, 0x0021, 20000));
  EXPECT_EQ(s.Linia(1), "OK              ");
  EXPECT_EQ(s.j->Data[sfr::P1], 0x42);
  EXPECT_EQ(s.j->Xdata[0x00F2], 0x42);
}

TEST(Programy, MovxWriteToTheLcdTakesTwoCycles) {
  Stanowisko s;
  s.j->Code[0] = 0xF0;  // MOVX @DPTR,A
  s.j->Data[sfr::DPH] = 0xFF;
  s.j->Data[sfr::DPL] = 0xF0;
  s.j->Data[sfr::ACC] = 0x0F;
  EXPECT_EQ(s.j->WykonajRozkaz(), 2);
  EXPECT_TRUE(s.lcd.Flagi.KursorWlaczony);
  EXPECT_EQ(s.j->Xdata[0xFFF0], 0x0F);
}

TEST(Programy, PollingTheKeyBytesIntoPorts) {
  Stanowisko s;
  Wgraj(*s.j, 0x0000,
        {
            0x90, 0xFF, 0xB0,  // 0000 MOV DPTR,#0FFB0h
            0xE0,              // 0003 MOVX A,@DPTR
            0xF5, 0x90,        // 0004 MOV P1,A
            0x90, 0xFF, 0xE2,  // 0006 MOV DPTR,#0FFE2h
            0xE0,              // 0009 MOVX A,@DPTR
            0xF5, 0x80,        // 000A MOV P0,A
            0x80, 0xF2,        // 000C SJMP 0000
        });
  ASSERT_TRUE(DoAdresu(*s.j, 0x000C, 20000));
  EXPECT_EQ(s.j->Data[sfr::P1], 0xFF);

  s.plytka.PrzelaczKlStatyczny(0);
  s.plytka.PrzelaczKlStatyczny(2);
  s.plytka.KlDynamicznyMyszDol(9);
  s.j->KrokJadra();  // SJMP back to the start
  ASSERT_TRUE(DoAdresu(*s.j, 0x000C, 20000));
  EXPECT_EQ(s.j->Data[sfr::P1], 0xFA);
  EXPECT_EQ(s.j->Data[sfr::P0], 0xFD);
  s.plytka.OdswiezDiody();
  EXPECT_TRUE(s.plytka.DiodaSwieci(1, 7));  // S1 is bit 0, the rightmost LED
  EXPECT_TRUE(s.plytka.DiodaSwieci(1, 5));
  EXPECT_FALSE(s.plytka.DiodaSwieci(1, 6));
  EXPECT_TRUE(s.plytka.DiodaSwieci(0, 6));
}

}  // namespace
}  // namespace kelbra::testy
