#include "helpviewer/HelpViewer.h"

#include "base/Errors.h"
#include "base/Files.h"
#include "helpviewer/HelpFile.h"
#include "helpviewer/HelpTopics.h"
#include "ui/Ui.h"

namespace kvx::help {

void HelpViewer::Notice(const std::string& text) {
  ui_.ShowMessage(Box(kProgName, text, Icon::Information));
}

std::string HelpViewer::Assemble(const std::string& code, std::string& stepMark) {
  if (!start_.readable) Raise(kErrFileNotFound, "Not read: " + start_.pathSpec);
  LineReader reader(start_.pathSpec + "HELP.TXT");
  return AssembleHelp([&reader] { return reader.Next(); }, code, start_.stateName, start_.pathSpec,
                      stepMark);
}

void HelpViewer::GetHelp(const std::string& code) {
  std::string stepMark;
  std::string text;
  try {
    text = Assemble(code, stepMark);
    stepMark = "Step4";
  } catch (...) {
    const KvxError error = CurrentError();
    if (error.number == kErrInputPastEnd) {
      Notice("Input past end of HELP.TXT file");
    } else if (error.number == kErrFileNotFound) {
      Notice(start_.pathSpec.empty()
                 ? "HELP must be launched from Corvanta program -- access denied"
                 : "HELP.TXT file not found at " + start_.pathSpec);
    } else {
      // The runtime writes a number with a leading blank for its sign.
      Notice("Error # " + (" " + std::to_string(error.number)) + " in GetHelp SUB, RODUVUD.EXE");
      Notice("Error location = " + stepMark);
    }
    return;
  }
  ui_.HideMainWindow("Contents");
  HelpTextDialog dialog(std::move(text));
  ui_.RunDialog(dialog);
  ui_.ShowMainWindow("Contents");
}

ContentsDialog::ContentsDialog(HelpViewer& viewer) : viewer_(viewer) {
  for (int entry = 0; entry < kTopicCount; ++entry) rows_.push_back(DisplayForm(TopicLine(entry)));
}

DialogView ContentsDialog::Describe() const {
  DialogView view;
  view.name = "Contents";
  view.title = "Corvanta HELP:  Contents";
  view.width = 229;
  view.height = 256;
  Control label;
  label.kind = Control::Kind::Label;
  label.text = "Double-Click on Help Topic To Select";
  label.rect = {7, 5, 215, 10};
  label.background = view.background;
  Control list;
  list.kind = Control::Kind::List;
  list.rect = {7, 17, 215, 212};
  list.rows = rows_;
  // A window shows the titles alone; the codes after them are out of its sight.
  for (const std::string& row : rows_) {
    const std::string title = row.substr(0, kTitleWidth);
    list.shownRows.push_back(title.substr(0, title.find_last_not_of(' ') + 1));
  }
  list.selected = selected_;
  Control select;
  select.kind = Control::Kind::Button;
  select.text = "&Select";
  select.rect = {40, 236, 53, 15};
  Control close = select;
  close.text = "&Close";
  close.rect = {136, 236, 53, 15};
  view.controls = {label, list, select, close};
  return view;
}

void ContentsDialog::Select(int control, int row) {
  if (control != kList || row < 0 || row >= static_cast<int>(rows_.size())) return;
  selected_ = row;
  helpCode_ = HelpCodeOf(rows_[static_cast<std::size_t>(row)]);
}

void ContentsDialog::DoubleClick(int control, int row) {
  Select(control, row);
  if (control != kList || row < 0 || row >= static_cast<int>(rows_.size())) return;
  const std::string& text = rows_[static_cast<std::size_t>(row)];
  if (text.size() > 6 && Contains(text, "@I")) viewer_.GetHelp(helpCode_);
}

void ContentsDialog::Click(int control) {
  if (control == kClose) {
    finished_ = true;
  } else if (control == kSelect) {
    ShowHelp();
  }
}

void ContentsDialog::Key(const std::string& key) {
  if (key == "Enter") ShowHelp();
}

void ContentsDialog::ShowHelp() {
  if (helpCode_.empty()) {
    viewer_.Notice("You must highlight an item on the list to select it.");
    return;
  }
  viewer_.GetHelp(helpCode_);
}

DialogView HelpTextDialog::Describe() const {
  DialogView view;
  view.name = "HelpText";
  view.title = "Corvanta HELP";
  view.width = 405;
  view.height = 207;
  Control box;
  box.kind = Control::Kind::Box;
  box.text = text_;
  box.rect = {5, 5, 395, 175};
  Control ok;
  ok.kind = Control::Kind::Button;
  ok.text = "&OK";
  ok.rect = {176, 186, 53, 15};
  ok.isDefault = true;
  view.controls = {box, ok};
  return view;
}

void RunHelpViewer(Ui& ui, const std::string& argument) {
  HelpViewer viewer(ui, StartHelp(argument));
  // Every step traps its own errors; one that still escapes a dialog's action is
  // shown and the viewer goes on.
  ui.reportError = [&viewer](int number, const std::string& where, const std::string& diag) {
    viewer.Notice("Error # " + (" " + std::to_string(number)) + " in " + where + ": " + diag);
  };
  ContentsDialog contents(viewer);
  ui.RunDialog(contents);
}

}  // namespace kvx::help
