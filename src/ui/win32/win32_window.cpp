#include "win32_window.h"

#include <commctrl.h>
#include <commdlg.h>
#include <richedit.h>
#include <shellapi.h>

#include <algorithm>
#include <climits>

#include "flat_look.h"
#include "screenshot.h"
#include "wide_text.h"

namespace velkarin::ui::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"VelkarinMainWindow";
constexpr UINT kRowCheckMessage = WM_APP + 1;
constexpr UINT kScreenshotMessage = WM_APP + 2;

enum ControlId : int {
  kListId = 100,
  kTabsId,
  kSearchEditId,
  kSearchButtonId,
  kRefineLabelId,
  kRefineEditId,
  kSpinnerId,
  kEquipPanelId,
  kWashPanelId,
  kSetPanelId,
  kOpenFileMenuId = 200,
  kAboutMenuId,
};

struct ControlSpec {
  int id;
  const wchar_t* className;
  const char* text;  // UTF-8
  DWORD style;
  int x, y, width, height;
  DWORD exStyle = 0;
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kPanelStyle =
    WS_CHILD | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;

// The controls of the main window, at their places in its client area.
const ControlSpec kMainControls[] = {
    {kListId, WC_LISTVIEWW, "",
     kChild | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
     8, 9, 200, 391},
    {kTabsId, WC_TABCONTROLW, "", kChild | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 216, 9, 408, 391},
    {kSearchEditId, L"EDIT", "", kChild | WS_TABSTOP | ES_AUTOHSCROLL, 7, 404, 200, 20, WS_EX_CLIENTEDGE},
    {kSearchButtonId, L"BUTTON", "搜索", kChild | WS_TABSTOP | BS_PUSHBUTTON, 218, 404, 56, 20},
    {kRefineLabelId, L"STATIC", "精炼等级：", kChild | WS_CLIPSIBLINGS | SS_LEFT, 428, 406, 88, 16},
    {kRefineEditId, L"EDIT", "0", kChild | WS_TABSTOP | WS_CLIPSIBLINGS | ES_AUTOHSCROLL,
     491, 405, 134, 19, WS_EX_CLIENTEDGE},
    {kSpinnerId, UPDOWN_CLASSW, "", kChild, 608, 407, 16, 16},
};

// The three panels, one per page of the tab control, in the tab control.
const ControlSpec kPanels[kPanelCount] = {
    {kEquipPanelId, RICHEDIT_CLASSW, "", kPanelStyle | WS_VISIBLE, 8, 32, 392, 351},
    {kWashPanelId, RICHEDIT_CLASSW, "", kPanelStyle, 8, 32, 392, 351},
    {kSetPanelId, RICHEDIT_CLASSW, "", kPanelStyle, 8, 32, 392, 351},
};
const char* const kPageCaptions[kPanelCount] = {"装备属性", "可洗属性", "套装属性"};

struct ColumnSpec {
  const char* caption;
  int width;
};
const ColumnSpec kColumns[] = {{"序号", 45}, {"装备名字", 135}};

struct MenuSpec {
  const char* menu;
  const char* item;
  int id;
};
const MenuSpec kMenus[] = {{"打开", "打开文件", kOpenFileMenuId}, {"说明", "软件说明", kAboutMenuId}};

constexpr COLORREF kListText = RGB(255, 255, 0);
constexpr COLORREF kListBackground = RGB(0, 0, 0);
constexpr COLORREF kPanelBackground = RGB(0, 128, 0);
constexpr int kControlFontPixels = 12;
constexpr int kTabFontPixels = 12;
// The spinner's position stays in the middle: every press is reported and
// undone, so the control never stops at an end of its range.
constexpr int kSpinnerRange = 100;

struct EffectFlag {
  std::int32_t flag;
  DWORD mask;
  DWORD effect;
};
const EffectFlag kEffects[] = {
    {1, CFM_BOLD, CFE_BOLD},           {2, CFM_ITALIC, CFE_ITALIC},
    {4, CFM_UNDERLINE, CFE_UNDERLINE}, {8, CFM_STRIKEOUT, CFE_STRIKEOUT},
    {16, CFM_PROTECTED, CFE_PROTECTED},
};

HFONT MakeFont(int pixels, std::string_view faceUtf8) {
  return CreateFontW(-pixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, WideFromUtf8(faceUtf8).c_str());
}

HWND MakeControl(const ControlSpec& control, HWND parent, HINSTANCE instance, HFONT font) {
  HWND hwnd = CreateWindowExW(control.exStyle, control.className, WideFromUtf8(control.text).c_str(), control.style,
                              control.x, control.y, control.width, control.height, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance,
                              nullptr);
  if (hwnd) SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return hwnd;
}

// Plain UTF-16 text fed to a RichEdit control, so that nothing in it is read
// as formatting.
struct StreamSource {
  const wchar_t* next;
  size_t bytesLeft;
};

DWORD CALLBACK ReadStream(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* read) {
  auto* source = reinterpret_cast<StreamSource*>(cookie);
  size_t n = std::min(source->bytesLeft, static_cast<size_t>(size) & ~size_t{1});
  std::copy_n(reinterpret_cast<const BYTE*>(source->next), n, buffer);
  source->next += n / sizeof(wchar_t);
  source->bytesLeft -= n;
  *read = static_cast<LONG>(n);
  return 0;
}

void StreamPlainText(HWND panel, std::string_view gbk, bool intoSelection) {
  std::wstring wide = WideFromGbk(gbk);
  StreamSource source{wide.data(), wide.size() * sizeof(wchar_t)};
  EDITSTREAM stream = {};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
  stream.pfnCallback = &ReadStream;
  WPARAM format = SF_TEXT | SF_UNICODE | (intoSelection ? SFF_SELECTION : 0);
  SendMessageW(panel, EM_STREAMIN, format, reinterpret_cast<LPARAM>(&stream));
}

CHARFORMAT2W CharFormatOf(const CharFormat& format) {
  CHARFORMAT2W cf = {};
  cf.cbSize = sizeof cf;
  cf.dwMask = CFM_FACE | CFM_SIZE | CFM_OFFSET | CFM_COLOR;
  for (const EffectFlag& e : kEffects) {
    cf.dwMask |= e.mask;
    if (format.effects & e.flag) cf.dwEffects |= e.effect;
  }
  cf.yHeight = format.heightTwips;
  cf.yOffset = format.offsetTwips;
  if (format.colour == kAutoColour) {
    cf.dwEffects |= CFE_AUTOCOLOR;
  } else {
    // A value outside 0..FFFFFF (a malformed colour code) keeps its low 24 bits.
    cf.crTextColor = static_cast<COLORREF>(format.colour) & 0xFFFFFF;
  }
  std::wstring face = WideFromGbk(format.faceName);
  face.resize(std::min<size_t>(face.size(), LF_FACESIZE - 1));
  std::copy(face.begin(), face.end(), cf.szFaceName);
  return cf;
}

// The whole file; empty when it cannot be opened or read.
data::ElementData ReadWholeFile(const std::wstring& path) {
  if (path.empty()) return {};
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  LARGE_INTEGER size = {};
  std::string bytes;
  if (GetFileSizeEx(file, &size) && size.QuadPart > 0) {
    bytes.reserve(static_cast<size_t>(size.QuadPart));
  }
  // Read until the end, so that a file that grows or shrinks underfoot is
  // still read whole.
  constexpr DWORD kChunk = 1 << 20;
  std::string chunk(kChunk, '\0');
  DWORD read = 0;
  bool ok = true;
  while ((ok = ReadFile(file, chunk.data(), kChunk, &read, nullptr)) && read > 0) {
    bytes.append(chunk.data(), read);
  }
  CloseHandle(file);
  if (!ok) return {};
  return data::ElementData::FromBytes(bytes);
}

}  // namespace

