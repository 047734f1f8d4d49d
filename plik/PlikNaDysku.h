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
  // NieZwykly: a named pipe, a device or a socket, which a plain read could
  // wait on for ever or never finish.
  enum class Rodzaj { Brak, Folder, NieZwykly, Otwarcie, ZaDuzy, Odczyt, Zapis };
  Rodzaj rodzaj = Rodzaj::Brak;
  int kod = 0;           // errno of the call that failed
  uint64_t rozmiar = 0;  // of a file that is too big
  bool byl = false;      // a failed save: the file existed and is left as it was

  explicit operator bool() const { return rodzaj != Rodzaj::Brak; }
};

struct OdczytPliku {
  BajtyPliku bajty;
  BladPliku blad;
};

// The whole file. A folder, a file that does not open, one larger than
// `najwiecej` bytes or a failed read give an error and no bytes. With
// `tylkoZwykly` anything but a regular file is refused before a byte is
// read, and opening it does not wait for a pipe's writer.
OdczytPliku CzytajPlik(const std::string& sciezka, uint64_t najwiecej = std::numeric_limits<uint64_t>::max(),
                       bool tylkoZwykly = false);

// Written beside the file under a temporary name, flushed to the disk and
// renamed over it, so a failed write leaves the old file as it was. An
// existing file keeps its permissions (and, written by root, its owner and
// group), and one that may not be written is refused; a link is followed
// to the file it names, which is created when it does not exist yet. Every
// write, the flush to the disk and the close are checked before the
// rename, so a full disk or quota is reported and the temporary file
// removed. The temporary name is short whatever the file's name, and
// temporary files that an interrupted save left in the folder go at the
// next save there.
BladPliku ZapiszPlik(const std::string& sciezka, std::string_view bajty);

// The temporary files' names: this and six letters or digits.
inline constexpr std::string_view PrzedrostekTymczasowego = ".kelbra-";

}  // namespace kelbra
