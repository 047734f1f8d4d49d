#include "DokumentZrodlowy.h"

#include <cerrno>
#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

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

std::string KatalogDialogu(const std::string& biezacyPlik, const std::string& katalogProgramu, const std::string& dom,
                           RodzajDialogu rodzaj,
                           const std::function<bool(const std::string& folder, bool doZapisu)>& dostepny) {
  namespace fs = std::filesystem;
  const bool zapis = rodzaj == RodzajDialogu::Zapis;
  if (!biezacyPlik.empty()) {
    const std::string folder = fs::path(biezacyPlik).parent_path().string();
    if (!folder.empty() && dostepny(folder, zapis)) return folder;
  }
  if (!katalogProgramu.empty()) {
    const std::string przyklady =
        (fs::path(katalogProgramu) / ".." / "share" / "doc" / "kelbra" / "examples").lexically_normal().string();
    if (dostepny(przyklady, zapis)) return przyklady;
  }
  return dom;
}

bool FolderDostepny(const std::string& folder, bool doZapisu) {
  struct stat st {};
  return ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
         ::access(folder.c_str(), (doZapisu ? W_OK : R_OK) | X_OK) == 0;
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
    case BladPliku::Rodzaj::NieZwykly:
      return "Nie można otworzyć pliku " + plik + ": to nie jest zwykły plik, tylko potok, urządzenie lub gniazdo.";
    case BladPliku::Rodzaj::Otwarcie: return "Nie można otworzyć pliku " + plik + ":\n" + systemu;
    case BladPliku::Rodzaj::ZaDuzy:
      return "Plik " + plik + " jest za duży (" + std::to_string(blad.rozmiar / MB) + " MB). Edytor otwiera pliki do " +
             std::to_string(NajwiekszyPlikZrodlowy / MB) + " MB.";
    case BladPliku::Rodzaj::Odczyt: return "Nie można odczytać pliku " + plik + ":\n" + systemu;
    case BladPliku::Rodzaj::Zapis: {
      const std::string stary = blad.byl ? ", poprzednia wersja jest nietknięta." : ".";
      if (blad.kod == ENOSPC) return "Brak miejsca na dysku: plik " + plik + " nie został zapisany" + stary;
      if (blad.kod == EDQUOT)
        return "Przekroczony przydział miejsca na dysku (quota): plik " + plik + " nie został zapisany" + stary;
      return "Nie można zapisać pliku " + plik + ":\n" + systemu + (blad.byl ? "\nPoprzednia wersja jest nietknięta." : "");
    }
  }
  return {};
}

DokumentZrodlowy::Otwarcie DokumentZrodlowy::Otworz(const std::string& sciezka) {
  Otwarcie o;
  OdczytPliku odczyt = CzytajPlik(sciezka, NajwiekszyPlikZrodlowy, true);
  o.blad = odczyt.blad;
  if (o.blad) return o;
  o.plik = CzytajPlikZrodlowy(odczyt.bajty);
  Przyjmij(o.plik);
  return o;
}

}  // namespace kelbra
