// The main window's current-line highlight, breakpoints that follow only
// the student's choice, the desktop's keys, the find bar, go-to-line and
// the gutter click, and the learning aids: stepping back, the changed
// values marked in the registers window, the help on an instruction under
// the caret or the mouse, and the task check (F4). All driven by real key
// and mouse events.

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <tuple>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QToolTip>

#include "EdytorRozkazow.h"
#include "Margines.h"
#include "OknoSprawdzenia.h"
#include "Okno_edycji_rozkazow.h"
#include "Plytka.h"
#include "PomocRozkazow.h"
#include "Pola.h"
#include "Rejestry.h"
#include "TekstQt.h"

namespace kelbra {
namespace {

class Wygoda : public ::testing::Test {
 protected:
  void SetUp() override {
    okno.PokazKomunikat = [](const QString&, const QString&) {};
    okno.Zapytaj = [this](const QString& tytul, const QString&, QMessageBox::StandardButtons) {
      zdarzenia << tytul;
      return odpowiedz;
    };
    okno.DialogOtwarcia = [this](const QString&, const QString&) {
      zdarzenia << "otwarcie";
      return doOtwarcia;
    };
    okno.DialogZapisu = [this](const QString&, const QString&) {
      zdarzenia << "zapis";
      return QString();
    };
    okno.show();
    okno.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&okno));
    edytor()->setFocus();
  }

  EdytorRozkazow* edytor() { return okno.edytor(); }
  void klawisz(QWidget* w, int k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(w, Qt::Key(k), m); }
  void klawisz(int k, Qt::KeyboardModifiers m = Qt::NoModifier) { klawisz(edytor(), k, m); }
  QString podswietlenie() {
    const QList<QTextEdit::ExtraSelection> z = edytor()->extraSelections();
    return z.isEmpty() ? QString() : z[0].cursor.block().text();
  }
  void kursorNaLinie(int y) { edytor()->setTextCursor(QTextCursor(edytor()->document()->findBlockByNumber(y))); }
  std::vector<int> znaczniki(int doLinii = 400) {
    std::vector<int> z;
    for (int k = 0; k < doLinii; ++k)
      if (okno.pulapki().JestNaLinii(k)) z.push_back(k);
    return z;
  }
  // A left press in the gutter at a height of the editor's viewport.
  void kliknijMargines(int yWidoku) {
    Margines* m = okno.findChild<Margines*>("PanelLewy");
    const QPoint p = m->mapFromGlobal(edytor()->viewport()->mapToGlobal(QPoint(0, yWidoku)));
    QTest::mouseClick(m, Qt::LeftButton, {}, QPoint(10, p.y()));
  }
  QStringList linie(int n) {
    QStringList l;
    for (int k = 0; k < n; ++k) l << QString("nop ; %1").arg(k);
    return l;
  }

  QAction* krokWstecz() { return okno.findChild<QAction*>("KrokWstecz1"); }
  void kursorNa(int pozycja) {
    QTextCursor k(edytor()->document());
    k.setPosition(pozycja);
    edytor()->setTextCursor(k);
  }
  bool wlaczone() { return okno.findChild<QAction*>("SprawdzZadanie1")->isEnabled(); }
  // The task check's rows, each after its kind: 0 failed, 1 met.
  QStringList wiersze() {
    QStringList w;
    const QListWidget* lista = okno.OknoSprawdzenia()->Lista();
    for (int k = 0; k < lista->count(); ++k)
      w << QString::number(lista->item(k)->data(Qt::UserRole).toInt()) + " " + lista->item(k)->text();
    return w;
  }
  // What a step back must restore; the LCD's version moves on so that the
  // board repaints, and is left out.
  auto Stan() {
    const Jadro& j = okno.jadro();
    Lcd lcd = plytka.lcd;
    lcd.Wersja = 0;
    const auto* bajty = reinterpret_cast<const uint8_t*>(&lcd);
    return std::tuple(j.PC, j.Data, j.Xdata, j.Cykle, std::vector<uint8_t>(bajty, bajty + sizeof lcd));
  }

  Tokno_edycji_rozkazow okno;
  PlytkaKelbra& plytka = okno.plytka();
  QStringList zdarzenia;
  QMessageBox::StandardButton odpowiedz = QMessageBox::No;
  QString doOtwarcia;
};

