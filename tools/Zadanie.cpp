#include "Zadanie.h"

#include <algorithm>
#include <memory>

#include "Asembler.h"
#include "Jadro.h"
#include "Kodowanie.h"
#include "Maszyna.h"
#include "PlikZrodlowy.h"
#include "PrzebiegProgramu.h"

namespace kelbra::wsad {

namespace {

bool Bialy(char32_t c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// What follows the mark, or nothing when the line is no task line.
std::optional<std::u32string_view> PoZnaczniku(std::u32string_view linia) {
  size_t k = 0;
  while (k < linia.size() && (linia[k] == ' ' || linia[k] == '\t')) ++k;
  if (linia.size() - k < ZnacznikZadania.size()) return std::nullopt;
  for (char z : ZnacznikZadania) {
    char32_t c = linia[k++];
    if (c >= 'A' && c <= 'Z') c += 'a' - 'A';
    if (c != static_cast<char32_t>(z)) return std::nullopt;
  }
  return linia.substr(k);
}

}  // namespace

bool LiniaZadania(std::u32string_view linia) { return PoZnaczniku(linia).has_value(); }

bool MaZadanie(const std::vector<std::u32string>& linie) {
  return std::any_of(linie.begin(), linie.end(), [](const std::u32string& l) { return LiniaZadania(l); });
}

std::optional<std::string> PodzielJakPowloka(std::string_view s, std::vector<std::string>& slowa) {
  auto bialy = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  size_t i = 0;
  for (;;) {
    while (i < s.size() && bialy(s[i])) ++i;
    if (i == s.size() || s[i] == '#') return std::nullopt;
    std::string slowo;
    while (i < s.size() && !bialy(s[i])) {
      const char c = s[i];
      if (c == '\\') {
        if (i + 1 == s.size()) return "znak \\ na koncu linii";
        slowo += s[i + 1];
        i += 2;
      } else if (c == '\'') {
        const size_t koniec = s.find('\'', i + 1);
        if (koniec == std::string_view::npos) return "niezamkniety apostrof";
        slowo.append(s.substr(i + 1, koniec - i - 1));
        i = koniec + 1;
      } else if (c == '"') {
        for (++i;; ++i) {
          if (i == s.size()) return "niezamkniety cudzyslow";
          if (s[i] == '"') break;
          if (s[i] == '\\' && i + 1 < s.size() && std::string_view("\"\\$`").find(s[i + 1]) != std::string_view::npos)
            ++i;
          slowo += s[i];
        }
        ++i;
      } else {
        slowo += c;
        ++i;
      }
    }
    slowa.push_back(std::move(slowo));
  }
}

std::optional<BladOpcji> CzytajLinieZadania(const std::vector<std::u32string>& linie,
                                            std::vector<Argument>& argumenty) {
  for (size_t n = 0; n < linie.size(); ++n) {
    const auto reszta = PoZnaczniku(linie[n]);
    if (!reszta) continue;
    const auto linia = static_cast<int32_t>(std::min<size_t>(n, INT32_MAX));
    if (!reszta->empty() && !Bialy(reszta->front()))
      return BladOpcji{linia, "po " + std::string(ZnacznikZadania) + " brak odstepu"};
    std::vector<std::string> slowa;
    if (auto blad = PodzielJakPowloka(DoUtf8(*reszta), slowa)) return BladOpcji{linia, std::move(*blad)};
    for (std::string& s : slowa) argumenty.push_back({std::move(s), linia});
  }
  return std::nullopt;
}

std::string LiniaBledu(const BladOpcji& b) { return "ERROR..." + std::to_string(b.linia) + " linia. " + b.tekst; }

size_t WynikZadania::Spelnione() const {
  return static_cast<size_t>(std::count_if(wyniki.begin(), wyniki.end(), [](const WynikOczekiwania& w) { return w.spelnione; }));
}

WynikPrzebiegu UruchomZOpcjami(Maszyna& m, const OpcjeWsadu& o, uint64_t limitCykli, Sprawdzanie& sprawdzanie,
                               const Slad& slad, std::function<void(uint64_t)> postep) {
  // Entering the emulation mode, as a successful assembly does.
  m.ResetPlytki();
  const Jadro& j = m.jadro();
  const PlytkaKelbra& plytka = m.plytka();
  UstawieniaPrzebiegu u;
  if (o.cykle || o.doPC) u.Cykle = std::min(o.cykle.value_or(DomyslnyLimitCykli), limitCykli);
  u.DoPC = o.doPC;
  u.Zdarzenia = &o.zdarzenia;
  u.Slad = o.slad;
  u.SladOd = o.sladOd;
  u.Kontrole = &sprawdzanie;
  u.Postep = std::move(postep);
  const WynikPrzebiegu w = Uruchom(m, u, slad);
  sprawdzanie.NaKoncu(w.Cykle, j, plytka.lcd);
  return w;
}

WynikZadania SprawdzZadanie(const std::vector<std::u32string>& linie, uint64_t limitCykli) {
  WynikZadania wynik;
  wynik.maZadanie = MaZadanie(linie);
  std::vector<Argument> argumenty;
  OpcjeWsadu o;
  auto blad = CzytajLinieZadania(linie, argumenty);
  if (!blad) blad = CzytajArgumenty(argumenty, o);
  if (!blad) blad = ZbudujZdarzenia(o);
  if (blad) {
    const auto tekst = DekodujUtf8(LiniaBledu(*blad));
    wynik.bledy.push_back(DoCp1250(tekst.value_or(U"")));
    return wynik;
  }

  const auto m = std::make_unique<Maszyna>();
  Asembler asembler(m->jadro());
  std::vector<TekstCp1250> zrodlo = LinieDlaAsemblera(linie);
  const WynikAsemblacji& w = asembler.Analizuj_kod_asemblera(zrodlo);
  wynik.bledy = w.Bledy;
  wynik.ostrzezenia = w.Ostrzezenia;
  if (w.FlagaBledu) return wynik;

  Sprawdzanie sprawdzanie(o.oczekiwania);
  const WynikPrzebiegu p = UruchomZOpcjami(*m, o, limitCykli, sprawdzanie);
  wynik.uruchomione = true;
  wynik.cykle = p.Cykle;
  wynik.wyniki = sprawdzanie.Wyniki();
  wynik.oczekiwania = std::move(o.oczekiwania);
  wynik.niezastosowane = o.zdarzenia.Zdarzenia.size() - p.Zastosowane;
  if (wynik.Spelnione() < wynik.wyniki.size()) wynik.koniec = SladRozkazow(&w.Tabela, std::move(zrodlo)).Koniec(p, m->jadro().PC);
  return wynik;
}

uint64_t WynikZadania::Punkty() const {
  uint64_t suma = 0;
  for (size_t i = 0; i < wyniki.size(); ++i)
    if (wyniki[i].spelnione) suma += oczekiwania[i].punkty;
  return suma;
}

uint64_t WynikZadania::Mozliwe() const {
  uint64_t suma = 0;
  for (const Oczekiwanie& o : oczekiwania) suma += o.punkty;
  return suma;
}

bool WynikZadania::ZPunktami() const {
  return std::any_of(oczekiwania.begin(), oczekiwania.end(), [](const Oczekiwanie& o) { return o.punkty != 1; });
}

std::string TytulSprawdzenia(const WynikZadania& w) {
  std::string tytul =
      "Sprawdzenie: " + std::to_string(w.Spelnione()) + " z " + std::to_string(w.wyniki.size()) + " spełnione";
  if (w.ZPunktami()) tytul += ", punkty " + std::to_string(w.Punkty()) + "/" + std::to_string(w.Mozliwe());
  return tytul;
}

std::vector<std::string> WierszeSprawdzenia(const std::vector<Oczekiwanie>& oczekiwania,
                                            const std::vector<WynikOczekiwania>& wyniki, uint64_t cykle, bool punkty,
                                            bool znaki) {
  std::vector<std::string> wiersze;
  for (bool spelnione : {false, true})
    for (size_t i = 0; i < wyniki.size(); ++i)
      if (wyniki[i].spelnione == spelnione) {
        std::string wiersz = znaki ? (spelnione ? "✓ " : "✗ ") : "";
        wiersz += WierszSprawdzenia(oczekiwania[i], wyniki[i], cykle);
        const uint32_t mozliwe = oczekiwania[i].punkty;
        if (punkty) wiersz += " [" + std::to_string(spelnione ? mozliwe : 0) + "/" + std::to_string(mozliwe) + " pkt]";
        wiersze.push_back(std::move(wiersz));
      }
  return wiersze;
}

}  // namespace kelbra::wsad
