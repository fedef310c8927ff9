#include "flat_look.h"

#include <windows.h>

#include <array>
#include <optional>

namespace velkarin::ui::win32 {
namespace {

struct FlatStyle {
  int number;
  COLORREF frame;
};
// Style 1 is the one the main window uses.
constexpr std::array<FlatStyle, 1> kFlatStyles = {{{1, RGB(123, 158, 189)}}};

constexpr wchar_t kOriginalProc[] = L"VelkarinFlatLookProc";

COLORREF frameColour = 0;
HHOOK creationHook = nullptr;

std::optional<COLORREF> FrameColourOf(int style) {
  for (const FlatStyle& s : kFlatStyles) {
    if (s.number == style) return s.frame;
  }
  return std::nullopt;
}

// Width of the window's non-client frame: 2 for a 3-D edge, 1 for a line.
int FrameWidth(HWND hwnd) {
  auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE));
  auto style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
  if (exStyle & WS_EX_CLIENTEDGE) return GetSystemMetrics(SM_CXEDGE);
  if ((exStyle & WS_EX_STATICEDGE) || (style & WS_BORDER)) return 1;
  return 0;
}

bool IsPushButton(HWND hwnd) {
  wchar_t name[16] = {};
  GetClassNameW(hwnd, name, 16);
  auto type = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)) & BS_TYPEMASK;
  return lstrcmpiW(name, L"Button") == 0 && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

// The outer line in the flat colour, the rest of a wider frame in the
// window colour, over the whole window rectangle of `hdc`.
void DrawFrame(HDC hdc, RECT rect, int width) {
  HBRUSH line = CreateSolidBrush(frameColour);
  FrameRect(hdc, &rect, line);
  DeleteObject(line);
  for (int i = 1; i < width; ++i) {
    InflateRect(&rect, -1, -1);
    FrameRect(hdc, &rect, GetSysColorBrush(COLOR_WINDOW));
  }
}

void DrawNonClientFrame(HWND hwnd, HDC hdc) {
  int width = FrameWidth(hwnd);
  if (width == 0) return;
  RECT rect;
  GetWindowRect(hwnd, &rect);
  OffsetRect(&rect, -rect.left, -rect.top);
  DrawFrame(hdc, rect, width);
}

void DrawButtonFrame(HWND hwnd, HDC hdc) {
  RECT rect;
  GetClientRect(hwnd, &rect);
  DrawFrame(hdc, rect, 2);
}

LRESULT CALLBACK FlatProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto original = reinterpret_cast<WNDPROC>(GetPropW(hwnd, kOriginalProc));
  LRESULT result = CallWindowProcW(original, hwnd, message, wParam, lParam);
  switch (message) {
    case WM_NCPAINT: {
      HDC hdc = GetWindowDC(hwnd);
      DrawNonClientFrame(hwnd, hdc);
      ReleaseDC(hwnd, hdc);
      break;
    }
    case WM_PRINT:
      if (lParam & PRF_NONCLIENT) DrawNonClientFrame(hwnd, reinterpret_cast<HDC>(wParam));
      break;
    case WM_PAINT:
    case WM_PRINTCLIENT:
      if (IsPushButton(hwnd)) {
        HDC hdc = message == WM_PAINT ? GetDC(hwnd) : reinterpret_cast<HDC>(wParam);
        DrawButtonFrame(hwnd, hdc);
        if (message == WM_PAINT) ReleaseDC(hwnd, hdc);
      }
      break;
    case WM_NCDESTROY:
      SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
      RemovePropW(hwnd, kOriginalProc);
      break;
    default:
      break;
  }
  return result;
}

void MakeFlat(HWND hwnd) {
  if (!(GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD) || GetPropW(hwnd, kOriginalProc)) return;
  auto original = SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FlatProc));
  SetPropW(hwnd, kOriginalProc, reinterpret_cast<HANDLE>(original));
}

// A window that already exists is drawn again in the new look.
BOOL CALLBACK MakeChildFlat(HWND hwnd, LPARAM) {
  MakeFlat(hwnd);
  RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
  return TRUE;
}

BOOL CALLBACK MakeTopLevelFlat(HWND hwnd, LPARAM) {
  EnumChildWindows(hwnd, &MakeChildFlat, 0);
  return TRUE;
}

// Windows created later are made flat as they are created.
LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) MakeFlat(reinterpret_cast<HWND>(wParam));
  return CallNextHookEx(creationHook, code, wParam, lParam);
}

}  // namespace

bool EnableFlatLook(int style) {
  std::optional<COLORREF> colour = FrameColourOf(style);
  if (!colour) return false;
  frameColour = *colour;
  if (!creationHook) {
    creationHook = SetWindowsHookExW(WH_CBT, &CreationHook, nullptr, GetCurrentThreadId());
  }
  EnumThreadWindows(GetCurrentThreadId(), &MakeTopLevelFlat, 0);
  return true;
}

}  // namespace velkarin::ui::win32
