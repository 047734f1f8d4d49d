// The batch runner's run loop: scripted keys as a polling program sees
// them, when exactly an event applies, the periodic key copy, events after
// the end, and where a trace starts.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Asembler.h"
#include "PrzebiegProgramu.h"

namespace kelbra::wsad {
namespace {

class Przebieg : public ::testing::Test {
 protected:
  void Program(const std::vector<std::string>& linie) {
    Asembler asembler(*j);
    const WynikAsemblacji& w = asembler.Analizuj_kod_asemblera(linie);
    ASSERT_FALSE(w.FlagaBledu) << (w.Bledy.empty() ? "" : w.Bledy[0]);
    m->ResetPlytki();
  }
  // Runs with the events given as script lines ("" for no scripted input).
  WynikPrzebiegu Uruchom(uint64_t cykle, const std::string& skrypt, const Slad& slad = {}, uint64_t doSladu = 0) {
    if (!skrypt.empty()) {
      BudowaZdarzen b;
      EXPECT_EQ(b.Skrypt("s", skrypt), "");
      lista = std::move(b).Zakoncz();
    }
    UstawieniaPrzebiegu u;
    u.Cykle = cykle;
    u.Zdarzenia = &lista;
    u.Slad = doSladu;
    u.SladOd = sladOd;
    return wsad::Uruchom(*m, u, slad);
  }
  // The key byte at the start of every instruction, by the cycle it starts at.
  std::vector<std::pair<uint64_t, uint8_t>> BajtyNaStarcie(uint64_t cykle, const std::string& skrypt, uint16_t adres) {
    std::vector<std::pair<uint64_t, uint8_t>> widziane;
    Uruchom(cykle, skrypt, [&](uint64_t c, const Jadro& jj) { widziane.emplace_back(c, jj.Xdata[adres]); }, 100000);
    return widziane;
  }

