// The typed cells of the instruction table and the index by source line
// that the breakpoints, run control, the batch trace and the table window
// share.

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "Asembler.h"
#include "Jadro.h"
#include "MapaAdresow.h"

namespace kelbra::test {
namespace {

TEST(KomorkiTabeli, LiniaIAdresToCaleLiczbyDziesietne) {
  const struct {
    const char* komorka;
    std::optional<int32_t> liczba;
  } przypadki[] = {
      {"", std::nullopt},          {"0", 0},
      {"42", 42},                  {"-3", -3},
      {"+5", std::nullopt},        {" 1", std::nullopt},
      {"1 ", std::nullopt},        {"12a", std::nullopt},
      {"-", std::nullopt},         {"2147483647", INT32_MAX},
      {"2147483648", std::nullopt}, {"-2147483648", INT32_MIN},
  };
  for (const auto& p : przypadki) {
    WierszRozkazu w;
    w[KolLinia] = p.komorka;
    w[KolAdres] = p.komorka;
    EXPECT_EQ(w.Linia(), p.liczba) << '"' << p.komorka << '"';
    EXPECT_EQ(w.Adres(), p.liczba) << '"' << p.komorka << '"';
  }
}

TEST(KomorkiTabeli, SlowoMnemonikaBezWielkosciLiter) {
  const struct {
    std::string mnemonik;
    Slowo slowo;
  } przypadki[] = {
      {"", Slowo::Brak},    {"mov", Slowo::Mov},   {"EQU", Slowo::Equ},
      {"Org", Slowo::Org},  {"movx2", Slowo::Brak}, {std::string("nop\0", 4), Slowo::Brak},
  };
  for (const auto& p : przypadki) {
    WierszRozkazu w;
    w[KolMnemonik] = p.mnemonik;
    EXPECT_EQ(w.SlowoMnemonika(), p.slowo) << p.mnemonik;
  }
}

// Lines of code, of values only, and none at all, from a real assembly.
TEST(MapaAdresow, LinieIAdresyProgramu) {
  auto jadro = std::make_unique<Jadro>();
  Asembler a(*jadro);
  const WynikAsemblacji& w = a.Analizuj_kod_asemblera({"; komentarz", "  mov a,#1", "N equ 70000", "x equ 0-1",
                                                      "petla:", "  inc a", "  org 0FFFFh", "  nop"});
  ASSERT_FALSE(w.FlagaBledu);
  MapaAdresow m;
  m.Zbuduj(w.Tabela);
  using R = MapaAdresow::Rodzaj;
  const struct {
    int linia;
    R rodzaj;
    uint16_t adres;
    std::optional<uint16_t> doLinii;
    bool wiersz;
  } przypadki[] = {
      {0, R::BrakWiersza, 0, std::nullopt, false},
      {1, R::Adres, 0, 0, true},
      {2, R::BezAdresu, 0, 0, true},  // a value, not an address
      {3, R::BezAdresu, 0, 0, true},
      {4, R::Adres, 2, 2, true},  // the label shares its address with the next line
      {5, R::Adres, 2, 2, true},
      {7, R::Adres, 0xFFFF, 0xFFFF, true},
      {8, R::BrakWiersza, 0, 0xFFFF, false},
      {-1, R::BrakWiersza, 0, std::nullopt, false},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.linia);
    const MapaAdresow::AdresLinii adres = m.AdresDlaLinii(p.linia);
    EXPECT_EQ(adres.rodzaj, p.rodzaj);
    EXPECT_EQ(adres.adres, p.adres);
    EXPECT_EQ(m.AdresDoLinii(p.linia), p.doLinii);
    const size_t r = m.WierszLinii(p.linia);
    EXPECT_EQ(r != 0, p.wiersz);
    if (r != 0) {
      EXPECT_EQ(w.Tabela[r].Linia(), p.linia);
    }
  }
  // The last code row of an address names its line.
  EXPECT_EQ(m.LiniaAdresu(0), 1);
  EXPECT_EQ(m.LiniaAdresu(2), 5);
  EXPECT_EQ(m.LiniaAdresu(0xFFFF), 7);
  EXPECT_EQ(m.LiniaAdresu(70000 & 0xFFFF), -1);
  EXPECT_EQ(m.LiniaAdresu(1), -1);
}

// Tables written by hand: rows out of line order, malformed and negative
// lines. The address map keeps only rows in order from line 0; the first
// row of a line is found wherever it stands.
TEST(MapaAdresow, TabeleSpozaAsemblera) {
  const struct {
    const char* opis;
    std::vector<std::pair<const char*, const char*>> wiersze;  // Linia, Adres
    int linia;
    size_t wiersz;
    MapaAdresow::Rodzaj rodzaj;
  } przypadki[] = {
      {"falling lines", {{"4", "40"}, {"2", "20"}, {"0", "0"}}, 2, 2, MapaAdresow::Rodzaj::BrakWiersza},
      {"falling lines, the first", {{"4", "40"}, {"2", "20"}, {"0", "0"}}, 4, 1, MapaAdresow::Rodzaj::Adres},
      {"a line twice apart", {{"1", "1"}, {"3", "3"}, {"1", "5"}}, 1, 1, MapaAdresow::Rodzaj::Adres},
      {"malformed cells", {{"x", "1"}, {"", "2"}, {"3", "3"}}, 3, 3, MapaAdresow::Rodzaj::Adres},
      {"a negative line", {{"-2", "1"}, {"0", "2"}}, -2, 1, MapaAdresow::Rodzaj::BrakWiersza},
      {"an address out of range", {{"0", "65536"}, {"1", "-1"}}, 0, 1, MapaAdresow::Rodzaj::BezAdresu},
  };
  for (const auto& p : przypadki) {
    TabelaAsemblacji t;
    t.ZmienRozmiar(p.wiersze.size() + 1);
    for (size_t r = 0; r < p.wiersze.size(); ++r) {
      t.Ustaw(r + 1, KolLinia, p.wiersze[r].first);
      t.Ustaw(r + 1, KolAdres, p.wiersze[r].second);
    }
    MapaAdresow m;
    m.Zbuduj(t);
    EXPECT_EQ(m.WierszLinii(p.linia), p.wiersz) << p.opis;
    EXPECT_EQ(m.AdresDlaLinii(p.linia).rodzaj, p.rodzaj) << p.opis;
  }
}

// The first row of a line, against a scan from row 1, on tables in order,
// nearly in order and shuffled, with malformed cells among them.
TEST(MapaAdresow, WierszLiniiJakPrzegladanie) {
  std::mt19937 los(8051);
  for (int proba = 0; proba < 300; ++proba) {
    const size_t n = 1 + los() % 60;
    TabelaAsemblacji t;
    t.ZmienRozmiar(n + 1);
    const int rodzaj = proba % 3;
    for (size_t r = 1; r <= n; ++r) {
      int linia = rodzaj == 0 ? static_cast<int>(r + los() % 2) : static_cast<int>(los() % 40) - 3;
      std::string komorka = std::to_string(linia);
      if (rodzaj == 1 && los() % 10 == 0) komorka = los() % 2 ? "" : "7x";
      t.Ustaw(r, KolLinia, komorka);
    }
    MapaAdresow m;
    m.Zbuduj(t);
    for (int linia = -5; linia < 65; ++linia) {
      size_t oczekiwany = 0;
      for (size_t r = 1; r <= n && oczekiwany == 0; ++r)
        if (t[r].Linia() == linia) oczekiwany = r;
      ASSERT_EQ(m.WierszLinii(linia), oczekiwany) << "proba " << proba << ", linia " << linia;
    }
  }
}

}  // namespace
}  // namespace kelbra::test
