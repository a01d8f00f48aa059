#include "shell/Maintenance.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "base/Files.h"
#include "core/App.h"
#include "core/Edition.h"
#include "core/Messages.h"
#include "core/Programs.h"
#include "core/Trap.h"

namespace kvx {

namespace {

constexpr const char* kFixOff = "&Fix IE-8 Browser Problem  -  Off";
constexpr const char* kFixOn = "&Fix IE-8 Browser Problem  -  Fixed";
// The caption right after switching on differs from the one the menu is built with.
constexpr const char* kFixSwitchedOn = "&Fix IE-8 Browser Problem? - Fixed";

// Only a regular file counts: a folder or some other thing of that name is no uninstaller.
bool IsFile(const std::string& fullName) {
  std::error_code ec;
  return std::filesystem::is_regular_file(Resolve(fullName), ec);
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? "\r" : "") + lines[i];
  return text;
}

}  // namespace

std::string FindUninstaller(App& app) {
  std::string found;
  try {
    for (int n = 0; n <= 999; ++n) {
      char number[4];
      std::snprintf(number, sizeof number, "%03d", n);
      const std::string name = std::string("unins") + number;
      const bool program = IsFile(app.Path(name));
      const bool data = IsFile(app.Path(name + ".dat"));
      if (program && data)
        found = name;
      else if (data)
        DeleteIfExists(app.Path(name + ".dat"));
      else if (program)
        DeleteIfExists(app.Path(name));
    }
  } catch (const KvxError&) {
    // A half pair that cannot be deleted ends the search; what was found stands.
  }
  return found;
}

bool Uninstall(App& app) {
  const std::string question =
      "This will remove Corvanta and 'Opusgrand in " + app.profile.StateName +
      "' from your computer,\r" +
      Joined({"including removal of all Corvanta data files you or any",
              "other user of the program may have created on this computer.", "",
              "ARE YOU SURE YOU WISH TO UNINSTALL THE PROGRAM AND",
              "ALL OF ITS RELATED FILES NOW?"});
  if (app.ui.ShowMessage(Box("UNINSTALLER", question, Icon::Question, kYes | kNo | kCancel, kNo)) !=
      kYes)
    return false;
  const std::string name = FindUninstaller(app);
  QuickMessage(app, "... Gathering uninstall data...");
  if (name.empty()) {
    // Ending as if uninstalling would report a failure as success.
    app.ui.ShowMessage(Box(app.session.ProgName,
                           "The uninstaller was not found in " + app.session.PathSpec + ".",
                           Icon::Stop));
    return false;
  }
  return StartProgram(app, name, {"/SILENT"}, false, "the uninstaller");
}

std::string BrowserFixCaption(App& app) {
  return Exist(app.Path("TEMPHTML.HTM")) ? kFixOn : kFixOff;
}

std::string ToggleBrowserWorkaround(App& app, const std::string& caption) {
  std::string result = caption;
  const std::string marker = app.Path("TEMPHTML.HTM");
  if (Exist(marker)) {
    Trap(app, "BrowserWorkaround", [&] {
      DeleteIfExists(marker);
      QuickMessage(app,
                   "Internet Explorer 8.0 'bug fix' (work-around) feature is now disabled. "
                   "(Files may not open to correct page until/unless 'bug' in some recent "
                   "Internet Explorer releases is corrected....)");
      result = kFixOff;
      app.nav.BrowserNoticeCount = 1;
    });
    return result;
  }
  const std::string text = Joined({
      "Internet Explorer version 8.0 introduced an annoying 'bug' that",
      "causes files to open at the wrong location, when the browser is being",
      "opened and directed to open an HTML file at a specific location in",
      "the file, rather than at the beginning. Until that 'bug' is fixed (it",
      "isn't, in IE9), Corvanta has implemented a 'work-around'",
      "solution (not a complete fix) that can be employed, at your option.",
      "",
      "(The 'fix' will NOT modify the browser itself or change any browser",
      "settings.)",
      "",
      "DO YOU WANT TO IMPLEMENT THE 'FIX' NOW?",
  });
  if (app.ui.ShowMessage(
          Box("Fix Browser Problem?", text, Icon::Question, kYes | kNo | kCancel, kYes)) != kYes)
    return result;
  Trap(app, "BrowserWorkaround", [&] {
    WriteFile(marker, JoinLines({"Dummy"}));
    QuickMessage(app, "...Done...");
    result = kFixSwitchedOn;
  });
  return result;
}

void AboutBox(App& app) {
  std::vector<std::string> lines = BuiltEdition().aboutLines;
  lines.insert(lines.end(), {
                                "",
                                "The book and the consultations are general information, not",
                                "legal, tax or accounting advice for your business.",
                                "",
                            });
  const std::string text = Joined(lines) + "\r            Release " + app.session.Version;
  app.ui.ShowMessage(Box(app.session.ProgName, text, Icon::None));
}

}  // namespace kvx
