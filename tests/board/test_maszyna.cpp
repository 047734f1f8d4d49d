// The machine's run contract, which run control, the batch runner and the
// task check all rely on: where a run stops, what it charges, when typed
// PC keys arrive, and that the recorded run ends where the plain one does.

#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Maszyna.h"
#include "core/StanTestowy.h"

namespace kelbra::testy {
namespace {

using Dostawy = std::vector<std::pair<uint64_t, uint8_t>>;

struct Umowa {
  const char* co;
  std::vector<uint8_t> kod;  // from 0000h; the rest of CODE is NOPs
  int64_t budzet;
  uint64_t doCyklu = UINT64_MAX;
  std::optional<uint16_t> stopPC = {};
  std::string klawiszePC = {};  // typed at cycle 0
  bool kopiaKlawiszy = false;  // the board shows its keys
  // What the run ends with.
  uint16_t pc;
  uint64_t cykl;
  int64_t budzetPo;
  bool zatrzymany = false;
  Dostawy sbuf = {};  // each new SBUF value with the clock after its instruction
};

// LJMP 0020h; at 000Bh INC 30h, RETI; at 0020h timer 0 in mode 2 set to
// overflow every 16 cycles, interrupts on, SJMP $.
std::vector<uint8_t> ZPrzerwaniami() {
  std::vector<uint8_t> k(0x2D, 0x00);
  const uint8_t poczatek[] = {0x02, 0x00, 0x20}, obsluga[] = {0x05, 0x30, 0x32},
                petla[] = {0x75, 0x89, 0x02, 0x75, 0x8C, 0xF0, 0x75, 0xA8, 0x82, 0xD2, 0x8C, 0x80, 0xFE};
  std::copy(std::begin(poczatek), std::end(poczatek), k.begin());
  std::copy(std::begin(obsluga), std::end(obsluga), k.begin() + 0x0B);
  std::copy(std::begin(petla), std::end(petla), k.begin() + 0x20);
  return k;
}
const std::vector<uint8_t> Przerwania = ZPrzerwaniami();

struct Wynik {
  std::unique_ptr<Maszyna> m = std::make_unique<Maszyna>();
  int64_t budzet = 0;
  bool zatrzymany = false;
  Dostawy sbuf;
};

Wynik Uruchom(const Umowa& u, bool zapis) {
  Wynik w;
  Maszyna& m = *w.m;
  Jadro& j = m.jadro();
  std::copy(u.kod.begin(), u.kod.end(), j.Code.begin());
  m.historia().Wlacz(zapis);
  m.plytka().KopiaKlawiszy = u.kopiaKlawiszy;
  m.plytka().PrzelaczKlStatyczny(0);
  j.Xdata[Jadro::AdresKlStatycznych] = 0x00;
  for (char c : u.klawiszePC) m.plytka().WpiszKlawiszPC(static_cast<uint8_t>(c));
  w.budzet = u.budzet;
  uint8_t sbuf = j.Data[sfr::SBUF];
  w.zatrzymany = m.Biegnij(w.budzet, u.doCyklu, [&](const Jadro& jj) {
    if (jj.Data[sfr::SBUF] != sbuf) w.sbuf.emplace_back(jj.Cykle, sbuf = jj.Data[sfr::SBUF]);
    return u.stopPC && jj.PC == *u.stopPC;
  });
  return w;
}

TEST(Maszyna, UmowaBiegu) {
  const Umowa umowy[] = {
      {.co = "the budget ends the run", .kod = {}, .budzet = 10, .pc = 10, .cykl = 10, .budzetPo = 0},
      {.co = "the last instruction runs whole", .kod = {0xA4}, .budzet = 3, .pc = 1, .cykl = 4, .budzetPo = -1},
      {.co = "a cycle limit ends it first",
       .kod = {0xA4, 0xA4},
       .budzet = 100,
       .doCyklu = 6,
       .pc = 2,
       .cykl = 8,
       .budzetPo = 92},
      {.co = "the stop, after the instruction before it",
       .kod = {},
       .budzet = 100,
       .stopPC = 5,
       .pc = 5,
       .cykl = 5,
       .budzetPo = 95,
       .zatrzymany = true},
      {.co = "A5h takes no cycle but one of the budget",
       .kod = std::vector<uint8_t>(20, 0xA5),
       .budzet = 10,
       .pc = 10,
       .cykl = 0,
       .budzetPo = 0},
      {.co = "typed PC keys arrive 1,000 cycles apart",
       .kod = {},
       .budzet = 2500,
       .klawiszePC = "abc",
       .pc = 2500,
       .cykl = 2500,
       .budzetPo = 0,
       .sbuf = {{1001, 'b'}, {2001, 'c'}}},
      {.co = "the key bytes are restored while the board shows them",
       .kod = {},
       .budzet = 1,
       .kopiaKlawiszy = true,
       .pc = 1,
       .cykl = 1,
       .budzetPo = 0},
      {.co = "timer interrupts", .kod = Przerwania, .budzet = 1000, .pc = 0x000B, .cykl = 1001, .budzetPo = -1},
  };
  for (const Umowa& u : umowy) {
    SCOPED_TRACE(u.co);
    const Wynik zwykly = Uruchom(u, false);
    const Jadro& j = zwykly.m->jadro();
    EXPECT_EQ(j.PC, u.pc);
    EXPECT_EQ(zwykly.m->Cykl(), u.cykl);
    EXPECT_EQ(zwykly.budzet, u.budzetPo);
    EXPECT_EQ(zwykly.zatrzymany, u.zatrzymany);
    EXPECT_EQ(zwykly.sbuf, u.sbuf);
    EXPECT_EQ(j.Xdata[Jadro::AdresKlStatycznych], u.kopiaKlawiszy ? 0xFE : 0x00);
    if (u.kod == Przerwania) {
      EXPECT_GT(j.Data[0x30], 40);  // about one an overflow
    }

    const Wynik zapisany = Uruchom(u, true);
    EXPECT_EQ(test::Roznice(j, zapisany.m->jadro()), "");
    EXPECT_EQ(zapisany.m->Cykl(), zwykly.m->Cykl());
    EXPECT_EQ(zapisany.budzet, zwykly.budzet);
    EXPECT_EQ(zapisany.sbuf, zwykly.sbuf);
    EXPECT_GT(zapisany.m->historia().Liczba(), 0u);
  }
}

// A step runs exactly one instruction, with a PC key due before it.
TEST(Maszyna, KrokToJedenRozkazZKlawiszemPC) {
  Maszyna m;
  m.plytka().WpiszKlawiszPC('d');
  m.plytka().WpiszKlawiszPC('e');
  EXPECT_EQ(m.jadro().Data[sfr::SBUF], 'd');
  m.jadro().Cykle = 1000;
  EXPECT_EQ(m.Krok(), 1);
  EXPECT_EQ(m.jadro().Data[sfr::SBUF], 'e');
  EXPECT_EQ(m.jadro().PC, 1);
}

}  // namespace
}  // namespace kelbra::testy
