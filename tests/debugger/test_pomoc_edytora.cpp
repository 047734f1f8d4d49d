// Editor aids over a text held as a list of lines: indentation after Enter,
// un-indentation by Backspace, the label list, the line under the mouse and
// the line of an error item.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "PomocEdytora.h"

namespace kelbra::testy {
namespace {

struct Tekst final : WidokLinii {
  std::vector<std::u16string> linie;
  Tekst(std::initializer_list<std::u16string> l) : linie(l) {}
  int LiczbaLinii() const override { return static_cast<int>(linie.size()); }
  std::u16string Linia(int y) const override { return linie.at(static_cast<size_t>(y)); }
};

TEST(PomocEdytora, EnterIndentsTheCaretsLineLikeTheNearestLineAboveWithText) {
  const struct {
    Tekst tekst;
    int liniaKursora;
    std::optional<std::u16string> wciecie;
  } przypadki[] = {
      {{u"\tmov a,#1", u""}, 1, u"\t"},
      {{u"    inc a", u"", u""}, 2, u"    "},  // Enter on the blank line after it
      {{u"  \t inc a", u"x"}, 1, u"  \t "},   // blanks exactly as written
      {{u"\t\tmo", u"v a"}, 1, u"\t\t"},      // Enter inside an indented line
      {{u"start:", u"  "}, 1, u""},
      {{u"", u" \t", u""}, 2, std::nullopt},
      {{u"  a"}, 0, std::nullopt},
  };
  for (const auto& c : przypadki) EXPECT_EQ(AutoWciecie(c.tekst, c.liniaKursora), c.wciecie) << c.liniaKursora;
}

TEST(PomocEdytora, BackspaceInTheIndentationGoesBackToALesserIndentAbove) {
  using Usun = std::optional<std::pair<int, int>>;  // first column, count
  const struct {
    Tekst tekst;
    int x, y;
    Usun usun;
  } przypadki[] = {
      {{u"    mov a,#1", u"        "}, 8, 1, std::pair{4, 4}},
      {{u"\tmov a,#1", u"\t\t\tx"}, 3, 1, std::pair{1, 2}},
      {{u"  a", u"      b", u"", u"      "}, 6, 3, std::pair{2, 4}},  // passes over deeper and blank lines
      {{u"a", u"    "}, 4, 1, std::pair{0, 4}},
      {{u"    a", u"     "}, 5, 1, std::nullopt},  // text one column left of the caret is not less
      {{u"a", u"  xy"}, 3, 1, std::nullopt},        // text before the caret
      {{u"a", u"  "}, 0, 1, std::nullopt},
      {{u"  "}, 2, 0, std::nullopt},
  };
  for (const auto& c : przypadki) {
    const auto o = OdwciecieBackspace(c.tekst, c.x, c.y);
    EXPECT_EQ(o ? Usun(std::pair{o->kolumna, o->liczba}) : std::nullopt, c.usun) << c.x << "," << c.y;
  }
}

std::vector<std::pair<std::u16string, int>> Etykiety(const Tekst& t, int limit = 80) {
  std::vector<std::pair<std::u16string, int>> e;
  for (const EtykietaLinii& x : SkanujEtykiety(t, limit)) e.emplace_back(x.nazwa, x.linia);
  return e;
}

TEST(PomocEdytora, LabelsAreFirstWordsEndingInAColon) {
  const Tekst t{u"start:",  u"petla: djnz r7,petla", u"x equ 5", u";uwaga: komentarz", u"  ;x:", u"  wciety:",
                u"\t \tztabem:\tnop", u"slowo", u"a b:", u"c;d:", u"", u"koniec:"};
  EXPECT_EQ(Etykiety(t), (std::vector<std::pair<std::u16string, int>>{
                             {u"start", 0}, {u"petla", 1}, {u"wciety", 5}, {u"ztabem", 6}, {u"koniec", 11}}));
}

TEST(PomocEdytora, LabelListKeepsTheFirstEighty) {
  Tekst t{};
  for (int k = 0; k < 81; ++k) t.linie.insert(t.linie.end(), {u"  nop", u"e" + std::u16string(1, u'0' + k % 10) + u":"});
  const auto e = Etykiety(t);
  ASSERT_EQ(e.size(), 80u);
  EXPECT_EQ(e.back(), std::pair(std::u16string(u"e9"), 159));  // the 80th label and its line
  EXPECT_EQ(Etykiety(t, 3).size(), 3u);
}

TEST(PomocEdytora, LineUnderTheMouseStepsEveryThirteenPixelsFromTwenty) {
  for (int py = 0; py < 13 * 120; ++py) ASSERT_EQ(LiniaPodMysza(py, 40, 13), 40 + (py < 20 ? 0 : 1 + (py - 20) / 13)) << py;
}

// Every pixel row of a line, its top and bottom rows included, picks that
// line, whatever the line height; above the first line is the first line.
TEST(PomocEdytora, EveryPixelRowOfALinePicksIt) {
  for (int h : {12, 13, 14, 15, 17}) {
    for (int linia = 0; linia < 50; ++linia)
      for (int wiersz = 0; wiersz < h; ++wiersz)
        ASSERT_EQ(LiniaWPunkcie(linia * h + wiersz, 7, h), 7 + linia) << "h=" << h << " wiersz " << wiersz;
    EXPECT_EQ(LiniaWPunkcie(-3, 7, h), 7);
  }
}

TEST(PomocEdytora, LineOfAnItemIsItsFirstNumber) {
  const std::pair<std::u16string, std::optional<int>> przypadki[] = {
      {u"ERROR...12 linia. Nieznany rozkaz 7", 12}, {u"Ostrzezenie 0 linia. ", 0},
      {u"Blad bez numeru linii", std::nullopt},     {u"", std::nullopt},
      {u"ERROR99999999999 linia.", std::nullopt},
  };
  for (const auto& [tekst, linia] : przypadki) EXPECT_EQ(LiniaZKomunikatu(tekst), linia);
}

}  // namespace
}  // namespace kelbra::testy