constexpr const char* Program =
    "start: mov a,#0FEh\n"  // 0: 0000
    "mov p1,a\n"            // 1: 0002
    "loop: rl a\n"          // 2: 0004
    "mov p1,a\n"            // 3: 0005
    "sjmp loop";            // 4: 0006

// After a step PC's line is highlighted with nothing selected, so a key
// typed goes in before the line instead of replacing it.
TEST_F(Wygoda, BiezacaLiniaJestPodswietleniemNieZaznaczeniem) {
  edytor()->setPlainText(Program);
  klawisz(Qt::Key_F9);
  EXPECT_EQ(podswietlenie(), "start: mov a,#0FEh");
  klawisz(Qt::Key_F7);
  EXPECT_EQ(podswietlenie(), "mov p1,a");
  // Hidden while a continuous run goes, back at the pause.
  klawisz(Qt::Key_F9, Qt::ControlModifier);
  EXPECT_EQ(podswietlenie(), "");
  klawisz(Qt::Key_F11);
  EXPECT_NE(podswietlenie(), "");
  EXPECT_EQ(okno.PodswietlonaLinia(), okno.LiniaStrzalki());
  klawisz(Qt::Key_F12);
  klawisz(Qt::Key_F7);

  QTest::keyClicks(edytor(), "x");
  EXPECT_EQ(edytor()->TekstLinii(1), "xmov p1,a");
  EXPECT_EQ(edytor()->LiczbaLinii(), 5);
  EXPECT_FALSE(okno.sterowanie().TrybEmulacji());
  EXPECT_EQ(podswietlenie(), "");
}

// Nowy and Otwórz start without breakpoints, and a mark below the text
// goes when lines are deleted: none comes back on a line nobody chose.
TEST_F(Wygoda, ZadnychPulapekWidmo) {
  QTemporaryDir katalog;
  doOtwarcia = katalog.filePath("drugi.asm");
  QFile f(doOtwarcia);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(linie(30).join("\r\n").toLatin1());
  f.close();

  edytor()->setPlainText(linie(10).join('\n'));
  for (int y : {2, 5}) {
    kursorNaLinie(y);
    klawisz(Qt::Key_F5);
  }
  ASSERT_EQ(znaczniki(), (std::vector<int>{2, 5}));
  klawisz(Qt::Key_F3);
  ASSERT_EQ(edytor()->LiczbaLinii(), 30);
  EXPECT_EQ(znaczniki(), std::vector<int>{});
  klawisz(Qt::Key_F9);
  for (int a = 0; a < 0xFFFF; ++a) ASSERT_FALSE(okno.pulapki().StopNaAdresie(static_cast<uint16_t>(a))) << a;
  klawisz(Qt::Key_F10);

  kursorNaLinie(7);
  klawisz(Qt::Key_F5);
  klawisz(Qt::Key_N, Qt::ControlModifier);  // Nowy
  EXPECT_EQ(edytor()->LiczbaLinii(), 0);
  EXPECT_EQ(znaczniki(), std::vector<int>{});

  // A mark set below the text through the context menu's line.
  edytor()->setPlainText(linie(10).join('\n'));
  kursorNaLinie(3);
  klawisz(Qt::Key_F5);
  const int h = edytor()->WysokoscLinii();
  QTest::mousePress(edytor()->viewport(), Qt::RightButton, {}, QPoint(40, edytor()->GoraLiniiWWidoku(12) + h / 2));
  QTest::mouseRelease(edytor()->viewport(), Qt::RightButton, {}, QPoint(40, edytor()->GoraLiniiWWidoku(12) + h / 2));
  okno.findChild<QAction*>("UstawUsunblokade1")->trigger();
  ASSERT_EQ(znaczniki(), (std::vector<int>{3, 12}));
  // Lines 6 to 9 deleted, then typed anew.
  kursorNaLinie(5);
  klawisz(Qt::Key_End);
  klawisz(Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
  klawisz(Qt::Key_Delete);
  EXPECT_EQ(znaczniki(), std::vector<int>{3});
  for (int k = 0; k < 8; ++k) {
    klawisz(Qt::Key_Return);
    QTest::keyClicks(edytor(), "nop");
  }
  EXPECT_EQ(znaczniki(), std::vector<int>{3});
}

TEST_F(Wygoda, KlawiszeSkrotowBokKlawiszyWlasnych) {
  edytor()->setPlainText("nop");
  const std::pair<Qt::KeyboardModifiers, int> klawisze[] = {
      {Qt::ControlModifier, Qt::Key_O}, {Qt::NoModifier, Qt::Key_F3}, {Qt::ControlModifier, Qt::Key_S},
      {Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_S}, {Qt::ControlModifier, Qt::Key_Q}};
  odpowiedz = QMessageBox::Cancel;
  for (const auto& [m, k] : klawisze) klawisz(k, m);
  EXPECT_EQ(zdarzenia, QStringList({"Otworz...", "Otworz...", "zapis", "zapis", "Koniec programu..."}));
  EXPECT_TRUE(okno.isVisible());
  zdarzenia.clear();
  // Nowy's key follows its item: off in emulation mode.
  klawisz(Qt::Key_F9);
  klawisz(Qt::Key_N, Qt::ControlModifier);
  EXPECT_TRUE(zdarzenia.isEmpty());
  klawisz(Qt::Key_F10);
  odpowiedz = QMessageBox::No;
  klawisz(Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(zdarzenia, QStringList({"Nowy..."}));
  EXPECT_EQ(edytor()->LiczbaLinii(), 0);

  // Alt and a menu's letter open that menu; nothing is typed.
  const std::pair<int, const char*> menu[] = {
      {Qt::Key_P, "Plik1"}, {Qt::Key_D, "Debug1"}, {Qt::Key_O, "Oknapomocnicze1"}, {Qt::Key_I, "Informacje1"}};
  for (const auto& [k, nazwa] : menu) {
    QMenu* m = okno.findChild<QMenu*>(nazwa);
    klawisz(k, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([m] { return m->isVisible(); }, 1000)) << nazwa;
    m->close();
    // The offscreen platform leaves the popup's window active.
    okno.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&okno));
  }
  EXPECT_EQ(edytor()->toPlainText(), "");
}

