#include "Przebiegi.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSettings>
#include <QStaticText>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "DokumentZrodlowy.h"
#include "FormatLiczb.h"
#include "Kelbra.h"
#include "TekstQt.h"
#include "Vcd.h"

namespace kelbra {

namespace {

constexpr int WysokoscSzyny = 22;
constexpr int WysokoscPinu = 16;
constexpr int WysokoscLcd = 24;
// A click this near an edge lands on it; a press that moves further pans.
constexpr int Przyciaganie = 6;
constexpr int Prog = 3;
constexpr double KrokPowiekszenia = 1.5;
// The axis: labels on top, the cursors' flags below them.
constexpr int PasOpisow = 18;

const QColor TloWykresu(22, 24, 28);
const QColor PozaZapisem(44, 46, 52);
const QColor Siatka(52, 56, 64);
const QColor KolorPinu(90, 220, 110);
const QColor KolorSzyny(235, 200, 90);
const QColor KolorLcd(110, 190, 255);
const QColor KolorA(255, 120, 120);
const QColor KolorB(120, 220, 255);

bool Bajtowy(const WierszPrzebiegu& w) { return w.rodzaj != WierszPrzebiegu::Rodzaj::Lcd; }

// A bus value's caption, laid out once: the trace repaints four times a
// second while the program runs.
const QStaticText& TekstBajtu(uint8_t v) {
  static const auto teksty = [] {
    std::array<QStaticText, 256> t;
    for (int k = 0; k < 256; ++k) {
      t[static_cast<size_t>(k)].setText(QString::fromStdString(Szesnastkowo(k, 2)));
      t[static_cast<size_t>(k)].setTextFormat(Qt::PlainText);
    }
    return t;
  }();
  return teksty[v];
}

}  // namespace

WykresPrzebiegow::WykresPrzebiegow(const ZapisPrzebiegow& zapis, QWidget* rodzic)
    : QAbstractScrollArea(rodzic), zapis_(zapis), pokolenie_(zapis.Pokolenie()) {
  setObjectName("WykresPrzebiegow");
  setFocusPolicy(Qt::StrongFocus);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  viewport()->setMouseTracking(true);
  viewport()->setCursor(Qt::CrossCursor);
  PrzeliczWiersze();
}

int WykresPrzebiegow::SzerokoscWykresu() const { return std::max(1, viewport()->width() - SzerokoscNazw); }

int WykresPrzebiegow::Wysokosc(const WierszPrzebiegu& w) const {
  switch (w.rodzaj) {
    case WierszPrzebiegu::Rodzaj::Szyna: return WysokoscSzyny;
    case WierszPrzebiegu::Rodzaj::Pin: return WysokoscPinu;
    case WierszPrzebiegu::Rodzaj::Lcd: return WysokoscLcd;
  }
  return WysokoscSzyny;
}

void WykresPrzebiegow::PrzeliczWiersze() {
  wiersze_ = rozwiniecia_.Wiersze(zapis_);
  gory_.clear();
  int y = 0;
  for (const WierszPrzebiegu& w : wiersze_) {
    gory_.push_back(y);
    y += Wysokosc(w);
  }
  wysokoscWierszy_ = y;
  const int widac = std::max(0, viewport()->height() - WysokoscOsi);
  verticalScrollBar()->setRange(0, std::max(0, wysokoscWierszy_ - widac));
  verticalScrollBar()->setPageStep(widac);
  verticalScrollBar()->setSingleStep(WysokoscPinu);
}

int WykresPrzebiegow::WierszW(int y) const {
  const int wy = y - WysokoscOsi + verticalScrollBar()->value();
  if (y < WysokoscOsi || wy >= wysokoscWierszy_) return -1;
  const auto it = std::upper_bound(gory_.begin(), gory_.end(), wy);
  return static_cast<int>(it - gory_.begin()) - 1;
}

std::optional<int> WykresPrzebiegow::SrodekWiersza(Sygnal s, int bit) const {
  for (size_t r = 0; r < wiersze_.size(); ++r) {
    const WierszPrzebiegu& w = wiersze_[r];
    if (w.sygnal == s && (bit < 0 ? w.rodzaj == WierszPrzebiegu::Rodzaj::Szyna
                                  : w.rodzaj == WierszPrzebiegu::Rodzaj::Pin && w.bit == bit))
      return WysokoscOsi - verticalScrollBar()->value() + gory_[r] + Wysokosc(w) / 2;
  }
  return std::nullopt;
}

void WykresPrzebiegow::Odswiez() {
  if (!isVisible()) return;
  // A new picture (a new program, a reset, an edit): the cursors go, and
  // the view follows the present again.
  if (pokolenie_ != zapis_.Pokolenie()) {
    pokolenie_ = zapis_.Pokolenie();
    kursorA_.reset();
    kursorB_.reset();
    widok_.WlaczNaZywo(zapis_.Koniec());
    wersja_ = UINT64_MAX;
    emit KursoryZmienione();
    emit WidokZmieniony();
  }
  const double od = widok_.Od();
  widok_.Sledz(zapis_.Koniec());
  // P1 unfolds by itself once it changes.
  if (rozwiniecia_.Wiersze(zapis_).size() != wiersze_.size()) {
    PrzeliczWiersze();
    viewport()->update();
  }
  // The names stay as they are: only the traces and the axis repaint.
  if (zapis_.Wersja() != wersja_ || od != widok_.Od())
    viewport()->update(QRect(SzerokoscNazw, 0, viewport()->width() - SzerokoscNazw, viewport()->height()));
}

void WykresPrzebiegow::Powieksz(double czynnik) {
  widok_.Powieksz(czynnik, SzerokoscWykresu() / 2.0);
  emit WidokZmieniony();
  viewport()->update();
}

void WykresPrzebiegow::Calosc() {
  widok_.Calosc(zapis_.Poczatek(), zapis_.Koniec());
  emit WidokZmieniony();
  viewport()->update();
}

void WykresPrzebiegow::NaZywo() {
  widok_.WlaczNaZywo(zapis_.Koniec());
  emit WidokZmieniony();
  viewport()->update();
}

void WykresPrzebiegow::showEvent(QShowEvent* e) {
  QAbstractScrollArea::showEvent(e);
  widok_.UstawSzerokosc(SzerokoscWykresu(), zapis_.Koniec());
  PrzeliczWiersze();
}

void WykresPrzebiegow::resizeEvent(QResizeEvent* e) {
  QAbstractScrollArea::resizeEvent(e);
  widok_.UstawSzerokosc(SzerokoscWykresu(), zapis_.Koniec());
  PrzeliczWiersze();
}

uint64_t WykresPrzebiegow::CyklKursora(int x, int wiersz) const {
  // Far outside the picture a cursor still gets a cycle a clock can reach.
  const double t = std::clamp(std::round(widok_.Cykl(x)), 0.0, 1e18);
  const auto cykl = static_cast<uint64_t>(t);
  if (wiersz < 0 || !Bajtowy(wiersze_[static_cast<size_t>(wiersz)])) return cykl;
  const WierszPrzebiegu& w = wiersze_[static_cast<size_t>(wiersz)];
  const auto zasieg = static_cast<uint64_t>(std::ceil(Przyciaganie * widok_.NaPiksel()));
  const int bit = w.rodzaj == WierszPrzebiegu::Rodzaj::Pin ? w.bit : -1;
  return zapis_.NajblizszaZmiana(w.sygnal, bit, cykl, zasieg).value_or(cykl);
}

void WykresPrzebiegow::mousePressEvent(QMouseEvent* e) {
  const QPoint p = e->position().toPoint();
  const int wiersz = WierszW(p.y());
  if (p.x() < SzerokoscNazw) {
    // A click on a byte row's name unfolds it into its bits or folds it.
    if (e->button() == Qt::LeftButton && wiersz >= 0 && Bajtowy(wiersze_[static_cast<size_t>(wiersz)])) {
      rozwiniecia_.Przelacz(wiersze_[static_cast<size_t>(wiersz)].sygnal, zapis_);
      PrzeliczWiersze();
      viewport()->update();
    }
    return;
  }
  if (e->button() == Qt::LeftButton) {
    nacisniety_ = p;
    ostatni_ = p;
    przeciaga_ = false;
  } else if (e->button() == Qt::RightButton) {
    kursorB_ = CyklKursora(p.x() - SzerokoscNazw, wiersz);
    widok_.Zatrzymaj();
    emit KursoryZmienione();
    emit WidokZmieniony();
    viewport()->update();
  }
}

void WykresPrzebiegow::mouseMoveEvent(QMouseEvent* e) {
  const QPoint p = e->position().toPoint();
  if (nacisniety_ && (e->buttons() & Qt::LeftButton)) {
    if (!przeciaga_ && (p - *nacisniety_).manhattanLength() > Prog) przeciaga_ = true;
    if (przeciaga_) {
      widok_.Przesun(p.x() - ostatni_.x());
      ostatni_ = p;
      emit WidokZmieniony();
      viewport()->update();
    }
    return;
  }
  OpiszNajechanie(p);
}

void WykresPrzebiegow::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || !nacisniety_) return;
  if (!przeciaga_) {
    kursorA_ = CyklKursora(nacisniety_->x() - SzerokoscNazw, WierszW(nacisniety_->y()));
    // A cursor placed on a moving picture would run off it.
    widok_.Zatrzymaj();
    emit KursoryZmienione();
    emit WidokZmieniony();
    viewport()->update();
  }
  nacisniety_.reset();
  przeciaga_ = false;
}

