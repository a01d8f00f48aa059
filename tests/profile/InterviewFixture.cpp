#include "tests/profile/InterviewFixture.h"

#include <filesystem>

#include "base/Files.h"
#include "profile/DataSets.h"

namespace kvx::test {

void CurrentAcme(TestApp& t) {
  t.SetProgramFolder();
  t.PutBookFiles("CA");
  t.Put("TX.dat", "<HTML>\r\n");
  t.PutLines("ACME.KVX", SampleDataSet());
  t.PutLines("LASTDATA.TXT", {"ACME.KVX"});
  t.PutLines("NDEXDATA.TXT", {"ACME.KVX"});
  LoadDataSet(t.app, LoadMode::StartUp);
}

std::map<std::string, std::string> Snapshot(const TestApp& t) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(t.dir())) {
    const std::string name = std::filesystem::relative(entry.path(), t.dir()).string();
    if (entry.is_regular_file() && name != "TMP_QM.DAT") files[name] = t.Get(name);
  }
  return files;
}

std::string NewCompanyScript(const std::string& name, const std::string& fileName,
                             const std::string& business, const std::string& inventories) {
  std::string script = "=" + name + "\n";
  if (!fileName.empty()) script += "=" + fileName + "\n";
  return script +
         "click Corporation (regular)\nclick OK\n"
         "No\nYes\nYes\n=5\nNo\nNo\nYes\nNo\nNo\n" +
         business + inventories + "Yes\n";
}

}  // namespace kvx::test
