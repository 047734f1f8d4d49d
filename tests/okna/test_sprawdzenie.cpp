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
  bool wlaczone() { return okno.findChild<QAction*>("SprawdzZadanie1")->isEnabled(); }
  void klawisz(int k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(edytor(), Qt::Key(k), m); }
  void naLinii(int y) { edytor()->setTextCursor(QTextCursor(edytor()->document()->findBlockByNumber(y))); }
  // The rows, each after its kind: 0 failed, 1 met.
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

TEST_F(Sprawdzenie, F4PokazujeWynikINieRuszaMaszynyStudenta) {
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

TEST_F(Sprawdzenie, PolecenieTylkoDlaTekstuZZadaniemABladIdzieNaListe) {
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
  QTextCursor k = edytor()->textCursor();
  k.setPosition(0);
  k.movePosition(QTextCursor::Down, QTextCursor::KeepAnchor);
  edytor()->setTextCursor(k);
  klawisz(Qt::Key_Delete);
  EXPECT_FALSE(wlaczone());
  klawisz(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(wlaczone());
}

}  // namespace
}  // namespace kelbra
