#include "PrzebiegProgramu.h"

#include <algorithm>
#include <cstdio>

#include "Kodowanie.h"
#include "TablicaRozkazow.h"

namespace kelbra::wsad {

namespace {

void Zastosuj(PlytkaKelbra& plytka, const ZdarzeniePlytki& z, uint64_t cykl) {
  switch (z.rodzaj) {
    case ZdarzeniePlytki::Rodzaj::KlStatyczny: plytka.PrzelaczKlStatyczny(z.Numer); break;
    case ZdarzeniePlytki::Rodzaj::KlDynamicznyDol: plytka.KlDynamicznyMyszDol(z.Numer); break;
    // Let go with the pointer still on the button.
    case ZdarzeniePlytki::Rodzaj::KlDynamicznyGora: plytka.KlDynamicznyMyszGora(z.Numer, 1); break;
    // The window's field does the same: the key's last delivery enters the
    // serial line.
    case ZdarzeniePlytki::Rodzaj::KlawiszPC:
      if (!z.Dostawy.empty()) plytka.WpiszKlawiszPC(z.Dostawy.back(), cykl);
      break;
  }
}

// A source line without its comment: text after a ";" outside quotes.
std::string BezKomentarza(const std::string& linia) {
  char cudzyslow = 0;
  size_t k = 0;
  for (; k < linia.size(); ++k) {
    const char c = linia[k];
    if (cudzyslow) cudzyslow = c == cudzyslow ? 0 : cudzyslow;
    else if (c == '\'' || c == '"') cudzyslow = c;
    else if (c == ';') break;
  }
  const size_t koniec = linia.find_last_not_of(' ', k == 0 ? 0 : k - 1);
  return k == 0 || koniec == std::string::npos ? std::string() : linia.substr(0, koniec + 1);
}

}  // namespace

WynikPrzebiegu Uruchom(Maszyna& m, const UstawieniaPrzebiegu& u, const Slad& slad) {
  Jadro& j = m.jadro();
  PlytkaKelbra& plytka = m.plytka();
  static const std::vector<ZdarzeniePlytki> brak;
  const std::vector<ZdarzeniePlytki>& zdarzenia = u.Zdarzenia ? u.Zdarzenia->Zdarzenia : brak;
  uint64_t nastepnaKopia = u.Zdarzenia && u.Zdarzenia->Skryptowane ? OkresKopiiKlawiszy : UINT64_MAX;
  const int32_t stop = u.DoPC ? *u.DoPC : -1;
  uint64_t doSladu = slad ? u.Slad : 0;
  bool sladTrwa = !u.SladOd;
  Sprawdzanie* const kontrole = u.Kontrole;
  uint64_t nastepnaKontrola = kontrole ? kontrole->Pierwsza() : UINT64_MAX;
  uint64_t nastepnyPostep = u.Postep ? OkresPostepu : UINT64_MAX;

  if (u.Zdarzenia) plytka.KolejkaPC.UstawOdstep(u.Zdarzenia->OdstepKlawiszyPC);

  WynikPrzebiegu w;
  size_t nastepne = 0;
  const uint64_t poczatek = m.Cykl();
  auto wykonane = [&] { return m.Cykl() - poczatek; };
  // The limit is charged as a tick charges its budget, so that CODE made of
  // the zero-cycle A5h still ends the run. Its last stretch is watched for
  // where the program goes round.
  int64_t budzet = static_cast<int64_t>(std::min<uint64_t>(u.Cykle, INT64_MAX));
  const uint64_t obserwacja = poczatek + (u.Cykle > ObserwacjaKonca ? u.Cykle - ObserwacjaKonca : 0);
  auto zapamietaj = [&](const Jadro& jj) {
    if (m.Cykl() >= obserwacja) w.OstatniePC[w.RozkazyNaKoncu++ % w.OstatniePC.size()] = jj.PC;
  };
  while (budzet > 0 && j.PC != stop) {
    const uint64_t cykl = wykonane();
    while (nastepne < zdarzenia.size() && zdarzenia[nastepne].Cykl <= cykl)
      Zastosuj(plytka, zdarzenia[nastepne++], m.Cykl());
    if (kontrole && (cykl >= nastepnaKontrola || kontrole->Czuwa()))
      nastepnaKontrola = kontrole->Kontrola(cykl, j, plytka.lcd);
    if (cykl >= nastepnaKopia) {
      plytka.KopiujKlawisze();
      nastepnaKopia = (cykl / OkresKopiiKlawiszy + 1) * OkresKopiiKlawiszy;
    }
    if (cykl >= nastepnyPostep) {
      u.Postep(cykl);
      nastepnyPostep = (cykl / OkresPostepu + 1) * OkresPostepu;
    }
    if (doSladu > 0 && !sladTrwa && j.PC == *u.SladOd) sladTrwa = true;
    if (doSladu > 0 && sladTrwa) {
      slad(cykl, j);
      --doSladu;
      budzet -= KosztKroku(m.Krok());
      zapamietaj(j);
      continue;
    }
    // Up to the next thing to do, with nothing but the stop checks between
    // the instructions.
    const uint64_t granica =
        std::min({nastepne < zdarzenia.size() ? zdarzenia[nastepne].Cykl : UINT64_MAX, nastepnaKopia, nastepnyPostep,
                  nastepnaKontrola});
    const uint64_t doCyklu = granica == UINT64_MAX ? UINT64_MAX : poczatek + granica;
    const int32_t poczatekSladu = doSladu > 0 ? *u.SladOd : -1;
    if (m.Cykl() < obserwacja && !(kontrole && kontrole->Czuwa())) {
      // The plain stretch, up to where the watching starts.
      m.Biegnij(budzet, std::min(doCyklu, obserwacja),
                [&](const Jadro& jj) { return jj.PC == stop || jj.PC == poczatekSladu; });
      continue;
    }
    // An open window watches every boundary, and the last stretch every PC;
    // back to the checks when a window sees something.
    m.Biegnij(budzet, doCyklu, [&](const Jadro& jj) {
      zapamietaj(jj);
      return jj.PC == stop || jj.PC == poczatekSladu ||
             (kontrole && kontrole->Czuwa() && kontrole->Zmiana(jj, plytka.lcd, m.Cykl() - poczatek));
    });
  }
  w.Cykle = wykonane();
  w.Zastosowane = nastepne;
  w.DoszedlDoPC = j.PC == stop;
  return w;
}

SladRozkazow::SladRozkazow(const TabelaAsemblacji* tabela, std::vector<TekstCp1250> linie)
    : zTabela_(tabela != nullptr) {
  if (tabela) mapa_.Zbuduj(*tabela);
  linie_.reserve(linie.size());
  for (const TekstCp1250& l : linie) {
    TekstUtf8 t = Cp1250DoUtf8(l);
    std::replace(t.begin(), t.end(), '\t', ' ');
    const size_t p = t.find_first_not_of(' ');
    const size_t k = t.find_last_not_of(" \r\n");
    linie_.push_back(p == std::string::npos ? std::string() : t.substr(p, k - p + 1));
  }
}

TekstUtf8 SladRozkazow::Koniec(const WynikPrzebiegu& w, uint16_t pc) const {
  // A loop of a few bytes that held the whole last stretch: the program
  // waits there (for a key, a bit, the LCD) or has stopped in "sjmp $".
  constexpr uint16_t NajwiekszaPetla = 16;
  constexpr uint32_t NajmniejRozkazow = 8;
  const size_t ile = std::min<size_t>(w.RozkazyNaKoncu, w.OstatniePC.size());
  const auto [pcOd, pcDo] = std::minmax_element(w.OstatniePC.begin(), w.OstatniePC.begin() + ile);
  const bool krazy = ile >= NajmniejRozkazow && *pcDo - *pcOd < NajwiekszaPetla;
  auto linia = [&](uint16_t adres) {
    const int32_t n = zTabela_ ? mapa_.LiniaAdresu(adres) : -1;
    return n >= 0 && static_cast<size_t>(n) < linie_.size() ? n : -1;
  };
  auto wiersz = [&](int32_t n) { return std::to_string(n) + ": " + BezKomentarza(linie_[static_cast<size_t>(n)]); };
  char bufor[48];
  std::snprintf(bufor, sizeof bufor, "Koniec przebiegu w PC=%04X", pc);
  std::string wynik = bufor;
  const int32_t tu = linia(pc);
  if (!krazy) return tu < 0 ? wynik : wynik + ", wiersz " + wiersz(tu);
  const int32_t od = linia(*pcOd);
  const int32_t doL = linia(*pcDo);
  if (od < 0 || doL < 0) {
    std::snprintf(bufor, sizeof bufor, ": program krąży w adresach %04X..%04X", *pcOd, *pcDo);
    return wynik + bufor;
  }
  if (od == doL) return wynik + ": program krąży w wierszu " + wiersz(od);
  return wynik + (tu < 0 ? std::string() : ", wiersz " + wiersz(tu)) + "; program krąży w wierszach " +
         std::to_string(od) + ".." + std::to_string(doL);
}

TekstUtf8 SladRozkazow::Linia(uint64_t cykle, const Jadro& j) const {
  using namespace sfr;
  const int32_t linia = zTabela_ ? mapa_.LiniaAdresu(j.PC) : -1;
  const bool jest = linia >= 0 && static_cast<size_t>(linia) < linie_.size();
  char bufor[96];
  std::snprintf(bufor, sizeof bufor, "CYCLES=%llu PC=%04X LINE=", static_cast<unsigned long long>(cykle), j.PC);
  std::string wynik = bufor;
  wynik += jest ? std::to_string(linia) + " \"" + linie_[static_cast<size_t>(linia)] + "\"" : std::string("- \"\"");
  std::snprintf(bufor, sizeof bufor, " A=%02X PSW=%02X SP=%02X DPTR=%04X", j.Data[ACC], j.Data[PSW], j.Data[SP],
                j.DPTR());
  return wynik + bufor;
}

}  // namespace kelbra::wsad
