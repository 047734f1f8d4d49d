// Run control over a fake clock and a fake window: the cycle budget,
// breakpoints, step over, the modes and the status line.

#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <vector>

#include "HistoriaKrokow.h"
#include "Plytka.h"
#include "Program.h"
#include "SterowanieBiegiem.h"

namespace kelbra::testy {
namespace {

// The clock and the window around run control, recording what it asks of them.
struct Otoczenie final : Zegar, ObslugaBiegu {
  int64_t ms = 0;
  std::vector<int> linie;
  bool ciagly = false, krokowy = false;
  int diody = 0, komunikaty = 0;
  int64_t Milisekundy() override { return ms; }
  void IdzDoLinii(int linia) override { linie.push_back(linia); }
  void UstawTimeryBiegu(bool c, bool k) override { ciagly = c, krokowy = k; }
  void OdswiezDiody() override { ++diody; }
  void KomunikatStepOver() override { ++komunikaty; }
};

class Bieg : public ::testing::Test {
 protected:
  // Assembles the lines and enters the emulation mode as a successful assembly does.
  void Start(const std::vector<std::string>& linie) {
    ASSERT_TRUE(p.Asembluj(linie));
    b.Przelicz(p.mapa, static_cast<int>(linie.size()));
    s.UstawTrybEmulacji(true, static_cast<int>(linie.size()));
  }
  Program p;
  Jadro& j = *p.jadro;
  PlytkaKelbra& plytka = p.maszyna->plytka();
  Pulapki b;
  Otoczenie okno;
  int64_t& zegar = okno.ms;
  SterowanieBiegiem s{*p.maszyna, b, p.mapa, okno, okno};
};

// CODE past the program is zero: NOPs of one cycle, so the cycles run equal the budget.
TEST_F(Bieg, TickRefillsOnlyTheMillisecondsPartOfTheDelay) {
  const struct {
    int64_t opoznienie;
    uint32_t cykle;
  } przypadki[] = {{500, 500'000}, {1250, 250'000}, {999, 999'000}, {3001, 1'000}, {1000, 0}, {0, 0}};
  for (const auto& c : przypadki) {
    SCOPED_TRACE(c.opoznienie);
    Start({"  nop"});
    zegar = 10'000;
    s.Run();
    zegar += c.opoznienie;
    s.TickCiagly();
    EXPECT_EQ(j.Cykle, c.cykle);
    EXPECT_EQ(s.Budzet(), 0);
    EXPECT_EQ(s.CzasOdniesienia(), c.cykle ? zegar : 10'000);
    // A delay with no milliseconds part keeps accumulating towards the next tick.
    zegar += 500;
    s.TickCiagly();
    EXPECT_EQ(j.Cykle, c.cykle + 500'000);
  }
}

TEST_F(Bieg, LastInstructionOfATickRunsWholeAndTheDeficitIsPaidNext) {
  Start({"  mul ab"});
  s.Run();
  s.UstawBudzet(3);
  s.TickCiagly();  // same millisecond: no refill
  EXPECT_EQ(s.Budzet(), -1);
  EXPECT_EQ(j.Cykle, 4u);
  zegar += 1;
  s.TickCiagly();
  EXPECT_EQ(j.Cykle, 4u + 999u);
}

TEST_F(Bieg, BreakpointStopsBeforeItsInstructionAndTheNextRunGoesOn) {
  Start({"  mov r7,#0", "petla: inc r7", "  nop", "  sjmp petla"});
  b.Przelacz(2, p.mapa, 4);
  s.Run();
  zegar += 500;
  s.TickCiagly();
  EXPECT_EQ(j.PC, 3);
  EXPECT_EQ(j.Rejestr(7), 1);
  EXPECT_FALSE(okno.ciagly || okno.krokowy || s.TimerCiagly() || s.TimerKrokowy());
  EXPECT_EQ(okno.linie.back(), 2);
  EXPECT_EQ(okno.diody, 0);
  EXPECT_EQ(s.Budzet(), 500'000 - 3);
  // The next Run spends what is left, starting with the instruction stopped at.
  s.Run();
  s.TickCiagly();
  EXPECT_EQ(j.Rejestr(7), 2);
  EXPECT_EQ(j.PC, 3);
  EXPECT_EQ(s.Budzet(), 500'000 - 7);
  s.ResetKelbry();
  EXPECT_EQ(s.Budzet(), 0);
}

// Slices of the continuous run keep the tick's arithmetic: 1,000 cycles a
// millisecond, whole seconds dropped, a deficit paid by the next slice.
TEST_F(Bieg, ShortSlicesKeepTheBudgetArithmetic) {
  Start({"petla: mul ab", "  sjmp petla"});  // 4 + 2 cycles a turn
  s.Run();
  s.UstawBudzet(3);
  const struct {
    int64_t ms;
    uint32_t cykle;  // executed in the slice
    int32_t budzet;  // left after it
  } przypadki[] = {
      {0, 4, -1},            // same millisecond: the budget alone, overspent
      {10, 10'002, -3},      // 10 ms give 10,000; the last instruction runs whole
      {10, 9'998, -1},       // the deficit is paid by the next slice
      {1'250, 250'000, -1},  // a stall of 1.25 s adds a quarter of a million
      {1'000, 0, -1},        // a whole second alone adds nothing...
      {7, 7'002, -3},        // ...and is not counted later either
      {20, 19'998, -1},
  };
  for (const auto& c : przypadki) {
    SCOPED_TRACE(c.ms);
    const uint64_t przed = j.Cykle;
    zegar += c.ms;
    s.TickCiagly();
    EXPECT_EQ(j.Cykle - przed, c.cykle);
    EXPECT_EQ(s.Budzet(), c.budzet);
  }
  EXPECT_EQ(okno.diody, 7);  // the LEDs follow every slice
  // F12 clears what is left.
  s.ResetKelbry();
  EXPECT_EQ(s.Budzet(), 0);
}

TEST_F(Bieg, ABreakpointEndsTheSliceAtOnce) {
  Start({"  mov r7,#0", "petla: inc r7", "  nop", "  sjmp petla"});
  b.Przelacz(2, p.mapa, 4);
  s.Run();
  zegar += 10;
  s.TickCiagly();
  EXPECT_EQ(j.PC, 3);
  EXPECT_EQ(j.Cykle, 3u);
  EXPECT_EQ(s.Budzet(), 10'000 - 3);
  EXPECT_FALSE(s.TimerCiagly());
  EXPECT_EQ(okno.diody, 0);
}

// The board beside run control: the key bytes are restored before every
// run, whichever command starts it.
using BiegZPlytka = Bieg;

TEST_F(BiegZPlytka, KeyBytesAreRestoredBeforeEverySliceOnlyWhileTheBoardShowsThem) {
  Start({"  sjmp $"});
  plytka.PrzelaczKlDynamiczny(0);
  for (bool pokazana : {false, true}) {
    SCOPED_TRACE(pokazana);
    plytka.KopiaKlawiszy = pokazana;
    const uint8_t oczekiwany = pokazana ? 0xFE : 0x00;
    j.Xdata[0xFFE1] = 0x00;
    s.Run();
    zegar += 10;
    s.TickCiagly();
    EXPECT_EQ(j.Xdata[0xFFE1], oczekiwany);
    j.Xdata[0xFFE1] = 0x00;
    s.StepInto();
    EXPECT_EQ(j.Xdata[0xFFE1], oczekiwany);
    j.Xdata[0xFFE1] = 0x00;
    s.StepOver();
    EXPECT_EQ(j.Xdata[0xFFE1], oczekiwany);
  }
}

// The window's history: F7, F8, step mode and a run stopped at a breakpoint
// are all recorded; a step back undoes one instruction with the LCD, and a
// board reset or the editing mode empties it.
TEST_F(BiegZPlytka, StepBackUndoesEveryWayOfRunningAndResetsEmptyIt) {
  HistoriaKrokow& h = p.maszyna->historia();
  Start({"  mov dptr,#0FFF2h", "petla: mov a,#41h", "  movx @dptr,a", "  inc 30h", "  acall podpr",
         "  sjmp petla", "podpr: inc 31h", "  ret"});
  EXPECT_TRUE(h.Wlaczona());
  EXPECT_FALSE(s.Polecenia().KrokWstecz);
  // The LCD's version moves on at a step back, so that the board repaints.
  auto stan = [&] {
    Lcd lcd = plytka.lcd;
    lcd.Wersja = 0;
    const auto* bajty = reinterpret_cast<const uint8_t*>(&lcd);
    return std::tuple(j.PC, j.Data, j.Cykle, std::vector<uint8_t>(bajty, bajty + sizeof lcd));
  };
  s.StepInto();
  const auto poPierwszym = stan();
  s.StepInto();
  s.StepInto();  // the LCD write
  EXPECT_EQ(j.PC, 6);
  EXPECT_EQ(plytka.lcd.PamiecDDRAM[0], 0x41);
  s.StepInto();
  s.StepOver();  // acall with its subroutine
  s.TickKrokowy();
  EXPECT_EQ(h.Liczba(), 8u);
  b.Przelacz(4, p.mapa, 8);  // breakpoint on the acall
  s.Run();
  zegar += 5;
  s.TickCiagly();
  EXPECT_FALSE(okno.ciagly);
  EXPECT_EQ(j.PC, 0x0008);
  EXPECT_EQ(h.Liczba(), 11u);
  EXPECT_TRUE(s.Polecenia().KrokWstecz);
  for (int k = 0; k < 10; ++k) EXPECT_TRUE(s.KrokWstecz());
  EXPECT_EQ(stan(), poPierwszym);
  EXPECT_EQ(plytka.lcd.PamiecDDRAM[0], Lcd::ZnakPusty);
  EXPECT_EQ(okno.linie.back(), 1);
  s.KrokWstecz();
  EXPECT_FALSE(s.KrokWstecz()) << "nothing before the first instruction";
  EXPECT_FALSE(s.Polecenia().KrokWstecz);

  s.StepInto();
  EXPECT_EQ(stan(), poPierwszym) << "the same instruction again";
  s.ResetKelbry();
  EXPECT_FALSE(s.Polecenia().KrokWstecz);
  s.StepInto();
  s.UstawTrybEmulacji(false, 8);
  EXPECT_FALSE(h.Wlaczona());
  EXPECT_FALSE(s.KrokWstecz());
}

// A step over of 2 (lcall) + 2 + 165 * (4 + 157 * (2 + 2 * 191 + 2)) + nops + 2 (ret)
// cycles: ten million with four NOPs.
std::vector<std::string> Podprogram(int nopy) {
  std::vector<std::string> l = {"  lcall podpr",    "  sjmp $",   "podpr: mov r5,#165", "z0: mov r6,#157",
                                "z1: mov r7,#191", "  djnz r7,$", "  djnz r6,z1",       "  djnz r5,z0"};
  l.insert(l.end(), static_cast<size_t>(nopy), "  nop");
  l.push_back("  ret");
  return l;
}

std::vector<std::string> Wywolanie(const char* rozkaz) { return {"  org 100h", rozkaz, "  nop", "podpr: inc a", "  ret"}; }

TEST_F(Bieg, StepOverRunsACallToItsReturnPointWithinTenMillionCycles) {
  const struct {
    const char* przypadek;
    std::vector<std::string> program;
    uint16_t pc;
    int pulapka;  // line, or -1
    uint16_t pcPo;
    uint32_t cykle;
    int komunikaty;
  } przypadki[] = {
      {"lcall", Wywolanie("  lcall podpr"), 0x0100, -1, 0x0103, 5, 0},
      {"acall", Wywolanie("  acall podpr"), 0x0100, -1, 0x0102, 5, 0},
      {"no call: one instruction", Wywolanie("  nop"), 0x0100, -1, 0x0101, 1, 0},
      {"lcall at FFFDh", {"  org 10h", "podpr: ret", "  org 0FFFDh", "  lcall podpr"}, 0xFFFD, -1, 0x0000, 4, 0},
      {"breakpoint in the routine", Wywolanie("  lcall podpr"), 0x0100, 3, 0x0104, 2, 0},
      {"endless loop", {"  lcall podpr", "  nop", "podpr: sjmp podpr"}, 0, -1, 0x0004, 10'000'000, 1},
      {"returns on the last allowed cycle", Podprogram(4), 0, -1, 0x0003, 10'000'000, 0},
      {"still at its RET when the allowance runs out", Podprogram(6), 0, -1, 0x0017, 10'000'000, 1},
  };
  for (const auto& c : przypadki) {
    SCOPED_TRACE(c.przypadek);
    okno.komunikaty = 0;
    b.Wyczysc();
    Start(c.program);
    if (c.pulapka >= 0) b.Przelacz(c.pulapka, p.mapa, 5);
    j.PC = c.pc;
    s.StepOver();
    EXPECT_EQ(j.PC, c.pcPo);
    EXPECT_EQ(j.Cykle, c.cykle);
    EXPECT_EQ(okno.komunikaty, c.komunikaty);
  }
}

// A5h takes no cycle; code made of it must not hold a step over.
TEST_F(Bieg, ZeroCycleCodeEndsStepsOver) {
  Start({"  nop"});
  j.Code.fill(0xA5);
  j.Code[0x0100] = 0x12, j.Code[0x0101] = 0x02, j.Code[0x0102] = 0x00;  // LCALL 0200h
  j.PC = 0x0100;
  s.StepOver();
  EXPECT_EQ(okno.komunikaty, 1);
}

TEST_F(Bieg, CommandsEnabledInEachMode) {
  using Stan = std::array<bool, 5>;  // Nowy, Kompilacja, Emulacja, Run, PrzyciskRun
  const struct {
    int linie;
    bool emulacja;  // entered afterwards with the other line count, so Run1 shows it stays
    Stan stan;
  } przypadki[] = {{0, false, {true, false, false, false, false}},
                   {3, false, {true, true, false, true, true}},
                   {0, true, {false, false, true, false, true}},
                   {3, true, {false, false, true, true, true}}};
  for (const auto& c : przypadki) {
    s.UstawTrybEmulacji(false, c.linie);
    if (c.emulacja) s.UstawTrybEmulacji(true, 3 - c.linie);
    const StanPolecen& p = s.Polecenia();
    EXPECT_EQ((Stan{p.Nowy, p.Kompilacja, p.Emulacja, p.Run, p.PrzyciskRun}), c.stan) << c.linie << c.emulacja;
  }
}

TEST_F(Bieg, EnteringEmulationResetsTheBoard) {
  s.UstawTrybEmulacji(false, 1);
  s.Run();
  EXPECT_FALSE(okno.ciagly);  // editing mode: the window assembles first
  j.PC = 0x1234, j.Cykle = 5, s.UstawBudzet(7);
  plytka.lcd.Rozkaz(0x08);  // display off
  s.UstawTrybEmulacji(true, 1);
  EXPECT_TRUE(plytka.lcd.Flagi.WyswietlaczWlaczony);  // the LCD ran its start sequence
  EXPECT_EQ((std::array<int64_t, 3>{j.PC, static_cast<int64_t>(j.Cykle), s.Budzet()}), (std::array<int64_t, 3>{}));
}

// Rows place code on lines 2, 5 and 9; the equ rows hold values, not addresses.
TEST_F(Bieg, MovingPcAndMarkingTheCurrentLineUseCodeRowsOnly) {
  Start({"; program", "", "  mov a,#1", "", "; dalej", "  inc a", "x equ 5", "", "", "  sjmp $", "y equ 2"});
  const std::pair<int, uint16_t> przypadki[] = {{7, 2}, {6, 2}, {5, 2}, {9, 3}, {100, 3}, {2, 0}, {1, 0}};
  for (const auto& [linia, pc] : przypadki) {
    j.PC = 0x0055;
    s.PrzesunPC(linia);
    EXPECT_EQ(j.PC, pc) << linia;
    EXPECT_EQ(okno.linie.back(), linia);
  }
  okno.linie.clear();
  for (uint16_t pc : {2, 5, 0x40}) {
    j.PC = pc;
    s.PokazBiezacaLinie();
  }
  EXPECT_EQ(okno.linie, (std::vector<int>{5}));  // not the value 2 of line 10; nothing at 5 or 40h
}

// The seconds already shown and the cycles past them: the clock reads
// sekundy * 1,000,000 + cykle. A tick leaves the clock alone.
TEST_F(Bieg, StatusTickShowsTheCountersThenTurnsAMillionCyclesIntoASecond) {
  const struct {
    uint32_t cykle, sekundy;
    const char *tekstCykli, *tekstCzasu;
    const char* nastepneCykle;  // the next tick's count
  } przypadki[] = {
      {1'234'567, 0, "Cykle= 1234567", "Czas dzial. jadra: 00:00:01.234", "Cykle= 234567"},
      {5'000, 3'725, "Cykle= 5000", "Czas dzial. jadra: 01:02:05.005", "Cykle= 5000"},
      {1'000'000, 59, "Cykle= 1000000", "Czas dzial. jadra: 00:00:59.1000", "Cykle= 1000000"},
      {3'000'001, 0, "Cykle= 3000001", "Czas dzial. jadra: 00:00:01.2000", "Cykle= 2000001"},
      {45'000, 360'000, "Cykle= 45000", "Czas dzial. jadra: 100:00:00.045", "Cykle= 45000"},
  };
  for (const auto& c : przypadki) {
    LicznikStatusu l(c.sekundy);
    const uint64_t zegarMaszyny = uint64_t{c.sekundy} * 1'000'000 + c.cykle;
    const TekstyStatusu t = l.Tick(zegarMaszyny);
    EXPECT_EQ(t.Cykle, c.tekstCykli);
    EXPECT_EQ(t.Czas, c.tekstCzasu);
    EXPECT_EQ(l.Tick(zegarMaszyny).Cykle, c.nastepneCykle);
  }
  // A step back across a second already shown takes the second back.
  LicznikStatusu l(2);
  EXPECT_EQ(l.Tick(1'999'990).Czas, "Czas dzial. jadra: 00:00:01.999");
  j.Cykle = 1'234'567;
  s.TickStatusu();
  EXPECT_EQ(j.Cykle, 1'234'567u);
  j.PC = 0x0100, j.Code[0x0100] = 0x74;
  EXPECT_EQ(s.TickStatusu().CaretPos, "  PC= 256  CODE[PC]= 74");
  EXPECT_EQ(TekstPC(0xFFFF, 0x0A), "  PC= 65535  CODE[PC]= 0A");
}

}  // namespace
}  // namespace kelbra::testy
