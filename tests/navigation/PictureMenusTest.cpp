#include <gtest/gtest.h>

#include <algorithm>

#include "core/App.h"
#include "navigation/PictureMenus.h"
#include "tests/support/TestApp.h"

namespace kvx {
namespace {

using test::TestApp;

struct Menus {
  explicit Menus(const std::string& code, const std::string& script = "") : t(script) {
    t.SetProgramFolder();
    const int row = StateRowOfCode(t.app.states, code);
    t.app.profile.StateName = RowName(t.app.states.States[row]);
    t.app.profile.StateCode = code;
    t.app.profile.Entity = "corporation";
  }
  std::vector<std::string> Labels(int form) {
    PictureMenu menu(t.app, form);
    std::vector<std::string> texts;
    for (const Control& c : menu.Describe().controls)
      if (c.kind == Control::Kind::Label) texts.push_back(c.text);
    return texts;
  }
  int Find(const PictureMenu& menu, const std::string& text) {
    const DialogView view = menu.Describe();
    for (std::size_t i = 0; i < view.controls.size(); ++i)
      if (view.controls[i].text == text) return static_cast<int>(i);
    ADD_FAILURE() << text;
    return -1;
  }
  TestApp t;
};

bool Has(const std::vector<std::string>& texts, const std::string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST(StateLabel, ShortNamesAndTheDistrict) {
  EXPECT_EQ(StateLabel("Ohio", "OH"), "Ohio");
  EXPECT_EQ(StateLabel("Texas", "TX"), "Texas");
  EXPECT_EQ(StateLabel("Kansas", "KS"), "State");
  EXPECT_EQ(StateLabel("District of Columbia", "DC"), "D.C.");
}

TEST(TaxMatters, WordingFollowsTheState) {
  Menus ohio("OH");
  const auto oh = ohio.Labels(9);
  for (const char* text :
       {"Ohio Income/Franchise Tax", "Ohio/Local Property Taxes", "Ohio Sales and Use Taxes",
        "Misc. Other Ohio Taxes", "OHIO TAXES", "Ohio Unemployment Tax", "Ohio Wage Withholding"})
    EXPECT_TRUE(Has(oh, text)) << text;
  Menus california("CA");
  const auto ca = california.Labels(9);
  for (const char* text :
       {"State Income/Franchise Tax", "State/Local Property Taxes", "Sales and Use Taxes",
        "CALIFORNIA TAXES", "FEDERAL TAXES", "Federal Estate && Gift Taxes"})
    EXPECT_TRUE(Has(ca, text)) << text;
  Menus district("DC");
  const auto dc = district.Labels(9);
  for (const char* text : {"D.C. Income/Franchise Tax", "District Property Taxes",
                           "D.C. Sales and Use Taxes", "DISTRICT OF COLUMBIA TAXES"})
    EXPECT_TRUE(Has(dc, text)) << text;
  EXPECT_TRUE(Has(district.Labels(10), "Incorporation: Washington, DC"));
  EXPECT_TRUE(Has(ohio.Labels(10), "Incorporation: Ohio"));
}

TEST(TaxMatters, IncomeAddressIsDecidedByTheEntityAtTheClick) {
  EXPECT_EQ(IncomeFranchiseAddress("N", "S corporation"), "statchap.htm#TAX_CORP");
  EXPECT_EQ(IncomeFranchiseAddress("N", "corporation"), "statchap.htm#TAX_CORP");
  EXPECT_EQ(IncomeFranchiseAddress("N", "LLC"), "statchap.htm#TAX_LLC");
  EXPECT_EQ(IncomeFranchiseAddress("N", "LLP"), "statchap.htm#TAX_SOLE");
  EXPECT_EQ(IncomeFranchiseAddress("N", "general partnership"), "statchap.htm#TAX_SOLE");
  EXPECT_EQ(IncomeFranchiseAddress("N", "sole proprietorship"), "statchap.htm#TAX_SOLE");
  for (const char* entity : {"LLC", "corporation", "LLP", ""})
    EXPECT_EQ(IncomeFranchiseAddress("Y", entity), "statchap.htm#IV(c)");

  Menus m("CA");
  m.t.app.nav.BrowserNoticeCount = 2;  // past the one-time notice
  PictureMenu menu(m.t.app, 9);
  const int income = m.Find(menu, "State Income/Franchise Tax");
  EXPECT_EQ(menu.AddressOf(income), "statchap.htm#TAX_CORP");
  m.t.app.profile.Entity = "LLC";  // changed while the menu is open
  menu.Click(income);
  m.t.app.session.Generic = "Y";
  menu.Click(income);
  EXPECT_EQ(m.t.Output(), "== BROWSE\naddress: " + m.t.dir() + "statchap.htm#TAX_LLC\n\n" +
                              "== BROWSE\naddress: " + m.t.dir() + "statchap.htm#IV(c)\n\n");
}

TEST(PictureMenu, LabelsOpenTheBookAndTheMenuStays) {
  Menus m("CA");
  PictureMenu menu(m.t.app, 13);
  menu.Click(m.Find(menu, "Assistance"));
  menu.Click(m.Find(menu, "Prof.  Advisers"));
  menu.Click(0);  // the picture opens nothing
  EXPECT_FALSE(menu.Finished());
  EXPECT_EQ(m.t.Output(), "== BROWSE\naddress: " + m.t.dir() + "chap17.htm\n\n" +
                              "== BROWSE\naddress: " + m.t.dir() + "chap17.htm#17.01\n\n");
  menu.Key("F1");
  EXPECT_NE(
      m.t.Output().find("== RUN\ncommand: " + m.t.dir() + "kvxhelp " + m.t.dir() + "\nwait: no\n"),
      std::string::npos);
  menu.Click(m.Find(menu, "CL&OSE"));
  EXPECT_TRUE(menu.Finished());
}

TEST(PictureMenu, AutomationShowsTheMenuAndForwardsTheScript) {
  Menus m("OH", "click Employee references\nkey F1\nclick Job Safety & Health (OSHA)\nclose\n");
  EXPECT_EQ(m.t.Run([](App& app) { RunPictureMenu(app, 11); }), 0);
  const std::string out = m.t.Output();
  EXPECT_EQ(out.rfind("== DIALOG FORM11\n"
                      "title: Opusgrand in Ohio\n"
                      "picture: FORM11_PICTURE1_BMP\n"
                      "label: Wage-Hour Laws\n"
                      "label: Withholding and &Payroll Taxes\n"
                      "label: Family Leave Act\n",
                      0),
            0u)
      << out;
  EXPECT_NE(out.find("label: WARN Act\nbutton: CL&OSE\n\n"), std::string::npos);
  EXPECT_NE(out.find("address: " + m.t.dir() + "chap06.htm#06.19\n"), std::string::npos);
  EXPECT_NE(out.find("address: " + m.t.dir() + "chap06.htm#06.05\n"), std::string::npos);
  EXPECT_EQ(test::Count(out, "== DIALOG FORM11"), 4);
  EXPECT_NE(out.find("== CLOSED FORM11\n"), std::string::npos);
}

}  // namespace
}  // namespace kvx
