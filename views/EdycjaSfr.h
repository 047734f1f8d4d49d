#pragma once
// The SFR window's rules: its fifteen registers and their bit cells as one
// table, the four collapsible sections, the value typed into a byte field
// with its preview, and the bit toggles.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "Jadro.h"
#include "WidokJadra.h"

namespace kelbra {

class Asembler;

struct OpisSekcji {
  const char* naglowek;  // the header panel
  const char* tytul;     // its caption
  int wysokoscNaglowka;
  const char* panel;  // the section panel
  int wysokosc;       // its design height
};

inline constexpr int WysokoscPaskaInfo = 20;
inline constexpr int SzerokoscOknaSfr = 371;

inline constexpr std::array<OpisSekcji, 4> SekcjeSfr{{
    {"Panel1", "Przerwania", 17, "PanelPrzerwania", 60},
    {"Panel2", "Liczniki", 15, "PanelLiczniki", 101},
    {"Panel3", "Porty", 16, "PanelPorty", 96},
    {"Panel4", "PCON, SBUF, SCON", 16, "PanelInne", 51},
}};

// A bit cell's caption; Szary is a grey cell without a caption that still
// shows and flips its bit, Brak a grey cell that shows and does nothing.
inline constexpr const char* Szary = "";
inline constexpr const char* Brak = nullptr;

struct OpisSfr {
  const char* nazwa;
  uint8_t adres;
  uint8_t sekcja;  // index into SekcjeSfr
  bool maBity;
  // Bits 7 to 0.
  std::array<const char*, 8> bity;
  // Where the register's caption stands in its section panel; the byte
  // field is below it and the bit cells to its right.
  int x;
  int y;
};

inline constexpr std::array<OpisSfr, 15> RejestrySfr{{
    {"IE", 0xA8, 0, true, {"EA", Szary, Szary, "ES", "ET1", "EX1", "ET0", "EX0"}, 4, 16},
    {"IP", 0xB8, 0, true, {Szary, Szary, Szary, "PS", "PT1", "PX1", "PT0", "PX0"}, 190, 16},
    {"TCON", 0x88, 1, true, {"TF1", "TR1", "TF0", "TR0", "IE1", "IT1", "IE0", "IT0"}, 4, 16},
    {"TMOD", 0x89, 1, true, {"G*", "CT", "M1", "M0", "G*", "CT", "M1", "M0"}, 190, 16},
    {"TH0", 0x8C, 1, false, {}, 190, 66},
    {"TL0", 0x8A, 1, false, {}, 232, 66},
    {"TH1", 0x8D, 1, false, {}, 274, 66},
    {"TL1", 0x8B, 1, false, {}, 316, 66},
    {"P0", 0x80, 2, true, {"7", "6", "5", "4", "3", "2", "1", "0"}, 4, 2},
    {"P1", 0x90, 2, true, {"7", "6", "5", "4", "3", "2", "T2EX", "T2"}, 4, 48},
    {"P2", 0xA0, 2, true, {"7", "6", "5", "4", "3", "2", "1", "0"}, 190, 2},
    {"P3", 0xB0, 2, true, {"RD", "WR", "T1", "T0", "INT1", "INT0", "TxD", "RxD"}, 190, 48},
    {"SBUF", 0x99, 3, false, {}, 3, 4},
    {"PCON", 0x87, 3, true, {"SMOD", Brak, Brak, Brak, Brak, Brak, Brak, Brak}, 33, 4},
    {"SCON", 0x98, 3, true, {"SM0", "SM1", "SM2", "REN", "TB8", "RB8", "TI", "RI"}, 178, 4},
}};

// The register at a direct address, if the window lists it.
const OpisSfr* ZnajdzSfr(uint8_t adres);

// The section heights: the design height when expanded, 0 when collapsed.
class SekcjeOkna {
 public:
  // Every section collapsed, as the window is created.
  std::array<int32_t, 4> Wysokosci{};

  bool Rozwinieta(size_t k) const { return Wysokosci[k] != 0; }
  // Collapses an expanded section or expands a collapsed one; returns the
  // change of the client height.
  int Przelacz(size_t k);
  // Any non-zero height expands a section to its design height.
  void Ustaw(const std::array<int32_t, 4>& wysokosci);
  // Info bar, the four headers and the expanded sections.
  int WysokoscKlienta() const;
};

class EdycjaSfr : public WidokJadra {
 public:
  EdycjaSfr() = default;
  EdycjaSfr(Jadro& jadro, Asembler& asembler) { Podlacz(jadro, asembler); }

  bool TrybDEC = false;
  // The register whose byte field is being typed into; the refresh leaves
  // that field alone.
  std::optional<uint8_t> EdytowanyAdres;

  std::string StaraWartosc;
  std::string NowaWartosc;
  bool WZakresie = true;

  std::string TekstBajtu(uint8_t adres) const;
  std::string TekstBitu(uint8_t adres, int bit) const;

  // Reads a typed text and stores its low byte into the register at once.
  // An empty text stores nothing; an unreadable one shows "??".
  void PodgladWartosci(std::string_view tekst, uint8_t adres);
  // Flips one bit of the live register and ends any edit.
  void PrzelaczBitSFR(uint8_t adres, int bit);

 private:
  uint8_t staraWartoscSFR_ = 0;
};

}  // namespace kelbra
