#pragma once
// Random programs for the step-back tests, and the whole machine state as a
// value to compare. A structured program keeps running through its parts
// (timer interrupts ending in RETI, a called subroutine, MOVX writes to the
// LCD addresses and elsewhere, relative jumps nearby); a chaotic one is
// random bytes over all of CODE, so every opcode meets every operand.

#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "Jadro.h"
#include "TablicaRozkazow.h"

namespace kelbra::test {

enum class RodzajProgramu { Uporzadkowany, Chaos };

// Internal RAM, SFRs, PC and the clock as one number (FNV-1a), cheap
// enough for every step; the board's tests fold more into it.
struct Odcisk {
  uint64_t h = 1469598103934665603ull;
  void operator()(uint64_t v) { h = (h ^ v) * 1099511628211ull; }
  explicit Odcisk(const Jadro& j) {
    for (uint8_t b : j.Data) (*this)(b);
    for (size_t a = 0x80; a < 0x100; ++a) (*this)(j.IdataGorna[a]);
    for (uint64_t v : {uint64_t{j.PC}, j.Cykle}) (*this)(v);
  }
};

class LosowyProgram {
 public:
  explicit LosowyProgram(uint32_t ziarno) : los_(ziarno) {}

  void Zapisz(Jadro& j, RodzajProgramu rodzaj) {
    j.ResetJadra();
    // Random RAM and XDATA, so that reads see something to move about.
    for (auto& b : j.Data) b = Bajt();
    for (auto& b : j.IdataGorna) b = Bajt();
    for (auto& b : j.Xdata) b = Bajt();
    j.ResetJadra();
    for (uint8_t a : {sfr::ACC, sfr::B, sfr::DPL, sfr::DPH, sfr::PSW}) j.Data[a] = Bajt();
    if (rodzaj == RodzajProgramu::Chaos) {
      for (auto& b : j.Code) b = Bajt();
      return;
    }
    j.Code.fill(0);
    std::vector<uint8_t> k;
    // 0000h: LJMP 0100h
    Umiesc(j, 0x0000, {0x02, 0x01, 0x00});
    // 000Bh: timer 0 interrupt, saving what it uses and working in bank 1;
    // 001Bh: timer 1 in bank 2. Both jump on to room enough.
    k = {0xC0, 0xE0, 0xC0, 0xD0, 0xC0, 0x82, 0xC0, 0x83,  // PUSH ACC, PSW, DPL, DPH
         0x75, 0xD0, 0x08};                               // MOV PSW,#08h
    for (int i = 0; i < 6; ++i) Rozkaz(k);
    k.insert(k.end(), {0xD0, 0x83, 0xD0, 0x82, 0xD0, 0xD0, 0xD0, 0xE0, 0x32});  // POPs, RETI
    Umiesc(j, 0x000B, {0x02, 0x00, 0x40});
    Umiesc(j, 0x0040, k);
    k = {0xC0, 0xD0, 0x75, 0xD0, 0x10, 0x05, 0x31};  // PUSH PSW, MOV PSW,#10h, INC 31h
    for (int i = 0; i < 3; ++i) Rozkaz(k);
    k.insert(k.end(), {0xD0, 0xD0, 0x32});  // POP PSW, RETI
    Umiesc(j, 0x001B, {0x02, 0x00, 0xA0});
    Umiesc(j, 0x00A0, k);
    // 00E0h: a subroutine.
    k.clear();
    for (int i = 0; i < 4; ++i) Rozkaz(k);
    k.push_back(0x22);
    Umiesc(j, 0x00E0, k);
    // 0100h: timers and interrupts on, then the main loop.
    const uint8_t tryby[] = {0x02, 0x12, 0x20, 0x21, 0x22};  // at least one auto-reload timer
    k = {0x75, 0x81, static_cast<uint8_t>(0xB0 + Z(0x20)),  // MOV SP,#: upper IDATA, out of direct reach
         0x75, 0x89, tryby[Z(sizeof tryby)],                 // MOV TMOD,#
         0x75, 0x8C, Niski(), 0x75, 0x8D, Niski(),           // MOV TH0,#  MOV TH1,#
         0x75, 0xA8, 0x8A,                                   // MOV IE,#8Ah
         0x75, 0x88, 0x50};                                  // MOV TCON,#50h
    const size_t petla = 0x0100 + k.size();
    for (int i = 0; i < 60; ++i) Rozkaz(k, true);
    k.insert(k.end(), {0x02, static_cast<uint8_t>(petla >> 8), static_cast<uint8_t>(petla)});
    Umiesc(j, 0x0100, k);
  }

