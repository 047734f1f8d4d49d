#pragma once
// Text helpers for the assembler's 8-bit source: only ASCII letters have a
// case, so a Polish letter in a label never matches another byte.

#include <cstdint>
#include <string>
#include <string_view>

namespace kelbra::tekst {

constexpr char Mala(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c; }

inline std::string Male(std::string_view s) {
  std::string w(s);
  for (char& c : w) c = Mala(c);
  return w;
}

inline bool RowneBezWielkosci(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Mala(a[i]) != Mala(b[i])) return false;
  return true;
}

// A word of up to seven bytes, lower-cased, packed into one integer with its
// length in the top byte, so that looking up a short name compares integers
// and a NUL byte inside a word still tells it apart. An empty or longer word
// gives 0, which stands for no word of any table.
constexpr uint64_t KluczKrotki(std::string_view s) {
  if (s.empty() || s.size() > 7) return 0;
  uint64_t k = static_cast<uint64_t>(s.size()) << 56;
  for (size_t i = 0; i < s.size(); ++i) k |= uint64_t{static_cast<uint8_t>(Mala(s[i]))} << (8 * i);
  return k;
}

inline bool Cyfra(char c) { return c >= '0' && c <= '9'; }
inline bool Odstep(char c) { return c == ' ' || c == '\t'; }

}  // namespace kelbra::tekst
