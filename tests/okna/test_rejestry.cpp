// The registers window driven by real key and mouse events.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTimer>

#include "OknoWidoku.h"
#include "Rejestry.h"

namespace kelbra {
namespace {

class OknoRejestrow : public test::OknoWidoku<TFormRejestry> {
 protected:
  QLineEdit* pole(const char* nazwa) { return okno.findChild<QLineEdit*>(nazwa); }
  QTimer* timer(const char* nazwa) { return okno.findChild<QTimer*>(nazwa); }
  QLabel* zakres() { return okno.findChild<QLabel*>("LabelZakresPrzekroczono"); }
  QLineEdit* wyczysc(const char* nazwa) { return OknoWidoku::wyczysc(pole(nazwa)); }
  // Waits for one refresh to have run, seen through B, which nobody types into.
  bool poOdswiezeniu() {
    ++m.Data(sfr::B);
    const QString b = QString::number(m.Data(sfr::B), 16).toUpper().rightJustified(2, '0');
    return QTest::qWaitFor([&] { return pole("LabeledEditB")->text() == b; }, 2000);
  }
};

TEST_F(OknoRejestrow, OknoPolaITimery) {
  EXPECT_EQ(okno.windowTitle(), "Rejestry...");
  EXPECT_EQ(okno.size(), QSize(270, 201));
  EXPECT_EQ(okno.minimumSize(), okno.maximumSize());
  EXPECT_EQ(okno.findChild<QMenu*>("Wyswietlanieliczb1")->title(), "Wyswietlanie liczb");
  EXPECT_EQ(tekst("LabelPodpowiedz"), "Uzyj TABULATORA, lub klikaj na okienka danych...");
  EXPECT_EQ(tekst("LabeledEditNULL1Label"), "---");
  for (const char* n : {"LabeledEditMR0", "LabeledEditMR1", "LabeledEditCY", "LabeledEditP"})
    EXPECT_TRUE(pole(n)->isReadOnly() && pole(n)->focusPolicy() == Qt::NoFocus) << n;
  QStringList kolejnosc;
  pole("LabeledEditR0")->setFocus();
  for (int k = 0; k < 13; ++k) {
    kolejnosc << QApplication::focusWidget()->objectName().mid(11);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(kolejnosc.join(' '), "R0 R1 R2 R3 R4 R5 R6 R7 A B SP DPTR PSW");
  // The refresh runs only while the window is shown, the blink only while it blinks.
  EXPECT_EQ(timer("TimerOdswierzanieDanych")->interval(), 250);
  EXPECT_TRUE(timer("TimerOdswierzanieDanych")->isActive());
  EXPECT_FALSE(timer("Timer1MigajacySygnal")->isActive());
  okno.hide();
  EXPECT_FALSE(timer("TimerOdswierzanieDanych")->isActive());
}

TEST_F(OknoRejestrow, KazdyKlawiszZapisuje) {
  m.Data(sfr::ACC) = 0x55;
  QLineEdit* a = wyczysc("LabeledEditA");
  EXPECT_EQ(m.Data(sfr::ACC), 0x55);  // a cleared field stores nothing
  QTest::keyClick(a, Qt::Key_1);
  EXPECT_EQ(m.Data(sfr::ACC), 0x01);
  QTest::keyClick(a, Qt::Key_F, Qt::ShiftModifier);
  EXPECT_EQ(m.Data(sfr::ACC), 0x1F);
  EXPECT_EQ(tekst("LabelStaraWartosc") + ">" + tekst("LabelNowaWartosc"), "55>1F");

  QTest::keyClicks(wyczysc("LabeledEditDPTR"), "etykieta");
  EXPECT_EQ(m.jadro->DPTR(), 0x1234);

  QLineEdit* b = wyczysc("LabeledEditB");
  QTest::keyClicks(b, "100");
  EXPECT_EQ(m.Data(sfr::B), 0x00);
  EXPECT_EQ(tekst("LabelNowaWartosc"), "100");
  EXPECT_TRUE(QTest::qWaitFor([&] { return zakres()->isVisible(); }, 2000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return zakres()->isHidden(); }, 2000));
  QTest::keyClick(b, Qt::Key_Backspace);
  EXPECT_EQ(m.Data(sfr::B), 0x10);
  EXPECT_FALSE(timer("Timer1MigajacySygnal")->isActive());
  EXPECT_TRUE(zakres()->isHidden());
}

TEST_F(OknoRejestrow, BityPswKlikane) {
  m.Data(sfr::PSW) = 0x00;
  ASSERT_TRUE(poOdswiezeniu());
  QTest::mouseClick(pole("LabeledEditAC"), Qt::LeftButton);
  EXPECT_EQ(m.Data(sfr::PSW), 0x40);
  EXPECT_EQ(pole("LabeledEditAC")->text(), "1");
  QTest::mouseClick(pole("LabeledEditAC"), Qt::LeftButton);
  QTest::mouseClick(pole("LabeledEditNULL1"), Qt::LeftButton);
  EXPECT_EQ(m.Data(sfr::PSW), 0x02);
  // The program set CY since the last refresh: the click clears the live
  // bit rather than acting on the "0" still shown.
  m.Data(sfr::PSW) = 0x82;
  QTest::mouseClick(pole("LabeledEditCY"), Qt::LeftButton);
  EXPECT_EQ(m.Data(sfr::PSW), 0x02);
}

// @R0 and @R1 look as read-only as they are: grey, no text cursor, and a
// click neither focuses them nor lets a key change them.
TEST_F(OknoRejestrow, PolaPosrednieWygladajaNaTylkoDoOdczytu) {
  const QColor tlo = pole("LabeledEditR0")->palette().color(QPalette::Base);
  for (const char* nazwa : {"LabeledEditMR0", "LabeledEditMR1"}) {
    QLineEdit* p = pole(nazwa);
    EXPECT_TRUE(p->isReadOnly()) << nazwa;
    EXPECT_EQ(p->palette().color(QPalette::Base), p->palette().color(QPalette::Window)) << nazwa;
    EXPECT_NE(p->palette().color(QPalette::Base), tlo) << nazwa;
    EXPECT_EQ(p->cursor().shape(), Qt::ArrowCursor) << nazwa;
    const QString przed = p->text();
    QTest::mouseClick(p, Qt::LeftButton);
    EXPECT_FALSE(p->hasFocus()) << nazwa;
    QTest::keyClicks(p, "12");
    EXPECT_EQ(p->text(), przed) << nazwa;
  }
  EXPECT_EQ(pole("LabeledEditR0")->cursor().shape(), Qt::IBeamCursor);
}

TEST_F(OknoRejestrow, BankIPosrednie) {
  m.Data(sfr::PSW) = 0x10;
  m.Data(0x10) = 0x90;
  m.Data(sfr::P1) = 0xFF;
  m.jadro->IdataGorna[0x90] = 0x5A;
  ASSERT_TRUE(poOdswiezeniu());
  EXPECT_EQ(tekst("BankRejestrow"), "2");
  EXPECT_EQ(pole("LabeledEditR0")->text(), "90");
  EXPECT_EQ(pole("LabeledEditMR0")->text(), "5A");
  m.Data(0x10) = 0x7F;
  m.Data(0x7F) = 0x66;
  EXPECT_TRUE(QTest::qWaitFor([&] { return pole("LabeledEditMR0")->text() == "66"; }, 2000));
}

// The field being typed into is neither rewritten nor repainted by the
// refresh until the user leaves it; unchanged fields are not repainted.
TEST_F(OknoRejestrow, PolePisaneOszczedzaneDoWyjscia) {
  QLineEdit* a = wyczysc("LabeledEditA");
  QTest::keyClick(a, Qt::Key_3);
  test::LicznikMalowania sp;
  pole("LabeledEditSP")->installEventFilter(&sp);
  m.Data(sfr::ACC) = 0x77;
  ASSERT_TRUE(poOdswiezeniu());
  ASSERT_TRUE(poOdswiezeniu());
  EXPECT_EQ(a->text(), "3");
  EXPECT_EQ(sp.ile, 0);
  // Tab is a key typed into the field too: its text goes in once more.
  QTest::keyClick(a, Qt::Key_Tab);
  EXPECT_EQ(m.Data(sfr::ACC), 0x03);
  m.Data(sfr::ACC) = 0x77;
  ASSERT_TRUE(poOdswiezeniu());
  EXPECT_EQ(a->text(), "77");
}

// The bank R0-R7 write to is the one they had when the user entered the
// field, even if the program switches banks meanwhile.
TEST_F(OknoRejestrow, BankUstalonyNaCzasEdycji) {
  QLineEdit* r3 = wyczysc("LabeledEditR3");
  QTest::keyClick(r3, Qt::Key_5);
  m.Data(sfr::PSW) = 0x08;
  QTest::keyClick(r3, Qt::Key_6);
  EXPECT_EQ(m.Data(0x03), 0x56);
  EXPECT_EQ(m.Data(0x0B), 0x00);
  ASSERT_TRUE(poOdswiezeniu());
  EXPECT_EQ(tekst("BankRejestrow"), "1");
  EXPECT_EQ(r3->text(), "56");
}

TEST_F(OknoRejestrow, TrybDziesietnyKonczyEdycje) {
  QLineEdit* a = wyczysc("LabeledEditA");
  QTest::keyClick(a, Qt::Key_A, Qt::ShiftModifier);
  okno.findChild<QAction*>("DECdziesitnie1")->trigger();
  EXPECT_EQ(okno.findChild<QMenu*>("Wyswietlanieliczb1")->title(), QString::fromUtf8("Wyświetlanie liczb - DEC"));
  EXPECT_FALSE(okno.findChild<QAction*>("HEXszesnastkowo1")->isChecked());
  EXPECT_EQ(a->text(), "10");
  EXPECT_EQ(pole("LabeledEditSP")->text(), "7");
  QTest::keyClicks(wyczysc("LabeledEditB"), "300");
  EXPECT_EQ(m.Data(sfr::B), 44);
  okno.findChild<QAction*>("HEXszesnastkowo1")->trigger();
  EXPECT_EQ(okno.findChild<QMenu*>("Wyswietlanieliczb1")->title(), QString::fromUtf8("Wyświetlanie liczb - HEX"));
  EXPECT_EQ(pole("LabeledEditB")->text(), "2C");
}

// Whatever is pasted, only the field's own register may change.
TEST_F(OknoRejestrow, ZlyTekstZmieniaNajwyzejSwojRejestr) {
  for (const QString& t : {QString(100000, '(') + "1" + QString(100000, ')'), QString(50000, '9'),
                           QString::fromUtf8("żółć€中"), QString("((((((1")}) {
    const Jadro przed = *m.jadro;
    QLineEdit* sp = wyczysc("LabeledEditSP");
    QApplication::clipboard()->setText(t);
    QTest::keyClick(sp, Qt::Key_V, Qt::ControlModifier);
    EXPECT_FALSE(sp->text().isEmpty());
    m.Data(sfr::SP) = przed.Data[sfr::SP];
    EXPECT_EQ(m.jadro->Data, przed.Data);
    EXPECT_EQ(m.jadro->IdataGorna, przed.IdataGorna);
  }
}

}  // namespace
}  // namespace kelbra
