// Tasks in source files: splitting task lines as a shell does, the options
// a task may give and the errors that name its line, expectations at a
// cycle, and a whole task checked on a machine of its own.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Asembler.h"
#include "Kodowanie.h"
#include "OpcjeWsadu.h"
#include "PrzebiegProgramu.h"
#include "Zadanie.h"

namespace kelbra::wsad {
namespace {

std::vector<std::u32string> Linie(const std::vector<std::string>& utf8) {
  std::vector<std::u32string> linie;
  for (const std::string& l : utf8) linie.push_back(DekodujUtf8(l).value());
  return linie;
}

// The words, or "!" and the error.
std::vector<std::string> Podziel(const std::string& tekst) {
  std::vector<std::string> slowa;
  if (auto blad = PodzielJakPowloka(tekst, slowa)) return {"!" + *blad};
  return slowa;
}

TEST(Zadanie, DzieliJakPowloka) {
  using S = std::vector<std::string>;
  const struct {
    std::string tekst;
    S slowa;
  } przypadki[] = {
      {"", {}},
      {"  \t ", {}},
      {"--cycles 1000", {"--cycles", "1000"}},
      {" --expect \"LCD1=Ala ma kota\" ", {"--expect", "LCD1=Ala ma kota"}},
      {"--expect 'LCD2=  \"x\"  '", {"--expect", "LCD2=  \"x\"  "}},
      {"--pc-key 'a b'\"c d\"e@0", {"--pc-key", "a bc de@0"}},
      {"a\\ b \\'c\\\\", {"a b", "'c\\"}},
      {"\"\\\" \\\\ \\$ \\x\"", {"\" \\ $ \\x"}},
      {"'' \"\"", {"", ""}},
      {"--cycles 10 # sekunda", {"--cycles", "10"}},
      {"a#b", {"a#b"}},
      {"\"ł ó\"", {"ł ó"}},
      {"--expect \"LCD1=x", {"!niezamkniety cudzyslow"}},
      {"--expect 'LCD1=x", {"!niezamkniety apostrof"}},
      {"--expect \"a\\\"", {"!niezamkniety cudzyslow"}},
      {"a\\", {"!znak \\ na koncu linii"}},
  };
  for (const auto& p : przypadki) EXPECT_EQ(Podziel(p.tekst), p.slowa) << p.tekst;
}

TEST(Zadanie, LinieZadaniaTworzaJednaListeZNumeramiLinii) {
  const auto linie = Linie({
      "; Zadanie",
      ";#kelbra --cycles 1000",
      "        mov p1,#0",
      "\t;#KELBRA --expect 'P1=00'  --key S1@5",
      "; #kelbra --cycles 5",           // not at the start: a comment
      ";#kelbra",                       // empty: nothing
      "mov a,#1 ;#kelbra --cycles 7",  // after code: a comment
  });
  EXPECT_TRUE(MaZadanie(linie));
  std::vector<Argument> a;
  ASSERT_FALSE(CzytajLinieZadania(linie, a));
  std::vector<std::pair<std::string, int32_t>> slowa;
  for (const Argument& x : a) slowa.emplace_back(x.tekst, x.linia);
  EXPECT_EQ(slowa, (std::vector<std::pair<std::string, int32_t>>{
                       {"--cycles", 1}, {"1000", 1}, {"--expect", 3}, {"P1=00", 3}, {"--key", 3}, {"S1@5", 3}}));
  EXPECT_FALSE(MaZadanie(Linie({"; #kelbra", "nop"})));

  const struct {
    std::vector<std::string> linie;
    std::string blad;
  } bledy[] = {
      {{"nop", ";#kelbra --cycles 5", ";#kelbra --expect \"LCD1=x"}, "ERROR...2 linia. niezamkniety cudzyslow"},
      {{";#kelbra--cycles 5"}, "ERROR...0 linia. po ;#kelbra brak odstepu"},
  };
  for (const auto& b : bledy) {
    std::vector<Argument> argumenty;
    const auto blad = CzytajLinieZadania(Linie(b.linie), argumenty);
    ASSERT_TRUE(blad) << b.blad;
    EXPECT_EQ(LiniaBledu(*blad), b.blad);
  }
}

// Reads task lines, then the command line's words after them.
std::optional<BladOpcji> Czytaj(const std::vector<std::string>& zadanie, OpcjeWsadu& o,
                                const std::vector<std::string>& wiersz = {}) {
  std::vector<Argument> a;
  if (auto blad = CzytajLinieZadania(Linie(zadanie), a)) return blad;
  for (const std::string& s : wiersz) a.push_back({s});
  if (auto blad = CzytajArgumenty(a, o)) return blad;
  return ZbudujZdarzenia(o);
}

TEST(Zadanie, ZadanieNieDajeWydrukuAniPlikowIZlaWartoscNazywaLinie) {
  const struct {
    std::string linia;
    std::string blad;
  } przypadki[] = {
      {"--cycles 1k", "niepoprawna liczba w --cycles: 1k"},
      {"--cycles", "brak wartosci po --cycles"},
      {"--until-pc 10000", "niepoprawny adres: 10000"},
      {"--foo 1", "nieznana opcja: --foo"},
      {"--expect P1=FA@x", "--expect P1=FA@x: niepoprawny cykl \"x\" (liczba dziesietna od 0)"},
      {"--expect Q=1", "--expect Q=1: nieznana nazwa Q (LCD1, LCD2, PC, nazwa SFR, DATA:, IDATA:, XDATA:)"},
      {"--key S9@1", "--key S9@1: nieznany klawisz \"S9\" (S1-S8, K0-K15)"},
      {"--pc-key-gap 0 --pc-key {Foo}@1", "--pc-key {Foo}@1: nieznany klawisz {Foo}"},
      {"--dump", "--dump nie nalezy do zadania: opcje wydruku podaje sie w wierszu polecen"},
      {"--trace 5", "--trace nie nalezy do zadania: opcje wydruku podaje sie w wierszu polecen"},
      {"--lcd-png a.png", "--lcd-png nie nalezy do zadania: opcje wydruku podaje sie w wierszu polecen"},
      {"--script s.txt",
       "--script nie nalezy do zadania: klawisze podaje sie przez --key, --release, --pc-key"},
      {"--task z.asm", "--task nie nalezy do zadania"},
      {"--no-task", "--no-task nie nalezy do zadania"},
      {"-h", "-h nie nalezy do zadania"},
      {"rozwiazanie.asm", "nadmiarowy argument w zadaniu: \"rozwiazanie.asm\" (pliki podaje sie w wierszu polecen)"},
      {"''", "nadmiarowy argument w zadaniu: \"\" (pliki podaje sie w wierszu polecen)"},
  };
  for (const auto& p : przypadki) {
    OpcjeWsadu o;
    const auto blad = Czytaj({"; zadanie", ";#kelbra --cycles 10", ";#kelbra " + p.linia}, o);
    ASSERT_TRUE(blad) << p.linia;
    EXPECT_EQ(LiniaBledu(*blad), "ERROR...2 linia. " + p.blad);
  }
  // A value on the next task line is not the option's.
  OpcjeWsadu o;
  const auto blad = Czytaj({";#kelbra --cycles", ";#kelbra 100"}, o);
  ASSERT_TRUE(blad);
  EXPECT_EQ(LiniaBledu(*blad), "ERROR...0 linia. brak wartosci po --cycles");
}

TEST(Zadanie, WierszPolecenPoZadaniu) {
  OpcjeWsadu o;
  ASSERT_FALSE(Czytaj({";#kelbra --cycles 1000 --until-pc 40 --expect P1=00 --key S1@5",
                       ";#kelbra --pc-key-gap 10 --pc-key ab@100 --expect P2=FF@20"},
                      o, {"--cycles", "50", "--expect", "A=01", "--key", "S2@5", "--dump", "plik.asm"}));
  EXPECT_EQ(o.cykle, 50u);
  EXPECT_EQ(o.doPC, 0x40);
  ASSERT_EQ(o.oczekiwania.size(), 3u);
  EXPECT_EQ(o.oczekiwania[1].cykl, 20u);
  EXPECT_EQ(o.oczekiwania[2].nazwa, "A");
  ASSERT_EQ(o.zdarzenia.Zdarzenia.size(), 4u);
  EXPECT_EQ(o.zdarzenia.Zdarzenia[0].Numer, 0);  // S1 before S2 at the same cycle: the task's first
  EXPECT_EQ(o.zdarzenia.Zdarzenia[1].Numer, 1);
  EXPECT_EQ(o.zdarzenia.Zdarzenia[3].Cykl, 110u);
  EXPECT_TRUE(o.zrzut);
  EXPECT_EQ(o.pliki, std::vector<std::string>{"plik.asm"});
}

TEST(Zadanie, OczekiwanieWCyklu) {
  const struct {
    std::string zapis;
    std::optional<uint64_t> cykl;
    std::string tekst;
  } przypadki[] = {
      {"P1=FA@1000000", 1000000, ""},
      {"PC=0040@0", 0, ""},
      {"P1=FA", std::nullopt, ""},
      {"LCD1=Ala@12", 12, "Ala"},
      {"LCD1=a@b", std::nullopt, "a@b"},
      {"LCD1=a@5 ", std::nullopt, "a@5"},  // a blank keeps the digits as text
      {"LCD2=x@y@30", 30, "x@y"},
      {"LCD1=@", std::nullopt, "@"},
  };
  for (const auto& p : przypadki) {
    Oczekiwanie o;
    EXPECT_EQ(CzytajOczekiwanie(p.zapis, o), "") << p.zapis;
    EXPECT_EQ(o.cykl, p.cykl) << p.zapis;
    EXPECT_EQ(o.tekst, p.tekst) << p.zapis;
  }
  for (const char* zly : {"P1=FA@", "P1=FA@-1", "LCD1=x@99999999999999999999", "P1=@5"}) {
    Oczekiwanie o;
    EXPECT_NE(CzytajOczekiwanie(zly, o), "") << zly;
  }
}

TEST(Zadanie, LinieIWierszeWyniku) {
  auto oczekiwanie = [](const std::string& zapis) {
    Oczekiwanie o;
    EXPECT_EQ(CzytajOczekiwanie(zapis, o), "");
    return o;
  };
  auto wynik = [](bool spelnione, const std::string& jest) { return WynikOczekiwania{true, spelnione, jest, {}, {}}; };
  // The other lines show in the checks at cycles and the whole task below;
  // here an unmet row at a cycle, a run of one cycle, a display off and PC.
  const Oczekiwanie p1 = oczekiwanie("P1=FA@1000000");
  EXPECT_EQ(WierszSprawdzenia(p1, wynik(false, "FE"), 2000000), "P1 po 1000000 cyklach: oczekiwano FA, jest FE");
  EXPECT_EQ(WierszSprawdzenia(p1, WynikOczekiwania{}, 1),
            "P1 po 1000000 cyklach: nie sprawdzono, przebieg skończył się po 1 cyklu");
  const Oczekiwanie lcd = oczekiwanie("LCD1=Ala@1");
  WynikOczekiwania wylaczony = wynik(false, "");
  wylaczony.powod = WynikOczekiwania::Powod::WyswietlaczWylaczony;
  EXPECT_EQ(LiniaNiespelnionego(lcd, wylaczony, 5), "Oczekiwano LCD1=\"Ala\" w cyklu 1, jest \"\" (wyswietlacz wylaczony)");
  EXPECT_EQ(WierszSprawdzenia(lcd, wylaczony, 5), "LCD1 po 1 cyklu: oczekiwano \"Ala\", jest \"\" (wyświetlacz wyłączony)");
  EXPECT_EQ(WierszSprawdzenia(oczekiwanie("PC=40"), wynik(true, "0040"), 5),
            "PC na końcu przebiegu: oczekiwano 0040, jest 0040");
}

// A running light on P1: written by the instruction starting at cycle 1,
// then every 101 cycles (102, 203 ...), each write seen a cycle later.
const std::vector<std::string> Swiatlo = {
    "      mov a,#0FEh",     // 1 cycle
    "petla: mov p1,a",       // 1
    "      mov r7,#48",      // 1
    "      djnz r7,$",       // 2 x 48
    "      rl a",            // 1
    "      sjmp petla",      // 2
};

TEST(Zadanie, SprawdzaCiagWCyklachPrzedRozkazem) {
  const auto m = std::make_unique<Maszyna>();
  Jadro* const j = &m->jadro();
  PlytkaKelbra* const plytka = &m->plytka();
  ASSERT_FALSE(Asembler(*j).Analizuj_kod_asemblera(Swiatlo).FlagaBledu);
  m->ResetPlytki();
  std::vector<Oczekiwanie> oczekiwania;
  for (const char* zapis : {"P1=FF@0", "P1=FF@1", "P1=FE@2", "P1=FE@103", "P1=FD@104", "P1=FB@206", "P1=F7@308",
                            "P1=FE@1", "P1=EF@100000", "P1=FD"}) {
    oczekiwania.emplace_back();
    ASSERT_EQ(CzytajOczekiwanie(zapis, oczekiwania.back()), "");
  }
  Sprawdzanie s(oczekiwania);
  UstawieniaPrzebiegu u;
  u.Cykle = 110;
  u.Kontrole = &s;
  const WynikPrzebiegu w = Uruchom(*m, u);
  s.NaKoncu(w.Cykle, *j, plytka->lcd);
  std::vector<std::string> linie;
  for (size_t i = 0; i < oczekiwania.size(); ++i)
    if (!s.Wyniki()[i].spelnione) linie.push_back(LiniaNiespelnionego(oczekiwania[i], s.Wyniki()[i], w.Cykle));
  const std::string koniec = std::to_string(w.Cykle);
  EXPECT_EQ(linie, (std::vector<std::string>{
                       "Oczekiwano P1=FB w cyklu 206, przebieg skonczyl sie w cyklu " + koniec,
                       "Oczekiwano P1=F7 w cyklu 308, przebieg skonczyl sie w cyklu " + koniec,
                       "Oczekiwano P1=FE w cyklu 1, jest FF",
                       "Oczekiwano P1=EF w cyklu 100000, przebieg skonczyl sie w cyklu " + koniec,
                   }));
  EXPECT_EQ(s.Spelnione(), 6u);
}

TEST(Zadanie, SprawdzenieNaWlasnejMaszynie) {
  std::vector<std::string> zrodlo = {
      "; Zadanie: swiatlo na P1",
      ";#kelbra --cycles 500 --expect P1=FE@2 --expect P1=FD@104",
      ";#kelbra --expect \"P1=FB@206\" --expect P1=00 --expect P1=FF@600",
  };
  zrodlo.insert(zrodlo.end(), Swiatlo.begin(), Swiatlo.end());
  const WynikZadania w = SprawdzZadanie(Linie(zrodlo));
  EXPECT_TRUE(w.maZadanie);
  EXPECT_TRUE(w.bledy.empty());
  ASSERT_TRUE(w.uruchomione);
  EXPECT_GE(w.cykle, 500u);
  EXPECT_EQ(TytulSprawdzenia(w), "Sprawdzenie: 3 z 5 spełnione");
  const std::string koniec = std::to_string(w.cykle);
  EXPECT_EQ(WierszeSprawdzenia(w), (std::vector<std::string>{
                                       "P1 na końcu przebiegu: oczekiwano 00, jest EF",
                                       "P1 po 600 cyklach: nie sprawdzono, przebieg skończył się po " + koniec + " cyklach",
                                       "P1 po 2 cyklach: oczekiwano FE, jest FE",
                                       "P1 po 104 cyklach: oczekiwano FD, jest FD",
                                       "P1 po 206 cyklach: oczekiwano FB, jest FB",
                                   }));

  // A limit the window sets keeps a long task short.
  const WynikZadania krotki = SprawdzZadanie(Linie({";#kelbra --cycles 100000000000 --expect P1=FF@0", "sjmp $"}), 1000);
  EXPECT_TRUE(krotki.uruchomione);
  EXPECT_LT(krotki.cykle, 1010u);

  const struct {
    std::vector<std::string> linie;
    std::string blad;
  } bledy[] = {
      // A task line at fault: the error list gets its line, nothing is assembled.
      {{"foo bar", ";#kelbra --cycles 10 --expect P1=zz"},
       "ERROR...1 linia. --expect P1=zz: niepoprawna wartosc zz (00-FF)"},
      // A character of the line goes to the list in its code page.
      {{";#kelbra --żółw"}, "ERROR...0 linia. nieznana opcja: --\xBF\xF3\xB3w"},
      // The assembly's errors as F9 lists them.
      {{";#kelbra --cycles 10", "foo bar"}, "ERROR...1 linia. Nie ma takiego rozkazu"},
  };
  for (const auto& b : bledy) {
    const WynikZadania zle = SprawdzZadanie(Linie(b.linie));
    EXPECT_FALSE(zle.uruchomione) << b.blad;
    EXPECT_EQ(zle.bledy, std::vector<std::string>{b.blad});
  }
  EXPECT_FALSE(SprawdzZadanie(Linie({"nop"})).maZadanie);
}

// Points and windows of cycles, on task lines and on the command line.
TEST(Zadanie, PunktyIPrzedzialyCykli) {
  const struct {
    std::vector<std::string> zadanie;
    std::vector<std::string> wiersz;
    std::string blad;  // empty: read, the last expectation as below
    std::optional<uint64_t> od = std::nullopt, doCyklu = std::nullopt;
    uint32_t punkty = 1;
  } przypadki[] = {
      {{";#kelbra --expect P1=FB@1000..5000 --points 2"}, {}, "", 1000, 5000, 2},
      {{";#kelbra --expect P1=FB --points 0 --expect P1=FC@7..7"}, {}, "", 7, 7, 1},
      {{";#kelbra --expect 'LCD1=Klawisz: 3@40000..50000' --points 5"}, {}, "", 40000, 50000, 5},
      // The command line cannot score a task's expectation.
      {{";#kelbra --expect P1=FB"}, {"--points", "5"}, "--points 5: musi stac zaraz po --expect"},
      {{}, {"--expect", "LCD1=a@5..x"}, "", std::nullopt, std::nullopt, 1},
      {{}, {"--expect", "DATA:30=01@0..0", "--points", "1000"}, "", 0, 0, 1000},
      {{";#kelbra --points 2"}, {}, "ERROR...0 linia. --points 2: musi stac zaraz po --expect w tym samym wierszu"},
      {{";#kelbra --expect P1=FB", ";#kelbra --points 2"}, {}, "ERROR...1 linia. --points 2: musi stac zaraz po"},
      {{";#kelbra --expect P1=FB --points 2 --points 3"}, {}, "ERROR...0 linia. --points 3: musi stac"},
      {{}, {"--expect", "P1=FB", "--key", "S1@5", "--points", "2"}, "--points 2: musi stac zaraz po --expect"},
      {{";#kelbra --expect P1=FB --points x"}, {}, "niepoprawna liczba punktow w --points: x (0-1000)"},
      {{";#kelbra --expect P1=FB --points 1001"}, {}, "niepoprawna liczba punktow w --points: 1001"},
      {{";#kelbra --expect P1=FB --points -1"}, {}, "niepoprawna liczba punktow w --points: -1"},
      {{";#kelbra --expect P1=FB@50..40"}, {}, "pusty przedzial cykli \"50..40\" (OD wiekszy niz DO)"},
      {{";#kelbra --expect P1=FB@5.."}, {}, "niepoprawny przedzial cykli \"5..\" (OD..DO, liczby dziesietne)"},
      {{";#kelbra --expect P1=FB@5..99999999999999999999"}, {}, "niepoprawny przedzial cykli"},
      {{";#kelbra --csv a.csv"}, {}, "ERROR...0 linia. --csv nie nalezy do zadania: opcje wydruku"},
      {{";#kelbra -j 2"}, {}, "ERROR...0 linia. -j nie nalezy do zadania"},
      {{}, {"-j", "0"}, "niepoprawna liczba w -j: 0"},
      {{}, {"--csv-sep", ";;"}, "niepoprawny separator w --csv-sep: \";;\""},
      {{}, {"--csv-sep", "\""}, "niepoprawny separator w --csv-sep"},
  };
  for (const auto& p : przypadki) {
    OpcjeWsadu o;
    const auto blad = Czytaj(p.zadanie, o, p.wiersz);
    const std::string opis = p.zadanie.empty() ? p.wiersz.front() : p.zadanie.back();
    if (!p.blad.empty()) {
      ASSERT_TRUE(blad) << opis;
      const std::string tekst = blad->linia >= 0 ? LiniaBledu(*blad) : blad->tekst;
      EXPECT_NE(tekst.find(p.blad), std::string::npos) << opis << "\n" << tekst;
      continue;
    }
    ASSERT_FALSE(blad) << opis << "\n" << blad->tekst;
    ASSERT_FALSE(o.oczekiwania.empty());
    EXPECT_EQ(o.oczekiwania.back().cykl, p.od) << opis;
    EXPECT_EQ(o.oczekiwania.back().doCyklu, p.doCyklu) << opis;
    EXPECT_EQ(o.oczekiwania.back().punkty, p.punkty) << opis;
  }
}

// The running light in windows: P1=FD shows from the boundary at 104 on.
TEST(Zadanie, PrzedzialSpelnionyNaGranicyRozkazuWSrodku) {
  std::vector<std::string> zrodlo = {
      ";#kelbra --cycles 250 --expect P1=FD@2..200 --points 3 --expect P1=FB@2..150",
      ";#kelbra --expect P1=F7@200..400 --expect P1=FD@1000..2000 --expect P1=FD@104..104",
  };
  zrodlo.insert(zrodlo.end(), Swiatlo.begin(), Swiatlo.end());
  const WynikZadania w = SprawdzZadanie(Linie(zrodlo));
  ASSERT_TRUE(w.uruchomione);
  const std::string koniec = std::to_string(w.cykle);
  EXPECT_EQ(w.wyniki[0].wCyklu, 104u);
  EXPECT_EQ(LiniaNiespelnionego(w.oczekiwania[1], w.wyniki[1], w.cykle),
            "P1 w cyklach 2..150: oczekiwano FB, ostatnio FD");
  EXPECT_EQ(LiniaNiespelnionego(w.oczekiwania[2], w.wyniki[2], w.cykle),
            "P1 w cyklach 200..400: oczekiwano F7, ostatnio FB (przebieg skonczyl sie w cyklu " + koniec + ")");
  EXPECT_EQ(LiniaNiespelnionego(w.oczekiwania[3], w.wyniki[3], w.cykle),
            "P1 w cyklach 1000..2000: oczekiwano FD, przebieg skonczyl sie w cyklu " + koniec);
  EXPECT_TRUE(w.wyniki[4].spelnione);
  EXPECT_EQ(TytulSprawdzenia(w), "Sprawdzenie: 2 z 5 spełnione, punkty 4/7");
}

}  // namespace
}  // namespace kelbra::wsad
