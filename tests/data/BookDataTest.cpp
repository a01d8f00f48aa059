// The book that ships in the program folder: consistent with the program, and every
// state edition builds for a spread of companies without a missing state section.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "base/Files.h"
#include "book/BookFiles.h"
#include "profile/InitBizDesc.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TestApp.h"

namespace kvx {
namespace {

namespace fs = std::filesystem;

const char* kNotFound = "THIS ITEM WAS NOT FOUND IN STATE FILE";
const char* kEntities[] = {
    "sole proprietorship", "general partnership", "limited partnership", "LLP", "LLC",
    "corporation",         "S corporation"};
const char* kRevenues[] = {"Under $1 million", "Over $1 million", "Over $5 million",
                           "Over $10 million"};
const int kEmployees[] = {0, 1, 4, 12, 30, 60, 150};

std::string Kvxbook() {
  return test::BuiltProgramFolder() + "kvxbook";
}

// A program folder holding the shipped book's sources, without anything built.
void CopyBook(const std::string& to) {
  for (const auto& entry : fs::directory_iterator(test::BuiltProgramFolder())) {
    const std::string name = entry.path().filename().string();
    const std::string lower = LowerAscii(name);
    const bool source = lower.ends_with(".dat") || name == "appendB.htm" || name == "NoStart.htm" ||
                        name == "bizplan.txt";
    if (source && entry.is_regular_file()) fs::copy_file(entry.path(), to + name);
  }
}

// The data set of company number i of the spread.
std::vector<std::string> Company(int i, const std::string& row) {
  const std::string entity = kEntities[i % 7];
  const int employees = kEmployees[i % 7 == 0 ? (i / 7) % 7 : (i + i / 7) % 7];
  const int category = i % 25 + 1;
  auto yn = [&](int bit) { return ((i >> bit) & 1) ? "Y" : "N"; };
  const bool corporation = entity == "corporation";
  return {RowName(row),
          RowCode(row),
          "Test Company " + std::to_string(i) + " & Sons",
          entity,
          yn(0),
          std::to_string(employees),
          std::to_string(employees),
          entity == "sole proprietorship"                                      ? "Y"
          : entity.find("partnership") != std::string::npos || entity == "LLP" ? "N"
                                                                               : yn(1),
          corporation ? yn(2) : "N",
          kRevenues[i % 4],
          yn(3),
          yn(1),
          yn(2),
          employees == 0 ? "N" : yn(4),
          entity == "sole proprietorship" ? "N" : yn(0),
          DefaultCategoryNames()[static_cast<std::size_t>(category)],
          std::to_string(category),
          "Y"};
}

std::vector<std::string> BuiltPages() {
  std::vector<std::string> pages = {"statchap.htm", "contents.htm", "preface.htm", "appendA.htm",
                                    "appendC.htm"};
  for (int n = 1; n <= 17; ++n)
    pages.push_back((n < 10 ? "chap0" : "chap") + std::to_string(n) + ".htm");
  return pages;
}

TEST(BookData, TheBookToolFindsNoProblem) {
  const auto run = test::RunProgram({Kvxbook(), "check", test::BuiltProgramFolder()}, {}, {}, 600);
  EXPECT_EQ(run.status, 0) << run.out;
  // The only lines are the figures not known for the edition's year, which are no problem.
  for (const std::string& line : SplitLines(run.out))
    EXPECT_TRUE(line.starts_with("figure not known for " + std::to_string(test::EditionYear())))
        << line;
}

TEST(BookData, EveryStateBuildsForASpreadOfCompanies) {
  test::TempFolder folder;
  CopyBook(folder.path());
  StateTable states;
  LoadStateTable(states);
  int entitiesSeen = 0, categoriesSeen = 0;
  for (int row = 1; row <= kStateCount; ++row) {
    // Two companies a state, so every entity, employee band and category is built.
    for (int k = 0; k < 2; ++k) {
      const int i = row * 2 + k;
      WriteFile(folder.path() + "TEST.KVX", JoinLines(Company(i, states.States[row])));
      std::vector<std::string> argv{Kvxbook(), "build", folder.path(), "TEST.KVX"};
      if (row % 10 == 0 && k == 1) argv.push_back("--generic");
      const auto run = test::RunProgram(argv, {}, {}, 600);
      ASSERT_EQ(run.status, 0) << states.States[row] << "\n" << run.out;
      EXPECT_EQ(run.out.find("== MESSAGE"), std::string::npos) << states.States[row] << run.out;
      for (const std::string& page : BuiltPages()) {
        const std::string text = ReadFileBytes(folder.path() + page);
        EXPECT_EQ(text.find(kNotFound), std::string::npos) << states.States[row] << " " << page;
        EXPECT_EQ(text.find("@@"), std::string::npos) << states.States[row] << " " << page;
      }
      entitiesSeen |= 1 << (i % 7);
      categoriesSeen |= 1 << (i % 25);
    }
  }
  EXPECT_EQ(entitiesSeen, (1 << 7) - 1);
  EXPECT_EQ(categoriesSeen, (1 << 25) - 1);
}

int DifferentLines(const std::string& a, const std::string& b) {
  const auto x = SplitLines(a), y = SplitLines(b);
  std::multiset<std::string> left(x.begin(), x.end());
  int differ = 0;
  for (const std::string& line : y) {
    auto it = left.find(line);
    if (it == left.end())
      ++differ;
    else
      left.erase(it);
  }
  return differ + static_cast<int>(left.size());
}

TEST(BookData, TwoDifferentCompaniesGetVisiblyDifferentBooks) {
  test::TempFolder a, b;
  CopyBook(a.path());
  CopyBook(b.path());
  WriteFile(a.path() + "TEXAS.KVX",
            JoinLines({"Texas", "TX", "Lone Star Advice", "LLC", "N", "0", "0", "Y", "N",
                       "Under $1 million", "N", "N", "N", "N", "N", "Consulting", "20", "Y"}));
  WriteFile(
      b.path() + "RETAIL.KVX",
      JoinLines({"California", "CA", "Pacific Goods", "corporation", "Y", "60", "60", "N", "N",
                 "Over $5 million", "N", "Y", "Y", "Y", "N", "Retail Merchandising", "1", "Y"}));
  ASSERT_EQ(test::RunProgram({Kvxbook(), "build", a.path(), "TEXAS.KVX"}).status, 0);
  ASSERT_EQ(test::RunProgram({Kvxbook(), "build", b.path(), "RETAIL.KVX"}).status, 0);
  int total = 0;
  for (const std::string& page : BuiltPages()) {
    if (page == "statchap.htm") continue;
    const int differ =
        DifferentLines(ReadFileBytes(a.path() + page), ReadFileBytes(b.path() + page));
    total += differ;
  }
  EXPECT_GT(total, 400) << "the two books should differ in many passages";
  for (const char* page : {"chap02.htm", "chap06.htm", "chap11.htm", "appendA.htm"})
    EXPECT_GT(DifferentLines(ReadFileBytes(a.path() + page), ReadFileBytes(b.path() + page)), 10)
        << page;
}

// A customised California book built by kvxbook in folder, with the files its pages load.
void BuildCaliforniaBook(const std::string& folder) {
  CopyBook(folder);
  // The pictures, the stylesheet and the search script, as the program folder has them.
  for (const auto& entry : fs::directory_iterator(test::BuiltProgramFolder())) {
    const std::string name = entry.path().filename().string();
    const std::string extension = LowerAscii(entry.path().extension().string());
    for (const char* shipped : {".gif", ".jpg", ".pdf", ".css", ".js"})
      if (extension == shipped && entry.is_regular_file())
        fs::copy_file(entry.path(), folder + name, fs::copy_options::overwrite_existing);
  }
  WriteFile(folder + "ACME.KVX", JoinLines({"California", "CA", "Acme Pizza Parlor", "corporation",
                                            "Y", "12", "12", "N", "Y", "Under $1 million", "N", "Y",
                                            "N", "N", "N", "Retail Merchandising", "1", "Y"}));
  ASSERT_EQ(test::RunProgram({Kvxbook(), "build", folder, "ACME.KVX"}, {}, {}, 120).status, 0);
}

TEST(BookData, EveryReadingPageHasItsBarAndThePrintableBookHasNone) {
  test::TempFolder folder;
  BuildCaliforniaBook(folder.path());
  for (const std::string& page : BuiltPages()) {
    const std::string text = ReadFileBytes(folder.path() + page);
    EXPECT_EQ(test::Count(text, "<div class=\"kvxbar\">"), 2) << page;
    EXPECT_EQ(test::Count(text, "<LINK REL=\"stylesheet\" HREF=\"book.css\">"), 1) << page;
  }
  // Previous and Next follow the book's order, through the state chapter.
  EXPECT_TRUE(Contains(ReadFileBytes(folder.path() + "chap17.htm"),
                       "<a href=\"chap16.htm\" rel=\"prev\">Previous</a> "
                       "<a href=\"statchap.htm\" rel=\"next\">Next</a>"));
  EXPECT_TRUE(Contains(ReadFileBytes(folder.path() + "statchap.htm"),
                       "<a href=\"appendA.htm\" rel=\"next\">Next</a>"));
  const auto print =
      test::RunProgram({Kvxbook(), "print", folder.path(), "ACME.KVX"},
                       {"HOME=" + folder.path(), "XDG_CONFIG_HOME=" + folder.path()});
  ASSERT_EQ(print.status, 0) << print.out;
  ASSERT_FALSE(print.out.empty());
  const std::string bookFile = SplitLines(print.out).back();
  const std::string book = ReadFileBytes(bookFile);
  EXPECT_EQ(book.find("kvxbar"), std::string::npos);
  EXPECT_NE(book.find("HREF=\"book.css\""), std::string::npos);
  EXPECT_TRUE(Exist(FolderOf(bookFile) + "book.css"));
}

// The chromium program, empty when it is not installed.
std::string Chromium() {
  for (const char* name : {"/usr/bin/chromium", "/usr/bin/chromium-browser"})
    if (fs::exists(name)) return name;
  return {};
}

// The result list of search.htm for a query, as headless Chromium leaves the page.
std::string SearchResults(const std::string& folder, const std::string& encodedQuery) {
  const auto run =
      test::RunProgram({Chromium(), "--headless", "--disable-gpu", "--no-sandbox", "--no-first-run",
                        "--user-data-dir=" + folder + "chromium", "--dump-dom",
                        "file://" + folder + "search.htm?q=" + encodedQuery},
                       {"HOME=" + folder}, {}, 120);
  EXPECT_EQ(run.status, 0);
  const std::size_t start = run.out.find("<ol id=\"kvxresults\">");
  const std::size_t end = run.out.find("</ol>", start);
  EXPECT_NE(start, std::string::npos) << run.out;
  if (start == std::string::npos || end == std::string::npos) return {};
  const std::size_t status = run.out.find("<p id=\"kvxstatus\">");
  return run.out.substr(status, run.out.find("</p>", status) - status) + "\n" +
         run.out.substr(start, end - start);
}

// The pages and anchors the results lead to, in order.
std::vector<std::string> ResultLinks(const std::string& results) {
  std::vector<std::string> links;
  for (std::size_t at = results.find("<li><a href=\""); at != std::string::npos;
       at = results.find("<li><a href=\"", at + 1)) {
    const std::size_t from = at + 13;
    links.push_back(results.substr(from, results.find('"', from) - from));
  }
  return links;
}

bool Holds(const std::vector<std::string>& links, const std::string& link) {
  return std::find(links.begin(), links.end(), link) != links.end();
}

TEST(BookData, TheSearchPageFindsWordsAndPhrasesFromFileUrls) {
  if (Chromium().empty())
    GTEST_SKIP() << "chromium is not installed (make deps installs it): search.htm not driven";
  test::TempFolder folder;
  BuildCaliforniaBook(folder.path());

  const std::string withholding = SearchResults(folder.path(), "withholding");
  const std::vector<std::string> links = ResultLinks(withholding);
  EXPECT_TRUE(Holds(links, "chap06.htm#06.01")) << withholding;
  // The state chapter's section that chapter 6 copies is listed once, with a link to both.
  EXPECT_NE(withholding.find("href=\"statchap.htm#III(b)\""), std::string::npos) << withholding;
  std::vector<std::string> snippets;
  for (std::size_t at = withholding.find("<p>"); at != std::string::npos;
       at = withholding.find("<p>", at + 1))
    snippets.push_back(withholding.substr(at, withholding.find("</p>", at) - at));
  std::sort(snippets.begin(), snippets.end());
  EXPECT_EQ(std::adjacent_find(snippets.begin(), snippets.end()), snippets.end()) << withholding;
  EXPECT_NE(withholding.find("<mark>withholding</mark>"), std::string::npos);
  EXPECT_NE(withholding.find("sections hold withholding"), std::string::npos) << withholding;

  // A phrase is found as it stands, so it finds fewer sections than its words do.
  const std::vector<std::string> phrase =
      ResultLinks(SearchResults(folder.path(), "%22trust%20fund%22"));
  const std::vector<std::string> words = ResultLinks(SearchResults(folder.path(), "trust+fund"));
  EXPECT_TRUE(Holds(phrase, "chap06.htm#06.01"));
  EXPECT_LT(phrase.size(), words.size());
  for (const std::string& link : phrase) EXPECT_TRUE(Holds(words, link)) << link;

  // The company's name, in the customised edition, and a word the book never uses.
  EXPECT_FALSE(ResultLinks(SearchResults(folder.path(), "Acme%20Pizza")).empty());
  const std::string none = SearchResults(folder.path(), "zyxwvut");
  EXPECT_TRUE(ResultLinks(none).empty());
  EXPECT_NE(none.find("No section of this edition holds zyxwvut."), std::string::npos) << none;
}

}  // namespace
}  // namespace kvx
