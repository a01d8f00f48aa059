#pragma once
// The program's process-wide state, owned by one context object that every procedure
// receives by reference. A test builds as many independent Apps as it likes.

#include <array>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

#include "consult/ConsultState.h"
#include "core/Edition.h"
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
  std::string Version = BuiltEdition().version;
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

// A step of another part of the program, connected by the program's wiring
// (ConnectParts). Calling one that nobody connected is a fault of the wiring: it fails
// loudly, as a run-time error naming the step, instead of quietly doing nothing.
template <class Signature>
class Hook;

template <class Result, class... Args>
class Hook<Result(Args...)> {
 public:
  explicit Hook(const char* name) : name_(name) {}
  Hook& operator=(std::function<Result(Args...)> step) {
    step_ = std::move(step);
    return *this;
  }
  explicit operator bool() const { return static_cast<bool>(step_); }
  Result operator()(Args... args) const {
    if (!step_) throw std::logic_error(std::string("the step ") + name_ + " is not connected");
    return step_(std::forward<Args>(args)...);
  }

 private:
  const char* name_;
  std::function<Result(Args...)> step_;
};

// Steps of other parts of the program that start-up and the commands call.
struct Hooks {
  Hook<void(App&)> runMainWindow{"runMainWindow"};
  Hook<void(App&, int copyMode)> selectState{"selectState"};  // the selection dialog, state mode
  Hook<void(App&, int interviewMode)> interview{"interview"};
  Hook<void(App&)> createBook{"createBook"};
  Hook<int(App&)> stateChapterNumber{"stateChapterNumber"};  // 0 when no chapter is built
  Hook<void(App&)> loadTopicIndex{"loadTopicIndex"};
  Hook<void(App&)> dataSetDialog{"dataSetDialog"};
  Hook<void(App&, const std::string& address)> openBookLocation{"openBookLocation"};
};

struct App {
  App(Ui& ui, System& system) : ui(ui), system(system) {}
  Ui& ui;
  System& system;
  Session session;
  CompanyProfile profile;
  StateTable states;
  NavigationState nav;
  ConsultState consult;
  Hooks hooks;
  // How many builds, prints or saves hold the program folder now (FolderHold): a save
  // inside a build shares the lock the build's hold took.
  int folderHolds = 0;

  // The full name of a file in the program folder.
  std::string Path(const std::string& name) const { return session.PathSpec + name; }
};

}  // namespace kvx
