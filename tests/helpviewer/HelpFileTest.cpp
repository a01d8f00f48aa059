// Assembling a topic's text from the lines of HELP.TXT.

#include <gtest/gtest.h>

#include <vector>

#include "base/Errors.h"
#include "helpviewer/HelpFile.h"

namespace kvx::help {
namespace {

struct Lines {
  explicit Lines(std::vector<std::string> lines) : lines(std::move(lines)) {}
  std::string Next() {
    if (at == lines.size()) Raise(kErrInputPastEnd, "past the end");
    return lines[at++];
  }
  std::vector<std::string> lines;
  std::size_t at = 0;
};

std::string Help(const std::vector<std::string>& file, const std::string& code,
                 std::string* step = nullptr, const std::string& state = "Texas",
                 const std::string& path = "/opt/corvanta/") {
  Lines lines(file);
  std::string mark;
  const std::string text = AssembleHelp([&] { return lines.Next(); }, code, state, path, mark);
  if (step) *step = mark;
  return text;
}

int ErrorOf(const std::vector<std::string>& file, const std::string& code) {
  try {
    Help(file, code);
  } catch (const KvxError& e) {
    return e.number;
  }
  return 0;
}

const std::vector<std::string> kFile = {
    "preamble",  "@I0006 group", "group text",          "",     "@I0007 first", "seven", "@I0008",
    "eight one", "eight two",    "@I0009 ignored rest", "nine", "@I0010",       "ten",   "@END",
    "@I0011",    "after the end"};

TEST(HelpFile, EqualSectionsShowOneSectionUpToTheNextTag) {
  std::string step;
  EXPECT_EQ("seven ", Help(kFile, "@I0007|0007", &step));
  EXPECT_EQ("Step2", step);
  EXPECT_EQ("eight one eight two ", Help(kFile, "@I0008|0008"));
}

TEST(HelpFile, AGroupJoinsItsSectionsWithoutTheirTags) {
  EXPECT_EQ("group text  \r\n\r\nseven eight one eight two nine ", Help(kFile, "@I0006|0009"));
  // The last section is read to its end, here the end line.
  EXPECT_EQ("nine ten ", Help(kFile, "@I0009|0010"));
}

TEST(HelpFile, EndLineStopsEveryReading) {
  // Met between the first and the last section: what was read is shown.
  EXPECT_EQ("ten ", Help(kFile, "@I0010|0011"));
  // A tag that stands only after it is not found, nor one the file lacks.
  EXPECT_EQ(kErrInputPastEnd, ErrorOf(kFile, "@I0011|0011"));
  EXPECT_EQ(kErrInputPastEnd, ErrorOf(kFile, "@I0099|0099"));
  // A section that runs to the end of the file with no line holding "@" after it.
  EXPECT_EQ(kErrInputPastEnd, ErrorOf({"@I0001", "text"}, "@I0001|0001"));
  EXPECT_EQ(kErrInputPastEnd, ErrorOf({"@I0001", "one", "@I0002", "two"}, "@I0001|0002"));
  EXPECT_EQ(kErrInputPastEnd, ErrorOf({}, "@I0001|0001"));
}

TEST(HelpFile, PlaceholdersAreFilledAndDoNotEndASection) {
  const std::vector<std::string> file = {"@I0001", "In @State (@STATE), see @PATHSPEC.",
                                         "mail me@example", "not shown", "@END"};
  EXPECT_EQ("In Texas (TEXAS), see /opt/corvanta/. ", Help(file, "@I0001|0001"));
  // A state name or folder holding "@" is put in as it is and ends nothing.
  EXPECT_EQ("In A@b (A@B), see /home/x@y/. ",
            Help(file, "@I0001|0001", nullptr, "A@b", "/home/x@y/"));
  // A folder holding a placeholder's name is not filled in again.
  EXPECT_EQ("In Texas (TEXAS), see /@State/. ",
            Help(file, "@I0001|0001", nullptr, "Texas", "/@State/"));
}

TEST(HelpFile, ShortLinesPartParagraphsCountingCharacters) {
  const std::vector<std::string> file = {"@I0001",           "a",   "", "\xC3\xA9", "ab",
                                         "\xC3\xA9\xC3\xA9", "@END"};
  EXPECT_EQ("a \r\n\r\n \r\n\r\n\xC3\xA9 \r\n\r\nab \xC3\xA9\xC3\xA9 ", Help(file, "@I0001|0001"));
  EXPECT_EQ(1u, CharacterCount("\xC3\xA9"));
}

TEST(HelpFile, TagLinesAreSixCharactersOfTagAndDigits) {
  EXPECT_TRUE(IsSectionTag("@I0007"));
  EXPECT_TRUE(IsSectionTag("@I0007 anything"));
  EXPECT_FALSE(IsSectionTag("@I007"));
  EXPECT_FALSE(IsSectionTag("@I00x7"));
  EXPECT_TRUE(HoldsMark("a @ b"));
  EXPECT_FALSE(HoldsMark("@State and @STATE in @PATHSPEC"));
  EXPECT_TRUE(HoldsMark("@@State"));
}

TEST(HelpFile, AHugeSectionIsHeldToItsLimit) {
  std::vector<std::string> file = {"@I0001"};
  file.insert(file.end(), 40000, std::string(100, 'x'));
  file.push_back("@END");
  const std::string text = Help(file, "@I0001|0001");
  EXPECT_GE(text.size(), kMaxHelpText);
  EXPECT_LE(text.size(), kMaxHelpText + 8);
  // One line longer than the limit is cut to it.
  EXPECT_EQ(kMaxHelpText + 1,
            Help({"@I0001", std::string(3000000, 'y'), "@END"}, "@I0001|0001").size());
}

}  // namespace
}  // namespace kvx::help