void WykresPrzebiegow::wheelEvent(QWheelEvent* e) {
  const QPoint kat = e->angleDelta();
  const double x = e->position().x() - SzerokoscNazw;
  // Over the names the wheel scrolls the rows; over the traces it zooms,
  // and sideways (or with Shift) it pans.
  if (x < 0) {
    QAbstractScrollArea::wheelEvent(e);
    return;
  }
  if (kat.x() != 0 || (e->modifiers() & Qt::ShiftModifier)) {
    const int d = kat.x() != 0 ? kat.x() : kat.y();
    widok_.Przesun(d / 120.0 * SzerokoscWykresu() / 10.0);
  } else if (kat.y() != 0) {
    widok_.Powieksz(std::pow(1.25, kat.y() / 120.0), x);
  }
  emit WidokZmieniony();
  viewport()->update();
  e->accept();
}

void WykresPrzebiegow::keyPressEvent(QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: Powieksz(KrokPowiekszenia); break;
    case Qt::Key_Minus: Powieksz(1 / KrokPowiekszenia); break;
    case Qt::Key_Left:
    case Qt::Key_Right:
      widok_.Przesun((e->key() == Qt::Key_Left ? 1 : -1) * SzerokoscWykresu() / 10.0);
      emit WidokZmieniony();
      viewport()->update();
      break;
    default: QAbstractScrollArea::keyPressEvent(e);
  }
}

