// The timing window with real events: the wheel zooms in around the
// pointer, and two clicks near a pin's edges snap to them and give the
// time between.

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include "Przebiegi.h"

namespace kelbra {
namespace {

TEST(Przebiegi, WheelZoomsAndTwoCursorsOnEdgesMeasureTheirDistance) {
  ZapisPrzebiegow z;
  z.Wlacz(true);
  z.Rozpocznij(0, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
  for (uint64_t n = 1; n <= 8; ++n) z.Bajt(Sygnal::P1, n % 2 ? 0xFE : 0xFF, n * 130'000);
  z.UstawKoniec(1'100'000);
  TFormPrzebiegi okno(z);
  okno.resize(800, 400);
  okno.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&okno));
  WykresPrzebiegow* w = okno.Wykres();
  QWidget* v = w->viewport();
  QTest::mouseClick(okno.findChild<QToolButton*>("ButtonCalosc"), Qt::LeftButton);
  EXPECT_FALSE(w->Widok().NaZywo());

  const auto y = w->SrodekWiersza(Sygnal::P1, 0);
  ASSERT_TRUE(y);
  auto x = [&](double cykl) { return WykresPrzebiegow::SzerokoscNazw + static_cast<int>(w->Widok().X(cykl)); };
  // Two notches of the wheel over the edge at 390,000 cycles: nearer, with that edge kept under the pointer.
  const double przed = w->Widok().NaPiksel();
  const QPointF nad(x(390'000), *y);
  QWheelEvent kolko(nad, v->mapToGlobal(nad), {}, {0, 240}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(v, &kolko);
  EXPECT_LT(w->Widok().NaPiksel(), przed / 1.5);
  EXPECT_NEAR(w->Widok().X(390'000), nad.x() - WykresPrzebiegow::SzerokoscNazw, 1.0);

  // A few pixels off the edges at 260,000 and 520,000: the cursors snap to them.
  QTest::mouseClick(v, Qt::LeftButton, {}, QPoint(x(260'000) - 3, *y));
  QTest::mouseClick(v, Qt::RightButton, {}, QPoint(x(520'000) + 4, *y));
  EXPECT_EQ(w->KursorA(), 260'000u);
  EXPECT_EQ(w->KursorB(), 520'000u);
  EXPECT_TRUE(okno.findChild<QLabel*>("LabelKursory")->text().contains("Δt = 260000 µs = 260000 cykli"));

  // Off the pin rows nothing snaps.
  QTest::mouseClick(v, Qt::LeftButton, {}, QPoint(x(260'000) - 3, *w->SrodekWiersza(Sygnal::P2, -1)));
  EXPECT_NE(w->KursorA(), 260'000u);
}

}  // namespace
}  // namespace kelbra
