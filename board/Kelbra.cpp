#include "Kelbra.h"

#include <string>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <qdrawutil.h>

#include "KlawiszePC.h"
#include "LcdObraz.h"

namespace kelbra {

namespace {
// A key caption's room: the button less its bevels and a pixel each side.
constexpr int MiejsceNaPodpis = UkladKelbry::BokKlawisza - 6;

static_assert(klawiszqt::Escape == Qt::Key_Escape && klawiszqt::Tab == Qt::Key_Tab &&
              klawiszqt::Backtab == Qt::Key_Backtab && klawiszqt::Backspace == Qt::Key_Backspace &&
              klawiszqt::Return == Qt::Key_Return && klawiszqt::Enter == Qt::Key_Enter &&
              klawiszqt::Insert == Qt::Key_Insert && klawiszqt::Delete == Qt::Key_Delete &&
              klawiszqt::Pause == Qt::Key_Pause && klawiszqt::Print == Qt::Key_Print &&
              klawiszqt::Clear == Qt::Key_Clear && klawiszqt::Home == Qt::Key_Home && klawiszqt::End == Qt::Key_End);
static_assert(klawiszqt::Left == Qt::Key_Left && klawiszqt::Up == Qt::Key_Up && klawiszqt::Right == Qt::Key_Right &&
              klawiszqt::Down == Qt::Key_Down && klawiszqt::PageUp == Qt::Key_PageUp &&
              klawiszqt::PageDown == Qt::Key_PageDown && klawiszqt::Shift == Qt::Key_Shift &&
              klawiszqt::Control == Qt::Key_Control && klawiszqt::Meta == Qt::Key_Meta &&
              klawiszqt::Alt == Qt::Key_Alt && klawiszqt::CapsLock == Qt::Key_CapsLock &&
              klawiszqt::NumLock == Qt::Key_NumLock && klawiszqt::ScrollLock == Qt::Key_ScrollLock);
static_assert(klawiszqt::F1 == Qt::Key_F1 && klawiszqt::F24 == Qt::Key_F24 && klawiszqt::Super_L == Qt::Key_Super_L &&
              klawiszqt::Super_R == Qt::Key_Super_R && klawiszqt::Menu == Qt::Key_Menu &&
              klawiszqt::AltGr == Qt::Key_AltGr && Qt::Key_A == 'A' && Qt::Key_0 == '0' &&
              Qt::Key_Percent == '%' && Qt::Key_BraceRight == '}');

QRect Prost(const Obszar& o) { return {o.x, o.y, o.szerokosc, o.wysokosc}; }
QColor Kolor(Rgb k) { return {k.r, k.g, k.b}; }
Rgb ZKoloru(const QColor& k) {
  return {static_cast<uint8_t>(k.red()), static_cast<uint8_t>(k.green()), static_cast<uint8_t>(k.blue())};
}

constexpr const char* PodpisyPortow[4] = {"P0", "P1", "P2", "P3"};
constexpr const char* Label11Tekst = "Klawiatura PC";
}  // namespace

PulsOdswiezania::PulsOdswiezania(QObject* rodzic) : QObject(rodzic) {
  setObjectName("TimerZezwolenieNaOdswierzanie");
  wlasny_ = new QTimer(this);
  wlasny_->setInterval(Okres);
  connect(wlasny_, &QTimer::timeout, this, &PulsOdswiezania::timeout);
}

void PulsOdswiezania::UstawZrodlo(QTimer* zrodlo) {
  Odlacz();
  zrodlo_ = zrodlo;
  if (wlaczony_) Podlacz();
}

void PulsOdswiezania::Wlacz() {
  if (wlaczony_) return;
  wlaczony_ = true;
  Podlacz();
}

void PulsOdswiezania::Wylacz() {
  if (!wlaczony_) return;
  wlaczony_ = false;
  Odlacz();
}

void PulsOdswiezania::Podlacz() {
  if (zrodlo_) {
    polaczenie_ = connect(zrodlo_.data(), &QTimer::timeout, this, &PulsOdswiezania::timeout);
  } else {
    wlasny_->start();
  }
}

void PulsOdswiezania::Odlacz() {
  disconnect(polaczenie_);
  wlasny_->stop();
}

TFormKelbra::TFormKelbra(PlytkaKelbra& plytka, QWidget* rodzic)
    : QWidget(rodzic, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      plytka_(plytka) {
  setObjectName("FormKelbra");
  setWindowTitle("Kelbra...");

  const QFontMetrics fm(font());
  MiaryTekstow miary;
  for (int port = 0; port < 4; ++port) miary.SzerokoscPodpisu[port] = fm.horizontalAdvance(PodpisyPortow[port]);
  miary.WysokoscPodpisu = fm.height();
  miary.SzerokoscLabel11 = fm.horizontalAdvance(Label11Tekst);
  miary.WysokoscLabel11 = fm.height();
  uklad_ = UlozKelbre(miary);
  // The layout is done once; the user cannot resize the window, and a
  // stored layout can only move it.
  setFixedSize(uklad_.SzerokoscKlienta, UkladKelbry::WysokoscKlienta);

  waskaCzcionka_ = font();
  for (int rozciagniecie = 95; rozciagniecie >= 60; rozciagniecie -= 5) {
    waskaCzcionka_.setStretch(rozciagniecie);
    if (QFontMetrics(waskaCzcionka_).horizontalAdvance(QStringLiteral("K15")) <= MiejsceNaPodpis) break;
  }

  edit_ = new QLineEdit(this);
  edit_->setObjectName("EditKlawiatura");
  edit_->setGeometry(Prost(uklad_.EditKlawiatura));
  edit_->setFocusPolicy(Qt::ClickFocus);
  // Every key goes through the board; typed characters arrive as key
  // events, and nothing can be pasted or dropped in.
  edit_->setAttribute(Qt::WA_InputMethodEnabled, false);
  edit_->setContextMenuPolicy(Qt::NoContextMenu);
  edit_->setAcceptDrops(false);
  edit_->installEventFilter(this);

  timerOdswiezania_ = new PulsOdswiezania(this);
  connect(timerOdswiezania_, &PulsOdswiezania::timeout, this, &TFormKelbra::TimerZezwolenieNaOdswierzanieTimer);
  poWejsciu_ = new QTimer(this);
  poWejsciu_->setSingleShot(true);
  poWejsciu_->setInterval(0);
  connect(poWejsciu_, &QTimer::timeout, this, &TFormKelbra::Odswiez);
  timerKursor_ = new QTimer(this);
  timerKursor_->setObjectName("TimerKursor");
  timerKursor_->setInterval(500);
  connect(timerKursor_, &QTimer::timeout, this, &TFormKelbra::TimerKursorTimer);
}

void TFormKelbra::UstawPuls(QTimer* puls) { timerOdswiezania_->UstawZrodlo(puls); }

void TFormKelbra::PoTyknieciuBiegu() { Odswiez(); }

void TFormKelbra::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  // The whole window is painted now, from the model as it stands.
  plytka_.OdswiezDiody();
  pokazaneDiody_ = plytka_.Zatrzaski();
  wersjaLcd_ = plytka_.lcd.Wersja;
  DopasujTimerKursora();
  plytka_.KopiaKlawiszy = true;
  plytka_.KopiujKlawisze();
  timerOdswiezania_->Wlacz();
  qApp->installEventFilter(this);
}

void TFormKelbra::hideEvent(QHideEvent* e) {
  QWidget::hideEvent(e);
  timerOdswiezania_->Wylacz();
  qApp->removeEventFilter(this);
  poWejsciu_->stop();
  plytka_.KopiaKlawiszy = false;
  // A static key held down as the window goes away comes up unclicked.
  if (trzymany_.rodzaj == KlawiszPlytki::Statyczny) plytka_.KlStatycznyMyszGora(trzymany_.numer);
  trzymany_ = {};
}

void TFormKelbra::TimerZezwolenieNaOdswierzanieTimer() { Odswiez(); }

void TFormKelbra::Odswiez() {
  if (!isVisible()) return;
  plytka_.OdswiezDiody();
  // The main window reads the latches too, so the model's own change flag
  // may already be spent: compare with what is shown instead.
  PorownajDiody();
  DopasujTimerKursora();
  if (plytka_.lcd.Wersja != wersjaLcd_) {
    wersjaLcd_ = plytka_.lcd.Wersja;
    update(Prost(uklad_.BevelLCD));
  }
  // What a program wrote over the key bytes gives way to the keys.
  plytka_.KopiujKlawisze();
}

void TFormKelbra::PorownajDiody() {
  const auto& zatrzaski = plytka_.Zatrzaski();
  for (int port = 0; port < PlytkaKelbra::LiczbaWierszyDiod; ++port) {
    const unsigned rozne = zatrzaski[port] ^ pokazaneDiody_[port];
    if (rozne == 0) continue;
    for (int pozycja = 0; pozycja < 8; ++pozycja) {
      if (rozne & (0x80u >> pozycja)) update(Prost(uklad_.Diody[port][pozycja]));
    }
    pokazaneDiody_[port] = zatrzaski[port];
  }
}

void TFormKelbra::DopasujTimerKursora() {
  const Lcd& lcd = plytka_.lcd;
  if (!lcd.TimerKursor) {
    if (timerKursor_->isActive()) timerKursor_->stop();
    return;
  }
  // Every start in the model begins a new blink period.
  if (!timerKursor_->isActive() || startyKursora_ != lcd.StartyTimeraKursora) {
    startyKursora_ = lcd.StartyTimeraKursora;
    timerKursor_->start();
  }
}

void TFormKelbra::TimerKursorTimer() {
  Lcd& lcd = plytka_.lcd;
  const uint32_t przed = lcd.Wersja;
  lcd.TykniecieKursora();
  if (lcd.Wersja == przed) {
    timerKursor_->stop();  // the model stopped blinking while nobody looked
    return;
  }
  // Only the cursor cell changed, unless something else is still waiting
  // for the sixth tick.
  if (wersjaLcd_ == przed) wersjaLcd_ = lcd.Wersja;
  update(Prost(uklad_.KomorkaLcd(lcd, lcd.PozycjaKursora)));
}

void TFormKelbra::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  const QPoint p = e->position().toPoint();
  trzymany_ = KlawiszWPunkcie(uklad_, p.x(), p.y());
  if (trzymany_.rodzaj == KlawiszPlytki::Statyczny) {
    plytka_.KlStatycznyMyszDol(trzymany_.numer);
  } else if (trzymany_.rodzaj == KlawiszPlytki::Dynamiczny) {
    plytka_.KlDynamicznyMyszDol(trzymany_.numer);
  }
  update(Prost(ObszarKlawisza(uklad_, trzymany_)));
}

