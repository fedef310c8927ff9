#include "application.h"

#include <string>

#include "data/codepage.h"
#include "data/equip_record.h"
#include "data/gbk_text.h"
#include "data/lists.h"
#include "equip/equip_panel.h"
#include "washset/washset_panels.h"

namespace velkarin::app {
namespace {

constexpr int kFlatLookStyle = 1;
constexpr int kNameColumn = 1;
constexpr std::int64_t kMaxRefineShown = 20;

}  // namespace

const std::string& WrongVersionText() { return GBK("游戏版本错误，无法读取"); }
const std::string& WrongVersionTitle() { return GBK("错误"); }

void Application::OnWindowCreated() { window_.EnableFlatLook(kFlatLookStyle); }

void Application::OnOpenFile() {
  window_.ShowOpenDialog();
  state_.elementData = window_.ReadFile(window_.OpenDialogFileName());
  if (state_.elementData.Empty()) return;

  data::EquipListLocation list = data::LocateEquipList(state_.elementData);
  if (list.outcome == data::EquipListOutcome::NoMarker) {
    state_.equipListPos.reset();
    return;
  }
  state_.equipListPos = list.pos;
  state_.equipRecordSize = list.recordSize;
  state_.equipCount = list.count;
  if (list.outcome == data::EquipListOutcome::WrongRecordSize) {
    window_.ShowMessage(WrongVersionText(), WrongVersionTitle());
    window_.EndProgram(0);
    return;
  }

  std::int64_t rows = data::ListableRecordCount(state_.elementData, list);
  FillList(rows);
  if (rows > 0) {
    window_.ListSetCurrentRow(0);
  } else {
    // No row change will come, so nothing of the previous file may stay shown.
    ClearPanels();
  }
}

void Application::FillList(std::int64_t rows) {
  state_.equipIds.clear();
  state_.equipNames.clear();
  window_.ListDeleteAllRows();
  state_.equipIds.reserve(static_cast<size_t>(rows));
  state_.equipNames.reserve(static_cast<size_t>(rows));
  const std::int64_t first = *state_.equipListPos + data::kListHeaderBytes;
  for (std::int64_t k = 0; k < rows; ++k) {
    data::EquipRecord record(state_.elementData, first + k * state_.equipRecordSize);
    std::int32_t id = record.EquipId();
    window_.ListAppendRow(std::to_string(id));
    std::string name = record.EquipName();
    window_.ListSetCell(static_cast<int>(k), kNameColumn, name);
    state_.equipIds.push_back(id);
    state_.equipNames.push_back(std::move(name));
  }
  state_.equipRows = washset::FirstRowIndex(state_.equipIds);
  nameSearch_ = NameSearch(state_.equipNames);
  state_.recordPos = first + rows * state_.equipRecordSize;
}

void Application::OnAbout() {
  window_.ShowMessage(GBK("Velkarin " VELKARIN_VERSION
                          "\n游戏元素数据文件的装备查看器：装备属性、可洗属性与套装属性。"
                          "\n本程序只读取数据文件，从不修改任何文件。"),
                      GBK("软件说明"));
}

void Application::OnSearch() {
  std::string text = window_.EditText(ui::EditBox::Search);
  if (text.empty()) return;
  const auto n = static_cast<std::int32_t>(state_.equipNames.size());
  if (n == 0) return;
  // Each name is tested once, from the one after the last hit on, wrapping
  // to the first; without a hit the cursor ends where that walk ends it.
  const std::int32_t start = state_.searchCursor >= n ? 0 : state_.searchCursor;
  auto hit = nameSearch_.FirstMatch(start, n, text);
  if (!hit) hit = nameSearch_.FirstMatch(0, start, text);
  if (!hit) {
    state_.searchCursor = state_.searchCursor >= 1 && state_.searchCursor <= n ? state_.searchCursor : n;
    return;
  }
  state_.searchCursor = *hit + 1;
  window_.ListSetCurrentRow(*hit);
  window_.ListRedraw();
  window_.ListEnsureVisible(*hit);
}

void Application::OnRowChanged() {
  state_.selectedRow = window_.ListCurrentRow();
  ClearPanels();
  // With no list (the last open found no marker) or no selected row there is
  // no record to show: the panels stay empty.
  if (!state_.equipListPos || state_.selectedRow < 0) return;
  state_.recordPos = *state_.equipListPos + data::kListHeaderBytes +
                     std::int64_t{state_.equipRecordSize} * state_.selectedRow;
  RenderEquip();
  Write(ui::Panel::Wash, washset::RenderWashPanel(state_.elementData, state_.recordPos));
  Write(ui::Panel::Set, washset::RenderSetPanel(state_.elementData, state_.recordPos,
                                                state_.equipIds, state_.equipNames,
                                                state_.equipRows));
}

void Application::OnRefineChanged() { RenderEquip(); }

void Application::OnRefineSpin(int button) {
  if (button != 1 && button != -1) return;
  std::int64_t level = data::IntegerValueOfText(window_.EditText(ui::EditBox::Refine));
  std::int64_t v = level + button;
  if (v == kMaxRefineShown + 1) v = kMaxRefineShown;
  if (v == -1) v = 0;
  window_.SetEditText(ui::EditBox::Refine, std::to_string(v));
}

void Application::ClearPanels() {
  for (ui::Panel panel : {ui::Panel::Equip, ui::Panel::Wash, ui::Panel::Set}) {
    window_.PanelSetText(panel, {});
  }
}

void Application::RenderEquip() {
  window_.PanelSetText(ui::Panel::Equip, {});
  Write(ui::Panel::Equip,
        equip::RenderEquipPanel(state_.elementData, state_.recordPos,
                                window_.ListCell(state_.selectedRow, kNameColumn),
                                window_.EditText(ui::EditBox::Refine)));
}

void Application::Write(ui::Panel panel, const PanelLines& lines) {
  for (const PanelLine& line : lines) {
    AppendPanelLine(window_, state_.textStyle, panel, line.colour, line.text);
  }
}

}  // namespace velkarin::app
