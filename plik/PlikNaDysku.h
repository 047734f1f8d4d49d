#pragma once
// The one reader and the one writer of files, for the desktop program and
// the batch runner alike. Paths are the file system's own bytes.

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "Kodowanie.h"

namespace kelbra {

struct BladPliku {
  enum class Rodzaj { Brak, Folder, Otwarcie, ZaDuzy, Odczyt, Zapis };
  Rodzaj rodzaj = Rodzaj::Brak;
  int kod = 0;           // errno of the call that failed
  uint64_t rozmiar = 0;  // of a file that is too big

  explicit operator bool() const { return rodzaj != Rodzaj::Brak; }
};

struct OdczytPliku {
  BajtyPliku bajty;
  BladPliku blad;
};

// The whole file. A folder, a file that does not open, one larger than
// `najwiecej` bytes or a failed read give an error and no bytes.
OdczytPliku CzytajPlik(const std::string& sciezka, uint64_t najwiecej = std::numeric_limits<uint64_t>::max());

// Written beside the file under a temporary name, flushed to the disk and
// renamed over it, so a failed write leaves the old file as it was. An
// existing file keeps its permissions, and one that may not be written is
// refused; a link is followed to the file it names.
BladPliku ZapiszPlik(const std::string& sciezka, std::string_view bajty);

}  // namespace kelbra
