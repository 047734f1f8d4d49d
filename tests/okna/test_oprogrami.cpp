// The About window and the two pictures it carries as resources.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImageReader>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "Oprogrami.h"

namespace kelbra {
namespace {

// The window registers the resources, so one is made before they are read.
TEST(OProgramie, ObrazyDekodujaSieJakoJpeg) {
  TFormOProgramie okno;
  const struct {
    const char* sciezka;
    QSize rozmiar;
  } obrazy[] = {{":/obrazy/plytka.jpg", {220, 150}}, {":/obrazy/uklad8051.jpg", {150, 150}}};
  for (const auto& o : obrazy) {
    QImageReader czytnik(o.sciezka, "jpeg");
    ASSERT_TRUE(czytnik.canRead()) << o.sciezka << ": " << czytnik.errorString().toStdString();
    const QImage obraz = czytnik.read();
    ASSERT_FALSE(obraz.isNull()) << o.sciezka << ": " << czytnik.errorString().toStdString();
    EXPECT_EQ(obraz.size(), o.rozmiar) << o.sciezka;
  }
}

TEST(OProgramie, OknoPokazujeNazweIObrazy) {
  TFormOProgramie okno;
  okno.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&okno));
  EXPECT_TRUE(okno.isWindow());
  EXPECT_EQ(okno.windowTitle(), "O Programi...");
  EXPECT_EQ(okno.objectName(), "FormOProgramie");

  EXPECT_TRUE(okno.Nazwa()->isVisible());
  EXPECT_EQ(okno.Nazwa()->text(), "Emulator kelbry WEX");
  const QSize rozmiary[] = {{220, 150}, {150, 150}};
  const QLabel* etykiety[] = {okno.Plytka(), okno.Uklad()};
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    EXPECT_TRUE(etykiety[i]->isVisible());
    EXPECT_EQ(etykiety[i]->pixmap().size(), rozmiary[i]);
    // The whole picture lies inside the window.
    EXPECT_TRUE(okno.rect().contains(etykiety[i]->geometry())) << etykiety[i]->geometry().x();
  }
  // Fixed to its content: the user cannot resize it.
  EXPECT_EQ(okno.minimumSize(), okno.maximumSize());
  EXPECT_EQ(okno.size(), okno.sizeHint());
}

TEST(OProgramie, ZamknieciePrzyciskiemTylkoChowa) {
  QPointer<TFormOProgramie> okno = new TFormOProgramie;
  okno->show();
  auto* ok = okno->findChild<QPushButton*>();
  ASSERT_NE(ok, nullptr);
  QTest::mouseClick(ok, Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_FALSE(okno.isNull());
  EXPECT_TRUE(okno->isHidden());

  okno->show();
  EXPECT_TRUE(okno->close());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_FALSE(okno.isNull());
  EXPECT_TRUE(okno->isHidden());
  delete okno;
}

}  // namespace
}  // namespace kelbra
