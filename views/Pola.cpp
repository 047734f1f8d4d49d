#include "Pola.h"

#include <QActionGroup>
#include <QEvent>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTimer>

#include "Kodowanie.h"

namespace kelbra {

namespace {

constexpr int WysokoscPodpisu = 13;
constexpr int WysokoscPola = 18;

}  // namespace

void UstawCzcionkeOkna(QWidget* okno) {
  QFont czcionka = okno->font();
  czcionka.setPixelSize(11);
  okno->setFont(czcionka);
}

QLabel* Napis(QWidget* rodzic, const char* nazwa, const QString& tekst, int x, int y, int szerokosc) {
  auto* e = new QLabel(tekst, rodzic);
  if (nazwa != nullptr) e->setObjectName(QString::fromLatin1(nazwa));
  e->setGeometry(x, y, szerokosc, 14);
  return e;
}

QLineEdit* PoleZPodpisem(QWidget* rodzic, const char* nazwa, const QString& podpis, int x, int y, int szerokosc,
                         int pikslePodpisu) {
  auto* etykieta = new QLabel(podpis, rodzic);
  etykieta->setObjectName(QString::fromLatin1(nazwa) + QStringLiteral("Label"));
  etykieta->setGeometry(x, y, szerokosc + 16, WysokoscPodpisu);
  if (pikslePodpisu > 0) {
    QFont f = etykieta->font();
    f.setPixelSize(pikslePodpisu);
    etykieta->setFont(f);
  }
  auto* pole = new QLineEdit(rodzic);
  pole->setObjectName(QString::fromLatin1(nazwa));
  pole->setGeometry(x, y + WysokoscPodpisu, szerokosc, WysokoscPola);
  pole->setTextMargins(0, 0, 0, 0);
  etykieta->setBuddy(pole);
  return pole;
}

QLineEdit* KomorkaBitu(QWidget* rodzic, const char* nazwa, const QString& podpis, int x, int y, int szerokosc,
                       bool szara, int pikslePodpisu) {
  QLineEdit* pole = PoleZPodpisem(rodzic, nazwa, podpis, x, y, szerokosc, pikslePodpisu);
  // Bit names are often wider than their cells: centred, they reach into
  // the neighbours' gaps rather than over their names.
  auto* etykieta = rodzic->findChild<QLabel*>(pole->objectName() + QStringLiteral("Label"), Qt::FindDirectChildrenOnly);
  etykieta->setGeometry(x - 8, y, szerokosc + 16, WysokoscPodpisu);
  etykieta->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  pole->setReadOnly(true);
  pole->setFocusPolicy(Qt::NoFocus);
  pole->setCursor(Qt::PointingHandCursor);
  pole->setAlignment(Qt::AlignCenter);
  if (szara) UstawSzare(pole);
  return pole;
}

void UstawSzare(QWidget* pole) {
  QPalette paleta = pole->palette();
  paleta.setColor(QPalette::Base, QColor(192, 192, 192));
  pole->setPalette(paleta);
}

void UstawZmiane(QLineEdit* pole, bool zmienione) {
  const QColor kolor = zmienione ? KolorZmiany() : pole->parentWidget()->palette().color(QPalette::Text);
  if (pole->palette().color(QPalette::Text) == kolor) return;
  QPalette paleta = pole->palette();
  paleta.setColor(QPalette::Text, kolor);
  pole->setPalette(paleta);
}

void UstawTekst(QLineEdit* pole, const QString& tekst) {
  if (pole->text() != tekst) pole->setText(tekst);
}

void UstawTekst(QLabel* etykieta, const QString& tekst) {
  if (etykieta->text() != tekst) etykieta->setText(tekst);
}

bool ZdarzeniaPol::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
  auto* pole = qobject_cast<QLineEdit*>(obiekt);
  if (pole == nullptr) return false;
  switch (zdarzenie->type()) {
    case QEvent::KeyPress:
      if (PrzedKlawiszem && !pole->isReadOnly()) PrzedKlawiszem(pole);
      break;
    case QEvent::FocusIn:
      if (Wejscie) Wejscie(pole);
      break;
    case QEvent::FocusOut:
      if (Wyjscie) Wyjscie(pole);
      break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      // Every click on a cell flips its bit, the second of a quick pair too.
      if (Klik && pole->isReadOnly() && static_cast<QMouseEvent*>(zdarzenie)->button() == Qt::LeftButton) {
        Klik(pole);
        return true;
      }
      break;
    default: break;
  }
  return false;
}

MenuLiczb::MenuLiczb(QMenuBar* pasek, const QString& tytul, const char* nazwaDec, const char* nazwaHex,
                     std::function<void(bool)> wybor)
    : QObject(pasek), menu_(pasek->addMenu(tytul)), wybor_(std::move(wybor)) {
  menu_->setObjectName(QStringLiteral("Wyswietlanieliczb1"));
  dec_ = menu_->addAction(QString::fromUtf8("DEC - dziesiętnie"));
  hex_ = menu_->addAction(QStringLiteral("HEX - szesnastkowo"));
  dec_->setObjectName(QString::fromLatin1(nazwaDec));
  hex_->setObjectName(QString::fromLatin1(nazwaHex));
  auto* grupa = new QActionGroup(this);
  for (QAction* a : {dec_, hex_}) {
    a->setCheckable(true);
    a->setActionGroup(grupa);
  }
  hex_->setChecked(true);
  connect(dec_, &QAction::triggered, this, [this] { Wybierz(true); });
  connect(hex_, &QAction::triggered, this, [this] { Wybierz(false); });
}