Win32Window::~Win32Window() {
  if (main_) DestroyWindow(main_);
  if (controlFont_) DeleteObject(controlFont_);
  if (tabFont_) DeleteObject(tabFont_);
}

bool Win32Window::Create(Events& events) {
  events_ = &events;
  INITCOMMONCONTROLSEX common = {sizeof common, ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES |
                                                    ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&common);
  if (!LoadLibraryW(L"riched20.dll")) return false;

  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &WindowProc;
  windowClass.hInstance = instance_;
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kWindowClass;
  if (!RegisterClassExW(&windowClass)) return false;

  main_ = CreateWindowExW(0, kWindowClass, L"Velkarin",
                          WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                          50, 50, 640, 480, nullptr, nullptr, instance_, this);
  if (!main_) return false;
  CreateMenus();
  CreateControls();
  DragAcceptFiles(main_, TRUE);
  Raise([](Events& e) { e.OnWindowCreated(); });
  ShowWindow(main_, SW_SHOWNORMAL);
  UpdateWindow(main_);
  return true;
}

void Win32Window::CreateMenus() {
  HMENU bar = CreateMenu();
  for (const MenuSpec& entry : kMenus) {
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(entry.id), WideFromUtf8(entry.item).c_str());
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), WideFromUtf8(entry.menu).c_str());
  }
  SetMenu(main_, bar);
}

