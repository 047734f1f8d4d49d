#pragma once
// Intel HEX images of CODE: reading into the core's program memory and
// writing the bytes an assembly produced.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kelbra {

// Data records (type 00) go into `code`; reading stops at the end-of-file
// record (type 01). False on any malformed record, a bad checksum or another
// record type; `code` may then hold part of the image.
bool WczytajIntelHex(std::string_view tekst, std::array<uint8_t, 65536>& code);

// Records of at most 16 data bytes for each run of consecutive addresses,
// then the end-of-file record; one record a line, lines ending in "\n".
// `bajty` holds (address, byte) pairs in the order they should appear.
std::string ZapiszIntelHex(const std::vector<std::pair<uint16_t, uint8_t>>& bajty);

}  // namespace kelbra
