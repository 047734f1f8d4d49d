// Splitting lines into label, mnemonic and arguments.

#include <gtest/gtest.h>

#include "Komunikaty.h"
#include "Pomocnicze.h"

namespace kelbra::test {
namespace {

struct Podzial {
  const char* linia;
  // Etykieta, Mnemonik, Arg 1, Arg 2, Arg 3, then the three marks as "EMA"
  // letters for the marks that are set.
  std::array<const char*, 5> komorki;
  const char* znaczniki;
};

class PodzialLinii : public ::testing::TestWithParam<Podzial> {};

TEST_P(PodzialLinii, WypelniaKomorkiWiersza) {
  const Podzial& p = GetParam();
  Stanowisko s;
  s.asembler->BiezacyWiersz = 1;
  s.asembler->PodzielLinie(p.linia, 7);
  ASSERT_TRUE(s.asembler->KomunikatBledu.empty());
  ASSERT_EQ(s.asembler->BiezacyWiersz, 2) << p.linia;
  const WierszRozkazu& w = s.asembler->Wynik().Tabela[1];
  EXPECT_EQ(w[KolLinia], "7");
  for (int k = 0; k < 5; ++k) EXPECT_EQ(w[KolEtykieta + k], p.komorki[static_cast<size_t>(k)]) << p.linia << " cell " << k;
  const std::string z = p.znaczniki;
  EXPECT_EQ(w[KolBladEtykiety], z.find('E') != std::string::npos ? "ERROR" : "") << p.linia;
  EXPECT_EQ(w[KolBladMnemonika], z.find('M') != std::string::npos ? "ERROR" : "") << p.linia;
  EXPECT_EQ(w[KolBladArgumentu], z.find('A') != std::string::npos ? "ERROR" : "") << p.linia;
  for (int k : {KolAdres, KolAdres2, KolKodRozkazu}) EXPECT_EQ(w[k], "");
}

INSTANTIATE_TEST_SUITE_P(
    Linie, PodzialLinii,
    ::testing::Values(
        Podzial{"petla: djnz r7, petla ; licznik", {"petla", "djnz", "r7", "petla", ""}, ""},
        Podzial{"mov a ,#5", {"", "mov", "a", "", ""}, "M"},
        Podzial{"mov a, #5", {"", "mov", "a", "#5", ""}, ""},
        Podzial{"\tmov\ta,\t@r1", {"", "mov", "a", "@r1", ""}, ""},
        Podzial{"db 1,2,'a b'", {"", "db", "1,2,'a b'", "", ""}, ""},
        Podzial{"DB 1,2,3", {"", "DB", "1,2,3", "", ""}, ""},
        Podzial{"db 'a:b;c'", {"", "db", "'a:b;c'", "", ""}, ""},
        Podzial{"x equ 5", {"x", "equ", "5", "", ""}, ""},
        Podzial{"  tab DB 1,2,3  ; dane", {"tab", "DB", "1,2,3", "", ""}, ""},
        Podzial{"x equ 5;k", {"", "x", "equ", "5", ""}, ""},
        Podzial{"NAZWA code 100h", {"", "NAZWA", "code", "", ""}, "M"},
        Podzial{"start:", {"start", "", "", "", ""}, ""},
        Podzial{"a: b: nop", {"a", "nop", "", "", ""}, "E"},
        Podzial{"cjne a,#1,x,y,z", {"", "cjne", "a", "#1", "x"}, "A"},
        Podzial{"lab: 1,", {"lab", "", "1", "", ""}, ""},
        Podzial{"nop;bez odstepu", {"", "nop", "", "", ""}, ""},
        // A rewritten line is not rewritten again, so these end.
        Podzial{"x equ equ 5", {"x", "equ", "equ", "", ""}, "M"},
        Podzial{"x: equ equ 5", {"x", ":", "equ", "", ""}, "M"}));

TEST(PodzialLinii, PustaLubKomentarzNieDajeWiersza) {
  for (const char* linia : {"", "   \t ", ";komentarz", "   ; komentarz"}) {
    Stanowisko s;
    s.asembler->BiezacyWiersz = 1;
    s.asembler->PodzielLinie(linia, 0);
    EXPECT_EQ(s.asembler->BiezacyWiersz, 1) << linia;
    EXPECT_TRUE(s.asembler->KomunikatBledu.empty());
  }
}

TEST(PodzialLinii, NiezamknietyCudzyslowZostawiaWierszNastepnej) {
  Stanowisko s;
  const WynikAsemblacji& w = s.Asembluj({"nop", "db 'abc", "  mov a, #1"});
  ASSERT_EQ(w.Bledy.size(), 1u);
  EXPECT_EQ(w.Bledy[0], std::string("ERROR...1 linia. ") + komunikat::NiezamknietyCiag);
  EXPECT_EQ(w.Bledy[0], "ERROR...1 linia. Bledny format ciagu liczb w \"db\" ");
  ASSERT_EQ(w.Tabela.Rozmiar(), 3u);
  EXPECT_EQ(w.Tabela[2][KolLinia], "2");
  EXPECT_EQ(w.Tabela[2][KolMnemonik], "mov");
}

TEST(PodzialLinii, ZnakiSpozaAsciiNieMajaWielkosci) {
  Stanowisko s;
  // Windows-1250 "Ż" (AFh) and "ż" (BFh) are different labels.
  const WynikAsemblacji& w = s.Asembluj({"\xAF" ":", "\xBF" ":", "sjmp \xBF"});
  EXPECT_FALSE(w.FlagaBledu) << (w.Bledy.empty() ? "" : w.Bledy[0]);
}

}  // namespace
}  // namespace kelbra::test
