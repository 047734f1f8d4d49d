#!/usr/bin/env bash
# Runs the same program (bench/mieszanka.asm, OUTER scaled up) on s51 and on
# our core through kelbra-batch, and prints machine cycles per second of each
# and their ratio.
# usage: bench/s51_porownanie.sh [BUILD_DIR] [OUTER]   (defaults: build 30)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
outer=${2:-30}
batch=$build/tools/kelbra-batch
[ -x "$batch" ] || { echo "no $batch: build the project first" >&2; exit 2; }
command -v s51 >/dev/null && command -v as31 >/dev/null || { echo "install sdcc-ucsim and as31" >&2; exit 2; }
t=$(mktemp -d)
trap 'rm -rf "$t"' EXIT
sed "s/^\( *\.equ OUTER,\).*/\1 $outer/" "$here/mieszanka.asm" > "$t/m.asm"
(cd "$t" && as31 -Fhex m.asm > /dev/null 2>&1)

now() { date +%s.%N; }
# s51: run from reset until `sjmp done`, which stops it (selfjump_stop).
printf 'set opt selfjump_stop 1\nrun\nstate\nquit\n' > "$t/cmd"
s=$(now)
s51 -b -t C52 "$t/m.hex" < "$t/cmd" > "$t/s51.out" 2>&1
e=$(now)
s51_clks=$(sed -n 's/^Total time.*(\([0-9]*\) clks).*/\1/p' "$t/s51.out")
s51_cyc=$((s51_clks / 12))
s51_sek=$(awk -v a="$s" -v b="$e" 'BEGIN{print b-a}')

s=$(now)
ours=$("$batch" --until-pc 0200 --cycles 100000000000 --dump "$t/m.hex" | head -1)
e=$(now)
our_cyc=$(sed 's/.*CYCLES=\([0-9]*\).*/\1/' <<<"$ours")
our_sek=$(awk -v a="$s" -v b="$e" 'BEGIN{print b-a}')

awk -v sc="$s51_cyc" -v ss="$s51_sek" -v oc="$our_cyc" -v os="$our_sek" 'BEGIN {
  printf "s51:          %12d cykli w %7.3f s = %7.2f mln cykli/s\n", sc, ss, sc / ss / 1e6
  printf "kelbra-batch: %12d cykli w %7.3f s = %7.2f mln cykli/s\n", oc, os, oc / os / 1e6
  printf "stosunek: %.1f\n", (oc / os) / (sc / ss)
}'
