// kvxbook's batch: many editions into an output folder, each equal to building it alone,
// the program folder left as it was, and a failing data set failing alone.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <sys/stat.h>

#include <filesystem>
#include <map>

#include "apps/kvxbook/BatchBuild.h"
#include "base/Files.h"
#include "book/BookBuilder.h"
#include "book/BookFiles.h"
#include "book/ReaderPages.h"
#include "tests/book/BookFixture.h"

namespace kvx::test {
namespace {

namespace fs = std::filesystem;

// A small book that uses every kind of line: tokens (the folder too), blocks, an @INSERT
// per page, links to the state chapter, pictures and ready pages; two states; companies.
void PutBatchFolder(TestApp& t) {
  PutEmptyBook(t);
  for (const std::string& page : TemplatePageNames())
    t.Put(page + ".dat",
          Encoded({"<HTML><p>" + page + " for @Company, a @Entity in @State (@county)",
                   "<p>read from @PATHSPEC", "<!--@@ @IFCODE |117", "<p>employees: @EMP", "@@ELSE",
                   "<p>no employees", "@@-->", "<!--@@ @IFGEN", "<p>generic only", "@@-->",
                   "@IF[505]<p>California line", "@INSERT=TAXES",
                   "<p><img src=\"corners1.gif\"> <a href=\"appendB.htm\">B</a>"}));
  const auto state = [](const std::string& name, const std::string& row) {
    return Encoded({"<HTML><A NAME=\"LEGAL0" + row + "\"></A>", "<A NAME=\"TAXES\"></A>",
                    "<p>" + name + " taxes, <a href=\"#SALES TAX\">sales</a> <!--@@ note @@-->",
                    "<A NAME=\"SALES TAX\"></A>", "<p>" + name + " sales tax"});
  };
  t.Put("CA.dat", state("California", "05"));
  t.Put("TX.dat", state("Texas", "44"));
  t.Put("NoStart.htm", "<p>no start\r\n");
  t.Put("appendB.htm", "<p>outline\r\n");
  t.Put("bizplan.txt", "plan\r\n");
  t.Put("corners1.gif", "GIF89a");
  t.Put("FED_2553.pdf", "%PDF");
  t.PutLines("acme.kvx", SampleDataSet());
  std::vector<std::string> texas = SampleDataSet();
  texas[0] = "Texas", texas[1] = "TX", texas[2] = "Lone Star & Sons", texas[3] = "LLC";
  texas[5] = texas[6] = "0";
  t.PutLines("Lone.KVX", texas);
  t.PutLines("NDEXDATA.TXT", {"acme.kvx", "Lone.KVX"});
  t.PutLines("LASTDATA.TXT", {"acme.kvx"});
}

// Every file of a folder with its bytes.
std::map<std::string, std::string> Contents(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const auto& e : fs::directory_iterator(folder))
    files[e.path().filename().string()] = ReadFileBytes(e.path().string());
  return files;
}

// What a change to a file or a folder would alter.
std::string Stamp(const std::string& path) {
  struct stat st {};
  ::lstat(path.c_str(), &st);
  return std::to_string(st.st_ino) + " " + std::to_string(st.st_nlink) + " " +
         std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec) + " " +
         std::to_string(st.st_ctim.tv_sec) + "." + std::to_string(st.st_ctim.tv_nsec);
}

// Every entry of a folder with its stamp and bytes, and the folder's own stamp.
std::map<std::string, std::string> Snapshot(const std::string& folder) {
  std::map<std::string, std::string> entries = {{"", Stamp(folder)}};
  for (const auto& e : fs::directory_iterator(folder))
    entries[e.path().filename().string()] =
        Stamp(e.path().string()) + " " + ReadFileBytes(e.path().string());
  return entries;
}

// The edition the data set gets when built alone in a copy of the program folder, as it
// would read from the edition's own folder: only the folder named in the pages differs.
std::map<std::string, std::string> BuiltAlone(TestApp& t, const std::string& dataSet,
                                              const std::string& flag,
                                              const std::string& editionFolder) {
  TempFolder copy;
  for (const auto& e : fs::directory_iterator(t.dir()))
    fs::copy_file(e.path(), copy.path() + e.path().filename().string());
  int status = -1;
  RunKvxbook("build " + Quoted(copy.path()) + " " + dataSet + " " + flag, status);
  EXPECT_EQ(0, status) << dataSet;
  std::map<std::string, std::string> edition;
  for (const std::string& page : TemplatePageNames())
    edition[page + ".htm"] =
        ReplaceAll(ReadFileBytes(copy.path() + page + ".htm"), copy.path(), editionFolder);
  edition["statchap.htm"] = ReadFileBytes(copy.path() + "statchap.htm");
  for (const char* page : {kTopicsPage, kSearchPage, kSearchIndex})
    edition[page] = ReplaceAll(ReadFileBytes(copy.path() + page), copy.path(), editionFolder);
  for (const char* file : {"appendB.htm", "bizplan.txt", "corners1.gif", "FED_2553.pdf"})
    edition[file] = ReadFileBytes(copy.path() + file);
  return edition;
}

