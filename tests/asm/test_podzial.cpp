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
  ASSERT_TRUE(s.asembler->KomunikatBledu.empty()) << p.linia;
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
        Podzial{"x: equ equ 5", {"x", ":", "equ", "", ""}, "M"},
        // A ":" after the mnemonic still names the label.
        Podzial{"nop lab:", {"lab", "nop", "", "", ""}, ""},
        // The first character of a token is taken whatever it is.
        Podzial{"lab::nop", {"lab", ":nop", "", "", ""}, ""},
        Podzial{"mov a,,b", {"", "mov", "a", ",b", ""}, ""},
        // A "," ends a token that becomes an argument even with no mnemonic.
        Podzial{"nop,", {"", "", "nop", "", ""}, ""},
        // An argument ended by ";" or "," after a blank-ended one is no error;
        // a second one ended by a blank is.
        Podzial{"mov a b;c", {"", "mov", "a", "b", ""}, ""},
        Podzial{"mov a b,c", {"", "mov", "a", "b", ""}, "M"},
        // A blank inside quotes does not end a token, outside the db list too.
        Podzial{"a'b c'd e", {"", "a'b c'd", "e", "", ""}, ""},
        Podzial{"'x:y': nop", {"'x:y'", "nop", "", "", ""}, ""},
        Podzial{"mov a,#';'", {"", "mov", "a", "#';'", ""}, ""},
        // In a db line a blank still ends the list; the rest is a mark that
        // the structure check ignores for db.
        Podzial{"db 1, 2", {"", "db", "1,", "", ""}, "M"},
        Podzial{"db 1 ,2", {"", "db", "1", "", ""}, "M"},
        // Declarations are rewritten with tabs too, and with a db list.
        Podzial{"\tx\tequ\t5", {"x", "equ", "5", "", ""}, ""},
        Podzial{"napis db 'a b',0", {"napis", "db", "'a b',0", "", ""}, ""},
        Podzial{"x equ 5, 6", {"x", "equ", "5", "6", ""}, ""},
        Podzial{"x db 1, 2", {"x", "db", "1,", "", ""}, "M"},
        // The rewritten line gets its ":" before the first blank, after the
        // label that was already there.
        Podzial{"lab: x equ 5", {"lab", ":", "x", "", ""}, "M"},
        // Not a declaration: the word after the name is no declaring word.
        Podzial{"x org 100h", {"", "x", "org", "", ""}, "M"},
        Podzial{"buf ds 10", {"buf", "ds", "10", "", ""}, ""},
        Podzial{"x mov a b", {"", "x", "mov", "", ""}, "M"}));

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

// A token that is exactly "'" flips the quote state once even when the next
// character is another quote, so «''» opens a string.
TEST(PodzialLinii, DwaApostrofyOtwierajaCiag) {
  Stanowisko s;
  const WynikAsemblacji& w = s.Asembluj({"db '',1", "db 'a''", "nop"});
  EXPECT_EQ(w.Bledy, (std::vector<std::string>{"ERROR...0 linia. Bledny format ciagu liczb w \"db\" ",
                                               "ERROR...1 linia. Bledny format ciagu liczb w \"db\" "}));
  ASSERT_EQ(w.Tabela.Rozmiar(), 2u);
  EXPECT_EQ(w.Tabela[1][KolLinia], "2");
}

TEST(PodzialLinii, ZnakiSpozaAsciiNieMajaWielkosci) {
  Stanowisko s;
  // Windows-1250 "Ż" (AFh) and "ż" (BFh) are different labels.
  const WynikAsemblacji& w = s.Asembluj({"\xAF" ":", "\xBF" ":", "sjmp \xBF"});
  EXPECT_FALSE(w.FlagaBledu) << (w.Bledy.empty() ? "" : w.Bledy[0]);
}

}  // namespace
}  // namespace kelbra::test
