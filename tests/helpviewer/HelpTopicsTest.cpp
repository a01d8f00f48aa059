// The built-in topic table and the rows the contents list holds.

#include <gtest/gtest.h>

#include "helpviewer/HelpTopics.h"

namespace kvx::help {
namespace {

TEST(HelpTopics, TableLinesAndTheirDisplayForm) {
  ASSERT_EQ(kTopicCount, static_cast<int>(HelpTopics().size()));
  int topics = 0;
  for (int entry = 0; entry < kTopicCount; ++entry) {
    const std::string line = TopicLine(entry);
    if (HelpTopics()[static_cast<std::size_t>(entry)].title.empty()) {
      EXPECT_EQ(entry == kTopicCount - 1 ? "" : " ", line) << entry;
      EXPECT_EQ(line, DisplayForm(line));
      EXPECT_EQ("", HelpCodeOf(DisplayForm(line)));
      continue;
    }
    ++topics;
    ASSERT_EQ(91u, line.size()) << entry;
    const std::string shown = DisplayForm(line);
    ASSERT_EQ(131u, shown.size());
    EXPECT_EQ(line.substr(0, 80), shown.substr(0, 80));
    EXPECT_EQ(std::string(40, ' '), shown.substr(80, 40));
    EXPECT_EQ(line.substr(80), HelpCodeOf(shown));
  }
  EXPECT_EQ(61, topics);
  EXPECT_EQ(">> GENERAL INFO ON CORVANTA" + std::string(53, ' ') + "@I0001|0035", TopicLine(0));
  EXPECT_EQ("   ... Owned by One Person?", TopicLine(12).substr(0, 27));
  EXPECT_EQ("@I0010|0011", HelpCodeOf(DisplayForm(TopicLine(12))));
  EXPECT_EQ(" - ABOUT THE AUTHOR, VESKER", TopicLine(75).substr(0, 27));
  EXPECT_EQ("@I0400|0400", HelpCodeOf(DisplayForm(TopicLine(75))));
  EXPECT_EQ("", TopicLine(kTopicCount));
}

}  // namespace
}  // namespace kvx::help
