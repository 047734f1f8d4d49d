#include "SiatkaPamieci.h"

#include <algorithm>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>

#include "Liczby.h"
#include "Pola.h"
#include "ZmianyStanu.h"

namespace kelbra {

namespace {

constexpr int WysokoscKomorki = WysokoscWiersza - 1;

}  // namespace

SiatkaPamieci::SiatkaPamieci(QWidget* rodzic, EdycjaPamieci& edycja, QScrollBar& suwak, bool znakowa)
    : QWidget(rodzic), edycja_(edycja), suwak_(suwak), znakowa_(znakowa) {
  setObjectName(znakowa ? QStringLiteral("SGDATACHAR") : QStringLiteral("SGDATA"));
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  kolumna_ = PierwszaKolumna();
}

int32_t SiatkaPamieci::Adres() const { return Uklad().Adres(wiersz_, znakowa_ ? kolumna_ : kolumna_ - 1); }

QRect SiatkaPamieci::Prostokat(int wiersz, int kolumna) const {
  const UkladPamieci u = Uklad();
  const int y = WysokoscWiersza * (wiersz - GornyWiersz() + 1);
  if (znakowa_) return {SzerokoscZnaku * kolumna, y, SzerokoscZnaku - 1, WysokoscKomorki};
  return {u.LewaKrawedz(kolumna), y, kolumna == 0 ? u.SzerokoscNaglowka() : SzerokoscKolumny - 1, WysokoscKomorki};
}

QString SiatkaPamieci::TekstKomorki(int wiersz, int kolumna) const {
  const UkladPamieci u = Uklad();
  if (wiersz < 0 || wiersz >= u.LiczbaWierszy() || kolumna < 0 || kolumna > u.kolumny) return {};
  if (znakowa_) {
    if (wiersz == 0 || kolumna == u.kolumny) return {};
    const char32_t z = ZnakBajtu(edycja_.Czytaj(u.Adres(wiersz, kolumna)));
    return QString::fromUcs4(&z, 1);
  }
  if (wiersz == 0) return kolumna == 0 ? QString() : QString::number(kolumna - 1);
  if (kolumna == 0) return QString::fromLatin1(u.AdresWiersza(wiersz).c_str());
  return QString::fromLatin1(
      FormatLiczby(edycja_.Czytaj(u.Adres(wiersz, kolumna - 1)), edycja_.TrybDziesietny, 2).c_str());
}

int SiatkaPamieci::GornyWiersz() const { return suwak_.value(); }

void SiatkaPamieci::UstawGornyWiersz(int wiersz) {
  suwak_.setValue(std::clamp(wiersz, suwak_.minimum(), suwak_.maximum()));
}

void SiatkaPamieci::Przytnij(int wiersz, int kolumna) {
  const UkladPamieci u = Uklad();
  wiersz_ = std::clamp(wiersz, 1, u.LiczbaWierszy() - 1);
  kolumna_ = std::clamp(kolumna, PierwszaKolumna(), OstatniaKolumna(u));
}

void SiatkaPamieci::Ogranicz() {
  Przytnij(wiersz_, kolumna_);
  adresZnaku_ = Adres();
}

void SiatkaPamieci::Wybierz(int wiersz, int kolumna) {
  Przytnij(wiersz, kolumna);
  // Keyboard moves scroll the selected row into view.
  const int gora = GornyWiersz();
  const int widoczne = Wiersze() - 1;
  if (wiersz_ < gora) UstawGornyWiersz(wiersz_);
  if (wiersz_ >= gora + widoczne) UstawGornyWiersz(wiersz_ - widoczne + 1);
  if (znakowa_) {
    adresZnaku_ = Adres();
    edycja_.PokazZnak(adresZnaku_);
    if (PokazPodglad) PokazPodglad();
  }
  update();
}

void SiatkaPamieci::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QPalette& paleta = palette();
  p.fillRect(rect(), paleta.color(QPalette::Mid));
  const UkladPamieci u = Uklad();
  const int gora = GornyWiersz();
  const int kolumn = znakowa_ ? u.kolumny : u.kolumny + 1;
  const bool fokus = hasFocus() || (edytor_ != nullptr && edytor_->isVisible());
  for (int i = 0; i < Wiersze(); ++i) {
    const int wiersz = i == 0 ? 0 : gora + i - 1;
    if (wiersz >= u.LiczbaWierszy()) break;
    for (int k = 0; k < kolumn; ++k) {
      QRect r = Prostokat(wiersz, k);
      r.moveTop(WysokoscWiersza * i);
      const bool stala = i == 0 || (!znakowa_ && k == 0);
      const bool wybrana = !stala && wiersz == wiersz_ && k == kolumna_;
      const int32_t adres = u.Adres(wiersz, znakowa_ ? k : k - 1);
      const bool zmieniona = !stala && Zmiany != nullptr && adres <= u.adresMaksymalny &&
                             Zmiany->ZmienionaKomorka(edycja_.Rodzaj, adres);
      QColor tlo = paleta.color(QPalette::Base);
      QColor pismo = paleta.color(QPalette::Text);
      if (stala) {
        tlo = paleta.color(QPalette::Button);
        pismo = paleta.color(QPalette::ButtonText);
      } else if (wybrana) {
        tlo = fokus ? paleta.color(QPalette::Highlight) : paleta.color(QPalette::Midlight);
        pismo = fokus ? paleta.color(QPalette::HighlightedText) : paleta.color(QPalette::Text);
      }
      if (zmieniona) {
        // The focused selection pales halfway to white, so that it still
        // shows and the mark stays readable on it.
        if (wybrana && fokus) tlo = QColor((tlo.red() + 255) / 2, (tlo.green() + 255) / 2, (tlo.blue() + 255) / 2);
        pismo = KolorZmiany();
      }
      p.fillRect(r, tlo);
      const QString tekst = TekstKomorki(wiersz, k);
      if (tekst.isEmpty()) continue;
      p.setPen(pismo);
      p.drawText(r.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, tekst);
    }
  }
}

