#include "screenshot.h"

#include <cstdint>
#include <vector>

namespace velkarin::ui::win32 {
namespace {

constexpr WORD kBitsPerPixel = 24;

// Bytes of one bottom-up BMP row: three per pixel, padded to four.
DWORD RowBytes(int width) { return (static_cast<DWORD>(width) * 3 + 3) & ~DWORD{3}; }

bool WriteAll(HANDLE file, const void* data, DWORD size) {
  DWORD written = 0;
  return WriteFile(file, data, size, &written, nullptr) && written == size;
}

bool WriteBmp(const std::wstring& path, const BITMAPINFOHEADER& info, const void* pixels) {
  const DWORD pixelBytes = RowBytes(info.biWidth) * static_cast<DWORD>(info.biHeight);
  BITMAPFILEHEADER header = {};
  header.bfType = 0x4D42;  // "BM"
  header.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  header.bfSize = header.bfOffBits + pixelBytes;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = WriteAll(file, &header, sizeof header) && WriteAll(file, &info, sizeof info) &&
            WriteAll(file, pixels, pixelBytes);
  CloseHandle(file);
  return ok;
}

}  // namespace

bool SaveWindowPicture(HWND window, const std::wstring& path) {
  RECT rect;
  if (!GetWindowRect(window, &rect)) return false;
  BITMAPINFOHEADER info = {};
  info.biSize = sizeof info;
  info.biWidth = rect.right - rect.left;
  info.biHeight = rect.bottom - rect.top;  // positive: bottom-up rows, as BMP files hold them
  info.biPlanes = 1;
  info.biBitCount = kBitsPerPixel;
  info.biCompression = BI_RGB;
  if (info.biWidth <= 0 || info.biHeight <= 0) return false;

  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  void* pixels = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                    &pixels, nullptr, 0);
  bool ok = false;
  if (bitmap) {
    HGDIOBJ previous = SelectObject(memory, bitmap);
    HDC source = GetWindowDC(window);
    ok = BitBlt(memory, 0, 0, info.biWidth, info.biHeight, source, 0, 0, SRCCOPY) && GdiFlush();
    ReleaseDC(window, source);
    SelectObject(memory, previous);
    ok = ok && WriteBmp(path, info, pixels);
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return ok;
}

}  // namespace velkarin::ui::win32
