// Jumps, calls and returns. Every target is evaluated before any byte is
// written, so "$" in a target is the address of the instruction itself.
// A target out of range or in another page still takes the instruction's
// bytes: in the passes before the last, forward labels read provisional
// addresses, and a jump that shrank there would shift every later label
// again, so that a long source with forward jumps would never settle in
// three passes. The error is reported all the same.

#include "Asembler.h"
#include "Komunikaty.h"

namespace kelbra {

namespace k = komunikat;

namespace {

struct Przesuniecie {
  uint8_t bajt;
  bool wZakresie;
};

// Offset from the end of an instruction of `dlugosc` bytes at `p`.
Przesuniecie Wzgledny(int32_t cel, uint16_t p, int dlugosc) {
  const int64_t rel = static_cast<int64_t>(cel) - (static_cast<int64_t>(p) + dlugosc);
  return {static_cast<uint8_t>(rel & 0xFF), rel >= -128 && rel <= 127};
}

uint8_t Niski(int32_t v) { return static_cast<uint8_t>(v & 0xFF); }

}  // namespace

std::optional<int32_t> Asembler::CelSkoku(std::string_view t) {
  if (auto v = SzukajEtykiety(t)) return v;
  return WartoscWyrazenia(t);
}

bool Asembler::KodujSkok(Slowo s, std::string_view a1, std::string_view a2, std::string_view a3) {
  const uint16_t p = j_.PC;
  switch (s) {
    case Slowo::Ret:
    case Slowo::Reti:
      if (!a1.empty() || !a2.empty() || !a3.empty()) return Odmowa(k::BezArgumentowRet);
      Zapisz(s == Slowo::Ret ? 0x22 : 0x32);
      return true;
    case Slowo::Jmp:
      if (a1 != "@a+dptr" || !a2.empty() || !a3.empty()) return Odmowa(k::JmpTylkoDptr);
      Zapisz(0x73);
      return true;
    case Slowo::Jb:
    case Slowo::Jnb:
    case Slowo::Jbc: {
      if (!a3.empty()) return Odmowa(k::Tylko2Argumenty);
      if (a1.empty() || a2.empty()) return Odmowa(k::Oczekiwano2Ragumentow);
      const auto bit = NazwaBitu(a1, true);
      if (!bit) return Odmowa(k::OczekiwanoAdresuBitu);
      const auto cel = CelSkoku(a2);
      if (!cel) return Odmowa(k::SpodziewanoAdresu);
      const Przesuniecie rel = Wzgledny(*cel, p, 3);
      Zapisz(s == Slowo::Jb ? 0x20 : s == Slowo::Jnb ? 0x30 : 0x10);
      Zapisz(Niski(*bit));
      Zapisz(rel.bajt);
      return rel.wZakresie || Odmowa(k::ZakresSkoku);
    }
    default: break;
  }

  // One target: ajmp, acall, ljmp, lcall, sjmp, jc, jnc, jz, jnz.
  if (!a2.empty() || !a3.empty()) return Odmowa(k::Tylko1Argument);
  if (a1.empty()) return Odmowa(k::OczekiwanoRagumentu);
  switch (s) {
    case Slowo::Ljmp:
    case Slowo::Lcall: {
      // Only a label or "$": a number is not an address here.
      const auto a = SzukajEtykiety(a1);
      if (!a) return Odmowa(k::OczekiwanoAdresu);
      Zapisz(s == Slowo::Ljmp ? 0x02 : 0x12);
      Zapisz(Niski(*a >> 8));
      Zapisz(Niski(*a));
      return true;
    }
    case Slowo::Ajmp:
    case Slowo::Acall: {
      const auto a = SzukajEtykiety(a1);
      if (!a) return Odmowa(k::OczekiwanoAdresu);
      Zapisz(static_cast<uint8_t>((s == Slowo::Ajmp ? 0x01 : 0x11) + 0x20 * ((*a >> 8) & 7)));
      Zapisz(Niski(*a));
      // The page is that of the instruction's own address, as the executor forms it.
      return (*a >> 11) == (p >> 11) || Odmowa(k::ZakresAjmp);
    }
    case Slowo::Sjmp: {
      if (KlasaArgumentu(a1) != KlasaArg::Bezposredni) return Odmowa(k::OczekiwanoLiczby);
      bool zEtykiety = false;
      auto cel = WartoscWyrazenia(a1);
      if (!cel) {
        cel = SzukajEtykiety(a1);
        zEtykiety = true;
      }
      if (!cel) return Odmowa(k::OczekiwanoLiczby);
      const Przesuniecie rel = Wzgledny(*cel, p, 2);
      Zapisz(0x80);
      Zapisz(rel.bajt);
      return rel.wZakresie || Odmowa(zEtykiety ? k::ZakresSkokuEtykiety : k::ZakresSkoku);
    }
    default: {  // jc, jnc, jz, jnz
      const auto cel = CelSkoku(a1);
      if (!cel) return Odmowa(k::SpodziewanoAdresu);
      const Przesuniecie rel = Wzgledny(*cel, p, 2);
      Zapisz(s == Slowo::Jc ? 0x40 : s == Slowo::Jnc ? 0x50 : s == Slowo::Jz ? 0x60 : 0x70);
      Zapisz(rel.bajt);
      return rel.wZakresie || Odmowa(k::ZakresSkoku);
    }
  }
}

bool Asembler::KodujDjnz(std::string_view a1, std::string_view a2, std::string_view a3) {
  if (!a3.empty()) return Odmowa(k::Tylko2Argumenty);
  if (a1.empty() || a2.empty()) return Odmowa(k::Oczekiwano2Ragumentow);
  const uint16_t p = j_.PC;
  const KlasaArg k1 = KlasaArgumentu(a1);
  if (k1 == KlasaArg::Rn) {
    const auto cel = CelSkoku(a2);
    if (!cel) return Odmowa(k::NieRozpoznanoAdresu);
    const Przesuniecie rel = Wzgledny(*cel, p, 2);
    Zapisz(static_cast<uint8_t>(0xD8 + (a1.back() - '0')));
    Zapisz(rel.bajt);
    return rel.wZakresie || Odmowa(k::ZakresSkoku);
  }
  if (k1 != KlasaArg::Bezposredni) return Odmowa(k::DjnzCel);
  auto v = SzukajEtykiety(a1);
  if (!v) v = NazwaBajtu(a1, true);
  if (!v) v = WartoscWyrazenia(a1);
  if (!v) return Odmowa(k::Arg1Liczba);
  const auto cel = CelSkoku(a2);
  if (!cel) return Odmowa(k::NieRozpoznanoAdresu);
  const Przesuniecie rel = Wzgledny(*cel, p, 3);
  Zapisz(0xD5);
  Zapisz(Niski(*v));
  Zapisz(rel.bajt);
  return rel.wZakresie || Odmowa(k::ZakresSkoku);
}

bool Asembler::KodujCjne(std::string_view a1, std::string_view a2, std::string_view a3) {
  if (a1.empty() || a2.empty() || a3.empty()) return Odmowa(k::Pobiera3Argumenty);
  const uint16_t p = j_.PC;
  const auto cel = CelSkoku(a3);
  if (!cel) return Odmowa(k::SpodziewanoAdresu);
  const Przesuniecie rel = Wzgledny(*cel, p, 3);
  // A target out of range is the first complaint; the operands are checked
  // after it, and when they are sound the bytes are written anyway.
  const char* blad = nullptr;
  std::optional<int32_t> v;
  uint8_t kod = 0;
  const KlasaArg k2 = KlasaArgumentu(a2);
  if (k2 == KlasaArg::Nierozpoznany) {
    blad = k::CjneArg2;
  } else {
    v = SzukajEtykiety(a2);
    if (!v) v = WartoscWyrazenia(a2);
    if (!v) blad = k::CjneWartosc;
  }
  if (!blad) {
    switch (KlasaArgumentu(a1)) {
      case KlasaArg::A:
        if (k2 == KlasaArg::Natychmiastowy) kod = 0xB4;
        else if (k2 == KlasaArg::Bezposredni) kod = 0xB5;
        else blad = k::CjneNieznany;
        break;
      case KlasaArg::Rn:
        if (k2 != KlasaArg::Natychmiastowy) blad = k::CjneData;
        kod = static_cast<uint8_t>(0xB8 + (a1.back() - '0'));
        break;
      case KlasaArg::Ri:
        if (k2 != KlasaArg::Natychmiastowy) blad = k::CjneData;
        kod = static_cast<uint8_t>(0xB6 + (a1.back() - '0'));
        break;
      default: blad = k::CjneCel;
    }
  }
  if (!rel.wZakresie) {
    if (!blad) {
      Zapisz(kod);
      Zapisz(Niski(*v));
      Zapisz(rel.bajt);
    }
    return Odmowa(k::ZakresSkoku);
  }
  if (blad) return Odmowa(blad);
  Zapisz(kod);
  Zapisz(Niski(*v));
  Zapisz(rel.bajt);
  return true;
}

}  // namespace kelbra
