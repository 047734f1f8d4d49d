// The LCD picture: the board window's rectangles and colours, written as
// PNG and read back through libpng.

#include <gtest/gtest.h>
#include <png.h>

#include <filesystem>
#include <string>

#include "ObrazLcd.h"
#include "Polecenie.h"

namespace kelbra::wsad {
namespace {

namespace fs = std::filesystem;

constexpr Rgb Tlo{240, 240, 240};

// The picture read back; empty when the file is not a PNG.
ObrazRgb CzytajPng(const std::string& sciezka) {
  png_image opis{};
  opis.version = PNG_IMAGE_VERSION;
  ObrazRgb o;
  if (png_image_begin_read_from_file(&opis, sciezka.c_str()) == 0) return o;
  opis.format = PNG_FORMAT_RGB;
  o.Piksele.resize(PNG_IMAGE_SIZE(opis));
  if (png_image_finish_read(&opis, nullptr, o.Piksele.data(), 0, nullptr) == 0) return {};
  o.Szerokosc = static_cast<int>(opis.width);
  o.Wysokosc = static_cast<int>(opis.height);
  return o;
}

// Every pixel of the 5 x 8 glyph whose top-left square is at (x, y): the
// centre of each 3 x 3 square lit or unlit, the gap between two squares in
// the background.
void SprawdzZnak(const ObrazRgb& o, int x, int y, const std::array<uint8_t, 8>& wiersze) {
  for (int r = 0; r < 8; ++r) {
    for (int p = 0; p < 5; ++p) {
      const bool zapalony = (wiersze[r] >> (4 - p)) & 1;
      EXPECT_EQ(o.Piksel(x + 4 * p + 1, y + 4 * r + 1), zapalony ? KolorPikselaLcd : KolorTlaPikselaLcd)
          << "wiersz " << r << " piksel " << p;
      EXPECT_EQ(o.Piksel(x + 4 * p + 3, y + 4 * r + 3), Tlo);
    }
  }
}

TEST(BatchObrazLcd, PngDecodesToTheGlyphSquaresAndColours) {
  Lcd lcd;
  for (uint8_t r : {0x38, 0x0C, 0x01, 0x06}) lcd.Rozkaz(r);
  lcd.Dane('A');
  const fs::path plik = test::SciezkaTymczasowa("lcd.png");
  ASSERT_EQ(ZapiszPng(ObrazLcd(lcd), plik.string()), "");
  const ObrazRgb o = CzytajPng(plik.string());
  fs::remove(plik);

  // The area framed by BevelLCD: 377 x 91 with captions of no width.
  ASSERT_EQ(o.Szerokosc, 377);
  ASSERT_EQ(o.Wysokosc, 91);
  EXPECT_EQ(o.Piksel(0, 0), Tlo);
  // "A" of the A00 table at column 0 of line 1: 14 pixels in, 9 down for
  // two lines of 8-row glyphs.
  SprawdzZnak(o, 14, 9, {0x0E, 0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x00});
  // A blank cell is every square unlit: column 15 of line 1, and line 2
  // 4 * 8 + 2 pixels lower.
  SprawdzZnak(o, 14 + 22 * 15, 9, {});
  SprawdzZnak(o, 14, 9 + 34, {});
  EXPECT_EQ(o.Piksel(14 + 22 * 15 + 19, 9), Tlo);  // right of the last column
}

TEST(BatchObrazLcd, DisplayOffLeavesTheBackgroundOnly) {
  Lcd lcd;
  for (uint8_t r : {0x38, 0x08}) lcd.Rozkaz(r);
  const ObrazRgb o = ObrazLcd(lcd);
  for (int y = 0; y < o.Wysokosc; ++y)
    for (int x = 0; x < o.Szerokosc; ++x) ASSERT_EQ(o.Piksel(x, y), Tlo) << x << "," << y;
}

TEST(BatchObrazLcd, RectanglesAreClippedToThePicture) {
  const ObrazRgb o = Maluj(4, 3, Tlo, {{-2, -2, 4, 4, KolorPikselaLcd}, {3, 2, 10, 10, KolorTlaPikselaLcd}});
  EXPECT_EQ(o.Piksel(0, 0), KolorPikselaLcd);
  EXPECT_EQ(o.Piksel(1, 1), KolorPikselaLcd);
  EXPECT_EQ(o.Piksel(2, 1), Tlo);
  EXPECT_EQ(o.Piksel(3, 2), KolorTlaPikselaLcd);
  EXPECT_EQ(o.Piksele.size(), 4u * 3u * 3u);
}

TEST(BatchObrazLcd, UnwritableFileIsReported) {
  const std::string blad = ZapiszPng(ObrazLcd(Lcd{}), "/nonexistent-folder/lcd.png");
  EXPECT_EQ(blad.rfind("nie mozna zapisac /nonexistent-folder/lcd.png: ", 0), 0u) << blad;
}

TEST(BatchObrazLcd, RunnerWritesWhatTheProgramShowed) {
  const fs::path plik = test::SciezkaTymczasowa("hello.png");
  const auto w = test::Wykonaj(std::string(KELBRA_BATCH) + " --cycles 100000 --lcd-png " +
                               test::WCudzyslowie(plik.string()) + " " KELBRA_PRZYKLADY "/hello.asm");
  EXPECT_EQ(w.kod, 0) << w.wyjscie;
  const ObrazRgb o = CzytajPng(plik.string());
  fs::remove(plik);
  ASSERT_EQ(o.Szerokosc, 377);
  // "Kelbra 8051": K in column 0, l in column 2.
  SprawdzZnak(o, 14, 9, {0x11, 0x12, 0x14, 0x18, 0x14, 0x12, 0x11, 0x00});
  SprawdzZnak(o, 14 + 44, 9, {0x0C, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E, 0x00});
}

}  // namespace
}  // namespace kelbra::wsad
