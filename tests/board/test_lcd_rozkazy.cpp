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

TEST(LcdRozkazy, InstructionZeroChangesNothingNotEvenTheStatusBytes) {
  auto s = DwieLinie({0x0F});
  s.Tekst("AB");
  s.j->Xdata[Lcd::AdresStatusu] = 0x77;
  s.j->Xdata[Lcd::AdresOdczytu] = 0x88;
  const Lcd przed = s.lcd;
  s.Rozkazy({0x00});
  EXPECT_EQ(s.Status(), 0x77);
  EXPECT_EQ(s.Odczyt(), 0x88);
  EXPECT_EQ(s.lcd.PamiecDDRAM, przed.PamiecDDRAM);
  EXPECT_EQ(s.lcd.LicznikAdresu, przed.LicznikAdresu);
  EXPECT_EQ(s.lcd.PozycjaKursora, przed.PozycjaKursora);
  EXPECT_EQ(s.lcd.Wersja, przed.Wersja);
  EXPECT_EQ(s.lcd.TimerKursor, przed.TimerKursor);
}

TEST(LcdRozkazy, EveryOtherInstructionRefreshesBothStatusBytes) {
  {
    Stanowisko s;
    s.j->Xdata[Lcd::AdresStatusu] = 0x77;
    s.j->Xdata[Lcd::AdresOdczytu] = 0x88;
    s.Rozkazy({0x02});
    EXPECT_EQ(s.Status(), 0x00);
    EXPECT_EQ(s.Odczyt(), 0xFE);
  }
  for (int bajt = 0x00; bajt <= 0xFF; ++bajt) {
    Stanowisko s;
    s.j->Xdata[Lcd::AdresStatusu] = 0xAA;  // bit 7 set: never a status byte
    s.j->Xdata[Lcd::AdresOdczytu] = 0xAA;
    s.Rozkazy({static_cast<uint8_t>(bajt)});
    if (bajt == 0x00) {
      EXPECT_EQ(s.Status(), 0xAA);
      EXPECT_EQ(s.Odczyt(), 0xAA);
      continue;
    }
    EXPECT_EQ(s.Status(), s.lcd.BajtStatusu()) << std::hex << bajt;
    EXPECT_EQ(s.Odczyt(), s.lcd.BajtOdczytu()) << std::hex << bajt;
    EXPECT_EQ(s.Status() & 0x80, 0) << std::hex << bajt;  // never busy
  }
}

