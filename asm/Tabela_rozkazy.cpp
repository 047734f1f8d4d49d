#include "Tabela_rozkazy.h"

#include <charconv>
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

// A Linia cell as a whole decimal number; an empty or malformed cell has none,
// so it can never stand for line 0.
std::optional<int> LiczbaLinii(const std::string& komorka) {
  int v = 0;
  const char* koniec = komorka.data() + komorka.size();
  auto [p, blad] = std::from_chars(komorka.data(), koniec, v);
  if (komorka.empty() || blad != std::errc() || p != koniec) return std::nullopt;
  return v;
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

  connect(&model_, &QAbstractItemModel::modelReset, this, [this] { rosnace_.reset(); });
}

size_t Ttabela_rozkazy::WierszLinii(int linia) {
  const TabelaAsemblacji* t = model_.tabela_;
  if (t == nullptr || t->Rozmiar() < 2) return 0;
  const size_t n = t->Rozmiar();
  if (!rosnace_ || sprawdzoneWiersze_ != n) {
    bool rosna = true;
    std::optional<int> poprzednia;
    for (size_t r = 1; r < n && rosna; ++r) {
      const std::optional<int> v = LiczbaLinii((*t)[r][KolLinia]);
      rosna = v && (!poprzednia || *poprzednia <= *v);
      poprzednia = v;
    }
    rosnace_ = rosna;
    sprawdzoneWiersze_ = n;
  }
  if (*rosnace_) {
    // The first row whose line is not below `linia`; a cell rewritten since
    // the check only makes the answer fail the comparison below.
    size_t od = 1, do_ = n;
    while (od < do_) {
      const size_t srodek = od + (do_ - od) / 2;
      if (LiczbaLinii((*t)[srodek][KolLinia]).value_or(INT_MIN) < linia)
        od = srodek + 1;
      else
        do_ = srodek;
    }
    return od < n && LiczbaLinii((*t)[od][KolLinia]) == linia ? od : 0;
  }
  for (size_t r = 1; r < n; ++r)
    if (LiczbaLinii((*t)[r][KolLinia]) == linia) return r;
  return 0;
}

void Ttabela_rozkazy::PrzewinDoLinii(int linia) {
  const size_t r = WierszLinii(linia);
  if (r == 0 || r - 1 >= static_cast<size_t>(model_.rowCount())) return;
  grid_->scrollTo(model_.index(static_cast<int>(r - 1), 0), QAbstractItemView::PositionAtTop);
}

}  // namespace kelbra
