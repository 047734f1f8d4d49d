#pragma once
// The gutter left of the editor: a red mark beside every visible line that
// carries a breakpoint and the arrow at the current program line. It is told
// what to show after every change and repaints only when that changed; a
// left click is passed on for the window to toggle that line's breakpoint.

#include <vector>

#include <QWidget>

namespace kelbra {

struct StanMarginesu {
  int Przesuniecie = 0;   // top of the first visible line, in gutter pixels
  int WysokoscLinii = 13;
  std::vector<bool> Znaczniki;  // one per visible line, from the top one
  int LiniaStrzalki = -1;       // visible line of the arrow, or -1 when hidden

  bool operator==(const StanMarginesu&) const = default;
};

class Margines final : public QWidget {
  Q_OBJECT
 public:
  explicit Margines(QWidget* rodzic = nullptr);

  // True when the state differed and a repaint was requested.
  bool Pokaz(StanMarginesu stan);
  const StanMarginesu& Stan() const { return stan_; }

 signals:
  // The gutter shares its row with the editor, so this is also the
  // editor's height changing.
  void ZmianaRozmiaru();
  // A left button press, in gutter coordinates.
  void KlikLewy(QPoint gdzie);

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override { emit ZmianaRozmiaru(); }
  void mousePressEvent(QMouseEvent* e) override;

 private:
  StanMarginesu stan_;
};

}  // namespace kelbra
