// The main window's current-line highlight, breakpoints that follow only
// the student's choice, the desktop's keys, the find bar, go-to-line and
// the gutter click, driven by real key and mouse events.

#include <gtest/gtest.h>

#include <array>
#include <optional>

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include "EdytorRozkazow.h"
#include "Margines.h"
#include "Okno_edycji_rozkazow.h"
#include "Plytka.h"

namespace kelbra {
namespace {

class Wygoda : public ::testing::Test {
 protected:
  void SetUp() override {
    okno.Zapytaj = [this](const QString& tytul, const QString&, QMessageBox::StandardButtons) {
      zdarzenia << tytul;
      return odpowiedz;
    };
    okno.DialogOtwarcia = [this](const QString&, const QString&) {
      zdarzenia << "otwarcie";
      return doOtwarcia;
    };
    okno.DialogZapisu = [this](const QString&, const QString&) {
      zdarzenia << "zapis";
      return QString();
    };
    okno.show();
    okno.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&okno));
    edytor()->setFocus();
  }

  EdytorRozkazow* edytor() { return okno.edytor(); }
  void klawisz(QWidget* w, int k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(w, Qt::Key(k), m); }
  void klawisz(int k, Qt::KeyboardModifiers m = Qt::NoModifier) { klawisz(edytor(), k, m); }
  QString podswietlenie() {
    const QList<QTextEdit::ExtraSelection> z = edytor()->extraSelections();
    return z.isEmpty() ? QString() : z[0].cursor.block().text();
  }
  void kursorNaLinie(int y) { edytor()->setTextCursor(QTextCursor(edytor()->document()->findBlockByNumber(y))); }
  std::vector<int> znaczniki(int doLinii = 400) {
    std::vector<int> z;
    for (int k = 0; k < doLinii; ++k)
      if (okno.pulapki().JestNaLinii(k)) z.push_back(k);
    return z;
  }
  // A left press in the gutter at a height of the editor's viewport.
  void kliknijMargines(int yWidoku) {
    Margines* m = okno.findChild<Margines*>("PanelLewy");
    const QPoint p = m->mapFromGlobal(edytor()->viewport()->mapToGlobal(QPoint(0, yWidoku)));
    QTest::mouseClick(m, Qt::LeftButton, {}, QPoint(10, p.y()));
  }
  QStringList linie(int n) {
    QStringList l;
    for (int k = 0; k < n; ++k) l << QString("nop ; %1").arg(k);
    return l;
  }

  PlytkaKelbra plytka;
  Tokno_edycji_rozkazow okno{plytka};
  QStringList zdarzenia;
  QMessageBox::StandardButton odpowiedz = QMessageBox::No;
  QString doOtwarcia;
};

constexpr const char* Program =
    "start: mov a,#0FEh\n"  // 0: 0000
    "mov p1,a\n"            // 1: 0002
    "loop: rl a\n"          // 2: 0004
    "mov p1,a\n"            // 3: 0005
    "sjmp loop";            // 4: 0006

// After a step PC's line is highlighted with nothing selected, so a key
// typed goes in before the line instead of replacing it.
TEST_F(Wygoda, BiezacaLiniaJestPodswietleniemNieZaznaczeniem) {
  edytor()->setPlainText(Program);
  klawisz(Qt::Key_F9);
  EXPECT_EQ(podswietlenie(), "start: mov a,#0FEh");
  klawisz(Qt::Key_F7);
  EXPECT_EQ(okno.PodswietlonaLinia(), 1);
  EXPECT_EQ(podswietlenie(), "mov p1,a");
  EXPECT_FALSE(edytor()->textCursor().hasSelection());
  EXPECT_EQ(edytor()->LiniaKursora(), 1);
  EXPECT_EQ(edytor()->KolumnaKursora(), 0);
  // Hidden while a continuous run goes, back at the pause.
  klawisz(Qt::Key_F9, Qt::ControlModifier);
  EXPECT_EQ(podswietlenie(), "");
  klawisz(Qt::Key_F11);
  EXPECT_NE(podswietlenie(), "");
  EXPECT_EQ(okno.PodswietlonaLinia(), okno.LiniaStrzalki());
  klawisz(Qt::Key_F12);
  klawisz(Qt::Key_F7);

  QTest::keyClicks(edytor(), "x");
  EXPECT_EQ(edytor()->TekstLinii(1), "xmov p1,a");
  EXPECT_EQ(edytor()->LiczbaLinii(), 5);
  EXPECT_FALSE(okno.sterowanie().TrybEmulacji());
  EXPECT_EQ(podswietlenie(), "");
}