void TFormKelbra::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  const KlawiszPlytki k = trzymany_;
  trzymany_ = {};
  const QPoint p = e->position().toPoint();
  const Obszar& przycisk = ObszarKlawisza(uklad_, k);
  if (k.rodzaj == KlawiszPlytki::Statyczny) {
    plytka_.KlStatycznyMyszGora(k.numer);
    // A click is a release over the key that got the press.
    if (przycisk.Zawiera(p.x(), p.y())) {
      plytka_.PrzelaczKlStatyczny(k.numer);
      update(Prost(uklad_.Wskazniki[k.numer]));
    }
  } else if (k.rodzaj == KlawiszPlytki::Dynamiczny) {
    plytka_.KlDynamicznyMyszGora(k.numer, p.y() - przycisk.y);
  }
  update(Prost(przycisk));
}

bool TFormKelbra::eventFilter(QObject* obiekt, QEvent* e) {
  switch (e->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::Wheel:
      // After the event has done its work, whatever window it went to.
      if (!poWejsciu_->isActive()) poWejsciu_->start();
      break;
    default: break;
  }
  if (obiekt == edit_) {
    // The field edits nothing by itself: shortcuts, Tab and every other key
    // become PC keys.
    if (e->type() == QEvent::ShortcutOverride) {
      e->accept();
      return true;
    }
    if (e->type() == QEvent::KeyPress) {
      KlawiszPC(static_cast<const QKeyEvent*>(e));
      return true;
    }
  }
  return QWidget::eventFilter(obiekt, e);
}

