// A window without a screen: it keeps what a real window would show (rows,
// panels with their character formats, edit texts, messages) and raises the
// same events at the same moments. The tests and the CLI drive the
// application through it.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/panel.h"
#include "ui/ui.h"

namespace velkarin::ui {

class HeadlessWindow final : public Window {
 public:
  struct Segment {
    CharFormat format;
    std::string text;
  };
  struct Message {
    std::string text;
    std::string title;
  };

  void Bind(Events& events) { events_ = &events; }
  // Where ReadFile gets its bytes from: by default the file system.
  using FileReader = std::function<data::ElementData(const std::string& fileName)>;
  void UseFileReader(FileReader reader) { fileReader_ = std::move(reader); }

  // What the user does.
  void ChooseInDialog(std::optional<std::string> fileName) { nextChoice_ = std::move(fileName); }
  void UserSelectRow(int row);
  void UserTypeSearch(std::string_view text) { SetEditText(EditBox::Search, text); }

  // What the window shows.
  int RowCount() const { return static_cast<int>(rows_.size()); }
  int FocusedRow() const { return focusedRow_; }
  const std::vector<Segment>& PanelSegments(Panel panel) const { return panels_[Index(panel)]; }
  // The panel's lines as written by AppendPanelLine: each segment without its
  // leading space and its CRLF, in its colour.
  app::PanelLines PanelLines(Panel panel) const;
  // The same lines handed to visit(ColourValue, std::string_view) one by one,
  // without copying their texts; the views live until the panel changes.
  template <class Visit>
  void VisitPanelLines(Panel panel, Visit&& visit) const {
    for (const Segment& segment : PanelSegments(panel)) visit(segment.format.colour, LineText(segment));
  }
  const std::vector<Message>& Messages() const { return messages_; }
  std::optional<int> EndStatus() const { return endStatus_; }
  int FlatLookStyle() const { return flatLookStyle_; }
  int RedrawCount() const { return redraws_; }
  int EnsuredVisibleRow() const { return ensuredVisible_; }
  // Called for every message box as it is shown.
  std::function<void(const Message&)> onMessage;

  // Window
  void ListDeleteAllRows() override;
  void ListAppendRow(std::string_view column0) override;
  void ListSetCell(int row, int column, std::string_view text) override;
  std::string ListCell(int row, int column) const override;
  int ListCurrentRow() const override { return selectedRow_; }
  void ListSetCurrentRow(int row) override;
  void ListRedraw() override { ++redraws_; }
  void ListEnsureVisible(int row) override { ensuredVisible_ = row; }
  void PanelSetText(Panel panel, std::string_view text) override;
  void PanelSetCharFormat(Panel panel, const CharFormat& format) override;
  void PanelReplaceSelection(Panel panel, std::string_view text) override;
  std::string EditText(EditBox box) const override;
  void SetEditText(EditBox box, std::string_view text) override;
  void ShowMessage(std::string_view text, std::string_view title) override;
  void ShowOpenDialog() override;
  std::string OpenDialogFileName() const override { return fileName_; }
  data::ElementData ReadFile(const std::string& fileName) override;
  void EnableFlatLook(int style) override { flatLookStyle_ = style; }
  void EndProgram(int status) override { endStatus_ = status; }

 private:
  static size_t Index(Panel panel) { return static_cast<size_t>(panel); }
  static std::string_view LineText(const Segment& segment);

  Events* events_ = nullptr;
  FileReader fileReader_;
  std::vector<std::array<std::string, 2>> rows_;
  int focusedRow_ = -1;
  int selectedRow_ = -1;
  int redraws_ = 0;
  int ensuredVisible_ = -1;
  std::array<std::vector<Segment>, kPanelCount> panels_;
  std::array<CharFormat, kPanelCount> caretFormats_;
  std::string searchText_;
  std::string refineText_ = "0";
  std::vector<Message> messages_;
  std::optional<std::string> nextChoice_;
  std::string fileName_;
  int flatLookStyle_ = 0;
  std::optional<int> endStatus_;
};

}  // namespace velkarin::ui
