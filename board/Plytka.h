#pragma once
// The Kelbra board as the emulated program sees it: LEDs on the port
// latches, static and dynamic keys as XDATA bytes, PC keys as received
// serial characters, and the LCD behind the MOVX-write hook. The key look
// (indicator colour, lowered button) is kept here; the window only shows it.

#include <array>
#include <cstdint>

#include "Jadro.h"
#include "KlawiszePC.h"
#include "Kolory.h"
#include "Lcd.h"
#include "ZapisPrzebiegow.h"

namespace kelbra {

// Told before the board sets a byte of the machine state between two
// instructions (a key byte in XDATA, SBUF or SCON), with the new value.
class ZapisyPlytki {
 public:
  virtual void PrzedZapisemPlytki(uint8_t& komorka, uint8_t wartosc) = 0;

 protected:
  ~ZapisyPlytki() = default;
};

// Addresses handed over by the main window when it is first shown.
struct AdresyPlytki {
  uint8_t P0 = sfr::P0;
  uint8_t P1 = sfr::P1;
  uint8_t P2 = sfr::P2;
  uint8_t P3 = sfr::P3;
  uint8_t SCON = sfr::SCON;
  uint8_t SBUF = sfr::SBUF;
  uint16_t AdresKlStatycznych = Jadro::AdresKlStatycznych;
  uint16_t AdresKlDynamicznych0 = Jadro::AdresKlDynamicznych0;
  uint16_t AdresKlDynamicznych1 = Jadro::AdresKlDynamicznych1;
};

class PlytkaKelbra final : public ZapisXdata {
 public:
  static constexpr int LiczbaKlStatycznych = 8;
  static constexpr int LiczbaKlDynamicznych = 16;
  static constexpr int LiczbaWierszyDiod = 4;  // rows P0, P1, P2, P3

  // Active low: 0 = static key on, dynamic key pressed.
  uint8_t StanKlStatycznych = 0xFF;
  uint8_t StanKlDynamicznych0 = 0xFF;  // K0-K7
  uint8_t StanKlDynamicznych1 = 0xFF;  // K8-K15

  Lcd lcd;
  // Typed PC keys waiting for the serial line.
  KolejkaKlawiszyPC KolejkaPC;
  // While the board window shows the keys it keeps their bytes in XDATA,
  // restoring them before every run of the program over whatever the
  // program wrote there.
  bool KopiaKlawiszy = false;

  // The power-on: views of the machine state and the
  // addresses, the three key bytes set to FFh, the LCD power-on sequence.
  void PierwszePokazanie(std::array<uint8_t, 256>& data, std::array<uint8_t, 65536>& xdata,
                         const AdresyPlytki& adresy = {});
  // The board reset command, after the core reset: only the LCD restarts;
  // keys, indicators and the key bytes in XDATA stay as they are. PC keys
  // typed but not yet received are dropped with the old run.
  void ResetPlytki() {
    lcd.SekwencjaStartowa();
    KolejkaPC.Wyczysc();
  }

  // The timing picture that LCD writes and the program's writes to the key
  // bytes go into as well, when it is on.
  ZapisPrzebiegow* Przebiegi = nullptr;

  // The core's MOVX-write hook.
  int32_t LcdZapis(uint16_t adres, uint8_t wartosc) override {
    if (Przebiegi) NotujZapis(adres, wartosc);
    return lcd.LcdZapis(adres, wartosc);
  }

  // Static keys S1-S8 as n = 0-7: a click flips the key.
  void PrzelaczKlStatyczny(int n);
  // Static key button look while the mouse is held on it.
  void KlStatycznyMyszDol(int n);
  void KlStatycznyMyszGora(int n);
  bool WskaznikWlaczony(int n) const;
  Rgb KolorWskaznika(int n) const;
  bool KlStatycznyWcisniety(int n) const;

