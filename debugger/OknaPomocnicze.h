#pragma once
// The auxiliary windows, listed once: the order the program creates them in,
// their records in the source file's layout line and their items in the
// "Okna" menu. A window whose place the layout line does not keep is one
// more row, with no record there.

#include <cstddef>
#include <iterator>

#include "PozycjeOkien.h"

namespace kelbra {

// In the order the program creates them, after the main window.
enum class Okno : int { Tabela, Rejestry, Sfr, Pamiec, Kelbra, Prn, OProgramie, Przebiegi };

// The main window's record in the layout line comes first.
inline constexpr int PozycjaGlownego = 0;
// A window that has no record in the layout line.
inline constexpr int BezPozycji = -1;

struct OpisOkna {
  Okno okno;
  int pozycja;  // its record in the layout line, or BezPozycji
  // Its item in "Okna", which brings it up, and, for a window of the layout
  // line, in "--- Reset Okien", which puts it back in place; none for a
  // window that other menus show.
  const char* nazwa = nullptr;
  const char* tytul = nullptr;
  const char* nazwaResetu = nullptr;
  const char* tytulResetu = nullptr;
};

// One row a window, in creation order. "Okna" lists the windows in the order
// of their records, then those without one in this order.
inline constexpr OpisOkna TabelaOkien[] = {
    {Okno::Tabela, 1, "Analizakoduasemblera1", "Analiza kodu asemblera", "Analizakoduasemblera2",
     "Analiza kodu asemblera"},
    {Okno::Rejestry, 3, "Rejestry1", "Rejestry", "Rejestry2", "Rejestry"},
    {Okno::Sfr, 4, "SFR1", "SFR", "DaneSFR1", "Dane SFR"},
    {Okno::Pamiec, 5, "Pamiec1", "Pamięć", "Pamieci1", "Pamięci"},
    {Okno::Kelbra, 2, "Kelbra1", "Kelbra", "Kelbra2", "Kelbra"},
    {Okno::Prn, BezPozycji},
    {Okno::OProgramie, BezPozycji},
    // Kept in the program's settings, so that the layout line stays as it is.
    {Okno::Przebiegi, BezPozycji, "Przebiegi1", "Przebiegi"},
};
inline constexpr size_t LiczbaOkienPomocniczych = std::size(TabelaOkien);

constexpr const OpisOkna& Opis(Okno okno) { return TabelaOkien[static_cast<size_t>(okno)]; }

namespace szczegoly {
// Row k describes window k; every record of the layout line after the main
// window's belongs to exactly one window, and only those windows have a
// reset item.
consteval bool TabelaOkienSpojna() {
  int rekordy[PozycjeOkien::LiczbaOkien] = {1};
  for (size_t k = 0; k < LiczbaOkienPomocniczych; ++k) {
    const OpisOkna& o = TabelaOkien[k];
    if (static_cast<size_t>(o.okno) != k) return false;
    if ((o.nazwaResetu != nullptr) != (o.pozycja != BezPozycji)) return false;
    if (o.pozycja == BezPozycji) continue;
    if (o.pozycja <= PozycjaGlownego || o.pozycja >= PozycjeOkien::LiczbaOkien || o.nazwa == nullptr) return false;
    ++rekordy[o.pozycja];
  }
  for (int r : rekordy)
    if (r != 1) return false;
  return true;
}
}  // namespace szczegoly
static_assert(szczegoly::TabelaOkienSpojna());

}  // namespace kelbra
