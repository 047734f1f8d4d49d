// LCD instructions written to FFF0h and the status bytes they leave.

#include <gtest/gtest.h>

#include "Stanowisko.h"

namespace kelbra::testy {
namespace {

TEST(LcdRozkazy, PowerOnSequenceLeavesOneLineOfTallGlyphsShown) {
  Stanowisko s;
  EXPECT_EQ(s.lcd.LiczbaLinii, 1);
  EXPECT_EQ(s.lcd.WysokoscZnaku, 10);
  EXPECT_TRUE(s.lcd.Flagi.AdresowanieJednoliniowe);
  EXPECT_TRUE(s.lcd.Flagi.WyswietlaczWlaczony);
  EXPECT_FALSE(s.lcd.Flagi.KursorWlaczony);
  EXPECT_EQ(s.Status(), 0x00);
  EXPECT_EQ(s.Odczyt(), 0xFE);
}

TEST(LcdRozkazy, NothingHappensAtOtherAddresses) {
  Stanowisko s;
  const uint32_t wersja = s.lcd.Wersja;
  for (uint16_t adres : {0x0000, 0xFFF1, 0xFFF3, 0xFFEF, 0xFFF4, 0x00F0}) {
    EXPECT_EQ(s.plytka.LcdZapis(adres, 0x41), 0);
  }
  EXPECT_EQ(s.lcd.Wersja, wersja);
  EXPECT_EQ(s.Linia(0), std::string(16, ' '));
}

TEST(LcdRozkazy, InstructionZeroLeavesTheStatusBytesAlone) {
  Stanowisko s;
  s.j->Xdata[0xFFF1] = 0x77;
  s.j->Xdata[0xFFF3] = 0x88;
  s.Rozkazy({0x00});
  EXPECT_EQ(s.Status(), 0x77);
  EXPECT_EQ(s.Odczyt(), 0x88);
  s.Rozkazy({0x02});  // any other instruction refreshes them
  EXPECT_EQ(s.Status(), 0x00);
  EXPECT_EQ(s.Odczyt(), 0xFE);
}

struct PrzypadekFunkcji {
  uint8_t bajt;
  int linie;
  int wysokosc;
};

void PrintTo(const PrzypadekFunkcji& p, std::ostream* os) { *os << std::hex << int{p.bajt}; }

class LcdFunkcja : public testing::TestWithParam<PrzypadekFunkcji> {};

TEST_P(LcdFunkcja, SetsLinesGlyphHeightAndAddressing) {
  const auto& p = GetParam();
  Stanowisko s;
  s.Rozkazy({p.bajt});
  EXPECT_EQ(s.lcd.LiczbaLinii, p.linie);
  EXPECT_EQ(s.lcd.WysokoscZnaku, p.wysokosc);
  EXPECT_EQ(s.lcd.Flagi.AdresowanieJednoliniowe, p.linie == 1);
}

// DL (bit 4) makes no difference.
INSTANTIATE_TEST_SUITE_P(Bajty, LcdFunkcja,
                         testing::Values(PrzypadekFunkcji{0x30, 1, 8}, PrzypadekFunkcji{0x34, 1, 10},
                                         PrzypadekFunkcji{0x38, 2, 8}, PrzypadekFunkcji{0x3C, 2, 10},
                                         PrzypadekFunkcji{0x28, 2, 8}, PrzypadekFunkcji{0x24, 1, 10}));

TEST(LcdRozkazy, HelloInLineOneWithStatusAndReadBack) {
  Stanowisko s;
  s.Rozkazy({0x38, 0x0C, 0x01, 0x06});
  s.Tekst("HELLO");
  EXPECT_EQ(s.Linia(0), "HELLO           ");
  EXPECT_EQ(s.Status(), 0x05);
  EXPECT_EQ(s.Odczyt(), 0xFE);
}

TEST(LcdRozkazy, LineTwoAfterC0) {
  Stanowisko s;
  s.Rozkazy({0x38, 0x0C, 0x01, 0x06, 0xC0});
  EXPECT_EQ(s.Status(), 0x40);
  s.Tekst("AB");
  EXPECT_EQ(s.Linia(1), "AB              ");
  EXPECT_EQ(s.Linia(0), std::string(16, ' '));
  EXPECT_EQ(s.Status(), 0x42);
}

TEST(LcdRozkazy, ReadBackShowsTheCharacterUnderTheCounter) {
  Stanowisko s;
  s.Rozkazy({0x38, 0x0C, 0x01, 0x06});
  s.Tekst("XYZ");
  s.Rozkazy({0x81});
  EXPECT_EQ(s.Status(), 0x01);
  EXPECT_EQ(s.Odczyt(), 'Y');
}

TEST(LcdRozkazy, ClearBlanksMemoryAndReturnsHomeKeepingTheEntryMode) {
  Stanowisko s;
  s.Rozkazy({0x38, 0x0C, 0x06});
  s.Tekst("ABCDEFGHIJKLMNOPQRS");  // line 1 scrolled
  s.Rozkazy({0x04, 0x01});
  EXPECT_EQ(s.lcd.PoczatekLinii1, 0);
  EXPECT_EQ(s.lcd.PoczatekLinii2, 41);
  EXPECT_EQ(s.lcd.LicznikAdresu, 0);
  for (uint8_t z : s.lcd.PamiecDDRAM) EXPECT_EQ(z, 0xFE);
  s.Rozkazy({0x85});
  s.Tekst("XY");  // still moving leftwards
  EXPECT_EQ(s.Linia(0), "    YX          ");
}

TEST(LcdRozkazy, DisplayControlDecidesCursorAndBlink) {
  Stanowisko s;
  s.Rozkazy({0x0F});
  EXPECT_TRUE(s.lcd.Flagi.KursorWlaczony);
  EXPECT_TRUE(s.lcd.Flagi.MiganieWlaczone);
  EXPECT_TRUE(s.lcd.TimerKursor);
  s.Rozkazy({0x0E});
  EXPECT_FALSE(s.lcd.TimerKursor);
  EXPECT_FALSE(s.lcd.Flagi.MiganieWlaczone);
  EXPECT_TRUE(s.lcd.FazaMigania);  // a steady cursor shows inverted
  s.Rozkazy({0x0F, 0x0D});         // C = 0 keeps the blink flag and the timer
  EXPECT_FALSE(s.lcd.Flagi.KursorWlaczony);
  EXPECT_TRUE(s.lcd.Flagi.MiganieWlaczone);
  EXPECT_TRUE(s.lcd.TimerKursor);
  s.Rozkazy({0x08});  // D = 0 changes only the display flag
  EXPECT_FALSE(s.lcd.Flagi.WyswietlaczWlaczony);
  EXPECT_TRUE(s.lcd.Flagi.MiganieWlaczone);
}

TEST(LcdRozkazy, DdramAddressRestartsABlinkingCursorTimer) {
  Stanowisko s;
  s.Rozkazy({0x0F});
  const uint32_t starty = s.lcd.StartyTimeraKursora;
  s.Rozkazy({0x85});
  EXPECT_TRUE(s.lcd.TimerKursor);
  EXPECT_EQ(s.lcd.StartyTimeraKursora, starty + 1);
  s.Rozkazy({0x0E, 0x80});
  EXPECT_FALSE(s.lcd.TimerKursor);
}

// DDRAM addressing: where the window and the counter land.
struct PrzypadekAdresu {
  const char* nazwa;
  uint8_t funkcja;  // function set
  uint8_t wpis;     // entry mode
  uint8_t adres;
  int poczatek1;
  int poczatek2;
  int licznik;
  uint8_t status;
};

void PrintTo(const PrzypadekAdresu& p, std::ostream* os) { *os << p.nazwa; }

class LcdAdresDDRAM : public testing::TestWithParam<PrzypadekAdresu> {};

TEST_P(LcdAdresDDRAM, PlacesTheWindowAndTheCounter) {
  const auto& p = GetParam();
  Stanowisko s;
  s.Rozkazy({p.funkcja, p.wpis, 0x0E, p.adres});
  EXPECT_EQ(s.lcd.PoczatekLinii1, p.poczatek1);
  EXPECT_EQ(s.lcd.PoczatekLinii2, p.poczatek2);
  EXPECT_EQ(s.lcd.LicznikAdresu, p.licznik);
  EXPECT_EQ(s.lcd.PozycjaKursora, p.licznik);
  EXPECT_EQ(s.Status(), p.status);
}

INSTANTIATE_TEST_SUITE_P(
    Przypadki, LcdAdresDDRAM,
    testing::Values(
        PrzypadekAdresu{"Line1Col5", 0x38, 0x06, 0x85, 0, 41, 5, 0x05},
        PrzypadekAdresu{"Line2Col3", 0x38, 0x06, 0xC3, 0, 41, 19, 0x43},
        PrzypadekAdresu{"Line1Beyond", 0x38, 0x06, 0x94, 5, 46, 15, 0x0F},
        PrzypadekAdresu{"Line1BeyondShift", 0x38, 0x07, 0x94, 5, 46, 0, 0x00},
        // Offset 25 for line 1 keeps line 2 at its last offset 65, inside the memory.
        PrzypadekAdresu{"Line1Limited", 0x38, 0x06, 0xA8, 25, 65, 15, 0x0F},
        PrzypadekAdresu{"Line2Beyond", 0x38, 0x06, 0xD0, 16, 57, 31, 0x4F},
        PrzypadekAdresu{"Line2BeyondShift", 0x38, 0x07, 0xD0, 16, 57, 16, 0x40},
        PrzypadekAdresu{"Line2Limited", 0x38, 0x06, 0xFF, 24, 65, 31, 0x4F},
        PrzypadekAdresu{"OneLineLow", 0x34, 0x06, 0x8A, 0, 41, 10, 0x0A},
        PrzypadekAdresu{"OneLineIgnoresBit6", 0x34, 0x06, 0xC2, 0, 41, 2, 0x02},
        PrzypadekAdresu{"OneLineFar", 0x34, 0x06, 0xBF, 48, 41, 15, 0x0F},
        PrzypadekAdresu{"OneLineFarShift", 0x34, 0x07, 0xBF, 48, 41, 0, 0x00}),
    [](const auto& info) { return std::string(info.param.nazwa); });

}  // namespace
}  // namespace kelbra::testy