bool SiatkaPamieci::Komorka(QPoint p, int& wiersz, int& kolumna) const {
  const UkladPamieci u = Uklad();
  const int i = p.y() / WysokoscWiersza;
  if (p.y() < 0 || i < 1 || i >= Wiersze() || p.x() < 0 || p.x() >= width()) return false;
  wiersz = GornyWiersz() + i - 1;
  kolumna = znakowa_ ? std::min(p.x() / SzerokoscZnaku, u.kolumny - 1) : u.KolumnaWartosci(p.x());
  return wiersz < u.LiczbaWierszy() && (znakowa_ || kolumna > 0);
}

void SiatkaPamieci::mousePressEvent(QMouseEvent* e) {
  int w = 0, k = 0;
  if (e->button() == Qt::LeftButton && Komorka(e->position().toPoint(), w, k)) Wybierz(w, k);
  setFocus(Qt::MouseFocusReason);
}

void SiatkaPamieci::mouseDoubleClickEvent(QMouseEvent* e) {
  int w = 0, k = 0;
  if (znakowa_ || e->button() != Qt::LeftButton || !Komorka(e->position().toPoint(), w, k)) return;
  Wybierz(w, k);
  if (OtworzEdytor) OtworzEdytor(false);
}

void SiatkaPamieci::wheelEvent(QWheelEvent* e) {
  kolkoMyszy_ += e->angleDelta().y();
  const int kroki = kolkoMyszy_ / 120;
  kolkoMyszy_ -= kroki * 120;
  if (kroki != 0) UstawGornyWiersz(GornyWiersz() - 3 * kroki);
  e->accept();
}

bool SiatkaPamieci::Przesun(int klawisz, Qt::KeyboardModifiers modyfikatory) {
  const UkladPamieci u = Uklad();
  const int strona = std::max(1, Wiersze() - 1);
  const bool ctrl = modyfikatory & Qt::ControlModifier;
  int w = wiersz_, k = kolumna_;
  switch (klawisz) {
    case Qt::Key_Up: --w; break;
    case Qt::Key_Down: ++w; break;
    case Qt::Key_Left: --k; break;
    case Qt::Key_Right: ++k; break;
    case Qt::Key_PageUp: w -= strona; break;
    case Qt::Key_PageDown: w += strona; break;
    case Qt::Key_Home:
      k = PierwszaKolumna();
      if (ctrl) w = 1;
      break;
    case Qt::Key_End:
      k = OstatniaKolumna(u);
      if (ctrl) w = u.LiczbaWierszy() - 1;
      break;
    default: return false;
  }
  Wybierz(w, k);
  return true;
}

void SiatkaPamieci::WpiszZnaki(const QString& tekst) {
  bool zapisane = false;
  for (char32_t z : tekst.toUcs4()) {
    if (!edycja_.WpiszZnak(adresZnaku_, z)) continue;
    ++adresZnaku_;
    zapisane = true;
  }
  if (zapisane && Zapisano) Zapisano();
  edycja_.PokazZnak(adresZnaku_);
  if (PokazPodglad) PokazPodglad();
  if (Przerysuj) Przerysuj();
}

void SiatkaPamieci::keyPressEvent(QKeyEvent* e) {
  if (Przesun(e->key(), e->modifiers())) return;
  const QString tekst = e->text();
  bool drukowalny = !tekst.isEmpty() && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  for (QChar z : tekst) drukowalny = drukowalny && (z.isPrint() || z.isSurrogate());
  if (znakowa_) {
    // Only keys that produce printable text store anything.
    if (drukowalny) WpiszZnaki(tekst);
    return;
  }
  if (drukowalny) {
    // The typed character replaces the cell's text, as in the editor.
    if (OtworzEdytor) OtworzEdytor(true);
    if (edytor_ != nullptr && edytor_->isVisible()) QCoreApplication::sendEvent(edytor_, e);
    return;
  }
  if (e->key() == Qt::Key_F2 || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
    if (OtworzEdytor) OtworzEdytor(false);
    return;
  }
  QWidget::keyPressEvent(e);
}

void SiatkaPamieci::focusInEvent(QFocusEvent* e) {
  QWidget::focusInEvent(e);
  if (znakowa_) {
    edycja_.AdresEdytowany = -1;
    if (PokazPodglad) PokazPodglad();
  }
  update();
}

}  // namespace kelbra
