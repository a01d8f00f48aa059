#pragma once
// Points a batch App at a program folder and loads a data set into the company profile
// as re-reading the current data set does, without writing any session file.

#include <string>
#include <vector>

namespace kvx {
struct App;
struct CompanyProfile;
}  // namespace kvx

namespace kvxbook {

// Reads the 18 lines of a data-set file into profile; raises as LineReader does.
void ReadDataSet(kvx::CompanyProfile& profile, const std::string& fullName);

// dataSet: a data-set file name in dir; empty for the one LASTDATA.TXT names. Returns
// 0, or the exit status after writing the reason to standard error.
int LoadProgramFolder(kvx::App& app, const std::string& dir, const std::string& dataSet);

// Splits "DIR [NAME] [flag]" arguments; false when they do not fit.
bool FolderArguments(const std::vector<std::string>& args, const std::string& flag,
                     std::string& dir, std::string& name, bool& flagGiven);

}  // namespace kvxbook
