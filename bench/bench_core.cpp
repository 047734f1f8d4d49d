// Emulation speed of the machine's run loop on a realistic instruction mix
// with timer 0 interrupting (mieszanka.asm, assembled by as31 at build time).

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "IntelHex.h"
#include "Jadro.h"
#include "Maszyna.h"

namespace {

using namespace kelbra;

// A machine with the instruction mix in CODE, or nothing (and the benchmark
// skipped) when its HEX file cannot be read.
std::unique_ptr<Maszyna> Mieszanka(benchmark::State& state) {
  std::ifstream plik(KELBRA_MIESZANKA_HEX, std::ios::binary);
  const std::string hex((std::istreambuf_iterator<char>(plik)), std::istreambuf_iterator<char>());
  auto m = std::make_unique<Maszyna>();
  if (!WczytajIntelHex(hex, m->jadro().Code) || hex.empty()) {
    state.SkipWithError("mieszanka.hex could not be read");
    return nullptr;
  }
  return m;
}

// 10 million cycles from a board reset stay inside the program's loops,
// before it stops; the machine's run loop as every user runs it.
void Przebiegi(benchmark::State& state, Maszyna& m) {
  constexpr int64_t CyklowNaPrzebieg = 10'000'000;
  uint64_t razem = 0;
  for (auto _ : state) {
    m.ResetPlytki();
    int64_t budzet = CyklowNaPrzebieg;
    m.Biegnij(budzet, UINT64_MAX, [](const Jadro&) { return false; });
    razem += m.Cykl();
  }
  benchmark::DoNotOptimize(m.jadro().Data[sfr::ACC]);
  state.counters["cykle_maszynowe/s"] = benchmark::Counter(static_cast<double>(razem), benchmark::Counter::kIsRate);
  state.counters["przerwania"] = m.jadro().Data[0x31];
}

void BM_KrokJadraMieszanka(benchmark::State& state) {
  const auto m = Mieszanka(state);
  if (m) Przebiegi(state, *m);
}
BENCHMARK(BM_KrokJadraMieszanka)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The same mix with the step-back history on, as the window runs it; the
// history fills up and then keeps dropping its oldest instructions.
void BM_KrokJadraMieszankaZHistoria(benchmark::State& state) {
  const auto m = Mieszanka(state);
  if (!m) return;
  HistoriaKrokow& h = m->historia();
  h.Wlacz(true);
  Przebiegi(state, *m);
  state.counters["rozkazy_w_historii"] = static_cast<double>(h.Liczba());
  state.counters["MiB_bufory"] = static_cast<double>(h.Pamiec()) / (1 << 20);
}
BENCHMARK(BM_KrokJadraMieszankaZHistoria)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The window's run in emulation mode: the history and the timing picture
// both on (historia 1), or the picture alone (historia 0).
void BM_KrokJadraMieszankaZPrzebiegami(benchmark::State& state) {
  const auto m = Mieszanka(state);
  if (!m) return;
  m->historia().Wlacz(state.range(0) != 0);
  m->WlaczPrzebiegi(true);
  Przebiegi(state, *m);
  state.counters["zmiany"] = static_cast<double>(m->przebiegi().Liczba());
}
BENCHMARK(BM_KrokJadraMieszankaZPrzebiegami)->ArgName("historia")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
