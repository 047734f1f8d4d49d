#include "PomocEdytora.h"

#include <algorithm>
#include <cmath>

namespace kelbra {

namespace {

bool Pusty(char16_t c) { return c == u' ' || c == u'\t'; }

// Position (from 0) of the first character that is not a blank, or -1.
int PierwszyZnak(std::u16string_view linia) {
  for (size_t k = 0; k < linia.size(); ++k)
    if (!Pusty(linia[k])) return static_cast<int>(k);
  return -1;
}

}  // namespace

std::optional<std::u16string> AutoWciecie(const WidokLinii& tekst, int liniaKursora) {
  if (liniaKursora <= 0 || liniaKursora >= tekst.LiczbaLinii()) return std::nullopt;
  for (int y = liniaKursora - 1; y >= 0; --y) {
    const std::u16string linia = tekst.Linia(y);
    const int i = PierwszyZnak(linia);
    if (i >= 0) return linia.substr(0, static_cast<size_t>(i));
  }
  return std::nullopt;
}

std::optional<Odwciecie> OdwciecieBackspace(const WidokLinii& tekst, int x, int y) {
  if (y < 0 || y >= tekst.LiczbaLinii() || x <= 0) return std::nullopt;
  const std::u16string biezaca = tekst.Linia(y);
  if (static_cast<size_t>(x) > biezaca.size()) return std::nullopt;
  for (int k = 0; k < x; ++k)
    if (!Pusty(biezaca[static_cast<size_t>(k)])) return std::nullopt;
  for (int l = y - 1; l >= 0; --l) {
    const int i = PierwszyZnak(tekst.Linia(l));
    // Columns from 0: the found line's text starts at i, left of the caret.
    if (i >= 0 && i + 1 < x) return Odwciecie{i, x - i};
  }
  return std::nullopt;
}

std::vector<EtykietaLinii> SkanujEtykiety(const WidokLinii& tekst, int limit) {
  std::vector<EtykietaLinii> etykiety;
  const int n = tekst.LiczbaLinii();
  for (int y = 0; y < n && static_cast<int>(etykiety.size()) < limit; ++y) {
    const std::u16string linia = tekst.Linia(y);
    const int start = PierwszyZnak(linia);
    // A comment is no label, whatever colons it holds.
    if (start < 0 || linia[static_cast<size_t>(start)] == u';') continue;
    for (size_t k = static_cast<size_t>(start) + 1; k < linia.size(); ++k) {
      const char16_t c = linia[k];
      if (Pusty(c) || c == u';') break;
      if (c == u':') {
        etykiety.push_back({linia.substr(static_cast<size_t>(start), k - static_cast<size_t>(start)), y});
        break;
      }
    }
  }
  return etykiety;
}

int LiniaPodMysza(int py, int gornaLinia, int wysokoscLinii) {
  if (wysokoscLinii <= 0) return gornaLinia;
  const float x = static_cast<float>(py - wysokoscLinii) / static_cast<float>(wysokoscLinii);
  const int calkowita = static_cast<int>(std::trunc(x));
  const int zaokraglona = static_cast<int>(std::trunc(x + 0.5f));
  return gornaLinia + calkowita + (zaokraglona != calkowita ? 1 : 0);
}

int LiniaWPunkcie(int odGoryPierwszej, int gornaLinia, int wysokoscLinii) {
  return LiniaPodMysza(std::max(odGoryPierwszej, 0) + (wysokoscLinii + 1) / 2, gornaLinia, wysokoscLinii);
}

std::optional<int> LiniaZKomunikatu(std::u16string_view tekst) {
  size_t k = 0;
  while (k < tekst.size() && !(tekst[k] >= u'0' && tekst[k] <= u'9')) ++k;
  if (k == tekst.size()) return std::nullopt;
  int64_t v = 0;
  for (; k < tekst.size() && tekst[k] >= u'0' && tekst[k] <= u'9'; ++k) {
    v = v * 10 + (tekst[k] - u'0');
    if (v > INT32_MAX) return std::nullopt;
  }
  return static_cast<int>(v);
}

}  // namespace kelbra
