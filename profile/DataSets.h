#pragma once
// Data-set files (18 lines, one field a line) and the session files that go with them:
// LASTDATA.TXT names the current data set, NDEXDATA.TXT lists the saved ones.

#include <string>

namespace kvx {

struct App;

// Why a data set is loaded: at start-up (LASTDATA.TXT names it, and a built state chapter
// wins over its state), because the user opens another one (the book of the state it names
// is to be built), or to read the current one again. False when the error trap reported a
// failure.
enum class LoadMode { StartUp = 1, Open = 2, Reread = 3 };
bool LoadDataSet(App& app, LoadMode mode);

// Writes the profile to the data set name (a plain file name in the program folder),
// makes it the current data set and lists it.
bool SaveDataSet(App& app, const std::string& name);

// Makes name (a data set of the program folder) the current data set: LASTDATA.TXT names
// it, and NDEXDATA.TXT lists it (DataList read before). Raises as WriteFileAtomic.
void MakeCurrentDataSet(App& app, const std::string& name);

// Reads NDEXDATA.TXT into DataList: empty lines and names of files that no longer exist
// are dropped, and at most 1000 names are kept, without gaps.
void ReadDataList(App& app);

}  // namespace kvx
