#include "Okno_edycji_rozkazow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QProgressBar>
#include <QSaveFile>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "EdytorRozkazow.h"
#include "Ikony.h"
#include "Kodowanie.h"
#include "Margines.h"
#include "Ograniczenia.h"
#include "PlikZrodlowy.h"
#include "Plytka.h"
#include "Tabela_rozkazy.h"
#include "TekstQt.h"
#include "WydrukPRN.h"

namespace kelbra {

namespace {

QString ZCp1250(const std::string& bajty) { return QString::fromStdString(Cp1250DoUtf8(bajty)); }

// Toolbar buttons left to right, by form number, with their x positions.
struct Przycisk {
  int numer;
  int x;
  const char* podpowiedz;
};
constexpr Przycisk PrzyciskiPaska[] = {
    {1, 8, "Nowy"},
    {2, 34, "Otwórz"},
    {3, 60, "Zapisz"},
    {4, 96, "Kompiluj    - F9"},
    {6, 132, "Koniec emulacji kelbry    -  F10"},
    {5, 162, "Uruchom program   - Ctrl+F9 (W razie koniecznosci, kompiluje..."},
    {12, 200, "BreakPoint - Pulapka - F5"},
    {7, 236, "Praca krokowa programu... - F6"},
    {8, 262, "Jeden krok. Wejdz w funkcje.  - F7"},
    {9, 288, "Jeden krok. Omijaj funkcje.  - F8"},
    {10, 324, "Pauza - F11"},
    {11, 350, "Reset kelbry - F12"},
};
constexpr int RozmiarPrzycisku = 24;

const char* const TekstLegendy =
    "          F3      F2            F9    F10 Ctrl+F9     F5     F6     F7    F8      F11    F12";

}  // namespace

LegendaKlawiszy::LegendaKlawiszy(const QString& tekst, std::vector<int> srodki, QWidget* rodzic)
    : QLabel(tekst, rodzic), srodki_(std::move(srodki)) {}

void LegendaKlawiszy::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setPen(palette().color(QPalette::WindowText));
  const QStringList nazwy = text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
  const QFontMetrics fm(font());
  for (qsizetype k = 0; k < nazwy.size() && k < static_cast<qsizetype>(srodki_.size()); ++k) {
    const int szer = fm.horizontalAdvance(nazwy[k]);
    p.drawText(QRect(srodki_[static_cast<size_t>(k)] - szer / 2 - 2, 0, szer + 4, height()), Qt::AlignCenter,
               nazwy[k]);
  }
}