void WykresPrzebiegow::OpiszNajechanie(QPoint p) {
  const int wiersz = WierszW(p.y());
  QString opis;
  if (wiersz >= 0 && p.x() >= SzerokoscNazw) {
    const WierszPrzebiegu& w = wiersze_[static_cast<size_t>(wiersz)];
    const double t = widok_.Cykl(p.x() - SzerokoscNazw);
    const auto cykl = static_cast<uint64_t>(std::clamp(t, static_cast<double>(zapis_.Poczatek()),
                                                       static_cast<double>(zapis_.Koniec())));
    const QString nazwa = Utf8DoQt(NazwaWiersza(w));
    if (w.rodzaj == WierszPrzebiegu::Rodzaj::Pin) {
      const auto o = zapis_.OstatniOkres(w.sygnal, w.bit, cykl);
      opis = nazwa + ": " + (o ? Utf8DoQt(TekstOkresu(*o)) : QStringLiteral("brak pełnego okresu do tej chwili"));
    } else if (w.rodzaj == WierszPrzebiegu::Rodzaj::Szyna) {
      opis = QStringLiteral("%1 = %2h w %3 µs")
                 .arg(nazwa, QString::fromStdString(Szesnastkowo(zapis_.Wartosc(w.sygnal, cykl), 2)))
                 .arg(cykl);
    }
  }
  emit Najechano(opis);
}

