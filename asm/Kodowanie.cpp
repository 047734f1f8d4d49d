#include "Kodowanie.h"

#include <array>
#include <optional>
#include <unordered_map>

namespace kelbra {

namespace {

constexpr std::array<char16_t, 128> Gorna = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160, 0x2039, 0x015A,
    0x0164, 0x017D, 0x0179, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, 0x00B0, 0x00B1, 0x02DB, 0x0142,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, 0x0154,
    0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD,
    0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA,
    0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4,
    0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

const std::unordered_map<char32_t, unsigned char>& Odwrotna() {
  static const auto mapa = [] {
    std::unordered_map<char32_t, unsigned char> m;
    for (unsigned b = 0; b < 128; ++b) m.emplace(Gorna[b], static_cast<unsigned char>(0x80 + b));
    return m;
  }();
  return mapa;
}

}  // namespace

std::optional<std::u32string> DekodujUtf8(std::string_view s) {
  std::u32string w;
  w.reserve(s.size());
  size_t i = 0;
  while (i < s.size()) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
      w.push_back(c);
      ++i;
      continue;
    }
    int dalsze;
    char32_t z;
    if (c >= 0xC2 && c <= 0xDF) {
      dalsze = 1;
      z = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
      dalsze = 2;
      z = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      dalsze = 3;
      z = c & 0x07;
    } else {
      return std::nullopt;
    }
    if (s.size() - i <= static_cast<size_t>(dalsze)) return std::nullopt;
    for (int k = 1; k <= dalsze; ++k) {
      const unsigned char d = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
      if ((d & 0xC0) != 0x80) return std::nullopt;
      z = (z << 6) | (d & 0x3F);
    }
    const char32_t najmniejszy = dalsze == 1 ? 0x80 : dalsze == 2 ? 0x800 : 0x10000;
    if (z < najmniejszy || z > 0x10FFFF || (z >= 0xD800 && z <= 0xDFFF)) return std::nullopt;
    w.push_back(z);
    i += static_cast<size_t>(dalsze) + 1;
  }
  return w;
}

char32_t ZnakCp1250(unsigned char bajt) { return bajt < 0x80 ? bajt : Gorna[bajt - 0x80u]; }

std::u32string DekodujTekst(std::string_view bajty) {
  if (auto u = DekodujUtf8(bajty)) {
    if (!u->empty() && (*u)[0] == 0xFEFF) u->erase(0, 1);
    return *u;
  }
  std::u32string w;
  w.reserve(bajty.size());
  for (char c : bajty) w.push_back(ZnakCp1250(static_cast<unsigned char>(c)));
  return w;
}

bool ZnakWCp1250(char32_t z) { return z < 0x80 || Odwrotna().count(z) != 0; }

TekstCp1250 DoCp1250(std::u32string_view tekst) {
  TekstCp1250 w;
  w.reserve(tekst.size());
  const auto& mapa = Odwrotna();
  for (char32_t z : tekst) {
    if (z < 0x80) {
      w.push_back(static_cast<char>(z));
      continue;
    }
    const auto it = mapa.find(z);
    w.push_back(it == mapa.end() ? '?' : static_cast<char>(it->second));
  }
  return w;
}

TekstUtf8 DoUtf8(std::u32string_view tekst) {
  TekstUtf8 w;
  w.reserve(tekst.size());
  for (char32_t z : tekst) {
    if (z < 0x80) {
      w.push_back(static_cast<char>(z));
    } else if (z < 0x800) {
      w.push_back(static_cast<char>(0xC0 | (z >> 6)));
      w.push_back(static_cast<char>(0x80 | (z & 0x3F)));
    } else if (z < 0x10000) {
      w.push_back(static_cast<char>(0xE0 | (z >> 12)));
      w.push_back(static_cast<char>(0x80 | ((z >> 6) & 0x3F)));
      w.push_back(static_cast<char>(0x80 | (z & 0x3F)));
    } else {
      w.push_back(static_cast<char>(0xF0 | (z >> 18)));
      w.push_back(static_cast<char>(0x80 | ((z >> 12) & 0x3F)));
      w.push_back(static_cast<char>(0x80 | ((z >> 6) & 0x3F)));
      w.push_back(static_cast<char>(0x80 | (z & 0x3F)));
    }
  }
  return w;
}

TekstUtf8 Cp1250DoUtf8(std::string_view tekst) {
  std::u32string u;
  u.reserve(tekst.size());
  for (char c : tekst) u.push_back(ZnakCp1250(static_cast<unsigned char>(c)));
  return DoUtf8(u);
}

std::vector<std::string_view> LinieBajtow(std::string_view bajty) {
  std::vector<std::string_view> linie;
  size_t p = 0;
  while (p < bajty.size()) {
    // A plain loop: find_first_of would search its two characters per byte.
    size_t k = p;
    while (k < bajty.size() && bajty[k] != '\r' && bajty[k] != '\n') ++k;
    linie.push_back(bajty.substr(p, k - p));
    if (k == bajty.size()) break;
    p = k + (bajty[k] == '\r' && k + 1 < bajty.size() && bajty[k + 1] == '\n' ? 2 : 1);
  }
  return linie;
}

}  // namespace kelbra
