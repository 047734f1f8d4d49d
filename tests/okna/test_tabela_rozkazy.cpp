// The instruction-table and PRN listing windows.

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTableView>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "Asembler.h"
#include "Jadro.h"
#include "Ograniczenia.h"
#include "Tabela_rozkazy.h"

namespace kelbra {
namespace {

QString Komorka(const QAbstractItemModel& m, int wiersz, int kolumna) {
  return m.data(m.index(wiersz, kolumna)).toString();
}

// The assembler refills the table the model reads between PrzedZmiana and
// PoZmianie; the tester checks every signal and answer on the way.
TEST(TabelaRozkazow, ModelCzytaTabeleAsemblacji) {
  auto jadro = std::make_unique<Jadro>();
  Asembler asembler(*jadro);
  asembler.Analizuj_kod_asemblera({"start: mov a, #1", "; uwaga", "napis: db 'Za\xBF\xF3\xB3\xE6'", "sjmp start"});
  ModelTabeliAsemblacji model;
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
  model.UstawTabele(&asembler.Wynik().Tabela);

  ASSERT_EQ(model.rowCount(), 3);
  EXPECT_EQ(model.columnCount(), 12);
  EXPECT_EQ(Komorka(model, 0, 1), "start");
  EXPECT_EQ(Komorka(model, 0, 2), "mov");
  EXPECT_EQ(Komorka(model, 1, 0), "2");
  EXPECT_EQ(Komorka(model, 1, 3), QString::fromUtf8("'Zażółć'"));

  model.PrzedZmiana();
  asembler.Analizuj_kod_asemblera({"nop"});
  model.PoZmianie();
  EXPECT_EQ(model.rowCount(), 1);
  EXPECT_EQ(Komorka(model, 0, 2), "nop");
}

TEST(TabelaRozkazow, NaglowekIPustaTabela) {
  const char* naglowek[] = {"Linia",         "Etykieta",       "Mnemonik",       "Arg 1", "Arg 2", "Arg 3",
                            "Blad Etykiety", "Blad Mnemonika", "Blad Argumentu", "Adres", "Adres", "kod rozkazu"};
  ModelTabeliAsemblacji model;
  EXPECT_EQ(model.rowCount(), 0);
  for (int k = 0; k < 12; ++k) {
    EXPECT_EQ(model.headerData(k, Qt::Horizontal).toString(), naglowek[k]) << k;
    // Narrow columns show each caption's start; the tooltip has all of it.
    EXPECT_EQ(model.headerData(k, Qt::Horizontal, Qt::ToolTipRole).toString(), naglowek[k]) << k;
    EXPECT_EQ(model.headerData(k, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask,
              Qt::AlignLeft)
        << k;
  }
}

TEST(TabelaRozkazow, OknoIKolumny) {
  Ttabela_rozkazy okno;
  QTableView* grid = okno.findChild<QTableView*>("StringGrid");
  ASSERT_EQ(grid, okno.StringGrid());
  EXPECT_EQ(okno.windowTitle(), "tabela_rozkazy");
  QHeaderView* kolumny = grid->horizontalHeader();
  const int szerokosc = (821 - 2 * grid->frameWidth() - 40) / 11;
  EXPECT_EQ(kolumny->sectionSize(0), 40);
  for (int k = 1; k < 12; ++k) EXPECT_EQ(kolumny->sectionSize(k), szerokosc) << k;
  EXPECT_EQ(okno.width(), 42 + 11 * (szerokosc + 2));
  EXPECT_EQ(grid->verticalHeader()->defaultSectionSize(), 16);
  EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
}

// Lines 0, 2, 4, ... in rising order, or the same lines falling.
void Numeruj(TabelaAsemblacji& t, bool rosnaco) {
  const size_t n = t.Rozmiar() - 1;
  for (size_t r = 1; r <= n; ++r) t.Ustaw(r, KolLinia, std::to_string(2 * (rosnaco ? r - 1 : n - r)));
}

TEST(TabelaRozkazow, PrzewijaDoWierszaLinii) {
  TabelaAsemblacji tabela;
  tabela.ZmienRozmiar(200001);
  Numeruj(tabela, true);
  Ttabela_rozkazy okno;
  okno.Model().UstawTabele(&tabela);
  okno.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&okno));
  // Each case scrolls on from the one before; a line without a row leaves
  // the grid where it was. Falling lines take the search without halving.
  struct Przypadek {
    bool rosnaco;
    int linia, gora;
  } przypadki[] = {{true, 246912, 123456}, {true, 246913, 123456}, {true, 400000, 123456}, {true, -2, 123456},
                   {true, 10, 5},          {false, 399998, 0},     {false, 2000, 198999},  {false, 7, 198999}};
  bool rosnaco = true;
  for (const Przypadek& p : przypadki) {
    if (p.rosnaco != rosnaco) {
      okno.Model().PrzedZmiana();
      Numeruj(tabela, rosnaco = p.rosnaco);
      okno.Model().PoZmianie();
    }
    okno.PrzewinDoLinii(p.linia);
    EXPECT_EQ(okno.StringGrid()->rowAt(0), p.gora) << p.linia;
  }
}

TEST(TabelaRozkazow, ZamkniecieTylkoUkrywa) {
  QPointer<Ttabela_rozkazy> okno = new Ttabela_rozkazy;
  okno->show();
  okno->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_FALSE(okno.isNull());
  EXPECT_TRUE(okno->isHidden());
  delete okno;
}

TEST(WydrukPrn, PokazujeLinieStalaCzcionka) {
  TFormOgraniczeniEmulatora okno;
  QPlainTextEdit* prn = okno.findChild<QPlainTextEdit*>("RichEditPRN");
  ASSERT_EQ(prn, okno.RichEditPRN());
  EXPECT_EQ(okno.windowTitle(), "Wydruk PRN...");
  EXPECT_TRUE(prn->isReadOnly());
  const QFontMetrics m(prn->font());
  EXPECT_EQ(m.horizontalAdvance("iiii"), m.horizontalAdvance("WWWW"));

  okno.UstawWydruk({"     1   0000   00          nop", "     2   0001               ; \xBF\xF3\xB3w"});
  EXPECT_EQ(prn->toPlainText(),
            QString::fromUtf8("     1   0000   00          nop\n     2   0001               ; żółw"));
  okno.UstawWydruk({"     1   0000   80FE        sjmp $"});
  EXPECT_EQ(prn->toPlainText(), "     1   0000   80FE        sjmp $");
  // The source column keeps the editor's tab stops.
  okno.UstawWydruk({"     1   0000   00          et:\tnop"});
  EXPECT_EQ(prn->toPlainText(), "     1   0000   00          et:     nop");
}

}  // namespace
}  // namespace kelbra
