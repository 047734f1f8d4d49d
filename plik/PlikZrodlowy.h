#pragma once
// Source files as bytes: the lines of the program, the encoding they came
// in, and the window-layout line, which is taken off as raw bytes before
// anything is decoded and written back the same way. Shared by the desktop
// program and the batch runner.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Kodowanie.h"

namespace kelbra {

enum class KodowaniePliku { Cp1250, Utf8 };

inline constexpr std::string_view NaglowekPozycjiOkien = ";pozycja okien:";

struct PlikZrodlowy {
  std::vector<std::u32string> Linie;
  KodowaniePliku Kodowanie = KodowaniePliku::Cp1250;
  bool Bom = false;
  // The last line, as raw bytes, when it is a window-layout line.
  std::optional<BajtyPliku> LiniaPozycji;
};

// Lines end at CR LF, LF or CR; a final break starts no further line. The
// rest of the file is UTF-8 when it is strictly valid UTF-8 holding some
// byte of 80h or more, otherwise Windows-1250.
PlikZrodlowy CzytajPlikZrodlowy(std::string_view bajty);

// The program's lines as the assembler reads them, in Windows-1250.
std::vector<TekstCp1250> LinieDlaAsemblera(const std::vector<std::u32string>& linie);

// True when every character of the lines can be written in the encoding.
bool DaSieZapisac(const std::vector<std::u32string>& linie, KodowaniePliku kodowanie);

// The file's bytes: every line followed by CR LF, the layout line (raw, when
// not empty) last. A character the encoding lacks is written as "?".
BajtyPliku ZapiszPlikZrodlowy(const std::vector<std::u32string>& linie, KodowaniePliku kodowanie, bool bom,
                              std::string_view liniaPozycji);

}  // namespace kelbra
