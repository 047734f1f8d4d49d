// The board window driven by real mouse and key events, beside the main
// window that owns the core; what it shows is read back from the screen.

#include <gtest/gtest.h>

#include <array>
#include <memory>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>

#include "EdytorRozkazow.h"
#include "Kelbra.h"
#include "Ograniczenia.h"
#include "Okno_edycji_rozkazow.h"
#include "Plytka.h"
#include "Tabela_rozkazy.h"

namespace kelbra {
namespace {

constexpr uint16_t FFB0 = 0xFFB0;
constexpr uint16_t FFE1 = 0xFFE1;
constexpr uint16_t FFE2 = 0xFFE2;

QPoint Srodek(const Obszar& o) { return {o.x + o.szerokosc / 2, o.y + o.wysokosc / 2}; }
QColor Kolor(Rgb k) { return {k.r, k.g, k.b}; }

// Counts the paint events a widget receives.
class LicznikMalowania final : public QObject {
 public:
  int malowania = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++malowania;
    return false;
  }
};

class Kelbra : public ::testing::Test {
 protected:
  void SetUp() override {
    // Wired as the program wires them.
    kelbra.UstawPuls(okno.PulsStatusu());
    QObject::connect(&okno, &Tokno_edycji_rozkazow::PoTyknieciuBiegu, &kelbra, &TFormKelbra::PoTyknieciuBiegu);
    Tokno_edycji_rozkazow::OknaPomocnicze okna;
    okna[Okno::Tabela] = &tabela;
    okna[Okno::Kelbra] = &kelbra;
    okna[Okno::Prn] = &prn;
    okno.UstawOkna(okna);
    okno.move(0, 0);
    okno.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&okno));
  }

  void PokazPlytke() {
    okno.findChild<QAction*>("Kelbra1")->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&kelbra));
  }
  const UkladKelbry& u() const { return kelbra.Uklad(); }
  Jadro& j() { return okno.jadro(); }
  // What the screen shows of the board window.
  QImage Ekran() { return kelbra.screen()->grabWindow(kelbra.winId()).toImage(); }
  QColor Ekran(QPoint p) { return Ekran().pixelColor(p); }
  // A port's LEDs read back as the latch byte they show.
  uint8_t Diody(const QImage& obraz, int port) {
    uint8_t bajt = 0xFF;
    for (int pozycja = 0; pozycja < 8; ++pozycja) {
      if (obraz.pixelColor(Srodek(u().Diody[port][pozycja])) == Kolor(KolorDiodySwieci))
        bajt &= static_cast<uint8_t>(~(0x80u >> pozycja));
    }
    return bajt;
  }
  uint8_t Diody(int port) { return Diody(Ekran(), port); }
  void Kliknij(const Obszar& o) { QTest::mouseClick(&kelbra, Qt::LeftButton, {}, Srodek(o)); }
  void Uruchom(const char* program) {
    okno.edytor()->setPlainText(program);
    okno.findChild<QAction*>("Run1")->trigger();
    ASSERT_TRUE(okno.findChild<QTimer*>("TimerPracaCiaglaJadra")->isActive());
  }
  PulsOdswiezania* puls() { return kelbra.findChild<PulsOdswiezania*>("TimerZezwolenieNaOdswierzanie"); }
  QTimer* timerKursor() { return kelbra.findChild<QTimer*>("TimerKursor"); }

  Tokno_edycji_rozkazow okno;
  PlytkaKelbra& plytka = okno.plytka();
  Ttabela_rozkazy tabela;
  TFormKelbra kelbra{plytka};
  TFormOgraniczeniEmulatora prn;
};

