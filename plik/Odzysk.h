#pragma once
// Recovery of unsaved text: while the editor's text differs from its file,
// a copy of it is kept in a folder of the user's state, and a copy left by
// a program that crashed or was killed is offered back at the next start.
//
// Every running program has its own copy, named after an id of its own,
// and a lock file beside it that it holds while it runs; a copy whose lock
// anyone may take belongs to a program that is gone. A copy holds the
// source file's path (none for a text never saved), the time it was
// written and the bytes saving the text would write, layout line included.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Kodowanie.h"
#include "PlikNaDysku.h"

namespace kelbra {

// $XDG_STATE_HOME/kelbra, or ~/.local/state/kelbra when the variable is not
// an absolute path; empty without a home either.
std::string KatalogOdzysku(const char* xdgStateHome, const char* home);

struct KopiaOdzysku {
  std::string plik;     // the copy itself
  std::string sciezka;  // the source file; empty for a text never saved
  int64_t czas = 0;     // seconds since the epoch
  BajtyPliku bajty;
};

// A copy's bytes, and back: nothing from a file that is not a whole copy.
BajtyPliku ZapisKopii(std::string_view sciezka, int64_t czas, std::string_view bajty);
std::optional<KopiaOdzysku> CzytajKopie(std::string_view zawartosc);

// "Znaleziono niezapisany tekst pliku prog.asm z 7 grudnia, 14:32." and
// "Przywrócić go?" on a line of its own, the time in the local zone;
// `nazwa` empty for a text never saved.
TekstUtf8 PytanieOOdzysk(std::string_view nazwa, int64_t czas);

class MagazynOdzysku {
 public:
  explicit MagazynOdzysku(std::string katalog);
  // A copy still there stays for the next start.
  ~MagazynOdzysku();
  MagazynOdzysku(const MagazynOdzysku&) = delete;
  MagazynOdzysku& operator=(const MagazynOdzysku&) = delete;

  // This program's copy, written through the safe writer; the folder
  // (mode 0700) and the lock are made at the first write.
  BladPliku Zapisz(std::string_view sciezka, std::string_view bajty, int64_t czas);
  void Usun();
  bool MaKopie() const { return maKopie_; }

  // Readable copies of programs that are gone, newest first; only those of
  // `sciezka` when given, matched as the same file. Each stays locked, so
  // no other program starting now offers it too, until Zwolnij or Usun.
  std::vector<KopiaOdzysku> Porzucone(const std::string* sciezka = nullptr);
  void UsunPorzucona(const KopiaOdzysku& kopia);
  void Zwolnij();

  const std::string& Katalog() const { return katalog_; }

 private:
  bool Zablokuj();
  // A program's file in the folder: its copy or its lock.
  std::string Plik(std::string_view id, std::string_view rozszerzenie) const {
    return katalog_ + "/" + std::string(id) + std::string(rozszerzenie);
  }

  std::string katalog_;
  std::string id_;
  int blokada_ = -1;
  bool maKopie_ = false;
  std::vector<std::pair<std::string, int>> przejete_;  // copy, its lock
};

}  // namespace kelbra
