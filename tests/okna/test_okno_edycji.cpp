// The main window driven by real key and mouse events.

#include <gtest/gtest.h>

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>

#include "EdytorRozkazow.h"
#include "Margines.h"
#include "Ograniczenia.h"
#include "Okno_edycji_rozkazow.h"
#include "Plytka.h"
#include "Tabela_rozkazy.h"
#include "TlumaczenieQt.h"

namespace kelbra {
namespace {

class OknoEdycji : public ::testing::Test {
 protected:
  void SetUp() override {
    Tokno_edycji_rozkazow::OknaPomocnicze okna;
    okna[Okno::Tabela] = &tabela;
    okna[Okno::Prn] = &prn;
    okno.UstawOkna(okna);
    okno.PokazKomunikat = [this](const QString& tytul, const QString& tekst) { komunikaty << tytul + "|" + tekst; };
    okno.show();
    okno.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&okno));
    edytor()->setFocus();
  }

  EdytorRozkazow* edytor() { return okno.edytor(); }
  QAction* akcja(const char* nazwa) { return okno.findChild<QAction*>(nazwa); }
  QWidget* widget(const char* nazwa) { return okno.findChild<QWidget*>(nazwa); }
  QTimer* timer(const char* nazwa) { return okno.findChild<QTimer*>(nazwa); }
  void klawisz(int k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(edytor(), Qt::Key(k), m); }
  void wpisz(const QString& tekst) {
    for (const QString& linia : tekst.split('\n')) {
      QTest::keyClicks(edytor(), linia);
      klawisz(Qt::Key_Return);
    }
  }
  QString zaznaczenie() { return edytor()->textCursor().selectedText(); }
  // The text of the line the current-line highlight covers; empty for none.
  QString podswietlenie() {
    const QList<QTextEdit::ExtraSelection> z = edytor()->extraSelections();
    if (z.isEmpty()) return {};
    EXPECT_EQ(z.size(), 1);
    EXPECT_TRUE(z[0].format.property(QTextFormat::FullWidthSelection).toBool());
    EXPECT_EQ(z[0].format.background().color(), edytor()->palette().color(QPalette::Active, QPalette::Highlight));
    return z[0].cursor.block().text();
  }
  // Clicks at the middle of a line of the editor.
  void kliknijLinie(int y) {
    const int h = edytor()->WysokoscLinii();
    QTest::mouseClick(edytor()->viewport(), Qt::LeftButton, {},
                      QPoint(40, edytor()->GoraLiniiWWidoku(y) + h / 2));
  }

  Tokno_edycji_rozkazow okno;
  PlytkaKelbra& plytka = okno.plytka();
  Ttabela_rozkazy tabela;
  TFormOgraniczeniEmulatora prn;
  QStringList komunikaty;
};

constexpr const char* Program =
    "start: mov a,#0FEh\n"  // 0: 0000
    "mov p1,a\n"            // 1: 0002
    "loop: rl a\n"          // 2: 0004
    "mov p1,a\n"            // 3: 0005
    "acall opoz\n"          // 4: 0007
    "sjmp loop\n"           // 5: 0009
    "; opoznienie\n"        // 6
    "opoz: mov r7,#20\n"    // 7: 000B
    "djnz r7,$\n"           // 8: 000D
    "ret";                  // 9: 000F

TEST_F(OknoEdycji, PustyEdytorNieKompilujeINieUruchamia) {
  EXPECT_EQ(edytor()->LiczbaLinii(), 0);
  EXPECT_FALSE(akcja("Kompilacja1")->isEnabled());
  EXPECT_FALSE(akcja("Run1")->isEnabled());
  klawisz(Qt::Key_F9);
  klawisz(Qt::Key_F9, Qt::ControlModifier);
  EXPECT_FALSE(okno.sterowanie().TrybEmulacji());
  EXPECT_FALSE(timer("TimerPracaCiaglaJadra")->isActive());
  EXPECT_EQ(tabela.Model().rowCount(), 0);
}

