#include "headless_window.h"

#include "data/file.h"

namespace velkarin::ui {

void HeadlessWindow::UserSelectRow(int row) { ListSetCurrentRow(row); }

std::string_view HeadlessWindow::LineText(const Segment& segment) {
  std::string_view text = segment.text;
  if (text.starts_with(' ')) text.remove_prefix(1);
  if (text.ends_with("\r\n")) text.remove_suffix(2);
  return text;
}

app::PanelLines HeadlessWindow::PanelLines(Panel panel) const {
  app::PanelLines lines;
  VisitPanelLines(panel, [&](ColourValue colour, std::string_view text) {
    lines.push_back({colour, std::string(text)});
  });
  return lines;
}

void HeadlessWindow::ListDeleteAllRows() {
  rows_.clear();
  focusedRow_ = -1;
  selectedRow_ = -1;
}

void HeadlessWindow::ListAppendRow(std::string_view column0) {
  rows_.push_back({std::string(column0), std::string()});
}

void HeadlessWindow::ListSetCell(int row, int column, std::string_view text) {
  if (row < 0 || row >= RowCount() || column < 0 || column > 1) return;
  rows_[static_cast<size_t>(row)][static_cast<size_t>(column)] = text;
}

std::string HeadlessWindow::ListCell(int row, int column) const {
  if (row < 0 || row >= RowCount() || column < 0 || column > 1) return {};
  return rows_[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

void HeadlessWindow::ListSetCurrentRow(int row) {
  if (row < 0 || row >= RowCount()) return;
  selectedRow_ = row;
  if (row == focusedRow_) return;
  focusedRow_ = row;
  if (events_) events_->OnRowChanged();
}

void HeadlessWindow::PanelSetText(Panel panel, std::string_view text) {
  auto& segments = panels_[Index(panel)];
  segments.clear();
  if (!text.empty()) segments.push_back({caretFormats_[Index(panel)], std::string(text)});
}

void HeadlessWindow::PanelSetCharFormat(Panel panel, const CharFormat& format) {
  caretFormats_[Index(panel)] = format;
}

void HeadlessWindow::PanelReplaceSelection(Panel panel, std::string_view text) {
  panels_[Index(panel)].push_back({caretFormats_[Index(panel)], std::string(text)});
}

std::string HeadlessWindow::EditText(EditBox box) const {
  return box == EditBox::Search ? searchText_ : refineText_;
}

void HeadlessWindow::SetEditText(EditBox box, std::string_view text) {
  if (box == EditBox::Search) {
    searchText_ = text;
    return;
  }
  refineText_ = text;
  if (events_) events_->OnRefineChanged();
}

void HeadlessWindow::ShowMessage(std::string_view text, std::string_view title) {
  messages_.push_back({std::string(text), std::string(title)});
  if (onMessage) onMessage(messages_.back());
}

void HeadlessWindow::ShowOpenDialog() {
  if (nextChoice_) fileName_ = *nextChoice_;
  nextChoice_.reset();
}

data::ElementData HeadlessWindow::ReadFile(const std::string& fileName) {
  if (fileReader_) return fileReader_(fileName);
  auto data = data::ReadWholeFile(fileName);
  return data ? std::move(*data) : data::ElementData();
}

}  // namespace velkarin::ui
