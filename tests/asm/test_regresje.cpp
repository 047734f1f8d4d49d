// Inputs the fuzzer once failed on, replayed through the same entry.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "WejscieFuzz.h"

namespace kelbra::test {
namespace {

TEST(RegresjeFuzzera, KazdeWejscieKonczySieBezBledu) {
  int liczba = 0;
  for (const auto& e : std::filesystem::directory_iterator(KATALOG_REGRESJI)) {
    if (!e.is_regular_file()) continue;
    std::stringstream s;
    s << std::ifstream(e.path(), std::ios::binary).rdbuf();
    const std::string dane = s.str();
    SCOPED_TRACE(e.path().filename().string());
    AsemblujDowolnyTekst(reinterpret_cast<const uint8_t*>(dane.data()), dane.size());
    ++liczba;
  }
  EXPECT_GT(liczba, 0);
}

}  // namespace
}  // namespace kelbra::test