TEST(Batch, EveryEditionEqualsItsBuildAloneCustomisedAndGeneric) {
  TestApp t;
  PutBatchFolder(t);
  for (const std::string flag : {"", "--generic"}) {
    TempFolder out;
    int status = -1;
    const std::string summary = RunKvxbook(
        "build " + Quoted(t.dir()) + " --all --out " + Quoted(out.path()) + " -j 2 " + flag,
        status);
    ASSERT_EQ(0, status) << summary;
    EXPECT_NE(std::string::npos, summary.find("editions built: 2 of 2\n")) << summary;
    EXPECT_NE(std::string::npos, summary.find("pages: 44\n")) << summary;
    EXPECT_EQ((std::vector<std::string>{"Lone", "acme"}), [&] {
      std::vector<std::string> names;
      for (const auto& e : fs::directory_iterator(out.path()))
        names.push_back(e.path().filename().string());
      std::sort(names.begin(), names.end());
      return names;
    }()) << "the output folder holds the editions and nothing else";
    for (const auto& [dataSet, name] : {std::pair{"acme.kvx", "acme"}, {"Lone.KVX", "Lone"}}) {
      const std::string folder = out.path() + name + "/";
      const auto batch = Contents(folder);
      EXPECT_EQ(BuiltAlone(t, dataSet, flag, folder), batch) << dataSet << " " << flag;
      // The pictures and ready pages are one copy shared by the editions.
      EXPECT_EQ(2u, fs::hard_link_count(folder + "corners1.gif"));
      EXPECT_NE(std::string::npos, batch.at("chap01.htm").find(folder));
    }
    const std::string chap01 = ReadFileBytes(out.path() + "Lone/chap01.htm");
    if (flag.empty()) {
      EXPECT_NE(std::string::npos, chap01.find("Lone Star &amp; Sons, a LLC in Texas"));
      EXPECT_NE(std::string::npos, chap01.find("<p>Texas taxes"));
    } else {
      EXPECT_NE(std::string::npos, chap01.find("generic only"));
      EXPECT_EQ("<p>no start\r\n", ReadFileBytes(out.path() + "Lone/appendA.htm"));
    }
  }
}

TEST(Batch, TheProgramFolderStaysAsItWasAndARebuildReplacesTheEditions) {
  TestApp t;
  PutBatchFolder(t);
  int status = -1;
  RunKvxbook("build " + Quoted(t.dir()), status);  // the folder's own book
  ASSERT_EQ(0, status);
  const auto before = Snapshot(t.dir());
  TempFolder out;
  const std::string run =
      "build " + Quoted(t.dir()) + " Lone.KVX acme.kvx --out " + Quoted(out.path() + "new/books");
  RunKvxbook(run, status);
  EXPECT_EQ(0, status);
  // A batch that was killed left its work folder; the next batch removes it.
  const pid_t ended = ::fork();
  if (ended == 0) ::_exit(0);
  ASSERT_GT(ended, 0);
  ::waitpid(ended, nullptr, 0);
  const std::string stale = out.path() + "new/books/.kvx-" + std::to_string(ended) + "-0-acme";
  CreateFolder(stale);
  WriteFile(stale + "/chap01.htm", "half an edition");
  RunKvxbook(run, status);  // into the editions of the first run
  EXPECT_EQ(0, status);
  EXPECT_FALSE(Exist(stale));
  EXPECT_EQ(before, Snapshot(t.dir()));
  // The pages, the state chapter, the reader pages, the ready pages and the pictures.
  EXPECT_EQ(TemplatePageNames().size() + 8, Contents(out.path() + "new/books/acme").size());
  RunKvxbook("print " + Quoted(t.dir()) + " acme.kvx --out " + Quoted(out.path() + "print"),
             status);
  EXPECT_EQ(0, status);
  const std::string book = ReadFileBytes(out.path() + "print/acme/CA_BOOK.HTM");
  EXPECT_NE(std::string::npos, book.find("contents for Acme Pizza Parlor")) << book;
  EXPECT_EQ(before, Snapshot(t.dir()));
}

