#pragma once
// Text typed into the windows (Qt's UTF-16) as the assembler reads it: one
// Windows-1250 byte a character. Only the windows include this header.

#include <string>

#include <QString>

#include "Kodowanie.h"

namespace kelbra {

inline std::u32string DoUcs4(const QString& tekst) {
  const QList<uint> ucs = tekst.toUcs4();
  return std::u32string(ucs.begin(), ucs.end());
}

inline std::string DoBajtow(const QString& tekst) { return DoCp1250(DoUcs4(tekst)); }

}  // namespace kelbra
