// The Debian package: what it installs, that its menu entry is valid and
// points at files it carries, and what it depends on.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "Polecenie.h"

namespace {

namespace fs = std::filesystem;
using kelbra::test::TrescPliku;
using kelbra::test::WCudzyslowie;
using kelbra::test::Wykonaj;

constexpr int RozmiaryIkon[] = {16, 22, 24, 32, 48, 64, 128, 256};

// One package for the whole suite: building it takes seconds.
class Pakiet : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    katalog_ = new fs::path(kelbra::test::SciezkaTymczasowa("pakiet"));
    fs::remove_all(*katalog_);
    fs::create_directories(*katalog_ / "drzewo");
    const auto budowa = Wykonaj("cd " + WCudzyslowie(KELBRA_BUDOWA) + " && " + WCudzyslowie(KELBRA_CPACK) +
                                " -G DEB --config " + WCudzyslowie(KELBRA_CPACK_CONFIG) + " -B " +
                                WCudzyslowie(katalog_->string()));
    komunikat_ = new std::string(budowa.wyjscie);
    deb_ = new fs::path;
    for (const auto& e : fs::directory_iterator(*katalog_))
      if (e.path().extension() == ".deb") *deb_ = e.path();
    if (deb_->empty()) return;
    Wykonaj("dpkg-deb -x " + WCudzyslowie(deb_->string()) + " " + WCudzyslowie((*katalog_ / "drzewo").string()));
  }
  static void TearDownTestSuite() {
    fs::remove_all(*katalog_);
    delete katalog_;
    delete deb_;
    delete komunikat_;
  }
  void SetUp() override { ASSERT_FALSE(deb_->empty()) << "cpack nie zbudowal pakietu:\n" << *komunikat_; }

  static fs::path Drzewo() { return *katalog_ / "drzewo"; }
  static std::string Pole(const std::string& nazwa) {
    return Wykonaj("dpkg-deb -f " + WCudzyslowie(deb_->string()) + " " + nazwa).wyjscie;
  }

  static inline fs::path* katalog_ = nullptr;
  static inline fs::path* deb_ = nullptr;
  static inline std::string* komunikat_ = nullptr;
};

TEST_F(Pakiet, ZawieraProgramyPrzykladyIOpis) {
  for (const char* program : {"usr/bin/kelbra", "usr/bin/kelbra-batch"}) {
    const fs::path p = Drzewo() / program;
    ASSERT_TRUE(fs::is_regular_file(p)) << program;
    EXPECT_NE(fs::status(p).permissions() & fs::perms::others_exec, fs::perms::none) << program;
    EXPECT_EQ(TrescPliku(p).substr(0, 4), "\x7f" "ELF") << program;
  }
  // Every example of the source tree, tasks in their folder too, byte for byte.
  int przyklady = 0;
  for (const auto& e : fs::recursive_directory_iterator(KELBRA_PRZYKLADY)) {
    if (e.is_directory()) continue;
    const fs::path zainstalowany =
        Drzewo() / "usr/share/doc/kelbra/examples" / fs::relative(e.path(), KELBRA_PRZYKLADY);
    EXPECT_EQ(TrescPliku(zainstalowany), TrescPliku(e.path())) << zainstalowany;
    ++przyklady;
  }
  EXPECT_GE(przyklady, 5);
  EXPECT_TRUE(fs::is_regular_file(Drzewo() / "usr/share/doc/kelbra/README.md"));
}

TEST_F(Pakiet, WpisMenuJestPoprawnyIWskazujeProgramIIkone) {
  const fs::path wpis = Drzewo() / "usr/share/applications/kelbra.desktop";
  ASSERT_TRUE(fs::is_regular_file(wpis));
  const auto walidacja = Wykonaj("desktop-file-validate " + WCudzyslowie(wpis.string()));
  EXPECT_EQ(walidacja.kod, 0) << walidacja.wyjscie;
  EXPECT_EQ(walidacja.wyjscie.find("error"), std::string::npos) << walidacja.wyjscie;

  const std::string tresc = TrescPliku(wpis);
  // A file manager hands the program one file; the .asm type is the package's own.
  EXPECT_NE(tresc.find("\nExec=kelbra %f\n"), std::string::npos);
  EXPECT_NE(tresc.find("\nMimeType=text/x-asm;\n"), std::string::npos);
  const std::string typ = TrescPliku(Drzewo() / "usr/share/mime/packages/kelbra.xml");
  EXPECT_NE(typ.find("<mime-type type=\"text/x-asm\">"), std::string::npos);
  EXPECT_NE(typ.find("<glob pattern=\"*.asm\"/>"), std::string::npos);
  EXPECT_NE(tresc.find("\nIcon=kelbra\n"), std::string::npos);
  EXPECT_NE(tresc.find("\nCategories=Development;Education;\n"), std::string::npos);
  EXPECT_NE(tresc.find("\nComment=Edytor, asembler i emulator 8051"), std::string::npos);
}

