#pragma once
// The PRN listing: line number, address, code bytes and source text.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
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

// Listing lines put the source text at this column.
constexpr size_t KolumnaZrodlaPRN = 28;

// A listing line for a window: tabs in its source text stop every eight
// columns counted from the source column, as in the editor, so the source
// keeps its alignment behind the line number, address and bytes.
TekstCp1250 RozwinTabulatoryPRN(std::string_view linia);

}  // namespace kelbra
