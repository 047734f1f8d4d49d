// The whole assembly run on generated sources of 1,000 to 50,000 lines.
// Also a generator for bench/as31_ratio.sh:
//   bench_asm --generuj LINIE kelbra|as31   (the source on standard output)

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "Asembler.h"
#include "Jadro.h"

namespace {

// About one label in ten lines, forward and backward relative jumps, long
// calls and jumps to labels anywhere, db strings, equ names and comments,
// in about 12 bytes of code a block of ten lines, so that 50,000 lines still
// fit the 64 KB of CODE. The same program in this assembler's dialect or in
// as31's.
std::vector<std::string> Generuj(int liczbaLinii, bool as31) {
  std::vector<std::string> w;
  char b[160];
  const int bloki = std::max(1, liczbaLinii / 10);
  auto dodaj = [&](const char* format, auto... arg) {
    std::snprintf(b, sizeof b, format, arg...);
    w.push_back(b);
  };
  for (int k = 0; k < bloki; ++k) {
    const int cel = (k * 7919) % bloki;
    if (as31)
      dodaj("        .equ E%d, 0x%02X", k, (k * 37) & 0xFF);
    else
      dodaj("E%d      equ %03Xh", k, (k * 37) & 0xFF);
    dodaj("L%d:     mov a, #E%d", k, k);
    dodaj("        add a, r%d", k % 8);
    dodaj("        ; blok %d", k);
    dodaj("        djnz r7, L%d", k);
    dodaj("        jnz L%d", k + 1);
    switch (k % 3) {
      case 0: dodaj("        lcall L%d", cel); break;
      case 1: dodaj(as31 ? "        .byte \"K%d\", 0" : "        db 'K%d',0", k % 10); break;
      default: dodaj("        ljmp L%d", cel); break;
    }
    dodaj("        mov %s, a", as31 ? "0x30" : "30h");
    dodaj("        ; koniec bloku");
    dodaj("");
  }
  dodaj("L%d:     ret", bloki);
  return w;
}

void Asemblacja(benchmark::State& stan) {
  const std::vector<std::string> linie = Generuj(static_cast<int>(stan.range(0)), false);
  auto j = std::make_unique<kelbra::Jadro>();
  kelbra::Asembler a(*j);
  if (a.Analizuj_kod_asemblera(linie).FlagaBledu) {
    stan.SkipWithError("the generated source does not assemble");
    return;
  }
  for (auto _ : stan) benchmark::DoNotOptimize(a.Analizuj_kod_asemblera(linie).KoncowyLicznik);
  stan.SetItemsProcessed(stan.iterations() * stan.range(0));
}
BENCHMARK(Asemblacja)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--generuj") {
    for (const std::string& l : Generuj(std::atoi(argv[2]), std::string(argv[3]) == "as31"))
      std::printf("%s\n", l.c_str());
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
