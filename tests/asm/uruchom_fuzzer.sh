#!/bin/sh
# Builds the assembler's libFuzzer target with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer in its own build directory and runs it for a
# while from the .asm cases. Fails on any finding; the input is left in
# BUILD_DIR/artefakty.
#   tests/asm/uruchom_fuzzer.sh SOURCE_DIR BUILD_DIR SECONDS
set -eu
ZRODLA=$1
BUDOWA=$2
SEKUNDY=${3:-60}

command -v clang++ > /dev/null || { echo "clang++ not installed" >&2; exit 1; }
mkdir -p "$BUDOWA"
CC=clang CXX=clang++ cmake -S "$ZRODLA" -B "$BUDOWA" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELBRA_FUZZ=ON \
  -DKELBRA_SANITIZE=ON -DKELBRA_BENCH=OFF "-DKELBRA_SUBSYSTEMS=core;asm" > "$BUDOWA/konfiguracja.log"
cmake --build "$BUDOWA" --target fuzz_asm -j 2 > "$BUDOWA/budowa.log"

mkdir -p "$BUDOWA/korpus" "$BUDOWA/artefakty"
cp "$ZRODLA"/tests/asm/przypadki/*.asm "$ZRODLA"/tests/asm/regresje/* "$BUDOWA/korpus/"
"$BUDOWA/tests/asm/fuzz_asm" "$BUDOWA/korpus" -max_total_time="$SEKUNDY" -max_len=4096 -timeout=10 \
  -rss_limit_mb=2048 -artifact_prefix="$BUDOWA/artefakty/" -print_final_stats=1
