#pragma once
// Every conversion between Qt's text and the libraries' byte strings, in
// one place: text typed into the windows becomes one Windows-1250 byte a
// character, as the assembler reads it; the libraries' code-page and UTF-8
// texts become QStrings to show; paths go as the file system's bytes.

#include <string>
#include <string_view>

#include <QFile>
#include <QString>

#include "Kodowanie.h"

namespace kelbra {

inline std::u32string DoUcs4(const QString& tekst) {
  const QList<uint> ucs = tekst.toUcs4();
  return std::u32string(ucs.begin(), ucs.end());
}

inline TekstCp1250 DoBajtow(const QString& tekst) { return DoCp1250(DoUcs4(tekst)); }

// UTF-8 text (a TekstUtf8 or a literal) to show.
inline QString Utf8DoQt(std::string_view tekst) {
  return QString::fromUtf8(tekst.data(), static_cast<qsizetype>(tekst.size()));
}

inline QString Cp1250DoQt(const TekstCp1250& tekst) { return Utf8DoQt(Cp1250DoUtf8(tekst)); }

inline QString Ucs4DoQt(const std::u32string& tekst) {
  return QString::fromUcs4(tekst.data(), static_cast<qsizetype>(tekst.size()));
}

inline std::string SciezkaPliku(const QString& sciezka) { return QFile::encodeName(sciezka).toStdString(); }

}  // namespace kelbra
