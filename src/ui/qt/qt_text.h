// The window's texts cross here: GBK inside the application, UTF-16 in Qt.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "data/codepage.h"

namespace velkarin::ui {

inline QString ToQString(std::string_view gbk) {
  std::u16string units = data::GbkToUtf16(gbk);
  return QString::fromStdU16String(units);
}

inline std::string ToGbk(const QString& text) { return data::Utf16ToGbk(text.toStdU16String()); }

}  // namespace velkarin::ui
