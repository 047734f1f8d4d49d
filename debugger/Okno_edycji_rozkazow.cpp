#include "Okno_edycji_rozkazow.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>

#include <sys/stat.h>

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeySequence>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "EdytorRozkazow.h"
#include "Ikony.h"
#include "Kodowanie.h"
#include "Margines.h"
#include "Ograniczenia.h"
#include "OknoSprawdzenia.h"
#include "PasekSzukania.h"
#include "Plytka.h"
#include "Tabela_rozkazy.h"
#include "TekstQt.h"
#include "WydrukPRN.h"
#include "Zadanie.h"

namespace kelbra {

namespace {

constexpr int RozmiarPrzycisku = 24;

// A source file's lines as the editor holds them.
QString TekstEdytora(const std::vector<std::u32string>& linie) {
  QString tekst;
  for (size_t i = 0; i < linie.size(); ++i) {
    if (i) tekst += QLatin1Char('\n');
    tekst += Ucs4DoQt(linie[i]);
  }
  return tekst;
}

bool JestKlawisz(QKeyCombination k) { return k.key() != Qt::Key_unknown; }

}  // namespace

std::span<const Tokno_edycji_rozkazow::OpisPolecenia> Tokno_edycji_rozkazow::TabelaPolecen() {
  using T = Tokno_edycji_rozkazow;
  using S = StanPolecen;
  // Menu order; the toolbar takes its buttons in x order.
  static constexpr OpisPolecenia Tabela[] = {
      {.menu = Menu::Plik, .nazwa = "Nowy1", .tytul = "Nowy", .klawisze = {QKeyCombination(), Qt::CTRL | Qt::Key_N},
       .przycisk = 1, .x = 8, .podpowiedz = "Nowy", .wlaczone = &S::Nowy, .obsluga = &T::Nowy1Click},
      {.menu = Menu::Plik, .separatorPrzed = true, .nazwa = "Otworz2", .tytul = "Otwórz",
       .klawisze = {Qt::Key_F3, Qt::CTRL | Qt::Key_O}, .przycisk = 2, .x = 34, .podpowiedz = "Otwórz",
       .wlaczone = &S::Nowy, .obsluga = &T::Otworz2Click},
      {.menu = Menu::Plik, .nazwa = "Zapisz1", .tytul = "Zapisz", .klawisze = {Qt::Key_F2, Qt::CTRL | Qt::Key_S},
       .przycisk = 3, .x = 60, .podpowiedz = "Zapisz", .obsluga = &T::Zapisz1Click},
      {.menu = Menu::Plik, .nazwa = "ZapiszJako1", .tytul = "Zapisz jako",
       .klawisze = {Qt::CTRL | Qt::Key_F2, Qt::CTRL | Qt::SHIFT | Qt::Key_S}, .obsluga = &T::ZapiszJako1Click},
      {.menu = Menu::Plik, .separatorPrzed = true, .nazwa = "Szukaj1", .tytul = "Szukaj...",
       .klawisze = {Qt::CTRL | Qt::Key_F}, .obsluga = &T::Szukaj1Click},
      {.menu = Menu::Plik, .nazwa = "IdzDoWiersza1", .tytul = "Idź do wiersza...", .klawisze = {Qt::CTRL | Qt::Key_G},
       .obsluga = &T::IdzDoWiersza1Click},
      {.menu = Menu::Plik, .separatorPrzed = true, .nazwa = "Koniec1", .tytul = "Koniec",
       .klawisze = {QKeyCombination(), Qt::CTRL | Qt::Key_Q}, .obsluga = &T::Koniec1Click},

      {.menu = Menu::Debug, .nazwa = "Kompilacja1", .tytul = "Kompilacja", .klawisze = {Qt::Key_F9}, .przycisk = 4,
       .x = 96, .podpowiedz = "Kompiluj    - F9", .wlaczone = &S::Kompilacja,
       .obsluga = &T::Analizuj_kod_asembleraClick},
      {.menu = Menu::Debug, .nazwa = "Run1", .tytul = "Run", .klawisze = {Qt::CTRL | Qt::Key_F9}, .przycisk = 5,
       .x = 162, .podpowiedz = "Uruchom program   - Ctrl+F9 (W razie koniecznosci, kompiluje...",
       .wlaczone = &S::Run, .wlaczonyPrzycisk = &S::PrzyciskRun, .obsluga = &T::Run1Click},
      {.menu = Menu::Debug, .nazwa = "Stop1", .tytul = "Stop", .klawisze = {Qt::Key_F10}, .przycisk = 6, .x = 132,
       .podpowiedz = "Koniec emulacji kelbry    -  F10", .wlaczone = &S::Emulacja, .obsluga = &T::Stop1Click},
      {.menu = Menu::Debug, .separatorPrzed = true, .nazwa = "BreakPointPulapka1", .tytul = "Break Point - Pułapka",
       .klawisze = {Qt::Key_F5}, .przycisk = 12, .x = 200, .podpowiedz = "BreakPoint - Pulapka - F5",
       .obsluga = &T::BreakPointPulapka1Click},
      {.menu = Menu::Debug, .nazwa = "PracaKrokowa1", .tytul = "Praca Krokowa", .klawisze = {Qt::Key_F6},
       .przycisk = 7, .x = 236, .podpowiedz = "Praca krokowa programu... - F6", .wlaczone = &S::Emulacja,
       .obsluga = &T::PracaKrokowa1Click},
      {.menu = Menu::Debug, .nazwa = "StepInto1", .tytul = "Step Into", .klawisze = {Qt::Key_F7}, .przycisk = 8,
       .x = 262, .podpowiedz = "Jeden krok. Wejdz w funkcje.  - F7", .wlaczone = &S::Emulacja,
       .obsluga = &T::StepInto1Click},
      {.menu = Menu::Debug, .nazwa = "StepOver1", .tytul = "Step Over", .klawisze = {Qt::Key_F8}, .przycisk = 9,
       .x = 288, .podpowiedz = "Jeden krok. Omijaj funkcje.  - F8", .wlaczone = &S::Emulacja,
       .obsluga = &T::StepOver1Click},
      {.menu = Menu::Debug, .nazwa = "KrokWstecz1", .tytul = "Krok wstecz", .klawisze = {Qt::SHIFT | Qt::Key_F7},
       .wlaczone = &S::KrokWstecz, .obsluga = &T::KrokWstecz1Click},
      {.menu = Menu::Debug, .separatorPrzed = true, .nazwa = "ZatrzymajJadro1", .tytul = "Zatrzymaj jądro",
       .klawisze = {Qt::Key_F11}, .przycisk = 10, .x = 324, .podpowiedz = "Pauza - F11", .wlaczone = &S::Emulacja,
       .obsluga = &T::ZatrzymajJadro1Click},
      {.menu = Menu::Debug, .nazwa = "ResetKelbry1", .tytul = "Reset Kelbry", .klawisze = {Qt::Key_F12},
       .przycisk = 11, .x = 350, .podpowiedz = "Reset kelbry - F12", .wlaczone = &S::Emulacja,
       .obsluga = &T::ResetKelbry1Click},
      {.menu = Menu::Debug, .separatorPrzed = true, .nazwa = "SprawdzZadanie1", .tytul = "Sprawdź zadanie",
       .klawisze = {Qt::Key_F4}, .wlaczone = &S::Zadanie, .obsluga = &T::SprawdzZadanie1Click},

      {.menu = Menu::Informacje, .nazwa = "OProgramie1", .tytul = "O Programie", .obsluga = &T::OProgramie1Click},
      {.menu = Menu::Informacje, .nazwa = "Ograniczenia1", .tytul = "Wydruk PRN", .obsluga = &T::Ograniczenia1Click},
  };
  return Tabela;
}

LegendaKlawiszy::LegendaKlawiszy(QStringList nazwy, std::vector<int> srodki, QWidget* rodzic)
    : QLabel(nazwy.join(QLatin1Char(' ')), rodzic), nazwy_(std::move(nazwy)), srodki_(std::move(srodki)) {}

void LegendaKlawiszy::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setPen(palette().color(QPalette::WindowText));
  const QFontMetrics fm(font());
  for (qsizetype k = 0; k < nazwy_.size() && k < static_cast<qsizetype>(srodki_.size()); ++k) {
    const int szer = fm.horizontalAdvance(nazwy_[k]);
    p.drawText(QRect(srodki_[static_cast<size_t>(k)] - szer / 2 - 2, 0, szer + 4, height()), Qt::AlignCenter,
               nazwy_[k]);
  }
}

