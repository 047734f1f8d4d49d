#include "Tabela_rozkazy.h"

#include <climits>
#include <string>

#include <QFont>
#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

#include "Kodowanie.h"
#include "TabelaAsemblacji.h"

namespace kelbra {

namespace {

QString TekstKomorki(const std::string& komorka) {
  return komorka.empty() ? QString() : QString::fromUtf8(Cp1250DoUtf8(komorka));
}

}  // namespace

void ModelTabeliAsemblacji::UstawTabele(const TabelaAsemblacji* tabela) {
  beginResetModel();
  tabela_ = tabela;
  endResetModel();
}

void ModelTabeliAsemblacji::PrzedZmiana() { beginResetModel(); }

void ModelTabeliAsemblacji::PoZmianie() { endResetModel(); }

int ModelTabeliAsemblacji::rowCount(const QModelIndex& rodzic) const {
  if (rodzic.isValid() || tabela_ == nullptr || tabela_->Rozmiar() < 2) return 0;
  // Row 0 of the table is the header, shown by the view's own header.
  const size_t wiersze = tabela_->Rozmiar() - 1;
  return wiersze > static_cast<size_t>(INT_MAX) ? INT_MAX : static_cast<int>(wiersze);
}

int ModelTabeliAsemblacji::columnCount(const QModelIndex& rodzic) const {
  return rodzic.isValid() ? 0 : LiczbaKolumn;
}

QVariant ModelTabeliAsemblacji::data(const QModelIndex& indeks, int rola) const {
  if (rola != Qt::DisplayRole || !indeks.isValid() || indeks.row() >= rowCount() ||
      indeks.column() >= LiczbaKolumn)
    return {};
  return TekstKomorki((*tabela_)[static_cast<size_t>(indeks.row()) + 1][indeks.column()]);
}

QVariant ModelTabeliAsemblacji::headerData(int sekcja, Qt::Orientation orientacja, int rola) const {
  if (orientacja != Qt::Horizontal || sekcja < 0 || sekcja >= LiczbaKolumn) return {};
  switch (rola) {
    // The columns are narrower than some captions: they start at the left
    // edge, so each word's start shows, and the whole caption is a tooltip.
    case Qt::DisplayRole:
    case Qt::ToolTipRole: return TekstKomorki(NaglowekTabeli()[sekcja]);
    case Qt::TextAlignmentRole: return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    default: return {};
  }
}

Ttabela_rozkazy::Ttabela_rozkazy(QWidget* rodzic) : QWidget(rodzic, Qt::Window) {
  setObjectName(QStringLiteral("tabela_rozkazy"));
  setWindowTitle(QStringLiteral("tabela_rozkazy"));
  // Rows are 16 pixels high; the default font would not fit them.
  QFont czcionka = font();
  czcionka.setPixelSize(11);
  setFont(czcionka);

  grid_ = new QTableView(this);
  grid_->setObjectName(QStringLiteral("StringGrid"));
  grid_->setModel(&model_);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setShowGrid(true);
  grid_->setWordWrap(false);
  grid_->verticalHeader()->hide();
  // Fixed, equal rows let the view place any of hundreds of thousands of
  // rows without measuring them.
  grid_->verticalHeader()->setMinimumSectionSize(1);
  grid_->verticalHeader()->setDefaultSectionSize(16);
  grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  QHeaderView* kolumny = grid_->horizontalHeader();
  kolumny->setMinimumSectionSize(0);
  kolumny->setDefaultSectionSize(40);
  kolumny->setSectionResizeMode(QHeaderView::Interactive);

  auto* uklad = new QVBoxLayout(this);
  uklad->setContentsMargins(0, 0, 0, 0);
  uklad->addWidget(grid_);

  const int szerokosc = 821;
  resize(szerokosc, 216);
  // Column 0 keeps its width; the others share what is left of the grid.
  const int wnetrze = szerokosc - 2 * grid_->frameWidth();
  const int kolumna = (wnetrze - 40) / (LiczbaKolumn - 1);
  int suma = 0;
  for (int k = 0; k < LiczbaKolumn; ++k) {
    if (k > 0) kolumny->resizeSection(k, kolumna);
    const int w = kolumny->sectionSize(k);
    if (w > 0) suma += w + 2;
  }
  resize(suma, height());

  connect(&model_, &QAbstractItemModel::modelReset, this, [this] { linieAktualne_ = false; });
}

void Ttabela_rozkazy::PrzewinDoLinii(int linia) {
  const TabelaAsemblacji* t = model_.Tabela();
  if (t == nullptr) return;
  if (!linieAktualne_ || zindeksowaneWiersze_ != t->Rozmiar()) {
    linie_.Zbuduj(*t);
    linieAktualne_ = true;
    zindeksowaneWiersze_ = t->Rozmiar();
  }
  const size_t r = linie_.WierszLinii(linia);
  if (r == 0 || r - 1 >= static_cast<size_t>(model_.rowCount())) return;
  grid_->scrollTo(model_.index(static_cast<int>(r - 1), 0), QAbstractItemView::PositionAtTop);
}

}  // namespace kelbra