// The file buttons run their commands as the menu items do.
TEST_F(Wygoda, PrzyciskiPlikuWykonujaPolecenia) {
  edytor()->setPlainText("nop");
  for (const char* n : {"SpeedButton2", "SpeedButton3", "SpeedButton1"})
    QTest::mouseClick(okno.findChild<QWidget*>(n), Qt::LeftButton);
  EXPECT_EQ(zdarzenia, QStringList({"Otworz...", "otwarcie", "zapis", "Nowy..."}));
  EXPECT_EQ(edytor()->LiczbaLinii(), 0);
}

TEST_F(Wygoda, PasekSzukania) {
  edytor()->setPlainText("mov a,#1\nnop\nMOV b,a\nsjmp $\nmov r0,a");
  QWidget* pasek = okno.findChild<QWidget*>("PanelSzukania");
  auto* pole = okno.findChild<QLineEdit*>("EditSzukaj");
  auto* komunikat = okno.findChild<QLabel*>("LabelSzukania");
  ASSERT_FALSE(pasek->isVisible());
  klawisz(Qt::Key_F, Qt::ControlModifier);
  ASSERT_TRUE(pasek->isVisible());
  EXPECT_GE(pasek->mapTo(&okno, QPoint()).y(), edytor()->mapTo(&okno, QPoint(0, edytor()->height())).y());
  EXPECT_TRUE(pole->hasFocus());
  auto gdzie = [&] {
    const QTextCursor k = edytor()->textCursor();
    const int kolumna = k.selectionStart() - k.block().position();
    return QString("%1:%2 %3").arg(k.blockNumber()).arg(kolumna).arg(k.selectedText());
  };
  QTest::keyClicks(pole, "mov");  // found while typed
  EXPECT_EQ(gdzie(), "0:0 mov");
  QStringList kolejne;
  for (auto m : {Qt::NoModifier, Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier, Qt::ShiftModifier}) {
    klawisz(pole, Qt::Key_Return, m);
    kolejne << gdzie();
  }
  EXPECT_EQ(kolejne, QStringList({"2:0 MOV", "4:0 mov", "0:0 mov", "4:0 mov", "2:0 MOV"}));
  EXPECT_TRUE(komunikat->text().isEmpty());

  // Matching case, the search moves on from "MOV" and passes it by.
  QTest::mouseClick(okno.findChild<QCheckBox*>("CheckBoxWielkoscLiter"), Qt::LeftButton);
  EXPECT_EQ(gdzie(), "4:0 mov");
  kolejne.clear();
  for (int k = 0; k < 2; ++k) {
    klawisz(pole, Qt::Key_Return);
    kolejne << gdzie();
  }
  EXPECT_EQ(kolejne, QStringList({"0:0 mov", "4:0 mov"}));
  pole->selectAll();
  QTest::keyClicks(pole, "MOV a");
  EXPECT_EQ(komunikat->text(), "Nie znaleziono");
  EXPECT_EQ(edytor()->toPlainText(), "mov a,#1\nnop\nMOV b,a\nsjmp $\nmov r0,a");

  klawisz(pole, Qt::Key_Escape);
  EXPECT_FALSE(pasek->isVisible());
  EXPECT_TRUE(edytor()->hasFocus());
  // A selection within a line is what Ctrl+F looks for.
  QTextCursor k(edytor()->document()->findBlockByNumber(3));
  k.movePosition(QTextCursor::EndOfWord, QTextCursor::KeepAnchor);
  edytor()->setTextCursor(k);
  klawisz(Qt::Key_F, Qt::ControlModifier);
  EXPECT_EQ(pole->text(), "sjmp");
}

