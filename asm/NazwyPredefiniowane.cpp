#include "NazwyPredefiniowane.h"

#include <algorithm>
#include <array>

#include "Tekst.h"

namespace kelbra {

namespace {

struct Nazwa {
  std::string_view tekst;
  uint8_t adres;
};

constexpr std::array<Nazwa, 22> Bajty = {{
    {"a", 0xE0},    {"acc", 0xE0}, {"b", 0xF0},    {"dph", 0x83},  {"dpl", 0x82},  {"ie", 0xA8},
    {"ip", 0xB8},   {"p0", 0x80},  {"p1", 0x90},   {"p2", 0xA0},   {"p3", 0xB0},   {"pcon", 0x87},
    {"psw", 0xD0},  {"sbuf", 0x99}, {"scon", 0x98}, {"sp", 0x81},  {"tcon", 0x88}, {"th0", 0x8C},
    {"th1", 0x8D},  {"tl0", 0x8A}, {"tl1", 0x8B},  {"tmod", 0x89},
}};

constexpr std::array<Nazwa, 45> Bity = {{
    {"ea", 0xAF},  {"es", 0xAC},  {"et1", 0xAB}, {"ex1", 0xAA}, {"et0", 0xA9}, {"ex0", 0xA8},
    {"ps", 0xBC},  {"pt1", 0xBB}, {"px1", 0xBA}, {"pt0", 0xB9}, {"px0", 0xB8},
    {"t2ex", 0x91}, {"t2", 0x90},
    {"rd", 0xB7},  {"wr", 0xB6},  {"t1", 0xB5},  {"t0", 0xB4},  {"int1", 0xB3}, {"int0", 0xB2},
    {"txd", 0xB1}, {"rxd", 0xB0},
    {"cy", 0xD7},  {"c", 0xD7},   {"ac", 0xD6},  {"f0", 0xD5},  {"rs1", 0xD4}, {"rs0", 0xD3},
    {"ov", 0xD2},  {"p", 0xD0},
    {"sm0", 0x9F}, {"sm1", 0x9E}, {"sm2", 0x9D}, {"ren", 0x9C}, {"tb8", 0x9B}, {"rb8", 0x9A},
    {"ti", 0x99},  {"ri", 0x98},
    {"tf1", 0x8F}, {"tr1", 0x8E}, {"tf0", 0x8D}, {"tr0", 0x8C}, {"ie1", 0x8B}, {"it1", 0x8A},
    {"ie0", 0x89}, {"it0", 0x88},
}};

// Registers whose bits have register.bit names.
constexpr std::array<Nazwa, 6> RejestryBitowe = {{
    {"p0", 0x80}, {"p1", 0x90}, {"p2", 0xA0}, {"p3", 0xB0}, {"acc", 0xE0}, {"b", 0xF0},
}};

struct Klucz {
  uint64_t klucz;
  uint8_t adres;
};

// A table's names as packed keys, sorted for a binary search: operands are
// looked up here many times a row.
template <size_t N>
constexpr std::array<Klucz, N> Klucze(const std::array<Nazwa, N>& nazwy) {
  std::array<Klucz, N> k{};
  for (size_t i = 0; i < N; ++i) k[i] = {tekst::KluczKrotki(nazwy[i].tekst), nazwy[i].adres};
  std::sort(k.begin(), k.end(), [](const Klucz& a, const Klucz& b) { return a.klucz < b.klucz; });
  return k;
}

constexpr auto KluczeBajtow = Klucze(Bajty);
constexpr auto KluczeBitow = Klucze(Bity);
constexpr auto KluczeRejestrow = Klucze(RejestryBitowe);

// Key 0 (an empty or long name) is in no table.
template <size_t N>
std::optional<uint8_t> Znajdz(const std::array<Klucz, N>& tabela, uint64_t klucz) {
  const auto it = std::lower_bound(tabela.begin(), tabela.end(), klucz,
                                   [](const Klucz& a, uint64_t k) { return a.klucz < k; });
  if (it == tabela.end() || it->klucz != klucz) return std::nullopt;
  return it->adres;
}

}  // namespace

std::optional<uint8_t> BajtPredefiniowany(std::string_view nazwa) {
  return Znajdz(KluczeBajtow, tekst::KluczKrotki(nazwa));
}

std::optional<uint8_t> BitPredefiniowany(std::string_view nazwa) {
  if (auto b = Znajdz(KluczeBitow, tekst::KluczKrotki(nazwa))) return b;
  // register.bit: no register name is longer than three letters.
  const size_t n = nazwa.size();
  if (n < 3 || n > 5 || nazwa[n - 2] != '.') return std::nullopt;
  const char k = nazwa.back();
  if (k < '0' || k > '7') return std::nullopt;
  if (auto r = Znajdz(KluczeRejestrow, tekst::KluczKrotki(nazwa.substr(0, n - 2))))
    return static_cast<uint8_t>(*r + (k - '0'));
  return std::nullopt;
}

}  // namespace kelbra
