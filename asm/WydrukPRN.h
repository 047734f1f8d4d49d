#pragma once
// The PRN listing: line number, address, code bytes and source text.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "Kodowanie.h"
#include "TabelaAsemblacji.h"

namespace kelbra {

struct WynikAsemblacji;

// `wiersze` are the rows of the run, header first, without the "end" row;
// `bajtyWiersza`, when given, caps a «db» row's continuation lines at the
// bytes that row wrote. Lines are 8-bit text like the source.
std::vector<TekstCp1250> BudujWydrukPRN(std::span<const WierszRozkazu> wiersze,
                                        const std::array<uint8_t, 65536>& code,
                                        const std::vector<TekstCp1250>& linie, uint16_t koncowyLicznik,
                                        std::span<const uint32_t> bajtyWiersza = {});

// The same for the result of a run.
std::vector<TekstCp1250> BudujWydrukPRN(const WynikAsemblacji& wynik, const std::array<uint8_t, 65536>& code,
                                        const std::vector<TekstCp1250>& linie);

}  // namespace kelbra
