// Values of operands: numbers, expressions, labels and the built-in names.

#include <climits>
#include <vector>

#include "Asembler.h"
#include "NazwyPredefiniowane.h"
#include "Tekst.h"

namespace kelbra {

namespace {

int32_t Klasa(int32_t v) { return v < 256 ? 0 : v <= 65535 ? 1 : 2; }

// Signed 32-bit arithmetic that wraps instead of overflowing.
int32_t Wykonaj(char op, int32_t a, int32_t b) {
  const uint32_t ua = static_cast<uint32_t>(a), ub = static_cast<uint32_t>(b);
  switch (op) {
    case '+': return static_cast<int32_t>(ua + ub);
    case '-': return static_cast<int32_t>(ua - ub);
    case '*': return static_cast<int32_t>(ua * ub);
    default:
      if (b == 0) return 0;
      if (a == INT32_MIN && b == -1) return INT32_MIN;
      return a / b;
  }
}

// A number with its radix suffix: h, b, o, d, or none for decimal.
std::optional<int32_t> CzytajLiczbe(std::string_view s) {
  if (s.empty()) return std::nullopt;
  uint32_t podstawa = 10;
  const char ostatni = tekst::Mala(s.back());
  if (!tekst::Cyfra(ostatni)) {
    switch (ostatni) {
      case 'h': podstawa = 16; break;
      case 'b': podstawa = 2; break;
      case 'o': podstawa = 8; break;
      case 'd': podstawa = 10; break;
      default: return std::nullopt;
    }
    s.remove_suffix(1);
    if (s.empty()) return std::nullopt;
  }
  uint32_t v = 0;
  for (char c : s) {
    c = tekst::Mala(c);
    uint32_t cyfra;
    if (tekst::Cyfra(c))
      cyfra = static_cast<uint32_t>(c - '0');
    else if (c >= 'a' && c <= 'f')
      cyfra = static_cast<uint32_t>(c - 'a' + 10);
    else
      return std::nullopt;
    if (cyfra >= podstawa) return std::nullopt;
    v = v * podstawa + cyfra;
  }
  return static_cast<int32_t>(v);
}

std::string_view ZdejmijHash(std::string_view s) {
  if (!s.empty() && s[0] == '#') s.remove_prefix(1);
  return s;
}

bool SlowoOperatora(std::string_view t, size_t p, std::string_view slowo) {
  if (t.size() - p < slowo.size() + 3) return false;  // word, "(", one character, ")"
  for (size_t k = 0; k < slowo.size(); ++k)
    if (tekst::Mala(t[p + k]) != slowo[k]) return false;
  return t[p + slowo.size()] == '(';
}

}  // namespace

std::optional<int32_t> Asembler::SzukajEtykiety(std::string_view nazwa) const {
  if (nazwa == "$") return j_.PC;
  // An empty name, also "#" alone, names no label.
  return wynik_.Tabela.Szukaj(ZdejmijHash(nazwa));
}

std::optional<int32_t> Asembler::NazwaBajtu(std::string_view nazwa, bool zEtykietami) const {
  if (auto b = BajtPredefiniowany(nazwa)) return *b;
  if (zEtykietami) return SzukajEtykiety(nazwa);
  return std::nullopt;
}

std::optional<int32_t> Asembler::NazwaBitu(std::string_view nazwa, bool zWartosciami) {
  if (auto b = BitPredefiniowany(nazwa)) return *b;
  if (!zWartosciami) return std::nullopt;
  if (auto v = WartoscWyrazenia(nazwa); v && *v >= 0 && *v <= 255) return v;
  if (auto v = SzukajEtykiety(nazwa); v && *v >= 0 && *v <= 255) return v;
  return std::nullopt;
}

KlasaArg Asembler::KlasaArgumentu(std::string_view t) {
  if (t.size() == 2 && tekst::Mala(t[0]) == 'r' && t[1] >= '0' && t[1] <= '7') return KlasaArg::Rn;
  using tekst::KluczKrotki;
  switch (KluczKrotki(t)) {
    case KluczKrotki("@r0"):
    case KluczKrotki("@r1"): return KlasaArg::Ri;
    case KluczKrotki("a"): return KlasaArg::A;
    case KluczKrotki("c"): return KlasaArg::C;
    case KluczKrotki("dptr"): return KlasaArg::DPTR;
    case KluczKrotki("@a+dptr"): return KlasaArg::AplusDPTR;
    case KluczKrotki("@a+pc"): return KlasaArg::AplusPC;
    case KluczKrotki("@dptr"): return KlasaArg::AtDPTR;
    default: break;
  }
  const bool maWartosc =
      SzukajEtykiety(t) || WartoscWyrazenia(t) || NazwaBajtu(t, true) || NazwaBitu(t, true);
  if (!maWartosc) return KlasaArg::Nierozpoznany;
  return t[0] == '#' ? KlasaArg::Natychmiastowy : KlasaArg::Bezposredni;
}

std::optional<int32_t> Asembler::WartoscWyrazenia(std::string_view tekst) {
  const auto v = Wyrazenie(tekst);
  KlasaZakresu = v ? Klasa(*v) : 0;
  return v;
}

// Groups in parentheses are evaluated innermost first over one scratch
// buffer: each closed group is replaced by the decimal text of its value.
// No recursion, so any depth of nesting costs only its length.
std::optional<int32_t> Asembler::Wyrazenie(std::string_view t) {
  if (t.empty()) return std::nullopt;
  t = ZdejmijHash(t);
  if (t.find('(') == std::string_view::npos) return Plaskie(t, 0);

  // The words high and low directly before "(" leave the text; each marks
  // the group that follows it.
  enum : uint8_t { BezZnaku = 0, Wysoki = 1, Niski = 2 };
  std::string s;
  s.reserve(t.size());
  std::vector<uint8_t> znak;
  for (size_t p = 0; p < t.size();) {
    if (SlowoOperatora(t, p, "high")) {
      if (znak.size() <= s.size()) znak.resize(s.size() + 1);
      znak[s.size()] = Wysoki;
      p += 4;
    } else if (SlowoOperatora(t, p, "low")) {
      if (znak.size() <= s.size()) znak.resize(s.size() + 1);
      znak[s.size()] = Niski;
      p += 3;
    } else {
      s.push_back(t[p++]);
    }
  }

  // Matching pairs; a "(" or ")" without a partner stays plain text.
  std::vector<int32_t> para(s.size(), -1);
  std::vector<int32_t> otwarte;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '(') {
      otwarte.push_back(static_cast<int32_t>(i));
    } else if (s[i] == ')' && !otwarte.empty()) {
      para[i] = otwarte.back();
      para[static_cast<size_t>(otwarte.back())] = static_cast<int32_t>(i);
      otwarte.pop_back();
    }
  }

  struct Grupa {
    size_t poczatek;
    uint8_t znak;
  };
  std::vector<Grupa> grupy;
  std::string& wyjscie = robocze_;
  wyjscie.clear();
  for (size_t i = 0; i < s.size(); ++i) {
    if (para[i] < 0) {
      wyjscie.push_back(s[i]);
    } else if (s[i] == '(') {
      grupy.push_back({wyjscie.size(), i < znak.size() ? znak[i] : uint8_t{BezZnaku}});
    } else {
      const Grupa g = grupy.back();
      grupy.pop_back();
      if (wyjscie.size() == g.poczatek) return std::nullopt;  // "()"
      auto v = Plaskie(std::string_view(wyjscie).substr(g.poczatek), 1);
      if (!v) return std::nullopt;
      if (g.znak == Wysoki) *v >>= 8;
      if (g.znak == Niski) *v %= 256;
      wyjscie.resize(g.poczatek);
      wyjscie += std::to_string(*v);
    }
  }
  return Plaskie(wyjscie, 0);
}

