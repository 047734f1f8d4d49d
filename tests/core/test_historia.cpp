// The step-back history on the bare core: stepping back restores the whole
// state, stepping forward again reproduces it, the recorded path computes
// what the plain one does, and a full history drops its oldest entries.

#include <gtest/gtest.h>

#include <bitset>
#include <memory>
#include <string>

#include "HistoriaJadra.h"
#include "LosowyProgram.h"
#include "StanTestowy.h"

namespace kelbra::test {
namespace {

// Internal RAM, SFRs, PC and the run counters as one number, cheap enough
// for every step; XDATA and CODE are compared whole where it matters.
uint64_t Odcisk(const Jadro& j) {
  uint64_t h = 1469598103934665603ull;
  auto dodaj = [&](uint8_t b) { h = (h ^ b) * 1099511628211ull; };
  for (uint8_t b : j.Data) dodaj(b);
  for (size_t a = 0x80; a < 0x100; ++a) dodaj(j.IdataGorna[a]);
  for (uint32_t v : {uint32_t{j.PC}, j.LicznikCykli, j.SekundyJadra})
    for (int s = 0; s < 32; s += 8) dodaj(static_cast<uint8_t>(v >> s));
  return h;
}

// Run control's share of a step: the counter advances by the cycles.
void Krok(HistoriaJadra& h, Jadro& j) { j.LicznikCykli += static_cast<uint32_t>(h.KrokJadra()); }

// Runs n instructions recording, steps k back checking every state on the
// way, and runs the k again; the machine must come out as it did the first
// time. Notes the opcodes executed.
void SprawdzPowrot(Jadro& j, int n, int k, std::bitset<256>& kody) {
  j.LicznikCykli = 999'990;  // the run time's carry is on the way
  j.SekundyJadra = 7;
  HistoriaJadra h(j);
  h.Wlacz(true);
  std::vector<uint64_t> odciski;
  std::unique_ptr<Jadro> posrodku;
  for (int i = 0; i < n; ++i) {
    if (i == n - k) posrodku = std::make_unique<Jadro>(j);
    odciski.push_back(Odcisk(j));
    kody.set(j.Code[j.PC]);
    Krok(h, j);
  }
  const auto koniec = std::make_unique<Jadro>(j);
  ASSERT_EQ(h.Liczba(), static_cast<size_t>(n));
  for (int i = n - 1; i >= n - k; --i) {
    ASSERT_TRUE(h.Cofnij());
    ASSERT_EQ(Odcisk(j), odciski[i]) << "after stepping back to instruction " << i;
  }
  EXPECT_EQ(h.Liczba(), static_cast<size_t>(n - k));
  EXPECT_EQ(Roznice(*posrodku, j), "");
  for (int i = 0; i < k; ++i) Krok(h, j);
  EXPECT_EQ(Roznice(*koniec, j), "");
  EXPECT_EQ(j.LicznikCykli, koniec->LicznikCykli);
  EXPECT_EQ(j.SekundyJadra, koniec->SekundyJadra);
}

struct Przypadek {
  uint32_t ziarno;
  int n;  // instructions run
  int k;  // stepped back and run again
};

class Powrot : public ::testing::TestWithParam<Przypadek> {};

TEST_P(Powrot, CofniecieIPonownyBiegDajaTenSamStan) {
  const Przypadek& p = GetParam();
  auto j = std::make_unique<Jadro>();
  LosowyProgram(p.ziarno).Zapisz(*j, RodzajProgramu::Uporzadkowany);
  std::bitset<256> kody;
  SprawdzPowrot(*j, p.n, p.k, kody);
}

INSTANTIATE_TEST_SUITE_P(Historia, Powrot,
                         ::testing::Values(Przypadek{1, 20000, 20000}, Przypadek{2, 50000, 777},
                                           Przypadek{3, 5000, 1}, Przypadek{5, 30000, 12345}));

// Random bytes over all of CODE soon fall into a small loop, so many short
// runs from many programs; together they execute every opcode value.
TEST(Historia, PowrotPrzezDowolneBajtyKodu) {
  std::bitset<256> kody;
  for (uint32_t ziarno = 100; ziarno < 400; ++ziarno) {
    auto j = std::make_unique<Jadro>();
    LosowyProgram(ziarno).Zapisz(*j, RodzajProgramu::Chaos);
    SprawdzPowrot(*j, 1500, 100 + static_cast<int>(ziarno % 7) * 200, kody);
    if (HasFatalFailure()) return;
  }
  EXPECT_EQ(kody.count(), 256u);
}

// The recorded executor is the same code as the plain one: both paths give
// the same machine after the same instructions.
TEST(Historia, ZapisywanyBiegLiczyToSamoCoZwykly) {
  for (uint32_t ziarno : {21u, 22u, 23u, 24u}) {
    for (auto rodzaj : {RodzajProgramu::Uporzadkowany, RodzajProgramu::Chaos}) {
      auto zwykly = std::make_unique<Jadro>();
      LosowyProgram(ziarno).Zapisz(*zwykly, rodzaj);
      auto zapisywany = std::make_unique<Jadro>(*zwykly);
      HistoriaJadra h(*zapisywany);
      h.Wlacz(true);
      for (int i = 0; i < 30000; ++i) {
        const int32_t a = zwykly->KrokJadra();
        ASSERT_EQ(a, h.KrokJadra()) << "instruction " << i << ", seed " << ziarno;
      }
      EXPECT_EQ(Roznice(*zwykly, *zapisywany), "") << "seed " << ziarno;
    }
  }
}

// The programs meet what the test is about: timer interrupts, RETI, MOVX.
TEST(Historia, UporzadkowanyProgramWchodziWPrzerwaniaIWracaPrzezReti) {
  for (uint32_t ziarno : {1u, 2u, 3u, 5u}) {
    auto j = std::make_unique<Jadro>();
    LosowyProgram(ziarno).Zapisz(*j, RodzajProgramu::Uporzadkowany);
    int przerwania = 0, reti = 0, movx = 0;
    for (int i = 0; i < 20000; ++i) {
      const uint8_t op = j->Code[j->PC];
      reti += op == 0x32;
      movx += op == 0xF0;
      j->KrokJadra();
      przerwania += j->PC == Jadro::WektorT0 || j->PC == Jadro::WektorT1;
    }
    EXPECT_GT(przerwania, 5) << "seed " << ziarno;
    EXPECT_GT(reti, 5) << "seed " << ziarno;
    EXPECT_GT(movx, 100) << "seed " << ziarno;
  }
}

TEST(Historia, PelnaHistoriaGubiNajstarszeRozkazy) {
  auto j = std::make_unique<Jadro>();
  LosowyProgram(5).Zapisz(*j, RodzajProgramu::Uporzadkowany);
  HistoriaJadra h(*j, 100, 100000);
  h.Wlacz(true);
  std::vector<uint64_t> odciski;
  for (int i = 0; i < 500; ++i) {
    odciski.push_back(Odcisk(*j));
    Krok(h, *j);
  }
  EXPECT_EQ(h.Liczba(), 100u);
  for (int i = 0; i < 100; ++i) ASSERT_TRUE(h.Cofnij());
  EXPECT_FALSE(h.MoznaCofnac());
  EXPECT_FALSE(h.Cofnij());
  EXPECT_EQ(Odcisk(*j), odciski[400]);
}

TEST(Historia, PelnyBuforZmianGubiNajstarszeRozkazy) {
  auto j = std::make_unique<Jadro>();
  LosowyProgram(6).Zapisz(*j, RodzajProgramu::Uporzadkowany);
  HistoriaJadra h(*j, 100000, 64);
  h.Wlacz(true);
  std::vector<uint64_t> odciski;
  for (int i = 0; i < 3000; ++i) {
    odciski.push_back(Odcisk(*j));
    Krok(h, *j);
  }
  const size_t zostalo = h.Liczba();
  EXPECT_GT(zostalo, 5u);
  EXPECT_LT(zostalo, 64u);
  while (h.Cofnij()) {
  }
  EXPECT_EQ(Odcisk(*j), odciski[3000 - zostalo]);
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
    if (i == 100'000) odcisk = Odcisk(*j);
    Krok(h, *j);
  }
  EXPECT_GE(h.Liczba(), 1'000'000u);
  for (int i = 0; i < 1'000'000; ++i) ASSERT_TRUE(h.Cofnij());
  EXPECT_EQ(Odcisk(*j), odcisk);
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
  h.PilnujBajtu(j->Xdata[0xFFB0]);
  h.Wlacz(true);
  h.KrokJadra();
  j->Xdata[0xFFB0] = 0xFE;
  h.KrokJadra();
  j->Xdata[0xFFB0] = 0xFC;
  // Back over the second NOP: the key byte as it was when that NOP began.
  ASSERT_TRUE(h.Cofnij());
  EXPECT_EQ(j->Xdata[0xFFB0], 0xFE);
  EXPECT_EQ(j->PC, 1);
  ASSERT_TRUE(h.Cofnij());
  EXPECT_EQ(j->Xdata[0xFFB0], 0xFF);
  EXPECT_EQ(j->PC, 0);
}

}  // namespace
}  // namespace kelbra::test
