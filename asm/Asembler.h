#pragma once
// The assembler: the editor's lines become the instruction table and CODE
// bytes of a Jadro, in three passes with PC as the location counter.
// Nothing here throws on any text; every problem is a line in a list.

#include <array>
#include <bitset>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Jadro.h"
#include "Kodowanie.h"
#include "Slownik.h"
#include "TabelaAsemblacji.h"

namespace kelbra {

enum class KlasaArg : uint8_t {
  Rn,
  Ri,
  A,
  C,
  DPTR,
  AplusDPTR,
  AplusPC,
  AtDPTR,
  Natychmiastowy,
  Bezposredni,
  Nierozpoznany,
};

// What one run leaves behind (besides the CODE bytes it wrote into Jadro).
struct WynikAsemblacji {
  TabelaAsemblacji Tabela;
  std::vector<TekstCp1250> Bledy;        // the error list, in the order found
  std::vector<TekstCp1250> Ostrzezenia;  // the warning list
  bool FlagaBledu = false;
  bool FlagaOstrzezen = false;
  // PC after the last pass that ran, for the listing.
  uint16_t KoncowyLicznik = 0;
  bool NapotkanoEnd = false;
  // Rows the passes went over, header included; an "end" row, shown again
  // after the run, follows them.
  size_t WierszePrzebiegu = 1;
  // Bytes each row wrote in the last pass, and the CODE addresses written.
  std::vector<uint32_t> BajtyWiersza;
  std::bitset<65536> Zapisane;
  // Addresses of the 85h opcodes of MOV direct,direct in the last pass
  // whose three bytes no later row wrote over.
  std::bitset<65536> Mov85;
};

// CODE as an image for a real chip: the bytes the assembly wrote, in address
// order, with every MOV direct,direct it placed in the data sheet's order
// (85h, source, destination). Every other byte, db lists included, stays as
// written.
std::vector<std::pair<uint16_t, uint8_t>> BajtyObrazu(const WynikAsemblacji& w,
                                                       const std::array<uint8_t, 65536>& code);

// Progress of a run: position and maximum (4.5 steps per editor line).
using PostepAsemblacji = std::function<void(int pozycja, int maksimum)>;

class Asembler {
 public:
  explicit Asembler(Jadro& jadro) : j_(jadro) {}

  // One whole run over the editor's lines (8-bit text, one string a line).
  // Leaves PC at the final location counter; entering the emulation mode
  // afterwards is the caller's step.
  const WynikAsemblacji& Analizuj_kod_asemblera(const std::vector<TekstCp1250>& linie,
                                                const PostepAsemblacji& postep = {});
  const WynikAsemblacji& Wynik() const { return wynik_; }

  // Line splitting: fills row BiezacyWiersz and advances it when the line
  // produces a row; an unterminated quote sets KomunikatBledu instead.
  void PodzielLinie(std::string_view linia, int indeks);
  KlasaArg KlasaArgumentu(std::string_view tekst);
  std::optional<int32_t> WartoscWyrazenia(std::string_view tekst);
  std::optional<int32_t> WartoscLiczby(std::string_view tekst);
  std::optional<int32_t> SzukajEtykiety(std::string_view nazwa) const;
  std::optional<int32_t> NazwaBajtu(std::string_view nazwa, bool zEtykietami) const;
  std::optional<int32_t> NazwaBitu(std::string_view nazwa, bool zWartosciami);
  // Encodes one row at PC; on failure KomunikatBledu holds the message.
  bool KodujRozkaz(size_t wiersz, std::string_view mnemonik, std::string_view arg1, std::string_view arg2,
                   std::string_view arg3);

  int32_t KlasaZakresu = 0;
  TekstCp1250 KomunikatBledu;
  int32_t BiezacyWiersz = 1;

 private:
  // Splitting.
  void Podziel(std::string_view tekst, std::string_view linia, int indeks, bool przepisana);
  bool PrzepiszDeklaracje(std::string_view linia, int indeks);
  void ZapamietajPominiete(std::string_view tekst, size_t wiersz, int indeks);

  // Values.
  std::optional<int32_t> Wyrazenie(std::string_view tekst);
  std::optional<int32_t> Plaskie(std::string_view tekst, int zdjete);
  std::optional<int32_t> Czynnik(std::string_view tekst, int zdjecia);
  std::optional<int32_t> WartoscBajtu(std::string_view tekst);
  std::optional<int32_t> CelSkoku(std::string_view tekst);

  // Encoder families.
  bool Odmowa(const char* komunikat);
  void Zapisz(uint8_t bajt);
  bool KodIBajt(uint8_t kod, std::string_view arg, const char* gdyNieznana);
  bool KodIBit(uint8_t kod, std::string_view arg, const char* gdyBrak);
  bool KodujMov(std::string_view a1, std::string_view a2, std::string_view a3);
  bool KodujArytmetyke(Slowo s, std::string_view a1, std::string_view a2, std::string_view a3);
  bool KodujLogike(Slowo s, std::string_view a1, std::string_view a2, std::string_view a3);
  bool KodujIncDec(Slowo s, std::string_view a1, std::string_view a2, std::string_view a3);
  bool KodujBitowy(Slowo s, std::string_view a1, std::string_view a2, std::string_view a3);
  bool KodujWymiane(Slowo s, std::string_view a1, std::string_view a2, std::string_view a3);
  bool KodujMovcMovx(Slowo s, std::string_view a1, std::string_view a2, std::string_view a3);
  bool KodujJednobajtowy(Slowo s, std::string_view a1, std::string_view a2, std::string_view a3);
  bool KodujSkok(Slowo s, std::string_view a1, std::string_view a2, std::string_view a3);
  bool KodujDjnz(std::string_view a1, std::string_view a2, std::string_view a3);
  bool KodujCjne(std::string_view a1, std::string_view a2, std::string_view a3);
  bool KodujDyrektywe(size_t wiersz, Slowo s, std::string_view arg1, std::string_view a2, std::string_view a3);
  bool KodujDb(size_t wiersz, std::string_view lista);

  // Driver phases.
  void SprawdzStrukture();
  void SprawdzEtykiety();
  void RegulaRozmiaru(size_t wiersz);
  void OstrzezeniaDyrektyw();
  void OstrzezeniaPominietegoTekstu();

  Jadro& j_;
  WynikAsemblacji wynik_;
  // The "end" row, kept while the passes run without it.
  WierszRozkazu koniec_;
  // Bytes written by the row being encoded.
  uint32_t bajtyWiersza_ = 0;
  // Where each token of the line being split went, in line order: the
  // split names from it the text its row leaves out without a reported mark.
  enum class Rola : uint8_t { Etykieta, Mnemonik, Argument1, Argument2, Argument3, Odrzucony };
  struct Token {
    size_t od, dlugosc;
    Rola rola;
    bool poOdstepie;  // ended by a blank or tab
  };
  std::vector<Token> tokeny_;
  // One warning text per row that left text out, in row order.
  struct Pominiecie {
    size_t wiersz;
    int linia;
    std::string tekst;
  };
  std::vector<Pominiecie> pominiete_;
  // Scratch text of expressions with groups, reused between evaluations
  // (operand evaluation never re-enters the expression evaluator).
  std::string robocze_;
};

}  // namespace kelbra