TEST_F(OknoEdycji, BledyWLiscieIKlikPokazujeLinie) {
  edytor()->setPlainText("nop\nmov a,\nnop\nx: y: nop\nnop");
  klawisz(Qt::Key_F9);
  EXPECT_FALSE(okno.sterowanie().TrybEmulacji());
  auto* lista = okno.findChild<QListWidget*>("ListBoxBledy");
  ASSERT_TRUE(widget("PanelDolny")->isVisible());
  QStringList linie;
  for (int k = 0; k < lista->count(); ++k) linie << lista->item(k)->text();
  EXPECT_EQ(linie, QStringList({"Error: 3 linia. Zbyt wiele etykiet. W wierszu, moze byc tylko 1 etykieta"}));
  QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(lista->item(0)).center());
  EXPECT_EQ(zaznaczenie(), "x: y: nop");
  EXPECT_EQ(okno.LiniaStrzalki(), 0) << "the arrow only ever marks PC's line";
  EXPECT_TRUE(edytor()->hasFocus());
  // Items without a line number, or with one past the text, do nothing.
  for (const char* tekst : {"bez numeru", "ERROR...99 linia. za daleko"}) {
    lista->addItem(tekst);
    QListWidgetItem* element = lista->item(lista->count() - 1);
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(element).center());
    EXPECT_EQ(zaznaczenie(), "x: y: nop") << tekst;
  }
  // The selected line is typed over.
  QTest::keyClicks(edytor(), "x: nop");
  EXPECT_EQ(edytor()->toPlainText(), "nop\nmov a,\nnop\nx: nop\nnop");
  // A Run after the failed assembly runs nothing.
  klawisz(Qt::Key_F9, Qt::ControlModifier);
  EXPECT_FALSE(timer("TimerPracaCiaglaJadra")->isActive());
}

// A list cut short by a blank assembles, with a warning that names the
// text left out; a click on the warning shows its line.
TEST_F(OknoEdycji, PominietyTekstWLiscieOstrzezen) {
  edytor()->setPlainText("db 1, 2, 3\nnop\ndb 'Hello', 0");
  klawisz(Qt::Key_F9);
  ASSERT_TRUE(okno.sterowanie().TrybEmulacji());
  ASSERT_TRUE(widget("PanelWarning")->isVisible());
  auto* lista = okno.findChild<QListWidget*>("ListBoxWarning");
  QStringList linie;
  for (int k = 0; k < lista->count(); ++k) linie << lista->item(k)->text();
  const QString rada = "Pominieto tekst po odstepie (w liscie db nie moze byc odstepow, takze po przecinkach): ";
  EXPECT_EQ(linie, QStringList({"Warning...0 linia. " + rada + "2, 3", "Warning...2 linia. " + rada + "0"}));
  QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(lista->item(1)).center());
  EXPECT_EQ(zaznaczenie(), "db 'Hello', 0");
  // In emulation mode the arrow and the highlight stay at PC's line.
  EXPECT_EQ(okno.LiniaStrzalki(), 0);
  EXPECT_EQ(podswietlenie(), "db 1, 2, 3");
  EXPECT_EQ(tabela.Model().rowCount(), 3);

  // Mended, the list assembles without a warning.
  edytor()->setPlainText("db 1,2,3\nnop\ndb 'Hello',0");
  klawisz(Qt::Key_F9);
  ASSERT_TRUE(okno.sterowanie().TrybEmulacji());
  EXPECT_FALSE(widget("PanelWarning")->isVisible());
  EXPECT_EQ(lista->count(), 0);
}

