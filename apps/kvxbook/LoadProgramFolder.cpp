#include "LoadProgramFolder.h"

#include <filesystem>
#include <iostream>

#include "Commands.h"
#include "base/Errors.h"
#include "base/Files.h"
#include "core/App.h"
#include "profile/CompanyProfile.h"

namespace kvxbook {

bool FolderArguments(const std::vector<std::string>& args, const std::string& flag,
                     std::string& dir, std::string& name, bool& flagGiven) {
  flagGiven = false;
  std::vector<std::string> plain;
  for (const std::string& arg : args) {
    if (arg == flag)
      flagGiven = true;
    else if (arg.rfind("--", 0) == 0)
      return false;
    else
      plain.push_back(arg);
  }
  if (plain.empty() || plain.size() > 2) return false;
  dir = plain[0];
  name = plain.size() == 2 ? plain[1] : std::string();
  return true;
}

void ReadDataSet(kvx::CompanyProfile& profile, const std::string& fullName) {
  kvx::LineReader in(fullName);
  for (int n = 1; n <= kvx::kDataSetLines; ++n) kvx::SetProfileLine(profile, n, in.Next());
}

int LoadProgramFolder(kvx::App& app, const std::string& dir, const std::string& dataSet) {
  std::error_code ec;
  if (dir.empty() || !std::filesystem::is_directory(dir, ec)) {
    std::cerr << "kvxbook: " << dir << " is not a folder\n";
    return kUsage;
  }
  kvx::Session& s = app.session;
  // The pages name the folder: a relative one would mean nothing read from elsewhere.
  std::string folder = std::filesystem::absolute(dir, ec).lexically_normal().string();
  if (ec) folder = dir;
  s.PathSpec = folder.back() == '/' ? folder : folder + "/";
  std::string name = dataSet;
  try {
    if (name.empty()) {
      if (!kvx::Exist(app.Path("LASTDATA.TXT"))) {
        std::cerr << "kvxbook: no data set given and no LASTDATA.TXT in " << dir << "\n";
        return kUsage;
      }
      name = kvx::ReadFirstLine(app.Path("LASTDATA.TXT"));
    }
    // Nothing outside the program folder is read because of a name.
    if (!kvx::IsPlainFileName(name) || !kvx::Exist(app.Path(name))) {
      std::cerr << "kvxbook: no data set named \"" << name << "\" in " << dir << "\n";
      return dataSet.empty() ? kFailed : kUsage;
    }
    ReadDataSet(app.profile, app.Path(name));
    s.DataFile = name;
  } catch (const kvx::KvxError& e) {
    std::cerr << "kvxbook: cannot read the data set " << name << " (error " << e.number << ": "
              << e.diag << ")\n";
    return kFailed;
  }
  return kOk;
}

}  // namespace kvxbook
