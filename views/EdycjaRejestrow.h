#pragma once
// The registers window's rules: which byte each field shows and writes,
// the value typed into a field with its "Bylo:"/"Bedzie" preview, and the
// PSW bit fields.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "Jadro.h"
#include "WidokJadra.h"

namespace kelbra {

class Asembler;

enum class RodzajPola : uint8_t {
  RejestrBanku,  // Rn of the selected bank
  Bajt,          // a fixed DATA address
  Dptr,          // DPH·256 + DPL, written from DPL on
  Posredni,      // the byte @Ri points at, by the IDATA rule
};

struct OpisPola {
  const char* nazwa;   // the component
  const char* podpis;  // the caption above it
  uint8_t numer;       // the field's number for EdytowanePole
  RodzajPola rodzaj;
  uint8_t argument;  // n of Rn and @Ri, or the DATA address
};

// In tab order: R0..R7, Acc, B, SP, DPTR, PSW; then the read-only @R0, @R1.
inline constexpr std::array<OpisPola, 15> PolaRejestrow{{
    {"LabeledEditR0", "R0", 1, RodzajPola::RejestrBanku, 0},
    {"LabeledEditR1", "R1", 2, RodzajPola::RejestrBanku, 1},
    {"LabeledEditR2", "R2", 3, RodzajPola::RejestrBanku, 2},
    {"LabeledEditR3", "R3", 4, RodzajPola::RejestrBanku, 3},
    {"LabeledEditR4", "R4", 5, RodzajPola::RejestrBanku, 4},
    {"LabeledEditR5", "R5", 6, RodzajPola::RejestrBanku, 5},
    {"LabeledEditR6", "R6", 7, RodzajPola::RejestrBanku, 6},
    {"LabeledEditR7", "R7", 8, RodzajPola::RejestrBanku, 7},
    {"LabeledEditA", "Acc", 9, RodzajPola::Bajt, sfr::ACC},
    {"LabeledEditB", "B", 10, RodzajPola::Bajt, sfr::B},
    {"LabeledEditSP", "SP", 11, RodzajPola::Bajt, sfr::SP},
    {"LabeledEditDPTR", "DPTR", 12, RodzajPola::Dptr, sfr::DPL},
    {"LabeledEditPSW", "PSW", 13, RodzajPola::Bajt, sfr::PSW},
    {"LabeledEditMR0", "@R0", 14, RodzajPola::Posredni, 0},
    {"LabeledEditMR1", "@R1", 14, RodzajPola::Posredni, 1},
}};

struct OpisBituPsw {
  const char* nazwa;
  const char* podpis;
  uint8_t maska;
};

// PSW bits 7 to 0, left to right.
inline constexpr std::array<OpisBituPsw, 8> BityPsw{{
    {"LabeledEditCY", "CY", psw::CY},
    {"LabeledEditAC", "AC", psw::AC},
    {"LabeledEditF0", "F0", psw::F0},
    {"LabeledEditRS1", "RS1", psw::RS1},
    {"LabeledEditRS0", "RS0", psw::RS0},
    {"LabeledEditOV", "OV", psw::OV},
    {"LabeledEditNULL1", "---", 0x02},
    {"LabeledEditP", "P", psw::P},
}};

// Where an edit writes: a DATA address, and for DPTR the byte after it too.
struct CelEdycji {
  uint8_t adres = 0;
  bool dptr = false;
  bool operator==(const CelEdycji&) const = default;
};

class EdycjaRejestrow : public WidokJadra {
 public:
  EdycjaRejestrow() = default;
  EdycjaRejestrow(Jadro& jadro, Asembler& asembler) { Podlacz(jadro, asembler); }

  bool Dziesietnie = false;
  // The field being typed into, 0 for none; the refresh leaves it alone.
  int EdytowanePole = 0;

  // The preview line: the value before the edit, the value typed, and
  // whether the latter fits its register.
  std::string StaraWartosc;
  std::string NowaWartosc;
  bool WZakresie = true;

  int Bank() const { return j_ ? j_->AdresBanku() / 8 : 0; }
  // The address a field writes to, with the bank as it is now.
  CelEdycji Cel(const OpisPola& pole) const;
  // The text a field shows for the machine state now.
  std::string TekstPola(const OpisPola& pole) const;
  std::string TekstBitu(uint8_t maska) const { return j_ && (j_->Data[sfr::PSW] & maska) ? "1" : "0"; }

  // Reads a typed text and writes it into the target at once. An empty
  // text writes nothing; an unreadable one shows "???".
  void ZatwierdzWartosc(std::string_view tekst, CelEdycji cel);
  // Flips one bit of the live PSW.
  void PrzelaczBit(uint8_t maska);

 private:
  int32_t Wartosc(CelEdycji cel) const;

  std::optional<CelEdycji> celEdycji_;
  int32_t staraWartosc_ = 0;
};

}  // namespace kelbra