// Nowy and Otwórz start without breakpoints, and a mark below the text
// goes when lines are deleted: none comes back on a line nobody chose.
TEST_F(Wygoda, ZadnychPulapekWidmo) {
  QTemporaryDir katalog;
  doOtwarcia = katalog.filePath("drugi.asm");
  QFile f(doOtwarcia);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(linie(30).join("\r\n").toLatin1());
  f.close();

  edytor()->setPlainText(linie(10).join('\n'));
  for (int y : {2, 5}) {
    kursorNaLinie(y);
    klawisz(Qt::Key_F5);
  }
  ASSERT_EQ(znaczniki(), (std::vector<int>{2, 5}));
  klawisz(Qt::Key_F3);
  ASSERT_EQ(edytor()->LiczbaLinii(), 30);
  EXPECT_EQ(znaczniki(), std::vector<int>{});
  klawisz(Qt::Key_F9);
  for (int a = 0; a < 0xFFFF; ++a) ASSERT_FALSE(okno.pulapki().StopNaAdresie(static_cast<uint16_t>(a))) << a;
  klawisz(Qt::Key_F10);

  kursorNaLinie(7);
  klawisz(Qt::Key_F5);
  klawisz(Qt::Key_N, Qt::ControlModifier);  // Nowy
  EXPECT_EQ(edytor()->LiczbaLinii(), 0);
  EXPECT_EQ(znaczniki(), std::vector<int>{});

  // A mark set below the text through the context menu's line.
  edytor()->setPlainText(linie(10).join('\n'));
  kursorNaLinie(3);
  klawisz(Qt::Key_F5);
  const int h = edytor()->WysokoscLinii();
  QTest::mousePress(edytor()->viewport(), Qt::RightButton, {}, QPoint(40, edytor()->GoraLiniiWWidoku(12) + h / 2));
  QTest::mouseRelease(edytor()->viewport(), Qt::RightButton, {}, QPoint(40, edytor()->GoraLiniiWWidoku(12) + h / 2));
  okno.findChild<QAction*>("UstawUsunblokade1")->trigger();
  ASSERT_EQ(znaczniki(), (std::vector<int>{3, 12}));
  // Lines 6 to 9 deleted, then typed anew.
  kursorNaLinie(5);
  klawisz(Qt::Key_End);
  klawisz(Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
  klawisz(Qt::Key_Delete);
  EXPECT_EQ(znaczniki(), std::vector<int>{3});
  for (int k = 0; k < 8; ++k) {
    klawisz(Qt::Key_Return);
    QTest::keyClicks(edytor(), "nop");
  }
  EXPECT_EQ(znaczniki(), std::vector<int>{3});
}

TEST_F(Wygoda, KlawiszeSkrotowBokKlawiszyWlasnych) {
  edytor()->setPlainText("nop");
  const std::pair<Qt::KeyboardModifiers, int> klawisze[] = {
      {Qt::ControlModifier, Qt::Key_O}, {Qt::NoModifier, Qt::Key_F3}, {Qt::ControlModifier, Qt::Key_S},
      {Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_S}, {Qt::ControlModifier, Qt::Key_Q}};
  odpowiedz = QMessageBox::Cancel;
  for (const auto& [m, k] : klawisze) klawisz(k, m);
  EXPECT_EQ(zdarzenia, QStringList({"Otworz...", "Otworz...", "zapis", "zapis", "Koniec programu..."}));
  EXPECT_TRUE(okno.isVisible());
  zdarzenia.clear();
  // Nowy's key follows its item: off in emulation mode.
  klawisz(Qt::Key_F9);
  klawisz(Qt::Key_N, Qt::ControlModifier);
  EXPECT_TRUE(zdarzenia.isEmpty());
  klawisz(Qt::Key_F10);
  odpowiedz = QMessageBox::No;
  klawisz(Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(zdarzenia, QStringList({"Nowy..."}));
  EXPECT_EQ(edytor()->LiczbaLinii(), 0);

  // Alt and a menu's letter open that menu; nothing is typed.
  const std::pair<int, const char*> menu[] = {
      {Qt::Key_P, "Plik1"}, {Qt::Key_D, "Debug1"}, {Qt::Key_O, "Oknapomocnicze1"}, {Qt::Key_I, "Informacje1"}};
  for (const auto& [k, nazwa] : menu) {
    QMenu* m = okno.findChild<QMenu*>(nazwa);
    klawisz(k, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([m] { return m->isVisible(); }, 1000)) << nazwa;
    m->close();
    // The offscreen platform leaves the popup's window active.
    okno.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&okno));
  }
  EXPECT_EQ(edytor()->toPlainText(), "");
}

