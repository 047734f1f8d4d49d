#pragma once
// Pieces the three inspection windows share: a field with its caption
// above it, the events of a field as the windows' handlers want them, the
// number-display menu, and a blinking "!!! ZAKRES !!!" warning whose timer
// runs only while it blinks.

#include <functional>
#include <string>
#include <vector>

#include <QLabel>
#include <QLineEdit>
#include <QObject>

#include "TekstQt.h"

class QMenu;
class QMenuBar;
class QTimer;

namespace kelbra {

// The window's small font: the design sizes leave no room for more.
void UstawCzcionkeOkna(QWidget* okno);

// A line edit at `x`, `y` with its caption above it, in the window's font
// or at the given pixel size; the caption's objectName is the field's with
// "Label" appended.
QLineEdit* PoleZPodpisem(QWidget* rodzic, const char* nazwa, const QString& podpis, int x, int y, int szerokosc,
                         int pikslePodpisu = 0);

// A read-only cell that shows one bit and is clicked to flip it.
QLineEdit* KomorkaBitu(QWidget* rodzic, const char* nazwa, const QString& podpis, int x, int y, int szerokosc,
                       bool szara, int pikslePodpisu = 0);
// Grey, for bits without a function.
void UstawSzare(QWidget* pole);

// Texts set only when they differ, so a refresh repaints nothing that
// stayed the same.
void UstawTekst(QLineEdit* pole, const QString& tekst);
void UstawTekst(QLabel* etykieta, const QString& tekst);

// The events of the fields a window watches: a key before it reaches the
// field, focus coming and going, and clicks on read-only cells.
class ZdarzeniaPol final : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;

  void Obserwuj(QLineEdit* pole) { pole->installEventFilter(this); }

  std::function<void(QLineEdit*)> PrzedKlawiszem;
  std::function<void(QLineEdit*)> Wejscie;
  std::function<void(QLineEdit*)> Wyjscie;
  std::function<void(QLineEdit*)> Klik;

 protected:
  bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;
};

// The "Wyswietlanie liczb" menu with its DEC and HEX items; choosing one
// checks it, renames the menu and reports the mode.
class MenuLiczb final : public QObject {
  Q_OBJECT
 public:
  MenuLiczb(QMenuBar* pasek, const QString& tytul, const char* nazwaDec, const char* nazwaHex,
            std::function<void(bool dziesietnie)> wybor);
  // As if an item were chosen.
  void Wybierz(bool dziesietnie);
  QMenu* Menu() const { return menu_; }

 private:
  QMenu* menu_;
  QAction* dec_;
  QAction* hex_;
  std::function<void(bool)> wybor_;
};

// "!!! ZAKRES !!!" labels that blink together while a value out of range
// is being typed; the timer runs only then, and only while the window is
// visible.
class Migacz final : public QObject {
  Q_OBJECT
 public:
  Migacz(QWidget* okno, const char* nazwaTimera, int interwal, std::vector<QLabel*> etykiety);
  // Whether the warning should blink now.
  void Ustaw(bool migaj);
  // The window was shown or hidden.
  void Widocznosc();
  QTimer* Timer() const { return timer_; }

 private:
  void Tik();

  QWidget* okno_;
  QTimer* timer_;
  std::vector<QLabel*> etykiety_;
  bool migaj_ = false;
};

// The red bold warning label, hidden.
QLabel* EtykietaZakresu(QWidget* rodzic, const char* nazwa);

// "Bylo:" LabelStaraWartosc "==>>>" "Bedzie" LabelNowaWartosc, left to
// right from x; `koniec` is where the line ends.
struct LiniaPodgladu {
  QLabel* stara;
  QLabel* nowa;
  int koniec;
};
LiniaPodgladu ZbudujLiniePodgladu(QWidget* rodzic, int x, int y);

}  // namespace kelbra