TEST_F(Kelbra, OknaMenuShowsTheFixedSizeBoardAndClosingOnlyHidesIt) {
  EXPECT_FALSE(puls()->isActive());
  PokazPlytke();
  EXPECT_EQ(kelbra.windowTitle(), "Kelbra...");
  EXPECT_TRUE(puls()->isActive());
  // A stored layout may move the window but never resize it.
  kelbra.setGeometry(40, 50, 600, 400);
  EXPECT_EQ(kelbra.size(), QSize(u().SzerokoscKlienta, 257));
  EXPECT_FALSE(kelbra.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));

  Kliknij(u().KlStatyczne[4]);
  EXPECT_TRUE(kelbra.close());
  EXPECT_FALSE(kelbra.isVisible());
  EXPECT_FALSE(puls()->isActive());
  // Hidden, the board copies no key bytes: what the program stored stays.
  j().Xdata[FFB0] = j().Xdata[FFE1] = 0x00;
  QTest::qWait(30);
  EXPECT_EQ(j().Xdata[FFB0], 0x00);
  PokazPlytke();
  EXPECT_TRUE(QTest::qWaitFor([&] { return j().Xdata[FFB0] == 0xEF && j().Xdata[FFE1] == 0xFF; }, 200));
}

// Every key caption keeps a pixel of the button's face between itself and
// the bevel, K10 to K15 too: the columns just inside the bevel are plain.
TEST_F(Kelbra, KeyCaptionsKeepClearOfTheButtonEdges) {
  PokazPlytke();
  const QImage obraz = kelbra.grab().toImage();
  ASSERT_EQ(obraz.size(), kelbra.size());
  const QRgb tlo = kelbra.palette().button().color().rgb();
  for (int n = 0; n < PlytkaKelbra::LiczbaKlDynamicznych; ++n) {
    const Obszar& o = u().KlDynamiczne[n];
    int obce = 0;
    for (int x : {o.x + 2, o.x + o.szerokosc - 3})
      for (int y = o.y + 2; y < o.y + o.wysokosc - 2; ++y) obce += obraz.pixel(x, y) != tlo;
    EXPECT_EQ(obce, 0) << "K" << n;
  }
}

TEST_F(Kelbra, StaticKeysLatchOnAClickReleasedOverThem) {
  PokazPlytke();
  Kliknij(u().KlStatyczne[0]);
  Kliknij(u().KlStatyczne[2]);
  EXPECT_EQ(j().Xdata[FFB0], 0xFA);
  EXPECT_TRUE(QTest::qWaitFor([&] { return Ekran(Srodek(u().Wskazniki[2])) == Kolor(KolorWskaznikaWlaczony); }));
  EXPECT_EQ(Ekran(Srodek(u().Wskazniki[1])), Kolor(KolorWskaznikaWylaczony));
  Kliknij(u().KlStatyczne[2]);
  EXPECT_EQ(j().Xdata[FFB0], 0xFE);
  EXPECT_TRUE(QTest::qWaitFor([&] { return Ekran(Srodek(u().Wskazniki[2])) == Kolor(KolorWskaznikaWylaczony); }));

  // Lowered while held; a release away from the key is no click.
  const QPoint s4 = Srodek(u().KlStatyczne[3]);
  QTest::mousePress(&kelbra, Qt::LeftButton, {}, s4);
  EXPECT_TRUE(plytka.KlStatycznyWcisniety(3));
  EXPECT_EQ(j().Xdata[FFB0], 0xFE);
  QTest::mouseRelease(&kelbra, Qt::LeftButton, {}, s4 + QPoint(30, 0));
  EXPECT_FALSE(plytka.KlStatycznyWcisniety(3));
  EXPECT_EQ(j().Xdata[FFB0], 0xFE);

  // A double click is two clicks, as the window system delivers it.
  const QPoint s2 = Srodek(u().KlStatyczne[1]);
  QTest::mousePress(&kelbra, Qt::LeftButton, {}, s2);
  QTest::mouseRelease(&kelbra, Qt::LeftButton, {}, s2);
  QMouseEvent podwojny(QEvent::MouseButtonDblClick, s2, kelbra.mapToGlobal(s2), Qt::LeftButton, Qt::LeftButton,
                       Qt::NoModifier);
  QApplication::sendEvent(&kelbra, &podwojny);
  QTest::mouseRelease(&kelbra, Qt::LeftButton, {}, s2);
  EXPECT_EQ(j().Xdata[FFB0], 0xFE);
  EXPECT_FALSE(plytka.KlStatycznyWcisniety(1));
}

