// Marks of the task lines kept through edits: only the lines an edit left
// are looked at again, numbers that cannot describe an edit read the whole
// text, and the marks always match the text.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ZnacznikiLinii.h"

namespace kelbra {
namespace {

TEST(ZnacznikiLinii, EdycjaSprawdzaTylkoZmienioneLinie) {
  // One character a line, 'z' marked; lines [pierwsza, pierwsza + stare)
  // replaced by `nowe`, or, with `liczba` given, numbers that fit no edit.
  const struct {
    std::string przed;
    int pierwsza, stare;
    std::string nowe;
    bool jest;
    int liczba = -1;
  } przypadki[] = {
      {"aza", 1, 1, "a", false},    // the task line edited into code
      {"azaaz", 1, 3, "a", true},   // lines joined, one mark left below
      {"azaaz", 1, 4, "b", false},  // joined up to the last line
      {"aaz", 0, 1, "bbbb", true},  // lines pasted above the mark
      {"aaa", 3, 0, "z", true, 4},  // past the end
      {"aaa", 0, 1, "", true, 3},   // no line left
      {"aaa", 0, 1, "z", true, 5},  // more old lines than there were
  };
  for (const auto& p : przypadki) {
    std::string linie = p.przed;
    std::vector<int> sprawdzone;
    const auto sprawdz = [&](int k) {
      sprawdzone.push_back(k);
      return linie.at(static_cast<size_t>(k)) == 'z';
    };
    ZnacznikiLinii z;
    z.Wczytaj(static_cast<int>(linie.size()), sprawdz);
    sprawdzone.clear();
    linie.replace(static_cast<size_t>(p.pierwsza), static_cast<size_t>(p.stare), p.nowe);
    if (p.liczba >= 0) linie = std::string(static_cast<size_t>(p.liczba - 1), 'a') + "z";
    z.Zmiana(p.pierwsza, static_cast<int>(p.nowe.size()), static_cast<int>(linie.size()), sprawdz);
    EXPECT_EQ(z.Jest(), p.jest) << p.przed << " -> " << linie;
    EXPECT_EQ(z.LiczbaLinii(), static_cast<int>(linie.size()));
    std::vector<int> oczekiwane;
    const int od = p.liczba >= 0 ? 0 : p.pierwsza;
    const int ile = p.liczba >= 0 ? p.liczba : static_cast<int>(p.nowe.size());
    for (int k = od; k < od + ile; ++k) oczekiwane.push_back(k);
    EXPECT_EQ(sprawdzone, oczekiwane) << p.przed << " -> " << linie;
  }
}

}  // namespace
}  // namespace kelbra