void WykresPrzebiegow::paintEvent(QPaintEvent* e) {
  QPainter p(viewport());
  const int szer = SzerokoscWykresu();
  const int wys = viewport()->height();
  const QPalette& pal = palette();
  const QFontMetrics fm(font());
  wersja_ = zapis_.Wersja();
  const ObrazPrzebiegow o = ObliczObraz(zapis_, widok_);

  const bool nazwy = e->rect().left() < SzerokoscNazw;
  if (nazwy) p.fillRect(QRect(0, 0, SzerokoscNazw, wys), pal.window());
  p.fillRect(QRect(SzerokoscNazw, 0, szer, wys), PozaZapisem);
  p.fillRect(QRect(SzerokoscNazw + o.odX, WysokoscOsi, o.doX - o.odX, wys), TloWykresu);

  // The time axis with a faint grid down the traces.
  p.fillRect(QRect(0, 0, viewport()->width(), WysokoscOsi), pal.window());
  for (const Podzialka& d : Podzialki(widok_, fm.horizontalAdvance(QStringLiteral("0,000000 ms")) + 12)) {
    const int x = SzerokoscNazw + static_cast<int>(std::floor(d.x));
    p.setPen(Siatka);
    p.drawLine(x, WysokoscOsi, x, wys);
    p.setPen(pal.color(QPalette::WindowText));
    p.drawLine(x, 0, x, WysokoscOsi - 1);
    // A label that would run off the right edge is left out.
    const QString tekst = Utf8DoQt(d.tekst);
    if (x + 3 + fm.horizontalAdvance(tekst) <= viewport()->width())
      p.drawText(QRect(x + 3, 0, 400, PasOpisow), Qt::AlignLeft | Qt::AlignVCenter, tekst);
  }
  p.drawLine(0, WysokoscOsi - 1, viewport()->width(), WysokoscOsi - 1);

  p.setClipRect(QRect(0, WysokoscOsi, viewport()->width(), wys - WysokoscOsi));
  const int dy = WysokoscOsi - verticalScrollBar()->value();
  for (size_t r = 0; r < wiersze_.size(); ++r) {
    const WierszPrzebiegu& w = wiersze_[r];
    const int gora = dy + gory_[r];
    const int h = Wysokosc(w);
    if (gora + h < WysokoscOsi || gora > wys) continue;
    if (nazwy) {
      p.setPen(pal.color(QPalette::WindowText));
      QString nazwa = Utf8DoQt(NazwaWiersza(w));
      if (w.rodzaj == WierszPrzebiegu::Rodzaj::Szyna) {
        nazwa = (rozwiniecia_.Rozwiniety(w.sygnal, zapis_) ? QStringLiteral("▾ ") : QStringLiteral("▸ ")) + nazwa;
      } else if (w.rodzaj == WierszPrzebiegu::Rodzaj::Pin) {
        nazwa = QStringLiteral("   ") + nazwa;
      }
      p.drawText(QRect(4, gora, SzerokoscNazw - 6, h), Qt::AlignLeft | Qt::AlignVCenter, nazwa);
    }
    p.setPen(Siatka);
    p.drawLine(0, gora + h - 1, SzerokoscNazw + szer, gora + h - 1);
    if (o.doX <= o.odX) continue;

    p.save();
    p.translate(SzerokoscNazw, 0);
    p.setClipRect(QRect(0, std::max(gora, WysokoscOsi), szer, h), Qt::IntersectClip);
    const int yG = gora + 3;
    const int yD = gora + h - 5;
    const auto k = static_cast<size_t>(w.sygnal);
    if (w.rodzaj == WierszPrzebiegu::Rodzaj::Pin) {
      const auto m = static_cast<uint8_t>(1u << w.bit);
      p.setPen(KolorPinu);
      bool poziom = o.naPoczatku[k] & m;
      int od = o.odX;
      for (int x = o.odX; x < o.doX; ++x) {
        const KolumnaPrzebiegu& c = o.kolumny[k][static_cast<size_t>(x)];
        if (!(c.zmiany & m)) continue;
        p.drawLine(od, poziom ? yG : yD, x, poziom ? yG : yD);
        // Several edges in one pixel: a solid bar.
        if (c.wiele & m) {
          p.fillRect(QRect(x, yG, 1, yD - yG + 1), KolorPinu);
        } else {
          p.drawLine(x, yG, x, yD);
        }
        poziom = c.po & m;
        od = x;
      }
      p.drawLine(od, poziom ? yG : yD, o.doX, poziom ? yG : yD);
    } else if (w.rodzaj == WierszPrzebiegu::Rodzaj::Szyna) {
      p.setPen(KolorSzyny);
      auto odcinek = [&](int a, int b, uint8_t v, bool poczatkowy) {
        const int a2 = poczatkowy ? a : a + 2;
        if (b - 2 > a2) {
          p.drawLine(a2, yG, b - 2, yG);
          p.drawLine(a2, yD, b - 2, yD);
        }
        // The value stays in sight while its stretch is wider than the view.
        const QStaticText& tekst = TekstBajtu(v);
        const QSizeF rozmiar = tekst.size();
        const int l = std::max(a + 3, 0);
        const int pr = std::min(b - 3, szer);
        if (b - a - 6 >= rozmiar.width() && pr - l >= rozmiar.width())
          p.drawStaticText(QPointF((l + pr - rozmiar.width()) / 2, (yG + yD + 1 - rozmiar.height()) / 2), tekst);
      };
      uint8_t v = o.naPoczatku[k];
      int od = o.odX;
      bool poczatkowy = true;
      for (int x = o.odX; x < o.doX; ++x) {
        const KolumnaPrzebiegu& c = o.kolumny[k][static_cast<size_t>(x)];
        if (c.liczba == 0) continue;
        odcinek(od, x, v, poczatkowy);
        poczatkowy = false;
        if (c.liczba > 1) {
          p.fillRect(QRect(x - 1, yG, 3, yD - yG + 1), KolorSzyny);
        } else {
          p.drawLine(x - 2, yG, x + 2, yD);
          p.drawLine(x - 2, yD, x + 2, yG);
        }
        v = c.po;
        od = x;
      }
      odcinek(od, o.doX + 2, v, poczatkowy);
    } else {
      p.setPen(KolorLcd);
      for (size_t i = 0; i < o.lcd.size(); ++i) {
        const ZnakLcd& z = o.lcd[i];
        p.drawLine(z.x, yG, z.x, yD);
        const QString tekst = Utf8DoQt(EtykietaLcd(z.dane, z.wartosc));
        const int nastepny = i + 1 < o.lcd.size() ? o.lcd[i + 1].x : szer + 1000;
        if (nastepny - z.x - 6 >= fm.horizontalAdvance(tekst)) {
          p.drawText(QRect(z.x + 3, yG, nastepny - z.x - 4, yD - yG + 1), Qt::AlignLeft | Qt::AlignVCenter, tekst);
        }
      }
    }
    p.restore();
  }

  // The cursors across every row, named on the axis.
  p.setClipping(false);
  auto kursor = [&](const std::optional<uint64_t>& c, const QColor& kolor, const QString& nazwa) {
    if (!c) return;
    const double x = widok_.X(static_cast<double>(*c));
    if (x < 0 || x > szer) return;
    const int xi = SzerokoscNazw + static_cast<int>(std::floor(x));
    p.setPen(QPen(kolor, 1, Qt::DashLine));
    p.drawLine(xi, WysokoscOsi, xi, wys);
    // The flags hang under the axis labels.
    const QRect flaga(xi - 6, PasOpisow, 13, WysokoscOsi - PasOpisow - 1);
    p.fillRect(flaga, kolor);
    p.setPen(Qt::black);
    p.drawText(flaga, Qt::AlignCenter, nazwa);
  };
  kursor(kursorA_, KolorA, QStringLiteral("A"));
  kursor(kursorB_, KolorB, QStringLiteral("B"));
}