TEST_F(Kelbra, DynamicKeysArePressedWhileHeld) {
  PokazPlytke();
  const struct {
    int klawisz;
    uint16_t adres;
    uint8_t wcisniety;
  } przypadki[] = {{0, FFE1, 0xFE}, {7, FFE1, 0x7F}, {8, FFE2, 0xFE}, {9, FFE2, 0xFD}, {15, FFE2, 0x7F}};
  for (const auto& p : przypadki) {
    const uint16_t drugi = p.adres == FFE1 ? FFE2 : FFE1;
    const QPoint srodek = Srodek(u().KlDynamiczne[p.klawisz]);
    QTest::mousePress(&kelbra, Qt::LeftButton, {}, srodek);
    EXPECT_EQ(j().Xdata[p.adres], p.wcisniety) << "K" << p.klawisz;
    EXPECT_EQ(j().Xdata[drugi], 0xFF) << "K" << p.klawisz;
    QTest::mouseRelease(&kelbra, Qt::LeftButton, {}, srodek);
    EXPECT_EQ(j().Xdata[p.adres], 0xFF) << "K" << p.klawisz;
  }
}

TEST_F(Kelbra, ADynamicKeyLetGoAtOrAboveItsTopEdgeStaysHeld) {
  PokazPlytke();
  const Obszar& k9 = u().KlDynamiczne[9];
  const QPoint srodek = Srodek(k9);
  for (int y : {0, -1, -40}) {
    QTest::mousePress(&kelbra, Qt::LeftButton, {}, srodek);
    QTest::mouseRelease(&kelbra, Qt::LeftButton, {}, QPoint(srodek.x(), k9.y + y));
    EXPECT_EQ(j().Xdata[FFE2], 0xFD) << "released at Y = " << y;
    EXPECT_TRUE(plytka.KlDynamicznyWcisniety(9));
    // The next mouse-down on the held key releases it at once, and its
    // mouse-up does not press it again.
    QTest::mousePress(&kelbra, Qt::LeftButton, {}, srodek);
    EXPECT_EQ(j().Xdata[FFE2], 0xFF);
    QTest::mouseRelease(&kelbra, Qt::LeftButton, {}, srodek);
    EXPECT_EQ(j().Xdata[FFE2], 0xFF);
  }
  // Y = 1 is inside: released; so is a release far below or beside the key.
  for (QPoint puszczenie : {QPoint(srodek.x(), k9.y + 1), QPoint(srodek.x(), k9.y + 200), QPoint(-5, k9.y + 5)}) {
    QTest::mousePress(&kelbra, Qt::LeftButton, {}, srodek);
    QTest::mouseRelease(&kelbra, Qt::LeftButton, {}, puszczenie);
    EXPECT_EQ(j().Xdata[FFE2], 0xFF) << puszczenie.x() << "," << puszczenie.y();
  }
  EXPECT_EQ(j().Xdata[FFE1], 0xFF);
}

