// The batch runner as a user calls it: exit status, messages and the dump.

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "ArkuszCsv.h"
#include "IntelHex.h"
#include "Polecenie.h"
#include "S51.h"

namespace kelbra {
namespace {

namespace fs = std::filesystem;

using Wynik = test::WynikPolecenia;

Wynik Uruchom(const std::string& argumenty) { return test::Wykonaj(std::string(KELBRA_BATCH) + " " + argumenty); }

class PlikTymczasowy {
 public:
  PlikTymczasowy(const std::string& nazwa, const std::string& tresc) : sciezka_(test::SciezkaTymczasowa(nazwa)) {
    std::ofstream(sciezka_, std::ios::binary) << tresc;
  }
  ~PlikTymczasowy() { fs::remove(sciezka_); }
  std::string Sciezka() const { return test::WCudzyslowie(sciezka_.string()); }

 private:
  fs::path sciezka_;
};

TEST(KelbraBatch, PrzykladPiszeNaLcdIZapalaDiody) {
  const Wynik w = Uruchom("--cycles 100000 --dump " KELBRA_PRZYKLADY "/hello.asm");
  EXPECT_EQ(w.kod, 0) << w.wyjscie;
  EXPECT_NE(w.wyjscie.find("LCD1: \"Kelbra 8051.....\"\n"), std::string::npos) << w.wyjscie;
  EXPECT_NE(w.wyjscie.find("LCD2: \"................\"\n"), std::string::npos);
  EXPECT_NE(w.wyjscie.find("XDATA FFB0: FF "), std::string::npos);
  EXPECT_NE(w.wyjscie.find("XDATA FFE0: 00 FF FF "), std::string::npos);
}

TEST(KelbraBatch, ZrzutMaUstalonaPostac) {
  PlikTymczasowy p("stan.asm", "mov a,#5\r\nmov b,#7\r\nmov 40h,#99h\r\nmov r0,#90h\r\nmov @r0,#12h\r\nsjmp $\r\n");
  const Wynik w = Uruchom("--until-pc 000C --cycles 1000 --dump " + p.Sciezka());
  ASSERT_EQ(w.kod, 0) << w.wyjscie;
  EXPECT_EQ(w.wyjscie.substr(0, w.wyjscie.find('\n')), "PC=000C A=05 B=07 PSW=00 SP=07 DPTR=0000 CYCLES=8");
  EXPECT_NE(w.wyjscie.find("\nDATA 00: 90 00 "), std::string::npos);
  EXPECT_NE(w.wyjscie.find("\nDATA 40: 99 00 "), std::string::npos);
  EXPECT_NE(w.wyjscie.find("\nDATA F0: 07 00 "), std::string::npos);
  EXPECT_NE(w.wyjscie.find("\nIDATA 90: 12 00 "), std::string::npos);
  int linie = 0;
  for (char c : w.wyjscie) linie += c == '\n';
  EXPECT_EQ(linie, 1 + 16 + 8 + 3 + 2);
}

// A stop address the program never reaches is a failed check, not a
// successful run to the cycle limit.
TEST(KelbraBatch, NieosiagnietyAdresDajeKod3) {
  PlikTymczasowy p("petla.asm", "mov a,#5\r\nsjmp $\r\n");
  const Wynik w = Uruchom("--until-pc 0100 --cycles 1000 " + p.Sciezka());
  EXPECT_EQ(w.kod, 3) << w.wyjscie;
  EXPECT_NE(w.wyjscie.find("Nie osiagnieto adresu --until-pc 0100, przebieg skonczyl sie w cyklu 1001"),
            std::string::npos)
      << w.wyjscie;
}

TEST(KelbraBatch, BledyAsemblacjiDajaKod1) {
  PlikTymczasowy p("blad.asm", "mov a,#5\r\nfoo bar\r\n");
  const Wynik w = Uruchom(p.Sciezka());
  EXPECT_EQ(w.kod, 1) << w.wyjscie;
  EXPECT_NE(w.wyjscie.find("ERROR...1 linia. "), std::string::npos) << w.wyjscie;
}

TEST(KelbraBatch, ZleWywolanieDajeKod2) {
  for (const char* argumenty : {"", "--cycles", "--cycles x " KELBRA_PRZYKLADY "/hello.asm",
                                "--until-pc 1FFFF " KELBRA_PRZYKLADY "/hello.asm", "--nieznana plik.asm",
                                "brak-takiego-pliku.asm", "a.asm b.asm", KELBRA_PRZYKLADY}) {
    const Wynik w = Uruchom(argumenty);
    EXPECT_EQ(w.kod, 2) << argumenty << "\n" << w.wyjscie;
    EXPECT_NE(w.wyjscie.find("kelbra-batch: "), std::string::npos) << argumenty;
  }
}

// The assembly side: the window-layout line, encodings of the file, the
// listing and the HEX records.
TEST(KelbraBatch, WydrukIRekordyHex) {
  PlikTymczasowy p("prn.asm", "nop\r\nsjmp $\r\n;pozycja okien:\xC8\xC9\r\n");
  const Wynik w = Uruchom("--prn --hex " + p.Sciezka());
  EXPECT_EQ(w.kod, 0);
  EXPECT_EQ(w.wyjscie,
            "     1   0000   00          nop\n"
            "     2   0001   80FE        sjmp $\n"
            ":0300000000" "80FE" "7F\n"
            ":00000001FF\n");
}

TEST(KelbraBatch, BledyPotemOstrzezeniaWUtf8) {
  // Windows-1250 bytes: the label "żółw" and a refused line.
  PlikTymczasowy p("cp1250.asm", "\xBF\xF3\xB3w: inc #5\nmov a, #300\n");
  const Wynik w = Uruchom(p.Sciezka());
  EXPECT_EQ(w.kod, 1);
  EXPECT_EQ(w.wyjscie,
            "ERROR...0 linia. Liczby, nie można incrementowac\n"
            "Warning...1 linia. Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)\n");
}

// A list cut short by a blank prints its warning and still assembles the
// bytes it read.
TEST(KelbraBatch, PominietyTekstJakoOstrzezenie) {
  PlikTymczasowy p("lista.asm", "db 1, 2, 3\r\ndb 'Hello', 0\r\n");
  const Wynik w = Uruchom("--hex " + p.Sciezka());
  EXPECT_EQ(w.kod, 0) << w.wyjscie;
  EXPECT_EQ(w.wyjscie,
            "Warning...0 linia. Pominieto tekst po odstepie (w liscie db nie moze byc odstepow, takze po "
            "przecinkach): 2, 3\n"
            "Warning...1 linia. Pominieto tekst po odstepie (w liscie db nie moze byc odstepow, takze po "
            "przecinkach): 0\n"
            ":0600000001" "48656C6C6F" "05\n"
            ":00000001FF\n");
}

TEST(KelbraBatch, PlikUtf8PiszeBajtyStronyKodowej) {
  PlikTymczasowy p("utf8.asm", "db 'ż€'\n");
  const Wynik w = Uruchom("--hex " + p.Sciezka());
  EXPECT_EQ(w.kod, 0) << w.wyjscie;
  EXPECT_EQ(w.wyjscie, ":02000000BF80BF\n:00000001FF\n");
}

TEST(KelbraBatch, PlikUtf8ZLiniaPozycjiOkienOWysokichBajtach) {
  // The layout line's payload is not text: its bytes must not decide the
  // encoding of the program above it.
  PlikTymczasowy p("utf8_pozycje.asm", "db '\xC4\x85'\r\n;pozycja okien:\xC8\xFF\x64\x64t\r\n");
  const Wynik w = Uruchom("--hex " + p.Sciezka());
  EXPECT_EQ(w.kod, 0) << w.wyjscie;
  EXPECT_EQ(w.wyjscie, ":01000000B946\n:00000001FF\n");
}

TEST(KelbraBatch, LiniaPozycjiOkienTylkoNaKoncu) {
  PlikTymczasowy p("pozycje.asm", ";pozycja okien:x\nnop\n");
  const Wynik w = Uruchom("--prn " + p.Sciezka());
  EXPECT_EQ(w.kod, 0);
  EXPECT_EQ(w.wyjscie, "     1   0000               ;pozycja okien:x\n     2   0000   00          nop\n");
}

TEST(KelbraBatch, ProgramZSamychA5NieZawiesza) {
  // A5h takes no cycles; CODE full of it must still end the run.
  PlikTymczasowy p("a5.bin", std::string(65536, '\xA5'));
  const Wynik w = Uruchom("--cycles 10 --dump " + p.Sciezka());
  EXPECT_EQ(w.kod, 0) << w.wyjscie;
  EXPECT_NE(w.wyjscie.find("CYCLES=0"), std::string::npos);
}

// A folder of its own, so that a test can name its files briefly.
class KatalogTymczasowy {
 public:
  explicit KatalogTymczasowy(const std::string& nazwa) : sciezka_(test::SciezkaTymczasowa(nazwa)) {
    fs::create_directories(sciezka_);
  }
  ~KatalogTymczasowy() { fs::remove_all(sciezka_); }
  void Plik(const std::string& nazwa, const std::string& tresc) const {
    std::ofstream(sciezka_ / nazwa, std::ios::binary) << tresc;
  }
  // The runner started inside the folder.
  Wynik Uruchom(const std::string& argumenty) const {
    return test::Wykonaj("cd " + test::WCudzyslowie(sciezka_.string()) + " && " KELBRA_BATCH " " + argumenty);
  }

