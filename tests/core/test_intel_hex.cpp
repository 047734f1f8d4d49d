#include <gtest/gtest.h>

#include <memory>

#include "IntelHex.h"

namespace kelbra::test {
namespace {

TEST(IntelHex, ZapisIOdczytDajaTeSameBajty) {
  std::vector<std::pair<uint16_t, uint8_t>> bajty;
  for (int k = 0; k < 20; ++k) bajty.push_back({static_cast<uint16_t>(0x0100 + k), static_cast<uint8_t>(k * 13)});
  bajty.push_back({0xFFFF, 0xAB});
  bajty.push_back({0x0000, 0x02});
  const std::string hex = ZapiszIntelHex(bajty);
  EXPECT_EQ(hex.substr(0, 12), ":10010000000");
  EXPECT_NE(hex.find(":01FFFF00AB56\n:0100000002FD\n:00000001FF\n"), std::string::npos) << hex;
  auto code = std::make_unique<std::array<uint8_t, 65536>>();
  ASSERT_TRUE(WczytajIntelHex(hex, *code));
  for (auto [adres, wartosc] : bajty) EXPECT_EQ((*code)[adres], wartosc);
}

TEST(IntelHex, PustyObrazToSamKoniec) { EXPECT_EQ(ZapiszIntelHex({}), ":00000001FF\n"); }

TEST(IntelHex, OdrzucaUszkodzoneRekordy) {
  auto code = std::make_unique<std::array<uint8_t, 65536>>();
  for (const char* zly : {":0300000002004",          // cut short
                          ":03000000020040BC",        // wrong checksum
                          "03000000020040BB",         // no colon
                          ":0300000002G040BB",        // not a digit
                          ":020000040000FA",          // extended address record
                          "\x01\xFF garbage"}) {
    EXPECT_FALSE(WczytajIntelHex(zly, *code)) << zly;
  }
  EXPECT_TRUE(WczytajIntelHex(":03000000020040BB\r\n:00000001FF\r\n", *code));
  EXPECT_EQ((*code)[2], 0x40);
}

}  // namespace
}  // namespace kelbra::test
