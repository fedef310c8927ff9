// The item list of the main window: a two-column model over the rows the
// application appends, and the report-style view that shows it.
//
// The rows live in the model as the GBK texts the application set (so a cell
// reads back byte for byte) and are converted for display only when the view
// asks, which is for the visible rows alone: 100,000 rows cost two strings
// each and no widgets.
#pragma once

#include <QAbstractTableModel>
#include <QTreeView>
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace velkarin::ui {

class ItemListModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  static constexpr int kColumns = 2;

  using QAbstractTableModel::QAbstractTableModel;

  void Clear();
  void AppendRow(std::string_view column0);
  void SetCell(int row, int column, std::string_view text);
  std::string Cell(int row, int column) const;
  int RowCount() const { return static_cast<int>(rows_.size()); }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  bool Holds(int row, int column) const;

  std::vector<std::array<std::string, kColumns>> rows_;
};

// A click makes a row current before it selects it; this view selects the
// row first, so that whoever hears of the new current row (and asks for the
// selected one) sees them agree, as they do after a keyboard move.
class ItemListView final : public QTreeView {
  Q_OBJECT

 public:
  using QTreeView::QTreeView;

 Q_SIGNALS:
  void currentRowChanged();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

 private:
  bool pressing_ = false;
};

}  // namespace velkarin::ui
