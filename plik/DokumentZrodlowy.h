#pragma once
// The rules of opening and saving a source file, without a window: the
// window asks the user what these say to ask and shows what they report.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "Kodowanie.h"
#include "PlikNaDysku.h"
#include "PlikZrodlowy.h"

namespace kelbra {

// Files above this size are refused with a message rather than loaded into
// the editor for minutes.
inline constexpr uint64_t NajwiekszyPlikZrodlowy = 16 * 1024 * 1024;

// The name "Save as" writes: ".asm" is added unless the name ends with it
// exactly, so "test.ASM" becomes "test.ASM.asm".
std::string ZRozszerzeniemAsm(std::string sciezka);

struct ZapisJako {
  std::string sciezka;
  // The dialog could not know the completed name, so the question about
  // overwriting is asked about the file that will be written.
  bool pytajOZastapienie = false;
};
ZapisJako DecyzjaZapisuJako(const std::string& wybrana);

// Where the file dialogs open: the current file's folder; without one, the
// examples installed with the program (share/doc/kelbra/examples beside its
// bin folder) when they are there, else the home folder. A save dialog
// skips a folder it could not write to. `dostepny` tells whether a folder
// exists and can be read (or, for a save, written).
enum class RodzajDialogu { Otwarcie, Zapis };
std::string KatalogDialogu(const std::string& biezacyPlik, const std::string& katalogProgramu, const std::string& dom,
                           RodzajDialogu rodzaj,
                           const std::function<bool(const std::string& folder, bool doZapisu)>& dostepny);
// The file system's answer for KatalogDialogu.
bool FolderDostepny(const std::string& folder, bool doZapisu);

// The questions, with the user's name of the file.
TekstUtf8 PytanieOZastapienie(std::string_view nazwa);
inline constexpr std::string_view PytanieOUtf8 =
    "Tekst zawiera znaki, których nie da się zapisać w kodowaniu Windows-1250.\n"
    "Czy zapisać plik w kodowaniu UTF-8?";

// What a failed read or write tells the user; `nazwa` is the file as the
// user knows it and `tekstSystemu` the system's words for the error.
TekstUtf8 KomunikatBleduPliku(const BladPliku& blad, std::string_view nazwa, std::string_view tekstSystemu);

// The document's encoding: the one its file came in, kept for saving it.
class DokumentZrodlowy {
 public:
  struct Otwarcie {
    BladPliku blad;
    PlikZrodlowy plik;
  };
  // Reads and decodes a file; the document takes its encoding only when
  // the file could be read.
  Otwarcie Otworz(const std::string& sciezka);
  // The encoding of a file already read, as Otworz takes it.
  void Przyjmij(const PlikZrodlowy& plik) {
    kodowanie_ = plik.Kodowanie;
    bom_ = plik.Bom;
  }
  // A new, empty document in Windows-1250.
  void Nowy() { *this = DokumentZrodlowy(); }

  // True when a character of the lines is missing from the encoding: the
  // user is asked before the file becomes UTF-8.
  bool PotrzebaUtf8(const std::vector<std::u32string>& linie) const { return !DaSieZapisac(linie, kodowanie_); }
  void PrzejdzNaUtf8() { kodowanie_ = KodowaniePliku::Utf8; }

  BajtyPliku Bajty(const std::vector<std::u32string>& linie, std::string_view liniaPozycji) const {
    return ZapiszPlikZrodlowy(linie, kodowanie_, bom_, liniaPozycji);
  }
  BladPliku Zapisz(const std::string& sciezka, const std::vector<std::u32string>& linie,
                   std::string_view liniaPozycji) const {
    return ZapiszPlik(sciezka, Bajty(linie, liniaPozycji));
  }

  KodowaniePliku Kodowanie() const { return kodowanie_; }
  bool Bom() const { return bom_; }

 private:
  KodowaniePliku kodowanie_ = KodowaniePliku::Cp1250;
  bool bom_ = false;
};

}  // namespace kelbra
