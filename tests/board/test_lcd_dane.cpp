// LCD data writes to FFF2h: the three write modes with their scrolling
// windows, the glyph table writes and the cursor step.

#include <gtest/gtest.h>

#include "Stanowisko.h"

namespace kelbra::testy {
namespace {

// Two lines, display on, cursor off, increment, from line 1 column 0.
Stanowisko DwieLinie() {
  Stanowisko s;
  s.Rozkazy({0x38, 0x0C, 0x01, 0x06, 0x80});
  return s;
}

TEST(LcdDane, SixteenCharactersScrollLineOneByOne) {
  auto s = DwieLinie();
  const std::string tekst = TekstTestowy(16);
  s.Tekst(tekst);
  EXPECT_EQ(s.Linia(0), tekst.substr(1) + " ");
  EXPECT_EQ(s.lcd.LicznikAdresu, 15);
  s.Tekst(std::string(1, ZnakTekstu(17)));
  EXPECT_EQ(s.Linia(0), TekstTestowy(17).substr(2) + " ");
  EXPECT_EQ(s.Status(), 0x0F);
}

TEST(LcdDane, FortyFirstCharacterGoesToLineTwo) {
  auto s = DwieLinie();
  const std::string tekst = TekstTestowy(41);
  s.Tekst(tekst);
  EXPECT_EQ(s.Linia(0), tekst.substr(24, 16));  // characters 25-40
  EXPECT_EQ(s.Linia(1)[0], ZnakTekstu(41));
  EXPECT_EQ(s.Linia(1).substr(1), std::string(15, ' '));
  EXPECT_EQ(s.Status(), 0x41);
}

TEST(LcdDane, LineTwoTakesThirtyNineThenWrapsToLineOne) {
  auto s = DwieLinie();
  s.Rozkazy({0xC0});
  const std::string tekst = TekstTestowy(40);
  s.Tekst(tekst.substr(0, 39));
  EXPECT_EQ(s.lcd.PoczatekLinii2, 65);
  EXPECT_EQ(s.Linia(1), tekst.substr(24, 15) + " ");
  s.Tekst(tekst.substr(39));
  EXPECT_EQ(s.Linia(0)[0], ZnakTekstu(40));
  EXPECT_EQ(s.lcd.LicznikAdresu, 1);
  EXPECT_EQ(s.lcd.PoczatekLinii1, 0);
}

TEST(LcdDane, DecrementModeMovesLeftWithoutStatus) {
  auto s = DwieLinie();
  s.Rozkazy({0x04, 0x83});
  s.Tekst("ABC");
  EXPECT_EQ(s.Linia(0), " CBA            ");
  EXPECT_EQ(s.lcd.LicznikAdresu, 0);
  // The status still shows where the address instruction left it.
  EXPECT_EQ(s.Status(), 0x03);
}

TEST(LcdDane, DecrementFromLineOneColumnZeroWrapsToTheEndOfLineTwo) {
  auto s = DwieLinie();
  s.Rozkazy({0x04, 0x80});
  s.Tekst("AB");
  EXPECT_EQ(s.Linia(0)[0], 'A');
  EXPECT_EQ(s.lcd.PoczatekLinii2, 65);
  EXPECT_EQ(s.Linia(1)[15], 'B');
  EXPECT_EQ(s.lcd.PamiecDDRAM[80], 'B');
  EXPECT_EQ(s.lcd.LicznikAdresu, 30);
}

TEST(LcdDane, DecrementFromLineTwoColumnZeroGoesToLineOne) {
  auto s = DwieLinie();
  s.Rozkazy({0x04, 0xC0});
  s.Tekst("AB");
  EXPECT_EQ(s.Linia(1)[0], 'A');
  EXPECT_EQ(s.lcd.PoczatekLinii1, 25);
  EXPECT_EQ(s.lcd.PamiecDDRAM[40], 'B');
  EXPECT_EQ(s.Linia(0)[15], 'B');
}

TEST(LcdDane, DecrementInOneLineAddressingWrapsWithinLineOne) {
  Stanowisko s;
  s.Rozkazy({0x34, 0x04, 0x80});
  s.Tekst("AB");
  EXPECT_EQ(s.lcd.PamiecDDRAM[40], 'B');
  EXPECT_EQ(s.lcd.PoczatekLinii1, 25);
  EXPECT_EQ(s.lcd.LicznikAdresu, 14);
}

TEST(LcdDane, EntryShiftRotatesMemoryUnderAFixedCounter) {
  auto s = DwieLinie();
  s.Rozkazy({0x07, 0x85});
  s.Tekst("ABC");
  EXPECT_EQ(s.Linia(0), "   ABC          ");
  EXPECT_EQ(s.lcd.LicznikAdresu, 5);
  EXPECT_EQ(s.Status(), 0x05);
  EXPECT_EQ(s.Odczyt(), 'C');
}

TEST(LcdDane, EntryShiftWrapsCellZeroToSeventyNineAndLeavesEighty) {
  auto s = DwieLinie();
  s.lcd.PamiecDDRAM[80] = 'Z';
  s.Tekst("Q");  // cell 0
  s.Rozkazy({0x07, 0x85});
  s.Tekst("A");
  EXPECT_EQ(s.lcd.PamiecDDRAM[79], 'Q');
  EXPECT_EQ(s.lcd.PamiecDDRAM[80], 'Z');
  s.Rozkazy({0x05});
  s.Tekst("B");
  EXPECT_EQ(s.lcd.PamiecDDRAM[0], 'Q');
}

TEST(LcdDane, CgramDefinesCharacterZeroAndShowsIt) {
  auto s = DwieLinie();
  const uint8_t wiersze[10] = {0x1F, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x1F, 0x04, 0x0E};
  s.Rozkazy({0x40});
  for (uint8_t w : wiersze) s.plytka.LcdZapis(0xFFF2, w);
  for (int r = 0; r < 10; ++r) EXPECT_EQ(s.lcd.WzorZnakow[0][r], wiersze[r]) << r;
  EXPECT_EQ(s.lcd.ZnakCG, 1);
  EXPECT_EQ(s.lcd.WierszCG, 0);
  EXPECT_EQ(s.Odczyt(), 0x08);
  s.plytka.LcdZapis(0xFFF2, 0x15);  // the eleventh byte: row 0 of character 1
  EXPECT_EQ(s.lcd.WzorZnakow[1][0], 0x15);
  EXPECT_EQ(s.lcd.WzorZnakow[8], WzorZnakowA00[8]);  // not a copy of character 0
  s.Rozkazy({0x80});
  EXPECT_EQ(s.Odczyt(), 0x09);  // the status still comes from CGRAM mode
  EXPECT_FALSE(s.lcd.Flagi.TrybCGRAM);
  s.plytka.LcdZapis(0xFFF2, 0x00);
  EXPECT_EQ(s.lcd.ZnakiLinii(0)[0], 0x00);
}

TEST(LcdDane, CgramWritesRunOnPastCharacterSevenAndWrapAt255) {
  auto s = DwieLinie();
  s.Rozkazy({0x7F});  // character 7, row 7
  for (int i = 0; i < 4; ++i) s.plytka.LcdZapis(0xFFF2, 0x0A);
  EXPECT_EQ(s.lcd.WzorZnakow[8][0], 0x0A);
  s.lcd.ZnakCG = 255;
  s.lcd.WierszCG = 9;
  s.plytka.LcdZapis(0xFFF2, 0x01);
  EXPECT_EQ(s.lcd.WzorZnakow[255][9], 0x01);
  EXPECT_EQ(s.lcd.ZnakCG, 0);
  EXPECT_EQ(s.Odczyt(), 0x00);
}

TEST(LcdDane, GlyphChangesSurviveTheResetSequence) {
  auto s = DwieLinie();
  s.Rozkazy({0x48});
  s.plytka.LcdZapis(0xFFF2, 0x1F);
  s.Rozkazy({0x80});
  s.Tekst("x");
  s.plytka.ResetPlytki();
  EXPECT_EQ(s.lcd.WzorZnakow[1][0], 0x1F);
  EXPECT_EQ(s.Linia(0), std::string(16, ' '));
}

struct PrzypadekKroku {
  const char* nazwa;
  uint8_t przesuniecie;  // the last cursor/display shift instruction
  uint8_t adres;
  int znaki;
  int kursor;
};

void PrintTo(const PrzypadekKroku& p, std::ostream* os) { *os << p.nazwa; }

class LcdKrokKursora : public testing::TestWithParam<PrzypadekKroku> {};

TEST_P(LcdKrokKursora, FollowsTheShiftDirectionWithinTheLine) {
  const auto& p = GetParam();
  auto s = DwieLinie();
  s.Rozkazy({0x0E, p.przesuniecie, p.adres});
  s.Tekst(std::string(p.znaki, '*'));
  EXPECT_EQ(s.lcd.PozycjaKursora, p.kursor);
}

INSTANTIATE_TEST_SUITE_P(
    Przypadki, LcdKrokKursora,
    testing::Values(PrzypadekKroku{"RightStepsWithWrites", 0x14, 0x82, 3, 5},
                    PrzypadekKroku{"RightStopsAtColumn15", 0x14, 0x8D, 5, 15},
                    PrzypadekKroku{"RightStopsAtEndOfLine2", 0x14, 0xCE, 4, 31},
                    PrzypadekKroku{"LeftStepsAgainstIncrement", 0x10, 0x85, 2, 3},
                    PrzypadekKroku{"LeftStopsAtColumn0", 0x10, 0x81, 4, 0},
                    PrzypadekKroku{"LeftStopsAtLine2Start", 0x10, 0xC2, 5, 16},
                    PrzypadekKroku{"DisplayShiftHoldsIt", 0x1C, 0x84, 3, 4}),
    [](const auto& info) { return std::string(info.param.nazwa); });

}  // namespace
}  // namespace kelbra::testy
