#include "EdycjaPamieci.h"

#include "Jadro.h"
#include "Kodowanie.h"
#include "Liczby.h"

namespace kelbra {

uint8_t CzytajKomorke(const Jadro& j, RodzajPamieci rodzaj, int32_t adres) {
  if (adres < 0 || adres > Opis(rodzaj).adresMaksymalny) return 0;
  const auto a = static_cast<size_t>(adres);
  switch (rodzaj) {
    case RodzajPamieci::DATA: return j.Data[a];
    case RodzajPamieci::IDATA: return a < 0x80 ? j.Data[a] : j.IdataGorna[a];
    case RodzajPamieci::XDATA: return j.Xdata[a];
    case RodzajPamieci::CODE: return j.Code[a];
  }
  return 0;
}

bool ZapiszKomorke(Jadro& j, RodzajPamieci rodzaj, int32_t adres, int32_t wartosc) {
  if (adres < 0 || adres > Opis(rodzaj).adresMaksymalny) return false;
  const auto a = static_cast<size_t>(adres);
  const auto bajt = static_cast<uint8_t>(wartosc);
  switch (rodzaj) {
    case RodzajPamieci::DATA: j.Data[a] = bajt; break;
    case RodzajPamieci::IDATA: (a < 0x80 ? j.Data[a] : j.IdataGorna[a]) = bajt; break;
    case RodzajPamieci::XDATA: j.Xdata[a] = bajt; break;
    case RodzajPamieci::CODE: j.Code[a] = bajt; break;
  }
  return true;
}

std::string UkladPamieci::AdresWiersza(int wiersz) const {
  return Szesnastkowo(Adres(wiersz, 0), SzerokieAdresy() ? 4 : 2);
}

int UkladPamieci::WierszeDlaWysokosci(int wysokosc, int ramka) const {
  int n = (wysokosc - ramka) / WysokoscWiersza;
  if (n > LiczbaWierszy()) n = LiczbaWierszy();
  return n < 2 ? 2 : n;
}

char32_t ZnakBajtu(uint8_t bajt) {
  const char32_t z = ZnakCp1250(bajt);
  return z < 0x20 || (z >= 0x7F && z < 0xA0) ? U' ' : z;
}

std::optional<uint8_t> BajtZnaku(char32_t znak) {
  if (znak < 0x20 || (znak >= 0x7F && znak < 0xA0) || !ZnakWCp1250(znak)) return std::nullopt;
  return static_cast<uint8_t>(DoCp1250(std::u32string_view(&znak, 1))[0]);
}

void EdycjaPamieci::OtworzEdytor(int32_t adres) {
  adresKomorki_ = adres;
  staryBajt_ = Czytaj(adres);
  StaraWartosc = std::to_string(staryBajt_);
}

void EdycjaPamieci::ZmianaTekstu(std::string_view tekst) {
  if (!asembler_) return;
  const Odczyt odczyt = OdczytajWartosc(*asembler_, tekst, TrybDziesietny);
  if (odczyt.rodzaj == Odczyt::Pusty) return;
  if (odczyt.rodzaj == Odczyt::Bledny) {
    NowaWartosc = "???";
    TagNowej = 300;
    return;
  }
  NowaWartosc = FormatLiczby(odczyt.wartosc, TrybDziesietny, 2);
  TagNowej = odczyt.wartosc;
  ZapiszKomorke(adresKomorki_, odczyt.wartosc);
}

void EdycjaPamieci::Anuluj() {
  if (AdresEdytowany >= 0) ZapiszKomorke(adresKomorki_, staryBajt_);
  Zakoncz();
}

void EdycjaPamieci::PokazZnak(int32_t adres) {
  StaraWartosc = DoUtf8(std::u32string(1, ZnakBajtu(Czytaj(adres))));
  NowaWartosc = StaraWartosc;
}

bool EdycjaPamieci::WpiszZnak(int32_t adres, char32_t znak) {
  const auto bajt = BajtZnaku(znak);
  return bajt && ZapiszKomorke(adres, *bajt);
}

}  // namespace kelbra
