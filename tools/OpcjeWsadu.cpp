#include "OpcjeWsadu.h"

#include <string_view>

#include "LiczbyOpcji.h"

namespace kelbra::wsad {

namespace {

bool Jedna(std::string_view a, std::initializer_list<std::string_view> z) {
  for (std::string_view s : z)
    if (a == s) return true;
  return false;
}

// Options that say what is printed or which files run: a task says only
// what a run does and what it must show.
bool OpcjaWyjscia(std::string_view a) { return Jedna(a, {"--dump", "--prn", "--hex", "--trace", "--trace-from", "--lcd-png"}); }

std::optional<std::string> OdmowaWZadaniu(const std::string& a) {
  if (OpcjaWyjscia(a)) return a + " nie nalezy do zadania: opcje wydruku podaje sie w wierszu polecen";
  if (a == "--script") return "--script nie nalezy do zadania: klawisze podaje sie przez --key, --release, --pc-key";
  if (Jedna(a, {"--task", "--no-task", "--help", "-h"})) return a + " nie nalezy do zadania";
  if (a.size() > 1 && a[0] == '-') return {};
  return "nadmiarowy argument w zadaniu: \"" + a + "\" (pliki podaje sie w wierszu polecen)";
}

}  // namespace

std::optional<BladOpcji> CzytajArgumenty(const std::vector<Argument>& argumenty, OpcjeWsadu& o) {
  for (size_t i = 0; i < argumenty.size(); ++i) {
    const std::string& a = argumenty[i].tekst;
    const int32_t linia = argumenty[i].linia;
    auto blad = [&](std::string tekst) { return BladOpcji{linia, std::move(tekst)}; };
    if (linia >= 0)
      if (auto odmowa = OdmowaWZadaniu(a)) return blad(*odmowa);
    // An option's value follows it on the same line.
    const bool maWartosc = i + 1 < argumenty.size() && argumenty[i + 1].linia == linia;
    const std::string* wartosc = maWartosc ? &argumenty[i + 1].tekst : nullptr;
    auto dziesietna = [&]() -> std::optional<uint64_t> { return LiczbaDziesietna(*wartosc); };
    auto adres = [&]() -> std::optional<uint16_t> {
      const auto v = LiczbaSzesnastkowa(*wartosc, 0xFFFF);
      if (!v) return std::nullopt;
      return static_cast<uint16_t>(*v);
    };

    if (a == "--help" || a == "-h") {
      o.pomoc = true;
      return std::nullopt;
    }
    if (a == "--dump") {
      o.zrzut = true;
      continue;
    }
    if (a == "--prn") {
      o.prn = true;
      continue;
    }
    if (a == "--hex") {
      o.hex = true;
      continue;
    }
    if (a == "--no-task") {
      o.bezZadania = true;
      continue;
    }
    const bool zWartoscia = Jedna(a, {"--cycles", "--until-pc", "--key", "--release", "--pc-key", "--script",
                                      "--pc-key-gap", "--expect", "--trace", "--trace-from", "--lcd-png", "--task"});
    if (!zWartoscia) {
      if (a.size() > 1 && a[0] == '-') return blad("nieznana opcja: " + a);
      o.pliki.push_back(a);
      continue;
    }
    if (!wartosc) return blad("brak wartosci po " + a);
    ++i;
    if (a == "--cycles" || a == "--pc-key-gap" || a == "--trace") {
      const auto v = dziesietna();
      if (!v) return blad("niepoprawna liczba w " + a + ": " + *wartosc);
      if (a == "--cycles") o.cykle = *v;
      else if (a == "--pc-key-gap") o.odstep = *v;
      else o.slad = *v;
    } else if (a == "--until-pc" || a == "--trace-from") {
      const auto v = adres();
      if (!v) return blad("niepoprawny adres: " + *wartosc);
      (a == "--until-pc" ? o.doPC : o.sladOd) = *v;
    } else if (a == "--expect") {
      Oczekiwanie oczekiwanie;
      const std::string tekst = CzytajOczekiwanie(*wartosc, oczekiwanie);
      if (!tekst.empty()) return blad(tekst);
      o.oczekiwania.push_back(std::move(oczekiwanie));
    } else if (a == "--lcd-png" || a == "--task") {
      if (wartosc->empty()) return blad("pusta nazwa po " + a);
      (a == "--task" ? o.zadanie : o.png) = *wartosc;
    } else {
      o.opcjeZdarzen.push_back({a, *wartosc, linia});
    }
  }
  return std::nullopt;
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
