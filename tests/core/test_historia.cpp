// The step-back history on the bare core: stepping back restores the whole
// state, stepping forward again reproduces it, the recorded path computes
// what the plain one does, and a full history drops its oldest entries.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>

#include "HistoriaJadra.h"
#include "LosowyProgram.h"
#include "StanTestowy.h"

namespace kelbra::test {
namespace {

// XDATA and CODE are compared whole where it matters.
uint64_t Skrot(const Jadro& j) { return Odcisk(j).h; }

void Krok(HistoriaJadra& h, Jadro&) { h.KrokJadra(); }

// What a run went through: how often each opcode ran, and the timer
// interrupts entered.
struct Przebyte {
  std::array<int, 256> kody{};
  int przerwania = 0;
};

// Runs n instructions recording, beside a copy run by the plain executor
// (the recorded one is the same code: both must give the same machine);
// steps k back checking every state on the way, and runs the k again; the
// machine must come out as it did the first time.
void SprawdzPowrot(Jadro& j, int n, int k, Przebyte& p) {
  j.Cykle = (uint64_t{1} << 32) - 10;  // the clock's low half is about to wrap
  const auto zwykly = std::make_unique<Jadro>(j);
  HistoriaJadra h(j);
  h.Wlacz(true);
  std::vector<uint64_t> odciski;
  std::unique_ptr<Jadro> posrodku;
  for (int i = 0; i < n; ++i) {
    if (i == n - k) posrodku = std::make_unique<Jadro>(j);
    odciski.push_back(Skrot(j));
    ++p.kody[j.Code[j.PC]];
    Krok(h, j);
    zwykly->KrokJadra();
    ASSERT_EQ(j.Cykle, zwykly->Cykle) << "instruction " << i;
    p.przerwania += j.PC == Jadro::WektorT0 || j.PC == Jadro::WektorT1;
  }
  ASSERT_EQ(Roznice(*zwykly, j), "");
  const auto koniec = std::make_unique<Jadro>(j);
  ASSERT_EQ(h.Liczba(), static_cast<size_t>(n));
  for (int i = n - 1; i >= n - k; --i) {
    ASSERT_TRUE(h.Cofnij());
    ASSERT_EQ(Skrot(j), odciski[i]) << "after stepping back to instruction " << i;
  }
  EXPECT_EQ(h.Liczba(), static_cast<size_t>(n - k));
  EXPECT_EQ(Roznice(*posrodku, j), "");
  for (int i = 0; i < k; ++i) Krok(h, j);
  EXPECT_EQ(Roznice(*koniec, j), "");
  EXPECT_EQ(j.Cykle, koniec->Cykle);
}

struct Przypadek {
  uint32_t ziarno;
  int n;  // instructions run
  int k;  // stepped back and run again
};

class Powrot : public ::testing::TestWithParam<Przypadek> {};

// The structured programs go through what the history must undo: timer
// interrupts, RETI and MOVX.
TEST_P(Powrot, CofniecieIPonownyBiegDajaTenSamStan) {
  const Przypadek& p = GetParam();
  auto j = std::make_unique<Jadro>();
  LosowyProgram(p.ziarno).Zapisz(*j, RodzajProgramu::Uporzadkowany);
  Przebyte przebyte;
  SprawdzPowrot(*j, p.n, p.k, przebyte);
  EXPECT_GT(przebyte.przerwania, 5);
  EXPECT_GT(przebyte.kody[0x32], 5);  // RETI
  EXPECT_GT(przebyte.kody[0xF0], 100);  // MOVX @DPTR,A
}

INSTANTIATE_TEST_SUITE_P(Historia, Powrot,
                         ::testing::Values(Przypadek{1, 20000, 20000}, Przypadek{2, 50000, 777},
                                           Przypadek{3, 20000, 1}, Przypadek{5, 30000, 12345}));

// Random bytes over all of CODE soon fall into a small loop, so many short
// runs from many programs; together they execute every opcode value.
TEST(Historia, PowrotPrzezDowolneBajtyKodu) {
  Przebyte przebyte;
  for (uint32_t ziarno = 100; ziarno < 400; ++ziarno) {
    auto j = std::make_unique<Jadro>();
    LosowyProgram(ziarno).Zapisz(*j, RodzajProgramu::Chaos);
    // Half of them in a loaded image's order of MOV direct,direct.
    if (ziarno % 2) j->Mov85 = KolejnoscMov85::ZrodloCel;
    SprawdzPowrot(*j, 1500, 100 + static_cast<int>(ziarno % 7) * 200, przebyte);
    if (HasFatalFailure()) return;
  }
  EXPECT_EQ(std::count(przebyte.kody.begin(), przebyte.kody.end(), 0), 0);
}

// Runs n instructions recording; the state before each.
std::vector<uint64_t> Biegnij(HistoriaJadra& h, Jadro& j, int n) {
  std::vector<uint64_t> odciski;
  for (int i = 0; i < n; ++i) {
    odciski.push_back(Skrot(j));
    Krok(h, j);
  }
  return odciski;
}

TEST(Historia, PelnaHistoriaGubiNajstarszeRozkazy) {
  auto j = std::make_unique<Jadro>();
  LosowyProgram(5).Zapisz(*j, RodzajProgramu::Uporzadkowany);
  HistoriaJadra h(*j, 100, 100000);
  h.Wlacz(true);
  const std::vector<uint64_t> odciski = Biegnij(h, *j, 500);
  EXPECT_EQ(h.Liczba(), 100u);
  for (int i = 0; i < 100; ++i) ASSERT_TRUE(h.Cofnij());
  EXPECT_FALSE(h.MoznaCofnac());
  EXPECT_EQ(h.Wpisy(), 0u) << "the dropped instructions' bytes are no longer held";
  EXPECT_FALSE(h.Cofnij());
  EXPECT_EQ(Skrot(*j), odciski[400]);
}

TEST(Historia, PelnyBuforZmianGubiNajstarszeRozkazy) {
  auto j = std::make_unique<Jadro>();
  LosowyProgram(6).Zapisz(*j, RodzajProgramu::Uporzadkowany);
  HistoriaJadra h(*j, 100000, 64);
  h.Wlacz(true);
  const std::vector<uint64_t> odciski = Biegnij(h, *j, 3000);
  const size_t zostalo = h.Liczba();
  EXPECT_GT(zostalo, 5u);
  EXPECT_LT(zostalo, 64u);
  EXPECT_LE(h.Wpisy(), 64u);
  while (h.Cofnij()) {
  }
  EXPECT_EQ(h.Wpisy(), 0u);
  EXPECT_EQ(Skrot(*j), odciski[3000 - zostalo]);
}

// An instruction that changes more bytes than the whole buffer holds cannot
// be recorded: it runs, and the history starts again empty after it.
TEST(Historia, RozkazWiekszyOdBuforaCzysciHistorie) {
  auto j = NowyJadro();
  Zapisz(*j, {K(0, 0x00), K(1, 0x12), K(2, 0x00), K(3, 0x00)});  // NOP; LCALL 0000h
  HistoriaJadra h(*j, 10, 2);
  h.Wlacz(true);
  h.KrokJadra();  // NOP: PSW unchanged, nothing recorded
  EXPECT_EQ(h.Liczba(), 1u);
  h.KrokJadra();  // LCALL: SP and two stack bytes
  EXPECT_EQ(h.Liczba(), 0u);
  EXPECT_EQ(j->PC, 0x0000);
  EXPECT_EQ(j->Data[sfr::SP], 0x09);
  h.KrokJadra();
  EXPECT_TRUE(h.Cofnij());
  EXPECT_EQ(j->PC, 0x0000);
}

TEST(Historia, MilionRozkazowMiesciSieWDomyslnejHistorii) {
  auto j = std::make_unique<Jadro>();
  LosowyProgram(7).Zapisz(*j, RodzajProgramu::Uporzadkowany);
  HistoriaJadra h(*j);
  h.Wlacz(true);
  EXPECT_LT(h.Pamiec(), size_t{64} << 20);
  uint64_t odcisk = 0;
  for (int i = 0; i < 1'100'000; ++i) {
    if (i == 100'000) odcisk = Skrot(*j);
    Krok(h, *j);
  }
  EXPECT_GE(h.Liczba(), 1'000'000u);
  for (int i = 0; i < 1'000'000; ++i) ASSERT_TRUE(h.Cofnij());
  EXPECT_EQ(Skrot(*j), odcisk);
}

TEST(Historia, WylaczonaNieZapisujeIOddajePamiec) {
  auto j = NowyJadro();
  HistoriaJadra h(*j);
  h.KrokJadra();
  EXPECT_FALSE(h.MoznaCofnac());
  EXPECT_EQ(h.Pamiec(), 0u);
  EXPECT_EQ(j->PC, 1);
  h.Wlacz(true);
  h.KrokJadra();
  EXPECT_TRUE(h.MoznaCofnac());
  h.Wyczysc();
  EXPECT_FALSE(h.MoznaCofnac());
  h.KrokJadra();
  h.Wlacz(false);
  EXPECT_FALSE(h.Cofnij());
  EXPECT_EQ(j->PC, 3);
}

// A byte written between instructions by someone else (the board) belongs
// to the instruction before it: it goes back with that instruction.
TEST(Historia, PilnowanyBajtWracaPrzyCofaniu) {
  auto j = NowyJadro();
  j->Xdata[0xFFB0] = 0xFF;
  HistoriaJadra h(*j);
  auto zapisz = [&](uint8_t v) {
    h.ZapisZzewnatrz(j->Xdata[0xFFB0], v);
    j->Xdata[0xFFB0] = v;
  };
  h.Wlacz(true);
  h.KrokJadra();
  zapisz(0xFE);
  h.KrokJadra();
  zapisz(0xFC);
  // Back over the second NOP: the key byte as it was when that NOP began.
  ASSERT_TRUE(h.Cofnij());
  EXPECT_EQ(j->Xdata[0xFFB0], 0xFE);
  EXPECT_EQ(j->PC, 1);
  ASSERT_TRUE(h.Cofnij());
  EXPECT_EQ(j->Xdata[0xFFB0], 0xFF);
  EXPECT_EQ(j->PC, 0);
}

// An interrupt whose flag an earlier instruction set: stepping back over
// its entry sets the flag again, and the clock goes back too.
TEST(Historia, WejscieWPrzerwanieWracaZFlagaICzasem) {
  auto j = NowyJadro();  // NOPs
  j->Data[sfr::TCON] = 0x20;  // TF0 pending
  j->Data[sfr::IE] = 0x82;
  HistoriaJadra h(*j);
  h.Wlacz(true);
  h.KrokJadra();
  ASSERT_EQ(j->PC, Jadro::WektorT0);
  ASSERT_EQ(j->Data[sfr::TCON], 0x00);
  ASSERT_TRUE(h.Cofnij());
  EXPECT_EQ(j->Data[sfr::TCON], 0x20);
  EXPECT_EQ(j->Cykle, 0u);
  EXPECT_EQ(j->PC, 0);
}

}  // namespace
}  // namespace kelbra::test