// The file buttons run their commands as the menu items do.
TEST_F(Wygoda, PrzyciskiPlikuWykonujaPolecenia) {
  edytor()->setPlainText("nop");
  for (const char* n : {"SpeedButton2", "SpeedButton3", "SpeedButton1"})
    QTest::mouseClick(okno.findChild<QWidget*>(n), Qt::LeftButton);
  EXPECT_EQ(zdarzenia, QStringList({"Otworz...", "otwarcie", "zapis", "Nowy..."}));
  EXPECT_EQ(edytor()->LiczbaLinii(), 0);
}

TEST_F(Wygoda, PasekSzukania) {
  edytor()->setPlainText("mov a,#1\nnop\nMOV b,a\nsjmp $\nmov r0,a");
  QWidget* pasek = okno.findChild<QWidget*>("PanelSzukania");
  auto* pole = okno.findChild<QLineEdit*>("EditSzukaj");
  auto* komunikat = okno.findChild<QLabel*>("LabelSzukania");
  ASSERT_FALSE(pasek->isVisible());
  klawisz(Qt::Key_F, Qt::ControlModifier);
  ASSERT_TRUE(pasek->isVisible());
  EXPECT_GE(pasek->mapTo(&okno, QPoint()).y(), edytor()->mapTo(&okno, QPoint(0, edytor()->height())).y());
  EXPECT_TRUE(pole->hasFocus());
  auto gdzie = [&] {
    const QTextCursor k = edytor()->textCursor();
    const int kolumna = k.selectionStart() - k.block().position();
    return QString("%1:%2 %3").arg(k.blockNumber()).arg(kolumna).arg(k.selectedText());
  };
  QTest::keyClicks(pole, "mov");  // found while typed
  EXPECT_EQ(gdzie(), "0:0 mov");
  QStringList kolejne;
  for (auto m : {Qt::NoModifier, Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier, Qt::ShiftModifier}) {
    klawisz(pole, Qt::Key_Return, m);
    kolejne << gdzie();
  }
  EXPECT_EQ(kolejne, QStringList({"2:0 MOV", "4:0 mov", "0:0 mov", "4:0 mov", "2:0 MOV"}));
  EXPECT_TRUE(komunikat->text().isEmpty());

  // Matching case, the search moves on from "MOV" and passes it by.
  QTest::mouseClick(okno.findChild<QCheckBox*>("CheckBoxWielkoscLiter"), Qt::LeftButton);
  EXPECT_EQ(gdzie(), "4:0 mov");
  kolejne.clear();
  for (int k = 0; k < 2; ++k) {
    klawisz(pole, Qt::Key_Return);
    kolejne << gdzie();
  }
  EXPECT_EQ(kolejne, QStringList({"0:0 mov", "4:0 mov"}));
  pole->selectAll();
  QTest::keyClicks(pole, "MOV a");
  EXPECT_EQ(komunikat->text(), "Nie znaleziono");
  EXPECT_EQ(edytor()->toPlainText(), "mov a,#1\nnop\nMOV b,a\nsjmp $\nmov r0,a");

  klawisz(pole, Qt::Key_Escape);
  EXPECT_FALSE(pasek->isVisible());
  EXPECT_TRUE(edytor()->hasFocus());
  // A selection within a line is what Ctrl+F looks for.
  QTextCursor k(edytor()->document()->findBlockByNumber(3));
  k.movePosition(QTextCursor::EndOfWord, QTextCursor::KeepAnchor);
  edytor()->setTextCursor(k);
  klawisz(Qt::Key_F, Qt::ControlModifier);
  EXPECT_EQ(pole->text(), "sjmp");
}

