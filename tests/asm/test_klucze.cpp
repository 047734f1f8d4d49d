// Short words looked up as packed integer keys answer exactly as a plain
// case-insensitive comparison with the words of each table: for every word
// and for words that nearly match one.

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "NazwyPredefiniowane.h"
#include "Pomocnicze.h"
#include "Slownik.h"
#include "Tekst.h"

namespace kelbra::test {
namespace {

// In the order of Slowo, after Brak.
const std::vector<std::string> Mnemoniki = {
    "acall", "add",  "addc", "anl",  "ajmp", "clr",   "cpl",  "cjne", "da",    "dec", "div", "djnz",
    "inc",   "jb",   "jc",   "jbc",  "jnb",  "jnc",   "jmp",  "jz",   "jnz",   "lcall", "ljmp", "mov",
    "movc",  "movx", "mul",  "nop",  "orl",  "push",  "pop",  "ret",  "reti",  "rl",  "rlc", "rr",
    "rrc",   "setb", "subb", "swap", "sjmp", "xch",   "xchd", "xrl",  "db",    "xdata", "code", "data",
    "idata", "equ",  "org",  "set",  "bit",  "ds",    "dbit", "dw",   "end"};

const std::vector<std::pair<std::string, int>> Bajty = {
    {"a", 0xE0},   {"acc", 0xE0}, {"b", 0xF0},    {"dph", 0x83},  {"dpl", 0x82},  {"ie", 0xA8},
    {"ip", 0xB8},  {"p0", 0x80},  {"p1", 0x90},   {"p2", 0xA0},   {"p3", 0xB0},   {"pcon", 0x87},
    {"psw", 0xD0}, {"sbuf", 0x99}, {"scon", 0x98}, {"sp", 0x81},  {"tcon", 0x88}, {"th0", 0x8C},
    {"th1", 0x8D}, {"tl0", 0x8A}, {"tl1", 0x8B},  {"tmod", 0x89}};

std::vector<std::pair<std::string, int>> Bity() {
  std::vector<std::pair<std::string, int>> b = {
      {"ea", 0xAF},  {"es", 0xAC},  {"et1", 0xAB}, {"ex1", 0xAA},  {"et0", 0xA9},  {"ex0", 0xA8},  {"ps", 0xBC},
      {"pt1", 0xBB}, {"px1", 0xBA}, {"pt0", 0xB9}, {"px0", 0xB8},  {"t2ex", 0x91}, {"t2", 0x90},   {"rd", 0xB7},
      {"wr", 0xB6},  {"t1", 0xB5},  {"t0", 0xB4},  {"int1", 0xB3}, {"int0", 0xB2}, {"txd", 0xB1},  {"rxd", 0xB0},
      {"cy", 0xD7},  {"c", 0xD7},   {"ac", 0xD6},  {"f0", 0xD5},   {"rs1", 0xD4},  {"rs0", 0xD3},  {"ov", 0xD2},
      {"p", 0xD0},   {"sm0", 0x9F}, {"sm1", 0x9E}, {"sm2", 0x9D},  {"ren", 0x9C},  {"tb8", 0x9B},  {"rb8", 0x9A},
      {"ti", 0x99},  {"ri", 0x98},  {"tf1", 0x8F}, {"tr1", 0x8E},  {"tf0", 0x8D},  {"tr0", 0x8C},  {"ie1", 0x8B},
      {"it1", 0x8A}, {"ie0", 0x89}, {"it0", 0x88}};
  for (const auto& [r, adres] : {std::pair<std::string, int>{"p0", 0x80}, {"p1", 0x90}, {"p2", 0xA0},
                                 {"p3", 0xB0}, {"acc", 0xE0}, {"b", 0xF0}})
    for (int k = 0; k < 8; ++k) b.emplace_back(r + "." + std::to_string(k), adres + k);
  return b;
}

const std::vector<std::pair<std::string, KlasaArg>> Klasy = {
    {"@r0", KlasaArg::Ri},       {"@r1", KlasaArg::Ri},           {"a", KlasaArg::A},
    {"c", KlasaArg::C},          {"dptr", KlasaArg::DPTR},        {"@a+dptr", KlasaArg::AplusDPTR},
    {"@a+pc", KlasaArg::AplusPC}, {"@dptr", KlasaArg::AtDPTR}};

// Each word, in other cases, shortened, lengthened and with one byte changed,
// including bytes only ASCII case folding must not touch and a NUL.
std::set<std::string> Kandydaci(const std::vector<std::string>& slowa) {
  const std::string inne = {'\0', ' ', '.', '0', '7', '8', '@', '[', '`', '{', 'a', 'z', 'A', 'Z', '\xA5', '\xB9'};
  std::set<std::string> k = {"", "abcdefgh", "ABCDEFGHIJ"};
  for (const std::string& s : slowa) {
    std::string duze = s;
    for (char& c : duze) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    k.insert(s);
    k.insert(duze);
    for (size_t i = 0; i < s.size(); ++i) {
      k.insert(s.substr(0, i));
      k.insert(s.substr(i + 1));
      std::string mieszane = s;
      mieszane[i] = duze[i];
      k.insert(mieszane);
      for (char c : inne) {
        std::string zmienione = s;
        zmienione[i] = c;
        k.insert(zmienione);
      }
    }
    for (char c : inne) {
      k.insert(s + c);
      k.insert(c + s);
      k.insert(s + std::string(8, c));
    }
  }
  return k;
}

template <typename T>
std::optional<T> Zwykle(std::string_view nazwa, const std::vector<std::pair<std::string, T>>& tabela) {
  for (const auto& [n, v] : tabela)
    if (tekst::RowneBezWielkosci(nazwa, n)) return v;
  return std::nullopt;
}

TEST(KluczeKrotkie, SlownikJakZwyklePorownanie) {
  std::vector<std::pair<std::string, int>> tabela;
  for (size_t i = 0; i < Mnemoniki.size(); ++i) tabela.emplace_back(Mnemoniki[i], static_cast<int>(i) + 1);
  for (const std::string& w : Kandydaci(Mnemoniki)) {
    const KodSlowa kod = KodMnemonika(w);
    if (w.empty()) continue;  // the empty word is a row with a label only
    const auto oczekiwane = Zwykle(w, tabela);
    ASSERT_EQ(kod.znane, oczekiwane.has_value()) << w;
    if (!oczekiwane) continue;
    EXPECT_EQ(static_cast<int>(kod.slowo), *oczekiwane) << w;
    uint32_t iloczyn = 1;
    for (char c : w) iloczyn *= static_cast<uint8_t>(tekst::Mala(c));
    if (kod.slowo == Slowo::Rlc) iloczyn += 1;
    EXPECT_EQ(kod.kod, static_cast<int32_t>(iloczyn)) << w;
  }
}

TEST(KluczeKrotkie, NazwyJakZwyklePorownanie) {
  const auto bity = Bity();
  std::vector<std::string> slowa;
  for (const auto& [n, v] : Bajty) slowa.push_back(n);
  for (const auto& [n, v] : bity) slowa.push_back(n);
  std::set<std::string> kandydaci = Kandydaci(slowa);
  // Registers that are no memory names, and names of the 8052 and other
  // derivatives, which this core lacks.
  kandydaci.insert({"r0", "dptr", "t2con", "accx", "p4.0", "dpl.0", "f1", "et2", "pt2"});
  for (const std::string& w : kandydaci) {
    const auto bajt = BajtPredefiniowany(w);
    const auto bit = BitPredefiniowany(w);
    EXPECT_EQ(bajt ? std::optional<int>(*bajt) : std::nullopt, Zwykle(w, Bajty)) << w;
    EXPECT_EQ(bit ? std::optional<int>(*bit) : std::nullopt, Zwykle(w, bity)) << w;
  }
}

TEST(KluczeKrotkie, KlasyRejestrowJakZwyklePorownanie) {
  Stanowisko s;
  std::vector<std::string> slowa = {"r0", "r7"};
  for (const auto& [n, k] : Klasy) slowa.push_back(n);
  for (const std::string& w : Kandydaci(slowa)) {
    const KlasaArg k = s.asembler->KlasaArgumentu(w);
    const bool rn = w.size() == 2 && tekst::Mala(w[0]) == 'r' && w[1] >= '0' && w[1] <= '7';
    const auto oczekiwana = rn ? std::optional(KlasaArg::Rn) : Zwykle(w, Klasy);
    if (oczekiwana)
      EXPECT_EQ(k, *oczekiwana) << w;
    else
      EXPECT_TRUE(k == KlasaArg::Natychmiastowy || k == KlasaArg::Bezposredni || k == KlasaArg::Nierozpoznany) << w;
  }
}

}  // namespace
}  // namespace kelbra::test
