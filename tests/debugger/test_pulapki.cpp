// Breakpoint tables: toggling by line, lines whose rows place no code,
// lines sharing an address, and the line table following the editor's edits.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "Program.h"

namespace kelbra::testy {
namespace {

// The addresses that stop at a line; a write outside the table would show
// here, or under the sanitizers.
std::vector<int> AdresyLinii(const Pulapki& b, int linia) {
  std::vector<int> a;
  for (int k = 0; k <= 0xFFFF; ++k)
    if (b.StopNaAdresie(static_cast<uint16_t>(k)) && b.Adresu(static_cast<uint16_t>(k)) == linia) a.push_back(k);
  return a;
}

TEST(Pulapki, ToggleByLineOnCodeCommentsAndValueRows) {
  Program p;
  ASSERT_TRUE(p.Asembluj({"; komentarz", "  mov a,#1", "N equ 70000", "x equ 0-1", "y equ 2", "  inc a",
                          "  org 0FFFFh", "  nop"}));
  const struct {
    int linia;
    int32_t wpis;  // PulapkiLinii once set
    std::vector<int> adresy;
  } przypadki[] = {
      {1, 0, {0}}, {5, 2, {2}}, {0, 0, {0}}, {20, 0, {0}},  // no row at all: address 0
      {2, Pulapki::BezAdresu, {}}, {3, Pulapki::BezAdresu, {}},
      {4, Pulapki::BezAdresu, {}},  // a value equal to a code address is still no address
      {7, 0xFFFF, {}},              // code at FFFFh has no slot
  };
  for (const auto& c : przypadki) {
    SCOPED_TRACE(c.linia);
    Pulapki b;
    b.Przelacz(c.linia, p.mapa, 8);
    EXPECT_EQ(b.Linii(c.linia), c.wpis);
    EXPECT_EQ(AdresyLinii(b, c.linia), c.adresy);
    b.Przelicz(p.mapa, 30);
    EXPECT_EQ(b.Linii(c.linia), c.wpis);
    EXPECT_EQ(AdresyLinii(b, c.linia), c.adresy);
    b.Przelacz(c.linia, p.mapa, 8);
    EXPECT_EQ(b.Linii(c.linia), -1);
    EXPECT_EQ(AdresyLinii(b, c.linia), std::vector<int>{});
  }
}

TEST(Pulapki, LinesSharingAnAddressKeepTheOtherOnesSlot) {
  Program p;
  ASSERT_TRUE(p.Asembluj({"  mov a,#1", "petla:", "  inc a", "  sjmp petla"}));
  // Set one line, then the other, remove one: the other still stops at 2.
  const int przypadki[][3] = {{1, 2, 1}, {1, 2, 2}, {2, 1, 1}, {2, 1, 2}};
  for (const auto& linie : przypadki) {
    Pulapki b;
    for (int l : linie) b.Przelacz(l, p.mapa, 4);
    EXPECT_EQ(b.Adresu(2), 3 - linie[2]) << linie[0] << linie[1] << linie[2];
  }
}

// The rule applied per change event, written out plainly: the table moves
// by one line, away from or towards the caret's line L; a text that shrank
// keeps nothing past its last line.
void JednaLinia(std::vector<int32_t>& e, int stara, int nowa, int L) {
  if (nowa > stara) {
    for (int k = nowa; k >= L + 1; --k) e[k] = e[k - 1];
    e[L] = -1;
  } else if (nowa < stara) {
    for (int k = L + 1; k <= nowa; ++k) e[k] = e[k + 1];
    std::fill(e.begin() + nowa, e.end(), -1);
  }
}

class Przesuwanie : public ::testing::Test {
 protected:
  static constexpr int Linii = 300;  // one NOP a line: line k sits at address k
  void SetUp() override { ASSERT_TRUE(p.Asembluj(std::vector<std::string>(Linii, "  nop"))); }
  std::vector<int32_t> Tabela(int n = Linii + 100) const {
    std::vector<int32_t> e(static_cast<size_t>(n));
    for (int k = 0; k < n; ++k) e[static_cast<size_t>(k)] = b.Linii(k);
    return e;
  }
  Program p;
  Pulapki b;
};

TEST_F(Przesuwanie, EditsMoveTheBreakpointsBelowTheCaret) {
  const struct {
    const char* edycja;
    int stara, nowa, liniaPo;
    std::vector<std::pair<int, int32_t>> wpisy;  // line, address
  } przypadki[] = {
      {"Enter at the end of line 5", 12, 13, 6, {{2, 2}, {5, 5}, {10, 9}}},
      {"Backspace joining line 6 onto 5", 12, 11, 5, {{2, 2}, {5, 5}, {8, 9}}},
      {"three lines pasted at the start of line 4", 12, 15, 7, {{2, 2}, {8, 5}, {12, 9}}},
      {"lines 3 to 5 selected and deleted", 12, 9, 3, {{2, 2}, {6, 9}}},
  };
  for (const auto& c : przypadki) {
    b.Wyczysc();
    for (int l : {2, 5, 9}) b.Przelacz(l, p.mapa, Linii);
    b.Przesun(c.stara, c.nowa, c.liniaPo);
    std::vector<int32_t> e(Linii, -1);
    for (const auto& [l, a] : c.wpisy) e[static_cast<size_t>(l)] = a;
    EXPECT_EQ(Tabela(Linii), e) << c.edycja;
  }
}

// Marks past the last line (set below the text, or left there by an edit)
// never survive a shrinking edit, so none can come back inside the text.
TEST_F(Przesuwanie, ShrinkingDropsEveryMarkPastTheLastLine) {
  const struct {
    const char* edycja;
    std::vector<int> znaczniki;
    int stara, nowa, liniaPo;
    std::vector<std::pair<int, int32_t>> wpisy;  // line, address
  } przypadki[] = {
      {"one line joined below a mark just past the end", {3, 10}, 10, 9, 5, {{3, 3}}},
      {"the last three lines deleted", {2, 9, 10}, 10, 7, 6, {{2, 2}}},
      {"a mark far below the text", {4, 250}, 10, 9, 0, {{3, 4}}},
      {"the whole text deleted", {0, 4, 6}, 6, 0, 0, {}},
      {"four lines deleted below the caret's line", {1, 7, 8, 120}, 12, 8, 2, {{1, 1}, {3, 7}, {4, 8}}},
  };
  for (const auto& c : przypadki) {
    b.Wyczysc();
    for (int l : c.znaczniki) b.Przelacz(l, p.mapa, Linii);
    b.Przesun(c.stara, c.nowa, c.liniaPo);
    std::vector<int32_t> e(Linii + 100, -1);
    for (const auto& [l, a] : c.wpisy) e[static_cast<size_t>(l)] = a;
    EXPECT_EQ(Tabela(), e) << c.edycja;
  }
}

TEST_F(Przesuwanie, RandomEditsMoveLikeOneLineEditsInARow) {
  std::mt19937 los(8051);
  auto z = [&](int od, int doWlacznie) { return std::uniform_int_distribution<int>(od, doWlacznie)(los); };
  std::vector<int32_t> wzor;
  for (int przypadek = 0; przypadek < 3000; ++przypadek) {
    if (przypadek % 25 == 0) {  // edits drop entries: new ones keep the table from running empty
      for (int k = 0; k < 30; ++k) b.Przelacz(z(0, Linii - 1), p.mapa, Linii);
      wzor = Tabela();
    }
    const int n = przypadek % 4 == 0 ? z(2, 6) : 1;  // every fourth edit moves several lines
    const int stara = z(n + 1, Linii);
    const bool rosnie = z(0, 1) == 1;
    const int nowa = rosnie ? stara + n : stara - n;
    const int L = z(rosnie ? n - 1 : 0, nowa - 1);
    b.Przesun(stara, nowa, L);
    for (int i = 0; i < n; ++i) {
      if (rosnie) JednaLinia(wzor, stara + i, stara + i + 1, L - n + 1 + i);
      else JednaLinia(wzor, stara - i, stara - i - 1, L);
    }
    ASSERT_EQ(Tabela(), wzor) << "edit " << przypadek << ": " << stara << " -> " << nowa << " lines, caret " << L;
  }
}

}  // namespace
}  // namespace kelbra::testy
