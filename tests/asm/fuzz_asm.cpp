// libFuzzer target: any bytes as a source text for the assembler.

#include <cstddef>
#include <cstdint>

#include "WejscieFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, size_t rozmiar) {
  kelbra::test::AsemblujDowolnyTekst(dane, rozmiar);
  return 0;
}
