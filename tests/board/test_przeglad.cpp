// A rule-by-rule pass over the board and the LCD: every instruction row,
// the write modes at their window edges, the cursor and blink states, the
// image's geometry, and the key, LED and PC-key rules.

#include <gtest/gtest.h>

#include <optional>

#include "LcdObraz.h"
#include "Stanowisko.h"

namespace kelbra::testy {
namespace {

constexpr uint8_t ZnacznikStatusu = 0xAA;  // never a status byte (bit 7 clear)

// Two lines, display on, cursor off, increment, from line 1 column 0.
Stanowisko Gotowe(std::initializer_list<uint8_t> dalej = {}) {
  Stanowisko s;
  s.Rozkazy({0x38, 0x0C, 0x01, 0x06, 0x80});
  s.Rozkazy(dalej);
  return s;
}

// ---------------------------------------------------------------- instructions

TEST(PrzegladRozkazow, EveryInstructionButZeroRefreshesBothStatusBytes) {
  for (int bajt = 0; bajt < 256; ++bajt) {
    Stanowisko s;
    s.j->Xdata[Lcd::AdresStatusu] = ZnacznikStatusu;
    s.j->Xdata[Lcd::AdresOdczytu] = ZnacznikStatusu;
    s.plytka.LcdZapis(Lcd::AdresRozkazu, static_cast<uint8_t>(bajt));
    if (bajt == 0) {
      EXPECT_EQ(s.Status(), ZnacznikStatusu);
      EXPECT_EQ(s.Odczyt(), ZnacznikStatusu);
    } else {
      EXPECT_EQ(s.Status(), s.lcd.BajtStatusu()) << std::hex << bajt;
      EXPECT_NE(s.Status(), ZnacznikStatusu) << std::hex << bajt;
      EXPECT_EQ(s.Status() & 0x80, 0) << std::hex << bajt;
    }
  }
}

TEST(PrzegladRozkazow, InstructionZeroChangesNothingAtAll) {
  auto s = Gotowe({0x0F});
  s.Tekst("AB");
  const Lcd przed = s.lcd;
  s.Rozkazy({0x00});
  EXPECT_EQ(s.lcd.PamiecDDRAM, przed.PamiecDDRAM);
  EXPECT_EQ(s.lcd.LicznikAdresu, przed.LicznikAdresu);
  EXPECT_EQ(s.lcd.PozycjaKursora, przed.PozycjaKursora);
  EXPECT_EQ(s.lcd.Wersja, przed.Wersja);
  EXPECT_EQ(s.lcd.TimerKursor, przed.TimerKursor);
}

struct PrzypadekFlag {
  uint8_t bajt;
  bool dekrementacja;
  bool przesuwanieWpisu;
  bool przesuwanieEkranu;
  bool wPrawo;
};

void PrintTo(const PrzypadekFlag& p, std::ostream* os) { *os << std::hex << int{p.bajt}; }

class PrzegladFlag : public testing::TestWithParam<PrzypadekFlag> {};

// Entry mode and cursor/display shift rows, starting from the opposite flags
// so that every bit the row sets is seen to be set.
TEST_P(PrzegladFlag, EntryModeAndShiftRowsSetTheirFlagsAndMoveNothing) {
  const auto& p = GetParam();
  auto s = Gotowe({0x85});
  s.lcd.Flagi.Dekrementacja = !p.dekrementacja;
  s.lcd.Flagi.PrzesuwanieWpisu = !p.przesuwanieWpisu;
  s.lcd.Flagi.PrzesuwanieEkranu = !p.przesuwanieEkranu;
  s.lcd.Flagi.PrzesuwanieWPrawo = !p.wPrawo;
  const bool zPrzesunieciem = p.bajt >= 0x10;
  s.Rozkazy({p.bajt});
  if (zPrzesunieciem) {
    EXPECT_EQ(s.lcd.Flagi.PrzesuwanieEkranu, p.przesuwanieEkranu);
    EXPECT_EQ(s.lcd.Flagi.PrzesuwanieWPrawo, p.wPrawo);
    EXPECT_EQ(s.lcd.Flagi.Dekrementacja, !p.dekrementacja);  // untouched
  } else {
    EXPECT_EQ(s.lcd.Flagi.Dekrementacja, p.dekrementacja);
    EXPECT_EQ(s.lcd.Flagi.PrzesuwanieWpisu, p.przesuwanieWpisu);
    EXPECT_EQ(s.lcd.Flagi.PrzesuwanieWPrawo, !p.wPrawo);  // untouched
  }
  EXPECT_EQ(s.lcd.LicznikAdresu, 5);
  EXPECT_EQ(s.lcd.PozycjaKursora, 5);
  EXPECT_EQ(s.lcd.PoczatekLinii1, 0);
  EXPECT_EQ(s.lcd.PoczatekLinii2, 41);
}

INSTANTIATE_TEST_SUITE_P(
    Wiersze, PrzegladFlag,
    testing::Values(PrzypadekFlag{0x04, true, false, false, false}, PrzypadekFlag{0x05, true, true, false, false},
                    PrzypadekFlag{0x06, false, false, false, false}, PrzypadekFlag{0x07, false, true, false, false},
                    PrzypadekFlag{0x10, false, false, false, false}, PrzypadekFlag{0x13, false, false, false, false},
                    PrzypadekFlag{0x14, false, false, false, true}, PrzypadekFlag{0x17, false, false, false, true},
                    PrzypadekFlag{0x18, false, false, true, false}, PrzypadekFlag{0x1B, false, false, true, false},
                    PrzypadekFlag{0x1C, false, false, true, true}, PrzypadekFlag{0x1F, false, false, true, true}));

struct PrzypadekCG {
  uint8_t bajt;
  uint8_t znak;
  uint8_t wiersz;
  uint8_t odczyt;
};

void PrintTo(const PrzypadekCG& p, std::ostream* os) { *os << std::hex << int{p.bajt}; }

class PrzegladAdresuCG : public testing::TestWithParam<PrzypadekCG> {};

TEST_P(PrzegladAdresuCG, TakesCharacterAndRowFromTheLowSixBits) {
  const auto& p = GetParam();
  auto s = Gotowe();
  s.Rozkazy({p.bajt});
  EXPECT_TRUE(s.lcd.Flagi.TrybCGRAM);
  EXPECT_EQ(s.lcd.ZnakCG, p.znak);
  EXPECT_EQ(s.lcd.WierszCG, p.wiersz);
  EXPECT_EQ(s.Odczyt(), p.odczyt);
  EXPECT_EQ(s.Status(), 0x00);  // the counter is not touched
}

INSTANTIATE_TEST_SUITE_P(Bajty, PrzegladAdresuCG,
                         testing::Values(PrzypadekCG{0x40, 0, 0, 0x00}, PrzypadekCG{0x47, 0, 7, 0x07},
                                         PrzypadekCG{0x48, 1, 0, 0x08}, PrzypadekCG{0x5D, 3, 5, 0x1D},
                                         PrzypadekCG{0x7F, 7, 7, 0x3F}));

TEST(PrzegladRozkazow, ReturnHomeKeepsMemoryAndFlags) {
  for (uint8_t dom : {0x02, 0x03}) {
    auto s = Gotowe({0x0F, 0x14});
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

TEST(PrzegladRozkazow, ClearKeepsCursorBlinkAndShiftFlags) {
  auto s = Gotowe({0x07, 0x0F, 0x1C});
  s.Rozkazy({0x01});
  EXPECT_TRUE(s.lcd.Flagi.PrzesuwanieWpisu);
  EXPECT_FALSE(s.lcd.Flagi.Dekrementacja);
  EXPECT_TRUE(s.lcd.Flagi.KursorWlaczony);
  EXPECT_TRUE(s.lcd.Flagi.MiganieWlaczone);
  EXPECT_TRUE(s.lcd.TimerKursor);
  EXPECT_TRUE(s.lcd.Flagi.PrzesuwanieEkranu);
  EXPECT_TRUE(s.lcd.Flagi.WyswietlaczWlaczony);
}

TEST(PrzegladRozkazow, FunctionSetTouchesNoPositionAndNoOtherFlag) {
  auto s = Gotowe({0x0E, 0x05});
  s.Tekst("ABC");
  const Lcd przed = s.lcd;
  s.Rozkazy({0x34});
  EXPECT_EQ(s.lcd.LicznikAdresu, przed.LicznikAdresu);
  EXPECT_EQ(s.lcd.PoczatekLinii1, przed.PoczatekLinii1);
  EXPECT_EQ(s.lcd.PoczatekLinii2, przed.PoczatekLinii2);
  EXPECT_EQ(s.lcd.PozycjaKursora, przed.PozycjaKursora);
  EXPECT_EQ(s.lcd.PamiecDDRAM, przed.PamiecDDRAM);
  EXPECT_TRUE(s.lcd.Flagi.KursorWlaczony);
  EXPECT_TRUE(s.lcd.Flagi.Dekrementacja);
  EXPECT_TRUE(s.lcd.Flagi.PrzesuwanieWpisu);
  EXPECT_TRUE(s.lcd.Flagi.AdresowanieJednoliniowe);
}

// Display control: each byte from a known start, the flags and timer after.
struct PrzypadekSterowania {
  uint8_t start;  // display control sent first
  uint8_t bajt;
  bool wyswietlacz;
  bool kursor;
  bool miganie;
  bool timer;
  std::optional<bool> faza;  // FazaMigania when the rule fixes it
};

void PrintTo(const PrzypadekSterowania& p, std::ostream* os) {
  *os << std::hex << int{p.start} << "->" << int{p.bajt};
}

class PrzegladSterowania : public testing::TestWithParam<PrzypadekSterowania> {};

TEST_P(PrzegladSterowania, SetsDisplayCursorBlinkAndTimer) {
  const auto& p = GetParam();
  auto s = Gotowe({p.start});
  s.lcd.FazaMigania = false;
  s.Rozkazy({p.bajt});
  EXPECT_EQ(s.lcd.Flagi.WyswietlaczWlaczony, p.wyswietlacz);
  EXPECT_EQ(s.lcd.Flagi.KursorWlaczony, p.kursor);
  EXPECT_EQ(s.lcd.Flagi.MiganieWlaczone, p.miganie);
  EXPECT_EQ(s.lcd.TimerKursor, p.timer);
  if (p.faza) {
    EXPECT_EQ(s.lcd.FazaMigania, *p.faza);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Bajty, PrzegladSterowania,
    testing::Values(
        // D = 0 looks at neither C nor B.
        PrzypadekSterowania{0x0F, 0x08, false, true, true, true, false},
        PrzypadekSterowania{0x0C, 0x0B, false, false, false, false, false},
        // C = 0: cursor off, blink flag and timer as they were.
        PrzypadekSterowania{0x0F, 0x0C, true, false, true, true, false},
        PrzypadekSterowania{0x0E, 0x0D, true, false, false, false, std::nullopt},
        // C = 1, B = 0: steady, shown inverted.
        PrzypadekSterowania{0x0F, 0x0E, true, true, false, false, true},
        // C = 1, B = 1: blinking, the phase left as it was.
        PrzypadekSterowania{0x0C, 0x0F, true, true, true, true, false}));

TEST(PrzegladRozkazow, BlinkTickWithTheTimerStoppedDoesNothing) {
  auto s = Gotowe({0x0E});
  const bool faza = s.lcd.FazaMigania;
  const uint32_t wersja = s.lcd.Wersja;
  s.lcd.TykniecieKursora();
  EXPECT_EQ(s.lcd.FazaMigania, faza);
  EXPECT_EQ(s.lcd.Wersja, wersja);
}

TEST(PrzegladRozkazow, DdramAddressStopsTheTimerWhenBlinkIsOff) {
  auto s = Gotowe({0x0F, 0x0C});  // timer still runs, blink flag on
  EXPECT_TRUE(s.lcd.TimerKursor);
  s.lcd.Flagi.MiganieWlaczone = false;
  s.Rozkazy({0x83});
  EXPECT_FALSE(s.lcd.TimerKursor);
  EXPECT_EQ(s.lcd.PozycjaKursora, 3);
}

TEST(PrzegladRozkazow, DdramAddressReportsTheGlyphPositionThenLeavesCgramMode) {
  auto s = Gotowe({0x5A});  // character 3, row 2
  s.Rozkazy({0xC4});
  EXPECT_EQ(s.Status(), 0x44);
  EXPECT_EQ(s.Odczyt(), 0x1A);
  EXPECT_FALSE(s.lcd.Flagi.TrybCGRAM);
  s.Rozkazy({0x02});  // the next status reads display memory again
  EXPECT_EQ(s.Odczyt(), 0xFE);
}

// ------------------------------------------------------------------ data writes

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

class PrzegladZapisu : public testing::TestWithParam<PrzypadekZapisu> {};

TEST_P(PrzegladZapisu, StoresAndMovesTheWindow) {
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
    Przypadki, PrzegladZapisu,
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

TEST(PrzegladZapisu, DecrementWritesLeaveStatusAndCursorAlone) {
  auto s = Gotowe({0x0E, 0x14, 0x04, 0x85});
  s.j->Xdata[Lcd::AdresStatusu] = ZnacznikStatusu;
  s.j->Xdata[Lcd::AdresOdczytu] = ZnacznikStatusu;
  s.Tekst("XYZ");
  EXPECT_EQ(s.lcd.PozycjaKursora, 5);
  EXPECT_EQ(s.lcd.LicznikAdresu, 2);
  EXPECT_EQ(s.Status(), ZnacznikStatusu);
  EXPECT_EQ(s.Odczyt(), ZnacznikStatusu);
}

TEST(PrzegladZapisu, EntryShiftInDecrementModeRotatesUpAndStepsTheCursor) {
  auto s = Gotowe({0x0E, 0x14});
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

TEST(PrzegladZapisu, EntryShiftAtTheEndOfLineTwoWritesCellEighty) {
  auto s = Gotowe({0x07, 0xE7});  // line 2 at offset 65, counter in column 0
  EXPECT_EQ(s.lcd.PoczatekLinii2, 65);
  EXPECT_EQ(s.lcd.LicznikAdresu, 16);
  s.lcd.LicznikAdresu = 31;
  s.Tekst("E");
  EXPECT_EQ(s.lcd.PamiecDDRAM[80], 'E');
  EXPECT_EQ(s.Status(), 0x4F);
  EXPECT_EQ(s.Odczyt(), 'E');
}

TEST(PrzegladZapisu, CgramWritesNeitherStepTheCursorNorTouchDisplayMemory) {
  auto s = Gotowe({0x0E, 0x14, 0x83, 0x40});
  const auto pamiec = s.lcd.PamiecDDRAM;
  s.Tekst("\x01\x02\x03");
  EXPECT_EQ(s.lcd.PozycjaKursora, 3);
  EXPECT_EQ(s.lcd.LicznikAdresu, 3);
  EXPECT_EQ(s.lcd.PamiecDDRAM, pamiec);
  EXPECT_EQ(s.Status(), 0x03);
  EXPECT_EQ(s.Odczyt(), 0x03);
}

// ------------------------------------------------------------------ the image

constexpr Rgb Zapalony{20, 50, 20};
constexpr Rgb Zgaszony{192, 220, 192};
constexpr GeometriaLcd G{57, 43, 370, 134, {240, 240, 240}};

std::optional<Rgb> Punkt(const std::vector<Prostokat>& obraz, int x, int y) {
  std::optional<Rgb> kolor;
  for (const auto& p : obraz) {
    if (x >= p.x && x < p.x + p.szerokosc && y >= p.y && y < p.y + p.wysokosc) kolor = p.kolor;
  }
  return kolor;
}

struct PrzypadekGeometrii {
  uint8_t funkcja;
  int gora;    // y of row 0 of line 1, relative to H
  int linia2;  // distance from line 1 to line 2 (0: line 2 not shown)
  int wiersze;
};

void PrintTo(const PrzypadekGeometrii& p, std::ostream* os) { *os << std::hex << int{p.funkcja}; }

class PrzegladGeometrii : public testing::TestWithParam<PrzypadekGeometrii> {};

TEST_P(PrzegladGeometrii, PlacesEveryPixelSquareOnItsPitch) {
  const auto& p = GetParam();
  auto s = Gotowe({p.funkcja});
  s.lcd.PamiecDDRAM.fill(0xFF);  // the full block: every pixel lit
  const auto obraz = LcdRysujWszystko(s.lcd, G);
  const int linie = p.linia2 > 0 ? 2 : 1;
  ASSERT_EQ(obraz.size(), static_cast<size_t>(linie * 16 * 5 * p.wiersze));
  size_t i = 0;
  for (int linia = 0; linia < linie; ++linia) {
    for (int kolumna = 0; kolumna < 16; ++kolumna) {
      for (int wiersz = 0; wiersz < p.wiersze; ++wiersz) {
        for (int piksel = 0; piksel < 5; ++piksel, ++i) {
          const Prostokat oczekiwany{57 + 14 + 22 * kolumna + 4 * piksel,
                                     43 + p.gora + linia * p.linia2 + 4 * wiersz, 3, 3, Zapalony};
          ASSERT_EQ(obraz[i], oczekiwany) << linia << ' ' << kolumna << ' ' << wiersz << ' ' << piksel;
        }
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Funkcje, PrzegladGeometrii,
                         testing::Values(PrzypadekGeometrii{0x30, 9, 0, 8}, PrzypadekGeometrii{0x34, 9, 0, 10},
                                         PrzypadekGeometrii{0x38, 9, 34, 8}, PrzypadekGeometrii{0x3C, 2, 42, 10}));

TEST(PrzegladObrazu, BlinkingCursorInItsNormalPhaseIsNotInverted) {
  auto s = Gotowe({0x0F});
  s.lcd.FazaMigania = false;
  const auto znak = LcdRysujZnak(s.lcd, G, 0);  // blank cell, not inverted
  for (const auto& p : znak) EXPECT_EQ(p.kolor, Zgaszony);
  s.lcd.TykniecieKursora();
  for (const auto& p : LcdRysujZnak(s.lcd, G, 0)) EXPECT_EQ(p.kolor, Zapalony);
}

TEST(PrzegladObrazu, CursorOnAHiddenLineIsNotDrawn) {
  auto s = Gotowe({0x34, 0x0E});
  s.lcd.PozycjaKursora = 20;
  for (const auto& p : LcdRysujWszystko(s.lcd, G)) EXPECT_EQ(p.kolor, Zgaszony);
}

TEST(PrzegladObrazu, OnlyTheCursorCellIsInverted) {
  auto s = Gotowe({0x0E, 0xC7});
  const auto obraz = LcdRysujWszystko(s.lcd, G);
  int zapalone = 0;
  for (const auto& p : obraz) zapalone += p.kolor == Zapalony;
  EXPECT_EQ(zapalone, 5 * 8);
  EXPECT_EQ(Punkt(obraz, 57 + 14 + 22 * 7, 43 + 9 + 34), Zapalony);
}

TEST(PrzegladObrazu, ClearingCoversTheAreaUpToTheDynamicKeys) {
  const GeometriaLcd g{60, 50, 300, 140, {1, 2, 3}};
  const auto obszar = LcdCzyscObszar(g);
  ASSERT_EQ(obszar.size(), 1u);
  EXPECT_EQ(obszar[0], (Prostokat{60, 50, 300, 90, {1, 2, 3}}));
}

// ------------------------------------------------------------ keys and LEDs

struct PrzypadekKlawisza {
  int n;
  uint8_t bajt0;  // FFE1h
  uint8_t bajt1;  // FFE2h
};

void PrintTo(const PrzypadekKlawisza& p, std::ostream* os) { *os << "K" << p.n; }

class PrzegladKlDynamicznych : public testing::TestWithParam<PrzypadekKlawisza> {};

TEST_P(PrzegladKlDynamicznych, EachKeyClearsItsOwnBitAndReleasingSetsIt) {
  const auto& p = GetParam();
  Stanowisko s;
  s.plytka.KlDynamicznyMyszDol(p.n);
  EXPECT_EQ(s.j->Xdata[0xFFE1], p.bajt0);
  EXPECT_EQ(s.j->Xdata[0xFFE2], p.bajt1);
  EXPECT_EQ(s.plytka.StanKlDynamicznych0, p.bajt0);
  EXPECT_EQ(s.plytka.StanKlDynamicznych1, p.bajt1);
  s.plytka.KlDynamicznyMyszGora(p.n, 1);
  EXPECT_EQ(s.j->Xdata[0xFFE1], 0xFF);
  EXPECT_EQ(s.j->Xdata[0xFFE2], 0xFF);
  EXPECT_FALSE(s.plytka.KlDynamicznyWcisniety(p.n));
}

INSTANTIATE_TEST_SUITE_P(
    Klawisze, PrzegladKlDynamicznych,
    testing::Values(PrzypadekKlawisza{0, 0xFE, 0xFF}, PrzypadekKlawisza{3, 0xF7, 0xFF},
                    PrzypadekKlawisza{7, 0x7F, 0xFF}, PrzypadekKlawisza{8, 0xFF, 0xFE},
                    PrzypadekKlawisza{12, 0xFF, 0xEF}, PrzypadekKlawisza{15, 0xFF, 0x7F}));

TEST(PrzegladKlawiszy, ReleaseAtTheTopEdgeKeepsTheKeyAndTheNextPressReleasesIt) {
  Stanowisko s;
  s.plytka.KlDynamicznyMyszDol(5);
  s.plytka.KlDynamicznyMyszGora(5, 0);
  EXPECT_EQ(s.j->Xdata[0xFFE1], 0xDF);
  s.plytka.KlDynamicznyMyszDol(5);  // the next press releases it
  EXPECT_EQ(s.j->Xdata[0xFFE1], 0xFF);
  s.plytka.KlDynamicznyMyszGora(5, 10);  // and its mouse-up finds the button raised
  EXPECT_EQ(s.j->Xdata[0xFFE1], 0xFF);
  EXPECT_FALSE(s.plytka.KlDynamicznyWcisniety(5));
}

TEST(PrzegladKlawiszy, EveryStaticKeyLatchesItsOwnBit) {
  for (int n = 0; n < 8; ++n) {
    Stanowisko s;
    s.plytka.KlStatycznyMyszDol(n);
    EXPECT_TRUE(s.plytka.KlStatycznyWcisniety(n));
    EXPECT_EQ(s.j->Xdata[0xFFB0], 0xFF);  // mouse-down alone changes nothing
    s.plytka.PrzelaczKlStatyczny(n);
    s.plytka.KlStatycznyMyszGora(n);
    EXPECT_FALSE(s.plytka.KlStatycznyWcisniety(n));
    EXPECT_EQ(s.j->Xdata[0xFFB0], static_cast<uint8_t>(~(1u << n))) << n;
    EXPECT_EQ(s.plytka.KolorWskaznika(n), (Rgb{255, 20, 20}));
  }
}

TEST(PrzegladKlawiszy, PcKeyLeavesTheOtherSconBitsAndRaisesNothingElse) {
  Stanowisko s;
  s.j->Data[sfr::SCON] = 0xF2;  // TI set, RI clear
  s.j->Data[sfr::IE] = 0x00;
  s.plytka.KlawiszPC(0x25);
  EXPECT_EQ(s.j->Data[sfr::SBUF], 0x25);
  EXPECT_EQ(s.j->Data[sfr::SCON], 0xF3);
  EXPECT_EQ(s.j->Data[sfr::IE], 0x00);
}

TEST(PrzegladKlawiszy, LedRefreshOnlyReadsAndMapsBitSevenToTheLeft) {
  Stanowisko s;
  s.j->Data[sfr::P0] = 0x7F;  // bit 7 clear: leftmost lit
  s.j->Data[sfr::P1] = 0xFF;
  s.j->Data[sfr::P2] = 0xFE;  // bit 0 clear: rightmost lit
  s.j->Data[sfr::P3] = 0x00;
  const auto data = s.j->Data;
  const auto xdata = s.j->Xdata;
  EXPECT_TRUE(s.plytka.OdswiezDiody());
  EXPECT_EQ(s.j->Data, data);
  EXPECT_EQ(s.j->Xdata, xdata);
  EXPECT_TRUE(s.plytka.DiodaSwieci(0, 0));
  EXPECT_FALSE(s.plytka.DiodaSwieci(0, 1));
  EXPECT_FALSE(s.plytka.DiodaSwieci(2, 0));
  EXPECT_TRUE(s.plytka.DiodaSwieci(2, 7));
  EXPECT_EQ(s.plytka.KolorDiody(3, 4), (Rgb{90, 255, 90}));
  EXPECT_EQ(s.plytka.KolorDiody(1, 4), (Rgb{100, 160, 100}));
  EXPECT_FALSE(s.plytka.OdswiezDiody());  // nothing changed since
}

TEST(PrzegladKlawiszy, PeriodicCopyStoresStaticKeysLast) {
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
  EXPECT_EQ(j->Xdata[0xFFB0], 0x00);  // the handed-over addresses are the ones used
}

TEST(PrzegladKlawiszy, MovxWriteToTheLcdCostsTwoCycles) {
  Stanowisko s;
  s.j->Code[0] = 0xF0;  // MOVX @DPTR,A
  s.j->Data[sfr::DPH] = 0xFF;
  s.j->Data[sfr::DPL] = 0xF0;
  s.j->Data[sfr::ACC] = 0x0F;
  EXPECT_EQ(s.j->WykonajRozkaz(), 2);
  EXPECT_TRUE(s.lcd.Flagi.KursorWlaczony);
  EXPECT_EQ(s.j->Xdata[0xFFF0], 0x0F);
}

TEST(PrzegladKlawiszy, BoardResetRestartsTheLcdButKeepsGlyphsAndKeys) {
  auto s = Gotowe({0x0E, 0x48});
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
  EXPECT_EQ(s.j->Xdata[0xFFE1], 0xFB);
  EXPECT_EQ(s.Status(), 0x00);
  EXPECT_EQ(s.Odczyt(), 0xFE);
}

}  // namespace
}  // namespace kelbra::testy
