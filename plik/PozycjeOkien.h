#pragma once
// Where the six managed windows stand and which SFR sections are open, and
// the 75-byte comment line that stores it at the end of a source file.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kelbra {

struct PozycjaOkna {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Width = 0;
  int32_t Height = 0;
  bool Visible = false;

  bool operator==(const PozycjaOkna&) const = default;
};

// Windows by index: 0 main, 1 assembly table, 2 board, 3 registers, 4 SFR,
// 5 memory. Sections: PanelPrzerwania, PanelLiczniki, PanelPorty, PanelInne,
// each its height or 0 when collapsed.
struct PozycjeOkien {
  static constexpr int LiczbaOkien = 6;
  static constexpr int LiczbaSekcji = 4;
  std::array<PozycjaOkna, LiczbaOkien> Okna{};
  std::array<int32_t, LiczbaSekcji> Sekcje{};

  bool operator==(const PozycjeOkien&) const = default;
};

// Each coordinate is stored as two bytes in 0..15599, so it is clamped to
// that range first: a lower value would write control characters (-87 a CR,
// -90 a LF) and break the line.
inline constexpr int32_t NajwiekszaWspolrzedna = 15599;

// ";pozycja okien:" and 60 payload bytes; the spare flag at position 59.
std::string LiniaPozycjiOkien(const PozycjeOkien& pozycje, bool wolnaFlaga = false);

// Reads a layout line over the defaults. A short payload is read as far as
// it goes; missing section flags mean collapsed sections; a window whose
// stored width or height is 0 keeps its default size. False when the line
// does not start with the header exactly (then nothing changes).
bool CzytajLiniePozycjiOkien(std::string_view linia, const PozycjeOkien& domyslne, PozycjeOkien& wynik);

struct Rozmiar {
  int32_t Szerokosc = 0;
  int32_t Wysokosc = 0;
  bool operator==(const Rozmiar&) const = default;
};

// The client size a window takes on a screen's free area: the wanted size,
// cut to what fits there with the frame, and never below the window's own
// minimum, which wins on a screen too small for it.
Rozmiar RozmiarNaEkranie(Rozmiar chciany, Rozmiar najmniejszy, Rozmiar ramka, Rozmiar ekran);

// Keeps a window inside a screen of the given size: flush with the right or
// bottom edge when it would stick out, never at a negative coordinate.
void OgraniczDoEkranu(PozycjaOkna& okno, int32_t szerokoscEkranu, int32_t wysokoscEkranu);

}  // namespace kelbra
