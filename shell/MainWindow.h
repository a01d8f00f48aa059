#pragma once
// The main window, the program's home screen: the banner, the company and state now
// configured, the topic index, twelve picture buttons and the menu bar. It is built
// anew for every turn of the main loop, so its texts always show the current session.
// A command that changes the data set, the state or the edition sets QuitFlag to 1,
// which ends the window for a rebuild.

#include <string>

#include "ui/Dialog.h"

namespace kvx {

struct App;

inline constexpr const char* kMainWindowName = "MainWindow";

// Menu command identifiers.
enum MenuCommand : int {
  kMenuNew = 905,
  kMenuOpen = 910,
  kMenuSave = 915,
  kMenuSaveAs = 920,
  kMenuUninstall = 922,
  kMenuSeparator = 925,
  kMenuExit = 930,
  kMenuGeneric = 940,
  kMenuPrintBook = 944,
  kMenuHelp = 955,
  kMenuWebsite = 957,
  kMenuBrowserFix = 958,
  kMenuAbout = 960,
};

// The company label: "Company: " + the name, or the name alone from 20 characters on;
// "(Generic Version)" and "Not selected" in their cases; every "&" doubled so that it
// shows as itself.
std::string CompanyLabel(const std::string& generic, const std::string& company);
std::string StateLabelText(const std::string& stateName);

class MainWindow : public Dialog {
 public:
  explicit MainWindow(App& app);  // loads the topic index for the current state
  DialogView Describe() const override;
  void Click(int control) override;
  void Select(int control, int row) override;
  void DoubleClick(int control, int row) override;
  void Menu(int id) override;
  void Key(const std::string& key) override;
  void Close() override { closed_ = true; }
  bool Finished() const override;

 private:
  void Picture(const std::string& resource);
  void OpenTopic(int row);
  void WhileHidden(void (*command)(App&));

  App& app_;
  std::string browserFixCaption_;
  int selected_ = -1;
  bool closed_ = false;
};

// Runs the main window until it ends.
void RunMainWindow(App& app);

}  // namespace kvx
