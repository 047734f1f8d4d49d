#include "Data.h"

#include <algorithm>

#include <QActionGroup>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

#include "Liczby.h"
#include "Pola.h"

namespace kelbra {

namespace {

constexpr int WysokoscPanelu = 20;
constexpr int WysokoscKomorki = WysokoscWiersza - 1;

}  // namespace

// One of the two grids. Both read the top row from the window's scroll bar
// and paint only the rows they show; the cell under the mouse and the cell
// painted come from the same column arithmetic.
class SiatkaPamieci final : public QWidget {
 public:
  SiatkaPamieci(TFormDATA* okno, bool znakowa) : QWidget(okno), okno_(okno), znakowa_(znakowa) {
    setObjectName(znakowa ? QStringLiteral("SGDATACHAR") : QStringLiteral("SGDATA"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    kolumna_ = znakowa ? 0 : 1;
  }

  int Wiersz() const { return wiersz_; }
  int Kolumna() const { return kolumna_; }
  // The address of the selected cell.
  int32_t Adres() const { return Uklad().Adres(wiersz_, znakowa_ ? kolumna_ : kolumna_ - 1); }
  // The cell's place inside the grid, for the editor.
  QRect Prostokat(int wiersz, int kolumna) const {
    const UkladPamieci u = Uklad();
    const int y = WysokoscWiersza * (wiersz - okno_->GornyWiersz() + 1);
    if (znakowa_) return {SzerokoscZnaku * kolumna, y, SzerokoscZnaku - 1, WysokoscKomorki};
    return {u.LewaKrawedz(kolumna), y, kolumna == 0 ? u.SzerokoscNaglowka() : SzerokoscKolumny - 1, WysokoscKomorki};
  }
  // Keeps the selection inside the grid after the space or the row length
  // changed.
  void Ogranicz() {
    const UkladPamieci u = Uklad();
    wiersz_ = std::clamp(wiersz_, 1, u.LiczbaWierszy() - 1);
    kolumna_ = znakowa_ ? std::clamp(kolumna_, 0, u.kolumny - 1) : std::clamp(kolumna_, 1, u.kolumny);
    adresZnaku_ = Adres();
  }
  void Wybierz(int wiersz, int kolumna);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;

 private:
  UkladPamieci Uklad() const { return okno_->edycja_.Uklad(); }
  // The grid row and column at a point; false outside the byte cells.
  bool Komorka(QPoint p, int& wiersz, int& kolumna) const;
  bool Przesun(int klawisz, Qt::KeyboardModifiers modyfikatory);
  void WpiszZnaki(const QString& tekst);

  TFormDATA* okno_;
  bool znakowa_;
  int wiersz_ = 1;
  int kolumna_ = 0;
  // Where the next character typed into the character grid goes.
  int32_t adresZnaku_ = 0;
  int kolkoMyszy_ = 0;
};

void SiatkaPamieci::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QPalette& paleta = palette();
  p.fillRect(rect(), paleta.color(QPalette::Mid));
  const UkladPamieci u = Uklad();
  const int gora = okno_->GornyWiersz();
  const int kolumn = znakowa_ ? u.kolumny : u.kolumny + 1;
  const bool fokus = hasFocus() || (!znakowa_ && okno_->edytor_->isVisible());
  for (int i = 0; i < okno_->wiersze_; ++i) {
    const int wiersz = i == 0 ? 0 : gora + i - 1;
    if (wiersz >= u.LiczbaWierszy()) break;
    for (int k = 0; k < kolumn; ++k) {
      QRect r = Prostokat(wiersz, k);
      r.moveTop(WysokoscWiersza * i);
      const bool stala = i == 0 || (!znakowa_ && k == 0);
      const bool wybrana = !stala && wiersz == wiersz_ && k == kolumna_;
      QColor tlo = paleta.color(QPalette::Base);
      QColor pismo = paleta.color(QPalette::Text);
      if (stala) {
        tlo = paleta.color(QPalette::Button);
        pismo = paleta.color(QPalette::ButtonText);
      } else if (wybrana) {
        tlo = fokus ? paleta.color(QPalette::Highlight) : paleta.color(QPalette::Midlight);
        pismo = fokus ? paleta.color(QPalette::HighlightedText) : paleta.color(QPalette::Text);
      }
      p.fillRect(r, tlo);
      const QString tekst = okno_->TekstKomorki(znakowa_, wiersz, k);
      if (tekst.isEmpty()) continue;
      p.setPen(pismo);
      p.drawText(r.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, tekst);
    }
  }
}

bool SiatkaPamieci::Komorka(QPoint p, int& wiersz, int& kolumna) const {
  const UkladPamieci u = Uklad();
  const int i = p.y() / WysokoscWiersza;
  if (p.y() < 0 || i < 1 || i >= okno_->wiersze_ || p.x() < 0 || p.x() >= width()) return false;
  wiersz = okno_->GornyWiersz() + i - 1;
  kolumna = znakowa_ ? std::min(p.x() / SzerokoscZnaku, u.kolumny - 1) : u.KolumnaWartosci(p.x());
  return wiersz < u.LiczbaWierszy() && (znakowa_ || kolumna > 0);
}

void SiatkaPamieci::Wybierz(int wiersz, int kolumna) {
  const UkladPamieci u = Uklad();
  wiersz_ = std::clamp(wiersz, 1, u.LiczbaWierszy() - 1);
  kolumna_ = znakowa_ ? std::clamp(kolumna, 0, u.kolumny - 1) : std::clamp(kolumna, 1, u.kolumny);
  // Keyboard moves scroll the selected row into view.
  const int gora = okno_->GornyWiersz();
  const int widoczne = okno_->wiersze_ - 1;
  if (wiersz_ < gora) okno_->UstawGornyWiersz(wiersz_);
  if (wiersz_ >= gora + widoczne) okno_->UstawGornyWiersz(wiersz_ - widoczne + 1);
  if (znakowa_) {
    adresZnaku_ = Adres();
    okno_->edycja_.PokazZnak(adresZnaku_);
    okno_->PokazPodglad();
  }
  update();
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
  okno_->OtworzEdytor(false);
}

void SiatkaPamieci::wheelEvent(QWheelEvent* e) {
  kolkoMyszy_ += e->angleDelta().y();
  const int kroki = kolkoMyszy_ / 120;
  kolkoMyszy_ -= kroki * 120;
  if (kroki != 0) okno_->UstawGornyWiersz(okno_->GornyWiersz() - 3 * kroki);
  e->accept();
}

bool SiatkaPamieci::Przesun(int klawisz, Qt::KeyboardModifiers modyfikatory) {
  const UkladPamieci u = Uklad();
  const int strona = std::max(1, okno_->wiersze_ - 1);
  const int pierwsza = znakowa_ ? 0 : 1;
  const int ostatnia = znakowa_ ? u.kolumny - 1 : u.kolumny;
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
      k = pierwsza;
      if (ctrl) w = 1;
      break;
    case Qt::Key_End:
      k = ostatnia;
      if (ctrl) w = u.LiczbaWierszy() - 1;
      break;
    default: return false;
  }
  Wybierz(w, k);
  return true;
}

void SiatkaPamieci::WpiszZnaki(const QString& tekst) {
  for (char32_t z : tekst.toUcs4()) {
    if (!okno_->edycja_.WpiszZnak(adresZnaku_, z)) continue;
    ++adresZnaku_;
  }
  okno_->edycja_.PokazZnak(adresZnaku_);
  okno_->PokazPodglad();
  okno_->Przerysuj();
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
    okno_->OtworzEdytor(true);
    if (okno_->edytor_->isVisible()) QCoreApplication::sendEvent(okno_->edytor_, e);
    return;
  }
  if (e->key() == Qt::Key_F2 || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
    okno_->OtworzEdytor(false);
    return;
  }
  QWidget::keyPressEvent(e);
}

