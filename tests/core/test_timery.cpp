// Timers 0 and 1 after each instruction, and the timer interrupts.

#include <gtest/gtest.h>

#include "StanTestowy.h"

namespace kelbra::test {
namespace {

struct Timer {
  const char* nazwa;
  std::vector<Bajt> przed;
  int cykle;  // advance by this many cycles
  std::vector<Bajt> po;
};

std::ostream& operator<<(std::ostream& os, const Timer& t) { return os << t.nazwa; }

class Timery : public ::testing::TestWithParam<Timer> {};

TEST_P(Timery, PrzesuniecieOCykle) {
  const Timer& t = GetParam();
  auto j = NowyJadro();
  Zapisz(*j, t.przed);
  auto oczekiwany = std::make_unique<Jadro>(*j);
  Zapisz(*oczekiwany, t.po);
  j->TimeryPoKroku(t.cykle);
  EXPECT_EQ(Roznice(*oczekiwany, *j), "");
}

using namespace sfr;

INSTANTIATE_TEST_SUITE_P(
    Tryby, Timery,
    ::testing::Values(
        Timer{"mode 1 overflow", {D(TMOD, 0x01), D(TCON, 0x10), D(TH0, 0xFF), D(TL0, 0xFE)}, 2,
              {D(TL0, 0x00), D(TH0, 0x00), D(TCON, 0x30)}},
        Timer{"mode 1 carry into TH", {D(TMOD, 0x01), D(TCON, 0x10), D(TH0, 0x12), D(TL0, 0xFF)}, 4,
              {D(TL0, 0x03), D(TH0, 0x13)}},
        Timer{"mode 2 reload, one cycle", {D(TMOD, 0x20), D(TCON, 0x40), D(TH1, 0xF0), D(TL1, 0xFF)}, 1,
              {D(TL1, 0xF0), D(TCON, 0xC0)}},
        Timer{"mode 2 reload keeps the extra cycle", {D(TMOD, 0x20), D(TCON, 0x40), D(TH1, 0xF0), D(TL1, 0xFF)}, 2,
              {D(TL1, 0xF1), D(TCON, 0xC0)}},
        Timer{"mode 0 thirteen bits", {D(TMOD, 0x00), D(TCON, 0x10), D(TH0, 31), D(TL0, 0xFF)}, 1,
              {D(TL0, 0x00), D(TH0, 0x00), D(TCON, 0x30)}},
        Timer{"mode 0 inside the period", {D(TMOD, 0x00), D(TCON, 0x10), D(TH0, 30), D(TL0, 0xFF)}, 1,
              {D(TL0, 0x00), D(TH0, 31)}},
        Timer{"mode 3 does not count", {D(TMOD, 0x33), D(TCON, 0x50), D(TL0, 0xFF), D(TL1, 0xFF)}, 4, {}},
        Timer{"counter mode never counts", {D(TMOD, 0x05), D(TCON, 0x10), D(TL0, 0xFF), D(TH0, 0xFF)}, 4, {}},
        Timer{"stopped timer", {D(TMOD, 0x11), D(TCON, 0x00), D(TL0, 0xFF)}, 4, {}},
        Timer{"gated, INT0 low", {D(TMOD, 0x09), D(TCON, 0x10), D(P3, 0xFB)}, 2, {}},
        Timer{"gated, INT0 high", {D(TMOD, 0x09), D(TCON, 0x10), D(P3, 0xFF)}, 2, {D(TL0, 0x02)}},
        Timer{"timer 1 gated by INT1, not INT0", {D(TMOD, 0x90), D(TCON, 0x40), D(P3, 0xFB)}, 3, {D(TL1, 0x03)}},
        Timer{"both timers at once", {D(TMOD, 0x21), D(TCON, 0x50), D(TL0, 0xFF), D(TH0, 0xFF), D(TH1, 0x80),
                                      D(TL1, 0xFF)},
              1, {D(TL0, 0x00), D(TH0, 0x00), D(TL1, 0x80), D(TCON, 0xF0)}},
        Timer{"TF stays set", {D(TMOD, 0x01), D(TCON, 0x30), D(TL0, 0x10)}, 1, {D(TL0, 0x11)}}));

// A program that loads the timer, then NOPs; returns the core after `n` steps.
std::unique_ptr<Jadro> Uruchom(const std::vector<uint8_t>& program, int kroki, uint16_t adres = 0) {
  auto j = NowyJadro();
  for (size_t k = 0; k < program.size(); ++k) j->Code[static_cast<uint16_t>(adres + k)] = program[k];
  j->PC = adres;
  for (int k = 0; k < kroki; ++k) j->KrokJadra();
  return j;
}

TEST(Przerwania, WejscieOdkladaAdresPowrotu) {
  // At 0100h: MOV A,#0 (2 bytes, 1 cycle) overflows timer 0.
  auto j = NowyJadro();
  j->Code[0x100] = 0x74;
  j->PC = 0x100;
  j->Data[sfr::IE] = 0x82;
  j->Data[TMOD] = 0x01;
  j->Data[TCON] = 0x10;
  j->Data[TH0] = 0xFF;
  j->Data[TL0] = 0xFF;
  EXPECT_EQ(j->KrokJadra(), 1);
  EXPECT_EQ(j->PC, Jadro::WektorT0);
  EXPECT_EQ(j->Data[SP], 0x09);
  EXPECT_EQ(j->Data[0x08], 0x02);
  EXPECT_EQ(j->Data[0x09], 0x01);
  EXPECT_EQ(j->Data[TCON] & 0x20, 0);
}

TEST(Przerwania, BezEaFlagaCzekaNaWlaczenie) {
  // SETB EA after two NOPs; TF0 is already pending.
  auto j = Uruchom({0x00, 0x00, 0xD2, 0xAF}, 0);
  j->Data[sfr::IE] = 0x02;
  j->Data[TCON] = 0x20;
  j->KrokJadra();
  j->KrokJadra();
  EXPECT_EQ(j->PC, 0x0002);
  EXPECT_EQ(j->Data[TCON], 0x20);
  j->KrokJadra();
  EXPECT_EQ(j->PC, Jadro::WektorT0);
  EXPECT_EQ(j->Data[TCON], 0x00);
  EXPECT_EQ(j->Data[0x08], 0x04);
}

TEST(Przerwania, ObaNaraz) {
  auto j = NowyJadro();
  j->PC = 0x0200;
  j->Data[sfr::IE] = 0x8A;
  j->Data[TCON] = 0xA0;
  j->KrokJadra();  // NOP at 0200h
  EXPECT_EQ(j->PC, Jadro::WektorT0);
  EXPECT_EQ(j->Data[SP], 0x0B);
  // Interrupted address below, the timer-1 vector above it, high bytes on top.
  EXPECT_EQ(j->Data[0x08], 0x01);
  EXPECT_EQ(j->Data[0x09], 0x02);
  EXPECT_EQ(j->Data[0x0A], 0x1B);
  EXPECT_EQ(j->Data[0x0B], 0x00);
  EXPECT_EQ(j->Data[TCON], 0x00);
}

TEST(Przerwania, WylaczoneTimeryNieWchodza) {
  auto j = NowyJadro();
  j->Data[sfr::IE] = 0x80;
  j->Data[TCON] = 0xA0;
  j->KrokJadra();
  EXPECT_EQ(j->PC, 1);
  EXPECT_EQ(j->Data[TCON], 0xA0);
}

TEST(Przerwania, StartTimeraLiczyJegoWlasneCykle) {
  // MOV TCON,#10h takes 2 cycles, and timer 0 counts them at once.
  auto j = Uruchom({0x75, 0x88, 0x10}, 1);
  EXPECT_EQ(j->Data[TL0], 2);
}

TEST(Przerwania, A5NiePrzesuwaTimera) {
  auto j = Uruchom({0xA5}, 0);
  j->Data[TCON] = 0x10;
  EXPECT_EQ(j->KrokJadra(), 0);
  EXPECT_EQ(j->Data[TL0], 0);
}

}  // namespace
}  // namespace kelbra::test
