// Code page 936 through iconv, as glibc's "CP936" gives it (0x80 is the euro sign).
#include <iconv.h>

#include <bit>
#include <cerrno>
#include <string>

#include "codepage_backend.h"

namespace velkarin::data::backend {
namespace {

class Converter {
 public:
  Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
  ~Converter() {
    if (handle_ != reinterpret_cast<iconv_t>(-1)) iconv_close(handle_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts all of `in`; false on any sequence the target cannot hold.
  bool Run(const char* in, size_t inBytes, std::string& out) {
    if (handle_ == reinterpret_cast<iconv_t>(-1)) return false;
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    out.clear();
    char buffer[1024];
    auto* src = const_cast<char*>(in);
    while (inBytes > 0) {
      char* dst = buffer;
      size_t room = sizeof buffer;
      size_t rc = iconv(handle_, &src, &inBytes, &dst, &room);
      out.append(buffer, static_cast<size_t>(dst - buffer));
      if (rc == static_cast<size_t>(-1) && errno != E2BIG) return false;
      if (rc != static_cast<size_t>(-1) && rc > 0) return false;  // irreversible substitution
    }
    return true;
  }

 private:
  iconv_t handle_;
};

Converter& ToGbk() {
  thread_local Converter converter("CP936", "UTF-16LE");
  return converter;
}
Converter& FromGbk() {
  thread_local Converter converter("UTF-16LE", "CP936");
  return converter;
}

}  // namespace

bool Utf16ToGbk(std::u16string_view units, std::string& out) {
  if constexpr (std::endian::native == std::endian::little) {
    // The units in memory are their UTF-16LE bytes already.
    return ToGbk().Run(reinterpret_cast<const char*>(units.data()), units.size() * 2, out);
  } else {
    std::string le;
    le.reserve(units.size() * 2);
    for (char16_t u : units) {
      le.push_back(static_cast<char>(u & 0xFF));
      le.push_back(static_cast<char>(u >> 8));
    }
    return ToGbk().Run(le.data(), le.size(), out);
  }
}

bool GbkToUtf16(std::string_view gbk, std::u16string& out) {
  std::string le;
  if (!FromGbk().Run(gbk.data(), gbk.size(), le)) return false;
  out.clear();
  out.reserve(le.size() / 2);
  for (size_t i = 0; i + 1 < le.size(); i += 2) {
    out.push_back(static_cast<char16_t>(static_cast<unsigned char>(le[i]) |
                                        (static_cast<unsigned char>(le[i + 1]) << 8)));
  }
  return true;
}

}  // namespace velkarin::data::backend
