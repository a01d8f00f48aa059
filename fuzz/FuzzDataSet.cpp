// The data-set and session-file readers on arbitrary bytes: the input is split at the
// first two "|" bytes into LASTDATA.TXT, NDEXDATA.TXT and the data set it may name.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/App.h"
#include "profile/ConvertOldDataNames.h"
#include "profile/DataSets.h"
#include "shell/Startup.h"
#include "ui/automation/AutomationUi.h"

namespace {

std::string Folder() {
  static const std::string folder = [] {
    std::string pattern = "/tmp/kvxfuzz-XXXXXX";
    if (!::mkdtemp(pattern.data())) std::abort();
    return pattern + "/";
  }();
  return folder;
}

void Put(const std::string& name, const std::string& bytes) {
  std::ofstream(Folder() + name, std::ios::binary) << bytes;
}

class FuzzSystem : public kvx::AutomationSystem {
 public:
  using AutomationSystem::AutomationSystem;
  std::string ExecutablePath() override { return Folder() + "kvx"; }
  std::string DocumentsFolder() override { return Folder() + "docs/"; }
  std::string PublicFolder() override { return Folder() + "public/"; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::size_t a = input.find('|');
  const std::size_t b = a == std::string::npos ? a : input.find('|', a + 1);
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(Folder(), ec))
    std::filesystem::remove_all(entry.path(), ec);
  Put("LASTDATA.TXT", input.substr(0, a));
  Put("NDEXDATA.TXT", a == std::string::npos ? "" : input.substr(a + 1, b - a - 1));
  Put("ACME.KVX", b == std::string::npos ? "" : input.substr(b + 1));
  Put("OLD.DAT", "");
  Put("COMPAT.KVX", "");
  for (const char* name : {"chap01.dat", "CA.dat"}) Put(name, "");

  std::istringstream script("OK\nOK\nOK\n");
  std::ostringstream out;
  kvx::Script s(script, out);
  kvx::AutomationUi ui(s);
  FuzzSystem system(s);
  kvx::App app(ui, system);
  kvx::LoadStateTable(app.states);
  app.session.PathSpec = Folder();
  try {
    kvx::LoadDataSet(app, kvx::LoadMode::StartUp);
    kvx::LoadDataSet(app, kvx::LoadMode::Open);
    kvx::SaveDataSet(app, "SAVED.KVX");
    kvx::ConvertOldDataNames(app);
    kvx::Startup(app, 1);
  } catch (const kvx::ScriptEnded&) {
  }
  return 0;
}
