#pragma once
// The About window: the program's name, what it is for, who made it, and
// pictures of the Kelbra board and of the 8051 chip.

#include <QWidget>

class QLabel;

namespace kelbra {

class TFormOProgramie final : public QWidget {
  Q_OBJECT
 public:
  // The pictures as the resource file names them.
  static constexpr const char* ObrazPlytki = ":/obrazy/plytka.jpg";
  static constexpr const char* ObrazUkladu = ":/obrazy/uklad8051.jpg";

  explicit TFormOProgramie(QWidget* rodzic = nullptr);

  QLabel* Plytka() const { return plytka_; }
  QLabel* Uklad() const { return uklad_; }
  QLabel* Nazwa() const { return nazwa_; }

 private:
  QLabel* plytka_ = nullptr;
  QLabel* uklad_ = nullptr;
  QLabel* nazwa_ = nullptr;
};

}  // namespace kelbra
