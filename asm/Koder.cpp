// The instruction encoder: dispatch, and the data-transfer, arithmetic,
// logic and bit instructions. Two-operand forms write the opcode first and
// evaluate their operands afterwards, so "$" there reads the address after
// the opcode.

#include "Asembler.h"
#include "Komunikaty.h"
#include "NazwyPredefiniowane.h"
#include "Tekst.h"

namespace kelbra {

namespace k = komunikat;

namespace {

// Register number from the operand's digit: «r5» is 5, «@r1» is 1.
uint8_t Numer(std::string_view arg) { return static_cast<uint8_t>(arg.back() - '0'); }

uint8_t Niski(int32_t v) { return static_cast<uint8_t>(v & 0xFF); }

}  // namespace

bool Asembler::Odmowa(const char* komunikat) {
  KomunikatBledu = komunikat;
  return false;
}

void Asembler::Zapisz(uint8_t bajt) {
  j_.Code[j_.PC] = bajt;
  wynik_.Zapisane.set(j_.PC);
  // A MOV direct,direct partly written over is no longer that instruction.
  for (uint16_t wstecz = 0; wstecz < 3; ++wstecz) wynik_.Mov85.reset(static_cast<uint16_t>(j_.PC - wstecz));
  ++j_.PC;
  ++bajtyWiersza_;
}

bool Asembler::KodIBajt(uint8_t kod, std::string_view arg, const char* gdyNieznana) {
  Zapisz(kod);
  const auto v = WartoscBajtu(arg);
  if (!v) return Odmowa(gdyNieznana);
  Zapisz(Niski(*v));
  return true;
}

bool Asembler::KodIBit(uint8_t kod, std::string_view arg, const char* gdyBrak) {
  Zapisz(kod);
  const auto b = NazwaBitu(arg, true);
  if (!b) return Odmowa(gdyBrak);
  Zapisz(Niski(*b));
  return true;
}

bool Asembler::KodujRozkaz(size_t wiersz, std::string_view mnemonik, std::string_view arg1, std::string_view a2,
                           std::string_view a3) {
  const KodSlowa slowo = KodMnemonika(mnemonik);
  if (!slowo.znane) return Odmowa(k::NieMaRozkazu);
  const Slowo s = slowo.slowo;
  if (s == Slowo::Brak || JestDyrektywa(s)) return KodujDyrektywe(wiersz, s, arg1, a2, a3);

  const std::string male = tekst::Male(arg1);
  const std::string_view a1 = male;
  switch (s) {
    case Slowo::Mov: return KodujMov(a1, a2, a3);
    case Slowo::Add:
    case Slowo::Addc:
    case Slowo::Subb: return KodujArytmetyke(s, a1, a2, a3);
    case Slowo::Anl:
    case Slowo::Orl:
    case Slowo::Xrl: return KodujLogike(s, a1, a2, a3);
    case Slowo::Inc:
    case Slowo::Dec: return KodujIncDec(s, a1, a2, a3);
    case Slowo::Clr:
    case Slowo::Cpl:
    case Slowo::Setb: return KodujBitowy(s, a1, a2, a3);
    case Slowo::Xch:
    case Slowo::Xchd:
    case Slowo::Push:
    case Slowo::Pop: return KodujWymiane(s, a1, a2, a3);
    case Slowo::Movc:
    case Slowo::Movx: return KodujMovcMovx(s, a1, a2, a3);
    case Slowo::Nop:
    case Slowo::Da:
    case Slowo::Swap:
    case Slowo::Mul:
    case Slowo::Div:
    case Slowo::Rl:
    case Slowo::Rr:
    case Slowo::Rlc:
    case Slowo::Rrc: return KodujJednobajtowy(s, a1, a2, a3);
    case Slowo::Djnz: return KodujDjnz(a1, a2, a3);
    case Slowo::Cjne: return KodujCjne(a1, a2, a3);
    default: return KodujSkok(s, a1, a2, a3);
  }
}

bool Asembler::KodujMov(std::string_view a1, std::string_view a2, std::string_view a3) {
  if (!a3.empty()) return Odmowa(k::Tylko2Argumenty);
  if (a1.empty() || a2.empty()) return Odmowa(k::Oczekiwano2Ragumentow);
  const KlasaArg k1 = KlasaArgumentu(a1);
  if (k1 == KlasaArg::C) return KodIBit(0xA2, a2, k::OczekiwanoAdresuBitu);
  if (k1 == KlasaArg::DPTR) {
    if (KlasaArgumentu(a2) != KlasaArg::Natychmiastowy) return Odmowa(k::OczekiwanoLiczby);
    Zapisz(0x90);
    auto v = WartoscWyrazenia(a2);
    if (!v) v = SzukajEtykiety(a2);
    if (!v) return Odmowa(k::NieznanaLiczba);
    Zapisz(Niski(*v / 256));
    Zapisz(Niski(*v));
    return true;
  }
  if (k1 != KlasaArg::A && k1 != KlasaArg::Rn && k1 != KlasaArg::Ri && k1 != KlasaArg::Bezposredni)
    return Odmowa(k::MovCel);

  const KlasaArg k2 = KlasaArgumentu(a2);
  switch (k1) {
    case KlasaArg::A:
      switch (k2) {
        case KlasaArg::Natychmiastowy: return KodIBajt(0x74, a2, k::NieznanaLiczba);
        case KlasaArg::Rn: Zapisz(static_cast<uint8_t>(0xE8 + Numer(a2))); return true;
        case KlasaArg::Bezposredni: return KodIBajt(0xE5, a2, k::NieznanaLiczba);
        case KlasaArg::Ri: Zapisz(static_cast<uint8_t>(0xE6 + Numer(a2))); return true;
        default: return Odmowa(k::MovPoA);
      }
    case KlasaArg::Rn:
      switch (k2) {
        case KlasaArg::Natychmiastowy: return KodIBajt(static_cast<uint8_t>(0x78 + Numer(a1)), a2, k::NieznanaLiczba);
        case KlasaArg::A: Zapisz(static_cast<uint8_t>(0xF8 + Numer(a1))); return true;
        case KlasaArg::Bezposredni: return KodIBajt(static_cast<uint8_t>(0xA8 + Numer(a1)), a2, k::NieznanaLiczba);
        default: return Odmowa(k::MovPoRn);
      }
    case KlasaArg::Ri:
      switch (k2) {
        case KlasaArg::Natychmiastowy: return KodIBajt(static_cast<uint8_t>(0x76 + Numer(a1)), a2, k::NieznanaLiczba);
        case KlasaArg::A: Zapisz(static_cast<uint8_t>(0xF6 + Numer(a1))); return true;
        case KlasaArg::Bezposredni: return KodIBajt(static_cast<uint8_t>(0xA6 + Numer(a1)), a2, k::NieznanaLiczba);
        default: return Odmowa(k::MovPoRi);
      }
    default: break;
  }

  // Destination is a direct byte.
  switch (k2) {
    case KlasaArg::C: return KodIBit(0x92, a1, k::OczekiwanoAdresuBitu);
    case KlasaArg::A: return KodIBajt(0xF5, a1, k::NieznanaLiczba);
    case KlasaArg::Rn: return KodIBajt(static_cast<uint8_t>(0x88 + Numer(a2)), a1, k::NieznanaLiczba);
    case KlasaArg::Ri: return KodIBajt(static_cast<uint8_t>(0x86 + Numer(a2)), a1, k::NieznanaLiczba);
    case KlasaArg::Natychmiastowy:
    case KlasaArg::Bezposredni: {
      // MOV direct,direct keeps the written order, destination first; the
      // executor decodes the same order. An image for a real chip swaps the
      // two (BajtyObrazu), so its place is noted.
      const uint16_t adres = j_.PC;
      Zapisz(k2 == KlasaArg::Natychmiastowy ? 0x75 : 0x85);
      const auto cel = WartoscBajtu(a1);
      if (!cel) {
        if (k2 == KlasaArg::Bezposredni && BitPredefiniowany(a1)) return Odmowa(k::OczekiwanoZmiennejBitowejC);
        return Odmowa(k::NieznanaLiczba);
      }
      const auto zrodlo = WartoscBajtu(a2);
      if (!zrodlo) return Odmowa(k::NieznanaLiczba);
      Zapisz(Niski(*cel));
      Zapisz(Niski(*zrodlo));
      if (k2 == KlasaArg::Bezposredni) wynik_.Mov85.set(adres);
      return true;
    }
    default: return Odmowa(k::MovPoDirect);
  }
}

bool Asembler::KodujArytmetyke(Slowo s, std::string_view a1, std::string_view a2, std::string_view a3) {
  if (a1 != "a" || !a3.empty()) return Odmowa(k::Pobiera2ArgumentyA);
  if (a2.empty()) return Odmowa(k::OczekiwanoArgumentu);
  const uint8_t baza = s == Slowo::Add ? 0x24 : s == Slowo::Addc ? 0x34 : 0x94;
  switch (KlasaArgumentu(a2)) {
    case KlasaArg::Natychmiastowy: return KodIBajt(baza, a2, k::NieznanaLiczba);
    case KlasaArg::Bezposredni: return KodIBajt(static_cast<uint8_t>(baza + 1), a2, k::NieznanaLiczba);
    case KlasaArg::Ri: Zapisz(static_cast<uint8_t>(baza + 2 + Numer(a2))); return true;
    case KlasaArg::Rn: Zapisz(static_cast<uint8_t>(baza + 4 + Numer(a2))); return true;
    default: return Odmowa(k::ArytmetykaArg2);
  }
}

bool Asembler::KodujLogike(Slowo s, std::string_view a1, std::string_view a2, std::string_view a3) {
  if (s == Slowo::Anl) {
    if (!a3.empty()) return Odmowa(k::Tylko2Argumenty);
    if (a1.empty() || a2.empty()) return Odmowa(k::Oczekiwano2Ragumentow);
  } else {
    if (!a3.empty()) return Odmowa(k::Pobiera2Argumenty);
    if (a1.empty() || a2.empty()) return Odmowa(k::OczekiwanoArgumentu);
  }
  const uint8_t baza = s == Slowo::Anl ? 0x50 : s == Slowo::Orl ? 0x40 : 0x60;
  const KlasaArg k1 = KlasaArgumentu(a1);
  if (k1 == KlasaArg::A) {
    switch (KlasaArgumentu(a2)) {
      case KlasaArg::Natychmiastowy: return KodIBajt(static_cast<uint8_t>(baza + 4), a2, k::NieznanaLiczba);
      case KlasaArg::Bezposredni: return KodIBajt(static_cast<uint8_t>(baza + 5), a2, k::NieznanaLiczba);
      case KlasaArg::Ri: Zapisz(static_cast<uint8_t>(baza + 6 + Numer(a2))); return true;
      case KlasaArg::Rn: Zapisz(static_cast<uint8_t>(baza + 8 + Numer(a2))); return true;
      default: return Odmowa(k::LogikaPoA);
    }
  }
  if (k1 == KlasaArg::Bezposredni) {
    switch (KlasaArgumentu(a2)) {
      case KlasaArg::A: return KodIBajt(static_cast<uint8_t>(baza + 2), a1, k::NieznanaLiczba);
      case KlasaArg::Natychmiastowy: {
        Zapisz(static_cast<uint8_t>(baza + 3));
        const auto cel = WartoscBajtu(a1);
        if (!cel) return Odmowa(k::NieznanaLiczba);
        const auto dane = WartoscBajtu(a2);
        if (!dane) return Odmowa(k::NieznanaLiczba);
        Zapisz(Niski(*cel));
        Zapisz(Niski(*dane));
        return true;
      }
      default: return Odmowa(k::LogikaPoDirect);
    }
  }
  if (k1 == KlasaArg::C && s != Slowo::Xrl) {
    const bool negacja = a2[0] == '/';
    const uint8_t kod = s == Slowo::Anl ? (negacja ? 0xB0 : 0x82) : (negacja ? 0xA0 : 0x72);
    return KodIBit(kod, negacja ? a2.substr(1) : a2, k::OczekiwanoAdresuBitu);
  }
  return Odmowa(s == Slowo::Anl ? k::AnlCel : s == Slowo::Orl ? k::OrlCel : k::XrlCel);
}

bool Asembler::KodujIncDec(Slowo s, std::string_view a1, std::string_view a2, std::string_view a3) {
  const bool inc = s == Slowo::Inc;
  if (!a2.empty() || !a3.empty()) return Odmowa(k::Tylko1Argument);
  if (a1.empty()) return Odmowa(inc ? k::OczekiwanoRagumentu : k::OczekiwanoArgumentu);
  const uint8_t baza = inc ? 0x04 : 0x14;
  switch (KlasaArgumentu(a1)) {
    case KlasaArg::A: Zapisz(baza); return true;
    case KlasaArg::Bezposredni: return KodIBajt(static_cast<uint8_t>(baza + 1), a1, k::NieznanaLiczbaMala);
    case KlasaArg::Ri: Zapisz(static_cast<uint8_t>(baza + 2 + Numer(a1))); return true;
    case KlasaArg::Rn: Zapisz(static_cast<uint8_t>(baza + 4 + Numer(a1))); return true;
    case KlasaArg::DPTR:
      if (!inc) return Odmowa(k::NieznanyArgument);
      Zapisz(0xA3);
      return true;
    case KlasaArg::Natychmiastowy: return Odmowa(inc ? k::IncLiczby : k::DecLiczby);
    default: return Odmowa(k::NieznanyArgument);
  }
}

bool Asembler::KodujBitowy(Slowo s, std::string_view a1, std::string_view a2, std::string_view a3) {
  if (!a2.empty() || !a3.empty()) return Odmowa(k::Tylko1Argument);
  if (a1.empty()) return Odmowa(k::OczekiwanoArgumentu);
  const char* inna = s == Slowo::Setb ? k::SetbCel : k::ClrCel;
  switch (KlasaArgumentu(a1)) {
    case KlasaArg::A:
      if (s == Slowo::Setb) return Odmowa(inna);
      Zapisz(s == Slowo::Clr ? 0xE4 : 0xF4);
      return true;
    case KlasaArg::C:
      Zapisz(s == Slowo::Clr ? 0xC3 : s == Slowo::Cpl ? 0xB3 : 0xD3);
      return true;
    case KlasaArg::Bezposredni:
      return KodIBit(s == Slowo::Clr ? 0xC2 : s == Slowo::Cpl ? 0xB2 : 0xD2, a1, k::OczekiwanoZmiennejBitowej);
    default: return Odmowa(inna);
  }
}

bool Asembler::KodujWymiane(Slowo s, std::string_view a1, std::string_view a2, std::string_view a3) {
  if (s == Slowo::Push || s == Slowo::Pop) {
    if (!a2.empty() || !a3.empty()) return Odmowa(k::TylkoJedenArgument);
    if (a1.empty()) return Odmowa(k::OczekiwanoArgumentu);
    // A byte value with no class check: «push a» is «push acc».
    return KodIBajt(s == Slowo::Push ? 0xC0 : 0xD0, a1, k::NieznanaLiczba);
  }
  if (!a3.empty()) return Odmowa(k::Pobiera2Argumenty);
  if (a1.empty() || a2.empty()) return Odmowa(k::OczekiwanoArgumentu);
  if (a1 != "a") return Odmowa(k::OczekiwanoA);
  const KlasaArg k2 = KlasaArgumentu(a2);
  if (k2 == KlasaArg::Ri) {
    Zapisz(static_cast<uint8_t>((s == Slowo::Xch ? 0xC6 : 0xD6) + Numer(a2)));
    return true;
  }
  if (s == Slowo::Xch && k2 == KlasaArg::Rn) {
    Zapisz(static_cast<uint8_t>(0xC8 + Numer(a2)));
    return true;
  }
  if (s == Slowo::Xch && k2 == KlasaArg::Bezposredni) {
    Zapisz(0xC5);
    auto v = WartoscWyrazenia(a2);
    if (!v) v = SzukajEtykiety(a2);
    if (!v) return Odmowa(k::OczekiwanoLiczby);
    Zapisz(Niski(*v));
    return true;
  }
  return Odmowa(k::XchArg2);
}

bool Asembler::KodujMovcMovx(Slowo s, std::string_view a1, std::string_view a2, std::string_view a3) {
  if (!a3.empty()) return Odmowa(k::Tylko2Argumenty);
  const KlasaArg k2 = KlasaArgumentu(a2);
  if (s == Slowo::Movc) {
    if (a1 != "a" || a2.empty()) return Odmowa(k::Oczekiwano2RagumentowA);
    if (k2 == KlasaArg::AplusDPTR) Zapisz(0x93);
    else if (k2 == KlasaArg::AplusPC) Zapisz(0x83);
    else return Odmowa(k::MovcArg2);
    return true;
  }
  if (a1.empty() || a2.empty()) return Odmowa(k::Oczekiwano2Ragumentow);
  switch (KlasaArgumentu(a1)) {
    case KlasaArg::A:
      if (k2 == KlasaArg::Ri) Zapisz(static_cast<uint8_t>(0xE2 + Numer(a2)));
      else if (k2 == KlasaArg::AtDPTR) Zapisz(0xE0);
      else return Odmowa(k::MovxPoA);
      return true;
    case KlasaArg::Ri:
      if (k2 != KlasaArg::A) return Odmowa(k::OczekiwanoA);
      Zapisz(static_cast<uint8_t>(0xF2 + Numer(a1)));
      return true;
    case KlasaArg::AtDPTR:
      if (k2 != KlasaArg::A) return Odmowa(k::OczekiwanoA);
      Zapisz(0xF0);
      return true;
    default: return Odmowa(k::MovxCel);
  }
}

bool Asembler::KodujJednobajtowy(Slowo s, std::string_view a1, std::string_view a2, std::string_view a3) {
  const bool dalsze = !a2.empty() || !a3.empty();
  switch (s) {
    case Slowo::Nop:
      if (!a1.empty() || dalsze) return Odmowa(k::BezArgumentow);
      Zapisz(0x00);
      return true;
    case Slowo::Da:
      if (dalsze) return Odmowa(k::Tylko1ArgumentA);
      if (a1 != "a") return Odmowa(k::OczekiwanoArgumentuA);
      Zapisz(0xD4);
      return true;
    case Slowo::Swap:
      if (a1 != "a" || dalsze) return Odmowa(k::Tylko1ArgumentA);
      Zapisz(0xC4);
      return true;
    case Slowo::Mul:
    case Slowo::Div:
      if (dalsze) return Odmowa(k::TylkoArgumentAB);
      if (a1 != "ab") return Odmowa(k::OczekiwanoArgumentuAB);
      Zapisz(s == Slowo::Mul ? 0xA4 : 0x84);
      return true;
    default:  // rl, rr, rlc, rrc
      if (a1 != "a" || dalsze) return Odmowa(k::OczekiwanoA);
      Zapisz(s == Slowo::Rl ? 0x23 : s == Slowo::Rr ? 0x03 : s == Slowo::Rlc ? 0x33 : 0x13);
      return true;
  }
}

}  // namespace kelbra
