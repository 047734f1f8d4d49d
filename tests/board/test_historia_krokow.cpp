// The step-back history with the board attached: the LCD model goes back
// with the instructions that wrote to it, the key bytes the board wrote go
// back as memory, and the board's own key states stay as the student left
// them.

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "HistoriaKrokow.h"
#include "Stanowisko.h"
#include "core/LosowyProgram.h"
#include "core/StanTestowy.h"

namespace kelbra::testy {
namespace {

using test::LosowyProgram;
using test::RodzajProgramu;

// The machine as a step changes it, without the LCD's repaint counter:
// the core's state, the board's XDATA bytes and every field of the LCD.
uint64_t Odcisk(const Jadro& j, const Lcd& l) {
  test::Odcisk h(j);
  for (uint16_t a : {0xFFB0, 0xFFE1, 0xFFE2, 0xFFF0, 0xFFF1, 0xFFF2, 0xFFF3}) h(j.Xdata[a]);
  for (uint8_t b : l.PamiecDDRAM) h(b);
  for (const auto& znak : l.WzorZnakow)
    for (uint8_t b : znak) h(b);
  const FlagiLcd& f = l.Flagi;
  for (int64_t v : {int64_t{l.PoczatekLinii1}, int64_t{l.PoczatekLinii2}, int64_t{l.LicznikAdresu},
                    int64_t{l.PozycjaKursora}, int64_t{l.ZnakCG}, int64_t{l.WierszCG}, int64_t{l.LiczbaLinii},
                    int64_t{l.WysokoscZnaku}, int64_t{l.FazaMigania}, int64_t{l.TimerKursor},
                    int64_t{l.StartyTimeraKursora}, int64_t{f.WyswietlaczWlaczony}, int64_t{f.Dekrementacja},
                    int64_t{f.PrzesuwanieWpisu}, int64_t{f.KursorWlaczony}, int64_t{f.MiganieWlaczone},
                    int64_t{f.PrzesuwanieEkranu}, int64_t{f.PrzesuwanieWPrawo}, int64_t{f.AdresowanieJednoliniowe},
                    int64_t{f.TrybCGRAM}})
    h(static_cast<uint64_t>(v));
  return h.h;
}

struct Przypadek {
  uint32_t ziarno;
  int n, k;
  bool klawisze;  // the student works the keys and types PC keys during the run
};

class PowrotZPlytka : public ::testing::TestWithParam<Przypadek> {};

TEST_P(PowrotZPlytka, CofniecieOdtwarzaLcdIPamiec) {
  const Przypadek& p = GetParam();
  Stanowisko s;
  LosowyProgram(p.ziarno).Zapisz(*s.j, RodzajProgramu::Uporzadkowany);
  s.plytka.PierwszePokazanie(s.j->Data, s.j->Xdata);
  HistoriaKrokow& h = s.m->historia();
  h.Wlacz(true);
  std::mt19937 los(p.ziarno);
  std::vector<uint64_t> odciski;
  std::unique_ptr<Jadro> posrodku;
  int zapisyLcd = 0;
  for (int i = 0; i < p.n; ++i) {
    // Inputs only before the stretch that is stepped back and run again:
    // they are not replayed, so inside it the round trip would differ.
    if (p.klawisze && i < p.n - p.k && los() % 50 == 0) {
      switch (los() % 3) {
        case 0: s.plytka.PrzelaczKlStatyczny(static_cast<int>(los() % 8)); break;
        case 1: s.plytka.PrzelaczKlDynamiczny(static_cast<int>(los() % 16)); break;
        default: s.plytka.KlawiszPC(static_cast<uint8_t>(los())); break;
      }
    }
    if (i == p.n - p.k) posrodku = std::make_unique<Jadro>(*s.j);
    odciski.push_back(Odcisk(*s.j, s.lcd));
    const uint32_t wersja = s.lcd.Wersja;
    h.KrokJadra();
    zapisyLcd += s.lcd.Wersja != wersja;
  }
  EXPECT_GT(zapisyLcd, 100);
  const uint64_t naKoncu = Odcisk(*s.j, s.lcd);
  const auto koniec = std::make_unique<Jadro>(*s.j);
  const uint8_t klawiszeNaKoncu = s.plytka.StanKlStatycznych;
  for (int i = p.n - 1; i >= p.n - p.k; --i) {
    const uint32_t wersja = s.lcd.Wersja;
    ASSERT_TRUE(h.Cofnij());
    ASSERT_EQ(Odcisk(*s.j, s.lcd), odciski[i]) << "after stepping back to instruction " << i;
    ASSERT_GT(s.lcd.Wersja, wersja) << "the board must repaint";
  }
  EXPECT_EQ(test::Roznice(*posrodku, *s.j), "");
  EXPECT_EQ(s.plytka.StanKlStatycznych, klawiszeNaKoncu);
  for (int i = 0; i < p.k; ++i) h.KrokJadra();
  EXPECT_EQ(Odcisk(*s.j, s.lcd), naKoncu);
  EXPECT_EQ(test::Roznice(*koniec, *s.j), "");
}

INSTANTIATE_TEST_SUITE_P(Historia, PowrotZPlytka,
                         ::testing::Values(Przypadek{31, 20000, 20000, false}, Przypadek{32, 30000, 4000, false},
                                           Przypadek{33, 20000, 1500, true}, Przypadek{34, 40000, 25000, true}));

// Stepping back over keys worked between instructions: each step back
// restores the key bytes as they were when its instruction began, while
// the keys themselves stay as they are.
TEST(HistoriaKrokow, KlawiszeWracajaJakoPamiecALecz) {
  Stanowisko s;
  s.j->Code.fill(0);  // NOPs
  HistoriaKrokow& h = s.m->historia();
  h.Wlacz(true);
  h.KrokJadra();
  s.plytka.PrzelaczKlStatyczny(0);
  s.plytka.KlawiszPC(0x41);
  h.KrokJadra();
  s.plytka.PrzelaczKlDynamiczny(9);
  EXPECT_EQ(s.j->Xdata[0xFFB0], 0xFE);
  EXPECT_EQ(s.j->Xdata[0xFFE2], 0xFD);

  ASSERT_TRUE(h.Cofnij());  // to before the second NOP: key S1 and "A" stay
  EXPECT_EQ(s.j->PC, 1);
  EXPECT_EQ(s.j->Xdata[0xFFB0], 0xFE);
  EXPECT_EQ(s.j->Xdata[0xFFE2], 0xFF);
  EXPECT_EQ(s.j->Data[sfr::SBUF], 0x41);
  ASSERT_TRUE(h.Cofnij());
  EXPECT_EQ(s.j->PC, 0);
  EXPECT_EQ(s.j->Xdata[0xFFB0], 0xFF);
  EXPECT_EQ(s.j->Data[sfr::SBUF], 0x00);
  EXPECT_EQ(s.j->Data[sfr::SCON] & 1, 0);
  EXPECT_TRUE(s.plytka.WskaznikWlaczony(0));
  EXPECT_TRUE(s.plytka.KlDynamicznyWcisniety(9));
  EXPECT_EQ(s.plytka.StanKlStatycznych, 0xFE);
}

// A glyph written into CGRAM and a cleared display come back byte for byte.
TEST(HistoriaKrokow, CgramIWyczyszczenieWracaja) {
  Stanowisko s;
  s.Rozkazy({0x38, 0x0C, 0x06, 0x80});
  s.Tekst("Kelbra");
  const Lcd przed = s.lcd;
  // MOV DPTR,#FFF0h; MOV A,#48h; MOVX @DPTR,A (CGRAM 1,0); INC DPTR; INC DPTR;
  // MOV A,#1Fh; MOVX @DPTR,A (row data); MOV DPTR,#FFF0h; MOV A,#01h; MOVX @DPTR,A
  const uint8_t program[] = {0x90, 0xFF, 0xF0, 0x74, 0x48, 0xF0, 0xA3, 0xA3, 0x74, 0x1F, 0xF0,
                             0x90, 0xFF, 0xF0, 0x74, 0x01, 0xF0};
  std::copy(std::begin(program), std::end(program), s.j->Code.begin());
  HistoriaKrokow& h = s.m->historia();
  h.Wlacz(true);
  for (int i = 0; i < 10; ++i) h.KrokJadra();
  EXPECT_EQ(s.lcd.WzorZnakow[1][0], 0x1F);
  EXPECT_EQ(s.Linia(0), "                ");
  while (h.Cofnij()) {
  }
  EXPECT_EQ(s.lcd.WzorZnakow, przed.WzorZnakow);
  EXPECT_EQ(s.lcd.PamiecDDRAM, przed.PamiecDDRAM);
  EXPECT_EQ(s.Linia(0), "Kelbra          ");
  EXPECT_EQ(s.lcd.Flagi.TrybCGRAM, false);
  EXPECT_EQ(s.j->PC, 0);
}

}  // namespace
}  // namespace kelbra::testy
