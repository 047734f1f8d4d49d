#include "EdycjaRejestrow.h"

#include "Liczby.h"

namespace kelbra {

CelEdycji EdycjaRejestrow::Cel(const OpisPola& pole) const {
  switch (pole.rodzaj) {
    case RodzajPola::RejestrBanku: return {static_cast<uint8_t>(Bank() * 8 + pole.argument), false};
    case RodzajPola::Dptr: return {sfr::DPL, true};
    case RodzajPola::Bajt:
    case RodzajPola::Posredni: break;
  }
  return {pole.argument, false};
}

int32_t EdycjaRejestrow::Wartosc(CelEdycji cel) const {
  if (!j_) return 0;
  return cel.dptr ? j_->DPTR() : j_->Data[cel.adres];
}

std::string EdycjaRejestrow::TekstPola(const OpisPola& pole) const {
  if (pole.rodzaj == RodzajPola::Posredni)
    return FormatLiczby(j_ ? j_->Idata(j_->Rejestr(pole.argument)) : 0, Dziesietnie, 2);
  const CelEdycji cel = Cel(pole);
  return FormatLiczby(Wartosc(cel), Dziesietnie, cel.dptr ? 4 : 2);
}

void EdycjaRejestrow::ZatwierdzWartosc(std::string_view tekst, CelEdycji cel) {
  if (!j_) return;
  if (celEdycji_ != cel) {
    staraWartosc_ = Wartosc(cel);
    celEdycji_ = cel;
  }
  const int cyfry = cel.dptr ? 4 : 2;
  StaraWartosc = FormatLiczby(staraWartosc_, Dziesietnie, cyfry);
  const Odczyt odczyt = OdczytajWartosc(*asembler_, tekst, Dziesietnie);
  if (odczyt.rodzaj != Odczyt::Liczba) {
    NowaWartosc = odczyt.rodzaj == Odczyt::Bledny ? "???" : "";
    // A cleared field is no value out of range.
    if (odczyt.rodzaj == Odczyt::Pusty) WZakresie = true;
    return;
  }
  const int32_t v = odczyt.wartosc;
  NowaWartosc = FormatLiczby(v, Dziesietnie, cyfry);
  j_->Data[cel.adres] = static_cast<uint8_t>(v);
  if (cel.dptr) j_->Data[static_cast<uint8_t>(cel.adres + 1)] = static_cast<uint8_t>(v >> 8);
  WZakresie = v <= (cel.dptr ? 0xFFFF : 0xFF);
}

void EdycjaRejestrow::PrzelaczBit(uint8_t maska) {
  if (j_) j_->Data[sfr::PSW] ^= maska;
}

}  // namespace kelbra
