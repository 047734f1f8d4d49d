// The directive branches of the encoder, and a row holding a label alone.

#include <string>

#include "Asembler.h"
#include "Komunikaty.h"

namespace kelbra {

namespace k = komunikat;

bool Asembler::KodujDyrektywe(size_t wiersz, Slowo s, std::string_view arg1, std::string_view a2,
                              std::string_view a3) {
  TabelaAsemblacji& tab = wynik_.Tabela;
  auto pobieraWartosc = [&](const char* nazwa) {
    KomunikatBledu = std::string(nazwa) + k::PobieraWartosc;
    return false;
  };
  switch (s) {
    case Slowo::Brak:
      if (!arg1.empty() || !a2.empty() || !a3.empty()) return Odmowa(k::NieznanyProblem);
      return true;
    case Slowo::Org: {
      const auto v = WartoscWyrazenia(arg1);
      if (!v) return Odmowa(k::NieznanaLiczbaMala);
      j_.PC = static_cast<uint16_t>(*v & 0xFFFF);
      tab.UstawAdres(wiersz, j_.PC);
      return true;
    }
    case Slowo::Equ:
    case Slowo::Set:
    case Slowo::Data:
    case Slowo::Idata:
    case Slowo::Bit: {
      auto v = WartoscWyrazenia(arg1);
      if (!v) v = NazwaBitu(arg1, true);
      if (!v) {
        return pobieraWartosc(s == Slowo::Equ    ? "equ"
                              : s == Slowo::Set  ? "set"
                              : s == Slowo::Data ? "data"
                              : s == Slowo::Idata ? "idata"
                                                  : "bit");
      }
      tab.UstawAdres(wiersz, *v);
      return true;
    }
    case Slowo::Xdata:
    case Slowo::Code: {
      const auto v = WartoscWyrazenia(arg1);
      if (!v) return pobieraWartosc(s == Slowo::Xdata ? "xdata" : "code");
      tab.UstawAdres(wiersz, *v);
      return true;
    }
    case Slowo::Db: return KodujDb(wiersz, arg1);
    case Slowo::End: return true;  // the first pass cuts the table here
    default: return Odmowa(k::Nieobslugiwany);  // ds, dw, dbit
  }
}

// The «db» list as written: numbers and expressions separated by commas,
// and quoted strings whose characters are written as their bytes, with a
// backslash writing the next character as it is.
bool Asembler::KodujDb(size_t wiersz, std::string_view lista) {
  KomunikatBledu = k::DbNiepoprawny;
  if (lista.empty()) return true;
  wynik_.Tabela.UstawAdres(wiersz, j_.PC);
  const size_t L = lista.size();
  if (lista == "'") return false;
  bool cudzyslow = lista[0] == '\'';
  size_t poczatekPozycji = 0;  // start of the item being collected
  for (size_t i = 0; i < L; ++i) {
    const char c = lista[i];
    const bool jestNastepny = i + 1 < L;
    if (cudzyslow) {
      if (c == '\'') {
        if (!jestNastepny) return true;
        if (lista[i + 1] == ',') {
          cudzyslow = false;
          ++i;
          poczatekPozycji = i + 1;
        } else if (i != 0) {
          return false;
        }
      } else if (c == '\\') {
        if (!jestNastepny) return false;
        Zapisz(static_cast<uint8_t>(lista[++i]));
      } else {
        Zapisz(static_cast<uint8_t>(c));
      }
      continue;
    }
    if (c != ',' && jestNastepny) continue;
    const size_t koniec = c == ',' ? i : i + 1;
    const std::string_view pozycja = lista.substr(poczatekPozycji, koniec - poczatekPozycji);
    const auto v = WartoscWyrazenia(pozycja);
    if (!v) {
      KomunikatBledu = std::string(k::NieRozpoznanoLiczby).append(pozycja) + "'";
      return false;
    }
    Zapisz(static_cast<uint8_t>(*v & 0xFF));
    poczatekPozycji = i + 1;
    if (c == ',' && jestNastepny && lista[i + 1] == '\'') {
      cudzyslow = true;
      ++i;
      poczatekPozycji = i + 1;
    }
  }
  return true;
}

}  // namespace kelbra
