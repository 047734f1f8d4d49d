#pragma once
// One arbitrary input through the whole assembler: the fuzzer's entry and
// the replay of the inputs it once failed on.

#include <cstddef>
#include <cstdint>

namespace kelbra::test {

void AsemblujDowolnyTekst(const uint8_t* dane, size_t rozmiar);

}  // namespace kelbra::test