TEST_F(OknoEdycji, KompilacjaPrzelaczaPoleceniaIPisanieWracaDoEdycji) {
  edytor()->setPlainText(Program);
  klawisz(Qt::Key_F9);
  ASSERT_TRUE(okno.sterowanie().TrybEmulacji());
  for (const char* n : {"Nowy1", "Otworz2", "Kompilacja1"}) EXPECT_FALSE(akcja(n)->isEnabled()) << n;
  for (const char* n : {"PracaKrokowa1", "StepInto1", "StepOver1", "ResetKelbry1", "ZatrzymajJadro1", "Stop1"})
    EXPECT_TRUE(akcja(n)->isEnabled()) << n;
  for (int b : {1, 2, 4}) EXPECT_FALSE(widget(qPrintable(QString("SpeedButton%1").arg(b)))->isEnabled()) << b;
  for (int b : {3, 5, 6, 7, 8, 9, 10, 11, 12})
    EXPECT_TRUE(widget(qPrintable(QString("SpeedButton%1").arg(b)))->isEnabled()) << b;
  EXPECT_FALSE(widget("PanelDolny")->isVisible());
  EXPECT_EQ(tabela.Model().rowCount(), 9);  // the comment line has no row
  EXPECT_FALSE(prn.RichEditPRN()->toPlainText().isEmpty());

  QTest::keyClicks(edytor(), " ");
  EXPECT_FALSE(okno.sterowanie().TrybEmulacji());
  EXPECT_TRUE(akcja("Kompilacja1")->isEnabled());
  klawisz(Qt::Key_F9);
  klawisz(Qt::Key_F10);
  EXPECT_FALSE(okno.sterowanie().TrybEmulacji());
  EXPECT_FALSE(akcja("Stop1")->isEnabled());
}

// Each item as "caption|keys", a separator as "-", a submenu as its caption.
QStringList Pozycje(const QMenu* menu) {
  QStringList p;
  for (const QAction* a : menu->actions()) {
    if (a->isSeparator()) p << "-";
    else if (a->menu()) p << a->text();
    else p << a->text() + "|" + QKeySequence::listToString(a->shortcuts(), QKeySequence::PortableText);
  }
  return p;
}

TEST_F(OknoEdycji, MenuPaskiILegendaWKolejnosci) {
  const std::pair<const char*, QStringList> menu[] = {
      {"Plik1",
       {"Nowy|", "-", "Otwórz|F3", "Zapisz|F2", "Zapisz jako|Ctrl+F2", "-", "Szukaj...|Ctrl+F",
        "Idź do wiersza...|Ctrl+G", "-", "Koniec|"}},
      {"Debug1",
       {"Kompilacja|F9", "Run|Ctrl+F9", "Stop|F10", "-", "Break Point - Pułapka|F5", "Praca Krokowa|F6",
        "Step Into|F7", "Step Over|F8", "Krok wstecz|Shift+F7", "-", "Zatrzymaj jądro|F11", "Reset Kelbry|F12", "-",
        "Sprawdź zadanie|F4"}},
      {"Oknapomocnicze1",
       {"Analiza kodu asemblera|", "Kelbra|", "Rejestry|", "SFR|", "Pamięć|", "Przebiegi|", "--- Reset Okien"}},
      {"ResetOkien1",
       {"Wszystkie okna|", "-", "Analiza kodu asemblera|", "Kelbra|", "Rejestry|", "Dane SFR|", "Pamięci|"}},
      {"Informacje1", {"O Programie|", "Wydruk PRN|"}},
  };
  for (const auto& [nazwa, pozycje] : menu) EXPECT_EQ(Pozycje(okno.findChild<QMenu*>(nazwa)), pozycje) << nazwa;
  QStringList tytuly;
  for (const QAction* a : okno.menuBar()->actions())
    if (a->isVisible()) tytuly << a->text().remove('&');
  EXPECT_EQ(tytuly, QStringList({"Plik", "Debug", "Okna", "Informacje"}));

  // Buttons left to right, each with its hint and a picture.
  QList<QToolButton*> przyciski = widget("PanelGorny")->findChildren<QToolButton*>();
  std::ranges::sort(przyciski, {}, [](const QToolButton* b) { return b->x(); });
  QStringList kolejnosc;
  for (const QToolButton* b : przyciski) {
    kolejnosc << b->objectName().mid(QStringLiteral("SpeedButton").size());
    EXPECT_FALSE(b->toolTip().isEmpty()) << b->objectName().toStdString();
    EXPECT_FALSE(b->icon().isNull()) << b->objectName().toStdString();
  }
  EXPECT_EQ(kolejnosc, QString("1 2 3 4 6 5 12 7 8 9 10 11").split(' '));
  EXPECT_EQ(widget("SpeedButton6")->toolTip(), "Koniec emulacji kelbry    -  F10");
  EXPECT_EQ(okno.findChild<QLabel*>("Label1")->text(), "F3 F2 F9 F10 Ctrl+F9 F5 F6 F7 F8 F11 F12");
}

