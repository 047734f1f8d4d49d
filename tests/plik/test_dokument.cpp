// Reading and writing files, and the open and save rules of the source
// document, on real files in a temporary folder.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>

#include "DokumentZrodlowy.h"
#include "PlikNaDysku.h"
#include "PelnyDysk.h"
#include "Polecenie.h"

namespace kelbra {
namespace {

namespace fs = std::filesystem;
using test::TrescPliku;

class PlikiNaDysku : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(katalog);
    fs::create_directories(katalog);
  }
  void TearDown() override {
    fs::permissions(katalog, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(katalog);
  }
  std::string Sciezka(const std::string& nazwa) const { return (katalog / nazwa).string(); }
  void Utworz(const std::string& nazwa, const std::string& bajty) const {
    std::ofstream(Sciezka(nazwa), std::ios::binary) << bajty;
  }
  // Files in the folder, so a temporary one left behind shows.
  size_t LiczbaPlikow() const {
    return static_cast<size_t>(std::distance(fs::directory_iterator(katalog), fs::directory_iterator()));
  }

  fs::path katalog = test::SciezkaTymczasowa("plik");
};

TEST(RegulyPliku, RozszerzenieAsm) {
  const std::pair<std::string, std::string> przypadki[] = {
      {"prog", "prog.asm"},           {"prog.asm", "prog.asm"},         {"test.ASM", "test.ASM.asm"},
      {"x.asm.bak", "x.asm.bak.asm"}, {"kat.asm/prog", "kat.asm/prog.asm"}, {"prog.as", "prog.as.asm"},
      {"żółw", "żółw.asm"},
  };
  for (const auto& [wybrana, zapisana] : przypadki) EXPECT_EQ(ZRozszerzeniemAsm(wybrana), zapisana) << wybrana;
}

TEST(RegulyPliku, KatalogDialogu) {
  // Folders that exist, and those of them a save may write to.
  const std::set<std::string> istniejace = {"/home/ala", "/home/ala/prace", "/usr/share/doc/kelbra/examples",
                                            "/opt/k/share/doc/kelbra/examples", "/tmp"};
  const std::set<std::string> zapisywalne = {"/home/ala", "/home/ala/prace", "/opt/k/share/doc/kelbra/examples",
                                             "/tmp"};
  const auto dostepny = [&](const std::string& f, bool zapis) {
    return (zapis ? zapisywalne : istniejace).contains(f);
  };
  using R = RodzajDialogu;
  struct Przypadek {
    std::string plik, program;
    R rodzaj;
    std::string folder;
  };
  const Przypadek przypadki[] = {
      {"/home/ala/prace/led.asm", "/usr/bin", R::Otwarcie, "/home/ala/prace"},
      {"/home/ala/prace/led.asm", "/usr/bin", R::Zapis, "/home/ala/prace"},
      {"", "/usr/bin", R::Otwarcie, "/usr/share/doc/kelbra/examples"},
      // The installed examples are read-only: a save starts at home.
      {"", "/usr/bin", R::Zapis, "/home/ala"},
      {"", "/opt/k/bin", R::Zapis, "/opt/k/share/doc/kelbra/examples"},
      {"", "/opt/k/bin/", R::Otwarcie, "/opt/k/share/doc/kelbra/examples"},
      // A build folder has no examples beside it.
      {"", "/home/ala/kelbra/build/app", R::Otwarcie, "/home/ala"},
      {"", "", R::Otwarcie, "/home/ala"},
      // A file whose folder is gone, or one in the root.
      {"/home/ala/usuniety/x.asm", "/usr/bin", R::Otwarcie, "/usr/share/doc/kelbra/examples"},
      {"/tmp/x.asm", "/usr/bin", R::Zapis, "/tmp"},
  };
  for (const Przypadek& p : przypadki)
    EXPECT_EQ(KatalogDialogu(p.plik, p.program, "/home/ala", p.rodzaj, dostepny), p.folder)
        << p.plik << " " << p.program << " " << static_cast<int>(p.rodzaj);
}

TEST(RegulyPliku, Komunikaty) {
  using R = BladPliku::Rodzaj;
  const std::pair<BladPliku, std::string> przypadki[] = {
      {{R::Brak}, ""},
      {{R::Folder, EISDIR}, "Nie można otworzyć pliku /a/b.asm: to jest folder."},
      {{R::Otwarcie, ENOENT}, "Nie można otworzyć pliku /a/b.asm:\nbrak"},
      {{R::ZaDuzy, 0, 50 * 1024 * 1024 + 5}, "Plik /a/b.asm jest za duży (50 MB). Edytor otwiera pliki do 16 MB."},
      {{R::Odczyt, EIO}, "Nie można odczytać pliku /a/b.asm:\nbrak"},
      {{R::Zapis, EACCES}, "Nie można zapisać pliku /a/b.asm:\nbrak"},
      {{R::NieZwykly, EINVAL},
       "Nie można otworzyć pliku /a/b.asm: to nie jest zwykły plik, tylko potok, urządzenie lub gniazdo."},
      // A full disk or quota says what happened and what is left; a file
      // that did not exist before has no old version to keep.
      {{R::Zapis, ENOSPC, 0, true},
       "Brak miejsca na dysku: plik /a/b.asm nie został zapisany, poprzednia wersja jest nietknięta."},
      {{R::Zapis, ENOSPC, 0, false}, "Brak miejsca na dysku: plik /a/b.asm nie został zapisany."},
      {{R::Zapis, EDQUOT, 0, true},
       "Przekroczony przydział miejsca na dysku (quota): plik /a/b.asm nie został zapisany, poprzednia wersja jest "
       "nietknięta."},
      {{R::Zapis, EFBIG, 0, true}, "Nie można zapisać pliku /a/b.asm:\nbrak\nPoprzednia wersja jest nietknięta."},
  };
  for (const auto& [blad, tekst] : przypadki) EXPECT_EQ(KomunikatBleduPliku(blad, "/a/b.asm", "brak"), tekst);
  EXPECT_EQ(PytanieOZastapienie("/a/b.asm"), "Plik /a/b.asm już istnieje.\nCzy chcesz go zastąpić?");
}

TEST_F(PlikiNaDysku, OdczytBajtowIBledow) {
  // Every byte value, NULs included, and more than one read's worth.
  std::string duzy(200000, '\0');
  for (size_t k = 0; k < duzy.size(); ++k) duzy[k] = static_cast<char>(k * 7919 >> 3);
  for (const std::string& tresc : {std::string(), std::string("nop\r\n"), duzy}) {
    Utworz("p.asm", tresc);
    const OdczytPliku o = CzytajPlik(Sciezka("p.asm"));
    EXPECT_FALSE(o.blad);
    EXPECT_EQ(o.bajty, tresc);
  }
  EXPECT_EQ(CzytajPlik(katalog.string()).blad.rodzaj, BladPliku::Rodzaj::Folder);
  const OdczytPliku brak = CzytajPlik(Sciezka("brak.asm"));
  EXPECT_EQ(brak.blad.rodzaj, BladPliku::Rodzaj::Otwarcie);
  EXPECT_EQ(brak.blad.kod, ENOENT);
  const OdczytPliku zaDuzy = CzytajPlik(Sciezka("p.asm"), duzy.size() - 1);
  EXPECT_EQ(zaDuzy.blad.rodzaj, BladPliku::Rodzaj::ZaDuzy);
  EXPECT_EQ(zaDuzy.blad.rozmiar, duzy.size());
  EXPECT_TRUE(zaDuzy.bajty.empty());
  EXPECT_FALSE(CzytajPlik(Sciezka("p.asm"), duzy.size()).blad);  // the limit itself is allowed
}

TEST_F(PlikiNaDysku, ZapisZastepujeIZachowujeUprawnienia) {
  const mode_t maska = ::umask(022);
  EXPECT_FALSE(ZapiszPlik(Sciezka("nowy.asm"), "a\r\n"));
  EXPECT_EQ(fs::status(Sciezka("nowy.asm")).permissions(), fs::perms(0644));
  ::umask(maska);
  Utworz("stary.asm", "stara tresc, dluzsza\r\n");
  fs::permissions(Sciezka("stary.asm"), fs::perms(0640));
  EXPECT_FALSE(ZapiszPlik(Sciezka("stary.asm"), std::string("b\0c", 3)));
  EXPECT_EQ(TrescPliku(Sciezka("stary.asm")), std::string("b\0c", 3));
  EXPECT_EQ(fs::status(Sciezka("stary.asm")).permissions(), fs::perms(0640));
  // A link stays a link; the file it names gets the bytes.
  fs::create_symlink("stary.asm", Sciezka("link.asm"));
  EXPECT_FALSE(ZapiszPlik(Sciezka("link.asm"), "przez link"));
  EXPECT_TRUE(fs::is_symlink(Sciezka("link.asm")));
  EXPECT_EQ(TrescPliku(Sciezka("stary.asm")), "przez link");
  EXPECT_EQ(LiczbaPlikow(), 3u);
}

TEST_F(PlikiNaDysku, NieudanyZapisNieRuszaStaregoPliku) {
  const BladPliku brakFolderu = ZapiszPlik(Sciezka("brak/p.asm"), "x");
  EXPECT_EQ(brakFolderu.rodzaj, BladPliku::Rodzaj::Zapis);
  EXPECT_EQ(brakFolderu.kod, ENOENT);
  Utworz("p.asm", "stary");
  fs::permissions(katalog, fs::perms::owner_read | fs::perms::owner_exec);
  // A read-only folder stops every user but root.
  if (::geteuid() != 0) {
    const BladPliku blad = ZapiszPlik(Sciezka("p.asm"), "nowy");
    EXPECT_EQ(blad.rodzaj, BladPliku::Rodzaj::Zapis);
    EXPECT_EQ(blad.kod, EACCES);
    EXPECT_EQ(TrescPliku(Sciezka("p.asm")), "stary");
  }
  fs::permissions(katalog, fs::perms::owner_all);
  // Nor is a read-only file replaced, though its folder could take it.
  fs::permissions(Sciezka("p.asm"), fs::perms::owner_read);
  if (::geteuid() != 0) {
    EXPECT_EQ(ZapiszPlik(Sciezka("p.asm"), "nowy").kod, EACCES);
    EXPECT_EQ(TrescPliku(Sciezka("p.asm")), "stary");
  }
  EXPECT_EQ(LiczbaPlikow(), 1u);
}

TEST_F(PlikiNaDysku, ZapisPrzezWiszacyLinkDlugaNazwaIPozostalosci) {
  // A link to a file not there yet stays a link, and the file is made.
  fs::create_symlink("cel.asm", Sciezka("link.asm"));
  EXPECT_FALSE(ZapiszPlik(Sciezka("link.asm"), "a"));
  EXPECT_TRUE(fs::is_symlink(Sciezka("link.asm")));
  EXPECT_EQ(TrescPliku(Sciezka("cel.asm")), "a");
  // A name as long as a name may be.
  const std::string dluga(255, 'd');
  EXPECT_FALSE(ZapiszPlik(Sciezka(dluga), "b"));
  EXPECT_EQ(TrescPliku(Sciezka(dluga)), "b");
  // A temporary file that a killed save left goes at the next save; one
  // being written now and other names stay.
  const std::string stary = std::string(PrzedrostekTymczasowego) + "Ab12Cd";
  const std::string pozostale[] = {std::string(PrzedrostekTymczasowego) + "Xy34Zw", ".kelbra-stary", "p.asm.Ab12Cd"};
  for (const std::string& n : pozostale) Utworz(n, "z");
  Utworz(stary, std::string(100000, 'z'));
  for (const std::string& n : {stary, pozostale[1], pozostale[2]})
    fs::last_write_time(Sciezka(n), fs::file_time_type::clock::now() - std::chrono::hours(1));
  EXPECT_FALSE(ZapiszPlik(Sciezka("p.asm"), "c"));
  EXPECT_FALSE(fs::exists(Sciezka(stary)));
  for (const std::string& n : pozostale) EXPECT_TRUE(fs::exists(Sciezka(n))) << n;
  // Root saving a student's file leaves it the student's.
  if (::geteuid() == 0) {
    Utworz("cudzy.asm", "x");
    ASSERT_EQ(::chown(Sciezka("cudzy.asm").c_str(), 65534, 65534), 0);
    EXPECT_FALSE(ZapiszPlik(Sciezka("cudzy.asm"), "y"));
    struct stat st {};
    ASSERT_EQ(::stat(Sciezka("cudzy.asm").c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65534u);
  }
}

// A disk full to the last block, and one with a few kilobytes left that
// takes part of a large text before it fails.
TEST_F(PlikiNaDysku, PelnyDyskZostawiaStaryPlik) {
  test::MalyDysk dysk("pelny");
  if (!dysk.Jest()) GTEST_SKIP() << dysk.Blad();
  const std::string stary = "stara tresc\r\n";
  const std::string sciezka = dysk.Sciezka("p.asm").string();
  std::ofstream(sciezka, std::ios::binary) << stary;
  for (const size_t wolne : {size_t{0}, size_t{8 * 1024}}) {
    dysk.Wypelnij(wolne);
    for (const size_t rozmiar : {size_t{10}, size_t{16 * 1024}, size_t{40 * 1024}}) {
      if (rozmiar < wolne) continue;  // fits: nothing to fail
      const BladPliku blad = ZapiszPlik(sciezka, std::string(rozmiar, 'x'));
      EXPECT_EQ(blad.rodzaj, BladPliku::Rodzaj::Zapis) << rozmiar << " " << wolne;
      EXPECT_EQ(blad.kod, ENOSPC) << rozmiar << " " << wolne;
      EXPECT_TRUE(blad.byl);
      EXPECT_EQ(TrescPliku(sciezka), stary);
      // No temporary file is left to eat the space.
      EXPECT_EQ(std::distance(fs::directory_iterator(dysk.Folder()), fs::directory_iterator()), 2);
    }
  }
  EXPECT_FALSE(ZapiszPlik(dysk.Sciezka("nowy.asm").string(), "x").byl);
  // With the space back the same save goes through.
  dysk.Zwolnij();
  EXPECT_FALSE(ZapiszPlik(sciezka, std::string(20 * 1024, 'y')));
  EXPECT_EQ(TrescPliku(sciezka), std::string(20 * 1024, 'y'));
}

// A write cut short by the file-size limit, for any user: a large text
// fails part way, a small one fits.
TEST_F(PlikiNaDysku, ZapisPrzerwanyLimitemRozmiaru) {
  Utworz("p.asm", "stary");
  {
    test::LimitRozmiaruPliku limit(4096);
    const BladPliku blad = ZapiszPlik(Sciezka("p.asm"), std::string(20000, 'x'));
    EXPECT_EQ(blad.rodzaj, BladPliku::Rodzaj::Zapis);
    EXPECT_EQ(blad.kod, EFBIG);
    EXPECT_TRUE(blad.byl);
    EXPECT_FALSE(ZapiszPlik(Sciezka("maly.asm"), "nop\r\n"));
  }
  EXPECT_EQ(TrescPliku(Sciezka("p.asm")), "stary");
  EXPECT_EQ(LiczbaPlikow(), 2u);
}

// A named pipe with no writer and a device that never ends are refused at
// once; the batch runner's plain read is not asked to refuse them.
TEST_F(PlikiNaDysku, NieZwyklyPlikOdrzuconyOdRazu) {
  ASSERT_EQ(::mkfifo(Sciezka("potok.asm").c_str(), 0600), 0);
  fs::create_symlink(Sciezka("potok.asm"), Sciezka("link.asm"));
  for (const std::string& s : {Sciezka("potok.asm"), Sciezka("link.asm"), std::string("/dev/zero")}) {
    const OdczytPliku o = CzytajPlik(s, NajwiekszyPlikZrodlowy, true);
    EXPECT_EQ(o.blad.rodzaj, BladPliku::Rodzaj::NieZwykly) << s;
    EXPECT_TRUE(o.bajty.empty());
  }
  DokumentZrodlowy d;
  EXPECT_EQ(d.Otworz(Sciezka("potok.asm")).blad.rodzaj, BladPliku::Rodzaj::NieZwykly);
  EXPECT_EQ(CzytajPlik("/dev/null").blad.rodzaj, BladPliku::Rodzaj::Brak);
  EXPECT_EQ(CzytajPlik(katalog.string(), NajwiekszyPlikZrodlowy, true).blad.rodzaj, BladPliku::Rodzaj::Folder);
  // The dialogs' own check on a real folder, a file and a missing path.
  EXPECT_TRUE(FolderDostepny(katalog.string(), false));
  EXPECT_TRUE(FolderDostepny(katalog.string(), true));
  EXPECT_FALSE(FolderDostepny(Sciezka("potok.asm"), false));
  EXPECT_FALSE(FolderDostepny(Sciezka("brak"), false));
}

TEST_F(PlikiNaDysku, DokumentPamietaKodowaniePliku) {
  const std::string utf8 = "\xEF\xBB\xBF" "db '\xC4\x85'\r\n";
  Utworz("utf8.asm", utf8);
  DokumentZrodlowy d;
  const DokumentZrodlowy::Otwarcie o = d.Otworz(Sciezka("utf8.asm"));
  ASSERT_FALSE(o.blad);
  EXPECT_EQ(o.plik.Linie, std::vector<std::u32string>{U"db 'ą'"});
  EXPECT_EQ(d.Kodowanie(), KodowaniePliku::Utf8);
  EXPECT_TRUE(d.Bom());
  // A file that cannot be read leaves the document's encoding alone.
  EXPECT_EQ(d.Otworz(Sciezka("brak.asm")).blad.rodzaj, BladPliku::Rodzaj::Otwarcie);
  EXPECT_EQ(d.Kodowanie(), KodowaniePliku::Utf8);
  EXPECT_FALSE(d.Zapisz(Sciezka("kopia.asm"), o.plik.Linie, ""));
  EXPECT_EQ(TrescPliku(Sciezka("kopia.asm")), utf8);

  d.Nowy();
  EXPECT_EQ(d.Kodowanie(), KodowaniePliku::Cp1250);
  EXPECT_FALSE(d.Bom());
  const std::vector<std::u32string> balwan = {U"; \u2603", U"db '\u0105'"};
  EXPECT_FALSE(d.PotrzebaUtf8({U"db '\u0105'"}));
  EXPECT_EQ(d.Bajty({U"db '\u0105'"}, ";pozycja okien:x"), "db '\xB9'\r\n;pozycja okien:x\r\n");
  ASSERT_TRUE(d.PotrzebaUtf8(balwan));
  d.PrzejdzNaUtf8();
  EXPECT_FALSE(d.PotrzebaUtf8(balwan));
  EXPECT_EQ(d.Bajty(balwan, ""), "; \xE2\x98\x83\r\ndb '\xC4\x85'\r\n");
}

TEST_F(PlikiNaDysku, ZapisJakoPytaOPlikPoUzupelnieniu) {
  Utworz("stary.asm", "x");
  const ZapisJako stary = DecyzjaZapisuJako(Sciezka("stary"));
  EXPECT_EQ(stary.sciezka, Sciezka("stary.asm"));
  EXPECT_TRUE(stary.pytajOZastapienie);
  const ZapisJako nowy = DecyzjaZapisuJako(Sciezka("stary.ASM"));
  EXPECT_EQ(nowy.sciezka, Sciezka("stary.ASM.asm"));
  EXPECT_FALSE(nowy.pytajOZastapienie);
}

}  // namespace
}  // namespace kelbra
