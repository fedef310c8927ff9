// velkarin.exe [--screenshot PICTURE.bmp] [FILE]: the viewer's Windows window.
// FILE is opened at start; with --screenshot the window saves a picture of
// itself once the start is drawn, and closes.
#include <windows.h>

#include <shellapi.h>

#include <optional>
#include <string>

#include "app/application.h"
#include "win32_window.h"

namespace {

struct Options {
  std::optional<std::wstring> file;
  std::optional<std::wstring> screenshot;
};

Options ParseCommandLine() {
  Options options;
  int count = 0;
  LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!args) return options;
  for (int i = 1; i < count; ++i) {
    std::wstring arg = args[i];
    if (arg == L"--screenshot" && i + 1 < count) {
      options.screenshot = args[++i];
    } else if (!options.file) {
      options.file = arg;
    }
  }
  LocalFree(args);
  return options;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  const Options options = ParseCommandLine();
  velkarin::ui::win32::Win32Window window(instance);
  velkarin::app::Application application(window);
  if (!window.Create(application)) return 1;
  if (options.file) window.OpenFile(*options.file);
  if (options.screenshot) window.SaveScreenshotAndClose(*options.screenshot);
  return window.RunMessageLoop();
}
