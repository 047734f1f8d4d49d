#pragma once
// The arithmetic behind the editor's aids: indentation after Enter,
// un-indentation by Backspace, the label list of the context menu, the line
// under the mouse and the line number of a list item. The editor is seen
// through its lines only.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelbra {

class WidokLinii {
 public:
  virtual int LiczbaLinii() const = 0;
  virtual std::u16string Linia(int y) const = 0;

 protected:
  ~WidokLinii() = default;
};

// The text to put before line `liniaKursora`, the line the caret moved to
// after Enter: the leading blanks of the nearest line above it that holds
// something else. Nothing when no line above holds anything.
std::optional<std::u16string> AutoWciecie(const WidokLinii& tekst, int liniaKursora);

// Backspace with the caret at column x of line y: when everything before
// the caret is blank, the columns to delete so that the line keeps the
// indentation of the nearest line above that is indented less.
struct Odwciecie {
  int kolumna;  // first column deleted; the caret ends there
  int liczba;   // characters deleted
};
std::optional<Odwciecie> OdwciecieBackspace(const WidokLinii& tekst, int x, int y);

// Labels for the context menu: the first word of a line when a colon ends
// it, in text order, at most `limit` of them.
struct EtykietaLinii {
  std::u16string nazwa;
  int linia;
};
std::vector<EtykietaLinii> SkanujEtykiety(const WidokLinii& tekst, int limit = 80);

// The line under a vertical pixel position of the editor's client area.
int LiniaPodMysza(int py, int gornaLinia, int wysokoscLinii);

// The line under a pixel measured from the top of the first visible line:
// the conversion above rounds, so half a line, rounded up for odd heights,
// is added first and every pixel row of a line picks that line.
int LiniaWPunkcie(int odGoryPierwszej, int gornaLinia, int wysokoscLinii);

// The source line an error or warning item points at: its first run of
// decimal digits.
std::optional<int> LiniaZKomunikatu(std::u16string_view tekst);

}  // namespace kelbra