TFormPrzebiegi::TFormPrzebiegi(const ZapisPrzebiegow& zapis, QWidget* rodzic)
    : QWidget(rodzic, Qt::Window), zapis_(zapis) {
  setObjectName("FormPrzebiegi");
  setWindowTitle("Przebiegi");
  resize(820, 460);

  auto przycisk = [&](const char* nazwa, const QString& tekst, const QString& podpowiedz) {
    auto* b = new QToolButton(this);
    b->setObjectName(nazwa);
    b->setText(tekst);
    b->setToolTip(podpowiedz);
    b->setAutoRaise(false);
    return b;
  };
  auto* calosc = przycisk("ButtonCalosc", "Całość", "Cały zapisany przebieg w oknie");
  naZywo_ = przycisk("ButtonNaZywo", "Na żywo", "Ostatnie 20 ms, za biegnącym programem");
  naZywo_->setCheckable(true);
  naZywo_->setChecked(true);
  auto* pomniejsz = przycisk("ButtonPomniejsz", "−", "Pomniejsz (klawisz -)");
  auto* powieksz = przycisk("ButtonPowieksz", "+", "Powiększ (klawisz +)");
  auto* vcd = przycisk("ButtonZapiszVcd", "Zapisz VCD...", "Zapisz przebiegi do pliku VCD (np. dla GTKWave)");
  kursory_ = new QLabel(this);
  kursory_->setObjectName("LabelKursory");
  kursory_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  // A long reading must not widen the window.
  kursory_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  pin_ = new QLabel(this);
  pin_->setObjectName("LabelPin");

  wykres_ = new WykresPrzebiegow(zapis_, this);

  auto* gora = new QHBoxLayout;
  for (QToolButton* b : {calosc, naZywo_, pomniejsz, powieksz}) gora->addWidget(b);
  gora->addSpacing(12);
  gora->addWidget(kursory_, 1);
  gora->addWidget(vcd);
  auto* uklad = new QVBoxLayout(this);
  uklad->setContentsMargins(4, 4, 4, 4);
  uklad->setSpacing(3);
  uklad->addLayout(gora);
  uklad->addWidget(wykres_, 1);
  uklad->addWidget(pin_);

  connect(calosc, &QToolButton::clicked, wykres_, &WykresPrzebiegow::Calosc);
  connect(naZywo_, &QToolButton::clicked, wykres_, &WykresPrzebiegow::NaZywo);
  connect(pomniejsz, &QToolButton::clicked, this, [this] { wykres_->Powieksz(1 / KrokPowiekszenia); });
  connect(powieksz, &QToolButton::clicked, this, [this] { wykres_->Powieksz(KrokPowiekszenia); });
  connect(vcd, &QToolButton::clicked, this, &TFormPrzebiegi::ZapiszVcdClick);
  connect(wykres_, &WykresPrzebiegow::KursoryZmienione, this, &TFormPrzebiegi::PokazKursory);
  connect(wykres_, &WykresPrzebiegow::WidokZmieniony, this,
          [this] { naZywo_->setChecked(wykres_->Widok().NaZywo()); });
  connect(wykres_, &WykresPrzebiegow::Najechano, pin_, &QLabel::setText);

  puls_ = new PulsOdswiezania(this);
  connect(puls_, &PulsOdswiezania::timeout, wykres_, &WykresPrzebiegow::Odswiez);
  PokazKursory();
}

