#pragma once
// One build, print or data-set save per program folder at a time. Each of them holds the
// folder for as long as it runs; what it does inside (a build that saves, an interview that
// builds) shares the hold of the App that runs it.

#include <memory>
#include <string>

namespace kvx {

struct App;
class FolderLock;

// What to do when another process holds the folder after a few seconds of waiting: ask
// the user (Retry or Cancel), or give up at once (a command-line tool says so and ends).
enum class WhenBusy { Ask, GiveUp };

// The words either says: "another build is running in DIR".
std::string FolderBusyText(const std::string& folder);

class FolderHold {
 public:
  FolderHold(App& app, WhenBusy whenBusy);
  ~FolderHold();
  FolderHold(const FolderHold&) = delete;
  FolderHold& operator=(const FolderHold&) = delete;

  // False when the folder stayed busy and the user cancelled (or the tool gave up): the
  // operation must not go on.
  bool Held() const { return held_; }

 private:
  App& app_;
  bool held_ = false;
  std::unique_ptr<FolderLock> lock_;  // the outermost hold's; the holds inside share it
};

}  // namespace kvx
