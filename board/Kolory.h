#pragma once
// The board's colours as RGB triples; the window only converts them.

#include <cstdint>

namespace kelbra {

struct Rgb {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  friend constexpr bool operator==(Rgb, Rgb) = default;
};

inline constexpr Rgb KolorDiodySwieci{90, 255, 90};
inline constexpr Rgb KolorDiodyZgaszonej{100, 160, 100};
inline constexpr Rgb KolorWskaznikaWlaczony{255, 20, 20};
inline constexpr Rgb KolorWskaznikaWylaczony{50, 0, 0};
inline constexpr Rgb KolorPikselaLcd{20, 50, 20};
inline constexpr Rgb KolorTlaPikselaLcd{192, 220, 192};

}  // namespace kelbra
