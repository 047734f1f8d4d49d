// Assembled programs run on the core.

#include <gtest/gtest.h>

#include "Pomocnicze.h"
#include "Przebieg.h"

namespace kelbra::test {
namespace {

struct Program : Stanowisko {
  explicit Program(const std::vector<std::string>& linie) {
    const WynikAsemblacji& w = Asembluj(linie);
    EXPECT_FALSE(w.FlagaBledu) << (w.Bledy.empty() ? "" : w.Bledy[0]);
    jadro->ResetJadra();
  }
  void UruchomDo(uint16_t pc) { ASSERT_TRUE(DoAdresu(*jadro, pc)); }
  uint16_t Adres(const char* etykieta) { return static_cast<uint16_t>(*asembler->SzukajEtykiety(etykieta)); }
};

TEST(Program, PetlaDjnz) {
  Program p({"  mov r7, #5", "  clr a", "petla: add a, #3", "  djnz r7, petla", "koniec: sjmp koniec"});
  p.UruchomDo(p.Adres("koniec"));
  EXPECT_EQ(p.jadro->Data[sfr::ACC], 15);
  EXPECT_EQ(p.jadro->Data[7], 0);
}

TEST(Program, PodprogramLcallRet) {
  Program p({"  mov sp, #50h", "  lcall pod", "  mov 31h, 30h", "koniec: sjmp koniec", "pod: mov 30h, #42h",
             "  ret"});
  p.UruchomDo(p.Adres("koniec"));
  EXPECT_EQ(p.jadro->Data[0x31], 0x42);
  EXPECT_EQ(p.jadro->Data[sfr::SP], 0x50);
  EXPECT_EQ(p.jadro->Data[0x51], 0x06);  // return address, low byte first
}

TEST(Program, TablicaMovc) {
  Program p({"  mov dptr, #tab", "  mov a, #2", "  movc a, @a+dptr", "  mov r1, a", "  mov a, #1",
             "  movc a, @a+pc", "koniec: sjmp koniec", "tab: db 10h,20h,30h"});
  p.UruchomDo(p.Adres("koniec"));
  EXPECT_EQ(p.jadro->Data[1], 0x30);
  // @A+PC reads from the instruction after the MOVC: 80h, the sjmp.
  EXPECT_EQ(p.jadro->Data[sfr::ACC], 0xFE);
}

TEST(Program, MovDirectDirectCelPierwszy) {
  Program p({"  mov 40h, #7", "  mov 30h, 40h", "koniec: sjmp koniec"});
  p.UruchomDo(p.Adres("koniec"));
  EXPECT_EQ(p.jadro->Data[0x30], 7);
}

TEST(Program, PrzerwanieTimeraPodOrg000Bh) {
  Program p({"  ljmp start", "  org 0Bh", "  inc 30h", "  reti", "  org 30h", "start: mov tmod, #02h",
             "  mov th0, #0", "  mov tl0, #0", "  setb et0", "  setb ea", "  setb tr0", "petla: sjmp petla"});
  EXPECT_EQ(p.jadro->Code[0x0B], 0x05);
  uint64_t cykle = 0;
  while (cykle < 256 * 10 + 100) cykle += static_cast<uint64_t>(p.jadro->KrokJadra());
  EXPECT_GE(p.jadro->Data[0x30], 9);
  EXPECT_LE(p.jadro->Data[0x30], 11);
}

}  // namespace
}  // namespace kelbra::test
