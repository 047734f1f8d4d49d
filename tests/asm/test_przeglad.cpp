// Review cases that need a whole failing run, the listing or the value
// operations directly: checks that run before the passes, what a failed
// run still reports, the byte counts of the PRN listing, and corners of
// splitting, expressions, names and operand classes.

#include <gtest/gtest.h>

#include "Pomocnicze.h"
#include "WydrukPRN.h"

namespace kelbra::test {
namespace {

using Lista = std::vector<std::string>;

// --- Splitting -------------------------------------------------------------

struct Podzial {
  const char* linia;
  std::array<const char*, 5> komorki;  // Etykieta, Mnemonik, Arg 1, Arg 2, Arg 3
  const char* znaczniki;               // "E", "M", "A" for the marks set
};

class PrzegladPodzialu : public ::testing::TestWithParam<Podzial> {};

TEST_P(PrzegladPodzialu, WypelniaKomorki) {
  const Podzial& p = GetParam();
  Stanowisko s;
  s.asembler->BiezacyWiersz = 1;
  s.asembler->PodzielLinie(p.linia, 3);
  ASSERT_TRUE(s.asembler->KomunikatBledu.empty()) << p.linia;
  ASSERT_EQ(s.asembler->BiezacyWiersz, 2) << p.linia;
  const WierszRozkazu& w = s.asembler->Wynik().Tabela[1];
  for (int k = 0; k < 5; ++k)
    EXPECT_EQ(w[KolEtykieta + k], p.komorki[static_cast<size_t>(k)]) << p.linia << " cell " << k;
  const std::string z = p.znaczniki;
  EXPECT_EQ(w[KolBladEtykiety], z.find('E') != std::string::npos ? "ERROR" : "") << p.linia;
  EXPECT_EQ(w[KolBladMnemonika], z.find('M') != std::string::npos ? "ERROR" : "") << p.linia;
  EXPECT_EQ(w[KolBladArgumentu], z.find('A') != std::string::npos ? "ERROR" : "") << p.linia;
}

INSTANTIATE_TEST_SUITE_P(
    Linie, PrzegladPodzialu,
    ::testing::Values(
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

TEST(PrzegladPodzialu, PodwojnyCudzyslowNaPoczatkuNieZamyka) {
  // A token that is exactly "'" flips the quote state once even when the
  // next character is another quote, so «''» opens a string.
  Stanowisko s;
  const WynikAsemblacji& w = s.Asembluj({"db '',1", "db 'a''", "nop"});
  EXPECT_EQ(w.Bledy, (Lista{"ERROR...0 linia. Bledny format ciagu liczb w \"db\" ",
                            "ERROR...1 linia. Bledny format ciagu liczb w \"db\" "}));
  ASSERT_EQ(w.Tabela.Rozmiar(), 2u);
  EXPECT_EQ(w.Tabela[1][KolLinia], "2");
}

// --- Checks before the passes, and a run they stop ---------------------------

TEST(PrzegladSterownika, SprawdzeniaWidzaWierszePoEnd) {
  // Splitting and both checks run over every line; only the passes stop
  // at "end".
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

TEST(PrzegladSterownika, NazwyZastrzezone) {
  Stanowisko s;
  const WynikAsemblacji& w = s.Asembluj({"a: nop", "ab: nop", "DB: nop", "rlc: nop", "cy: nop", "b.7: nop",
                                         "0x: nop", "#: nop", "R0: nop", "sbuf: nop", "t2ex: nop", "P4.0: nop",
                                         "@r0: nop", "high: nop"});
  const std::string z = " linia. Uzyto nazwy zastrzezonaje jako etykiety";
  EXPECT_EQ(w.Bledy, (Lista{"ERROR...0" + z, "ERROR...2" + z, "ERROR...3" + z, "ERROR...4" + z, "ERROR...5" + z,
                            "ERROR...6 linia. Uzyto liczby, jako etykiety", "ERROR...9" + z, "ERROR...10" + z}));
}

TEST(PrzegladSterownika, OstrzezeniaDyrektywPoNieudanymPodziale) {
  // The directive warnings are given after a failed run too, from the
  // values of the first pass, where a later label still reads 0; operand
  // warnings come only from the final pass, which did not run.
  Stanowisko s;
  const WynikAsemblacji& w =
      s.Asembluj({"x: y: nop", "d1 data 300", "d2 data pozniej", "mov a, #300", "pozniej equ 300"});
  EXPECT_TRUE(w.FlagaBledu);
  EXPECT_EQ(w.Ostrzezenia, (Lista{"Warning...1 linia. Przekroczono zakres dla data: 0FFh (255)"}));
  EXPECT_TRUE(w.FlagaOstrzezen);

  Stanowisko t;
  const WynikAsemblacji& v = t.Asembluj({"nop", "d1 data 300", "d2 data pozniej", "mov a, #300", "pozniej equ 300"});
  EXPECT_FALSE(v.FlagaBledu);
  EXPECT_EQ(v.Ostrzezenia, (Lista{"Warning...3 linia. Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)",
                                  "Warning...1 linia. Przekroczono zakres dla data: 0FFh (255)",
                                  "Warning...2 linia. Przekroczono zakres dla data: 0FFh (255)"}));
}

TEST(PrzegladSterownika, KodPierwszegoPrzebieguZostaje) {
  Stanowisko s;
  const WynikAsemblacji& w = s.Asembluj({"sjmp dalej", "nop", "dalej: mov a, #7", "x: y:"});
  EXPECT_TRUE(w.FlagaBledu);
  // The first pass read "dalej" as 0.
  EXPECT_EQ(s.jadro->Code[0], 0x80);
  EXPECT_EQ(s.jadro->Code[1], 0xFE);
  EXPECT_EQ(s.jadro->Code[3], 0x74);
  EXPECT_EQ(s.jadro->Code[4], 0x07);
  EXPECT_EQ(w.Tabela[3][KolAdres], "3");
}

TEST(PrzegladSterownika, BledyOstatniegoPrzebieguWKolejnosciWierszy) {
  Stanowisko s;
  const WynikAsemblacji& w = s.Asembluj({"xyz", "mov a, #300", "nop 1", "  ", "jmp x"});
  EXPECT_EQ(w.Bledy, (Lista{"ERROR...0 linia. Nie ma takiego rozkazu", "ERROR...2 linia. Rozkaz nie pobiera argumentow",
                            "ERROR...4 linia. oczekiwano: jmp @a+dptr"}));
  EXPECT_EQ(w.Ostrzezenia, (Lista{"Warning...1 linia. Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"}));
}

// --- The PRN listing ---------------------------------------------------------

std::vector<std::string> Wydruk(const Lista& linie) {
  Stanowisko s;
  const WynikAsemblacji& w = s.Asembluj(linie);
  EXPECT_FALSE(w.FlagaBledu) << (w.Bledy.empty() ? "" : w.Bledy[0]);
  return BudujWydrukPRN(w, s.jadro->Code, linie);
}

TEST(PrzegladWydruku, DlugosciPrzedNowymPoczatkiem) {
  // Before a jump of more than 3 bytes to the next row, ret, reti, nop and
  // jmp show 1 byte, acall, ajmp and sjmp 2, lcall and ljmp 3; any other
  // row shows up to 5 bytes of CODE from its address.
  const auto w = Wydruk({"ret", "org 10h", "reti", "org 20h", "jmp @a+dptr", "org 30h", "acall $", "org 40h",
                         "ajmp $", "org 50h", "lcall $", "org 60h", "mov a, #1", "org 70h", "nop", "org 80h"});
  ASSERT_EQ(w.size(), 16u);
  EXPECT_EQ(w[0], "     1   0000   22          ret");
  EXPECT_EQ(w[2], "     3   0010   32          reti");
  EXPECT_EQ(w[4], "     5   0020   73          jmp @a+dptr");
  EXPECT_EQ(w[6], "     7   0030   1130        acall $");
  EXPECT_EQ(w[8], "     9   0040   0140        ajmp $");
  EXPECT_EQ(w[10], "    11   0050   120050      lcall $");
  EXPECT_EQ(w[12], "    13   0060   7401000000  mov a, #1");
  EXPECT_EQ(w[14], "    15   0070   00          nop");
  EXPECT_EQ(w[15], "    16   0080               org 80h");
}

TEST(PrzegladWydruku, NastepnyWierszOgraniczaBajty) {
  // The next row's Adres ends the bytes even when it is a value, and a
  // row before a lower origin shows none.
  const auto w = Wydruk({"mov a, #1", "x equ 1", "org 100h", "nop", "org 2", "nop"});
  ASSERT_EQ(w.size(), 6u);
  EXPECT_EQ(w[0], "     1   0000   74          mov a, #1");
  EXPECT_EQ(w[1], "     2   0001               x equ 1");
  EXPECT_EQ(w[3], "     4   0100               nop");
  EXPECT_EQ(w[4], "     5   0002               org 2");
  EXPECT_EQ(w[5], "     6   0002   00          nop");
}

TEST(PrzegladWydruku, PierwszyWierszDbPiszePiecBajtowKodu) {
  // Only the continuation lines stop at the bytes the row wrote; its own
  // line shows CODE up to the next row's value, five bytes at most.
  const auto w = Wydruk({"db 1,2", "x equ 5000"});
  ASSERT_EQ(w.size(), 2u);
  EXPECT_EQ(w[0], "     1   0000   0102000000  db 1,2");
}

TEST(PrzegladWydruku, DlugaListaDbIEtykieta) {
  const auto w = Wydruk({"start:", "\tdb 1,2,3,4,5,6,7,8,9,10,11,12", "; koniec"});
  EXPECT_EQ(w, (Lista{"     1   0000               start:", "     2   0000   0102030405  \tdb 1,2,3,4,5,6,7,8,9,10,11,12",
                      "                060708090A", "                0B0C"}));
}

TEST(PrzegladWydruku, WartoscUjemnaIDuza) {
  const auto w = Wydruk({"x equ 12345h", "nop"});
  ASSERT_EQ(w.size(), 2u);
  EXPECT_EQ(w[0], "     1   12345               x equ 12345h");
}

// --- Values, names and classes ------------------------------------------------

struct ZEtykietami : Stanowisko {
  ZEtykietami() {
    const WynikAsemblacji& w = Asembluj({"lab equ 10h", "duza equ 1234h", "org 200h"});
    EXPECT_FALSE(w.FlagaBledu);
  }
};

TEST(PrzegladWartosci, WyrazeniaIKrzyzyki) {
  ZEtykietami s;
  const std::pair<const char*, std::optional<int32_t>> przypadki[] = {
      {"2*3-4*5", -14},  {"2-3+4", 3},         {"8/2/2", 2},           {"10/3*3", 9},
      {"2*10/3", 6},     {"(1)(2)", 12},       {"##5*2", 10},          {"2*##5", std::nullopt},
      {"#1+##2", std::nullopt}, {"2*#3", 6},   {"0eh", 14},            {"1e", std::nullopt},
      {"17o", 15},       {"18o", std::nullopt}, {"0d", 0},             {"h", std::nullopt},
      {"1h", 1},         {"20h.1+1", 0x22},    {"1+20h.1", 0x22},      {"20h.(1+1)", 0x22},
      {"20h.#1", 0x21},  {"1.acc", 0xE1},      {"high(0-1)", std::nullopt}, {"low(0-1)", std::nullopt},
      {"HiGh(1234h)", 0x12}, {"high(duza)*2", 0x24}, {"low(300)", 44}, {"$+lab", 0x210},
      {"0-1", -1},       {"1-", std::nullopt}, {"*2", std::nullopt},   {"lab.1", std::nullopt}};
  for (const auto& [t, v] : przypadki) EXPECT_EQ(s.asembler->WartoscWyrazenia(t), v) << t;
}

TEST(PrzegladWartosci, KlasaZakresuUjemnychIGrup) {
  ZEtykietami s;
  s.asembler->WartoscWyrazenia("0-300");
  EXPECT_EQ(s.asembler->KlasaZakresu, 0);
  s.asembler->WartoscWyrazenia("low(1234h)+high(1234h)");
  EXPECT_EQ(s.asembler->KlasaZakresu, 0);
  s.asembler->WartoscWyrazenia("(300)-45");
  EXPECT_EQ(s.asembler->KlasaZakresu, 0);
  s.asembler->WartoscWyrazenia("(300)-44");
  EXPECT_EQ(s.asembler->KlasaZakresu, 1);
}

TEST(PrzegladWartosci, EtykietyINazwy) {
  ZEtykietami s;
  EXPECT_EQ(s.asembler->SzukajEtykiety("#$"), std::nullopt);
  EXPECT_EQ(s.asembler->SzukajEtykiety("##lab"), std::nullopt);
  EXPECT_EQ(s.asembler->SzukajEtykiety("Duza"), 0x1234);
  EXPECT_EQ(s.asembler->NazwaBitu("0-1", true), std::nullopt);
  EXPECT_EQ(s.asembler->NazwaBitu("p1", true), 0x90);
  EXPECT_EQ(s.asembler->NazwaBitu("p1", false), std::nullopt);
  EXPECT_EQ(s.asembler->NazwaBitu("lab", true), 0x10);
  EXPECT_EQ(s.asembler->NazwaBitu("lab", false), std::nullopt);
  EXPECT_EQ(s.asembler->NazwaBitu("255", true), 255);
  EXPECT_EQ(s.asembler->NazwaBitu("256", true), std::nullopt);
  EXPECT_EQ(s.asembler->NazwaBitu("RS0", false), 0xD3);
  EXPECT_EQ(s.asembler->NazwaBajtu("tr0", true), std::nullopt);
  EXPECT_EQ(s.asembler->NazwaBajtu("LAB", true), 0x10);
  EXPECT_EQ(s.asembler->NazwaBajtu("#lab", true), 0x10);
  EXPECT_EQ(s.asembler->NazwaBajtu("Sp", false), 0x81);
}

TEST(PrzegladWartosci, KlasyArgumentow) {
  ZEtykietami s;
  const std::pair<const char*, KlasaArg> klasy[] = {
      {"#a", KlasaArg::Natychmiastowy},  {"#p1", KlasaArg::Natychmiastowy}, {"#tr0", KlasaArg::Nierozpoznany},
      {"#p1.0", KlasaArg::Nierozpoznany}, {"p1.0", KlasaArg::Bezposredni},  {"R8", KlasaArg::Nierozpoznany},
      {"@A+DPTR", KlasaArg::AplusDPTR},   {"@DPTR", KlasaArg::AtDPTR},      {"$", KlasaArg::Bezposredni},
      {"#$", KlasaArg::Natychmiastowy},   {"0-1", KlasaArg::Bezposredni},   {"#", KlasaArg::Nierozpoznany},
      {"ab", KlasaArg::Nierozpoznany},    {"r0 ", KlasaArg::Nierozpoznany}, {"@r0+1", KlasaArg::Nierozpoznany}};
  for (const auto& [t, k] : klasy) EXPECT_EQ(s.asembler->KlasaArgumentu(t), k) << t;
}

}  // namespace
}  // namespace kelbra::test