TEST_F(Kelbra, PcKeysArriveInSbufWithRiAndTheFieldShowsTheirName) {
  PokazPlytke();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&kelbra));
  QLineEdit* pole = kelbra.EditKlawiatura();
  EXPECT_EQ(pole->focusPolicy(), Qt::ClickFocus);
  QTest::mouseClick(pole, Qt::LeftButton);
  ASSERT_TRUE(pole->hasFocus());
  const struct {
    Qt::Key klawisz;
    QString tekst;
    uint8_t sbuf;
    QString pole;
    // Sent as one event with the modifiers held, without the modifier
    // keys' own presses.
    Qt::KeyboardModifiers modyfikatory = Qt::NoModifier;
  } przypadki[] = {
      {Qt::Key_Left, "", 0x25, "W Lewo"},
      // Ctrl+C is the control character 03h, not a copy; AltGr (as
      // Ctrl+Alt) types its letter.
      {Qt::Key_C, "\x03", 0x03, "", Qt::ControlModifier},
      {Qt::Key_C, "c", 0x03, "", Qt::ControlModifier | Qt::ShiftModifier},
      {Qt::Key(0x104), QString::fromUtf8("ą"), 0xB9, QString::fromUtf8("ą"), Qt::ControlModifier | Qt::AltModifier},
      {Qt::Key_A, "a", 0x61, "a"},
      {Qt::Key_Shift, "", 0x10, ""},
      {Qt::Key_F1, "", 0x70, ""},
      {Qt::Key_Percent, "%", 0x25, "W Lewo"},
      {Qt::Key_Space, " ", 0x20, "SPACJA"},
      {Qt::Key(0x104), QString::fromUtf8("ą"), 0xB9, QString::fromUtf8("ą")},
      {Qt::Key_Return, "\r", 0x0D, "Enter"},
      {Qt::Key_Tab, "\t", 0x09, ""},
      {Qt::Key_F9, "", 0x78, ""},  // stays on the board: no assembly starts
  };
  for (const auto& p : przypadki) {
    j().Data[sfr::SCON] = 0x50;
    // The serial line is idle again a thousand cycles after a key.
    j().Cykle += 1000;
    if (p.modyfikatory == Qt::NoModifier) {
      QTest::sendKeyEvent(QTest::Click, pole, p.klawisz, p.tekst, Qt::NoModifier);
    } else {
      QKeyEvent nacisniecie(QEvent::KeyPress, p.klawisz, p.modyfikatory, p.tekst);
      QKeyEvent puszczenie(QEvent::KeyRelease, p.klawisz, p.modyfikatory, p.tekst);
      QApplication::sendEvent(pole, &nacisniecie);
      QApplication::sendEvent(pole, &puszczenie);
    }
    EXPECT_EQ(j().Data[sfr::SBUF], p.sbuf) << p.pole.toStdString();
    EXPECT_EQ(j().Data[sfr::SCON], 0x51) << p.pole.toStdString();
    EXPECT_EQ(pole->text(), p.pole);
    EXPECT_TRUE(pole->hasFocus());
  }
  EXPECT_FALSE(okno.sterowanie().TrybEmulacji());
  // A key the table does not know, typing nothing, delivers nothing.
  j().Data[sfr::SCON] = 0;
  j().Cykle += 1000;
  QTest::sendKeyEvent(QTest::Click, pole, Qt::Key_unknown, "", Qt::NoModifier);
  EXPECT_EQ(j().Data[sfr::SCON], 0);
}

TEST_F(Kelbra, LedsAreRightWhenShownAfterAProgramRanHidden) {
  Uruchom("mov p0,#0AAh\nmov p1,#0Fh\nmov p3,#7Eh\nsjmp $");
  // The main window reads the latches after its tick, before the board
  // window has looked at them.
  ASSERT_TRUE(QTest::qWaitFor([&] { return j().PC == 9; }, 2000));
  EXPECT_FALSE(kelbra.isVisible());
  // Right in the very first painting, before any refresh tick has run.
  okno.findChild<QAction*>("Kelbra1")->trigger();
  const QImage obraz = kelbra.grab().toImage();
  const std::array<uint8_t, 4> porty{0xAA, 0x0F, 0xFF, 0x7E};
  for (int port = 0; port < 4; ++port) EXPECT_EQ(Diody(obraz, port), porty[port]) << "P" << port;
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&kelbra));
  EXPECT_EQ(Diody(1), 0x0F);
}

