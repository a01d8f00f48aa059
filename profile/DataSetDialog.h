#pragma once
// The data-set dialog: the saved data sets in a sorted list, to choose one (DataFile,
// DataSetChosen 1) or delete one. It only chooses and deletes; the Open command loads.

#include <string>
#include <vector>

#include "ui/Dialog.h"

namespace kvx {

struct App;

class DataSetDialog : public Dialog {
 public:
  explicit DataSetDialog(App& app);
  DialogView Describe() const override;
  void Click(int control) override;
  void Select(int control, int row) override;
  void DoubleClick(int control, int row) override;
  void Key(const std::string& key) override;  // Enter presses OK
  void Close() override;
  bool Finished() const override { return finished_; }

  static constexpr int kLabelIndex = 0, kListIndex = 1, kOkIndex = 2, kCancelIndex = 3,
                       kDeleteIndex = 4;

 private:
  void Delete();
  App& app_;
  std::vector<std::string> rows_;  // sorted ignoring letter case
  int selected_ = -1;
  bool finished_ = false;
};

// Shows the dialog until the user chooses, deletes or leaves.
void RunDataSetDialog(App& app);

// Removes every entry equal to name ignoring letter case from DataList, closing the
// gaps, and rewrites NDEXDATA.TXT with the rest.
void RemoveFromDataList(App& app, const std::string& name);

}  // namespace kvx
