#include "qm/QuickMessageFile.h"

#include <cctype>
#include <filesystem>
#include <fstream>

namespace qm {

namespace {

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

}  // namespace

std::string MessageFromFolder(const std::string& folder) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path file = fs::path(folder) / "TMP_QM.DAT";
  if (!fs::exists(file, ec)) {
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
      if (SameIgnoringCase(it->path().filename().string(), "TMP_QM.DAT")) file = it->path();
  }
  std::ifstream in(file, std::ios::binary);
  std::string line;
  if (!in || !std::getline(in, line))
    return "There is no message to show: TMP_QM.DAT was not found in " + folder + ".";
  if (!line.empty() && line.back() == '\r') line.pop_back();
  std::string message;
  for (std::size_t i = 0; i < line.size();) {
    if (line.compare(i, 3, "@@@") == 0) {
      message += '\n';
      i += 3;
    } else {
      message += line[i++];
    }
  }
  return message;
}

}  // namespace qm
