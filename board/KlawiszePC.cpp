#include "KlawiszePC.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "Kodowanie.h"

namespace kelbra {

namespace {
namespace q = klawiszqt;

// Keys whose code is not their character. Shifted symbols give the code of
// the key they are on, as on the US layout that Polish keyboards use; the
// Polish letters come with AltGr on the letter they are typed from.
constexpr std::pair<int, uint8_t> Tabela[] = {
    {q::Backspace, 0x08}, {q::Tab, 0x09}, {q::Backtab, 0x09}, {q::Clear, 0x0C}, {q::Return, 0x0D},
    {q::Enter, 0x0D}, {q::Shift, 0x10}, {q::Control, 0x11}, {q::Alt, 0x12}, {q::AltGr, 0x12},
    {q::Pause, 0x13}, {q::CapsLock, 0x14}, {q::Escape, 0x1B}, {q::PageUp, 0x21}, {q::PageDown, 0x22},
    {q::End, 0x23}, {q::Home, 0x24}, {q::Left, 0x25}, {q::Up, 0x26}, {q::Right, 0x27},
    {q::Down, 0x28}, {q::Print, 0x2C}, {q::Insert, 0x2D}, {q::Delete, 0x2E}, {q::Meta, 0x5B},
    {q::Super_L, 0x5B}, {q::Super_R, 0x5C}, {q::Menu, 0x5D}, {q::NumLock, 0x90}, {q::ScrollLock, 0x91},
    {' ', 0x20}, {'!', 0x31}, {'@', 0x32}, {'#', 0x33}, {'$', 0x34},
    {'%', 0x35}, {'^', 0x36}, {'&', 0x37}, {'*', 0x38}, {'(', 0x39},
    {')', 0x30}, {';', 0xBA}, {':', 0xBA}, {'=', 0xBB}, {'+', 0xBB},
    {',', 0xBC}, {'<', 0xBC}, {'-', 0xBD}, {'_', 0xBD}, {'.', 0xBE},
    {'>', 0xBE}, {'/', 0xBF}, {'?', 0xBF}, {'`', 0xC0}, {'~', 0xC0},
    {'[', 0xDB}, {'{', 0xDB}, {'\\', 0xDC}, {'|', 0xDC}, {']', 0xDD},
    {'}', 0xDD}, {'\'', 0xDE}, {'"', 0xDE}, {0x104, 'A'}, {0x106, 'C'},  // Ą Ć
    {0x118, 'E'}, {0x141, 'L'}, {0x143, 'N'}, {0xD3, 'O'}, {0x15A, 'S'},  // Ę Ł Ń Ó Ś
    {0x179, 'X'}, {0x17B, 'Z'}, {0x20AC, 'U'},  // Ź Ż €
};

// The keypad's own codes, for the keys that reach it with NumLock on.
std::optional<uint8_t> KodNumeryczny(int klawisz) {
  if (klawisz >= '0' && klawisz <= '9') return static_cast<uint8_t>(0x60 + klawisz - '0');
  switch (klawisz) {
    case '*': return 0x6A;
    case '+': return 0x6B;
    case '-': return 0x6D;
    case '.':
    case ',': return 0x6E;
    case '/': return 0x6F;
    default: return std::nullopt;
  }
}

bool Drukowalny(char32_t z) {
  const bool sterujacy = z < 0x20 || (z >= 0x7F && z <= 0x9F);
  // Private-use characters stand for function keys on some platforms.
  const bool prywatny = z >= 0xE000 && z <= 0xF8FF;
  const bool zastepczy = z >= 0xD800 && z <= 0xDFFF;
  return !sterujacy && !prywatny && !zastepczy && z <= 0x10FFFF;
}
}  // namespace

std::optional<uint8_t> KodWirtualny(int klawisz, bool klawiaturaNumeryczna) {
  if (klawiaturaNumeryczna) {
    if (auto kod = KodNumeryczny(klawisz)) return kod;
  }
  if ((klawisz >= 'A' && klawisz <= 'Z') || (klawisz >= '0' && klawisz <= '9')) {
    return static_cast<uint8_t>(klawisz);
  }
  if (klawisz >= q::F1 && klawisz <= q::F24) return static_cast<uint8_t>(0x70 + klawisz - q::F1);
  const auto it = std::find_if(std::begin(Tabela), std::end(Tabela), [&](const auto& p) { return p.first == klawisz; });
  if (it == std::end(Tabela)) return std::nullopt;
  return it->second;
}

std::string_view NazwaKlawiszaPC(uint8_t wartosc) {
  switch (wartosc) {
    case 8: return "BackSpace";
    case 13: return "Enter";
    case 27: return "ESC";
    case 32: return "SPACJA";
    case 37: return "W Lewo";
    case 38: return "W Gore";
    case 39: return "W Prawo";
    case 40: return "W Dol";
    default: return {};
  }
}

std::optional<uint8_t> ZnakPC(char32_t znak) {
  if (!Drukowalny(znak)) return std::nullopt;
  return static_cast<uint8_t>(DoCp1250(std::u32string_view(&znak, 1))[0]);
}

NacisniecieKlawiszaPC KlawiszPCNacisniety(int klawisz, bool klawiaturaNumeryczna, std::u32string_view tekst,
                                          bool ctrl) {
  NacisniecieKlawiszaPC wynik;
  if (auto kod = KodWirtualny(klawisz, klawiaturaNumeryczna)) wynik.Dostawy.push_back(*kod);
  if (ctrl && klawisz >= 'A' && klawisz <= 'Z') {
    // Nothing printable: the field is left empty.
    wynik.Dostawy.push_back(static_cast<uint8_t>(klawisz - 'A' + 1));
    wynik.TekstPola = std::string();
    return wynik;
  }
  std::u32string znaki;
  for (char32_t z : tekst) {
    if (auto bajt = ZnakPC(z)) {
      wynik.Dostawy.push_back(*bajt);
      znaki.push_back(z);
    }
  }
  if (wynik.Dostawy.empty()) return wynik;
  // A named value shows its name; otherwise the field holds just what was
  // typed, never a name with the character after it.
  const std::string_view nazwa = NazwaKlawiszaPC(wynik.Dostawy.back());
  wynik.TekstPola = nazwa.empty() ? DoUtf8(znaki) : std::string(nazwa);
  return wynik;
}

bool KolejkaKlawiszyPC::Dodaj(uint8_t wartosc) {
  if (rozmiar_ == Pojemnosc) return false;
  bufor_[(poczatek_ + rozmiar_) % Pojemnosc] = wartosc;
  ++rozmiar_;
  return true;
}

uint64_t KolejkaKlawiszyPC::NastepnaDostawa(uint64_t teraz) const {
  if (rozmiar_ == 0) return Nigdy;
  // A clock that went back (a reset the line did not hear of) counts as a
  // long pause.
  if (!byla_ || teraz < ostatnia_ || teraz - ostatnia_ >= odstep_) return teraz;
  return ostatnia_ + odstep_;
}

std::optional<uint8_t> KolejkaKlawiszyPC::Wydaj(uint64_t teraz) {
  if (NastepnaDostawa(teraz) != teraz) return std::nullopt;
  const uint8_t wartosc = bufor_[poczatek_];
  poczatek_ = (poczatek_ + 1) % Pojemnosc;
  --rozmiar_;
  ostatnia_ = teraz;
  byla_ = true;
  return wartosc;
}

void KolejkaKlawiszyPC::Wyczysc() {
  poczatek_ = 0;
  rozmiar_ = 0;
  byla_ = false;
}

}  // namespace kelbra
