// The LCD costs the emulator: a data write per MOVX, and a full repaint
// every sixth millisecond while the board window is shown.

#include <benchmark/benchmark.h>

#include <memory>

#include "LcdObraz.h"
#include "Plytka.h"

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

}  // namespace

BENCHMARK_MAIN();
