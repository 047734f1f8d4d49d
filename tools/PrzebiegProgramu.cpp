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
  const size_t kontrole = u.Kontrole ? u.Kontrole->size() : 0;
  size_t nastepnaKontrola = 0;
  uint64_t nastepnyPostep = u.Postep ? OkresPostepu : UINT64_MAX;

  if (u.Zdarzenia) plytka.KolejkaPC.UstawOdstep(u.Zdarzenia->OdstepKlawiszyPC);

  WynikPrzebiegu w;
  size_t nastepne = 0;
  const uint64_t poczatek = m.Cykl();
  auto wykonane = [&] { return m.Cykl() - poczatek; };
  // The limit is charged as a tick charges its budget, so that CODE made of
  // the zero-cycle A5h still ends the run.
  int64_t budzet = static_cast<int64_t>(std::min<uint64_t>(u.Cykle, INT64_MAX));
  auto nic = [](const Jadro&) { return false; };
  while (budzet > 0 && j.PC != stop) {
    const uint64_t cykl = wykonane();
    while (nastepne < zdarzenia.size() && zdarzenia[nastepne].Cykl <= cykl)
      Zastosuj(plytka, zdarzenia[nastepne++], m.Cykl());
    while (nastepnaKontrola < kontrole && (*u.Kontrole)[nastepnaKontrola] <= cykl) u.Kontrola(nastepnaKontrola++);
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
      int64_t jeden = 1;
      m.Biegnij(jeden, UINT64_MAX, nic);
      budzet -= 1 - jeden;
      continue;
    }
    // Up to the next thing to do, with nothing but the stop checks between
    // the instructions.
    const uint64_t granica =
        std::min({nastepne < zdarzenia.size() ? zdarzenia[nastepne].Cykl : UINT64_MAX, nastepnaKopia, nastepnyPostep,
                  nastepnaKontrola < kontrole ? (*u.Kontrole)[nastepnaKontrola] : UINT64_MAX});
    const int32_t poczatekSladu = doSladu > 0 ? *u.SladOd : -1;
    m.Biegnij(budzet, granica == UINT64_MAX ? UINT64_MAX : poczatek + granica,
              [&](const Jadro& jj) { return jj.PC == stop || jj.PC == poczatekSladu; });
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