TEST(Batch, ADataSetThatFailsFailsAloneWithItsReason) {
  TestApp t;
  PutBatchFolder(t);
  t.PutLines("short.kvx", {"California", "CA"});
  std::vector<std::string> nowhere = SampleDataSet();
  nowhere[0] = "Ohio", nowhere[1] = "OH";
  t.PutLines("ohio.kvx", nowhere);
  std::vector<std::string> incomplete = SampleDataSet();
  incomplete[17] = "N";
  t.PutLines("half.kvx", incomplete);
  t.PutLines("NDEXDATA.TXT", {"gone.kvx", "short.kvx", "acme.kvx", "../acme.kvx", "ohio.kvx",
                              "half.kvx", "ACME.kvx", "Lone.KVX", "acme.kvx", ".kvx-x.kvx"});
  TempFolder out;
  int status = -1;
  const std::string summary = RunKvxbook(
      "build " + Quoted(t.dir()) + " --all --out " + Quoted(out.path() + "books"), status);
  EXPECT_EQ(1, status);
  EXPECT_NE(std::string::npos, summary.find("editions built: 3 of 10\n")) << summary;
  for (const char* line :
       {"failed: gone.kvx: no data set of that name", "failed: short.kvx: cannot read the data set",
        "failed: ../acme.kvx: not a plain file name", "failed: ohio.kvx: no state file OH.dat",
        "failed: half.kvx: the company data is incomplete", "failed: acme.kvx: listed twice",
        "failed: .kvx-x.kvx: not a plain file name"})
    EXPECT_NE(std::string::npos, summary.find(line)) << line << "\n" << summary;
  EXPECT_NE(std::string::npos, summary.find("pages: 66\n"));
  // ACME.kvx is a folder of its own on a file system that tells letter case apart.
  for (const char* name : {"acme", "ACME", "Lone"})
    EXPECT_TRUE(fs::exists(out.path() + "books/" + name + "/chap17.htm")) << name;
  EXPECT_EQ(3, std::distance(fs::directory_iterator(out.path() + "books"), {}));
  EXPECT_EQ(1, std::distance(fs::directory_iterator(out.path()), {}));  // nothing outside
}

TEST(Batch, UsageAndAnOutputFolderThatCannotBeWritten) {
  TestApp t;
  PutBatchFolder(t);
  int status = -1;
  const std::string dir = Quoted(t.dir());
  RunKvxbook("build " + dir + " --all", status);
  EXPECT_EQ(2, status);
  RunKvxbook("build " + dir + " acme.kvx Lone.KVX", status);
  EXPECT_EQ(2, status);
  RunKvxbook("build " + dir + " --all acme.kvx --out x", status);
  EXPECT_EQ(2, status);
  RunKvxbook("build " + dir + " --all --out " + dir + "/books -j 0", status);
  EXPECT_EQ(2, status);
  RunKvxbook("build " + dir + " --all --out " + dir, status);
  EXPECT_EQ(2, status);
  RunKvxbook("build " + Quoted(t.dir() + "none") + " --all --out " + dir + "books", status);
  EXPECT_EQ(2, status);
  EXPECT_FALSE(fs::exists(t.dir() + "books"));
  // Under a file no folder can be made: the batch stops before building anything.
  std::ostringstream summary, progress;
  kvxbook::BatchOptions options;
  options.dir = t.dir();
  options.all = true;
  options.out = t.dir() + "acme.kvx/books";
  EXPECT_EQ(1, kvxbook::RunBatch(options, summary, progress));
  EXPECT_EQ("", summary.str());
  EXPECT_EQ(0u, progress.str().find("kvxbook: cannot write to the output folder "))
      << progress.str();
  EXPECT_EQ("kvxbook: no NDEXDATA.TXT", [&] {
    fs::remove(t.dir() + "NDEXDATA.TXT");
    options.out = t.dir() + "books";
    std::ostringstream quiet;
    kvxbook::RunBatch(options, summary, quiet);
    return quiet.str().substr(0, 24);
  }());
}

TEST(Batch, EditionNamesArePlainNamesWithoutKvx) {
  EXPECT_EQ("acme", kvxbook::EditionName("acme.kvx"));
  EXPECT_EQ("Lone", kvxbook::EditionName("Lone.KVX"));
  EXPECT_EQ("notes.txt", kvxbook::EditionName("notes.txt"));
  EXPECT_EQ(".KVX", kvxbook::EditionName(".KVX"));
  for (const char* bad : {"", "..", "../a.kvx", "a/b.kvx", "...KVX", ".kvx-shared.kvx", "c:a.kvx"})
    EXPECT_EQ("", kvxbook::EditionName(bad)) << bad;
}

}  // namespace
}  // namespace kvx::test
