// PC keys: the toolkit's key codes and typed text turned into SBUF
// deliveries and the field's text.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "KlawiszePC.h"

namespace kelbra {
namespace {

namespace q = klawiszqt;

TEST(KlawiszePC, KeyCodeFirstThenTheCharacterAndTheFieldShowsNameOrCharacter) {
  const struct {
    int klawisz;
    bool numeryczna;
    std::u32string tekst;
    std::vector<uint8_t> dostawy;
    std::string pole;
    bool ctrl = false;
  } przypadki[] = {
      {q::Left, false, U"", {0x25}, "W Lewo"},
      {'A', false, U"a", {0x41, 0x61}, "a"},  // a letter gives its capital's code
      {'A', false, U"A", {0x41, 0x41}, "A"},
      {'A', false, U"\x01", {0x41}, ""},  // a control character without Ctrl held is dropped
      // Ctrl+letter types the control character, whatever text comes with
      // it (X11 sends the control character, other platforms the letter or
      // nothing); the field is emptied.
      {'A', false, U"\x01", {0x41, 0x01}, "", true},
      {'C', false, U"\x03", {0x43, 0x03}, "", true},
      {'C', false, U"c", {0x43, 0x03}, "", true},
      {'Z', false, U"", {0x5A, 0x1A}, "", true},
      {'5', false, U"5", {0x35, 0x35}, "5", true},  // not a letter: as without Ctrl
      {q::Left, false, U"", {0x25}, "W Lewo", true},
      {'5', false, U"5", {0x35, 0x35}, "5"},
      {'5', true, U"5", {0x65, 0x35}, "5"},  // the keypad has codes of its own
      {q::Shift, false, U"", {0x10}, ""},
      {q::AltGr, false, U"", {0x12}, ""},
      {q::F1, false, U"", {0x70}, ""},
      {q::F1 + 11, false, U"", {0x7B}, ""},  // F12
      {q::Return, false, U"\r", {0x0D}, "Enter"},
      {q::Escape, false, U"\x1b", {0x1B}, "ESC"},
      {q::Backspace, false, U"\b", {0x08}, "BackSpace"},
      {q::Tab, false, U"\t", {0x09}, ""},
      {q::Delete, false, U"\x7f", {0x2E}, ""},
      {' ', false, U" ", {0x20, 0x20}, "SPACJA"},  // exactly the name, no blank after it
      // Characters whose value is a named key show the name, never the name
      // and the character.
      {'%', false, U"%", {0x35, 0x25}, "W Lewo"},
      {'&', false, U"&", {0x37, 0x26}, "W Gore"},
      {'\'', false, U"'", {0xDE, 0x27}, "W Prawo"},
      {'(', false, U"(", {0x39, 0x28}, "W Dol"},
      {';', false, U";", {0xBA, 0x3B}, ";"},
      // Polish letters in the code page, typed with AltGr on their letter.
      {0x104, false, U"\u0105", {0x41, 0xB9}, "\u0105"},
      {0x17B, false, U"\u017B", {0x5A, 0xAF}, "\u017B"},
      {0x20AC, false, U"\u20AC", {0x55, 0x80}, "\u20AC"},
      // Outside the code page a character arrives as "?".
      {0x01FFFFFF, false, U"\u4E2D", {0x3F}, "\u4E2D"},
      // A private-use character stands for a function key, not for text.
      {q::Left, false, U"\uF702", {0x25}, "W Lewo"},
  };
  for (const auto& p : przypadki) {
    const NacisniecieKlawiszaPC n = KlawiszPCNacisniety(p.klawisz, p.numeryczna, p.tekst, p.ctrl);
    EXPECT_EQ(n.Dostawy, p.dostawy) << std::hex << p.klawisz;
    EXPECT_EQ(n.TekstPola, std::optional<std::string>(p.pole)) << std::hex << p.klawisz;
  }
}

TEST(KlawiszePC, AnUnknownKeyWithoutTextDeliversNothingAndLeavesTheField) {
  for (int klawisz : {0x01FFFFFF, 0, int('a'), 0x0100000a /* SysReq */, q::F24 + 1}) {
    const NacisniecieKlawiszaPC n = KlawiszPCNacisniety(klawisz, false, U"");
    EXPECT_TRUE(n.Dostawy.empty()) << std::hex << klawisz;
    EXPECT_FALSE(n.TekstPola.has_value()) << std::hex << klawisz;
  }
}

}  // namespace
}  // namespace kelbra
