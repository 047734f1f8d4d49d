// The memory window's rules, without the window.

#include <gtest/gtest.h>

#include <functional>
#include <numeric>
#include <string>

#include "EdycjaPamieci.h"
#include "views/MaszynaZAsemblerem.h"

namespace kelbra {
namespace {

// Each space writes its own memory inside its range and nothing else;
// IDATA above 7Fh is the upper indirect RAM, never an SFR.
TEST(KomorkiPamieci, GraniceIZapis) {
  using enum RodzajPamieci;
  struct {
    RodzajPamieci rodzaj;
    int32_t adres;
    bool zapisany;
  } przypadki[] = {
      {DATA, 0x7F, true},  {DATA, 0x80, false},    {DATA, -1, false},        {IDATA, 0x7F, true},
      {IDATA, 0x90, true}, {IDATA, 0x100, false},  {XDATA, 0xFFFF, true},    {XDATA, 0x10000, false},
      {CODE, 0, true},     {CODE, 0x10000, false}, {CODE, INT32_MIN, false},
  };
  for (const auto& p : przypadki) {
    test::Maszyna m;
    const Jadro przed = *m.jadro;
    EXPECT_EQ(ZapiszKomorke(*m.jadro, p.rodzaj, p.adres, 0x1A5), p.zapisany) << p.adres;
    EXPECT_EQ(CzytajKomorke(*m.jadro, p.rodzaj, p.adres), p.zapisany ? 0xA5 : 0) << p.adres;
    auto rozne = [](const auto& a, const auto& b) {
      return std::inner_product(a.begin(), a.end(), b.begin(), 0, std::plus<>(), std::not_equal_to<>());
    };
    const int zmiany = rozne(m.jadro->Data, przed.Data) + rozne(m.jadro->IdataGorna, przed.IdataGorna) +
                       rozne(m.jadro->Xdata, przed.Xdata) + rozne(m.jadro->Code, przed.Code);
    EXPECT_EQ(zmiany, p.zapisany ? 1 : 0) << static_cast<int>(p.rodzaj) << " " << p.adres;
    EXPECT_EQ(m.jadro->IdataGorna[0x90], p.rodzaj == IDATA && p.adres == 0x90 ? 0xA5 : 0);
  }
}

TEST(UkladPamieci, WierszeNaglowkiISzerokosci) {
  using enum RodzajPamieci;
  struct {
    RodzajPamieci rodzaj;
    int kolumny;
    int wiersze;
    int naglowek;
    const char* ostatni;
  } przypadki[] = {
      {DATA, 8, 17, 22, "78"},       {IDATA, 4, 65, 22, "FC"},     {XDATA, 16, 4097, 33, "FFF0"},
      {XDATA, 4, 16385, 33, "FFFC"}, {CODE, 32, 2049, 33, "FFE0"},
  };
  for (const auto& p : przypadki) {
    const UkladPamieci u{Opis(p.rodzaj).adresMaksymalny, p.kolumny};
    EXPECT_EQ(u.LiczbaWierszy(), p.wiersze);
    EXPECT_EQ(u.SzerokoscWartosci(), p.naglowek + 23 * p.kolumny + 1);
    EXPECT_EQ(u.AdresWiersza(1), p.naglowek == 33 ? "0000" : "00");
    EXPECT_EQ(u.AdresWiersza(p.wiersze - 1), p.ostatni);
    // Hit-testing finds each column the painting put there.
    for (int k = 1; k <= p.kolumny; ++k) EXPECT_EQ(u.KolumnaWartosci(u.LewaKrawedz(k) + 1), k);
    EXPECT_EQ(u.KolumnaWartosci(p.naglowek - 1), 0);
  }
}

// Heights snap to whole rows: never fewer than two, never more than the grid.
TEST(UkladPamieci, WysokoscCalychWierszy) {
  const UkladPamieci data{127, 8};
  const int r = 40;
  const std::pair<int, int> przypadki[] = {{r + 170, 10}, {r + 186, 10}, {r + 34, 2},  {r + 17, 2},
                                           {-500, 2},     {r + 289, 17}, {r + 680, 17}};
  for (auto [wysokosc, wiersze] : przypadki) EXPECT_EQ(data.WierszeDlaWysokosci(wysokosc, r), wiersze) << wysokosc;
  EXPECT_EQ(data.MaksimumSuwaka(17), 1);
  EXPECT_EQ(data.MaksimumSuwaka(10), 8);
}

TEST(ZnakiPamieci, BajtNaZnakINazad) {
  EXPECT_EQ(ZnakBajtu(0x41), U'A');
  EXPECT_EQ(ZnakBajtu(0xEF), U'ď');
  for (uint8_t b : {0x00, 0x1F, 0x7F, 0x81}) EXPECT_EQ(ZnakBajtu(b), U' ') << int(b);
  EXPECT_EQ(BajtZnaku(U'ł'), 0xB3);
  EXPECT_EQ(BajtZnaku(U'€'), 0x80);
  EXPECT_EQ(BajtZnaku(U'?'), 0x3F);
  for (char32_t z : {U'\r', U'\b', U'\x1B', U'\x7F', U'\x81', U'中'}) EXPECT_FALSE(BajtZnaku(z)) << uint32_t(z);
}

// A value typed into a cell goes in at every change; Esc puts back the byte
// the cell held when its editor opened, and only if something was typed.
TEST(EdycjaPamieci, WpisywanieEscIOstrzezenie) {
  test::Maszyna m;
  EdycjaPamieci e(*m.jadro, m.asembler);
  e.Rodzaj = RodzajPamieci::DATA;
  e.TrybDziesietny = true;
  m.Data(0x30) = 0x12;
  e.OtworzEdytor(0x30);
  EXPECT_EQ(e.StaraWartosc, "18");
  // The program writes the byte; nothing was typed, so Esc leaves it.
  m.Data(0x30) = 0x22;
  e.Anuluj();
  EXPECT_EQ(m.Data(0x30), 0x22);
  e.OtworzEdytor(0x30);
  e.Klawisz();
  e.ZmianaTekstu("300");
  EXPECT_EQ(m.Data(0x30), 44);
  EXPECT_TRUE(e.PozaZakresem());
  e.ZmianaTekstu("30x");
  EXPECT_EQ(e.NowaWartosc, "???");
  EXPECT_TRUE(e.PozaZakresem());
  e.ZmianaTekstu("0-5");
  EXPECT_EQ(m.Data(0x30), 0xFB);
  EXPECT_FALSE(e.PozaZakresem());
  e.ZmianaTekstu("");
  EXPECT_EQ(m.Data(0x30), 0xFB);
  e.Anuluj();
  EXPECT_EQ(m.Data(0x30), 0x22);
  EXPECT_EQ(e.AdresEdytowany, -1);
}

}  // namespace
}  // namespace kelbra
