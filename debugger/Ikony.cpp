#include "Ikony.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QtMath>

#include <algorithm>
#include <array>
#include <cmath>

namespace kelbra {

namespace {

// Every picture is designed on this grid and the painter is scaled to the
// target, so the line weight grows with the icon.
constexpr qreal Siatka = 24.0;
constexpr qreal Linia = 1.5;

// Each fill has its own darker edge, the way the gutter draws a red
// breakpoint with a maroon rim.
struct Barwa {
  QRgb wnetrze;
  QRgb brzeg;
};
constexpr Barwa Papier{qRgb(255, 255, 255), qRgb(74, 85, 97)};
constexpr Barwa Stal{qRgb(208, 215, 222), qRgb(74, 85, 97)};
constexpr Barwa Bursztyn{qRgb(250, 204, 82), qRgb(156, 104, 12)};
constexpr Barwa BursztynCiemny{qRgb(226, 164, 46), qRgb(156, 104, 12)};
constexpr Barwa Niebieski{qRgb(74, 134, 212), qRgb(28, 72, 138)};
constexpr Barwa Zielony{qRgb(60, 181, 74), qRgb(28, 110, 39)};
constexpr Barwa Czerwony{qRgb(255, 0, 0), qRgb(128, 0, 0)};

void Ksztalt(QPainter& p, const QPainterPath& sciezka, Barwa b) {
  p.setPen(QPen(QColor(b.brzeg), Linia, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(QColor(b.wnetrze));
  p.drawPath(sciezka);
}

QPainterPath Wielokat(std::initializer_list<QPointF> punkty) {
  QPainterPath s;
  s.addPolygon(QPolygonF(QList<QPointF>(punkty)));
  s.closeSubpath();
  return s;
}

QPainterPath Prostokat(qreal x1, qreal y1, qreal x2, qreal y2, qreal promien = 0) {
  QPainterPath s;
  s.addRoundedRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)), promien, promien);
  return s;
}

// An arrow is one outline (shaft and head together), so it fills and edges
// like every other shape; the head points along kierunek from the shaft's end.
QPainterPath Strzala(const QPainterPath& os, QPointF koniec, QPointF kierunek) {
  QPainterPathStroker obrys;
  obrys.setWidth(3.5);
  obrys.setCapStyle(Qt::FlatCap);
  obrys.setJoinStyle(Qt::RoundJoin);
  const QPointF bok(-kierunek.y(), kierunek.x());
  const QPainterPath glowica =
      Wielokat({koniec + bok * 4.75, koniec + kierunek * 5.5, koniec - bok * 4.75, koniec - kierunek * 0.5});
  return obrys.createStroke(os).united(glowica).simplified();
}

// The program line that the stepping arrows enter or jump over.
void WierszKodu(QPainter& p) { Ksztalt(p, Prostokat(7.75, 17.75, 16.25, 21.25, 1), Stal); }

void Nowy(QPainter& p) {
  Ksztalt(p, Wielokat({{5.75, 2.75}, {13.75, 2.75}, {19.25, 8.25}, {19.25, 21.25}, {5.75, 21.25}}), Papier);
  Ksztalt(p, Wielokat({{13.75, 2.75}, {13.75, 8.25}, {19.25, 8.25}}), Stal);
}

void Otworz(QPainter& p) {
  Ksztalt(p, Wielokat({{2.75, 19.25}, {2.75, 4.75}, {8.75, 4.75}, {10.75, 6.75}, {18.25, 6.75}, {18.25, 19.25}}),
          BursztynCiemny);
  Ksztalt(p, Wielokat({{2.75, 19.25}, {6.25, 10.75}, {21.75, 10.75}, {18.25, 19.25}}), Bursztyn);
}

void Zapisz(QPainter& p) {
  Ksztalt(p, Wielokat({{3.75, 3.75}, {17.25, 3.75}, {20.25, 6.75}, {20.25, 20.25}, {3.75, 20.25}}), Niebieski);
  Ksztalt(p, Prostokat(7.75, 3.75, 15.25, 9.25), Stal);
  Ksztalt(p, Prostokat(11.75, 5.25, 13.25, 7.75), Niebieski);
  Ksztalt(p, Prostokat(6.75, 12.75, 17.25, 20.25, 1), Papier);
}

void Kompiluj(QPainter& p) {
  constexpr int Zeby = 8;
  QPolygonF obwod;
  for (int i = 0; i < Zeby; ++i)
    for (const auto& [promien, kat] : {std::pair{7.0, -15.0}, {9.75, -9.0}, {9.75, 9.0}, {7.0, 15.0}}) {
      const qreal rad = qDegreesToRadians(i * 360.0 / Zeby + kat);
      obwod << QPointF(12 + promien * std::cos(rad), 12 - promien * std::sin(rad));
    }
  QPainterPath kolo;
  kolo.addPolygon(obwod);
  kolo.closeSubpath();
  kolo.addEllipse(QPointF(12, 12), 3, 3);
  Ksztalt(p, kolo, Niebieski);
}

void Uruchom(QPainter& p) { Ksztalt(p, Wielokat({{6.75, 3.75}, {19.75, 12}, {6.75, 20.25}}), Zielony); }

void Zatrzymaj(QPainter& p) { Ksztalt(p, Prostokat(5.75, 5.75, 18.25, 18.25, 1.5), Czerwony); }

// The play triangle cut into slices: the program runs, but one instruction
// at a time.
void PracaKrokowa(QPainter& p) {
  const QPainterPath trojkat = Wielokat({{4.75, 3.25}, {20.25, 12}, {4.75, 20.75}});
  for (const auto& [od, dokad] : {std::pair{0.0, 8.5}, {10.5, 13.5}, {15.5, 24.0}})
    Ksztalt(p, trojkat.intersected(Prostokat(od, 0, dokad, Siatka)), Zielony);
}

void KrokDoWnetrza(QPainter& p) {
  WierszKodu(p);
  QPainterPath os;
  os.moveTo(12, 2.25);
  os.lineTo(12, 10.5);
  Ksztalt(p, Strzala(os, {12, 10.5}, {0, 1}), Niebieski);
}

void KrokPonad(QPainter& p) {
  WierszKodu(p);
  QPainterPath os;
  os.moveTo(3.75, 20);
  os.cubicTo(3.75, 4.5, 19.75, 4.5, 19.75, 14);
  Ksztalt(p, Strzala(os, {19.75, 14}, {0, 1}), Niebieski);
}

void Pauza(QPainter& p) {
  Ksztalt(p, Prostokat(5.75, 4.75, 10.25, 19.25, 1), Niebieski);
  Ksztalt(p, Prostokat(13.75, 4.75, 18.25, 19.25, 1), Niebieski);
}

void Reset(QPainter& p) {
  constexpr qreal Promien = 7.0;
  constexpr qreal Poczatek = -180.0;
  constexpr qreal Luk = 270.0;
  QPainterPath os;
  const QRectF okrag(12 - Promien, 12 - Promien, 2 * Promien, 2 * Promien);
  os.arcMoveTo(okrag, Poczatek);
  os.arcTo(okrag, Poczatek, Luk);
  const qreal koniec = qDegreesToRadians(Poczatek + Luk);
  const QPointF punkt(12 + Promien * std::cos(koniec), 12 - Promien * std::sin(koniec));
  Ksztalt(p, Strzala(os, punkt, {-std::sin(koniec), -std::cos(koniec)}), Zielony);
}

void Pulapka(QPainter& p) {
  QPainterPath kolo;
  kolo.addEllipse(QPointF(12, 12), 7.25, 7.25);
  Ksztalt(p, kolo, Czerwony);
}

using Rysunek = void (*)(QPainter&);
constexpr std::array<Rysunek, 12> Rysunki{Nowy,         Otworz,        Zapisz,    Kompiluj, Uruchom, Zatrzymaj,
                                          PracaKrokowa, KrokDoWnetrza, KrokPonad, Pauza,    Reset,   Pulapka};

// Greys the picture and lets the background show through, so a disabled
// button reads as unavailable on a light or dark window alike.
QImage Wyblakly(const QImage& obraz) {
  QImage wynik = obraz.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < wynik.height(); ++y) {
    auto* wiersz = reinterpret_cast<QRgb*>(wynik.scanLine(y));
    for (int x = 0; x < wynik.width(); ++x) {
      const int szary = 110 + qGray(wiersz[x]) * 110 / 255;
      wiersz[x] = qRgba(szary, szary, szary, qAlpha(wiersz[x]) * 45 / 100);
    }
  }
  return wynik;
}

