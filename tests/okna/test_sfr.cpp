// The SFR window driven by real key and mouse events.

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "EdycjaSfr.h"
#include "OknoWidoku.h"
#include "Sfr.h"

namespace kelbra {
namespace {

class OknoSfr : public test::OknoWidoku<TFormDataSFR> {
 protected:
  QLineEdit* pole(const QString& nazwa) { return okno.findChild<QLineEdit*>(nazwa); }
  QLineEdit* bajt(const char* rejestr) { return pole(QStringLiteral("LabeledEdit") + rejestr); }
  QLineEdit* bit(const char* rejestr, int b) { return pole(QStringLiteral("Bit") + rejestr + QString::number(b)); }
  QLineEdit* wyczysc(const char* rejestr) { return OknoWidoku::wyczysc(bajt(rejestr)); }
  void rozwin(std::initializer_list<const char*> naglowki) {
    for (const char* n : naglowki) QTest::mouseClick(okno.findChild<QLabel*>(n), Qt::LeftButton);
  }
  QString bity(const char* rejestr) {
    QString s;
    for (int b = 7; b >= 0; --b) s += bit(rejestr, b)->text();
    return s;
  }
  // Waits for a refresh, seen through TH1 (Liczniki must be expanded).
  bool poOdswiezeniu() {
    ++m.Data(sfr::TH1);
    const QString t = QString::number(m.Data(sfr::TH1), 16).toUpper().rightJustified(2, '0');
    return QTest::qWaitFor([&] { return bajt("TH1")->text() == t; }, 2000);
  }
  int menu() { return okno.findChild<QMenuBar*>()->height(); }
};

TEST_F(OknoSfr, ZbudowaneZTabeliISekcje) {
  EXPECT_EQ(okno.windowTitle(), "Rejestry SFR...");
  EXPECT_EQ(okno.findChild<QMenu*>("Wyswietlanieliczb1")->title(), QString::fromUtf8("Wyświetlanie liczb - HEX"));
  EXPECT_EQ(okno.size(), QSize(371, menu() + 84));
  int bajty = 0, komorki = 0, martwe = 0;
  for (QLineEdit* p : okno.findChildren<QLineEdit*>()) {
    bajty += p->objectName().startsWith("LabeledEdit");
    if (p->objectName().startsWith("Bit")) ++(p->cursor().shape() == Qt::PointingHandCursor ? komorki : martwe);
  }
  EXPECT_EQ(bajty, 15);
  EXPECT_EQ(komorki, 73);
  EXPECT_EQ(martwe, 7);
  EXPECT_EQ(tekst("BitP11Label"), "T2EX");
  rozwin({"Panel2"});
  EXPECT_EQ(okno.WysokosciSekcji(), (std::array<int32_t, 4>{0, 101, 0, 0}));
  EXPECT_EQ(okno.height(), menu() + 84 + 101);
  EXPECT_TRUE(bajt("TMOD")->isVisible());
  EXPECT_FALSE(bajt("P0")->isVisible());
  rozwin({"Panel3", "Panel2"});
  EXPECT_EQ(okno.height(), menu() + 84 + 96);
  // The window-layout line sets the sections while the window is visible.
  okno.UstawWysokosciSekcji({0, 1, 0, 1});
  EXPECT_EQ(okno.WysokosciSekcji(), (std::array<int32_t, 4>{0, 101, 0, 51}));
  EXPECT_EQ(okno.height(), menu() + 84 + 101 + 51);
}

TEST_F(OknoSfr, WpisywanieDoBajtow) {
  rozwin({"Panel3", "Panel2"});
  QLineEdit* p1 = wyczysc("P1");
  EXPECT_EQ(m.Data(sfr::P1), 0xFF);
  QTest::keyClicks(p1, "1F");
  EXPECT_EQ(m.Data(sfr::P1), 0x1F);
  EXPECT_EQ(tekst("LabelStaraWartosc") + ">" + tekst("LabelNowaWartosc"), "00FF>001F");
  EXPECT_TRUE(QTest::qWaitFor([&] { return bity("P1") == "00011111"; }, 2000));

  okno.findChild<QAction*>("DECdziesitnie1")->trigger();
  QLineEdit* tl0 = wyczysc("TL0");
  QTest::keyClicks(tl0, "300");
  EXPECT_EQ(m.Data(sfr::TL0), 44);
  QLabel* lewy = okno.findChild<QLabel*>("LabelPrzekroczonoZakres2");
  QLabel* prawy = okno.findChild<QLabel*>("LabelZakresPrzekroczono");
  EXPECT_TRUE(QTest::qWaitFor([&] { return prawy->isVisible() && lewy->isVisible(); }, 2000));
  QTest::keyClick(tl0, Qt::Key_Backspace);
  EXPECT_EQ(m.Data(sfr::TL0), 30);
  EXPECT_TRUE(prawy->isHidden() && lewy->isHidden());
  EXPECT_FALSE(okno.findChild<QTimer*>("TimerPrzekroczonoZakres")->isActive());
}

TEST_F(OknoSfr, BityKlikane) {
  rozwin({"Panel1", "Panel2", "Panel4"});
  QTest::mouseClick(bit("TCON", 4), Qt::LeftButton);
  EXPECT_EQ(m.Data(sfr::TCON), 0x10);
  EXPECT_EQ(bit("TCON", 4)->text(), "1");
  // Cleared by the program since the last refresh: the click sets the live bit.
  m.Data(sfr::TCON) = 0x00;
  QTest::mouseClick(bit("TCON", 4), Qt::LeftButton);
  EXPECT_EQ(m.Data(sfr::TCON), 0x10);
  // The grey cells of IE flip their bits; those of PCON do nothing.
  QTest::mouseClick(bit("IE", 6), Qt::LeftButton);
  EXPECT_EQ(m.Data(sfr::IE), 0x40);
  for (int b = 0; b < 7; ++b) QTest::mouseClick(bit("PCON", b), Qt::LeftButton);
  EXPECT_EQ(m.Data(sfr::PCON), 0x00);
  EXPECT_EQ(bit("PCON", 3)->text(), "");
}

// Collapsed sections are not refreshed; the field being typed into is not
// either, but its bit cells are, and it is again once the user leaves it.
TEST_F(OknoSfr, CoOdswiezane) {
  rozwin({"Panel1", "Panel2"});
  QLineEdit* ie = wyczysc("IE");
  QTest::keyClick(ie, Qt::Key_8);
  m.Data(sfr::IE) = 0x81;
  m.Data(sfr::P0) = 0x3C;
  ASSERT_TRUE(poOdswiezeniu());
  EXPECT_EQ(ie->text(), "8");
  EXPECT_EQ(bity("IE"), "10000001");
  EXPECT_EQ(bajt("P0")->text(), "");
  QTest::mouseClick(bajt("TMOD"), Qt::LeftButton);
  ASSERT_TRUE(poOdswiezeniu());
  EXPECT_EQ(ie->text(), "81");
  rozwin({"Panel3"});
  EXPECT_TRUE(QTest::qWaitFor([&] { return bity("P0") == "00111100"; }, 2000));
}

TEST_F(OknoSfr, ZlyTekstZmieniaNajwyzejSwojRejestr) {
  rozwin({"Panel4"});
  const Jadro przed = *m.jadro;
  QLineEdit* sbuf = wyczysc("SBUF");
  for (const char* t : {"((((((((((((1", "))))", "1/0", "65535*65535*65535"}) QTest::keyClicks(sbuf, t);
  // Letters no key of QTest's table produces, typed as text.
  for (QChar z : QString::fromUtf8("żółć€中"))
    QTest::sendKeyEvent(QTest::Click, sbuf, Qt::Key_unknown, QString(z), Qt::NoModifier);
  EXPECT_TRUE(sbuf->text().endsWith(QString::fromUtf8("żółć€中")));
  m.Data(sfr::SBUF) = przed.Data[sfr::SBUF];
  EXPECT_EQ(m.jadro->Data, przed.Data);
}

// No maximise button on the fixed-size window, and no bit caption's text
// runs into its neighbour's or into the register's own caption.
TEST_F(OknoSfr, BezMaksymalizacjiIPodpisyNieNachodza) {
  EXPECT_FALSE(okno.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(okno.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_TRUE(okno.windowFlags().testFlag(Qt::WindowCloseButtonHint));
  rozwin({"Panel1", "Panel2", "Panel3", "Panel4"});
  // Where a label's text is drawn, in its panel's coordinates.
  const auto napis = [](const QLabel* e) {
    const int w = QFontMetrics(e->font()).horizontalAdvance(e->text());
    const QRect r = e->contentsRect();
    const int x = e->alignment() & Qt::AlignHCenter ? r.x() + (r.width() - w) / 2 : r.x();
    return QRect(e->x() + x, e->y(), w, e->height());
  };
  int porownane = 0;
  for (const OpisSfr& r : RejestrySfr) {
    if (!r.maBity) continue;
    std::vector<QRect> podpisy = {napis(okno.findChild<QLabel*>(QStringLiteral("LabeledEdit") + r.nazwa + "Label"))};
    for (int b = 7; b >= 0; --b) {
      const QLabel* e = okno.findChild<QLabel*>(QStringLiteral("Bit") + r.nazwa + QString::number(b) + "Label");
      if (e && !e->text().isEmpty()) podpisy.push_back(napis(e));
    }
    for (size_t k = 1; k < podpisy.size(); ++k, ++porownane)
      EXPECT_LT(podpisy[k - 1].right() + 1, podpisy[k].left()) << r.nazwa << " caption " << k;
    EXPECT_LE(podpisy.back().right(), SzerokoscOknaSfr) << r.nazwa;
  }
  EXPECT_GT(porownane, 60);
  // PCON's cells end before SCON's field begins.
  EXPECT_LT(bit("PCON", 0)->geometry().right(), bajt("SCON")->x());
}

}  // namespace
}  // namespace kelbra