TEST_F(Wygoda, IdzDoWierszaOdZera) {
  std::vector<std::array<int, 3>> pytania;  // value, minimum, maximum
  std::optional<int> odpowiedzLiczba;
  okno.PodajLiczbe = [&](const QString&, const QString&, int w, int mi, int ma) {
    pytania.push_back({w, mi, ma});
    return odpowiedzLiczba;
  };
  klawisz(Qt::Key_G, Qt::ControlModifier);
  EXPECT_TRUE(pytania.empty()) << "an empty text has no line to go to";

  edytor()->setPlainText(linie(200).join('\n'));
  kursorNaLinie(4);
  odpowiedzLiczba = 150;
  klawisz(Qt::Key_G, Qt::ControlModifier);
  EXPECT_EQ(pytania, (std::vector<std::array<int, 3>>{{4, 0, 199}}));
  EXPECT_EQ(edytor()->LiniaKursora(), 150);
  EXPECT_EQ(edytor()->KolumnaKursora(), 0);
  EXPECT_FALSE(edytor()->textCursor().hasSelection());
  EXPECT_LE(edytor()->GornaLinia(), 150);
  EXPECT_LT(150, edytor()->GornaLinia() + edytor()->WidoczneLinie());
  // Cancelled, the caret stays.
  odpowiedzLiczba.reset();
  klawisz(Qt::Key_G, Qt::ControlModifier);
  EXPECT_EQ(edytor()->LiniaKursora(), 150);
}

// A left click in the gutter toggles the line beside it, as F5 does with
// the caret there, wherever the text is scrolled.
TEST_F(Wygoda, KlikNaMarginesiePrzelaczaPulapke) {
  edytor()->setPlainText(linie(100).join('\n'));
  const int h = edytor()->WysokoscLinii();
  auto gora = [&](int y) { return edytor()->GoraLiniiWWidoku(y); };
  kliknijMargines(gora(4) + h / 2);
  kliknijMargines(gora(6));          // its top pixel row
  kliknijMargines(gora(7) - 1);      // its bottom pixel row
  EXPECT_EQ(znaczniki(), (std::vector<int>{4}));
  kliknijMargines(gora(4) + 1);
  EXPECT_EQ(znaczniki(), std::vector<int>{});
  edytor()->verticalScrollBar()->setValue(40);
  kliknijMargines(gora(45) + h / 2);
  EXPECT_EQ(znaczniki(), (std::vector<int>{45}));

  // In emulation mode the mark takes its line's address; below the text
  // nothing is set.
  edytor()->setPlainText(Program);
  klawisz(Qt::Key_F9);
  kliknijMargines(gora(3) + h / 2);
  EXPECT_EQ(okno.pulapki().Linii(3), 5);
  kliknijMargines(gora(8) + h / 2);
  EXPECT_EQ(znaczniki(), (std::vector<int>{3}));
  EXPECT_TRUE(okno.sterowanie().TrybEmulacji());
}

// The learning aids share the window's fixture.
using Pomoce = Wygoda;

constexpr const char* ProgramLcd =
    "  mov dptr,#0FFF2h\n"  // 0: LCD data
    "  mov a,#41h\n"        // 1
    "  movx @dptr,a\n"      // 2
    "  mov r3,a\n"          // 3
    "  mov p1,#0F0h\n"      // 4
    "  sjmp $";             // 5

