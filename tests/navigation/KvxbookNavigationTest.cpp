// kvxbook index, open, menus and the navigation part of check, run as a process.

#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "base/Files.h"
#include "book/TemplateProcessor.h"
#include "tests/navigation/TopicCounts.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TestApp.h"

namespace kvx {
namespace {

using test::Count;
using test::TestApp;

test::ProgramResult Kvxbook(const std::vector<std::string>& args) {
  std::vector<std::string> argv{test::BuiltProgramFolder() + "kvxbook"};
  argv.insert(argv.end(), args.begin(), args.end());
  return test::RunProgram(argv, {}, {}, 600);
}

// Lines in the book's stored form: every printable character raised by 20.
std::string Encoded(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) {
    for (unsigned char c : line) out += static_cast<char>(c >= 32 ? c + 20 : c);
    out += "\r\n";
  }
  return out;
}

std::vector<std::string> OhioLlc() {
  std::vector<std::string> lines = test::SampleDataSet();
  lines[0] = "Ohio";
  lines[1] = "OH";
  lines[3] = "LLC";
  return lines;
}

TEST(KvxbookIndex, RowsAsLoadedForTheState) {
  TestApp t;
  const auto ca = Kvxbook({"index", t.dir(), "CA"});
  EXPECT_EQ(ca.status, 0);
  EXPECT_EQ(ca.out.find("----(Double-click to select item)----" + std::string(60, ' ') + "\\\n"),
            0u);
  const std::size_t shown = test::CountTopicTable().ShownFor("CA");
  EXPECT_EQ(static_cast<std::size_t>(Count(ca.out, "\n")), shown);
  if (test::EditionYear() == 2012) {
    EXPECT_EQ(shown, 551u - 97u + 12u);
  }
  EXPECT_NE(ca.out.find("\nWITHHOLDING ON WAGES -- STATE     "), std::string::npos);
  EXPECT_NE(ca.out.find("\nSTART-UP CHECKLIST "), std::string::npos);
  const auto generic = Kvxbook({"index", t.dir(), "CA", "--generic"});
  EXPECT_EQ(static_cast<std::size_t>(Count(generic.out, "\n")), shown - 1);
  EXPECT_EQ(generic.out.find("\nSTART-UP CHECKLIST "), std::string::npos);
  EXPECT_NE(Kvxbook({"index", t.dir(), "IA"}).out.find("\nWITHHOLDING ON WAGES -- IOWA "),
            std::string::npos);
  EXPECT_EQ(Kvxbook({"index", t.dir(), "XX"}).status, 2);
  EXPECT_EQ(Kvxbook({"index", t.dir() + "missing", "CA"}).status, 2);
  EXPECT_EQ(Kvxbook({"index", t.dir()}).status, 2);
}

TEST(KvxbookOpen, EachAddressInTurnAsTheProgramOpensIt) {
  TestApp t;
  const std::string d = t.dir();
  auto run = Kvxbook({"open", d, "--state", "OH", "chap05.htm", "chap06.htm#06.10",
                      "statchap.htm#IV(c)", "http://www.example.com/x#y", "my \"page\".htm#a b"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(Count(run.out, "== QUICK"), 1) << "the notice at the second anchored opening";
  EXPECT_NE(run.out.find("== BROWSE\naddress: " + d + "chap05.htm\n\n== BROWSE\naddress: " + d +
                         "chap06.htm#06.10\n\n== QUICK\n"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("address: http://www.example.com/x#y\n"), std::string::npos);
  EXPECT_NE(run.out.find("address: " + d + "my \"page\".htm#a b\n"), std::string::npos);
  EXPECT_FALSE(t.Has("TEMPHTML.HTM"));

  // With the workaround on, and the state taken from the current data set.
  t.Put("TEMPHTML.HTM", "");
  t.PutLines("ohio.kvx", OhioLlc());
  t.PutLines("LASTDATA.TXT", {"ohio.kvx"});
  run = Kvxbook({"open", d, "statchap.htm#TAX_LLC"});
  EXPECT_EQ(run.out, "== BROWSE\naddress: " + d + "TEMPHTML.HTM\n\n");
  EXPECT_NE(t.Get("TEMPHTML.HTM")
                .find("<a href=\"" + d +
                      "statchap.htm#TAX_LLC\">Click here to continue to Ohio "
                      "laws chapter</a>"),
            std::string::npos);
  EXPECT_EQ(Kvxbook({"open", d}).status, 2);
  EXPECT_EQ(Kvxbook({"open", d, "--state"}).status, 2);
}

TEST(KvxbookMenus, EachMenuWithTheAddressBehindEveryLabel) {
  TestApp t;
  t.PutLines("ohio.kvx", OhioLlc());
  auto run = Kvxbook({"menus", t.dir(), "ohio.kvx"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(Count(run.out, "== DIALOG FORM"), 5);
  EXPECT_EQ(run.out.find("== DIALOG FORM9\ntitle: Opusgrand in Ohio\npicture: FORM9_PICTURE1_BMP\n"
                         "label: FEDERAL TAXES\nlabel: OHIO TAXES\n"
                         "label: Income Taxes - Federal -> chap05.htm#05.05\n"
                         "label: Ohio Income/Franchise Tax -> statchap.htm#TAX_LLC\n"),
            0u)
      << run.out;
  EXPECT_NE(run.out.find("label: Prof.  Advisers -> chap17.htm#17.01\n"), std::string::npos);
  EXPECT_NE(run.out.find("label: Incorporation: Ohio -> statchap.htm#II(d)\n"), std::string::npos);
  EXPECT_NE(run.out.find("button: CL&OSE\n\n== DIALOG FORM10\n"), std::string::npos);
  run = Kvxbook({"menus", t.dir(), "ohio.kvx", "--generic"});
  EXPECT_NE(run.out.find("label: Ohio Income/Franchise Tax -> statchap.htm#IV(c)\n"),
            std::string::npos);
  EXPECT_EQ(Kvxbook({"menus", t.dir(), "none.kvx"}).status, 2);
}

// A program folder whose pages hold every anchor the outline plans, for one state, and
// the extra lines given for a page after them.
void PutOutlinedBook(TestApp& t, const std::string& leaveOut,
                     const std::map<std::string, std::vector<std::string>>& extra = {}) {
  std::map<std::string, std::vector<std::string>> pages;
  std::ifstream in(std::string(KVX_NAVIGATION_DIR) + "outline.txt");
  std::string line, page;
  while (std::getline(in, line)) {
    const std::string trimmed = line.substr(std::min(line.find_first_not_of(' '), line.size()));
    if (trimmed.empty() || trimmed[0] == '#') continue;
    const std::string name = trimmed.substr(0, trimmed.find("  "));
    if (line[0] != ' ') {
      pages[page = name] = {"<HTML>"};
    } else if (page + "#" + name != leaveOut) {
      // Anchors in the letter cases that pages use.
      pages[page].push_back((pages[page].size() % 2 ? "<A NAME=\"" : "<a  name = \"") + name +
                            "\"></A>");
    }
  }
  for (const auto& [name, lines] : extra)
    pages[name].insert(pages[name].end(), lines.begin(), lines.end());
  std::vector<std::string> state = pages["statchap.htm"];
  state.push_back("<A NAME=\"LEGAL005\"></A>");
  for (const char* key : kStateSectionKeys)
    state.push_back("<A NAME=\"" + std::string(key) + "\">");
  t.Put("CA.dat", Encoded(state));
  pages.erase("statchap.htm");
  for (const auto& [name, lines] : pages) {
    if (name == "appendB.htm")
      t.Put(name, JoinLines(lines));
    else
      t.Put(name.substr(0, name.size() - 4) + ".dat", Encoded(lines));
  }
  t.Put("NoStart.htm", "<HTML>\r\n");
  t.Put("bizplan.txt", "plan\r\n");
}

TEST(KvxbookCheck, ReportsIndexRowsAndMenuLabelsWithoutTheirPlace) {
  TestApp complete;
  PutOutlinedBook(complete, "");
  auto run = Kvxbook({"check", complete.dir()});
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(run.out, "");

  TestApp t;
  PutOutlinedBook(t, "chap11.htm#INVENTORY");
  t.Put("appendA.dat", Encoded({"<HTML>"}));  // the checklist lacks MYINFO: no index row asks
  run = Kvxbook({"check", t.dir()});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("FORM12:0: [CA, every edition] \"Inventory Valuation Methods\" -> "
                         "chap11.htm#INVENTORY: chap11.htm has no anchor <A NAME=\"INVENTORY\">\n"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("topics.txt:14: [CA, every edition] \"...Inventory valuation "
                         "methods\" -> chap11.htm#INVENTORY: "),
            std::string::npos);
  EXPECT_EQ(Count(run.out, "#INVENTORY: chap11.htm has no anchor"), 5);
  EXPECT_EQ(Count(run.out, "appendA.htm"), 0) << run.out;
  EXPECT_EQ(Count(run.out, "\n"), 5) << run.out;

  // A generic build stops without its checklist page; what it did not build is named.
  TestApp stopped;
  PutOutlinedBook(stopped, "");
  DeleteIfExists(stopped.dir() + "NoStart.htm");
  run = Kvxbook({"check", stopped.dir()});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("topics.txt:6: [CA, generic] \"ACCOUNTING\" -> chap11.htm: the page "
                         "chap11.htm was not built\n"),
            std::string::npos)
      << run.out;
  EXPECT_EQ(run.out.find("corporation]"), std::string::npos) << "customised editions are whole";
}

TEST(KvxbookCheck, FollowsTheReadingBarsTheTopicPageAndTheSearchIndex) {
  TestApp t;
  // A bar inside a block of the customised edition, leading past the end of the book, and
  // a bar of an appendix that links a letter the topic index lacks; a plain link is no
  // bar's.
  PutOutlinedBook(
      t, "",
      {{"chap03.htm",
        {"<!--@@ @IFCODE |117",
         "<div class=\"kvxbar\"><a href=\"chap03.htm\">Here</a> "
         "<a href=\"chap99.htm\" rel=\"next\">Next</a></div>",
         "@@-->", "<p><a href=\"nowhere.htm\">not a bar</a></p>"}},
       {"appendB.htm",
        {"<div class=\"kvxbar\"><a href=\"search.htm\">Search</a> "
         "<a href=\"topics.htm#letter-Z\">Z</a> <a href=\"topics.htm#letter-A\">A</a></div>"}}});
  const auto run = Kvxbook({"check", t.dir()});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("] reading bar link -> chap99.htm: the page chap99.htm was not built\n"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("chap03.htm:0: [CA, corporation] reading bar link -> chap99.htm"),
            std::string::npos);
  EXPECT_NE(
      run.out.find("appendB.htm:0: [CA, every edition] reading bar link -> topics.htm#letter-Z: "
                   "topics.htm has no anchor <A NAME=\"letter-Z\">\n"),
      std::string::npos)
      << run.out;
  EXPECT_EQ(run.out.find("nowhere.htm"), std::string::npos);
  EXPECT_EQ(Count(run.out, "\n"), 2) << run.out;
}

TEST(KvxbookCheck, FollowsEveryLinkOfThePrintableBook) {
  TestApp t;
  // Links of a chapter's reading text: to its own top, to a picture beside the book and out
  // of the book, which land; to a page, to an anchor that is only compiled with the
  // outline, to appendix C outside the markers and, in corporations' editions, to nowhere.
  PutOutlinedBook(t, "",
                  {{"chap03.htm",
                    {"<!-- START_READ -->", "<A NAME=\"TOP_CHAP03\"></A>",
                     "<a href=\"chap03.htm#TOP_CHAP03\">top</a> <a href=\"horiyell.gif\">rule</a> "
                     "<a href=\"http://www.sba.gov/\">SBA</a>",
                     "<a href=\"chap03.htm\">this chapter</a>", "<!-- STOP_EBOOK -->",
                     "<a href=\"appendC.htm#FORM2553\">left out</a>", "<!-- START_EBOOK -->",
                     "<a href=\"appendC.htm#SS4FORM\">Form SS-4</a>",
                     "<a href=\"appendB.htm#P2\">the outline</a>", "<!--@@ @IFCODE |117",
                     "<a href=\"#NOWHERE\">corporations only</a>", "@@-->"}},
                   {"appendB.htm", {"<!-- START_READ -->", "<A NAME=\"P2\"></A>"}}});
  const auto run = Kvxbook({"check", t.dir()});
  EXPECT_EQ(run.status, 1);
  const std::string lands =
      " (in the part after TOP_CHAP03) lands on neither an anchor of the "
      "book nor a file beside it\n";
  EXPECT_NE(run.out.find("CA_BOOK.HTM:0: [CA, every edition] link -> chap03.htm" + lands),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("[CA, every edition] link -> CA_BOOK.HTM#SS4FORM" + lands),
            std::string::npos);
  EXPECT_NE(run.out.find("[CA, corporation without the outline, corporation with the outline] "
                         "link -> CA_BOOK.HTM#NOWHERE" +
                         lands),
            std::string::npos);
  const std::size_t outline = run.out.find(
      "[CA, generic without the outline, sole "
      "proprietorship without the outline, ");
  ASSERT_NE(outline, std::string::npos);
  const std::string outlineLine = run.out.substr(outline, run.out.find('\n', outline) - outline);
  EXPECT_NE(outlineLine.find("link -> CA_BOOK.HTM#P2"), std::string::npos);
  EXPECT_EQ(outlineLine.find("with the outline"), std::string::npos);
  EXPECT_EQ(run.out.find("FORM2553"), std::string::npos);
  EXPECT_EQ(Count(run.out, "\n"), 4) << run.out;

  // Editions are built only from sources that check clean.
  PutOutlinedBook(t, "", {{"chap03.htm", {"<a href=\"chap03.htm\">this chapter</a>", "@@ODD"}}});
  const auto unclean = Kvxbook({"check", t.dir()});
  EXPECT_EQ(unclean.status, 1);
  EXPECT_NE(unclean.out.find("chap03.dat:"), std::string::npos) << unclean.out;
  EXPECT_EQ(unclean.out.find("CA_BOOK.HTM"), std::string::npos) << unclean.out;
}

}  // namespace
}  // namespace kvx
