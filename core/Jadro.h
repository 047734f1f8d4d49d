#pragma once
// The emulated 8051: four memory spaces, the program counter and the run
// bookkeeping in one plain record that every part of the program indexes
// directly, and the machine clock. The reset lives in Jadro.cpp; the executor, the timers and the
// interrupts in Wykonanie.cpp.

#include <array>
#include <cstdint>
#include <string>

namespace kelbra {

// Direct addresses of the SFRs the core itself uses.
namespace sfr {
inline constexpr uint8_t P0 = 0x80;
inline constexpr uint8_t SP = 0x81;
inline constexpr uint8_t DPL = 0x82;
inline constexpr uint8_t DPH = 0x83;
inline constexpr uint8_t PCON = 0x87;
inline constexpr uint8_t TCON = 0x88;
inline constexpr uint8_t TMOD = 0x89;
inline constexpr uint8_t TL0 = 0x8A;
inline constexpr uint8_t TL1 = 0x8B;
inline constexpr uint8_t TH0 = 0x8C;
inline constexpr uint8_t TH1 = 0x8D;
inline constexpr uint8_t P1 = 0x90;
inline constexpr uint8_t SCON = 0x98;
inline constexpr uint8_t SBUF = 0x99;
inline constexpr uint8_t P2 = 0xA0;
inline constexpr uint8_t IE = 0xA8;
inline constexpr uint8_t P3 = 0xB0;
inline constexpr uint8_t IP = 0xB8;
inline constexpr uint8_t PSW = 0xD0;
inline constexpr uint8_t ACC = 0xE0;
inline constexpr uint8_t B = 0xF0;
}  // namespace sfr

// PSW bits.
namespace psw {
inline constexpr uint8_t CY = 0x80;
inline constexpr uint8_t AC = 0x40;
inline constexpr uint8_t F0 = 0x20;
inline constexpr uint8_t RS1 = 0x10;
inline constexpr uint8_t RS0 = 0x08;
inline constexpr uint8_t OV = 0x04;
inline constexpr uint8_t P = 0x01;
}  // namespace psw

// Where MOVX writes go after they are stored into XDATA. The board
// implements it to drive the LCD; the value returned is added to the
// instruction's cycles.
class ZapisXdata {
 public:
  virtual int32_t LcdZapis(uint16_t adres, uint8_t wartosc) = 0;

 protected:
  ~ZapisXdata() = default;
};

// The hook a core starts with: ignores every write and costs nothing.
ZapisXdata& BrakZapisuXdata();

// Operand order of MOV direct,direct (85h). A program assembled here puts
// the destination first and the core decodes it so; an image made for a real
// chip (by another tool, or written out by the batch runner) puts the source
// first, as the data sheet does. The order is chosen by where CODE came from
// and holds for the whole run.
enum class KolejnoscMov85 : uint8_t { CelZrodlo, ZrodloCel };

struct Jadro {
  // Bit addresses and vectors fixed for the life of the core.
  static constexpr uint8_t BitCY = 0xD7;
  static constexpr uint8_t BitAC = 0xD6;
  static constexpr uint16_t WektorT0 = 0x000B;
  static constexpr uint16_t WektorT1 = 0x001B;
  // The board's input bytes in XDATA.
  static constexpr uint16_t AdresKlStatycznych = 0xFFB0;
  static constexpr uint16_t AdresKlDynamicznych0 = 0xFFE1;
  static constexpr uint16_t AdresKlDynamicznych1 = 0xFFE2;

  // 00h-7Fh internal RAM, 80h-FFh the SFR area (plain bytes).
  std::array<uint8_t, 256> Data{};
  // Upper indirect RAM; only indexes 80h-FFh are used.
  std::array<uint8_t, 256> IdataGorna{};
  std::array<uint8_t, 65536> Code{};
  std::array<uint8_t, 65536> Xdata{};

  uint16_t PC = 0;
  // The machine's clock: machine cycles since the last board reset, advanced
  // by every step. Everything that tells the time (the status line, the
  // serial line, the batch runner's checks, the step history) reads it here.
  uint64_t Cykle = 0;

  ZapisXdata* Plytka = &BrakZapisuXdata();
  // Not touched by the reset: it belongs to the program in CODE.
  KolejnoscMov85 Mov85 = KolejnoscMov85::CelZrodlo;

  void ResetJadra();

  uint8_t AdresBanku() const { return Data[sfr::PSW] & 0x18; }
  uint8_t& Rejestr(unsigned n) { return Data[AdresBanku() + (n & 7)]; }

  // Byte holding bit address b, and the mask of the bit in it.
  static constexpr uint8_t AdresBajtuBitu(uint8_t b) {
    return b < 0x80 ? static_cast<uint8_t>(0x20 + (b >> 3)) : static_cast<uint8_t>(b & 0xF8);
  }
  static constexpr uint8_t MaskaBitu(uint8_t b) { return static_cast<uint8_t>(1u << (b & 7)); }

  int CzytajBit(uint8_t b) const { return (Data[AdresBajtuBitu(b)] & MaskaBitu(b)) ? 1 : 0; }
  void UstawBit(uint8_t b) { Data[AdresBajtuBitu(b)] |= MaskaBitu(b); }
  void ZerujBit(uint8_t b) { Data[AdresBajtuBitu(b)] &= static_cast<uint8_t>(~MaskaBitu(b)); }

  // Indirect addressing: 00h-7Fh is DATA, 80h-FFh the upper IDATA half.
  uint8_t& Idata(uint8_t a) { return a < 0x80 ? Data[a] : IdataGorna[a]; }

  uint16_t DPTR() const { return static_cast<uint16_t>(Data[sfr::DPH] << 8 | Data[sfr::DPL]); }

  // Executes the instruction at PC; returns its machine cycles.
  int32_t WykonajRozkaz();
  // Advances timer 0, then timer 1, by n machine cycles.
  void TimeryPoKroku(int32_t n);
  // Enters pending, enabled timer interrupts.
  void SprawdzPrzerwania();
  // One instruction, then the timers, then the interrupts; the clock moves
  // on by the instruction's cycles, which are returned.
  int32_t KrokJadra();
};

// Runs every opcode value once on the live state and describes how many
// the executor implements, e.g. "Obslugiwanych rozkazow: 255 z 256 --> 99,60%".
std::string TestJadra(Jadro& j);

}  // namespace kelbra
