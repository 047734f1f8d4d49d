#pragma once
// A results sheet as a spreadsheet opens it: one row a line ending in CR LF,
// fields quoted as RFC 4180 wants, UTF-8 throughout.

#include <string>
#include <string_view>
#include <vector>

namespace kelbra::wsad {

// A field as it goes between separators: quoted, with its quotes doubled,
// when it holds the separator, a quote or a line break.
std::string PoleCsv(std::string_view pole, char separator);

// A text cell that a spreadsheet would take for a formula (a file named
// "=HYPERLINK(...).asm") gets an apostrophe before it, so it opens as the
// text it is.
std::string TekstCsv(std::string_view tekst);

// The fields joined by the separator, ending in CR LF.
std::string WierszCsv(const std::vector<std::string>& pola, char separator);

}  // namespace kelbra::wsad
