#pragma once
// The find bar under the editor: a phrase, the next and the previous match
// with wrapping round the text, an optional case match and a word when
// nothing matches. Enter finds the next match, Shift+Enter the previous
// one, Esc closes the bar and gives the editor back the keyboard.

#include <QFrame>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace kelbra {

class PasekSzukania final : public QFrame {
  Q_OBJECT
 public:
  PasekSzukania(QPlainTextEdit& edytor, QWidget* rodzic);

  // Shows the bar with the phrase selected for typing over; a selection
  // within one line of the editor becomes the phrase.
  void Otworz();
  void Zamknij();
  // Selects the next (or the previous) match after the editor's selection,
  // going round the text's end; false, with the word shown, when there is
  // none at all.
  bool Szukaj(bool wstecz);

  static constexpr const char* NieZnaleziono = "Nie znaleziono";

 protected:
  void keyPressEvent(QKeyEvent* e) override;

 private:
  // While the phrase is typed the match grows from where it started.
  void SzukajOdPoczatkuZaznaczenia();
  bool Znajdz(int od, bool wstecz);

  QPlainTextEdit& edytor_;
  QLineEdit* pole_ = nullptr;
  QCheckBox* wielkoscLiter_ = nullptr;
  QLabel* komunikat_ = nullptr;
};

}  // namespace kelbra