class SilnikIkony : public QIconEngine {
 public:
  explicit SilnikIkony(Rysunek rysunek) : rysunek_(rysunek) {}

  void paint(QPainter* p, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    if (rect.isEmpty()) return;
    if (mode == QIcon::Disabled) {
      const QTransform t = p->deviceTransform();
      const qreal skala = std::max<qreal>(std::hypot(t.m11(), t.m12()), 1.0);
      QImage obraz(rect.size() * skala, QImage::Format_ARGB32_Premultiplied);
      obraz.fill(Qt::transparent);
      obraz.setDevicePixelRatio(skala);
      {
        QPainter q(&obraz);
        Rysuj(q, QRect(QPoint(), rect.size()));
      }
      p->drawImage(rect, Wyblakly(obraz));
      return;
    }
    p->save();
    Rysuj(*p, rect);
    p->restore();
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Pixmapa(size, 1.0, mode, state);
  }

  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // Before Qt 6.8 QIcon::pixmap() hands over the size already multiplied
    // by the scale.
    return Pixmapa(size, scale, mode, state);
#else
    return Pixmapa(size * scale, scale, mode, state);
#endif
  }

  QIconEngine* clone() const override { return new SilnikIkony(rysunek_); }
  QString key() const override { return QStringLiteral("kelbra"); }

 private:
  QPixmap Pixmapa(const QSize& piksele, qreal skala, QIcon::Mode mode, QIcon::State state) {
    if (piksele.isEmpty()) return QPixmap();
    QPixmap wynik(piksele);
    wynik.fill(Qt::transparent);
    wynik.setDevicePixelRatio(skala);
    QPainter p(&wynik);
    paint(&p, QRect(QPoint(), (QSizeF(piksele) / skala).toSize()), mode, state);
    return wynik;
  }

  // A non-square rect gets the picture as a centred square.
  void Rysuj(QPainter& p, const QRect& rect) const {
    const qreal bok = std::min(rect.width(), rect.height());
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(rect.x() + (rect.width() - bok) / 2, rect.y() + (rect.height() - bok) / 2);
    p.scale(bok / Siatka, bok / Siatka);
    rysunek_(p);
  }

  Rysunek rysunek_;
};

}  // namespace

QIcon IkonaPrzycisku(int numer) {
  if (numer < 1 || numer > static_cast<int>(Rysunki.size())) return QIcon();
  return QIcon(new SilnikIkony(Rysunki[numer - 1]));
}

QPixmap ObrazStrzalki(qreal skalaPikseli) {
  QPixmap wynik(QSize(15, 17) * skalaPikseli);
  wynik.fill(Qt::transparent);
  wynik.setDevicePixelRatio(skalaPikseli);
  QPainter p(&wynik);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(70, 50, 0), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(QColor(255, 208, 40));
  p.drawPolygon(QPolygonF({{0.5, 5.5}, {7.5, 5.5}, {7.5, 0.5}, {14.5, 8.5}, {7.5, 16.5}, {7.5, 11.5}, {0.5, 11.5}}));
  return wynik;
}

}  // namespace kelbra
