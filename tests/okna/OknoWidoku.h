#pragma once
// What the inspection windows' tests share: a window over its own machine,
// shown and active, and keys and paints as the user's session has them.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "views/MaszynaZAsemblerem.h"

namespace kelbra::test {

template <class Okno>
class OknoWidoku : public ::testing::Test {
 protected:
  void SetUp() override {
    okno.UstawWidoki(*m.jadro, m.asembler);
    okno.show();
    okno.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&okno));
  }

  QString tekst(const char* nazwa) {
    const QLabel* e = okno.template findChild<QLabel*>(nazwa);
    return e ? e->text() : QStringLiteral("<brak>");
  }
  // Enters a field with the mouse and clears it with keys.
  static QLineEdit* wyczysc(QLineEdit* pole) {
    QTest::mouseClick(pole, Qt::LeftButton);
    QTest::keyClick(pole, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(pole, Qt::Key_Backspace);
    return pole;
  }

  Maszyna m;
  Okno okno;
};

// Counts the paints of the widgets it watches.
class LicznikMalowania : public QObject {
 public:
  int ile = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++ile;
    return false;
  }
};

}  // namespace kelbra::test
