#pragma once
// The timing picture of a run: every change of the port latches P0-P3 and
// of the three key bytes, and every byte written to the LCD, each with the
// machine cycle it happened at. A ring of fixed size drops the oldest
// changes; blocks of it carry a copy of all the bytes, so the value of any
// row at any time is a binary search and a short walk away. No Qt: the
// timing window draws it and the batch runner writes it as VCD.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

namespace kelbra {

// The bytes whose changes are recorded, in this order, then the LCD writes.
enum class Sygnal : uint8_t { P0, P1, P2, P3, KlStatyczne, KlDynamiczne0, KlDynamiczne1, LcdRozkaz, LcdDane };
inline constexpr int LiczbaBajtowPrzebiegu = 7;  // P0 ... KlDynamiczne1
inline constexpr int LiczbaSygnalow = 9;

// Plain, so that a ring of them is taken without being written.
struct ZmianaPrzebiegu {
  uint64_t Cykl;
  Sygnal Rodzaj;
  uint8_t Wartosc;     // the new byte, or the byte written to the LCD
  uint8_t Poprzednia;  // the byte before (a byte row only)

  bool Bajt() const { return static_cast<int>(Rodzaj) < LiczbaBajtowPrzebiegu; }
};

using BajtyPrzebiegu = std::array<uint8_t, LiczbaBajtowPrzebiegu>;

// A full period of a pin: rising to rising or falling to falling edge.
struct OkresPinu {
  uint64_t Okres = 0;    // cycles
  uint64_t Wysoki = 0;   // cycles at 1 within it
  uint64_t Koniec = 0;   // cycle of its last edge
};

class ZapisPrzebiegow {
 public:
  // 2^20 changes of 16 bytes: 16 MiB, allocated once.
  static constexpr size_t DomyslnaPojemnosc = size_t{1} << 20;
  // Changes per block with a copy of all bytes.
  static constexpr size_t Blok = 256;

  // Off until switched on, so a machine that never draws or dumps its
  // picture takes no memory for it.
  explicit ZapisPrzebiegow(size_t pojemnosc = DomyslnaPojemnosc);

  // On, the buffers are taken once here and never again while recording;
  // off, they are let go and nothing is recorded.
  void Wlacz(bool wlacz);
  bool Wlaczony() const { return zmiany_ != nullptr; }

  // Forgets everything: the picture begins at `cykl` with these bytes.
  void Rozpocznij(uint64_t cykl, const BajtyPrzebiegu& bajty);

  // A byte row's new value at `cykl` (not before the last recorded change);
  // nothing is recorded when the value is the one already there.
  void Bajt(Sygnal s, uint8_t wartosc, uint64_t cykl) {
    const auto k = static_cast<size_t>(s);
    if (biezace_[k] == wartosc || !Wlaczony()) return;
    Dopisz({cykl, s, wartosc, biezace_[k]});
    biezace_[k] = wartosc;
  }
  // The four ports as one word (P0 in the low byte): the machine compares
  // it after every instruction and calls this only on a difference.
  void Porty(uint32_t porty, uint64_t cykl) {
    for (int p = 0; p < 4; ++p) Bajt(static_cast<Sygnal>(p), static_cast<uint8_t>(porty >> (8 * p)), cykl);
  }
  void ZapisLcd(bool dane, uint8_t wartosc, uint64_t cykl) {
    if (Wlaczony()) Dopisz({cykl, dane ? Sygnal::LcdDane : Sygnal::LcdRozkaz, wartosc, 0});
  }
  // The machine's present: the picture reaches up to it.
  void UstawKoniec(uint64_t cykl) {
    if (cykl != koniec_) {
      koniec_ = cykl;
      ++wersja_;
    }
  }
  // Stepping back to `cykl`: every change after it goes, and the present
  // moves there.
  void ObetnijPo(uint64_t cykl);

  size_t Pojemnosc() const { return poj_; }
  size_t Liczba() const { return static_cast<size_t>(nastepny_ - pierwszy_); }
  // The i-th change held, from the oldest.
  const ZmianaPrzebiegu& operator[](size_t i) const { return zmiany_[(pierwszy_ + i) % poj_]; }
  uint64_t Poczatek() const { return poczatek_; }
  uint64_t Koniec() const { return koniec_; }
  // Bumped by everything that changes the picture.
  uint64_t Wersja() const { return wersja_; }
  // Bumped by every new beginning.
  uint64_t Pokolenie() const { return pokolenie_; }
  // Bytes at the picture's beginning and now.
  const BajtyPrzebiegu& BajtyPoczatkowe() const { return poczatkowe_; }
  const BajtyPrzebiegu& Biezace() const { return biezace_; }
  // The row has a change held.
  bool Zmienial(Sygnal s) const { return liczbaRodzaju_[static_cast<size_t>(s)] > 0; }

  // Index of the first change after `cykl` (Liczba() when none).
  size_t PierwszaPo(uint64_t cykl) const;
  // Index of the first change at or after `cykl`.
  size_t PierwszaOd(uint64_t cykl) const { return cykl == 0 ? 0 : PierwszaPo(cykl - 1); }
  // A byte row's value at `cykl`, with the changes at that cycle applied.
  uint8_t Wartosc(Sygnal s, uint64_t cykl) const;
  // All byte rows before the change at index i.
  BajtyPrzebiegu BajtyPrzed(size_t i) const;

  // The last full period of bit `bit` of byte row `s` that ends at or
  // before `cykl`; none when fewer than three edges come before it.
  std::optional<OkresPinu> OstatniOkres(Sygnal s, int bit, uint64_t cykl) const;
  // The edge of a bit (or, with bit < 0, any change of the row) nearest to
  // `cykl` within `zasieg` cycles either way.
  std::optional<uint64_t> NajblizszaZmiana(Sygnal s, int bit, uint64_t cykl, uint64_t zasieg) const;

 private:
  void Dopisz(const ZmianaPrzebiegu& z) {
    if (nastepny_ - pierwszy_ == poj_) UsunNajstarsza();
    if (nastepny_ % Blok == 0) kopie_[(nastepny_ / Blok) % (poj_ / Blok)] = biezace_;
    zmiany_[nastepny_ % poj_] = z;
    ++nastepny_;
    if (z.Cykl > koniec_) koniec_ = z.Cykl;
    ++liczbaRodzaju_[static_cast<size_t>(z.Rodzaj)];
    ++wersja_;
  }
  void UsunNajstarsza();

  const size_t poj_;
  std::unique_ptr<ZmianaPrzebiegu[]> zmiany_;
  // The bytes before the change at absolute index k * Blok, at k modulo
  // the number of blocks.
  std::unique_ptr<BajtyPrzebiegu[]> kopie_;
  // Absolute indexes: the oldest held and the next to write.
  uint64_t pierwszy_ = 0;
  uint64_t nastepny_ = 0;
  uint64_t poczatek_ = 0;
  uint64_t koniec_ = 0;
  uint64_t wersja_ = 0;
  uint64_t pokolenie_ = 0;
  BajtyPrzebiegu poczatkowe_{};
  BajtyPrzebiegu biezace_{};
  std::array<size_t, LiczbaSygnalow> liczbaRodzaju_{};
};

}  // namespace kelbra