TEST_F(Pomoce, ShiftF7CofaStanAF7PowtarzaTenSamRozkaz) {
  edytor()->setPlainText(ProgramLcd);
  klawisz(Qt::Key_F9);
  EXPECT_FALSE(krokWstecz()->isEnabled()) << "nothing run yet";
  klawisz(Qt::Key_F7);
  const auto poPierwszym = Stan();
  for (int k = 0; k < 4; ++k) klawisz(Qt::Key_F7);
  const auto poPiatym = Stan();
  EXPECT_EQ(plytka.lcd.PamiecDDRAM[0], 0x41);
  EXPECT_EQ(plytka.Zatrzaski()[1], 0xFF) << "the board reads the LEDs on its own timer";
  EXPECT_EQ(okno.PodswietlonaLinia(), 5);
  ASSERT_TRUE(krokWstecz()->isEnabled());

  klawisz(Qt::Key_F7, Qt::ShiftModifier);
  EXPECT_EQ(plytka.Zatrzaski()[1], 0xFF);
  for (int k = 0; k < 3; ++k) klawisz(Qt::Key_F7, Qt::ShiftModifier);
  EXPECT_EQ(Stan(), poPierwszym);
  EXPECT_EQ(plytka.lcd.PamiecDDRAM[0], Lcd::ZnakPusty);
  EXPECT_EQ(okno.PodswietlonaLinia(), 1);
  EXPECT_EQ(okno.LiniaStrzalki(), 1);
  EXPECT_EQ(okno.findChild<QLabel*>("LabelCaretPos")->text(), QString::fromStdString(TekstPC(3, 0x74)));
  EXPECT_EQ(okno.findChild<QLabel*>("LabelCykle")->text(), "Cykle= 2");

  for (int k = 0; k < 4; ++k) klawisz(Qt::Key_F7);
  EXPECT_EQ(Stan(), poPiatym);
  EXPECT_EQ(okno.historia().Liczba(), 5u);

  // F12 empties the history: Shift+F7 is off and does nothing.
  klawisz(Qt::Key_F12);
  EXPECT_FALSE(krokWstecz()->isEnabled());
  klawisz(Qt::Key_F7, Qt::ShiftModifier);
  EXPECT_EQ(okno.jadro().PC, 0);
  // So does any edit of the text, which leaves the emulation.
  klawisz(Qt::Key_F7);
  EXPECT_TRUE(krokWstecz()->isEnabled());
  edytor()->moveCursor(QTextCursor::End);
  QTest::keyClicks(edytor(), " ");
  EXPECT_FALSE(krokWstecz()->isEnabled());
  EXPECT_FALSE(okno.historia().Wlaczona());
}

// A run stopped by F11 steps back into the instructions it ran.
TEST_F(Pomoce, ShiftF7PoPrzerwanymBieguCofaJegoRozkazy) {
  edytor()->setPlainText("petla: inc r0\n  sjmp petla");
  klawisz(Qt::Key_F9, Qt::ControlModifier);
  ASSERT_TRUE(QTest::qWaitFor([&] { return okno.jadro().Data[0] > 20; }, 3000));
  klawisz(Qt::Key_F11);
  ASSERT_TRUE(krokWstecz()->isEnabled());
  const size_t liczba = okno.historia().Liczba();
  const uint8_t r0 = okno.jadro().Data[0];
  // inc r0 and sjmp alternate: two steps back undo exactly one inc.
  klawisz(Qt::Key_F7, Qt::ShiftModifier);
  klawisz(Qt::Key_F7, Qt::ShiftModifier);
  EXPECT_EQ(okno.jadro().Data[0], static_cast<uint8_t>(r0 - 1));
  EXPECT_EQ(okno.historia().Liczba(), liczba - 2);
}

class PomoceZRejestrami : public Pomoce {
 protected:
  void SetUp() override {
    // The wiring the application makes between the windows.
    rejestry.UstawZmiany(&okno.zmiany());
    QObject::connect(&okno, &Tokno_edycji_rozkazow::NoweZmiany, &rejestry, &TFormRejestry::PoZmianach);
    QObject::connect(&rejestry, &TFormRejestry::Wpisano, &okno, &Tokno_edycji_rozkazow::PoEdycjiWartosci);
    rejestry.show();
    Pomoce::SetUp();
    rejestry.UstawWidoki(okno.jadro(), okno.asembler());
  }
  bool czerwone(const char* nazwa) {
    return rejestry.findChild<QLineEdit*>(nazwa)->palette().color(QPalette::Text) == KolorZmiany();
  }
  TFormRejestry rejestry;
};

