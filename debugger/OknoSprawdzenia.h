#pragma once
// The task check's result (F4): the caption "Sprawdzenie: N z M spełnione",
// one row an expectation with what was found, failed ones first and marked,
// selectable and copyable. The main window keeps one and shows it again for
// every check; closing only hides it.

#include <cstdint>

#include <QWidget>

#include "Zadanie.h"

class QAction;
class QLabel;
class QListWidget;
class QPushButton;

namespace kelbra {

class TFormSprawdzenie final : public QWidget {
  Q_OBJECT
 public:
  // What a row stands for, kept in its Qt::UserRole.
  enum Rodzaj { Niespelnione, Spelnione, Informacja };

  explicit TFormSprawdzenie(QWidget* rodzic = nullptr);

  // Fills the window with a check's result and sizes it to the rows. A run
  // that reached `limitCykli` gets a row saying it was cut short.
  void Pokaz(const wsad::WynikZadania& w, uint64_t limitCykli);

  // Moves the window, frame included, wholly onto the screen of `glowne`:
  // `podOknem` puts it first right under `glowne`. A window not shown yet
  // has no frame, so it is taken to get one like `glowne`'s.
  void ZmiescNaEkranie(const QWidget& glowne, bool podOknem);

  QListWidget* Lista() const { return lista_; }
  // The rows as the clipboard gets them, each after its mark; all of them
  // come after the caption.
  QString Tekst(bool tylkoZaznaczone) const;

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  bool eventFilter(QObject* obiekt, QEvent* e) override;

 signals:
  // F4 pressed in this window: the check once more, as the main window's
  // item would do it.
  void SprawdzPonownie();

 private:
  void DodajWiersz(Rodzaj rodzaj, const QString& tekst);
  void Dopasuj();

  QLabel* naglowek_ = nullptr;
  QListWidget* lista_ = nullptr;
  QPushButton* kopiuj_ = nullptr;
  QPushButton* zamknij_ = nullptr;
};

}  // namespace kelbra