TEST_F(Kelbra, IdleTicksRepaintNothingAndAChangedLatchOnlyItsLeds) {
  PokazPlytke();
  QTest::qWait(30);
  LicznikMalowania licznik;
  kelbra.installEventFilter(&licznik);
  QTest::qWait(60);
  EXPECT_EQ(licznik.malowania, 0);
  j().Data[sfr::P2] = 0x7F;
  ASSERT_TRUE(QTest::qWaitFor([&] { return Diody(2) == 0x7F; }, 1000));
  EXPECT_EQ(Diody(0), 0xFF);
  const int poZmianie = licznik.malowania;
  EXPECT_GE(poZmianie, 1);
  QTest::qWait(60);
  EXPECT_EQ(licznik.malowania, poZmianie);
}

TEST_F(Kelbra, StaticKeysCopiedToP1LightTheirLeds) {
  PokazPlytke();
  Kliknij(u().KlStatyczne[1]);  // S2
  Kliknij(u().KlStatyczne[4]);  // S5
  Uruchom("petla: mov dptr,#0FFB0h\nmovx a,@dptr\nmov p1,a\nsjmp petla");
  EXPECT_TRUE(QTest::qWaitFor([&] { return Diody(1) == 0xED; }, 2000)) << std::hex << int(Diody(1));
  // Another key while the program runs reaches the LEDs on a later tick.
  Kliknij(u().KlStatyczne[7]);
  EXPECT_TRUE(QTest::qWaitFor([&] { return Diody(1) == 0x6D; }, 2000)) << std::hex << int(Diody(1));
}

TEST_F(Kelbra, ProgramWritesHelloOnTheLcd) {
  PokazPlytke();
  Uruchom(
      "mov dptr,#0FFF0h\nmov a,#38h\nmovx @dptr,a\nmov a,#0Ch\nmovx @dptr,a\nmov a,#01h\nmovx @dptr,a\n"
      "mov a,#06h\nmovx @dptr,a\nmov dptr,#0FFF2h\nmov a,#48h\nmovx @dptr,a\nmov a,#45h\nmovx @dptr,a\n"
      "mov a,#4Ch\nmovx @dptr,a\nmovx @dptr,a\nmov a,#4Fh\nmovx @dptr,a\nsjmp $");
  ASSERT_TRUE(QTest::qWaitFor([&] { return plytka.lcd.ZnakiLinii(0)[4] == 'O'; }, 2000));
  const GeometriaLcd g = u().Lcd({});
  // Every glyph pixel of line 1 columns 0-5 within six refresh ticks.
  auto zgodne = [&] {
    const QImage obraz = Ekran();
    for (int kolumna = 0; kolumna < 6; ++kolumna) {
      const auto& wzor = plytka.lcd.WzorZnakow[kolumna < 5 ? uint8_t("HELLO"[kolumna]) : Lcd::ZnakPusty];
      for (int wiersz = 0; wiersz < 8; ++wiersz) {
        for (int piksel = 0; piksel < 5; ++piksel) {
          const bool zapalony = (wzor[wiersz] >> (4 - piksel)) & 1;
          const QPoint p(LcdXKolumny(g, kolumna) + 4 * piksel + 1, LcdYWiersza(plytka.lcd, g, 0, wiersz) + 1);
          if (obraz.pixelColor(p) != Kolor(zapalony ? KolorPikselaLcd : KolorTlaPikselaLcd)) return false;
        }
      }
    }
    return true;
  };
  EXPECT_TRUE(QTest::qWaitFor(zgodne, 1000));
  // Between the glyph pixels the window's own background shows.
  EXPECT_EQ(Ekran(QPoint(LcdXKolumny(g, 0) + 3, LcdYWiersza(plytka.lcd, g, 0, 0) + 3)),
            kelbra.palette().color(QPalette::Window));
}