TEST_F(PomoceZRejestrami, ZmienionePoleCzerwonePoKrokuANiePoWpisaniu) {
  edytor()->setPlainText("  mov a,#7\n  mov r2,#7\n  setb c\n  sjmp $");
  klawisz(Qt::Key_F9);
  EXPECT_FALSE(czerwone("LabeledEditA")) << "a reset marks nothing";
  klawisz(Qt::Key_F7);
  EXPECT_TRUE(czerwone("LabeledEditA"));
  EXPECT_TRUE(czerwone("LabeledEditPSW")) << "the parity bit followed A";
  EXPECT_TRUE(czerwone("LabeledEditP"));
  EXPECT_FALSE(czerwone("LabeledEditR2"));
  klawisz(Qt::Key_F7);
  EXPECT_FALSE(czerwone("LabeledEditA")) << "marked until the next stop only";
  EXPECT_TRUE(czerwone("LabeledEditR2"));
  klawisz(Qt::Key_F7, Qt::ShiftModifier);  // a step back is a stop too
  EXPECT_TRUE(czerwone("LabeledEditR2"));
  klawisz(Qt::Key_F7);
  ASSERT_TRUE(krokWstecz()->isEnabled());

  // A typed value is not marked, and the history cannot step back over it.
  QLineEdit* r5 = rejestry.findChild<QLineEdit*>("LabeledEditR5");
  QTest::mouseClick(r5, Qt::LeftButton);
  QTest::keyClick(r5, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(r5, "33");
  EXPECT_EQ(okno.jadro().Data[5], 0x33);
  rejestry.OdswiezRejestry();
  EXPECT_FALSE(czerwone("LabeledEditR5"));
  EXPECT_TRUE(czerwone("LabeledEditR2")) << "the program's change stays marked";
  EXPECT_FALSE(krokWstecz()->isEnabled());
  // Entering a field rewrites its value unchanged: the history stays.
  okno.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&okno));
  edytor()->setFocus();
  klawisz(Qt::Key_F7);
  QTest::mouseClick(rejestry.findChild<QLineEdit*>("LabeledEditB"), Qt::LeftButton);
  EXPECT_TRUE(krokWstecz()->isEnabled());
  EXPECT_FALSE(czerwone("LabeledEditR2"));
  EXPECT_TRUE(czerwone("LabeledEditCY"));
}

TEST_F(Pomoce, CtrlF1IMyszPokazujaPomocRozkazu) {
  edytor()->setPlainText("start: add a,r3 ; dodaj\n  db 5");
  const QString pomoc = Utf8DoQt(PomocRozkazu("ADD"));
  ASSERT_TRUE(pomoc.contains(QString::fromUtf8("ADD A,Rn — dodaje")));
  // The caret inside the mnemonic and right after it.
  for (int kolumna : {8, 10}) {
    kursorNa(kolumna);
    klawisz(Qt::Key_F1, Qt::ControlModifier);
    EXPECT_TRUE(QToolTip::isVisible()) << kolumna;
    EXPECT_EQ(QToolTip::text(), pomoc) << kolumna;
  }
  // Just under the caret's line.
  const QRect kursor = edytor()->cursorRect();
  const QWidget* dymek = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->inherits("QTipLabel") && w->isVisible()) dymek = w;
  ASSERT_NE(dymek, nullptr);
  const QPoint podKursorem = edytor()->viewport()->mapToGlobal(kursor.bottomLeft());
  EXPECT_GE(dymek->y(), podKursorem.y());
  EXPECT_LT(dymek->y(), podKursorem.y() + 40);
  // Beside the caret, or moved left as far as the screen needs.
  EXPECT_LE(dymek->x(), podKursorem.x());
  EXPECT_GT(dymek->geometry().right(), podKursorem.x());
  // No help in a comment or on a directive.
  for (int pozycja : {20, 27}) {
    kursorNa(pozycja);
    klawisz(Qt::Key_F1, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 1000)) << pozycja;
  }
  EXPECT_EQ(edytor()->toPlainText(), "start: add a,r3 ; dodaj\n  db 5") << "the key typed nothing";

  // Hovering: the pointer over the "d" of "add", then over the label.
  auto najedz = [&](int pozycja) {
    QTextCursor k(edytor()->document());
    k.setPosition(pozycja);
    const QPoint p = edytor()->cursorRect(k).center() + QPoint(2, 0);
    QHelpEvent e(QEvent::ToolTip, p, edytor()->viewport()->mapToGlobal(p));
    QApplication::sendEvent(edytor()->viewport(), &e);
  };
  najedz(8);
  EXPECT_TRUE(QToolTip::isVisible());
  EXPECT_EQ(QToolTip::text(), pomoc);
  najedz(2);
  EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 1000));
}

