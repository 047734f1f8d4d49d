#include "SterowanieBiegiem.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "TablicaRozkazow.h"

namespace kelbra {

int64_t ZegarMonotoniczny::Milisekundy() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::string TekstCykli(uint64_t cykle) { return "Cykle= " + std::to_string(cykle); }

std::string TekstCzasu(uint64_t sekundy, uint64_t cykle) {
  char bufor[96];
  std::snprintf(bufor, sizeof bufor, "Czas dzial. jadra: %02llu:%02llu:%02llu.%03llu",
                static_cast<unsigned long long>(sekundy / 3600), static_cast<unsigned long long>(sekundy / 60 % 60),
                static_cast<unsigned long long>(sekundy % 60), static_cast<unsigned long long>(cykle / 1000));
  return bufor;
}

TekstyStatusu LicznikStatusu::Tick(uint64_t cykl) {
  if (cykl / 1'000'000 < sekundy_) sekundy_ = cykl / 1'000'000;
  uint64_t licznik = cykl - sekundy_ * 1'000'000;
  TekstyStatusu t;
  t.Cykle = TekstCykli(licznik);
  if (licznik > 1'000'000) {
    licznik -= 1'000'000;
    ++sekundy_;
  }
  t.Czas = TekstCzasu(sekundy_, licznik);
  return t;
}

std::string TekstPC(uint16_t pc, uint8_t kod) {
  char bufor[48];
  std::snprintf(bufor, sizeof bufor, "  PC= %u  CODE[PC]= %02X", pc, kod);
  return bufor;
}

void SterowanieBiegiem::UstawTimery(bool ciagly, bool krokowy) {
  if (ciagly == ciagly_ && krokowy == krokowy_) return;
  ciagly_ = ciagly;
  krokowy_ = krokowy;
  okno_.UstawTimeryBiegu(ciagly, krokowy);
}

void SterowanieBiegiem::UstawTrybEmulacji(bool wlacz, int liczbaLinii) {
  const bool saLinie = liczbaLinii > 0;
  polecenia_.Nowy = !wlacz;
  polecenia_.Kompilacja = !wlacz && saLinie;
  polecenia_.Emulacja = wlacz;
  if (!wlacz) polecenia_.Run = saLinie;
  polecenia_.PrzyciskRun = wlacz || saLinie;
  // Off, the history and the timing picture let their buffers go: an
  // edited text ends what they held.
  m_.historia().Wlacz(wlacz);
  m_.WlaczPrzebiegi(wlacz);
  if (wlacz) ResetKelbry();
  else UstawTimery(false, false);
}

void SterowanieBiegiem::Pauza() {
  UstawTimery(false, false);
  PokazBiezacaLinie();
}

void SterowanieBiegiem::Run() {
  if (!polecenia_.Emulacja) return;
  UstawTimery(true, false);
  czasOdniesienia_ = zegar_.Milisekundy();
}

void SterowanieBiegiem::TickCiagly() {
  const int64_t teraz = zegar_.Milisekundy();
  const int64_t roznica = teraz - czasOdniesienia_;
  // Whole seconds of delay are dropped: only the milliseconds part refills.
  const int64_t ms = roznica >= 0 ? roznica % 1000 : 0;
  if (ms != 0) {
    czasOdniesienia_ = teraz;
    budzet_ += ms * CykliNaMilisekunde;
  }
  // The last instruction always runs whole, so the budget may end below 0;
  // the deficit is paid from the next refill.
  const bool pulapka = m_.Biegnij(budzet_, UINT64_MAX, [this](const Jadro& j) { return pulapki_.StopNaAdresie(j.PC); });
  if (pulapka) SprawdzPulapke();
  else okno_.OdswiezDiody();
}

void SterowanieBiegiem::PracaKrokowa() {
  Pauza();
  UstawTimery(false, true);
}

void SterowanieBiegiem::TickKrokowy() {
  m_.Krok();
  PokazBiezacaLinie();
  SprawdzPulapke();
}

void SterowanieBiegiem::StepInto() {
  Pauza();
  m_.Krok();
  PokazBiezacaLinie();
}

void SterowanieBiegiem::StepOver() {
  Pauza();
  const uint8_t kod = j_.Code[j_.PC];
  const bool jestPowrot = JestWywolaniem(kod);
  const uint16_t powrot = static_cast<uint16_t>(j_.PC + DlugoscRozkazu[kod]);
  // Without a call, one instruction. A call into zero-cycle code comes back
  // round to the call itself, so the allowance is charged as a budget is.
  int64_t przydzial = LimitStepOver;
  m_.Biegnij(przydzial, UINT64_MAX, [&](const Jadro& j) {
    return pulapki_.StopNaAdresie(j.PC) || !jestPowrot || j.PC == powrot;
  });
  if (SprawdzPulapke()) return;
  PokazBiezacaLinie();
  if (jestPowrot && przydzial <= 0 && j_.PC != powrot) okno_.KomunikatStepOver();
}

bool SterowanieBiegiem::KrokWstecz() {
  UstawTimery(false, false);
  const bool cofniety = m_.Cofnij();
  PokazBiezacaLinie();
  return cofniety;
}

void SterowanieBiegiem::Stop(int liczbaLinii) {
  Pauza();
  UstawTrybEmulacji(false, liczbaLinii);
}

void SterowanieBiegiem::ResetKelbry() {
  Pauza();
  m_.ResetPlytki();
  budzet_ = 0;
  czasOdniesienia_ = 0;
  PokazBiezacaLinie();
}

void SterowanieBiegiem::PrzesunPC(int linia) {
  j_.PC = mapa_.AdresDoLinii(linia).value_or(0);
  okno_.IdzDoLinii(linia);
}

void SterowanieBiegiem::PokazBiezacaLinie() {
  const int32_t linia = mapa_.LiniaAdresu(j_.PC);
  if (linia >= 0) okno_.IdzDoLinii(linia);
}

bool SterowanieBiegiem::SprawdzPulapke() {
  if (!pulapki_.StopNaAdresie(j_.PC)) return false;
  Pauza();
  PokazBiezacaLinie();
  return true;
}

TekstyStatusu SterowanieBiegiem::TickStatusu() {
  TekstyStatusu t = status_.Tick(m_.Cykl());
  t.CaretPos = TekstPC(j_.PC, j_.Code[j_.PC]);
  return t;
}

}  // namespace kelbra
