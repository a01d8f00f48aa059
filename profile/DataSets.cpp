#include "profile/DataSets.h"

#include <random>

#include "base/Files.h"
#include "core/App.h"
#include "core/FolderHold.h"
#include "core/Messages.h"
#include "core/Trap.h"

namespace kvx {

void ReadDataList(App& app) {
  Session& s = app.session;
  for (std::string& slot : s.DataList) slot.clear();
  LineReader reader(app.Path("NDEXDATA.TXT"));
  int used = 0;
  while (used < kDataListSlots && !reader.AtEnd()) {
    const std::string name = reader.Next();
    if (!IsPlainFileName(name) || !Exist(app.Path(name))) continue;
    s.DataList[++used] = name;
  }
}

bool LoadDataSet(App& app, LoadMode mode) {
  Session& s = app.session;
  CompanyProfile& p = app.profile;
  return Trap(app, "LoadDataSet", [&] {
    if (mode == LoadMode::StartUp || mode == LoadMode::Reread) {
      LineReader last(app.Path("LASTDATA.TXT"));
      s.DataFile = last.Next();
      ReadDataList(app);
    }
    // A name that is not a plain file name is treated as missing: nothing outside the
    // program folder is ever read because of it.
    if (!s.DataFile.empty() && (!IsPlainFileName(s.DataFile) || !Exist(app.Path(s.DataFile))))
      Raise(kErrFileNotFound, "Unable to find file: " + app.Path(s.DataFile));
    if (s.DataFile.empty()) Raise(kErrBadFileName, "No data set is current");

    LineReader in(app.Path(s.DataFile));
    const std::string stateName = in.Next();
    const std::string stateCode = in.Next();
    bool takeState = true;
    if (mode == LoadMode::Open) {
      if (!Exist(app.Path(stateCode + ".DAT"))) {
        app.ui.ShowMessage(Box(s.ProgName,
                               "Unable to find " + stateName + " file" + "\r\r" +
                                   "Path/File: " + app.Path(stateCode + ".DAT") + "\r\r" +
                                   "Will use " + p.StateName + " file instead....",
                               Icon::Stop));
        takeState = false;
      }
      DeleteIfExists(app.Path("GENERIC.TXT"));
      DeleteIfExists(app.Path("statchap.htm"));
    }
    if (takeState) {
      p.StateName = stateName;
      p.StateCode = stateCode;
    }
    for (int n = 3; n <= kDataSetLines; ++n) SetProfileLine(p, n, in.Next());

    bool changed = false;
    if (mode == LoadMode::StartUp || mode == LoadMode::Open) {
      const int built = app.hooks.stateChapterNumber(app);
      if (built >= 1 && built <= kStateCount) {
        const std::string& row = app.states.States[built];
        if (RowCode(row) != p.StateCode) {
          p.StateCode = RowCode(row);
          p.StateName = RowName(row);
          changed = true;
        }
      }
    }
    if (changed && !Exist(app.Path("GENERIC.TXT"))) SaveDataSet(app, s.DataFile);
    app.hooks.loadTopicIndex(app);
  });
}

void MakeCurrentDataSet(App& app, const std::string& name) {
  Session& s = app.session;
  // Written (and synced to the disk) only when it names another data set.
  const std::string last = app.Path("LASTDATA.TXT");
  const std::string lastText = JoinLines({name});
  if (!Exist(last) || ReadFileBytes(last) != lastText) WriteFileAtomic(last, lastText);
  s.DataFile = name;
  std::mt19937 random(app.system.ClockSeed());
  const int r = std::uniform_int_distribution<int>(1, kDataListSlots - 1)(random);
  for (int i = 1; i <= kDataListSlots; ++i) {
    if (EqualsIgnoreCase(s.DataList[i], name)) return;
    if (s.DataList[i].empty() || i == kDataListSlots) {
      // A full list replaces a random earlier entry; the last slot, while empty, is
      // simply used, so the list never carries an empty line.
      s.DataList[s.DataList[i].empty() ? i : r] = name;
      std::vector<std::string> lines(s.DataList.begin() + 1, s.DataList.begin() + i + 1);
      WriteFileAtomic(app.Path("NDEXDATA.TXT"), JoinLines(lines));
      return;
    }
  }
}

bool SaveDataSet(App& app, const std::string& name) {
  const FolderHold hold(app, WhenBusy::Ask);
  if (!hold.Held()) return false;
  return Trap(app, "SaveDataSet", [&] {
    if (!IsPlainFileName(name)) Raise(kErrBadFileName, "Bad data set name: " + name);
    WriteFileAtomic(app.Path(name), JoinLines(ProfileLines(app.profile)));
    MakeCurrentDataSet(app, name);
  });
}

}  // namespace kvx
