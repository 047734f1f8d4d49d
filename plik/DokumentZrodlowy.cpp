#include "DokumentZrodlowy.h"

#include <filesystem>

namespace kelbra {

std::string ZRozszerzeniemAsm(std::string sciezka) {
  if (!sciezka.ends_with(".asm")) sciezka += ".asm";
  return sciezka;
}

ZapisJako DecyzjaZapisuJako(const std::string& wybrana) {
  ZapisJako z{ZRozszerzeniemAsm(wybrana)};
  std::error_code blad;
  z.pytajOZastapienie = std::filesystem::exists(z.sciezka, blad);
  return z;
}

TekstUtf8 PytanieOZastapienie(std::string_view nazwa) {
  return "Plik " + std::string(nazwa) + " już istnieje.\nCzy chcesz go zastąpić?";
}

TekstUtf8 KomunikatBleduPliku(const BladPliku& blad, std::string_view nazwa, std::string_view tekstSystemu) {
  const std::string plik(nazwa);
  const std::string systemu(tekstSystemu);
  constexpr uint64_t MB = 1024 * 1024;
  switch (blad.rodzaj) {
    case BladPliku::Rodzaj::Brak: return {};
    case BladPliku::Rodzaj::Folder: return "Nie można otworzyć pliku " + plik + ": to jest folder.";
    case BladPliku::Rodzaj::Otwarcie: return "Nie można otworzyć pliku " + plik + ":\n" + systemu;
    case BladPliku::Rodzaj::ZaDuzy:
      return "Plik " + plik + " jest za duży (" + std::to_string(blad.rozmiar / MB) + " MB). Edytor otwiera pliki do " +
             std::to_string(NajwiekszyPlikZrodlowy / MB) + " MB.";
    case BladPliku::Rodzaj::Odczyt: return "Nie można odczytać pliku " + plik + ":\n" + systemu;
    case BladPliku::Rodzaj::Zapis: return "Nie można zapisać pliku " + plik + ":\n" + systemu;
  }
  return {};
}

DokumentZrodlowy::Otwarcie DokumentZrodlowy::Otworz(const std::string& sciezka) {
  Otwarcie o;
  OdczytPliku odczyt = CzytajPlik(sciezka, NajwiekszyPlikZrodlowy);
  o.blad = odczyt.blad;
  if (o.blad) return o;
  o.plik = CzytajPlikZrodlowy(odczyt.bajty);
  kodowanie_ = o.plik.Kodowanie;
  bom_ = o.plik.Bom;
  return o;
}

}  // namespace kelbra
