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

std::string TekstCykli(uint32_t cykle) { return "Cykle= " + std::to_string(cykle); }

std::string TekstCzasu(uint32_t sekundy, uint32_t cykle) {
  char bufor[64];
  std::snprintf(bufor, sizeof bufor, "Czas dzial. jadra: %02u:%02u:%02u.%03u", sekundy / 3600, sekundy / 60 % 60,
                sekundy % 60, cykle / 1000);
  return bufor;
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
  // Off, the history lets its buffers go: an edited text ends what it held.
  if (historia_) historia_->Wlacz(wlacz);
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
  j_.CzasOdniesienia = zegar_.Milisekundy();
}

void SterowanieBiegiem::TickCiagly() {
  const int64_t teraz = zegar_.Milisekundy();
  const int64_t roznica = teraz - j_.CzasOdniesienia;
  // Whole seconds of delay are dropped: only the milliseconds part refills.
  const int64_t ms = roznica >= 0 ? roznica % 1000 : 0;
  if (ms != 0) {
    j_.CzasOdniesienia = teraz;
    j_.BudzetCykli += static_cast<int32_t>(ms) * CykliNaMilisekunde;
  }
  plytka_.PrzedBiegiem();
  // Two instantiations of the loop, so the unrecorded run pays nothing for
  // the history.
  const bool pulapka = historia_ && historia_->Wlaczona() ? Odcinek([h = historia_] { return h->KrokJadra(); })
                                                          : Odcinek([this] { return j_.KrokJadra(); });
  if (!pulapka) okno_.OdswiezDiody();
}

template <class Wykonaj>
bool SterowanieBiegiem::Odcinek(Wykonaj krok) {
  // The machine's time in cycles and the cycle at which the next PC key is
  // due, so that the loop compares one number per instruction.
  uint64_t cykl = CykleMaszyny(j_);
  uint64_t dostawa = plytka_.NastepnaDostawaPC(cykl);
  while (j_.BudzetCykli > 0) {
    if (cykl >= dostawa) {
      plytka_.DostarczKlawiszPC(cykl);
      dostawa = plytka_.NastepnaDostawaPC(cykl);
    }
    const int32_t n = krok();
    j_.LicznikCykli += static_cast<uint32_t>(n);
    cykl += static_cast<uint64_t>(n);
    // A zero-cycle opcode (A5h) still spends one cycle of the budget: a run
    // of them between real instructions could otherwise hold the tick for
    // minutes, and the unspent budget would pile up from tick to tick.
    j_.BudzetCykli -= KosztKroku(n);
    if (SprawdzPulapke()) return true;
  }
  return false;
}

void SterowanieBiegiem::PracaKrokowa() {
  Pauza();
  UstawTimery(false, true);
}

int32_t SterowanieBiegiem::Krok() {
  plytka_.DostarczKlawiszPC(CykleMaszyny(j_));
  const int32_t n = historia_ ? historia_->KrokJadra() : j_.KrokJadra();
  j_.LicznikCykli += static_cast<uint32_t>(n);
  return n;
}

void SterowanieBiegiem::TickKrokowy() {
  plytka_.PrzedBiegiem();
  Krok();
  PokazBiezacaLinie();
  SprawdzPulapke();
}

void SterowanieBiegiem::StepInto() {
  Pauza();
  plytka_.PrzedBiegiem();
  Krok();
  PokazBiezacaLinie();
}

void SterowanieBiegiem::StepOver() {
  Pauza();
  const uint8_t kod = j_.Code[j_.PC];
  const bool jestPowrot = JestWywolaniem(kod);
  const uint16_t powrot = static_cast<uint16_t>(j_.PC + DlugoscRozkazu[kod]);
  int64_t przydzial = LimitStepOver;
  plytka_.PrzedBiegiem();
  do {
    const int32_t n = Krok();
    if (SprawdzPulapke()) return;
    // As in a tick: a call into zero-cycle code comes back round to the call
    // itself, so no count of them in a row would ever end the loop.
    przydzial -= KosztKroku(n);
  } while (jestPowrot && j_.PC != powrot && przydzial > 0);
  PokazBiezacaLinie();
  if (jestPowrot && przydzial <= 0 && j_.PC != powrot) okno_.KomunikatStepOver();
}

bool SterowanieBiegiem::KrokWstecz() {
  UstawTimery(false, false);
  const bool cofniety = historia_ && historia_->Cofnij();
  PokazBiezacaLinie();
  return cofniety;
}

void SterowanieBiegiem::Stop(int liczbaLinii) {
  Pauza();
  UstawTrybEmulacji(false, liczbaLinii);
}

void SterowanieBiegiem::ResetKelbry() {
  Pauza();
  StartEmulacji(j_, plytka_);
  if (historia_) historia_->Wyczysc();
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
  TekstyStatusu t;
  t.CaretPos = TekstPC(j_.PC, j_.Code[j_.PC]);
  t.Cykle = TekstCykli(j_.LicznikCykli);
  if (j_.LicznikCykli > 1'000'000) {
    j_.LicznikCykli -= 1'000'000;
    j_.SekundyJadra += 1;
  }
  t.Czas = TekstCzasu(j_.SekundyJadra, j_.LicznikCykli);
  return t;
}

}  // namespace kelbra