Tokno_edycji_rozkazow::Tokno_edycji_rozkazow(PlytkaKelbra& plytka, QWidget* rodzic)
    : QMainWindow(rodzic), plytka_(plytka) {
  setObjectName("okno_edycji_rozkazow");
  UstawTytul({});
  jadro_.ResetJadra();

  PokazKomunikat = [this](const QString& tytul, const QString& tekst) {
    QMessageBox okno(QMessageBox::Warning, tytul, tekst, QMessageBox::Ok, this);
    okno.exec();
  };
  // Questions have no icon and no owner window.
  Zapytaj = [](const QString& tytul, const QString& pytanie, QMessageBox::StandardButtons przyciski) {
    QMessageBox okno(QMessageBox::NoIcon, tytul, pytanie, przyciski);
    return static_cast<QMessageBox::StandardButton>(okno.exec());
  };
  PokazBlad = [this](const QString& tekst) { QMessageBox::critical(this, "Błąd", tekst); };
  DialogOtwarcia = [this](const QString& katalog, const QString& filtr) {
    return QFileDialog::getOpenFileName(this, "Otwórz", katalog, filtr);
  };
  DialogZapisu = [this](const QString& katalog, const QString& filtr) {
    return QFileDialog::getSaveFileName(this, "Zapisz jako", katalog, filtr, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
  };

  auto* srodek = new QWidget(this);
  auto* uklad = new QVBoxLayout(srodek);
  uklad->setContentsMargins(0, 0, 0, 0);
  uklad->setSpacing(0);

  auto* panelGorny = new QFrame(srodek);
  panelGorny->setObjectName("PanelGorny");
  panelGorny->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panelGorny->setFixedHeight(61);
  ZbudujPanelGorny(panelGorny);
  uklad->addWidget(panelGorny);

  auto* panelSrodkowy = new QWidget(srodek);
  panelSrodkowy->setObjectName("PanelSrodkowy");
  auto* ukladSrodka = new QHBoxLayout(panelSrodkowy);
  ukladSrodka->setContentsMargins(0, 0, 0, 0);
  ukladSrodka->setSpacing(0);
  margines_ = new Margines(panelSrodkowy);
  edytor_ = new EdytorRozkazow(panelSrodkowy);
  ukladSrodka->addWidget(margines_);
  ukladSrodka->addWidget(edytor_, 1);
  uklad->addWidget(panelSrodkowy, 1);

  auto lista = [&](const char* nazwaPanelu, const char* nazwaListy, int wysokosc, QListWidget*& doListy) {
    auto* panel = new QWidget(srodek);
    panel->setObjectName(nazwaPanelu);
    panel->setFixedHeight(wysokosc);
    auto* u = new QVBoxLayout(panel);
    u->setContentsMargins(0, 0, 0, 0);
    doListy = new QListWidget(panel);
    doListy->setObjectName(nazwaListy);
    doListy->setUniformItemSizes(true);
    u->addWidget(doListy);
    panel->hide();
    uklad->addWidget(panel);
    connect(doListy, &QListWidget::itemClicked, this, &Tokno_edycji_rozkazow::KlikNaLiscie);
    return panel;
  };
  panelWarning_ = lista("PanelWarning", "ListBoxWarning", 57, listaOstrzezen_);
  panelDolny_ = lista("PanelDolny", "ListBoxBledy", 85, listaBledow_);

  postep_ = new QProgressBar(srodek);
  postep_->setObjectName("ProgressBar");
  postep_->setFixedHeight(15);
  postep_->setTextVisible(false);
  postep_->hide();
  uklad->addWidget(postep_);
  setCentralWidget(srodek);

  ZbudujMenu();
  ZbudujMenuKontekstowe();

  edytor_->PrzedKlawiszem = [this](QKeyEvent* e) { return PrzedKlawiszem(e); };
  edytor_->PoKlawiszu = [this](QKeyEvent* e) { PoKlawiszu(e); };
  edytor_->PrzedMysza = [this](QPoint p) {
    // The line under the press, measured from the top of the first visible
    // line; half a line is added because the conversion rounds.
    const int h = edytor_->WysokoscLinii();
    const int py = std::max(p.y() - edytor_->GoraLiniiWWidoku(edytor_->GornaLinia()), 0) + h / 2;
    const int linia = LiniaPodMysza(py, edytor_->GornaLinia(), h);
    ustawUsunBlokade_->setData(linia);
    przesunPC_->setData(linia);
  };
  connect(edytor_->document(), &QTextDocument::contentsChange, this, &Tokno_edycji_rozkazow::ZmianaTekstu);
  edytor_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(edytor_, &QWidget::customContextMenuRequested, this, &Tokno_edycji_rozkazow::OtworzMenuKontekstowe);

  auto timer = [this](const char* nazwa, int ms, void (Tokno_edycji_rozkazow::*obsluga)()) {
    auto* t = new QTimer(this);
    t->setObjectName(nazwa);
    t->setInterval(ms);
    connect(t, &QTimer::timeout, this, obsluga);
    return t;
  };
  timerCiagly_ = timer("TimerPracaCiaglaJadra", SterowanieBiegiem::OkresOdcinka,
                       &Tokno_edycji_rozkazow::TimerPracaCiaglaJadraTimer);
  // A coarse timer may come late by a twentieth of its interval; slices
  // keep time by the clock anyway, but even ones show steadier LEDs.
  timerCiagly_->setTimerType(Qt::PreciseTimer);
  timerKrokowy_ = timer("TimerPracaKrokowa", 500, &Tokno_edycji_rozkazow::TimerPracaKrokowaTimer);
  timerStatusu_ = timer("TimerWyswietlanieDanychCykliICzasuDzialania", 250,
                        &Tokno_edycji_rozkazow::TimerWyswietlanieDanychCykliICzasuDzialaniaTimer);
  timerZaznaczania_ = timer("TimerZaznaczanieLinii", 0, &Tokno_edycji_rozkazow::TimerZaznaczanieLiniiTimer);
  timerZaznaczania_->setSingleShot(true);
  timerStatusu_->start();
  sterowanie_.UstawPlytke(&plytka_);
  // Scrolling, edits, resizes and the cursor all repaint the editor's
  // viewport, which the gutter lines up with.
  connect(edytor_, &QPlainTextEdit::updateRequest, this, &Tokno_edycji_rozkazow::PlanujMargines);
  connect(margines_, &Margines::ZmianaRozmiaru, this, &Tokno_edycji_rozkazow::PlanujMargines);
  PlanujMargines();

  UstawTryb(false);
  // The toolbar and a few lines of text stay usable whatever size a stored
  // layout asks for.
  setMinimumSize(400, 300);
  resize(502, 472);
  if (const QScreen* ekran = screen()) move(ekran->availableGeometry().center() - rect().center());
  TimerWyswietlanieDanychCykliICzasuDzialaniaTimer();
}

Tokno_edycji_rozkazow::~Tokno_edycji_rozkazow() = default;

void Tokno_edycji_rozkazow::ZbudujPanelGorny(QWidget* panel) {
  std::vector<int> srodki;
  for (const Przycisk& p : PrzyciskiPaska) {
    auto* b = new QToolButton(panel);
    b->setObjectName(QString("SpeedButton%1").arg(p.numer));
    b->setGeometry(p.x, 5, RozmiarPrzycisku, RozmiarPrzycisku);
    b->setIcon(IkonaPrzycisku(p.numer));
    b->setIconSize(QSize(RozmiarPrzycisku - 4, RozmiarPrzycisku - 4));
    b->setAutoRaise(true);
    b->setToolTip(QString::fromUtf8(p.podpowiedz));
    b->setFocusPolicy(Qt::NoFocus);
    przyciski_[static_cast<size_t>(p.numer)] = b;
    if (p.numer != 1) srodki.push_back(p.x + RozmiarPrzycisku / 2);
  }
  auto* legenda = new LegendaKlawiszy(TekstLegendy, std::move(srodki), panel);
  legenda->setObjectName("Label1");
  QFont f = legenda->font();
  f.setPointSizeF(f.pointSizeF() * 0.8);
  legenda->setFont(f);
  legenda->setGeometry(0, 29, 400, 14);

  auto status = [&](const char* nazwa, int x, int szer, bool jasny) {
    auto* l = new QLabel(panel);
    l->setObjectName(nazwa);
    l->setGeometry(x, 44, szer, 14);
    l->setAlignment(Qt::AlignCenter);
    l->setAutoFillBackground(true);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Dark));
    if (jasny) pal.setColor(QPalette::WindowText, palette().color(QPalette::Window));
    l->setPalette(pal);
    QFont fs = l->font();
    fs.setPointSizeF(fs.pointSizeF() * 0.85);
    l->setFont(fs);
    return l;
  };
  labelCykle_ = status("LabelCykle", 8, 97, false);
  labelCzas_ = status("LabelCzas", 112, 193, true);
  labelCaretPos_ = status("LabelCaretPos", 312, 171, false);

  const std::pair<int, void (Tokno_edycji_rozkazow::*)()> polecenia[] = {
      {4, &Tokno_edycji_rozkazow::Analizuj_kod_asembleraClick},
      {5, &Tokno_edycji_rozkazow::Run1Click},
      {6, &Tokno_edycji_rozkazow::Stop1Click},
      {7, &Tokno_edycji_rozkazow::PracaKrokowa1Click},
      {8, &Tokno_edycji_rozkazow::StepInto1Click},
      {9, &Tokno_edycji_rozkazow::StepOver1Click},
      {10, &Tokno_edycji_rozkazow::ZatrzymajJadro1Click},
      {11, &Tokno_edycji_rozkazow::ResetKelbry1Click},
      {12, &Tokno_edycji_rozkazow::BreakPointPulapka1Click},
  };
  for (const auto& [numer, obsluga] : polecenia)
    connect(przyciski_[static_cast<size_t>(numer)], &QToolButton::clicked, this, obsluga);
}

