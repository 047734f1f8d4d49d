// The instruction help: one table covers every mnemonic and every opcode,
// each form's example assembles to the form's opcode with the length the
// core's table gives, and the mnemonic under a column is found as the
// splitter would find it.

#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <string>

#include "Pomocnicze.h"
#include "PomocRozkazow.h"
#include "Slownik.h"
#include "TablicaRozkazow.h"
#include "Tekst.h"

namespace kelbra {
namespace {

TEST(PomocRozkazow, KazdyMnemonikMaWpis) {
  static constexpr const char* Mnemoniki[] = {
      "acall", "add",  "addc", "anl",  "ajmp", "clr", "cpl", "cjne", "da",   "dec",  "div", "djnz", "inc", "jb",  "jc",
      "jbc",   "jnb",  "jnc",  "jmp",  "jz",   "jnz", "lcall", "ljmp", "mov", "movc", "movx", "mul", "nop", "orl", "push",
      "pop",   "ret",  "reti", "rl",   "rlc",  "rr",  "rrc", "setb", "subb", "swap", "sjmp", "xch", "xchd", "xrl"};
  for (const char* m : Mnemoniki) {
    const KodSlowa s = KodMnemonika(m);
    ASSERT_TRUE(s.znane) << m;
    EXPECT_FALSE(PomocRozkazu(m).empty()) << m;
    for (const FormaRozkazu& f : FormyRozkazow()) {
      if (f.slowo == s.slowo) {
        EXPECT_TRUE(tekst::RowneBezWielkosci(f.mnemonik, m)) << m;
      }
    }
  }
  for (const char* nie : {"db", "org", "equ", "end", "", "petla", "call"}) EXPECT_EQ(PomocRozkazu(nie), "") << nie;
}

// Rn forms stand for eight opcodes, @Ri forms for two, AJMP and ACALL for
// one per 256-byte page of the block: together every opcode but A5h.
TEST(PomocRozkazow, FormyObejmujaKazdyKod) {
  std::bitset<256> kody;
  for (const FormaRozkazu& f : FormyRozkazow()) {
    const std::string o = f.operandy;
    int ile = 1, krok = 1;
    if (o.find("Rn") != std::string::npos) ile = 8;
    else if (o.find("@Ri") != std::string::npos) ile = 2;
    else if (o == "adres11") ile = 8, krok = 0x20;
    for (int k = 0; k < ile; ++k) {
      const int kod = f.kod + k * krok;
      EXPECT_FALSE(kody.test(kod)) << "opcode " << kod << " twice";
      kody.set(kod);
    }
  }
  EXPECT_EQ(kody.count(), 255u);
  EXPECT_FALSE(kody.test(0xA5));
}

// Each form's example assembles to the form's opcode with the core's
// length, and the numbers in its text are the core's, whatever the form.
TEST(PomocRozkazow, PrzykladIOpisZgodneZTablicaJadra) {
  for (const FormaRozkazu& f : FormyRozkazow()) {
    test::Stanowisko s;
    const auto& wynik = s.Asembluj({std::string(" ") + f.przyklad});
    ASSERT_TRUE(wynik.Bledy.empty()) << f.przyklad << ": " << wynik.Bledy.front();
    const std::vector<uint8_t> bajty = s.Bajty(0);
    ASSERT_FALSE(bajty.empty()) << f.przyklad;
    EXPECT_EQ(bajty[0], f.kod) << f.przyklad;
    EXPECT_EQ(bajty.size(), DlugoscRozkazu[f.kod]) << f.przyklad;
    const std::string t = OpisFormy(f);
    const int d = DlugoscRozkazu[f.kod], c = CykleRozkazu[f.kod];
    EXPECT_NE(t.find(std::to_string(d) + (d == 1 ? " bajt," : " bajty,")), std::string::npos) << t;
    EXPECT_NE(t.find(std::to_string(c) + (c == 1 ? " cykl;" : " cykle;")), std::string::npos) << t;
  }
}

TEST(PomocRozkazow, TekstyForm) {
  struct {
    const char* mnemonik;
    const char* wiersz;  // one line of the help
  } przypadki[] = {
      {"ADD", "ADD A,Rn — dodaje rejestr Rn do akumulatora; 1 bajt, 1 cykl; zmienia CY, AC, OV, P"},
      {"Mul", "MUL AB — mnoży A przez B: młodszy bajt iloczynu w A, starszy w B; OV = 1, gdy iloczyn > 255; 1 bajt, "
              "4 cykle; zmienia CY, OV, P"},
      {"nop", "NOP — nic nie robi; 1 bajt, 1 cykl; nie zmienia flag"},
      {"mov", "MOV Rn,#dane — wpisuje stałą do rejestru Rn; 2 bajty, 2 cykle; nie zmienia flag"},
      {"ANL", "ANL C,/bit — iloczyn logiczny przeniesienia i zanegowanego bitu do CY; 2 bajty, 1 cykl; zmienia CY"},
  };
  for (const auto& p : przypadki) {
    const std::string pomoc = PomocRozkazu(p.mnemonik) + "\n";
    EXPECT_NE(pomoc.find(std::string(p.wiersz) + "\n"), std::string::npos) << pomoc;
  }
  const std::string mov = PomocRozkazu("mov");
  EXPECT_EQ(std::count(mov.begin(), mov.end(), '\n'), 17);  // 18 forms
}

TEST(PomocRozkazow, MnemonikWKolumnie) {
  struct {
    const char* linia;
    size_t kolumna;
    const char* slowo;  // nullptr: none
  } przypadki[] = {
      {"  mov a,#1", 2, "mov"},
      {"  mov a,#1", 4, "mov"},
      {"  mov a,#1", 5, nullptr},  // the blank after it
      {"  mov a,#1", 1, nullptr},
      {"  mov a,#1", 6, nullptr},  // an operand
      {"petla: DJNZ r7,petla", 8, "DJNZ"},
      {"petla: DJNZ r7,petla", 2, nullptr},  // the label
      {"petla:DJNZ r7,petla", 6, "DJNZ"},
      {"a: b: nop", 6, "nop"},
      {"\tRET", 1, "RET"},
      {"ret;koniec", 1, "ret"},
      {"ret ;koniec", 6, nullptr},
      {"; mov a,#1", 3, nullptr},  // a comment
      {"  org 100h", 3, nullptr},  // a directive
      {"x equ 5", 0, nullptr},
      {"  movx", 5, "movx"},
      {"  movx", 6, nullptr},
      {"", 0, nullptr},
      {"  mov", 100, nullptr},
  };
  for (const auto& p : przypadki) {
    const auto s = MnemonikWKolumnie(p.linia, p.kolumna);
    if (p.slowo == nullptr) {
      EXPECT_FALSE(s.has_value()) << p.linia << " @" << p.kolumna;
    } else {
      ASSERT_TRUE(s.has_value()) << p.linia << " @" << p.kolumna;
      EXPECT_EQ(s->tekst, p.slowo);
      EXPECT_EQ(std::string_view(p.linia).substr(s->poczatek, s->dlugosc), p.slowo);
    }
  }
}

}  // namespace
}  // namespace kelbra