void Win32Window::CreateControls() {
  controlFont_ = MakeFont(kControlFontPixels, "宋体");
  tabFont_ = MakeFont(kTabFontPixels, "SimSun");
  for (const ControlSpec& control : kMainControls) {
    HWND hwnd = MakeControl(control, main_, instance_, control.id == kTabsId ? tabFont_ : controlFont_);
    if (control.id == kListId) list_ = hwnd;
    if (control.id == kTabsId) tabs_ = hwnd;
    if (control.id == kSearchEditId) searchEdit_ = hwnd;
    if (control.id == kRefineEditId) refineEdit_ = hwnd;
    if (control.id == kSpinnerId) spinner_ = hwnd;
  }
  for (size_t i = 0; i < panels_.size(); ++i) {
    panels_[i] = MakeControl(kPanels[i], tabs_, instance_, controlFont_);
  }
  SetUpList();
  SetUpTabs();
  SetUpPanels();
  SetUpSpinner();
}

void Win32Window::SetUpList() {
  ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT);
  ListView_SetTextColor(list_, kListText);
  ListView_SetTextBkColor(list_, kListBackground);
  ListView_SetBkColor(list_, kListBackground);
  for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i) {
    std::wstring caption = WideFromUtf8(kColumns[i].caption);
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = caption.data();
    column.cx = kColumns[i].width;
    column.iSubItem = i;
    ListView_InsertColumn(list_, i, &column);
  }
}

void Win32Window::SetUpTabs() {
  for (int i = 0; i < kPanelCount; ++i) {
    std::wstring caption = WideFromUtf8(kPageCaptions[i]);
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    TabCtrl_InsertItem(tabs_, i, &item);
  }
}

void Win32Window::SetUpPanels() {
  for (HWND panel : panels_) {
    SendMessageW(panel, EM_SETBKGNDCOLOR, 0, kPanelBackground);
  }
}

void Win32Window::SetUpSpinner() {
  SendMessageW(spinner_, UDM_SETRANGE32, 0, 2 * kSpinnerRange);
  SendMessageW(spinner_, UDM_SETPOS32, 0, kSpinnerRange);
  UDACCEL step = {0, 1};
  SendMessageW(spinner_, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&step));
  // The refine box lies over the end of its label, the spinner over the
  // right end of the refine box.
  for (HWND hwnd : {refineEdit_, spinner_}) {
    SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void Win32Window::OpenFile(const std::wstring& path) {
  pendingFile_ = path;
  Raise([](Events& e) { e.OnOpenFile(); });
  pendingFile_.reset();
}

void Win32Window::SaveScreenshotAndClose(const std::wstring& path) {
  screenshotPath_ = path;
  PostMessageW(main_, kScreenshotMessage, 0, 0);
}

int Win32Window::RunMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return message.message == WM_QUIT ? static_cast<int>(message.wParam) : exitStatus_;
}

template <typename Call>
void Win32Window::Raise(Call call) {
  if (!events_) return;
  call(*events_);
  SyncRowCount();
}

LRESULT CALLBACK Win32Window::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self || self->main_ != hwnd) return DefWindowProcW(hwnd, message, wParam, lParam);
  return self->Handle(message, wParam, lParam);
}

