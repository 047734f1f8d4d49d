// The task check (F4) from the main window: the result window's caption and
// rows, copying them, the student's machine left alone, and the item
// enabled only while the text holds task lines.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include "EdytorRozkazow.h"
#include "OknoSprawdzenia.h"
#include "Okno_edycji_rozkazow.h"
#include "Plytka.h"

namespace kelbra {
namespace {

class Sprawdzenie : public ::testing::Test {
 protected:
  void SetUp() override {
    okno.show();
    okno.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&okno));
    edytor()->setFocus();
  }

  EdytorRozkazow* edytor() { return okno.edytor(); }
  QAction* sprawdz() { return okno.findChild<QAction*>("SprawdzZadanie1"); }
  void klawisz(int k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(edytor(), Qt::Key(k), m); }
  void naLinii(int y) { edytor()->setTextCursor(QTextCursor(edytor()->document()->findBlockByNumber(y))); }
  QStringList wiersze() {
    QStringList w;
    const QListWidget* lista = okno.OknoSprawdzenia()->Lista();
    for (int k = 0; k < lista->count(); ++k)
      w << QString::number(lista->item(k)->data(Qt::UserRole).toInt()) + " " + lista->item(k)->text();
    return w;
  }

  PlytkaKelbra plytka;
  Tokno_edycji_rozkazow okno{plytka};
};

// One expectation met and one not; the task presses S1 on its own board.
constexpr const char* Zadanie =
    ";#kelbra --cycles 1000 --key S1@0\n"
    ";#kelbra --expect P1=FE --expect A=55\n"
    "start: mov p1,#0FEh\n"
    "mov a,#12h\n"
    "sjmp $";

TEST_F(Sprawdzenie, F4PokazujeWynikINieRuszaMaszynyStudenta) {
  edytor()->setPlainText(Zadanie);
  ASSERT_TRUE(sprawdz()->isEnabled());
  // The student's session: assembled, a breakpoint on line 3, one step done.
  klawisz(Qt::Key_F9);
  naLinii(3);
  klawisz(Qt::Key_F5);
  klawisz(Qt::Key_F7);
  ASSERT_EQ(okno.jadro().PC, 3);
  const Jadro przed = okno.jadro();
  const auto zatrzaski = plytka.Zatrzaski();
  const auto pulapki = okno.pulapki().Wersja();

  klawisz(Qt::Key_F4);
  TFormSprawdzenie* wynik = okno.OknoSprawdzenia();
  ASSERT_NE(wynik, nullptr);
  EXPECT_TRUE(wynik->isVisible());
  EXPECT_EQ(wynik->windowTitle(), "Sprawdzenie: 1 z 2 spełnione");
  EXPECT_EQ(wiersze(), QStringList({"0 A na końcu przebiegu: oczekiwano 55, jest 12",
                                    "1 P1 na końcu przebiegu: oczekiwano FE, jest FE"}));
  const QListWidget* lista = wynik->Lista();
  EXPECT_NE(lista->item(0)->foreground().color(), lista->item(1)->foreground().color());

  EXPECT_TRUE(okno.sterowanie().TrybEmulacji());
  EXPECT_EQ(okno.jadro().PC, przed.PC);
  EXPECT_EQ(okno.jadro().LicznikCykli, przed.LicznikCykli);
  EXPECT_EQ(okno.jadro().Data, przed.Data);
  EXPECT_EQ(okno.jadro().Xdata, przed.Xdata);
  EXPECT_EQ(plytka.Zatrzaski(), zatrzaski);
  EXPECT_FALSE(plytka.KlStatycznyWcisniety(0));
  EXPECT_EQ(okno.pulapki().Wersja(), pulapki);
  EXPECT_TRUE(okno.pulapki().StopNaAdresie(3));
  EXPECT_EQ(edytor()->toPlainText(), Zadanie);

  // Ctrl+C copies the selected rows with their marks; "Kopiuj" everything.
  // The window comes up without taking the keyboard from the editor.
  EXPECT_TRUE(edytor()->hasFocus());
  wynik->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(wynik));
  QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(lista->item(1)).center());
  QTest::keyClick(wynik->Lista(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "✓ P1 na końcu przebiegu: oczekiwano FE, jest FE\n");
  QTest::mouseClick(wynik->findChild<QPushButton*>("ButtonKopiuj"), Qt::LeftButton);
  EXPECT_EQ(QApplication::clipboard()->text(), "Sprawdzenie: 1 z 2 spełnione\n"
                                               "✗ A na końcu przebiegu: oczekiwano 55, jest 12\n"
                                               "✓ P1 na końcu przebiegu: oczekiwano FE, jest FE\n");

  // Closing hides the window; the next check shows the same one again.
  QTest::keyClick(wynik->Lista(), Qt::Key_Escape);
  EXPECT_FALSE(wynik->isVisible());
  klawisz(Qt::Key_F4);
  EXPECT_TRUE(wynik->isVisible());
  EXPECT_EQ(okno.findChildren<TFormSprawdzenie*>().size(), 1);
}

TEST_F(Sprawdzenie, PolecenieTylkoDlaTekstuZZadaniemABladIdzieNaListe) {
  edytor()->setPlainText("nop\nsjmp $");
  EXPECT_FALSE(sprawdz()->isEnabled());
  klawisz(Qt::Key_F4);
  EXPECT_EQ(okno.OknoSprawdzenia(), nullptr);

  // A task line typed in, with an unknown option: the error goes to the
  // list, the window says nothing was checked.
  naLinii(0);
  QTest::keyClicks(edytor(), ";#kelbra --foo");
  klawisz(Qt::Key_Return);
  EXPECT_TRUE(sprawdz()->isEnabled());
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
  naLinii(0);
  QTextCursor k = edytor()->textCursor();
  k.movePosition(QTextCursor::Down, QTextCursor::KeepAnchor);
  edytor()->setTextCursor(k);
  klawisz(Qt::Key_Delete);
  EXPECT_EQ(edytor()->toPlainText(), "nop\nsjmp $");
  EXPECT_FALSE(sprawdz()->isEnabled());
  klawisz(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(sprawdz()->isEnabled());
}

}  // namespace
}  // namespace kelbra
