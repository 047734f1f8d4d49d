#pragma once
// Pieces the three inspection windows share: a field with its caption
// above it, the events of a field as the windows' handlers want them, the
// number-display menu, timers that run only while their window is shown,
// and the preview line of a value being typed with its blinking
// "!!! ZAKRES !!!" warning.

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

// A one-line label, named unless `nazwa` is null.
QLabel* Napis(QWidget* rodzic, const char* nazwa, const QString& tekst, int x, int y, int szerokosc);

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

// A value that changed between the last two stops: its text in the marked
// colour, dark enough to read on the white fields and the grey cells.
inline QColor KolorZmiany() { return {170, 0, 0}; }
void UstawZmiane(QLineEdit* pole, bool zmienione);

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

// A timer of a window that runs only while the window is shown, and then
// only while it is switched on; the window needs no show or hide handler
// for it.
class TimerOkna final : public QObject {
  Q_OBJECT
 public:
  // `zatrzymany` runs each time the timer stops or stays stopped.
  TimerOkna(QWidget* okno, const char* nazwa, int interwal, std::function<void()> tik,
            std::function<void()> zatrzymany = {});
  // Whether it runs while the window is shown; on from the start.
  void Wlacz(bool wlacz);
  QTimer* Timer() const { return timer_; }

 protected:
  bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

 private:
  void Zatrzymaj();

  QWidget* okno_;
  QTimer* timer_;
  std::function<void()> zatrzymany_;
  bool wlaczony_ = true;
};

// "!!! ZAKRES !!!" labels that blink together while a value out of range
// is being typed; the timer runs only then, and only while the window is
// shown.
class Migacz final : public QObject {
  Q_OBJECT
 public:
  Migacz(QWidget* okno, const char* nazwaTimera, int interwal);
  void Dodaj(QLabel* etykieta) { etykiety_.push_back(etykieta); }
  // Whether the warning should blink now.
  void Ustaw(bool migaj) { timer_->Wlacz(migaj); }

 private:
  void Tik();

  TimerOkna* timer_;
  std::vector<QLabel*> etykiety_;
};

// The preview of the value being typed: "Bylo:" LabelStaraWartosc "==>>>"
// "Bedzie" LabelNowaWartosc, left to right from x, and "!!! ZAKRES !!!"
// warnings that blink on the window's timer while the value is out of
// range.
class PodgladWartosci final : public QObject {
  Q_OBJECT
 public:
  PodgladWartosci(QWidget* okno, QWidget* rodzic, int x, int y, const char* nazwaTimera, int interwal);
  // A red bold warning label in the line's parent, hidden; the window
  // places it.
  QLabel* Ostrzezenie(const char* nazwa);
  QLabel* Nowa() const { return nowa_; }
  // Where the line ends.
  int Koniec() const { return koniec_; }

  void Pokaz(const std::string& stara, const std::string& nowa, bool pozaZakresem);

 private:
  QWidget* rodzic_;
  QLabel* stara_ = nullptr;
  QLabel* nowa_ = nullptr;
  int koniec_ = 0;
  Migacz* migacz_;
};

}  // namespace kelbra
