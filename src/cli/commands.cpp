#include "commands.h"

#include <charconv>
#include <fstream>
#include <iostream>

#include "addon/addon.h"
#include "addon/addon_index.h"
#include "data/codepage.h"
#include "data/file.h"
#include "data/lists.h"
#include "json_output.h"
#include "sample/sample.h"
#include "viewer.h"

namespace velkarin::cli {
namespace {

void PrintError(const std::string& message) { std::cerr << "velkarin-cli: " << message << '\n'; }

// Opens the file in the viewer; prints the reason when it fails.
int OpenOrExplain(Viewer& viewer, const std::string& file) {
  std::string error;
  int status = viewer.Open(file, error);
  if (status != kOk) PrintError(error);
  return status;
}

// A name in a TSV cell: tabs and line breaks written as \t, \n and \r.
std::string EscapeCell(const std::string& utf8) {
  std::string out;
  for (char c : utf8) {
    if (c == '\t') out += "\\t";
    else if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else out.push_back(c);
  }
  return out;
}

// The show object of the viewer's current row, as one line.
void AppendShowLine(std::string& buffer, Viewer& viewer, const JsonOutput& out, int row) {
  const app::AppState& state = viewer.State();
  JsonWriter writer(buffer);
  out.WriteShow(writer, row, state.equipIds[static_cast<size_t>(row)],
                state.equipNames[static_cast<size_t>(row)], viewer.Window());
  buffer += '\n';
}

void PrintShowText(Viewer& viewer, int row) {
  const app::AppState& state = viewer.State();
  std::cout << "#" << row << "  " << state.equipIds[static_cast<size_t>(row)] << "  "
            << data::GbkToUtf8(state.equipNames[static_cast<size_t>(row)]) << "  (精炼 "
            << data::GbkToUtf8(viewer.Window().EditText(ui::EditBox::Refine)) << ")\n";
  static constexpr std::pair<const char*, ui::Panel> kTabs[] = {
      {"装备属性", ui::Panel::Equip}, {"可洗属性", ui::Panel::Wash}, {"套装属性", ui::Panel::Set}};
  for (const auto& [caption, panel] : kTabs) {
    std::cout << "\n[" << caption << "]\n";
    for (const app::PanelLine& line : viewer.Window().PanelLines(panel)) {
      std::cout << "  " << data::GbkToUtf8(line.text) << '\n';
    }
  }
}

void SetRefine(Viewer& viewer, const std::optional<std::string>& refine) {
  if (refine) viewer.Window().SetEditText(ui::EditBox::Refine, data::Utf8ToGbk(*refine));
}

}  // namespace

std::optional<std::int32_t> ParseInt32(const std::string& text) {
  if (text.empty() || text[0] == '+' || text.find_first_not_of("-0123456789") != std::string::npos) {
    return std::nullopt;
  }
  std::int32_t value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

int RunList(const ListOptions& options) {
  Viewer viewer;
  if (int status = OpenOrExplain(viewer, options.file); status != kOk) return status;
  const app::AppState& state = viewer.State();
  JsonOutput out(options.bytes);
  if (options.json) {
    Json rows = Json::array();
    for (size_t k = 0; k < state.equipIds.size(); ++k) {
      Json row;
      row["row"] = k;
      row["id"] = state.equipIds[k];
      out.PutText(row, "name", "gbk", state.equipNames[k]);
      rows.push_back(std::move(row));
    }
    Json obj;
    obj["rows"] = std::move(rows);
    PrintLine(obj);
    return kOk;
  }
  std::string text;
  for (size_t k = 0; k < state.equipIds.size(); ++k) {
    text += std::to_string(k) + '\t' + std::to_string(state.equipIds[k]) + '\t' +
            EscapeCell(data::GbkToUtf8(state.equipNames[k]));
    if (options.bytes) text += '\t' + Hex(state.equipNames[k]);
    text += '\n';
  }
  std::cout << text << std::flush;
  return kOk;
}

int RunShow(const ShowOptions& options) {
  Viewer viewer;
  if (int status = OpenOrExplain(viewer, options.file); status != kOk) return status;
  const app::AppState& state = viewer.State();
  std::int64_t row = options.row.value_or(0);
  if (options.id) {
    auto it = std::find(state.equipIds.begin(), state.equipIds.end(), *options.id);
    if (it == state.equipIds.end()) {
      PrintError("no row has the ID " + std::to_string(*options.id));
      return kUsage;
    }
    row = it - state.equipIds.begin();
  }
  if (row < 0 || row >= static_cast<std::int64_t>(state.equipIds.size())) {
    PrintError("row " + std::to_string(row) + " is outside the list (" +
               std::to_string(state.equipIds.size()) + " rows)");
    return kUsage;
  }
  viewer.Window().UserSelectRow(static_cast<int>(row));
  SetRefine(viewer, options.refine);
  if (options.json) {
    JsonOutput out(options.bytes);
    std::string line;
    AppendShowLine(line, viewer, out, static_cast<int>(row));
    std::cout << line << std::flush;
  } else {
    PrintShowText(viewer, static_cast<int>(row));
  }
  return kOk;
}

int RunExport(const ExportOptions& options) {
  Viewer viewer;
  if (int status = OpenOrExplain(viewer, options.file); status != kOk) return status;
  SetRefine(viewer, options.refine);
  JsonOutput out(options.bytes);
  std::string buffer;
  const auto rows = static_cast<int>(viewer.State().equipIds.size());
  for (int row = 0; row < rows; ++row) {
    viewer.Window().UserSelectRow(row);
    AppendShowLine(buffer, viewer, out, row);
    if (buffer.size() > (1u << 20)) {
      std::cout << buffer;
      buffer.clear();
    }
  }
  std::cout << buffer << std::flush;
  return kOk;
}

int RunAddon(const AddonOptions& options) {
  if (options.all == !options.ids.empty()) {
    PrintError("addon takes either IDs or --all");
    return kUsage;
  }
  std::vector<std::int32_t> ids;
  for (const std::string& text : options.ids) {
    auto id = ParseInt32(text);
    if (!id) {
      PrintError("not an addon ID (a decimal int32): " + text);
      return kUsage;
    }
    ids.push_back(*id);
  }
  auto data = data::ReadWholeFile(options.file);
  if (!data || data->Empty()) {
    PrintError(options.file + (data ? ": the file is empty" : ": cannot read the file"));
    return kNoList;
  }
  JsonOutput out(options.bytes);
  std::string buffer;
  auto print = [&](std::int32_t id, const std::string& text) {
    Json obj;
    obj["id"] = id;
    out.PutText(obj, "text", "gbk", text);
    buffer += obj.dump(-1, ' ', false, Json::error_handler_t::replace);
    buffer += '\n';
    if (buffer.size() > (1u << 20)) {
      std::cout << buffer;
      buffer.clear();
    }
  };
  if (options.all) {
    // Every record of the addon list, in list order, while its start lies in
    // the data; the index finds each ID's first record without a rescan.
    addon::AddonIndex index(*data);
    data::ListHeader header = data::ReadListHeader(*data, addon::kAddonListHeaderPos);
    for (std::int64_t k = 0; k < header.recordCount; ++k) {
      std::int64_t pos = data::OffsetAdd(addon::kAddonRecordsPos, data::OffsetMul(k, header.recordSize));
      if (pos < 0 || pos >= data->Size()) break;
      std::int32_t id = data->ReadInt32(pos);
      print(id, index.Describe(id));
      if (header.recordSize <= 0) break;
    }
  } else {
    for (std::int32_t id : ids) print(id, addon::DescribeAddon(*data, id));
  }
  std::cout << buffer << std::flush;
  return kOk;
}

int RunSample(const SampleCommandOptions& options) {
  std::string bytes = sample::GenerateSample({options.items, options.seed, options.sizeMb});
  std::ofstream file(options.out, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (!file) {
    PrintError("cannot write " + options.out);
    return kNoList;
  }
  return kOk;
}

}  // namespace velkarin::cli
