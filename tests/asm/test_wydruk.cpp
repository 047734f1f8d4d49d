// The PRN listing.

#include <gtest/gtest.h>

#include "Pomocnicze.h"
#include "WydrukPRN.h"

namespace kelbra::test {
namespace {

std::vector<std::string> Wydruk(const std::vector<std::string>& linie) {
  Stanowisko s;
  const WynikAsemblacji& w = s.Asembluj(linie);
  EXPECT_FALSE(w.FlagaBledu) << (w.Bledy.empty() ? "" : w.Bledy[0]);
  return BudujWydrukPRN(w, s.jadro->Code, linie);
}

TEST(WydrukPRN, DwaRozkazy) {
  EXPECT_EQ(Wydruk({"nop", "sjmp $"}),
            (std::vector<std::string>{"     1   0000   00          nop", "     2   0001   80FE        sjmp $"}));
}

TEST(WydrukPRN, DbPisePoPiecBajtow) {
  EXPECT_EQ(Wydruk({"org 10h", "db 'ABCDEFG'", "db 1,2"}),
            (std::vector<std::string>{"     1   0010               org 10h",
                                      "     2   0010   4142434445  db 'ABCDEFG'",
                                      "                4647",
                                      "     3   0017   0102        db 1,2"}));
}

TEST(WydrukPRN, KomentarzPokazujeAdresNastepnegoWiersza) {
  EXPECT_EQ(Wydruk({"nop", "; uwaga", "", "mov a, #1"}),
            (std::vector<std::string>{"     1   0000   00          nop", "     2   0001               ; uwaga",
                                      "     3   0001               ", "     4   0001   7401        mov a, #1"}));
}

TEST(WydrukPRN, SkokPrzedOrgPokazujeTylkoSwojeBajty) {
  const auto w = Wydruk({"start: ljmp start", "org 100h", "nop"});
  ASSERT_EQ(w.size(), 3u);
  EXPECT_EQ(w[0], "     1   0000   020000      start: ljmp start");
  EXPECT_EQ(w[1], "     2   0100               org 100h");
}

TEST(WydrukPRN, KonczySieNaEnd) {
  const auto w = Wydruk({"nop", "end", "nop"});
  EXPECT_EQ(w, (std::vector<std::string>{"     1   0000   00          nop"}));
}

// A value after a db row is no end of its code: the continuation stops at
// the bytes the row wrote.
TEST(WydrukPRN, DbPrzedEquNiePiszeCudzychBajtow) {
  const auto w = Wydruk({"db 1,2,3,4,5,6,7", "x equ 5000"});
  ASSERT_EQ(w.size(), 3u);
  EXPECT_EQ(w[1], "                0607");
  EXPECT_EQ(w[2], "     2   1388               x equ 5000");
}

}  // namespace
}  // namespace kelbra::test