 private:
  uint8_t Bajt() { return static_cast<uint8_t>(los_()); }
  // A reload value low enough that the interrupt routine ends before the
  // next overflow in the auto-reload mode.
  uint8_t Niski() { return static_cast<uint8_t>(los_() & 0x7F); }
  unsigned Z(unsigned n) { return static_cast<unsigned>(los_() % n); }
  static void Umiesc(Jadro& j, uint16_t adres, const std::vector<uint8_t>& bajty) {
    for (size_t i = 0; i < bajty.size(); ++i) j.Code[static_cast<uint16_t>(adres + i)] = bajty[i];
  }

  // One instruction of the structured programs. Direct addresses avoid SP,
  // IE, TCON and TMOD often enough that the program keeps its shape, but
  // not always: a wild write is part of the test too.
  void Rozkaz(std::vector<uint8_t>& k, bool wywolania = false) {
    auto bezposredni = [&]() -> uint8_t {
      static constexpr uint8_t Sfr[] = {0xE0, 0xF0, 0xD0, 0x82, 0x83, 0x90, 0xA0, 0x8A, 0x8C, 0x98, 0x99};
      return Z(4) == 0 ? Sfr[Z(sizeof Sfr)] : static_cast<uint8_t>(Z(0x80));
    };
    switch (Z(10)) {
      case 0:
      case 1: {  // MOVX to the LCD, to the key bytes or anywhere
        static constexpr uint16_t Adresy[] = {0xFFF0, 0xFFF2, 0xFFF2, 0xFFF1, 0xFFF3, 0xFFB0, 0x1234};
        const uint16_t a = Z(3) == 0 ? static_cast<uint16_t>(los_()) : Adresy[Z(sizeof Adresy / 2)];
        k.insert(k.end(), {0x90, static_cast<uint8_t>(a >> 8), static_cast<uint8_t>(a), 0x74, Bajt(), 0xF0});
        if (Z(4) == 0) k.insert(k.end(), {0xE0});  // MOVX A,@DPTR
        break;
      }
      case 2:  // a call (from the main loop only), or a short hop forward over a NOP
        if (wywolania && Z(2)) k.insert(k.end(), {0x12, 0x00, 0xE0});
        else k.insert(k.end(), {static_cast<uint8_t>(0x40 + 0x10 * Z(4)), 0x01, 0x00});  // JC/JNC/JZ/JNZ +1
        break;
      case 3:  // DJNZ on a register, back over itself (main loop only)
        if (!wywolania) break;
        k.insert(k.end(), {static_cast<uint8_t>(0x78 + Z(8)), static_cast<uint8_t>(1 + Z(4))});
        k.insert(k.end(), {static_cast<uint8_t>(0xD8 + (k[k.size() - 2] & 7)), 0xFE});
        break;
      default: {  // any opcode but the ones that leave the program or unbalance the stack
        uint8_t op;
        do op = Bajt();
        while ((op & 0x0F) == 0x01 || op == 0x02 || op == 0x12 || op == 0x22 || op == 0x32 || op == 0x73 ||
               op == 0x80 || (op & 0x0F) == 0x00 || op == 0xB4 || op == 0xB5 || (op & 0xF8) == 0xB8 ||
               op == 0xB6 || op == 0xB7 || op == 0xD5 || (op & 0xF8) == 0xD8 || op == 0xC0 || op == 0xD0);
        k.push_back(op);
        const int dlugosc = DlugoscRozkazu[op];
        if (dlugosc >= 2) k.push_back(bezposredni());
        if (dlugosc == 3) k.push_back(Bajt());
        break;
      }
    }
  }

  std::mt19937 los_;
};

}  // namespace kelbra::test
