// The interview and its dialogs on arbitrary answers: the input is split at line feeds,
// and each line answers the next question. Its first byte says what to do in a dialog
// (select a row or click a control) or which button a box gets; an input box gets the
// line itself. When the lines run out the run ends.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "FuzzApp.h"
#include "profile/AnswerText.h"
#include "profile/Interview.h"

namespace {

struct OutOfLines {};

class LinesUi : public kvx::Ui {
 public:
  std::vector<std::string> lines;
  std::size_t next = 0;

  const std::string& Line() {
    if (next >= lines.size()) throw OutOfLines{};
    return lines[next++];
  }
  static unsigned First(const std::string& line) {
    return line.empty() ? 0u : static_cast<unsigned char>(line[0]);
  }
  kvx::Button ShowMessage(const kvx::MessageBox& box) override {
    const unsigned pick = First(Line());
    std::vector<kvx::Button> offered;
    for (kvx::Button b : {kvx::kOk, kvx::kYes, kvx::kNo, kvx::kRetry, kvx::kCancel})
      if (box.buttons & b) offered.push_back(b);
    return offered.empty() ? box.defaultButton : offered[pick % offered.size()];
  }
  std::optional<std::string> Input(const std::string&, const std::string&,
                                   const std::string&) override {
    const std::string& line = Line();
    if (line == "cancel") return std::nullopt;
    return line;
  }
  void RunDialog(kvx::Dialog& dialog) override {
    while (!dialog.Finished()) {
      const std::string& line = Line();
      const kvx::DialogView view = dialog.Describe();
      if (view.controls.empty()) {
        dialog.Close();
        continue;
      }
      const unsigned pick = First(line);
      const int control = static_cast<int>((pick >> 1) % view.controls.size());
      const kvx::Control& c = view.controls[static_cast<std::size_t>(control)];
      if (pick == 0)
        dialog.Close();
      else if ((pick & 1) && !c.rows.empty())
        dialog.Select(control, static_cast<int>(line.size() % c.rows.size()));
      else
        dialog.Click(control);
    }
  }
  void HideMainWindow(const std::string&) override {}
  void ShowMainWindow(const std::string&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static kvx::fuzz::FuzzApp fuzz;
  const std::string input(reinterpret_cast<const char*>(data), size);
  // The text helpers on the whole input.
  (void)kvx::CutToCharacters(input, 30);
  (void)kvx::MixedCase(kvx::WithoutControls(input));
  (void)kvx::EmployeeCount(input);

  LinesUi ui;
  for (std::size_t start = 0; start <= input.size();) {
    const std::size_t end = input.find('\n', start);
    ui.lines.push_back(input.substr(start, end == std::string::npos ? end : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  kvx::App app(ui, fuzz.system);
  app.states = fuzz.app.states;
  app.session.PathSpec = fuzz.app.session.PathSpec;
  app.profile.StateName = "California";
  app.profile.StateCode = "CA";
  app.hooks.createBook = [](kvx::App&) {};  // the book builder has fuzz targets of its own
  const int mode = (!input.empty() && (input[0] & 1)) ? 1 : 2;
  try {
    kvx::Interview(app, mode);
  } catch (const OutOfLines&) {
  } catch (const kvx::KvxError&) {
  }
  return 0;
}