void MenuLiczb::Wybierz(bool dziesietnie) {
  dec_->setChecked(dziesietnie);
  hex_->setChecked(!dziesietnie);
  menu_->setTitle(QString::fromUtf8(dziesietnie ? "Wyświetlanie liczb - DEC" : "Wyświetlanie liczb - HEX"));
  if (wybor_) wybor_(dziesietnie);
}

TimerOkna::TimerOkna(QWidget* okno, const char* nazwa, int interwal, std::function<void()> tik,
                     std::function<void()> zatrzymany)
    : QObject(okno), okno_(okno), timer_(new QTimer(okno)), zatrzymany_(std::move(zatrzymany)) {
  timer_->setObjectName(QString::fromLatin1(nazwa));
  timer_->setInterval(interwal);
  connect(timer_, &QTimer::timeout, this, std::move(tik));
  okno->installEventFilter(this);
}

void TimerOkna::Wlacz(bool wlacz) {
  wlaczony_ = wlacz;
  if (wlacz && okno_->isVisible()) {
    if (!timer_->isActive()) timer_->start();
    return;
  }
  Zatrzymaj();
}

void TimerOkna::Zatrzymaj() {
  timer_->stop();
  if (zatrzymany_) zatrzymany_();
}

bool TimerOkna::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
  if (obiekt == okno_) {
    if (zdarzenie->type() == QEvent::Show && wlaczony_) timer_->start();
    if (zdarzenie->type() == QEvent::Hide) Zatrzymaj();
  }
  return false;
}

Migacz::Migacz(QWidget* okno, const char* nazwaTimera, int interwal)
    : QObject(okno), timer_(new TimerOkna(okno, nazwaTimera, interwal, [this] { Tik(); }, [this] {
        for (QLabel* e : etykiety_) e->hide();
      })) {
  timer_->Wlacz(false);
}

void Migacz::Tik() {
  if (etykiety_.empty()) return;
  const bool pokaz = etykiety_.front()->isHidden();
  for (QLabel* e : etykiety_) e->setVisible(pokaz);
}

namespace {

// The red bold warning label, hidden.
QLabel* EtykietaZakresu(QWidget* rodzic, const char* nazwa) {
  auto* e = new QLabel(QStringLiteral("!!! ZAKRES !!!"), rodzic);
  e->setObjectName(QString::fromLatin1(nazwa));
  QFont f = e->font();
  f.setBold(true);
  e->setFont(f);
  QPalette p = e->palette();
  p.setColor(QPalette::WindowText, Qt::red);
  e->setPalette(p);
  e->hide();
  return e;
}

}  // namespace

PodgladWartosci::PodgladWartosci(QWidget* okno, QWidget* rodzic, int x, int y, const char* nazwaTimera,
                                 int interwal)
    : QObject(okno), rodzic_(rodzic), migacz_(new Migacz(okno, nazwaTimera, interwal)) {
  const QFontMetrics miara = rodzic->fontMetrics();
  auto napis = [&](const char* nazwa, const QString& tekst, int szerokosc) {
    auto* e = new QLabel(tekst, rodzic);
    e->setObjectName(QString::fromLatin1(nazwa));
    e->setGeometry(x, y, szerokosc, miara.height());
    x += szerokosc + 3;
    return e;
  };
  // Room for a 16-bit value in decimal.
  const int wartosc = miara.horizontalAdvance(QStringLiteral("00000"));
  napis("Label3", QStringLiteral("Bylo:"), miara.horizontalAdvance(QStringLiteral("Bylo:")));
  stara_ = napis("LabelStaraWartosc", QString(), wartosc);
  napis("Label2", QStringLiteral("==>>>"), miara.horizontalAdvance(QStringLiteral("==>>>")));
  napis("Label5", QStringLiteral("Bedzie"), miara.horizontalAdvance(QStringLiteral("Bedzie")));
  nowa_ = napis("LabelNowaWartosc", QString(), wartosc);
  koniec_ = x;
}

QLabel* PodgladWartosci::Ostrzezenie(const char* nazwa) {
  QLabel* e = EtykietaZakresu(rodzic_, nazwa);
  migacz_->Dodaj(e);
  return e;
}

void PodgladWartosci::Pokaz(const std::string& stara, const std::string& nowa, bool pozaZakresem) {
  UstawTekst(stara_, Utf8DoQt(stara));
  UstawTekst(nowa_, Utf8DoQt(nowa));
  migacz_->Ustaw(pozaZakresem);
}

}  // namespace kelbra
