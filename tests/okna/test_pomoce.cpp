// The learning aids in the main window, driven by real keys: stepping back,
// the changed values marked in the registers window, and the help on an
// instruction under the caret or the mouse.

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextBlock>
#include <QToolTip>

#include "EdytorRozkazow.h"
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
    QTextCursor k = edytor()->textCursor();
    k.setPosition(kolumna);
    edytor()->setTextCursor(k);
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
    QTextCursor k = edytor()->textCursor();
    k.setPosition(pozycja);
    edytor()->setTextCursor(k);
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

}  // namespace
}  // namespace kelbra