TEST(LcdRozkazy, ReturnHomeKeepsMemoryAndFlags) {
  for (uint8_t dom : {0x02, 0x03}) {
    auto s = DwieLinie({0x0F, 0x14});
    s.Tekst(TekstTestowy(20));  // line 1 scrolled, cursor moved right
    const auto pamiec = s.lcd.PamiecDDRAM;
    s.Rozkazy({dom});
    EXPECT_EQ(s.lcd.PamiecDDRAM, pamiec);
    EXPECT_EQ(s.lcd.PoczatekLinii1, 0);
    EXPECT_EQ(s.lcd.PoczatekLinii2, 41);
    EXPECT_EQ(s.lcd.LicznikAdresu, 0);
    EXPECT_EQ(s.lcd.PozycjaKursora, 0);
    EXPECT_TRUE(s.lcd.Flagi.KursorWlaczony);
    EXPECT_TRUE(s.lcd.Flagi.MiganieWlaczone);
    EXPECT_TRUE(s.lcd.Flagi.PrzesuwanieWPrawo);
    EXPECT_EQ(s.Status(), 0x00);
    EXPECT_EQ(s.Odczyt(), ZnakTekstu(1));
  }
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

TEST(LcdRozkazy, ClearKeepsCursorBlinkAndShiftFlags) {
  auto s = DwieLinie({0x07, 0x0F, 0x1C});
  s.Rozkazy({0x01});
  EXPECT_TRUE(s.lcd.Flagi.PrzesuwanieWpisu);
  EXPECT_FALSE(s.lcd.Flagi.Dekrementacja);
  EXPECT_TRUE(s.lcd.Flagi.KursorWlaczony);
  EXPECT_TRUE(s.lcd.Flagi.MiganieWlaczone);
  EXPECT_TRUE(s.lcd.TimerKursor);
  EXPECT_TRUE(s.lcd.Flagi.PrzesuwanieEkranu);
  EXPECT_TRUE(s.lcd.Flagi.WyswietlaczWlaczony);
}

// Entry mode rows (04h-07h) and cursor/display shift rows (10h-1Fh).
struct PrzypadekFlag {
  uint8_t bajt;
  bool dekrementacja;
  bool przesuwanieWpisu;
  bool przesuwanieEkranu;
  bool wPrawo;
};

void PrintTo(const PrzypadekFlag& p, std::ostream* os) { *os << std::hex << int{p.bajt}; }

class LcdWpisIPrzesuniecie : public testing::TestWithParam<PrzypadekFlag> {};

// Every flag starts opposite to the row, so the two flags a row sets are
// seen to be set and the other two are seen to stay.
TEST_P(LcdWpisIPrzesuniecie, SetsOnlyItsOwnTwoFlagsAndMovesNothing) {
  const auto& p = GetParam();
  auto s = DwieLinie({0x85});
  s.lcd.Flagi.Dekrementacja = !p.dekrementacja;
  s.lcd.Flagi.PrzesuwanieWpisu = !p.przesuwanieWpisu;
  s.lcd.Flagi.PrzesuwanieEkranu = !p.przesuwanieEkranu;
  s.lcd.Flagi.PrzesuwanieWPrawo = !p.wPrawo;
  s.Rozkazy({p.bajt});
  const bool wpis = p.bajt < 0x10;
  EXPECT_EQ(s.lcd.Flagi.Dekrementacja, wpis ? p.dekrementacja : !p.dekrementacja);
  EXPECT_EQ(s.lcd.Flagi.PrzesuwanieWpisu, wpis ? p.przesuwanieWpisu : !p.przesuwanieWpisu);
  EXPECT_EQ(s.lcd.Flagi.PrzesuwanieEkranu, wpis ? !p.przesuwanieEkranu : p.przesuwanieEkranu);
  EXPECT_EQ(s.lcd.Flagi.PrzesuwanieWPrawo, wpis ? !p.wPrawo : p.wPrawo);
  EXPECT_EQ(s.lcd.LicznikAdresu, 5);
  EXPECT_EQ(s.lcd.PozycjaKursora, 5);
  EXPECT_EQ(s.lcd.PoczatekLinii1, 0);
  EXPECT_EQ(s.lcd.PoczatekLinii2, 41);
}

INSTANTIATE_TEST_SUITE_P(
    Wiersze, LcdWpisIPrzesuniecie,
    testing::Values(PrzypadekFlag{0x04, true, false, false, false}, PrzypadekFlag{0x05, true, true, false, false},
                    PrzypadekFlag{0x06, false, false, false, false}, PrzypadekFlag{0x07, false, true, false, false},
                    PrzypadekFlag{0x10, false, false, false, false}, PrzypadekFlag{0x13, false, false, false, false},
                    PrzypadekFlag{0x14, false, false, false, true}, PrzypadekFlag{0x17, false, false, false, true},
                    PrzypadekFlag{0x18, false, false, true, false}, PrzypadekFlag{0x1B, false, false, true, false},
                    PrzypadekFlag{0x1C, false, false, true, true}, PrzypadekFlag{0x1F, false, false, true, true}));

struct PrzypadekFunkcji {
  uint8_t bajt;
  int linie;
  int wysokosc;
};

void PrintTo(const PrzypadekFunkcji& p, std::ostream* os) { *os << std::hex << int{p.bajt}; }

class LcdFunkcja : public testing::TestWithParam<PrzypadekFunkcji> {};

TEST_P(LcdFunkcja, SetsLinesGlyphHeightAndAddressingAndNothingElse) {
  const auto& p = GetParam();
  auto s = DwieLinie({0x0E, 0x05});
  s.Tekst("ABC");
  s.Rozkazy({static_cast<uint8_t>(p.bajt ^ 0x0C)});  // the other line count and height first
  const Lcd przed = s.lcd;
  s.Rozkazy({p.bajt});
  EXPECT_EQ(s.lcd.LiczbaLinii, p.linie);
  EXPECT_EQ(s.lcd.WysokoscZnaku, p.wysokosc);
  EXPECT_EQ(s.lcd.Flagi.AdresowanieJednoliniowe, p.linie == 1);
  EXPECT_EQ(s.lcd.LicznikAdresu, przed.LicznikAdresu);
  EXPECT_EQ(s.lcd.PoczatekLinii1, przed.PoczatekLinii1);
  EXPECT_EQ(s.lcd.PoczatekLinii2, przed.PoczatekLinii2);
  EXPECT_EQ(s.lcd.PozycjaKursora, przed.PozycjaKursora);
  EXPECT_EQ(s.lcd.PamiecDDRAM, przed.PamiecDDRAM);
  EXPECT_TRUE(s.lcd.Flagi.KursorWlaczony);
  EXPECT_TRUE(s.lcd.Flagi.Dekrementacja);
  EXPECT_TRUE(s.lcd.Flagi.PrzesuwanieWpisu);
}

// DL (bit 4) makes no difference.
INSTANTIATE_TEST_SUITE_P(Bajty, LcdFunkcja,
                         testing::Values(PrzypadekFunkcji{0x30, 1, 8}, PrzypadekFunkcji{0x34, 1, 10},
                                         PrzypadekFunkcji{0x38, 2, 8}, PrzypadekFunkcji{0x3C, 2, 10},
                                         PrzypadekFunkcji{0x28, 2, 8}, PrzypadekFunkcji{0x24, 1, 10}));

struct PrzypadekCG {
  uint8_t bajt;
  uint8_t znak;
  uint8_t wiersz;
  uint8_t odczyt;
};

void PrintTo(const PrzypadekCG& p, std::ostream* os) { *os << std::hex << int{p.bajt}; }

class LcdAdresCGRAM : public testing::TestWithParam<PrzypadekCG> {};

TEST_P(LcdAdresCGRAM, TakesCharacterAndRowFromTheLowSixBits) {
  const auto& p = GetParam();
  auto s = DwieLinie();
  s.Rozkazy({p.bajt});
  EXPECT_TRUE(s.lcd.Flagi.TrybCGRAM);
  EXPECT_EQ(s.lcd.ZnakCG, p.znak);
  EXPECT_EQ(s.lcd.WierszCG, p.wiersz);
  EXPECT_EQ(s.Odczyt(), p.odczyt);
  EXPECT_EQ(s.Status(), 0x00);  // the counter is not touched
}

INSTANTIATE_TEST_SUITE_P(Bajty, LcdAdresCGRAM,
                         testing::Values(PrzypadekCG{0x40, 0, 0, 0x00}, PrzypadekCG{0x47, 0, 7, 0x07},
                                         PrzypadekCG{0x48, 1, 0, 0x08}, PrzypadekCG{0x5D, 3, 5, 0x1D},
                                         PrzypadekCG{0x7F, 7, 7, 0x3F}));

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

// Display control: each byte from a known start, the flags and timer after,
// and one tick of the blink timer.
struct PrzypadekSterowania {
  uint8_t start;  // display control sent first
  uint8_t bajt;
  bool wyswietlacz;
  bool kursor;
  bool miganie;
  bool timer;
  bool faza;  // FazaMigania, which starts false
};

void PrintTo(const PrzypadekSterowania& p, std::ostream* os) {
  *os << std::hex << int{p.start} << "->" << int{p.bajt};
}

class LcdSterowanie : public testing::TestWithParam<PrzypadekSterowania> {};

TEST_P(LcdSterowanie, SetsDisplayCursorBlinkAndTheTimerThatFlipsThePhase) {
  const auto& p = GetParam();
  auto s = DwieLinie({p.start});
  s.lcd.FazaMigania = false;
  s.Rozkazy({p.bajt});
  EXPECT_EQ(s.lcd.Flagi.WyswietlaczWlaczony, p.wyswietlacz);
  EXPECT_EQ(s.lcd.Flagi.KursorWlaczony, p.kursor);
  EXPECT_EQ(s.lcd.Flagi.MiganieWlaczone, p.miganie);
  EXPECT_EQ(s.lcd.TimerKursor, p.timer);
  EXPECT_EQ(s.lcd.FazaMigania, p.faza);
  const uint32_t wersja = s.lcd.Wersja;
  s.lcd.TykniecieKursora();
  EXPECT_EQ(s.lcd.FazaMigania, p.faza != p.timer);
  EXPECT_EQ(s.lcd.Wersja, wersja + (p.timer ? 1 : 0));
}

INSTANTIATE_TEST_SUITE_P(
    Bajty, LcdSterowanie,
    testing::Values(
        // D = 0 looks at neither C nor B.
        PrzypadekSterowania{0x0F, 0x08, false, true, true, true, false},
        PrzypadekSterowania{0x0C, 0x0B, false, false, false, false, false},
        // C = 0: cursor off, blink flag, timer and phase as they were, whatever B.
        PrzypadekSterowania{0x0F, 0x0C, true, false, true, true, false},
        PrzypadekSterowania{0x0F, 0x0D, true, false, true, true, false},
        PrzypadekSterowania{0x0E, 0x0D, true, false, false, false, false},
        // C = 1, B = 0: steady, shown inverted.
        PrzypadekSterowania{0x0F, 0x0E, true, true, false, false, true},
        // C = 1, B = 1: blinking, the phase left as it was.
        PrzypadekSterowania{0x0C, 0x0F, true, true, true, true, false}));

TEST(LcdRozkazy, DdramAddressRestartsABlinkingCursorTimerAndStopsAnyOther) {
  Stanowisko s;
  s.Rozkazy({0x0F});
  const uint32_t starty = s.lcd.StartyTimeraKursora;
  s.Rozkazy({0x85});
  EXPECT_TRUE(s.lcd.TimerKursor);
  EXPECT_EQ(s.lcd.StartyTimeraKursora, starty + 1);
  s.Rozkazy({0x0C});  // cursor off: the timer runs on
  EXPECT_TRUE(s.lcd.TimerKursor);
  s.lcd.Flagi.MiganieWlaczone = false;
  s.Rozkazy({0x83});
  EXPECT_FALSE(s.lcd.TimerKursor);
  EXPECT_EQ(s.lcd.StartyTimeraKursora, starty + 1);
  EXPECT_EQ(s.lcd.PozycjaKursora, 3);
}

TEST(LcdRozkazy, DdramAddressReportsTheGlyphPositionThenLeavesCgramMode) {
  auto s = DwieLinie({0x5A});  // character 3, row 2
  s.Rozkazy({0xC4});
  EXPECT_EQ(s.Status(), 0x44);
  EXPECT_EQ(s.Odczyt(), 0x1A);
  EXPECT_FALSE(s.lcd.Flagi.TrybCGRAM);
  s.Rozkazy({0x02});  // the next status reads display memory again
  EXPECT_EQ(s.Odczyt(), 0xFE);
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
