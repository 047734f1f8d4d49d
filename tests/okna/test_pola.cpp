// The pieces the inspection windows share: a timer that follows its
// window's showing and hiding, and the preview line with its blinking
// warnings.

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "Pola.h"

namespace kelbra {
namespace {

TEST(TimerOkna, BiegnieTylkoGdyOknoPokazaneIWlaczone) {
  QWidget okno;
  int tiki = 0, zatrzymania = 0;
  auto* t = new TimerOkna(&okno, "TimerProby", 5, [&] { ++tiki; }, [&] { ++zatrzymania; });
  EXPECT_EQ(okno.findChild<QTimer*>("TimerProby"), t->Timer());
  EXPECT_EQ(t->Timer()->interval(), 5);
  const struct {
    const char* opis;
    std::function<void()> krok;
    bool biegnie;
    int zatrzymania;
  } kroki[] = {
      {"created, the window hidden", [] {}, false, 0},
      {"shown", [&] { okno.show(); }, true, 0},
      {"switched off", [&] { t->Wlacz(false); }, false, 1},
      {"hidden and shown while off", [&] { okno.hide(), okno.show(); }, false, 2},
      {"switched on", [&] { t->Wlacz(true); }, true, 2},
      {"hidden", [&] { okno.hide(); }, false, 3},
      {"switched on while hidden", [&] { t->Wlacz(true); }, false, 4},
      {"shown again", [&] { okno.show(); }, true, 4},
  };
  for (const auto& k : kroki) {
    k.krok();
    EXPECT_EQ(t->Timer()->isActive(), k.biegnie) << k.opis;
    EXPECT_EQ(zatrzymania, k.zatrzymania) << k.opis;
  }
  EXPECT_TRUE(QTest::qWaitFor([&] { return tiki >= 2; }, 2000));
}

TEST(PodgladWartosci, LiniaIMigajaceOstrzezenia) {
  QWidget okno;
  auto* podglad = new PodgladWartosci(&okno, &okno, 4, 3, "TimerMigania", 20);
  QLabel* lewe = podglad->Ostrzezenie("LewyZakres");
  QLabel* prawe = podglad->Ostrzezenie("PrawyZakres");
  auto etykieta = [&](const char* nazwa) { return okno.findChild<QLabel*>(nazwa); };
  auto timer = [&] { return okno.findChild<QTimer*>("TimerMigania"); };
  // Left to right from x, the line's end after the new value.
  int x = 4;
  for (const char* n : {"Label3", "LabelStaraWartosc", "Label2", "Label5", "LabelNowaWartosc"}) {
    ASSERT_NE(etykieta(n), nullptr) << n;
    EXPECT_EQ(etykieta(n)->x(), x) << n;
    x = etykieta(n)->geometry().right() + 4;
  }
  EXPECT_EQ(podglad->Koniec(), x);
  EXPECT_EQ(etykieta("Label3")->text() + etykieta("Label2")->text() + etykieta("Label5")->text(), "Bylo:==>>>Bedzie");
  EXPECT_EQ(lewe->text(), "!!! ZAKRES !!!");
  EXPECT_EQ(timer()->interval(), 20);

  okno.show();
  podglad->Pokaz("12", "\xC5\xBC" "300", true);
  EXPECT_EQ(etykieta("LabelStaraWartosc")->text(), "12");
  EXPECT_EQ(etykieta("LabelNowaWartosc")->text(), QString::fromUtf8("ż300"));
  // Both warnings blink together.
  for (bool widoczne : {true, false, true}) {
    ASSERT_TRUE(QTest::qWaitFor([&] { return lewe->isVisible() == widoczne; }, 2000)) << widoczne;
    EXPECT_EQ(prawe->isVisible(), widoczne);
  }
  okno.hide();
  EXPECT_FALSE(timer()->isActive());
  EXPECT_TRUE(lewe->isHidden() && prawe->isHidden());
  okno.show();
  EXPECT_TRUE(timer()->isActive());
  podglad->Pokaz("12", "13", false);
  EXPECT_FALSE(timer()->isActive());
  EXPECT_TRUE(lewe->isHidden() && prawe->isHidden());
}

}  // namespace
}  // namespace kelbra
