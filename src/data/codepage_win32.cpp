// Code page 936 through the Win32 code-page API. Both directions ask the API
// to refuse instead of substituting: MB_ERR_INVALID_CHARS for bytes that are
// not GBK, WC_NO_BEST_FIT_CHARS with lpUsedDefaultChar for characters that
// have no GBK form (without it, the API would map some of them to look-alikes).
#include <windows.h>

#include <climits>
#include <string>

#include "codepage_backend.h"

namespace velkarin::data::backend {
namespace {

constexpr UINT kGbkCodePage = 936;

bool FitsInt(size_t n) { return n <= static_cast<size_t>(INT_MAX); }

}  // namespace

bool Utf16ToGbk(std::u16string_view units, std::string& out) {
  out.clear();
  if (units.empty()) return true;
  if (!FitsInt(units.size())) return false;
  const auto* wide = reinterpret_cast<const wchar_t*>(units.data());
  const int count = static_cast<int>(units.size());
  BOOL usedDefault = FALSE;
  int bytes = WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide, count, nullptr, 0,
                                  nullptr, &usedDefault);
  if (bytes <= 0 || usedDefault) return false;
  out.resize(static_cast<size_t>(bytes));
  bytes = WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide, count, out.data(), bytes,
                              nullptr, &usedDefault);
  return bytes > 0 && !usedDefault;
}

bool GbkToUtf16(std::string_view gbk, std::u16string& out) {
  out.clear();
  if (gbk.empty()) return true;
  if (!FitsInt(gbk.size())) return false;
  const int count = static_cast<int>(gbk.size());
  int units = MultiByteToWideChar(kGbkCodePage, MB_ERR_INVALID_CHARS, gbk.data(), count, nullptr, 0);
  if (units <= 0) return false;
  out.resize(static_cast<size_t>(units));
  units = MultiByteToWideChar(kGbkCodePage, MB_ERR_INVALID_CHARS, gbk.data(), count,
                              reinterpret_cast<wchar_t*>(out.data()), units);
  return units > 0;
}

}  // namespace velkarin::data::backend
