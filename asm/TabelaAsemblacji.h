#pragma once
// The instruction table of an assembly: a header row and one row of twelve
// text cells per source line that holds code, a label or a directive. It is
// the listing, the symbol table and the map between lines and addresses.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Slownik.h"

namespace kelbra {

enum Kolumna : int {
  KolLinia = 0,
  KolEtykieta,
  KolMnemonik,
  KolArg1,
  KolArg2,
  KolArg3,
  KolBladEtykiety,
  KolBladMnemonika,
  KolBladArgumentu,
  KolAdres,
  KolAdres2,
  KolKodRozkazu,
  LiczbaKolumn
};

struct WierszRozkazu {
  std::array<std::string, LiczbaKolumn> Komorki;

  std::string& operator[](int k) { return Komorki[static_cast<size_t>(k)]; }
  const std::string& operator[](int k) const { return Komorki[static_cast<size_t>(k)]; }
  void Wyczysc() {
    for (auto& k : Komorki) k.clear();
  }

  // The Linia and Adres cells as whole decimal numbers. An empty or
  // malformed cell has none, so it never stands for line or address 0.
  std::optional<int32_t> Linia() const { return LiczbaKomorki((*this)[KolLinia]); }
  std::optional<int32_t> Adres() const { return LiczbaKomorki((*this)[KolAdres]); }
  // The word of the Mnemonik cell; an empty or unknown one is Slowo::Brak.
  Slowo SlowoMnemonika() const { return KodMnemonika((*this)[KolMnemonik]).slowo; }

 private:
  static std::optional<int32_t> LiczbaKomorki(std::string_view komorka);
};

// Texts of row 0.
const WierszRozkazu& NaglowekTabeli();

// The rows, with an index of the Etykieta column that answers a label
// lookup exactly as a scan from row 1 would (first match, ASCII case
// ignored). Etykieta cells change only through the writing calls below, so
// the index knows when to rebuild; Adres cells are read at lookup time, so
// rewriting them between passes needs no rebuild.
class TabelaAsemblacji {
 public:
  TabelaAsemblacji() { wiersze_.push_back(NaglowekTabeli()); }

  size_t Rozmiar() const { return wiersze_.size(); }
  const WierszRozkazu& operator[](size_t r) const { return wiersze_[r]; }
  const std::vector<WierszRozkazu>& Wiersze() const { return wiersze_; }

  // A row for rewriting any cell, the label included.
  WierszRozkazu& DoZapisu(size_t r) {
    indeksAktualny_ = false;
    return wiersze_[r];
  }
  // Cells other than Etykieta.
  void Ustaw(size_t r, int kolumna, std::string tekst);
  void UstawAdres(size_t r, int32_t adres);
  void ZmienRozmiar(size_t n);
  void Zarezerwuj(size_t n) { wiersze_.reserve(n); }

  // Value (the Adres cell) of the first row from 1 whose label equals the
  // name, ignoring case.
  std::optional<int32_t> Szukaj(std::string_view nazwa) const;
  // True when some row other than r has this label.
  bool JestPozaWierszem(std::string_view nazwa, size_t r) const;

 private:
  // One label of the index: the first row that has it, and a second one.
  struct Wystapienia {
    uint32_t pierwszy;  // 0 marks a free slot (row 0 is the header)
    uint32_t drugi;     // 0 when the label is on one row only
    uint32_t skrot;
  };
  void Zbuduj() const;
  // The slot of the name, ignoring case, or nullptr. Open addressing over
  // the rows' own label cells: a lookup runs for nearly every operand and
  // needs no lower-cased copy of the name.
  const Wystapienia* Znajdz(std::string_view nazwa) const;

  std::vector<WierszRozkazu> wiersze_;
  mutable std::vector<Wystapienia> indeks_;
  mutable size_t maska_ = 0;
  // Lengths of the labels present: a name of another length needs no hashing,
  // which keeps long operand texts from costing their length at every lookup.
  mutable std::vector<bool> dlugosci_;
  mutable bool indeksAktualny_ = false;
};

}  // namespace kelbra
