#pragma once
// What the main window sees of the registers, SFR and memory windows: the
// machine state handed over at its first showing, its record of what
// changed at the last stop, and the word that the user typed a value in.

#include <QWidget>

namespace kelbra {

class Asembler;
struct Jadro;
class ZmianyStanu;

class OknoInspekcji : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;

  // The machine state and the evaluator, handed over on the main window's
  // first showing.
  virtual void UstawWidoki(Jadro& jadro, Asembler& asembler) = 0;
  // The main window's record of what changed at the last stop.
  virtual void UstawZmiany(const ZmianyStanu* zmiany) = 0;
  // A stop, a reset or a typed value: the values and their marks now.
  virtual void PoZmianach() = 0;

 signals:
  // A value was typed, a character entered or a bit flipped into the
  // machine state.
  void Wpisano();
};

}  // namespace kelbra
