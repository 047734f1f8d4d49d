// The batch runner as a user calls it: exit status, messages and the dump.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Wynik {
  int kod = -1;
  std::string wyjscie;  // standard output and standard error together
};

Wynik Uruchom(const std::string& argumenty) {
  const std::string polecenie = std::string(KELBRA_BATCH) + " " + argumenty + " 2>&1";
  Wynik w;
  FILE* p = popen(polecenie.c_str(), "r");
  if (!p) return w;
  std::array<char, 4096> bufor;
  size_t n;
  while ((n = fread(bufor.data(), 1, bufor.size(), p)) > 0) w.wyjscie.append(bufor.data(), n);
  const int status = pclose(p);
  w.kod = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return w;
}

class PlikTymczasowy {
 public:
  PlikTymczasowy(const std::string& nazwa, const std::string& tresc)
      : sciezka_(fs::temp_directory_path() / (std::to_string(::getpid()) + "-" + nazwa)) {
    std::ofstream(sciezka_, std::ios::binary) << tresc;
  }
  ~PlikTymczasowy() { fs::remove(sciezka_); }
  std::string Sciezka() const { return "'" + sciezka_.string() + "'"; }

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

TEST(KelbraBatch, BledyAsemblacjiDajaKod1) {
  PlikTymczasowy p("blad.asm", "mov a,#5\r\nfoo bar\r\n");
  const Wynik w = Uruchom(p.Sciezka());
  EXPECT_EQ(w.kod, 1) << w.wyjscie;
  EXPECT_NE(w.wyjscie.find("ERROR...1 linia. "), std::string::npos) << w.wyjscie;
}

TEST(KelbraBatch, ZleWywolanieDajeKod2) {
  for (const char* argumenty : {"", "--cycles", "--cycles x " KELBRA_PRZYKLADY "/hello.asm",
                                "--until-pc 1FFFF " KELBRA_PRZYKLADY "/hello.asm", "--nieznana plik.asm",
                                "brak-takiego-pliku.asm", "a.asm b.asm"}) {
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

}  // namespace
