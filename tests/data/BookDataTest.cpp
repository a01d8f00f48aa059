// The book that ships in the program folder: consistent with the program, and every
// state edition builds for a spread of companies without a missing state section.

#include <gtest/gtest.h>

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
  EXPECT_EQ(run.out, "");
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

}  // namespace
}  // namespace kvx
