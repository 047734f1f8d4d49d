#pragma once
// One of the memory window's two grids: byte values with row addresses, or
// the same bytes as characters. Both read the top row from the window's
// scroll bar and paint only the rows they show; the cell under the mouse
// and the cell painted come from the same column arithmetic.

#include <cstdint>
#include <functional>

#include <QWidget>

#include "EdycjaPamieci.h"

class QLineEdit;
class QScrollBar;

namespace kelbra {

class ZmianyStanu;

class SiatkaPamieci final : public QWidget {
 public:
  SiatkaPamieci(QWidget* rodzic, EdycjaPamieci& edycja, QScrollBar& suwak, bool znakowa);

  // The window's part. The value grid has the cell editor opened (empty
  // when a typed character is to replace the text); the character grid
  // has the preview shown, and everything repainted after it wrote bytes.
  std::function<void(bool pusty)> OtworzEdytor;
  std::function<void()> PokazPodglad;
  std::function<void()> Przerysuj;
  // Characters typed into the character grid were stored.
  std::function<void()> Zapisano;
  // Cells changed at the last stop are drawn in the marked colour.
  const ZmianyStanu* Zmiany = nullptr;
  // The cell editor over the value grid: typing goes on into it, and while
  // it is open the selection keeps the focused look.
  void UstawEdytor(QLineEdit* edytor) { edytor_ = edytor; }

  int Wiersz() const { return wiersz_; }
  int Kolumna() const { return kolumna_; }
  // The address of the selected cell.
  int32_t Adres() const;
  // The cell's place inside the grid, for the editor.
  QRect Prostokat(int wiersz, int kolumna) const;
  // What a cell shows: row 0 is the header row, and in the value grid
  // column 0 the row addresses.
  QString TekstKomorki(int wiersz, int kolumna) const;
  // Keeps the selection inside the grid after the space or the row length
  // changed.
  void Ogranicz();
  void Wybierz(int wiersz, int kolumna);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;

 private:
  UkladPamieci Uklad() const { return edycja_.Uklad(); }
  int GornyWiersz() const;
  void UstawGornyWiersz(int wiersz);
  // Rows shown, the header row included: the window sizes the grid to
  // whole rows.
  int Wiersze() const { return height() / WysokoscWiersza; }
  int PierwszaKolumna() const { return znakowa_ ? 0 : 1; }
  int OstatniaKolumna(const UkladPamieci& u) const { return znakowa_ ? u.kolumny - 1 : u.kolumny; }
  // Selects the cell nearest to the one given inside the grid.
  void Przytnij(int wiersz, int kolumna);
  // The grid row and column at a point; false outside the byte cells.
  bool Komorka(QPoint p, int& wiersz, int& kolumna) const;
  bool Przesun(int klawisz, Qt::KeyboardModifiers modyfikatory);
  void WpiszZnaki(const QString& tekst);

  EdycjaPamieci& edycja_;
  QScrollBar& suwak_;
  QLineEdit* edytor_ = nullptr;
  bool znakowa_;
  int wiersz_ = 1;
  int kolumna_ = 0;
  // Where the next character typed into the character grid goes.
  int32_t adresZnaku_ = 0;
  int kolkoMyszy_ = 0;
};

}  // namespace kelbra
