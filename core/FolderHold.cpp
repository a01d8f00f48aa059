#include "core/FolderHold.h"

#include <chrono>
#include <memory>

#include "base/FolderLock.h"
#include "base/WorkNames.h"
#include "core/App.h"

namespace kvx {

std::string FolderBusyText(const std::string& folder) {
  return "another build is running in " + folder;
}

FolderHold::FolderHold(App& app, WhenBusy whenBusy) : app_(app) {
  if (app.folderHolds > 0) {
    held_ = true;
    ++app.folderHolds;
    return;
  }
  const std::string& folder = app.session.PathSpec;
  for (;;) {
    lock_ = std::make_unique<FolderLock>(folder, std::chrono::seconds(3));
    if (!lock_->Busy()) break;
    lock_.reset();
    if (whenBusy == WhenBusy::GiveUp ||
        app.ui.ShowMessage(Box(app.session.ProgName, FolderBusyText(folder), Icon::Exclamation,
                               kRetry | kCancel, kRetry)) != kRetry)
      return;
  }
  held_ = true;
  ++app.folderHolds;
  // No other build of ours runs here now: what an interrupted one left is stale.
  if (lock_->Held()) RemoveStaleWork(folder);
}

FolderHold::~FolderHold() {
  if (held_) --app_.folderHolds;
}

}  // namespace kvx
