// Cutting one editor line into label, mnemonic and up to three arguments.

#include <string>

#include "Asembler.h"
#include "Komunikaty.h"
#include "Tekst.h"

namespace kelbra {

namespace {

// The line as the splitter sees it: the text with one blank appended, read
// without copying it.
struct Znaki {
  std::string_view t;
  size_t Rozmiar() const { return t.size() + 1; }
  char operator[](size_t i) const { return i < t.size() ? t[i] : ' '; }
};

constexpr const char* Znacznik = "ERROR";

}  // namespace

void Asembler::PodzielLinie(std::string_view linia, int indeks) { Podziel(linia, linia, indeks, false); }

// tekst is what gets split (the line, or its rewritten form); linia is the
// editor's line, taken again by PrzepiszDeklaracje.
void Asembler::Podziel(std::string_view tekst, std::string_view linia, int indeks, bool przepisana) {
  const Znaki s{tekst};
  const size_t n = s.Rozmiar();
  size_t p = 0;
  while (p < n && tekst::Odstep(s[p])) ++p;
  if (p == n || s[p] == ';') return;

  TabelaAsemblacji& tab = wynik_.Tabela;
  const size_t r = static_cast<size_t>(BiezacyWiersz);
  if (tab.Rozmiar() <= r) tab.ZmienRozmiar(r + 1);
  WierszRozkazu& w = tab.DoZapisu(r);
  w.Wyczysc();
  w[KolLinia] = std::to_string(indeks);

  bool etykieta = false, mnemonik = false, argPoOdstepie = false, db = false;
  int argumenty = 0;
  auto nastepnyArgument = [&](std::string_view token) {
    ++argumenty;
    if (argumenty <= 3)
      w[KolArg1 + argumenty - 1].assign(token);
    else
      w[KolBladArgumentu] = Znacznik;
  };

  for (;;) {
    while (p < n && tekst::Odstep(s[p])) ++p;
    if (p == n || s[p] == ';') break;
    // One token: its first character whatever it is, then up to a delimiter
    // outside quotes.
    const size_t poczatek = p++;
    bool cudzyslow = false;
    char ogranicznik;
    for (;;) {
      if (p == n) {
        KomunikatBledu = komunikat::NiezamknietyCiag;
        return;
      }
      const char c = s[p];
      if (c == '\'' || (p - poczatek == 1 && s[poczatek] == '\'')) cudzyslow = !cudzyslow;
      if (!cudzyslow && (c == ' ' || c == '\t' || c == ':' || c == ';' || (c == ',' && !db))) {
        ogranicznik = c;
        break;
      }
      ++p;
    }
    // A token never reaches the appended blank, so it lies inside the text.
    const std::string_view token = tekst.substr(poczatek, p - poczatek);
    ++p;
    if (ogranicznik == ':') {
      if (!etykieta) {
        w[KolEtykieta].assign(token);
        etykieta = true;
      } else {
        w[KolBladEtykiety] = Znacznik;
      }
    } else if (ogranicznik == ' ' || ogranicznik == '\t') {
      if (!mnemonik) {
        w[KolMnemonik].assign(token);
        mnemonik = true;
        db = tekst::RowneBezWielkosci(token, "db");
      } else if (argPoOdstepie) {
        w[KolBladMnemonika] = Znacznik;
        if (!przepisana && PrzepiszDeklaracje(linia, indeks)) return;
      } else {
        nastepnyArgument(token);
        argPoOdstepie = true;
      }
    } else if (ogranicznik == ',') {
      nastepnyArgument(token);
    } else {  // ';': the rest of the line is a comment
      if (!mnemonik)
        w[KolMnemonik].assign(token);
      else
        nastepnyArgument(token);
      break;
    }
  }
  tab.ZmienRozmiar(r + 1);
  ++BiezacyWiersz;
}

// «NAME equ value» and the like: split again as «NAME: equ value». The
// rewritten line is not rewritten once more, which would never end for a
// line such as «x: equ equ 5».
bool Asembler::PrzepiszDeklaracje(std::string_view linia, int indeks) {
  static constexpr std::string_view Deklaracje[] = {"xdata", "data", "idata", "db",   "set",
                                                    "equ",   "bit",  "ds",    "dbit", "dw"};
  const std::string& arg1 = wynik_.Tabela[static_cast<size_t>(BiezacyWiersz)][KolArg1];
  bool deklaracja = false;
  for (std::string_view d : Deklaracje) deklaracja = deklaracja || tekst::RowneBezWielkosci(arg1, d);
  if (!deklaracja) return false;

  std::string t(linia);
  t.push_back(' ');
  size_t p = 0;
  while (p < t.size() && tekst::Odstep(t[p])) ++p;
  t.erase(0, p);
  size_t odstep = 0;
  while (!tekst::Odstep(t[odstep])) ++odstep;
  t.insert(odstep, 1, ':');
  Podziel(t, linia, indeks, true);
  return true;
}

}  // namespace kelbra
