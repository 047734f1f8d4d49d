#include "ZmianyStanu.h"

#include <utility>

#include "EdycjaPamieci.h"
#include "EdycjaRejestrow.h"

namespace kelbra {

void ZdjecieStanu::Zrob(const Jadro& j) {
  Data = j.Data;
  IdataGorna = j.IdataGorna;
  Code = j.Code;
  Xdata = j.Xdata;
}

uint8_t ZdjecieStanu::Komorka(RodzajPamieci rodzaj, int32_t adres) const {
  // Each space checks its own range with a constant index into the table
  // of spaces, so no lookup depends on the enum's run-time value.
  const auto w = [adres](int32_t maksymalny) { return adres >= 0 && adres <= maksymalny; };
  const auto a = static_cast<size_t>(adres);
  switch (rodzaj) {
    case RodzajPamieci::DATA: return w(Opis(RodzajPamieci::DATA).adresMaksymalny) ? Data[a] : 0;
    case RodzajPamieci::IDATA: return w(Opis(RodzajPamieci::IDATA).adresMaksymalny) ? Idata(static_cast<uint8_t>(a)) : 0;
    case RodzajPamieci::XDATA: return w(Opis(RodzajPamieci::XDATA).adresMaksymalny) ? Xdata[a] : 0;
    case RodzajPamieci::CODE: return w(Opis(RodzajPamieci::CODE).adresMaksymalny) ? Code[a] : 0;
  }
  return 0;
}

ZmianyStanu::ZmianyStanu() : przed_(std::make_unique<ZdjecieStanu>()), teraz_(std::make_unique<ZdjecieStanu>()) {}

void ZmianyStanu::Zatrzymanie(const Jadro& j) {
  std::swap(przed_, teraz_);
  teraz_->Zrob(j);
  if (pierwsze_) {
    *przed_ = *teraz_;
    pierwsze_ = false;
  }
}

void ZmianyStanu::Wyczysc() {
  *przed_ = *teraz_;
  pierwsze_ = true;
}

bool ZmianyStanu::PoEdycji(const Jadro& j) {
  if (pierwsze_) return false;
  bool inny = false;
  auto uzgodnij = [&inny](auto& przed, auto& teraz, const auto& stan) {
    for (size_t a = 0; a < stan.size(); ++a) {
      if (stan[a] != teraz[a]) {
        przed[a] = teraz[a] = stan[a];
        inny = true;
      }
    }
  };
  uzgodnij(przed_->Data, teraz_->Data, j.Data);
  uzgodnij(przed_->IdataGorna, teraz_->IdataGorna, j.IdataGorna);
  uzgodnij(przed_->Code, teraz_->Code, j.Code);
  uzgodnij(przed_->Xdata, teraz_->Xdata, j.Xdata);
  return inny;
}

bool ZmianyStanu::ZmienionyBit(uint8_t adresBitu) const {
  const uint8_t adres = Jadro::AdresBajtuBitu(adresBitu);
  return ((przed_->Data[adres] ^ teraz_->Data[adres]) & Jadro::MaskaBitu(adresBitu)) != 0;
}

bool ZmianyStanu::ZmienionaKomorka(RodzajPamieci rodzaj, int32_t adres) const {
  return przed_->Komorka(rodzaj, adres) != teraz_->Komorka(rodzaj, adres);
}

bool ZmianyStanu::ZmienionePole(const OpisPola& pole) const {
  const ZdjecieStanu& p = *przed_;
  const ZdjecieStanu& t = *teraz_;
  auto bank = [](const ZdjecieStanu& z) { return static_cast<uint8_t>(z.Data[sfr::PSW] & 0x18); };
  auto rejestr = [&](const ZdjecieStanu& z, uint8_t n) { return z.Data[bank(z) + (n & 7)]; };
  switch (pole.rodzaj) {
    case RodzajPola::RejestrBanku: return rejestr(p, pole.argument) != rejestr(t, pole.argument);
    case RodzajPola::Bajt: return ZmienionyBajt(pole.argument);
    case RodzajPola::Dptr: return ZmienionyBajt(sfr::DPL) || ZmienionyBajt(sfr::DPH);
    case RodzajPola::Posredni: return p.Idata(rejestr(p, pole.argument)) != t.Idata(rejestr(t, pole.argument));
  }
  return false;
}

}  // namespace kelbra
