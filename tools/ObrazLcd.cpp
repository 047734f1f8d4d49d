#include "ObrazLcd.h"

#include <png.h>

#include <algorithm>
#include <cstring>

#include "PlikNaDysku.h"
#include "UkladKelbry.h"

namespace kelbra::wsad {

Rgb ObrazRgb::Piksel(int x, int y) const {
  if (x < 0 || y < 0 || x >= Szerokosc || y >= Wysokosc) return {};
  const size_t i = (static_cast<size_t>(y) * static_cast<size_t>(Szerokosc) + static_cast<size_t>(x)) * 3;
  return {Piksele[i], Piksele[i + 1], Piksele[i + 2]};
}

ObrazRgb Maluj(int szerokosc, int wysokosc, Rgb tlo, const std::vector<Prostokat>& prostokaty, int dx, int dy) {
  ObrazRgb o;
  o.Szerokosc = std::max(szerokosc, 0);
  o.Wysokosc = std::max(wysokosc, 0);
  o.Piksele.resize(static_cast<size_t>(o.Szerokosc) * static_cast<size_t>(o.Wysokosc) * 3);
  auto wypelnij = [&](int x0, int y0, int x1, int y1, Rgb k) {
    x0 = std::clamp(x0, 0, o.Szerokosc);
    x1 = std::clamp(x1, 0, o.Szerokosc);
    y0 = std::clamp(y0, 0, o.Wysokosc);
    y1 = std::clamp(y1, 0, o.Wysokosc);
    for (int y = y0; y < y1; ++y) {
      for (int x = x0; x < x1; ++x) {
        const size_t i = (static_cast<size_t>(y) * static_cast<size_t>(o.Szerokosc) + static_cast<size_t>(x)) * 3;
        o.Piksele[i] = k.r;
        o.Piksele[i + 1] = k.g;
        o.Piksele[i + 2] = k.b;
      }
    }
  };
  wypelnij(0, 0, o.Szerokosc, o.Wysokosc, tlo);
  for (const Prostokat& p : prostokaty) {
    wypelnij(p.x + dx, p.y + dy, p.x + dx + p.szerokosc, p.y + dy + p.wysokosc, p.kolor);
  }
  return o;
}

ObrazRgb ObrazLcd(const Lcd& lcd) {
  const UkladKelbry uklad = UlozKelbre(MiaryTekstow{});
  const GeometriaLcd g = uklad.Lcd(GeometriaLcd{}.KolorTla);
  const Obszar& ramka = uklad.BevelLCD;
  return Maluj(ramka.szerokosc, ramka.wysokosc, g.KolorTla, LcdObraz(lcd, g), -ramka.x, -ramka.y);
}

std::string ZapiszPng(const ObrazRgb& obraz, const std::string& sciezka) {
  png_image opis{};
  opis.version = PNG_IMAGE_VERSION;
  opis.width = static_cast<png_uint_32>(obraz.Szerokosc);
  opis.height = static_cast<png_uint_32>(obraz.Wysokosc);
  opis.format = PNG_FORMAT_RGB;
  // Encoded in memory, then written as every file is, so that a full disk
  // never leaves half a picture.
  png_alloc_size_t rozmiar = 0;
  std::string bajty;
  if (png_image_write_get_memory_size(opis, rozmiar, 0, obraz.Piksele.data(), 0, nullptr) != 0) {
    bajty.resize(rozmiar);
    if (png_image_write_to_memory(&opis, bajty.data(), &rozmiar, 0, obraz.Piksele.data(), 0, nullptr) == 0)
      bajty.clear();
    bajty.resize(std::min<size_t>(bajty.size(), rozmiar));
  }
  if (bajty.empty()) {
    const std::string blad = opis.message;
    png_image_free(&opis);
    return "nie mozna zapisac " + sciezka + ": " + blad;
  }
  if (const BladPliku blad = ZapiszPlik(sciezka, bajty))
    return "nie mozna zapisac " + sciezka + ": " + std::strerror(blad.kod);
  return {};
}

}  // namespace kelbra::wsad
