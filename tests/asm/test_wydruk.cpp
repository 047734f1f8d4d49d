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

// A db row writes five bytes a line; a comment after the last row is not
// listed.
TEST(WydrukPRN, DbPisePoPiecBajtow) {
  EXPECT_EQ(Wydruk({"org 10h", "start:", "db 'ABCDEFG'", "\tdb 1,2,3,4,5,6,7,8,9,10,11,12", "db 1,2", "; koniec"}),
            (std::vector<std::string>{"     1   0010               org 10h",
                                      "     2   0010               start:",
                                      "     3   0010   4142434445  db 'ABCDEFG'",
                                      "                4647",
                                      "     4   0017   0102030405  \tdb 1,2,3,4,5,6,7,8,9,10,11,12",
                                      "                060708090A",
                                      "                0B0C",
                                      "     5   0023   0102        db 1,2"}));
}

TEST(WydrukPRN, KomentarzPokazujeAdresNastepnegoWiersza) {
  EXPECT_EQ(Wydruk({"nop", "; uwaga", "", "mov a, #1"}),
            (std::vector<std::string>{"     1   0000   00          nop", "     2   0001               ; uwaga",
                                      "     3   0001               ", "     4   0001   7401        mov a, #1"}));
}

// Before a jump of more than 3 bytes to the next row, ret, reti, nop and jmp
// show 1 byte, acall, ajmp and sjmp 2, lcall and ljmp 3; any other row shows
// up to 5 bytes of CODE from its address.
TEST(WydrukPRN, DlugosciPrzedNowymPoczatkiem) {
  const auto w = Wydruk({"ret", "org 10h", "reti", "org 20h", "jmp @a+dptr", "org 30h", "acall $", "org 40h",
                         "ajmp $", "org 50h", "lcall $", "org 60h", "mov a, #1", "org 70h", "nop", "org 80h",
                         "start: ljmp start", "org 100h"});
  ASSERT_EQ(w.size(), 18u);
  EXPECT_EQ(w[0], "     1   0000   22          ret");
  EXPECT_EQ(w[2], "     3   0010   32          reti");
  EXPECT_EQ(w[4], "     5   0020   73          jmp @a+dptr");
  EXPECT_EQ(w[6], "     7   0030   1130        acall $");
  EXPECT_EQ(w[8], "     9   0040   0140        ajmp $");
  EXPECT_EQ(w[10], "    11   0050   120050      lcall $");
  EXPECT_EQ(w[12], "    13   0060   7401000000  mov a, #1");
  EXPECT_EQ(w[14], "    15   0070   00          nop");
  EXPECT_EQ(w[15], "    16   0080               org 80h");
  EXPECT_EQ(w[16], "    17   0080   020080      start: ljmp start");
  EXPECT_EQ(w[17], "    18   0100               org 100h");
}

// The next row's Adres ends the bytes even when it is a value, and a row
// before a lower origin shows none.
TEST(WydrukPRN, NastepnyWierszOgraniczaBajty) {
  const auto w = Wydruk({"mov a, #1", "x equ 1", "org 100h", "nop", "org 2", "nop"});
  ASSERT_EQ(w.size(), 6u);
  EXPECT_EQ(w[0], "     1   0000   74          mov a, #1");
  EXPECT_EQ(w[1], "     2   0001               x equ 1");
  EXPECT_EQ(w[3], "     4   0100               nop");
  EXPECT_EQ(w[4], "     5   0002               org 2");
  EXPECT_EQ(w[5], "     6   0002   00          nop");
}

TEST(WydrukPRN, KonczySieNaEnd) {
  const auto w = Wydruk({"nop", "end", "nop"});
  EXPECT_EQ(w, (std::vector<std::string>{"     1   0000   00          nop"}));
}

// A value after a db row is no end of its code: the continuation lines stop
// at the bytes the row wrote, while its own line shows CODE up to the next
// row's value, five bytes at most.
TEST(WydrukPRN, DbPrzedEquNiePiszeCudzychBajtow) {
  const auto w = Wydruk({"db 1,2,3,4,5,6,7", "x equ 5000", "db 1,2", "y equ 5000"});
  EXPECT_EQ(w, (std::vector<std::string>{"     1   0000   0102030405  db 1,2,3,4,5,6,7",
                                         "                0607",
                                         "     2   1388               x equ 5000",
                                         "     3   0007   0102000000  db 1,2",
                                         "     4   1388               y equ 5000"}));
}

TEST(WydrukPRN, AdresPonadFFFFMaPiecCyfr) {
  const auto w = Wydruk({"x equ 12345h", "nop"});
  ASSERT_EQ(w.size(), 2u);
  EXPECT_EQ(w[0], "     1   12345               x equ 12345h");
}

// Tabs stop every eight columns from the source column, as in the editor;
// what comes before it and lines without tabs stay as they are.
TEST(WydrukPRN, TabulatoryOdKolumnyZrodla) {
  const std::string poczatek = "     4   0017   0102030405  ";
  const struct {
    std::string linia, oczekiwana;
  } przypadki[] = {
      {poczatek + "\tdb 1", poczatek + "        db 1"},
      {poczatek + "et:\tmov a,#1\t; x", poczatek + "et:     mov a,#1        ; x"},
      {poczatek + "12345678\tnop", poczatek + "12345678        nop"},
      {poczatek + "\t\t", poczatek + std::string(16, ' ')},
      {poczatek + "nop", poczatek + "nop"},
      {"                060708090A", "                060708090A"},
      {"", ""},
  };
  for (const auto& p : przypadki) EXPECT_EQ(RozwinTabulatoryPRN(p.linia), p.oczekiwana) << p.linia;
  EXPECT_EQ(poczatek.size(), KolumnaZrodlaPRN);
}

}  // namespace
}  // namespace kelbra::test
