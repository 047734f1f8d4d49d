#include "NazwyPredefiniowane.h"

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

// Lower-cases a short name into a buffer; longer names are in no table.
bool Krotka(std::string_view nazwa, char (&bufor)[8], std::string_view& wynik) {
  if (nazwa.empty() || nazwa.size() > sizeof bufor) return false;
  for (size_t i = 0; i < nazwa.size(); ++i) bufor[i] = tekst::Mala(nazwa[i]);
  wynik = std::string_view(bufor, nazwa.size());
  return true;
}

}  // namespace

std::optional<uint8_t> BajtPredefiniowany(std::string_view nazwa) {
  char bufor[8];
  std::string_view m;
  if (!Krotka(nazwa, bufor, m)) return std::nullopt;
  for (const Nazwa& n : Bajty)
    if (n.tekst == m) return n.adres;
  return std::nullopt;
}

std::optional<uint8_t> BitPredefiniowany(std::string_view nazwa) {
  char bufor[8];
  std::string_view m;
  if (!Krotka(nazwa, bufor, m)) return std::nullopt;
  for (const Nazwa& n : Bity)
    if (n.tekst == m) return n.adres;
  if (m.size() < 3 || m[m.size() - 2] != '.') return std::nullopt;
  const char k = m.back();
  if (k < '0' || k > '7') return std::nullopt;
  const std::string_view rejestr = m.substr(0, m.size() - 2);
  for (const Nazwa& n : RejestryBitowe)
    if (n.tekst == rejestr) return static_cast<uint8_t>(n.adres + (k - '0'));
  return std::nullopt;
}

}  // namespace kelbra
