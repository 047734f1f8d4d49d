#pragma once
// The LCD image as filled rectangles in RGB, a pure function of the LCD
// state and the board window's layout; the window only paints them.

#include <vector>

#include "Kolory.h"
#include "Lcd.h"

namespace kelbra {

struct Prostokat {
  int x = 0;
  int y = 0;
  int szerokosc = 0;
  int wysokosc = 0;
  Rgb kolor;
  friend bool operator==(const Prostokat&, const Prostokat&) = default;
};

// The board window's layout that places the LCD.
struct GeometriaLcd {
  int SzerokoscKlStatycznych = 0;  // width of PanelKlStatyczne (W)
  int WysokoscDiod = 0;            // height of PanelDiody (H)
  int SzerokoscDiod = 0;           // width of PanelDiody
  int GoraKlDynamicznych = 0;      // top of PanelKlDynamiczne
  Rgb KolorTla{240, 240, 240};     // the window's background
};

// Left edge of column k and top of glyph row r of a line (0 or 1).
int LcdXKolumny(const GeometriaLcd& g, int kolumna);
int LcdYWiersza(const Lcd& lcd, const GeometriaLcd& g, int linia, int wiersz);

// The whole LCD area in the window's background colour.
std::vector<Prostokat> LcdCzyscObszar(const GeometriaLcd& g);
// One visible cell (0-15 line 1, 16-31 line 2): a 3 x 3 square on a
// 4-pixel pitch for every glyph pixel, lit or unlit, the cursor cell
// inverted in its blink phase. Nothing while the display is off or the
// cell's line is not shown.
std::vector<Prostokat> LcdRysujZnak(const Lcd& lcd, const GeometriaLcd& g, int pozycja);
// Every cell of the shown lines.
std::vector<Prostokat> LcdRysujWszystko(const Lcd& lcd, const GeometriaLcd& g);
// The full image: the cleared area, then every cell.
std::vector<Prostokat> LcdObraz(const Lcd& lcd, const GeometriaLcd& g);

}  // namespace kelbra