TEST_F(Pomoce, F4PokazujeWynikINieRuszaMaszynyStudenta) {
  // One expectation met, one not; the task presses S1 on its own board.
  const QString zadanie = ";#kelbra --cycles 1000 --key S1@0\n;#kelbra --expect P1=FE --expect A=55\n"
                          "start: mov p1,#0FEh\nmov a,#12h\nsjmp $";
  edytor()->setPlainText(zadanie);
  // The student's session: assembled, a breakpoint on line 3, one step done.
  klawisz(Qt::Key_F9);
  kursorNaLinie(3);
  klawisz(Qt::Key_F5);
  klawisz(Qt::Key_F7);
  const Jadro przed = okno.jadro();
  const uint32_t pulapki = okno.pulapki().Wersja();

  klawisz(Qt::Key_F4);
  TFormSprawdzenie* wynik = okno.OknoSprawdzenia();
  ASSERT_NE(wynik, nullptr);
  EXPECT_TRUE(wynik->isVisible() && edytor()->hasFocus());
  EXPECT_EQ(wynik->windowTitle(), "Sprawdzenie: 1 z 2 spełnione");
  EXPECT_EQ(wiersze(), QStringList({"0 A na końcu przebiegu: oczekiwano 55, jest 12",
                                    "1 P1 na końcu przebiegu: oczekiwano FE, jest FE",
                                    "2 Koniec przebiegu w PC=0005: program krąży w wierszu 4: sjmp $"}));

  EXPECT_TRUE(okno.sterowanie().TrybEmulacji());
  EXPECT_EQ(okno.jadro().PC, 3);
  EXPECT_EQ(okno.jadro().Cykle, przed.Cykle);
  EXPECT_EQ(okno.jadro().Data, przed.Data);
  EXPECT_EQ(okno.jadro().Xdata, przed.Xdata);
  EXPECT_FALSE(plytka.KlStatycznyWcisniety(0));
  EXPECT_EQ(okno.pulapki().Wersja(), pulapki);
  EXPECT_TRUE(okno.pulapki().StopNaAdresie(3));

  // Ctrl+C copies the selected rows with their marks, "Kopiuj" everything.
  wynik->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(wynik));
  QListWidget* lista = wynik->Lista();
  QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(lista->item(1)).center());
  QTest::keyClick(lista, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "✓ P1 na końcu przebiegu: oczekiwano FE, jest FE\n");
  QTest::mouseClick(wynik->findChild<QPushButton*>("ButtonKopiuj"), Qt::LeftButton);
  EXPECT_EQ(QApplication::clipboard()->text(), "Sprawdzenie: 1 z 2 spełnione\n"
                                               "✗ A na końcu przebiegu: oczekiwano 55, jest 12\n"
                                               "✓ P1 na końcu przebiegu: oczekiwano FE, jest FE\n"
                                               "Koniec przebiegu w PC=0005: program krąży w wierszu 4: sjmp $\n");

  // Esc hides the window; the next check shows the same one again.
  QTest::keyClick(lista, Qt::Key_Escape);
  EXPECT_FALSE(wynik->isVisible());
  klawisz(Qt::Key_F4);
  EXPECT_TRUE(wynik->isVisible());
  EXPECT_EQ(okno.findChildren<TFormSprawdzenie*>().size(), 1);
}

