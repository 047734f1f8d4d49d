#include "ZarzadcaOkien.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace kelbra {

namespace {

// A window whose size the user cannot change keeps it when a layout is
// applied: it may be moved, never resized.
bool StalyRozmiar(const QWidget* w) { return w->minimumSize() == w->maximumSize(); }

}  // namespace

void ZarzadcaOkien::UstawOkna(const std::array<QWidget*, PozycjeOkien::LiczbaOkien>& okna, SekcjeSfr sekcje) {
  for (size_t i = 0; i < okna.size(); ++i) okna_[i] = okna[i];
  sekcje_ = std::move(sekcje);
}

PozycjeOkien ZarzadcaOkien::ZbierzPozycjeOkien() const {
  PozycjeOkien p = domyslne_;
  for (size_t i = 0; i < okna_.size(); ++i) {
    const QWidget* w = okna_[i];
    if (!w) continue;
    // Frame position and client size, the pair that UstawOkna applies.
    const QPoint lewyGorny = w->frameGeometry().topLeft();
    p.Okna[i] = {lewyGorny.x(), lewyGorny.y(), w->width(), w->height(), w->isVisible()};
  }
  if (sekcje_.Czytaj) p.Sekcje = sekcje_.Czytaj();
  return p;
}

void ZarzadcaOkien::UstawOkna(PozycjeOkien pozycje, int okno) {
  const QRect obszar = ObszarEkranu();
  for (size_t i = 0; i < okna_.size(); ++i) {
    if (okno != -1 && static_cast<size_t>(okno) != i) continue;
    QWidget* w = okna_[i];
    if (!w) continue;
    PozycjaOkna& o = pozycje.Okna[i];
    // Sized first, then clamped with the frame's real size, so the frame
    // ends flush with the screen's edge rather than the client area.
    const QSize ramka = Ramka(w);
    const Rozmiar r = DopasujDoEkranu(w, StalyRozmiar(w) ? w->size() : QSize(o.Width, o.Height), ramka, obszar);
    o.Width = r.Szerokosc;
    o.Height = r.Wysokosc;
    PozycjaOkna zRamka{o.Left - obszar.left(), o.Top - obszar.top(), o.Width + ramka.width(),
                       o.Height + ramka.height(), o.Visible};
    OgraniczDoEkranu(zRamka, obszar.width(), obszar.height());
    w->move(zRamka.Left + obszar.left(), zRamka.Top + obszar.top());
    if (static_cast<int>(i) == Opis(Okno::Sfr).pozycja && sekcje_.Ustaw) sekcje_.Ustaw(pozycje.Sekcje);
    if (static_cast<int>(i) == PozycjaGlownego || okno != -1) {
      w->show();
      w->raise();
    } else {
      w->setVisible(o.Visible);
    }
  }
  // Just after the main window is first mapped (a file named on the
  // command line), the window manager has not yet reported its frame, so
  // the windows were placed as if they had none and stick out by it. Once
  // the frame is known, the layout is placed again.
  if (okna_[0] && okna_[0]->isVisible() && Ramka(okna_[0]).isEmpty() &&
      QGuiApplication::platformName() == QLatin1String("xcb"))
    PonowPoRamce(pozycje, okno, 50);
}

void ZarzadcaOkien::PonowPoRamce(const PozycjeOkien& pozycje, int okno, int proby) {
  QTimer::singleShot(20, okna_[0].data(), [this, pozycje, okno, proby] {
    if (!okna_[0]) return;
    if (!Ramka(okna_[0]).isEmpty()) UstawOkna(pozycje, okno);
    else if (proby > 1) PonowPoRamce(pozycje, okno, proby - 1);
  });
}

QRect ZarzadcaOkien::ObszarEkranu() const {
  const QScreen* ekran = okna_[0] ? okna_[0]->screen() : QGuiApplication::primaryScreen();
  return ekran ? ekran->availableGeometry() : QRect(0, 0, 1024, 768);
}

QSize ZarzadcaOkien::Ramka(const QWidget* w) const {
  // A hidden window may not know its frame yet; it gets the same
  // decoration as the main window.
  const QWidget* wzor = w->isVisible() || !okna_[0] ? w : okna_[0].data();
  return wzor->frameGeometry().size() - wzor->geometry().size();
}

Rozmiar ZarzadcaOkien::DopasujDoEkranu(QWidget* w, QSize chciany, QSize ramka, const QRect& obszar) {
  const Rozmiar r = RozmiarNaEkranie({chciany.width(), chciany.height()}, {w->minimumWidth(), w->minimumHeight()},
                                     {ramka.width(), ramka.height()}, {obszar.width(), obszar.height()});
  if (w->size() != QSize(r.Szerokosc, r.Wysokosc)) w->resize(r.Szerokosc, r.Wysokosc);
  // The window's own limits may have had the last word.
  return {w->width(), w->height()};
}

PozycjeOkien ZarzadcaOkien::PozycjeDomyslne(int okno) const {
  PozycjeOkien p = ZbierzPozycjeOkien();
  for (int i = 0; i < PozycjeOkien::LiczbaOkien; ++i)
    if (okno == -1 || okno == i) p.Okna[static_cast<size_t>(i)] = domyslne_.Okna[static_cast<size_t>(i)];
  p.Okna[PozycjaGlownego].Top = 200;
  if (okno == -1 || okno == Opis(Okno::Sfr).pozycja) p.Sekcje = {0, 0, 0, 0};
  return p;
}

void ZarzadcaOkien::ZapamietajDomyslnePozycje() {
  static constexpr std::array<QPoint, 5> Kaskada = {QPoint(7, 7), QPoint(14, 42), QPoint(21, 84), QPoint(28, 126),
                                                    QPoint(35, 168)};
  if (const QWidget* g = okna_[0])
    domyslne_.Okna[0] = {g->frameGeometry().x(), g->frameGeometry().y(), g->width(), g->height(), true};
  for (size_t i = 1; i < okna_.size(); ++i) {
    QWidget* w = okna_[i];
    // A design size larger than the screen is cut to it before the window
    // is first placed.
    if (w) DopasujDoEkranu(w, w->size(), Ramka(w), ObszarEkranu());
    domyslne_.Okna[i] = {Kaskada[i - 1].x(), Kaskada[i - 1].y(), w ? w->width() : 0, w ? w->height() : 0, false};
    if (w) w->move(Kaskada[i - 1]);
  }
  domyslne_.Sekcje = sekcje_.Domyslne;
}

}  // namespace kelbra
