// The text functions on arbitrary bytes: colour codes, the refine-text
// parse, the search test and the code-page conversions.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/panel.h"
#include "data/codepage.h"
#include "data/gbk_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  using namespace velkarin;
  std::string_view input(reinterpret_cast<const char*>(bytes), size);
  app::ColourFromCode(input);
  data::IntegerValueOfText(input);
  data::ContainsAtCharBoundary(input, input.substr(input.size() / 2));

  // Whatever GBK a name field converts to survives the trip through UTF-8.
  std::string gbk = data::WideBytesToText(input);
  if (data::Utf8ToGbk(data::GbkToUtf8(gbk)) != gbk) std::abort();
  data::ToWideBytes(input);
  data::Utf8ToGbk(input);
  return 0;
}