 private:
  fs::path sciezka_;
};

// Sets P1, DATA 30h, XDATA 0100h and the LCD's first line, then waits at 0040h.
constexpr const char* ProgramOczekiwan =
    "mov p1,#3Ch\n"
    "mov 30h,#12h\n"
    "mov dptr,#0100h\n"
    "mov a,#0FFh\n"
    "movx @dptr,a\n"
    "mov dptr,#0FFF0h\n"
    "mov a,#38h\nmovx @dptr,a\nmov a,#0Ch\nmovx @dptr,a\nmov a,#01h\nmovx @dptr,a\n"
    "mov dptr,#0FFF2h\n"
    "mov a,#4Fh\nmovx @dptr,a\nmov a,#4Bh\nmovx @dptr,a\n"  // "OK"
    "ljmp koniec\n"
    "org 40h\n"
    "koniec: sjmp koniec\n";

TEST(KelbraBatch, KazdeNiespelnioneOczekiwanieToJednaLiniaIKod3) {
  PlikTymczasowy p("oczekiwania.asm", ProgramOczekiwan);
  const Wynik w = Uruchom("--cycles 1000 --expect 'LCD1=O K' --expect LCD2=x --expect P1=3D --expect DATA:30=13 "
                          "--expect XDATA:0100=FE --expect PC=0041 --expect A=00 " + p.Sciezka());
  EXPECT_EQ(w.kod, 3);
  EXPECT_EQ(w.wyjscie,
            "Oczekiwano LCD1=\"O K\", jest \"OK\"\n"
            "Oczekiwano LCD2=\"x\", jest \"\"\n"
            "Oczekiwano P1=3D, jest 3C\n"
            "Oczekiwano DATA:30=13, jest 12\n"
            "Oczekiwano XDATA:0100=FE, jest FF\n"
            "Oczekiwano PC=0041, jest 0040\n"
            "Oczekiwano A=00, jest 4B\n"
            "Koniec przebiegu w PC=0040: program krąży w wierszu 19: koniec: sjmp koniec\n");
}

TEST(KelbraBatch, WielePlikowTabelaIKodNajgorszy) {
  KatalogTymczasowy k("tabela");
  k.Plik("dobry.asm", "mov p1,#3Ch\nsjmp $\n");
  k.Plik("zly.asm", "mov p1,#0\nsjmp $\n");
  k.Plik("bledny.asm", "mov p1,#3Ch\nfoo bar\nbaz\n");
  const Wynik w = k.Uruchom("--cycles 1000 --expect P1=3C dobry.asm zly.asm bledny.asm");
  EXPECT_EQ(w.kod, 1) << w.wyjscie;
  EXPECT_EQ(w.wyjscie,
            "==> dobry.asm <==\n"
            "==> zly.asm <==\n"
            "Oczekiwano P1=3C, jest 00\n"
            "Koniec przebiegu w PC=0003: program krąży w wierszu 1: sjmp $\n"
            "==> bledny.asm <==\n"
            "ERROR...1 linia. Nie ma takiego rozkazu\n"
            "ERROR...2 linia. Nie ma takiego rozkazu\n"
            "\n"
            "plik        bledy  spelnione  niespelnione   punkty         cykle  kod\n"
            "dobry.asm       0          1             0      1/1          1000    0\n"
            "zly.asm         0          0             1      0/1          1000    3\n"
            "bledny.asm      2          -             -        -             -    1\n");
  // Files run independently: a key clicked in one run is not on in the next.
  EXPECT_EQ(k.Uruchom("--cycles 1000 --expect P1=3C dobry.asm zly.asm").kod, 3);
  EXPECT_EQ(k.Uruchom("--cycles 1000 --expect P1=3C dobry.asm dobry.asm").kod, 0);
  const Wynik brak = k.Uruchom("--cycles 10 bledny.asm brak.asm dobry.asm");
  EXPECT_EQ(brak.kod, 2);
  EXPECT_NE(brak.wyjscie.find("kelbra-batch: nie mozna odczytac pliku: brak.asm\n"), std::string::npos);
  EXPECT_NE(brak.wyjscie.find("\nbrak.asm        -          -             -        -             -    2\n"), std::string::npos)
      << brak.wyjscie;
}

TEST(KelbraBatch, KazdyPlikOdResetuZeSwoimiKlawiszami) {
  KatalogTymczasowy k("reset");
  k.Plik("a.asm", "petla: mov dptr,#0FFB0h\nmovx a,@dptr\nmov p1,a\nsjmp petla\n");
  const Wynik w = k.Uruchom("--cycles 1000 --key S1@10 --expect P1=FE a.asm a.asm");
  EXPECT_EQ(w.kod, 0) << w.wyjscie;
}

TEST(KelbraBatch, SladKrotkiejPetli) {
  // UTF-8 source: the comment keeps its letters in the trace.
  PlikTymczasowy p("slad.asm", "\tmov r7,#2\r\npetla:\tdjnz r7,petla ; p\xC4\x99tla\r\n\tsjmp $\r\n");
  const Wynik w = Uruchom("--cycles 100 --trace 5 " + p.Sciezka());
  EXPECT_EQ(w.kod, 0);
  EXPECT_EQ(w.wyjscie,
            "CYCLES=0 PC=0000 LINE=0 \"mov r7,#2\" A=00 PSW=00 SP=07 DPTR=0000\n"
            "CYCLES=2 PC=0002 LINE=1 \"petla: djnz r7,petla ; p\xC4\x99tla\" A=00 PSW=00 SP=07 DPTR=0000\n"
            "CYCLES=4 PC=0002 LINE=1 \"petla: djnz r7,petla ; p\xC4\x99tla\" A=00 PSW=00 SP=07 DPTR=0000\n"
            "CYCLES=6 PC=0004 LINE=2 \"sjmp $\" A=00 PSW=00 SP=07 DPTR=0000\n"
            "CYCLES=8 PC=0004 LINE=2 \"sjmp $\" A=00 PSW=00 SP=07 DPTR=0000\n");

  const Wynik od = Uruchom("--cycles 100 --trace 2 --trace-from 4 " + p.Sciezka());
  EXPECT_EQ(od.wyjscie,
            "CYCLES=6 PC=0004 LINE=2 \"sjmp $\" A=00 PSW=00 SP=07 DPTR=0000\n"
            "CYCLES=8 PC=0004 LINE=2 \"sjmp $\" A=00 PSW=00 SP=07 DPTR=0000\n");
  // A CODE image has no source lines.
  PlikTymczasowy bin("slad.bin", "\x80\xFE");
  EXPECT_EQ(Uruchom("--cycles 4 --trace 1 " + bin.Sciezka()).wyjscie,
            "CYCLES=0 PC=0000 LINE=- \"\" A=00 PSW=00 SP=07 DPTR=0000\n");
}

TEST(KelbraBatch, ZdarzeniePoKoncuPrzebieguZgloszone) {
  const Wynik w = Uruchom("--cycles 100 --key S1@50 --pc-key ab@0 " KELBRA_PRZYKLADY "/hello.asm");
  EXPECT_EQ(w.kod, 0);
  EXPECT_EQ(w.wyjscie,
            "kelbra-batch: nie zastosowano zdarzen po koncu przebiegu (100 cykli): 1, "
            "pierwsze: --pc-key ab@0 w cyklu 1000\n");
}

TEST(KelbraBatch, ZleWejscieKod2ZanimCokolwiekRuszy) {
  // The file would print error lines if it were assembled.
  PlikTymczasowy p("nie_ruszany.asm", "foo bar\n");
  PlikTymczasowy skrypt("zly.skrypt", "10 key S1\n20 key S10\n");
  const std::string plik = " " + p.Sciezka();
  const struct {
    std::string argumenty;
    std::string komunikat;
  } przypadki[] = {
      {"--key S9@100", "--key S9@100: nieznany klawisz \"S9\""},
      {"--key S1", "--key S1: brak @CYKL"},
      {"--release S1@5", "--release S1@5: klawisz S1 jest zatrzaskowy"},
      {"--pc-key {Foo}@1", "--pc-key {Foo}@1: nieznany klawisz {Foo}"},
      {"--pc-key-gap 1k --pc-key a@1", "niepoprawna liczba w --pc-key-gap: 1k"},
      {"--script brak.skrypt", "nie mozna odczytac skryptu: brak.skrypt"},
      {"--script " KELBRA_PRZYKLADY, "nie mozna odczytac skryptu: " KELBRA_PRZYKLADY},
      {"--script " + skrypt.Sciezka(), "zly.skrypt:2: nieznany klawisz \"S10\""},
      {"--expect P1=100", "--expect P1=100: niepoprawna wartosc 100"},
      {"--expect FOO=1", "--expect FOO=1: nieznana nazwa FOO"},
      {"--trace x", "niepoprawna liczba w --trace: x"},
      {"--trace-from 1FFFF --trace 1", "niepoprawny adres: 1FFFF"},
      {"--trace-from 10", "--trace-from wymaga --trace N"},
      {"--cycles -1", "niepoprawna liczba w --cycles: -1"},
      {"--lcd-png brak-katalogu/ " + p.Sciezka(), "przy wielu plikach --lcd-png podaje istniejacy katalog"},
      {"--lcd-png ''", "pusta nazwa po --lcd-png"},
  };
  for (const auto& c : przypadki) {
    const Wynik w = Uruchom(c.argumenty + plik);
    EXPECT_EQ(w.kod, 2) << c.argumenty << "\n" << w.wyjscie;
    EXPECT_NE(w.wyjscie.find("kelbra-batch: "), std::string::npos) << c.argumenty;
    EXPECT_NE(w.wyjscie.find(c.komunikat), std::string::npos) << c.argumenty << "\n" << w.wyjscie;
    EXPECT_EQ(w.wyjscie.find("ERROR"), std::string::npos) << c.argumenty;
  }
}

TEST(KelbraBatch, SkryptStuTysiecyZdarzen) {
  // S1 clicked 100,000 times, 20 cycles apart: an even count leaves it off.
  std::string tresc = "# S1 100000 razy\n";
  for (int k = 1; k <= 100000; ++k) tresc += std::to_string(20 * k) + " key S1\n";
  PlikTymczasowy skrypt("duzy.skrypt", tresc);
  PlikTymczasowy p("klawisze.asm", "petla: mov dptr,#0FFB0h\nmovx a,@dptr\nmov p1,a\nsjmp petla\n");
  const Wynik w = Uruchom("--cycles 2000010 --script " + skrypt.Sciezka() + " --expect P1=FF " + p.Sciezka());
  EXPECT_EQ(w.kod, 0) << w.wyjscie;
  EXPECT_EQ(w.wyjscie, "");
  const Wynik nieparzyste = Uruchom("--cycles 1999990 --script " + skrypt.Sciezka() + " --expect P1=FE " + p.Sciezka());
  EXPECT_EQ(nieparzyste.kod, 0) << nieparzyste.wyjscie;
  // The last click, at 2,000,000, comes after the run.
  EXPECT_NE(nieparzyste.wyjscie.find("cykli): 1, pierwsze: "), std::string::npos) << nieparzyste.wyjscie;
  EXPECT_NE(nieparzyste.wyjscie.find("duzy.skrypt:100001 w cyklu 2000000\n"), std::string::npos);
}

TEST(KelbraBatch, PrzykladKlawiaturyPcZeSkryptem) {
  const std::string przyklad = " --script " KELBRA_PRZYKLADY "/klawiatura_pc.skrypt " KELBRA_PRZYKLADY "/klawiatura_pc.asm";
  const Wynik w = Uruchom("--cycles 60000 --expect LCD1=Kelbra --expect LCD2=8051" + przyklad);
  EXPECT_EQ(w.kod, 0) << w.wyjscie;
  EXPECT_EQ(w.wyjscie, "");
  const Wynik zle = Uruchom("--cycles 60000 --expect LCD2=8051!" + przyklad);
  EXPECT_EQ(zle.kod, 3);
  EXPECT_EQ(zle.wyjscie,
            "Oczekiwano LCD2=\"8051!\", jest \"8051\"\n"
            "Koniec przebiegu w PC=0014: program krąży w wierszu 37: czekaj: jnb ri,czekaj\n");
}

// Task lines: the file's own, another file's with --task, none with
// --no-task; the command line's options after the task's.
TEST(KelbraBatch, ZadanieWPlikuZTaskINoTask) {
  KatalogTymczasowy k("zadania");
  const std::string program = "mov p1,#3Ch\r\nmov p1,#3Dh\r\nsjmp $\r\n";
  k.Plik("zadanie.asm", "; Ustaw P1.\r\n;#kelbra --cycles 100 --expect P1=3C@2\r\n"
                        ";#kelbra --expect 'P1=3D' # na koncu\r\n");
  k.Plik("dobre.asm", program);
  k.Plik("wlasne.asm", ";#kelbra --cycles 100 --expect P1=00\r\n" + program);
  k.Plik("zle_wlasne.asm", program + ";#kelbra --cycles 1k\r\n");
  k.Plik("bez.asm", "nop\r\n");

  // The file's own lines, the command line after them.
  const Wynik wlasne = k.Uruchom("wlasne.asm");
  EXPECT_EQ(wlasne.kod, 3);
  const std::string krazy = "Koniec przebiegu w PC=0006: program krąży w wierszu 3: sjmp $\n";
  EXPECT_EQ(wlasne.wyjscie, "Oczekiwano P1=00, jest 3D\n" + krazy);
  // The run ends at cycle 100 exactly: a check there sees the final state.
  EXPECT_EQ(k.Uruchom("--expect P1=3D@100 --expect P1=3D@101 wlasne.asm").wyjscie,
            "Oczekiwano P1=00, jest 3D\nOczekiwano P1=3D w cyklu 101, przebieg skonczyl sie w cyklu 100\n" + krazy);
  EXPECT_EQ(k.Uruchom("--cycles 1 wlasne.asm").wyjscie,
            "Oczekiwano P1=00, jest 3C\nKoniec przebiegu w PC=0003, wiersz 2: mov p1,#3Dh\n");
  // --no-task: neither a run nor a check.
  const Wynik bez = k.Uruchom("--no-task wlasne.asm zle_wlasne.asm");
  EXPECT_EQ(bez.kod, 0) << bez.wyjscie;

  // A teacher grades with the task's checks, whatever the files hold.
  const Wynik ocena = k.Uruchom("--task zadanie.asm dobre.asm wlasne.asm zle_wlasne.asm bez.asm");
  EXPECT_EQ(ocena.kod, 3) << ocena.wyjscie;
  EXPECT_EQ(ocena.wyjscie,
            "==> dobre.asm <==\n"
            "==> wlasne.asm <==\n"
            "==> zle_wlasne.asm <==\n"
            "==> bez.asm <==\n"
            "Oczekiwano P1=3C w cyklu 2, jest FF\n"
            "Oczekiwano P1=3D, jest FF\n"
            "Koniec przebiegu w PC=0064\n"
            "\n"
            "plik            bledy  spelnione  niespelnione   punkty         cykle  kod\n"
            "dobre.asm           0          2             0      2/2           100    0\n"
            "wlasne.asm          0          2             0      2/2           100    0\n"
            "zle_wlasne.asm      0          2             0      2/2           100    0\n"
            "bez.asm             0          0             2      0/2           100    3\n");

  // A task line at fault is the file's error, named by its line from 0.
  const Wynik zle = k.Uruchom("zle_wlasne.asm dobre.asm");
  EXPECT_EQ(zle.kod, 1);
  EXPECT_NE(zle.wyjscie.find("==> zle_wlasne.asm <==\nERROR...3 linia. niepoprawna liczba w --cycles: 1k\n"),
            std::string::npos)
      << zle.wyjscie;
  EXPECT_NE(zle.wyjscie.find("\nzle_wlasne.asm      1          -             -        -             -    1\n"), std::string::npos);

  // A task file that cannot serve stops everything, before any file runs.
  const struct {
    std::string argumenty;
    std::string komunikat;
  } przypadki[] = {
      {"--task zle_wlasne.asm dobre.asm", "kelbra-batch: zle_wlasne.asm: ERROR...3 linia. niepoprawna liczba w --cycles: 1k\n"},
      {"--task bez.asm dobre.asm", "kelbra-batch: brak linii ;#kelbra w zadaniu: bez.asm\n"},
      {"--task brak.asm dobre.asm", "kelbra-batch: nie mozna odczytac zadania: brak.asm\n"},
      {"--task zadanie.asm --no-task dobre.asm", "kelbra-batch: --task i --no-task wykluczaja sie\n"},
      {"--task '' dobre.asm", "kelbra-batch: pusta nazwa po --task\n"},
      {"dobre.asm --task", "kelbra-batch: brak wartosci po --task\n"},
  };
  for (const auto& c : przypadki) {
    const Wynik w = k.Uruchom(c.argumenty);
    EXPECT_EQ(w.kod, 2) << c.argumenty;
    EXPECT_EQ(w.wyjscie.substr(0, c.komunikat.size()), c.komunikat) << c.argumenty << "\n" << w.wyjscie;
  }
}

// Internal RAM and the SFR area from the DATA lines of a --dump.
std::array<uint8_t, 256> DataZrzutu(const std::string& zrzut) {
  std::array<uint8_t, 256> d{};
  std::istringstream in(zrzut);
  for (std::string slowo; in >> slowo;) {
    if (slowo != "DATA" || !(in >> slowo)) continue;
    const unsigned long adres = std::stoul(slowo, nullptr, 16);
    for (unsigned long k = 0; k < 16 && in >> slowo; ++k)
      d[(adres + k) & 0xFF] = static_cast<uint8_t>(std::stoul(slowo, nullptr, 16));
  }
  return d;
}

// MOV direct,direct between registers, SFRs and RAM: the program assembled
// and run, its --hex image loaded back as HEX and as BIN, and the image run by
// s51 all end alike, so the image holds the data sheet's order, and a db list
// holding 85h stays data.
TEST(KelbraBatch, ObrazHexDzialaJakZrodloIJakNaS51) {
  const char* const programy[] = {
      "mov 30h,#5Ah\nmov 31h,30h\nmov 7Fh,31h\nmov 30h,#1\nsjmp $\n",
      "mov r0,#11h\nmov r7,#22h\nmov 05h,00h\nmov 00h,07h\nmov psw,#08h\nmov r2,#33h\nmov 09h,0Ah\n"
      "mov 40h,09h\nsjmp $\n",
      "mov b,#3Ch\nmov p1,b\nmov dpl,p1\nmov acc,dpl\nmov 41h,acc\nmov dph,41h\nmov sp,dph\nsjmp $\n",
      "mov dptr,#tab\nmov r0,#50h\npetla: clr a\nmovc a,@a+dptr\nmov @r0,a\ninc dptr\ninc r0\n"
      "cjne r0,#53h,petla\nmov 60h,52h\nsjmp $\ntab: db 85h,30h,31h\n",
  };
  constexpr uint8_t Sfr[] = {0x81, 0x82, 0x83, 0x90, 0xD0, 0xE0, 0xF0};
  const bool s51 = test::S51Dostepny();
  for (const char* program : programy) {
    PlikTymczasowy zrodlo("85.asm", program);
    const Wynik hex = Uruchom("--hex " + zrodlo.Sciezka());
    ASSERT_EQ(hex.kod, 0) << program << hex.wyjscie;
    auto code = std::make_unique<std::array<uint8_t, 65536>>();
    ASSERT_TRUE(WczytajIntelHex(hex.wyjscie, *code));
    PlikTymczasowy obraz("85.hex", hex.wyjscie), bin("85.bin", std::string(code->begin(), code->begin() + 64));
    const Wynik nasz = Uruchom("--cycles 300 --dump " + zrodlo.Sciezka());
    EXPECT_EQ(Uruchom("--cycles 300 --dump " + obraz.Sciezka()).wyjscie, nasz.wyjscie) << program;
    EXPECT_EQ(Uruchom("--cycles 300 --dump " + bin.Sciezka()).wyjscie, nasz.wyjscie) << program;
    if (!s51) continue;
    const fs::path stan = test::SciezkaTymczasowa("85.s51");
    PlikTymczasowy polecenia("85.cmd", "fill iram_chip 0 0xff 0\nset opt selfjump_stop 1\nrun\n"
                                       "dump /h iram_chip 0 0x7f 16 >" + stan.string() + "\n"
                                       "dump /h sfr 0x80 0xff 16 >>" + stan.string() + "\nquit\n");
    ASSERT_EQ(test::Wykonaj("timeout 60 s51 -b -t C52 " + obraz.Sciezka() + " < " + polecenia.Sciezka()).kod, 0);
    std::array<uint8_t, 256> zS51{};
    std::ifstream in(stan);
    ASSERT_TRUE(test::CzytajZrzutS51(in, zS51.data(), 16)) << program;
    fs::remove(stan);
    const std::array<uint8_t, 256> d = DataZrzutu(nasz.wyjscie);
    for (unsigned a = 0; a < 0x80; ++a) EXPECT_EQ(d[a], zS51[a]) << program << "DATA " << std::hex << a;
    for (uint8_t a : Sfr) EXPECT_EQ(d[a], zS51[a]) << program << "SFR " << std::hex << int(a);
  }
}

// A MOV direct,direct that a later row partly wrote over is no longer one:
// its bytes go out as they are, and only whole ones are swapped.
TEST(KelbraBatch, HexZamieniaTylkoCaleMovDirectDirect) {
  PlikTymczasowy p("nadpisany.asm", "mov 30h,31h\norg 1\ndb 85h,7\nmov 40h,41h\n");
  EXPECT_EQ(Uruchom("--hex " + p.Sciezka()).wyjscie, ":06000000858507854140E3\n:00000001FF\n");
}

TEST(KelbraBatch, PomocNaStandardoweWyjscie) {
  for (const char* argumenty : {"--help", "-h", "--cycles 5 --help plik.asm"}) {
    const Wynik w = test::Wykonaj(std::string(KELBRA_BATCH) + " " + argumenty + " 2>/dev/null");
    EXPECT_EQ(w.kod, 0) << argumenty;
    EXPECT_EQ(w.wyjscie.rfind("uzycie: kelbra-batch ", 0), 0u) << argumenty;
    EXPECT_NE(w.wyjscie.find("--task"), std::string::npos);
  }
}

TEST(KelbraBatch, PolaArkuszaWCudzyslowachJakRfc4180) {
  const struct {
    std::string pole;
    char separator;
    std::string zapis;
  } przypadki[] = {
      {"kowalski", ',', "kowalski"},
      {"", ',', ""},
      {"Oczekiwano P1=3C, jest FF", ',', "\"Oczekiwano P1=3C, jest FF\""},
      {"Oczekiwano P1=3C, jest FF", ';', "Oczekiwano P1=3C, jest FF"},
      {"a;b", ';', "\"a;b\""},
      {"LCD1=\"Ala\"", ';', "\"LCD1=\"\"Ala\"\"\""},
      {"Łukasz Żółć", ',', "Łukasz Żółć"},
      {"dwa\nwiersze", ',', "\"dwa\nwiersze\""},
      {"a\tb", '\t', "\"a\tb\""},
  };
  for (const auto& p : przypadki) EXPECT_EQ(wsad::PoleCsv(p.pole, p.separator), p.zapis) << p.pole;
  EXPECT_EQ(wsad::WierszCsv({"grupa/Śliwa, \"Ś\".asm", "", "3"}, ','), "\"grupa/Śliwa, \"\"Ś\"\".asm\",,3\r\n");
  // A name a spreadsheet would run as a formula stays text.
  EXPECT_EQ(wsad::TekstCsv("=HYPERLINK(\"x\").asm"), "'=HYPERLINK(\"x\").asm");
  EXPECT_EQ(wsad::TekstCsv("grupa/=a.asm"), "grupa/=a.asm");
}

// Where a program that failed its check was when the run ended.
TEST(KelbraBatch, GdzieProgramUtknal) {
  const struct {
    std::string program;
    std::string koniec;
  } przypadki[] = {
      {"mov p1,#0\r\nsjmp $ ; stoj\r\n", "Koniec przebiegu w PC=0003: program krąży w wierszu 1: sjmp $"},
      {"start:\r\n\tjb p3.2,start\r\n\tmov p1,#3Ch\r\n", "Koniec przebiegu w PC=0000: program krąży w wierszu 1: jb p3.2,start"},
      {"czekaj: mov dptr,#0FFB0h\r\nmovx a,@dptr\r\njb acc.0,czekaj\r\nmov p1,#3Ch\r\n",
       "Koniec przebiegu w PC=0003, wiersz 1: movx a,@dptr; program krąży w wierszach 0..2"},
  };
  for (const auto& p : przypadki) {
    PlikTymczasowy plik("utknal.asm", p.program);
    // P3.2 stays high and S1 off: neither wait ends. A window open to the
    // end watches every boundary as the last stretch does.
    for (const char* oczekiwanie : {"P1=3C", "P1=3C@10..5000"}) {
      const Wynik w = Uruchom("--cycles 5000 --expect " + std::string(oczekiwanie) + " " + plik.Sciezka());
      EXPECT_EQ(w.kod, 3) << p.program;
      EXPECT_EQ(w.wyjscie.substr(w.wyjscie.find('\n') + 1), p.koniec + "\n") << p.program << oczekiwanie;
    }
  }
}

// Files checked side by side print, and fill the sheet, in the order given;
// the first file runs longest.
TEST(KelbraBatch, RownolegleWKolejnosciArgumentow) {
  KatalogTymczasowy k("rownolegle");
  std::string pliki;
  for (int n = 0; n < 8; ++n) {
    const std::string nazwa = "s" + std::to_string(n) + ".asm";
    k.Plik(nazwa, ";#kelbra --cycles " + std::string(n == 0 ? "3000000" : "1000") + " --expect P1=0" +
                      std::to_string(n % 3) + "\r\nmov p1,#" + std::to_string(n % 2) + "\r\nsjmp $\r\n");
    pliki += " " + nazwa;
  }
  const Wynik jeden = k.Uruchom("-j 1 --csv jeden.csv" + pliki);
  const Wynik dwa = k.Uruchom("-j 2 --csv dwa.csv" + pliki);
  EXPECT_EQ(dwa.kod, 3);
  EXPECT_EQ(dwa.wyjscie, jeden.wyjscie);
  const std::string arkusz = test::TrescPliku(test::SciezkaTymczasowa("rownolegle") / "dwa.csv");
  EXPECT_EQ(arkusz, test::TrescPliku(test::SciezkaTymczasowa("rownolegle") / "jeden.csv"));
  size_t poprzedni = 0;
  for (int n = 0; n < 8; ++n) {
    const size_t tu = arkusz.find("\r\ns" + std::to_string(n) + ".asm,");
    ASSERT_NE(tu, std::string::npos) << arkusz;
    EXPECT_GT(tu, poprzedni);
    poprzedni = tu;
  }
  EXPECT_NE(arkusz.find("\r\ns0.asm,s0,tak,0,1,1,1,1,3000000,0,\r\n"), std::string::npos) << arkusz;
  EXPECT_NE(arkusz.find("\r\ns2.asm,s2,tak,0,0,1,0,1,1000,3,\"Oczekiwano P1=02, jest 00\"\r\n"), std::string::npos);
}

}  // namespace
}  // namespace kelbra
