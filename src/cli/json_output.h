// The JSON forms of the CLI's output. Texts are UTF-8 converted from the GBK
// bytes the core holds; with --bytes each text also carries its exact GBK
// bytes as lower-case hex in a sibling field.
#pragma once

#include <nlohmann/json.hpp>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/panel.h"
#include "ui/headless/headless_window.h"

namespace velkarin::cli {

using Json = nlohmann::ordered_json;

std::string Hex(std::string_view bytes);

// Appends JSON to a string, byte for byte as Json::dump(-1, ' ', false,
// error_handler_t::replace) writes the same value, without building the
// value first: the export writes every row's show object through it.
class JsonWriter {
 public:
  explicit JsonWriter(std::string& out) : out_(out) {}

  void BeginObject() { Open('{'); }
  void EndObject() { Close('}'); }
  void BeginArray() { Open('['); }
  void EndArray() { Close(']'); }
  void Key(std::string_view key);
  void String(std::string_view utf8);
  void Int(std::int64_t value);
  // A string of the bytes as lower-case hex.
  void HexString(std::string_view bytes);

 private:
  void Separate();
  void Open(char bracket);
  void Close(char bracket);
  bool AppendEscaped(std::string_view utf8);

  std::string& out_;
  bool needComma_ = false;
};

class JsonOutput {
 public:
  explicit JsonOutput(bool withBytes) : withBytes_(withBytes) {}

  // Sets obj[key] to the text and, with --bytes, obj[hexKey] to its bytes.
  void PutText(Json& obj, const char* key, const char* hexKey, std::string_view gbk) const;
  Json Line(const app::PanelLine& line) const;
  // "equip", "wash" and "set": the lines of the three panels, in append order.
  void PutPanels(Json& obj, const ui::HeadlessWindow& window) const;
  bool WithBytes() const { return withBytes_; }

  // The same members written through a JsonWriter.
  void WriteText(JsonWriter& writer, std::string_view key, std::string_view hexKey,
                 std::string_view gbk) const;
  void WritePanels(JsonWriter& writer, const ui::HeadlessWindow& window) const;
  // The show object of the window's current row: row, id, name, refine, panels.
  void WriteShow(JsonWriter& writer, int row, std::int32_t id, std::string_view name,
                 const ui::HeadlessWindow& window) const;

 private:
  bool withBytes_;
};

// One JSON object on one line, flushed at once.
void PrintLine(const Json& obj);

}  // namespace velkarin::cli
