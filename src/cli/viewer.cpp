#include "viewer.h"

#include <filesystem>

#include "data/codepage.h"

namespace velkarin::cli {

int Viewer::Open(const std::string& path, std::string& error) {
  window_.ChooseInDialog(path);
  app_.OnOpenFile();
  if (window_.EndStatus()) {
    error = data::GbkToUtf8(app::WrongVersionText()) + " (" + path +
            ": the equipment records are not 424 bytes long)";
    return kWrongVersion;
  }
  if (State().elementData.Empty()) {
    std::error_code ec;
    bool exists = std::filesystem::exists(path, ec);
    bool regular = std::filesystem::is_regular_file(path, ec);
    error = !exists ? path + ": no such file"
            : !regular ? path + ": not a regular file"
            : std::filesystem::file_size(path, ec) == 0 ? path + ": the file is empty"
                                                        : path + ": cannot read the file";
    return kNoList;
  }
  if (!State().equipListPos) {
    error = path + ": no equipment list (the marker name of its first record is missing)";
    return kNoList;
  }
  return kOk;
}

}  // namespace velkarin::cli
