#include "Slownik.h"

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

}  // namespace

KodSlowa KodMnemonika(std::string_view slowo) {
  if (slowo.empty()) return {true, 32, Slowo::Brak};
  // No word of the table is longer than five letters.
  if (slowo.size() > 5) return {};
  char male[5];
  for (size_t i = 0; i < slowo.size(); ++i) male[i] = tekst::Mala(slowo[i]);
  const std::string_view m(male, slowo.size());
  for (const Wpis& w : Slowa) {
    if (w.tekst != m) continue;
    uint32_t kod = 1;
    for (char c : m) kod *= static_cast<uint8_t>(c);
    if (w.slowo == Slowo::Rlc) kod += 1;
    return {true, static_cast<int32_t>(kod), w.slowo};
  }
  return {};
}

bool JestDyrektywa(Slowo s) { return s >= Slowo::Db; }

}  // namespace kelbra
