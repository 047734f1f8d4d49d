#pragma once
// The timing window: the ports, the key bytes and the LCD writes over
// emulated time, live while the program runs. Two cursors measure time,
// the pin under the mouse tells its period and duty cycle, and the picture
// can be saved as VCD for a waveform viewer. Where it stands and whether it
// is shown are kept in the program's settings, not in the source file.

#include <cstdint>
#include <optional>

#include <QAbstractScrollArea>
#include <QWidget>

#include "WidokPrzebiegow.h"
#include "ZapisPrzebiegow.h"

class QLabel;
class QSettings;
class QTimer;
class QToolButton;

namespace kelbra {

class PulsOdswiezania;

// The painted rows: names on the left, the traces right of them, the time
// axis on top; rows scroll up and down, time is panned and zoomed.
class WykresPrzebiegow final : public QAbstractScrollArea {
  Q_OBJECT
 public:
  static constexpr int SzerokoscNazw = 64;
  static constexpr int WysokoscOsi = 34;

  WykresPrzebiegow(const ZapisPrzebiegow& zapis, QWidget* rodzic);

  WidokCzasu& Widok() { return widok_; }
  const WidokCzasu& Widok() const { return widok_; }
  std::optional<uint64_t> KursorA() const { return kursorA_; }
  std::optional<uint64_t> KursorB() const { return kursorB_; }
  // The picture changed or the present moved: follow it and repaint, only
  // when something did change.
  void Odswiez();
  void Powieksz(double czynnik);
  void Calosc();
  // The middle of a row in the viewport, where a click lands on it.
  std::optional<int> SrodekWiersza(Sygnal s, int bit) const;
  void NaZywo();

 signals:
  void KursoryZmienione();
  void Najechano(const QString& opis);
  void WidokZmieniony();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void showEvent(QShowEvent* e) override;

 private:
  int SzerokoscWykresu() const;
  // The row at viewport y, or -1 (the axis, below the last row).
  int WierszW(int y) const;
  int Wysokosc(const WierszPrzebiegu& w) const;
  void PrzeliczWiersze();
  // The cycle under viewport x, snapped to an edge of the row's pin or bus
  // within a few pixels.
  uint64_t CyklKursora(int x, int wiersz) const;
  void OpiszNajechanie(QPoint p);

  const ZapisPrzebiegow& zapis_;
  WidokCzasu widok_;
  RozwinieciaWierszy rozwiniecia_;
  std::vector<WierszPrzebiegu> wiersze_;
  std::vector<int> gory_;  // each row's top, from the first row
  int wysokoscWierszy_ = 0;
  std::optional<uint64_t> kursorA_;
  std::optional<uint64_t> kursorB_;
  // What the last paint showed.
  uint64_t wersja_ = UINT64_MAX;
  uint64_t pokolenie_ = 0;
  // A left press pans when it moves, else it places cursor A.
  std::optional<QPoint> nacisniety_;
  QPoint ostatni_;
  bool przeciaga_ = false;
};

class TFormPrzebiegi final : public QWidget {
  Q_OBJECT
 public:
  explicit TFormPrzebiegi(const ZapisPrzebiegow& zapis, QWidget* rodzic = nullptr);

  // The main window's status timer, for the repaints while running.
  void UstawPuls(QTimer* puls);
  // After a run slice or step the picture catches up.
  void PoTyknieciuBiegu();
  // Place and visibility in the program's settings.
  void ZapiszUstawienia(QSettings& s) const;
  void PrzywrocUstawienia(const QSettings& s);

  WykresPrzebiegow* Wykres() const { return wykres_; }

 protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  void PokazKursory();
  void ZapiszVcdClick();

  const ZapisPrzebiegow& zapis_;
  WykresPrzebiegow* wykres_ = nullptr;
  PulsOdswiezania* puls_ = nullptr;
  QToolButton* naZywo_ = nullptr;
  QLabel* kursory_ = nullptr;
  QLabel* pin_ = nullptr;
};

}  // namespace kelbra
