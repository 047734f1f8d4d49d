// Numbers shown and typed in the inspection windows.

#include <gtest/gtest.h>

#include <string>

#include "Liczby.h"
#include "views/MaszynaZAsemblerem.h"

namespace kelbra {
namespace {

TEST(Liczby, Formaty) {
  struct {
    int32_t v;
    bool dec;
    int cyfry;
    const char* tekst;
  } przypadki[] = {{0, false, 2, "00"},   {0x1F, false, 2, "1F"}, {0x100, false, 2, "100"},   {5, false, 4, "0005"},
                   {300, true, 2, "300"}, {0, true, 4, "0"},      {-1, false, 2, "FFFFFFFF"}, {-7, true, 2, "-7"}};
  for (const auto& p : przypadki) EXPECT_EQ(FormatLiczby(p.v, p.dec, p.cyfry), p.tekst) << p.v;
}

// In HEX mode only a text of hexadecimal digits alone is a hexadecimal
// literal; every other text is read as typed, so names, labels, "$" and the
// suffixed forms work. The cases the windows' own rules spell out keep
// their results.
TEST(Liczby, OdczytWpisanegoTekstu) {
  test::Maszyna m;
  constexpr auto L = Odczyt::Liczba, B = Odczyt::Bledny, P = Odczyt::Pusty;
  struct {
    const char* tekst;
    bool dec;
    Odczyt::Rodzaj rodzaj;
    int32_t wartosc;
  } przypadki[] = {
      {"1F", false, L, 0x1F},
      {"100", false, L, 0x100},
      {"ZZ", false, B, 0},
      {"???", false, B, 0},
      {"P1", false, L, 0x90},
      {"$", false, L, 0x200},
      {"10h+1", false, L, 17},
      {"etykieta", false, L, 0x1234},
      {"high(etykieta)", false, L, 0x12},
      {"#11b", false, L, 3},
      {"17o", false, L, 15},
      {"face", false, L, 0xFACE},
      {"face", true, L, 0xABC},
      {"11b", false, L, 0x11B},
      {"11b", true, L, 3},
      {"1+2", true, L, 3},
      {"1F", true, B, 0},
      {"0-1", true, L, -1},
      {"-1", true, B, 0},
      {"", false, P, 0},
      {"", true, P, 0},
  };
  for (const auto& p : przypadki) {
    const Odczyt o = OdczytajWartosc(m.asembler, p.tekst, p.dec);
    EXPECT_EQ(o.rodzaj, p.rodzaj) << p.tekst << (p.dec ? " DEC" : " HEX");
    EXPECT_EQ(o.wartosc, p.wartosc) << p.tekst << (p.dec ? " DEC" : " HEX");
  }
}

TEST(Liczby, ZlyTekstNieZawiesza) {
  test::Maszyna m;
  const std::string zagniezdzony = std::string(100000, '(') + "1" + std::string(100000, ')');
  std::string suma = "1";
  for (int k = 0; k < 50000; ++k) suma += "+1";
  for (bool dec : {false, true}) {
    EXPECT_EQ(OdczytajWartosc(m.asembler, zagniezdzony, dec).wartosc, 1);
    EXPECT_EQ(OdczytajWartosc(m.asembler, std::string(100000, '('), dec).rodzaj, Odczyt::Bledny);
    EXPECT_EQ(OdczytajWartosc(m.asembler, suma, dec).wartosc, 50001);
    // Windows-1250 letters, undefined bytes and a NUL are no value.
    EXPECT_EQ(OdczytajWartosc(m.asembler, std::string("\xB9\xE6\x81\0F", 5), dec).rodzaj, Odczyt::Bledny);
  }
}

}  // namespace
}  // namespace kelbra
