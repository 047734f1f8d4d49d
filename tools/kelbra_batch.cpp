// kelbra-batch: runs a program on the emulated 8051 without a screen and
// prints what happened, for tests, benchmarks and checking students' work.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Asembler.h"
#include "IntelHex.h"
#include "Jadro.h"
#include "Kodowanie.h"
#include "PlikZrodlowy.h"
#include "Plytka.h"
#include "WydrukPRN.h"

namespace {

using kelbra::Jadro;

constexpr int KodBleduWywolania = 2;
// A run to an address that is never reached still ends: after 1,000 s of
// emulated time.
constexpr uint64_t DomyslnyLimitCykli = 1'000'000'000;

struct Opcje {
  std::optional<uint64_t> cykle;
  std::optional<uint16_t> doPC;
  bool zrzut = false;
  bool prn = false;
  bool hex = false;
  std::string plik;
};

[[noreturn]] void Zakoncz(const std::string& komunikat) {
  std::fprintf(stderr, "kelbra-batch: %s\n", komunikat.c_str());
  std::fprintf(stderr,
               "uzycie: kelbra-batch [--prn] [--hex] [--cycles N] [--until-pc ADRES] [--dump] PLIK.asm\n"
               "        (PLIK.hex lub PLIK.bin: gotowy obraz CODE)\n");
  std::exit(KodBleduWywolania);
}

std::optional<uint64_t> Liczba(const std::string& s, int podstawa, uint64_t max) {
  if (s.empty() || s.size() > 20) return std::nullopt;
  uint64_t v = 0;
  for (char c : s) {
    int cyfra;
    if (c >= '0' && c <= '9') cyfra = c - '0';
    else if (c >= 'a' && c <= 'f') cyfra = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') cyfra = c - 'A' + 10;
    else return std::nullopt;
    if (cyfra >= podstawa) return std::nullopt;
    if (v > (max - cyfra) / podstawa) return std::nullopt;
    v = v * podstawa + cyfra;
  }
  return v;
}

Opcje CzytajOpcje(int argc, char** argv) {
  Opcje o;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    auto wartosc = [&]() -> std::string {
      if (i + 1 >= argc) Zakoncz("brak wartosci po " + a);
      return argv[++i];
    };
    if (a == "--cycles") {
      const std::string w = wartosc();
      o.cykle = Liczba(w, 10, UINT64_MAX / 2);
      if (!o.cykle) Zakoncz("niepoprawna liczba cykli: " + w);
    } else if (a == "--until-pc") {
      std::string w = wartosc();
      if (w.size() > 2 && w[0] == '0' && (w[1] == 'x' || w[1] == 'X')) w = w.substr(2);
      if (!w.empty() && (w.back() == 'h' || w.back() == 'H')) w.pop_back();
      const auto v = Liczba(w, 16, 0xFFFF);
      if (!v) Zakoncz("niepoprawny adres: " + w);
      o.doPC = static_cast<uint16_t>(*v);
    } else if (a == "--dump") {
      o.zrzut = true;
    } else if (a == "--prn") {
      o.prn = true;
    } else if (a == "--hex") {
      o.hex = true;
    } else if (a.size() > 1 && a[0] == '-') {
      Zakoncz("nieznana opcja: " + a);
    } else if (o.plik.empty()) {
      o.plik = a;
    } else {
      Zakoncz("podano wiecej niz jeden plik");
    }
  }
  if (o.plik.empty()) Zakoncz("nie podano pliku");
  return o;
}

std::optional<std::vector<uint8_t>> CzytajBajty(const std::string& sciezka) {
  std::ifstream f(sciezka, std::ios::binary);
  if (!f) return std::nullopt;
  // A buffer at a time: copying through istreambuf_iterator costs some ten
  // instructions a byte. A read error still comes from underflow, as before.
  std::vector<uint8_t> bajty;
  std::streambuf& b = *f.rdbuf();
  while (b.sgetc() != std::char_traits<char>::eof()) {
    const std::streamsize n = b.in_avail();
    const size_t k = bajty.size();
    bajty.resize(k + static_cast<size_t>(n));
    b.sgetn(reinterpret_cast<char*>(bajty.data() + k), n);
  }
  if (f.bad()) return std::nullopt;
  return bajty;
}

bool KonczySieNa(const std::string& s, const std::string& koncowka) {
  if (s.size() < koncowka.size()) return false;
  for (size_t k = 0; k < koncowka.size(); ++k) {
    char c = s[s.size() - koncowka.size() + k];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != koncowka[k]) return false;
  }
  return true;
}

// Runs until at least `cykle` machine cycles have executed or PC reaches the
// stop address. Returns the machine cycles executed.
uint64_t Uruchom(Jadro& j, uint64_t cykle, std::optional<uint16_t> doPC) {
  uint64_t wykonane = 0;
  // A5h takes no cycles; CODE made of nothing else would never use the budget.
  uint32_t zerowe = 0;
  while (wykonane < cykle) {
    if (doPC && j.PC == *doPC) break;
    const int32_t n = j.KrokJadra();
    wykonane += static_cast<uint64_t>(n);
    zerowe = n == 0 ? zerowe + 1 : 0;
    if (zerowe > 0x10000) break;
  }
  return wykonane;
}

