#include <gtest/gtest.h>

#include "StanTestowy.h"

namespace kelbra::test {
namespace {

TEST(TestJadra, PodpisPoPrzebieguNaZywymStanie) {
  auto j = NowyJadro();
  EXPECT_EQ(TestJadra(*j), "Obslugiwanych rozkazow: 255 z 256 --> 99,60%");
  EXPECT_EQ(j->Code[0], 0xFF);
  // Running it again, on whatever state the first run left, gives the same text.
  EXPECT_EQ(TestJadra(*j), "Obslugiwanych rozkazow: 255 z 256 --> 99,60%");
}

TEST(TestJadra, NiezaleznyOdStanuMaszyny) {
  auto j = NowyJadro();
  for (size_t a = 0; a < j->Data.size(); ++a) j->Data[a] = static_cast<uint8_t>(a * 37 + 11);
  for (size_t a = 0; a < j->IdataGorna.size(); ++a) j->IdataGorna[a] = static_cast<uint8_t>(a ^ 0x5A);
  j->Code[1] = 0xFF;
  j->Code[2] = 0x80;
  EXPECT_EQ(TestJadra(*j), "Obslugiwanych rozkazow: 255 z 256 --> 99,60%");
}

}  // namespace
}  // namespace kelbra::test
