#pragma once
// Breakpoints: one table by source line (the authority, kept across
// assemblies) and one by CODE address (rebuilt after each assembly, read
// after every instruction of a run), plus the map between lines and CODE
// addresses that the last assembly left in its instruction table.

#include <cstdint>
#include <optional>
#include <vector>

#include "TabelaAsemblacji.h"

namespace kelbra {

// Lines and addresses of the rows that place code. Rows of equ, set, data,
// idata, xdata, code and bit hold a value in their Adres cell, not an
// address, so they never map a line to an address or back.
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

 private:
  struct Wiersz {
    int32_t linia;
    int32_t adres;  // -1: a row that places no code
  };
  std::vector<Wiersz> wiersze_;  // in row order, which is line order
  std::vector<int32_t> liniaAdresu_ = std::vector<int32_t>(65536, -1);
};

class Pulapki {
 public:
  static constexpr int LiczbaLinii = 100000;
  static constexpr int LiczbaAdresow = 0xFFFF;  // 0000h..FFFEh
  // Kept in PulapkiLinii for a breakpoint whose line has no CODE address:
  // the mark stays, the run never stops there.
  static constexpr int32_t BezAdresu = 0xFFFF;

  Pulapki() { Wyczysc(); }

  void Wyczysc();
  int32_t Linii(int linia) const { return linia >= 0 && linia < LiczbaLinii ? linie_[linia] : -1; }
  int32_t Adresu(uint16_t adres) const { return adres < LiczbaAdresow ? adresy_[adres] : -1; }
  bool JestNaLinii(int linia) const { return Linii(linia) >= 0; }
  // The one lookup made after every instruction of a run.
  bool StopNaAdresie(uint16_t pc) const { return pc < LiczbaAdresow && adresy_[pc] >= 0; }

  // Sets or removes the breakpoint of a line.
  void Przelacz(int linia, const MapaAdresow& mapa, int liczbaLiniiEdytora);
  // After an assembly: every breakpoint takes the address of its line anew.
  void Przelicz(const MapaAdresow& mapa, int liczbaLiniiEdytora);
  // Keeps the line table on its lines across an edit that took the text from
  // `staraLiczba` to `nowaLiczba` lines, with line `liniaPo` holding the
  // caret (the end of the inserted text) afterwards.
  void Przesun(int staraLiczba, int nowaLiczba, int liniaPo);

  // Bumped by every change of the tables, so a poller can tell when to look.
  uint32_t Wersja() const { return wersja_; }

 private:
  void UstawAdres(int linia, const MapaAdresow& mapa);
  std::vector<int32_t> linie_ = std::vector<int32_t>(LiczbaLinii);
  std::vector<int32_t> adresy_ = std::vector<int32_t>(LiczbaAdresow);
  uint32_t wersja_ = 0;
};

}  // namespace kelbra
