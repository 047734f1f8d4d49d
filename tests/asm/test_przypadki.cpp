// Runs every .asm file of przypadki/. Each file is one source; a line's
// comment states what the line must give:
//   ; = 85 30 40            the bytes its row wrote in the final pass
//   ; error: "text"         an "ERROR..." line for it with this message
//   ; Error: "text"         a structural "Error: " line for it
//   ; warning: "text"       a "Warning..." line for it
// Any error or warning a file does not expect fails it. Files are UTF-8;
// the assembler sees them as Windows-1250, as the batch runner does.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "Kodowanie.h"
#include "Pomocnicze.h"

namespace kelbra::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Pliki() {
  std::vector<std::string> w;
  for (const auto& e : fs::directory_iterator(KATALOG_PRZYPADKOW))
    if (e.path().extension() == ".asm") w.push_back(e.path().stem().string());
  std::sort(w.begin(), w.end());
  return w;
}

// The quoted texts after each occurrence of a marker.
std::vector<std::string> Cytaty(const std::string& linia, const std::string& znacznik) {
  std::vector<std::string> w;
  for (size_t p = linia.find(znacznik); p != std::string::npos; p = linia.find(znacznik, p + 1)) {
    const size_t a = linia.find('"', p + znacznik.size());
    if (a == std::string::npos) break;
    // Another marker may follow on the same line.
    size_t b = linia.find("\" ; ", a + 1);
    if (b == std::string::npos) b = linia.rfind('"');
    if (b <= a) break;
    w.push_back(linia.substr(a + 1, b - a - 1));
  }
  return w;
}

class Przypadek : public ::testing::TestWithParam<std::string> {};

TEST_P(Przypadek, DajeOczekiwaneBajtyIKomunikaty) {
  std::ifstream f(fs::path(KATALOG_PRZYPADKOW) / (GetParam() + ".asm"), std::ios::binary);
  std::stringstream bufor;
  bufor << f.rdbuf();
  const std::vector<std::string> linie = Linie(DoCp1250(DekodujTekst(bufor.str())));
  Stanowisko s;
  const WynikAsemblacji& w = s.Asembluj(linie);

  std::vector<std::string> bledy, ostrzezenia;
  for (size_t n = 0; n < linie.size(); ++n) {
    const std::string& l = linie[n];
    const std::string nr = std::to_string(n);
    if (const size_t p = l.find("; = "); p != std::string::npos) {
      std::string oczekiwane = l.substr(p + 4, l.find(';', p + 4) - (p + 4));
      while (!oczekiwane.empty() && oczekiwane.back() == ' ') oczekiwane.pop_back();
      EXPECT_EQ(Hex(s.Bajty(static_cast<int>(n))), oczekiwane) << GetParam() << ".asm:" << n + 1 << ": " << l;
    }
    for (const auto& t : Cytaty(l, "; error:")) bledy.push_back("ERROR..." + nr + " linia. " + t);
    for (const auto& t : Cytaty(l, "; Error:")) bledy.push_back("Error: " + nr + " linia. " + t);
    for (const auto& t : Cytaty(l, "; warning:")) ostrzezenia.push_back("Warning..." + nr + " linia. " + t);
  }
  auto porownaj = [&](std::vector<std::string> oczekiwane, std::vector<std::string> faktyczne, const char* co) {
    std::sort(oczekiwane.begin(), oczekiwane.end());
    std::sort(faktyczne.begin(), faktyczne.end());
    EXPECT_EQ(oczekiwane, faktyczne) << GetParam() << ".asm: " << co;
  };
  porownaj(bledy, w.Bledy, "errors");
  porownaj(ostrzezenia, w.Ostrzezenia, "warnings");
  EXPECT_EQ(w.FlagaBledu, !w.Bledy.empty());
  EXPECT_EQ(w.FlagaOstrzezen, !w.Ostrzezenia.empty());
}

INSTANTIATE_TEST_SUITE_P(Pliki, Przypadek, ::testing::ValuesIn(Pliki()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace kelbra::test