// Enabled items and buttons in an empty editor, with text, and in emulation.
TEST_F(OknoEdycji, PoleceniaWlaczoneWKazdymTrybie) {
  auto wlaczone = [&] {
    QStringList w;
    for (const auto& p : Tokno_edycji_rozkazow::TabelaPolecen()) {
      if (akcja(p.nazwa)->isEnabled()) w << p.nazwa;
      if (p.przycisk && widget(qPrintable(QString("SpeedButton%1").arg(p.przycisk)))->isEnabled())
        w << QString::number(p.przycisk);
    }
    return w.join(' ');
  };
  EXPECT_EQ(wlaczone(), "Nowy1 1 Otworz2 2 Zapisz1 3 ZapiszJako1 Szukaj1 IdzDoWiersza1 Koniec1 BreakPointPulapka1 12 "
                        "OProgramie1 Ograniczenia1");
  edytor()->setPlainText(Program);
  EXPECT_EQ(wlaczone(), "Nowy1 1 Otworz2 2 Zapisz1 3 ZapiszJako1 Szukaj1 IdzDoWiersza1 Koniec1 Kompilacja1 4 Run1 5 "
                        "BreakPointPulapka1 12 OProgramie1 Ograniczenia1");
  klawisz(Qt::Key_F9);
  EXPECT_EQ(wlaczone(), "Zapisz1 3 ZapiszJako1 Szukaj1 IdzDoWiersza1 Koniec1 Run1 5 Stop1 6 BreakPointPulapka1 12 "
                        "PracaKrokowa1 7 StepInto1 8 StepOver1 9 ZatrzymajJadro1 10 ResetKelbry1 11 OProgramie1 "
                        "Ograniczenia1");
}

TEST_F(OknoEdycji, PulapkaZatrzymujeBiegINastepnyRunIdzieDalej) {
  edytor()->setPlainText(Program);
  kliknijLinie(3);
  klawisz(Qt::Key_F5);
  EXPECT_EQ(okno.pulapki().Linii(3), 0) << "set before assembling: no address yet";
  klawisz(Qt::Key_F9, Qt::ControlModifier);  // assembles, then runs
  EXPECT_EQ(okno.pulapki().Linii(3), 5);
  ASSERT_TRUE(QTest::qWaitFor([&] { return okno.jadro().PC == 5 && !timer("TimerPracaCiaglaJadra")->isActive(); },
                              3000));
  EXPECT_EQ(podswietlenie(), "mov p1,a");
  EXPECT_EQ(zaznaczenie(), "");
  EXPECT_EQ(okno.LiniaStrzalki(), 3);
  // The next Run executes the instruction and stops there again a loop later.
  const uint64_t cykle = okno.jadro().Cykle;
  klawisz(Qt::Key_F9, Qt::ControlModifier);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !timer("TimerPracaCiaglaJadra")->isActive(); }, 3000));
  EXPECT_EQ(okno.jadro().PC, 5);
  EXPECT_GT(okno.jadro().Cykle, cykle + 40);
  // F5 again removes it.
  kliknijLinie(3);
  klawisz(Qt::Key_F5);
  EXPECT_EQ(okno.pulapki().Linii(3), -1);
  EXPECT_FALSE(okno.pulapki().StopNaAdresie(5));
}

TEST_F(OknoEdycji, KrokiF7F8IStepOverBezPowrotu) {
  edytor()->setPlainText(Program);
  klawisz(Qt::Key_F9);
  for (int k = 0; k < 4; ++k) klawisz(Qt::Key_F7);  // up to the acall
  EXPECT_EQ(okno.jadro().PC, 7);
  EXPECT_EQ(podswietlenie(), "acall opoz");
  klawisz(Qt::Key_F8);
  EXPECT_EQ(okno.jadro().PC, 9);
  EXPECT_EQ(okno.LiniaStrzalki(), 5);
  klawisz(Qt::Key_F7);  // sjmp loop
  EXPECT_EQ(okno.LiniaStrzalki(), 2);
  EXPECT_TRUE(komunikaty.isEmpty());

  // A call that never returns ends with the message.
  edytor()->setPlainText("acall tu\nnop\ntu: sjmp tu");
  klawisz(Qt::Key_F9);
  klawisz(Qt::Key_F8);
  EXPECT_EQ(komunikaty, QStringList({"Blad funkcji \"Step Over\"....|Wykonano 10 000 000 cykli i nie powrocono do "
                                     "miejsca startu. Sprawdz poprawnosc swoich funkcji."}));
  EXPECT_EQ(okno.LiniaStrzalki(), 2);
}

