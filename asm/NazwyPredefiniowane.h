#pragma once
// The built-in names of the SFRs and of the addressable bits, without any
// fall-back to labels or values (the assembler adds those).

#include <cstdint>
#include <optional>
#include <string_view>

namespace kelbra {

// One of the 22 byte names (a, acc, b, dph, ..., tmod), any case.
std::optional<uint8_t> BajtPredefiniowany(std::string_view nazwa);

// One of the 45 named bits (ea, ..., it0) or of the 48 register.bit names
// (p0.0-p3.7, acc.0-acc.7, b.0-b.7), any case.
std::optional<uint8_t> BitPredefiniowany(std::string_view nazwa);

}  // namespace kelbra
