#include "Margines.h"

#include <QMouseEvent>
#include <QPainter>

#include "Ikony.h"

namespace kelbra {

Margines::Margines(QWidget* rodzic) : QWidget(rodzic) {
  setObjectName("PanelLewy");
  setFixedWidth(31);
  setAutoFillBackground(true);
}

bool Margines::Pokaz(StanMarginesu stan) {
  if (stan == stan_) return false;
  stan_ = std::move(stan);
  update();
  return true;
}

void Margines::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return QWidget::mousePressEvent(e);
  e->accept();
  emit KlikLewy(e->position().toPoint());
}

void Margines::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const int h = stan_.WysokoscLinii;
  // The mark: a circle 9 x 12, red with a maroon rim, 5 pixels from the left.
  p.setPen(QPen(QColor(128, 0, 0), 1));
  p.setBrush(QColor(255, 0, 0));
  for (size_t k = 0; k < stan_.Znaczniki.size(); ++k) {
    if (!stan_.Znaczniki[k]) continue;
    const int y = stan_.Przesuniecie + static_cast<int>(k) * h + (h - 12) / 2;
    p.drawEllipse(QRectF(5.5, y + 0.5, 9, 11));
  }
  if (stan_.LiniaStrzalki >= 0) {
    const int y = stan_.Przesuniecie + stan_.LiniaStrzalki * h + (h - 17) / 2;
    p.drawPixmap(15, y, ObrazStrzalki(devicePixelRatioF()));
  }
}

}  // namespace kelbra
