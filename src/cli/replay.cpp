// `velkarin-cli replay`: the window's event flow without a window, one user
// action a line.
#include <iostream>
#include <string>

#include "commands.h"
#include "data/codepage.h"
#include "json_output.h"
#include "viewer.h"

namespace velkarin::cli {
namespace {

class Replay {
 public:
  explicit Replay(bool bytes) : out_(bytes) {
    viewer_.Window().onMessage = [this](const ui::HeadlessWindow::Message& m) { PrintMessage(m); };
  }

  // Runs one command line; false on bad usage (the reason is printed).
  bool Run(const std::string& line) {
    auto space = line.find(' ');
    std::string command = line.substr(0, space);
    bool hasArgument = space != std::string::npos;
    std::string argument = hasArgument ? line.substr(space + 1) : std::string();
    ui::HeadlessWindow& window = viewer_.Window();
    app::Application& app = viewer_.App();

    if (command == "open") {
      window.ChooseInDialog(hasArgument ? std::optional<std::string>(argument) : std::nullopt);
      app.OnOpenFile();
    } else if (command == "row") {
      auto row = ParseInt32(argument);
      if (!row) return Bad("row needs a row number: " + line);
      window.UserSelectRow(*row);
    } else if (command == "search") {
      window.UserTypeSearch(data::Utf8ToGbk(argument));
      app.OnSearch();
    } else if (command == "refine") {
      window.SetEditText(ui::EditBox::Refine, data::Utf8ToGbk(argument));
    } else if (command == "spin") {
      auto button = argument == "+1" ? std::optional<std::int32_t>(1) : ParseInt32(argument);
      if (!button) return Bad("spin needs +1 or -1: " + line);
      app.OnRefineSpin(*button);
    } else if (command == "about") {
      app.OnAbout();
    } else if (command == "dump") {
      Dump();
    } else {
      return Bad("unknown replay command: " + line);
    }
    return true;
  }

  bool Ended() const { return viewer_.Window().EndStatus().has_value(); }

 private:
  bool Bad(const std::string& reason) {
    std::cerr << "velkarin-cli: " << reason << '\n';
    return false;
  }

  void PrintMessage(const ui::HeadlessWindow::Message& m) {
    Json message;
    out_.PutText(message, "title", "title_gbk", m.title);
    out_.PutText(message, "text", "text_gbk", m.text);
    if (out_.WithBytes()) {
      // Keep the documented order: title, text, then their bytes.
      message = Json{{"title", message["title"]}, {"text", message["text"]},
                     {"title_gbk", message["title_gbk"]}, {"text_gbk", message["text_gbk"]}};
    }
    Json obj;
    obj["message"] = std::move(message);
    PrintLine(obj);
  }

  void Dump() {
    const app::AppState& state = viewer_.State();
    ui::HeadlessWindow& window = viewer_.Window();
    Json obj;
    obj["selected_row"] = state.selectedRow;
    obj["search_cursor"] = state.searchCursor;
    obj["equip_list_pos"] = state.equipListPos ? Json(*state.equipListPos) : Json(nullptr);
    Json rows = Json::array();
    for (int r = 0; r < window.RowCount(); ++r) {
      std::string name = window.ListCell(r, 1);
      Json row = Json::array({window.ListCell(r, 0), data::GbkToUtf8(name)});
      if (out_.WithBytes()) row.push_back(Hex(name));
      rows.push_back(std::move(row));
    }
    obj["rows"] = std::move(rows);
    out_.PutText(obj, "refine", "refine_gbk", window.EditText(ui::EditBox::Refine));
    out_.PutPanels(obj, window);
    PrintLine(obj);
  }

  Viewer viewer_;
  JsonOutput out_;
};

}  // namespace

int RunReplay(std::istream& script, bool bytes) {
  Replay replay(bytes);
  std::string line;
  while (std::getline(script, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(" \t") == std::string::npos) continue;
    if (!replay.Run(line)) return kUsage;
    if (replay.Ended()) {
      PrintLine(Json{{"exit", 0}});
      return kOk;
    }
  }
  return kOk;
}

}  // namespace velkarin::cli
