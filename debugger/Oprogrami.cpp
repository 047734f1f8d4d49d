#include "Oprogrami.h"

#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

// The pictures live in a static library, whose resources are registered only
// when asked; the macro has to be used outside any namespace.
static void ZarejestrujObrazy() {
  static const bool zarejestrowane = [] {
    Q_INIT_RESOURCE(obrazy);
    return true;
  }();
  (void)zarejestrowane;
}

namespace kelbra {

namespace {

// A picture that does not decode leaves its label hidden rather than keeping
// the window from opening.
QLabel* Obraz(const char* sciezka, const QString& nazwa, QWidget* rodzic) {
  auto* etykieta = new QLabel(rodzic);
  etykieta->setObjectName(nazwa);
  etykieta->setAlignment(Qt::AlignCenter);
  QImageReader czytnik(QString::fromLatin1(sciezka), "jpeg");
  const QImage obraz = czytnik.read();
  if (obraz.isNull()) {
    etykieta->hide();
  } else {
    etykieta->setPixmap(QPixmap::fromImage(obraz));
    etykieta->setFixedSize(obraz.size());
  }
  return etykieta;
}

}  // namespace

TFormOProgramie::TFormOProgramie(QWidget* rodzic) : QWidget(rodzic, Qt::Window) {
  ZarejestrujObrazy();
  setObjectName("FormOProgramie");
  setWindowTitle("O Programi...");

  plytka_ = Obraz(ObrazPlytki, "obrazPlytki", this);
  uklad_ = Obraz(ObrazUkladu, "obrazUkladu", this);

  nazwa_ = new QLabel("Emulator kelbry WEX", this);
  nazwa_->setObjectName("nazwa");
  QFont duza = nazwa_->font();
  duza.setPointSizeF(duza.pointSizeF() * 1.6);
  duza.setBold(true);
  nazwa_->setFont(duza);
  nazwa_->setAlignment(Qt::AlignCenter);

  auto* podtytul = new QLabel("Kelbra 8051", this);
  QFont pogrubiona = podtytul->font();
  pogrubiona.setBold(true);
  podtytul->setFont(pogrubiona);
  podtytul->setAlignment(Qt::AlignCenter);

  auto* opis = new QLabel(
      "Środowisko do nauki programowania mikrokontrolera 8051 na płytce dydaktycznej Kelbra: edytor, "
      "asembler, emulator i debuger w jednym programie.",
      this);
  opis->setWordWrap(true);
  opis->setAlignment(Qt::AlignCenter);

  auto* autorzy = new QLabel("Autorzy: zespół projektu Kelbra 8051", this);
  autorzy->setAlignment(Qt::AlignCenter);

  auto* ok = new QPushButton("OK", this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QWidget::close);

  auto* obrazy = new QHBoxLayout;
  obrazy->addWidget(plytka_);
  obrazy->addWidget(uklad_);

  auto* przyciski = new QHBoxLayout;
  przyciski->addStretch();
  przyciski->addWidget(ok);
  przyciski->addStretch();

  auto* uklad = new QVBoxLayout(this);
  uklad->addLayout(obrazy);
  uklad->addSpacing(6);
  uklad->addWidget(nazwa_);
  uklad->addWidget(podtytul);
  uklad->addSpacing(4);
  uklad->addWidget(opis);
  uklad->addWidget(autorzy);
  uklad->addSpacing(6);
  uklad->addLayout(przyciski);

  // The description wraps to the width of the pictures, and the window keeps
  // the size of what it holds.
  opis->setMinimumWidth(360);
  uklad->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace kelbra
