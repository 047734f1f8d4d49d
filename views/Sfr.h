#pragma once
// The SFR window: fifteen special function registers in four collapsible
// sections, each with a byte field and, where it is bit-addressable, its
// bit cells; all of them built from the register table.

#include <array>
#include <cstdint>
#include <vector>

#include "EdycjaSfr.h"
#include "OknoInspekcji.h"

class QLabel;
class QLineEdit;

namespace kelbra {

class Asembler;
struct Jadro;
class PodgladWartosci;
class ZdarzeniaPol;
class MenuLiczb;
class ZmianyStanu;

class TFormDataSFR final : public OknoInspekcji {
  Q_OBJECT
 public:
  explicit TFormDataSFR(QWidget* rodzic = nullptr);
  ~TFormDataSFR() override;

  void UstawWidoki(Jadro& jadro, Asembler& asembler) override;

  // Section heights, 0 for a collapsed section, in the order PanelPrzerwania,
  // PanelLiczniki, PanelPorty, PanelInne. Setting them expands each section
  // with a non-zero height to its design height and fits the window.
  std::array<int32_t, 4> WysokosciSekcji() const { return sekcje_.Wysokosci; }
  void UstawWysokosciSekcji(const std::array<int32_t, 4>& wysokosci);
  // The design heights, kept in the section panels' tags.
  static std::array<int32_t, 4> ProjektoweWysokosci();
  // A click on the header of section k.
  void KliknijNaglowek(size_t k);

  void UstawZmiany(const ZmianyStanu* zmiany) override { zmiany_ = zmiany; }
  void PoZmianach() override;

  void OdswiezSFR();
  const EdycjaSfr& Edycja() const { return edycja_; }

 protected:
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

 private:
  struct Komorka {
    QLineEdit* pole;
    uint8_t adres;
    int bit;
    size_t sekcja;
    // False for the grey cells that neither show nor flip anything.
    bool dziala;
  };
  // The grey strip with the preview line under the menu.
  void ZbudujPasekInfo();
  // The section headers and their panels.
  void ZbudujSekcje();
  void ZbudujRejestr(const OpisSfr& r, QWidget* panel);
  void PodlaczZdarzenia();
  void Podglad(size_t rejestr, const QString& tekst);
  // Places the headers and the expanded sections and fits the height.
  void Uloz();
  size_t Rejestr(const QLineEdit* pole) const;

  EdycjaSfr edycja_;
  const ZmianyStanu* zmiany_ = nullptr;
  SekcjeOkna sekcje_;
  int gora_ = 0;
  std::array<QLabel*, 4> naglowki_{};
  std::array<QWidget*, 4> panele_{};
  std::array<QLineEdit*, RejestrySfr.size()> pola_{};
  std::vector<Komorka> komorki_;
  ZdarzeniaPol* zdarzenia_ = nullptr;
  PodgladWartosci* podglad_ = nullptr;
  MenuLiczb* menuLiczb_ = nullptr;
};

}  // namespace kelbra
