#include "Jadro.h"

namespace kelbra {

namespace {
class BrakPlytki final : public ZapisXdata {
 public:
  int32_t LcdZapis(uint16_t, uint8_t) override { return 0; }
};
}  // namespace

ZapisXdata& BrakZapisuXdata() {
  static BrakPlytki brak;
  return brak;
}

void Jadro::ResetJadra() {
  PC = 0;
  Data[sfr::ACC] = 0;
  Data[sfr::B] = 0;
  Data[sfr::DPH] = 0;
  Data[sfr::DPL] = 0;
  Data[sfr::IE] = 0;
  Data[sfr::IP] = 0;
  Data[sfr::P0] = 0xFF;
  Data[sfr::P1] = 0xFF;
  Data[sfr::P2] = 0xFF;
  Data[sfr::P3] = 0xFF;
  Data[sfr::PCON] &= 0x7F;
  Data[sfr::PSW] = 0;
  Data[sfr::SBUF] = 0;
  Data[sfr::SCON] = 0;
  Data[sfr::SP] = 0x07;
  Data[sfr::TCON] = 0;
  Data[sfr::TH0] = 0;
  Data[sfr::TH1] = 0;
  Data[sfr::TL0] = 0;
  Data[sfr::TL1] = 0;
  Data[sfr::TMOD] = 0;
}


}  // namespace kelbra
