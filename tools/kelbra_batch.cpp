// kelbra-batch: runs programs on the emulated 8051 without a screen and
// prints what happened, for tests, benchmarks and checking students' work.

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <unistd.h>

#include "ArkuszCsv.h"
#include "Asembler.h"
#include "DokumentZrodlowy.h"
#include "FormatLiczb.h"
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
#include "Vcd.h"
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

void Komunikat(const std::string& tekst) {
  std::fflush(stdout);
  std::fprintf(stderr, "kelbra-batch: %s\n", tekst.c_str());
}

[[noreturn]] void Zakoncz(const std::string& komunikat) {
  Komunikat(komunikat);
  std::fputs(wsad::Uzycie().c_str(), stderr);
  std::exit(KodBleduWywolania);
}

// A bad task file: the message says all, without the usage.
[[noreturn]] void Przerwij(const std::string& komunikat) {
  Komunikat(komunikat);
  std::exit(KodBleduWywolania);
}

// What one file's run prints, in order. Files checked side by side keep it
// until their turn; a file checked alone prints it as it comes.
class Wydruk {
 public:
  Wydruk(bool odRazu, bool wyjscie) : odRazu_(odRazu), wyjscie_(wyjscie) {}

  void operator()(const char* format, ...) __attribute__((format(printf, 2, 3))) {
    va_list a;
    va_start(a, format);
    char bufor[256];
    va_list b;
    va_copy(b, a);
    const int n = std::vsnprintf(bufor, sizeof bufor, format, a);
    std::string tekst;
    if (n >= 0 && static_cast<size_t>(n) < sizeof bufor) {
      tekst.assign(bufor, static_cast<size_t>(n));
    } else if (n >= 0) {
      tekst.resize(static_cast<size_t>(n) + 1);
      std::vsnprintf(tekst.data(), tekst.size(), format, b);
      tekst.pop_back();
    }
    va_end(b);
    va_end(a);
    Dodaj(false, std::move(tekst));
  }
  void Linia(const std::string& tekst) { Dodaj(false, tekst + "\n"); }
  void Komunikat(const std::string& tekst) { Dodaj(true, "kelbra-batch: " + tekst + "\n"); }

  bool OdRazu() const { return odRazu_; }
  void Wypisz() {
    for (const auto& [blad, tekst] : czesci_) Pisz(blad, tekst);
    czesci_.clear();
  }

 private:
  void Dodaj(bool blad, std::string tekst) {
    if (!blad && !wyjscie_) return;
    if (odRazu_) Pisz(blad, tekst);
    else czesci_.emplace_back(blad, std::move(tekst));
  }
  static void Pisz(bool blad, const std::string& tekst) {
    if (blad) std::fflush(stdout);
    std::fputs(tekst.c_str(), blad ? stderr : stdout);
  }

  bool odRazu_;
  bool wyjscie_;  // false while standard output carries the sheet
  std::vector<std::pair<bool, std::string>> czesci_;
};

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

// A folder that gets one file a program, each named by the program's stem.
// `opcja` names the option in the message when it is not a folder.
void KatalogNaPliki(const Opcje& o, const std::string& katalog, const std::string& opcja, bool utworz) {
  std::error_code blad;
  if (utworz) std::filesystem::create_directories(katalog, blad);
  if (!std::filesystem::is_directory(katalog)) Zakoncz(opcja + " podaje istniejacy katalog: " + katalog);
  std::set<std::string> rdzenie;
  for (const std::string& p : o.pliki)
    if (!rdzenie.insert(Rdzen(p)).second) Zakoncz("dwa pliki daja te same nazwy " + Rdzen(p) + " w " + katalog);
}

