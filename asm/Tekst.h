#pragma once
// Text helpers for the assembler's 8-bit source: only ASCII letters have a
// case, so a Polish letter in a label never matches another byte.

#include <cstdint>
#include <string>
#include <string_view>

namespace kelbra::tekst {

inline char Mala(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c; }

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

inline bool Cyfra(char c) { return c >= '0' && c <= '9'; }
inline bool Odstep(char c) { return c == ' ' || c == '\t'; }

// The decimal integer of a table cell; an empty or malformed cell reads 0.
inline int32_t LiczbaKomorki(std::string_view s) {
  size_t i = 0;
  bool minus = false;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) minus = s[i++] == '-';
  uint32_t v = 0;
  for (; i < s.size(); ++i) {
    if (!Cyfra(s[i])) return 0;
    v = v * 10u + static_cast<uint32_t>(s[i] - '0');
  }
  return static_cast<int32_t>(minus ? 0u - v : v);
}

}  // namespace kelbra::tekst