QAction* Tokno_edycji_rozkazow::Akcja(QMenu* menu, const char* nazwa, const QString& tytul,
                                       const QKeySequence& klawisz, void (Tokno_edycji_rozkazow::*obsluga)()) {
  QAction* a = menu->addAction(tytul);
  a->setObjectName(nazwa);
  if (!klawisz.isEmpty()) a->setShortcut(klawisz);
  if (obsluga) connect(a, &QAction::triggered, this, obsluga);
  return a;
}

void Tokno_edycji_rozkazow::ZbudujMenu() {
  QMenuBar* pasek = menuBar();
  using T = Tokno_edycji_rozkazow;

  QMenu* plik = pasek->addMenu("Plik");
  plik->setObjectName("Plik1");
  Akcja(plik, "Nowy1", "Nowy", {}, &T::Nowy1Click);
  plik->addSeparator();
  Akcja(plik, "Otworz2", "Otwórz", QKeySequence(Qt::Key_F3), &T::Otworz2Click);
  Akcja(plik, "Zapisz1", "Zapisz", QKeySequence(Qt::Key_F2), &T::Zapisz1Click);
  Akcja(plik, "ZapiszJako1", "Zapisz jako", QKeySequence(Qt::CTRL | Qt::Key_F2), &T::ZapiszJako1Click);
  plik->addSeparator();
  connect(Akcja(plik, "Koniec1", "Koniec", {}, nullptr), &QAction::triggered, this, &QWidget::close);

  QMenu* debug = pasek->addMenu("Debug");
  debug->setObjectName("Debug1");
  Akcja(debug, "Kompilacja1", "Kompilacja", QKeySequence(Qt::Key_F9), &T::Analizuj_kod_asembleraClick);
  Akcja(debug, "Run1", "Run", QKeySequence(Qt::CTRL | Qt::Key_F9), &T::Run1Click);
  Akcja(debug, "Stop1", "Stop", QKeySequence(Qt::Key_F10), &T::Stop1Click);
  debug->addSeparator();
  Akcja(debug, "BreakPointPulapka1", "Break Point - Pułapka", QKeySequence(Qt::Key_F5), &T::BreakPointPulapka1Click);
  Akcja(debug, "PracaKrokowa1", "Praca Krokowa", QKeySequence(Qt::Key_F6), &T::PracaKrokowa1Click);
  Akcja(debug, "StepInto1", "Step Into", QKeySequence(Qt::Key_F7), &T::StepInto1Click);
  Akcja(debug, "StepOver1", "Step Over", QKeySequence(Qt::Key_F8), &T::StepOver1Click);
  debug->addSeparator();
  Akcja(debug, "ZatrzymajJadro1", "Zatrzymaj jądro", QKeySequence(Qt::Key_F11), &T::ZatrzymajJadro1Click);
  Akcja(debug, "ResetKelbry1", "Reset Kelbry", QKeySequence(Qt::Key_F12), &T::ResetKelbry1Click);

  menuOkna_ = pasek->addMenu("Okna");
  menuOkna_->setObjectName("Oknapomocnicze1");
  const char* nazwyOkien[5] = {"Analizakoduasemblera1", "Kelbra1", "Rejestry1", "SFR1", "Pamiec1"};
  const char* tytulyOkien[5] = {"Analiza kodu asemblera", "Kelbra", "Rejestry", "SFR", "Pamięć"};
  for (int k = 0; k < 5; ++k) {
    oknaAkcje_[k] = Akcja(menuOkna_, nazwyOkien[k], QString::fromUtf8(tytulyOkien[k]), {}, nullptr);
    connect(oknaAkcje_[k], &QAction::triggered, this, [this, k] {
      QWidget* okna[5] = {okna_.tabela, okna_.kelbra, okna_.rejestry, okna_.sfr, okna_.pamiec};
      if (QWidget* w = okna[k]) {
        w->show();
        w->raise();
        w->activateWindow();
      }
    });
  }
  QMenu* reset = menuOkna_->addMenu("--- Reset Okien");
  reset->setObjectName("ResetOkien1");
  connect(Akcja(reset, "Wszystkieokna1", "Wszystkie okna", {}, nullptr), &QAction::triggered, this,
          [this] { ResetujOkna(-1); });
  reset->addSeparator();
  const char* nazwyResetu[5] = {"Analizakoduasemblera2", "Kelbra2", "Rejestry2", "DaneSFR1", "Pamieci1"};
  const char* tytulyResetu[5] = {"Analiza kodu asemblera", "Kelbra", "Rejestry", "Dane SFR", "Pamięci"};
  for (int k = 0; k < 5; ++k)
    connect(Akcja(reset, nazwyResetu[k], QString::fromUtf8(tytulyResetu[k]), {}, nullptr), &QAction::triggered, this,
            [this, k] { ResetujOkna(k + 1); });
  connect(menuOkna_, &QMenu::aboutToShow, this, [this] {
    QWidget* okna[5] = {okna_.tabela, okna_.kelbra, okna_.rejestry, okna_.sfr, okna_.pamiec};
    for (int k = 0; k < 5; ++k) {
      oknaAkcje_[k]->setCheckable(true);
      oknaAkcje_[k]->setChecked(okna[k] && okna[k]->isVisible());
      oknaAkcje_[k]->setEnabled(okna[k] != nullptr);
    }
  });
  // Hidden until the window is first shown.
  menuOkna_->menuAction()->setVisible(false);

  QMenu* informacje = pasek->addMenu("Informacje");
  informacje->setObjectName("Informacje1");
  connect(Akcja(informacje, "OProgramie1", "O Programie", {}, nullptr), &QAction::triggered, this, [this] {
    if (okna_.oProgramie) {
      okna_.oProgramie->show();
      okna_.oProgramie->raise();
    }
  });
  connect(Akcja(informacje, "Ograniczenia1", "Wydruk PRN", {}, nullptr), &QAction::triggered, this, [this] {
    if (QWidget* w = reinterpret_cast<QWidget*>(okna_.prn)) {
      w->show();
      w->raise();
      w->activateWindow();
    }
  });

  QMenu* test = pasek->addMenu("Test Jadra");
  test->setObjectName("TestJadra1");
  QAction* info = Akcja(test, "info1", "info", {}, nullptr);
  connect(test, &QMenu::aboutToShow, this,
          [this, info] { info->setText(QString::fromStdString(TestJadra(jadro_))); });
  test->menuAction()->setVisible(false);
}