void SiatkaPamieci::focusInEvent(QFocusEvent* e) {
  QWidget::focusInEvent(e);
  if (znakowa_) {
    okno_->edycja_.AdresEdytowany = -1;
    okno_->PokazPodglad();
  }
  update();
}

TFormDATA::TFormDATA(QWidget* rodzic) : QWidget(rodzic, Qt::Window) {
  setObjectName(QStringLiteral("FormDATA"));
  UstawCzcionkeOkna(this);

  pasek_ = new QMenuBar(this);
  QMenuBar* pasek = pasek_;
  QMenu* menuPamieci = pasek->addMenu(QStringLiteral("Rodzaj Pamieci"));
  menuPamieci->setObjectName(QStringLiteral("RodzajPamieci1"));
  auto* grupaPamieci = new QActionGroup(this);
  for (RodzajPamieci r : KolejnoscPamieci) {
    const OpisPamieci& opis = Opis(r);
    QString tekst = QString::fromLatin1(opis.podpis);
    tekst.chop(3);
    QAction* a = menuPamieci->addAction(tekst);
    a->setObjectName(QString::fromLatin1(opis.element));
    a->setCheckable(true);
    a->setActionGroup(grupaPamieci);
    pamieci_[static_cast<size_t>(r)] = a;
    connect(a, &QAction::triggered, this, [this, r] { WybierzPamiec(r); });
  }
  QMenu* menuKolumn = pasek->addMenu(QStringLiteral("Liczba kolumn"));
  menuKolumn->setObjectName(QStringLiteral("Liczbakolumn1"));
  auto* grupaKolumn = new QActionGroup(this);
  for (size_t i = 0; i < WyboryKolumn.size(); ++i) {
    const int n = WyboryKolumn[i];
    QAction* a = menuKolumn->addAction(QString::number(n));
    a->setObjectName(QStringLiteral("N") + QString::number(n) + QStringLiteral("1"));
    a->setCheckable(true);
    a->setActionGroup(grupaKolumn);
    kolumny_[i] = a;
    connect(a, &QAction::triggered, this, [this, n] { WybierzKolumny(n); });
  }
  menuLiczb_ = new MenuLiczb(pasek, QString::fromUtf8("Wyświetlanie liczb"), "DEC1", "HEX1", [this](bool d) {
    ZakonczEdycje(false);
    edycja_.TrybDziesietny = d;
    Przerysuj();
  });
  gora_ = pasek->sizeHint().height();

  panelGorny_ = new QWidget(this);
  panelGorny_->setObjectName(QStringLiteral("PanelGorny"));
  panelGorny_->setGeometry(0, gora_, 400, WysokoscPanelu);
  const LiniaPodgladu linia = ZbudujLiniePodgladu(panelGorny_, 4, 3);
  staraWartosc_ = linia.stara;
  nowaWartosc_ = linia.nowa;
  QLabel* zakres = EtykietaZakresu(panelGorny_, "LabelZakresPrzekroczono");
  zakres->setGeometry(linia.koniec, 3, zakres->sizeHint().width(), 14);

  wartosci_ = new SiatkaPamieci(this, false);
  znaki_ = new SiatkaPamieci(this, true);
  suwak_ = new QScrollBar(Qt::Vertical, this);
  suwak_->setObjectName(QStringLiteral("ScrollBar"));
  suwak_->setRange(1, 1);
  connect(suwak_, &QScrollBar::valueChanged, this, [this] {
    ZakonczEdycje(false);
    Przerysuj();
  });

  edytor_ = new QLineEdit(wartosci_);
  edytor_->setObjectName(QStringLiteral("EdytorKomorki"));
  edytor_->setFrame(false);
  edytor_->setTextMargins(0, 0, 0, 0);
  edytor_->setContextMenuPolicy(Qt::NoContextMenu);
  edytor_->hide();
  edytor_->installEventFilter(this);
  connect(edytor_, &QLineEdit::textEdited, this, [this](const QString& t) {
    edycja_.ZmianaTekstu(DoBajtow(t));
    PokazPodglad();
    Przerysuj();
  });

  migacz_ = new Migacz(this, "TimerPrzekroczonoZakres", 450, {zakres});
  odswiezanie_ = new QTimer(this);
  odswiezanie_->setObjectName(QStringLiteral("TimerOdswierzDane"));
  odswiezanie_->setInterval(1500);
  connect(odswiezanie_, &QTimer::timeout, this, [this] {
    if (isVisible()) OdswiezKomorki();
  });

  setWindowTitle(QString::fromUtf8("Pamieć ") + QString::fromLatin1(Opis(edycja_.Rodzaj).podpis));
  pamieci_[static_cast<size_t>(edycja_.Rodzaj)]->setChecked(true);
  kolumny_[1]->setChecked(true);
  resize(100, Ramka() + WysokoscWiersza * wiersze_);
  UlozOkno();
}

