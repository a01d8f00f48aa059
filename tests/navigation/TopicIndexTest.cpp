#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>

#include "base/Files.h"
#include "core/App.h"
#include "navigation/BrowserLauncher.h"
#include "navigation/PictureMenus.h"
#include "navigation/TopicIndex.h"
#include "tests/navigation/TopicRowCount.h"
#include "tests/support/TestApp.h"

namespace kvx {
namespace {

using test::TestApp;

// The rows the index shows for a state of the State table.
std::vector<std::string> Loaded(const std::string& code, bool generic = false) {
  TestApp t;
  const int row = StateRowOfCode(t.app.states, code);
  t.app.profile.StateName = RowName(t.app.states.States[row]);
  t.app.profile.StateCode = code;
  t.app.session.Generic = generic ? "Y" : "N";
  LoadTopicIndex(t.app);
  std::vector<std::string> rows;
  for (int i = 1; i <= t.app.nav.TopicCount; ++i) rows.push_back(t.app.nav.TopicIndex[i]);
  EXPECT_TRUE(t.app.nav.TopicIndex[t.app.nav.TopicCount + 1].empty());
  return rows;
}

// The title part of a loaded row (what the list shows), trailing blanks dropped.
std::string Title(const std::string& row) {
  const std::string title = row.substr(0, row.find('\\'));
  return title.substr(0, title.find_last_not_of(' ') + 1);
}

bool Shows(const std::vector<std::string>& rows, const std::string& title) {
  for (const std::string& row : rows)
    if (Title(row) == title) return true;
  return false;
}

TEST(TopicTable, StoredRowsFollowTheirForm) {
  const std::vector<std::string>& lines = TopicLines();
  ASSERT_GT(lines.size(), 1u);
  EXPECT_EQ(lines.back(), "@ENDINDX");
  EXPECT_EQ(lines.front(), "----(Double-click to select item)----\\");
  int filters = 0, markers = 0, statchap = 0, chapters = 0;
  std::map<std::string, int> perState;
  std::set<std::string> chapterNumbers;
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    const std::string& row = lines[i];
    const std::size_t slash = row.find('\\');
    ASSERT_NE(slash, std::string::npos) << row;
    const std::string title = row.substr(0, slash);
    std::string target = row.substr(slash + 1);
    const bool sub = title.rfind("...", 0) == 0;
    const std::size_t width = sub ? 36 : 31;
    const std::string bare = title.substr(0, title.find_last_not_of(' ') + 1);
    if (bare.size() < width) {
      EXPECT_EQ(title.size(), width) << row;
    } else {
      EXPECT_EQ(title, bare) << "long titles are not padded: " << row;
    }
    const bool marker = UpperAscii(row).find("@STATE") != std::string::npos;
    markers += marker;
    if (target.size() > 3 && target[target.size() - 3] == '@') {
      ++filters;
      EXPECT_FALSE(marker) << row;
      const std::string code = target.substr(target.size() - 2);
      TestApp t;
      EXPECT_GT(StateRowOfCode(t.app.states, code), 0) << row;
      ++perState[code];
      target.erase(target.size() - 3);
    }
    if (target.rfind("statchap.htm#", 0) == 0) ++statchap;
    if (target.size() >= 2 && isdigit(target[0]) && isdigit(target[1])) {
      ++chapters;
      chapterNumbers.insert(target.substr(0, 2));
    }
  }
  EXPECT_EQ(chapterNumbers.size(), 17u);
  // The counts of the table as first written; a later edition has rows of its own.
  if (test::EditionYear() != 2012) return;
  EXPECT_EQ(lines.size(), 552u);
  EXPECT_EQ(filters, 97);
  EXPECT_EQ(markers, 28);
  EXPECT_EQ(statchap, 111);
  EXPECT_EQ(chapters, 426);
  EXPECT_EQ(perState["CA"], 12);
  EXPECT_EQ(perState["NY"], 8);
  EXPECT_EQ(perState["HI"], 6);
}

TEST(LoadTopicIndex, StateFiltersKeepOnlyTheCurrentState) {
  const std::vector<std::string> ca = Loaded("CA");
  EXPECT_TRUE(Shows(ca, "CALIFORNIA SDI TAX"));
  EXPECT_FALSE(Shows(ca, "TDI INSURANCE (HAWAII)"));
  EXPECT_TRUE(Shows(ca, "...Environmental tax on"));
  for (const std::string& row : ca) {
    EXPECT_NE(row[row.size() - 3], '@') << "filter left on " << row;
  }
  const std::vector<std::string> hi = Loaded("HI");
  EXPECT_TRUE(Shows(hi, "TDI INSURANCE (HAWAII)"));
  EXPECT_FALSE(Shows(hi, "CALIFORNIA SDI TAX"));
  EXPECT_EQ(ca.size(), test::ShownTopicRows("CA", false));
  EXPECT_EQ(hi.size(), test::ShownTopicRows("HI", false));
  if (test::EditionYear() == 2012) {
    EXPECT_EQ(ca.size(), 551u - 97u + 12u);
    EXPECT_EQ(hi.size(), 551u - 97u + 6u);
  }
}

TEST(LoadTopicIndex, RowsAreWidenedSoTheTargetStaysOutOfSight) {
  const std::vector<std::string> rows = Loaded("CA");
  EXPECT_EQ(rows[0], "----(Double-click to select item)----" + std::string(60, ' ') + "\\");
  EXPECT_EQ(rows[2], "ACCRUAL BASIS ACCOUNTING       " + std::string(60, ' ') + "\\11#ACCRUAL");
}

TEST(LoadTopicIndex, StateMarkersTakeTheNameUpToColumn29) {
  const std::vector<std::string> ca = Loaded("CA");
  EXPECT_TRUE(Shows(ca, "...Taxation -- California"));
  EXPECT_TRUE(Shows(ca, "INCOME TAX -- CALIFORNIA"));
  EXPECT_TRUE(Shows(ca, "BULK SALES LAW -- CALIFORNIA")) << "15 + 14 = 29 still fits";
  EXPECT_TRUE(Shows(ca, "WITHHOLDING ON WAGES -- STATE")) << "21 + 14 = 35";
  const std::vector<std::string> ia = Loaded("IA");
  EXPECT_TRUE(Shows(ia, "WITHHOLDING ON WAGES -- IOWA")) << "21 + 8 = 29";
  const std::vector<std::string> dc = Loaded("DC");
  EXPECT_TRUE(Shows(dc, "BULK SALES LAW -- STATE"));
  EXPECT_TRUE(Shows(dc, "...Taxation -- STATE"));
  for (const std::string& row : ca) EXPECT_EQ(UpperAscii(row).find("@STATE"), std::string::npos);
  // The row keeps its length: the marker and the blanks after it are overwritten.
  const std::string stored = "INCOME TAX@STATE               \\statchap.htm#IV(c)";
  const std::string shown = TailorTopicRow(stored, "Ohio", "OH", false);
  EXPECT_EQ(shown,
            "INCOME TAX -- OHIO             " + std::string(60, ' ') + "\\statchap.htm#IV(c)");
  EXPECT_EQ(TailorTopicRow("X@STATE\\1", "California", "CA", false),
            "X -- CALIFORNIA" + std::string(52, ' ') + "\\1")
      << "a short row is overwritten into its widening";
  EXPECT_EQ(TailorTopicRow("@STATE", "California", "CA", false), " -- CA")
      << "never longer than the row";
}

TEST(LoadTopicIndex, GenericEditionDropsTheStartUpChecklist) {
  EXPECT_TRUE(Shows(Loaded("CA"), "START-UP CHECKLIST"));
  const std::vector<std::string> generic = Loaded("CA", true);
  EXPECT_FALSE(Shows(generic, "START-UP CHECKLIST"));
  EXPECT_TRUE(Shows(generic, "TAX FORMS -- STATE AND FEDERAL"));
  EXPECT_EQ(generic.size(), Loaded("CA").size() - 1);
}

TEST(LoadTopicIndex, StopsAtTheEndMarkerAndAtSlot999) {
  std::vector<std::string> lines(1200, "A\\01");
  EXPECT_EQ(TailorTopicLines(lines, "Ohio", "OH", false).size(), 999u);
  lines[3] = "@ENDINDX";
  EXPECT_EQ(TailorTopicLines(lines, "Ohio", "OH", false).size(), 3u);
}

struct Index {
  Index() {
    t.SetProgramFolder();
    t.app.profile.StateName = "California";
    t.app.profile.StateCode = "CA";
    LoadTopicIndex(t.app);
  }
  std::string DoubleClick(const std::string& title) {
    for (int i = 1; i <= t.app.nav.TopicCount; ++i)
      if (Title(t.app.nav.TopicIndex[i]) == title) {
        OpenIndexTopic(t.app, t.app.nav.TopicIndex[i]);
        return t.Output();
      }
    ADD_FAILURE() << title;
    return {};
  }
  TestApp t;
};

TEST(OpenIndexTopic, OpensTheEntrysPlace) {
  Index a;
  EXPECT_EQ(a.DoubleClick("----(Double-click to select item)----"), "");
  Index b;
  EXPECT_EQ(b.DoubleClick("TABLE OF CONTENTS"),
            "== BROWSE\naddress: " + b.t.dir() + "contents.htm\n\n");
  Index c;
  EXPECT_EQ(c.DoubleClick("ACCOUNTING"), "== BROWSE\naddress: " + c.t.dir() + "chap11.htm\n\n");
  Index d;
  EXPECT_EQ(d.DoubleClick("CALIFORNIA SDI TAX"),
            "== BROWSE\naddress: " + d.t.dir() + "statchap.htm#V(a)\n\n");
  Index e;
  EXPECT_EQ(e.DoubleClick("ABOUT THE AUTHOR AND PUBLISHER"),
            "== BROWSE\naddress: http://www.corvanta.com/about.htm\n\n");
  Index f;
  OpenIndexTopic(f.t.app, "no backslash here");
  EXPECT_EQ(f.t.Output(), "");
}

// The planned anchors of every page, read from the outline beside the table.
std::map<std::string, std::set<std::string>> Outline() {
  std::map<std::string, std::set<std::string>> pages;
  std::ifstream in(std::string(KVX_NAVIGATION_DIR) + "outline.txt");
  std::string line, page;
  while (std::getline(in, line)) {
    const std::string trimmed = line.substr(std::min(line.find_first_not_of(' '), line.size()));
    if (trimmed.empty() || trimmed[0] == '#') continue;
    const std::string name = trimmed.substr(0, trimmed.find("  "));
    if (line[0] != ' ')
      pages[page = name];
    else
      EXPECT_TRUE(pages[page].insert(name).second) << "anchor listed twice: " << name;
  }
  return pages;
}

TEST(BookOutline, EveryTopicTargetAndMenuAddressNamesAPlannedAnchor) {
  const auto outline = Outline();
  ASSERT_EQ(outline.size(), 23u);
  std::vector<std::string> addresses;
  for (const std::string& line : TopicLines()) {
    if (line == "@ENDINDX") break;
    std::string target = line.substr(line.find('\\') + 1);
    if (target.size() > 3 && target[target.size() - 3] == '@') target.erase(target.size() - 3);
    if (target.empty() || target.rfind("http:", 0) == 0) continue;
    addresses.push_back(TopicTargetToAddress(target));
    ASSERT_FALSE(addresses.back().empty()) << line;
  }
  for (int form = kFirstMenu; form <= kLastMenu; ++form)
    for (const MenuLabel& l : BuildMenuLayout(form, "Ohio", "OH").labels)
      if (!l.byEntity) addresses.push_back(l.address);
  for (const char* more : {"statchap.htm#TAX_SOLE", "statchap.htm#TAX_CORP", "statchap.htm#TAX_LLC",
                           "statchap.htm#IV(c)", "appendA.htm#MYINFO", "contents.htm"})
    addresses.push_back(more);
  for (const std::string& address : addresses) {
    const std::string page = address.substr(0, address.find('#'));
    ASSERT_TRUE(outline.count(page)) << address;
    if (address.find('#') != std::string::npos) {
      EXPECT_TRUE(outline.at(page).count(address.substr(address.find('#') + 1))) << address;
    }
  }
}

}  // namespace
}  // namespace kvx
