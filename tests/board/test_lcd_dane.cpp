// LCD data writes to FFF2h: the three write modes with their scrolling
// windows, the glyph table writes and the cursor step.

#include <gtest/gtest.h>

#include "Stanowisko.h"

namespace kelbra::testy {
namespace {

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

TEST(LcdDane, DecrementModeMovesLeftWithoutStatusOrCursorStep) {
  auto s = DwieLinie({0x0E, 0x14, 0x04, 0x83});
  s.j->Xdata[Lcd::AdresStatusu] = 0xAA;
  s.j->Xdata[Lcd::AdresOdczytu] = 0xAA;
  s.Tekst("ABC");
  EXPECT_EQ(s.Linia(0), " CBA            ");
  EXPECT_EQ(s.lcd.LicznikAdresu, 0);
  EXPECT_EQ(s.lcd.PozycjaKursora, 3);
  EXPECT_EQ(s.Status(), 0xAA);
  EXPECT_EQ(s.Odczyt(), 0xAA);
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
}

TEST(LcdDane, EntryShiftInDecrementModeRotatesUpAndStepsTheCursor) {
  auto s = DwieLinie({0x0E, 0x14});
  s.Tekst("AB");  // cells 0 and 1
  s.lcd.PamiecDDRAM[79] = 'Z';
  s.lcd.PamiecDDRAM[80] = 'Q';
  s.Rozkazy({0x05, 0x83});
  s.Tekst("C");
  EXPECT_EQ(s.lcd.PamiecDDRAM[0], 'Z');
  EXPECT_EQ(s.lcd.PamiecDDRAM[1], 'A');
  EXPECT_EQ(s.lcd.PamiecDDRAM[2], 'B');
  EXPECT_EQ(s.lcd.PamiecDDRAM[3], 'C');
  EXPECT_EQ(s.lcd.PamiecDDRAM[80], 'Q');
  EXPECT_EQ(s.lcd.LicznikAdresu, 3);
  EXPECT_EQ(s.lcd.PozycjaKursora, 4);  // the cursor step, by the shift direction
  EXPECT_EQ(s.Status(), 0x03);
  EXPECT_EQ(s.Odczyt(), 'C');
}

TEST(LcdDane, EntryShiftAtTheEndOfLineTwoWritesCellEighty) {
  auto s = DwieLinie({0x07, 0xE7});  // line 2 at offset 65, counter in column 0
  EXPECT_EQ(s.lcd.PoczatekLinii2, 65);
  EXPECT_EQ(s.lcd.LicznikAdresu, 16);
  s.lcd.LicznikAdresu = 31;
  s.Tekst("E");
  EXPECT_EQ(s.lcd.PamiecDDRAM[80], 'E');
  EXPECT_EQ(s.Status(), 0x4F);
  EXPECT_EQ(s.Odczyt(), 'E');
}

// One byte written at the edges of each write mode's window.
struct PrzypadekZapisu {
  const char* nazwa;
  uint8_t funkcja;
  uint8_t wpis;
  uint8_t adres;
  // Window and counter set by hand after the address, when the case needs it.
  int poczatek1;  // -1: as the address left it
  int poczatek2;
  int licznik;
  int komorka;  // where the byte lands
  int poczatek1Po;
  int poczatek2Po;
  int licznikPo;
};

void PrintTo(const PrzypadekZapisu& p, std::ostream* os) { *os << p.nazwa; }

class LcdZapis : public testing::TestWithParam<PrzypadekZapisu> {};

TEST_P(LcdZapis, StoresTheByteAndMovesTheWindowAndCounter) {
  const auto& p = GetParam();
  Stanowisko s;
  s.Rozkazy({p.funkcja, 0x0C, 0x01, p.wpis, p.adres});
  if (p.poczatek1 >= 0) {
    s.lcd.PoczatekLinii1 = static_cast<uint8_t>(p.poczatek1);
    s.lcd.PoczatekLinii2 = static_cast<uint8_t>(p.poczatek2);
    s.lcd.LicznikAdresu = p.licznik;
  }
  s.Tekst("@");
  EXPECT_EQ(s.lcd.PamiecDDRAM[p.komorka], '@');
  EXPECT_EQ(s.lcd.PoczatekLinii1, p.poczatek1Po);
  EXPECT_EQ(s.lcd.PoczatekLinii2, p.poczatek2Po);
  EXPECT_EQ(s.lcd.LicznikAdresu, p.licznikPo);
}

INSTANTIATE_TEST_SUITE_P(
    Przypadki, LcdZapis,
    testing::Values(
        // Decrement, line 1: counter first, then the window, then the wrap.
        PrzypadekZapisu{"DecLine1Counter", 0x38, 0x04, 0x87, -1, 0, 0, 7, 0, 41, 6},
        PrzypadekZapisu{"DecLine1Window", 0x38, 0x04, 0x80, 9, 50, 0, 9, 8, 50, 0},
        PrzypadekZapisu{"DecLine1WrapTwoLine", 0x38, 0x04, 0x80, -1, 0, 0, 0, 0, 65, 31},
        PrzypadekZapisu{"DecLine1WrapOneLine", 0x34, 0x04, 0x80, -1, 0, 0, 0, 25, 41, 15},
        // Decrement, line 2.
        PrzypadekZapisu{"DecLine2Counter", 0x38, 0x04, 0xC5, -1, 0, 0, 46, 0, 41, 20},
        PrzypadekZapisu{"DecLine2Window", 0x38, 0x04, 0xC0, 3, 50, 16, 50, 3, 49, 16},
        PrzypadekZapisu{"DecLine2Wrap", 0x38, 0x04, 0xC0, -1, 0, 0, 41, 25, 41, 15},
        // Increment, line 1.
        PrzypadekZapisu{"IncLine1Home", 0x38, 0x06, 0x8E, -1, 0, 0, 14, 0, 41, 15},
        PrzypadekZapisu{"IncLine1Column15", 0x38, 0x06, 0x8F, -1, 0, 0, 15, 1, 41, 15},
        PrzypadekZapisu{"IncLine1Scrolling", 0x38, 0x06, 0x80, 7, 48, 3, 22, 8, 48, 15},
        PrzypadekZapisu{"IncLine1Full", 0x38, 0x06, 0x80, 25, 65, 15, 41, 24, 41, 17},
        PrzypadekZapisu{"IncLine1FarOneLine", 0x34, 0x06, 0xBF, -1, 0, 0, 41, 47, 41, 17},
        // Increment, line 2.
        PrzypadekZapisu{"IncLine2Home", 0x38, 0x06, 0xC3, -1, 0, 0, 44, 0, 41, 20},
        PrzypadekZapisu{"IncLine2Column15", 0x38, 0x06, 0xCF, -1, 0, 0, 56, 0, 42, 31},
        PrzypadekZapisu{"IncLine2Scrolling", 0x38, 0x06, 0xC0, 10, 51, 31, 66, 10, 52, 31},
        PrzypadekZapisu{"IncLine2Full", 0x38, 0x06, 0xC0, 24, 65, 31, 0, 0, 64, 1}),
    [](const auto& info) { return std::string(info.param.nazwa); });

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

TEST(LcdDane, CgramWritesNeitherStepTheCursorNorTouchDisplayMemory) {
  auto s = DwieLinie({0x0E, 0x14, 0x83, 0x40});
  const auto pamiec = s.lcd.PamiecDDRAM;
  s.Tekst("\x01\x02\x03");
  EXPECT_EQ(s.lcd.PozycjaKursora, 3);
  EXPECT_EQ(s.lcd.LicznikAdresu, 3);
  EXPECT_EQ(s.lcd.PamiecDDRAM, pamiec);
  EXPECT_EQ(s.Status(), 0x03);
  EXPECT_EQ(s.Odczyt(), 0x03);
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
