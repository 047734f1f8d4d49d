#pragma once
// The words of the language: 44 instruction mnemonics and 13 directives.

#include <cstdint>
#include <string_view>

namespace kelbra {

enum class Slowo : uint8_t {
  Brak,  // the empty word: a row with a label only
  // instructions
  Acall, Add, Addc, Anl, Ajmp, Clr, Cpl, Cjne, Da, Dec, Div, Djnz, Inc, Jb, Jc, Jbc, Jnb, Jnc, Jmp, Jz, Jnz,
  Lcall, Ljmp, Mov, Movc, Movx, Mul, Nop, Orl, Push, Pop, Ret, Reti, Rl, Rlc, Rr, Rrc, Setb, Subb, Swap, Sjmp,
  Xch, Xchd, Xrl,
  // directives
  Db, Xdata, Code, Data, Idata, Equ, Org, Set, Bit, Ds, Dbit, Dw, End,
};

struct KodSlowa {
  bool znane = false;
  int32_t kod = 0;
  Slowo slowo = Slowo::Brak;
};

// Looks the word up in lower case. The code is the product of the letters'
// character codes (32-bit, wrapping), plus 1 for "rlc" so that it differs
// from "clr"; the empty word is known with code 32.
KodSlowa KodMnemonika(std::string_view slowo);

bool JestDyrektywa(Slowo s);
// Directives whose row holds the value they define in its Adres cell, not
// the address of any code.
bool DefiniujeWartosc(Slowo s);

}  // namespace kelbra
