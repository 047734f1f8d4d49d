// The executor: one switch over the opcode, operands read relative to the
// opcode's own address, lengths and cycles from TablicaRozkazow.h. Every
// store goes through the recorder Z: the plain path's recorder is a bare
// assignment, the step-back history's one notes the old byte first, so the
// choice costs nothing at run time.

#include "HistoriaJadra.h"
#include "Jadro.h"
#include "TablicaRozkazow.h"

namespace kelbra {

namespace {

using namespace sfr;

inline int8_t Wzgledny(uint8_t b) { return static_cast<int8_t>(b); }

template <class Z>
inline void Poloz(Jadro& j, Z& z, uint8_t v) {
  z.Zapisz(j.Data[SP], static_cast<uint8_t>(j.Data[SP] + 1));
  z.Zapisz(j.Idata(j.Data[SP]), v);
}

template <class Z>
inline uint8_t Zdejmij(Jadro& j, Z& z) {
  const uint8_t v = j.Idata(j.Data[SP]);
  z.Zapisz(j.Data[SP], static_cast<uint8_t>(j.Data[SP] - 1));
  return v;
}

// Return addresses go low byte first, so the high byte ends on top.
template <class Z>
inline void PolozAdres(Jadro& j, Z& z, uint16_t adres) {
  Poloz(j, z, static_cast<uint8_t>(adres));
  Poloz(j, z, static_cast<uint8_t>(adres >> 8));
}

template <class Z>
inline uint16_t ZdejmijAdres(Jadro& j, Z& z) {
  const uint8_t wysoki = Zdejmij(j, z);
  const uint8_t niski = Zdejmij(j, z);
  return static_cast<uint16_t>(wysoki << 8 | niski);
}

template <class Z>
inline void UstawFlagi(Jadro& j, Z& z, uint8_t maska, uint8_t wartosci) {
  z.Zapisz(j.Data[PSW], static_cast<uint8_t>((j.Data[PSW] & ~maska) | wartosci));
}

inline int Przeniesienie(const Jadro& j) { return (j.Data[PSW] & psw::CY) ? 1 : 0; }

template <class Z>
inline void UstawCY(Jadro& j, Z& z, bool cy) { UstawFlagi(j, z, psw::CY, cy ? psw::CY : 0); }

// ADD and ADDC; k is the carry sampled before anything changes.
template <class Z>
inline void Dodaj(Jadro& j, Z& z, uint8_t x, int k) {
  const unsigned a = j.Data[ACC];
  const unsigned suma = a + x + k;
  const unsigned siedem = (a & 0x7F) + (x & 0x7F) + k;
  const bool cy = suma > 0xFF;
  const bool ac = (a & 0x0F) + (x & 0x0F) + k > 0x0F;
  const bool ov = cy ? siedem < 0x80 : siedem > 0x7F;
  UstawFlagi(j, z, psw::CY | psw::AC | psw::OV,
             static_cast<uint8_t>((cy ? psw::CY : 0) | (ac ? psw::AC : 0) | (ov ? psw::OV : 0)));
  z.Zapisz(j.Data[ACC], static_cast<uint8_t>(suma));
}

template <class Z>
inline void Odejmij(Jadro& j, Z& z, uint8_t x) {
  const int k = Przeniesienie(j);
  const unsigned a = j.Data[ACC];
  const bool cy = a < x + static_cast<unsigned>(k);
  const bool ac = (a & 0x0F) < (x & 0x0Fu) + k;
  const bool b6 = (a & 0x7F) < (x & 0x7Fu) + k;
  const bool ov = b6 != cy;
  UstawFlagi(j, z, psw::CY | psw::AC | psw::OV,
             static_cast<uint8_t>((cy ? psw::CY : 0) | (ac ? psw::AC : 0) | (ov ? psw::OV : 0)));
  z.Zapisz(j.Data[ACC], static_cast<uint8_t>(a - x - k));
}

template <class Z>
inline void DziesietnaKorekta(Jadro& j, Z& z) {
  unsigned a = j.Data[ACC];
  bool cy = Przeniesienie(j) != 0;
  if ((a & 0x0F) > 9 || (j.Data[PSW] & psw::AC)) {
    if (a + 0x06 > 0xFF) cy = true;
    a = (a + 0x06) & 0xFF;
  }
  if ((a >> 4) > 9 || cy) {
    if (a + 0x60 > 0xFF) cy = true;
    a = (a + 0x60) & 0xFF;
  }
  UstawCY(j, z, cy);
  z.Zapisz(j.Data[ACC], static_cast<uint8_t>(a));
}

// One timer advanced by n cycles. The SFR addresses and bit positions differ
// between timer 0 and timer 1; everything else is shared.
struct OpisTimera {
  uint8_t tl, th;
  unsigned przesuniecieTmod;  // 0 for timer 0, 4 for timer 1
  uint8_t bitTR, bitTF;       // in TCON
  uint8_t bramkaP3;           // gate input in P3
};

inline constexpr OpisTimera Timer0{TL0, TH0, 0, 0x10, 0x20, 0x04};
inline constexpr OpisTimera Timer1{TL1, TH1, 4, 0x40, 0x80, 0x08};

template <class Z>
inline void KrokTimera(Jadro& j, Z& z, const OpisTimera& t, int32_t n) {
  const unsigned tryb = (j.Data[TMOD] >> t.przesuniecieTmod) & 0x0F;
  const bool bramka = tryb & 0x08;
  const bool licznik = tryb & 0x04;
  if (licznik || !(j.Data[TCON] & t.bitTR)) return;
  if (bramka && !(j.Data[P3] & t.bramkaP3)) return;
  uint8_t& tl = j.Data[t.tl];
  uint8_t& th = j.Data[t.th];
  const uint8_t stary = tl;
  auto przepelnienie = [&] { z.Zapisz(j.Data[TCON], static_cast<uint8_t>(j.Data[TCON] | t.bitTF)); };
  switch (tryb & 0x03) {
    case 0:  // 13 bits: TH holds the upper five
      z.Zapisz(tl, static_cast<uint8_t>(tl + n));
      if (tl < stary) {
        const unsigned nowy = th + 1u;
        if (nowy > 31) {
          z.Zapisz(th, 0);
          przepelnienie();
        } else {
          z.Zapisz(th, static_cast<uint8_t>(nowy));
        }
      }
      break;
    case 1:  // 16 bits
      z.Zapisz(tl, static_cast<uint8_t>(tl + n));
      if (tl < stary) {
        z.Zapisz(th, static_cast<uint8_t>(th + 1));
        if (th == 0) przepelnienie();
      }
      break;
    case 2:  // 8-bit auto-reload; cycles past the overflow are kept
      z.Zapisz(tl, static_cast<uint8_t>(tl + n));
      if (tl < stary) {
        z.Zapisz(tl, static_cast<uint8_t>(tl + th));
        przepelnienie();
      }
      break;
    default:  // mode 3 does not count
      break;
  }
}

template <class Z>
int32_t Wykonaj(Jadro& j, Z& z) {
  const uint16_t a = j.PC;
  const uint8_t op = j.Code[a];
  const uint8_t b1 = j.Code[static_cast<uint16_t>(a + 1)];
  const uint8_t b2 = j.Code[static_cast<uint16_t>(a + 2)];
  uint16_t dalej = static_cast<uint16_t>(a + DlugoscRozkazu[op]);
  int32_t cykle = CykleRozkazu[op];
  auto& Data = j.Data;
  uint8_t& A = Data[ACC];

  auto skok = [&](bool warunek, uint8_t rel) {
    if (warunek) dalej = static_cast<uint16_t>(dalej + Wzgledny(rel));
  };
  // @Ri through the indirect-address rule; Ri is R0 or R1 by the opcode's low bit.
  auto posrednio = [&]() -> uint8_t& { return j.Idata(j.Rejestr(op & 1)); };
  auto rn = [&]() -> uint8_t& { return j.Rejestr(op & 7); };
  // Operand of the A,x arithmetic and logic families by the opcode's low nibble.
  auto operand = [&]() -> uint8_t {
    switch (op & 0x0F) {
      case 0x04: return b1;
      case 0x05: return Data[b1];
      case 0x06:
      case 0x07: return posrednio();
      default: return rn();
    }
  };
  auto cjne = [&](uint8_t lewy, uint8_t prawy) {
    UstawCY(j, z, lewy < prawy);
    skok(lewy != prawy, b2);
  };
  auto zapisz = [&](uint8_t& komorka, unsigned wartosc) { z.Zapisz(komorka, static_cast<uint8_t>(wartosc)); };
  auto bit = [&](uint8_t b, bool jeden) {
    uint8_t& bajt = Data[Jadro::AdresBajtuBitu(b)];
    const uint8_t maska = Jadro::MaskaBitu(b);
    zapisz(bajt, jeden ? bajt | maska : bajt & ~maska);
  };
  // XCH: the old value of the second byte is read before either store.
  auto wymien = [&](uint8_t& m) {
    const uint8_t stary = A;
    zapisz(A, m);
    zapisz(m, stary);
  };
  auto movx = [&](uint16_t adres) {
    zapisz(j.Xdata[adres], A);
    cykle += z.ZapisXdata(j, adres, A);
  };

  switch (op) {
    case 0x00:  // NOP
    case 0xA5:  // not an instruction: one byte, no cycles
      break;

    // aaa0 0001: AJMP, aaa1 0001: ACALL; the page is that of the opcode itself
    case 0x01: case 0x21: case 0x41: case 0x61: case 0x81: case 0xA1: case 0xC1: case 0xE1:
      dalej = static_cast<uint16_t>((a & 0xF800) | (op >> 5) << 8 | b1);
      break;
    case 0x11: case 0x31: case 0x51: case 0x71: case 0x91: case 0xB1: case 0xD1: case 0xF1:
      PolozAdres(j, z, static_cast<uint16_t>(a + 2));
      dalej = static_cast<uint16_t>((a & 0xF800) | (op >> 5) << 8 | b1);
      break;
    case 0x02:  // LJMP addr16
      dalej = static_cast<uint16_t>(b1 << 8 | b2);
      break;
    case 0x12:  // LCALL addr16
      PolozAdres(j, z, static_cast<uint16_t>(a + 3));
      dalej = static_cast<uint16_t>(b1 << 8 | b2);
      break;
    case 0x22:  // RET
    case 0x32:  // RETI: no in-service state to end
      dalej = ZdejmijAdres(j, z);
      break;

    case 0x03: zapisz(A, A >> 1 | A << 7); break;  // RR A
    case 0x13: {  // RRC A
      const int cy = A & 1;
      zapisz(A, A >> 1 | Przeniesienie(j) << 7);
      UstawCY(j, z, cy);
      break;
    }
    case 0x23: zapisz(A, A << 1 | A >> 7); break;  // RL A
    case 0x33: {  // RLC A
      const int cy = A >> 7;
      zapisz(A, A << 1 | Przeniesienie(j));
      UstawCY(j, z, cy);
      break;
    }

    case 0x04: zapisz(A, A + 1); break;
    case 0x05: zapisz(Data[b1], Data[b1] + 1); break;
    case 0x06: case 0x07: {
      uint8_t& m = posrednio();
      zapisz(m, m + 1);
      break;
    }
    case 0x08: case 0x09: case 0x0A: case 0x0B: case 0x0C: case 0x0D: case 0x0E: case 0x0F: {
      uint8_t& r = rn();
      zapisz(r, r + 1);
      break;
    }
    case 0x14: zapisz(A, A - 1); break;
    case 0x15: zapisz(Data[b1], Data[b1] - 1); break;
    case 0x16: case 0x17: {
      uint8_t& m = posrednio();
      zapisz(m, m - 1);
      break;
    }
    case 0x18: case 0x19: case 0x1A: case 0x1B: case 0x1C: case 0x1D: case 0x1E: case 0x1F: {
      uint8_t& r = rn();
      zapisz(r, r - 1);
      break;
    }

    case 0x10:  // JBC bit,rel
      if (j.CzytajBit(b1)) {
        bit(b1, false);
        skok(true, b2);
      }
      break;
    case 0x20: skok(j.CzytajBit(b1), b2); break;   // JB
    case 0x30: skok(!j.CzytajBit(b1), b2); break;  // JNB
    case 0x40: skok(Przeniesienie(j), b1); break;
    case 0x50: skok(!Przeniesienie(j), b1); break;
    case 0x60: skok(A == 0, b1); break;
    case 0x70: skok(A != 0, b1); break;
    case 0x80: skok(true, b1); break;

    // 0010 xxxx ADD, 0011 xxxx ADDC, 1001 xxxx SUBB
    case 0x24: case 0x25: case 0x26: case 0x27:
    case 0x28: case 0x29: case 0x2A: case 0x2B: case 0x2C: case 0x2D: case 0x2E: case 0x2F:
      Dodaj(j, z, operand(), 0);
      break;
    case 0x34: case 0x35: case 0x36: case 0x37:
    case 0x38: case 0x39: case 0x3A: case 0x3B: case 0x3C: case 0x3D: case 0x3E: case 0x3F:
      Dodaj(j, z, operand(), Przeniesienie(j));
      break;
    case 0x94: case 0x95: case 0x96: case 0x97:
    case 0x98: case 0x99: case 0x9A: case 0x9B: case 0x9C: case 0x9D: case 0x9E: case 0x9F:
      Odejmij(j, z, operand());
      break;

    // 0100 xxxx ORL, 0101 xxxx ANL, 0110 xxxx XRL
    case 0x42: zapisz(Data[b1], Data[b1] | A); break;
    case 0x43: zapisz(Data[b1], Data[b1] | b2); break;
    case 0x44: case 0x45: case 0x46: case 0x47:
    case 0x48: case 0x49: case 0x4A: case 0x4B: case 0x4C: case 0x4D: case 0x4E: case 0x4F:
      zapisz(A, A | operand());
      break;
    case 0x52: zapisz(Data[b1], Data[b1] & A); break;
    case 0x53: zapisz(Data[b1], Data[b1] & b2); break;
    case 0x54: case 0x55: case 0x56: case 0x57:
    case 0x58: case 0x59: case 0x5A: case 0x5B: case 0x5C: case 0x5D: case 0x5E: case 0x5F:
      zapisz(A, A & operand());
      break;
    case 0x62: zapisz(Data[b1], Data[b1] ^ A); break;
    case 0x63: zapisz(Data[b1], Data[b1] ^ b2); break;
    case 0x64: case 0x65: case 0x66: case 0x67:
    case 0x68: case 0x69: case 0x6A: case 0x6B: case 0x6C: case 0x6D: case 0x6E: case 0x6F:
      zapisz(A, A ^ operand());
      break;

    // Boolean operations on the carry
    case 0x72: UstawCY(j, z, Przeniesienie(j) | j.CzytajBit(b1)); break;
    case 0x82: UstawCY(j, z, Przeniesienie(j) & j.CzytajBit(b1)); break;
    case 0xA0: UstawCY(j, z, Przeniesienie(j) | !j.CzytajBit(b1)); break;
    case 0xB0: UstawCY(j, z, Przeniesienie(j) & !j.CzytajBit(b1)); break;
    case 0x92: bit(b1, Przeniesienie(j)); break;         // MOV bit,C
    case 0xA2: UstawCY(j, z, j.CzytajBit(b1)); break;    // MOV C,bit
    case 0xB2: bit(b1, !j.CzytajBit(b1)); break;         // CPL bit
    case 0xB3: UstawCY(j, z, !Przeniesienie(j)); break;
    case 0xC2: bit(b1, false); break;
    case 0xC3: UstawCY(j, z, false); break;
    case 0xD2: bit(b1, true); break;
    case 0xD3: UstawCY(j, z, true); break;

    case 0x73:  // JMP @A+DPTR
      dalej = static_cast<uint16_t>(A + j.DPTR());
      break;

    case 0x74: zapisz(A, b1); break;
    case 0x75: zapisz(Data[b1], b2); break;
    case 0x76: case 0x77: zapisz(posrednio(), b1); break;
    case 0x78: case 0x79: case 0x7A: case 0x7B: case 0x7C: case 0x7D: case 0x7E: case 0x7F:
      zapisz(rn(), b1);
      break;

    case 0x83:  // MOVC A,@A+PC, PC already past the opcode
      zapisz(A, j.Code[static_cast<uint16_t>(A + a + 1)]);
      break;
    case 0x93:  // MOVC A,@A+DPTR
      zapisz(A, j.Code[static_cast<uint16_t>(A + j.DPTR())]);
      break;

    case 0x84: {  // DIV AB
      const uint8_t b = Data[B];
      if (b == 0) {
        UstawFlagi(j, z, psw::OV, psw::OV);
      } else {
        const uint8_t iloraz = static_cast<uint8_t>(A / b);
        zapisz(Data[B], A % b);
        zapisz(A, iloraz);
        UstawFlagi(j, z, psw::CY | psw::OV, 0);
      }
      break;
    }
    case 0xA4: {  // MUL AB
      const unsigned iloczyn = A * static_cast<unsigned>(Data[B]);
      zapisz(A, iloczyn);
      zapisz(Data[B], iloczyn >> 8);
      UstawFlagi(j, z, psw::CY | psw::OV, Data[B] ? psw::OV : 0);
      break;
    }

    case 0x85: {  // MOV direct,direct: destination in byte1, source in byte2, or the reverse in an image
      const bool zrodloCel = j.Mov85 == KolejnoscMov85::ZrodloCel;
      zapisz(Data[zrodloCel ? b2 : b1], Data[zrodloCel ? b1 : b2]);
      break;
    }
    case 0x86: case 0x87: zapisz(Data[b1], posrednio()); break;
    case 0x88: case 0x89: case 0x8A: case 0x8B: case 0x8C: case 0x8D: case 0x8E: case 0x8F:
      zapisz(Data[b1], rn());
      break;
    case 0x90:  // MOV DPTR,#data16
      zapisz(Data[DPH], b1);
      zapisz(Data[DPL], b2);
      break;
    case 0xA3:  // INC DPTR
      zapisz(Data[DPL], Data[DPL] + 1);
      if (Data[DPL] == 0) zapisz(Data[DPH], Data[DPH] + 1);
      break;
    case 0xA6: case 0xA7: zapisz(posrednio(), Data[b1]); break;
    case 0xA8: case 0xA9: case 0xAA: case 0xAB: case 0xAC: case 0xAD: case 0xAE: case 0xAF:
      zapisz(rn(), Data[b1]);
      break;

    case 0xB4: cjne(A, b1); break;
    case 0xB5: cjne(A, Data[b1]); break;
    case 0xB6: case 0xB7: cjne(posrednio(), b1); break;
    case 0xB8: case 0xB9: case 0xBA: case 0xBB: case 0xBC: case 0xBD: case 0xBE: case 0xBF:
      cjne(rn(), b1);
      break;

    case 0xC0:  // PUSH direct: SP moves first, then the byte is read
      zapisz(Data[SP], Data[SP] + 1);
      zapisz(j.Idata(Data[SP]), Data[b1]);
      break;
    case 0xD0:  // POP direct: the byte is stored, then SP moves
      zapisz(Data[b1], j.Idata(Data[SP]));
      zapisz(Data[SP], Data[SP] - 1);
      break;

    case 0xC4: zapisz(A, A << 4 | A >> 4); break;
    case 0xC5: wymien(Data[b1]); break;
    case 0xC6: case 0xC7: wymien(posrednio()); break;
    case 0xC8: case 0xC9: case 0xCA: case 0xCB: case 0xCC: case 0xCD: case 0xCE: case 0xCF:
      wymien(rn());
      break;
    case 0xD6: case 0xD7: {  // XCHD A,@Ri
      uint8_t& m = posrednio();
      const uint8_t nowyA = static_cast<uint8_t>((A & 0xF0) | (m & 0x0F));
      zapisz(m, (m & 0xF0) | (A & 0x0F));
      zapisz(A, nowyA);
      break;
    }
    case 0xD4: DziesietnaKorekta(j, z); break;

    case 0xD5:  // DJNZ direct,rel
      zapisz(Data[b1], Data[b1] - 1);
      skok(Data[b1] != 0, b2);
      break;
    case 0xD8: case 0xD9: case 0xDA: case 0xDB: case 0xDC: case 0xDD: case 0xDE: case 0xDF: {
      uint8_t& r = rn();
      zapisz(r, r - 1);
      skok(r != 0, b1);
      break;
    }

    case 0xE0: zapisz(A, j.Xdata[j.DPTR()]); break;
    case 0xE2: case 0xE3: zapisz(A, j.Xdata[static_cast<uint16_t>(Data[P2] << 8 | j.Rejestr(op & 1))]); break;
    case 0xE4: zapisz(A, 0); break;
    case 0xE5: zapisz(A, Data[b1]); break;
    case 0xE6: case 0xE7: zapisz(A, posrednio()); break;
    case 0xE8: case 0xE9: case 0xEA: case 0xEB: case 0xEC: case 0xED: case 0xEE: case 0xEF:
      zapisz(A, rn());
      break;

    case 0xF0: movx(j.DPTR()); break;  // MOVX @DPTR,A
    case 0xF2: case 0xF3:              // MOVX @Ri,A
      movx(static_cast<uint16_t>(Data[P2] << 8 | j.Rejestr(op & 1)));
      break;
    case 0xF4: zapisz(A, ~A); break;
    case 0xF5: zapisz(Data[b1], A); break;
    case 0xF6: case 0xF7: zapisz(posrednio(), A); break;
    case 0xF8: case 0xF9: case 0xFA: case 0xFB: case 0xFC: case 0xFD: case 0xFE: case 0xFF:
      zapisz(rn(), A);
      break;
  }

  j.PC = dalej;
  // P = 1 when ACC holds an odd number of one bits.
  zapisz(Data[PSW], (Data[PSW] & ~psw::P) | (__builtin_parity(A) & 1));
  return cykle;
}

template <class Z>
void Timery(Jadro& j, Z& z, int32_t n) {
  KrokTimera(j, z, Timer0, n);
  KrokTimera(j, z, Timer1, n);
}

template <class Z>
void Przerwania(Jadro& j, Z& z) {
  const uint8_t ie = j.Data[IE];
  if (!(ie & 0x80)) return;
  if ((ie & 0x08) && (j.Data[TCON] & 0x80)) {
    PolozAdres(j, z, j.PC);
    j.PC = Jadro::WektorT1;
    z.Zapisz(j.Data[TCON], static_cast<uint8_t>(j.Data[TCON] & 0x7F));
  }
  if ((ie & 0x02) && (j.Data[TCON] & 0x20)) {
    PolozAdres(j, z, j.PC);
    j.PC = Jadro::WektorT0;
    z.Zapisz(j.Data[TCON], static_cast<uint8_t>(j.Data[TCON] & 0xDF));
  }
}

template <class Z>
int32_t Krok(Jadro& j, Z& z) {
  const int32_t n = Wykonaj(j, z);
  // Neither timer can count while both run bits are clear.
  if (j.Data[TCON] & 0x50) Timery(j, z, n);
  Przerwania(j, z);
  j.Cykle += static_cast<uint64_t>(n);
  return n;
}

}  // namespace

// Flattened, so the plain path is the switch itself rather than a jump to it.
[[gnu::flatten]] int32_t Jadro::WykonajRozkaz() {
  BezZapisu z;
  return Wykonaj(*this, z);
}

void Jadro::TimeryPoKroku(int32_t n) {
  BezZapisu z;
  Timery(*this, z, n);
}

void Jadro::SprawdzPrzerwania() {
  BezZapisu z;
  Przerwania(*this, z);
}

int32_t Jadro::KrokJadra() {
  const int32_t n = WykonajRozkaz();
  // Neither timer can count while both run bits are clear.
  if (Data[TCON] & 0x50) TimeryPoKroku(n);
  SprawdzPrzerwania();
  Cykle += static_cast<uint64_t>(n);
  return n;
}

struct HistoriaJadra::Zapisujacy {
  HistoriaJadra& h;
  uint32_t* const wpisy;
  const uint64_t maska;
  const uint8_t* const baza;
  uint64_t koniec;

  void Zapisz(uint8_t& komorka, uint8_t wartosc) {
    if (komorka != wartosc) {
      wpisy[koniec & maska] = static_cast<uint32_t>(&komorka - baza) << 8 | komorka;
      ++koniec;
    }
    komorka = wartosc;
  }
  int32_t ZapisXdata(Jadro& j, uint16_t adres, uint8_t wartosc) {
    h.koniecWpisow_ = koniec;
    const int32_t cykle = h.ZapisXdata(j, adres, wartosc);
    koniec = h.koniecWpisow_;
    return cykle;
  }
};

[[gnu::flatten]] int32_t HistoriaJadra::KrokZapisany() {
  rozkazy_[koniecRozkazow_ & maskaRozkazow_] = {koniecWpisow_, static_cast<uint32_t>(j_.Cykle), j_.PC};
  ++koniecRozkazow_;
  Zapisujacy z{*this, wpisy_.get(), maskaWpisow_, reinterpret_cast<const uint8_t*>(&j_), koniecWpisow_};
  const int32_t n = Krok(j_, z);
  koniecWpisow_ = z.koniec;
  return n;
}

}  // namespace kelbra
