// kelbra-batch: runs programs on the emulated 8051 without a screen and
// prints what happened, for tests, benchmarks and checking students' work.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

#include "Asembler.h"
#include "IntelHex.h"
#include "Jadro.h"
#include "Kodowanie.h"
#include "Maszyna.h"
#include "ObrazLcd.h"
#include "Oczekiwania.h"
#include "OpcjeWsadu.h"
#include "PlikNaDysku.h"
#include "PlikZrodlowy.h"
#include "PrzebiegProgramu.h"
#include "Tekst.h"
#include "WydrukPRN.h"
#include "Zadanie.h"
#include "Zdarzenia.h"

namespace {

using kelbra::Jadro;
namespace wsad = kelbra::wsad;

// Exit statuses; with several files the worst one wins, in this order.
constexpr int KodPoprawny = 0;
constexpr int KodOczekiwan = 3;
constexpr int KodBleduAsemblacji = 1;
constexpr int KodBleduWywolania = 2;
using Opcje = wsad::OpcjeWsadu;

constexpr const char* Uzycie =
    "uzycie: kelbra-batch [--prn] [--hex] [--cycles N] [--until-pc ADRES] [--dump]\n"
    "        [--key NAZWA@CYKL] [--release NAZWA@CYKL] [--pc-key TEKST@CYKL] [--pc-key-gap N]\n"
    "        [--script PLIK] [--expect CO=WARTOSC[@CYKL]] [--trace N] [--trace-from ADRES]\n"
    "        [--lcd-png PLIK.png] [--task ZADANIE.asm | --no-task] [--help] PLIK.asm...\n"
    "        (PLIK.hex lub PLIK.bin: gotowy obraz CODE; wiersze ;#kelbra w pliku\n"
    "        podaja opcje przebiegu przed opcjami z wiersza polecen)\n";

void Komunikat(const std::string& tekst) {
  std::fflush(stdout);
  std::fprintf(stderr, "kelbra-batch: %s\n", tekst.c_str());
}

[[noreturn]] void Zakoncz(const std::string& komunikat) {
  Komunikat(komunikat);
  std::fputs(Uzycie, stderr);
  std::exit(KodBleduWywolania);
}

// A bad task file: the message says all, without the usage.
[[noreturn]] void Przerwij(const std::string& komunikat) {
  Komunikat(komunikat);
  std::exit(KodBleduWywolania);
}

int Waga(int kod) {
  switch (kod) {
    case KodBleduWywolania: return 3;
    case KodBleduAsemblacji: return 2;
    case KodOczekiwan: return 1;
    default: return 0;
  }
}

int Gorszy(int a, int b) { return Waga(a) >= Waga(b) ? a : b; }

// A file's bytes through the reader the desktop program uses; nothing when
// it cannot be read.
std::optional<kelbra::BajtyPliku> CzytajBajty(const std::string& sciezka) {
  kelbra::OdczytPliku odczyt = kelbra::CzytajPlik(sciezka);
  if (odczyt.blad) return std::nullopt;
  return std::move(odczyt.bajty);
}

std::string Rdzen(const std::string& plik) { return std::filesystem::path(plik).stem().string(); }

std::optional<std::string> CzytajSkrypt(const std::string& sciezka) {
  return CzytajBajty(sciezka);
}

std::vector<wsad::Argument> Argumenty(int argc, char** argv) {
  std::vector<wsad::Argument> argumenty;
  for (int i = 1; i < argc; ++i) argumenty.push_back({argv[i]});
  return argumenty;
}

Opcje CzytajOpcje(const std::vector<wsad::Argument>& argumenty) {
  Opcje o;
  if (const auto blad = wsad::CzytajArgumenty(argumenty, o)) Zakoncz(blad->tekst);
  if (o.pomoc) {
    std::fputs(Uzycie, stdout);
    std::exit(KodPoprawny);
  }
  if (o.pliki.empty()) Zakoncz("nie podano pliku");
  if (o.sladOd && o.slad == 0) Zakoncz("--trace-from wymaga --trace N");
  // With several programs the picture option names a folder, one PNG a program.
  if (!o.png.empty() && o.pliki.size() > 1) {
    if (!std::filesystem::is_directory(o.png)) Zakoncz("przy wielu plikach --lcd-png podaje istniejacy katalog: " + o.png);
    std::set<std::string> rdzenie;
    for (const std::string& p : o.pliki)
      if (!rdzenie.insert(Rdzen(p)).second) Zakoncz("dwa pliki daja ten sam obraz " + Rdzen(p) + ".png");
  }
  if (!o.zadanie.empty() && o.bezZadania) Zakoncz("--task i --no-task wykluczaja sie");
  if (const auto blad = wsad::ZbudujZdarzenia(o, CzytajSkrypt)) Zakoncz(blad->tekst);
  return o;
}

// A ready CODE image has no lines, so no task lines either.
bool ObrazKodu(const std::string& plik) {
  const std::string male = kelbra::tekst::Male(plik);
  return male.ends_with(".hex") || male.ends_with(".ihx") || male.ends_with(".bin");
}

// The task's words, then the command line's: a later value wins, events and
// expectations add up.
std::optional<wsad::BladOpcji> OpcjeZZadaniem(std::vector<wsad::Argument> argumenty,
                                              const std::vector<wsad::Argument>& wiersz, Opcje& o) {
  argumenty.insert(argumenty.end(), wiersz.begin(), wiersz.end());
  auto blad = wsad::CzytajArgumenty(argumenty, o);
  if (!blad) blad = wsad::ZbudujZdarzenia(o, CzytajSkrypt);
  return blad;
}

// The task lines of a source file; an empty list when it has none.
std::optional<wsad::BladOpcji> LinieZadania(const kelbra::BajtyPliku& bajty, std::vector<wsad::Argument>& zadanie) {
  return wsad::CzytajLinieZadania(kelbra::CzytajPlikZrodlowy(bajty).Linie, zadanie);
}

// --task: the options every file runs with, read before anything runs.
Opcje OpcjeZadania(const std::string& sciezka, const std::vector<wsad::Argument>& wiersz) {
  const auto bajty = CzytajBajty(sciezka);
  if (!bajty) Przerwij("nie mozna odczytac zadania: " + sciezka);
  std::vector<wsad::Argument> zadanie;
  auto blad = LinieZadania(*bajty, zadanie);
  if (!blad && zadanie.empty()) Przerwij("brak linii " + std::string(wsad::ZnacznikZadania) + " w zadaniu: " + sciezka);
  Opcje o;
  if (!blad) blad = OpcjeZZadaniem(std::move(zadanie), wiersz, o);
  if (blad && blad->linia < 0) Przerwij(blad->tekst);
  if (blad) Przerwij(sciezka + ": " + wsad::LiniaBledu(*blad));
  return o;
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

void DrukujLinie(const std::vector<kelbra::TekstCp1250>& linie) {
  for (const kelbra::TekstCp1250& l : linie) std::printf("%s\n", kelbra::Cp1250DoUtf8(l).c_str());
}

// Prints the lists, then the listing and the HEX records of a successful
// run.
void DrukujAsemblacje(const kelbra::WynikAsemblacji& w, const Opcje& o, const Jadro& j,
                      const std::vector<kelbra::TekstCp1250>& linie) {
  DrukujLinie(w.Bledy);
  DrukujLinie(w.Ostrzezenia);
  if (w.FlagaBledu) return;
  if (o.prn) DrukujLinie(kelbra::BudujWydrukPRN(w, j.Code, linie));
  if (o.hex) {
    std::vector<std::pair<uint16_t, uint8_t>> bajtyKodu;
    for (uint32_t a = 0; a < 0x10000; ++a)
      if (w.Zapisane[a]) bajtyKodu.emplace_back(static_cast<uint16_t>(a), j.Code[a]);
    std::fputs(kelbra::ZapiszIntelHex(bajtyKodu).c_str(), stdout);
  }
}

// One row of the table printed after several files; -1 where the step did
// not happen.
struct WierszTabeli {
  std::string plik;
  int64_t bledy = -1;
  int64_t spelnione = -1;
  int64_t niespelnione = -1;
  int64_t cykle = -1;
  int kod = KodPoprawny;
};

void SprawdzKoniec(const Opcje& o, const wsad::Sprawdzanie& sprawdzanie, uint64_t cykle, WierszTabeli& t) {
  t.spelnione = 0;
  t.niespelnione = 0;
  for (size_t i = 0; i < o.oczekiwania.size(); ++i) {
    const wsad::WynikOczekiwania& w = sprawdzanie.Wyniki()[i];
    if (!w.spelnione) {
      std::printf("%s\n", wsad::LiniaNiespelnionego(o.oczekiwania[i], w, cykle).c_str());
      ++t.niespelnione;
    } else {
      ++t.spelnione;
    }
  }
  if (t.niespelnione > 0) t.kod = KodOczekiwan;
}

// A stop address the run never reached fails as an expectation does.
void SprawdzDoPC(const Opcje& o, const wsad::WynikPrzebiegu& w, WierszTabeli& t) {
  if (!o.doPC || w.DoszedlDoPC) return;
  char adres[8];
  std::snprintf(adres, sizeof adres, "%04X", *o.doPC);
  std::printf("Nie osiagnieto adresu --until-pc %s, przebieg skonczyl sie w cyklu %llu%s\n", adres,
              static_cast<unsigned long long>(w.Cykle), o.cykle ? "" : " (domyslny limit, podaj --cycles)");
  ++t.niespelnione;
  t.kod = KodOczekiwan;
}

void ZglosNiezastosowane(const Opcje& o, const wsad::WynikPrzebiegu& w) {
  const auto& zdarzenia = o.zdarzenia.Zdarzenia;
  if (w.Zastosowane >= zdarzenia.size()) return;
  const wsad::ZdarzeniePlytki& z = zdarzenia[w.Zastosowane];
  Komunikat("nie zastosowano zdarzen po koncu przebiegu (" + std::to_string(w.Cykle) +
            " cykli): " + std::to_string(zdarzenia.size() - w.Zastosowane) + ", pierwsze: " +
            o.zdarzenia.Miejsce(z) + " w cyklu " + std::to_string(z.Cykl));
}

WierszTabeli ZlyPlik(WierszTabeli t, const std::string& komunikat) {
  Komunikat(komunikat);
  t.kod = KodBleduWywolania;
  return t;
}

// Assembles or loads one file, runs it from a reset and checks it.
WierszTabeli Przetworz(const std::string& plik, const Opcje& o, const std::optional<kelbra::BajtyPliku>& bajty) {
  WierszTabeli t;
  t.plik = plik;
  if (!bajty) return ZlyPlik(t, "nie mozna odczytac pliku: " + plik);
  // Powered on: key bytes FFh, LCD started.
  const auto m = std::make_unique<kelbra::Maszyna>();
  Jadro* const j = &m->jadro();
  kelbra::PlytkaKelbra* const plytka = &m->plytka();
  const std::string_view tekst = *bajty;
  // The source as the editor holds it: the trailing window-layout line is
  // taken off as bytes before the rest is decoded.
  std::vector<kelbra::TekstCp1250> linie;
  kelbra::Asembler asembler(*j);
  const kelbra::TabelaAsemblacji* tabela = nullptr;
  const std::string male = kelbra::tekst::Male(plik);
  if (male.ends_with(".hex") || male.ends_with(".ihx")) {
    if (!kelbra::WczytajIntelHex(tekst, j->Code)) return ZlyPlik(t, "niepoprawny plik Intel HEX: " + plik);
  } else if (male.ends_with(".bin")) {
    if (bajty->size() > j->Code.size()) return ZlyPlik(t, "obraz wiekszy niz 64 KB: " + plik);
    std::copy(bajty->begin(), bajty->end(), j->Code.begin());
  } else {
    linie = kelbra::LinieDlaAsemblera(kelbra::CzytajPlikZrodlowy(tekst).Linie);
    const kelbra::WynikAsemblacji& w = asembler.Analizuj_kod_asemblera(linie);
    DrukujAsemblacje(w, o, *j, linie);
    t.bledy = static_cast<int64_t>(w.Bledy.size());
    if (w.FlagaBledu) {
      t.kod = KodBleduAsemblacji;
      return t;
    }
    tabela = &w.Tabela;
  }

  std::optional<wsad::SladRozkazow> slad;
  if (o.slad > 0) slad.emplace(tabela, linie);
  wsad::Sprawdzanie sprawdzanie(o.oczekiwania);
  // A long run shows how far it got, on a terminal only.
  const bool terminal = isatty(STDERR_FILENO) != 0;
  bool postep = false;
  const wsad::WynikPrzebiegu w = wsad::UruchomZOpcjami(
      *m, o, UINT64_MAX, sprawdzanie,
      [&](uint64_t cykle, const Jadro& jadro) { std::printf("%s\n", slad->Linia(cykle, jadro).c_str()); },
      terminal ? std::function<void(uint64_t)>([&](uint64_t cykle) {
        std::fprintf(stderr, "\rkelbra-batch: %s: %llu mln cykli...", plik.c_str(),
                     static_cast<unsigned long long>(cykle / 1'000'000));
        postep = true;
      })
               : nullptr);
  if (postep) std::fputs("\n", stderr);
  t.cykle = static_cast<int64_t>(w.Cykle);
  ZglosNiezastosowane(o, w);
  if (o.zrzut) DrukujStan(*j, *plytka, w.Cykle);
  SprawdzKoniec(o, sprawdzanie, w.Cykle, t);
  SprawdzDoPC(o, w, t);
  if (!o.png.empty()) {
    const std::string sciezka =
        o.pliki.size() > 1 ? (std::filesystem::path(o.png) / (Rdzen(plik) + ".png")).string() : o.png;
    const std::string blad = wsad::ZapiszPng(wsad::ObrazLcd(plytka->lcd), sciezka);
    if (!blad.empty()) {
      Komunikat(blad);
      t.kod = KodBleduWywolania;
    }
  }
  return t;
}

// A file with task lines of its own runs with them before the command line's
// options, unless the command line gave a task or refused them.
WierszTabeli PrzetworzZZadaniem(const std::string& plik, const Opcje& o, const std::vector<wsad::Argument>& wiersz) {
  // The file is read once, for its task lines and its program alike.
  const auto bajty = CzytajBajty(plik);
  if (o.bezZadania || ObrazKodu(plik)) return Przetworz(plik, o, bajty);
  std::vector<wsad::Argument> zadanie;
  auto blad = bajty ? LinieZadania(*bajty, zadanie) : std::nullopt;
  if (!blad && zadanie.empty()) return Przetworz(plik, o, bajty);
  Opcje wlasne;
  if (!blad) blad = OpcjeZZadaniem(std::move(zadanie), wiersz, wlasne);
  if (!blad) return Przetworz(plik, wlasne, bajty);
  // A task never runs half-understood; its line is the file's error.
  WierszTabeli t;
  t.plik = plik;
  if (blad->linia < 0) return ZlyPlik(t, blad->tekst);
  std::printf("%s\n", wsad::LiniaBledu(*blad).c_str());
  t.bledy = 1;
  t.kod = KodBleduAsemblacji;
  return t;
}

// Display width of UTF-8 text: one column a character.
size_t Szerokosc(const std::string& s) {
  return static_cast<size_t>(std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

void DrukujTabele(const std::vector<WierszTabeli>& wiersze) {
  size_t szerokosc = Szerokosc("plik");
  for (const WierszTabeli& w : wiersze) szerokosc = std::max(szerokosc, Szerokosc(w.plik));
  auto pole = [](int64_t v) { return v < 0 ? std::string("-") : std::to_string(v); };
  auto wiersz = [&](const std::string& plik, const std::string& b, const std::string& s, const std::string& n,
                    const std::string& c, const std::string& k) {
    std::printf("%s%*s  %5s  %9s  %12s  %12s  %3s\n", plik.c_str(), static_cast<int>(szerokosc - Szerokosc(plik)), "",
                b.c_str(), s.c_str(), n.c_str(), c.c_str(), k.c_str());
  };
  wiersz("plik", "bledy", "spelnione", "niespelnione", "cykle", "kod");
  for (const WierszTabeli& w : wiersze) {
    wiersz(w.plik, pole(w.bledy), pole(w.spelnione), pole(w.niespelnione), pole(w.cykle), std::to_string(w.kod));
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<wsad::Argument> argumenty = Argumenty(argc, argv);
  const Opcje wiersz = CzytajOpcje(argumenty);
  const std::optional<Opcje> zadanie =
      wiersz.zadanie.empty() ? std::nullopt : std::optional<Opcje>(OpcjeZadania(wiersz.zadanie, argumenty));
  const Opcje& o = zadanie ? *zadanie : wiersz;
  // With --task every file runs with its options; otherwise each with its own task lines.
  auto przetworz = [&](const std::string& plik) {
    return zadanie ? Przetworz(plik, o, CzytajBajty(plik)) : PrzetworzZZadaniem(plik, o, argumenty);
  };
  if (o.pliki.size() == 1) {
    const int kod = przetworz(o.pliki[0]).kod;
    std::fflush(stdout);
    return kod;
  }
  std::vector<WierszTabeli> wiersze;
  int kod = KodPoprawny;
  for (const std::string& plik : o.pliki) {
    std::printf("==> %s <==\n", plik.c_str());
    wiersze.push_back(przetworz(plik));
    kod = Gorszy(kod, wiersze.back().kod);
  }
  std::printf("\n");
  DrukujTabele(wiersze);
  std::fflush(stdout);
  return kod;
}