void TFormKelbra::KlawiszPC(const QKeyEvent* e) {
  std::u32string tekst;
  for (char32_t z : e->text().toUcs4()) tekst.push_back(z);
  // AltGr may come as Ctrl+Alt; its letters are text, not control keys.
  const Qt::KeyboardModifiers m = e->modifiers();
  const bool ctrl = m.testFlag(Qt::ControlModifier) && !m.testFlag(Qt::AltModifier);
  const auto n = KlawiszPCNacisniety(e->key(), m.testFlag(Qt::KeypadModifier), tekst, ctrl);
  // A full queue drops the key; the field shows it all the same, as it
  // would a key the program missed.
  if (const auto wartosc = n.Wartosc()) plytka_.WpiszKlawiszPC(*wartosc);
  if (n.TekstPola) edit_->setText(QString::fromStdString(*n.TekstPola));
}

void TFormKelbra::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  const QRect obszar = e->rect();
  const QPalette& pal = palette();
  auto widac = [&](const Obszar& o) { return obszar.intersects(Prost(o)); };
  auto panel = [&](const Obszar& o) {
    if (widac(o)) qDrawShadePanel(&p, Prost(o), pal, false, 1);
  };

  panel(uklad_.PanelKlStatyczne);
  for (int n = 0; n < PlytkaKelbra::LiczbaKlStatycznych; ++n) {
    if (widac(uklad_.Wskazniki[n])) p.fillRect(Prost(uklad_.Wskazniki[n]), Kolor(plytka_.KolorWskaznika(n)));
    if (widac(uklad_.KlStatyczne[n])) {
      RysujKlawisz(p, uklad_.KlStatyczne[n], QString("S%1").arg(n + 1), plytka_.KlStatycznyWcisniety(n));
    }
  }

  if (widac(uklad_.PanelDiody)) {
    panel(uklad_.PanelDiody);
    p.setPen(pal.color(QPalette::WindowText));
    for (int port = 0; port < PlytkaKelbra::LiczbaWierszyDiod; ++port) {
      if (widac(uklad_.Podpisy[port])) {
        p.drawText(Prost(uklad_.Podpisy[port]), Qt::AlignLeft | Qt::AlignTop, PodpisyPortow[port]);
      }
      for (int pozycja = 0; pozycja < 8; ++pozycja) {
        const Obszar& dioda = uklad_.Diody[port][pozycja];
        if (!widac(dioda)) continue;
        const bool swieci = (pokazaneDiody_[port] & (0x80u >> pozycja)) == 0;  // active low
        p.fillRect(Prost(dioda), Kolor(swieci ? KolorDiodySwieci : KolorDiodyZgaszonej));
      }
    }
  }

  // The whole LCD from the model, whatever part of it was uncovered; the
  // frame goes on top of the cleared area.
  if (widac(uklad_.BevelLCD)) {
    const GeometriaLcd g = uklad_.Lcd(ZKoloru(pal.color(QPalette::Window)));
    for (const Prostokat& r : LcdObraz(plytka_.lcd, g)) {
      const QRect q(r.x, r.y, r.szerokosc, r.wysokosc);
      if (obszar.intersects(q)) p.fillRect(q, Kolor(r.kolor));
    }
    qDrawShadePanel(&p, Prost(uklad_.BevelLCD), pal, false, 1);
  }

  if (widac(uklad_.PanelKlDynamiczne)) {
    panel(uklad_.PanelKlDynamiczne);
    qDrawShadePanel(&p, Prost(uklad_.PanelKlDynamiczneBis), pal, true, 1);
    for (int n = 0; n < PlytkaKelbra::LiczbaKlDynamicznych; ++n) {
      if (widac(uklad_.KlDynamiczne[n])) {
        RysujKlawisz(p, uklad_.KlDynamiczne[n], QString("K%1").arg(n), plytka_.KlDynamicznyWcisniety(n));
      }
    }
  }

  if (widac(uklad_.PanelKlawiaturaKomputera)) {
    panel(uklad_.PanelKlawiaturaKomputera);
    RysujKlawiature(p, uklad_.Image1);
    p.setPen(pal.color(QPalette::WindowText));
    p.drawText(Prost(uklad_.Label11), Qt::AlignRight | Qt::AlignVCenter, Label11Tekst);
  }
}

