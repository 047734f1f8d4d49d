#!/bin/sh
# Times as31 and kelbra-batch on the same generated program (20,000 lines by
# default), written in each one's dialect, and prints the ratio. Both produce
# Intel HEX. Each figure is the best of several runs.
#   bench/as31_ratio.sh [BUILD_DIR] [LINES]
set -eu
BUILD=${1:-build}
LINIE=${2:-20000}
POWTORZENIA=${POWTORZENIA:-15}

command -v as31 > /dev/null || { echo "as31 not installed" >&2; exit 2; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$BUILD/bench/bench_asm" --generuj "$LINIE" kelbra > "$tmp/program.asm"
"$BUILD/bench/bench_asm" --generuj "$LINIE" as31 > "$tmp/program31.asm"

# Best wall time in microseconds of a command.
najlepszy() {
  best=""
  i=0
  while [ "$i" -lt "$POWTORZENIA" ]; do
    s=$(date +%s%N)
    "$@" > /dev/null 2>&1 || { echo "failed: $*" >&2; exit 1; }
    e=$(date +%s%N)
    t=$(( (e - s) / 1000 ))
    if [ -z "$best" ] || [ "$t" -lt "$best" ]; then best=$t; fi
    i=$((i + 1))
  done
  echo "$best"
}

t_as31=$(najlepszy as31 -Fhex -O"$tmp/as31.hex" "$tmp/program31.asm")
t_kelbra=$(najlepszy "$BUILD/tools/kelbra-batch" --hex "$tmp/program.asm")
echo "lines: $LINIE"
echo "as31:         $t_as31 us"
echo "kelbra-batch: $t_kelbra us"
awk -v a="$t_as31" -v k="$t_kelbra" 'BEGIN { printf "ratio kelbra-batch / as31: %.2f\n", k / a }'
