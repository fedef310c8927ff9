// The window as the application logic sees it: exactly the operations the
// handlers need from the platform, and the events the platform raises.
//
// A binding (Qt, Win32, or the headless one of the tests and the CLI)
// implements Window and calls the Events it was given. Setting the current
// row of the list or the text of the refine box raises the matching event at
// once, inside the setting call, before it returns. All texts are GBK.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "data/element_data.h"

namespace velkarin::ui {

enum class Panel { Equip, Wash, Set };
inline constexpr int kPanelCount = 3;

enum class EditBox { Search, Refine };

// A ColourValue: red + green * 256 + blue * 65536; kAutoColour is the
// platform's default text colour.
using ColourValue = std::int32_t;
inline constexpr ColourValue kAutoColour = static_cast<ColourValue>(0xFF000000u);

// The character format applied at a panel's caret before text is inserted.
struct CharFormat {
  std::string faceName;         // GBK
  std::int32_t heightTwips = 0;
  std::int32_t offsetTwips = 0;
  std::int32_t effects = 0;     // 1 bold, 2 italic, 4 underline, 8 strike-out, 16 protected
  ColourValue colour = kAutoColour;
};

// Handlers of the main window's events.
class Events {
 public:
  virtual ~Events() = default;
  virtual void OnWindowCreated() = 0;
  virtual void OnOpenFile() = 0;
  virtual void OnAbout() = 0;
  virtual void OnSearch() = 0;
  virtual void OnRowChanged() = 0;
  virtual void OnRefineChanged() = 0;
  virtual void OnRefineSpin(int button) = 0;
};

class Window {
 public:
  virtual ~Window() = default;

  // The item list (超级列表框1): two columns, 0 the ID, 1 the name.
  virtual void ListDeleteAllRows() = 0;
  virtual void ListAppendRow(std::string_view column0) = 0;
  virtual void ListSetCell(int row, int column, std::string_view text) = 0;
  virtual std::string ListCell(int row, int column) const = 0;
  // The first selected row, -1 when none.
  virtual int ListCurrentRow() const = 0;
  // Selects and focuses the row; raises OnRowChanged when it was not the focused row.
  virtual void ListSetCurrentRow(int row) = 0;
  virtual void ListRedraw() = 0;
  virtual void ListEnsureVisible(int row) = 0;

  // The three rich-text panels.
  virtual void PanelSetText(Panel panel, std::string_view text) = 0;
  virtual void PanelSetCharFormat(Panel panel, const CharFormat& format) = 0;
  virtual void PanelReplaceSelection(Panel panel, std::string_view text) = 0;

  // The search box (编辑框1) and the refine box (编辑框2). Setting the refine
  // box's text raises OnRefineChanged.
  virtual std::string EditText(EditBox box) const = 0;
  virtual void SetEditText(EditBox box, std::string_view text) = 0;

  // A modal message box with an OK button; returns when it is closed.
  virtual void ShowMessage(std::string_view text, std::string_view title) = 0;

  // The open-file dialog: a cancelled dialog leaves the file name as it was.
  virtual void ShowOpenDialog() = 0;
  virtual std::string OpenDialogFileName() const = 0;

  // The whole file; empty when the name is empty or the file cannot be read.
  virtual data::ElementData ReadFile(const std::string& fileName) = 0;

  // Switches the flat drawing of the standard controls on, for every window
  // of the thread, in the given style.
  virtual void EnableFlatLook(int style) = 0;

  // Ends the program with the given status once the current handler returns.
  virtual void EndProgram(int status) = 0;
};

}  // namespace velkarin::ui
