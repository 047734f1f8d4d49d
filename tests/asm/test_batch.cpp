// The batch runner's assembly side: the window-layout line, encodings of
// the file, the listing and the HEX records.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

struct Wynik {
  int kod = -1;
  std::string wyjscie;
};

Wynik Asembluj(const std::string& tresc, const std::string& opcje) {
  const fs::path plik = fs::temp_directory_path() / (std::to_string(::getpid()) + "-batch.asm");
  std::ofstream(plik, std::ios::binary) << tresc;
  Wynik w;
  FILE* p = popen((std::string(KELBRA_BATCH) + " " + opcje + " '" + plik.string() + "' 2>&1").c_str(), "r");
  std::array<char, 4096> b;
  size_t n;
  while ((n = fread(b.data(), 1, b.size(), p)) > 0) w.wyjscie.append(b.data(), n);
  const int status = pclose(p);
  w.kod = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  fs::remove(plik);
  return w;
}

TEST(BatchAsm, WydrukIRekordyHex) {
  const Wynik w = Asembluj("nop\r\nsjmp $\r\n;pozycja okien:\xC8\xC9\r\n", "--prn --hex");
  EXPECT_EQ(w.kod, 0);
  EXPECT_EQ(w.wyjscie,
            "     1   0000   00          nop\n"
            "     2   0001   80FE        sjmp $\n"
            ":0300000000" "80FE" "7F\n"
            ":00000001FF\n");
}

TEST(BatchAsm, BledyPotemOstrzezeniaWUtf8) {
  // Windows-1250 bytes: the label "żółw" and a refused line.
  const Wynik w = Asembluj("\xBF\xF3\xB3w: inc #5\nmov a, #300\n", "");
  EXPECT_EQ(w.kod, 1);
  EXPECT_EQ(w.wyjscie,
            "ERROR...0 linia. Liczby, nie można incrementowac\n"
            "Warning...1 linia. Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)\n");
}

TEST(BatchAsm, PlikUtf8PiszeBajtyStronyKodowej) {
  const Wynik w = Asembluj("db 'ż€'\n", "--hex");
  EXPECT_EQ(w.kod, 0) << w.wyjscie;
  EXPECT_EQ(w.wyjscie, ":02000000BF80BF\n:00000001FF\n");
}

TEST(BatchAsm, LiniaPozycjiOkienTylkoNaKoncu) {
  const Wynik w = Asembluj(";pozycja okien:x\nnop\n", "--prn");
  EXPECT_EQ(w.kod, 0);
  EXPECT_EQ(w.wyjscie, "     1   0000               ;pozycja okien:x\n     2   0000   00          nop\n");
}

}  // namespace
