#include "json_output.h"

#include <charconv>
#include <iostream>

#include "data/codepage.h"

namespace velkarin::cli {
namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

constexpr std::pair<const char*, ui::Panel> kPanels[] = {
    {"equip", ui::Panel::Equip}, {"wash", ui::Panel::Wash}, {"set", ui::Panel::Set}};

std::string Dump(const Json& value) { return value.dump(-1, ' ', false, Json::error_handler_t::replace); }

// The length of the well-formed UTF-8 sequence starting at text[i] (shortest
// form, no surrogate, at most U+10FFFF), or 0 when there is none.
size_t Utf8SequenceLength(std::string_view text, size_t i) {
  auto lead = static_cast<unsigned char>(text[i]);
  if (lead < 0x80) return 1;
  size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  auto second = static_cast<unsigned char>(text[i + 1]);
  if (second < low || second > high) return 0;
  for (size_t k = 2; k < length; ++k) {
    if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 0;
  }
  return length;
}

bool NeedsEscape(unsigned char b) { return b < 0x20 || b == '"' || b == '\\'; }

}  // namespace

std::string Hex(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char c : bytes) {
    auto b = static_cast<unsigned char>(c);
    out.push_back(kHexDigits[b >> 4]);
    out.push_back(kHexDigits[b & 0xF]);
  }
  return out;
}

void JsonWriter::Separate() {
  if (needComma_) out_.push_back(',');
}

void JsonWriter::Open(char bracket) {
  Separate();
  out_.push_back(bracket);
  needComma_ = false;
}

void JsonWriter::Close(char bracket) {
  out_.push_back(bracket);
  needComma_ = true;
}

void JsonWriter::Key(std::string_view key) {
  String(key);
  out_.push_back(':');
  needComma_ = false;
}

void JsonWriter::Int(std::int64_t value) {
  Separate();
  char digits[24];
  out_.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
  needComma_ = true;
}

void JsonWriter::HexString(std::string_view bytes) {
  Separate();
  out_.push_back('"');
  size_t at = out_.size();
  out_.resize(at + bytes.size() * 2);
  for (char c : bytes) {
    auto b = static_cast<unsigned char>(c);
    out_[at++] = kHexDigits[b >> 4];
    out_[at++] = kHexDigits[b & 0xF];
  }
  out_.push_back('"');
  needComma_ = true;
}

void JsonWriter::String(std::string_view utf8) {
  Separate();
  needComma_ = true;
  size_t start = out_.size();
  out_.push_back('"');
  if (AppendEscaped(utf8)) {
    out_.push_back('"');
    return;
  }
  // Malformed UTF-8 gets nlohmann's own replacement, so that the bytes stay
  // those of its dump whatever the input.
  out_.resize(start);
  out_ += Dump(Json(std::string(utf8)));
}

// The escapes of nlohmann's dump: the short forms where JSON has them, \u00xx
// for the other control characters; every other byte as it is. False when
// the text is not well-formed UTF-8.
bool JsonWriter::AppendEscaped(std::string_view utf8) {
  size_t plain = 0;
  for (size_t i = 0; i < utf8.size();) {
    auto b = static_cast<unsigned char>(utf8[i]);
    if (b >= 0x80) {
      size_t length = Utf8SequenceLength(utf8, i);
      if (length == 0) return false;
      i += length;
      continue;
    }
    if (!NeedsEscape(b)) {
      ++i;
      continue;
    }
    out_.append(utf8.substr(plain, i - plain));
    plain = ++i;
    switch (b) {
      case '"': out_ += "\\\""; break;
      case '\\': out_ += "\\\\"; break;
      case '\b': out_ += "\\b"; break;
      case '\f': out_ += "\\f"; break;
      case '\n': out_ += "\\n"; break;
      case '\r': out_ += "\\r"; break;
      case '\t': out_ += "\\t"; break;
      default:
        out_ += "\\u00";
        out_.push_back(kHexDigits[b >> 4]);
        out_.push_back(kHexDigits[b & 0xF]);
    }
  }
  out_.append(utf8.substr(plain));
  return true;
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
  for (const auto& [key, panel] : kPanels) {
    Json lines = Json::array();
    for (const app::PanelLine& line : window.PanelLines(panel)) lines.push_back(Line(line));
    obj[key] = std::move(lines);
  }
}

void JsonOutput::WriteText(JsonWriter& writer, std::string_view key, std::string_view hexKey,
                           std::string_view gbk) const {
  writer.Key(key);
  writer.String(data::GbkToUtf8(gbk));
  if (!withBytes_) return;
  writer.Key(hexKey);
  writer.HexString(gbk);
}

void JsonOutput::WritePanels(JsonWriter& writer, const ui::HeadlessWindow& window) const {
  for (const auto& [key, panel] : kPanels) {
    writer.Key(key);
    writer.BeginArray();
    window.VisitPanelLines(panel, [&](ui::ColourValue colour, std::string_view text) {
      writer.BeginObject();
      writer.Key("colour");
      writer.Int(colour);
      WriteText(writer, "text", "gbk", text);
      writer.EndObject();
    });
    writer.EndArray();
  }
}

void JsonOutput::WriteShow(JsonWriter& writer, int row, std::int32_t id, std::string_view name,
                           const ui::HeadlessWindow& window) const {
  writer.BeginObject();
  writer.Key("row");
  writer.Int(row);
  writer.Key("id");
  writer.Int(id);
  WriteText(writer, "name", "gbk", name);
  WriteText(writer, "refine", "refine_gbk", window.EditText(ui::EditBox::Refine));
  WritePanels(writer, window);
  writer.EndObject();
}

void PrintLine(const Json& obj) { std::cout << Dump(obj) << '\n' << std::flush; }

}  // namespace velkarin::cli
