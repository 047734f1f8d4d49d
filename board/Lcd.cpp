#include "Lcd.h"

#include <algorithm>

namespace kelbra {

namespace {
// Window offsets the scrolling rules keep within the 81 cells.
constexpr int OstatniPoczatekLinii1 = 25;  // two-line addressing
constexpr int PierwszyPoczatekLinii2 = 41;
constexpr int OstatniPoczatekLinii2 = 65;
}  // namespace

std::array<uint8_t, Lcd::LiczbaKomorek> Lcd::Puste() {
  std::array<uint8_t, LiczbaKomorek> p{};
  p.fill(ZnakPusty);
  return p;
}

int32_t Lcd::LcdZapis(uint16_t adres, uint8_t wartosc) {
  if (adres == AdresRozkazu) {
    Rozkaz(wartosc);
  } else if (adres == AdresDanych) {
    Dane(wartosc);
  }
  return 0;
}

int Lcd::KomorkaWidoczna(int pozycja) const {
  return pozycja <= 15 ? PoczatekLinii1 + pozycja : PoczatekLinii2 + pozycja - 16;
}

std::array<uint8_t, 16> Lcd::ZnakiLinii(int linia) const {
  std::array<uint8_t, 16> znaki{};
  const int pierwsza = linia == 0 ? 0 : 16;
  for (int k = 0; k < 16; ++k) {
    znaki[k] = PamiecDDRAM[KomorkaWidoczna(pierwsza + k)];
  }
  return znaki;
}

uint8_t Lcd::BajtStatusu() const {
  // Bit 7 (busy) is never set: the model has no busy time.
  return static_cast<uint8_t>(LicznikAdresu <= 15 ? LicznikAdresu : 0x40 + LicznikAdresu - 16);
}

uint8_t Lcd::BajtOdczytu() const {
  if (Flagi.TrybCGRAM) {
    return static_cast<uint8_t>(ZnakCG * 8 + WierszCG);
  }
  return PamiecDDRAM[KomorkaLicznika()];
}

void Lcd::LcdStatus() {
  if (Xdata == nullptr) {
    return;
  }
  (*Xdata)[AdresStatusu] = BajtStatusu();
  (*Xdata)[AdresOdczytu] = BajtOdczytu();
}

void Lcd::Rozkaz(uint8_t bajt) {
  if (bajt == 0x00) {
    return;  // not even the status is refreshed
  }
  ++Wersja;
  if (bajt == 0x01) {
    Wyczysc();
    PowrotDoPoczatku();
  } else if (bajt <= 0x03) {
    PowrotDoPoczatku();
  } else if (bajt <= 0x07) {
    Flagi.Dekrementacja = (bajt & 0x02) == 0;
    Flagi.PrzesuwanieWpisu = (bajt & 0x01) != 0;
  } else if (bajt <= 0x0F) {
    SterowanieWyswietlaczem(bajt);
  } else if (bajt <= 0x1F) {
    // Only recorded: nothing moves, the direction steers the cursor step.
    Flagi.PrzesuwanieEkranu = (bajt & 0x08) != 0;
    Flagi.PrzesuwanieWPrawo = (bajt & 0x04) != 0;
  } else if (bajt <= 0x3F) {
    // DL (bit 4) is accepted and ignored: there is no 4-bit interface.
    const bool dwieLinie = (bajt & 0x08) != 0;
    LiczbaLinii = dwieLinie ? 2 : 1;
    WysokoscZnaku = (bajt & 0x04) != 0 ? 10 : 8;
    Flagi.AdresowanieJednoliniowe = !dwieLinie;
  } else if (bajt <= 0x7F) {
    Flagi.TrybCGRAM = true;
    ZnakCG = (bajt >> 3) & 0x07;
    WierszCG = bajt & 0x07;
  } else {
    AdresDDRAM(bajt);  // refreshes the status itself, before leaving CGRAM mode
    return;
  }
  LcdStatus();
}

void Lcd::Wyczysc() {
  // Cell 80 is blanked too: it is visible at the end of line 2 when the
  // window is scrolled fully, and a cleared display should show nothing.
  PamiecDDRAM.fill(ZnakPusty);
}

void Lcd::PowrotDoPoczatku() {
  PozycjaKursora = 0;
  LicznikAdresu = 0;
  PoczatekLinii2 = PierwszyPoczatekLinii2;
  PoczatekLinii1 = 0;
}

void Lcd::UruchomTimerKursora() {
  TimerKursor = true;
  ++StartyTimeraKursora;
}

void Lcd::SterowanieWyswietlaczem(uint8_t bajt) {
  // With D = 0 the C and B bits are not looked at.
  if ((bajt & 0x04) == 0) {
    Flagi.WyswietlaczWlaczony = false;
    return;
  }
  Flagi.WyswietlaczWlaczony = true;
  if ((bajt & 0x02) == 0) {
    Flagi.KursorWlaczony = false;  // blink flag and timer stay as they were
    return;
  }
  Flagi.KursorWlaczony = true;
  if ((bajt & 0x01) != 0) {
    Flagi.MiganieWlaczone = true;
    UruchomTimerKursora();
  } else {
    // A steady cursor is shown in its inverted phase.
    TimerKursor = false;
    FazaMigania = true;
    Flagi.MiganieWlaczone = false;
  }
}

void Lcd::AdresDDRAM(uint8_t bajt) {
  TimerKursor = false;
  const int b = bajt & 0x3F;
  const bool przesuwanie = Flagi.PrzesuwanieWpisu;
  if (Flagi.AdresowanieJednoliniowe) {
    if (b <= 15) {
      PoczatekLinii1 = 0;
      LicznikAdresu = b;
    } else {
      PoczatekLinii1 = static_cast<uint8_t>(b - 15);
      LicznikAdresu = przesuwanie ? 0 : 15;
    }
  } else if ((bajt & 0x40) != 0) {
    if (b <= 15) {
      PoczatekLinii2 = PierwszyPoczatekLinii2;
      LicznikAdresu = 16 + b;
    } else {
      PoczatekLinii2 = static_cast<uint8_t>(std::min(b + 41, OstatniPoczatekLinii2));
      LicznikAdresu = przesuwanie ? 16 : 31;
    }
    PoczatekLinii1 = static_cast<uint8_t>(PoczatekLinii2 - 41);
  } else {
    if (b <= 15) {
      PoczatekLinii1 = 0;
      LicznikAdresu = b;
    } else {
      PoczatekLinii1 = static_cast<uint8_t>(std::min(b - 15, OstatniPoczatekLinii1));
      LicznikAdresu = przesuwanie ? 0 : 15;
    }
    // Line 1 at offset 25 would put line 2's last column at cell 81, one
    // past the display memory, so line 2 stops at its own last offset.
    PoczatekLinii2 = static_cast<uint8_t>(std::min(PoczatekLinii1 + 41, OstatniPoczatekLinii2));
  }
  PozycjaKursora = LicznikAdresu;
  if (Flagi.MiganieWlaczone) {
    UruchomTimerKursora();
  }
  LcdStatus();
  Flagi.TrybCGRAM = false;
}

void Lcd::Dane(uint8_t bajt) {
  ++Wersja;
  if (Flagi.TrybCGRAM) {
    WzorZnakow[ZnakCG][WierszCG] = bajt;
    if (WierszCG < 9) {
      ++WierszCG;
    } else {
      ++ZnakCG;  // wraps from 255 to 0
      WierszCG = 0;
    }
    LcdStatus();
    return;
  }
  if (Flagi.PrzesuwanieWpisu) {
    ObrocPamiec();
    PamiecDDRAM[KomorkaLicznika()] = bajt;
  } else if (Flagi.Dekrementacja) {
    ZapisWstecz(bajt);
    return;  // this mode neither steps the cursor nor refreshes the status
  } else {
    ZapisNaprzod(bajt);
  }
  LcdKrokKursora();
  LcdStatus();
}

void Lcd::ObrocPamiec() {
  // Cell 80 stays out of the rotation.
  const auto poczatek = PamiecDDRAM.begin();
  const auto koniec = poczatek + 80;
  if (Flagi.Dekrementacja) {
    std::rotate(poczatek, koniec - 1, koniec);
  } else {
    std::rotate(poczatek, poczatek + 1, koniec);
  }
}

void Lcd::ZapisWstecz(uint8_t bajt) {
  PamiecDDRAM[KomorkaLicznika()] = bajt;
  if (LicznikAdresu <= 15) {
    if (LicznikAdresu > 0) {
      --LicznikAdresu;
    } else if (PoczatekLinii1 > 0) {
      --PoczatekLinii1;
    } else if (Flagi.AdresowanieJednoliniowe) {
      PoczatekLinii1 = OstatniPoczatekLinii1;
      LicznikAdresu = 15;
    } else {
      LicznikAdresu = 31;
      PoczatekLinii2 = OstatniPoczatekLinii2;
    }
  } else if (LicznikAdresu > 16) {
    --LicznikAdresu;
  } else if (PoczatekLinii2 > PierwszyPoczatekLinii2) {
    --PoczatekLinii2;
  } else {
    LicznikAdresu = 15;
    PoczatekLinii1 = OstatniPoczatekLinii1;
  }
}

void Lcd::ZapisNaprzod(uint8_t bajt) {
  if (LicznikAdresu <= 15) {
    if (PoczatekLinii1 == 0) {
      PamiecDDRAM[LicznikAdresu] = bajt;
      if (++LicznikAdresu == 16) {
        PoczatekLinii1 = 1;
        LicznikAdresu = 15;
      }
    } else if (PoczatekLinii1 < OstatniPoczatekLinii1) {
      // The line scrolls left and the writes stay in column 15.
      LicznikAdresu = 15;
      PamiecDDRAM[PoczatekLinii1 + 15] = bajt;
      ++PoczatekLinii1;
    } else {
      // Line 1 is full: writing continues at line 2, column 0.
      PoczatekLinii2 = PierwszyPoczatekLinii2;
      --PoczatekLinii1;
      PamiecDDRAM[PierwszyPoczatekLinii2] = bajt;
      LicznikAdresu = 17;
    }
  } else if (PoczatekLinii2 <= PierwszyPoczatekLinii2) {
    PamiecDDRAM[KomorkaLicznika()] = bajt;
    if (++LicznikAdresu == 32) {
      ++PoczatekLinii2;
      LicznikAdresu = 31;
    }
  } else if (PoczatekLinii2 < OstatniPoczatekLinii2) {
    PamiecDDRAM[KomorkaLicznika()] = bajt;
    ++PoczatekLinii2;
  } else {
    // Line 2 is full: writing wraps to line 1, column 0.
    PoczatekLinii1 = 0;
    --PoczatekLinii2;
    PamiecDDRAM[0] = bajt;
    LicznikAdresu = 1;
  }
}

void Lcd::LcdKrokKursora() {
  if (!Flagi.KursorWlaczony || Flagi.PrzesuwanieEkranu) {
    return;
  }
  // The cursor follows the last shift instruction's direction, not the
  // entry mode, and never leaves its line.
  if (Flagi.PrzesuwanieWPrawo) {
    if (PozycjaKursora != 15 && PozycjaKursora != 31) {
      ++PozycjaKursora;
    }
  } else if (PozycjaKursora != 0 && PozycjaKursora != 16) {
    --PozycjaKursora;
  }
}

void Lcd::TykniecieKursora() {
  if (!TimerKursor) {
    return;
  }
  FazaMigania = !FazaMigania;
  ++Wersja;
}

void Lcd::SekwencjaStartowa() {
  Rozkaz(0x34);  // one line, 10-row glyphs, one-line addressing
  Rozkaz(0x01);
  Rozkaz(0x0C);  // display on, cursor and blink off
}

void Lcd::ZerujFlagi() {
  Flagi = {};
  ++Wersja;
}

}  // namespace kelbra
