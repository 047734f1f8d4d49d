// The example programs students start from: every one assembles without a
// message, shows what its comments promise when the batch runner presses
// the keys, and is saved with a layout that opens the board window. The
// tasks in examples/zadania check a correct and a wrong solution each.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "Polecenie.h"
#include "PozycjeOkien.h"

namespace {

namespace fs = std::filesystem;
using kelbra::test::TrescPliku;
using kelbra::test::WCudzyslowie;
using kelbra::test::Wykonaj;

// Each example with a run that shows its behaviour; the runner fails the
// run (exit status 3) when an expectation does not hold.
const std::map<std::string, std::string> Przebiegi = {
    {"hello.asm", "--cycles 250000 --expect 'LCD1=Kelbra 8051' --expect P1=FB"},
    {"napis_lcd.asm",
     // Character 0, the heart drawn in CGRAM, ends both lines.
     "--cycles 100000 --expect 'LCD1=Hello, Kelbra! .' --expect 'LCD2=Hello, 8051! .'"},
    {"diody_klawisze.asm",
     // S1 and S3 on: FAh on P1 as read, its bits mirrored (5Fh) on P2.
     "--cycles 20000 --key S1@1000 --key S3@1000 --expect P1=FA --expect P2=5F"},
    {"klawisze_dynamiczne.asm",
     // K3 and K12 held: the lower number is shown; each byte on its port.
     "--cycles 50000 --key K12@5000 --key K3@5000 --expect 'LCD2=Klawisz: K3' --expect P0=F7 --expect P2=EF"},
    {"przerwanie_timer0.asm",
     // Two toggles of P1.0 after 1.1 s (0.5 s each), counted on P2; the main
     // loop meanwhile copies the static keys to P3.
     "--cycles 1100000 --key S2@0 --expect P1=FF --expect DATA:31=02 --expect P2=FD --expect P3=FD"},
    {"pwm.asm",
     // S1 and S3 on: n = 5, so P1.0 is 1 for 250 of every 1000 cycles, the
     // period starting 64 cycles past a thousand.
     "--cycles 20000 --key S1@0 --key S3@0 --expect P1=FF@10300 --expect P1=FE@10330 --expect P1=FE@11050"
     " --expect P1=FF@11080"},
    {"klawiatura_pc.asm",
     "--cycles 60000 --script " KELBRA_PRZYKLADY "/klawiatura_pc.skrypt"
     " --expect LCD1=Kelbra --expect LCD2=8051"},
};

TEST(Przyklady, KazdyDzialaJakOpisany) {
  int sprawdzone = 0;
  for (const auto& e : fs::directory_iterator(KELBRA_PRZYKLADY)) {
    if (e.path().extension() != ".asm") continue;
    const std::string nazwa = e.path().filename().string();
    const auto przebieg = Przebiegi.find(nazwa);
    ASSERT_NE(przebieg, Przebiegi.end()) << nazwa << ": przyklad bez sprawdzenia w tabeli";
    const auto w = Wykonaj(std::string(KELBRA_BATCH) + " " + przebieg->second + " " +
                           WCudzyslowie(e.path().string()));
    // No error, no warning, no failed expectation: the runner prints nothing.
    EXPECT_EQ(w.kod, 0) << nazwa << "\n" << w.wyjscie;
    EXPECT_EQ(w.wyjscie, "") << nazwa;
    ++sprawdzone;
  }
  EXPECT_EQ(sprawdzone, static_cast<int>(Przebiegi.size()));
}

// Each task with the lines its wrong solution (tests/przyklady/zadania,
// NAME_zle.asm beside NAME_dobre.asm) prints; the correct one prints none.
const std::map<std::string, std::string> Zadania = {
    {"zadanie1_swiatlo.asm",
     // The light runs the other way: right from the second period on, and
     // in the middle of the ring by chance.
     "Oczekiwano P1=FD w cyklu 15000, jest 7F\n"
     "Oczekiwano P1=FB w cyklu 25000, jest BF\n"
     "Oczekiwano P1=F7 w cyklu 35000, jest DF\n"
     "Oczekiwano P1=DF w cyklu 55000, jest F7\n"
     "Oczekiwano P1=BF w cyklu 65000, jest FB\n"
     "Oczekiwano P1=7F w cyklu 75000, jest FD\n"
     "Oczekiwano P1=FD w cyklu 95000, jest 7F\n"
     "Koniec przebiegu w PC=000D: program krąży w wierszu 10: djnz r7,$\n"},
    {"zadanie2_klawisze.asm",
     // S1 read the wrong way round.
     "Oczekiwano P1=FB w cyklu 5000, jest FF\n"
     "Oczekiwano P1=FF w cyklu 15000, jest FD\n"
     "Oczekiwano P1=FD w cyklu 25000, jest FF\n"
     "Oczekiwano P1=FE w cyklu 35000, jest FD\n"
     "Koniec przebiegu w PC=0004, wiersz 4: mov dptr,#0FFE1h; program krąży w wierszach 2..9\n"},
    {"zadanie3_powitanie.asm",
     "Oczekiwano LCD1=\"Dzien dobry!\", jest \"Dzien dobry\"\n"
     "Oczekiwano LCD2=\"  Kelbra 8051\", jest \"Kelbra 8051\"\n"
     "Koniec przebiegu w PC=0022: program krąży w wierszu 18: koniec: sjmp koniec\n"},
};

const fs::path KatalogZadan = fs::path(KELBRA_PRZYKLADY) / "zadania";

std::string Rozwiazanie(const std::string& zadanie, const char* rodzaj) {
  return (fs::path(KELBRA_ROZWIAZANIA) / (fs::path(zadanie).stem().string() + rodzaj)).string();
}

TEST(Przyklady, ZadaniaOdrozniajaDobreRozwiazanieOdZlego) {
  const std::string batch = KELBRA_BATCH;
  int sprawdzone = 0;
  for (const auto& e : fs::directory_iterator(KatalogZadan)) {
    if (e.path().extension() != ".asm") continue;
    const std::string nazwa = e.path().filename().string();
    const auto zle = Zadania.find(nazwa);
    ASSERT_NE(zle, Zadania.end()) << nazwa << ": zadanie bez rozwiazan w tabeli";
    const std::string zadanie = WCudzyslowie(e.path().string());
    // The task itself assembles without a message; unsolved, it fails.
    const auto samo = Wykonaj(batch + " --no-task " + zadanie);
    EXPECT_EQ(samo.kod, 0) << nazwa << "\n" << samo.wyjscie;
    EXPECT_EQ(samo.wyjscie, "") << nazwa;
    EXPECT_EQ(Wykonaj(batch + " " + zadanie).kod, 3) << nazwa;

    const auto dobre = Wykonaj(batch + " --task " + zadanie + " " + WCudzyslowie(Rozwiazanie(nazwa, "_dobre.asm")));
    EXPECT_EQ(dobre.kod, 0) << nazwa << "\n" << dobre.wyjscie;
    EXPECT_EQ(dobre.wyjscie, "") << nazwa;
    const auto zla = Wykonaj(batch + " --task " + zadanie + " " + WCudzyslowie(Rozwiazanie(nazwa, "_zle.asm")));
    EXPECT_EQ(zla.kod, 3) << nazwa;
    EXPECT_EQ(zla.wyjscie, zle->second) << nazwa;

    // As a student hands it in: the task lines copied above the solution.
    std::istringstream linie(TrescPliku(e.path()));
    std::string linia, oddane;
    while (std::getline(linie, linia))
      if (linia.rfind(";#kelbra", 0) == 0) oddane += linia + "\n";
    oddane += TrescPliku(Rozwiazanie(nazwa, "_dobre.asm"));
    const fs::path kopia = kelbra::test::SciezkaTymczasowa(nazwa);
    std::ofstream(kopia, std::ios::binary) << oddane;
    const auto wlasne = Wykonaj(batch + " " + WCudzyslowie(kopia.string()));
    fs::remove(kopia);
    EXPECT_EQ(wlasne.kod, 0) << nazwa << "\n" << wlasne.wyjscie;
    ++sprawdzone;
  }
  EXPECT_EQ(sprawdzone, static_cast<int>(Zadania.size()));
}

TEST(Przyklady, OtwierajaOknoPlytkiObokGlownego) {
  std::vector<fs::path> pliki;
  for (const auto& [nazwa, _] : Przebiegi) pliki.push_back(fs::path(KELBRA_PRZYKLADY) / nazwa);
  for (const auto& [nazwa, _] : Zadania) pliki.push_back(KatalogZadan / nazwa);
  for (const fs::path& plik : pliki) {
    const std::string nazwa = plik.filename().string();
    const std::string tresc = TrescPliku(plik);
    ASSERT_GE(tresc.size(), 2u) << nazwa;
    EXPECT_EQ(tresc.substr(tresc.size() - 2), "\r\n") << nazwa;
    const size_t poczatek = tresc.rfind("\r\n", tresc.size() - 3);
    ASSERT_NE(poczatek, std::string::npos) << nazwa;
    const std::string linia = tresc.substr(poczatek + 2, tresc.size() - poczatek - 4);
    kelbra::PozycjeOkien p;
    ASSERT_TRUE(kelbra::CzytajLiniePozycjiOkien(linia, kelbra::PozycjeOkien{}, p)) << nazwa << ": " << linia;
    const auto& glowne = p.Okna[0];
    const auto& plytka = p.Okna[2];
    EXPECT_TRUE(plytka.Visible) << nazwa;
    // Side by side on a 1024-pixel screen, the board right of the editor.
    EXPECT_GE(plytka.Left, glowne.Left + glowne.Width) << nazwa;
    EXPECT_LE(plytka.Left + plytka.Width, 1024) << nazwa;
    // Every line is CR LF, as the program writes it.
    for (size_t i = 0; i < tresc.size(); ++i) {
      if (tresc[i] != '\n') continue;
      ASSERT_TRUE(i > 0 && tresc[i - 1] == '\r') << nazwa << " bajt " << i;
    }
  }
}

}  // namespace
