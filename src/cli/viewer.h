// The viewer without a window: the application driven through the headless
// binding, as the CLI's commands use it.
#pragma once

#include <optional>
#include <string>

#include "app/application.h"
#include "ui/headless/headless_window.h"

namespace velkarin::cli {

// Exit statuses of velkarin-cli.
enum ExitCode : int { kOk = 0, kNoList = 2, kWrongVersion = 3, kUsage = 64 };

class Viewer {
 public:
  Viewer() : app_(window_) { window_.Bind(app_); }
  Viewer(const Viewer&) = delete;
  Viewer& operator=(const Viewer&) = delete;

  ui::HeadlessWindow& Window() { return window_; }
  const ui::HeadlessWindow& Window() const { return window_; }
  const app::AppState& State() const { return app_.State(); }
  app::Application& App() { return app_; }

  // Opens the file as the window would (the dialog returns `path`). Returns
  // the exit status and, when it is not kOk, a one-line reason.
  int Open(const std::string& path, std::string& error);

 private:
  ui::HeadlessWindow window_;
  app::Application app_;
};

}  // namespace velkarin::cli
