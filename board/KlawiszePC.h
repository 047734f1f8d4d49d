#pragma once
// PC keys as the board delivers them: a key's virtual-key code first, then
// the character it types, each into SBUF. The toolkit reports its own key
// codes, so one explicit table turns them into the codes the students'
// programs expect.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelbra {

// The toolkit's key codes that the table knows by name (the values of the
// Qt::Key enumeration; the window checks them at compile time). Letters,
// digits and punctuation are their own upper-case character codes.
namespace klawiszqt {
inline constexpr int Escape = 0x01000000;
inline constexpr int Tab = 0x01000001;
inline constexpr int Backtab = 0x01000002;
inline constexpr int Backspace = 0x01000003;
inline constexpr int Return = 0x01000004;
inline constexpr int Enter = 0x01000005;
inline constexpr int Insert = 0x01000006;
inline constexpr int Delete = 0x01000007;
inline constexpr int Pause = 0x01000008;
inline constexpr int Print = 0x01000009;
inline constexpr int Clear = 0x0100000b;
inline constexpr int Home = 0x01000010;
inline constexpr int End = 0x01000011;
inline constexpr int Left = 0x01000012;
inline constexpr int Up = 0x01000013;
inline constexpr int Right = 0x01000014;
inline constexpr int Down = 0x01000015;
inline constexpr int PageUp = 0x01000016;
inline constexpr int PageDown = 0x01000017;
inline constexpr int Shift = 0x01000020;
inline constexpr int Control = 0x01000021;
inline constexpr int Meta = 0x01000022;
inline constexpr int Alt = 0x01000023;
inline constexpr int CapsLock = 0x01000024;
inline constexpr int NumLock = 0x01000025;
inline constexpr int ScrollLock = 0x01000026;
inline constexpr int F1 = 0x01000030;
inline constexpr int F24 = 0x01000047;
inline constexpr int Super_L = 0x01000053;
inline constexpr int Super_R = 0x01000054;
inline constexpr int Menu = 0x01000055;
inline constexpr int AltGr = 0x01001103;
}  // namespace klawiszqt

// The virtual-key code of a toolkit key; none for a key the table does not
// know. Keys of the numeric keypad have codes of their own.
std::optional<uint8_t> KodWirtualny(int klawisz, bool klawiaturaNumeryczna = false);

// The field's text for a delivered value: a key name, or empty.
std::string_view NazwaKlawiszaPC(uint8_t wartosc);

// A typed character in the board users' code page (Windows-1250, "?" for
// a character outside it); none for a character that prints nothing.
std::optional<uint8_t> ZnakPC(char32_t znak);

struct NacisniecieKlawiszaPC {
  std::vector<uint8_t> Dostawy;  // into SBUF, in this order
  // What the field shows afterwards (UTF-8); none leaves it as it was.
  std::optional<std::string> TekstPola;
  // What the program sees of the key: its last delivery, the later ones
  // overwriting SBUF before any program could read it.
  std::optional<uint8_t> Wartosc() const {
    return Dostawy.empty() ? std::nullopt : std::optional<uint8_t>(Dostawy.back());
  }
};

// One key press with the text it types. With Ctrl held a letter types its
// control character (Ctrl+A 01h ... Ctrl+Z 1Ah), whatever text the toolkit
// reports for it.
NacisniecieKlawiszaPC KlawiszPCNacisniety(int klawisz, bool klawiaturaNumeryczna, std::u32string_view tekst,
                                          bool ctrl = false);

// Typed PC keys on their way into SBUF, as a serial line hands them over:
// one key at a time, in the order typed, at least `Odstep` machine cycles
// after the previous one. A key waits only behind another key or a recent
// delivery, so a single key on an idle line goes at once. Bounded and
// allocation-free: the run loop asks it between instructions.
class KolejkaKlawiszyPC {
 public:
  static constexpr size_t Pojemnosc = 256;
  static constexpr uint64_t DomyslnyOdstep = 1000;
  static constexpr uint64_t Nigdy = UINT64_MAX;

  // Queues a key's value; false when the queue is full and the key is
  // dropped.
  bool Dodaj(uint8_t wartosc);
  // The first cycle, not before `teraz`, at which the next key may go;
  // Nigdy when nothing waits.
  uint64_t NastepnaDostawa(uint64_t teraz) const;
  // Takes the key due at `teraz` off the queue; none when nothing is due.
  std::optional<uint8_t> Wydaj(uint64_t teraz);
  // Drops the waiting keys and leaves the line idle.
  void Wyczysc();

  size_t Rozmiar() const { return rozmiar_; }
  uint64_t Odstep() const { return odstep_; }
  void UstawOdstep(uint64_t odstep) { odstep_ = odstep; }

 private:
  std::array<uint8_t, Pojemnosc> bufor_{};
  size_t poczatek_ = 0;
  size_t rozmiar_ = 0;
  uint64_t odstep_ = DomyslnyOdstep;
  uint64_t ostatnia_ = 0;  // cycle of the last delivery
  bool byla_ = false;      // whether there was one since the line went idle
};

}  // namespace kelbra
