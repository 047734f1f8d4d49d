// The assembly run, as a list of named phases: splitting, structure check,
// label check, first pass, two more passes (the last one reports),
// directive warnings.

#include <algorithm>
#include <string>

#include "Asembler.h"
#include "Komunikaty.h"
#include "NazwyPredefiniowane.h"
#include "Tekst.h"

namespace kelbra {

namespace k = komunikat;

namespace {

bool Jedno(std::string_view m, std::initializer_list<std::string_view> slowa) {
  for (std::string_view s : slowa)
    if (tekst::RowneBezWielkosci(m, s)) return true;
  return false;
}

class Postep {
 public:
  Postep(const PostepAsemblacji& f, size_t linie)
      : f_(f), maksimum_(static_cast<int>(std::min<size_t>(linie, 400'000'000) * 9 / 2)) {}
  void Ustaw(int64_t pozycja) {
    pozycja_ = static_cast<int>(std::clamp<int64_t>(pozycja, 0, maksimum_));
    if (f_) f_(pozycja_, maksimum_);
  }
  int Pozycja() const { return pozycja_; }
  int Maksimum() const { return maksimum_; }

 private:
  const PostepAsemblacji& f_;
  int maksimum_;
  int pozycja_ = 0;
};

}  // namespace

const WynikAsemblacji& Asembler::Analizuj_kod_asemblera(const std::vector<TekstCp1250>& linie,
                                                        const PostepAsemblacji& postepFn) {
  WynikAsemblacji& w = wynik_;
  TabelaAsemblacji& tab = w.Tabela;
  tab.ZmienRozmiar(1);
  w.Bledy.clear();
  w.Ostrzezenia.clear();
  w.FlagaBledu = false;
  w.FlagaOstrzezen = false;
  w.NapotkanoEnd = false;
  pominiete_.clear();
  j_.PC = 0;
  Postep postep(postepFn, linie.size());
  postep.Ustaw(0);

  // Splitting.
  tab.Zarezerwuj(linie.size() + 2);
  BiezacyWiersz = 1;
  for (size_t i = 0; i < linie.size(); ++i) {
    KomunikatBledu.clear();
    PodzielLinie(linie[i], static_cast<int>(i));
    if (!KomunikatBledu.empty()) {
      w.FlagaBledu = true;
      w.Bledy.push_back(k::Blad + std::to_string(i) + k::Linia + KomunikatBledu);
    }
    if (i % 5 == 0) postep.Ustaw(static_cast<int64_t>(i));
  }
  // A row left unfinished by an unterminated quote is not part of the table.
  tab.ZmienRozmiar(static_cast<size_t>(BiezacyWiersz));

  SprawdzStrukture();
  SprawdzEtykiety();
  postep.Ustaw(2 * static_cast<int64_t>(postep.Pozycja()));

  const int64_t n = static_cast<int64_t>(linie.size());
  auto przebieg = [&](int numer, bool raportuj) {
    j_.PC = 0;
    w.Zapisane.reset();
    w.Mov85.reset();
    w.BajtyWiersza.assign(tab.Rozmiar(), 0);
    for (size_t r = 1; r < tab.Rozmiar(); ++r) {
      const WierszRozkazu& wiersz = tab[r];
      if (numer == 1 && tekst::RowneBezWielkosci(wiersz[KolMnemonik], "end")) {
        tab.UstawAdres(r, j_.PC);
        koniec_ = wiersz;
        tab.ZmienRozmiar(r);
        w.BajtyWiersza.resize(r);
        w.NapotkanoEnd = true;
        break;
      }
      tab.UstawAdres(r, j_.PC);
      KomunikatBledu.clear();
      KlasaZakresu = 0;
      bajtyWiersza_ = 0;
      const bool ok = KodujRozkaz(r, wiersz[KolMnemonik], wiersz[KolArg1], wiersz[KolArg2], wiersz[KolArg3]);
      w.BajtyWiersza[r] = bajtyWiersza_;
      if (raportuj) {
        if (!ok) {
          w.FlagaBledu = true;
          w.Bledy.push_back(k::Blad + wiersz[KolLinia] + k::Linia + KomunikatBledu);
        }
        if (KlasaZakresu != 0) RegulaRozmiaru(r);
      }
      if (r % 5 == 0) postep.Ustaw(n * 3 / 2 + (numer - 1) * n + static_cast<int64_t>(r));
    }
  };

  przebieg(1, false);
  w.FlagaOstrzezen = false;
  w.Ostrzezenia.clear();
  OstrzezeniaPominietegoTekstu();
  // Forward labels read the provisional addresses of the pass before, so
  // only the third pass reports.
  if (!w.FlagaBledu) {
    przebieg(2, false);
    przebieg(3, true);
  }
  w.KoncowyLicznik = j_.PC;
  OstrzezeniaDyrektyw();
  w.WierszePrzebiegu = tab.Rozmiar();
  if (w.NapotkanoEnd) {
    // Shown again as the last row; it stands after the last code of the
    // final pass.
    tab.ZmienRozmiar(tab.Rozmiar() + 1);
    WierszRozkazu& e = tab.DoZapisu(tab.Rozmiar() - 1);
    e = koniec_;
    tab.UstawAdres(tab.Rozmiar() - 1, w.KoncowyLicznik);
  }
  postep.Ustaw(postep.Maksimum());
  return w;
}

void Asembler::SprawdzStrukture() {
  WynikAsemblacji& w = wynik_;
  TabelaAsemblacji& tab = w.Tabela;
  for (size_t r = 1; r < tab.Rozmiar(); ++r) {
    tab.UstawAdres(r, 0);
    const WierszRozkazu& wiersz = tab[r];
    if (tekst::RowneBezWielkosci(wiersz[KolMnemonik], "db")) continue;
    auto blad = [&](const char* tekst) {
      w.FlagaBledu = true;
      w.Bledy.push_back(k::BladStruktury + wiersz[KolLinia] + k::Linia + tekst);
    };
    if (!wiersz[KolBladEtykiety].empty()) blad(k::ZbytWieleEtykiet);
    if (!wiersz[KolBladMnemonika].empty()) blad(k::ZbytWieleRozkazow);
    if (!wiersz[KolBladArgumentu].empty()) blad(k::ZbytWieleArgumentow);
  }
}

void Asembler::SprawdzEtykiety() {
  WynikAsemblacji& w = wynik_;
  const TabelaAsemblacji& tab = w.Tabela;
  for (size_t r = 1; r < tab.Rozmiar(); ++r) {
    const WierszRozkazu& wiersz = tab[r];
    const std::string& L = wiersz[KolEtykieta];
    if (L.empty()) continue;
    auto blad = [&](const std::string& tekst) {
      w.FlagaBledu = true;
      w.Bledy.push_back(k::Blad + wiersz[KolLinia] + k::Linia + tekst);
    };
    // Register names such as r0 and dptr are not reserved.
    if (KodMnemonika(L).znane || BajtPredefiniowany(L) || BitPredefiniowany(L)) blad(k::NazwaZastrzezona);
    if (tekst::Cyfra(L[0])) blad(k::LiczbaJakoEtykieta);
    // The lookup as if this row's label were empty; "$" always finds PC.
    std::string_view nazwa = L;
    bool znaleziona = nazwa == "$";
    if (!znaleziona) {
      if (nazwa[0] == '#') nazwa.remove_prefix(1);
      znaleziona = tab.JestPozaWierszem(nazwa, r);
    }
    if (znaleziona) blad(k::DublujacaEtykieta + L);
  }
}

// The operand size warning of the final pass.
void Asembler::RegulaRozmiaru(size_t r) {
  WynikAsemblacji& w = wynik_;
  const WierszRozkazu& wiersz = w.Tabela[r];
  if (Jedno(wiersz[KolMnemonik],
            {"equ", "set", "data", "idata", "xdata", "org", "bit", "sjmp", "djnz", "cjne", "acall", "lcall"}))
    return;
  const bool dptr = tekst::RowneBezWielkosci(wiersz[KolArg1], "dptr") ||
                    tekst::RowneBezWielkosci(wiersz[KolArg2], "dptr") ||
                    tekst::RowneBezWielkosci(wiersz[KolArg3], "dptr");
  const char* tekst = nullptr;
  if (!dptr)
    tekst = k::ZakresBajtu;
  else if (KlasaZakresu == 2)
    tekst = k::ZakresSlowa;
  if (!tekst) return;
  w.FlagaOstrzezen = true;
  w.Ostrzezenia.push_back(k::Ostrzezenie + wiersz[KolLinia] + k::Linia + tekst);
}

// Text the split left out of a row, named whether or not the run succeeds.
// Rows after "end" are not assembled at all, so nothing of theirs is named.
void Asembler::OstrzezeniaPominietegoTekstu() {
  WynikAsemblacji& w = wynik_;
  const size_t ostatni = w.Tabela.Rozmiar() - (w.NapotkanoEnd ? 0 : 1);
  for (const Pominiecie& p : pominiete_) {
    if (p.wiersz > ostatni) break;
    w.FlagaOstrzezen = true;
    w.Ostrzezenia.push_back(k::Ostrzezenie + std::to_string(p.linia) + k::Linia + p.tekst);
  }
}

void Asembler::OstrzezeniaDyrektyw() {
  WynikAsemblacji& w = wynik_;
  const TabelaAsemblacji& tab = w.Tabela;
  for (size_t r = 1; r < tab.Rozmiar(); ++r) {
    const WierszRozkazu& wiersz = tab[r];
    const std::string& m = wiersz[KolMnemonik];
    const Slowo s = wiersz.SlowoMnemonika();
    const int32_t wartosc = wiersz.Adres().value_or(0);
    const char* limit = nullptr;
    if (s == Slowo::Set || s == Slowo::Data || s == Slowo::Bit) {
      if (wartosc >= 256) limit = k::LimitBajtu;
    } else if (s == Slowo::Xdata || s == Slowo::Idata) {
      if (wartosc > 65535) limit = k::LimitSlowa;
    }
    if (!limit) continue;
    w.FlagaOstrzezen = true;
    w.Ostrzezenia.push_back(k::Ostrzezenie + wiersz[KolLinia] + k::Linia + k::ZakresDyrektywy + m + limit);
  }
}

}  // namespace kelbra