// The editor loses its focus as it is destroyed, after this object's own
// members: its handler must not run then.
TFormDATA::~TFormDATA() { edytor_->removeEventFilter(this); }

int TFormDATA::Ramka() const { return gora_ + WysokoscPanelu; }

void TFormDATA::UstawWidoki(Jadro& jadro, Asembler& asembler) {
  edycja_.Podlacz(jadro, asembler);
  Przerysuj();
}

void TFormDATA::WybierzPamiec(RodzajPamieci rodzaj) {
  ZakonczEdycje(false);
  edycja_.Rodzaj = rodzaj;
  pamieci_[static_cast<size_t>(rodzaj)]->setChecked(true);
  setWindowTitle(QString::fromUtf8("Pamieć ") + QString::fromLatin1(Opis(rodzaj).podpis));
  WybierzKolumny(Opis(rodzaj).kolumny);
}

void TFormDATA::WybierzKolumny(int kolumny) {
  const auto it = std::find(WyboryKolumn.begin(), WyboryKolumn.end(), kolumny);
  if (it == WyboryKolumn.end()) return;
  ZakonczEdycje(false);
  kolumny_[static_cast<size_t>(it - WyboryKolumn.begin())]->setChecked(true);
  edycja_.LiczbaKolumn = kolumny;
  UlozOkno();
}

