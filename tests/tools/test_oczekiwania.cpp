// Expectations checked at the end of a run: each form holding and failing
// with its exact line, the LCD text as the display shows it, and refusals.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Jadro.h"
#include "Oczekiwania.h"
#include "Plytka.h"

namespace kelbra::wsad {
namespace {

class Oczekiwania : public ::testing::Test {
 protected:
  void SetUp() override {
    PodlaczPlytke(*j, plytka);
    j->Data[sfr::P1] = 0x3C;
    j->Data[0x30] = 0x12;
    j->IdataGorna[0x90] = 0x34;
    j->Xdata[0x0100] = 0xFF;
    j->PC = 0x0040;
    for (uint8_t r : {0x38, 0x0C, 0x01, 0x06}) plytka.lcd.Rozkaz(r);
    Pisz("Hello");
    plytka.lcd.Rozkaz(0xC0);
    Pisz("AB");
  }
  void Pisz(const std::string& s) {
    for (char c : s) plytka.lcd.Dane(static_cast<uint8_t>(c));
  }
  // The failure line, or "" when the expectation holds.
  std::string Sprawdz(const std::string& zapis) {
    Oczekiwanie o;
    const std::string blad = CzytajOczekiwanie(zapis, o);
    EXPECT_EQ(blad, "") << zapis;
    return SprawdzOczekiwanie(o, *j, plytka.lcd).value_or("");
  }

  std::unique_ptr<Jadro> j = std::make_unique<Jadro>();
  PlytkaKelbra plytka;
};

TEST_F(Oczekiwania, EachFormHoldsOrPrintsWhatWasExpectedAndFound) {
  const struct {
    const char* zapis;
    const char* linia;
  } przypadki[] = {
      {"LCD1=Hello", ""},
      {"LCD1=Hello   ", ""},  // trailing blanks show nothing either way
      {"lcd1=Hellp", "Oczekiwano LCD1=\"Hellp\", jest \"Hello\""},
      {"LCD1=Hello!", "Oczekiwano LCD1=\"Hello!\", jest \"Hello\""},
      {"LCD2=AB", ""},
      {"LCD2=", "Oczekiwano LCD2=\"\", jest \"AB\""},
      {"P1=3C", ""},
      {"p1=3d", "Oczekiwano P1=3D, jest 3C"},
      {"ACC=0", ""},
      {"sbuf=0x01", "Oczekiwano SBUF=01, jest 00"},
      {"DATA:30=12", ""},
      {"data:0x30=12h", ""},
      {"DATA:30=13", "Oczekiwano DATA:30=13, jest 12"},
      {"DATA:90=3C", ""},  // the SFR half of DATA
      {"IDATA:90=34", ""},  // the upper indirect RAM, not P1
      {"IDATA:30=12", ""},
      {"IDATA:90=3C", "Oczekiwano IDATA:90=3C, jest 34"},
      {"XDATA:100=FF", ""},
      {"XDATA:100=00", "Oczekiwano XDATA:0100=00, jest FF"},
      {"PC=40", ""},
      {"PC=0041", "Oczekiwano PC=0041, jest 0040"},
  };
  for (const auto& p : przypadki) EXPECT_EQ(Sprawdz(p.zapis), p.linia) << p.zapis;
}

TEST_F(Oczekiwania, LcdTextIsWhatTheDisplayShows) {
  // Cleared cells (FEh) and spaces are blank; other codes outside 21h-7Eh
  // show as ".".
  plytka.lcd.Rozkaz(0x88);
  Pisz(" X");
  plytka.lcd.Dane(0xFF);
  EXPECT_EQ(TekstLiniiLcd(plytka.lcd, 0), "Hello    X.");
  EXPECT_EQ(Sprawdz("LCD1=Hello    X."), "");

  plytka.lcd.Rozkaz(0x30);  // one line: line 2 is not shown
  EXPECT_EQ(Sprawdz("LCD2=AB"), "Oczekiwano LCD2=\"AB\", jest \"\" (linia nie jest wyswietlana)");
  plytka.lcd.Rozkaz(0x08);  // display off
  EXPECT_EQ(Sprawdz("LCD1=Hello"), "Oczekiwano LCD1=\"Hello\", jest \"\" (wyswietlacz wylaczony)");
  EXPECT_EQ(Sprawdz("LCD1="), "");
}

TEST(OczekiwaniaBledy, EveryRefusalNamesTheExpectation) {
  const struct {
    const char* zapis;
    const char* blad;
  } przypadki[] = {
      {"P1", "--expect P1: brak ="},
      {"Q1=00", "--expect Q1=00: nieznana nazwa Q1 (LCD1, LCD2, PC, nazwa SFR, DATA:, IDATA:, XDATA:)"},
      {"=00", "--expect =00: nieznana nazwa  (LCD1, LCD2, PC, nazwa SFR, DATA:, IDATA:, XDATA:)"},
      {"P1=", "--expect P1=: niepoprawna wartosc  (00-FF)"},
      {"P1=100", "--expect P1=100: niepoprawna wartosc 100 (00-FF)"},
      {"P1=-1", "--expect P1=-1: niepoprawna wartosc -1 (00-FF)"},
      {"PC=10000", "--expect PC=10000: niepoprawna wartosc 10000 (0000-FFFF)"},
      {"DATA:100=00", "--expect DATA:100=00: niepoprawny adres w DATA:100"},
      {"XDATA:=00", "--expect XDATA:=00: niepoprawny adres w XDATA:"},
      {"XDATA:10000=00", "--expect XDATA:10000=00: niepoprawny adres w XDATA:10000"},
      {"LCD1=12345678901234567", "--expect LCD1=12345678901234567: tekst LCD dluzszy niz 16 znakow"},
      {"LCD2=\xC5\xBC\xC3\xB3\xC5\x82w",
       "--expect LCD2=\xC5\xBC\xC3\xB3\xC5\x82w: tekst LCD moze miec tylko znaki 20h-7Eh"},
  };
  for (const auto& p : przypadki) {
    Oczekiwanie o;
    EXPECT_EQ(CzytajOczekiwanie(p.zapis, o), p.blad) << p.zapis;
  }
}

}  // namespace
}  // namespace kelbra::wsad
