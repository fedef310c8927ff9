// The JSON forms of the CLI's output. Texts are UTF-8 converted from the GBK
// bytes the core holds; with --bytes each text also carries its exact GBK
// bytes as lower-case hex in a sibling field.
#pragma once

#include <nlohmann/json.hpp>
#include <string_view>

#include "app/panel.h"
#include "ui/headless/headless_window.h"

namespace velkarin::cli {

using Json = nlohmann::ordered_json;

std::string Hex(std::string_view bytes);

class JsonOutput {
 public:
  explicit JsonOutput(bool withBytes) : withBytes_(withBytes) {}

  // Sets obj[key] to the text and, with --bytes, obj[hexKey] to its bytes.
  void PutText(Json& obj, const char* key, const char* hexKey, std::string_view gbk) const;
  Json Line(const app::PanelLine& line) const;
  // "equip", "wash" and "set": the lines of the three panels, in append order.
  void PutPanels(Json& obj, const ui::HeadlessWindow& window) const;
  bool WithBytes() const { return withBytes_; }

 private:
  bool withBytes_;
};

// One JSON object on one line, flushed at once.
void PrintLine(const Json& obj);

}  // namespace velkarin::cli