void TFormDATA::UlozOkno() {
  ZakonczEdycje(false);
  wartosci_->Ogranicz();
  znaki_->Ogranicz();
  Dopasuj(height());
  edycja_.AdresEdytowany = -1;
}

void TFormDATA::Dopasuj(int wysokosc) {
  const UkladPamieci u = edycja_.Uklad();
  wiersze_ = u.WierszeDlaWysokosci(wysokosc, Ramka());
  const int maksimum = u.MaksimumSuwaka(wiersze_);
  if (maksimum < suwak_->value()) suwak_->setValue(1);
  suwak_->setRange(1, maksimum);
  suwak_->setPageStep(std::max(1, wiersze_ - 1));
  const int h = WysokoscWiersza * wiersze_;
  const int szerokoscSuwaka = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, suwak_);
  wartosci_->setGeometry(0, Ramka(), u.SzerokoscWartosci(), h);
  znaki_->setGeometry(u.SzerokoscWartosci(), Ramka(), u.SzerokoscZnakow(), h);
  suwak_->setGeometry(u.SzerokoscWartosci() + u.SzerokoscZnakow(), Ramka(), szerokoscSuwaka, h);
  const int szerokosc = u.SzerokoscWartosci() + u.SzerokoscZnakow() + szerokoscSuwaka;
  // A narrow window shows the menus it cannot fit behind the bar's arrow.
  pasek_->setGeometry(0, 0, szerokosc, gora_);
  panelGorny_->resize(szerokosc, WysokoscPanelu);
  // The window system may offer any height; whole rows are kept.
  setMinimumSize(szerokosc, Ramka() + 2 * WysokoscWiersza);
  setMaximumSize(szerokosc, Ramka() + WysokoscWiersza * u.LiczbaWierszy());
  setBaseSize(szerokosc, Ramka());
  setSizeIncrement(0, WysokoscWiersza);
  if (size() != QSize(szerokosc, Ramka() + h)) resize(szerokosc, Ramka() + h);
  Przerysuj();
}

void TFormDATA::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  if (e->size().height() != Ramka() + WysokoscWiersza * wiersze_) Dopasuj(e->size().height());
}

QString TFormDATA::TekstKomorki(bool znaki, int wiersz, int kolumna) const {
  const UkladPamieci u = edycja_.Uklad();
  if (wiersz < 0 || wiersz >= u.LiczbaWierszy() || kolumna < 0 || kolumna > u.kolumny) return {};
  if (znaki) {
    if (wiersz == 0 || kolumna == u.kolumny) return {};
    const char32_t z = ZnakBajtu(edycja_.Czytaj(u.Adres(wiersz, kolumna)));
    return QString::fromUcs4(&z, 1);
  }
  if (wiersz == 0) return kolumna == 0 ? QString() : QString::number(kolumna - 1);
  if (kolumna == 0) return QString::fromLatin1(u.AdresWiersza(wiersz).c_str());
  return QString::fromLatin1(
      FormatLiczby(edycja_.Czytaj(u.Adres(wiersz, kolumna - 1)), edycja_.TrybDziesietny, 2).c_str());
}

