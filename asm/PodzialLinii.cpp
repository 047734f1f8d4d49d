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
  tokeny_.clear();
  auto nastepnyArgument = [&](std::string_view token) {
    ++argumenty;
    if (argumenty > 3) {
      w[KolBladArgumentu] = Znacznik;
      return Rola::Odrzucony;
    }
    w[KolArg1 + argumenty - 1].assign(token);
    return static_cast<Rola>(static_cast<int>(Rola::Argument1) + argumenty - 1);
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
    const bool poOdstepie = ogranicznik == ' ' || ogranicznik == '\t';
    Rola rola;
    if (ogranicznik == ':') {
      if (!etykieta) {
        w[KolEtykieta].assign(token);
        etykieta = true;
        rola = Rola::Etykieta;
      } else {
        w[KolBladEtykiety] = Znacznik;
        rola = Rola::Odrzucony;
      }
    } else if (poOdstepie) {
      if (!mnemonik) {
        w[KolMnemonik].assign(token);
        mnemonik = true;
        db = tekst::RowneBezWielkosci(token, "db");
        rola = Rola::Mnemonik;
      } else if (argPoOdstepie) {
        w[KolBladMnemonika] = Znacznik;
        if (!przepisana && PrzepiszDeklaracje(linia, indeks)) return;
        rola = Rola::Odrzucony;
      } else {
        rola = nastepnyArgument(token);
        argPoOdstepie = true;
      }
    } else if (ogranicznik == ',') {
      rola = nastepnyArgument(token);
    } else if (!mnemonik) {  // ';': the rest of the line is a comment
      w[KolMnemonik].assign(token);
      rola = Rola::Mnemonik;
    } else {
      rola = nastepnyArgument(token);
    }
    tokeny_.push_back({poczatek, token.size(), rola, poOdstepie});
    if (ogranicznik == ';') break;
  }
  ZapamietajPominiete(tekst, r, indeks);
  tab.ZmienRozmiar(r + 1);
  ++BiezacyWiersz;
}

// Text a row leaves out with no mark that the structure check reports: what
// a "db" row dropped (its marks are not reported), and the arguments a
// directive does not read. Instructions refuse every argument they do not
// take, and ds, dw and dbit refuse the whole row, so theirs is never lost
// unseen. A run of lost tokens is named as written; separate runs are
// joined by a blank.
void Asembler::ZapamietajPominiete(std::string_view tekst, size_t r, int indeks) {
  const WierszRozkazu& w = wynik_.Tabela[r];
  const KodSlowa m = KodMnemonika(w[KolMnemonik]);
  if (!m.znane || !JestDyrektywa(m.slowo) || m.slowo == Slowo::Ds || m.slowo == Slowo::Dw || m.slowo == Slowo::Dbit)
    return;
  const bool db = m.slowo == Slowo::Db, end = m.slowo == Slowo::End;
  auto stracony = [&](Rola rola) {
    return rola == Rola::Argument2 || rola == Rola::Argument3 || (end && rola == Rola::Argument1) ||
           (db && rola == Rola::Odrzucony);
  };
  std::string stracone;
  // A db list ended by a blank (mostly one after a comma) gets its own
  // advice.
  bool poLiscie = false;
  const Token* lista = nullptr;
  size_t od = 0, koniec = 0;
  bool seria = false;
  auto zamknijSerie = [&] {
    if (!seria) return;
    if (!stracone.empty()) stracone.push_back(' ');
    stracone.append(tekst.substr(od, koniec - od));
    seria = false;
  };
  for (const Token& t : tokeny_) {
    if (t.rola == Rola::Argument1) lista = &t;
    if (!stracony(t.rola)) {
      zamknijSerie();
      continue;
    }
    if (db && lista && lista->poOdstepie && t.od > lista->od) poLiscie = true;
    if (!seria) od = t.od;
    koniec = t.od + t.dlugosc;
    seria = true;
  }
  zamknijSerie();
  if (stracone.empty()) return;
  std::string tresc = poLiscie ? std::string(komunikat::PominietoPoOdstepie)
                               : komunikat::PominietoTekst + w[KolMnemonik] + komunikat::NieUzywa;
  pominiete_.push_back({r, indeks, tresc.append(stracone)});
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
