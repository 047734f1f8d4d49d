// Scripted board input as read from options and script files: the events,
// their cycles and order, the PC keys' deliveries and every refusal.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Zdarzenia.h"

namespace kelbra::wsad {
namespace {

using R = ZdarzeniePlytki::Rodzaj;

struct Oczekiwane {
  uint64_t cykl;
  R rodzaj;
  uint8_t numer;
  std::vector<uint8_t> dostawy;
};

void Porownaj(const ListaZdarzen& lista, const std::vector<Oczekiwane>& oczekiwane) {
  ASSERT_EQ(lista.Zdarzenia.size(), oczekiwane.size());
  for (size_t k = 0; k < oczekiwane.size(); ++k) {
    const ZdarzeniePlytki& z = lista.Zdarzenia[k];
    EXPECT_EQ(z.Cykl, oczekiwane[k].cykl) << k;
    EXPECT_EQ(z.rodzaj, oczekiwane[k].rodzaj) << k;
    if (z.rodzaj == R::KlawiszPC) EXPECT_EQ(z.Dostawy, oczekiwane[k].dostawy) << k;
    else EXPECT_EQ(z.Numer, oczekiwane[k].numer) << k;
  }
}

TEST(SkryptOpcje, KeysAndReleasesByNameInAnyCase) {
  BudowaZdarzen b;
  EXPECT_EQ(b.Klawisz("S1@100", false), "");
  EXPECT_EQ(b.Klawisz("s8@0", false), "");
  EXPECT_EQ(b.Klawisz("K0@50", false), "");
  EXPECT_EQ(b.Klawisz("k15@60", true), "");
  const ListaZdarzen l = std::move(b).Zakoncz();
  EXPECT_TRUE(l.Skryptowane);
  Porownaj(l, {{0, R::KlStatyczny, 7, {}},
               {50, R::KlDynamicznyDol, 0, {}},
               {60, R::KlDynamicznyGora, 15, {}},
               {100, R::KlStatyczny, 0, {}}});
}

TEST(SkryptOpcje, PcKeysOneKeyEveryGapWithNamesAndCharacters) {
  BudowaZdarzen b;
  EXPECT_EQ(b.KlawiszePC("a{Left}%@1000"), "");
  Porownaj(std::move(b).Zakoncz(), {{1000, R::KlawiszPC, 0, {0x41, 0x61}},
                                    {2000, R::KlawiszPC, 0, {0x25}},
                                    {3000, R::KlawiszPC, 0, {0x35, 0x25}}});

  BudowaZdarzen b2(7);
  // The text may hold "@": the cycle follows the last one.
  EXPECT_EQ(b2.KlawiszePC("@{Enter}@5"), "");
  Porownaj(std::move(b2).Zakoncz(), {{5, R::KlawiszPC, 0, {0x32, 0x40}}, {12, R::KlawiszPC, 0, {0x0D}}});
}

TEST(SkryptOpcje, NamedKeysAndTypedCharactersDeliverAsTheBoardWindow) {
  const struct {
    const char* tekst;
    std::vector<std::vector<uint8_t>> klawisze;
  } przypadki[] = {
      {"{Enter}{Esc}{Backspace}{Tab}", {{0x0D}, {0x1B}, {0x08}, {0x09}}},
      {"{left}{UP}{Right}{Down}", {{0x25}, {0x26}, {0x27}, {0x28}}},
      {"{F1}{F12}{F24}", {{0x70}, {0x7B}, {0x87}}},
      {"{Shift}{Ctrl}{Alt}{Delete}", {{0x10}, {0x11}, {0x12}, {0x2E}}},
      {"{Space} ", {{0x20, 0x20}, {0x20, 0x20}}},
      {"{{}{}}", {{0xDB, 0x7B}, {0xDD, 0x7D}}},
      {"Az9", {{0x41, 0x41}, {0x5A, 0x7A}, {0x39, 0x39}}},
      // Polish letters: the code of the letter they are typed from, then the
      // code-page byte; the capital's key for both cases.
      {"\xC4\x85\xC5\x81\xC3\xB3\xC5\xBC", {{0x41, 0xB9}, {0x4C, 0xA3}, {0x4F, 0xF3}, {0x5A, 0xBF}}},
  };
  for (const auto& p : przypadki) {
    std::vector<std::vector<uint8_t>> klawisze;
    EXPECT_EQ(KlawiszeTekstu(p.tekst, klawisze), "") << p.tekst;
    EXPECT_EQ(klawisze, p.klawisze) << p.tekst;
  }
}

TEST(SkryptPlik, LinesCommentsAndBlanksWithCrLf) {
  BudowaZdarzen b;
  const std::string skrypt =
      "# a scenario\r\n"
      "\r\n"
      "  200 key S3   # comment after a key\r\n"
      "100\trelease K9\r\n"
      "300 pc-key a #b\r\n"
      "100 key K9\r\n";
  EXPECT_EQ(b.Skrypt("s.txt", skrypt), "");
  const ListaZdarzen l = std::move(b).Zakoncz();
  // Same cycle: the release was given first. A pc-key text runs to the end
  // of its line, "#" included.
  Porownaj(l, {{100, R::KlDynamicznyGora, 9, {}},
               {100, R::KlDynamicznyDol, 9, {}},
               {200, R::KlStatyczny, 2, {}},
               {300, R::KlawiszPC, 0, {0x41, 0x61}},
               {1300, R::KlawiszPC, 0, {0x20, 0x20}},
               {2300, R::KlawiszPC, 0, {0x33, 0x23}},
               {3300, R::KlawiszPC, 0, {0x42, 0x62}}});
  EXPECT_EQ(l.Miejsce(l.Zdarzenia[0]), "s.txt:4");
  EXPECT_EQ(l.Miejsce(l.Zdarzenia[6]), "s.txt:5");
}

TEST(SkryptPlik, OptionsAndScriptsKeepTheOrderGiven) {
  BudowaZdarzen b;
  EXPECT_EQ(b.Klawisz("S2@10", false), "");
  EXPECT_EQ(b.Skrypt("s", "10 key S1\n5 key S4\n"), "");
  EXPECT_EQ(b.Klawisz("S3@10", false), "");
  Porownaj(std::move(b).Zakoncz(), {{5, R::KlStatyczny, 3, {}},
                                    {10, R::KlStatyczny, 1, {}},
                                    {10, R::KlStatyczny, 0, {}},
                                    {10, R::KlStatyczny, 2, {}}});
}

TEST(SkryptPlik, AnEmptyScriptStillCountsAsScriptedInput) {
  BudowaZdarzen b;
  EXPECT_EQ(b.Skrypt("s", "# nothing yet\n"), "");
  const ListaZdarzen l = std::move(b).Zakoncz();
  EXPECT_TRUE(l.Skryptowane);
  EXPECT_TRUE(l.Zdarzenia.empty());
  EXPECT_FALSE(BudowaZdarzen().Zakoncz().Skryptowane);
}

TEST(SkryptBledy, EveryRefusalNamesWhatWasWrong) {
  const struct {
    const char* opcja;  // "key", "release", "pc-key" or "script"
    const char* tekst;
    const char* blad;
  } przypadki[] = {
      {"key", "S1", "--key S1: brak @CYKL w \"S1\""},
      {"key", "S9@10", "--key S9@10: nieznany klawisz \"S9\" (S1-S8, K0-K15)"},
      {"key", "K16@10", "--key K16@10: nieznany klawisz \"K16\" (S1-S8, K0-K15)"},
      {"key", "S0@10", "--key S0@10: nieznany klawisz \"S0\" (S1-S8, K0-K15)"},
      {"key", "@10", "--key @10: nieznany klawisz \"\" (S1-S8, K0-K15)"},
      {"key", "S1@", "--key S1@: niepoprawny cykl \"\" (liczba dziesietna od 0)"},
      {"key", "S1@-5", "--key S1@-5: niepoprawny cykl \"-5\" (liczba dziesietna od 0)"},
      {"key", "S1@1e3", "--key S1@1e3: niepoprawny cykl \"1e3\" (liczba dziesietna od 0)"},
      {"key", "S1@99999999999999999999", "--key S1@99999999999999999999: niepoprawny cykl \"99999999999999999999\" "
                                         "(liczba dziesietna od 0)"},
      {"release", "S2@10", "--release S2@10: klawisz S2 jest zatrzaskowy: puszcza sie tylko K0-K15"},
      {"pc-key", "@10", "--pc-key @10: pusty tekst klawiszy PC"},
      {"pc-key", "{Foo}@10", "--pc-key {Foo}@10: nieznany klawisz {Foo}"},
      {"pc-key", "{F25}@10", "--pc-key {F25}@10: nieznany klawisz {F25}"},
      {"pc-key", "{Left@10", "--pc-key {Left@10: niezamkniety nawias { w \"{Left\""},
      {"pc-key", "a\tb@10", "--pc-key a\tb@10: znak sterujacy w \"a\tb\" (nazwij klawisz w klamrach)"},
      {"pc-key", "\xFF@10", "--pc-key \xFF@10: tekst \"\xFF\" nie jest poprawnym UTF-8"},
      {"pc-key", "ab@9223372036854775807", "--pc-key ab@9223372036854775807: klawisze PC wychodza poza najwiekszy cykl"},
      {"script", "10 key S1\nx key S1\n", "s:2: niepoprawny cykl \"x\" (liczba dziesietna od 0)"},
      {"script", "10 press S1\n", "s:1: nieznane zdarzenie \"press\" (key, release, pc-key)"},
      {"script", "10\n", "s:1: nieznane zdarzenie \"\" (key, release, pc-key)"},
      {"script", "10 key S1 S2\n", "s:1: nadmiarowy tekst \"S2\""},
      {"script", "10 pc-key\n", "s:1: pusty tekst klawiszy PC"},
  };
  for (const auto& p : przypadki) {
    BudowaZdarzen b;
    const std::string o = p.opcja;
    const std::string blad = o == "script"    ? b.Skrypt("s", p.tekst)
                             : o == "pc-key" ? b.KlawiszePC(p.tekst)
                                             : b.Klawisz(p.tekst, o == "release");
    EXPECT_EQ(blad, p.blad) << p.tekst;
  }
}

}  // namespace
}  // namespace kelbra::wsad
