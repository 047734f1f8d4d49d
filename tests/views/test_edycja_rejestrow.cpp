// The registers window's rules, without the window.

#include <gtest/gtest.h>

#include <string>

#include "EdycjaRejestrow.h"
#include "views/MaszynaZAsemblerem.h"

namespace kelbra {
namespace {

const OpisPola& Pole(std::string_view podpis) {
  for (const OpisPola& p : PolaRejestrow)
    if (p.podpis == podpis) return p;
  throw std::invalid_argument(std::string(podpis));
}

// Every editable field writes its own register (both DPTR bytes) and
// nothing else; R0-R7 write the selected bank.
TEST(EdycjaRejestrow, KazdePolePiszeSwojRejestr) {
  test::Maszyna m;
  EdycjaRejestrow e(*m.jadro, m.asembler);
  m.Data(sfr::PSW) = 0x18;
  for (const OpisPola& p : PolaRejestrow) {
    if (p.rodzaj == RodzajPola::Posredni) continue;
    const Jadro przed = *m.jadro;
    // 5A5Ah keeps bank 3 when it lands in PSW.
    e.ZatwierdzWartosc("5A5A", e.Cel(p));
    std::string zmienione;
    for (int a = 0; a < 256; ++a)
      if (m.jadro->Data[a] != przed.Data[a]) zmienione += std::to_string(a) + " ";
    const int adres = p.rodzaj == RodzajPola::RejestrBanku ? 0x18 + p.argument : p.argument;
    const std::string oczekiwane =
        std::to_string(adres) + " " + (p.rodzaj == RodzajPola::Dptr ? std::to_string(adres + 1) + " " : "");
    EXPECT_EQ(zmienione, oczekiwane) << p.podpis;
    EXPECT_EQ(m.jadro->IdataGorna, przed.IdataGorna);
  }
}

TEST(EdycjaRejestrow, ZatwierdzanieIPodglad) {
  struct {
    const char* pole;
    bool dec;
    const char* tekst;
    uint16_t zapisane;  // what the register holds afterwards (it starts at 42h, DPTR at 4242h)
    const char* nowa;
    bool wZakresie;
  } przypadki[] = {
      {"Acc", false, "1", 0x01, "01", true},
      {"Acc", false, "1F", 0x1F, "1F", true},
      {"B", false, "100", 0x00, "100", false},
      {"SP", false, "???", 0x42, "???", true},
      {"SP", false, "", 0x42, "", true},
      {"SP", true, "", 0x42, "", true},
      {"DPTR", false, "1234", 0x1234, "1234", true},
      {"DPTR", false, "10000", 0x0000, "10000", false},
      {"DPTR", false, "etykieta", 0x1234, "1234", true},
      {"PSW", true, "300", 44, "300", false},
      {"R5", true, "0-1", 0xFF, "-1", true},
  };
  for (const auto& p : przypadki) {
    test::Maszyna m;
    EdycjaRejestrow e(*m.jadro, m.asembler);
    e.Dziesietnie = p.dec;
    m.jadro->Data.fill(0x42);
    const CelEdycji cel = e.Cel(Pole(p.pole));
    e.ZatwierdzWartosc(p.tekst, cel);
    const int wartosc = cel.dptr ? m.jadro->DPTR() : m.jadro->Data[cel.adres];
    EXPECT_EQ(wartosc, p.zapisane) << p.pole << " " << p.tekst;
    EXPECT_EQ(e.NowaWartosc, p.nowa) << p.pole << " " << p.tekst;
    EXPECT_EQ(e.StaraWartosc, p.dec ? (cel.dptr ? "16962" : "66") : (cel.dptr ? "4242" : "42")) << p.pole;
    EXPECT_EQ(e.WZakresie, p.wZakresie) << p.pole << " " << p.tekst;
  }
}

// "Bylo:" keeps the value from before the first change to a register until
// another register is edited.
TEST(EdycjaRejestrow, StaraWartoscDoZmianyRejestru) {
  test::Maszyna m;
  EdycjaRejestrow e(*m.jadro, m.asembler);
  m.Data(sfr::ACC) = 0x10;
  e.ZatwierdzWartosc("20", e.Cel(Pole("Acc")));
  e.ZatwierdzWartosc("30", e.Cel(Pole("Acc")));
  EXPECT_EQ(e.StaraWartosc, "10");
  e.ZatwierdzWartosc("5", e.Cel(Pole("B")));
  EXPECT_EQ(e.StaraWartosc, "00");
}

}  // namespace
}  // namespace kelbra