Opcje CzytajOpcje(const std::vector<wsad::Argument>& argumenty) {
  Opcje o;
  if (const auto blad = wsad::CzytajArgumenty(argumenty, o)) Zakoncz(blad->tekst);
  if (o.pomoc) {
    std::fputs(wsad::Pomoc().c_str(), stdout);
    std::exit(KodPoprawny);
  }
  if (o.pliki.empty()) Zakoncz("nie podano pliku");
  if (o.sladOd && o.slad == 0) Zakoncz("--trace-from wymaga --trace N");
  // With several programs the picture options name a folder, one file a program.
  for (const auto& [sciezka, opcja] : {std::pair{&o.png, "--lcd-png"}, {&o.vcd, "--vcd"}}) {
    if (sciezka->empty() || o.pliki.size() < 2) continue;
    KatalogNaPliki(o, *sciezka, std::string("przy wielu plikach ") + opcja, false);
  }
  if (!o.raport.empty()) KatalogNaPliki(o, o.raport, "--report", true);
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

void DrukujWiersz(Wydruk& d, const char* nazwa, unsigned adres, const uint8_t* bajty, int szerokosc) {
  d("%s %0*X:", nazwa, szerokosc, adres);
  for (int k = 0; k < 16; ++k) d(" %02X", bajty[k]);
  d("\n");
}

// The 16 visible characters of an LCD line; codes outside 20h-7Eh show as ".".
std::string LiniaLcd(const char* nazwa, const std::array<uint8_t, 16>& znaki) {
  std::string linia = std::string(nazwa) + ": \"";
  for (uint8_t z : znaki) linia += z >= 0x20 && z <= 0x7E ? static_cast<char>(z) : '.';
  return linia + "\"";
}

void DrukujStan(Wydruk& d, const Jadro& j, const kelbra::PlytkaKelbra& plytka, uint64_t cykle) {
  using namespace kelbra::sfr;
  d("PC=%04X A=%02X B=%02X PSW=%02X SP=%02X DPTR=%02X%02X CYCLES=%llu\n", j.PC, j.Data[ACC], j.Data[B], j.Data[PSW],
    j.Data[SP], j.Data[DPH], j.Data[DPL], static_cast<unsigned long long>(cykle));
  for (unsigned a = 0; a < 0x100; a += 16) DrukujWiersz(d, "DATA", a, &j.Data[a], 2);
  for (unsigned a = 0x80; a < 0x100; a += 16) DrukujWiersz(d, "IDATA", a, &j.IdataGorna[a], 2);
  for (unsigned a : {0xFFB0u, 0xFFE0u, 0xFFF0u}) DrukujWiersz(d, "XDATA", a, &j.Xdata[a], 4);
  d.Linia(LiniaLcd("LCD1", plytka.lcd.ZnakiLinii(0)));
  d.Linia(LiniaLcd("LCD2", plytka.lcd.ZnakiLinii(1)));
}

void DrukujLinie(Wydruk& d, const std::vector<kelbra::TekstCp1250>& linie) {
  for (const kelbra::TekstCp1250& l : linie) d.Linia(kelbra::Cp1250DoUtf8(l));
}

// Prints the lists, then the listing and the HEX records of a successful
// run.
void DrukujAsemblacje(Wydruk& d, const kelbra::WynikAsemblacji& w, const Opcje& o, const Jadro& j,
                      const std::vector<kelbra::TekstCp1250>& linie) {
  DrukujLinie(d, w.Bledy);
  DrukujLinie(d, w.Ostrzezenia);
  if (w.FlagaBledu) return;
  if (o.prn) DrukujLinie(d, kelbra::BudujWydrukPRN(w, j.Code, linie));
  // The records are an image for a real chip, in the data sheet's order.
  if (o.hex) d("%s", kelbra::ZapiszIntelHex(kelbra::BajtyObrazu(w, j.Code)).c_str());
}

// One file's result: a row of the table and of the sheet, -1 where the
// step did not happen, and what it printed.
struct WynikPliku {
  WynikPliku(std::string p, const Opcje& o, bool odRazu)
      : plik(std::move(p)), wydruk(odRazu, o.csv != "-"), z(static_cast<int64_t>(o.oczekiwania.size())) {
    for (const wsad::Oczekiwanie& x : o.oczekiwania) mozliwe += x.punkty;
  }
  std::string plik;
  Wydruk wydruk;
  int asemblacja = -1;  // 1 assembled, 0 refused, -1 not assembled (an image, an unreadable file)
  int64_t bledy = -1;
  int64_t spelnione = -1;
  int64_t z = 0;
  int64_t punkty = -1;
  int64_t mozliwe = 0;
  int64_t cykle = -1;
  int kod = KodPoprawny;
  bool bezAdresu = false;      // the run never reached --until-pc
  std::string pierwsza;        // the first failure line
  std::vector<std::string> raport;  // the result lines the report file gets
};

void ZlyPlik(WynikPliku& t, const std::string& komunikat) {
  t.wydruk.Komunikat(komunikat);
  if (t.pierwsza.empty()) t.pierwsza = komunikat;
  t.raport.push_back(komunikat);
  t.kod = KodBleduWywolania;
}

void SprawdzKoniec(const Opcje& o, const wsad::Sprawdzanie& sprawdzanie, uint64_t cykle, WynikPliku& t) {
  t.spelnione = 0;
  t.punkty = 0;
  for (size_t i = 0; i < o.oczekiwania.size(); ++i) {
    const wsad::WynikOczekiwania& w = sprawdzanie.Wyniki()[i];
    if (!w.spelnione) {
      const std::string linia = wsad::LiniaNiespelnionego(o.oczekiwania[i], w, cykle);
      t.wydruk.Linia(linia);
      if (t.pierwsza.empty()) t.pierwsza = linia;
    } else {
      ++t.spelnione;
      t.punkty += o.oczekiwania[i].punkty;
    }
  }
  if (t.spelnione < t.z) t.kod = KodOczekiwan;
}

// A stop address the run never reached fails as an expectation does.
void SprawdzDoPC(const Opcje& o, const wsad::WynikPrzebiegu& w, WynikPliku& t) {
  if (!o.doPC || w.DoszedlDoPC) return;
  const std::string linia = "Nie osiagnieto adresu --until-pc " + kelbra::Szesnastkowo(*o.doPC, 4) +
                            ", przebieg skonczyl sie w cyklu " + std::to_string(w.Cykle) +
                            (o.cykle ? "" : " (domyslny limit, podaj --cycles)");
  t.wydruk.Linia(linia);
  if (t.pierwsza.empty()) t.pierwsza = linia;
  t.bezAdresu = true;
  t.kod = KodOczekiwan;
}

void ZglosNiezastosowane(const Opcje& o, const wsad::WynikPrzebiegu& w, Wydruk& d) {
  const auto& zdarzenia = o.zdarzenia.Zdarzenia;
  if (w.Zastosowane >= zdarzenia.size()) return;
  const wsad::ZdarzeniePlytki& z = zdarzenia[w.Zastosowane];
  d.Komunikat("nie zastosowano zdarzen po koncu przebiegu (" + std::to_string(w.Cykle) +
              " cykli): " + std::to_string(zdarzenia.size() - w.Zastosowane) + ", pierwsze: " +
              o.zdarzenia.Miejsce(z) + " w cyklu " + std::to_string(z.Cykl));
}

std::string Punkty(int64_t punkty, int64_t mozliwe) { return std::to_string(punkty) + "/" + std::to_string(mozliwe); }

// The report file's lines for a run: a title, every expectation held or
// not, failed first, then the LCD's lines.
void RaportPrzebiegu(const Opcje& o, const wsad::Sprawdzanie& s, uint64_t cykle, WynikPliku& t) {
  t.raport.push_back("Sprawdzenie: " + std::to_string(t.spelnione) + " z " + std::to_string(t.z) +
                     " spełnione, punkty " + Punkty(t.punkty, t.mozliwe) + ", " + std::to_string(cykle) + " cykli");
  for (std::string& wiersz : wsad::WierszeSprawdzenia(o.oczekiwania, s.Wyniki(), cykle, true, true))
    t.raport.push_back(std::move(wiersz));
}

// Assembles or loads one file, runs it from a reset and checks it.
void Przetworz(const Opcje& o, const std::optional<kelbra::BajtyPliku>& bajty, WynikPliku& t) {
  const std::string& plik = t.plik;
  Wydruk& d = t.wydruk;
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
    // A ready image was made for a real chip: MOV direct,direct source first.
    m->UstawKolejnoscMov85(kelbra::KolejnoscMov85::ZrodloCel);
  } else if (male.ends_with(".bin")) {
    if (bajty->size() > j->Code.size()) return ZlyPlik(t, "obraz wiekszy niz 64 KB: " + plik);
    std::copy(bajty->begin(), bajty->end(), j->Code.begin());
    m->UstawKolejnoscMov85(kelbra::KolejnoscMov85::ZrodloCel);
  } else {
    linie = kelbra::LinieDlaAsemblera(kelbra::CzytajPlikZrodlowy(tekst).Linie);
    const kelbra::WynikAsemblacji& w = asembler.Analizuj_kod_asemblera(linie);
    DrukujAsemblacje(d, w, o, *j, linie);
    t.bledy = static_cast<int64_t>(w.Bledy.size());
    t.asemblacja = w.FlagaBledu ? 0 : 1;
    for (const auto* lista : {&w.Bledy, &w.Ostrzezenia})
      for (const kelbra::TekstCp1250& l : *lista) t.raport.push_back(kelbra::Cp1250DoUtf8(l));
    if (w.FlagaBledu) {
      t.kod = KodBleduAsemblacji;
      if (!w.Bledy.empty()) t.pierwsza = kelbra::Cp1250DoUtf8(w.Bledy.front());
      return;
    }
    tabela = &w.Tabela;
  }

  std::optional<wsad::SladRozkazow> slad;
  if (o.slad > 0) slad.emplace(tabela, linie);
  if (!o.vcd.empty()) m->WlaczPrzebiegi(true);
  wsad::Sprawdzanie sprawdzanie(o.oczekiwania);
  // A long run shows how far it got, on a terminal only, and only when
  // files run one at a time.
  const bool terminal = d.OdRazu() && isatty(STDERR_FILENO) != 0;
  bool postep = false;
  const wsad::WynikPrzebiegu w = wsad::UruchomZOpcjami(
      *m, o, UINT64_MAX, sprawdzanie, [&](uint64_t cykle, const Jadro& jadro) { d.Linia(slad->Linia(cykle, jadro)); },
      terminal ? std::function<void(uint64_t)>([&](uint64_t cykle) {
        std::fprintf(stderr, "\rkelbra-batch: %s: %llu mln cykli...", plik.c_str(),
                     static_cast<unsigned long long>(cykle / 1'000'000));
        postep = true;
      })
               : nullptr);
  if (postep) std::fputs("\n", stderr);
  t.cykle = static_cast<int64_t>(w.Cykle);
  ZglosNiezastosowane(o, w, d);
  if (o.zrzut) DrukujStan(d, *j, *plytka, w.Cykle);
  SprawdzKoniec(o, sprawdzanie, w.Cykle, t);
  SprawdzDoPC(o, w, t);
  if (!o.raport.empty()) RaportPrzebiegu(o, sprawdzanie, w.Cykle, t);
  if (t.kod == KodOczekiwan) {
    // Where the program was when the run ended, and whether it was going round in place.
    if (!slad) slad.emplace(tabela, linie);
    const std::string koniec = slad->Koniec(w, j->PC);
    d.Linia(koniec);
    if (!o.raport.empty()) t.raport.push_back(koniec);
  }
  if (!o.png.empty()) {
    const std::string sciezka =
        o.pliki.size() > 1 ? (std::filesystem::path(o.png) / (Rdzen(plik) + ".png")).string() : o.png;
    const std::string blad = wsad::ZapiszPng(wsad::ObrazLcd(plytka->lcd), sciezka);
    if (!blad.empty()) ZlyPlik(t, blad);
  }
  if (!o.vcd.empty()) {
    const std::string sciezka =
        o.pliki.size() > 1 ? (std::filesystem::path(o.vcd) / (Rdzen(plik) + ".vcd")).string() : o.vcd;
    if (const kelbra::BladPliku blad = kelbra::ZapiszVcd(sciezka, m->przebiegi())) {
      // The window's two-line message as one line of the runner's.
      std::string komunikat = kelbra::KomunikatBleduPliku(blad, sciezka, std::strerror(blad.kod));
      std::replace(komunikat.begin(), komunikat.end(), '\n', ' ');
      ZlyPlik(t, komunikat);
    }
  }
  if (!o.raport.empty()) {
    t.raport.push_back(LiniaLcd("LCD1", plytka->lcd.ZnakiLinii(0)));
    t.raport.push_back(LiniaLcd("LCD2", plytka->lcd.ZnakiLinii(1)));
    const std::string png = Rdzen(plik) + ".png";
    const std::string blad =
        wsad::ZapiszPng(wsad::ObrazLcd(plytka->lcd), (std::filesystem::path(o.raport) / png).string());
    if (!blad.empty()) ZlyPlik(t, blad);
    else t.raport.push_back("Obraz wyświetlacza: " + png);
  }
}

