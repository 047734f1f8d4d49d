#pragma once
// The board window: LEDs, static and dynamic keys, the LCD and the PC
// keyboard field, painted from one layout that the mouse is hit-tested
// against. The board model lives beside the main window; this window shows
// it and turns mouse and key events into its operations.

#include <array>
#include <cstdint>

#include <QFont>
#include <QMetaObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "Plytka.h"
#include "UkladKelbry.h"

class QLineEdit;

namespace kelbra {

// The board's slow refresh, for changes that no event announces. The
// status line already wakes the program every 250 ms, so the board follows
// that pulse while it is shown rather than waking the program a second
// time; alone (as in tests) it keeps a timer of its own at the same rate.
class PulsOdswiezania final : public QObject {
  Q_OBJECT
 public:
  static constexpr int Okres = 250;
  explicit PulsOdswiezania(QObject* rodzic);
  void UstawZrodlo(QTimer* zrodlo);
  void Wlacz();
  void Wylacz();
  bool isActive() const { return wlaczony_; }
  int interval() const { return zrodlo_ ? zrodlo_->interval() : Okres; }

 signals:
  void timeout();

 private:
  void Podlacz();
  void Odlacz();

  QPointer<QTimer> zrodlo_;
  QTimer* wlasny_ = nullptr;
  QMetaObject::Connection polaczenie_;
  bool wlaczony_ = false;
};

class TFormKelbra final : public QWidget {
  Q_OBJECT
 public:
  explicit TFormKelbra(PlytkaKelbra& plytka, QWidget* rodzic = nullptr);

  // The main window's always-running status timer, for the slow refresh
  // to follow.
  void UstawPuls(QTimer* puls);
  // After each run slice or step the LEDs, the LCD and the cursor follow
  // at once.
  void PoTyknieciuBiegu();

  const UkladKelbry& Uklad() const { return uklad_; }
  QLineEdit* EditKlawiatura() const { return edit_; }

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  bool eventFilter(QObject* obiekt, QEvent* e) override;

 private:
  // Brings what the window shows up to the model: LEDs, LCD, cursor, and
  // the key bytes in XDATA.
  void Odswiez();
  void TimerZezwolenieNaOdswierzanieTimer();
  void TimerKursorTimer();
  void PorownajDiody();
  void DopasujTimerKursora();
  void KlawiszPC(const QKeyEvent* e);
  void RysujKlawisz(QPainter& p, const Obszar& o, const QString& podpis, bool wcisniety);
  void RysujKlawiature(QPainter& p, const Obszar& o);

  PlytkaKelbra& plytka_;
  UkladKelbry uklad_;
  // For a key caption too wide for its button (K10 to K15): condensed to
  // leave a margin inside the button's edges.
  QFont waskaCzcionka_;
  PulsOdswiezania* timerOdswiezania_ = nullptr;
  QTimer* timerKursor_ = nullptr;
  // One look after any user input anywhere in the program: a command or an
  // inspection window may have changed what the board shows.
  QTimer* poWejsciu_ = nullptr;
  QLineEdit* edit_ = nullptr;

  // What the window shows, compared on every tick with the model.
  std::array<uint8_t, PlytkaKelbra::LiczbaWierszyDiod> pokazaneDiody_{0xFF, 0xFF, 0xFF, 0xFF};
  uint32_t wersjaLcd_ = 0;
  uint32_t startyKursora_ = 0;
  // The key that got the mouse press gets its release.
  KlawiszPlytki trzymany_;
};

}  // namespace kelbra
