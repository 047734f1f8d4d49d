#include "Slownik.h"

#include <algorithm>
#include <array>
#include <utility>

#include "Tekst.h"

namespace kelbra {

namespace {

struct Wpis {
  std::string_view tekst;
  Slowo slowo;
};

constexpr std::array<Wpis, 57> Slowa = {{
    {"acall", Slowo::Acall}, {"add", Slowo::Add},     {"addc", Slowo::Addc},   {"anl", Slowo::Anl},
    {"ajmp", Slowo::Ajmp},   {"clr", Slowo::Clr},     {"cpl", Slowo::Cpl},     {"cjne", Slowo::Cjne},
    {"da", Slowo::Da},       {"dec", Slowo::Dec},     {"div", Slowo::Div},     {"djnz", Slowo::Djnz},
    {"inc", Slowo::Inc},     {"jb", Slowo::Jb},       {"jc", Slowo::Jc},       {"jbc", Slowo::Jbc},
    {"jnb", Slowo::Jnb},     {"jnc", Slowo::Jnc},     {"jmp", Slowo::Jmp},     {"jz", Slowo::Jz},
    {"jnz", Slowo::Jnz},     {"lcall", Slowo::Lcall}, {"ljmp", Slowo::Ljmp},   {"mov", Slowo::Mov},
    {"movc", Slowo::Movc},   {"movx", Slowo::Movx},   {"mul", Slowo::Mul},     {"nop", Slowo::Nop},
    {"orl", Slowo::Orl},     {"push", Slowo::Push},   {"pop", Slowo::Pop},     {"ret", Slowo::Ret},
    {"reti", Slowo::Reti},   {"rl", Slowo::Rl},       {"rlc", Slowo::Rlc},     {"rr", Slowo::Rr},
    {"rrc", Slowo::Rrc},     {"setb", Slowo::Setb},   {"subb", Slowo::Subb},   {"swap", Slowo::Swap},
    {"sjmp", Slowo::Sjmp},   {"xch", Slowo::Xch},     {"xchd", Slowo::Xchd},   {"xrl", Slowo::Xrl},
    {"db", Slowo::Db},       {"xdata", Slowo::Xdata}, {"code", Slowo::Code},   {"data", Slowo::Data},
    {"idata", Slowo::Idata}, {"equ", Slowo::Equ},     {"org", Slowo::Org},     {"set", Slowo::Set},
    {"bit", Slowo::Bit},     {"ds", Slowo::Ds},       {"dbit", Slowo::Dbit},   {"dw", Slowo::Dw},
    {"end", Slowo::End},
}};

struct Klucz {
  uint64_t klucz;
  int32_t kod;
  Slowo slowo;
};

// The words as packed keys with their codes, sorted for a binary search:
// every row's mnemonic is looked up in each pass.
constexpr std::array<Klucz, Slowa.size()> Klucze = [] {
  std::array<Klucz, Slowa.size()> k{};
  for (size_t i = 0; i < Slowa.size(); ++i) {
    uint32_t kod = 1;
    for (char c : Slowa[i].tekst) kod *= static_cast<uint8_t>(c);
    if (Slowa[i].slowo == Slowo::Rlc) kod += 1;
    k[i] = {tekst::KluczKrotki(Slowa[i].tekst), static_cast<int32_t>(kod), Slowa[i].slowo};
  }
  std::sort(k.begin(), k.end(), [](const Klucz& a, const Klucz& b) { return a.klucz < b.klucz; });
  return k;
}();

}  // namespace

KodSlowa KodMnemonika(std::string_view slowo) {
  if (slowo.empty()) return {true, 32, Slowo::Brak};
  const uint64_t klucz = tekst::KluczKrotki(slowo);
  const auto it = std::lower_bound(Klucze.begin(), Klucze.end(), klucz,
                                   [](const Klucz& a, uint64_t k) { return a.klucz < k; });
  if (klucz == 0 || it == Klucze.end() || it->klucz != klucz) return {};
  return {true, it->kod, it->slowo};
}

bool JestDyrektywa(Slowo s) { return s >= Slowo::Db; }

bool DefiniujeWartosc(Slowo s) {
  switch (s) {
    case Slowo::Equ:
    case Slowo::Set:
    case Slowo::Data:
    case Slowo::Idata:
    case Slowo::Xdata:
    case Slowo::Code:
    case Slowo::Bit: return true;
    default: return false;
  }
}

}  // namespace kelbra
