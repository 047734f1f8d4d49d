// Numbers, expressions, labels and the built-in names.

#include <gtest/gtest.h>

#include "Pomocnicze.h"
#include "Slownik.h"

namespace kelbra::test {
namespace {

// A table with a few labels; PC left at 0200h.
struct ZEtykietami : Stanowisko {
  ZEtykietami() {
    const WynikAsemblacji& w = Asembluj({"lab equ 10h", "duza equ 1234h", "a-b equ 7", "mala equ 5", "org 200h"});
    EXPECT_FALSE(w.FlagaBledu);
  }
};

struct Wyrazenie {
  const char* tekst;
  std::optional<int32_t> wartosc;
};

class WartoscWyrazenia : public ::testing::TestWithParam<Wyrazenie> {};

TEST_P(WartoscWyrazenia, Oblicza) {
  ZEtykietami s;
  EXPECT_EQ(s.asembler->WartoscWyrazenia(GetParam().tekst), GetParam().wartosc) << GetParam().tekst;
}

INSTANTIATE_TEST_SUITE_P(
    Teksty, WartoscWyrazenia,
    ::testing::Values(
        Wyrazenie{"12", 12}, Wyrazenie{"12b", std::nullopt}, Wyrazenie{"0Ah", 10}, Wyrazenie{"0Ab", std::nullopt},
        Wyrazenie{"0bh", 11}, Wyrazenie{"11111111B", 255}, Wyrazenie{"777o", 511}, Wyrazenie{"99d", 99},
        Wyrazenie{"1fh", 31}, Wyrazenie{"0FFFFFFFFh", -1}, Wyrazenie{"5x", std::nullopt},
        Wyrazenie{"FFh", std::nullopt}, Wyrazenie{"", std::nullopt}, Wyrazenie{"#", std::nullopt},
        Wyrazenie{"#5", 5}, Wyrazenie{"1+#5", 6}, Wyrazenie{"high(1234h)", 0x12}, Wyrazenie{"low(1234h)", 0x34},
        Wyrazenie{"LOW(5)", 5}, Wyrazenie{"high()", std::nullopt}, Wyrazenie{"(1+2)*(3+4)", 21},
        Wyrazenie{"2*3+4", 10}, Wyrazenie{"2+3*4", 14}, Wyrazenie{"10-2-3", 5}, Wyrazenie{"100/10/2", 5},
        Wyrazenie{"7/2", 3}, Wyrazenie{"0-7/2", -3}, Wyrazenie{"10/0", 0}, Wyrazenie{"-1", std::nullopt},
        Wyrazenie{"5+", std::nullopt}, Wyrazenie{"5++3", std::nullopt}, Wyrazenie{"2147483647+1", INT32_MIN},
        Wyrazenie{"65536*65536", 0}, Wyrazenie{"((5))", 5}, Wyrazenie{"()", std::nullopt},
        Wyrazenie{"(5", std::nullopt}, Wyrazenie{"5)", std::nullopt}, Wyrazenie{"(#5)", 5},
        // A group's value stands in as text: a negative one leaves a bare "-".
        Wyrazenie{"10+(2-5)", std::nullopt}, Wyrazenie{"1(2)", 12},
        // Each high or low applies to the group right after it.
        Wyrazenie{"high(1234h)+low(1234h)", 0x46}, Wyrazenie{"(1+high(1234h))", 0x13},
        Wyrazenie{"0E0h.7", 0xE7}, Wyrazenie{"20h.1.2", 0x23}, Wyrazenie{"20h.", std::nullopt},
        Wyrazenie{"20h.x", std::nullopt}, Wyrazenie{"acc", 0xE0}, Wyrazenie{"ACC+1", 0xE1},
        Wyrazenie{"lab", 0x10}, Wyrazenie{"LAB*2", 0x20}, Wyrazenie{"#lab", 0x10}, Wyrazenie{"$", 0x200},
        Wyrazenie{"$+2", 0x202}, Wyrazenie{"a-b", -16}, Wyrazenie{"nieznana", std::nullopt},
        Wyrazenie{"$+lab", 0x210}, Wyrazenie{"2*3-4*5", -14}, Wyrazenie{"7-2*3", 1}, Wyrazenie{"2-3+4", 3},
        Wyrazenie{"8/2/2", 2}, Wyrazenie{"10/3*3", 9}, Wyrazenie{"2*10/3", 6}, Wyrazenie{"(1)(2)", 12},
        Wyrazenie{"0-1", -1}, Wyrazenie{"1-", std::nullopt}, Wyrazenie{"*2", std::nullopt},
        Wyrazenie{"0eh", 14}, Wyrazenie{"17o", 15}, Wyrazenie{"101b", 5}, Wyrazenie{"10d", 10}, Wyrazenie{"0d", 0},
        Wyrazenie{"0b", 0}, Wyrazenie{"1D", 1}, Wyrazenie{"0dh", 13}, Wyrazenie{"0FFH", 255}, Wyrazenie{"1h", 1},
        Wyrazenie{"100000000h+7", 7}, Wyrazenie{"1e", std::nullopt}, Wyrazenie{"18o", std::nullopt},
        Wyrazenie{"h", std::nullopt},
        // "#" is taken only before the first factor of a term.
        Wyrazenie{"##5*2", 10}, Wyrazenie{"2*##5", std::nullopt}, Wyrazenie{"#1+##2", std::nullopt},
        Wyrazenie{"2*#3", 6},
        // A bit number binds more loosely than the sums around it.
        Wyrazenie{"20h.3", 0x23}, Wyrazenie{"20h.1+1", 0x22}, Wyrazenie{"1+20h.1", 0x22},
        Wyrazenie{"20h.(1+1)", 0x22}, Wyrazenie{"20h.#1", 0x21}, Wyrazenie{"1.acc", 0xE1},
        Wyrazenie{"lab.1", std::nullopt}, Wyrazenie{"high(0-1)", std::nullopt}, Wyrazenie{"low(0-1)", std::nullopt},
        Wyrazenie{"HiGh(1234h)", 0x12}, Wyrazenie{"high(duza)*2", 0x24}, Wyrazenie{"low(300)", 44},
        Wyrazenie{"high(65535)+0", 0xFF}));

TEST(WartoscWyrazenia, KlasaZakresu) {
  ZEtykietami s;
  // A negative value takes no class, and neither does a group's value.
  const std::pair<const char*, int32_t> przypadki[] = {
      {"255", 0},      {"0-5", 0},      {"256", 1},      {"65535", 1},
      {"65536", 2},    {"duza", 1},     {"nic", 0},      {"0-300", 0},
      {"(300)-45", 0}, {"(300)-44", 1}, {"low(1234h)+high(1234h)", 0}};
  for (const auto& [tekst, klasa] : przypadki) {
    s.asembler->KlasaZakresu = 7;
    s.asembler->WartoscWyrazenia(tekst);
    EXPECT_EQ(s.asembler->KlasaZakresu, klasa) << tekst;
  }
}

// Nesting and long chains are evaluated without recursion: no stack overflow
// and time in proportion to the text.
TEST(WartoscWyrazenia, GlebokieZagniezdzenieIDlugieSumy) {
  ZEtykietami s;
  const int n = 100000;
  const std::string nawiasy = std::string(n, '(') + "1" + std::string(n, ')');
  EXPECT_EQ(s.asembler->WartoscWyrazenia(nawiasy), 1);
  std::string suma = "1";
  for (int i = 1; i < n; ++i) suma += "+1";
  EXPECT_EQ(s.asembler->WartoscWyrazenia(suma), n);
  std::string kropki = "1";
  for (int i = 1; i < n; ++i) kropki += ".1";
  EXPECT_EQ(s.asembler->WartoscWyrazenia(kropki), n);
  EXPECT_EQ(s.asembler->WartoscWyrazenia(std::string(n, '(')), std::nullopt);
  EXPECT_EQ(s.asembler->WartoscWyrazenia(std::string(n, ')')), std::nullopt);
  std::string high;
  for (int i = 0; i < n; ++i) high += "high(";
  EXPECT_EQ(s.asembler->WartoscWyrazenia(high + "1" + std::string(n, ')')), 0);
}

TEST(SzukajEtykiety, PierwszyWierszBezWzgleduNaWielkosc) {
  ZEtykietami s;
  EXPECT_EQ(s.asembler->SzukajEtykiety("LAB"), 0x10);
  EXPECT_EQ(s.asembler->SzukajEtykiety("#lab"), 0x10);
  EXPECT_EQ(s.asembler->SzukajEtykiety("a-b"), 7);
  EXPECT_EQ(s.asembler->SzukajEtykiety("$"), 0x200);
  EXPECT_EQ(s.asembler->SzukajEtykiety(""), std::nullopt);
  EXPECT_EQ(s.asembler->SzukajEtykiety("#"), std::nullopt);
  EXPECT_EQ(s.asembler->SzukajEtykiety("la"), std::nullopt);
  EXPECT_EQ(s.asembler->SzukajEtykiety("Duza"), 0x1234);
  EXPECT_EQ(s.asembler->SzukajEtykiety("#$"), std::nullopt);
  EXPECT_EQ(s.asembler->SzukajEtykiety("##lab"), std::nullopt);
}

// A bit or byte operand by name: a built-in name of its kind, a label, and,
// when the second argument allows, a plain value that fits.
TEST(NazwyPredefiniowane, ZastepczeWartosciIEtykiety) {
  ZEtykietami s;
  struct Nazwa {
    bool bit;  // NazwaBitu, else NazwaBajtu
    const char* tekst;
    bool szerzej;
    std::optional<int32_t> wartosc;
  };
  const Nazwa nazwy[] = {
      {true, "20h", true, 0x20},      {true, "100h", true, std::nullopt}, {true, "20h", false, std::nullopt},
      {true, "255", true, 255},       {true, "256", true, std::nullopt},  {true, "0-1", true, std::nullopt},
      {true, "mala", true, 5},        {true, "a-b", true, 7},  // by label alone
      {true, "duza", true, std::nullopt}, {true, "p1", true, 0x90},       {true, "p1", false, std::nullopt},
      {true, "lab", true, 0x10},      {true, "lab", false, std::nullopt}, {true, "RS0", false, 0xD3},
      {false, "duza", true, 0x1234},  {false, "duza", false, std::nullopt}, {false, "$", true, 0x200},
      {false, "tr0", true, std::nullopt}, {false, "LAB", true, 0x10},     {false, "#lab", true, 0x10},
      {false, "Sp", false, 0x81}};
  for (const Nazwa& n : nazwy)
    EXPECT_EQ(n.bit ? s.asembler->NazwaBitu(n.tekst, n.szerzej) : s.asembler->NazwaBajtu(n.tekst, n.szerzej), n.wartosc)
        << (n.bit ? "bit " : "byte ") << n.tekst << " " << n.szerzej;
}

TEST(KlasaArgumentu, Klasy) {
  ZEtykietami s;
  const std::pair<const char*, KlasaArg> klasy[] = {
      {"r0", KlasaArg::Rn},        {"R7", KlasaArg::Rn},          {"r8", KlasaArg::Nierozpoznany},
      {"@r1", KlasaArg::Ri},       {"@R0", KlasaArg::Ri},         {"@r2", KlasaArg::Nierozpoznany},
      {"a", KlasaArg::A},          {"C", KlasaArg::C},            {"dptr", KlasaArg::DPTR},
      {"@a+dptr", KlasaArg::AplusDPTR}, {"@A+PC", KlasaArg::AplusPC}, {"@dptr", KlasaArg::AtDPTR},
      {"#5", KlasaArg::Natychmiastowy}, {"#lab", KlasaArg::Natychmiastowy}, {"#x", KlasaArg::Nierozpoznany},
      {"30h", KlasaArg::Bezposredni},   {"acc", KlasaArg::Bezposredni}, {"tr0", KlasaArg::Bezposredni},
      {"a-b", KlasaArg::Bezposredni},   {"", KlasaArg::Nierozpoznany},  {"x", KlasaArg::Nierozpoznany},
      {"#a", KlasaArg::Natychmiastowy}, {"#p1", KlasaArg::Natychmiastowy}, {"#tr0", KlasaArg::Nierozpoznany},
      {"#p1.0", KlasaArg::Nierozpoznany}, {"p1.0", KlasaArg::Bezposredni}, {"R8", KlasaArg::Nierozpoznany},
      {"@A+DPTR", KlasaArg::AplusDPTR}, {"@DPTR", KlasaArg::AtDPTR},      {"$", KlasaArg::Bezposredni},
      {"#$", KlasaArg::Natychmiastowy}, {"0-1", KlasaArg::Bezposredni},   {"#", KlasaArg::Nierozpoznany},
      {"ab", KlasaArg::Nierozpoznany},  {"r0 ", KlasaArg::Nierozpoznany}, {"@r0+1", KlasaArg::Nierozpoznany}};
  for (const auto& [t, k] : klasy) EXPECT_EQ(s.asembler->KlasaArgumentu(t), k) << t;
}

TEST(KodMnemonika, IloczynKodowZnakow) {
  EXPECT_EQ(KodMnemonika("nop").kod, 110 * 111 * 112);
  EXPECT_EQ(KodMnemonika("NOP").kod, 110 * 111 * 112);
  EXPECT_EQ(KodMnemonika("clr").kod, 99 * 108 * 114);
  EXPECT_EQ(KodMnemonika("rlc").kod, 99 * 108 * 114 + 1);
  EXPECT_EQ(KodMnemonika("acall").kod, static_cast<int32_t>(97u * 99u * 97u * 108u * 108u));
  // The empty word is a row with a label only.
  EXPECT_TRUE(KodMnemonika("").znane);
  EXPECT_EQ(KodMnemonika("").kod, 32);
  for (const char* w : {"xyz", "movxx", "mo", "jmpp", "d b"}) EXPECT_FALSE(KodMnemonika(w).znane) << w;
}

}  // namespace
}  // namespace kelbra::test
