// The whole viewer on arbitrary bytes: open, locate, list, then the three
// panels of a bounded number of rows at several refine texts, and a search.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/application.h"
#include "data/codepage.h"
#include "ui/headless/headless_window.h"

namespace {

constexpr const char* kRefineTexts[] = {"0", "1", "7", "20", "21", "-1", "abc", "2147483647"};
constexpr int kRowsEachEnd = 4;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  using namespace velkarin;
  std::string_view input(reinterpret_cast<const char*>(bytes), size);
  ui::HeadlessWindow window;
  app::Application app(window);
  window.Bind(app);
  window.UseFileReader([&](const std::string&) { return data::ElementData::FromBytes(input); });
  window.ChooseInDialog("input");
  app.OnOpenFile();
  if (window.EndStatus()) return 0;

  const int rows = window.RowCount();
  for (int row = 0; row < rows; ++row) {
    if (row == kRowsEachEnd && rows > 2 * kRowsEachEnd) row = rows - kRowsEachEnd;
    window.UserSelectRow(row);
    for (const char* refine : kRefineTexts) window.SetEditText(ui::EditBox::Refine, refine);
    app.OnRefineSpin(1);
  }
  window.UserTypeSearch(GBK("布"));
  app.OnSearch();
  app.OnSearch();
  return 0;
}