void Tokno_edycji_rozkazow::ZbudujMenuKontekstowe() {
  menuKontekstowe_ = new QMenu(this);
  menuKontekstowe_->setObjectName("PopupMenu1");
  QMenu* skocz = menuKontekstowe_->addMenu("Skocz do etykiety");
  skocz->setObjectName("Skoczdoetykiety1");
  autoskokPC_ = skocz->addAction("Auto skok PC dla zmiany etykiety");
  autoskokPC_->setObjectName("AutoskokPC1");
  autoskokPC_->setCheckable(true);
  autoskokPC_->setChecked(true);
  QAction* naglowek = skocz->addAction("Twoje etykiety....");
  naglowek->setObjectName("Twojeetykiety1");
  naglowek->setEnabled(false);
  for (int k = 1; k <= 80; ++k) {
    QAction* a = skocz->addAction(QString::number(k));
    a->setObjectName(QStringLiteral("N") + QString::number(k) + QLatin1Char('1'));
    a->setData(0);
    elementyEtykiet_.push_back(a);
    connect(a, &QAction::triggered, this, [this, a] { SkokDoEtykiety(a); });
  }
  ustawUsunBlokade_ = menuKontekstowe_->addAction("Ustaw / Usun blokade");
  ustawUsunBlokade_->setObjectName("UstawUsunblokade1");
  ustawUsunBlokade_->setData(0);
  connect(ustawUsunBlokade_, &QAction::triggered, this, &Tokno_edycji_rozkazow::UstawUsunblokade1Click);
  menuKontekstowe_->addSeparator();
  przesunPC_ = menuKontekstowe_->addAction("Przesun tutaj licznik PC");
  przesunPC_->setObjectName("PrzesuntutajlicznikPC1");
  przesunPC_->setData(0);
  connect(przesunPC_, &QAction::triggered, this, &Tokno_edycji_rozkazow::PrzesuntutajlicznikPC1Click);
}

void Tokno_edycji_rozkazow::UstawOkna(const OknaPomocnicze& okna) {
  okna_ = okna;
  if (okna_.tabela) okna_.tabela->Model().UstawTabele(&asembler_.Wynik().Tabela);
  zarzadca_.UstawOkna({this, okna_.tabela, okna_.kelbra, okna_.rejestry, okna_.sfr, okna_.pamiec}, okna_.sekcjeSfr);
}

void Tokno_edycji_rozkazow::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  if (pokazane_) return;
  pokazane_ = true;
  menuOkna_->menuAction()->setVisible(true);
  PodlaczPlytke(jadro_, plytka_);
  emit PierwszePokazanie();
  zarzadca_.ZapamietajDomyslnePozycje();
}

void Tokno_edycji_rozkazow::closeEvent(QCloseEvent* e) {
  const auto odpowiedz = Zapytaj3("Koniec programu...", "Czy chcesz zapisac zmiany w pliku?");
  if (odpowiedz == QMessageBox::Cancel || (odpowiedz == QMessageBox::Yes && !Zapisz())) {
    e->ignore();
    return;
  }
  e->accept();
  // The auxiliary windows end with this one.
  QCoreApplication::quit();
}