// A text without groups: "+" and "-" bind weaker than "*" and "/", and
// operators of one level group from the left. Each operand is evaluated as
// the recursive definition would reach it, which also decides how many
// leading "#" it loses: one per evaluation that starts at its first
// character. `zdjete` is 1 when this text is a group's, whose own
// evaluation removes one more.
std::optional<int32_t> Asembler::Plaskie(std::string_view t, int zdjete) {
  size_t plusMinus = 0;
  for (char c : t) plusMinus += (c == '+' || c == '-');
  int32_t suma = 0;
  char opSumy = 0;
  size_t p = 0;
  for (size_t skladnik = 0;; ++skladnik) {
    size_t koniec = p;
    while (koniec < t.size() && t[koniec] != '+' && t[koniec] != '-') ++koniec;
    const std::string_view s = t.substr(p, koniec - p);
    if (s.empty()) return std::nullopt;
    size_t razyDziel = 0;
    for (char c : s) razyDziel += (c == '*' || c == '/');
    int32_t iloczyn = 0;
    char opIloczynu = 0;
    size_t q = 0;
    for (size_t czynnik = 0;; ++czynnik) {
      size_t k = q;
      while (k < s.size() && s[k] != '*' && s[k] != '/') ++k;
      const std::string_view f = s.substr(q, k - q);
      if (f.empty()) return std::nullopt;
      int zdjecia = 1;
      if (czynnik == 0) zdjecia = static_cast<int>(razyDziel) + (skladnik == 0 ? zdjete + static_cast<int>(plusMinus) : 1);
      const auto v = Czynnik(f, zdjecia);
      if (!v) return std::nullopt;
      iloczyn = opIloczynu ? Wykonaj(opIloczynu, iloczyn, *v) : *v;
      if (k == s.size()) break;
      opIloczynu = s[k];
      q = k + 1;
    }
    suma = opSumy ? Wykonaj(opSumy, suma, iloczyn) : iloczyn;
    if (koniec == t.size()) break;
    opSumy = t[koniec];
    p = koniec + 1;
  }
  return suma;
}

std::optional<int32_t> Asembler::Czynnik(std::string_view f, int zdjecia) {
  for (int k = 0; k < zdjecia && !f.empty() && f[0] == '#'; ++k) f.remove_prefix(1);
  return WartoscLiczby(f);
}

// One operand. The part after a "." (the byte.bit form, «0E0h.7») is a
// value of its own added to the number; a chain of such parts is read in a
// loop, not by recursion.
std::optional<int32_t> Asembler::WartoscLiczby(std::string_view s) {
  uint32_t suma = 0;
  for (;;) {
    if (!s.empty())
      if (auto v = NazwaBajtu(s, true)) return static_cast<int32_t>(suma + static_cast<uint32_t>(*v));
    if (s.empty() || !tekst::Cyfra(s[0])) return std::nullopt;
    const size_t kropka = s.find('.');
    const auto liczba = CzytajLiczbe(s.substr(0, kropka));
    if (!liczba) return std::nullopt;
    suma += static_cast<uint32_t>(*liczba);
    if (kropka == std::string_view::npos) return static_cast<int32_t>(suma);
    s = ZdejmijHash(s.substr(kropka + 1));
  }
}

std::optional<int32_t> Asembler::WartoscBajtu(std::string_view t) {
  t = ZdejmijHash(t);
  if (auto v = NazwaBajtu(t, true)) return v;
  if (auto v = WartoscWyrazenia(t)) return v;
  return SzukajEtykiety(t);
}

}  // namespace kelbra
