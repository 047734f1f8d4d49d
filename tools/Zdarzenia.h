#pragma once
// Scripted board input for the batch runner: key clicks, dynamic-key
// presses and releases and typed PC keys, each at a machine-cycle count
// from the reset, read from options and script files.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kelbra::wsad {

inline constexpr uint64_t DomyslnyOdstepKlawiszyPC = 1000;

struct ZdarzeniePlytki {
  enum class Rodzaj : uint8_t {
    KlStatyczny,         // a click: S1-S8 toggles
    KlDynamicznyDol,     // mouse-down on K0-K15
    KlDynamicznyGora,    // mouse-up on K0-K15 with the pointer on the button
    KlawiszPC,           // one PC key: every delivery at once
  };
  uint64_t Cykl = 0;
  Rodzaj rodzaj = Rodzaj::KlStatyczny;
  uint8_t Numer = 0;             // S1 = 0 ... S8 = 7, K0 = 0 ... K15 = 15
  std::vector<uint8_t> Dostawy;  // into SBUF, in this order
  uint32_t Zrodlo = 0;           // index into ListaZdarzen::Zrodla
  uint32_t Linia = 0;            // line of a script from 1; 0 for an option
};

struct ListaZdarzen {
  // By cycle; events at the same cycle in the order they were given.
  std::vector<ZdarzeniePlytki> Zdarzenia;
  // The options and script files the events came from.
  std::vector<std::string> Zrodla;
  // True when any input was scripted, even a script with no events: the
  // periodic key copy runs then.
  bool Skryptowane = false;
  // The serial line's spacing of PC keys, in machine cycles.
  uint64_t OdstepKlawiszyPC = DomyslnyOdstepKlawiszyPC;

  // Where an event was given: "--key S1@100" or "plik.txt:12".
  std::string Miejsce(const ZdarzeniePlytki& z) const;
};

// Collects events in the order given. Every call returns an error message
// naming the bad text, or an empty string when the input was taken.
class BudowaZdarzen {
 public:
  explicit BudowaZdarzen(uint64_t odstepKlawiszyPC = DomyslnyOdstepKlawiszyPC) : odstep_(odstepKlawiszyPC) {}

  // The value of --key (a click or a press) or --release: NAME@CYCLE.
  std::string Klawisz(std::string_view wartosc, bool puszczenie);
  // The value of --pc-key: TEXT@CYCLE, one key every odstepKlawiszyPC cycles.
  std::string KlawiszePC(std::string_view wartosc);
  // A script file's text: "CYCLE key S1", "CYCLE release K3",
  // "CYCLE pc-key TEXT" one a line, "#" lines for comments.
  std::string Skrypt(std::string_view nazwa, std::string_view tresc);

  ListaZdarzen Zakoncz() &&;

 private:
  std::string DodajKlawisz(std::string_view nazwa, uint64_t cykl, bool puszczenie);
  std::string DodajKlawiszePC(std::string_view tekst, uint64_t cykl);
  std::string LiniaSkryptu(std::string_view linia);
  std::string Opcja(std::string_view opcja, std::string_view wartosc, bool klawiszePC, bool puszczenie);

  uint64_t odstep_;
  uint32_t linia_ = 0;  // the script line being read, 0 for an option
  ListaZdarzen lista_;
};

// The keys that typing a text delivers, one entry a key, each with its
// deliveries: the virtual-key code, then the character. Named keys stand
// in braces ({Left}, {Enter}, {F1}; {{} and {}} type the braces). Returns
// an error message, or an empty string.
std::string KlawiszeTekstu(std::string_view utf8, std::vector<std::vector<uint8_t>>& klawisze);

}  // namespace kelbra::wsad
