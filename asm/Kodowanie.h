#pragma once
// Text encodings at the edges of the assembler. The assembler itself works
// on Windows-1250 bytes, the board users' code page; files may come as
// UTF-8 or as that code page, and printed text is UTF-8.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelbra {

// The three kinds of byte strings at the seams, named so a signature says
// which it carries. The assembler's lines and messages are text of the
// board's code page, one byte a character; what is printed or handed to Qt
// is UTF-8; a file's bytes are either, or neither, until decoded.
using TekstCp1250 = std::string;
using TekstUtf8 = std::string;
using BajtyPliku = std::string;

// File bytes to Unicode: UTF-8 when the bytes are valid UTF-8 (a leading
// byte-order mark dropped), otherwise Windows-1250.
std::u32string DekodujTekst(std::string_view bajty);

// Strict UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF),
// or nothing when the bytes are not such text.
std::optional<std::u32string> DekodujUtf8(std::string_view bajty);

// True when the character has a byte in Windows-1250.
bool ZnakWCp1250(char32_t z);

// Unicode to Windows-1250; a character outside the code page becomes "?".
TekstCp1250 DoCp1250(std::u32string_view tekst);

// Windows-1250 bytes to UTF-8, for printing.
TekstUtf8 Cp1250DoUtf8(std::string_view tekst);

// Unicode to UTF-8.
TekstUtf8 DoUtf8(std::u32string_view tekst);

// The lines of bytes as they stand. Lines end at CR LF, LF or CR; a final
// line break starts no further line.
std::vector<std::string_view> LinieBajtow(std::string_view bajty);

// The five bytes the code page leaves undefined (81h, 83h, 88h, 90h, 98h)
// map to the control characters of the same value, so that every byte
// survives a round trip.
char32_t ZnakCp1250(unsigned char bajt);

}  // namespace kelbra
