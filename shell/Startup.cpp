#include "shell/Startup.h"

#include <unistd.h>

#include "base/Files.h"
#include "book/BookFiles.h"
#include "core/App.h"
#include "core/Messages.h"
#include "core/Trap.h"
#include "profile/ConvertOldDataNames.h"
#include "profile/DataSets.h"

namespace kvx {

namespace {

bool ValidState(const App& app) {
  return !app.profile.StateName.empty() && app.profile.StateCode.size() == 2;
}

// Errors in the entry procedure itself are passed over: the failing step is skipped
// and the next one runs.
template <class Step>
void Silently(Step&& step) {
  try {
    step();
  } catch (const KvxError&) {
  }
}

}  // namespace

std::string GetWinVersion() {
  return {};
}

void FindDrivePath(App& app) {
  Session& s = app.session;
  const std::string exe = TrimSpaces(app.system.ExecutablePath());
  s.DrivePath.clear();
  const std::string name = NameOf(exe);
  if (!exe.empty() && EqualsIgnoreCase(name, s.ExeName)) {
    s.PathSpec = FolderOf(exe);
    if (::chdir(s.PathSpec.c_str()) != 0) {
      // The folder stays PathSpec; every name is used with it in full.
    }
    return;
  }
  s.PathSpec = exe + "/";
  app.ui.ShowMessage(
      Box(s.ProgName, "Error in FindDrivePath:  PathSpec$ =" + s.PathSpec, Icon::Stop));
}

void InstallMode(App& app) {
  if (Exist(app.Path("COMPAT.KVX"))) Silently([&] { ConvertOldDataNames(app); });
  for (const char* name :
       {"LASTDATA.TXT", "STATCHAP.HTM", "GENERIC.TXT", "temp.txt", "TEMPHTML.HTM", "OUTPUT.HTM"})
    Silently([&] { DeleteIfExists(app.Path(name)); });
  // What interrupted saves and builds left, and the hidden page copies of earlier releases.
  RemoveStaleWork(app.session.PathSpec);
  Silently([&] {
    const std::string update = app.Path("UPDATE.DAT");
    if (!Exist(update)) return;
    const std::string target = app.system.PublicFolder() + "UPDATE.DAT";
    CreateFolder(FolderOf(target));
    CopyFile(update, target);
    if (Exist(target)) DeleteIfExists(update);
  });
  QuickMessage(app, std::string("Installation of Corvanta was successful.") + "\r\n\r\n" +
                        "To start the program and select " +
                        "a state edition, click on the Opusgrand (QV) desktop icon.... " +
                        "Exiting now....");
}

void Startup(App& app, int /*mode*/) {
  Session& s = app.session;
  Trap(app, "Startup", [&] {
    for (const std::string& name : TemplateCheckNames()) {
      if (!Exist(app.Path(name))) {
        s.QuitFlag = -1;
        app.ui.ShowMessage(
            Box("Opusgrand", "Fatal error: Missing data file " + app.Path(name), Icon::Stop));
        return;
      }
    }
    s.Generic = Exist(app.Path("GENERIC.TXT")) ? "Y" : "N";

    if (Exist(app.Path("LASTDATA.TXT")) && Exist(app.Path("NDEXDATA.TXT"))) {
      // An empty LASTDATA.TXT names no data set: treat it like a missing one, so the
      // next start is a first run instead of failing the same way for ever.
      LineReader reader(app.Path("LASTDATA.TXT"));
      const std::string name = reader.AtEnd() ? std::string() : reader.Next();
      if (!IsPlainFileName(name) || !Exist(app.Path(name))) {
        QuickMessage(app, "File named " + name + " not found or corrupted: Restart program.");
        DeleteIfExists(app.Path("LASTDATA.TXT"));
        s.QuitFlag = -1;
        return;
      }
      LoadDataSet(app, LoadMode::StartUp);
      return;
    }

    for (;;) {
      app.hooks.selectState(app, 1);
      if (s.QuitFlag == -1) return;
      if (ValidState(app)) break;
      const Button answer =
          app.ui.ShowMessage(Box("Error -- State not selected",
                                 std::string("The program cannot operate unless you select a") +
                                     "\r" + "state (edition) that you wish to create/install.",
                                 Icon::Stop, kRetry | kCancel, kRetry));
      if (answer != kRetry) {
        QuickMessage(app, "Exiting program now....");
        return;
      }
    }
    if (!Exist(app.Path(app.profile.StateCode + ".dat"))) {
      QuickMessage(app, "The " + app.profile.StateName + " chapter (and data) not found");
      app.profile.StateCode.clear();
      app.profile.StateName.clear();
      return;
    }
    app.hooks.interview(app, 1);
  });
}

void ProgramEntry(App& app, const std::string& tail) {
  Session& s = app.session;
  s = Session{};
  LoadStateTable(app.states);
  FindDrivePath(app);
  s.WinVer = UpperAscii(GetWinVersion());
  if (s.WinVer.substr(0, 2) == "XP") s.WinVer = "XP";
  if (EqualsIgnoreCase(TrimSpaces(tail), "INSTALL")) {
    InstallMode(app);
    return;
  }
  if (s.WinVer != "XP") Silently([&] { CreateFolder(app.system.DocumentsFolder() + "KVXDOCS/"); });
  Startup(app, 1);
  if (s.QuitFlag == -1 || !ValidState(app)) return;
  do {
    s.QuitFlag = 0;
    app.hooks.runMainWindow(app);
  } while (s.QuitFlag == 1);
}

}  // namespace kvx
