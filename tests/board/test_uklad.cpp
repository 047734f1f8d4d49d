// The board window's layout, from the caption widths alone.

#include <gtest/gtest.h>

#include <string>

#include "Stanowisko.h"
#include "UkladKelbry.h"

namespace kelbra::testy {
namespace {

MiaryTekstow Miary(std::array<int, 4> podpisy) { return {podpisy, 14, 80, 14}; }

TEST(UkladKelbry, LedRowsFollowTheirCaptionsWithP0P2AboveP1P3) {
  const UkladKelbry u = UlozKelbre(Miary({11, 13, 17, 19}));
  // P0 and P1 captions start the two lines; their LEDs 5 pixels after them.
  EXPECT_EQ(u.Podpisy[0], (Obszar{65, 8, 11, 14}));
  EXPECT_EQ(u.Podpisy[1], (Obszar{65, 24, 13, 14}));
  EXPECT_EQ(u.Diody[0][0], (Obszar{81, 8, 15, 10}));   // bit 7 of P0
  EXPECT_EQ(u.Diody[0][7], (Obszar{221, 8, 15, 10}));  // bit 0
  EXPECT_EQ(u.Diody[1][0], (Obszar{83, 24, 15, 10}));
  // P2 follows the last P0 LED, P3 the last P1 LED, 7 pixels after each.
  EXPECT_EQ(u.Podpisy[2], (Obszar{243, 8, 17, 14}));
  EXPECT_EQ(u.Diody[2][0], (Obszar{265, 8, 15, 10}));
  EXPECT_EQ(u.Podpisy[3], (Obszar{245, 24, 19, 14}));
  EXPECT_EQ(u.Diody[3][0], (Obszar{269, 24, 15, 10}));
  EXPECT_EQ(u.Diody[3][7], (Obszar{409, 24, 15, 10}));
  // The panel ends 15 pixels after the last P3 LED and 9 below it.
  EXPECT_EQ(u.PanelDiody, (Obszar{57, 0, 424 + 15 - 57, 43}));
  EXPECT_EQ(u.SzerokoscKlienta, 424 + 15);
  EXPECT_EQ(u.BevelLCD, (Obszar{57, 43, 382, 134 - 43}));
}

TEST(UkladKelbry, NarrowCaptionsNeverSqueezeTheLcd) {
  const struct {
    std::array<int, 4> podpisy;
    int szerokoscDiod;
  } przypadki[] = {
      {{0, 0, 0, 0}, 377},      // widened: 16 columns with a 14-pixel margin on both sides
      {{-5, -5, -5, -5}, 377},  // nonsense measures count as nothing
      {{13, 13, 13, 13}, 377},  // one pixel short of the LCD's width
      {{12, 14, 12, 14}, 378},  // the LED rows decide
      {{30, 40, 30, 50}, 440},
  };
  for (const auto& p : przypadki) {
    const UkladKelbry u = UlozKelbre(Miary(p.podpisy));
    EXPECT_EQ(u.PanelDiody.szerokosc, p.szerokoscDiod) << p.podpisy[1] << "," << p.podpisy[3];
    EXPECT_EQ(u.SzerokoscKlienta, 57 + p.szerokoscDiod);
    EXPECT_EQ(u.BevelLCD.szerokosc, p.szerokoscDiod);

    // Full blocks in every cell of both lines must stay inside the cleared
    // area and off its one-pixel frame.
    Stanowisko s;
    s.Rozkazy({0x38, 0x0C, 0x01, 0x06, 0x80});
    s.Tekst(std::string(16, '\xFF'));
    s.Rozkazy({0xC0});
    s.Tekst(std::string(16, '\xFF'));
    const GeometriaLcd g = u.Lcd({});
    const Prostokat obszar = LcdCzyscObszar(g).front();
    EXPECT_EQ((Obszar{obszar.x, obszar.y, obszar.szerokosc, obszar.wysokosc}), u.BevelLCD);
    for (const Prostokat& r : LcdRysujWszystko(s.lcd, g)) {
      ASSERT_GT(r.x, obszar.x);
      ASSERT_LT(r.x + r.szerokosc, obszar.x + obszar.szerokosc - 1);
      ASSERT_GT(r.y, obszar.y);
      ASSERT_LT(r.y + r.wysokosc, obszar.y + obszar.wysokosc - 1);
    }
  }
}

TEST(UkladKelbry, DynamicKeysInTheirGridWithTheHighestNumberLeft) {
  const UkladKelbry u = UlozKelbre(Miary({12, 12, 12, 12}));
  EXPECT_EQ(u.PanelKlDynamiczne, (Obszar{57, 134, 185, 123}));
  const Obszar& bis = u.PanelKlDynamiczneBis;
  EXPECT_EQ(bis, (Obszar{57 + 37, 134 + 4, 110, 114}));  // centred
  const struct {
    int klawisz, lewa, gora;
  } siatka[] = {{3, 1, 2},  {2, 29, 2},  {1, 57, 2},  {0, 85, 2},  {7, 1, 29},  {4, 85, 29},
                {11, 1, 60}, {9, 57, 60}, {8, 85, 60}, {15, 1, 87}, {13, 57, 87}, {12, 85, 87}};
  for (const auto& k : siatka) {
    EXPECT_EQ(u.KlDynamiczne[k.klawisz], (Obszar{bis.x + k.lewa, bis.y + k.gora, 25, 25})) << "K" << k.klawisz;
  }
}

TEST(UkladKelbry, PcKeyboardPanelFillsTheRestBesideTheDynamicKeys) {
  const UkladKelbry u = UlozKelbre(Miary({30, 40, 30, 50}));
  const Obszar& k = u.PanelKlawiaturaKomputera;
  EXPECT_EQ(k, (Obszar{57 + 185, 134, 440 - 185, 123}));
  EXPECT_EQ(k.prawa(), u.SzerokoscKlienta);
  EXPECT_EQ(u.EditKlawiatura, (Obszar{k.x + (k.szerokosc - 121) / 2, u.EditKlawiatura.y, 121, 21}));
  EXPECT_EQ(u.Image1.x - k.x, (k.szerokosc - u.Image1.szerokosc) / 2);
  EXPECT_EQ(u.Label11.prawa(), u.EditKlawiatura.prawa());
  // Picture, caption and field one below the other inside the panel.
  EXPECT_GT(u.Image1.y, k.y);
  EXPECT_LE(u.Image1.dol(), u.Label11.y);
  EXPECT_LE(u.Label11.dol(), u.EditKlawiatura.y);
  EXPECT_LE(u.EditKlawiatura.dol(), k.dol());
}

TEST(UkladKelbry, PointsFindTheKeyUnderThem) {
  const UkladKelbry u = UlozKelbre(Miary({12, 12, 12, 12}));
  const Obszar& k9 = u.KlDynamiczne[9];
  const struct {
    int x, y;
    KlawiszPlytki klawisz;
  } przypadki[] = {
      {33, 80, {KlawiszPlytki::Statyczny, 2}},  // S3's middle
      {21, 8, {KlawiszPlytki::Statyczny, 0}},   // S1's top-left pixel
      {45, 32, {KlawiszPlytki::Statyczny, 0}},  // and its bottom-right one
      {46, 8, {}},                              // just right of S1
      {21, 33, {}},                             // the gap below S1
      {10, 20, {}},                             // an indicator is not a key
      {k9.x + 12, k9.y + 12, {KlawiszPlytki::Dynamiczny, 9}},
      {k9.x + 25, k9.y, {}},                            // between K9 and K8
      {k9.x, k9.y - 1, {}},                             // the gap between the key bytes
      {u.KlDynamiczne[0].x, u.KlDynamiczne[0].y, {KlawiszPlytki::Dynamiczny, 0}},
      {200, 80, {}},  // the LCD
      {-1, -1, {}},
  };
  for (const auto& p : przypadki) {
    EXPECT_EQ(KlawiszWPunkcie(u, p.x, p.y), p.klawisz) << p.x << "," << p.y;
  }
  EXPECT_EQ(ObszarKlawisza(u, {KlawiszPlytki::Dynamiczny, 9}), k9);
  EXPECT_EQ(ObszarKlawisza(u, {}), Obszar{});
  EXPECT_EQ(ObszarKlawisza(u, {KlawiszPlytki::Statyczny, 8}), Obszar{});
}

TEST(UkladKelbry, AnLcdCellCoversEveryPixelItsGlyphPaints) {
  const UkladKelbry u = UlozKelbre(Miary({12, 12, 12, 12}));
  const GeometriaLcd g = u.Lcd({});
  for (uint8_t funkcja : {0x30, 0x34, 0x38, 0x3C}) {
    Stanowisko s;
    s.Rozkazy({funkcja, 0x0C, 0x01});
    s.lcd.PamiecDDRAM.fill(0xFF);
    for (int pozycja : {0, 7, 15, 16, 31}) {
      const Obszar c = u.KomorkaLcd(s.lcd, pozycja);
      for (const Prostokat& r : LcdRysujZnak(s.lcd, g, pozycja)) {
        ASSERT_TRUE(c.Zawiera(r.x, r.y) && c.Zawiera(r.x + r.szerokosc - 1, r.y + r.wysokosc - 1))
            << std::hex << int(funkcja) << std::dec << " cell " << pozycja;
      }
    }
  }
}

}  // namespace
}  // namespace kelbra::testy