TEST_F(Wygoda, IdzDoWierszaOdZera) {
  std::vector<std::array<int, 3>> pytania;  // value, minimum, maximum
  std::optional<int> odpowiedzLiczba;
  okno.PodajLiczbe = [&](const QString&, const QString&, int w, int mi, int ma) {
    pytania.push_back({w, mi, ma});
    return odpowiedzLiczba;
  };
  klawisz(Qt::Key_G, Qt::ControlModifier);
  EXPECT_TRUE(pytania.empty()) << "an empty text has no line to go to";

  edytor()->setPlainText(linie(200).join('\n'));
  kursorNaLinie(4);
  odpowiedzLiczba = 150;
  klawisz(Qt::Key_G, Qt::ControlModifier);
  EXPECT_EQ(pytania, (std::vector<std::array<int, 3>>{{4, 0, 199}}));
  EXPECT_EQ(edytor()->LiniaKursora(), 150);
  EXPECT_EQ(edytor()->KolumnaKursora(), 0);
  EXPECT_FALSE(edytor()->textCursor().hasSelection());
  EXPECT_LE(edytor()->GornaLinia(), 150);
  EXPECT_LT(150, edytor()->GornaLinia() + edytor()->WidoczneLinie());
  // Cancelled, the caret stays.
  odpowiedzLiczba.reset();
  klawisz(Qt::Key_G, Qt::ControlModifier);
  EXPECT_EQ(edytor()->LiniaKursora(), 150);
}

// A left click in the gutter toggles the line beside it, as F5 does with
// the caret there, wherever the text is scrolled.
TEST_F(Wygoda, KlikNaMarginesiePrzelaczaPulapke) {
  edytor()->setPlainText(linie(100).join('\n'));
  const int h = edytor()->WysokoscLinii();
  auto gora = [&](int y) { return edytor()->GoraLiniiWWidoku(y); };
  kliknijMargines(gora(4) + h / 2);
  kliknijMargines(gora(6));          // its top pixel row
  kliknijMargines(gora(7) - 1);      // its bottom pixel row
  EXPECT_EQ(znaczniki(), (std::vector<int>{4}));
  kliknijMargines(gora(4) + 1);
  EXPECT_EQ(znaczniki(), std::vector<int>{});
  edytor()->verticalScrollBar()->setValue(40);
  kliknijMargines(gora(45) + h / 2);
  EXPECT_EQ(znaczniki(), (std::vector<int>{45}));

  // In emulation mode the mark takes its line's address; below the text
  // nothing is set.
  edytor()->setPlainText(Program);
  klawisz(Qt::Key_F9);
  kliknijMargines(gora(3) + h / 2);
  EXPECT_EQ(okno.pulapki().Linii(3), 5);
  kliknijMargines(gora(8) + h / 2);
  EXPECT_EQ(znaczniki(), (std::vector<int>{3}));
  EXPECT_TRUE(okno.sterowanie().TrybEmulacji());
}

}  // namespace
}  // namespace kelbra
