#pragma once
// The memory window: one memory space as a grid of byte values beside a
// grid of the same bytes as characters, with one scroll bar for both. Both
// grids are painted from the same top row and touch only the visible rows,
// so the 64 KiB spaces cost no more than the small ones.

#include <array>
#include <vector>

#include "EdycjaPamieci.h"
#include "OknoInspekcji.h"

class QActionGroup;
class QLabel;
class QLineEdit;
class QMenuBar;
class QScrollBar;

namespace kelbra {

class Asembler;
struct Jadro;
class PodgladWartosci;
class MenuLiczb;
class SiatkaPamieci;
class ZmianyStanu;

class TFormDATA final : public OknoInspekcji {
  Q_OBJECT
 public:
  explicit TFormDATA(QWidget* rodzic = nullptr);
  ~TFormDATA() override;

  void UstawWidoki(Jadro& jadro, Asembler& asembler) override;

  // The "Rodzaj Pamieci" and "Liczba kolumn" menu items.
  void WybierzPamiec(RodzajPamieci rodzaj);
  void WybierzKolumny(int kolumny);
  void UlozOkno();
  // Repaints the visible cells if any of their bytes changed.
  void OdswiezKomorki();
  void UstawZmiany(const ZmianyStanu* zmiany) override;
  // The cells and their marks now.
  void PoZmianach() override;

 public:
  const EdycjaPamieci& Edycja() const { return edycja_; }
  // What a cell of either grid shows: row 0 is the header row, and in the
  // value grid column 0 the row addresses.
  QString TekstKomorki(bool znaki, int wiersz, int kolumna) const;
  int GornyWiersz() const;
  // Grid rows shown, the header row included.
  int WidoczneWiersze() const { return wiersze_; }
  // The window's height besides the rows.
  int Ramka() const;

 protected:
  void showEvent(QShowEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

 private:
  void ZbudujMenu();
  // The cell editor over the value grid.
  void ZbudujEdytor();
  // The resize rule: whole rows for a height, and the scroll range.
  void Dopasuj(int wysokosc);
  void OtworzEdytor(bool pusty);
  void ZakonczEdycje(bool anuluj);
  void PokazPodglad();
  void Przerysuj();

  EdycjaPamieci edycja_;
  SiatkaPamieci* wartosci_ = nullptr;
  SiatkaPamieci* znaki_ = nullptr;
  QScrollBar* suwak_ = nullptr;
  QLineEdit* edytor_ = nullptr;
  QMenuBar* pasek_ = nullptr;
  QWidget* panelGorny_ = nullptr;
  PodgladWartosci* podglad_ = nullptr;
  QLabel* zakres_ = nullptr;  // "!!! ZAKRES !!!"
  // Two lines when the window is too narrow for the warning beside the
  // preview.
  int wysokoscPanelu_ = 20;
  MenuLiczb* menuLiczb_ = nullptr;
  std::array<QAction*, 4> pamieci_{};
  std::array<QAction*, 4> kolumny_{};
  int gora_ = 0;
  int wiersze_ = 17;
  // The bytes last painted, to tell whether a refresh must repaint.
  std::vector<uint8_t> pokazane_;
  int pokazanyWiersz_ = -1;
  bool zamykanie_ = false;
};

}  // namespace kelbra
