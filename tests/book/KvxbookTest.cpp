// The kvxbook tool run as a process: print, check, the encoding commands, and its exit
// statuses. (Its build command is checked against the golden cases.)

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "apps/kvxbook/BatchUi.h"
#include "apps/kvxbook/NavigationCheck.h"
#include "book/BookBuilder.h"
#include "book/StateChapter.h"
#include "book/TemplateProcessor.h"
#include "tests/book/BookFixture.h"

namespace kvx::test {
namespace {

// A program folder with a small book and two companies; LASTDATA.TXT names the first.
void PutProgramFolder(TestApp& t) {
  PutEmptyBook(t);
  t.Put("chap01.dat", Encoded({"<p>START_READ", "<p>@Company, <a href=\"chap02.htm#A\">a</a>"}));
  t.Put("contents.dat", Encoded({"<HTML>", "<p>contents of @State", "STOP_READ"}));
  t.Put("appendB.htm", "START_READ\r\n<p>the outline\r\n");
  t.PutLines("acme.kvx", SampleDataSet());
  std::vector<std::string> other = SampleDataSet();
  other[2] = "Other Co";
  t.PutLines("Other.KVX", other);
  t.PutLines("LASTDATA.TXT", {"acme.kvx"});
}

std::string Print(TestApp& t, const std::string& arguments, int& status) {
  return RunKvxbook("print " + Quoted(t.dir()) + " " + arguments, status);
}

TEST(Kvxbook, BuildTakesTheNamedDataSetOverLastData) {
  TestApp t;
  PutProgramFolder(t);
  int status = -1;
  RunKvxbook("build " + Quoted(t.dir()), status);
  EXPECT_EQ(0, status);
  EXPECT_EQ("<p>START_READ\r\n<p>Acme Pizza Parlor, <a href=\"chap02.htm#A\">a</a>\r\n",
            t.Get("chap01.htm"));
  RunKvxbook("build " + Quoted(t.dir()) + " other.kvx", status);
  EXPECT_EQ(0, status);
  EXPECT_NE(std::string::npos, t.Get("chap01.htm").find("Other Co"));
  EXPECT_EQ("other.kvx\r\n", t.Get("LASTDATA.TXT"));  // the data set built is now current
}

TEST(Kvxbook, BuildFailuresAndUsage) {
  TestApp t;
  PutProgramFolder(t);
  int status = -1;
  std::vector<std::string> incomplete = SampleDataSet();
  incomplete[17] = "N";
  t.PutLines("half.kvx", incomplete);
  const std::string shown = RunKvxbook("build " + Quoted(t.dir()) + " half.kvx", status);
  // The notice is acknowledged, the interview starts, and its first question ends the batch.
  EXPECT_EQ(3, status) << shown;
  EXPECT_EQ(0u, shown.find("== MESSAGE\ntitle: Corvanta\nicon: stop\n"));
  EXPECT_NE(shown.find("Name of Company"), std::string::npos) << shown;
  EXPECT_FALSE(t.Has("chap01.htm"));

  t.PutLines("short.kvx", {"California", "CA"});
  RunKvxbook("build " + Quoted(t.dir()) + " short.kvx", status);
  EXPECT_EQ(1, status);
  RunKvxbook("build " + Quoted(t.dir()) + " nothing.kvx", status);
  EXPECT_EQ(2, status);
  RunKvxbook("build " + Quoted(t.dir()) + " ../acme.kvx", status);
  EXPECT_EQ(2, status);
  RunKvxbook("build " + Quoted(t.dir() + "none"), status);
  EXPECT_EQ(2, status);
  RunKvxbook("build " + Quoted(t.dir()) + " --nonsense", status);
  EXPECT_EQ(2, status);
  RunKvxbook("", status);
  EXPECT_EQ(2, status);
  RunKvxbook("explode", status);
  EXPECT_EQ(2, status);
}

TEST(Kvxbook, PrintWithAndWithoutTheOutline) {
  TestApp t;
  PutProgramFolder(t);
  int status = -1;
  RunKvxbook("build " + Quoted(t.dir()), status);
  ASSERT_EQ(0, status);
  // The book goes to the documents folder; point it into the test's folder.
  ::setenv("XDG_DOCUMENTS_DIR", (t.dir() + "docs").c_str(), 1);
  const std::string bookFile = t.dir() + "docs/KVXDOCS/CA_BOOK.HTM";
  std::string shown = Print(t, "", status);
  EXPECT_EQ(0, status);
  EXPECT_TRUE(shown.ends_with("\n" + bookFile + "\n")) << shown;
  EXPECT_EQ(3, Count(shown, "== MESSAGE"));
  EXPECT_EQ(std::string::npos, shown.find("== BROWSE"));
  std::string book = t.Get("docs/KVXDOCS/CA_BOOK.HTM");
  EXPECT_EQ(0u, book.find("<HTML>\r\n<p>contents of California\r\n<hr>  </p>\r\n"
                          "<p>Acme Pizza Parlor, <a href=\"#A\">a</a>\r\n"));
  EXPECT_NE(std::string::npos, book.find("SEC15"));
  EXPECT_EQ(std::string::npos, book.find("the outline"));

  Print(t, "ACME.KVX --outline", status);
  ::unsetenv("XDG_DOCUMENTS_DIR");
  EXPECT_EQ(0, status);
  book = t.Get("docs/KVXDOCS/CA_BOOK.HTM");
  EXPECT_NE(std::string::npos, book.find("<p>the outline\r\n"));
  EXPECT_EQ(std::string::npos, book.find("SEC15"));
}

TEST(Kvxbook, CheckReportsEachProblemWithItsLine) {
  TestApp t;
  PutProgramFolder(t);
  t.Put("chap03.dat",
        Encoded({"@@ELSE", "<!--@@ @IFCODE |117 |124", "@@ELSE @NEST", "@@--> @NEST", "@@REM fine",
                 "@@ what", "@IF[186]x", "@INSERT=NOTHING", "@INSERT=TDI", "<!--@@ @NEST"}) +
            "plain text\r\n" +
            Encoded({"<!--@@ @IFSTATE CA", "<!-- START_EBOOK -->", "<!-- STOP_EBOOK -->",
                     "<!-- STOP_EBOOK -->", "<!-- START_READ STOP_EBOOK -->",
                     "<!-- START_EBOOK -->", "<!-- STOP_EBOOK -->"}));
  std::filesystem::remove(t.dir() + "preface.dat");
  std::vector<std::string> state = {"<a name=\"legal005\"></a>"};
  for (const char* key : kStateSectionKeys) state.push_back(SectionAnchor(key));
  std::filesystem::remove(t.dir() + "CA.dat");
  t.Put("ca.dat", Encoded(state));
  t.Put("TX.DAT", Encoded({"<A NAME=\"SALES TAX\">"}));
  int status = -1;
  const std::string report = RunKvxbook("check " + Quoted(t.dir()), status);
  EXPECT_EQ(1, status);
  EXPECT_NE(std::string::npos, report.find("chap03.dat:1: an else line without an open block\n"))
      << report;
  EXPECT_NE(std::string::npos, report.find("chap03.dat:2: code 124 is not a known condition\n"));
  EXPECT_NE(std::string::npos, report.find("chap03.dat:3: an else line without an open block\n"));
  EXPECT_NE(std::string::npos, report.find("chap03.dat:4: a closing line without an open block\n"));
  EXPECT_NE(std::string::npos, report.find("chap03.dat:6: unrecognised @@ directive\n"));
  EXPECT_NE(std::string::npos, report.find("chap03.dat:7: code 186 is not a known condition\n"));
  EXPECT_NE(std::string::npos, report.find("chap03.dat:8: @INSERT names no state section key\n"));
  EXPECT_NE(std::string::npos, report.find("chap03.dat:11: stored byte 32 is not in the line"));
  EXPECT_NE(std::string::npos, report.find("chap03.dat:10: a nested block still open at the end"));
  EXPECT_NE(std::string::npos, report.find("chap03.dat:12: a block still open at the end"));
  EXPECT_NE(std::string::npos, report.find("chap03.dat:13: a START_EBOOK without a STOP_EBOOK"));
  EXPECT_NE(std::string::npos,
            report.find("chap03.dat:15: a STOP_EBOOK before the START_EBOOK that ends the one of "
                        "line 14\n"));
  EXPECT_NE(std::string::npos,
            report.find("chap03.dat:18: a STOP_EBOOK without a START_EBOOK after it (the "
                        "printable book leaves out the rest of the page)\n"));
  EXPECT_NE(std::string::npos, report.find("preface.dat:0: Unable to find file"));
  EXPECT_NE(std::string::npos,
            report.find("TX.DAT:1: no section anchor <A NAME=\"SOLEPROP FORM\">"));
  EXPECT_NE(std::string::npos, report.find("TX.DAT:1: no state identity anchor"));
  EXPECT_EQ(std::string::npos, report.find("ca.dat:"));  // complete, right row
  EXPECT_EQ(1 + 13 + 39, Count(report, "\n")) << report;

  state[0] = "<A NAME=\"LEGAL044\"></A>";
  t.Put("ca.dat", Encoded(state));
  EXPECT_NE(std::string::npos, RunKvxbook("check " + Quoted(t.dir()), status)
                                   .find("ca.dat:1: the state identity anchor names row 44, "
                                         "not 05\n"));
}

TEST(Kvxbook, CheckListsTheFiguresNotKnownForTheEditionsYear) {
  TestApp t;
  PutProgramFolder(t);
  const std::string year = std::to_string(EditionYear());
  const std::string before = std::to_string(EditionYear() - 1);
  int cleanStatus = -1;
  const std::string clean = RunKvxbook("check " + Quoted(t.dir()), cleanStatus);
  ASSERT_EQ(std::string::npos, clean.find("figure not known")) << "no tables, nothing listed";

  t.PutLines("FIGURES.TXT", {"# dated figures", "key\ttext\tyear\tsource",
                             "CORP_RATE\t21%\t" + year + "\tIRC 11(b)",
                             "MILEAGE_RATE\t70 cents for " + before + "\t" + before + "\tIRS", "",
                             "SS_WAGE_BASE\t$1\t2009\tSSA"});
  t.PutLines("state_figures.txt",
             {"state\tkey\ttext\tyear\tsource", "TX\tMINWAGE\t$7.25\t" + before + "\tTWC",
              "CA\tMINWAGE\t$16.50\t" + year + "\tDIR", "CA\tSDI_RATE\t1.2%\t" + before + "\tEDD"});
  int status = -1;
  const std::string listed = RunKvxbook("check " + Quoted(t.dir()), status);
  const std::string notKnown = "figure not known for " + year;
  EXPECT_NE(
      std::string::npos,
      listed.find(notKnown + ": MILEAGE_RATE (given for " + before + ")\n" + notKnown +
                  ": SS_WAGE_BASE (given for 2009)\n" + notKnown + " in CA: SDI_RATE (given for " +
                  before + ")\n" + notKnown + " in TX: MINWAGE (given for " + before + ")\n"))
      << listed;
  // The listed figures are not problems: the rest of the report and the status stay.
  EXPECT_EQ(cleanStatus, status);
  EXPECT_EQ(Count(clean, "\n") + 4, Count(listed, "\n"));

  t.PutLines("FIGURES.TXT", {"key\ttext\tyear", "A\tx\t" + year + "\ty"});
  t.PutLines("state_figures.txt", {"# header", "state\tkey\ttext\tyear\tsource",
                                   "CA\tA\tx\t20x6\ty", "CA\tB\t\t" + year + "\ty",
                                   "CA\tC\tx\t" + before + "\ty", "CA\tC\tx\t" + year + "\ty"});
  const std::string bad = RunKvxbook("check " + Quoted(t.dir()), status);
  EXPECT_EQ(1, status);
  EXPECT_NE(
      std::string::npos,
      bad.find("FIGURES.TXT:1: the first row must name the columns key, text, year, source\n"))
      << bad;
  EXPECT_NE(std::string::npos, bad.find("state_figures.txt:3: \"20x6\" is not a year\n"));
  EXPECT_NE(std::string::npos,
            bad.find("state_figures.txt:4: a row needs state, key, text, year, source, each "
                     "filled in\n"));
  EXPECT_NE(std::string::npos, bad.find("state_figures.txt:6: CA C is given twice\n"));
  EXPECT_NE(std::string::npos, bad.find(notKnown + " in CA: C (given for " + before + ")\n"));
}

TEST(Kvxbook, TheNavigationCheckBuildsFromSkeletonsWithEveryAnchor) {
  const std::vector<std::string> plain = {"<p>plain text",
                                          "more text",
                                          "<A NAME=\"one\"></A>",
                                          "<!--@@ @IFCODE |117",
                                          "<p>inside <a name=\"two\">",
                                          "text",
                                          "@@ELSE",
                                          "<a",
                                          "name=\"three\">",
                                          "@@-->",
                                          "<A",
                                          "",
                                          "  ",
                                          "NAME=\"four\">",
                                          "<a",
                                          "broken by text",
                                          "name=\"none\">",
                                          "<a name=",
                                          "  \"six\">",
                                          "@IF[117]<a name=\"five\">",
                                          "@Company @State",
                                          "<p>after"};
  TestApp t;
  PutEmptyBook(t);
  LoadCompany(t.app, SampleDataSet());
  StateChapterCache cache;
  std::string full, reduced;
  t.Put("chap01.dat", Encoded(plain));
  ASSERT_EQ(0, t.Run([&](App& app) { MakeFiles(app, "chap01", cache, full); }));
  const std::string skeleton = kvxbook::TemplateSkeleton(Encoded(plain));
  t.Put("chap01.dat", skeleton);
  ASSERT_EQ(0, t.Run([&](App& app) { MakeFiles(app, "chap01", cache, reduced); }));
  EXPECT_EQ((std::set<std::string>{"one", "two", "four", "six", "five"}),
            kvxbook::PageAnchors(full));
  EXPECT_EQ(kvxbook::PageAnchors(full), kvxbook::PageAnchors(reduced));
  EXPECT_EQ(
      Encoded({".", "<a name=\"one\">", "<!--@@ @IFCODE |117", "<a name=\"two\">", ".", "@@ELSE",
               "<a", "name=\"three\">", "@@-->", "<A", "", "NAME=\"four\">", "<a", ".",
               "name=\"none\">", "<a name=", "  \"six\">", "@IF[117]<a name=\"five\">", "."}),
      skeleton);
  // A line keeps only its anchors; text without directives or anchors costs nothing.
  EXPECT_EQ(Encoded({"<a name=\"a1\"><a name=\"a2\">"}),
            kvxbook::TemplateSkeleton(Encoded(
                {"<p><a href=\"x.htm\">x</a> <A NAME=\"a2\"></A> text <a  name = \"a1\">"})));
  EXPECT_EQ(Encoded({"."}),
            kvxbook::TemplateSkeleton(Encoded(std::vector<std::string>(10000, "filler text"))));
}

TEST(Kvxbook, EncodeAndDecode) {
  TestApp t;
  t.Put("plain.txt", "<p>Caf\xC3\xA9 & co\r\nline two\n");
  int status = -1;
  const std::string encoded = RunKvxbook("encode " + Quoted(t.dir() + "plain.txt"), status);
  EXPECT_EQ(0, status);
  EXPECT_EQ(Encoded({"<p>Caf\xC3\xA9 & co", "line two"}), encoded);
  t.Put("enc.dat", encoded);
  EXPECT_EQ("<p>Caf\xC3\xA9 & co\r\nline two\r\n",
            RunKvxbook("decode " + Quoted(t.dir() + "ENC.DAT"), status));
  EXPECT_EQ(0, status);

  t.Put("high.txt", "fine\r\nbad \xEE byte\r\n");
  EXPECT_EQ("", RunKvxbook("encode " + Quoted(t.dir() + "high.txt"), status));
  EXPECT_EQ(1, status);
  RunKvxbook("decode " + Quoted(t.dir() + "missing.dat"), status);
  EXPECT_EQ(1, status);
  RunKvxbook("decode", status);
  EXPECT_EQ(2, status);
}

TEST(Kvxbook, NoticesAreAcknowledgedAndAnyOtherQuestionEndsTheBatch) {
  std::istringstream noLines;
  std::ostringstream out;
  Script script(noLines, out);
  kvxbook::BatchUi ui(script, out);
  EXPECT_EQ(kOk, ui.ShowMessage(Box("T", "a notice", Icon::Information)));
  ui.answers = {kNo};
  EXPECT_EQ(kNo, ui.ShowMessage(Box("T", "queued", Icon::Question, kYes | kNo, kYes)));
  try {
    ui.ShowMessage(Box("T", "a question", Icon::Question, kYes | kNo, kYes));
    ADD_FAILURE() << "the question did not end the batch";
  } catch (const ScriptEnded& end) {
    EXPECT_EQ(3, end.status);
  }
  EXPECT_EQ(3, Count(out.str(), "== MESSAGE"));
  EXPECT_TRUE(out.str().ends_with("text: a question\n\n== END\n\n"));
  EXPECT_THROW(ui.Input("T", "name?", ""), ScriptEnded);
}

}  // namespace
}  // namespace kvx::test
