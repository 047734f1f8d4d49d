// The learning aids in the main window, driven by real keys: stepping back,
// the changed values marked in the registers window, the help on an
// instruction under the caret or the mouse, and the task check (F4).

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QToolTip>

#include "EdytorRozkazow.h"
#include "OknoSprawdzenia.h"
#include "Okno_edycji_rozkazow.h"
#include "Plytka.h"
#include "PomocRozkazow.h"
#include "Pola.h"
#include "Rejestry.h"
#include "TekstQt.h"

namespace kelbra {
namespace {

class Pomoce : public ::testing::Test {
 protected:
  void SetUp() override {
    okno.PokazKomunikat = [](const QString&, const QString&) {};
    okno.show();
    okno.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&okno));
    edytor()->setFocus();
  }
  EdytorRozkazow* edytor() { return okno.edytor(); }
  QAction* krokWstecz() { return okno.findChild<QAction*>("KrokWstecz1"); }
  void klawisz(int k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(edytor(), Qt::Key(k), m); }
  void kursorNa(int pozycja) {
    QTextCursor k(edytor()->document());
    k.setPosition(pozycja);
    edytor()->setTextCursor(k);
  }
  void naLinii(int y) { edytor()->setTextCursor(QTextCursor(edytor()->document()->findBlockByNumber(y))); }
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
    return std::tuple(j.PC, j.Data, j.Xdata, CykleMaszyny(j), std::vector<uint8_t>(bajty, bajty + sizeof lcd));
  }

  PlytkaKelbra plytka;
  Tokno_edycji_rozkazow okno{plytka};
};

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
  naLinii(3);
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
                                    "1 P1 na końcu przebiegu: oczekiwano FE, jest FE"}));

  EXPECT_TRUE(okno.sterowanie().TrybEmulacji());
  EXPECT_EQ(okno.jadro().PC, 3);
  EXPECT_EQ(okno.jadro().LicznikCykli, przed.LicznikCykli);
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
                                               "✓ P1 na końcu przebiegu: oczekiwano FE, jest FE\n");

  // Esc hides the window; the next check shows the same one again.
  QTest::keyClick(lista, Qt::Key_Escape);
  EXPECT_FALSE(wynik->isVisible());
  klawisz(Qt::Key_F4);
  EXPECT_TRUE(wynik->isVisible());
  EXPECT_EQ(okno.findChildren<TFormSprawdzenie*>().size(), 1);
}

TEST_F(Pomoce, PolecenieTylkoDlaTekstuZZadaniemABladIdzieNaListe) {
  edytor()->setPlainText("nop\nsjmp $");
  EXPECT_FALSE(wlaczone());
  klawisz(Qt::Key_F4);
  EXPECT_EQ(okno.OknoSprawdzenia(), nullptr);

  // A task line typed in, with an unknown option: the error goes to the
  // list, the window says nothing was checked.
  naLinii(0);
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