// Under a main window in the middle of the screen the result grows with a
// longer task and stays whole on the screen; Nowy and Otwórz close it.
TEST_F(Pomoce, F4WynikCalyNaEkranieIZamykanyPrzyNowymIOtwarciu) {
  const QRect obszar = okno.screen()->availableGeometry();
  okno.move(obszar.center() - QPoint(okno.frameGeometry().width() / 2, okno.frameGeometry().height() / 2));
  edytor()->setPlainText(";#kelbra --cycles 100 --expect P1=FE\nmov p1,#0FEh\nsjmp $");
  klawisz(Qt::Key_F4);
  TFormSprawdzenie* wynik = okno.OknoSprawdzenia();
  ASSERT_NE(wynik, nullptr);
  EXPECT_TRUE(obszar.contains(wynik->frameGeometry()));

  QString zadanie = ";#kelbra --cycles 300 --expect P1=FD@10..20 --points 2\n";
  for (int k = 0; k < 14; ++k) zadanie += QString(";#kelbra --expect DATA:%1=01\n").arg(0x30 + k, 0, 16);
  edytor()->setPlainText(zadanie + "mov p1,#0FEh\nsjmp $");
  klawisz(Qt::Key_F4);
  EXPECT_EQ(wynik->windowTitle(), "Sprawdzenie: 0 z 15 spełnione, punkty 0/16");
  EXPECT_EQ(wiersze().first(), "0 P1 w cyklach 10..20: oczekiwano FD, ostatnio FE [0/2 pkt]");
  EXPECT_EQ(wiersze().mid(15, 1), QStringList("2 Koniec przebiegu w PC=0003: program krąży w wierszu 16: sjmp $"));
  EXPECT_TRUE(obszar.contains(wynik->frameGeometry())) << wynik->frameGeometry().bottom() << " " << obszar.bottom();
  const QPushButton* zamknij = wynik->findChild<QPushButton*>("ButtonZamknij");
  EXPECT_TRUE(obszar.contains(QRect(zamknij->mapToGlobal(QPoint(0, 0)), zamknij->size())));

  okno.edytor()->document()->setModified(false);
  klawisz(Qt::Key_N, Qt::ControlModifier);  // Nowy
  EXPECT_FALSE(wynik->isVisible());
  edytor()->setPlainText(";#kelbra --cycles 100 --expect P1=FE\nmov p1,#0FEh\nsjmp $");
  klawisz(Qt::Key_F4);
  ASSERT_TRUE(wynik->isVisible());
  QTemporaryDir katalog;
  doOtwarcia = katalog.filePath("inny.asm");
  QFile f(doOtwarcia);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("nop\r\n");
  f.close();
  klawisz(Qt::Key_F3);  // Otwórz
  EXPECT_EQ(edytor()->toPlainText(), "nop");
  EXPECT_FALSE(wynik->isVisible());
}

TEST_F(Pomoce, PolecenieTylkoDlaTekstuZZadaniemABladIdzieNaListe) {
  edytor()->setPlainText("nop\nsjmp $");
  EXPECT_FALSE(wlaczone());
  klawisz(Qt::Key_F4);
  EXPECT_EQ(okno.OknoSprawdzenia(), nullptr);

  // A task line typed in, with an unknown option: the error goes to the
  // list, the window says nothing was checked.
  kursorNaLinie(0);
  QTest::keyClicks(edytor(), ";#kelbra --foo");
  klawisz(Qt::Key_Return);
  EXPECT_TRUE(wlaczone());
  klawisz(Qt::Key_F4);
  ASSERT_NE(okno.OknoSprawdzenia(), nullptr);
  EXPECT_EQ(okno.OknoSprawdzenia()->windowTitle(), "Sprawdzenie: nie wykonano");
  EXPECT_EQ(wiersze(), QStringList({"0 Nie sprawdzono: popraw błędy z listy pod edytorem (kliknięcie błędu zaznacza "
                                    "jego wiersz)."}));
  const QListWidget* bledy = okno.findChild<QListWidget*>("ListBoxBledy");
  ASSERT_EQ(bledy->count(), 1);
  EXPECT_EQ(bledy->item(0)->text(), "ERROR...0 linia. nieznana opcja: --foo");
  EXPECT_TRUE(okno.findChild<QWidget*>("PanelDolny")->isVisible());

  // Deleting the line disables the item; undo brings it back.
  kursorNa(0);
  klawisz(Qt::Key_Down, Qt::ShiftModifier);
  klawisz(Qt::Key_Delete);
  EXPECT_FALSE(wlaczone());
  klawisz(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(wlaczone());
}

}  // namespace
}  // namespace kelbra