TEST_F(OknoEdycji, EnterWcinaABackspaceOdwcina) {
  QTest::keyClicks(edytor(), "\tmov a,#1");
  klawisz(Qt::Key_Return);
  EXPECT_EQ(edytor()->TekstLinii(1), "\t");
  EXPECT_EQ(edytor()->KolumnaKursora(), 1);
  QTest::keyClicks(edytor(), "nop");
  klawisz(Qt::Key_Return);
  // Shift+Enter is an Enter too: a new line, indented.
  klawisz(Qt::Key_Return, Qt::ShiftModifier);
  EXPECT_EQ(edytor()->LiczbaLinii(), 4);
  EXPECT_EQ(edytor()->TekstLinii(3), "\t");

  edytor()->setPlainText("  a\n    b\n        ");
  QTextCursor k = edytor()->textCursor();
  k.movePosition(QTextCursor::End);
  edytor()->setTextCursor(k);
  klawisz(Qt::Key_Backspace);
  EXPECT_EQ(edytor()->TekstLinii(2), "    ");
  klawisz(Qt::Key_Backspace);
  EXPECT_EQ(edytor()->TekstLinii(2), "  ");
  // Typing into the text undoes both in one step each.
  klawisz(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(edytor()->TekstLinii(2), "    ");
}

TEST_F(OknoEdycji, EnterPrzesuwaPulapkiPonizej) {
  edytor()->setPlainText("a\nb\nc\nd\ne\nf\ng\nh\ni\nj");
  for (int linia : {5, 9}) {
    kliknijLinie(linia);
    klawisz(Qt::Key_F5);
  }
  kliknijLinie(5);
  klawisz(Qt::Key_End);
  klawisz(Qt::Key_Return);
  EXPECT_EQ(okno.pulapki().Linii(5), 0);
  EXPECT_EQ(okno.pulapki().Linii(9), -1);
  EXPECT_EQ(okno.pulapki().Linii(10), 0);
  // A deleted selection of three lines moves it up by three.
  QTextCursor k = edytor()->textCursor();
  k.setPosition(edytor()->document()->findBlockByNumber(1).position());
  k.setPosition(edytor()->document()->findBlockByNumber(4).position(), QTextCursor::KeepAnchor);
  edytor()->setTextCursor(k);
  klawisz(Qt::Key_Delete);
  EXPECT_EQ(okno.pulapki().Linii(7), 0);
  EXPECT_EQ(okno.pulapki().Linii(10), -1);
}

TEST_F(OknoEdycji, MenuKontekstoweEtykietySkaczaIPrzesuwajaPC) {
  edytor()->setPlainText(Program);
  klawisz(Qt::Key_F9);
  auto* menu = okno.findChild<QMenu*>("PopupMenu1");
  kliknijLinie(1);
  const QPoint gdzie(40, edytor()->GoraLiniiWWidoku(1) + 3);
  QTest::mousePress(edytor()->viewport(), Qt::RightButton, {}, gdzie);
  // The platform follows a right press with a context-menu event.
  QContextMenuEvent zdarzenie(QContextMenuEvent::Mouse, gdzie, edytor()->viewport()->mapToGlobal(gdzie));
  QApplication::sendEvent(edytor()->viewport(), &zdarzenie);
  QTest::mouseRelease(edytor()->viewport(), Qt::RightButton, {}, gdzie);
  ASSERT_TRUE(menu->isVisible());
  QStringList etykiety;
  for (int k = 1; k <= 80; ++k)
    if (QAction* a = okno.findChild<QAction*>(QString("N%1").arg(k) + "1"); a->isVisible()) etykiety << a->text();
  EXPECT_EQ(etykiety, QStringList({"start", "loop", "opoz"}));
  EXPECT_TRUE(akcja("PrzesuntutajlicznikPC1")->isEnabled());
  menu->hide();
  akcja("N31")->trigger();  // "opoz", with the automatic PC jump checked
  EXPECT_EQ(okno.jadro().PC, 0x0B);
  EXPECT_EQ(okno.LiniaStrzalki(), 7);
  // The context menu's own breakpoint command acts on the pressed line.
  akcja("UstawUsunblokade1")->trigger();
  EXPECT_EQ(okno.pulapki().Linii(1), 2);
}

TEST(TlumaczenieQt, PrzyciskiStandardoweMowiaPoPolsku) {
  ASSERT_TRUE(ZaladujTlumaczenieQt(*QCoreApplication::instance()));
  QMessageBox pytanie(QMessageBox::Question, "t", "?", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  EXPECT_EQ(pytanie.button(QMessageBox::Yes)->text().remove('&'), "Tak");
  EXPECT_EQ(pytanie.button(QMessageBox::No)->text().remove('&'), "Nie");
  EXPECT_EQ(pytanie.button(QMessageBox::Cancel)->text().remove('&'), "Anuluj");
}

// The gutter is told of every change instead of polling: scrolling, edits,
// resizes, breakpoints and the arrow each show within a frame, and nothing
// runs while nothing changes.
TEST_F(OknoEdycji, GutterFollowsChangesWithoutPolling) {
  QStringList linie;
  for (int k = 0; k < 200; ++k) linie << "nop";
  edytor()->setPlainText(linie.join('\n'));
  const Margines* m = okno.findChild<Margines*>("PanelLewy");
  ASSERT_NE(m, nullptr);
  auto zaRamke = [](auto warunek) { return QTest::qWaitFor(warunek, 50); };
  auto znacznik = [&](int k) {
    return k < static_cast<int>(m->Stan().Znaczniki.size()) && m->Stan().Znaczniki[static_cast<size_t>(k)];
  };

  QTextCursor k(edytor()->document()->findBlockByNumber(45));
  edytor()->setTextCursor(k);
  klawisz(Qt::Key_F5);
  EXPECT_TRUE(zaRamke([&] { return znacznik(45 - edytor()->GornaLinia()); }));
  edytor()->verticalScrollBar()->setValue(40);
  EXPECT_TRUE(zaRamke([&] { return edytor()->GornaLinia() == 40 && znacznik(5) && !znacznik(6); }));
  // A line inserted above moves the breakpoint with its line.
  edytor()->setTextCursor(QTextCursor(edytor()->document()->findBlockByNumber(41)));
  klawisz(Qt::Key_Return);
  EXPECT_TRUE(zaRamke([&] { return znacznik(6) && !znacznik(5); }));
  const size_t widoczne = m->Stan().Znaczniki.size();
  okno.resize(okno.width(), okno.height() + 130);
  const size_t wiecej = static_cast<size_t>(130 / edytor()->WysokoscLinii());
  EXPECT_TRUE(zaRamke([&] { return m->Stan().Znaczniki.size() >= widoczne + wiecej; }));

  // The arrow: shown in emulation mode, hidden during a continuous run.
  EXPECT_EQ(m->Stan().LiniaStrzalki, -1);
  klawisz(Qt::Key_F9);
  EXPECT_TRUE(zaRamke([&] { return edytor()->GornaLinia() == 0 && m->Stan().LiniaStrzalki == 0; }));
  klawisz(Qt::Key_F9, Qt::ControlModifier);
  EXPECT_TRUE(zaRamke([&] { return m->Stan().LiniaStrzalki == -1; }));
  klawisz(Qt::Key_F11);
  EXPECT_TRUE(zaRamke([&] { return m->Stan().LiniaStrzalki >= 0; }));
  QTest::qWait(20);
  EXPECT_FALSE(timer("TimerZaznaczanieLinii")->isActive());
}

}  // namespace
}  // namespace kelbra
