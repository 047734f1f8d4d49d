#include "OknoSprawdzenia.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>

#include "TekstQt.h"

namespace kelbra {

namespace {

constexpr int RozmiarZnaku = 16;
// Rows shown without scrolling; a longer list scrolls.
constexpr int NajwiecejWidocznych = 16;

const QColor KolorNiespelnionych(176, 0, 0);
const QColor KolorSpelnionych(0, 128, 0);
const QColor KolorInformacji(40, 90, 170);

QColor KolorRodzaju(TFormSprawdzenie::Rodzaj r) {
  switch (r) {
    case TFormSprawdzenie::Niespelnione: return KolorNiespelnionych;
    case TFormSprawdzenie::Spelnione: return KolorSpelnionych;
    case TFormSprawdzenie::Informacja: break;
  }
  return KolorInformacji;
}

// The mark before a row in the clipboard's text.
QString ZnakRodzaju(TFormSprawdzenie::Rodzaj r) {
  switch (r) {
    case TFormSprawdzenie::Niespelnione: return QStringLiteral(u"✗ ");
    case TFormSprawdzenie::Spelnione: return QStringLiteral(u"✓ ");
    case TFormSprawdzenie::Informacja: break;
  }
  return {};
}

// A disc in the row's colour with a cross, a tick or an "i", drawn rather
// than taken from the style or a font, which may have none.
QIcon IkonaRodzaju(TFormSprawdzenie::Rodzaj r, qreal skala) {
  QPixmap obraz(QSize(RozmiarZnaku, RozmiarZnaku) * skala);
  obraz.setDevicePixelRatio(skala);
  obraz.fill(Qt::transparent);
  QPainter p(&obraz);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(KolorRodzaju(r));
  p.drawEllipse(QRectF(1, 1, RozmiarZnaku - 2, RozmiarZnaku - 2));
  QPen pioro(Qt::white, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(pioro);
  p.setBrush(Qt::NoBrush);
  switch (r) {
    case TFormSprawdzenie::Niespelnione:
      p.drawLine(QPointF(5, 5), QPointF(11, 11));
      p.drawLine(QPointF(11, 5), QPointF(5, 11));
      break;
    case TFormSprawdzenie::Spelnione: {
      QPainterPath haczyk;
      haczyk.moveTo(4.5, 8.5);
      haczyk.lineTo(7, 11);
      haczyk.lineTo(11.5, 5.5);
      p.drawPath(haczyk);
      break;
    }
    case TFormSprawdzenie::Informacja:
      p.drawLine(QPointF(8, 7.5), QPointF(8, 11.5));
      p.drawPoint(QPointF(8, 4.5));
      break;
  }
  return QIcon(obraz);
}

}  // namespace

TFormSprawdzenie::TFormSprawdzenie(QWidget* rodzic) : QWidget(rodzic, Qt::Window) {
  setObjectName("FormSprawdzenie");
  setWindowTitle("Sprawdzenie");

  naglowek_ = new QLabel(this);
  naglowek_->setObjectName("LabelSprawdzenie");
  QFont f = naglowek_->font();
  f.setBold(true);
  f.setPointSizeF(f.pointSizeF() * 1.15);
  naglowek_->setFont(f);

  lista_ = new QListWidget(this);
  lista_->setObjectName("ListaSprawdzenia");
  lista_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  lista_->setUniformItemSizes(true);
  lista_->setIconSize(QSize(RozmiarZnaku, RozmiarZnaku));
  lista_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

  // Ctrl+C copies the selected rows; the context menu and the button can
  // also copy everything, caption included, e.g. for a message to the
  // teacher.
  auto* kopiujZaznaczone = new QAction("Kopiuj zaznaczone", lista_);
  kopiujZaznaczone->setObjectName("KopiujZaznaczone");
  kopiujZaznaczone->setShortcut(QKeySequence::Copy);
  kopiujZaznaczone->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  connect(kopiujZaznaczone, &QAction::triggered, this,
          [this] { QApplication::clipboard()->setText(Tekst(true)); });
  auto* kopiujWszystko = new QAction("Kopiuj wszystko", lista_);
  kopiujWszystko->setObjectName("KopiujWszystko");
  connect(kopiujWszystko, &QAction::triggered, this, [this] { QApplication::clipboard()->setText(Tekst(false)); });
  // The list copies only its current row on Ctrl+C and takes the key
  // before any shortcut could.
  lista_->installEventFilter(this);
  lista_->addAction(kopiujZaznaczone);
  lista_->addAction(kopiujWszystko);
  lista_->setContextMenuPolicy(Qt::ActionsContextMenu);

  kopiuj_ = new QPushButton("Kopiuj", this);
  kopiuj_->setObjectName("ButtonKopiuj");
  kopiuj_->setToolTip("Kopiuje wszystkie wiersze razem z tytułem");
  connect(kopiuj_, &QPushButton::clicked, kopiujWszystko, &QAction::trigger);
  zamknij_ = new QPushButton("Zamknij", this);
  zamknij_->setObjectName("ButtonZamknij");
  connect(zamknij_, &QPushButton::clicked, this, &QWidget::close);
  connect(new QShortcut(QKeySequence(Qt::Key_F4), this), &QShortcut::activated, this,
          &TFormSprawdzenie::SprawdzPonownie);

  auto* przyciski = new QHBoxLayout;
  przyciski->addStretch(1);
  przyciski->addWidget(kopiuj_);
  przyciski->addWidget(zamknij_);
  auto* uklad = new QVBoxLayout(this);
  uklad->addWidget(naglowek_);
  uklad->addWidget(lista_, 1);
  uklad->addLayout(przyciski);
}

void TFormSprawdzenie::DodajWiersz(Rodzaj rodzaj, const QString& tekst) {
  auto* w = new QListWidgetItem(IkonaRodzaju(rodzaj, devicePixelRatioF()), tekst, lista_);
  w->setData(Qt::UserRole, rodzaj);
  if (rodzaj != Spelnione) w->setForeground(KolorRodzaju(rodzaj));
}

void TFormSprawdzenie::Pokaz(const wsad::WynikZadania& w, uint64_t limitCykli) {
  lista_->clear();
  QString tytul;
  bool wszystkie = false;
  if (!w.uruchomione) {
    // The task line's error or the assembly's errors are in the main
    // window's list, where a click leads to the line; repeating them here
    // would only give two places to look.
    tytul = "Sprawdzenie: nie wykonano";
    DodajWiersz(Niespelnione, "Nie sprawdzono: popraw błędy z listy pod edytorem "
                              "(kliknięcie błędu zaznacza jego wiersz).");
  } else {
    tytul = Utf8DoQt(wsad::TytulSprawdzenia(w));
    const size_t spelnione = w.Spelnione();
    wszystkie = !w.wyniki.empty() && spelnione == w.wyniki.size();
    const std::vector<std::string> wiersze = wsad::WierszeSprawdzenia(w);
    // Failed rows come first, so the first ones are the failed.
    const size_t niespelnione = w.wyniki.size() - spelnione;
    for (size_t k = 0; k < wiersze.size(); ++k)
      DodajWiersz(k < niespelnione ? Niespelnione : Spelnione, Utf8DoQt(wiersze[k]));
    if (!w.koniec.empty()) DodajWiersz(Informacja, Utf8DoQt(w.koniec));
    if (w.wyniki.empty())
      DodajWiersz(Informacja, "Zadanie nie ma żadnego oczekiwania (--expect): nie ma czego sprawdzić.");
    if (w.cykle >= limitCykli)
      DodajWiersz(Informacja, QString("Przebieg zatrzymany po %1 cyklach: tyle najwyżej sprawdza okno programu "
                                      "(dłuższe zadanie sprawdzi kelbra-batch).")
                                  .arg(w.cykle));
  }
  setWindowTitle(tytul);
  naglowek_->setText(tytul);
  QPalette pal = naglowek_->palette();
  pal.setColor(QPalette::WindowText, wszystkie ? KolorSpelnionych : KolorNiespelnionych);
  naglowek_->setPalette(pal);
  if (lista_->count() > 0) lista_->setCurrentRow(0, QItemSelectionModel::NoUpdate);
  Dopasuj();
}

void TFormSprawdzenie::ZmiescNaEkranie(const QWidget& glowne, bool podOknem) {
  const QScreen* ekran = glowne.screen();
  if (!ekran) return;
  auto ramka = [](const QWidget& w) {
    const QRect z = w.frameGeometry();
    const QRect g = w.geometry();
    return QMargins(g.left() - z.left(), g.top() - z.top(), z.right() - g.right(), z.bottom() - g.bottom());
  };
  const QMargins wlasna = ramka(*this);
  const QMargins obramowanie = isVisible() && !wlasna.isNull() ? wlasna : ramka(glowne);
  const QSize rozmiar = size().grownBy(obramowanie);
  const QRect obszar = ekran->availableGeometry();
  QPoint gdzie = podOknem ? QPoint(glowne.frameGeometry().left(), glowne.frameGeometry().bottom() + 1) : pos();
  gdzie.setX(std::clamp(gdzie.x(), obszar.left(), std::max(obszar.left(), obszar.right() + 1 - rozmiar.width())));
  gdzie.setY(std::clamp(gdzie.y(), obszar.top(), std::max(obszar.top(), obszar.bottom() + 1 - rozmiar.height())));
  move(gdzie);
}

void TFormSprawdzenie::keyPressEvent(QKeyEvent* e) {
  // Esc from any part of the window, as from a dialog's.
  if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) close();
  else QWidget::keyPressEvent(e);
}

bool TFormSprawdzenie::eventFilter(QObject* obiekt, QEvent* e) {
  if (obiekt == lista_ && e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->matches(QKeySequence::Copy)) {
    QApplication::clipboard()->setText(Tekst(true));
    return true;
  }
  return QWidget::eventFilter(obiekt, e);
}

QString TFormSprawdzenie::Tekst(bool tylkoZaznaczone) const {
  QStringList linie;
  if (!tylkoZaznaczone) linie << windowTitle();
  for (int k = 0; k < lista_->count(); ++k) {
    const QListWidgetItem* w = lista_->item(k);
    if (tylkoZaznaczone && !w->isSelected()) continue;
    linie << ZnakRodzaju(static_cast<Rodzaj>(w->data(Qt::UserRole).toInt())) + w->text();
  }
  return linie.isEmpty() ? QString() : linie.join('\n') + '\n';
}

void TFormSprawdzenie::Dopasuj() {
  // The list asks for its widest row and for every row up to a limit; the
  // window then takes the size its layout wants, within the screen.
  const int ramka = 2 * lista_->frameWidth();
  const int wiersze = std::min(lista_->count(), NajwiecejWidocznych);
  int szer = lista_->sizeHintForColumn(0) + ramka + 8;
  if (lista_->count() > NajwiecejWidocznych) szer += lista_->verticalScrollBar()->sizeHint().width();
  int wys = std::max(wiersze, 1) * std::max(lista_->sizeHintForRow(0), 1) + ramka + 4;
  if (const QScreen* ekran = screen()) {
    const QRect obszar = ekran->availableGeometry();
    szer = std::min(szer, obszar.width() * 9 / 10);
    wys = std::min(wys, obszar.height() / 2);
  }
  // Fixed for the layout to size the window by, then free again, so the
  // window can still be resized by hand.
  lista_->setFixedSize(std::max(szer, 280), wys);
  adjustSize();
  lista_->setMinimumSize(120, lista_->sizeHintForRow(0) + ramka);
  lista_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

}  // namespace kelbra
