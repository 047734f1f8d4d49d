// Numbers, expressions, labels and the built-in names.

#include <gtest/gtest.h>

#include <chrono>

#include "NazwyPredefiniowane.h"
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
        Wyrazenie{"$+2", 0x202}, Wyrazenie{"a-b", -16}, Wyrazenie{"nieznana", std::nullopt}));

TEST(WartoscWyrazenia, KlasaZakresu) {
  ZEtykietami s;
  const std::pair<const char*, int32_t> przypadki[] = {{"255", 0}, {"0-5", 0}, {"256", 1}, {"65535", 1},
                                                        {"65536", 2}, {"duza", 1}, {"nic", 0}};
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
}

TEST(NazwyPredefiniowane, Bajty) {
  const std::pair<const char*, int> bajty[] = {
      {"a", 0xE0},    {"acc", 0xE0},  {"b", 0xF0},    {"dph", 0x83},  {"dpl", 0x82},  {"ie", 0xA8},
      {"ip", 0xB8},   {"p0", 0x80},   {"p1", 0x90},   {"p2", 0xA0},   {"p3", 0xB0},   {"pcon", 0x87},
      {"psw", 0xD0},  {"sbuf", 0x99}, {"scon", 0x98}, {"sp", 0x81},   {"tcon", 0x88}, {"th0", 0x8C},
      {"th1", 0x8D},  {"tl0", 0x8A},  {"tl1", 0x8B},  {"TMOD", 0x89}, {"Acc", 0xE0}};
  for (const auto& [n, v] : bajty) EXPECT_EQ(BajtPredefiniowany(n), v) << n;
  for (const char* n : {"r0", "dptr", "c", "t2con", "accx", ""}) EXPECT_EQ(BajtPredefiniowany(n), std::nullopt) << n;
}

TEST(NazwyPredefiniowane, Bity) {
  const std::pair<const char*, int> bity[] = {
      {"ea", 0xAF},  {"es", 0xAC},  {"et1", 0xAB}, {"ex1", 0xAA}, {"et0", 0xA9}, {"ex0", 0xA8},  {"ps", 0xBC},
      {"pt1", 0xBB}, {"px1", 0xBA}, {"pt0", 0xB9}, {"px0", 0xB8}, {"t2ex", 0x91}, {"t2", 0x90},  {"rd", 0xB7},
      {"wr", 0xB6},  {"t1", 0xB5},  {"t0", 0xB4},  {"int1", 0xB3}, {"int0", 0xB2}, {"txd", 0xB1}, {"rxd", 0xB0},
      {"cy", 0xD7},  {"C", 0xD7},   {"ac", 0xD6},  {"f0", 0xD5},  {"rs1", 0xD4}, {"rs0", 0xD3},  {"ov", 0xD2},
      {"p", 0xD0},   {"sm0", 0x9F}, {"sm1", 0x9E}, {"sm2", 0x9D}, {"ren", 0x9C}, {"tb8", 0x9B},  {"rb8", 0x9A},
      {"TI", 0x99},  {"ri", 0x98},  {"tf1", 0x8F}, {"tr1", 0x8E}, {"tf0", 0x8D}, {"tr0", 0x8C},  {"ie1", 0x8B},
      {"it1", 0x8A}, {"ie0", 0x89}, {"it0", 0x88}};
  for (const auto& [n, v] : bity) EXPECT_EQ(BitPredefiniowany(n), v) << n;
  const std::pair<const char*, int> rejestry[] = {{"p0", 0x80}, {"p1", 0x90}, {"p2", 0xA0},
                                                  {"p3", 0xB0}, {"acc", 0xE0}, {"b", 0xF0}};
  for (const auto& [r, adres] : rejestry)
    for (int k = 0; k < 8; ++k)
      EXPECT_EQ(BitPredefiniowany(std::string(r) + "." + std::to_string(k)), adres + k) << r << "." << k;
  for (const char* n : {"p4.0", "dpl.0", "p1.8", "f1", "et2", "pt2", "acc.", ".0", "p1.07"})
    EXPECT_EQ(BitPredefiniowany(n), std::nullopt) << n;
}

TEST(NazwyPredefiniowane, ZastepczeWartosciIEtykiety) {
  ZEtykietami s;
  EXPECT_EQ(s.asembler->NazwaBitu("20h", true), 0x20);
  EXPECT_EQ(s.asembler->NazwaBitu("100h", true), std::nullopt);
  EXPECT_EQ(s.asembler->NazwaBitu("20h", false), std::nullopt);
  EXPECT_EQ(s.asembler->NazwaBitu("mala", true), 5);
  EXPECT_EQ(s.asembler->NazwaBitu("a-b", true), 7);  // by label alone
  EXPECT_EQ(s.asembler->NazwaBitu("duza", true), std::nullopt);
  EXPECT_EQ(s.asembler->NazwaBajtu("duza", true), 0x1234);
  EXPECT_EQ(s.asembler->NazwaBajtu("duza", false), std::nullopt);
  EXPECT_EQ(s.asembler->NazwaBajtu("$", true), 0x200);
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
      {"a-b", KlasaArg::Bezposredni},   {"", KlasaArg::Nierozpoznany},  {"x", KlasaArg::Nierozpoznany}};
  for (const auto& [t, k] : klasy) EXPECT_EQ(s.asembler->KlasaArgumentu(t), k) << t;
}

TEST(KodMnemonika, IloczynKodowZnakow) {
  EXPECT_EQ(KodMnemonika("nop").kod, 110 * 111 * 112);
  EXPECT_EQ(KodMnemonika("NOP").kod, 110 * 111 * 112);
  EXPECT_EQ(KodMnemonika("clr").kod, 99 * 108 * 114);
  EXPECT_EQ(KodMnemonika("rlc").kod, 99 * 108 * 114 + 1);
  EXPECT_EQ(KodMnemonika("acall").kod, static_cast<int32_t>(97u * 99u * 97u * 108u * 108u));
  EXPECT_TRUE(KodMnemonika("").znane);
  EXPECT_EQ(KodMnemonika("").kod, 32);
  int znane = 0;
  for (const char* w : {"acall", "add", "addc", "anl", "ajmp", "clr", "cpl", "cjne", "da", "dec", "div", "djnz",
                        "inc", "jb", "jc", "jbc", "jnb", "jnc", "jmp", "jz", "jnz", "lcall", "ljmp", "mov", "movc",
                        "movx", "mul", "nop", "orl", "push", "pop", "ret", "reti", "rl", "rlc", "rr", "rrc", "setb",
                        "subb", "swap", "sjmp", "xch", "xchd", "xrl", "db", "xdata", "code", "data", "idata", "equ",
                        "org", "set", "bit", "ds", "dbit", "dw", "end"})
    znane += KodMnemonika(w).znane;
  EXPECT_EQ(znane, 57);
  for (const char* w : {"xyz", "movxx", "mo", "jmpp", "d b"}) EXPECT_FALSE(KodMnemonika(w).znane) << w;
}

}  // namespace
}  // namespace kelbra::test
