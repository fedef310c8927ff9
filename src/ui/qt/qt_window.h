// The main window on Qt 6 Widgets: the controls at their places, each
// operation of ui::Window carried out on them, and the user's actions raised
// as the application's events. Setting the current row or the refine text
// raises its event inside the call, as the interface requires.
#pragma once

#include <QMainWindow>
#include <QTextCharFormat>
#include <array>
#include <optional>
#include <string>

#include "ui/ui.h"

class QLineEdit;
class QTabWidget;
class QTextEdit;

namespace velkarin::ui {

class ItemListModel;
class ItemListView;

class QtWindow final : public QMainWindow, public Window {
  Q_OBJECT

 public:
  static constexpr QSize kOuterSize{640, 480};
  static constexpr QPoint kOuterPlace{50, 50};

  explicit QtWindow(QWidget* parent = nullptr);
  ~QtWindow() override;

  void Bind(Events& events) { events_ = &events; }
  // Raises OnWindowCreated, then shows the window at its place and size.
  void Start();
  // Opens a file as if the open-file dialog had returned its name: the
  // command line and a file dropped on the window come this way.
  void OpenFile(const std::string& fileName);
  // Without anyone to click them (a screenshot run), message boxes are
  // written to stderr instead of waiting.
  void SetMessagesToStderr(bool toStderr) { messagesToStderr_ = toStderr; }
  // The status EndProgram was given, once it has been called.
  std::optional<int> EndStatus() const { return endStatus_; }

  // Window
  void ListDeleteAllRows() override;
  void ListAppendRow(std::string_view column0) override;
  void ListSetCell(int row, int column, std::string_view text) override;
  std::string ListCell(int row, int column) const override;
  int ListCurrentRow() const override;
  void ListSetCurrentRow(int row) override;
  void ListRedraw() override;
  void ListEnsureVisible(int row) override;
  void PanelSetText(Panel panel, std::string_view text) override;
  void PanelSetCharFormat(Panel panel, const CharFormat& format) override;
  void PanelReplaceSelection(Panel panel, std::string_view text) override;
  std::string EditText(EditBox box) const override;
  void SetEditText(EditBox box, std::string_view text) override;
  void ShowMessage(std::string_view text, std::string_view title) override;
  void ShowOpenDialog() override;
  std::string OpenDialogFileName() const override { return fileName_; }
  data::ElementData ReadFile(const std::string& fileName) override;
  void EnableFlatLook(int style) override;
  void EndProgram(int status) override;

 Q_SIGNALS:
  // The application asked to end with this status; main leaves its event loop.
  void programEnded(int status);

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildMenus();
  void BuildItemList(QWidget* client);
  void BuildPanels(QWidget* client);
  void BuildEditControls(QWidget* client);
  void ShowPanelPage(int page);
  void FitOuterSize();
  QTextEdit* PanelEdit(Panel panel) const { return panels_[static_cast<size_t>(panel)]; }

  Events* events_ = nullptr;
  ItemListModel* model_ = nullptr;
  ItemListView* list_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  std::array<QTextEdit*, kPanelCount> panels_{};
  std::array<QTextCharFormat, kPanelCount> caretFormats_;
  QLineEdit* searchBox_ = nullptr;
  QLineEdit* refineBox_ = nullptr;
  bool settingRefine_ = false;
  std::optional<std::string> nextChoice_;
  std::string fileName_;
  bool messagesToStderr_ = false;
  std::optional<int> endStatus_;
};

}  // namespace velkarin::ui
