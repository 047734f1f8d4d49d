#pragma once
// The LCD area of the board window as an RGB picture, painted from the
// same rectangles and colours as the window, and written as PNG.

#include <cstdint>
#include <string>
#include <vector>

#include "Lcd.h"
#include "LcdObraz.h"

namespace kelbra::wsad {

struct ObrazRgb {
  int Szerokosc = 0;
  int Wysokosc = 0;
  std::vector<uint8_t> Piksele;  // R, G, B a pixel, rows top to bottom

  Rgb Piksel(int x, int y) const;
};

// Rectangles painted in order over a background, clipped to the picture.
ObrazRgb Maluj(int szerokosc, int wysokosc, Rgb tlo, const std::vector<Prostokat>& prostokaty, int dx = 0,
               int dy = 0);

// The area framed by BevelLCD, laid out with captions of no width (so the
// LCD keeps equal margins), in the window's default background.
ObrazRgb ObrazLcd(const Lcd& lcd);

// Returns an error message, or an empty string when the file was written.
std::string ZapiszPng(const ObrazRgb& obraz, const std::string& sciezka);

}  // namespace kelbra::wsad
