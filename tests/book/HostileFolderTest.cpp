// A program folder set against the book: named pipes where files belong, links that point
// out of the folder, a disk that fills during a build, data sets edited to hold markup.

#include <gtest/gtest.h>

#include <filesystem>

#include "base/Files.h"
#include "book/BookBuilder.h"
#include "book/BookFiles.h"
#include "book/PrintableBook.h"
#include "book/StateChapter.h"
#include "tests/book/BookFixture.h"
#include "tests/support/FailingFiles.h"

namespace kvx::test {
namespace {

namespace fs = std::filesystem;

void PutNamedBook(TestApp& t) {
  PutEmptyBook(t);
  for (const std::string& page : TemplatePageNames()) t.Put(page + ".dat", Encoded({page}));
  t.Put("NoStart.htm", "no start\r\n");
  LoadCompany(t.app, SampleDataSet());
}

// No temporary file, and no hidden copy of a page, is left beside the pages.
bool NoTemporaryFiles(const std::string& folder) {
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.path().filename().string().starts_with(".kvx")) return false;
  return true;
}

TEST(HostileFolder, NamedPipesAsTemplateStateFileOrChapterNeverHoldUpABuild) {
  TestApp t("OK\n");
  PutNamedBook(t);
  fs::remove(t.dir() + "chap03.dat");
  MakeFifo(t.dir() + "chap03.dat");
  bool built = true;
  int ended = -1;
  EXPECT_TRUE(FinishesWithoutBlocking({t.dir() + "chap03.dat"}, [&] {
    ended = t.Run([&](App& app) { built = CreateBook(app); });
  }));
  EXPECT_EQ(0, ended);
  EXPECT_FALSE(built);
  EXPECT_NE(std::string::npos,
            t.Output().find("Error #  53 in MakeFiles SUB, FLNAM$= " + t.dir() + "chap03.dat"));
  EXPECT_EQ("chap17\r\n", t.Get("chap17.htm"));  // the build went on

  TestApp s("OK\n");
  PutNamedBook(s);
  fs::remove(s.dir() + "CA.dat");
  MakeFifo(s.dir() + "CA.dat");
  MakeFifo(s.dir() + "statchap.htm");
  int made = 1, number = -1;
  EXPECT_TRUE(FinishesWithoutBlocking({s.dir() + "CA.dat", s.dir() + "statchap.htm"}, [&] {
    s.Run([&](App& app) {
      made = MakeState(app);
      number = StateChapterNumber(app);
      StateChapterCache cache;
      try {
        StateChapterLines(app, cache);
      } catch (const KvxError&) {
      }
    });
  }));
  EXPECT_EQ(0, made);  // no state file
  EXPECT_EQ(0, number);
}

TEST(HostileFolder, KvxbookTreatsNamedPipesAsMissing) {
  TestApp t;
  PutNamedBook(t);
  t.PutLines("acme.kvx", SampleDataSet());
  MakeFifo(t.dir() + "PIPE.KVX");
  MakeFifo(t.dir() + "LASTDATA.TXT");
  MakeFifo(t.dir() + "TX.dat");
  fs::remove(t.dir() + "chap05.dat");
  MakeFifo(t.dir() + "chap05.dat");
  const std::vector<std::string> fifos = {t.dir() + "PIPE.KVX", t.dir() + "LASTDATA.TXT",
                                          t.dir() + "TX.dat", t.dir() + "chap05.dat"};
  int named = -1, last = -1, build = -1, check = -1;
  std::string report;
  EXPECT_TRUE(FinishesWithoutBlocking(
      fifos,
      [&] {
        RunKvxbook("build " + Quoted(t.dir()) + " PIPE.KVX", named);
        RunKvxbook("build " + Quoted(t.dir()), last);
        RunKvxbook("build " + Quoted(t.dir()) + " acme.kvx", build);
        report = RunKvxbook("check " + Quoted(t.dir()), check);
      },
      30));
  EXPECT_EQ(2, named);  // no data set of that name
  EXPECT_EQ(2, last);   // no LASTDATA.TXT
  EXPECT_EQ(1, build);  // the page of the pipe failed
  EXPECT_EQ(1, check);
  EXPECT_NE(std::string::npos, report.find("chap05.dat:0: Not a regular file")) << report;
  EXPECT_NE(std::string::npos, report.find("TX.dat:0: Not a regular file")) << report;
}

TEST(HostileFolder, ABuildReplacesLinksOutOfTheFolderAndNeverWritesThrough) {
  TestApp t;
  PutNamedBook(t);
  TempFolder outside;
  WriteFile(outside.path() + "precious", "outside");
  for (const char* name : {"chap03.htm", "statchap.htm", "OUTPUT.HTM", "appendA.htm"})
    fs::create_symlink(outside.path() + "precious", t.dir() + name);
  ASSERT_EQ(0, t.Run([](App& app) { EXPECT_TRUE(CreateBook(app)); }));
  ASSERT_EQ(0, t.Run([](App& app) { EXPECT_TRUE(BuildGenericEdition(app)); }));  // appendA copied
  EXPECT_EQ("outside", ReadFileBytes(outside.path() + "precious"));
  for (const char* name : {"chap03.htm", "statchap.htm", "OUTPUT.HTM", "appendA.htm"})
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(t.dir() + name))) << name;
  EXPECT_EQ("chap03\r\n", t.Get("chap03.htm"));
  EXPECT_EQ("no start\r\n", t.Get("appendA.htm"));
}

