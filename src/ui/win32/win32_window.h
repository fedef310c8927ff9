// The main window over the Win32 API: user32 and comctl32 controls, RichEdit
// panels, the comdlg32 open dialog. It keeps the list's rows itself (the list
// view is virtual and asks for the texts it paints), talks to the controls in
// UTF-16 and to the application in GBK, and raises the events at the moments
// the interface promises.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "ui/ui.h"

namespace velkarin::ui::win32 {

class Win32Window final : public Window {
 public:
  explicit Win32Window(HINSTANCE instance) : instance_(instance) {}
  ~Win32Window() override;
  Win32Window(const Win32Window&) = delete;
  Win32Window& operator=(const Win32Window&) = delete;

  // Creates the main window and its controls, raises OnWindowCreated, and
  // shows it. False when the platform refuses.
  bool Create(Events& events);
  // Opens the file as if it had been chosen in the open dialog (the command
  // line, a dropped file).
  void OpenFile(const std::wstring& path);
  // Once the events already queued are handled: saves a picture of the window
  // to `path` and closes it (the exit status is 1 when the picture failed).
  void SaveScreenshotAndClose(const std::wstring& path);
  // Runs until the window is closed or the program is ended; the exit status.
  int RunMessageLoop();

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

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(int id, int code);
  LRESULT OnNotify(const NMHDR& header);
  void CreateControls();
  void CreateMenus();
  void SetUpList();
  void SetUpTabs();
  void SetUpPanels();
  void SetUpSpinner();
  void ShowPage(int page);
  void TakeScreenshot();
  void AnswerDisplayInfo(LVITEMW& item) const;
  void CheckFocusedRow();
  void SyncRowCount();
  void OpenDroppedFile(HDROP drop);
  HWND PanelHandle(Panel panel) const { return panels_[static_cast<size_t>(panel)]; }
  HWND EditHandle(EditBox box) const { return box == EditBox::Search ? searchEdit_ : refineEdit_; }
  // Calls a handler, then shows the rows it may have appended.
  template <typename Call>
  void Raise(Call call);

  HINSTANCE instance_;
  Events* events_ = nullptr;
  HWND main_ = nullptr;
  HWND list_ = nullptr;
  HWND tabs_ = nullptr;
  HWND searchEdit_ = nullptr;
  HWND refineEdit_ = nullptr;
  HWND spinner_ = nullptr;
  std::array<HWND, kPanelCount> panels_ = {};
  HFONT controlFont_ = nullptr;
  HFONT tabFont_ = nullptr;

  std::vector<std::array<std::string, 2>> rows_;  // GBK cell texts
  size_t rowsShown_ = 0;                          // the row count the list view knows
  int focusedRow_ = -1;
  bool listQuiet_ = false;  // the binding itself is changing the list's state
  bool rowCheckPosted_ = false;
  bool refineQuiet_ = false;

  std::optional<std::wstring> pendingFile_;  // taken by the next open dialog
  std::string fileName_;                      // GBK
  std::wstring wideFileName_;                 // the same name as the platform gave it
  std::wstring screenshotPath_;
  int exitStatus_ = 0;
};

}  // namespace velkarin::ui::win32