// A file with task lines of its own runs with them before the command line's
// options, unless the command line gave a task or refused them.
WynikPliku PrzetworzZZadaniem(const std::string& plik, const Opcje& wiersz, const std::optional<Opcje>& zadanie,
                              const std::vector<wsad::Argument>& argumenty, bool odRazu) {
  // The file is read once, for its task lines and its program alike.
  const auto bajty = CzytajBajty(plik);
  std::vector<wsad::Argument> linie;
  auto blad = zadanie || wiersz.bezZadania || ObrazKodu(plik) || !bajty ? std::nullopt : LinieZadania(*bajty, linie);
  const Opcje& wspolne = zadanie ? *zadanie : wiersz;
  if (!blad && linie.empty()) {
    WynikPliku t(plik, wspolne, odRazu);
    Przetworz(wspolne, bajty, t);
    return t;
  }
  Opcje wlasne;
  if (!blad) blad = OpcjeZZadaniem(std::move(linie), argumenty, wlasne);
  WynikPliku t(plik, blad ? wspolne : wlasne, odRazu);
  if (!blad) {
    Przetworz(wlasne, bajty, t);
    return t;
  }
  // A task never runs half-understood; its line is the file's error.
  if (blad->linia < 0) {
    ZlyPlik(t, blad->tekst);
    return t;
  }
  t.pierwsza = wsad::LiniaBledu(*blad);
  t.raport.push_back(t.pierwsza);
  t.wydruk.Linia(t.pierwsza);
  t.bledy = 1;
  t.kod = KodBleduAsemblacji;
  return t;
}

