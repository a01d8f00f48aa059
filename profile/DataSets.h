#pragma once
// Data-set files (18 lines, one field a line) and the session files that go with them:
// LASTDATA.TXT names the current data set, NDEXDATA.TXT lists the saved ones.

#include <string>

namespace kvx {

struct App;

// mode 1: start-up; 2: the user opens another data set; 3: re-reading the current one.
// Both return false when the error trap reported a failure.
bool LoadDataSet(App& app, int mode);

// Writes the profile to the data set name (a plain file name in the program folder),
// makes it the current data set and lists it.
bool SaveDataSet(App& app, const std::string& name);

// Reads NDEXDATA.TXT into DataList: empty lines and names of files that no longer exist
// are dropped, and at most 1000 names are kept, without gaps.
void ReadDataList(App& app);

}  // namespace kvx