QMessageBox::StandardButton Tokno_edycji_rozkazow::Zapytaj3(const QString& tytul, const QString& pytanie) {
  return Zapytaj(tytul, pytanie, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

void Tokno_edycji_rozkazow::UstawTytul(const QString& przyrostek) {
  setWindowTitle(QString(PrefiksTytulu) + przyrostek);
}

QString Tokno_edycji_rozkazow::KatalogDialogow() const {
  if (!katalog_.isEmpty()) return katalog_;
  const QString programu = QCoreApplication::applicationDirPath();
  return QFileInfo(programu).isWritable() ? programu : QDir::homePath();
}

void Tokno_edycji_rozkazow::Nowy1Click() {
  const auto odpowiedz = Zapytaj3("Nowy...", "Czy chcesz zapisac zmiany w pliku zanim stworzysz nowy?");
  if (odpowiedz == QMessageBox::Cancel || (odpowiedz == QMessageBox::Yes && !Zapisz())) return;
  edytor_->clear();
  nazwaPliku_.clear();
  kodowanie_ = KodowaniePliku::Cp1250;
  bom_ = false;
  UstawTryb(false);
  ResetujOkna(-1);
  bledyDoPokazania_ = false;
  OdswiezPolecenia();
  UstawTytul({});
}

void Tokno_edycji_rozkazow::Otworz2Click() {
  const auto odpowiedz = Zapytaj3("Otworz...", "Czy chcesz zapisac zmiany w pliku przed otwarciem nowego?");
  if (odpowiedz == QMessageBox::Cancel || (odpowiedz == QMessageBox::Yes && !Zapisz())) return;
  // Nothing is cleared before a file has been read: a cancelled dialog or an
  // unreadable file leaves the text, its name and the caption as they were.
  const QString sciezka = DialogOtwarcia(KatalogDialogow(), "Pliki *.asm (*.asm);;Wszystko *.* (*)");
  if (sciezka.isEmpty()) return;
  OtworzPlik(sciezka);
}

bool Tokno_edycji_rozkazow::OtworzPlik(const QString& sciezka) {
  QFile plik(sciezka);
  if (QFileInfo(sciezka).isDir()) {
    PokazBlad(QString("Nie można otworzyć pliku %1: to jest folder.").arg(QDir::toNativeSeparators(sciezka)));
    return false;
  }
  if (!plik.open(QIODevice::ReadOnly)) {
    PokazBlad(QString("Nie można otworzyć pliku %1:\n%2").arg(QDir::toNativeSeparators(sciezka), plik.errorString()));
    return false;
  }
  if (plik.size() > NajwiekszyPlik) {
    PokazBlad(QString("Plik %1 jest za duży (%2 MB). Edytor otwiera pliki do %3 MB.")
                  .arg(QDir::toNativeSeparators(sciezka))
                  .arg(plik.size() / (1024 * 1024))
                  .arg(NajwiekszyPlik / (1024 * 1024)));
    return false;
  }
  const QByteArray bajty = plik.readAll();
  if (plik.error() != QFileDevice::NoError) {
    PokazBlad(QString("Nie można odczytać pliku %1:\n%2").arg(QDir::toNativeSeparators(sciezka), plik.errorString()));
    return false;
  }
  const PlikZrodlowy zrodlo = CzytajPlikZrodlowy(std::string_view(bajty.constData(), static_cast<size_t>(bajty.size())));
  nazwaPliku_ = sciezka;
  kodowanie_ = zrodlo.Kodowanie;
  bom_ = zrodlo.Bom;
  katalog_ = QFileInfo(sciezka).absolutePath();
  UstawTytul(QFileInfo(sciezka).fileName());
  UstawTryb(false);
  WczytajPozycjeOkien(-1, zrodlo.LiniaPozycji);
  QString tekst;
  for (size_t i = 0; i < zrodlo.Linie.size(); ++i) {
    if (i) tekst += QLatin1Char('\n');
    tekst += QString::fromUcs4(zrodlo.Linie[i].data(), static_cast<qsizetype>(zrodlo.Linie[i].size()));
  }
  edytor_->setPlainText(tekst);
  bledyDoPokazania_ = false;
  OdswiezPolecenia();
  return true;
}

void Tokno_edycji_rozkazow::Zapisz1Click() { Zapisz(); }
void Tokno_edycji_rozkazow::ZapiszJako1Click() { ZapiszJako(); }

bool Tokno_edycji_rozkazow::Zapisz() { return nazwaPliku_.isEmpty() ? ZapiszJako() : ZapiszDo(nazwaPliku_); }

bool Tokno_edycji_rozkazow::ZapiszJako() {
  QString sciezka = DialogZapisu(KatalogDialogow(), "Plik *.asm (*.asm)");
  if (sciezka.isEmpty()) return false;
  // The extension test is exact: "test.ASM" becomes "test.ASM.asm".
  if (!sciezka.endsWith(".asm", Qt::CaseSensitive)) sciezka += ".asm";
  // The dialog cannot know the completed name, so the question about
  // overwriting is asked here, about the file that will be written.
  if (QFileInfo::exists(sciezka) &&
      Zapytaj("Zapisz jako...", QString("Plik %1 już istnieje.\nCzy chcesz go zastąpić?")
                                    .arg(QDir::toNativeSeparators(sciezka)),
              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
    return false;
  if (!ZapiszDo(sciezka)) return false;
  nazwaPliku_ = sciezka;
  katalog_ = QFileInfo(sciezka).absolutePath();
  UstawTytul("\\" + QFileInfo(sciezka).fileName());
  return true;
}

bool Tokno_edycji_rozkazow::ZapiszDo(const QString& sciezka) {
  std::vector<std::u32string> linie;
  linie.reserve(static_cast<size_t>(edytor_->LiczbaLinii()));
  if (edytor_->LiczbaLinii() > 0)
    for (QTextBlock b = edytor_->document()->begin(); b.isValid(); b = b.next()) linie.push_back(DoUcs4(b.text()));
  if (!DaSieZapisac(linie, kodowanie_)) {
    if (Zapytaj("Zapisz...",
                "Tekst zawiera znaki, których nie da się zapisać w kodowaniu Windows-1250.\n"
                "Czy zapisać plik w kodowaniu UTF-8?",
                QMessageBox::Yes | QMessageBox::Cancel) != QMessageBox::Yes)
      return false;
    kodowanie_ = KodowaniePliku::Utf8;
  }
  const std::string bajty =
      ZapiszPlikZrodlowy(linie, kodowanie_, bom_, LiniaPozycjiOkien(zarzadca_.ZbierzPozycjeOkien()));
  // Written beside the old file and renamed over it: a failed write leaves
  // the old file as it was.
  QSaveFile plik(sciezka);
  if (!plik.open(QIODevice::WriteOnly) ||
      plik.write(bajty.data(), static_cast<qint64>(bajty.size())) != static_cast<qint64>(bajty.size()) ||
      !plik.commit()) {
    PokazBlad(QString("Nie można zapisać pliku %1:\n%2").arg(QDir::toNativeSeparators(sciezka), plik.errorString()));
    return false;
  }
  return true;
}

void Tokno_edycji_rozkazow::WczytajPozycjeOkien(int okno, const std::optional<std::string>& linia) {
  PozycjeOkien p;
  if (!linia || !CzytajLiniePozycjiOkien(*linia, zarzadca_.Domyslne(), p)) p = zarzadca_.PozycjeDomyslne(okno);
  zarzadca_.UstawOkna(p, okno);
}

void Tokno_edycji_rozkazow::ResetujOkna(int okno) { WczytajPozycjeOkien(okno, std::nullopt); }

void Tokno_edycji_rozkazow::UstawTryb(bool emulacja) {
  sterowanie_.UstawTrybEmulacji(emulacja, edytor_->LiczbaLinii());
  OdswiezPolecenia();
  PlanujMargines();
}

void Tokno_edycji_rozkazow::OdswiezPolecenia() {
  const StanPolecen& s = sterowanie_.Polecenia();
  auto wlacz = [this](const char* nazwa, bool stan) {
    QAction*& a = akcje_[nazwa];
    if (!a) a = findChild<QAction*>(nazwa);
    a->setEnabled(stan);
  };
  wlacz("Nowy1", s.Nowy);
  wlacz("Otworz2", s.Nowy);
  wlacz("Kompilacja1", s.Kompilacja);
  for (const char* n : {"PracaKrokowa1", "StepInto1", "StepOver1", "ResetKelbry1", "ZatrzymajJadro1", "Stop1"})
    wlacz(n, s.Emulacja);
  wlacz("Run1", s.Run);
  przyciski_[1]->setEnabled(s.Nowy);
  przyciski_[2]->setEnabled(s.Nowy);
  przyciski_[4]->setEnabled(s.Kompilacja);
  przyciski_[5]->setEnabled(s.PrzyciskRun);
  for (int k = 6; k <= 11; ++k) przyciski_[static_cast<size_t>(k)]->setEnabled(s.Emulacja);
  panelDolny_->setVisible(!s.Emulacja && bledyDoPokazania_);
}

void Tokno_edycji_rozkazow::Analizuj_kod_asembleraClick() {
  std::vector<std::string> linie;
  linie.reserve(static_cast<size_t>(edytor_->LiczbaLinii()));
  if (edytor_->LiczbaLinii() > 0)
    for (QTextBlock b = edytor_->document()->begin(); b.isValid(); b = b.next()) linie.push_back(DoBajtow(b.text()));

  if (okna_.tabela) okna_.tabela->Model().PrzedZmiana();
  const int maksimum = static_cast<int>(std::min<double>(4.5 * static_cast<double>(linie.size()), INT32_MAX));
  postep_->setRange(0, std::max(maksimum, 1));
  postep_->setValue(0);
  postep_->show();
  centralWidget()->layout()->activate();
  postep_->repaint();
  // The bar is painted directly: no events are processed during the run, so
  // neither keys nor timers can re-enter it.
  const WynikAsemblacji& w = asembler_.Analizuj_kod_asemblera(linie, [this](int pozycja, int) {
    if (pozycja - postep_->value() > postep_->maximum() / 100 || pozycja < postep_->value()) {
      postep_->setValue(pozycja);
      postep_->repaint();
    }
  });
  mapa_.Zbuduj(w.Tabela);

  QStringList bledy, ostrzezenia;
  for (const std::string& l : w.Bledy) bledy << ZCp1250(l);
  for (const std::string& l : w.Ostrzezenia) ostrzezenia << ZCp1250(l);
  listaBledow_->clear();
  listaBledow_->addItems(bledy);
  listaOstrzezen_->clear();
  listaOstrzezen_->addItems(ostrzezenia);
  bledyDoPokazania_ = w.FlagaBledu;

  UstawTryb(!w.FlagaBledu);
  panelWarning_->setVisible(w.FlagaOstrzezen);
  if (okna_.tabela) okna_.tabela->Model().PoZmianie();
  if (!w.FlagaBledu && okna_.prn) okna_.prn->UstawWydruk(BudujWydrukPRN(w, jadro_.Code, linie));
  postep_->hide();
  plytka_.lcd.ZerujFlagi();
  pulapki_.Przelicz(mapa_, edytor_->LiczbaLinii());
  PlanujMargines();
  emit PoAsemblacji();
}

void Tokno_edycji_rozkazow::Run1Click() {
  if (!sterowanie_.TrybEmulacji()) {
    if (edytor_->LiczbaLinii() == 0) return;
    Analizuj_kod_asembleraClick();
  }
  sterowanie_.Run();
  OdswiezPolecenia();
}

void Tokno_edycji_rozkazow::Stop1Click() {
  sterowanie_.Stop(edytor_->LiczbaLinii());
  OdswiezPolecenia();
}

void Tokno_edycji_rozkazow::PracaKrokowa1Click() { sterowanie_.PracaKrokowa(); }
void Tokno_edycji_rozkazow::StepInto1Click() { sterowanie_.StepInto(); }
void Tokno_edycji_rozkazow::StepOver1Click() { sterowanie_.StepOver(); }
void Tokno_edycji_rozkazow::ZatrzymajJadro1Click() { sterowanie_.Pauza(); }
void Tokno_edycji_rozkazow::ResetKelbry1Click() { sterowanie_.ResetKelbry(); }

void Tokno_edycji_rozkazow::BreakPointPulapka1Click() {
  ustawUsunBlokade_->setData(edytor_->LiniaKursora());
  UstawUsunblokade1Click();
}

void Tokno_edycji_rozkazow::UstawUsunblokade1Click() {
  pulapki_.Przelacz(ustawUsunBlokade_->data().toInt(), mapa_, edytor_->LiczbaLinii());
  PlanujMargines();
}

void Tokno_edycji_rozkazow::PrzesuntutajlicznikPC1Click() {
  if (!sterowanie_.TrybEmulacji()) return;
  sterowanie_.PrzesunPC(przesunPC_->data().toInt());
}

void Tokno_edycji_rozkazow::IdzDoLinii(int linia) {
  const int gora = edytor_->GornaLinia();
  const int widoczne = edytor_->WidoczneLinie();
  const bool wTekscie = linia >= 0 && linia < edytor_->LiczbaLinii();
  edytor_->UstawZaznaczenie(edytor_->PoczatekLinii(linia), wTekscie ? edytor_->DlugoscLinii(linia) : 0);
  // Three lines of margin above the target whenever it is near an edge.
  if (linia < gora + 3 || linia > gora + widoczne - 3) edytor_->UstawGornaLinie(linia - 3);
  else edytor_->UstawGornaLinie(gora);
  edytor_->horizontalScrollBar()->setValue(0);
  liniaStrzalki_ = linia;
  if (okna_.tabela) okna_.tabela->PrzewinDoLinii(linia);
  PlanujMargines();
}

void Tokno_edycji_rozkazow::UstawTimeryBiegu(bool ciagly, bool krokowy) {
  if (ciagly != timerCiagly_->isActive()) ciagly ? timerCiagly_->start() : timerCiagly_->stop();
  if (krokowy != timerKrokowy_->isActive()) krokowy ? timerKrokowy_->start() : timerKrokowy_->stop();
  PlanujMargines();  // the arrow hides during a continuous run
}

void Tokno_edycji_rozkazow::ResetPlytki() { plytka_.ResetPlytki(); }

void Tokno_edycji_rozkazow::OdswiezDiody() {
  plytka_.OdswiezDiody();
  emit PoTyknieciuBiegu();
}

void Tokno_edycji_rozkazow::KomunikatStepOver() {
  PokazKomunikat("Blad funkcji \"Step Over\"....",
                 "Wykonano 10 000 000 cykli i nie powrocono do miejsca startu. Sprawdz poprawnosc swoich funkcji.");
}

bool Tokno_edycji_rozkazow::PrzedKlawiszem(QKeyEvent* e) {
  const int klawisz = e->key();
  if (klawisz == Qt::Key_Return || klawisz == Qt::Key_Enter) {
    oczekujacyKlawisz_ = true;
    return false;
  }
  if (klawisz != Qt::Key_Backspace || edytor_->textCursor().hasSelection()) return false;
  // Backspace acts before the editor deletes anything.
  UstawTryb(false);
  const auto o = OdwciecieBackspace(*edytor_, edytor_->KolumnaKursora(), edytor_->LiniaKursora());
  if (!o) return false;
  const int poczatek = edytor_->textCursor().block().position();
  QTextCursor k = edytor_->textCursor();
  k.setPosition(poczatek + o->kolumna);
  k.setPosition(poczatek + o->kolumna + o->liczba, QTextCursor::KeepAnchor);
  k.removeSelectedText();
  edytor_->setTextCursor(k);
  return true;
}

void Tokno_edycji_rozkazow::PoKlawiszu(QKeyEvent*) {
  oczekujacyKlawisz_ = false;
  if (!wciecieDoWykonania_) return;
  wciecieDoWykonania_ = false;
  AutoWciecieEnter();
}

void Tokno_edycji_rozkazow::AutoWciecieEnter() {
  // The caret's line after Enter, which is also right when the Enter
  // replaced a selection of several lines.
  const int linia = edytor_->LiniaKursora();
  const auto wciecie = AutoWciecie(*edytor_, linia);
  if (!wciecie) return;
  QTextCursor k = edytor_->textCursor();
  k.setPosition(edytor_->document()->findBlockByNumber(linia).position());
  if (!wciecie->empty()) {
    // One undo step takes back the Enter and its indentation together.
    k.joinPreviousEditBlock();
    k.insertText(QString::fromUtf16(wciecie->data(), static_cast<qsizetype>(wciecie->size())));
    k.endEditBlock();
  }
  edytor_->setTextCursor(k);
}

void Tokno_edycji_rozkazow::ZmianaTekstu(int pozycja, int usuniete, int dodane) {
  if (usuniete == 0 && dodane == 0) return;
  UstawTryb(false);
  if (oczekujacyKlawisz_) {
    oczekujacyKlawisz_ = false;
    wciecieDoWykonania_ = true;
  }
  const int liczba = edytor_->LiczbaLinii();
  if (liczba != poprzedniaLiczbaLinii_)
    pulapki_.Przesun(poprzedniaLiczbaLinii_, liczba, edytor_->LiniaPozycji(pozycja + dodane));
  poprzedniaLiczbaLinii_ = liczba;
  PlanujMargines();
}

void Tokno_edycji_rozkazow::OtworzMenuKontekstowe(const QPoint& gdzie) {
  const std::vector<EtykietaLinii> etykiety = SkanujEtykiety(*edytor_, static_cast<int>(elementyEtykiet_.size()));
  for (size_t k = 0; k < elementyEtykiet_.size(); ++k) {
    QAction* a = elementyEtykiet_[k];
    if (k < etykiety.size()) {
      const std::u16string& n = etykiety[k].nazwa;
      a->setText(QString::fromUtf16(n.data(), static_cast<qsizetype>(n.size())).replace('&', "&&"));
      a->setData(etykiety[k].linia);
      a->setVisible(true);
    } else {
      a->setVisible(false);
    }
  }
  przesunPC_->setEnabled(sterowanie_.TrybEmulacji());
  menuKontekstowe_->popup(edytor_->viewport()->mapToGlobal(gdzie));
}

void Tokno_edycji_rozkazow::SkokDoEtykiety(QAction* element) {
  const int linia = element->data().toInt();
  edytor_->UstawZaznaczenie(edytor_->PoczatekLinii(linia), 0);
  if (autoskokPC_->isChecked() && przesunPC_->isEnabled()) {
    przesunPC_->setData(linia);
    PrzesuntutajlicznikPC1Click();
  }
}

void Tokno_edycji_rozkazow::KlikNaLiscie(QListWidgetItem* element) {
  if (!element) return;
  const QString t = element->text();
  const auto linia = LiniaZKomunikatu(std::u16string_view(reinterpret_cast<const char16_t*>(t.utf16()),
                                                          static_cast<size_t>(t.size())));
  if (!linia || *linia >= edytor_->LiczbaLinii()) return;
  IdzDoLinii(*linia);
  edytor_->ensureCursorVisible();
  edytor_->setFocus();
}

void Tokno_edycji_rozkazow::PlanujMargines() {
  if (timerZaznaczania_ && !timerZaznaczania_->isActive()) timerZaznaczania_->start();
}

void Tokno_edycji_rozkazow::TimerZaznaczanieLiniiTimer() {
  // Asked for by every change that may move something; it compares a few
  // numbers and builds the gutter's picture only when one of them moved.
  const int gora = edytor_->GornaLinia();
  const bool strzalka = sterowanie_.TrybEmulacji() && !sterowanie_.TimerCiagly();
  const std::array<int, 5> klucz = {gora, edytor_->viewport()->height(), edytor_->y() + edytor_->viewport()->y(),
                                    static_cast<int>(pulapki_.Wersja()), strzalka ? liniaStrzalki_ : -1};
  if (klucz == kluczMarginesu_) return;
  kluczMarginesu_ = klucz;

  const int h = edytor_->WysokoscLinii();
  const int widoczne = edytor_->viewport()->height() / h + 1;
  StanMarginesu s;
  s.WysokoscLinii = h;
  s.Przesuniecie = edytor_->y() + edytor_->viewport()->y() - margines_->y() + edytor_->GoraLiniiWWidoku(gora);
  s.Znaczniki.resize(static_cast<size_t>(std::max(widoczne, 0)));
  for (int k = 0; k < widoczne; ++k) s.Znaczniki[static_cast<size_t>(k)] = pulapki_.JestNaLinii(gora + k);
  if (strzalka && liniaStrzalki_ >= gora && liniaStrzalki_ < gora + widoczne) s.LiniaStrzalki = liniaStrzalki_ - gora;
  margines_->Pokaz(std::move(s));
}

void Tokno_edycji_rozkazow::TimerPracaCiaglaJadraTimer() {
  sterowanie_.TickCiagly();
  // A slice that ended at a breakpoint refreshed nothing itself; the board
  // still shows the state the run stopped in.
  if (!sterowanie_.TimerCiagly()) emit PoTyknieciuBiegu();
}

void Tokno_edycji_rozkazow::TimerPracaKrokowaTimer() {
  sterowanie_.TickKrokowy();
  emit PoTyknieciuBiegu();
}

void Tokno_edycji_rozkazow::TimerWyswietlanieDanychCykliICzasuDzialaniaTimer() {
  const TekstyStatusu t = sterowanie_.TickStatusu();
  labelCaretPos_->setText(QString::fromStdString(t.CaretPos));
  labelCykle_->setText(QString::fromStdString(t.Cykle));
  labelCzas_->setText(QString::fromStdString(t.Czas));
}

}  // namespace kelbra