TEST(HostileFolder, APageWriteThatFailsHalfWayKeepsTheWholeOldPage) {
  TestApp t("OK\n");
  PutNamedBook(t);
  ASSERT_EQ(0, t.Run([](App& app) { EXPECT_TRUE(CreateBook(app)); }));
  const std::string index = t.Get("searchdb.js");
  for (const std::string& page : TemplatePageNames())
    t.Put(page + ".dat", Encoded({"new " + page, "a second line"}));
  {
    FailingWrites full("chap03.htm", DiskFullAfter{6});
    ASSERT_EQ(0, t.Run([](App& app) { EXPECT_FALSE(CreateBook(app)); }));
  }
  EXPECT_EQ("chap03\r\n", t.Get("chap03.htm"));
  EXPECT_EQ("new chap02\r\na second line\r\n", t.Get("chap02.htm"));  // built before it
  EXPECT_EQ("chap04\r\n", t.Get("chap04.htm"));                       // not reached
  // The reader's pages are left as the last whole build wrote them.
  EXPECT_EQ(index, t.Get("searchdb.js"));
  EXPECT_TRUE(NoTemporaryFiles(t.dir()));
  EXPECT_NE(std::string::npos,
            t.Output().find("text: Error #  61 in CreateBook SUB; NatFLNAM$ = chap03"));
}

TEST(HostileFolder, ASearchIndexThatCannotBeWrittenFailsTheBuildAndKeepsTheOldOne) {
  TestApp t("OK\nOK\n");
  PutNamedBook(t);
  ASSERT_EQ(0, t.Run([](App& app) { EXPECT_TRUE(CreateBook(app)); }));
  const std::string index = t.Get("searchdb.js");
  t.Put("chap02.dat", Encoded({"<p>new words"}));
  {
    FailingWrites full("searchdb.js", DiskFullAfter{100});
    ASSERT_EQ(0, t.Run([](App& app) { EXPECT_FALSE(CreateBook(app)); }));
  }
  EXPECT_EQ(index, t.Get("searchdb.js"));
  EXPECT_EQ("<p>new words\r\n", t.Get("chap02.htm"));
  EXPECT_TRUE(NoTemporaryFiles(t.dir()));
  EXPECT_NE(std::string::npos,
            t.Output().find("text: Error #  61 in CreateBook SUB; NatFLNAM$ = topics.htm"));
}

TEST(HostileFolder, DirectiveErrorsFailTheBuildButStillWriteThePage) {
  TestApp t;
  PutNamedBook(t);
  t.PutLines("acme.kvx", SampleDataSet());
  t.Put("chap02.dat", Encoded({"<p>before", "@@ELSE", "<p>after"}));
  int status = -1;
  const std::string shown = RunKvxbook("build " + Quoted(t.dir()) + " acme.kvx", status);
  EXPECT_EQ(1, status);
  EXPECT_EQ(1, Count(shown, "== MESSAGE"));
  EXPECT_EQ("<p>before\r\n<p>after\r\n", t.Get("chap02.htm"));
  EXPECT_EQ("chap17\r\n", t.Get("chap17.htm"));
}

