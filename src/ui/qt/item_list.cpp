#include "item_list.h"

#include "qt_text.h"

namespace velkarin::ui {

void ItemListModel::Clear() {
  beginResetModel();
  rows_.clear();
  endResetModel();
}

void ItemListModel::AppendRow(std::string_view column0) {
  const int row = RowCount();
  beginInsertRows({}, row, row);
  rows_.push_back({std::string(column0), std::string()});
  endInsertRows();
}

void ItemListModel::SetCell(int row, int column, std::string_view text) {
  if (!Holds(row, column)) return;
  rows_[static_cast<size_t>(row)][static_cast<size_t>(column)] = text;
  const QModelIndex changed = index(row, column);
  Q_EMIT dataChanged(changed, changed, {Qt::DisplayRole});
}

std::string ItemListModel::Cell(int row, int column) const {
  if (!Holds(row, column)) return {};
  return rows_[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

bool ItemListModel::Holds(int row, int column) const {
  return row >= 0 && row < RowCount() && column >= 0 && column < kColumns;
}

int ItemListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : RowCount();
}

int ItemListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

QVariant ItemListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !Holds(index.row(), index.column())) return {};
  return ToQString(rows_[static_cast<size_t>(index.row())][static_cast<size_t>(index.column())]);
}

QVariant ItemListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  static const std::array<QString, kColumns> captions = {QStringLiteral(u"序号"),
                                                          QStringLiteral(u"装备名字")};
  return section >= 0 && section < kColumns ? captions[static_cast<size_t>(section)] : QVariant();
}

void ItemListView::mousePressEvent(QMouseEvent* event) {
  pressing_ = true;
  QTreeView::mousePressEvent(event);
  pressing_ = false;
}

void ItemListView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTreeView::currentChanged(current, previous);
  if (pressing_ && current.isValid() && !selectionModel()->isSelected(current)) {
    selectionModel()->select(current, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  }
  Q_EMIT currentRowChanged();
}

}  // namespace velkarin::ui
