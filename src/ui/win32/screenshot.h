// A picture of a window, frame and menu included, saved as a 24-bit BMP.
#pragma once

#include <windows.h>

#include <string>

namespace velkarin::ui::win32 {

// False when the picture cannot be taken or the file cannot be written.
bool SaveWindowPicture(HWND window, const std::wstring& path);

}  // namespace velkarin::ui::win32