  std::unique_ptr<Maszyna> m = std::make_unique<Maszyna>();
  Jadro* j = &m->jadro();
  PlytkaKelbra* plytka = &m->plytka();
  ListaZdarzen lista;
  std::optional<uint16_t> sladOd;
};

// Copies the three key bytes to P1, P2 and P3 over and over.
const std::vector<std::string> KopiaKlawiszy = {
    "petla: mov dptr,#0FFB0h", "movx a,@dptr", "mov p1,a", "mov dptr,#0FFE1h", "movx a,@dptr",
    "mov p2,a",                "inc dptr",     "movx a,@dptr", "mov p3,a",      "sjmp petla",
};

TEST_F(Przebieg, PollingProgramSeesStaticAndDynamicKeys) {
  Program(KopiaKlawiszy);
  Uruchom(1000, "100 key S1\n200 key S3\n300 key K9\n400 key K2\n");
  EXPECT_EQ(j->Data[sfr::P1], 0xFA);
  EXPECT_EQ(j->Data[sfr::P2], 0xFB);
  EXPECT_EQ(j->Data[sfr::P3], 0xFD);
}

TEST_F(Przebieg, ClicksToggleAndReleasesLetGo) {
  Program(KopiaKlawiszy);
  // A release of a key nobody holds does nothing; a press on a held key
  // lets it go, as a mouse-down on a lowered button does.
  Uruchom(1000,
          "100 key S1\n150 key S3\n200 key S3\n"
          "100 release K5\n"
          "300 key K9\n400 release K9\n"
          "300 key K0\n400 key K0\n"
          "500 key K15\n");
  EXPECT_EQ(j->Data[sfr::P1], 0xFE);
  EXPECT_EQ(j->Data[sfr::P2], 0xFF);
  EXPECT_EQ(j->Data[sfr::P3], 0x7F);
}

TEST_F(Przebieg, EventAppliesBeforeTheFirstInstructionStartingAtOrAfterItsCycle) {
  Program({"mov dptr,#0FFE1h", "petla: movx a,@dptr", "nop", "sjmp petla"});
  // Instructions start at 0, 2, 4, 5, 7, 9, 10, 12 ...
  const auto widziane = BajtyNaStarcie(12, "6 key K0\n10 release K0\n", 0xFFE1);
  const std::vector<std::pair<uint64_t, uint8_t>> oczekiwane = {
      {0, 0xFF}, {2, 0xFF}, {4, 0xFF}, {5, 0xFF}, {7, 0xFE}, {9, 0xFE}, {10, 0xFF}};
  EXPECT_EQ(widziane, oczekiwane);
}

TEST_F(Przebieg, EventsAtOneCycleApplyInTheOrderGiven) {
  Program({"petla: sjmp petla"});
  Uruchom(100, "50 key K1\n50 release K1\n50 release K2\n50 key K2\n");
  EXPECT_EQ(j->Xdata[0xFFE1], 0xFB);  // K1 pressed and let go, K2 released first, then pressed
}

TEST_F(Przebieg, PcKeysArriveInSbufWithRiAndOnlyTheLastDeliveryIsSeen) {
  Program({"mov r0,#40h", "czekaj: jnb ri,czekaj", "clr ri", "mov a,sbuf", "mov @r0,a", "inc r0", "sjmp czekaj"});
  Uruchom(10000, "1000 pc-key a{Left}{Enter}\n");
  EXPECT_EQ(j->Data[0x40], 0x61);
  EXPECT_EQ(j->Data[0x41], 0x25);
  EXPECT_EQ(j->Data[0x42], 0x0D);
  EXPECT_EQ(j->Data[0x43], 0x00);
}

// Scripted keys share the window's serial line: a key given while another
// is still on its way waits its 1,000 cycles instead of overwriting it.
TEST_F(Przebieg, OverlappingScriptedKeysQueueOnTheSerialLine) {
  Program({"mov r0,#40h", "czekaj: jnb ri,czekaj", "clr ri", "mov a,sbuf", "mov @r0,a", "inc r0", "sjmp czekaj"});
  Uruchom(10000, "1000 pc-key ab\n1200 pc-key c\n1300 pc-key d\n");
  // a at 1000; c and d come before b's turn at 2000 and go first.
  EXPECT_EQ(j->Data[0x40], 0x61);
  EXPECT_EQ(j->Data[0x41], 0x63);
  EXPECT_EQ(j->Data[0x42], 0x64);
  EXPECT_EQ(j->Data[0x43], 0x62);
  EXPECT_EQ(plytka->KolejkaPC.Rozmiar(), 0u);
}

// Presses nothing itself: writes over the dynamic keys' byte after a while,
// then keeps a copy of what it reads there in 30h.
const std::vector<std::string> NadpisanieKlawiszy = {
    "mov dptr,#0FFE1h", "mov r7,#0", "czekaj: djnz r7,czekaj", "mov a,#0",
    "movx @dptr,a",     "petla: movx a,@dptr", "mov 30h,a", "sjmp petla",
};

TEST_F(Przebieg, KeyHeldAcrossThePeriodicCopyIsRestoredOverTheProgramsWrite) {
  Program(NadpisanieKlawiszy);
  uint8_t przedKopia = 0xAA;
  uint8_t poKopii = 0xAA;
  for (const auto& [cykl, bajt] : BajtyNaStarcie(6100, "100 key K0\n", 0xFFE1)) {
    if (cykl < 6000) przedKopia = bajt;
    else if (poKopii == 0xAA) poKopii = bajt;
  }
  EXPECT_EQ(przedKopia, 0x00);
  EXPECT_EQ(poKopii, 0xFE);
  EXPECT_EQ(j->Data[0x30], 0xFE);
}

TEST_F(Przebieg, PeriodicCopyRunsOnlyWhileInputIsScripted) {
  Program(NadpisanieKlawiszy);
  Uruchom(20000, "");
  EXPECT_EQ(j->Data[0x30], 0x00);

  Program(NadpisanieKlawiszy);
  Uruchom(20000, "# no events, but scripted\n");
  EXPECT_EQ(j->Data[0x30], 0xFF);
}

TEST_F(Przebieg, EventsNoInstructionReachesAreNotApplied) {
  Program({"petla: nop", "sjmp petla"});  // 1 + 2 cycles
  // Instructions start at 0, 1, 3, 4 ... 297, 298; the run ends at 300.
  const WynikPrzebiegu w = Uruchom(300, "298 key S1\n300 key S2\n5000 key S3\n");
  EXPECT_EQ(w.Cykle, 300u);
  EXPECT_EQ(w.Zastosowane, 1u);
  EXPECT_EQ(j->Xdata[0xFFB0], 0xFE);
}

TEST_F(Przebieg, TraceStartsAtTheFirstArrivalAndStopsAfterN) {
  // MOV Rn,#data takes 2 cycles in the core's table, DJNZ 2, MOV A,#data 1.
  Program({"mov r7,#3", "petla: djnz r7,petla", "mov a,#1", "koniec: sjmp koniec"});
  sladOd = 0x0004;
  std::vector<std::pair<uint64_t, uint16_t>> slad;
  Uruchom(100, "", [&](uint64_t c, const Jadro& jj) { slad.emplace_back(c, jj.PC); }, 3);
  const std::vector<std::pair<uint64_t, uint16_t>> oczekiwane = {{8, 0x0004}, {9, 0x0006}, {11, 0x0006}};
  EXPECT_EQ(slad, oczekiwane);
}

TEST_F(Przebieg, ZeroCycleCodeEndsTheRun) {
  std::fill(j->Code.begin(), j->Code.end(), 0xA5);
  const WynikPrzebiegu w = Uruchom(10, "5 key S1\n");
  EXPECT_EQ(w.Cykle, 0u);
  EXPECT_EQ(w.Zastosowane, 0u);
}

}  // namespace
}  // namespace kelbra::wsad
