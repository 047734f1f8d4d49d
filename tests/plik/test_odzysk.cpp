// Copies of unsaved text kept for recovery after a crash, on real files in
// a temporary folder; the programs are stores living side by side.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>

#include "Odzysk.h"
#include "Polecenie.h"

namespace kelbra {
namespace {

namespace fs = std::filesystem;

class Odzysk : public ::testing::Test {
 protected:
  void SetUp() override { fs::remove_all(katalog); }
  void TearDown() override { fs::remove_all(katalog); }
  size_t Kopie() const {
    size_t n = 0;
    for (const auto& e : fs::directory_iterator(stan)) n += e.path().extension() == ".odzysk";
    return n;
  }

  fs::path katalog = test::SciezkaTymczasowa("odzysk");
  std::string stan = (katalog / "stan" / "kelbra").string();
};

TEST_F(Odzysk, KopiaZyjeTylkoDoZapisuAlboOdrzucenia) {
  auto program = std::make_unique<MagazynOdzysku>(stan);
  MagazynOdzysku drugi(stan), trzeci(stan);
  // Written after an edit, one copy for the document however often.
  EXPECT_FALSE(program->Zapisz("/prace/p.asm", "nop\r\n", 100));
  EXPECT_FALSE(program->Zapisz("/prace/p.asm", "nop\r\nsjmp $\r\n", 200));
  EXPECT_EQ(Kopie(), 1u);
  EXPECT_EQ(fs::status(stan).permissions(), fs::perms::owner_all);
  // A running program's copy is nobody else's to offer.
  EXPECT_TRUE(drugi.Porzucone().empty());
  // Removed after a save or after "Nie" to dropping the text.
  program->Usun();
  EXPECT_EQ(Kopie(), 0u);
  EXPECT_FALSE(program->Zapisz("/prace/p.asm", "mov a,#1\r\n", 300));
  program.reset();  // killed: the copy stays
  const std::string inny = "/prace/inny.asm";
  EXPECT_TRUE(drugi.Porzucone(&inny).empty());
  const std::vector<KopiaOdzysku> kopie = drugi.Porzucone();
  ASSERT_EQ(kopie.size(), 1u);
  EXPECT_EQ(kopie[0].sciezka, "/prace/p.asm");
  EXPECT_EQ(kopie[0].bajty, "mov a,#1\r\n");
  EXPECT_EQ(kopie[0].czas, 300);
  // Offered by one program at a time.
  EXPECT_TRUE(trzeci.Porzucone().empty());
  drugi.UsunPorzucona(kopie[0]);
  EXPECT_TRUE(fs::is_empty(stan));
}

TEST_F(Odzysk, ZlaKopiaPominieta) {
  const std::string cala = ZapisKopii("/prace/p.asm", 1000, "nop\r\n;pozycja okien:xyz\r\n");
  struct Przypadek {
    const char* co;
    std::string bajty;
    bool przyjeta;
  };
  const Przypadek przypadki[] = {
      {"whole", cala, true},
      {"text never saved", ZapisKopii("", 5, "x"), true},
      {"cut short", cala.substr(0, cala.size() - 1), false},
      {"more after it", cala + "x", false},
      {"not ours", "nop\r\n", false},
      {"a broken header", "kelbra-odzysk 1\n12 x 3\nabc", false},
      {"a length past the end", "kelbra-odzysk 1\n1 99999999999999999999 1\nab", false},
  };
  for (const Przypadek& p : przypadki) {
    fs::remove_all(katalog);
    fs::create_directories(stan);
    std::ofstream(stan + "/1-0.odzysk", std::ios::binary) << p.bajty;
    MagazynOdzysku program(stan);
    const std::vector<KopiaOdzysku> kopie = program.Porzucone();
    ASSERT_EQ(kopie.size(), p.przyjeta ? 1u : 0u) << p.co;
    if (p.przyjeta) {
      EXPECT_EQ(ZapisKopii(kopie[0].sciezka, kopie[0].czas, kopie[0].bajty), p.bajty) << p.co;
    }
  }
  // Huge: refused before a byte is read.
  fs::resize_file(stan + "/1-0.odzysk", uint64_t{1} << 32);
  EXPECT_TRUE(MagazynOdzysku(stan).Porzucone().empty());
}

TEST(PytanieOOdzysk, DzienMiesiacIGodzina) {
  struct tm czas {};
  czas.tm_year = 126, czas.tm_mon = 11, czas.tm_mday = 7, czas.tm_hour = 14, czas.tm_min = 32, czas.tm_isdst = -1;
  const int64_t t = std::mktime(&czas);
  EXPECT_EQ(PytanieOOdzysk("prog.asm", t), "Znaleziono niezapisany tekst pliku prog.asm z 7 grudnia, 14:32.\n"
                                           "Przywrócić go?");
  czas.tm_mon = 8, czas.tm_mday = 30, czas.tm_hour = 9, czas.tm_min = 5;
  EXPECT_EQ(PytanieOOdzysk("", std::mktime(&czas)),
            "Znaleziono niezapisany tekst pliku bez nazwy z 30 września, 09:05.\nPrzywrócić go?");
  EXPECT_EQ(KatalogOdzysku("/s", "/h"), "/s/kelbra");
  EXPECT_EQ(KatalogOdzysku("wzgledny", "/h"), "/h/.local/state/kelbra");
}

}  // namespace
}  // namespace kelbra