void TFormKelbra::RysujKlawisz(QPainter& p, const Obszar& o, const QString& podpis, bool wcisniety) {
  const QBrush tlo = palette().button();
  qDrawShadePanel(&p, Prost(o), palette(), wcisniety, 2, &tlo);
  p.setPen(palette().color(QPalette::ButtonText));
  // A lowered key's caption sinks with it.
  const int przesuniecie = wcisniety ? 1 : 0;
  p.save();
  if (p.fontMetrics().horizontalAdvance(podpis) > MiejsceNaPodpis) p.setFont(waskaCzcionka_);
  p.drawText(Prost(o).translated(przesuniecie, przesuniecie), Qt::AlignCenter, podpis);
  p.restore();
}

void TFormKelbra::RysujKlawiature(QPainter& p, const Obszar& o) {
  // A small keyboard: a dark case with three rows of keys and a space bar.
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF obudowa = QRectF(Prost(o)).adjusted(0.5, 0.5, -0.5, -0.5);
  p.setPen(QPen(QColor(40, 40, 40), 1));
  p.setBrush(QColor(90, 90, 96));
  p.drawRoundedRect(obudowa, 4, 4);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(225, 225, 228));
  constexpr int Bok = 6;
  constexpr int Krok = 8;
  const int wKlawiszy = (o.szerokosc - 8) / Krok;
  for (int rzad = 0; rzad < 3; ++rzad) {
    const int przesuniecie = rzad * 2;
    for (int k = 0; k + (rzad > 0 ? 1 : 0) < wKlawiszy; ++k) {
      p.drawRoundedRect(QRectF(o.x + 5 + przesuniecie + k * Krok, o.y + 5 + rzad * Krok, Bok, Bok), 1, 1);
    }
  }
  p.drawRoundedRect(QRectF(o.x + o.szerokosc / 2 - 22, o.y + 5 + 3 * Krok, 44, Bok), 1, 1);
  p.restore();
}

}  // namespace kelbra
