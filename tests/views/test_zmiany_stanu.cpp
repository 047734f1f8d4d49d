// The changed-value rule: what differs between the last two stops is
// marked; a bank switch, a moved Ri and a typed value each count as the
// windows show them.

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "EdycjaPamieci.h"
#include "EdycjaRejestrow.h"
#include "ZmianyStanu.h"

namespace kelbra {
namespace {

const OpisPola& Pole(const char* podpis) {
  for (const auto& p : PolaRejestrow)
    if (std::string_view(p.podpis) == podpis) return p;
  throw std::invalid_argument(podpis);
}

using Z = const ZmianyStanu&;
using Pytanie = std::function<bool(Z)>;
Pytanie Bajt(uint8_t a) { return [=](Z z) { return z.ZmienionyBajt(a); }; }
Pytanie NaPolu(const char* podpis) { return [=](Z z) { return z.ZmienionePole(Pole(podpis)); }; }
Pytanie Bit(uint8_t b) { return [=](Z z) { return z.ZmienionyBit(b); }; }
Pytanie Komorka(RodzajPamieci r, int32_t a) { return [=](Z z) { return z.ZmienionaKomorka(r, a); }; }

struct Przypadek {
  const char* opis;
  std::function<void(Jadro&)> zmiana;  // between the two stops
  Pytanie pytanie;
  bool oczekiwane;
};

class Zmiany : public ::testing::TestWithParam<Przypadek> {};

TEST_P(Zmiany, MiedzyZatrzymaniami) {
  const Przypadek& p = GetParam();
  auto j = std::make_unique<Jadro>();
  j->ResetJadra();
  j->Data[0] = 0x11;     // R0 of bank 0
  j->Data[8] = 0x22;     // R0 of bank 1
  j->Data[0x30] = 0x5A;  // where R1 = 30h points
  j->Data[1] = 0x30;
  j->Data[9] = 0x30;
  ZmianyStanu z;
  z.Zatrzymanie(*j);
  p.zmiana(*j);
  z.Zatrzymanie(*j);
  EXPECT_EQ(p.pytanie(z), p.oczekiwane) << p.opis;
}

using R = RodzajPamieci;
INSTANTIATE_TEST_SUITE_P(
    Tabela, Zmiany,
    ::testing::Values(
        Przypadek{"nothing changed", [](Jadro&) {}, Bajt(sfr::ACC), false},
        Przypadek{"ACC", [](Jadro& j) { j.Data[sfr::ACC] = 1; }, Bajt(sfr::ACC), true},
        Przypadek{"ACC field", [](Jadro& j) { j.Data[sfr::ACC] = 1; }, NaPolu("Acc"), true},
        Przypadek{"B untouched when ACC changes", [](Jadro& j) { j.Data[sfr::ACC] = 1; }, NaPolu("B"), false},
        Przypadek{"DPTR by DPH", [](Jadro& j) { j.Data[sfr::DPH] = 1; }, NaPolu("DPTR"), true},
        Przypadek{"DPTR by DPL", [](Jadro& j) { j.Data[sfr::DPL] = 1; }, NaPolu("DPTR"), true},
        Przypadek{"bank switch shows another R0", [](Jadro& j) { j.Data[sfr::PSW] = psw::RS0; }, NaPolu("R0"), true},
        Przypadek{"bank switch, R1 equal in both banks", [](Jadro& j) { j.Data[sfr::PSW] = psw::RS0; }, NaPolu("R1"),
                  false},
        Przypadek{"R0 of another bank is not shown", [](Jadro& j) { j.Data[8] = 0; }, NaPolu("R0"), false},
        Przypadek{"@R1 by its target", [](Jadro& j) { j.Data[0x30] = 0; }, NaPolu("@R1"), true},
        Przypadek{"@R1 by R1 moving to an equal byte", [](Jadro& j) { j.Data[1] = 0x31, j.Data[0x31] = 0x5A; },
                  NaPolu("@R1"), false},
        Przypadek{"@R1 by R1 moving", [](Jadro& j) { j.Data[1] = 0x90; }, NaPolu("@R1"), true},
        Przypadek{"PSW bit CY", [](Jadro& j) { j.Data[sfr::PSW] = psw::CY; }, Bit(Jadro::BitCY), true},
        Przypadek{"PSW bit AC stays", [](Jadro& j) { j.Data[sfr::PSW] = psw::CY; }, Bit(Jadro::BitAC), false},
        Przypadek{"RAM bit 00h in 20h", [](Jadro& j) { j.Data[0x20] = 0x01; }, Bit(0x00), true},
        Przypadek{"RAM bit 01h stays", [](Jadro& j) { j.Data[0x20] = 0x01; }, Bit(0x01), false},
        Przypadek{"IDATA 90h is upper RAM, not P1", [](Jadro& j) { j.Data[sfr::P1] = 0; }, Komorka(R::IDATA, 0x90),
                  false},
        Przypadek{"IDATA 90h upper RAM", [](Jadro& j) { j.IdataGorna[0x90] = 7; }, Komorka(R::IDATA, 0x90), true},
        Przypadek{"IDATA 30h is DATA 30h", [](Jadro& j) { j.Data[0x30] = 7; }, Komorka(R::IDATA, 0x30), true},
        Przypadek{"XDATA FFF2h", [](Jadro& j) { j.Xdata[0xFFF2] = 7; }, Komorka(R::XDATA, 0xFFF2), true},
        Przypadek{"CODE 1234h", [](Jadro& j) { j.Code[0x1234] = 7; }, Komorka(R::CODE, 0x1234), true},
        Przypadek{"outside the DATA grid", [](Jadro& j) { j.Data[0xE0] = 7; }, Komorka(R::DATA, 0xE0), false}));

// A value typed between stops is neither marked now nor a change at the
// next stop; a change made by the program beside it stays marked.
TEST(ZmianyStanu, WpisanaWartoscNieJestZmiana) {
  auto j = std::make_unique<Jadro>();
  j->ResetJadra();
  ZmianyStanu z;
  z.Zatrzymanie(*j);
  j->Data[sfr::ACC] = 5;  // the program
  z.Zatrzymanie(*j);
  EXPECT_FALSE(z.PoEdycji(*j)) << "nothing typed yet";
  j->Data[sfr::B] = 9;  // typed
  EXPECT_TRUE(z.PoEdycji(*j));
  EXPECT_FALSE(z.PoEdycji(*j)) << "taken in already";
  EXPECT_TRUE(z.ZmienionyBajt(sfr::ACC));
  EXPECT_FALSE(z.ZmienionyBajt(sfr::B));
  j->Data[sfr::ACC] = 6;  // typed over a marked value: no longer the program's
  z.PoEdycji(*j);
  EXPECT_FALSE(z.ZmienionyBajt(sfr::ACC));
  z.Zatrzymanie(*j);  // a step that changed nothing
  EXPECT_FALSE(z.ZmienionyBajt(sfr::B));
  EXPECT_FALSE(z.ZmienionyBajt(sfr::ACC));
}

TEST(ZmianyStanu, PierwszeZatrzymanieIWyczyszczenieNieZnaczaNiczego) {
  auto j = std::make_unique<Jadro>();
  j->ResetJadra();
  ZmianyStanu z;
  j->Data[sfr::ACC] = 1;
  z.Zatrzymanie(*j);
  EXPECT_FALSE(z.ZmienionyBajt(sfr::ACC));
  j->Data[sfr::ACC] = 2;
  z.Zatrzymanie(*j);
  EXPECT_TRUE(z.ZmienionyBajt(sfr::ACC));
  z.Wyczysc();
  EXPECT_FALSE(z.ZmienionyBajt(sfr::ACC));
  j->Data[sfr::ACC] = 3;
  z.Zatrzymanie(*j);
  EXPECT_FALSE(z.ZmienionyBajt(sfr::ACC));
}

}  // namespace
}  // namespace kelbra
