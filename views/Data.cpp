#include "Data.h"

#include <algorithm>

#include <QActionGroup>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollBar>
#include <QStyle>

#include "Liczby.h"
#include "Pola.h"
#include "SiatkaPamieci.h"

namespace kelbra {

namespace {

constexpr int WysokoscPanelu = 20;

}  // namespace

TFormDATA::TFormDATA(QWidget* rodzic) : OknoInspekcji(rodzic, Qt::Window) {
  setObjectName(QStringLiteral("FormDATA"));
  UstawCzcionkeOkna(this);
  ZbudujMenu();

  panelGorny_ = new QWidget(this);
  panelGorny_->setObjectName(QStringLiteral("PanelGorny"));
  panelGorny_->setGeometry(0, gora_, 400, WysokoscPanelu);
  podglad_ = new PodgladWartosci(this, panelGorny_, 4, 3, "TimerPrzekroczonoZakres", 450);
  zakres_ = podglad_->Ostrzezenie("LabelZakresPrzekroczono");
  zakres_->setGeometry(podglad_->Koniec(), 3, zakres_->sizeHint().width(), 14);

  suwak_ = new QScrollBar(Qt::Vertical, this);
  wartosci_ = new SiatkaPamieci(this, edycja_, *suwak_, false);
  znaki_ = new SiatkaPamieci(this, edycja_, *suwak_, true);
  suwak_->setObjectName(QStringLiteral("ScrollBar"));
  suwak_->setRange(1, 1);
  connect(suwak_, &QScrollBar::valueChanged, this, [this] {
    ZakonczEdycje(false);
    Przerysuj();
  });
  for (SiatkaPamieci* s : {wartosci_, znaki_}) {
    s->OtworzEdytor = [this](bool pusty) { OtworzEdytor(pusty); };
    s->PokazPodglad = [this] { PokazPodglad(); };
    s->Przerysuj = [this] { Przerysuj(); };
    s->Zapisano = [this] { emit Wpisano(); };
  }
  ZbudujEdytor();

  new TimerOkna(this, "TimerOdswierzDane", 1500, [this] {
    if (isVisible()) OdswiezKomorki();
  });

  setWindowTitle(QString::fromUtf8("Pamieć ") + QString::fromLatin1(Opis(edycja_.Rodzaj).podpis));
  pamieci_[static_cast<size_t>(edycja_.Rodzaj)]->setChecked(true);
  kolumny_[1]->setChecked(true);
  resize(100, Ramka() + WysokoscWiersza * wiersze_);
  UlozOkno();
}

void TFormDATA::ZbudujMenu() {
  pasek_ = new QMenuBar(this);
  QMenu* menuPamieci = pasek_->addMenu(QStringLiteral("Rodzaj Pamieci"));
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
  QMenu* menuKolumn = pasek_->addMenu(QStringLiteral("Liczba kolumn"));
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
  menuLiczb_ = new MenuLiczb(pasek_, QString::fromUtf8("Wyświetlanie liczb"), "DEC1", "HEX1", [this](bool d) {
    ZakonczEdycje(false);
    edycja_.TrybDziesietny = d;
    Przerysuj();
  });
  gora_ = pasek_->sizeHint().height();
}

void TFormDATA::ZbudujEdytor() {
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
    emit Wpisano();
  });
  wartosci_->UstawEdytor(edytor_);
}

// The editor loses its focus as it is destroyed, after this object's own
// members: its handler must not run then.
TFormDATA::~TFormDATA() { edytor_->removeEventFilter(this); }

void TFormDATA::UstawZmiany(const ZmianyStanu* zmiany) {
  wartosci_->Zmiany = zmiany;
  znaki_->Zmiany = zmiany;
}

void TFormDATA::PoZmianach() {
  if (isVisible()) Przerysuj();
}

int TFormDATA::Ramka() const { return gora_ + wysokoscPanelu_; }

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
  const int szerokoscSuwaka = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, suwak_);
  const int szerokosc = u.SzerokoscWartosci() + u.SzerokoscZnakow() + szerokoscSuwaka;
  // The warning stands beside the preview where the window is wide enough,
  // else on a line of its own under it.
  const int szerokoscZakresu = zakres_->sizeHint().width();
  const bool obok = podglad_->Koniec() + szerokoscZakresu <= szerokosc;
  wysokoscPanelu_ = obok ? WysokoscPanelu : 2 * WysokoscPanelu - 4;
  zakres_->setGeometry(obok ? podglad_->Koniec() : 4, obok ? 3 : WysokoscPanelu - 1, szerokoscZakresu, 14);
  wiersze_ = u.WierszeDlaWysokosci(wysokosc, Ramka());
  const int maksimum = u.MaksimumSuwaka(wiersze_);
  if (maksimum < suwak_->value()) suwak_->setValue(1);
  suwak_->setRange(1, maksimum);
  suwak_->setPageStep(std::max(1, wiersze_ - 1));
  const int h = WysokoscWiersza * wiersze_;
  wartosci_->setGeometry(0, Ramka(), u.SzerokoscWartosci(), h);
  znaki_->setGeometry(u.SzerokoscWartosci(), Ramka(), u.SzerokoscZnakow(), h);
  suwak_->setGeometry(u.SzerokoscWartosci() + u.SzerokoscZnakow(), Ramka(), szerokoscSuwaka, h);
  // A narrow window shows the menus it cannot fit behind the bar's arrow.
  pasek_->setGeometry(0, 0, szerokosc, gora_);
  panelGorny_->resize(szerokosc, wysokoscPanelu_);
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
  return (znaki ? znaki_ : wartosci_)->TekstKomorki(wiersz, kolumna);
}

int TFormDATA::GornyWiersz() const { return suwak_->value(); }

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
  // Esc puts the old byte back: typed too, as far as the marks go.
  if (anuluj) emit Wpisano();
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
  podglad_->Pokaz(edycja_.StaraWartosc, edycja_.NowaWartosc, edycja_.PozaZakresem());
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
}

}  // namespace kelbra
