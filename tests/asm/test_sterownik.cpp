// The assembly run: the table it leaves, "end", progress, the label index.

#include <gtest/gtest.h>

#include <random>

#include "Pomocnicze.h"
#include "Tekst.h"

namespace kelbra::test {
namespace {

using Lista = std::vector<std::string>;

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
  const WynikAsemblacji& w = s.Asembluj({"sjmp dalej", "nop", "dalej: mov a, #7", "x: y: nop", "xyz"});
  // Only the structural error: the final pass, which would report xyz, never ran.
  EXPECT_EQ(w.Bledy, (Lista{"Error: 3 linia. Zbyt wiele etykiet. W wierszu, moze byc tylko 1 etykieta"}));
  // The code of the first pass stays, where "dalej" still read 0.
  EXPECT_EQ(s.jadro->Code[0], 0x80);
  EXPECT_EQ(s.jadro->Code[1], 0xFE);
  EXPECT_EQ(s.jadro->Code[3], 0x74);
  EXPECT_EQ(s.jadro->Code[4], 0x07);
  EXPECT_EQ(w.Tabela[3][KolAdres], "3");
}

// Splitting and both checks run over every line; only the passes stop at
// "end". The checks report in their order, each in the order of lines.
TEST(Sterownik, SprawdzeniaWidzaWierszePoEnd) {
  Stanowisko s;
  const WynikAsemblacji& w =
      s.Asembluj({"x: nop", "end", "x: nop", "mov: nop", "a b c d", "db 'abc", "1x: nop"});
  EXPECT_EQ(w.Bledy, (Lista{"ERROR...5 linia. Bledny format ciagu liczb w \"db\" ",
                            "Error: 4 linia. Zbyt wiele rozkazow. W wierszu, moze byc tylko 1 rozkaz",
                            "ERROR...0 linia. Dublujaca sie etykieta: x",
                            "ERROR...2 linia. Dublujaca sie etykieta: x",
                            "ERROR...3 linia. Uzyto nazwy zastrzezonaje jako etykiety",
                            "ERROR...6 linia. Uzyto liczby, jako etykiety"}));
}

TEST(Sterownik, BledyOstatniegoPrzebieguWKolejnosciWierszy) {
  Stanowisko s;
  const WynikAsemblacji& w = s.Asembluj({"xyz", "mov a, #300", "nop 1", "  ", "jmp x"});
  EXPECT_EQ(w.Bledy, (Lista{"ERROR...0 linia. Nie ma takiego rozkazu", "ERROR...2 linia. Rozkaz nie pobiera argumentow",
                            "ERROR...4 linia. oczekiwano: jmp @a+dptr"}));
  EXPECT_EQ(w.Ostrzezenia, (Lista{"Warning...1 linia. Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"}));
}

// The directive warnings are given after a failed run too, from the values
// of the first pass, where a later label still reads 0; operand warnings
// come only from the final pass, which did not run.
TEST(Sterownik, OstrzezeniaDyrektywTakzePoNieudanymPodziale) {
  Lista linie = {"x: y: nop", "d1 data 300", "d2 data pozniej", "mov a, #300", "pozniej equ 300"};
  Stanowisko s;
  const WynikAsemblacji& w = s.Asembluj(linie);
  EXPECT_TRUE(w.FlagaBledu);
  EXPECT_EQ(w.Ostrzezenia, (Lista{"Warning...1 linia. Przekroczono zakres dla data: 0FFh (255)"}));
  EXPECT_TRUE(w.FlagaOstrzezen);

  Stanowisko t;
  linie[0] = "nop";
  const WynikAsemblacji& v = t.Asembluj(linie);
  EXPECT_FALSE(v.FlagaBledu);
  EXPECT_EQ(v.Ostrzezenia, (Lista{"Warning...3 linia. Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)",
                                  "Warning...1 linia. Przekroczono zakres dla data: 0FFh (255)",
                                  "Warning...2 linia. Przekroczono zakres dla data: 0FFh (255)"}));
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
              liniowo = t[k].Adres().value_or(0);
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
          if (!liniowo) liniowo = t[k].Adres().value_or(0);
          poza = poza || k != wiersz;
        }
      ASSERT_EQ(t.Szukaj(szukana), liniowo) << szukana;
      ASSERT_EQ(t.JestPozaWierszem(szukana, wiersz), poza) << szukana << " " << wiersz;
    }
  }
}
}  // namespace
}  // namespace kelbra::test
