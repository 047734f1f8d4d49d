#pragma once
// The instruction-table window: the rows of the last assembly, cell by cell,
// through a model that reads the table in place (a long source must not
// become millions of items).

#include <cstddef>

#include <QAbstractTableModel>
#include <QWidget>

#include "MapaAdresow.h"

class QTableView;

namespace kelbra {

class TabelaAsemblacji;

class ModelTabeliAsemblacji final : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;

  // The table is read in place; it must outlive the model or be replaced.
  // The assembler refills it between PrzedZmiana and PoZmianie.
  void UstawTabele(const TabelaAsemblacji* tabela);
  const TabelaAsemblacji* Tabela() const { return tabela_; }
  void PrzedZmiana();
  void PoZmianie();

  int rowCount(const QModelIndex& rodzic = {}) const override;
  int columnCount(const QModelIndex& rodzic = {}) const override;
  QVariant data(const QModelIndex& indeks, int rola = Qt::DisplayRole) const override;
  QVariant headerData(int sekcja, Qt::Orientation orientacja, int rola = Qt::DisplayRole) const override;

 private:
  const TabelaAsemblacji* tabela_ = nullptr;
};

class Ttabela_rozkazy final : public QWidget {
  Q_OBJECT
 public:
  explicit Ttabela_rozkazy(QWidget* rodzic = nullptr);

  ModelTabeliAsemblacji& Model() { return model_; }
  QTableView* StringGrid() const { return grid_; }
  // Makes the first row of source line `linia` the top row of the grid.
  void PrzewinDoLinii(int linia);

 private:
  ModelTabeliAsemblacji model_;
  QTableView* grid_ = nullptr;
  // The rows by line, built at the first scroll after a fill of the table
  // (for the row count it had then).
  MapaAdresow linie_;
  bool linieAktualne_ = false;
  size_t zindeksowaneWiersze_ = 0;
};

}  // namespace kelbra