Tokno_edycji_rozkazow::Tokno_edycji_rozkazow(QWidget* rodzic)
    : QMainWindow(rodzic), odzysk_(KatalogOdzysku(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"))) {
  setObjectName("okno_edycji_rozkazow");
  UstawTytul({});
  UstawDialogi();
  ZbudujSrodek();
  ZbudujMenu();
  ZbudujMenuKontekstowe();
  krokWstecz_ = findChild<QAction*>("KrokWstecz1");

  edytor_->PrzedKlawiszem = [this](QKeyEvent* e) { return PrzedKlawiszem(e); };
  edytor_->PoKlawiszu = [this](QKeyEvent* e) { PoKlawiszu(e); };
  edytor_->PrzedMysza = [this](QPoint p) {
    const int linia = LiniaWWidoku(p.y());
    ustawUsunBlokade_->setData(linia);
    przesunPC_->setData(linia);
  };
  connect(edytor_->document(), &QTextDocument::contentsChange, this, &Tokno_edycji_rozkazow::ZmianaTekstu);
  connect(edytor_->document(), &QTextDocument::contentsChange, this, &Tokno_edycji_rozkazow::ZmianaLiniiZadania);
  connect(edytor_->document(), &QTextDocument::contentsChange, this, &Tokno_edycji_rozkazow::PlanujKopie);
  edytor_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(edytor_, &QWidget::customContextMenuRequested, this, &Tokno_edycji_rozkazow::OtworzMenuKontekstowe);
  ZbudujTimery();
  ZbudujSzukanie();
  connect(margines_, &Margines::KlikLewy, this, &Tokno_edycji_rozkazow::KlikNaMarginesie);

  UstawTryb(false);
  // The toolbar and a few lines of text stay usable whatever size a stored
  // layout asks for.
  setMinimumSize(400, 300);
  resize(502, 472);
  if (const QScreen* ekran = screen()) move(ekran->availableGeometry().center() - rect().center());
  TimerWyswietlanieDanychCykliICzasuDzialaniaTimer();
}

Tokno_edycji_rozkazow::~Tokno_edycji_rozkazow() {
  // The children outlive this part of the window: the editor still loses
  // its focus and repaints while the base class deletes it, and its signals
  // must not reach the handlers of a window already gone.
  disconnect(edytor_, nullptr, this, nullptr);
  disconnect(edytor_->document(), nullptr, this, nullptr);
  disconnect(margines_, nullptr, this, nullptr);
}

void Tokno_edycji_rozkazow::UstawDialogi() {
  PokazKomunikat = [this](const QString& tytul, const QString& tekst) {
    QMessageBox okno(QMessageBox::Warning, tytul, tekst, QMessageBox::Ok, this);
    okno.exec();
  };
  // Questions have no icon and no owner window. Esc and the close button
  // of a question without Anuluj answer with a hidden Cancel rather than
  // Nie, so a key pressed in haste decides nothing.
  Zapytaj = [](const QString& tytul, const QString& pytanie, QMessageBox::StandardButtons przyciski) {
    QMessageBox okno(QMessageBox::NoIcon, tytul, pytanie, przyciski);
    if (!(przyciski & QMessageBox::Cancel)) {
      QPushButton* bezDecyzji = okno.addButton(QMessageBox::Cancel);
      bezDecyzji->hide();
      okno.setEscapeButton(bezDecyzji);
    }
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
}

void Tokno_edycji_rozkazow::ZbudujSrodek() {
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
}

void Tokno_edycji_rozkazow::ZbudujTimery() {
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
  // Started by edits only, so an idle program writes nothing.
  timerKopii_ = timer("TimerKopiiTekstu", OpoznienieKopii, &Tokno_edycji_rozkazow::ZapiszKopie);
  timerKopii_->setSingleShot(true);
  timerStatusu_->start();
  // Scrolling, edits, resizes and the cursor all repaint the editor's
  // viewport, which the gutter lines up with.
  connect(edytor_, &QPlainTextEdit::updateRequest, this, &Tokno_edycji_rozkazow::PlanujMargines);
  connect(margines_, &Margines::ZmianaRozmiaru, this, &Tokno_edycji_rozkazow::PlanujMargines);
  PlanujMargines();
}

void Tokno_edycji_rozkazow::ZbudujPanelGorny(QWidget* panel) {
  ZbudujPrzyciski(panel);
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
}

void Tokno_edycji_rozkazow::ZbudujPrzyciski(QWidget* panel) {
  const std::span<const OpisPolecenia> tabela = TabelaPolecen();
  std::vector<size_t> wiersze;
  for (size_t i = 0; i < tabela.size(); ++i)
    if (tabela[i].przycisk) wiersze.push_back(i);
  std::ranges::sort(wiersze, {}, [&](size_t i) { return tabela[i].x; });

  przyciski_.assign(tabela.size(), nullptr);
  QStringList nazwy;
  std::vector<int> srodki;
  for (size_t i : wiersze) {
    const OpisPolecenia& p = tabela[i];
    auto* b = new QToolButton(panel);
    b->setObjectName(QString("SpeedButton%1").arg(p.przycisk));
    b->setGeometry(p.x, 5, RozmiarPrzycisku, RozmiarPrzycisku);
    b->setIcon(IkonaPrzycisku(p.przycisk));
    b->setIconSize(QSize(RozmiarPrzycisku - 4, RozmiarPrzycisku - 4));
    b->setAutoRaise(true);
    b->setToolTip(QString::fromUtf8(p.podpowiedz));
    b->setFocusPolicy(Qt::NoFocus);
    connect(b, &QToolButton::clicked, this, p.obsluga);
    przyciski_[i] = b;
    if (JestKlawisz(p.klawisze[0])) {
      nazwy << QKeySequence(p.klawisze[0]).toString(QKeySequence::PortableText);
      srodki.push_back(p.x + RozmiarPrzycisku / 2);
    }
  }
  auto* legenda = new LegendaKlawiszy(std::move(nazwy), std::move(srodki), panel);
  legenda->setObjectName("Label1");
  QFont f = legenda->font();
  f.setPointSizeF(f.pointSizeF() * 0.8);
  legenda->setFont(f);
  legenda->setGeometry(0, 29, 400, 14);
}

QAction* Tokno_edycji_rozkazow::Akcja(QMenu* menu, const char* nazwa, const QString& tytul) {
  QAction* a = menu->addAction(tytul);
  a->setObjectName(nazwa);
  return a;
}

void Tokno_edycji_rozkazow::ZbudujMenu() {
  QMenuBar* pasek = menuBar();
  auto menu = [pasek](const char* tytul, const char* nazwa) {
    QMenu* m = pasek->addMenu(tytul);
    m->setObjectName(nazwa);
    return m;
  };
  // Alt and the marked letter open a menu rather than type into the text.
  QMenu* menuPolecen[3] = {};
  menuPolecen[static_cast<size_t>(Menu::Plik)] = menu("&Plik", "Plik1");
  menuPolecen[static_cast<size_t>(Menu::Debug)] = menu("&Debug", "Debug1");
  ZbudujMenuOkien(menu("&Okna", "Oknapomocnicze1"));
  menuPolecen[static_cast<size_t>(Menu::Informacje)] = menu("&Informacje", "Informacje1");

  const std::span<const OpisPolecenia> tabela = TabelaPolecen();
  akcje_.assign(tabela.size(), nullptr);
  for (size_t i = 0; i < tabela.size(); ++i) {
    const OpisPolecenia& p = tabela[i];
    QMenu* m = menuPolecen[static_cast<size_t>(p.menu)];
    if (p.separatorPrzed) m->addSeparator();
    QAction* a = Akcja(m, p.nazwa, QString::fromUtf8(p.tytul));
    if (JestKlawisz(p.klawisze[0])) a->setShortcut(p.klawisze[0]);
    connect(a, &QAction::triggered, this, p.obsluga);
    akcje_[i] = a;
    // The other keys live on a companion in no menu, so the item names only
    // its own key; the item's enabled state still decides, as trigger()
    // does nothing on a disabled action.
    QList<QKeySequence> inne;
    for (size_t k = 1; k < p.klawisze.size(); ++k)
      if (JestKlawisz(p.klawisze[k])) inne << QKeySequence(p.klawisze[k]);
    if (inne.isEmpty()) continue;
    auto* towarzysz = new QAction(this);
    towarzysz->setObjectName(QString(p.nazwa) + "Klawisze");
    towarzysz->setShortcuts(inne);
    addAction(towarzysz);
    connect(towarzysz, &QAction::triggered, a, &QAction::trigger);
  }

  QMenu* test = menu("Test Jadra", "TestJadra1");
  QAction* info = Akcja(test, "info1", "info");
  connect(test, &QMenu::aboutToShow, this,
          [this, info] { info->setText(QString::fromStdString(TestJadra(jadro_))); });
  test->menuAction()->setVisible(false);
}

void Tokno_edycji_rozkazow::ZbudujMenuOkien(QMenu* menu) {
  menuOkna_ = menu;
  std::vector<const OpisOkna*> wMenu;
  for (const OpisOkna& o : TabelaOkien)
    if (o.nazwa) wMenu.push_back(&o);
  // The windows of the layout line first, by their records.
  const auto klucz = [](const OpisOkna* o) {
    return o->pozycja == BezPozycji ? PozycjeOkien::LiczbaOkien : o->pozycja;
  };
  std::ranges::stable_sort(wMenu, {}, klucz);
  for (const OpisOkna* o : wMenu) {
    QAction* a = Akcja(menuOkna_, o->nazwa, QString::fromUtf8(o->tytul));
    connect(a, &QAction::triggered, this, [this, o] { PokazOkno(okna_[o->okno], true); });
    oknaAkcje_.emplace_back(a, o->okno);
  }
  QMenu* reset = menuOkna_->addMenu("--- Reset Okien");
  reset->setObjectName("ResetOkien1");
  connect(Akcja(reset, "Wszystkieokna1", "Wszystkie okna"), &QAction::triggered, this, [this] { ResetujOkna(-1); });
  reset->addSeparator();
  for (const OpisOkna* o : wMenu)
    if (o->nazwaResetu)
      connect(Akcja(reset, o->nazwaResetu, QString::fromUtf8(o->tytulResetu)), &QAction::triggered, this,
              [this, o] { ResetujOkna(o->pozycja); });
  connect(menuOkna_, &QMenu::aboutToShow, this, [this] {
    for (const auto& [a, okno] : oknaAkcje_) {
      const QWidget* w = okna_[okno];
      a->setCheckable(true);
      a->setChecked(w && w->isVisible());
      a->setEnabled(w != nullptr);
    }
  });
  // Hidden until the window is first shown.
  menuOkna_->menuAction()->setVisible(false);
}

std::array<QWidget*, PozycjeOkien::LiczbaOkien> Tokno_edycji_rozkazow::OknaUkladu() {
  std::array<QWidget*, PozycjeOkien::LiczbaOkien> w{};
  w[PozycjaGlownego] = this;
  for (const OpisOkna& o : TabelaOkien)
    if (o.pozycja != BezPozycji) w[static_cast<size_t>(o.pozycja)] = okna_[o.okno];
  return w;
}

void Tokno_edycji_rozkazow::PokazOkno(QWidget* okno, bool aktywuj) {
  if (!okno) return;
  okno->show();
  okno->raise();
  if (aktywuj) okno->activateWindow();
}

void Tokno_edycji_rozkazow::Koniec1Click() { close(); }
void Tokno_edycji_rozkazow::OProgramie1Click() { PokazOkno(okna_[Okno::OProgramie], false); }
void Tokno_edycji_rozkazow::Ograniczenia1Click() { PokazOkno(okna_[Okno::Prn], true); }

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
  tabela_ = qobject_cast<Ttabela_rozkazy*>(okna_[Okno::Tabela]);
  prn_ = qobject_cast<TFormOgraniczeniEmulatora*>(okna_[Okno::Prn]);
  if (tabela_) tabela_->Model().UstawTabele(&asembler_.Wynik().Tabela);
  zarzadca_.UstawOkna(OknaUkladu(), okna_.sekcjeSfr);
}

void Tokno_edycji_rozkazow::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  if (pokazane_) return;
  pokazane_ = true;
  menuOkna_->menuAction()->setVisible(true);
  emit PierwszePokazanie();
  zarzadca_.ZapamietajDomyslnePozycje();
}

