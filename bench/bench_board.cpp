// The LCD costs the emulator: a data write per MOVX, and a full repaint
// every sixth millisecond while the board window is shown. The timing
// picture: a full ring written out as VCD, and one paint's summary of it.

#include <benchmark/benchmark.h>

#include <memory>

#include "LcdObraz.h"
#include "Plytka.h"
#include "Vcd.h"
#include "WidokPrzebiegow.h"
#include "ZapisPrzebiegow.h"

namespace {

using namespace kelbra;

void BM_LcdZapisDanych(benchmark::State& state) {
  auto j = std::make_unique<Jadro>();
  PlytkaKelbra plytka;
  PodlaczPlytke(*j, plytka);
  plytka.LcdZapis(Lcd::AdresRozkazu, 0x38);
  uint8_t znak = 0x20;
  for (auto _ : state) {
    benchmark::DoNotOptimize(plytka.LcdZapis(Lcd::AdresDanych, znak));
    znak = static_cast<uint8_t>(znak == 0x7E ? 0x20 : znak + 1);
  }
}
BENCHMARK(BM_LcdZapisDanych);

void BM_LcdRysujWszystko(benchmark::State& state) {
  Lcd lcd;
  lcd.Rozkaz(0x3C);
  lcd.Rozkaz(0x0C);
  for (int i = 0; i < 32; ++i) lcd.Dane(static_cast<uint8_t>('A' + i));
  const GeometriaLcd g{57, 43, 370, 134, {}};
  for (auto _ : state) {
    benchmark::DoNotOptimize(LcdRysujWszystko(lcd, g));
  }
}
BENCHMARK(BM_LcdRysujWszystko);

// A pin toggling every 50 cycles until the ring is full.
const ZapisPrzebiegow& PelnyZapis() {
  static const auto z = [] {
    auto p = std::make_unique<ZapisPrzebiegow>();
    p->Wlacz(true);
    for (uint64_t n = 0; n < p->Pojemnosc(); ++n) p->Bajt(Sygnal::P1, n % 2 ? 0xFF : 0xFE, 50 * (n + 1));
    return p;
  }();
  return *z;
}

void BM_TekstVcdPelnegoZapisu(benchmark::State& state) {
  const ZapisPrzebiegow& z = PelnyZapis();
  for (auto _ : state) benchmark::DoNotOptimize(TekstVcd(z).size());
  state.counters["zmiany/s"] = benchmark::Counter(static_cast<double>(z.Liczba()), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_TekstVcdPelnegoZapisu)->Unit(benchmark::kMillisecond);

// "Całość" over a full ring: the widest paint.
void BM_ObrazCalegoZapisu(benchmark::State& state) {
  const ZapisPrzebiegow& z = PelnyZapis();
  WidokCzasu w;
  w.UstawSzerokosc(1000, z.Koniec());
  w.Calosc(z.Poczatek(), z.Koniec());
  for (auto _ : state) benchmark::DoNotOptimize(ObliczObraz(z, w).doX);
}
BENCHMARK(BM_ObrazCalegoZapisu)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
