// One slice of the continuous run as the main window's timer does it:
// 10,000 machine cycles with the board shown (key bytes restored first, PC
// keys checked between instructions), a breakpoint check after every
// instruction, then the LED and LCD change check of the board window. The
// second form records every instruction in the step-back history, as the
// window does; "razy_czas_rzeczywisty" is how many times faster than the
// board's real time (1,000 cycles a millisecond) a slice runs.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "Asembler.h"
#include "Maszyna.h"
#include "SterowanieBiegiem.h"

namespace {

using namespace kelbra;

// A table copied into RAM through a subroutine, with arithmetic on each
// byte shown on P1; the last line is never reached and holds the breakpoint.
const std::vector<std::string> Program = {
    "        mov sp,#60h",
    "        mov dptr,#tablica",
    "start:  mov r0,#30h",
    "        mov r7,#16",
    "petla:  mov a,r7",
    "        movc a,@a+dptr",
    "        add a,r2",
    "        lcall zapisz",
    "        xrl a,#5Ah",
    "        mov b,#3",
    "        mul ab",
    "        mov p1,a",
    "        djnz r7,petla",
    "        inc r2",
    "        mov a,r2",
    "        anl a,#0Fh",
    "        mov p2,a",
    "        sjmp start",
    "zapisz: mov @r0,a",
    "        inc r0",
    "        mov 40h,a",
    "        rl a",
    "        ret",
    "tablica: db 3,1,4,1,5,9,2,6,5,3,5,8,9,7,9,3,2",
    "koniec: sjmp koniec",
};
constexpr int LiniaPulapki = 24;

// Each reading is one timer interval later.
class ZegarTykniec final : public Zegar {
 public:
  int64_t Milisekundy() override { return ms_ += SterowanieBiegiem::OkresOdcinka; }

 private:
  int64_t ms_ = 0;
};

class OknoZPlytka final : public ObslugaBiegu {
 public:
  explicit OknoZPlytka(PlytkaKelbra& plytka) : plytka_(plytka) {}
  void IdzDoLinii(int) override {}
  void UstawTimeryBiegu(bool, bool) override {}
  void OdswiezDiody() override {
    // What the board window compares after a slice: the latches and the
    // LCD's version.
    zmiany_ += plytka_.OdswiezDiody() ? 1 : 0;
    if (plytka_.lcd.Wersja != wersjaLcd_) {
      wersjaLcd_ = plytka_.lcd.Wersja;
      ++zmiany_;
    }
    benchmark::DoNotOptimize(zmiany_);
  }
  void KomunikatStepOver() override {}

 private:
  PlytkaKelbra& plytka_;
  uint32_t wersjaLcd_ = 0;
  int zmiany_ = 0;
};

void BM_TykniecieBieguCiaglego(benchmark::State& state) {
  const auto m = std::make_unique<Maszyna>();
  Asembler asembler(m->jadro());
  const WynikAsemblacji& wynik = asembler.Analizuj_kod_asemblera(Program);
  if (wynik.FlagaBledu) {
    state.SkipWithError("the program did not assemble");
    return;
  }
  MapaAdresow mapa;
  mapa.Zbuduj(wynik.Tabela);
  PlytkaKelbra& plytka = m->plytka();
  Pulapki pulapki;
  const int linii = static_cast<int>(Program.size());
  pulapki.Przelacz(LiniaPulapki, mapa, linii);
  if (!pulapki.StopNaAdresie(static_cast<uint16_t>(pulapki.Linii(LiniaPulapki)))) {
    state.SkipWithError("the breakpoint has no address");
    return;
  }
  ZegarTykniec zegar;
  OknoZPlytka okno(plytka);
  SterowanieBiegiem sterowanie(*m, pulapki, mapa, zegar, okno);
  plytka.KopiaKlawiszy = true;
  sterowanie.UstawTrybEmulacji(true, linii);
  // Emulation mode turns the history on, as in the window; the first form
  // turns it off again.
  HistoriaKrokow& historia = m->historia();
  if (state.range(0) == 0) historia.Wlacz(false);
  sterowanie.Run();

  int64_t cykle = 0;
  for (auto _ : state) {
    const uint64_t przed = m->Cykl();
    sterowanie.TickCiagly();
    cykle += static_cast<int64_t>(m->Cykl() - przed);
  }
  if (!sterowanie.TimerCiagly()) state.SkipWithError("the run stopped at the breakpoint");
  state.SetItemsProcessed(cykle);
  state.counters["cykle/tik"] = benchmark::Counter(static_cast<double>(cykle), benchmark::Counter::kAvgIterations);
  state.counters["razy_czas_rzeczywisty"] =
      benchmark::Counter(static_cast<double>(cykle) / SterowanieBiegiem::CykliNaMilisekunde / 1000,
                         benchmark::Counter::kIsRate);
  state.counters["rozkazy_w_historii"] = static_cast<double>(historia.Liczba());
  state.counters["MiB_historii"] = static_cast<double>(historia.Pamiec()) / (1 << 20);
}
BENCHMARK(BM_TykniecieBieguCiaglego)->ArgName("historia")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

}  // namespace
