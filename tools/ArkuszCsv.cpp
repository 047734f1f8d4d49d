#include "ArkuszCsv.h"

namespace kelbra::wsad {

std::string PoleCsv(std::string_view pole, char separator) {
  if (pole.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string_view::npos) return std::string(pole);
  std::string w = "\"";
  for (char c : pole) {
    if (c == '"') w += '"';
    w += c;
  }
  return w + '"';
}

std::string TekstCsv(std::string_view tekst) {
  const bool formula = !tekst.empty() && std::string_view("=+-@\t\r").find(tekst.front()) != std::string_view::npos;
  return formula ? "'" + std::string(tekst) : std::string(tekst);
}

std::string WierszCsv(const std::vector<std::string>& pola, char separator) {
  std::string w;
  for (size_t i = 0; i < pola.size(); ++i) {
    if (i > 0) w += separator;
    w += PoleCsv(pola[i], separator);
  }
  return w + "\r\n";
}

}  // namespace kelbra::wsad
