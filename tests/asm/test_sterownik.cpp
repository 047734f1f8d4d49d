// The assembly run: the table it leaves, "end", progress, the label index.

#include <gtest/gtest.h>

#include <random>

#include "Pomocnicze.h"
#include "Tekst.h"

namespace kelbra::test {
namespace {

std::vector<std::string> Kolumna(const WynikAsemblacji& w, int k) {
  std::vector<std::string> c;
  for (size_t r = 1; r < w.Tabela.Rozmiar(); ++r) c.push_back(w.Tabela[r][k]);
  return c;
}

TEST(Sterownik, AdresyWierszyTabeli) {
  Stanowisko s;
  const WynikAsemblacji& w = s.Asembluj({"; naglowek", "start:", "  mov a, #1", "", "x equ 300", "  org 8000h",
                                         "tab: db 'AB',0", "  sjmp $"});
  ASSERT_FALSE(w.FlagaBledu);
  EXPECT_EQ(Kolumna(w, KolLinia), (std::vector<std::string>{"1", "2", "4", "5", "6", "7"}));
  EXPECT_EQ(Kolumna(w, KolAdres), (std::vector<std::string>{"0", "0", "300", "32768", "32768", "32771"}));
  EXPECT_EQ(w.KoncowyLicznik, 32773);
  EXPECT_EQ(s.jadro->PC, 32773);
}

TEST(Sterownik, PustyTekst) {
  Stanowisko s;
  const WynikAsemblacji& w = s.Asembluj({});
  EXPECT_FALSE(w.FlagaBledu);
  EXPECT_FALSE(w.FlagaOstrzezen);
  EXPECT_EQ(w.Tabela.Rozmiar(), 1u);
  EXPECT_EQ(w.Tabela[0][KolAdres], "Adres");
  EXPECT_EQ(w.Tabela[0][KolKodRozkazu], "kod rozkazu");
  EXPECT_EQ(w.KoncowyLicznik, 0);
}

TEST(Sterownik, WierszEndWracaNaKoniecTabeli) {
  Stanowisko s;
  const WynikAsemblacji& w = s.Asembluj({"sjmp dalej", "dalej: nop", " END", "po: nop", "db 'x'"});
  ASSERT_FALSE(w.FlagaBledu);
  EXPECT_TRUE(w.NapotkanoEnd);
  EXPECT_EQ(w.WierszePrzebiegu, 3u);
  ASSERT_EQ(w.Tabela.Rozmiar(), 4u);
  EXPECT_EQ(w.Tabela[3][KolMnemonik], "END");
  EXPECT_EQ(w.Tabela[3][KolLinia], "2");
  EXPECT_EQ(w.Tabela[3][KolAdres], "3");
  EXPECT_EQ(s.asembler->SzukajEtykiety("po"), std::nullopt);
}

// The "end" row shows where the final pass ended, also when the first pass,
// with forward labels still at 0, wrote less.
TEST(Sterownik, AdresEndPoOstatnimPrzebiegu) {
  Stanowisko s;
  const WynikAsemblacji& w = s.Asembluj({"org 800h", "ajmp cel", "cel: nop", "end"});
  ASSERT_FALSE(w.FlagaBledu);
  EXPECT_EQ(w.Tabela[w.Tabela.Rozmiar() - 1][KolAdres], "2051");
}

TEST(Sterownik, AsemblacjaNieCzysciKodu) {
  Stanowisko s;
  s.jadro->Code[0x10] = 0x55;
  s.jadro->Code[0x00] = 0x77;
  s.Asembluj({"nop"});
  EXPECT_EQ(s.jadro->Code[0x00], 0x00);
  EXPECT_EQ(s.jadro->Code[0x10], 0x55);
  EXPECT_TRUE(s.asembler->Wynik().Zapisane[0]);
  EXPECT_FALSE(s.asembler->Wynik().Zapisane[0x10]);
}

TEST(Sterownik, BledyPodzialuZatrzymujaPoPierwszymPrzebiegu) {
  Stanowisko s;
  const WynikAsemblacji& w = s.Asembluj({"mov a, #1", "x: y: nop", "xyz"});
  // Only the structural error: the final pass, which would report xyz, never ran.
  ASSERT_EQ(w.Bledy.size(), 1u);
  EXPECT_EQ(w.Bledy[0], "Error: 1 linia. Zbyt wiele etykiet. W wierszu, moze byc tylko 1 etykieta");
  EXPECT_EQ(s.jadro->Code[0], 0x74);
}

TEST(Sterownik, PostepCztery_iPolKrokuNaLinie) {
  Stanowisko s;
  std::vector<std::string> linie(101, "nop");
  int wywolania = 0, maksimum = -1, ostatnia = -1;
  bool wZakresie = true;
  s.asembler->Analizuj_kod_asemblera(linie, [&](int pozycja, int max) {
    ++wywolania;
    maksimum = max;
    ostatnia = pozycja;
    wZakresie = wZakresie && pozycja >= 0 && pozycja <= max;
  });
  EXPECT_GT(wywolania, 10);
  EXPECT_EQ(maksimum, 454);
  EXPECT_EQ(ostatnia, 454);
  EXPECT_TRUE(wZakresie);
}

TEST(Sterownik, KolejneUruchomienieZaczynaOdNowa) {
  Stanowisko s;
  s.Asembluj({"xyz", "a: nop"});
  EXPECT_TRUE(s.asembler->Wynik().FlagaBledu);
  const WynikAsemblacji& w = s.Asembluj({"nop"});
  EXPECT_FALSE(w.FlagaBledu);
  EXPECT_TRUE(w.Bledy.empty());
  EXPECT_EQ(w.Tabela.Rozmiar(), 2u);
}

// The label index answers exactly as a scan of the Etykieta column from row
// 1 would, as rows are refilled and Adres cells rewritten.
TEST(IndeksEtykiet, ZgodnyZPrzegladaniemTabeli) {
  std::mt19937 los(12345);
  const char* nazwy[] = {"a1", "A1", "b", "B", "petla", "PETLA", "x_y", "#a1", "", "dlugaetykieta"};
  for (int proba = 0; proba < 50; ++proba) {
    TabelaAsemblacji t;
    const size_t n = 1 + los() % 40;
    t.ZmienRozmiar(n + 1);
    for (int krok = 0; krok < 200; ++krok) {
      const size_t r = 1 + los() % n;
      switch (los() % 4) {
        case 0: t.DoZapisu(r)[KolEtykieta] = nazwy[los() % 10]; break;
        case 1: t.UstawAdres(r, static_cast<int32_t>(los() % 70000) - 100); break;
        case 2: if (los() % 8 == 0) t.ZmienRozmiar(1 + los() % (n + 1)); break;
        default: {
          const std::string szukana = nazwy[los() % 10];
          std::optional<int32_t> liniowo;
          for (size_t k = 1; k < t.Rozmiar() && !szukana.empty(); ++k)
            if (tekst::RowneBezWielkosci(t[k][KolEtykieta], szukana)) {
              liniowo = tekst::LiczbaKomorki(t[k][KolAdres]);
              break;
            }
          ASSERT_EQ(t.Szukaj(szukana), liniowo) << szukana;
        }
      }
      if (t.Rozmiar() < n + 1) t.ZmienRozmiar(n + 1);
    }
  }
}


// The same on large tables with many names differing only in case or in a
// byte outside ASCII, where the index's slots collide and wrap: both the
// lookup and the check for another row with the label.
TEST(IndeksEtykiet, DuzaTabelaZgodnaZPrzegladaniem) {
  std::mt19937 los(54321);
  auto nazwa = [&] {
    std::string n = "e" + std::to_string(los() % 700);
    if (los() % 3 == 0) n[0] = 'E';
    if (los() % 5 == 0) n += '\xA5';
    if (los() % 7 == 0) n += '\xB9';
    return n;
  };
  for (size_t wiersze : {3000u, 5000u}) {
    TabelaAsemblacji t;
    t.ZmienRozmiar(wiersze + 1);
    for (size_t r = 1; r <= wiersze; ++r) {
      if (los() % 4 != 0) t.DoZapisu(r)[KolEtykieta] = nazwa();
      t.UstawAdres(r, static_cast<int32_t>(r));
    }
    for (int proba = 0; proba < 3000; ++proba) {
      const std::string szukana = nazwa();
      const size_t wiersz = 1 + los() % wiersze;
      std::optional<int32_t> liniowo;
      bool poza = false;
      for (size_t k = 1; k < t.Rozmiar(); ++k)
        if (tekst::RowneBezWielkosci(t[k][KolEtykieta], szukana)) {
          if (!liniowo) liniowo = tekst::LiczbaKomorki(t[k][KolAdres]);
          poza = poza || k != wiersz;
        }
      ASSERT_EQ(t.Szukaj(szukana), liniowo) << szukana;
      ASSERT_EQ(t.JestPozaWierszem(szukana, wiersz), poza) << szukana << " " << wiersz;
    }
  }
}
}  // namespace
}  // namespace kelbra::test
