// The A00 character generator as the LCD is created with it.

#include <gtest/gtest.h>

#include <set>

#include "WzorZnakow.h"

namespace kelbra::testy {
namespace {

struct WierszeWzorcowe {
  uint8_t kod;
  WierszeZnaku wiersze;
};

void PrintTo(const WierszeWzorcowe& p, std::ostream* os) { *os << std::hex << int{p.kod}; }

class WzorZnakowTelling : public testing::TestWithParam<WierszeWzorcowe> {};

TEST_P(WzorZnakowTelling, MatchesTheGeneratorRows) {
  const auto& p = GetParam();
  EXPECT_EQ(WzorZnakowA00[p.kod], p.wiersze);
}

INSTANTIATE_TEST_SUITE_P(
    Kody, WzorZnakowTelling,
    testing::Values(
        WierszeWzorcowe{0x21, {0x04, 0x04, 0x04, 0x04, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00}},
        WierszeWzorcowe{0x30, {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E, 0x00, 0x00, 0x00}},
        WierszeWzorcowe{0x41, {0x0E, 0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x00, 0x00, 0x00}},
        WierszeWzorcowe{0x5C, {0x11, 0x0A, 0x1F, 0x04, 0x1F, 0x04, 0x04, 0x00, 0x00, 0x00}},
        WierszeWzorcowe{0x7E, {0x00, 0x04, 0x02, 0x1F, 0x02, 0x04, 0x00, 0x00, 0x00, 0x00}},
        WierszeWzorcowe{0x7F, {0x00, 0x04, 0x08, 0x1F, 0x08, 0x04, 0x00, 0x00, 0x00, 0x00}},
        WierszeWzorcowe{0xDF, {0x1C, 0x14, 0x1C, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
        WierszeWzorcowe{0xE7, {0x00, 0x00, 0x0F, 0x11, 0x11, 0x11, 0x0F, 0x01, 0x01, 0x0E}},
        WierszeWzorcowe{0xFF, {0x1F, 0x1F, 0x1F, 0x1F, 0x1F, 0x1F, 0x1F, 0x1F, 0x1F, 0x1F}}),
    [](const auto& info) {
      char nazwa[8];
      std::snprintf(nazwa, sizeof nazwa, "Kod%02X", info.param.kod);
      return std::string(nazwa);
    });

bool Pusty(int kod) {
  return kod <= 0x20 || (kod >= 0x80 && kod <= 0xA0) || kod == 0xFE;
}

TEST(WzorZnakow, BlankCodesAreBlankAndTheRestHaveAGlyph) {
  int znaki = 0;
  for (int kod = 0; kod < 256; ++kod) {
    const auto& w = WzorZnakowA00[kod];
    bool cos = false;
    for (int r = 0; r < 7; ++r) cos = cos || w[r] != 0;
    if (Pusty(kod)) {
      EXPECT_EQ(w, WierszeZnaku{}) << std::hex << kod;
    } else {
      EXPECT_TRUE(cos) << std::hex << kod;
      ++znaki;
    }
  }
  EXPECT_EQ(znaki, 189);
}

TEST(WzorZnakow, OnlyTheDescendersReachBelowRowSix) {
  const std::set<int> zOgonkiem{0xE2, 0xE4, 0xE6, 0xE7, 0xEA, 0xF0, 0xF1, 0xF9};
  for (int kod = 0; kod < 0xFF; ++kod) {
    const auto& w = WzorZnakowA00[kod];
    if (zOgonkiem.count(kod)) {
      EXPECT_NE(w[9], 0) << std::hex << kod;
    } else if (kod == 0xF5) {
      EXPECT_NE(w[7], 0);
      EXPECT_EQ(w[8] | w[9], 0);
    } else {
      EXPECT_EQ(w[7] | w[8] | w[9], 0) << std::hex << kod;
    }
  }
}

}  // namespace
}  // namespace kelbra::testy
