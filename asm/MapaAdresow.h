#pragma once
// The index of an assembly's instruction table by source line: the first
// row of a line, the CODE address of a line, and the line of an address.
// The breakpoints, run control, the batch runner's trace and the table
// window all read lines through it.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "TabelaAsemblacji.h"

namespace kelbra {

// Rows of equ, set, data, idata, xdata, code and bit hold a value in their
// Adres cell, not an address, so they never map a line to an address or
// back. A row whose Linia cell is empty or malformed belongs to no line.
class MapaAdresow {
 public:
  void Zbuduj(const TabelaAsemblacji& tabela);

  enum class Rodzaj : uint8_t { BrakWiersza, BezAdresu, Adres };
  struct AdresLinii {
    Rodzaj rodzaj = Rodzaj::BrakWiersza;
    uint16_t adres = 0;
  };
  // The address of the first code row of the line; a line with rows that
  // place no code is BezAdresu, a line with no row at all BrakWiersza.
  AdresLinii AdresDlaLinii(int linia) const;
  // The line of the last code row whose Adres is `adres`, or -1.
  int32_t LiniaAdresu(uint16_t adres) const { return liniaAdresu_[adres]; }
  // The Adres of the last code row at or above the line, or nothing.
  std::optional<uint16_t> AdresDoLinii(int linia) const;
  // The table row (from 1) of the first row of the line, or 0.
  size_t WierszLinii(int linia) const;

 private:
  struct Wiersz {
    int32_t linia;
    int32_t adres;  // -1: a row that places no code
    uint32_t wiersz;
  };
  // The rows of lines from 0 in row order, which is line order; a row
  // that breaks the order is left out rather than let the binary searches
  // go astray.
  std::vector<Wiersz> wiersze_;
  // Every row with a line, by line and then row, when wiersze_ leaves some
  // out; empty otherwise.
  std::vector<Wiersz> linie_;
  bool wszystkie_ = true;
  std::vector<int32_t> liniaAdresu_ = std::vector<int32_t>(65536, -1);
};

}  // namespace kelbra
