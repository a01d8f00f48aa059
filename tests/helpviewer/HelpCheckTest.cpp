// kvxbook check's reading of HELP.TXT, and the tool run on a folder.

#include <gtest/gtest.h>

#include "HelpCheck.h"

#include <set>
#include "base/Files.h"
#include "helpviewer/HelpTopics.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TestApp.h"

namespace kvxbook {
namespace {

using kvx::help::HelpTopics;
using kvx::help::SectionTag;

// A help text with a tag for every section the topics name, in order.
std::vector<std::string> CompleteHelp() {
  std::set<int> sections;
  for (const auto& topic : HelpTopics())
    if (!topic.title.empty()) sections.insert({topic.first, topic.last});
  std::vector<std::string> lines = {"preamble with an @ that is never read"};
  for (int section : sections) {
    lines.push_back(SectionTag(section) + " title");
    lines.push_back("Text for @State in @PATHSPEC.");
    lines.push_back("");
  }
  lines.push_back("@END");
  return lines;
}

std::string Report(const std::vector<std::string>& lines) {
  std::string report;
  for (const HelpProblem& p : CheckHelpText(lines))
    report += std::to_string(p.line) + ": " + p.message + "\n";
  return report;
}

TEST(HelpCheck, ACompleteTextPasses) {
  EXPECT_EQ("", Report(CompleteHelp()));
}

TEST(HelpCheck, ReportsEachProblemWithItsLine) {
  std::vector<std::string> lines = CompleteHelp();
  ASSERT_EQ("@I0007 title", lines[19]);
  lines[20] = "write to help@example.com";
  lines.erase(lines.begin() + 1, lines.begin() + 4);  // the tag of section 1 and its text
  lines.push_back("");
  lines.push_back("more");
  EXPECT_EQ("18: a stray \"@\" ends section @I0007 early\n" + std::to_string(lines.size()) +
                ": text after @END is never shown\n"
                "0: no tag @I0001 for \">> GENERAL INFO ON CORVANTA\"\n",
            Report(lines));

  // A last section before the first, a tag twice, and no end line.
  lines = CompleteHelp();
  lines.pop_back();
  lines.push_back("@I0010 again");
  lines.push_back("@I0400 again");
  ASSERT_EQ("@I0010 title", lines[28]);
  std::swap(lines[28], lines[31]);  // @I0010 and @I0011
  const std::string report = Report(lines);
  EXPECT_NE(std::string::npos,
            report.find("32: \"... Owned by One Person?\" ends at @I0011, which comes before its "
                        "first section\n"))
      << report;
  EXPECT_NE(std::string::npos, report.find(std::to_string(lines.size() - 1) +
                                           ": section @I0010 is tagged again (first at line 32)"));
  EXPECT_NE(std::string::npos,
            report.find(std::to_string(lines.size()) + ": the file does not end with @END\n"));
  EXPECT_EQ("0: the file does not end with @END\n" + std::string(), Report({}).substr(0, 35));
}

TEST(HelpCheck, KvxbookNamesTheFileAndLine) {
  kvx::test::TempFolder dir;
  std::vector<std::string> lines = CompleteHelp();
  lines[2] = "a stray @ here";
  kvx::WriteFile(dir.path() + "help.txt", kvx::JoinLines(lines));
  const auto run =
      kvx::test::RunProgram({kvx::test::BuiltProgramFolder() + "kvxbook", "check", dir.path()});
  EXPECT_EQ(1, run.status);
  EXPECT_NE(std::string::npos,
            run.out.find("help.txt:3: a stray \"@\" ends section @I0001 early\n"))
      << run.out;
}

}  // namespace
}  // namespace kvxbook
