// Marks of the task lines kept through edits: only the lines an edit left
// are looked at again, and the marks always match the text.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ZnacznikiLinii.h"

namespace kelbra {
namespace {

// A text as one character a line: 'z' is a marked line.
struct Tekst {
  std::string linie;
  std::vector<int> sprawdzone;
  ZnacznikiLinii::Sprawdz Sprawdz() {
    return [this](int k) {
      sprawdzone.push_back(k);
      return linie.at(static_cast<size_t>(k)) == 'z';
    };
  }
};

TEST(ZnacznikiLinii, EdycjaSprawdzaTylkoZmienioneLinie) {
  const struct {
    std::string przed;
    int pierwsza, stare;  // lines replaced
    std::string nowe;     // by these
    bool jest;
  } przypadki[] = {
      {"aza", 1, 1, "a", false},        // the task line edited into code
      {"aaa", 2, 1, "z", true},         // and back
      {"azaaz", 1, 3, "a", true},       // lines joined, one mark left below
      {"azaaz", 1, 4, "b", false},      // joined up to the last line
      {"aaz", 0, 1, "bbbb", true},      // lines pasted above the mark
      {"za", 0, 2, "a", false},         // everything but one line deleted
      {"a", 0, 1, "zzz", true},         // a whole text pasted over one line
  };
  for (const auto& p : przypadki) {
    Tekst t{p.przed, {}};
    ZnacznikiLinii z;
    z.Wczytaj(static_cast<int>(t.linie.size()), t.Sprawdz());
    t.linie.replace(static_cast<size_t>(p.pierwsza), static_cast<size_t>(p.stare), p.nowe);
    t.sprawdzone.clear();
    z.Zmiana(p.pierwsza, static_cast<int>(p.nowe.size()), static_cast<int>(t.linie.size()), t.Sprawdz());
    EXPECT_EQ(z.Jest(), p.jest) << p.przed << " -> " << t.linie;
    EXPECT_EQ(z.LiczbaLinii(), static_cast<int>(t.linie.size()));
    std::vector<int> oczekiwane(p.nowe.size());
    for (size_t k = 0; k < oczekiwane.size(); ++k) oczekiwane[k] = p.pierwsza + static_cast<int>(k);
    EXPECT_EQ(t.sprawdzone, oczekiwane) << p.przed << " -> " << t.linie;
  }
}

TEST(ZnacznikiLinii, NiepasujacaZmianaCzytaCalyTekst) {
  // Numbers that cannot describe an edit of the marks kept: past the end,
  // no line left, or more old lines than there were.
  const struct {
    int pierwsza, nowe, liczba;
  } przypadki[] = {{3, 1, 3}, {0, 0, 3}, {-1, 1, 3}, {0, 1, 5}, {1, 3, 3}};
  for (const auto& p : przypadki) {
    Tekst t{"aaa", {}};
    ZnacznikiLinii z;
    z.Wczytaj(3, t.Sprawdz());
    t.linie = std::string(static_cast<size_t>(p.liczba - 1), 'a') + "z";
    t.sprawdzone.clear();
    z.Zmiana(p.pierwsza, p.nowe, p.liczba, t.Sprawdz());
    EXPECT_TRUE(z.Jest()) << p.pierwsza << " " << p.nowe << " " << p.liczba;
    EXPECT_EQ(static_cast<int>(t.sprawdzone.size()), p.liczba);
  }
}

}  // namespace
}  // namespace kelbra