int TFormDATA::GornyWiersz() const { return suwak_->value(); }

void TFormDATA::UstawGornyWiersz(int wiersz) {
  suwak_->setValue(std::clamp(wiersz, suwak_->minimum(), suwak_->maximum()));
}

void TFormDATA::OtworzEdytor(bool pusty) {
  const int32_t adres = wartosci_->Adres();
  if (!edycja_.Podlaczona() || adres > edycja_.AdresMaksymalny()) return;
  edycja_.OtworzEdytor(adres);
  edytor_->setGeometry(wartosci_->Prostokat(wartosci_->Wiersz(), wartosci_->Kolumna()));
  // A character typed on a cell replaces its text; F2, Enter and a double
  // click edit the text the cell shows.
  edytor_->setText(pusty ? QString()
                         : QString::fromLatin1(FormatLiczby(edycja_.Czytaj(adres), edycja_.TrybDziesietny, 2).c_str()));
  edytor_->show();
  edytor_->setFocus(Qt::OtherFocusReason);
  PokazPodglad();
}

void TFormDATA::ZakonczEdycje(bool anuluj) {
  if (zamykanie_ || !edytor_->isVisible()) return;
  zamykanie_ = true;
  if (anuluj)
    edycja_.Anuluj();
  else
    edycja_.Zakoncz();
  const bool fokus = edytor_->hasFocus();
  edytor_->hide();
  if (fokus) wartosci_->setFocus(Qt::OtherFocusReason);
  zamykanie_ = false;
  PokazPodglad();
  Przerysuj();
}

bool TFormDATA::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
  if (obiekt != edytor_) return QWidget::eventFilter(obiekt, zdarzenie);
  if (zdarzenie->type() == QEvent::FocusOut) {
    ZakonczEdycje(false);
  } else if (zdarzenie->type() == QEvent::KeyPress) {
    auto* k = static_cast<QKeyEvent*>(zdarzenie);
    switch (k->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter: ZakonczEdycje(false); return true;
      case Qt::Key_Escape: ZakonczEdycje(true); return true;
      case Qt::Key_Up:
      case Qt::Key_Down:
      case Qt::Key_PageUp:
      case Qt::Key_PageDown:
        ZakonczEdycje(false);
        QCoreApplication::sendEvent(wartosci_, k);
        return true;
      default: break;
    }
    // Any other key is typing: the refresh leaves this cell alone from now.
    edycja_.Klawisz();
    PokazPodglad();
  }
  return false;
}

void TFormDATA::PokazPodglad() {
  UstawTekst(staraWartosc_, Utf8DoQt(edycja_.StaraWartosc));
  UstawTekst(nowaWartosc_, Utf8DoQt(edycja_.NowaWartosc));
  migacz_->Ustaw(edycja_.PozaZakresem());
}

void TFormDATA::Przerysuj() {
  pokazanyWiersz_ = -1;
  OdswiezKomorki();
}

void TFormDATA::OdswiezKomorki() {
  const UkladPamieci u = edycja_.Uklad();
  const int32_t od = u.Adres(GornyWiersz(), 0);
  const int32_t do_ = std::min(od + (wiersze_ - 1) * u.kolumny, u.adresMaksymalny + 1);
  std::vector<uint8_t> bajty;
  bajty.reserve(static_cast<size_t>(std::max(0, do_ - od)));
  for (int32_t a = od; a < do_; ++a) bajty.push_back(edycja_.Czytaj(a));
  if (pokazanyWiersz_ == GornyWiersz() && bajty == pokazane_) return;
  pokazane_ = std::move(bajty);
  pokazanyWiersz_ = GornyWiersz();
  wartosci_->update();
  znaki_->update();
}

void TFormDATA::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  UlozOkno();
  odswiezanie_->start();
  migacz_->Widocznosc();
}

void TFormDATA::hideEvent(QHideEvent* e) {
  QWidget::hideEvent(e);
  odswiezanie_->stop();
  migacz_->Widocznosc();
}

}  // namespace kelbra
