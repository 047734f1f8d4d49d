#pragma once
// The timing picture as a Value Change Dump (IEEE 1364) for waveform
// viewers: one machine cycle is 1 us, the 32 pins as 1-bit wires P0.0 ...
// P3.7, the four ports and the three key bytes as 8-bit vectors, and the
// LCD writes as the byte written (LCD), the register it went to (LCD_RS:
// 0 instruction, 1 data) and a one-cycle strobe (LCD_E), so that two equal
// bytes in a row still show as two writes.

#include <string>

#include "PlikNaDysku.h"
#include "ZapisPrzebiegow.h"

namespace kelbra {

std::string TekstVcd(const ZapisPrzebiegow& zapis);

// Through the safe writer: a failed save leaves an older file as it was.
BladPliku ZapiszVcd(const std::string& sciezka, const ZapisPrzebiegow& zapis);

}  // namespace kelbra
