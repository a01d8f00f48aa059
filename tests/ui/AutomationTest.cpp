#include <gtest/gtest.h>

#include "tests/support/TestApp.h"
#include "ui/Dialog.h"

namespace kvx {
namespace {

using test::TestApp;

TEST(Script, AnswersMessageBoxes) {
  TestApp t("# a comment\n\nyes\r\nDEFAULT\nRetry\n");
  const MessageBox box = Box("T", "a\rb\r\nc\nd", Icon::Question, kYes | kNo | kCancel, kNo);
  EXPECT_EQ(t.app.ui.ShowMessage(box), kYes);
  EXPECT_EQ(t.app.ui.ShowMessage(box), kNo);
  EXPECT_EQ(t.Run([&](App& app) { app.ui.ShowMessage(box); }), 4);
  const std::string block =
      "== MESSAGE\ntitle: T\nicon: question\nbuttons: Yes No Cancel\ndefault: No\n"
      "text:\n  a\n  b\n  c\n  d\n\n";
  EXPECT_EQ(t.Output(), block + block + block + "== BAD Retry\n\n");
}

TEST(Script, AnswersInputBoxes) {
  TestApp t("= Acme\n=Acme\n=\ncancel\nAcme\n");
  auto ask = [&] { return t.app.ui.Input("Title", "Prompt", "def"); };
  EXPECT_EQ(ask(), " Acme");
  EXPECT_EQ(ask(), "Acme");
  EXPECT_EQ(ask(), "");
  EXPECT_EQ(ask(), std::nullopt);
  EXPECT_EQ(t.Run([&](App&) { ask(); }), 4);
  EXPECT_EQ(t.Run([&](App&) { ask(); }), 3);
  EXPECT_EQ(t.Output().substr(0, 51), "== INPUT\ntitle: Title\ndefault: def\nprompt: Prompt\n\n");
  EXPECT_NE(t.Output().find("== BAD Acme\n\n"), std::string::npos);
  EXPECT_EQ(t.Output().substr(t.Output().size() - 8), "== END\n\n");
}

// A dialog with one of each control, recording what it was asked to do.
class Sample : public Dialog {
 public:
  DialogView Describe() const override {
    DialogView v{"SampleDialog", "Pick one"};
    v.controls.push_back({Control::Kind::Label, "Two\rlines"});
    Control link{Control::Kind::Label, "Ohio Income/Franchise Tax"};
    link.clickable = true;
    v.controls.push_back(link);
    v.controls.push_back({Control::Kind::Picture, "FORM9_PICTURE1_BMP"});
    Control list{Control::Kind::List};
    list.rows = {"Alabama AL", "California CA", "Colorado CO"};
    list.selected = selected;
    v.controls.push_back(list);
    v.controls.push_back({Control::Kind::Field, field});
    Control option{Control::Kind::Option, "&Yes"};
    option.checked = true;
    v.controls.push_back(option);
    Control ok{Control::Kind::Button, "&OK"};
    ok.isDefault = true;
    v.controls.push_back(ok);
    Control off{Control::Kind::Button, "Fish && Chips"};
    off.enabled = enabled;
    v.controls.push_back(off);
    Control menu{Control::Kind::Menu, "&Open Data File"};
    menu.menuId = 910;
    v.controls.push_back(menu);
    return v;
  }
  void Click(int c) override { log += "click " + std::to_string(c) + ";"; }
  void Select(int c, int row) override {
    selected = row;
    log += "select " + std::to_string(c) + "/" + std::to_string(row) + ";";
  }
  void DoubleClick(int c, int row) override {
    Select(c, row);
    log += "double;";
  }
  void Type(int, const std::string& text) override { field = text; }
  void Menu(int id) override { log += "menu " + std::to_string(id) + ";"; }
  void Key(const std::string& key) override { log += "key " + key + ";"; }
  void Close() override { finished = true; }
  bool Finished() const override { return finished; }

  std::string log, field = "start";
  int selected = -1;
  bool enabled = false, finished = false;
};

TEST(Script, DrivesDialogs) {
  TestApp t(
      "click ok\nclick ohio income/franchise tax\nclick form9_picture1_bmp\nclick yes\n"
      "select 2\nselect Colo\ndouble-click 1\ntype Acme & Co\nmenu 910\nkey F1\nclose\n");
  Sample dialog;
  EXPECT_EQ(t.Run([&](App& app) { app.ui.RunDialog(dialog); }), 0);
  EXPECT_EQ(dialog.log,
            "click 6;click 1;click 2;click 5;select 3/1;select 3/2;select 3/0;double;menu 910;"
            "key F1;");
  EXPECT_EQ(dialog.field, "Acme & Co");
  const std::string out = t.Output();
  EXPECT_EQ(test::Count(out, "== DIALOG SampleDialog\n"), 11);
  EXPECT_EQ(out.substr(0, out.find("\n\n") + 2),
            "== DIALOG SampleDialog\ntitle: Pick one\nlabel:\n  Two\n  lines\n"
            "label: Ohio Income/Franchise Tax\npicture: FORM9_PICTURE1_BMP\nlist: 3 rows\n"
            "  1: Alabama AL\n  2: California CA\n  3: Colorado CO\nfield: start\n"
            "option: &Yes [checked]\nbutton: &OK [default]\nbutton: Fish && Chips [disabled]\n"
            "menu 910: &Open Data File\n\n");
  EXPECT_NE(out.find("  2*: California CA\n"), std::string::npos);
  EXPECT_EQ(out.substr(out.size() - 24), "== CLOSED SampleDialog\n\n");
}

TEST(Script, RejectsLinesThatDoNotFitTheDialog) {
  for (const char* line : {"click Fish & Chips", "click Nothing", "select 4", "select Texas",
                           "menu 911", "key F2", "wave", "close now"}) {
    TestApp t(std::string(line) + "\n");
    Sample dialog;
    EXPECT_EQ(t.Run([&](App& app) { app.ui.RunDialog(dialog); }), 4) << line;
    EXPECT_NE(t.Output().find("== BAD " + std::string(line) + "\n\n"), std::string::npos);
  }
  TestApp enabled("click fish & chips\nclose\n");
  Sample dialog;
  dialog.enabled = true;
  EXPECT_EQ(enabled.Run([&](App& app) { app.ui.RunDialog(dialog); }), 0);
  EXPECT_EQ(dialog.log, "click 7;");
}

TEST(Script, WritesWhatWouldBeStarted) {
  TestApp t;
  EXPECT_TRUE(t.app.system.Run({"/p/selftest"}, true));
  EXPECT_TRUE(t.app.system.Run({"/p/kvxhelp", "/p/"}, false));
  EXPECT_TRUE(t.app.system.Browse("/p/chap06.htm#06.10"));
  EXPECT_TRUE(t.app.system.Print({"Transcript", {{"line 1", "line 2"}, {"last"}}}));
  EXPECT_EQ(t.Output(),
            "== RUN\ncommand: /p/selftest\nwait: yes\n\n"
            "== RUN\ncommand: /p/kvxhelp /p/\nwait: no\n\n"
            "== BROWSE\naddress: /p/chap06.htm#06.10\n\n"
            "== PRINT\njob: Transcript\npage 1\n  line 1\n  line 2\npage 2\n  last\n\n");
}

}  // namespace
}  // namespace kvx