TEST_F(Kelbra, CursorBlinksWith0FhAndIsSteadyWith0Eh) {
  PokazPlytke();
  // Written behind the window's back, as no program or event does: the
  // slow refresh notices within its period.
  for (uint8_t b : {0x38, 0x01, 0x0F}) plytka.LcdZapis(0xFFF0, b);
  ASSERT_TRUE(QTest::qWaitFor([&] { return timerKursor()->isActive(); }, 600));
  EXPECT_EQ(timerKursor()->interval(), 500);
  // A blank cell's top-left pixel: unlit normally, lit while inverted.
  const GeometriaLcd g = u().Lcd({});
  const QPoint punkt(LcdXKolumny(g, 0) + 1, LcdYWiersza(plytka.lcd, g, 0, 0) + 1);
  auto odwrocony = [&] { return Ekran(punkt) == Kolor(KolorPikselaLcd); };
  auto zwykly = [&] { return Ekran(punkt) == Kolor(KolorTlaPikselaLcd); };
  for (int faza = 0; faza < 2; ++faza) {
    EXPECT_TRUE(QTest::qWaitFor(odwrocony, 1200)) << faza;
    EXPECT_TRUE(QTest::qWaitFor(zwykly, 1200)) << faza;
  }
  plytka.LcdZapis(0xFFF0, 0x0E);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !timerKursor()->isActive() && odwrocony(); }, 600));
  QTest::qWait(700);
  EXPECT_TRUE(odwrocony());
  plytka.LcdZapis(0xFFF0, 0x0C);
  EXPECT_TRUE(QTest::qWaitFor(zwykly, 600));
}

// The program runs in short slices: what the student does reaches it while
// it happens.
TEST_F(Kelbra, FiveShortClicksOnK0AreAllCounted) {
  PokazPlytke();
  // Counts presses of K0 in 30h: waits for the bit to fall, then to rise.
  Uruchom(
      "mov dptr,#0FFE1h\nmov 30h,#0\n"
      "czekaj: movx a,@dptr\njb acc.0,czekaj\ninc 30h\n"
      "puszcz: movx a,@dptr\njnb acc.0,puszcz\nsjmp czekaj");
  const QPoint k0 = Srodek(u().KlDynamiczne[0]);
  for (int k = 0; k < 5; ++k) {
    QTest::mousePress(&kelbra, Qt::LeftButton, {}, k0);
    QTest::qWait(100);
    QTest::mouseRelease(&kelbra, Qt::LeftButton, {}, k0);
    QTest::qWait(100);
  }
  EXPECT_EQ(j().Data[0x30], 5);
  EXPECT_TRUE(okno.findChild<QTimer*>("TimerPracaCiaglaJadra")->isActive());
}

TEST_F(Kelbra, TextTypedAtFifteenKeysASecondIsEchoedWhole) {
  PokazPlytke();
  ASSERT_TRUE(okno.OtworzPlik(KELBRA_PRZYKLADY "/klawiatura_pc.asm"));
  okno.findChild<QAction*>("Run1")->trigger();
  ASSERT_TRUE(okno.findChild<QTimer*>("TimerPracaCiaglaJadra")->isActive());
  // The prompt is on the LCD: the program waits for keys.
  ASSERT_TRUE(QTest::qWaitFor([&] { return plytka.lcd.ZnakiLinii(0)[0] == 'P'; }, 2000));
  ASSERT_TRUE(QTest::qWaitForWindowActive(&kelbra));
  QLineEdit* pole = kelbra.EditKlawiatura();
  QTest::mouseClick(pole, Qt::LeftButton);
  ASSERT_TRUE(pole->hasFocus());
  const QString tekst = "kelbra 8051";
  for (QChar z : tekst) {
    const Qt::Key klawisz = z == ' ' ? Qt::Key_Space : Qt::Key(z.toUpper().unicode());
    QTest::sendKeyEvent(QTest::Click, pole, klawisz, QString(z), Qt::NoModifier);
    QTest::qWait(1000 / 15);
  }
  auto linia = [&] {
    std::string t;
    for (uint8_t z : plytka.lcd.ZnakiLinii(0)) t += static_cast<char>(z);
    return t;
  };
  EXPECT_TRUE(QTest::qWaitFor([&] { return linia().rfind("kelbra 8051", 0) == 0; }, 1000)) << linia();
  EXPECT_EQ(plytka.KolejkaPC.Rozmiar(), 0u);
}

