// The viewer's dialogs driven by automation scripts, in process and as the built program.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "base/Files.h"
#include "helpviewer/HelpFile.h"
#include "helpviewer/HelpTopics.h"
#include "helpviewer/HelpViewer.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TestApp.h"
#include "ui/automation/AutomationUi.h"

namespace kvx::help {
namespace {

using test::Count;
using test::TempFolder;

struct ViewerRun {
  int status = 0;
  std::string out;
};

ViewerRun RunViewer(const std::string& argument, const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out;
  Script s(in, out);
  AutomationUi ui(s);
  ViewerRun run;
  try {
    RunHelpViewer(ui, argument);
  } catch (const ScriptEnded& end) {
    run.status = end.status;
  }
  run.out = out.str();
  return run;
}

std::string Message(const std::string& text) {
  return "== MESSAGE\ntitle: Corvanta\nicon: information\nbuttons: OK\ndefault: OK\ntext: " + text +
         "\n\n";
}

const char* kHelp =
    "@I0001 general\r\nAll about @State.\r\n\r\nIn @STATE at @PATHSPEC\r\n"
    "@I0002\r\nOverview\r\n@I0003\r\nPurpose\r\n@I0004 browser\r\nBrowser\r\n"
    "@I0005\r\nFinding\r\n@I0006\r\nInterview\r\n@I0035\r\nInventories\r\n@END\r\n";

TEST(HelpViewer, ATopicShowsItsTextAndTheContentsComeBack) {
  TempFolder dir;
  WriteFile(dir.path() + "HELP.TXT", kHelp);
  // Without LASTDATA.TXT the state is "Your State".
  const ViewerRun run = RunViewer(dir.path(), "double-click  - Use of Web\nclick ok\nclose\n");
  EXPECT_EQ(0, run.status) << run.out;
  EXPECT_EQ(0u, run.out.find("== DIALOG Contents\ntitle: Corvanta HELP:  Contents\n"
                             "label: Double-Click on Help Topic To Select\nlist: 77 rows\n"
                             "  1: >> GENERAL INFO ON CORVANTA "));
  EXPECT_NE(std::string::npos, run.out.find("== HIDE Contents\n\n== DIALOG HelpText\n"
                                            "title: Corvanta HELP\nbox:\n  Browser \n"
                                            "button: &OK [default]\n\n== CLOSED HelpText\n\n"
                                            "== SHOW Contents\n\n== DIALOG Contents\n"))
      << run.out;
  EXPECT_NE(std::string::npos, run.out.find("  7*:  - Use of Web Browser "));
  EXPECT_NE(std::string::npos,
            run.out.find("button: &Select\nbutton: &Close\n\n== CLOSED Contents"));

  // A group heading joins its subtopics' sections, placeholders filled in.
  const ViewerRun group = RunViewer(dir.path(), "select 1\nclick &Select\nclick OK\nclick close\n");
  EXPECT_EQ(0, group.status);
  EXPECT_NE(std::string::npos,
            group.out.find("box:\n  All about Your State.  \n  \n  In YOUR STATE at " + dir.path() +
                           " Overview Purpose Browser Finding Interview Inventories \n"))
      << group.out;
}

TEST(HelpViewer, AWindowShowsTheTitlesAlone) {
  std::istringstream in;
  std::ostringstream out;
  Script script(in, out);
  AutomationUi ui(script);
  HelpViewer viewer(ui, HelpStart{});
  const DialogView view = ContentsDialog(viewer).Describe();
  ASSERT_EQ(4u, view.controls.size());
  const Control& list = view.controls[ContentsDialog::kList];
  ASSERT_EQ(77u, list.shownRows.size());
  EXPECT_EQ(">> GENERAL INFO ON CORVANTA", list.shownRows[0]);
  EXPECT_EQ("", list.shownRows[1]);
  EXPECT_EQ("   ... Company Name Question", list.shownRows[9]);
  EXPECT_EQ(-1, list.selected);
  EXPECT_EQ("PROGRAM", view.icon);
}

TEST(HelpViewer, EnterOnTheListOpensTheHighlightedTopic) {
  TempFolder dir;
  WriteFile(dir.path() + "HELP.TXT", kHelp);
  std::istringstream in("ok\nclick ok\n");
  std::ostringstream out;
  Script script(in, out);
  AutomationUi ui(script);
  HelpViewer viewer(ui, HelpStart{dir.path(), true, kYourState});
  ContentsDialog contents(viewer);
  contents.Key("Enter");  // nothing highlighted yet
  EXPECT_EQ(1, Count(out.str(), "You must highlight an item"));
  contents.Select(ContentsDialog::kList, 6);
  contents.Key("Enter");
  EXPECT_NE(std::string::npos,
            out.str().find("== DIALOG HelpText\ntitle: Corvanta HELP\nbox:\n  Browser"))
      << out.str();
}

TEST(HelpViewer, ASeparatorCannotBeSelected) {
  TempFolder dir;
  WriteFile(dir.path() + "HELP.TXT", kHelp);
  const ViewerRun run =
      RunViewer(dir.path(), "select 2\nclick select\nok\ndouble-click 4\nclick close\n");
  EXPECT_EQ(0, run.status);
  EXPECT_EQ(1, Count(run.out, Message("You must highlight an item on the list to select it.")));
  EXPECT_EQ(0, Count(run.out, "HelpText"));  // a double-click on a separator does nothing
  // Nothing selected at all gives the same message.
  const ViewerRun none = RunViewer(dir.path(), "click select\nok\nclose\n");
  EXPECT_EQ(1, Count(none.out, "You must highlight"));
}

TEST(HelpViewer, WithoutArgumentOrHelpFileTheListStillWorks) {
  TempFolder dir;
  const std::filesystem::path was = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  const ViewerRun run =
      RunViewer("", "double-click 1\nok\nselect 2\nclick select\nok\nclick close\n");
  std::filesystem::current_path(was);
  EXPECT_EQ(0, run.status) << run.out;
  EXPECT_NE(std::string::npos,
            run.out.find(Message("HELP must be launched from Corvanta program -- access denied") +
                         "== DIALOG Contents\n"));
  EXPECT_EQ(1, Count(run.out, "You must highlight"));

  // Started with a folder that has no HELP.TXT.
  const ViewerRun missing = RunViewer(dir.path(), "double-click 1\nok\nclose\n");
  EXPECT_EQ(1, Count(missing.out, Message("HELP.TXT file not found at " + dir.path())));
}

TEST(HelpViewer, BadHelpFilesGiveTheirMessages) {
  TempFolder dir;
  const std::string pastEnd = Message("Input past end of HELP.TXT file");
  const std::string script = "double-click 1\nok\ndouble-click 3\nok\nclose\n";
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 7919) % 256);
  const std::string noEnd = "@I0001\r\ntext\r\n@I0035\r\nlast\r\n";
  for (const std::string& bytes : {std::string(), binary, noEnd}) {
    WriteFile(dir.path() + "HELP.TXT", bytes);
    const ViewerRun run = RunViewer(dir.path(), script);
    EXPECT_EQ(0, run.status);
    EXPECT_EQ(2, Count(run.out, pastEnd)) << run.out.substr(run.out.size() - 400);
    EXPECT_EQ(0, Count(run.out, "== DIALOG HelpText"));
  }
  // About 50 MB with no line ends and no tags: read through, then the same message.
  std::string huge(50 << 20, 'x');
  WriteFile(dir.path() + "HELP.TXT", huge);
  huge.clear();
  EXPECT_EQ(1, Count(RunViewer(dir.path(), "double-click 3\nok\nclose\n").out, pastEnd));