// Display width of UTF-8 text: one column a character.
size_t Szerokosc(const std::string& s) {
  return static_cast<size_t>(std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string Pole(int64_t v) { return v < 0 ? std::string("-") : std::to_string(v); }

void DrukujTabele(const std::vector<WynikPliku>& wiersze) {
  size_t szerokosc = Szerokosc("plik");
  for (const WynikPliku& w : wiersze) szerokosc = std::max(szerokosc, Szerokosc(w.plik));
  auto wiersz = [&](const std::string& plik, const std::string& b, const std::string& s, const std::string& n,
                    const std::string& p, const std::string& c, const std::string& k) {
    std::printf("%s%*s  %5s  %9s  %12s  %7s  %12s  %3s\n", plik.c_str(),
                static_cast<int>(szerokosc - Szerokosc(plik)), "", b.c_str(), s.c_str(), n.c_str(), p.c_str(),
                c.c_str(), k.c_str());
  };
  wiersz("plik", "bledy", "spelnione", "niespelnione", "punkty", "cykle", "kod");
  for (const WynikPliku& w : wiersze) {
    const bool przebieg = w.spelnione >= 0;
    wiersz(w.plik, Pole(w.bledy), Pole(w.spelnione), przebieg ? std::to_string(w.z - w.spelnione + (w.bezAdresu ? 1 : 0)) : "-",
           przebieg ? Punkty(w.punkty, w.mozliwe) : "-", Pole(w.cykle), std::to_string(w.kod));
  }
}

// The sheet: a header, then a row a file; a step that did not happen
// leaves its cells empty, and a file that never ran scores nothing.
std::string Arkusz(const std::vector<WynikPliku>& wiersze, char sep) {
  std::string arkusz = wsad::WierszCsv({"plik", "nazwa", "asemblacja", "bledy", "spelnione", "z", "punkty", "mozliwe",
                                        "cykle", "kod", "pierwsza_niespelniona"},
                                       sep);
  auto pole = [](int64_t v) { return v < 0 ? std::string() : std::to_string(v); };
  for (const WynikPliku& w : wiersze) {
    arkusz += wsad::WierszCsv({wsad::TekstCsv(w.plik), wsad::TekstCsv(Rdzen(w.plik)), w.asemblacja < 0 ? "" : w.asemblacja ? "tak" : "nie",
                               pole(w.bledy), std::to_string(std::max<int64_t>(w.spelnione, 0)), std::to_string(w.z),
                               std::to_string(std::max<int64_t>(w.punkty, 0)), std::to_string(w.mozliwe),
                               pole(w.cykle), std::to_string(w.kod), wsad::TekstCsv(w.pierwsza)},
                              sep);
  }
  return arkusz;
}

std::string BladZapisu(const std::string& sciezka, const kelbra::BladPliku& blad) {
  return "nie mozna zapisac " + sciezka + ": " + std::strerror(blad.kod);
}

// The report file of one program, beside its picture.
void ZapiszRaport(const Opcje& o, WynikPliku& t) {
  std::string tekst = "Plik: " + t.plik + "\n";
  if (t.raport.empty() && t.kod == KodBleduAsemblacji) tekst += "Asemblacja nieudana\n";
  for (const std::string& l : t.raport) tekst += l + "\n";
  const std::string sciezka = (std::filesystem::path(o.raport) / (Rdzen(t.plik) + ".txt")).string();
  if (const kelbra::BladPliku blad = kelbra::ZapiszPlik(sciezka, tekst)) {
    t.wydruk.Komunikat(BladZapisu(sciezka, blad));
    t.kod = KodBleduWywolania;
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<wsad::Argument> argumenty = Argumenty(argc, argv);
  const Opcje wiersz = CzytajOpcje(argumenty);
  const std::optional<Opcje> zadanie =
      wiersz.zadanie.empty() ? std::nullopt : std::optional<Opcje>(OpcjeZadania(wiersz.zadanie, argumenty));
  const std::vector<std::string>& pliki = wiersz.pliki;
  const size_t ile = pliki.size();
  const unsigned watki = static_cast<unsigned>(std::min<size_t>(
      ile, wiersz.watki.value_or(std::max(1u, std::thread::hardware_concurrency()))));
  // Alone, a file prints as it runs; side by side, each waits for its turn.
  const bool odRazu = watki <= 1;

  // Each file runs on a machine of its own; the results are taken, and
  // printed, in the order of the arguments.
  std::vector<std::optional<WynikPliku>> wyniki(ile);
  std::mutex straz;
  std::condition_variable gotowy;
  std::atomic<size_t> nastepny{0};
  auto sprawdz = [&](size_t k) {
    WynikPliku t = PrzetworzZZadaniem(pliki[k], wiersz, zadanie, argumenty, odRazu);
    if (!wiersz.raport.empty()) ZapiszRaport(zadanie ? *zadanie : wiersz, t);
    return t;
  };
  auto pracuj = [&] {
    for (size_t k; (k = nastepny++) < ile;) {
      WynikPliku t = sprawdz(k);
      std::lock_guard blokada(straz);
      wyniki[k].emplace(std::move(t));
      gotowy.notify_one();
    }
  };
  std::vector<std::thread> pomocnicy;
  if (watki > 1)
    for (unsigned k = 0; k < watki; ++k) pomocnicy.emplace_back(pracuj);

  std::vector<WynikPliku> wiersze;
  int kod = KodPoprawny;
  const bool tabela = ile > 1 && wiersz.csv != "-";
  for (size_t k = 0; k < ile; ++k) {
    if (tabela) std::printf("==> %s <==\n", pliki[k].c_str());
    // Without helpers the main thread runs the files itself, printing as they go.
    if (pomocnicy.empty()) {
      wyniki[k].emplace(sprawdz(k));
    } else {
      std::unique_lock blokada(straz);
      gotowy.wait(blokada, [&] { return wyniki[k].has_value(); });
    }
    wiersze.push_back(std::move(*wyniki[k]));
    wyniki[k].reset();
    wiersze.back().wydruk.Wypisz();
    kod = Gorszy(kod, wiersze.back().kod);
  }
  for (std::thread& t : pomocnicy) t.join();

  if (tabela) {
    std::printf("\n");
    DrukujTabele(wiersze);
  }
  if (!wiersz.csv.empty()) {
    const std::string arkusz = Arkusz(wiersze, wiersz.separatorCsv);
    if (wiersz.csv == "-") {
      std::fputs(arkusz.c_str(), stdout);
    } else if (const kelbra::BladPliku blad = kelbra::ZapiszPlik(wiersz.csv, arkusz)) {
      Komunikat(BladZapisu(wiersz.csv, blad));
      kod = KodBleduWywolania;
    }
  }
  std::fflush(stdout);
  return kod;
}
