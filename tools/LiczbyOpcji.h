#pragma once
// Numbers typed on the batch runner's command line and in its scripts:
// cycle counts in decimal, addresses and byte values in hexadecimal.

#include <cstdint>
#include <optional>
#include <string_view>

namespace kelbra::wsad {

// A run never needs more cycles than this, and sums of two such counts
// cannot wrap.
inline constexpr uint64_t MaksymalnyCykl = UINT64_MAX / 2;

// Digits only, at most `max`; no sign, no spaces, nothing after.
inline std::optional<uint64_t> Liczba(std::string_view s, int podstawa, uint64_t max) {
  if (s.empty() || s.size() > 20) return std::nullopt;
  uint64_t v = 0;
  for (char c : s) {
    int cyfra;
    if (c >= '0' && c <= '9') cyfra = c - '0';
    else if (c >= 'a' && c <= 'f') cyfra = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') cyfra = c - 'A' + 10;
    else return std::nullopt;
    if (cyfra >= podstawa) return std::nullopt;
    if (v > (max - static_cast<uint64_t>(cyfra)) / static_cast<uint64_t>(podstawa)) return std::nullopt;
    v = v * static_cast<uint64_t>(podstawa) + static_cast<uint64_t>(cyfra);
  }
  return v;
}

inline std::optional<uint64_t> LiczbaDziesietna(std::string_view s, uint64_t max = MaksymalnyCykl) {
  return Liczba(s, 10, max);
}

// Hexadecimal digits, optionally written as 0x40 or 40h as well.
inline std::optional<uint64_t> LiczbaSzesnastkowa(std::string_view s, uint64_t max) {
  if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) s.remove_prefix(2);
  else if (s.size() > 1 && (s.back() == 'h' || s.back() == 'H')) s.remove_suffix(1);
  return Liczba(s, 16, max);
}

}  // namespace kelbra::wsad
