// The LCD image as rectangles, sampled at chosen pixels.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "LcdObraz.h"
#include "Stanowisko.h"

namespace kelbra::testy {
namespace {

constexpr Rgb Zapalony{20, 50, 20};
constexpr Rgb Zgaszony{192, 220, 192};
constexpr Rgb Tlo{240, 240, 240};

// The board window's layout: PanelKlStatyczne 57 wide, PanelDiody 43 high.
constexpr GeometriaLcd G{57, 43, 370, 134, Tlo};
constexpr int X0 = 57 + 14;

// Colour a painter would leave at (x, y): the last rectangle over it.
std::optional<Rgb> Punkt(const std::vector<Prostokat>& obraz, int x, int y) {
  std::optional<Rgb> kolor;
  for (const auto& p : obraz) {
    if (x >= p.x && x < p.x + p.szerokosc && y >= p.y && y < p.y + p.wysokosc) kolor = p.kolor;
  }
  return kolor;
}

// The five pixels of a glyph row as "#" lit, "." unlit, " " unpainted.
std::string Wiersz(const std::vector<Prostokat>& obraz, int x, int y) {
  std::string s;
  for (int piksel = 0; piksel < 5; ++piksel) {
    const auto k = Punkt(obraz, x + 4 * piksel + 1, y + 1);
    s += !k ? ' ' : *k == Zapalony ? '#' : *k == Zgaszony ? '.' : '?';
  }
  return s;
}

Stanowisko Ekran(uint8_t funkcja, std::string_view linia1, std::string_view linia2) {
  Stanowisko s;
  s.Rozkazy({funkcja, 0x0C, 0x01, 0x06});
  s.Tekst(linia1);
  s.Rozkazy({0xC0});
  s.Tekst(linia2);
  return s;
}

// True when something was drawn and every pixel square has the colour.
bool Jednolity(const std::vector<Prostokat>& obraz, Rgb kolor) {
  return !obraz.empty() &&
         std::all_of(obraz.begin(), obraz.end(), [&](const Prostokat& p) { return p.kolor == kolor; });
}

TEST(LcdObraz, ClearingFillsTheAreaDownToTheDynamicKeysWithTheBackground) {
  EXPECT_EQ(LcdCzyscObszar(G), (std::vector<Prostokat>{{57, 43, 370, 91, Tlo}}));
  const GeometriaLcd inna{60, 50, 300, 140, {1, 2, 3}};
  EXPECT_EQ(LcdCzyscObszar(inna), (std::vector<Prostokat>{{60, 50, 300, 90, {1, 2, 3}}}));
}

struct PrzypadekGeometrii {
  uint8_t funkcja;
  int gora;    // y of row 0 of line 1, relative to H
  int linia2;  // distance from line 1 to line 2 (0: line 2 not shown)
  int wiersze;
};

void PrintTo(const PrzypadekGeometrii& p, std::ostream* os) { *os << std::hex << int{p.funkcja}; }

class LcdGeometria : public testing::TestWithParam<PrzypadekGeometrii> {};

TEST_P(LcdGeometria, PlacesEveryPixelSquareOnItsPitchInsideTheArea) {
  const auto& p = GetParam();
  auto s = DwieLinie({p.funkcja});
  s.lcd.PamiecDDRAM.fill(0xFF);  // the full block: every pixel lit
  const auto obraz = LcdRysujWszystko(s.lcd, G);
  const int linie = p.linia2 > 0 ? 2 : 1;
  ASSERT_EQ(obraz.size(), static_cast<size_t>(linie * 16 * 5 * p.wiersze));
  size_t i = 0;
  for (int linia = 0; linia < linie; ++linia) {
    for (int kolumna = 0; kolumna < 16; ++kolumna) {
      for (int wiersz = 0; wiersz < p.wiersze; ++wiersz) {
        for (int piksel = 0; piksel < 5; ++piksel, ++i) {
          const Prostokat oczekiwany{X0 + 22 * kolumna + 4 * piksel,
                                     43 + p.gora + linia * p.linia2 + 4 * wiersz, 3, 3, Zapalony};
          ASSERT_EQ(obraz[i], oczekiwany) << linia << ' ' << kolumna << ' ' << wiersz << ' ' << piksel;
        }
      }
    }
  }
  // The last square drawn still ends above the dynamic keys.
  EXPECT_LE(obraz.back().y + 3, G.GoraKlDynamicznych);
}

INSTANTIATE_TEST_SUITE_P(Funkcje, LcdGeometria,
                         testing::Values(PrzypadekGeometrii{0x30, 9, 0, 8}, PrzypadekGeometrii{0x34, 9, 0, 10},
                                         PrzypadekGeometrii{0x38, 9, 34, 8}, PrzypadekGeometrii{0x3C, 2, 42, 10}));

TEST(LcdObraz, TwoLinesOfEightRowGlyphs) {
  auto s = Ekran(0x38, "A", " B");
  const auto obraz = LcdRysujWszystko(s.lcd, G);
  EXPECT_EQ(obraz.size(), 2u * 16 * 5 * 8);
  const int y0 = 43 + 9;
  EXPECT_EQ(Wiersz(obraz, X0, y0), ".###.");
  EXPECT_EQ(Wiersz(obraz, X0, y0 + 4 * 4), "#####");
  EXPECT_EQ(Wiersz(obraz, X0, y0 + 4 * 7), ".....");
  EXPECT_EQ(Punkt(obraz, X0 + 3, y0), std::nullopt);  // the one-pixel gap
  EXPECT_EQ(Punkt(obraz, X0, y0 + 4 * 8), std::nullopt);  // no ninth row
  // Line 2 sits 4 * 8 + 2 pixels lower; column 1 is 22 pixels right.
  EXPECT_EQ(Wiersz(obraz, X0 + 22, y0 + 34), "####.");
  EXPECT_EQ(Wiersz(obraz, X0 + 22 * 15, y0 + 34), ".....");
}

TEST(LcdObraz, TwoLinesOfTenRowGlyphsStartHigher) {
  auto s = Ekran(0x3C, "g", "\xE7");
  const auto obraz = LcdRysujWszystko(s.lcd, G);
  EXPECT_EQ(obraz.size(), 2u * 16 * 5 * 10);
  const int y0 = 43 + 2;
  EXPECT_EQ(Wiersz(obraz, X0, y0 + 4 * 1), ".####");  // g, ASCII code 67h
  EXPECT_EQ(Wiersz(obraz, X0, y0 + 4 * 9), ".....");
  const int y2 = y0 + 42;
  EXPECT_EQ(Wiersz(obraz, X0, y2 + 4 * 7), "....#");  // E7h descender
  EXPECT_EQ(Wiersz(obraz, X0, y2 + 4 * 9), ".###.");
}

TEST(LcdObraz, EightRowGlyphsShowTheUpperPartOfADescender) {
  auto s = Ekran(0x38, "\xE7", "");
  const auto znak = LcdRysujZnak(s.lcd, G, 0);
  EXPECT_EQ(znak.size(), 5u * 8);
  EXPECT_EQ(Wiersz(znak, X0, 52 + 4 * 7), "....#");
  EXPECT_EQ(Punkt(znak, X0 + 16, 52 + 4 * 8), std::nullopt);
}

TEST(LcdObraz, OneLineModeDrawsOnlyLineOne) {
  auto s = Ekran(0x34, "0", "");
  const auto obraz = LcdRysujWszystko(s.lcd, G);
  EXPECT_EQ(obraz.size(), 16u * 5 * 10);
  EXPECT_EQ(Wiersz(obraz, X0, 52 + 4 * 3), "#.#.#");
  EXPECT_TRUE(LcdRysujZnak(s.lcd, G, 16).empty());
}

TEST(LcdObraz, SteadyCursorInvertsItsCell) {
  auto s = Ekran(0x38, "A", "");
  s.Rozkazy({0x0E, 0x80});
  auto znak = LcdRysujZnak(s.lcd, G, 0);
  EXPECT_EQ(Wiersz(znak, X0, 52), "#...#");
  EXPECT_EQ(Wiersz(znak, X0, 52 + 4 * 7), "#####");
  s.Rozkazy({0x0C});
  znak = LcdRysujZnak(s.lcd, G, 0);
  EXPECT_EQ(Wiersz(znak, X0, 52), ".###.");
  EXPECT_EQ(Wiersz(znak, X0, 52 + 4 * 7), ".....");
}

TEST(LcdObraz, BlinkingCursorInvertsItsCellEveryOtherTick) {
  auto s = Ekran(0x38, "", "");
  s.Rozkazy({0x0F, 0xC3});
  s.lcd.FazaMigania = false;  // the normal phase
  EXPECT_TRUE(Jednolity(LcdRysujZnak(s.lcd, G, 19), Zgaszony));
  s.lcd.TykniecieKursora();
  EXPECT_TRUE(Jednolity(LcdRysujZnak(s.lcd, G, 19), Zapalony));
  EXPECT_EQ(Wiersz(LcdRysujZnak(s.lcd, G, 19), X0 + 22 * 3, 52 + 34), "#####");
  EXPECT_TRUE(Jednolity(LcdRysujZnak(s.lcd, G, 18), Zgaszony));
  s.lcd.TykniecieKursora();
  EXPECT_TRUE(Jednolity(LcdRysujZnak(s.lcd, G, 19), Zgaszony));
}

TEST(LcdObraz, OnlyTheCursorCellIsInverted) {
  auto s = DwieLinie({0x0E, 0xC7});
  const auto obraz = LcdRysujWszystko(s.lcd, G);
  const auto zapalone = std::count_if(obraz.begin(), obraz.end(),
                                      [](const Prostokat& p) { return p.kolor == Zapalony; });
  EXPECT_EQ(zapalone, 5 * 8);
  EXPECT_EQ(Punkt(obraz, X0 + 22 * 7, 52 + 34), Zapalony);
}

TEST(LcdObraz, CursorOnAHiddenLineIsNotDrawn) {
  auto s = DwieLinie({0x34, 0x0E});
  s.lcd.PozycjaKursora = 20;
  EXPECT_TRUE(Jednolity(LcdRysujWszystko(s.lcd, G), Zgaszony));
}

TEST(LcdObraz, DisplayOffIsBlankAndComesBackUnchanged) {
  auto s = Ekran(0x38, "HELLO", "WORLD");
  const auto przed = LcdRysujWszystko(s.lcd, G);
  s.Rozkazy({0x08});
  EXPECT_TRUE(LcdRysujWszystko(s.lcd, G).empty());
  EXPECT_EQ(LcdObraz(s.lcd, G), LcdCzyscObszar(G));
  s.Rozkazy({0x0C});
  EXPECT_EQ(LcdRysujWszystko(s.lcd, G), przed);
}

TEST(LcdObraz, AssemblingBlanksTheDisplayButKeepsItsMemory) {
  auto s = Ekran(0x38, "HELLO", "");
  s.lcd.ZerujFlagi();
  EXPECT_TRUE(LcdRysujWszystko(s.lcd, G).empty());
  EXPECT_EQ(s.Linia(0), "HELLO           ");
  EXPECT_EQ(s.lcd.LiczbaLinii, 2);
}

TEST(LcdObraz, UserCharacterZeroShowsItsNewRows) {
  auto s = Ekran(0x38, "", "");
  s.Rozkazy({0x40});
  for (uint8_t w : {0x11, 0x0A, 0x04, 0x0A, 0x11, 0x00, 0x1F, 0x1F, 0x00, 0x00}) {
    s.plytka.LcdZapis(0xFFF2, w);
  }
  s.Rozkazy({0x80});
  s.plytka.LcdZapis(0xFFF2, 0x00);
  const auto znak = LcdRysujZnak(s.lcd, G, 0);
  EXPECT_EQ(Wiersz(znak, X0, 52), "#...#");
  EXPECT_EQ(Wiersz(znak, X0, 52 + 4 * 2), "..#..");
  EXPECT_EQ(Wiersz(znak, X0, 52 + 4 * 7), "#####");
}

}  // namespace
}  // namespace kelbra::testy
