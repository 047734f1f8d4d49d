#pragma once
// The board's 16 x 2 character LCD: an HD44780-style instruction set seen
// through XDATA FFF0h-FFF3h. The visible columns of each line are a window
// onto the display memory that the model scrolls by its own rules; there is
// no busy time and no real display shift.

#include <array>
#include <cstdint>

#include "WzorZnakow.h"

namespace kelbra {

struct FlagiLcd {
  bool WyswietlaczWlaczony = false;      // display control D
  bool Dekrementacja = false;            // entry mode I/D = 0
  bool PrzesuwanieWpisu = false;         // entry mode S = 1: writes rotate memory
  bool KursorWlaczony = false;           // display control C
  bool MiganieWlaczone = false;          // display control B
  bool PrzesuwanieEkranu = false;        // cursor/display shift S/C, recorded only
  bool PrzesuwanieWPrawo = false;        // cursor/display shift R/L
  bool AdresowanieJednoliniowe = false;  // function set N = 0
  bool TrybCGRAM = false;                // data writes go to the glyph table
};

struct Lcd {
  static constexpr uint16_t AdresRozkazu = 0xFFF0;
  static constexpr uint16_t AdresStatusu = 0xFFF1;
  static constexpr uint16_t AdresDanych = 0xFFF2;
  static constexpr uint16_t AdresOdczytu = 0xFFF3;
  static constexpr int LiczbaKomorek = 81;
  static constexpr uint8_t ZnakPusty = 0xFE;

  // Line 1 uses cells 0-40, line 2 cells 41-80.
  std::array<uint8_t, LiczbaKomorek> PamiecDDRAM = Puste();
  uint8_t PoczatekLinii1 = 0;  // cell shown in column 0 of line 1
  uint8_t PoczatekLinii2 = 41;  // cell shown in column 0 of line 2
  // Visible cells: 0-15 line 1 columns 0-15, 16-31 line 2 columns 0-15.
  int LicznikAdresu = 0;
  int PozycjaKursora = 0;
  uint8_t ZnakCG = 0;
  uint8_t WierszCG = 0;
  uint8_t LiczbaLinii = 0;  // 0 shows nothing until the first function set
  uint8_t WysokoscZnaku = 0;
  bool FazaMigania = false;  // the cursor cell is in its inverted phase
  FlagiLcd Flagi;
  TablicaZnakow WzorZnakow = WzorZnakowA00;

  // The blink timer belongs to the window; the model says whether it runs.
  // Every start bumps StartyTimeraKursora, since a restart begins a new period.
  bool TimerKursor = false;
  uint32_t StartyTimeraKursora = 0;
  // Bumped by every change that can alter the image, so the window repaints
  // only when needed.
  uint32_t Wersja = 0;

  // Where LcdStatus stores its two bytes; none until the board is attached.
  std::array<uint8_t, 65536>* Xdata = nullptr;

  // Called after every MOVX write: FFF0h instruction, FFF2h data, others
  // nothing. Adds no cycles, so it returns 0.
  int32_t LcdZapis(uint16_t adres, uint8_t wartosc);
  void Rozkaz(uint8_t bajt);
  void Dane(uint8_t bajt);

  // Stores the status byte into XDATA FFF1h and the read-back byte into FFF3h.
  void LcdStatus();
  uint8_t BajtStatusu() const;
  uint8_t BajtOdczytu() const;

  // Visible cursor step after a data write, by the last shift instruction.
  void LcdKrokKursora();
  // One tick of the window's 500 ms blink timer.
  void TykniecieKursora();
  // The power-on and board-reset sequence 34h, 01h, 0Ch.
  void SekwencjaStartowa();
  // Assembling clears every mode flag (the display goes blank) and keeps
  // the memory, offsets, counters and the line and glyph sizes.
  void ZerujFlagi();

  // Display memory cell shown at a visible cell 0-31.
  int KomorkaWidoczna(int pozycja) const;
  int KomorkaLicznika() const { return KomorkaWidoczna(LicznikAdresu); }
  // The 16 character codes in the columns of line 0 or 1, whether or not
  // the line is currently shown.
  std::array<uint8_t, 16> ZnakiLinii(int linia) const;

 private:
  static std::array<uint8_t, LiczbaKomorek> Puste();
  void Wyczysc();
  void PowrotDoPoczatku();
  void SterowanieWyswietlaczem(uint8_t bajt);
  void AdresDDRAM(uint8_t bajt);
  void ObrocPamiec();
  void ZapisWstecz(uint8_t bajt);
  void ZapisNaprzod(uint8_t bajt);
  void UruchomTimerKursora();
};

}  // namespace kelbra