LRESULT Win32Window::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_DROPFILES:
      OpenDroppedFile(reinterpret_cast<HDROP>(wParam));
      return 0;
    case kRowCheckMessage:
      rowCheckPosted_ = false;
      CheckFocusedRow();
      return 0;
    case kScreenshotMessage:
      TakeScreenshot();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(exitStatus_);
      main_ = nullptr;
      return 0;
    default:
      return DefWindowProcW(main_, message, wParam, lParam);
  }
}

void Win32Window::OnCommand(int id, int code) {
  if (id == kOpenFileMenuId) {
    Raise([](Events& e) { e.OnOpenFile(); });
  } else if (id == kAboutMenuId) {
    Raise([](Events& e) { e.OnAbout(); });
  } else if (id == kSearchButtonId && code == BN_CLICKED) {
    Raise([](Events& e) { e.OnSearch(); });
  } else if (id == kRefineEditId && code == EN_CHANGE && !refineQuiet_) {
    Raise([](Events& e) { e.OnRefineChanged(); });
  }
}

LRESULT Win32Window::OnNotify(const NMHDR& header) {
  if (header.hwndFrom == list_) {
    if (header.code == LVN_GETDISPINFOW) {
      AnswerDisplayInfo(reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(&header))->item);
    } else if ((header.code == LVN_ITEMCHANGED || header.code == LVN_ODSTATECHANGED) &&
               !listQuiet_ && !rowCheckPosted_) {
      // The list may report the focus before the selection: look once both are done.
      rowCheckPosted_ = true;
      PostMessageW(main_, kRowCheckMessage, 0, 0);
    }
  } else if (header.hwndFrom == tabs_ && header.code == TCN_SELCHANGE) {
    ShowPage(TabCtrl_GetCurSel(tabs_));
  } else if (header.hwndFrom == spinner_ && header.code == UDN_DELTAPOS) {
    const auto& press = reinterpret_cast<const NMUPDOWN&>(header);
    int button = press.iDelta > 0 ? 1 : -1;
    Raise([button](Events& e) { e.OnRefineSpin(button); });
    return TRUE;  // the position stays where it is
  }
  return 0;
}

void Win32Window::AnswerDisplayInfo(LVITEMW& item) const {
  if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0) return;
  item.pszText[0] = L'\0';
  std::string cell = ListCell(item.iItem, item.iSubItem);
  if (cell.empty()) return;
  std::wstring text = WideFromGbk(cell);
  size_t n = std::min(text.size(), static_cast<size_t>(item.cchTextMax) - 1);
  std::copy_n(text.begin(), n, item.pszText);
  item.pszText[n] = L'\0';
}

void Win32Window::CheckFocusedRow() {
  int focused = ListView_GetNextItem(list_, -1, LVNI_FOCUSED);
  if (focused == focusedRow_) return;
  focusedRow_ = focused;
  if (focused >= 0) Raise([](Events& e) { e.OnRowChanged(); });
}

void Win32Window::SyncRowCount() {
  if (rowsShown_ == rows_.size()) return;
  listQuiet_ = true;
  ListView_SetItemCountEx(list_, static_cast<int>(rows_.size()), LVSICF_NOSCROLL);
  listQuiet_ = false;
  rowsShown_ = rows_.size();
}

void Win32Window::ShowPage(int page) {
  for (int i = 0; i < kPanelCount; ++i) {
    ShowWindow(panels_[static_cast<size_t>(i)], i == page ? SW_SHOW : SW_HIDE);
  }
}

