#include "profile/DataSetDialog.h"

#include <algorithm>

#include "base/Files.h"
#include "core/App.h"
#include "core/Messages.h"
#include "core/Trap.h"

namespace kvx {

namespace {

constexpr int kWidth = 267, kHeight = 197;
// Up to this many names fit in the list without scrolling, and none is selected.
constexpr std::size_t kShownWithoutScrolling = 7;

}  // namespace

DataSetDialog::DataSetDialog(App& app) : app_(app) {
  Session& s = app.session;
  s.NewFileName.clear();
  for (int i = 1; i <= kDataListSlots && !s.DataList[i].empty(); ++i)
    rows_.push_back(s.DataList[i]);
  // Sorted as a sorted list box sorts: letter case ignored, ties in a fixed order.
  std::stable_sort(rows_.begin(), rows_.end(), [](const std::string& a, const std::string& b) {
    const std::string la = LowerAscii(a), lb = LowerAscii(b);
    return la != lb ? la < lb : a < b;
  });
  if (rows_.size() > kShownWithoutScrolling) {
    selected_ = static_cast<int>(rows_.size()) - 1;
    s.NewFileName = rows_.back();
  }
}

DialogView DataSetDialog::Describe() const {
  DialogView view;
  view.name = "DataSetDialog";
  view.title = "Select Saved Company Data Set";
  view.width = kWidth;
  view.height = kHeight;
  Control label;
  label.text = "Double-click on data set or select and click 'OK' or 'Delete'";
  label.rect = {19, 8, 229, 12};
  view.controls.push_back(label);
  Control list;
  list.kind = Control::Kind::List;
  list.rect = {19, 24, 229, 124};
  list.rows = rows_;
  list.selected = selected_;
  view.controls.push_back(list);
  const char* captions[] = {"&OK", "&CANCEL", "&DELETE"};
  for (int i = 0; i < 3; ++i) {
    Control button;
    button.kind = Control::Kind::Button;
    button.text = captions[i];
    button.rect = {37 + 68 * i, 162, 53, 15};
    button.cancels = i == 1;
    view.controls.push_back(button);
  }
  return view;
}

void DataSetDialog::Select(int control, int row) {
  if (control != kListIndex || row < 0 || row >= static_cast<int>(rows_.size())) return;
  selected_ = row;
  const std::string& name = rows_[static_cast<std::size_t>(row)];
  if (!name.empty()) app_.session.NewFileName = name;
}

void DataSetDialog::DoubleClick(int control, int row) {
  if (control != kListIndex) return;
  Session& s = app_.session;
  if (row >= 0 && row < static_cast<int>(rows_.size()) &&
      !rows_[static_cast<std::size_t>(row)].empty()) {
    s.DataFile = rows_[static_cast<std::size_t>(row)];
    s.NewFileName.clear();
    s.DataSetChosen = 1;
  }
  finished_ = true;
}

void DataSetDialog::Click(int control) {
  Session& s = app_.session;
  if (control == kOkIndex) {
    if (!s.NewFileName.empty()) {
      s.DataFile = s.NewFileName;
      s.NewFileName.clear();
      s.DataSetChosen = 1;
    }
    finished_ = true;
  } else if (control == kCancelIndex) {
    Close();
  } else if (control == kDeleteIndex) {
    Delete();
  }
}

void DataSetDialog::Key(const std::string& key) {
  if (key == "Enter") Click(kOkIndex);
}

void DataSetDialog::Close() {
  app_.session.NewFileName.clear();
  finished_ = true;
}

void DataSetDialog::Delete() {
  Session& s = app_.session;
  if (selected_ < 0 || selected_ >= static_cast<int>(rows_.size())) return;
  const std::string name = rows_[static_cast<std::size_t>(selected_)];
  // Names are found ignoring letter case here, so a name differing from the current one
  // only in case would reach the current file.
  if (EqualsIgnoreCase(name, s.DataFile)) {
    QuickMessage(app_, "Deletion of currently active file is not permitted.");
    return;
  }
  const Button answer = app_.ui.ShowMessage(
      Box(s.ProgName, "Are you sure you wish to delete the data set (file) named " + name + " ?",
          Icon::Question, kYes | kNo, kNo));
  if (answer != kYes) return;
  // A file that cannot be deleted (or is already gone) still leaves the list.
  if (IsPlainFileName(name)) {
    try {
      DeleteIfExists(app_.Path(name));
    } catch (const KvxError&) {
    }
  }
  RemoveFromDataList(app_, name);
  s.NewFileName.clear();
  finished_ = true;
}

void RemoveFromDataList(App& app, const std::string& name) {
  Session& s = app.session;
  std::vector<std::string> kept;
  for (int i = 1; i <= kDataListSlots && !s.DataList[i].empty(); ++i)
    if (!EqualsIgnoreCase(s.DataList[i], name)) kept.push_back(s.DataList[i]);
  for (int i = 1; i <= kDataListSlots; ++i)
    s.DataList[i] =
        i <= static_cast<int>(kept.size()) ? kept[static_cast<std::size_t>(i - 1)] : std::string();
  Trap(app, "DataSetDialog", [&] { WriteFileAtomic(app.Path("NDEXDATA.TXT"), JoinLines(kept)); });
}

void RunDataSetDialog(App& app) {
  DataSetDialog dialog(app);
  app.ui.RunDialog(dialog);
}

}  // namespace kvx