void TFormPrzebiegi::UstawPuls(QTimer* puls) { puls_->UstawZrodlo(puls); }

void TFormPrzebiegi::PoTyknieciuBiegu() { wykres_->Odswiez(); }

void TFormPrzebiegi::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  puls_->Wlacz();
  wykres_->Odswiez();
}

void TFormPrzebiegi::hideEvent(QHideEvent* e) {
  QWidget::hideEvent(e);
  puls_->Wylacz();
}

void TFormPrzebiegi::PokazKursory() {
  const auto a = wykres_->KursorA();
  const auto b = wykres_->KursorB();
  if (!a && !b) {
    kursory_->setText("Kursory: A lewym, B prawym przyciskiem myszy");
    return;
  }
  QStringList czesci;
  if (a) czesci << QStringLiteral("A: %1 µs").arg(*a);
  if (b) czesci << QStringLiteral("B: %1 µs").arg(*b);
  if (a && b) czesci << Utf8DoQt(TekstRoznicy(*a, *b));
  kursory_->setText(czesci.join(QStringLiteral("    ")));
}

void TFormPrzebiegi::ZapiszVcdClick() {
  QString sciezka = QFileDialog::getSaveFileName(this, "Zapisz VCD", QString(), "Plik VCD (*.vcd)");
  if (sciezka.isEmpty()) return;
  if (QFileInfo(sciezka).suffix().isEmpty()) sciezka += ".vcd";
  const BladPliku blad = ZapiszVcd(QFile::encodeName(sciezka).toStdString(), zapis_);
  if (!blad) return;
  const std::string nazwa = QDir::toNativeSeparators(sciezka).toStdString();
  QMessageBox::warning(this, "Przebiegi",
                       Utf8DoQt(KomunikatBleduPliku(blad, nazwa, qt_error_string(blad.kod).toStdString())));
}

void TFormPrzebiegi::ZapiszUstawienia(QSettings& s) const {
  s.setValue("Przebiegi/Geometria", saveGeometry());
  s.setValue("Przebiegi/Widoczne", isVisible());
}

void TFormPrzebiegi::PrzywrocUstawienia(const QSettings& s) {
  const QByteArray geometria = s.value("Przebiegi/Geometria").toByteArray();
  if (!geometria.isEmpty()) restoreGeometry(geometria);
  if (s.value("Przebiegi/Widoczne", false).toBool()) show();
}

}  // namespace kelbra