void Tokno_edycji_rozkazow::closeEvent(QCloseEvent* e) {
  const auto odpowiedz = Zapytaj3("Koniec programu...", "Czy chcesz zapisac zmiany w pliku?");
  if (odpowiedz == QMessageBox::Cancel || (odpowiedz == QMessageBox::Yes && !Zapisz())) {
    e->ignore();
    return;
  }
  // The student chose to drop the text, or it is saved.
  odzysk_.Usun();
  e->accept();
  emit Konczenie();
  // The auxiliary windows end with this one.
  QCoreApplication::quit();
}

QMessageBox::StandardButton Tokno_edycji_rozkazow::Zapytaj3(const QString& tytul, const QString& pytanie) {
  return Zapytaj(tytul, pytanie, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

void Tokno_edycji_rozkazow::UstawTytul(const QString& przyrostek) {
  setWindowTitle(QString(PrefiksTytulu) + przyrostek);
}

QString Tokno_edycji_rozkazow::KatalogDialogow(RodzajDialogu rodzaj) const {
  const std::string folder =
      KatalogDialogu(SciezkaPliku(nazwaPliku_), SciezkaPliku(QCoreApplication::applicationDirPath()),
                     SciezkaPliku(QDir::homePath()), rodzaj, FolderDostepny);
  return QFile::decodeName(QByteArray::fromStdString(folder));
}

void Tokno_edycji_rozkazow::Nowy1Click() {
  const auto odpowiedz = Zapytaj3("Nowy...", "Czy chcesz zapisac zmiany w pliku zanim stworzysz nowy?");
  if (odpowiedz == QMessageBox::Cancel || (odpowiedz == QMessageBox::Yes && !Zapisz())) return;
  edytor_->clear();
  WyczyscPulapki();
  ZamknijSprawdzenie();
  nazwaPliku_.clear();
  dokument_.Nowy();
  UstawTryb(false);
  ResetujOkna(-1);
  bledyDoPokazania_ = false;
  OdswiezPolecenia();
  UstawTytul({});
  TekstJakNaDysku({});
}

void Tokno_edycji_rozkazow::Otworz2Click() {
  const auto odpowiedz = Zapytaj3("Otworz...", "Czy chcesz zapisac zmiany w pliku przed otwarciem nowego?");
  if (odpowiedz == QMessageBox::Cancel || (odpowiedz == QMessageBox::Yes && !Zapisz())) return;
  // Nothing is cleared before a file has been read: a cancelled dialog or an
  // unreadable file leaves the text, its name and the caption as they were.
  const QString sciezka = DialogOtwarcia(KatalogDialogow(RodzajDialogu::Otwarcie), "Pliki *.asm (*.asm);;Wszystko *.* (*)");
  if (sciezka.isEmpty()) return;
  OtworzPlik(sciezka);
}

bool Tokno_edycji_rozkazow::OtworzPlik(const QString& sciezka) {
  const DokumentZrodlowy::Otwarcie otwarcie = dokument_.Otworz(SciezkaPliku(sciezka));
  if (otwarcie.blad) {
    PokazBladPliku(otwarcie.blad, sciezka);
    return false;
  }
  PokazPlik(otwarcie.plik, sciezka);
  TekstJakNaDysku(edytor_->toPlainText());
  ZaproponujKopie(&sciezka);
  return true;
}

void Tokno_edycji_rozkazow::PokazPlik(const PlikZrodlowy& zrodlo, const QString& sciezka) {
  nazwaPliku_ = sciezka;
  UstawTytul(sciezka.isEmpty() ? QString() : QFileInfo(sciezka).fileName());
  UstawTryb(false);
  WczytajPozycjeOkien(-1, zrodlo.LiniaPozycji);
  edytor_->setPlainText(TekstEdytora(zrodlo.Linie));
  WyczyscPulapki();
  ZamknijSprawdzenie();
  bledyDoPokazania_ = false;
  OdswiezPolecenia();
}

bool Tokno_edycji_rozkazow::ZaproponujOdzysk() { return !przywrocono_ && ZaproponujKopie(nullptr); }

bool Tokno_edycji_rozkazow::ZaproponujKopie(const QString* sciezka) {
  std::string plik;
  int64_t odCzasu = INT64_MIN;
  if (sciezka) {
    plik = SciezkaPliku(*sciezka);
    struct stat st {};
    // A copy older than the file is of a text saved since.
    if (::stat(plik.c_str(), &st) == 0) odCzasu = st.st_mtime;
  }
  bool przywrocona = false;
  for (const KopiaOdzysku& kopia : odzysk_.Porzucone(sciezka ? &plik : nullptr)) {
    if (kopia.czas < odCzasu) continue;
    const QString nazwa = QFileInfo(QFile::decodeName(QByteArray::fromStdString(kopia.sciezka))).fileName();
    const auto odpowiedz = Zapytaj("Niezapisany tekst", Utf8DoQt(PytanieOOdzysk(nazwa.toStdString(), kopia.czas)),
                                   QMessageBox::Yes | QMessageBox::No);
    if (odpowiedz == QMessageBox::Yes) {
      Przywroc(kopia);
      przywrocona = true;
      break;
    }
    // Only a chosen Nie drops the text; a dismissed question leaves every
    // copy for the next start.
    if (odpowiedz != QMessageBox::No) break;
    odzysk_.UsunPorzucona(kopia);
  }
  odzysk_.Zwolnij();
  return przywrocona;
}

void Tokno_edycji_rozkazow::Przywroc(const KopiaOdzysku& kopia) {
  const PlikZrodlowy zrodlo = CzytajPlikZrodlowy(kopia.bajty);
  const QString sciezka = QFile::decodeName(QByteArray::fromStdString(kopia.sciezka));
  // What the file holds now, for telling when the text is back to it.
  QString naDysku;
  if (!kopia.sciezka.empty()) {
    DokumentZrodlowy plik;
    const DokumentZrodlowy::Otwarcie o = plik.Otworz(kopia.sciezka);
    if (!o.blad) naDysku = TekstEdytora(o.plik.Linie);
  }
  dokument_.Przyjmij(zrodlo);
  PokazPlik(zrodlo, sciezka);
  TekstJakNaDysku(naDysku);
  przywrocono_ = true;
  // The text is this program's to keep now: its own copy replaces the one
  // found, which stays when that cannot be written.
  ZapiszKopie();
  if (odzysk_.MaKopie() || edytor_->toPlainText() == tekstNaDysku_) odzysk_.UsunPorzucona(kopia);
}

void Tokno_edycji_rozkazow::PlanujKopie() {
  if (!zmianaBezKopii_) {
    zmianaBezKopii_ = true;
    pierwszaZmiana_.start();
  }
  // Each edit puts the copy off, but never past the cap since the oldest
  // edit it lacks.
  const qint64 doLimitu = NajdluzejBezKopii - pierwszaZmiana_.elapsed();
  timerKopii_->start(static_cast<int>(std::clamp<qint64>(doLimitu, 0, OpoznienieKopii)));
}

void Tokno_edycji_rozkazow::ZapiszKopie() {
  timerKopii_->stop();
  zmianaBezKopii_ = false;
  const QString tekst = edytor_->toPlainText();
  if (tekst == tekstNaDysku_) {
    odzysk_.Usun();
    return;
  }
  if (odzysk_.MaKopie() && tekst == tekstKopii_) return;
  // The bytes F2 would write, in UTF-8 when the file's encoding lacks a
  // character, as F2 writes them once the student agrees.
  const std::vector<std::u32string> linie = LinieTekstu();
  DokumentZrodlowy dokument = dokument_;
  if (dokument.PotrzebaUtf8(linie)) dokument.PrzejdzNaUtf8();
  const BladPliku blad = odzysk_.Zapisz(SciezkaPliku(nazwaPliku_),
                                        dokument.Bajty(linie, LiniaPozycjiOkien(zarzadca_.ZbierzPozycjeOkien())),
                                        static_cast<int64_t>(std::time(nullptr)));
  if (blad) {
    // Editing goes on undisturbed: one quiet line, no box.
    if (!bladKopii_) {
      bladKopii_ = true;
      statusBar()->show();
      statusBar()->showMessage("Nie można zapisać kopii tekstu na wypadek awarii: " + qt_error_string(blad.kod));
    }
    return;
  }
  tekstKopii_ = tekst;
  if (bladKopii_) {
    bladKopii_ = false;
    statusBar()->hide();
  }
}

void Tokno_edycji_rozkazow::TekstJakNaDysku(const QString& tekst) {
  tekstNaDysku_ = tekst;
  timerKopii_->stop();
  zmianaBezKopii_ = false;
  if (edytor_->toPlainText() == tekst) odzysk_.Usun();
}

void Tokno_edycji_rozkazow::ZamknijSprawdzenie() {
  // A check's result belongs to the text it checked.
  if (sprawdzenie_) sprawdzenie_->close();
}

void Tokno_edycji_rozkazow::PokazBladPliku(const BladPliku& blad, const QString& sciezka) {
  const std::string nazwa = QDir::toNativeSeparators(sciezka).toStdString();
  PokazBlad(Utf8DoQt(KomunikatBleduPliku(blad, nazwa, qt_error_string(blad.kod).toStdString())));
}

void Tokno_edycji_rozkazow::Zapisz1Click() { Zapisz(); }
void Tokno_edycji_rozkazow::ZapiszJako1Click() { ZapiszJako(); }

bool Tokno_edycji_rozkazow::Zapisz() { return nazwaPliku_.isEmpty() ? ZapiszJako() : ZapiszDo(nazwaPliku_); }

bool Tokno_edycji_rozkazow::ZapiszJako() {
  const QString wybrana = DialogZapisu(KatalogDialogow(RodzajDialogu::Zapis), "Plik *.asm (*.asm)");
  if (wybrana.isEmpty()) return false;
  const ZapisJako decyzja = DecyzjaZapisuJako(SciezkaPliku(wybrana));
  const QString sciezka = QFile::decodeName(QByteArray::fromStdString(decyzja.sciezka));
  if (decyzja.pytajOZastapienie &&
      Zapytaj("Zapisz jako...", Utf8DoQt(PytanieOZastapienie(QDir::toNativeSeparators(sciezka).toStdString())),
              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
    return false;
  if (!ZapiszDo(sciezka)) return false;
  nazwaPliku_ = sciezka;
  UstawTytul("\\" + QFileInfo(sciezka).fileName());
  return true;
}

std::vector<std::u32string> Tokno_edycji_rozkazow::LinieTekstu() const {
  std::vector<std::u32string> linie;
  linie.reserve(static_cast<size_t>(edytor_->LiczbaLinii()));
  if (edytor_->LiczbaLinii() > 0)
    for (QTextBlock b = edytor_->document()->begin(); b.isValid(); b = b.next()) linie.push_back(DoUcs4(b.text()));
  return linie;
}

bool Tokno_edycji_rozkazow::ZapiszDo(const QString& sciezka) {
  const std::vector<std::u32string> linie = LinieTekstu();
  if (dokument_.PotrzebaUtf8(linie)) {
    if (Zapytaj("Zapisz...", Utf8DoQt(PytanieOUtf8), QMessageBox::Yes | QMessageBox::Cancel) !=
        QMessageBox::Yes)
      return false;
    dokument_.PrzejdzNaUtf8();
  }
  const BladPliku blad =
      dokument_.Zapisz(SciezkaPliku(sciezka), linie, LiniaPozycjiOkien(zarzadca_.ZbierzPozycjeOkien()));
  if (blad) {
    PokazBladPliku(blad, sciezka);
    return false;
  }
  TekstJakNaDysku(edytor_->toPlainText());
  return true;
}

void Tokno_edycji_rozkazow::WczytajPozycjeOkien(int okno, const std::optional<BajtyPliku>& linia) {
  PozycjeOkien p;
  if (!linia || !CzytajLiniePozycjiOkien(*linia, zarzadca_.Domyslne(), p)) p = zarzadca_.PozycjeDomyslne(okno);
  zarzadca_.UstawOkna(p, okno);
}

void Tokno_edycji_rozkazow::ResetujOkna(int okno) { WczytajPozycjeOkien(okno, std::nullopt); }

void Tokno_edycji_rozkazow::UstawTryb(bool emulacja) {
  const bool byla = sterowanie_.TrybEmulacji();
  sterowanie_.UstawTrybEmulacji(emulacja, edytor_->LiczbaLinii());
  OdswiezPolecenia();
  OdswiezPodswietlenie();
  PlanujMargines();
  // Every keystroke in the editor comes here: only a change of mode or a
  // fresh emulation starts the marks over.
  if (emulacja || byla) NowyStan();
}

void Tokno_edycji_rozkazow::PoZatrzymaniu() {
  zmiany_.Zatrzymanie(jadro_);
  emit NoweZmiany();
  OdswiezPolecenia();
  TimerWyswietlanieDanychCykliICzasuDzialaniaTimer();
}

void Tokno_edycji_rozkazow::NowyStan() {
  zmiany_.Wyczysc();
  PoZatrzymaniu();
}

void Tokno_edycji_rozkazow::PoEdycjiWartosci() {
  if (!zmiany_.PoEdycji(jadro_)) return;
  // The history knows only what instructions changed: stepping back over
  // a typed value would leave a state the program never had.
  historia_.Wyczysc();
  emit NoweZmiany();
  OdswiezPolecenia();
}

void Tokno_edycji_rozkazow::OdswiezPolecenia() {
  StanPolecen s = sterowanie_.Polecenia();
  s.Zadanie = liniiZadania_.Jest();
  const auto wlaczone = [&s](bool StanPolecen::*flaga) { return !flaga || s.*flaga; };
  const std::span<const OpisPolecenia> tabela = TabelaPolecen();
  for (size_t i = 0; i < tabela.size(); ++i) {
    const OpisPolecenia& p = tabela[i];
    akcje_[i]->setEnabled(wlaczone(p.wlaczone));
    if (przyciski_[i]) przyciski_[i]->setEnabled(wlaczone(p.wlaczonyPrzycisk ? p.wlaczonyPrzycisk : p.wlaczone));
  }
  panelDolny_->setVisible(!s.Emulacja && bledyDoPokazania_);
}

void Tokno_edycji_rozkazow::Analizuj_kod_asembleraClick() {
  std::vector<TekstCp1250> linie;
  linie.reserve(static_cast<size_t>(edytor_->LiczbaLinii()));
  if (edytor_->LiczbaLinii() > 0)
    for (QTextBlock b = edytor_->document()->begin(); b.isValid(); b = b.next()) linie.push_back(DoBajtow(b.text()));

  if (tabela_) tabela_->Model().PrzedZmiana();
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
  for (const TekstCp1250& l : w.Bledy) bledy << Cp1250DoQt(l);
  for (const TekstCp1250& l : w.Ostrzezenia) ostrzezenia << Cp1250DoQt(l);
  listaBledow_->clear();
  listaBledow_->addItems(bledy);
  listaOstrzezen_->clear();
  listaOstrzezen_->addItems(ostrzezenia);
  bledyDoPokazania_ = w.FlagaBledu;

  UstawTryb(!w.FlagaBledu);
  panelWarning_->setVisible(w.FlagaOstrzezen);
  if (tabela_) tabela_->Model().PoZmianie();
  if (!w.FlagaBledu && prn_) prn_->UstawWydruk(BudujWydrukPRN(w, jadro_.Code, linie));
  postep_->hide();
  plytka_.lcd.ZerujFlagi();
  pulapki_.Przelicz(mapa_, edytor_->LiczbaLinii());
  PlanujMargines();
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
  NowyStan();
}

void Tokno_edycji_rozkazow::PracaKrokowa1Click() { sterowanie_.PracaKrokowa(); }

void Tokno_edycji_rozkazow::StepInto1Click() {
  sterowanie_.StepInto();
  PoZatrzymaniu();
}

void Tokno_edycji_rozkazow::StepOver1Click() {
  sterowanie_.StepOver();
  PoZatrzymaniu();
}

void Tokno_edycji_rozkazow::KrokWstecz1Click() {
  if (!sterowanie_.TrybEmulacji()) return;
  sterowanie_.KrokWstecz();
  // The LEDs and the LCD as they were, whatever the board last drew.
  OdswiezDiody();
  PoZatrzymaniu();
}

void Tokno_edycji_rozkazow::ZatrzymajJadro1Click() {
  sterowanie_.Pauza();
  PoZatrzymaniu();
}

void Tokno_edycji_rozkazow::ResetKelbry1Click() {
  sterowanie_.ResetKelbry();
  NowyStan();
}

void Tokno_edycji_rozkazow::BreakPointPulapka1Click() {
  ustawUsunBlokade_->setData(edytor_->LiniaKursora());
  UstawUsunblokade1Click();
}

void Tokno_edycji_rozkazow::UstawUsunblokade1Click() { PrzelaczPulapke(ustawUsunBlokade_->data().toInt()); }

void Tokno_edycji_rozkazow::PrzelaczPulapke(int linia) {
  pulapki_.Przelacz(linia, mapa_, edytor_->LiczbaLinii());
  PlanujMargines();
}

void Tokno_edycji_rozkazow::WyczyscPulapki() {
  pulapki_.Wyczysc();
  PlanujMargines();
}

int Tokno_edycji_rozkazow::LiniaWWidoku(int y) const {
  const int gora = edytor_->GornaLinia();
  return LiniaWPunkcie(y - edytor_->GoraLiniiWWidoku(gora), gora, edytor_->WysokoscLinii());
}

void Tokno_edycji_rozkazow::KlikNaMarginesie(QPoint gdzie) {
  // As F5 with the caret there: only a line of the text takes a breakpoint.
  const QPoint wWidoku = edytor_->viewport()->mapFromGlobal(margines_->mapToGlobal(gdzie));
  const int linia = LiniaWWidoku(wWidoku.y());
  if (linia >= 0 && linia < edytor_->LiczbaLinii()) PrzelaczPulapke(linia);
}

void Tokno_edycji_rozkazow::PrzesuntutajlicznikPC1Click() {
  if (!sterowanie_.TrybEmulacji()) return;
  sterowanie_.PrzesunPC(przesunPC_->data().toInt());
}

void Tokno_edycji_rozkazow::SprawdzZadanie1Click() {
  std::vector<std::u32string> linie;
  linie.reserve(static_cast<size_t>(edytor_->LiczbaLinii()));
  if (edytor_->LiczbaLinii() > 0)
    for (QTextBlock b = edytor_->document()->begin(); b.isValid(); b = b.next()) linie.push_back(DoUcs4(b.text()));
  if (!wsad::MaZadanie(linie)) return;

  // The task is assembled and run on a machine of its own: the student's
  // core, board, breakpoints, mode and windows stay as they are. Only the
  // lists take this assembly's messages, as after F9.
  QApplication::setOverrideCursor(Qt::WaitCursor);
  struct Kursor {
    ~Kursor() { QApplication::restoreOverrideCursor(); }
  } kursor;
  const wsad::WynikZadania w = wsad::SprawdzZadanie(linie, LimitCykliZadania);

  listaBledow_->clear();
  for (const TekstCp1250& l : w.bledy) listaBledow_->addItem(Cp1250DoQt(l));
  listaOstrzezen_->clear();
  for (const TekstCp1250& l : w.ostrzezenia) listaOstrzezen_->addItem(Cp1250DoQt(l));
  bledyDoPokazania_ = !w.bledy.empty();
  panelWarning_->setVisible(!w.ostrzezenia.empty());
  OdswiezPolecenia();
  // In emulation mode the text assembled, so a task line's error is all the
  // list can hold, and the student has to see it there as well.
  if (bledyDoPokazania_) panelDolny_->show();

  const bool pierwszy = !sprawdzenie_;
  if (pierwszy) {
    sprawdzenie_ = new TFormSprawdzenie(this);
    // The editor keeps the keyboard: the student goes on correcting and
    // presses F4 again.
    sprawdzenie_->setAttribute(Qt::WA_ShowWithoutActivating);
    connect(sprawdzenie_, &TFormSprawdzenie::SprawdzPonownie, this, [this] {
      const auto tabela = TabelaPolecen();
      for (size_t i = 0; i < tabela.size(); ++i)
        if (tabela[i].obsluga == &Tokno_edycji_rozkazow::SprawdzZadanie1Click) akcje_[i]->trigger();
    });
  }
  sprawdzenie_->Pokaz(w, LimitCykliZadania);
  // First under this window, where it hides none of the text being
  // corrected; over its lower part when the screen ends there. Shown
  // again, it stays where the student left it, within the screen.
  sprawdzenie_->ZmiescNaEkranie(*this, pierwszy || !sprawdzenie_->isVisible());
  PokazOkno(sprawdzenie_, false);
}

void Tokno_edycji_rozkazow::IdzDoLinii(int linia) {
  PokazLinie(linia, false);
  liniaStrzalki_ = linia;
  if (tabela_) tabela_->PrzewinDoLinii(linia);
  OdswiezPodswietlenie();
  PlanujMargines();
}

void Tokno_edycji_rozkazow::PokazLinie(int linia, bool zaznacz) {
  const int gora = edytor_->GornaLinia();
  const int widoczne = edytor_->WidoczneLinie();
  const bool wTekscie = linia >= 0 && linia < edytor_->LiczbaLinii();
  edytor_->UstawZaznaczenie(edytor_->PoczatekLinii(linia), zaznacz && wTekscie ? edytor_->DlugoscLinii(linia) : 0);
  // Three lines of margin above the target whenever it is near an edge.
  if (linia < gora + 3 || linia > gora + widoczne - 3) edytor_->UstawGornaLinie(linia - 3);
  else edytor_->UstawGornaLinie(gora);
  edytor_->horizontalScrollBar()->setValue(0);
}

void Tokno_edycji_rozkazow::OdswiezPodswietlenie() {
  // A selection would be replaced by the next key typed; a highlight of the
  // same look leaves typing as it always is.
  const bool widoczne = sterowanie_.TrybEmulacji() && !sterowanie_.TimerCiagly();
  const int linia = widoczne && liniaStrzalki_ >= 0 && liniaStrzalki_ < edytor_->LiczbaLinii() ? liniaStrzalki_ : -1;
  if (linia == podswietlona_) return;
  podswietlona_ = linia;
  QList<QTextEdit::ExtraSelection> podswietlenie;
  if (linia >= 0) {
    QTextEdit::ExtraSelection z;
    z.cursor = QTextCursor(edytor_->document()->findBlockByNumber(linia));
    const QPalette& p = edytor_->palette();
    z.format.setBackground(p.color(QPalette::Active, QPalette::Highlight));
    z.format.setForeground(p.color(QPalette::Active, QPalette::HighlightedText));
    z.format.setProperty(QTextFormat::FullWidthSelection, true);
    podswietlenie << z;
  }
  edytor_->setExtraSelections(podswietlenie);
}

void Tokno_edycji_rozkazow::ZbudujSzukanie() {
  pasekSzukania_ = new PasekSzukania(*edytor_, centralWidget());
  auto* uklad = static_cast<QVBoxLayout*>(centralWidget()->layout());
  uklad->insertWidget(uklad->indexOf(edytor_->parentWidget()) + 1, pasekSzukania_);
  PodajLiczbe = [this](const QString& tytul, const QString& etykieta, int wartosc, int minimum,
                       int maksimum) -> std::optional<int> {
    bool ok = false;
    const int n = QInputDialog::getInt(this, tytul, etykieta, wartosc, minimum, maksimum, 1, &ok);
    return ok ? std::optional<int>(n) : std::nullopt;
  };
}

void Tokno_edycji_rozkazow::Szukaj1Click() { pasekSzukania_->Otworz(); }

void Tokno_edycji_rozkazow::IdzDoWiersza1Click() {
  const int ostatnia = edytor_->LiczbaLinii() - 1;
  if (ostatnia < 0) return;
  // Counted from 0, as the error and warning lists count them.
  const std::optional<int> linia =
      PodajLiczbe("Idź do wiersza", QString("Numer wiersza (od 0 do %1):").arg(ostatnia),
                  std::min(edytor_->LiniaKursora(), ostatnia), 0, ostatnia);
  if (!linia) return;
  PokazLinie(std::clamp(*linia, 0, ostatnia), false);
  edytor_->setFocus();
}

void Tokno_edycji_rozkazow::UstawTimeryBiegu(bool ciagly, bool krokowy) {
  if (ciagly != timerCiagly_->isActive()) ciagly ? timerCiagly_->start() : timerCiagly_->stop();
  if (krokowy != timerKrokowy_->isActive()) krokowy ? timerKrokowy_->start() : timerKrokowy_->stop();
  OdswiezPodswietlenie();
  PlanujMargines();  // the arrow hides during a continuous run
}

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

void Tokno_edycji_rozkazow::ZmianaLiniiZadania(int pozycja, int usuniete, int dodane) {
  if (usuniete == 0 && dodane == 0) return;
  const QTextDocument* d = edytor_->document();
  const int pierwsza = d->findBlock(pozycja).blockNumber();
  // Replacing the whole text reports one character past its end.
  QTextBlock ostatni = d->findBlock(pozycja + dodane);
  if (!ostatni.isValid()) ostatni = d->lastBlock();
  const bool byly = liniiZadania_.Jest();
  liniiZadania_.Zmiana(pierwsza, ostatni.blockNumber() - pierwsza + 1, d->blockCount(),
                       [d](int k) { return wsad::LiniaZadania(DoUcs4(d->findBlockByNumber(k).text())); });
  if (liniiZadania_.Jest() != byly) OdswiezPolecenia();
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
  // A real selection, to type over; the arrow stays at PC's line.
  PokazLinie(*linia, true);
  if (tabela_) tabela_->PrzewinDoLinii(*linia);
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
  if (!sterowanie_.TimerCiagly()) {
    emit PoTyknieciuBiegu();
    PoZatrzymaniu();
  } else if (krokWstecz_->isEnabled() != sterowanie_.Polecenia().KrokWstecz) {
    OdswiezPolecenia();
  }
}

void Tokno_edycji_rozkazow::TimerPracaKrokowaTimer() {
  sterowanie_.TickKrokowy();
  emit PoTyknieciuBiegu();
  PoZatrzymaniu();
}

void Tokno_edycji_rozkazow::TimerWyswietlanieDanychCykliICzasuDzialaniaTimer() {
  const TekstyStatusu t = sterowanie_.TickStatusu();
  labelCaretPos_->setText(QString::fromStdString(t.CaretPos));
  labelCykle_->setText(QString::fromStdString(t.Cykle));
  labelCzas_->setText(QString::fromStdString(t.Czas));
}

}  // namespace kelbra
