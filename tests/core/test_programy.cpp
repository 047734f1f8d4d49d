// Whole hand-assembled programs run by KrokJadra.

#include <gtest/gtest.h>

#include <map>

#include "Przebieg.h"
#include "StanTestowy.h"

namespace kelbra::test {
namespace {

using Program = std::map<uint16_t, std::vector<uint8_t>>;

std::unique_ptr<Jadro> Zaladuj(const Program& p) {
  auto j = NowyJadro();
  for (const auto& [adres, bajty] : p)
    for (size_t k = 0; k < bajty.size(); ++k) j->Code[static_cast<uint16_t>(adres + k)] = bajty[k];
  return j;
}

TEST(Program, PrzerwanieTimera0ZliczaPrzepelnienia) {
  auto j = Zaladuj({
      {0x0000, {0x02, 0x00, 0x30}},              // LJMP start
      {0x000B, {0x75, 0x8C, 0xFF,                // MOV TH0,#0FFh
                0x05, 0x30,                      // INC 30h
                0x32}},                          // RETI
      {0x0030, {0x75, 0x89, 0x01,                // MOV TMOD,#01h
                0x75, 0x8C, 0xFF,                // MOV TH0,#0FFh
                0x75, 0x8A, 0x00,                // MOV TL0,#0
                0x75, 0xA8, 0x82,                // MOV IE,#82h
                0xD2, 0x8C,                      // SETB TR0
                0x80, 0xFE}},                    // SJMP $
  });
  // The timer starts with SETB TR0's own cycle, at cycle 11; TL0 wraps every
  // 256 cycles from cycle 266 on.
  PrzezCykle(*j, 266 + 9 * 256 + 128);
  EXPECT_EQ(j->Data[0x30], 10);
  EXPECT_EQ(j->Data[sfr::SP], 0x07);
  EXPECT_EQ(j->PC, 0x003E);
}

TEST(Program, DwaPrzerwaniaNarazTimer0Pierwszy) {
  auto j = Zaladuj({
      {0x0000, {0x75, 0xA8, 0x8A,                // MOV IE,#8Ah
                0x75, 0x88, 0xA0,                // MOV TCON,#0A0h: both TF set
                0x80, 0xFE}},                    // SJMP $
      {0x000B, {0x75, 0x30, 0x01, 0x32}},        // MOV 30h,#1 ; RETI
      {0x001B, {0xE5, 0x30, 0xF5, 0x31, 0x32}},  // MOV A,30h ; MOV 31h,A ; RETI
  });
  PrzezCykle(*j, 40);
  EXPECT_EQ(j->Data[0x30], 1);
  EXPECT_EQ(j->Data[0x31], 1) << "the timer-1 handler runs after the timer-0 handler";
  EXPECT_EQ(j->Data[sfr::SP], 0x07);
  EXPECT_EQ(j->PC, 0x0006);
}

TEST(Program, TimerBramkowanyCzekaNaInt0) {
  auto j = Zaladuj({
      {0x0000, {0x75, 0x89, 0x09,                // MOV TMOD,#09h
                0xC2, 0xB2,                      // CLR P3.2
                0xD2, 0x8C,                      // SETB TR0
                0x00, 0x00, 0x00,                // NOP x3
                0xD2, 0xB2,                      // SETB P3.2
                0x00, 0x00, 0x80, 0xFE}},        // NOP x2 ; SJMP $
  });
  ASSERT_TRUE(DoAdresu(*j, 0x000A));
  EXPECT_EQ(j->Data[sfr::TL0], 0);
  ASSERT_TRUE(DoAdresu(*j, 0x000E));
  EXPECT_EQ(j->Data[sfr::TL0], 3) << "SETB P3.2 and two NOPs";
}

TEST(Program, DodawanieBcdWieluBajtow) {
  // 1234 + 5678 = 6912, low bytes first with ADDC and DA.
  auto j = Zaladuj({
      {0x0000, {0x74, 0x34,                      // MOV A,#34h
                0x24, 0x78,                      // ADD A,#78h
                0xD4,                            // DA A
                0xF5, 0x40,                      // MOV 40h,A
                0x74, 0x12,                      // MOV A,#12h
                0x34, 0x56,                      // ADDC A,#56h
                0xD4,                            // DA A
                0xF5, 0x41,                      // MOV 41h,A
                0x80, 0xFE}},
  });
  ASSERT_TRUE(DoAdresu(*j, 0x000E));
  EXPECT_EQ(j->Data[0x41], 0x69);
  EXPECT_EQ(j->Data[0x40], 0x12);
  EXPECT_EQ(j->CzytajBit(Jadro::BitCY), 0);
}

TEST(Program, StosRosnieZaGranice7Fh) {
  // A subroutine that calls itself until R7 reaches zero, with SP starting at 7Ah.
  auto j = Zaladuj({
      {0x0000, {0x75, 0x81, 0x7A,                // MOV SP,#7Ah
                0x7F, 0x05,                      // MOV R7,#5
                0x12, 0x01, 0x00,                // LCALL 0100h
                0x80, 0xFE}},                    // SJMP $
      {0x0100, {0xC0, 0xE0,                      // PUSH ACC
                0x04,                            // INC A
                0xDF, 0x03,                      // DJNZ R7,deeper
                0xD0, 0xE0,                      // POP ACC
                0x22,                            // RET
                0x12, 0x01, 0x00,                // deeper: LCALL 0100h
                0xD0, 0xE0,                      // POP ACC
                0x22}},                          // RET
  });
  uint8_t najwyzszy = 0;
  for (int k = 0; k < 1000 && j->PC != 0x0008; ++k) {
    j->KrokJadra();
    najwyzszy = std::max(najwyzszy, j->Data[sfr::SP]);
  }
  ASSERT_EQ(j->PC, 0x0008);
  EXPECT_EQ(najwyzszy, 0x7A + 5 * 3);
  EXPECT_EQ(j->Data[sfr::SP], 0x7A);
  EXPECT_EQ(j->Data[sfr::ACC], 0) << "each level restored the A it saved";
  EXPECT_EQ(j->IdataGorna[0x89], 0x04) << "a pushed A in the upper half";
  EXPECT_EQ(j->Data[sfr::P0], 0xFF);
  EXPECT_EQ(j->Data[sfr::SP + 0], 0x7A);
}

}  // namespace
}  // namespace kelbra::test