void DrukujWiersz(const char* nazwa, unsigned adres, const uint8_t* bajty, int szerokosc) {
  std::printf("%s %0*X:", nazwa, szerokosc, adres);
  for (int k = 0; k < 16; ++k) std::printf(" %02X", bajty[k]);
  std::printf("\n");
}

// The 16 visible characters of an LCD line; codes outside 20h-7Eh show as ".".
void DrukujLinieLcd(const char* nazwa, const std::array<uint8_t, 16>& znaki) {
  std::printf("%s: \"", nazwa);
  for (uint8_t z : znaki) std::putchar(z >= 0x20 && z <= 0x7E ? z : '.');
  std::printf("\"\n");
}

void DrukujStan(const Jadro& j, const kelbra::PlytkaKelbra& plytka, uint64_t cykle) {
  using namespace kelbra::sfr;
  std::printf("PC=%04X A=%02X B=%02X PSW=%02X SP=%02X DPTR=%02X%02X CYCLES=%llu\n", j.PC, j.Data[ACC], j.Data[B],
              j.Data[PSW], j.Data[SP], j.Data[DPH], j.Data[DPL], static_cast<unsigned long long>(cykle));
  for (unsigned a = 0; a < 0x100; a += 16) DrukujWiersz("DATA", a, &j.Data[a], 2);
  for (unsigned a = 0x80; a < 0x100; a += 16) DrukujWiersz("IDATA", a, &j.IdataGorna[a], 2);
  for (unsigned a : {0xFFB0u, 0xFFE0u, 0xFFF0u}) DrukujWiersz("XDATA", a, &j.Xdata[a], 4);
  DrukujLinieLcd("LCD1", plytka.lcd.ZnakiLinii(0));
  DrukujLinieLcd("LCD2", plytka.lcd.ZnakiLinii(1));
}

// The source as the editor holds it: the trailing window-layout line is
// taken off as bytes before the rest is decoded, and is no part of the
// program.
std::vector<std::string> LinieProgramu(std::string_view bajty) {
  return kelbra::LinieDlaAsemblera(kelbra::CzytajPlikZrodlowy(bajty).Linie);
}

void DrukujLinie(const std::vector<std::string>& linie) {
  for (const std::string& l : linie) std::printf("%s\n", kelbra::Cp1250DoUtf8(l).c_str());
}

// Assembles into CODE and prints the lists, then the listing and the HEX
// records of a successful run. True when the assembly had no error.
bool Asembluj(std::string_view bajty, const Opcje& o, Jadro& j) {
  const std::vector<std::string> linie = LinieProgramu(bajty);
  kelbra::Asembler asembler(j);
  const kelbra::WynikAsemblacji& w = asembler.Analizuj_kod_asemblera(linie);
  DrukujLinie(w.Bledy);
  DrukujLinie(w.Ostrzezenia);
  if (w.FlagaBledu) return false;
  if (o.prn) DrukujLinie(kelbra::BudujWydrukPRN(w, j.Code, linie));
  if (o.hex) {
    std::vector<std::pair<uint16_t, uint8_t>> bajtyKodu;
    for (uint32_t a = 0; a < 0x10000; ++a)
      if (w.Zapisane[a]) bajtyKodu.emplace_back(static_cast<uint16_t>(a), j.Code[a]);
    std::fputs(kelbra::ZapiszIntelHex(bajtyKodu).c_str(), stdout);
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const Opcje o = CzytajOpcje(argc, argv);
  const auto bajty = CzytajBajty(o.plik);
  if (!bajty) Zakoncz("nie mozna odczytac pliku: " + o.plik);

  auto j = std::make_unique<Jadro>();
  j->ResetJadra();
  // As the main window's first showing: key bytes FFh, LCD powered on.
  auto plytka = std::make_unique<kelbra::PlytkaKelbra>();
  kelbra::PodlaczPlytke(*j, *plytka);
  const std::string_view tekst(reinterpret_cast<const char*>(bajty->data()), bajty->size());
  if (KonczySieNa(o.plik, ".hex") || KonczySieNa(o.plik, ".ihx")) {
    if (!kelbra::WczytajIntelHex(tekst, j->Code)) Zakoncz("niepoprawny plik Intel HEX: " + o.plik);
  } else if (KonczySieNa(o.plik, ".bin")) {
    if (bajty->size() > j->Code.size()) Zakoncz("obraz wiekszy niz 64 KB: " + o.plik);
    std::copy(bajty->begin(), bajty->end(), j->Code.begin());
  } else {
    const bool poprawny = Asembluj(tekst, o, *j);
    std::fflush(stdout);
    if (!poprawny) return 1;
  }
  // Entering the emulation mode, as a successful assembly does: the core and
  // the LCD start again.
  j->ResetJadra();
  plytka->ResetPlytki();

  uint64_t cykle = 0;
  if (o.cykle || o.doPC) cykle = Uruchom(*j, o.cykle.value_or(DomyslnyLimitCykli), o.doPC);
  if (o.zrzut) DrukujStan(*j, *plytka, cykle);
  return 0;
}
