// The export's JSON writer against nlohmann's dump of the same values: the
// CLI's output must not change by a byte.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "cli/json_output.h"
#include "cli/viewer.h"
#include "data/codepage.h"
#include "fixtures.h"
#include "sample/hostile.h"
#include "sample/sample.h"

namespace velkarin::cli {
namespace {

std::string Dump(const Json& value) { return value.dump(-1, ' ', false, Json::error_handler_t::replace); }

std::string Written(std::string_view text) {
  std::string out;
  JsonWriter(out).String(text);
  return out;
}

TEST(JsonWriterTest, StringsAreEscapedAsNlohmannDumpsThem) {
  std::string controls;
  for (int c = 0; c < 0x20; ++c) controls.push_back(static_cast<char>(c));
  const std::vector<std::string> texts = {
      "", "plain", controls, "\"quoted\" \\back\\slash\\", "/\x7f", "装备：精炼等级 +12", "\xEF\xBF\xBD",
      "\xF0\x9F\x98\x80 \xF4\x8F\xBF\xBF",
      // not UTF-8: a lone continuation, overlong forms, a surrogate, past
      // U+10FFFF, cut sequences, bytes that never start one
      "a\x80" "b", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE6\x88", "x\xF0\x9F",
      "\xF5\xFF\xFE", "ok\xC3", std::string("nul\0inside", 10)};
  for (const std::string& text : texts) EXPECT_EQ(Written(text), Dump(Json(text))) << text;
}

TEST(JsonWriterTest, ObjectsAndArraysAreCompact) {
  std::string out;
  JsonWriter writer(out);
  writer.BeginObject();
  writer.Key("row");
  writer.Int(-2147483648LL);
  writer.Key("a\"b");
  writer.BeginArray();
  writer.BeginObject();
  writer.EndObject();
  writer.Int(0);
  writer.HexString("\x01\xAB");
  writer.BeginArray();
  writer.EndArray();
  writer.EndArray();
  writer.Key("empty");
  writer.String("");
  writer.EndObject();
  Json expected;
  expected["row"] = -2147483648LL;
  expected["a\"b"] = Json::array({Json::object(), 0, "01ab", Json::array()});
  expected["empty"] = "";
  EXPECT_EQ(out, Dump(expected));
}

// The show object as the CLI built it with nlohmann.
Json ShowJson(const Viewer& viewer, const JsonOutput& out, int row) {
  Json obj;
  obj["row"] = row;
  obj["id"] = viewer.State().equipIds[static_cast<size_t>(row)];
  out.PutText(obj, "name", "gbk", viewer.State().equipNames[static_cast<size_t>(row)]);
  out.PutText(obj, "refine", "refine_gbk", viewer.Window().EditText(ui::EditBox::Refine));
  out.PutPanels(obj, viewer.Window());
  return obj;
}

// Every row of the file, with and without the bytes, at the refine levels 0
// and 12 and a refine text of control characters and quotes. False when the
// file does not open.
bool ExpectShowObjectsAsNlohmann(const std::string& name, const std::string& bytes) {
  std::string path = ::testing::TempDir() + "/velkarin-json-writer-" + name;
  { std::ofstream(path, std::ios::binary) << bytes; }
  for (const char* refine : {"0", "12", "\"1\\\t\x01\x1f"}) {
    Viewer viewer;
    std::string error;
    if (viewer.Open(path, error) != kOk) return false;
    viewer.Window().SetEditText(ui::EditBox::Refine, data::Utf8ToGbk(refine));
    const auto rows = static_cast<int>(viewer.State().equipIds.size());
    for (int row = 0; row < rows; ++row) {
      viewer.Window().UserSelectRow(row);
      for (bool withBytes : {false, true}) {
        JsonOutput out(withBytes);
        std::string written;
        JsonWriter writer(written);
        out.WriteShow(writer, row, viewer.State().equipIds[static_cast<size_t>(row)],
                      viewer.State().equipNames[static_cast<size_t>(row)], viewer.Window());
        EXPECT_EQ(written, Dump(ShowJson(viewer, out, row))) << name << " row " << row;
      }
    }
  }
  return true;
}

TEST(JsonWriterTest, ShowObjectsOfGeneratedFilesAreNlohmanns) {
  EXPECT_TRUE(ExpectShowObjectsAsNlohmann("sample", sample::GenerateSample({300, 3, 0})));
}

TEST(JsonWriterTest, ShowObjectsOfHostileFilesAreNlohmanns) {
  for (const sample::HostileFile& file : sample::HostileFiles()) {
    ExpectShowObjectsAsNlohmann(file.name, file.bytes);
  }
}

TEST(JsonWriterTest, ShowObjectsOfTextsWithControlCharactersAreNlohmanns) {
  sample::EquipSpec marker;
  marker.id = 1;
  marker.name = "菜鸟布衣(男)";
  sample::EquipSpec fields;
  fields.id = 7;
  std::string controls;
  for (int c = 1; c < 0x20; ++c) controls.push_back(static_cast<char>(c));
  fields.name = "布\"衣\\" + controls + "é€";
  fields.subtitle = controls + "\"\\";
  EXPECT_TRUE(ExpectShowObjectsAsNlohmann("controls", testing::FileWithEquips({marker, fields}).Data()));
}

}  // namespace
}  // namespace velkarin::cli
