#pragma once
// Numbers as the inspection windows show them and read them back: the user
// types any text, the assembler's evaluator reads it, and a window stores
// what it yields.

#include <cstdint>
#include <string>
#include <string_view>

#include "FormatLiczb.h"

namespace kelbra {

class Asembler;

// The text the evaluator reads for what the user typed. In hexadecimal mode
// a text made of hexadecimal digits alone is a hexadecimal literal; any
// other text (a label, "P1", "$", "10h+1") is read as typed, so every
// number form of the assembler stays available.
std::string TekstDoOceny(std::string_view tekst, bool dziesietnie);

struct Odczyt {
  enum Rodzaj : uint8_t { Pusty, Bledny, Liczba };
  Rodzaj rodzaj = Pusty;
  int32_t wartosc = 0;
};

// Reads a typed text (Windows-1250 bytes). An empty text is reported as
// such, so that a cleared field stores nothing.
Odczyt OdczytajWartosc(Asembler& asembler, std::string_view tekst, bool dziesietnie);

}  // namespace kelbra
