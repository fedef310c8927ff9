#include "json_output.h"

#include <iostream>

#include "data/codepage.h"

namespace velkarin::cli {

std::string Hex(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char c : bytes) {
    auto b = static_cast<unsigned char>(c);
    out.push_back(kDigits[b >> 4]);
    out.push_back(kDigits[b & 0xF]);
  }
  return out;
}

void JsonOutput::PutText(Json& obj, const char* key, const char* hexKey, std::string_view gbk) const {
  obj[key] = data::GbkToUtf8(gbk);
  if (withBytes_) obj[hexKey] = Hex(gbk);
}

Json JsonOutput::Line(const app::PanelLine& line) const {
  Json obj;
  obj["colour"] = line.colour;
  PutText(obj, "text", "gbk", line.text);
  return obj;
}

void JsonOutput::PutPanels(Json& obj, const ui::HeadlessWindow& window) const {
  static constexpr std::pair<const char*, ui::Panel> kPanels[] = {
      {"equip", ui::Panel::Equip}, {"wash", ui::Panel::Wash}, {"set", ui::Panel::Set}};
  for (const auto& [key, panel] : kPanels) {
    Json lines = Json::array();
    for (const app::PanelLine& line : window.PanelLines(panel)) lines.push_back(Line(line));
    obj[key] = std::move(lines);
  }
}

void PrintLine(const Json& obj) {
  std::cout << obj.dump(-1, ' ', false, Json::error_handler_t::replace) << '\n' << std::flush;
}

}  // namespace velkarin::cli
