// Emulation speed of KrokJadra on a realistic instruction mix with timer 0
// interrupting (mieszanka.asm, assembled by as31 at build time).

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "HistoriaJadra.h"
#include "IntelHex.h"
#include "Jadro.h"

namespace {

using namespace kelbra;

// The instruction mix in CODE, or nothing (and the benchmark skipped) when
// its HEX file cannot be read.
std::unique_ptr<Jadro> Mieszanka(benchmark::State& state) {
  std::ifstream plik(KELBRA_MIESZANKA_HEX, std::ios::binary);
  const std::string hex((std::istreambuf_iterator<char>(plik)), std::istreambuf_iterator<char>());
  auto j = std::make_unique<Jadro>();
  if (!WczytajIntelHex(hex, j->Code) || hex.empty()) {
    state.SkipWithError("mieszanka.hex could not be read");
    return nullptr;
  }
  return j;
}

void BM_KrokJadraMieszanka(benchmark::State& state) {
  const auto j = Mieszanka(state);
  if (!j) return;
  // 10 million cycles stay inside the program's loops, before it stops.
  constexpr int64_t CyklowNaPrzebieg = 10'000'000;
  int64_t razem = 0;
  for (auto _ : state) {
    j->ResetJadra();
    int64_t cykle = 0;
    while (cykle < CyklowNaPrzebieg) cykle += j->KrokJadra();
    razem += cykle;
  }
  benchmark::DoNotOptimize(j->Data[sfr::ACC]);
  state.counters["cykle_maszynowe/s"] = benchmark::Counter(static_cast<double>(razem), benchmark::Counter::kIsRate);
  state.counters["przerwania"] = j->Data[0x31];
}
BENCHMARK(BM_KrokJadraMieszanka)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The same mix with the step-back history on, as the window runs it; the
// history fills up and then keeps dropping its oldest instructions.
void BM_KrokJadraMieszankaZHistoria(benchmark::State& state) {
  const auto j = Mieszanka(state);
  if (!j) return;
  HistoriaJadra h(*j);
  h.Wlacz(true);
  constexpr int64_t CyklowNaPrzebieg = 10'000'000;
  int64_t razem = 0;
  int64_t rozkazy = 0;
  for (auto _ : state) {
    j->ResetJadra();
    int64_t cykle = 0;
    while (cykle < CyklowNaPrzebieg) {
      cykle += h.KrokJadra();
      ++rozkazy;
    }
    razem += cykle;
  }
  benchmark::DoNotOptimize(j->Data[sfr::ACC]);
  state.counters["cykle_maszynowe/s"] = benchmark::Counter(static_cast<double>(razem), benchmark::Counter::kIsRate);
  state.counters["rozkazy_w_historii"] = static_cast<double>(h.Liczba());
  state.counters["bajty_na_rozkaz"] =
      static_cast<double>(h.Liczba() * 16 + h.Wpisy() * 4) / static_cast<double>(h.Liczba());
  state.counters["MiB_bufory"] = static_cast<double>(h.Pamiec()) / (1 << 20);
}
BENCHMARK(BM_KrokJadraMieszankaZHistoria)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
