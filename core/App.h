#pragma once
// The program's process-wide state, owned by one context object that every procedure
// receives by reference. A test builds as many independent Apps as it likes.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "core/StateTable.h"
#include "navigation/NavigationState.h"
#include "profile/CompanyProfile.h"
#include "ui/System.h"
#include "ui/Ui.h"

namespace kvx {

inline constexpr int kDataListSlots = 1000;

struct Session {
  std::string PathSpec;   // program and data folder, ending in "/"
  std::string DrivePath;  // always empty here: no drive letters
  std::string ProgName = "Corvanta";
  std::string ExeName = "kvx";
  std::string Version = "2012.Q3";
  std::string WinVer;
  std::string DataFile;
  // Slots 1 to 1000; slot 0 unused so that slot numbers read as they are counted.
  std::array<std::string, kDataListSlots + 1> DataList;
  std::string Generic = "N";
  std::string NewFileName;
  int DataSetChosen = 0;
  std::int16_t QuitFlag = 0;
};

struct App;

// Steps of other parts of the program that start-up and the file commands call. Each is
// empty until the part that owns it connects it; an empty hook does nothing.
struct Hooks {
  std::function<void(App&)> runMainWindow;
  std::function<void(App&, int copyMode)> selectState;  // the selection dialog, state mode
  std::function<void(App&, int interviewMode)> interview;
  std::function<void(App&)> createBook;
  std::function<int(App&)> stateChapterNumber;  // 0 when no chapter is built
  std::function<void(App&)> loadTopicIndex;
  std::function<void(App&)> dataSetDialog;
  std::function<void(App&, const std::string& address)> openBookLocation;  // a Chapter address
};

struct App {
  App(Ui& ui, System& system) : ui(ui), system(system) {}
  Ui& ui;
  System& system;
  Session session;
  CompanyProfile profile;
  StateTable states;
  NavigationState nav;
  Hooks hooks;

  // The full name of a file in the program folder.
  std::string Path(const std::string& name) const { return session.PathSpec + name; }
};

}  // namespace kvx
