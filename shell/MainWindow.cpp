#include "shell/MainWindow.h"

#include "base/Files.h"
#include "base/Text.h"
#include "book/BookBuilder.h"
#include "book/PrintableBook.h"
#include "consult/TopicChoice.h"
#include "core/App.h"
#include "core/Messages.h"
#include "core/Programs.h"
#include "navigation/BrowserLauncher.h"
#include "navigation/PictureMenus.h"
#include "navigation/TopicIndex.h"
#include "profile/FileCommands.h"
#include "profile/ProfileCommands.h"
#include "shell/Maintenance.h"

namespace kvx {

namespace {

using Kind = Control::Kind;

constexpr std::uint32_t kWindow = 0xE9EEF5;
constexpr std::uint32_t kNavy = 0x1F3A68;
constexpr const char* kWebsite = "http://www.corvanta.com/";

// The twelve picture buttons: column by column, row 1 to 6 (the checklist's face is
// chosen when the window is described).
constexpr const char* kMainFunctions[] = {"FORM1_PICTURE2_BMP", "FORM1_PICTURE3_BMP",
                                          "FORM1_PICTURE4_BMP", "FORM1_PICTURE5_BMP",
                                          "FORM1_PICTURE6_BMP", "FORM1_PICTURE7A_BMP"};
constexpr const char* kSubjectAreas[] = {"",
                                         "FORM1_PICTURE9_BMP",
                                         "FORM1_PICTURE10_BMP",
                                         "FORM1_PICTURE11_BMP",
                                         "FORM1_PICTURE12_BMP",
                                         "FORM1_PICTURE13_BMP"};
constexpr int kButtonY[] = {101, 136, 171, 206, 241, 276};

Control Item(const std::string& menu, int id, const std::string& caption,
             const std::string& shortcut = "") {
  Control c;
  c.kind = Kind::Menu;
  c.menu = menu;
  c.menuId = id;
  c.text = caption;
  c.shortcut = shortcut;
  return c;
}

Control Framed(Kind kind, const std::string& text, Rect rect) {
  Control c;
  c.kind = kind;
  c.text = text;
  c.rect = rect;
  c.foreground = kNavy;
  c.background = kWindow;
  return c;
}

std::string ChecklistPicture(const App& app) {
  return app.profile.InExistence == "N" ? "FORM1_PICTURE8_BMP" : "FORM1_PICTURE14_BMP";
}

}  // namespace

std::string CompanyLabel(const std::string& generic, const std::string& company) {
  std::string text;
  if (generic == "Y")
    text = "Company: (Generic Version)";
  else if (company.empty())
    text = "Company: Not selected";
  else if (Utf8Length(company) < 20)
    text = "Company: " + company;
  else
    text = company;
  return PromptText(text);
}

std::string StateLabelText(const std::string& stateName) {
  return "State: " + (stateName.empty() ? std::string("Not selected") : stateName);
}

MainWindow::MainWindow(App& app) : app_(app) {
  LoadTopicIndex(app_);
  browserFixCaption_ = BrowserFixCaption(app_);
}

DialogView MainWindow::Describe() const {
  const Session& s = app_.session;
  DialogView v;
  v.name = kMainWindowName;
  v.title = "Opusgrand in " + app_.profile.StateName;
  v.width = 501;
  v.height = 314;
  v.background = kWindow;
  v.minimizeBox = true;
  auto& c = v.controls;
  // The menu bar stands above everything else.
  c.push_back(Item("&File", kMenuNew, "&New Data File", "Ctrl+N"));
  c.push_back(Item("&File", kMenuOpen, "&Open Data File", "Ctrl+O"));
  c.push_back(Item("&File", kMenuSave, "&Save Data File", "Ctrl+S"));
  c.push_back(Item("&File", kMenuSaveAs, "Save Data File &As"));
  c.push_back(Item("&File", kMenuPrintBook, "&Print " + app_.profile.StateCode + " Book"));
  c.push_back(Item("&File", kMenuUninstall, "&Uninstall"));
  c.push_back(Item("&File", kMenuSeparator, "-"));
  c.push_back(Item("&File", kMenuExit, "E&xit  -  Alt + F4"));
  c.push_back(Item("&Options", kMenuGeneric,
                   s.Generic == "Y" ? "Make &Non-Generic Version" : "Make &Generic Version"));
  c.push_back(Item("&Help", kMenuHelp, "Corvanta &HELP  -  F1"));
  c.push_back(Item("&Help", kMenuWebsite, "&Halvorn Software website"));
  c.push_back(Item("&Help", kMenuBrowserFix, browserFixCaption_));
  c.push_back(Item("&Help", kMenuAbout, "&About"));

  Control banner;
  banner.kind = Kind::Picture;
  banner.text = "FORM1_PICTURE1_BMP";
  banner.rect = {0, 0, 504, 83};
  c.push_back(banner);
  c.push_back(Framed(Kind::Group, "Currently Configured For:", {172, 87, 158, 41}));
  c.push_back(
      Framed(Kind::Label, CompanyLabel(s.Generic, app_.profile.Company), {178, 98, 148, 12}));
  c.push_back(Framed(Kind::Label, StateLabelText(app_.profile.StateName), {178, 112, 148, 12}));
  Control heading = Framed(Kind::Label, "TOPIC INDEX", {172, 131, 158, 10});
  heading.bold = true;
  heading.centred = true;
  c.push_back(heading);
  Control list;
  list.kind = Kind::List;
  list.rect = {172, 142, 158, 168};
  for (int i = 1; i <= app_.nav.TopicCount; ++i)
    list.rows.push_back(app_.nav.TopicIndex[static_cast<std::size_t>(i)]);
  list.selected = selected_;
  list.focus = true;
  const int listIndex = static_cast<int>(c.size());
  c.push_back(list);
  c.push_back(Framed(Kind::Group, "Main Functions", {8, 89, 158, 221}));
  c.push_back(Framed(Kind::Group, "General Subject Areas", {336, 89, 158, 221}));
  const int firstPicture = static_cast<int>(c.size());
  for (int row = 0; row < 6; ++row) {
    for (int column = 0; column < 2; ++column) {
      Control picture;
      picture.kind = Kind::Picture;
      picture.text = column == 0 ? kMainFunctions[row]
                     : row == 0  ? ChecklistPicture(app_)
                                 : kSubjectAreas[row];
      picture.rect = {column == 0 ? 15 : 343, kButtonY[row], 144, 31};
      picture.clickable = true;
      c.push_back(picture);
    }
  }
  // The keyboard reads the window as its columns stand: Main Functions, the topic
  // index, General Subject Areas.
  for (int column = 0; column < 2; ++column) {
    if (column == 1) v.focusOrder.push_back(listIndex);
    for (int row = 0; row < 6; ++row) v.focusOrder.push_back(firstPicture + 2 * row + column);
  }
  return v;
}

bool MainWindow::Finished() const {
  return closed_ || app_.session.QuitFlag != 0;
}

void MainWindow::Click(int control) {
  const DialogView view = Describe();
  if (control < 0 || control >= static_cast<int>(view.controls.size())) return;
  const Control& c = view.controls[static_cast<std::size_t>(control)];
  if (c.kind == Kind::Picture && c.clickable) Picture(c.text);
}

void MainWindow::Select(int /*control*/, int row) {
  selected_ = row;
}

void MainWindow::DoubleClick(int control, int row) {
  Select(control, row);
  OpenTopic(row);
}

void MainWindow::Key(const std::string& key) {
  if (key == "F1") StartHelpViewer(app_);
  if (key == "Enter") OpenTopic(selected_);  // a keyboard user opens the selected topic
}

void MainWindow::OpenTopic(int row) {
  if (row < 0 || row >= app_.nav.TopicCount) return;
  OpenIndexTopic(app_, app_.nav.TopicIndex[static_cast<std::size_t>(row) + 1]);
}

void MainWindow::WhileHidden(void (*command)(App&)) {
  app_.ui.HideMainWindow(kMainWindowName);
  command(app_);
  app_.ui.ShowMainWindow(kMainWindowName);
}

void MainWindow::Picture(const std::string& resource) {
  auto open = [this](const std::string& address) {
    app_.nav.ChapterAddress = address;
    OpenBookLocation(app_);
  };
  if (resource == "FORM1_PICTURE2_BMP") {
    ChangeOfState(app_);
  } else if (resource == "FORM1_PICTURE3_BMP") {
    ChangeInterviewCommand(app_);
  } else if (resource == "FORM1_PICTURE4_BMP") {
    open("appendA.htm#MYINFO");
  } else if (resource == "FORM1_PICTURE5_BMP") {
    app_.ui.HideMainWindow(kMainWindowName);
    StartProgram(app_, "selftest", {}, true, "the Entrepreneur Self-Test");
    app_.ui.ShowMainWindow(kMainWindowName);
  } else if (resource == "FORM1_PICTURE6_BMP") {
    open("contents.htm");
  } else if (resource == "FORM1_PICTURE7A_BMP") {
    ConsultingCommand(app_);
  } else if (resource == "FORM1_PICTURE8_BMP" || resource == "FORM1_PICTURE14_BMP") {
    open("appendA.htm");
  } else {
    for (int form = kFirstMenu; form <= kLastMenu; ++form) {
      if (resource != "FORM1_PICTURE" + std::to_string(form) + "_BMP") continue;
      app_.ui.HideMainWindow(kMainWindowName);
      RunPictureMenu(app_, form);
      app_.ui.ShowMainWindow(kMainWindowName);
    }
  }
}

void MainWindow::Menu(int id) {
  switch (id) {
    case kMenuNew:
      NewDataFile(app_);
      break;
    case kMenuOpen:
      OpenDataFile(app_);
      break;
    case kMenuSave:
      SaveDataFile(app_);
      break;
    case kMenuSaveAs:
      SaveDataFileAs(app_);
      break;
    case kMenuPrintBook:
      MakeOneFile(app_);
      break;
    case kMenuUninstall:
      app_.ui.HideMainWindow(kMainWindowName);
      if (Uninstall(app_)) {
        closed_ = true;  // the program ends while the uninstaller runs
        return;
      }
      app_.ui.ShowMainWindow(kMainWindowName);
      break;
    case kMenuExit:
      closed_ = true;
      break;
    case kMenuGeneric:
      GenericEdition(app_, GenericAsk::Ask);
      break;
    case kMenuHelp:
      StartHelpViewer(app_);
      break;
    case kMenuWebsite:
      QuickMessage(app_, "...Accessing web site...");
      app_.nav.ChapterAddress = kWebsite;
      OpenBookLocation(app_);
      break;
    case kMenuBrowserFix:
      browserFixCaption_ = ToggleBrowserWorkaround(app_, browserFixCaption_);
      break;
    case kMenuAbout:
      AboutBox(app_);
      break;
    default:
      break;  // the separator and unknown identifiers do nothing
  }
}

void RunMainWindow(App& app) {
  MainWindow window(app);
  app.ui.RunDialog(window);
}

}  // namespace kvx
