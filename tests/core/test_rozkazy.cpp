// Every opcode value runs here at least once: one table of cases, each a few
// bytes of program, the state before, the bytes expected to change, the PC
// afterwards and the cycles. Any byte of any memory that is not listed as
// changing must keep its value, so each case also checks the flags and
// memory an instruction must leave alone.

#include <gtest/gtest.h>

#include <bit>
#include <set>

#include "StanTestowy.h"
#include "TablicaRozkazow.h"

namespace kelbra::test {
namespace {

struct Przypadek {
  std::string nazwa;
  std::vector<uint8_t> kod;
  std::vector<Bajt> przed;
  std::vector<Bajt> po;
  uint16_t pc;
  int cykle;
  uint16_t adres = 0x0100;
};

std::ostream& operator<<(std::ostream& os, const Przypadek& p) { return os << p.nazwa; }

constexpr uint16_t Start = 0x0100;
constexpr uint8_t Bank1 = 0x08;

// The A,x operand forms by the opcode's low nibble: #data, direct, @R0, @R1,
// R0-R7. Registers live in bank 1; @R0 points into the upper IDATA half.
struct Forma {
  std::vector<uint8_t> kod;
  std::vector<Bajt> przed;
  std::string opis;
};

Forma FormaOperandu(uint8_t op, uint8_t x) {
  switch (op & 0x0F) {
    case 0x4: return {{op, x}, {}, "#data"};
    case 0x5: return {{op, 0x30}, {D(0x30, x)}, "direct"};
    case 0x6: return {{op}, {D(Bank1 + 0, 0x90), I(0x90, x)}, "@R0"};
    case 0x7: return {{op}, {D(Bank1 + 1, 0x3A), D(0x3A, x)}, "@R1"};
    default: {
      const int n = op & 7;
      return {{op}, {D(static_cast<uint16_t>(Bank1 + n), x)}, std::string{'R', static_cast<char>('0' + n)}};
    }
  }
}

// One case per operand form of an A,x family (opcodes base+4 ... base+F).
void RodzinaAkumulatora(std::vector<Przypadek>& t, const std::string& nazwa, uint8_t base, uint8_t a, uint8_t x,
                        uint8_t pswPrzed, uint8_t wynik, uint8_t pswPo) {
  for (int low = 4; low < 16; ++low) {
    const uint8_t op = static_cast<uint8_t>(base + low);
    Forma f = FormaOperandu(op, x);
    f.przed.push_back(A(a));
    f.przed.push_back(Psw(static_cast<uint8_t>(pswPrzed | Bank1)));
    t.push_back({nazwa + " A," + f.opis, f.kod, f.przed, {A(wynik), Psw(static_cast<uint8_t>(pswPo | Bank1))},
                 static_cast<uint16_t>(Start + f.kod.size()), 1});
  }
}

std::vector<Przypadek> Przypadki() {
  std::vector<Przypadek> t;
  const uint8_t CY = psw::CY, AC = psw::AC, OV = psw::OV, F0 = psw::F0;

  t.push_back({"NOP", {0x00}, {}, {}, 0x0101, 1});
  t.push_back({"A5h does nothing", {0xA5}, {A(0x33), Psw(CY)}, {}, 0x0101, 0});

  // aaa0 0001 AJMP and aaa1 0001 ACALL: page of the opcode's own address
  for (int aaa = 0; aaa < 8; ++aaa) {
    const uint8_t ajmp = static_cast<uint8_t>(aaa << 5 | 0x01);
    const uint8_t acall = static_cast<uint8_t>(aaa << 5 | 0x11);
    const uint16_t cel = static_cast<uint16_t>(0x2800 + aaa * 0x100 + 0x34);
    t.push_back({"AJMP page " + std::to_string(aaa), {ajmp, 0x34}, {}, {}, cel, 2, 0x2C00});
    t.push_back({"ACALL page " + std::to_string(aaa), {acall, 0x34}, {Sp(0x30)},
                 {Sp(0x32), D(0x31, 0x02), D(0x32, 0x2C)}, cel, 2, 0x2C00});
  }
  t.push_back({"AJMP at 07FFh stays in page 0", {0x01, 0x10}, {}, {}, 0x0010, 2, 0x07FF});
  t.push_back({"LJMP", {0x02, 0x12, 0x34}, {}, {}, 0x1234, 2});
  t.push_back({"LCALL pushes low byte first", {0x12, 0x80, 0x00}, {},
               {Sp(0x09), D(0x08, 0x03), D(0x09, 0x01)}, 0x8000, 2});
  t.push_back({"LCALL with the stack above 7Fh", {0x12, 0x80, 0x00}, {Sp(0x7F)},
               {Sp(0x81), I(0x80, 0x03), I(0x81, 0x01)}, 0x8000, 2});
  t.push_back({"RET pops high byte first", {0x22}, {Sp(0x09), D(0x08, 0x34), D(0x09, 0x12)}, {Sp(0x07)}, 0x1234, 2});
  t.push_back({"RETI as RET", {0x32}, {Sp(0x81), I(0x80, 0x78), I(0x81, 0x56)}, {Sp(0x7F)}, 0x5678, 2});

  t.push_back({"RR A", {0x03}, {A(0x81), Psw(CY)}, {A(0xC0)}, 0x0101, 1});
  t.push_back({"RRC A", {0x13}, {A(0x81)}, {A(0x40), Psw(CY)}, 0x0101, 1});
  t.push_back({"RL A", {0x23}, {A(0x81)}, {A(0x03)}, 0x0101, 1});
  t.push_back({"RLC A", {0x33}, {A(0x41), Psw(CY)}, {A(0x83), Psw(0)}, 0x0101, 1});

  t.push_back({"INC A wraps", {0x04}, {A(0xFF), Psw(CY | AC | OV)}, {A(0x00)}, 0x0101, 1});
  t.push_back({"INC direct", {0x05, 0x40}, {D(0x40, 0x7F)}, {D(0x40, 0x80)}, 0x0102, 1});
  t.push_back({"INC @R0 upper IDATA", {0x06}, {R(0, 0x90), I(0x90, 0x01)}, {I(0x90, 0x02)}, 0x0101, 1});
  t.push_back({"INC @R1", {0x07}, {R(1, 0x20), D(0x20, 0xFF)}, {D(0x20, 0x00)}, 0x0101, 1});
  t.push_back({"DEC A wraps", {0x14}, {A(0x00)}, {A(0xFF)}, 0x0101, 1});
  t.push_back({"DEC direct", {0x15, 0x90}, {}, {D(0x90, 0xFE)}, 0x0102, 1});
  t.push_back({"DEC @R0", {0x16}, {R(0, 0x7F), D(0x7F, 0x10)}, {D(0x7F, 0x0F)}, 0x0101, 1});
  t.push_back({"DEC @R1 upper IDATA", {0x17}, {R(1, 0xFF), I(0xFF, 0x00)}, {I(0xFF, 0xFF)}, 0x0101, 1});
  for (int n = 0; n < 8; ++n) {
    const uint16_t r = static_cast<uint16_t>(0x18 + n);  // bank 3
    t.push_back({"INC R" + std::to_string(n), {static_cast<uint8_t>(0x08 + n)}, {Psw(0x18), D(r, 0x41)},
                 {D(r, 0x42)}, 0x0101, 1});
    t.push_back({"DEC R" + std::to_string(n), {static_cast<uint8_t>(0x18 + n)}, {Psw(0x18), D(r, 0x41)},
                 {D(r, 0x40)}, 0x0101, 1});
  }

  // Conditional jumps: rel counts from the next instruction
  t.push_back({"JBC set bit: clears and jumps", {0x10, 0x00, 0x10}, {D(0x20, 0x81)}, {D(0x20, 0x80)}, 0x0113, 2});
  t.push_back({"JBC clear bit falls through", {0x10, 0x01, 0x10}, {D(0x20, 0x81)}, {}, 0x0103, 2});
  t.push_back({"JB taken backwards", {0x20, 0xE7, 0xFD}, {A(0x80)}, {}, 0x0100, 2});
  t.push_back({"JB not taken", {0x20, 0xE0, 0xFD}, {A(0x80)}, {}, 0x0103, 2});
  t.push_back({"JNB taken", {0x30, 0x97, 0x7F}, {D(0x90, 0x7F)}, {}, 0x0182, 2});
  t.push_back({"JNB not taken", {0x30, 0x97, 0x7F}, {}, {}, 0x0103, 2});
  t.push_back({"JC taken", {0x40, 0x80}, {Psw(CY)}, {}, 0x0082, 2});
  t.push_back({"JC not taken", {0x40, 0x80}, {}, {}, 0x0102, 2});
  t.push_back({"JNC taken", {0x50, 0x02}, {}, {}, 0x0104, 2});
  t.push_back({"JZ taken", {0x60, 0x02}, {}, {}, 0x0104, 2});
  t.push_back({"JZ not taken", {0x60, 0x02}, {A(0x01)}, {}, 0x0102, 2});
  t.push_back({"JNZ taken", {0x70, 0xFE}, {A(0x01)}, {}, 0x0100, 2});
  t.push_back({"SJMP wraps below 0", {0x80, 0x80}, {}, {}, 0xFF82, 2, 0x0000});

  // Arithmetic families, every operand form
  RodzinaAkumulatora(t, "ADD", 0x20, 0x7F, 0x01, 0, 0x80, AC | OV);
  RodzinaAkumulatora(t, "ADDC", 0x30, 0xFF, 0x00, CY, 0x00, CY | AC);
  RodzinaAkumulatora(t, "SUBB", 0x90, 0x80, 0x7F, CY, 0x00, AC | OV);
  RodzinaAkumulatora(t, "ORL", 0x40, 0x0F, 0xF0, CY | AC | OV | F0, 0xFF, CY | AC | OV | F0);
  RodzinaAkumulatora(t, "ANL", 0x50, 0x3C, 0x0F, CY | OV, 0x0C, CY | OV);
  RodzinaAkumulatora(t, "XRL", 0x60, 0xFF, 0x0F, AC, 0xF0, AC);
  t.push_back({"ADD A,#data carry out", {0x24, 0x90}, {A(0x90)}, {A(0x20), Psw(CY | OV)}, 0x0102, 1});
  t.push_back({"ADDC A,#data carry in", {0x34, 0x0E}, {A(0x01), Psw(CY)}, {A(0x10), Psw(AC)}, 0x0102, 1});
  t.push_back({"SUBB A,#data borrow", {0x94, 0x80}, {A(0x00)}, {A(0x80), Psw(CY | OV)}, 0x0102, 1});
  t.push_back({"SUBB A,#data with carry", {0x94, 0x00}, {A(0x00), Psw(CY)}, {A(0xFF), Psw(CY | AC)}, 0x0102, 1});

  t.push_back({"ORL direct,A", {0x42, 0x90}, {A(0x01), D(0x90, 0xF0)}, {D(0x90, 0xF1)}, 0x0102, 1});
  t.push_back({"ORL direct,#data", {0x43, 0x30, 0x0F}, {D(0x30, 0x30)}, {D(0x30, 0x3F)}, 0x0103, 2});
  t.push_back({"ANL direct,A", {0x52, 0x30}, {A(0x0F), D(0x30, 0x3C)}, {D(0x30, 0x0C)}, 0x0102, 1});
  t.push_back({"ANL direct,#data", {0x53, 0xA0, 0x0F}, {}, {D(0xA0, 0x0F)}, 0x0103, 2});
  t.push_back({"XRL direct,A", {0x62, 0x30}, {A(0xFF), D(0x30, 0x0F)}, {D(0x30, 0xF0)}, 0x0102, 1});
  t.push_back({"XRL direct,#data", {0x63, 0xE0, 0x01}, {A(0x10)}, {A(0x11)}, 0x0103, 2});
  t.push_back({"ANL direct writes PSW", {0x53, 0xD0, 0x00}, {Psw(CY | AC | F0)}, {Psw(0)}, 0x0103, 2});

  // Boolean operations on the carry
  t.push_back({"ORL C,bit", {0x72, 0x00}, {D(0x20, 0x01)}, {Psw(CY)}, 0x0102, 1});
  t.push_back({"ANL C,bit", {0x82, 0x00}, {Psw(CY)}, {Psw(0)}, 0x0102, 1});
  t.push_back({"ORL C,/bit", {0xA0, 0x7F}, {}, {Psw(CY)}, 0x0102, 1});
  t.push_back({"ANL C,/bit", {0xB0, 0x7F}, {Psw(CY), D(0x2F, 0x80)}, {Psw(0)}, 0x0102, 1});
  t.push_back({"MOV bit,C sets", {0x92, 0x97}, {Psw(CY), D(0x90, 0x00)}, {D(0x90, 0x80)}, 0x0102, 1});
  t.push_back({"MOV bit,C clears", {0x92, 0x08}, {D(0x21, 0xFF)}, {D(0x21, 0xFE)}, 0x0102, 1});
  t.push_back({"MOV C,bit", {0xA2, 0xE7}, {A(0x80)}, {Psw(CY)}, 0x0102, 1});
  t.push_back({"CPL bit", {0xB2, 0x0F}, {D(0x21, 0x80)}, {D(0x21, 0x00)}, 0x0102, 1});
  t.push_back({"CPL C", {0xB3}, {}, {Psw(CY)}, 0x0101, 1});
  t.push_back({"CLR bit", {0xC2, 0xF3}, {D(0xF0, 0xFF)}, {D(0xF0, 0xF7)}, 0x0102, 1});
  t.push_back({"CLR C", {0xC3}, {Psw(CY | AC)}, {Psw(AC)}, 0x0101, 1});
  t.push_back({"SETB bit", {0xD2, 0x88}, {}, {D(0x88, 0x01)}, 0x0102, 1});
  t.push_back({"SETB C", {0xD3}, {}, {Psw(CY)}, 0x0101, 1});

  t.push_back({"JMP @A+DPTR wraps", {0x73}, {A(0x10), D(sfr::DPH, 0xFF), D(sfr::DPL, 0xF8)}, {}, 0x0008, 2});

  // Data transfer
  t.push_back({"MOV A,#data", {0x74, 0x07}, {}, {A(0x07)}, 0x0102, 1});
  t.push_back({"MOV direct,#data", {0x75, 0x81, 0x50}, {}, {Sp(0x50)}, 0x0103, 2});
  t.push_back({"MOV @R0,#data upper", {0x76, 0x55}, {R(0, 0x90)}, {I(0x90, 0x55)}, 0x0102, 1});
  t.push_back({"MOV @R1,#data", {0x77, 0x55}, {R(1, 0x7F)}, {D(0x7F, 0x55)}, 0x0102, 1});
  for (int n = 0; n < 8; ++n) {
    const auto s = std::to_string(n);
    const uint8_t nn = static_cast<uint8_t>(n);
    t.push_back({"MOV R" + s + ",#data", {static_cast<uint8_t>(0x78 + n), 0xA0}, {Psw(Bank1)},
                 {D(static_cast<uint16_t>(Bank1 + n), 0xA0)}, 0x0102, 2});
    t.push_back({"MOV direct,R" + s, {static_cast<uint8_t>(0x88 + n), 0x40}, {R(n, static_cast<uint8_t>(0x11 + nn))},
                 {D(0x40, static_cast<uint8_t>(0x11 + nn))}, 0x0102, 2});
    t.push_back({"MOV R" + s + ",direct", {static_cast<uint8_t>(0xA8 + n), 0x90}, {Psw(0x10)},
                 {D(static_cast<uint16_t>(0x10 + n), 0xFF)}, 0x0102, 2});
    t.push_back({"CJNE R" + s + ",#data less", {static_cast<uint8_t>(0xB8 + n), 0x20, 0x05},
                 {R(n, 0x10)}, {Psw(CY)}, 0x0108, 2});
    t.push_back({"XCH A,R" + s, {static_cast<uint8_t>(0xC8 + n)}, {A(0x01), R(n, 0x03)}, {A(0x03), R(n, 0x01)},
                 0x0101, 1});
    t.push_back({"DJNZ R" + s + " to zero", {static_cast<uint8_t>(0xD8 + n), 0xFE}, {R(n, 0x01)}, {R(n, 0x00)},
                 0x0102, 2});
    t.push_back({"MOV A,R" + s, {static_cast<uint8_t>(0xE8 + n)}, {R(n, 0x03)}, {A(0x03)}, 0x0101, 1});
    t.push_back({"MOV R" + s + ",A", {static_cast<uint8_t>(0xF8 + n)}, {A(0x80), Psw(0x18)},
                 {D(static_cast<uint16_t>(0x18 + n), 0x80)}, 0x0101, 1});
  }
  t.push_back({"MOVC A,@A+PC", {0x83}, {A(0x05), K(0x0106, 0x77)}, {A(0x77)}, 0x0101, 2});
  t.push_back({"MOVC A,@A+PC wraps", {0x83}, {A(0x02), K(0x0002, 0x99)}, {A(0x99)}, 0x0000, 2, 0xFFFF});
  t.push_back({"MOVC A,@A+DPTR", {0x93}, {A(0x05), D(sfr::DPH, 0x20), K(0x2005, 0xA5)}, {A(0xA5)}, 0x0101, 2});
  t.push_back({"DIV AB", {0x84}, {A(251), D(sfr::B, 18), Psw(CY | OV)}, {A(13), D(sfr::B, 17), Psw(0)}, 0x0101, 4});
  t.push_back({"DIV AB by zero", {0x84}, {A(0x12), Psw(CY)}, {Psw(CY | OV)}, 0x0101, 4});
  t.push_back({"MUL AB", {0xA4}, {A(0x10), D(sfr::B, 0x10), Psw(CY)}, {A(0x00), D(sfr::B, 0x01), Psw(OV)}, 0x0101,
               4});
  t.push_back({"MUL AB small", {0xA4}, {A(0x05), D(sfr::B, 0x07), Psw(OV)}, {A(35), D(sfr::B, 0), Psw(0)}, 0x0101, 4});
  t.push_back({"MOV direct,direct: destination first", {0x85, 0x30, 0x40}, {D(0x40, 0x5A)}, {D(0x30, 0x5A)}, 0x0103,
               2});
  t.push_back({"MOV direct,@R0", {0x86, 0x30}, {R(0, 0x90), I(0x90, 0x12)}, {D(0x30, 0x12)}, 0x0102, 2});
  t.push_back({"MOV direct,@R1", {0x87, 0xE0}, {R(1, 0x31), D(0x31, 0x01)}, {A(0x01)}, 0x0102, 2});
  t.push_back({"MOV DPTR,#data16", {0x90, 0x12, 0x34}, {}, {D(sfr::DPH, 0x12), D(sfr::DPL, 0x34)}, 0x0103, 2});
  t.push_back({"INC DPTR carries", {0xA3}, {D(sfr::DPL, 0xFF), D(sfr::DPH, 0x12)},
               {D(sfr::DPL, 0x00), D(sfr::DPH, 0x13)}, 0x0101, 2});
  t.push_back({"INC DPTR wraps", {0xA3}, {D(sfr::DPL, 0xFF), D(sfr::DPH, 0xFF)},
               {D(sfr::DPL, 0x00), D(sfr::DPH, 0x00)}, 0x0101, 2});
  t.push_back({"MOV @R0,direct", {0xA6, 0x90}, {R(0, 0xA0)}, {I(0xA0, 0xFF)}, 0x0102, 2});
  t.push_back({"MOV @R1,direct", {0xA7, 0x40}, {R(1, 0x41), D(0x40, 0x66)}, {D(0x41, 0x66)}, 0x0102, 2});

  t.push_back({"CJNE A,#data less, jumps", {0xB4, 0x20, 0x10}, {A(0x10)}, {Psw(CY)}, 0x0113, 2});
  t.push_back({"CJNE A,#data equal", {0xB4, 0x20, 0x10}, {A(0x20), Psw(CY)}, {Psw(0)}, 0x0103, 2});
  t.push_back({"CJNE A,direct greater", {0xB5, 0x30, 0xFD}, {A(0x21), D(0x30, 0x20), Psw(CY)}, {Psw(0)}, 0x0100,
               2});
  t.push_back({"CJNE @R0,#data upper", {0xB6, 0x05, 0x02}, {R(0, 0x90), I(0x90, 0x04)}, {Psw(CY)}, 0x0105, 2});
  t.push_back({"CJNE @R1,#data equal", {0xB7, 0x05, 0x02}, {R(1, 0x30), D(0x30, 0x05)}, {}, 0x0103, 2});

  t.push_back({"PUSH direct", {0xC0, 0xE0}, {A(0x42)}, {Sp(0x08), D(0x08, 0x42)}, 0x0102, 2});
  t.push_back({"PUSH past 7Fh", {0xC0, 0x30}, {Sp(0x7F), D(0x30, 0x99)}, {Sp(0x80), I(0x80, 0x99)}, 0x0102, 2});
  t.push_back({"POP direct", {0xD0, 0x30}, {Sp(0x80), I(0x80, 0x99)}, {Sp(0x7F), D(0x30, 0x99)}, 0x0102, 2});

  t.push_back({"SWAP A", {0xC4}, {A(0x12)}, {A(0x21)}, 0x0101, 1});
  t.push_back({"XCH A,direct", {0xC5, 0x30}, {A(0x01), D(0x30, 0x02)}, {A(0x02), D(0x30, 0x01)}, 0x0102, 1});
  t.push_back({"XCH A,@R0 upper, not P1", {0xC6}, {A(0x01), R(0, 0x90), I(0x90, 0x03)}, {A(0x03), I(0x90, 0x01)},
               0x0101, 1});
  t.push_back({"XCH A,@R1", {0xC7}, {A(0x01), R(1, 0x30), D(0x30, 0x03)}, {A(0x03), D(0x30, 0x01)}, 0x0101, 1});
  t.push_back({"XCHD A,@R0", {0xD6}, {A(0x12), R(0, 0x90), I(0x90, 0x34)}, {A(0x14), I(0x90, 0x32)}, 0x0101, 1});
  t.push_back({"XCHD A,@R1", {0xD7}, {A(0xAB), R(1, 0x30), D(0x30, 0xCD)}, {A(0xAD), D(0x30, 0xCB)}, 0x0101, 1});
  t.push_back({"DA A both nibbles", {0xD4}, {A(0x9A)}, {A(0x00), Psw(CY)}, 0x0101, 1});
  t.push_back({"DA A after AC", {0xD4}, {A(0x12), Psw(AC)}, {A(0x18)}, 0x0101, 1});
  t.push_back({"DA A keeps a set CY", {0xD4}, {A(0x11), Psw(CY)}, {A(0x71)}, 0x0101, 1});
  t.push_back({"DJNZ direct jumps", {0xD5, 0x30, 0xFD}, {D(0x30, 0x00)}, {D(0x30, 0xFF)}, 0x0100, 2});

  t.push_back({"MOVX A,@DPTR", {0xE0}, {D(sfr::DPH, 0xFF), D(sfr::DPL, 0xB0), X(0xFFB0, 0xFA)}, {A(0xFA)}, 0x0101,
               2});
  t.push_back({"MOVX A,@R0 uses P2", {0xE2}, {R(0, 0x10), D(sfr::P2, 0x20), X(0x2010, 0x5A)}, {A(0x5A)}, 0x0101, 2});
  t.push_back({"MOVX A,@R1", {0xE3}, {R(1, 0xF1), X(0xFFF1, 0x40)}, {A(0x40)}, 0x0101, 2});
  t.push_back({"CLR A", {0xE4}, {A(0x01), Psw(CY | 1)}, {A(0x00), Psw(CY)}, 0x0101, 1});
  t.push_back({"MOV A,direct", {0xE5, 0x81}, {}, {A(0x07)}, 0x0102, 1});
  t.push_back({"MOV A,@R0 upper", {0xE6}, {R(0, 0x80), I(0x80, 0x0B)}, {A(0x0B)}, 0x0101, 1});
  t.push_back({"MOV A,@R1 reads R1 itself", {0xE7}, {R(1, 0x01)}, {A(0x01)}, 0x0101, 1});
  t.push_back({"MOVX @DPTR,A", {0xF0}, {A(0x38), D(sfr::DPH, 0xFF), D(sfr::DPL, 0xF0)}, {X(0xFFF0, 0x38)}, 0x0101,
               2});
  t.push_back({"MOVX @R0,A", {0xF2}, {A(0x41), R(0, 0xF2)}, {X(0xFFF2, 0x41)}, 0x0101, 2});
  t.push_back({"MOVX @R1,A", {0xF3}, {A(0x41), R(1, 0x00), D(sfr::P2, 0x00)}, {X(0x0000, 0x41)}, 0x0101, 2});
  t.push_back({"CPL A", {0xF4}, {A(0x0F)}, {A(0xF0)}, 0x0101, 1});
  t.push_back({"MOV direct,A", {0xF5, 0x90}, {A(0x0F)}, {D(0x90, 0x0F)}, 0x0102, 1});
  t.push_back({"MOV @R0,A upper", {0xF6}, {A(0x0F), R(0, 0xC0)}, {I(0xC0, 0x0F)}, 0x0101, 1});
  t.push_back({"MOV @R1,A", {0xF7}, {A(0x0F), R(1, 0x50)}, {D(0x50, 0x0F)}, 0x0101, 1});
  t.push_back({"MOV PSW switches bank", {0x75, 0xD0, 0x18}, {}, {Psw(0x18)}, 0x0103, 2});
  return t;
}

class Rozkaz : public ::testing::TestWithParam<Przypadek> {};

TEST_P(Rozkaz, WynikDlugoscICykle) {
  const Przypadek& p = GetParam();
  auto j = NowyJadro();
  for (size_t k = 0; k < p.kod.size(); ++k) j->Code[static_cast<uint16_t>(p.adres + k)] = p.kod[k];
  j->PC = p.adres;
  Zapisz(*j, p.przed);

  auto oczekiwany = std::make_unique<Jadro>(*j);
  Zapisz(*oczekiwany, p.po);
  oczekiwany->PC = p.pc;
  // P follows ACC after every instruction.
  uint8_t& pswO = oczekiwany->Data[sfr::PSW];
  pswO = static_cast<uint8_t>((pswO & ~psw::P) | (std::popcount(oczekiwany->Data[sfr::ACC]) & 1));

  const int32_t cykle = j->WykonajRozkaz();
  EXPECT_EQ(cykle, p.cykle);
  EXPECT_EQ(Roznice(*oczekiwany, *j), "");
}

std::string Nazwa(const ::testing::TestParamInfo<Przypadek>& info) {
  std::string s;
  for (char c : info.param.nazwa) s += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return std::to_string(info.index) + "_" + s;
}

INSTANTIATE_TEST_SUITE_P(Wszystkie, Rozkaz, ::testing::ValuesIn(Przypadki()), Nazwa);

TEST(TabelaRozkazow, KazdyKodMaPrzypadek) {
  std::set<int> kody;
  for (const auto& p : Przypadki()) kody.insert(p.kod.at(0));
  for (int op = 0; op < 256; ++op) EXPECT_TRUE(kody.count(op)) << "brak przypadku dla " << std::hex << op;
}

// Step over's rule against the executor: exactly the opcodes it takes for
// calls push the address after themselves, from the length table, and leave.
TEST(TabelaRozkazow, WywolaniaKladaAdresPoSobie) {
  for (int op = 0; op < 256; ++op) {
    auto jadro = std::make_unique<Jadro>();
    Jadro& j = *jadro;
    j.ResetJadra();
    j.PC = 0x1230;
    j.Code[0x1230] = static_cast<uint8_t>(op);
    j.Code[0x1231] = 0x40;
    j.Code[0x1232] = 0x50;
    j.WykonajRozkaz();
    const uint16_t powrot = static_cast<uint16_t>(0x1230 + DlugoscRozkazu[static_cast<size_t>(op)]);
    const bool polozyl = j.Data[sfr::SP] == 0x09 && j.Data[0x08] == (powrot & 0xFF) && j.Data[0x09] == (powrot >> 8);
    EXPECT_EQ(JestWywolaniem(static_cast<uint8_t>(op)), polozyl && j.PC != powrot) << std::hex << op;
  }
}

}  // namespace
}  // namespace kelbra::test
