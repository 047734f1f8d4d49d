#pragma once
// The batch runner's options, read from its command line and from task
// lines in a source file by one parser, which returns an error instead of
// ending the program so that the window's task check can use it as well.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Oczekiwania.h"
#include "Zdarzenia.h"

namespace kelbra::wsad {

// A run to an address that is never reached still ends: after 1,000 s of
// emulated time.
inline constexpr uint64_t DomyslnyLimitCykli = 1'000'000'000;

// One word of an option list: from the command line (linia -1) or from a
// task line of a source file (its index, counted from 0).
struct Argument {
  std::string tekst;  // UTF-8
  int32_t linia = -1;
};

struct BladOpcji {
  int32_t linia = -1;  // the task line at fault, -1 for the command line
  std::string tekst;
};

// An event option as given. Events need the PC-key spacing, which may come
// later in the list, so they are built once every option is known.
struct OpcjaZdarzen {
  std::string opcja;
  std::string wartosc;
  int32_t linia = -1;
};

struct OpcjeWsadu {
  // What a run does; a task may give these.
  std::optional<uint64_t> cykle;
  std::optional<uint16_t> doPC;
  std::vector<OpcjaZdarzen> opcjeZdarzen;
  std::optional<uint64_t> odstep;  // --pc-key-gap
  std::vector<Oczekiwanie> oczekiwania;
  ListaZdarzen zdarzenia;  // built from opcjeZdarzen by ZbudujZdarzenia

  // What is printed, and which files; the command line only.
  bool zrzut = false;
  bool prn = false;
  bool hex = false;
  uint64_t slad = 0;
  std::optional<uint16_t> sladOd;
  std::string png;
  std::string vcd;           // --vcd: the run's timing picture
  std::string csv;            // the sheet's file, "-" for standard output
  char separatorCsv = ',';
  std::string raport;         // a folder for each file's result and LCD picture
  std::optional<unsigned> watki;  // files checked at once; by default one a core
  std::vector<std::string> pliki;
  std::string zadanie;       // --task: the task lines come from this file
  bool bezZadania = false;   // --no-task
  bool pomoc = false;        // --help: nothing else was read
};

// Reads the words in order into `o`; a later value of a single option
// replaces an earlier one, events and expectations add up. Words from task
// lines may give only run options, each option with its value on the same
// line. A --points right after an --expect scores that expectation. Stops at
// the first error.
std::optional<BladOpcji> CzytajArgumenty(const std::vector<Argument>& argumenty, OpcjeWsadu& o);

// The short usage printed after a wrong argument, and the --help text with
// every option, each marked when a task line may give it.
std::string Uzycie();
std::string Pomoc();

// A script file's bytes, or nothing when it cannot be read.
using CzytanieSkryptu = std::function<std::optional<std::string>(const std::string& sciezka)>;

// Builds o.zdarzenia from o.opcjeZdarzen; an error names the option's line.
std::optional<BladOpcji> ZbudujZdarzenia(OpcjeWsadu& o, const CzytanieSkryptu& czytaj = {});

}  // namespace kelbra::wsad
