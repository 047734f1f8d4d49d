#include "OpcjeWsadu.h"

#include <algorithm>
#include <string_view>

#include "LiczbyOpcji.h"

namespace kelbra::wsad {

namespace {

// What a setter sees: the options being filled, the line the option came
// from, and the expectation a --points right after it would score.
struct Czytanie {
  OpcjeWsadu& o;
  int32_t linia = -1;
  std::optional<size_t> doPunktow;
  int32_t liniaOczekiwania = -1;
};

// An option's setter returns an error message, or an empty string.
using Ustaw = std::string (*)(Czytanie& c, const std::string& wartosc);

struct OpisOpcji {
  std::string_view nazwa;
  std::string_view skrot;    // another spelling, or empty
  std::string_view wartosc;  // the value as the usage names it; empty: the option takes none
  bool wZadaniu;             // a task line may give it
  std::string_view odmowa;   // why a task line may not, after "... nie nalezy do zadania"
  std::string_view opis;     // the help line
  Ustaw ustaw;
};

constexpr std::string_view Wydruk = ": opcje wydruku podaje sie w wierszu polecen";

std::string Dziesietna(const std::string& nazwa, const std::string& w, uint64_t& cel, uint64_t max = MaksymalnyCykl) {
  const auto v = LiczbaDziesietna(w, max);
  if (!v) return "niepoprawna liczba w " + nazwa + ": " + w;
  cel = *v;
  return {};
}

std::string Adres(const std::string& w, std::optional<uint16_t>& cel) {
  const auto v = LiczbaSzesnastkowa(w, 0xFFFF);
  if (!v) return "niepoprawny adres: " + w;
  cel = static_cast<uint16_t>(*v);
  return {};
}

std::string Nazwa(const std::string& nazwa, const std::string& w, std::string& cel) {
  if (w.empty()) return "pusta nazwa po " + nazwa;
  cel = w;
  return {};
}

std::string Zdarzenie(Czytanie& c, const char* opcja, const std::string& w) {
  c.o.opcjeZdarzen.push_back({opcja, w, c.linia});
  return {};
}

// A flag option's setter.
template <bool OpcjeWsadu::*Pole>
std::string Wlacz(Czytanie& c, const std::string&) {
  c.o.*Pole = true;
  return {};
}

// Points an expectation may carry: enough for any grading scale, and a sum
// over a task cannot overflow.
constexpr uint64_t NajwiecejPunktow = 1000;
constexpr uint64_t NajwiecejWatkow = 256;

// The one list of options: the parser, the task-line rule and the usage
// all read it.
constexpr OpisOpcji Opcje[] = {
    {"--cycles", "", "N", true, "", "wykonaj co najmniej N cykli maszynowych od zerowania",
     [](Czytanie& c, const std::string& w) {
       uint64_t v = 0;
       std::string blad = Dziesietna("--cycles", w, v);
       if (blad.empty()) c.o.cykle = v;
       return blad;
     }},
    {"--until-pc", "", "ADRES", true, "", "zatrzymaj przed rozkazem pod ADRESEM (szesnastkowo)",
     [](Czytanie& c, const std::string& w) { return Adres(w, c.o.doPC); }},
    {"--key", "", "NAZWA@CYKL", true, "", "kliknij klawisz S1-S8 albo wcisnij K0-K15",
     [](Czytanie& c, const std::string& w) { return Zdarzenie(c, "--key", w); }},
    {"--release", "", "NAZWA@CYKL", true, "", "pusc klawisz K0-K15",
     [](Czytanie& c, const std::string& w) { return Zdarzenie(c, "--release", w); }},
    {"--pc-key", "", "TEKST@CYKL", true, "", "wpisz TEKST na klawiaturze PC, np. {Enter}",
     [](Czytanie& c, const std::string& w) { return Zdarzenie(c, "--pc-key", w); }},
    {"--pc-key-gap", "", "N", true, "", "odstep klawiszy PC w cyklach (domyslnie 1000)",
     [](Czytanie& c, const std::string& w) {
       uint64_t v = 0;
       std::string blad = Dziesietna("--pc-key-gap", w, v);
       if (blad.empty()) c.o.odstep = v;
       return blad;
     }},
    {"--script", "", "PLIK", false, ": klawisze podaje sie przez --key, --release, --pc-key",
     "zdarzenia z pliku: CYKL key S1, CYKL release K3, CYKL pc-key TEKST",
     [](Czytanie& c, const std::string& w) { return Zdarzenie(c, "--script", w); }},
    {"--expect", "", "CO=WARTOSC[@OD[..DO]]", true, "",
     "sprawdz LCD1, LCD2, SFR, DATA:AA, IDATA:AA, XDATA:AAAA albo PC\n"
     "na koncu, w cyklu OD albo kiedykolwiek w cyklach OD..DO",
     [](Czytanie& c, const std::string& w) {
       Oczekiwanie oczekiwanie;
       std::string blad = CzytajOczekiwanie(w, oczekiwanie);
       if (!blad.empty()) return blad;
       c.o.oczekiwania.push_back(std::move(oczekiwanie));
       c.doPunktow = c.o.oczekiwania.size() - 1;
       c.liniaOczekiwania = c.linia;
       return blad;
     }},
    {"--points", "", "N", true, "", "punkty za --expect tuz przed ta opcja (domyslnie 1)",
     [](Czytanie& c, const std::string& w) {
       if (!c.doPunktow || c.liniaOczekiwania != c.linia)
         return std::string("--points ") + w + ": musi stac zaraz po --expect" +
                (c.linia >= 0 ? " w tym samym wierszu" : "");
       const auto v = LiczbaDziesietna(w, NajwiecejPunktow);
       if (!v) return "niepoprawna liczba punktow w --points: " + w + " (0-" + std::to_string(NajwiecejPunktow) + ")";
       c.o.oczekiwania[*c.doPunktow].punkty = static_cast<uint32_t>(*v);
       c.doPunktow.reset();
       return std::string();
     }},
    {"--task", "", "ZADANIE.asm", false, "", "wez wiersze zadania z tego pliku, pomin te w sprawdzanych",
     [](Czytanie& c, const std::string& w) { return Nazwa("--task", w, c.o.zadanie); }},
    {"--no-task", "", "", false, "", "pomin wiersze zadania",
     &Wlacz<&OpcjeWsadu::bezZadania>},
    {"--prn", "", "", false, Wydruk, "wypisz wydruk PRN",
     &Wlacz<&OpcjeWsadu::prn>},
    {"--hex", "", "", false, Wydruk, "wypisz bajty CODE jako rekordy Intel HEX (obraz dla 8051)",
     &Wlacz<&OpcjeWsadu::hex>},
    {"--dump", "", "", false, Wydruk, "wypisz rejestry, pamiec, bajty plytki i linie LCD",
     &Wlacz<&OpcjeWsadu::zrzut>},
    {"--trace", "", "N", false, Wydruk, "wypisz pierwsze N wykonanych rozkazow",
     [](Czytanie& c, const std::string& w) { return Dziesietna("--trace", w, c.o.slad); }},
    {"--trace-from", "", "ADRES", false, Wydruk, "zacznij slad od pierwszego dojscia do ADRESU",
     [](Czytanie& c, const std::string& w) { return Adres(w, c.o.sladOd); }},
    {"--lcd-png", "", "PLIK.png", false, Wydruk, "zapisz obraz LCD (przy wielu plikach: katalog)",
     [](Czytanie& c, const std::string& w) { return Nazwa("--lcd-png", w, c.o.png); }},
    {"--vcd", "", "PLIK.vcd", false, Wydruk,
     "zapisz przebiegi portow, klawiszy i zapisow do LCD jako VCD (przy wielu plikach: katalog)",
     [](Czytanie& c, const std::string& w) { return Nazwa("--vcd", w, c.o.vcd); }},
    {"--csv", "", "PLIK.csv", false, Wydruk, "zapisz arkusz wynikow, wiersz na plik (- : standardowe wyjscie)",
     [](Czytanie& c, const std::string& w) { return Nazwa("--csv", w, c.o.csv); }},
    {"--csv-sep", "", "ZNAK", false, Wydruk, "separator pol arkusza (domyslnie przecinek, np. ';')",
     [](Czytanie& c, const std::string& w) {
       const char z = w.size() == 1 ? w[0] : w == "\\t" || w == "tab" ? '\t' : '\0';
       if (z == '\0' || z == '"' || z == '\r' || z == '\n' || static_cast<unsigned char>(z) >= 0x80)
         return "niepoprawny separator w --csv-sep: \"" + w + "\" (jeden znak, np. , ; albo tab)";
       c.o.separatorCsv = z;
       return std::string();
     }},
    {"--report", "", "KATALOG", false, Wydruk, "zapisz w KATALOGU wyniki i obraz LCD kazdego pliku",
     [](Czytanie& c, const std::string& w) { return Nazwa("--report", w, c.o.raport); }},
    {"-j", "--jobs", "N", false, ": liczbe watkow podaje sie w wierszu polecen",
     "sprawdzaj N plikow naraz (domyslnie tyle, ile rdzeni)",
     [](Czytanie& c, const std::string& w) {
       const auto v = LiczbaDziesietna(w, NajwiecejWatkow);
       if (!v || *v == 0) return "niepoprawna liczba w -j: " + w + " (1-" + std::to_string(NajwiecejWatkow) + ")";
       c.o.watki = static_cast<unsigned>(*v);
       return std::string();
     }},
    {"--help", "-h", "", false, "", "wypisz ten opis i zakoncz",
     &Wlacz<&OpcjeWsadu::pomoc>},
};

const OpisOpcji* Znajdz(std::string_view a) {
  for (const OpisOpcji& op : Opcje)
    if (a == op.nazwa || (!op.skrot.empty() && a == op.skrot)) return &op;
  return nullptr;
}

}  // namespace

std::optional<BladOpcji> CzytajArgumenty(const std::vector<Argument>& argumenty, OpcjeWsadu& o) {
  Czytanie c{o, -1, std::nullopt, -1};
  for (size_t i = 0; i < argumenty.size(); ++i) {
    const std::string& a = argumenty[i].tekst;
    c.linia = argumenty[i].linia;
    auto blad = [&](std::string tekst) { return BladOpcji{c.linia, std::move(tekst)}; };
    const OpisOpcji* op = Znajdz(a);
    if (c.linia >= 0 && (!op || !op->wZadaniu)) {
      if (op) return blad(a + " nie nalezy do zadania" + std::string(op->odmowa));
      if (a.size() <= 1 || a[0] != '-')
        return blad("nadmiarowy argument w zadaniu: \"" + a + "\" (pliki podaje sie w wierszu polecen)");
    }
    if (!op) {
      if (a.size() > 1 && a[0] == '-') return blad("nieznana opcja: " + a);
      o.pliki.push_back(a);
      c.doPunktow.reset();
      continue;
    }
    std::string wartosc;
    if (!op->wartosc.empty()) {
      // An option's value follows it on the same line.
      if (i + 1 == argumenty.size() || argumenty[i + 1].linia != c.linia) return blad("brak wartosci po " + a);
      wartosc = argumenty[++i].tekst;
    }
    std::string tekst = op->ustaw(c, wartosc);
    if (!tekst.empty()) return blad(std::move(tekst));
    // --points scores only the --expect right before it (and ends that
    // itself).
    if (op->nazwa != "--expect") c.doPunktow.reset();
    if (o.pomoc) return std::nullopt;
  }
  return std::nullopt;
}

std::string Uzycie() {
  return "uzycie: kelbra-batch [opcje] PLIK.asm...\n"
         "        kelbra-batch --task ZADANIE.asm [opcje] ROZWIAZANIE.asm...\n"
         "        (kelbra-batch --help wypisuje opcje)\n";
}

std::string Pomoc() {
  std::string tekst = Uzycie().substr(0, Uzycie().rfind("        ("));
  tekst += "opcje (* takze w wierszach " + std::string(";#kelbra") + " zadania):\n";
  for (const OpisOpcji& op : Opcje) {
    std::string zapis = "  " + std::string(op.nazwa);
    if (!op.skrot.empty()) zapis += ", " + std::string(op.skrot);
    if (!op.wartosc.empty()) zapis += " " + std::string(op.wartosc);
    zapis.resize(std::max<size_t>(zapis.size() + 1, 34), ' ');
    zapis += op.wZadaniu ? "* " : "  ";
    // A description of two lines goes on under its first.
    std::string opis(op.opis);
    for (size_t k = opis.find('\n'); k != std::string::npos; k = opis.find('\n', k + 1))
      opis.insert(k + 1, zapis.size(), ' ');
    tekst += zapis + opis + "\n";
  }
  return tekst +
         "PLIK.hex lub PLIK.bin: gotowy obraz CODE. Wiersze ;#kelbra w pliku podaja opcje przebiegu\n"
         "przed opcjami z wiersza polecen.\n"
         "MOV direct,direct (85h): w PLIK.asm, wydruku --prn i pamieci CODE emulatora bajt celu,\n"
         "potem zrodla; obraz z --hex oraz wczytany PLIK.hex i PLIK.bin maja kolejnosc 8051 z karty\n"
         "katalogowej: zrodlo, potem cel (obraz z --hex dziala jak jego zrodlo).\n";
}

std::optional<BladOpcji> ZbudujZdarzenia(OpcjeWsadu& o, const CzytanieSkryptu& czytaj) {
  BudowaZdarzen budowa(o.odstep.value_or(DomyslnyOdstepKlawiszyPC));
  for (const OpcjaZdarzen& z : o.opcjeZdarzen) {
    std::string blad;
    if (z.opcja == "--script") {
      const auto tresc = czytaj ? czytaj(z.wartosc) : std::nullopt;
      if (!tresc) return BladOpcji{z.linia, "nie mozna odczytac skryptu: " + z.wartosc};
      blad = budowa.Skrypt(z.wartosc, *tresc);
    } else if (z.opcja == "--pc-key") {
      blad = budowa.KlawiszePC(z.wartosc);
    } else {
      blad = budowa.Klawisz(z.wartosc, z.opcja == "--release");
    }
    if (!blad.empty()) return BladOpcji{z.linia, std::move(blad)};
  }
  o.zdarzenia = std::move(budowa).Zakoncz();
  return std::nullopt;
}

}  // namespace kelbra::wsad
