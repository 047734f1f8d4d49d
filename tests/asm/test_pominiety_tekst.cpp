// Text a row leaves out, beyond the .asm cases: losses an error already
// reports, lines that lose only blanks or a comment, failed runs and the
// order of the warning list.

#include <gtest/gtest.h>

#include "Komunikaty.h"
#include "Pomocnicze.h"

namespace kelbra::test {
namespace {

using Lista = std::vector<std::string>;

std::string PoOdstepie(int linia, const std::string& tekst) {
  return "Warning..." + std::to_string(linia) + " linia. " + komunikat::PominietoPoOdstepie + tekst;
}

TEST(PominietyTekst, StrataZgloszonaBledemNieDajeOstrzezenia) {
  // Each line loses text, and an error of its own says so.
  for (const char* linia :
       {"mov a ,#5", "mov a, #5 6", "mov a, #5, 6", "NAZWA code 100h", "cjne a,#1,x,y", "x equ 5 6", "org 100h 5",
        "x equ 5;k", "ds 5, 6", "nop 1", "lab: 1, 2", "a: b: nop", "ret x", "jmp @a+dptr, 1"}) {
    Stanowisko s;
    const WynikAsemblacji& w = s.Asembluj({linia});
    EXPECT_TRUE(w.FlagaBledu) << linia;
    EXPECT_EQ(w.Ostrzezenia, Lista{}) << linia;
  }
}

TEST(PominietyTekst, OdstepyIKomentarzNieSaStrata) {
  for (const char* linia :
       {"db 1,2,3   ", "db 1,2,3\t \t", "\tdb\t1,2,3\t; 4, 5", "db ;1, 2", "db", "x equ 5 ; 6", "org 10h  ", "end",
        "end ; start", "start:   ", "mov a, #5", "djnz r7, $ ; 1, 2", "napis db 'a b',' '", "db 'a' ;, 'b'"}) {
    Stanowisko s;
    const WynikAsemblacji& w = s.Asembluj({linia});
    EXPECT_EQ(w.Ostrzezenia, Lista{}) << linia;
    EXPECT_FALSE(w.FlagaOstrzezen) << linia;
  }
}

TEST(PominietyTekst, OstrzezenieTakzePoNieudanejAsemblacji) {
  Stanowisko s;
  const WynikAsemblacji& w = s.Asembluj({"x: y: nop", "db 1, 2", "tab db 'ab', 0", "end", "db 3, 4"});
  EXPECT_TRUE(w.FlagaBledu);
  EXPECT_EQ(w.Ostrzezenia, (Lista{PoOdstepie(1, "2"), PoOdstepie(2, "0")}));
  EXPECT_TRUE(w.FlagaOstrzezen);
  // The next run starts afresh.
  const WynikAsemblacji& v = s.Asembluj({"nop"});
  EXPECT_EQ(v.Ostrzezenia, Lista{});
  EXPECT_FALSE(v.FlagaOstrzezen);
}

// Found while splitting, these come before the warnings of the final pass
// and of the directives.
TEST(PominietyTekst, NajpierwPominietyTekst) {
  Stanowisko s;
  const WynikAsemblacji& w = s.Asembluj({"mov a, #300", "d data 300", "db 1, 2", "e equ 1, 2"});
  EXPECT_FALSE(w.FlagaBledu);
  EXPECT_EQ(w.Ostrzezenia, (Lista{PoOdstepie(2, "2"), "Warning...3 linia. Pominieto tekst, ktorego equ nie uzywa: 2",
                                  "Warning...0 linia. Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)",
                                  "Warning...1 linia. Przekroczono zakres dla data: 0FFh (255)"}));
  EXPECT_EQ(Hex(s.Bajty(2)), "01");
}

}  // namespace
}  // namespace kelbra::test