  // Dynamic keys K0-K15 as n = 0-15.
  void PrzelaczKlDynamiczny(int n);
  void KlDynamicznyMyszDol(int n) { PrzelaczKlDynamiczny(n); }
  // Letting go with the pointer at or above the button's top edge (y <= 0)
  // leaves the key held down until the next mouse-down on it.
  void KlDynamicznyMyszGora(int n, int y);
  bool KlDynamicznyWcisniety(int n) const;

  // A PC key code arrives as a received serial character.
  void KlawiszPC(uint8_t kod);
  // A typed key (the value of its last delivery) enters the serial line at
  // machine cycle `cykl`, reaching SBUF at once when the line is idle;
  // false when the queue was full and the key was dropped. Without a cycle,
  // the attached core's clock is the time.
  bool WpiszKlawiszPC(uint8_t wartosc, uint64_t cykl);
  bool WpiszKlawiszPC(uint8_t wartosc) { return WpiszKlawiszPC(wartosc, jadro_ ? jadro_->Cykle : 0); }
  // The first cycle from `cykl` on at which a queued key is due.
  uint64_t NastepnaDostawaPC(uint64_t cykl) const { return KolejkaPC.NastepnaDostawa(cykl); }
  // Hands the program the key due at `cykl`, if any.
  void DostarczKlawiszPC(uint64_t cykl) {
    if (const auto wartosc = KolejkaPC.Wydaj(cykl)) KlawiszPC(*wartosc);
  }
  // Before the program runs on: the key bytes as the window shows them.
  void PrzedBiegiem() {
    if (KopiaKlawiszy) KopiujKlawisze();
  }

  // Reads P0-P3 into the LED state; true when any LED changed.
  bool OdswiezDiody();
  // LED of a row (0 = P0 ... 3 = P3) at position 0 (leftmost, bit 7) to 7.
  bool DiodaSwieci(int wiersz, int pozycja) const;
  Rgb KolorDiody(int wiersz, int pozycja) const;
  // P0-P3 as last read, so a view can compare them with what it shows
  // whoever did the reading.
  const std::array<uint8_t, LiczbaWierszyDiod>& Zatrzaski() const { return zatrzaski_; }

  // Stores the three key bytes into XDATA: K0-K7, K8-K15, then S1-S8.
  void KopiujKlawisze();

  // Who hears of the board's writes into the machine state (the step
  // history); none by default.
  void UstawObserwatora(ZapisyPlytki* obserwator) { obserwator_ = obserwator; }

 private:
  static bool Poprawny(int n, int liczba) { return n >= 0 && n < liczba; }
  void NotujZapis(uint16_t adres, uint8_t wartosc);
  void Zapisz(uint16_t adres, uint8_t wartosc);
  void Zapisz(uint8_t& komorka, uint8_t wartosc) {
    if (obserwator_) obserwator_->PrzedZapisemPlytki(komorka, wartosc);
    komorka = wartosc;
  }

  const Jadro* jadro_ = nullptr;
  ZapisyPlytki* obserwator_ = nullptr;
  std::array<uint8_t, 256>* data_ = nullptr;
  std::array<uint8_t, 65536>* xdata_ = nullptr;
  AdresyPlytki adresy_;
  std::array<bool, LiczbaKlStatycznych> wskazniki_{};      // indicator on
  std::array<bool, LiczbaKlStatycznych> statyczneWcisniete_{};  // button lowered
  std::array<bool, LiczbaKlDynamicznych> dynamiczneWcisniete_{};
  // The port latches as last read, so a refresh knows what changed.
  std::array<uint8_t, LiczbaWierszyDiod> zatrzaski_{0xFF, 0xFF, 0xFF, 0xFF};

  friend void PodlaczPlytke(Jadro& j, PlytkaKelbra& plytka);
};

// Attaches a board to a core as the machine's power-on does: MOVX writes
// drive its LCD, the key bytes read FFh, the LCD is powered on.
void PodlaczPlytke(Jadro& j, PlytkaKelbra& plytka);

}  // namespace kelbra
