#pragma once
// A machine as it powers on, and short ways to talk to the LCD through its
// XDATA addresses.

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "Jadro.h"
#include "Maszyna.h"

namespace kelbra::testy {

struct Stanowisko {
  // On the heap, so that helpers can return a bench by value.
  std::unique_ptr<Maszyna> m = std::make_unique<Maszyna>();
  Jadro* j = &m->jadro();
  PlytkaKelbra& plytka = m->plytka();
  Lcd& lcd = plytka.lcd;

  void Rozkazy(std::initializer_list<uint8_t> bajty) {
    for (uint8_t b : bajty) plytka.LcdZapis(Lcd::AdresRozkazu, b);
  }
  void Tekst(std::string_view tekst) {
    for (char c : tekst) plytka.LcdZapis(Lcd::AdresDanych, static_cast<uint8_t>(c));
  }
  uint8_t Status() const { return j->Xdata[Lcd::AdresStatusu]; }
  uint8_t Odczyt() const { return j->Xdata[Lcd::AdresOdczytu]; }

  // A visible line as text; the blank fill character reads as a space.
  std::string Linia(int linia) const {
    std::string s;
    for (uint8_t z : lcd.ZnakiLinii(linia)) s += z == Lcd::ZnakPusty ? ' ' : static_cast<char>(z);
    return s;
  }
};

// Two lines, display on, cursor off, increment, from line 1 column 0; then
// any further instructions.
inline Stanowisko DwieLinie(std::initializer_list<uint8_t> dalej = {}) {
  Stanowisko s;
  s.Rozkazy({0x38, 0x0C, 0x01, 0x06, 0x80});
  s.Rozkazy(dalej);
  return s;
}

// "ABC...": the n-th character (from 1) of a long test text.
inline char ZnakTekstu(int n) { return static_cast<char>('!' + (n - 1) % 90); }
inline std::string TekstTestowy(int dlugosc) {
  std::string s;
  for (int n = 1; n <= dlugosc; ++n) s += ZnakTekstu(n);
  return s;
}

}  // namespace kelbra::testy
