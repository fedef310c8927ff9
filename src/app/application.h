// The application: its state for the whole run and the handlers of the main
// window's events. It reaches the window only through ui::Window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/name_search.h"
#include "app/panel.h"
#include "data/element_data.h"
#include "ui/ui.h"
#include "washset/washset_panels.h"

namespace velkarin::app {

struct AppState {
  data::ElementData elementData;
  std::optional<std::int64_t> equipListPos;  // header of the equipment list; none without a marker
  std::int32_t equipRecordSize = 0;
  std::int32_t equipCount = 0;
  std::int64_t recordPos = -1;   // record the panels show
  std::int32_t selectedRow = 0;  // -1 when no row was selected
  std::vector<std::int32_t> equipIds;
  std::vector<std::string> equipNames;  // GBK, colour prefix included
  washset::FirstRowIndex equipRows;     // the first row of each of equipIds, for the set panel
  std::int32_t searchCursor = 0;        // 1-based index of the last search hit
  TextStyle textStyle = InitialTextStyle();
};

// The version message shown for an equipment list of another record size.
const std::string& WrongVersionText();
const std::string& WrongVersionTitle();

class Application final : public ui::Events {
 public:
  explicit Application(ui::Window& window) : window_(window) {}

  const AppState& State() const { return state_; }

  void OnWindowCreated() override;
  void OnOpenFile() override;
  void OnAbout() override;
  void OnSearch() override;
  void OnRowChanged() override;
  void OnRefineChanged() override;
  void OnRefineSpin(int button) override;

 private:
  void FillList(std::int64_t rows);
  void ClearPanels();
  void RenderEquip();
  void Write(ui::Panel panel, const PanelLines& lines);

  ui::Window& window_;
  AppState state_;
  NameSearch nameSearch_;  // over state_.equipNames, rebuilt with them
};

}  // namespace velkarin::app
