// Source files as bytes and the window-layout line.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "PlikZrodlowy.h"
#include "PozycjeOkien.h"

namespace kelbra {
namespace {

std::u32string U(std::u32string_view s) { return std::u32string(s); }

TEST(PlikZrodlowy, PodzialLiniiIKodowanie) {
  struct Przypadek {
    std::string bajty;
    std::vector<std::u32string> linie;
    KodowaniePliku kodowanie;
    bool bom;
  };
  const Przypadek przypadki[] = {
      {"", {}, KodowaniePliku::Cp1250, false},
      {"a\r\nb\r\n", {U(U"a"), U(U"b")}, KodowaniePliku::Cp1250, false},
      {"a\nb", {U(U"a"), U(U"b")}, KodowaniePliku::Cp1250, false},
      {"a\rb\r", {U(U"a"), U(U"b")}, KodowaniePliku::Cp1250, false},
      {"a\r\n\r\nb", {U(U"a"), U(U""), U(U"b")}, KodowaniePliku::Cp1250, false},
      {"\xB9\xEA\r\n", {U(U"ąę")}, KodowaniePliku::Cp1250, false},
      {"\xC4\x85\r\n", {U(U"ą")}, KodowaniePliku::Utf8, false},
      {"\xEF\xBB\xBFnop\r\n", {U(U"nop")}, KodowaniePliku::Utf8, true},
      // Not UTF-8 after the mark: the mark's bytes are text of the code page.
      {"\xEF\xBB\xBF\xB9\r\n", {U(U"ď»żą")}, KodowaniePliku::Cp1250, false},
      {"\xC0\x80\r\n", {U(U"Ŕ€")}, KodowaniePliku::Cp1250, false},  // an overlong form is no UTF-8
  };
  for (const Przypadek& p : przypadki) {
    const PlikZrodlowy plik = CzytajPlikZrodlowy(p.bajty);
    EXPECT_EQ(plik.Linie, p.linie) << p.bajty;
    EXPECT_EQ(plik.Kodowanie, p.kodowanie) << p.bajty;
    EXPECT_EQ(plik.Bom, p.bom) << p.bajty;
  }
}

TEST(PlikZrodlowy, KazdyBajtStronyKodowejWracaBezZmian) {
  std::string bajty;
  for (int b = 0; b < 256; ++b)
    if (b != '\r' && b != '\n') bajty += static_cast<char>(b);
  bajty += "\r\n";
  const PlikZrodlowy plik = CzytajPlikZrodlowy(bajty);
  ASSERT_EQ(plik.Kodowanie, KodowaniePliku::Cp1250);
  EXPECT_TRUE(DaSieZapisac(plik.Linie, plik.Kodowanie));
  EXPECT_EQ(ZapiszPlikZrodlowy(plik.Linie, plik.Kodowanie, plik.Bom, ""), bajty);
}

TEST(PlikZrodlowy, LiniaPozycjiZdjetaPrzedDekodowaniem) {
  // Payload bytes above 7Fh that are not UTF-8 leave the program UTF-8 and
  // come back exactly.
  const std::string pozycje = ";pozycja okien:\xC8\xFF\x64\x64t";
  const std::string bajty = "\xEF\xBB\xBF" "db '\xC4\x85'\r\n" + pozycje + "\r\n";
  const PlikZrodlowy plik = CzytajPlikZrodlowy(bajty);
  EXPECT_EQ(plik.Kodowanie, KodowaniePliku::Utf8);
  EXPECT_EQ(plik.Linie, std::vector<std::u32string>{U(U"db 'ą'")});
  EXPECT_EQ(plik.LiniaPozycji, pozycje);
  EXPECT_EQ(LinieDlaAsemblera(plik.Linie), std::vector<std::string>{"db '\xB9'"});
  EXPECT_EQ(ZapiszPlikZrodlowy(plik.Linie, plik.Kodowanie, plik.Bom, *plik.LiniaPozycji), bajty);
  // Only the last line is a layout line, and only with the exact header.
  for (const char* tekst : {";pozycja okien:x\r\nnop\r\n", ";POZYCJA OKIEN:x\r\n"})
    EXPECT_FALSE(CzytajPlikZrodlowy(tekst).LiniaPozycji) << tekst;
}

TEST(PlikZrodlowy, ZnakSpozaStronyKodowej) {
  const std::vector<std::u32string> linie = {U(U"db '€'"), U(U"; ☃")};
  EXPECT_FALSE(DaSieZapisac(linie, KodowaniePliku::Cp1250));
  EXPECT_TRUE(DaSieZapisac(linie, KodowaniePliku::Utf8));
  EXPECT_EQ(ZapiszPlikZrodlowy(linie, KodowaniePliku::Utf8, false, ""), "db '\xE2\x82\xAC'\r\n; \xE2\x98\x83\r\n");
}

PozycjeOkien Domyslne() {
  PozycjeOkien d;
  for (int w = 0; w < PozycjeOkien::LiczbaOkien; ++w) d.Okna[w] = {7 * w, 42 * w, 300 + w, 200 + w, false};
  d.Sekcje = {81, 97, 113, 65};
  return d;
}

TEST(PozycjeOkien, KazdaWartoscWracaBezZmian) {
  for (int32_t v = 0; v <= NajwiekszaWspolrzedna; ++v) {
    PozycjeOkien p = Domyslne();
    // Sizes of 0 stand for "keep the default"; every other value comes back.
    p.Okna[3] = {v, NajwiekszaWspolrzedna - v, std::max(v, 1), std::max(NajwiekszaWspolrzedna - v, 1), true};
    PozycjeOkien w;
    ASSERT_TRUE(CzytajLiniePozycjiOkien(LiniaPozycjiOkien(p), Domyslne(), w));
    ASSERT_EQ(w.Okna[3], p.Okna[3]) << v;
  }
}

TEST(PozycjeOkien, UkladBajtow) {
  PozycjeOkien p = Domyslne();
  p.Okna[0] = {373, 238, 502, 472, true};
  p.Okna[1] = {0, 15599, -87, 15600, false};  // out of range: clamped, never a CR or a LF
  p.Sekcje = {81, 0, 113, 0};
  const std::string l = LiniaPozycjiOkien(p, true);
  ASSERT_EQ(l.size(), 75u);
  EXPECT_EQ(l.substr(0, 15), ";pozycja okien:");
  EXPECT_EQ(l.substr(15, 9), "\x67\xAD\x66\x8A\x69\x66\x68\xAC\x74");
  EXPECT_EQ(l.substr(24, 9), "\x64\x64\xFF\xC7\x64\x64\xFF\xC7\x66");
  EXPECT_EQ(l.substr(69), "tftft ");
}

TEST(PozycjeOkien, KrotkaLiniaICzyteDomyslne) {
  PozycjeOkien p = Domyslne();
  p.Sekcje = {81, 97, 113, 65};
  const std::string pelna = LiniaPozycjiOkien(p);
  struct Przypadek {
    size_t dlugoscDanych;
    std::array<int32_t, 4> sekcje;
  };
  // 54 bytes: no flags, all collapsed; 56: the first two count.
  for (const Przypadek& c : {Przypadek{54, {0, 0, 0, 0}}, Przypadek{56, {81, 97, 0, 0}}, Przypadek{59, {81, 97, 113, 65}}}) {
    PozycjeOkien w;
    ASSERT_TRUE(CzytajLiniePozycjiOkien(pelna.substr(0, 15 + c.dlugoscDanych), Domyslne(), w));
    EXPECT_EQ(w.Okna, p.Okna) << c.dlugoscDanych;
    EXPECT_EQ(w.Sekcje, c.sekcje) << c.dlugoscDanych;
  }
  // A line cut inside window 2 keeps the defaults from there on.
  PozycjeOkien w;
  ASSERT_TRUE(CzytajLiniePozycjiOkien(pelna.substr(0, 15 + 20), Domyslne(), w));
  EXPECT_EQ(w.Okna[1], p.Okna[1]);
  EXPECT_EQ(w.Okna[2], Domyslne().Okna[2]);
  // A stored size of 0 keeps the default size, not the window's place.
  PozycjeOkien zero = Domyslne();
  zero.Okna[4] = {50, 60, 0, 0, true};
  ASSERT_TRUE(CzytajLiniePozycjiOkien(LiniaPozycjiOkien(zero), Domyslne(), w));
  EXPECT_EQ(w.Okna[4], (PozycjaOkna{50, 60, Domyslne().Okna[4].Width, Domyslne().Okna[4].Height, true}));
  EXPECT_FALSE(CzytajLiniePozycjiOkien(";POZYCJA OKIEN:" + pelna.substr(15), Domyslne(), w));
}

TEST(PozycjeOkien, OgraniczenieDoEkranu) {
  struct Przypadek {
    PozycjaOkna przed, po;
  };
  const Przypadek przypadki[] = {
      {{1200, 100, 300, 200}, {980, 100, 300, 200}},  // flush with the right edge
      {{10, 900, 300, 200}, {10, 700, 300, 200}},     // and the bottom one
      {{-20, -5, 300, 200}, {0, 0, 300, 200}},
      {{100, 100, 2000, 200}, {0, 100, 2000, 200}},  // wider than the screen: left edge wins
  };
  for (const Przypadek& p : przypadki) {
    PozycjaOkna o = p.przed;
    OgraniczDoEkranu(o, 1280, 900);
    EXPECT_EQ(o, p.po) << p.przed.Left << "," << p.przed.Top;
  }
}

TEST(PozycjeOkien, RozmiarNaEkranie) {
  struct Przypadek {
    Rozmiar chciany, najmniejszy, ramka, ekran, wynik;
  };
  const Przypadek przypadki[] = {
      {{502, 472}, {400, 300}, {2, 24}, {1280, 1000}, {502, 472}},      // fits: unchanged
      {{3000, 2500}, {400, 300}, {2, 24}, {1280, 1000}, {1278, 976}},   // cut with its frame
      {{1278, 976}, {400, 300}, {2, 24}, {1280, 1000}, {1278, 976}},    // exactly what fits
      {{1279, 977}, {400, 300}, {2, 24}, {1280, 1000}, {1278, 976}},    // one pixel over
      {{3000, 200}, {400, 300}, {0, 0}, {800, 600}, {800, 300}},        // each side on its own
      {{100, 100}, {400, 300}, {2, 24}, {1280, 1000}, {400, 300}},      // too small: the minimum
      {{900, 900}, {821, 216}, {2, 24}, {640, 480}, {821, 456}},        // a minimum wider than the screen wins
      {{15599, 15599}, {0, 0}, {0, 0}, {1024, 768}, {1024, 768}},       // the largest a line can store
  };
  for (const Przypadek& p : przypadki)
    EXPECT_EQ(RozmiarNaEkranie(p.chciany, p.najmniejszy, p.ramka, p.ekran), p.wynik)
        << p.chciany.Szerokosc << "x" << p.chciany.Wysokosc << " on " << p.ekran.Szerokosc << "x"
        << p.ekran.Wysokosc;
}

}  // namespace
}  // namespace kelbra