// A PNG's size from its header: the signature, then the IHDR chunk with the
// width and height as big-endian 32-bit numbers.
std::pair<uint32_t, uint32_t> RozmiarPng(const std::string& png) {
  if (png.size() < 24 || png.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 || png.compare(12, 4, "IHDR") != 0)
    return {0, 0};
  auto liczba = [&](size_t i) {
    uint32_t v = 0;
    for (size_t k = 0; k < 4; ++k) v = v << 8 | static_cast<uint8_t>(png[i + k]);
    return v;
  };
  return {liczba(16), liczba(20)};
}

TEST_F(Pakiet, IkonyMajaSwojeRozmiary) {
  const fs::path hicolor = Drzewo() / "usr/share/icons/hicolor";
  for (int rozmiar : RozmiaryIkon) {
    const std::string n = std::to_string(rozmiar);
    const fs::path ikona = hicolor / (n + "x" + n) / "apps/kelbra.png";
    const auto [szerokosc, wysokosc] = RozmiarPng(TrescPliku(ikona));
    EXPECT_EQ(szerokosc, static_cast<uint32_t>(rozmiar)) << ikona;
    EXPECT_EQ(wysokosc, static_cast<uint32_t>(rozmiar)) << ikona;
  }
  const std::string svg = TrescPliku(hicolor / "scalable/apps/kelbra.svg");
  EXPECT_NE(svg.find("<svg"), std::string::npos);
}

TEST_F(Pakiet, ZaleznosciObejmujaQtIJegoTlumaczenie) {
  const std::string zaleznosci = Pole("Depends");
  for (const char* pakiet : {"libqt6widgets6", "libqt6gui6", "libqt6core6", "qt6-translations-l10n", "libc6"})
    EXPECT_NE(zaleznosci.find(pakiet), std::string::npos) << pakiet << " w: " << zaleznosci;
  EXPECT_EQ(Pole("Package"), "kelbra\n");
  EXPECT_EQ(Pole("Architecture"), Wykonaj("dpkg --print-architecture").wyjscie);
}

// The desktop program takes one file; its usage needs no display.
TEST_F(Pakiet, ProgramPodajeUzycieIOdrzucaZleArgumenty) {
  const std::string kelbra = WCudzyslowie((Drzewo() / "usr/bin/kelbra").string());
  for (const char* pomoc : {" --help", " -h"}) {
    const auto w = Wykonaj("env -u DISPLAY -u WAYLAND_DISPLAY " + kelbra + pomoc);
    EXPECT_EQ(w.kod, 0) << pomoc;
    EXPECT_NE(w.wyjscie.find("użycie: kelbra [PLIK.asm]"), std::string::npos) << w.wyjscie;
  }
  for (const char* zle : {" a.asm b.asm", " --nieznana"}) {
    const auto w = Wykonaj("QT_QPA_PLATFORM=offscreen " + kelbra + zle + " 2>&1");
    EXPECT_EQ(w.kod, 2) << zle;
    EXPECT_NE(w.wyjscie.find("użycie: kelbra [PLIK.asm]"), std::string::npos) << w.wyjscie;
  }
}

// The manual pages render without a warning, in Polish, with their own name;
// the copyright file is in the machine-readable form.
TEST_F(Pakiet, StronyPodrecznikaIPlikCopyright) {
  for (const char* strona : {"kelbra", "kelbra-batch"}) {
    const fs::path gz = Drzewo() / "usr/share/man/man1" / (std::string(strona) + ".1.gz");
    ASSERT_TRUE(fs::is_regular_file(gz)) << gz;
    const auto tekst = Wykonaj("gzip -dc " + WCudzyslowie(gz.string()) + " | groff -k -man -Tutf8 -ww -P-cbou 2>&1");
    EXPECT_EQ(tekst.kod, 0) << strona;
    EXPECT_EQ(tekst.wyjscie.find("warning"), std::string::npos) << tekst.wyjscie;
    EXPECT_NE(tekst.wyjscie.find("NAZWA"), std::string::npos) << strona;
    EXPECT_NE(tekst.wyjscie.find(std::string(strona) + " - "), std::string::npos)
        << "nazwa i opis w pierwszym wierszu: " << tekst.wyjscie.substr(0, 400);
  }
  const std::string copyright = TrescPliku(Drzewo() / "usr/share/doc/kelbra/copyright");
  EXPECT_EQ(copyright.rfind("Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n", 0), 0u);
  EXPECT_NE(copyright.find("\nFiles: *\n"), std::string::npos);
}

}  // namespace
