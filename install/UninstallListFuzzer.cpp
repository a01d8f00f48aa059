// An uninstall list from arbitrary bytes: whatever it holds, every file accepted lies in
// the program folder or is one of the two desktop files under the prefix.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "InstallNames.h"
#include "install/UninstallList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  namespace fs = std::filesystem;
  using namespace kvx::uninstall;
  const fs::path folder = "/p/Corvanta";
  // Half the inputs get the header, so that the lines behind it are reached.
  std::string text(reinterpret_cast<const char*>(data), size);
  if (size % 2 == 0) text = std::string(kListHeader) + "\n" + text;
  const UninstallList list = ParseUninstallList(text, folder);
  for (const ListedFile& file : list.files) {
    const fs::path normal = file.path.lexically_normal();
    if (file.shared) {
      if (normal != fs::path("/p") / kDesktopEntry && normal != fs::path("/p") / kDesktopIcon)
        std::abort();
      continue;
    }
    const fs::path relative = normal.lexically_relative(folder);
    if (relative.empty() || *relative.begin() == ".." || relative == ".") std::abort();
  }
  kvx::uninstall::IsUserFile(text.substr(0, 64));
  return 0;
}
