#pragma once
// Help on the instructions for the editor's tooltip: every form of every
// mnemonic the assembler knows, with a line of Polish, its length and
// machine cycles as the core's own table gives them, and the flags it
// changes. The texts are UTF-8.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "Slownik.h"

namespace kelbra {

struct FormaRozkazu {
  Slowo slowo;
  const char* mnemonik;   // upper case, as shown
  const char* operandy;   // "A,Rn"; empty for none
  uint8_t kod;            // an opcode of the form: its length and cycles
  const char* opis;       // one line, starting in lower case
  const char* flagi;      // "CY, AC, OV, P"; empty when none change
  const char* przyklad;   // a line the assembler encodes to kod
};

std::span<const FormaRozkazu> FormyRozkazow();

// "ADD A,Rn — dodaje rejestr Rn do akumulatora; 1 bajt, 1 cykl; zmienia CY, AC, OV, P"
std::string OpisFormy(const FormaRozkazu& f);

// Every form of the mnemonic (any case), one a line; empty for a word that
// is not an instruction (a directive, a label, nothing).
std::string PomocRozkazu(std::string_view mnemonik);

// The mnemonic word of a source line at a column (0-based, one byte a
// character, as the assembler reads the line): after a label and its
// colon, before a comment. Nothing when the column is elsewhere or the
// word is no instruction.
struct SlowoWLinii {
  size_t poczatek = 0;
  size_t dlugosc = 0;
  std::string_view tekst;
};
std::optional<SlowoWLinii> MnemonikWKolumnie(std::string_view linia, size_t kolumna);

}  // namespace kelbra
