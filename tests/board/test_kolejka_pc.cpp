// Typed PC keys as a serial line: one value a key, in order, at least
// 1,000 cycles apart, at once on an idle line, bounded.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "KlawiszePC.h"
#include "Stanowisko.h"

namespace kelbra::testy {
namespace {

namespace q = klawiszqt;

// One step of a scenario at a machine cycle: a typed key, the line's chance
// to deliver (as the run loop gives it between instructions), or the
// program reading SBUF (which clears RI); then what the program sees.
struct Krok {
  uint64_t cykl;
  enum { Wpisz, Linia, Czytaj } co;
  int klawisz = 0;
  std::u32string tekst;
  int sbuf = -1;  // expected SBUF, -1 when not checked
  int ri = -1;
  size_t czeka = 0;  // keys still queued
};

void Przebieg(const char* nazwa, const std::vector<Krok>& kroki) {
  SCOPED_TRACE(nazwa);
  Stanowisko s;
  for (size_t k = 0; k < kroki.size(); ++k) {
    const Krok& x = kroki[k];
    SCOPED_TRACE(k);
    if (x.co == Krok::Wpisz) {
      const auto wartosc = KlawiszPCNacisniety(x.klawisz, false, x.tekst).Wartosc();
      ASSERT_TRUE(wartosc.has_value());
      EXPECT_TRUE(s.plytka.WpiszKlawiszPC(*wartosc, x.cykl));
    } else if (x.co == Krok::Linia) {
      s.plytka.DostarczKlawiszPC(x.cykl);
    } else {
      s.j->Data[sfr::SCON] &= 0xFE;
    }
    if (x.sbuf >= 0) {
      EXPECT_EQ(s.j->Data[sfr::SBUF], x.sbuf);
    }
    if (x.ri >= 0) {
      EXPECT_EQ(s.j->Data[sfr::SCON] & 1, x.ri);
    }
    EXPECT_EQ(s.plytka.KolejkaPC.Rozmiar(), x.czeka);
  }
}

TEST(KolejkaPC, ScenariosOfTheSerialLine) {
  using K = Krok;
  // One value a key: the character for a key that types one, the code
  // otherwise; an idle line delivers at once, as in pause and step modes.
  Przebieg("one value per key, at once when idle",
           {{0, K::Wpisz, 'A', U"a", 0x61, 1, 0},
            {0, K::Czytaj, 0, U"", 0x61, 0, 0},
            {1000, K::Wpisz, q::Left, U"", 0x25, 1, 0},
            {2000, K::Wpisz, q::Shift, U"", 0x10, 1, 0}});
  // Keys typed faster than the line go in order, 1,000 cycles apart; a
  // program that reads every one sees them all.
  Przebieg("order and spacing",
           {{10, K::Wpisz, 'K', U"k", 0x6B, 1, 0},
            {20, K::Wpisz, 'E', U"e", 0x6B, 1, 1},
            {30, K::Wpisz, 'L', U"l", 0x6B, 1, 2},
            {40, K::Czytaj, 0, U"", 0x6B, 0, 2},
            {1009, K::Linia, 0, U"", 0x6B, 0, 2},
            {1010, K::Linia, 0, U"", 0x65, 1, 1},
            {1500, K::Czytaj, 0, U"", 0x65, 0, 1},
            {2009, K::Linia, 0, U"", 0x65, 0, 1},
            {2014, K::Linia, 0, U"", 0x6C, 1, 0},  // a late chance delivers at once
            {2015, K::Linia, 0, U"", 0x6C, 1, 0}});
  // A key soon after a delivery waits out the spacing even on an empty line.
  Przebieg("a recent delivery holds the next key",
           {{0, K::Wpisz, 'A', U"a", 0x61, 1, 0},
            {999, K::Wpisz, 'B', U"b", 0x61, 1, 1},
            {1000, K::Linia, 0, U"", 0x62, 1, 0}});
  // A program that never reads sees each key overwrite SBUF, RI staying set.
  Przebieg("overwrite without reading",
           {{0, K::Wpisz, 'X', U"x", 0x78, 1, 0},
            {1, K::Wpisz, 'Y', U"y", 0x78, 1, 1},
            {2, K::Wpisz, 'Z', U"z", 0x78, 1, 2},
            {1000, K::Linia, 0, U"", 0x79, 1, 1},
            {2000, K::Linia, 0, U"", 0x7A, 1, 0}});
}

TEST(KolejkaPC, TheBoundDropsTheNewestKey) {
  Stanowisko s;
  ASSERT_TRUE(s.plytka.WpiszKlawiszPC(0x01, 0));  // delivered at once
  for (int k = 0; k < 256; ++k) EXPECT_TRUE(s.plytka.WpiszKlawiszPC(static_cast<uint8_t>(k), 0));
  EXPECT_FALSE(s.plytka.WpiszKlawiszPC(0xEE, 0));
  EXPECT_EQ(s.plytka.KolejkaPC.Rozmiar(), KolejkaKlawiszyPC::Pojemnosc);
  // The queue kept the first 256 in order and lost only the dropped key.
  for (int k = 0; k < 256; ++k) {
    s.plytka.DostarczKlawiszPC(1000 * static_cast<uint64_t>(k + 1));
    ASSERT_EQ(s.j->Data[sfr::SBUF], k);
  }
  EXPECT_EQ(s.plytka.KolejkaPC.Rozmiar(), 0u);
  EXPECT_TRUE(s.plytka.WpiszKlawiszPC(0x33, 1'000'000));
  EXPECT_EQ(s.j->Data[sfr::SBUF], 0x33);
}

TEST(KolejkaPC, NextDeliveryCycleAndAClockThatWentBack) {
  KolejkaKlawiszyPC k;
  EXPECT_EQ(k.NastepnaDostawa(5), KolejkaKlawiszyPC::Nigdy);
  EXPECT_FALSE(k.Wydaj(5).has_value());
  k.Dodaj(1), k.Dodaj(2), k.Dodaj(3);
  EXPECT_EQ(k.NastepnaDostawa(5'000), 5'000u);
  EXPECT_EQ(k.Wydaj(5'000), 1);
  EXPECT_EQ(k.NastepnaDostawa(5'001), 6'000u);
  EXPECT_FALSE(k.Wydaj(5'999).has_value());
  // Counters cleared under the line: the next key is not held for ages.
  EXPECT_EQ(k.NastepnaDostawa(10), 10u);
  EXPECT_EQ(k.Wydaj(10), 2);
  k.Wyczysc();
  EXPECT_EQ(k.NastepnaDostawa(11), KolejkaKlawiszyPC::Nigdy);
  k.Dodaj(4);
  EXPECT_EQ(k.NastepnaDostawa(11), 11u);  // cleared means idle
  // No spacing: one key at every chance.
  k.UstawOdstep(0);
  k.Dodaj(5);
  EXPECT_EQ(k.Wydaj(11), 4);
  EXPECT_EQ(k.Wydaj(11), 5);
}

TEST(KolejkaPC, BoardResetDropsWaitingKeysAndTypedTimeIsTheCoresCount) {
  Stanowisko s;
  s.j->Cykle = 2'000'500;
  s.plytka.WpiszKlawiszPC(0x41);
  s.plytka.WpiszKlawiszPC(0x42);
  EXPECT_EQ(s.plytka.NastepnaDostawaPC(2'000'600), 2'001'500u);
  s.plytka.ResetPlytki();
  EXPECT_EQ(s.plytka.KolejkaPC.Rozmiar(), 0u);
  s.j->Cykle = 0;
  s.plytka.WpiszKlawiszPC(0x43);
  EXPECT_EQ(s.j->Data[sfr::SBUF], 0x43);
}

}  // namespace
}  // namespace kelbra::testy
