#pragma once
// Which values changed between the last two stops (a step, a step back, a
// breakpoint, a pause), for the inspection windows to draw in the marked
// colour until the next stop. A value typed in by the user is not a change.

#include <array>
#include <cstdint>
#include <memory>

#include "Jadro.h"

namespace kelbra {

// Declared only, so that the windows' own layout constants do not meet
// the memory window's.
enum class RodzajPamieci : uint8_t;
struct OpisPola;

// The bytes of the machine that the windows show.
struct ZdjecieStanu {
  std::array<uint8_t, 256> Data{};
  std::array<uint8_t, 256> IdataGorna{};
  std::array<uint8_t, 65536> Code{};
  std::array<uint8_t, 65536> Xdata{};

  void Zrob(const Jadro& j);
  uint8_t Idata(uint8_t a) const { return a < 0x80 ? Data[a] : IdataGorna[a]; }
  uint8_t Komorka(RodzajPamieci rodzaj, int32_t adres) const;
};

class ZmianyStanu {
 public:
  ZmianyStanu();

  // A stop: the state now is compared with the state at the stop before.
  // The first stop (and Wyczysc) marks nothing.
  void Zatrzymanie(const Jadro& j);
  // After a typed edit: whatever differs from the last stop's state was
  // typed, and counts as neither a change nor a base for the next one.
  // True when anything differed.
  bool PoEdycji(const Jadro& j);
  // Nothing marked from now until the stop after the next (a reset, a new
  // program).
  void Wyczysc();

  // A DATA byte 00h-FFh: RAM or SFR.
  bool ZmienionyBajt(uint8_t adres) const { return przed_->Data[adres] != teraz_->Data[adres]; }
  // A bit by its bit address (00h-7Fh in RAM 20h-2Fh, 80h-FFh in the SFRs).
  bool ZmienionyBit(uint8_t adresBitu) const;
  // Bit 0-7 of a DATA byte, bit-addressable or not (TMOD, PCON).
  bool ZmienionyBitBajtu(uint8_t adres, int bit) const {
    return (((przed_->Data[adres] ^ teraz_->Data[adres]) >> (bit & 7)) & 1) != 0;
  }
  // A cell of the memory window's grids.
  bool ZmienionaKomorka(RodzajPamieci rodzaj, int32_t adres) const;
  // A registers-window field as it shows its value: Rn of each stop's own
  // bank, DPTR as both bytes, @Ri through each stop's own Ri.
  bool ZmienionePole(const OpisPola& pole) const;

 private:
  std::unique_ptr<ZdjecieStanu> przed_;
  std::unique_ptr<ZdjecieStanu> teraz_;
  bool pierwsze_ = true;
};

}  // namespace kelbra
