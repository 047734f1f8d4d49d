// The memory window driven by real key, mouse and wheel events.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QMenu>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

#include "Data.h"
#include "OknoWidoku.h"

namespace kelbra {
namespace {

class OknoPamieci : public test::OknoWidoku<TFormDATA> {
 protected:
  QAction* akcja(const char* nazwa) { return okno.findChild<QAction*>(nazwa); }
  QWidget* siatka(bool znaki) { return okno.findChild<QWidget*>(znaki ? "SGDATACHAR" : "SGDATA"); }
  QScrollBar* suwak() { return okno.findChild<QScrollBar*>("ScrollBar"); }
  QLineEdit* edytor() { return okno.findChild<QLineEdit*>("EdytorKomorki"); }
  QLabel* zakres() { return okno.findChild<QLabel*>("LabelZakresPrzekroczono"); }
  // Scrolls the cell's row as near the top as it goes and clicks it.
  void kliknij(bool znaki, int32_t adres) {
    const UkladPamieci u = okno.Edycja().Uklad();
    const int wiersz = adres / u.kolumny + 1, kolumna = adres % u.kolumny;
    suwak()->setValue(wiersz);
    const int pokazany = wiersz - okno.GornyWiersz() + 1;
    ASSERT_TRUE(pokazany >= 1 && pokazany < okno.WidoczneWiersze());
    const int x = znaki ? SzerokoscZnaku * kolumna + 5 : u.LewaKrawedz(kolumna + 1) + 5;
    QTest::mouseClick(siatka(znaki), Qt::LeftButton, {}, QPoint(x, WysokoscWiersza * pokazany + 8));
  }
  // Keys go where the keyboard focus is, as the user's would.
  void pisz(const char* tekst) {
    for (const char* z = tekst; *z; ++z) QTest::keyClicks(QApplication::focusWidget(), QString(QChar(*z)));
  }
  void kolko(QWidget* w, int kroki) {
    const QPointF p(w->width() / 2.0, w->height() / 2.0);
    QWheelEvent e(p, w->mapToGlobal(p), {}, QPoint(0, 120 * kroki), Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
  }
};

TEST_F(OknoPamieci, PrzestrzenieIKolumny) {
  EXPECT_EQ(okno.windowTitle(), QString::fromUtf8("Pamieć IDATA..."));
  for (const char* n : {"IDATA1", "N81", "HEX1"}) EXPECT_TRUE(akcja(n)->isChecked()) << n;
  EXPECT_EQ(okno.findChild<QTimer*>("TimerOdswierzDane")->interval(), 1500);
  EXPECT_TRUE(okno.findChild<QTimer*>("TimerOdswierzDane")->isActive());
  const struct {
    const char* element;
    const char* tytul;
    const char* kolumny;
    int wiersze;
    const char* ostatni;
  } przypadki[] = {{"DATA1", "Pamieć DATA...", "N81", 17, "78"},
                   {"CODE1", "Pamieć CODE...", "N161", 4097, "FFF0"},
                   {"XDATA1", "Pamieć XDATA...", "N161", 4097, "FFF0"}};
  for (const auto& p : przypadki) {
    akcja(p.element)->trigger();
    EXPECT_EQ(okno.windowTitle(), QString::fromUtf8(p.tytul));
    int zaznaczone = 0;
    for (const char* n : {"DATA1", "IDATA1", "CODE1", "XDATA1", "N41", "N81", "N161", "N321"})
      zaznaczone += akcja(n)->isChecked();
    EXPECT_EQ(zaznaczone, 2);
    EXPECT_TRUE(akcja(p.kolumny)->isChecked()) << p.element;
    EXPECT_EQ(okno.Edycja().Uklad().LiczbaWierszy(), p.wiersze);
    EXPECT_EQ(okno.TekstKomorki(false, p.wiersze - 1, 0), p.ostatni);
    EXPECT_EQ(okno.width(), siatka(false)->width() + siatka(true)->width() + suwak()->width());
  }
  EXPECT_EQ(siatka(false)->width(), 33 + 23 * 16 + 1);
  akcja("N41")->trigger();
  EXPECT_EQ(okno.Edycja().Uklad().LiczbaWierszy(), 16385);
  // From the top of XDATA to its bottom at once.
  QElapsedTimer czas;
  czas.start();
  kliknij(false, 0);
  QTest::keyClick(siatka(false), Qt::Key_End, Qt::ControlModifier);
  QApplication::processEvents();
  EXPECT_LT(czas.elapsed(), 1000);
  EXPECT_EQ(okno.GornyWiersz(), 16385 - okno.WidoczneWiersze() + 1);
  EXPECT_EQ(okno.TekstKomorki(false, 16384, 0), "FFFC");
}

TEST_F(OknoPamieci, WartosciWpisywane) {
  kliknij(false, 0x90);
  pisz("3C");
  EXPECT_EQ(m.jadro->IdataGorna[0x90], 0x3C);
  EXPECT_EQ(m.Data(sfr::P1), 0xFF);
  QTest::keyClick(edytor(), Qt::Key_Return);
  EXPECT_FALSE(edytor()->isVisible());
  EXPECT_EQ(okno.TekstKomorki(false, 0x90 / 8 + 1, 1), "3C");

  akcja("DATA1")->trigger();
  akcja("DEC1")->trigger();
  EXPECT_EQ(okno.findChild<QMenu*>("Wyswietlanieliczb1")->title(), QString::fromUtf8("Wyświetlanie liczb - DEC"));
  kliknij(false, 0x20);
  pisz("300");
  EXPECT_EQ(m.Data(0x20), 44);
  EXPECT_EQ(tekst("LabelNowaWartosc"), "300");
  EXPECT_TRUE(QTest::qWaitFor([&] { return zakres()->isVisible(); }, 2000));
  QTest::keyClick(edytor(), Qt::Key_Return);
  EXPECT_TRUE(zakres()->isHidden());
  EXPECT_FALSE(okno.findChild<QTimer*>("TimerPrzekroczonoZakres")->isActive());
}

// "Bylo:" and Esc use the byte in memory when the edit starts, not the
// text painted up to 1.5 s before.
TEST_F(OknoPamieci, EscPrzywracaBajtZPoczatkuEdycji) {
  akcja("XDATA1")->trigger();
  m.jadro->Xdata[0x100] = 0x12;
  okno.OdswiezKomorki();
  m.jadro->Xdata[0x100] = 0x34;
  kliknij(false, 0x100);
  QTest::keyClick(siatka(false), Qt::Key_F2);
  EXPECT_EQ(edytor()->text(), "34");
  EXPECT_EQ(tekst("LabelStaraWartosc"), "52");
  QTest::keyClick(edytor(), Qt::Key_A, Qt::ControlModifier);
  pisz("77");
  EXPECT_EQ(m.jadro->Xdata[0x100], 0x77);
  QTest::keyClick(edytor(), Qt::Key_Escape);
  EXPECT_EQ(m.jadro->Xdata[0x100], 0x34);
  EXPECT_EQ(okno.Edycja().AdresEdytowany, -1);
}

TEST_F(OknoPamieci, SiatkaZnakow) {
  akcja("XDATA1")->trigger();
  kliknij(true, 0x30);
  pisz("OK");
  EXPECT_EQ(m.jadro->Xdata[0x30], 0x4F);
  EXPECT_EQ(m.jadro->Xdata[0x31], 0x4B);
  const auto przed = m.jadro->Xdata;
  for (Qt::Key k : {Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Escape}) QTest::keyClick(siatka(true), k);
  QTest::sendKeyEvent(QTest::Click, siatka(true), Qt::Key_unknown, QString::fromUtf8("中"), Qt::NoModifier);
  EXPECT_EQ(m.jadro->Xdata, przed);
  QTest::sendKeyEvent(QTest::Click, siatka(true), Qt::Key_unknown, QString::fromUtf8("ł"), Qt::NoModifier);
  EXPECT_EQ(m.jadro->Xdata[0x32], 0xB3);
  m.jadro->Xdata[0x35] = 0x05;
  kliknij(true, 0x32);
  EXPECT_EQ(tekst("LabelStaraWartosc") + tekst("LabelNowaWartosc"), QString::fromUtf8("łł"));
  EXPECT_EQ(okno.TekstKomorki(true, 4, 5), " ");
  // Typing runs on into the next row.
  kliknij(true, 0x3F);
  pisz("ab");
  EXPECT_EQ(m.jadro->Xdata[0x40], 'b');
}

// A new space, row length or radix ends the edit before any further key.
TEST_F(OknoPamieci, ZmianaUkladuKonczyEdycje) {
  for (const char* element : {"N41", "CODE1", "DEC1"}) {
    kliknij(false, 0x10);
    pisz("5");
    ASSERT_EQ(okno.Edycja().AdresEdytowany, 0x10);
    akcja(element)->trigger();
    EXPECT_FALSE(edytor()->isVisible()) << element;
    EXPECT_EQ(okno.Edycja().AdresEdytowany, -1) << element;
  }
  EXPECT_EQ(m.jadro->Code[0x10], 5);
}

TEST_F(OknoPamieci, WysokoscIPrzewijanie) {
  const int w = okno.width();
  okno.resize(w, 10);
  EXPECT_TRUE(QTest::qWaitFor([&] { return okno.height() == okno.Ramka() + 2 * 17; }, 2000));
  okno.resize(w, okno.Ramka() + 17 * 5 + 9);
  EXPECT_TRUE(QTest::qWaitFor([&] { return okno.height() == okno.Ramka() + 17 * 5; }, 2000));
  EXPECT_EQ(suwak()->maximum(), 33 - 5 + 1);
  // The wheel over either grid and the keyboard move both grids and the bar.
  akcja("XDATA1")->trigger();
  kolko(siatka(true), -1);
  EXPECT_EQ(okno.GornyWiersz(), 4);
  kolko(siatka(false), 10);
  EXPECT_EQ(okno.GornyWiersz(), 1);
  kliknij(false, 0);
  for (int k = 0; k < 4; ++k) QTest::keyClick(siatka(false), Qt::Key_Down);
  EXPECT_EQ(okno.GornyWiersz(), 2);
  EXPECT_EQ(suwak()->value(), 2);
}

// A refresh repaints only when a shown byte changed.
TEST_F(OknoPamieci, OdswiezanieTylkoPrzyZmianie) {
  test::LicznikMalowania malowania;
  siatka(false)->installEventFilter(&malowania);
  siatka(true)->installEventFilter(&malowania);
  QTest::qWait(50);
  malowania.ile = 0;
  m.jadro->IdataGorna[0xF8] = 0x41;  // below the rows shown
  okno.OdswiezKomorki();
  QTest::qWait(50);
  EXPECT_EQ(malowania.ile, 0);
  m.Data(0x05) = 0x41;
  EXPECT_TRUE(QTest::qWaitFor([&] { return malowania.ile >= 2; }, 2500));
}

TEST_F(OknoPamieci, ZlyTekstPiszeNajwyzejSwojaKomorke) {
  akcja("CODE1")->trigger();
  const Jadro przed = *m.jadro;
  kliknij(false, 0xFFFF);
  QTest::keyClick(siatka(false), Qt::Key_F2);
  QApplication::clipboard()->setText(QString(100000, '(') + "1" + QString(100000, ')'));
  QTest::keyClick(edytor(), Qt::Key_V, Qt::ControlModifier);
  QTest::sendKeyEvent(QTest::Click, edytor(), Qt::Key_unknown, QString::fromUtf8("ż"), Qt::NoModifier);
  QTest::keyClick(edytor(), Qt::Key_Return);
  m.jadro->Code[0xFFFF] = przed.Code[0xFFFF];
  EXPECT_EQ(m.jadro->Code, przed.Code);
  EXPECT_EQ(m.jadro->Data, przed.Data);
}

// "!!! ZAKRES !!!" stays inside the window at every width: beside the
// preview where there is room, on a line of its own where there is not,
// and the grids move down to make that line.
TEST_F(OknoPamieci, OstrzezenieZakresuWidocznePrzyKazdejSzerokosci) {
  QLabel* zakres = okno.findChild<QLabel*>("LabelZakresPrzekroczono");
  ASSERT_NE(zakres, nullptr);
  for (const char* kolumny : {"N321", "N161", "N81", "N41"}) {
    akcja(kolumny)->trigger();
    kliknij(false, 1);
    pisz("999");
    ASSERT_TRUE(QTest::qWaitFor([&] { return zakres->isVisible(); }, 2000)) << kolumny;
    const QRect r(zakres->mapTo(&okno, QPoint(0, 0)), zakres->size());
    EXPECT_TRUE(okno.rect().contains(r)) << kolumny;
    EXPECT_GE(r.width(), zakres->sizeHint().width()) << kolumny;
    EXPECT_LE(r.bottom(), siatka(false)->y()) << kolumny;
    EXPECT_EQ(okno.Ramka(), siatka(false)->y()) << kolumny;
    QTest::keyClick(okno.focusWidget(), Qt::Key_Escape);
  }
}

}  // namespace
}  // namespace kelbra
