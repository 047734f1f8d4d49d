// Long random sequences of instructions and data: every position the LCD
// keeps must stay inside its range whatever bytes arrive.

#include <gtest/gtest.h>

#include <random>

#include "LcdObraz.h"
#include "Stanowisko.h"

namespace kelbra::testy {
namespace {

void SprawdzZakresy(const Lcd& lcd, uint8_t status, uint64_t krok) {
  ASSERT_GE(lcd.LicznikAdresu, 0) << krok;
  ASSERT_LE(lcd.LicznikAdresu, 31) << krok;
  ASSERT_GE(lcd.PozycjaKursora, 0) << krok;
  ASSERT_LE(lcd.PozycjaKursora, 31) << krok;
  ASSERT_LE(lcd.PoczatekLinii1, 48) << krok;
  ASSERT_GE(lcd.PoczatekLinii2, 41) << krok;
  ASSERT_LE(lcd.PoczatekLinii2, 65) << krok;
  ASSERT_LE(lcd.WierszCG, 9) << krok;
  ASSERT_TRUE(lcd.LiczbaLinii == 1 || lcd.LiczbaLinii == 2) << krok;
  ASSERT_TRUE(lcd.WysokoscZnaku == 8 || lcd.WysokoscZnaku == 10) << krok;
  for (int pozycja = 0; pozycja < 32; ++pozycja) {
    ASSERT_LT(lcd.KomorkaWidoczna(pozycja), Lcd::LiczbaKomorek) << krok;
  }
  ASSERT_TRUE(status <= 0x0F || (status >= 0x40 && status <= 0x4F)) << krok;
}

// Instructions drawn so that the interesting ones (addresses, entry modes,
// function sets) come often, data in long runs that fill and wrap lines.
void Przebieg(uint32_t ziarno, int kroki) {
  Stanowisko s;
  std::mt19937 los(ziarno);
  std::uniform_int_distribution<int> bajt(0, 255);
  std::uniform_int_distribution<int> rodzaj(0, 99);
  const GeometriaLcd g{57, 43, 370, 134, {}};
  for (int krok = 0; krok < kroki; ++krok) {
    const int r = rodzaj(los);
    if (r < 8) {
      s.Rozkazy({static_cast<uint8_t>(0x80 | bajt(los))});
    } else if (r < 12) {
      s.Rozkazy({static_cast<uint8_t>(0x04 + bajt(los) % 4)});
    } else if (r < 15) {
      s.Rozkazy({static_cast<uint8_t>(0x20 + bajt(los) % 32)});
    } else if (r < 22) {
      s.Rozkazy({static_cast<uint8_t>(bajt(los))});
    } else if (r < 24) {
      s.lcd.TykniecieKursora();
    } else {
      s.plytka.LcdZapis(0xFFF2, static_cast<uint8_t>(bajt(los)));
    }
    SprawdzZakresy(s.lcd, s.lcd.BajtStatusu(), static_cast<uint64_t>(krok));
    if (testing::Test::HasFatalFailure()) return;
    if (krok % 997 == 0) {
      const auto obszar = LcdCzyscObszar(g)[0];
      for (const auto& p : LcdObraz(s.lcd, g)) {
        ASSERT_GE(p.y, obszar.y);
        ASSERT_LE(p.y + p.wysokosc, obszar.y + obszar.wysokosc);
      }
    }
  }
}

TEST(LcdLosowe, PositionsStayInRange) {
  for (uint32_t ziarno : {1u, 2u, 3u, 51u, 8051u}) {
    SCOPED_TRACE(ziarno);
    Przebieg(ziarno, 200000);
    if (testing::Test::HasFatalFailure()) return;
  }
}

// Without a biased mix: every byte equally likely at either address.
TEST(LcdLosowe, UniformBytesStayInRange) {
  Stanowisko s;
  std::mt19937 los(4);
  for (int krok = 0; krok < 300000; ++krok) {
    const uint32_t x = los();
    s.plytka.LcdZapis((x & 0x100) ? 0xFFF0 : 0xFFF2, static_cast<uint8_t>(x));
    SprawdzZakresy(s.lcd, s.lcd.BajtStatusu(), static_cast<uint64_t>(krok));
    if (testing::Test::HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace kelbra::testy