// Pages as a build leaves them, with the markers the printable book reads between.
void PutBuiltBook(TestApp& t) {
  t.SetProgramFolder();
  for (const char* page :
       {"contents.htm", "preface.htm", "appendA.htm", "appendB.htm", "appendC.htm"})
    t.Put(page, "START_READ\r\n<p>" + std::string(page) + "\r\n");
  t.Put("statchap.htm", "<A NAME=\"I\"></A>\r\n<p>state part\r\n");
  for (int n = 1; n <= 17; ++n)
    t.Put(std::string("chap") + (n < 10 ? "0" : "") + std::to_string(n) + ".htm", "none\r\n");
}

TEST(HostileFolder, ThePrintableBookEscapesEveryValueOfTheDataSet) {
  TestApp t("OK\nNo\nCancel\n");
  PutBuiltBook(t);
  LoadCompany(t.app, std::vector<std::string>(18, "<script>"));
  std::string bookFile;
  ASSERT_EQ(0, t.Run([&](App& app) { bookFile = MakeOneFile(app); }));
  ASSERT_EQ(t.dir() + "docs/KVXDOCS/<script>_BOOK.HTM", bookFile);
  const std::string book = t.Get("docs/KVXDOCS/<script>_BOOK.HTM");
  EXPECT_EQ(std::string::npos, book.find("<script>"));
  EXPECT_NE(std::string::npos, book.find("Part V. &nbsp; &nbsp; &lt;script&gt; Chapter"));
  EXPECT_NE(std::string::npos, book.find("in &lt;script&gt;,\" since you chose not"));

  // A state code that is a path writes nothing outside the book folder.
  TestApp u("OK\nNo\nOK\n");
  PutBuiltBook(u);
  LoadCompany(u.app, SampleDataSet());
  u.app.profile.StateCode = "../../escaped";
  ASSERT_EQ(0, u.Run([](App& app) { EXPECT_EQ("", MakeOneFile(app)); }));
  EXPECT_FALSE(u.Has("escaped_BOOK.HTM"));
  EXPECT_FALSE(fs::exists(u.dir() + "docs/KVXDOCS/../../escaped_BOOK.HTM"));
  EXPECT_NE(std::string::npos, u.Output().find("Error #  52 in MakeOneFile SUB"));
}

TEST(HostileFolder, AFailedPrintKeepsTheOldBook) {
  TestApp t("OK\nNo\nOK\nOK\nNo\nOK\n");
  PutBuiltBook(t);
  LoadCompany(t.app, SampleDataSet());
  t.Put("docs/KVXDOCS/CA_BOOK.HTM", "the old book\r\n");
  fs::remove(t.dir() + "chap09.htm");
  ASSERT_EQ(0, t.Run([](App& app) { EXPECT_EQ("", MakeOneFile(app)); }));
  EXPECT_EQ("the old book\r\n", t.Get("docs/KVXDOCS/CA_BOOK.HTM"));
  t.Put("chap09.htm", "none\r\n");
  {
    FailingWrites full("CA_BOOK", DiskFullAfter{100});
    ASSERT_EQ(0, t.Run([](App& app) { EXPECT_EQ("", MakeOneFile(app)); }));
  }
  EXPECT_EQ("the old book\r\n", t.Get("docs/KVXDOCS/CA_BOOK.HTM"));
  EXPECT_TRUE(NoTemporaryFiles(t.dir() + "docs/KVXDOCS"));
  EXPECT_NE(std::string::npos, t.Output().find("text: Error #  53 in MakeOneFile SUB"));
  EXPECT_NE(std::string::npos, t.Output().find("text: Error #  61 in MakeOneFile SUB"));

  // The same through kvxbook print.
  t.PutLines("acme.kvx", SampleDataSet());
  fs::remove(t.dir() + "chap09.htm");
  ::setenv("XDG_DOCUMENTS_DIR", (t.dir() + "docs").c_str(), 1);
  int status = -1;
  RunKvxbook("print " + Quoted(t.dir()) + " acme.kvx", status);
  ::unsetenv("XDG_DOCUMENTS_DIR");
  EXPECT_EQ(1, status);
  EXPECT_EQ("the old book\r\n", t.Get("docs/KVXDOCS/CA_BOOK.HTM"));
}

}  // namespace
}  // namespace kvx::test