  // HELP.TXT that cannot be read: the general report with the step reached.
  std::filesystem::remove(dir.path() + "HELP.TXT");
  std::filesystem::create_directory(dir.path() + "HELP.TXT");
  const ViewerRun run = RunViewer(dir.path(), "double-click 3\nok\nok\nclose\n");
  EXPECT_NE(std::string::npos, run.out.find(Message("Error #  70 in GetHelp SUB, RODUVUD.EXE") +
                                            Message("Error location = ")))
      << run.out;
}

TEST(HelpViewer, AFolderArgumentThatClimbsOutIsNotRead) {
  TempFolder dir;
  WriteFile(dir.path() + "HELP.TXT", kHelp);
  std::filesystem::create_directory(dir.path() + "sub");
  const std::string climbing = dir.path() + "sub/../";
  const ViewerRun run = RunViewer(climbing, "double-click 1\nok\nclose\n");
  EXPECT_EQ(1, Count(run.out, Message("HELP.TXT file not found at " + climbing)));
  const ViewerRun file = RunViewer(dir.path() + "HELP.TXT", "double-click 1\nok\nclose\n");
  EXPECT_EQ(1, Count(file.out, "HELP.TXT file not found at " + dir.path() + "HELP.TXT\n"));
}

TEST(HelpViewer, TheShippedHelpTextHasEveryTopic) {
  const std::string folder = test::BuiltProgramFolder();
  ASSERT_TRUE(Exist(folder + "HELP.TXT"));
  for (const HelpTopic& topic : HelpTopics()) {
    if (topic.title.empty()) continue;
    LineReader reader(folder + "HELP.TXT");
    std::string step;
    const std::string code = SectionTag(topic.first) + "|" + SectionTag(topic.last).substr(2);
    std::string text;
    EXPECT_NO_THROW(text = AssembleHelp([&] { return reader.Next(); }, code, "Texas", folder, step))
        << topic.title;
    EXPECT_GT(text.size(), 40u) << topic.title;
    EXPECT_EQ(std::string::npos, text.find('@')) << topic.title;
  }
}

TEST(HelpViewer, TheBuiltProgramRunsAScript) {
  const std::string folder = test::BuiltProgramFolder();
  TempFolder dir;
  CopyFile(folder + "HELP.TXT", dir.path() + "HELP.TXT");
  WriteFile(dir.path() + "LASTDATA.TXT", "acme.kvx\r\n");
  WriteFile(dir.path() + "acme.kvx", "California\r\nCA\r\nAcme\r\n");
  const auto run = test::RunProgram({folder + "kvxhelp", dir.path()}, {"KVX_SCRIPT=-"},
                                    "select  - State Selected\nclick select\nclick ok\nclose\n");
  EXPECT_EQ(0, run.status) << run.out;
  EXPECT_NE(std::string::npos, run.out.find("== DIALOG HelpText\n")) << run.out;
  EXPECT_NE(std::string::npos, run.out.find("now California."));
  EXPECT_NE(std::string::npos, run.out.find("== CLOSED Contents\n\n"));

  // Out of lines: "== END" and status 3.
  const auto ended = test::RunProgram({folder + "kvxhelp", dir.path()}, {"KVX_SCRIPT=-"}, "");
  EXPECT_EQ(3, ended.status);
  EXPECT_NE(std::string::npos, ended.out.find("== END\n"));
}

}  // namespace
}  // namespace kvx::help
