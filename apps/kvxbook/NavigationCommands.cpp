// kvxbook index, open and menus: the topic index as loaded for a state, opening book
// addresses as the program does, and the picture menus with the address behind each label.

#include <filesystem>
#include <iostream>

#include "BatchUi.h"
#include "Commands.h"
#include "LoadProgramFolder.h"
#include "base/Files.h"
#include "core/StateTable.h"
#include "navigation/BrowserLauncher.h"
#include "navigation/PictureMenus.h"
#include "navigation/TopicIndex.h"
#include "ui/automation/AutomationUi.h"

namespace kvxbook {

namespace {

bool IsFolder(const std::string& dir) {
  std::error_code ec;
  if (!dir.empty() && std::filesystem::is_directory(dir, ec)) return true;
  std::cerr << "kvxbook: " << dir << " is not a folder\n";
  return false;
}

// The program folder as a full path, as the program always holds it.
std::string FullFolder(const std::string& dir) {
  std::error_code ec;
  const std::string full = std::filesystem::absolute(dir, ec).lexically_normal().string();
  return ec ? dir : full;
}

// Makes the state with postal code the current one; false when the table lacks it.
bool SetState(kvx::App& app, const std::string& code) {
  const int row = kvx::StateRowOfCode(app.states, code);
  if (row == 0) {
    std::cerr << "kvxbook: no state has the postal code \"" << code << "\"\n";
    return false;
  }
  app.profile.StateName = kvx::RowName(app.states.States[row]);
  app.profile.StateCode = kvx::RowCode(app.states.States[row]);
  return true;
}

int Index(kvx::App& app, const std::vector<std::string>& args) {
  std::vector<std::string> plain;
  bool generic = false;
  for (const std::string& arg : args) {
    if (arg == "--generic")
      generic = true;
    else
      plain.push_back(arg);
  }
  if (plain.size() != 2) return Usage();
  if (!IsFolder(plain[0])) return kUsage;
  if (!SetState(app, plain[1])) return kUsage;
  const std::string full = FullFolder(plain[0]);
  app.session.PathSpec = full.back() == '/' ? full : full + "/";
  app.session.Generic = generic ? "Y" : "N";
  kvx::LoadTopicIndex(app);
  for (int i = 1; i <= app.nav.TopicCount; ++i) std::cout << app.nav.TopicIndex[i] << "\n";
  return kOk;
}

int Open(kvx::App& app, const std::vector<std::string>& args) {
  std::string dir, code;
  std::vector<std::string> addresses;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--state") {
      if (++i == args.size()) return Usage();
      code = args[i];
    } else if (dir.empty()) {
      dir = args[i];
    } else {
      addresses.push_back(args[i]);
    }
  }
  if (dir.empty() || addresses.empty()) return Usage();
  dir = FullFolder(dir);
  if (code.empty()) {
    // The state of the current data set, as the program restores it.
    if (const int status = LoadProgramFolder(app, dir, ""); status != kOk) return status;
  } else {
    if (!IsFolder(dir) || !SetState(app, code)) return kUsage;
    app.session.PathSpec = dir.back() == '/' ? dir : dir + "/";
  }
  app.session.Generic = kvx::Exist(app.Path("GENERIC.TXT")) ? "Y" : "N";
  for (const std::string& address : addresses) {
    app.nav.ChapterAddress = address;
    kvx::OpenBookLocation(app);
  }
  return kOk;
}

int Menus(kvx::App& app, const std::vector<std::string>& args) {
  std::string dir, dataSet;
  bool generic = false;
  if (!FolderArguments(args, "--generic", dir, dataSet, generic)) return Usage();
  if (const int status = LoadProgramFolder(app, FullFolder(dir), dataSet); status != kOk)
    return status;
  app.session.Generic = generic ? "Y" : "N";
  std::istringstream noLines;
  kvx::Script script(noLines, std::cout);
  for (int form = kvx::kFirstMenu; form <= kvx::kLastMenu; ++form) {
    const kvx::PictureMenu menu(app, form);
    const kvx::DialogView view = menu.Describe();
    script.Header("DIALOG " + view.name);
    script.Key("title", view.title);
    for (std::size_t i = 0; i < view.controls.size(); ++i) {
      const kvx::Control& c = view.controls[i];
      const std::string line = kvx::ControlLine(c);
      if (line.empty()) continue;
      if (c.kind != kvx::Control::Kind::Label) {
        script.Line(line);
        continue;
      }
      std::string text = c.text;
      if (c.clickable) text += " -> " + menu.AddressOf(static_cast<int>(i));
      script.Text("label", text);
    }
    script.EndBlock();
  }
  return kOk;
}

}  // namespace

int RunIndex(const std::vector<std::string>& args) {
  BatchApp batch;
  return batch.Run(Index, args);
}

int RunOpen(const std::vector<std::string>& args) {
  BatchApp batch;
  return batch.Run(Open, args);
}

int RunMenus(const std::vector<std::string>& args) {
  BatchApp batch;
  return batch.Run(Menus, args);
}

}  // namespace kvxbook