TEST_F(Kelbra, TheBoardShowsTheStateARunStoppedInAtABreakpoint) {
  PokazPlytke();
  okno.edytor()->setPlainText("mov p1,#55h\nnop\nsjmp $");
  okno.edytor()->setTextCursor(QTextCursor(okno.edytor()->document()->findBlockByNumber(1)));
  okno.findChild<QAction*>("BreakPointPulapka1")->trigger();
  okno.findChild<QAction*>("Run1")->trigger();
  QTimer* ciagly = okno.findChild<QTimer*>("TimerPracaCiaglaJadra");
  ASSERT_TRUE(QTest::qWaitFor([&] { return !ciagly->isActive(); }, 2000));
  EXPECT_EQ(j().PC, 3);
  // Within a frame, not at the next slow refresh.
  EXPECT_TRUE(QTest::qWaitFor([&] { return Diody(1) == 0x55; }, 40));
}

// Keys typed faster than the line, while the program is paused, wait for it.
TEST_F(Kelbra, KeysTypedInPauseWaitTheirTurn) {
  PokazPlytke();
  Uruchom("sjmp $");
  okno.findChild<QAction*>("ZatrzymajJadro1")->trigger();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&kelbra));
  QLineEdit* pole = kelbra.EditKlawiatura();
  QTest::mouseClick(pole, Qt::LeftButton);
  QTest::sendKeyEvent(QTest::Click, pole, Qt::Key_A, "a", Qt::NoModifier);
  QTest::sendKeyEvent(QTest::Click, pole, Qt::Key_B, "b", Qt::NoModifier);
  EXPECT_EQ(j().Data[sfr::SBUF], 0x61);
  EXPECT_EQ(pole->text(), "b");
  EXPECT_EQ(plytka.KolejkaPC.Rozmiar(), 1u);
  // A thousand cycles of step into later, the next key is in.
  const uint64_t wpisany = j().Cykle;
  while (j().Data[sfr::SBUF] != 0x62 && j().Cykle < wpisany + 2000)
    okno.findChild<QAction*>("StepInto1")->trigger();
  EXPECT_EQ(j().Data[sfr::SBUF], 0x62);
  EXPECT_GE(j().Cykle, wpisany + 1000);
}

// Idle, nothing in the program wakes more often than the status line.
TEST_F(Kelbra, IdleWindowsRunNoTimerFasterThanTheStatusLine) {
  PokazPlytke();
  Uruchom("mov p1,#0\nsjmp $");
  ASSERT_TRUE(QTest::qWaitFor([&] { return Diody(1) == 0x00; }, 1000));
  okno.findChild<QAction*>("ZatrzymajJadro1")->trigger();
  QTest::qWait(50);
  for (QObject* o : {static_cast<QObject*>(&okno), static_cast<QObject*>(&kelbra)}) {
    for (const QTimer* t : o->findChildren<QTimer*>()) {
      if (t->isActive()) {
        EXPECT_GE(t->interval(), 250) << t->objectName().toStdString();
      }
    }
  }
}

TEST(KelbraBezPulsu, KeepsItsOwnTimerAtTheStatusRate) {
  auto jadro = std::make_unique<Jadro>();
  PlytkaKelbra plytka;
  PodlaczPlytke(*jadro, plytka);
  TFormKelbra kelbra(plytka);
  kelbra.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&kelbra));
  auto* puls = kelbra.findChild<PulsOdswiezania*>("TimerZezwolenieNaOdswierzanie");
  EXPECT_TRUE(puls->isActive());
  EXPECT_EQ(puls->interval(), 250);
  jadro->Xdata[FFE2] = 0x00;
  EXPECT_TRUE(QTest::qWaitFor([&] { return jadro->Xdata[FFE2] == 0xFF; }, 600));
  kelbra.hide();
  EXPECT_FALSE(puls->isActive());
}

}  // namespace
}  // namespace kelbra
