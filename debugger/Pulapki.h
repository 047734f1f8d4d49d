#pragma once
// Breakpoints: one table by source line (the authority, kept across
// assemblies) and one by CODE address (rebuilt after each assembly, read
// after every instruction of a run), both placed through the map between
// lines and CODE addresses that the last assembly left in its table.

#include <cstdint>
#include <vector>

#include "MapaAdresow.h"

namespace kelbra {

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
  // caret (the end of the inserted text) afterwards. A text that shrank
  // keeps no breakpoint past its new last line.
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
