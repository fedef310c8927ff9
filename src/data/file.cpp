#include "file.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

namespace velkarin::data {

std::optional<ElementData> ReadWholeFile(const std::string& path) {
  if (path.empty()) return std::nullopt;
  std::error_code ec;
  const std::filesystem::path fsPath = std::filesystem::path(path);
  // Only regular files: a directory has no bytes, and a device or a pipe may
  // never end (/dev/zero would fill the memory).
  if (!std::filesystem::is_regular_file(fsPath, ec)) return std::nullopt;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) return std::nullopt;

  // Read into a buffer of the file's size, growing it should the file grow
  // underfoot, so that what is read is the whole file at the time of reading.
  auto expected = std::filesystem::file_size(fsPath, ec);
  std::size_t capacity = ec ? std::size_t{1} << 16 : static_cast<std::size_t>(expected) + 1;
  auto buffer = std::make_unique_for_overwrite<char[]>(capacity);
  std::size_t size = 0;
  for (;;) {
    size += std::fread(buffer.get() + size, 1, capacity - size, file.get());
    if (std::ferror(file.get())) return std::nullopt;
    if (size < capacity) break;
    auto bigger = std::make_unique_for_overwrite<char[]>(capacity * 2);
    std::memcpy(bigger.get(), buffer.get(), size);
    buffer = std::move(bigger);
    capacity *= 2;
  }
  return ElementData(std::move(buffer), static_cast<std::int64_t>(size));
}

}  // namespace velkarin::data