void Win32Window::TakeScreenshot() {
  RedrawWindow(main_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
  if (!SaveWindowPicture(main_, screenshotPath_)) exitStatus_ = 1;
  DestroyWindow(main_);
}

void Win32Window::OpenDroppedFile(HDROP drop) {
  UINT length = DragQueryFileW(drop, 0, nullptr, 0);
  std::wstring path(length + 1, L'\0');
  DragQueryFileW(drop, 0, path.data(), length + 1);
  DragFinish(drop);
  path.resize(length);
  if (!path.empty()) OpenFile(path);
}

void Win32Window::ListDeleteAllRows() {
  rows_.clear();
  listQuiet_ = true;
  ListView_DeleteAllItems(list_);
  listQuiet_ = false;
  rowsShown_ = 0;
  focusedRow_ = -1;
}

void Win32Window::ListAppendRow(std::string_view column0) {
  // The list view learns the new count when the handler is done (or when a
  // row is selected or shown), not once per row.
  rows_.push_back({std::string(column0), std::string()});
}

void Win32Window::ListSetCell(int row, int column, std::string_view text) {
  if (row < 0 || static_cast<size_t>(row) >= rows_.size() || column < 0 || column > 1) return;
  rows_[static_cast<size_t>(row)][static_cast<size_t>(column)] = text;
  if (static_cast<size_t>(row) < rowsShown_) ListView_RedrawItems(list_, row, row);
}

std::string Win32Window::ListCell(int row, int column) const {
  if (row < 0 || static_cast<size_t>(row) >= rows_.size() || column < 0 || column > 1) return {};
  return rows_[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

int Win32Window::ListCurrentRow() const { return ListView_GetNextItem(list_, -1, LVNI_SELECTED); }

void Win32Window::ListSetCurrentRow(int row) {
  if (row < 0 || static_cast<size_t>(row) >= rows_.size()) return;
  SyncRowCount();
  listQuiet_ = true;
  ListView_SetItemState(list_, row, LVIS_SELECTED, LVIS_SELECTED);
  ListView_SetItemState(list_, row, LVIS_FOCUSED, LVIS_FOCUSED);
  listQuiet_ = false;
  if (row == focusedRow_) return;
  focusedRow_ = row;
  events_->OnRowChanged();
}

void Win32Window::ListRedraw() {
  SyncRowCount();
  RedrawWindow(list_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void Win32Window::ListEnsureVisible(int row) {
  SyncRowCount();
  ListView_EnsureVisible(list_, row, FALSE);
}

void Win32Window::PanelSetText(Panel panel, std::string_view text) {
  HWND hwnd = PanelHandle(panel);
  StreamPlainText(hwnd, text, false);
  SendMessageW(hwnd, EM_SETSEL, 0, 0);
}

void Win32Window::PanelSetCharFormat(Panel panel, const CharFormat& format) {
  CHARFORMAT2W cf = CharFormatOf(format);
  SendMessageW(PanelHandle(panel), EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
}

void Win32Window::PanelReplaceSelection(Panel panel, std::string_view text) {
  StreamPlainText(PanelHandle(panel), text, true);
}

std::string Win32Window::EditText(EditBox box) const {
  HWND hwnd = EditHandle(box);
  int length = GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  length = GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(static_cast<size_t>(std::max(length, 0)));
  return GbkFromWide(text);
}

void Win32Window::SetEditText(EditBox box, std::string_view text) {
  // The refine box's change is raised here, once, whether or not the
  // control reports a change of the same text.
  refineQuiet_ = true;
  SetWindowTextW(EditHandle(box), WideFromGbk(text).c_str());
  refineQuiet_ = false;
  if (box == EditBox::Refine) events_->OnRefineChanged();
}

void Win32Window::ShowMessage(std::string_view text, std::string_view title) {
  MessageBoxW(main_, WideFromGbk(text).c_str(), WideFromGbk(title).c_str(), MB_OK);
}

void Win32Window::ShowOpenDialog() {
  if (pendingFile_) {
    wideFileName_ = *pendingFile_;
    fileName_ = GbkFromWide(wideFileName_);
    pendingFile_.reset();
    return;
  }
  std::wstring buffer(32768, L'\0');
  OPENFILENAMEW dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = main_;
  dialog.lpstrFile = buffer.data();
  dialog.nMaxFile = static_cast<DWORD>(buffer.size());
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY;  // a name that does not exist is accepted
  if (!GetOpenFileNameW(&dialog)) return;
  buffer.resize(buffer.find(L'\0'));
  wideFileName_ = buffer;
  fileName_ = GbkFromWide(buffer);
}

data::ElementData Win32Window::ReadFile(const std::string& fileName) {
  // The name the platform gave keeps the characters GBK cannot hold.
  return ReadWholeFile(fileName == fileName_ ? wideFileName_ : WideFromGbk(fileName));
}

void Win32Window::EnableFlatLook(int style) { win32::EnableFlatLook(style); }

void Win32Window::EndProgram(int status) {
  exitStatus_ = status;
  PostQuitMessage(status);
}

}  // namespace velkarin::ui::win32
