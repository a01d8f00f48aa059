// The edition's help text as the viewer lays it out: the lines of a paragraph are joined
// with a blank, and only an empty line breaks the text. A break anywhere else would leave
// part of a sentence alone on a line of its own, so every line the viewer shows for
// every topic ends a sentence.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "base/Errors.h"
#include "base/Files.h"
#include "base/Text.h"
#include "helpviewer/HelpFile.h"
#include "helpviewer/HelpTopics.h"

namespace kvx::help {
namespace {

std::vector<std::string> ReadLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return SplitLines(std::string(std::istreambuf_iterator<char>(in), {}));
}

bool EndsASentence(const std::string& text) {
  std::size_t end = text.find_last_not_of(" ");
  while (end != std::string::npos && end > 0 && (text[end] == ')' || text[end] == '"')) --end;
  return end != std::string::npos && Contains(".:?!", std::string(1, text[end]));
}

// Each shown line, of each topic, that stops in the middle of a sentence, with its topic.
std::vector<std::string> BrokenLines(const std::vector<std::string>& file) {
  std::vector<std::string> broken;
  for (const HelpTopic& topic : HelpTopics()) {
    if (topic.title.empty()) continue;
    char code[16];
    std::snprintf(code, sizeof code, "@I%04d|%04d", topic.first, topic.last);
    std::size_t at = 0;
    std::string mark;
    std::string text;
    try {
      text = AssembleHelp(
          [&] {
            if (at == file.size()) Raise(kErrInputPastEnd, "past the end");
            return file[at++];
          },
          code, "Texas", "/opt/corvanta/", mark);
    } catch (const KvxError&) {
      continue;  // a topic whose section is missing: kvxbook check reports it
    }
    for (const std::string& line : SplitLines(text))
      if (!TrimSpaces(line).empty() && !EndsASentence(line))
        broken.push_back(TrimSpaces(topic.title) + ": ..." +
                         line.substr(line.size() > 40 ? line.size() - 40 : 0));
  }
  return broken;
}

TEST(HelpTextLayout, ABreakInsideASentenceIsFound) {
  const std::vector<std::string> file = {"@I0001 GENERAL",
                                         "A sentence that",
                                         "goes on.",
                                         "",
                                         "@I0002 OVERVIEW",
                                         "Owned by one",
                                         "",
                                         "person, it says.",
                                         "",
                                         "@END"};
  const std::vector<std::string> broken = BrokenLines(file);
  const auto found = [&](const std::string& part) {
    return std::any_of(broken.begin(), broken.end(),
                       [&](const std::string& line) { return Contains(line, part); });
  };
  EXPECT_TRUE(found(">> OVERVIEW: ...Owned by one")) << broken.size();
  EXPECT_FALSE(found("goes on."));
}

TEST(HelpTextLayout, EveryShownLineOfTheEditionsHelpEndsASentence) {
  const std::vector<std::string> file = ReadLines(KVX_HELP_SOURCE);
  ASSERT_GT(file.size(), 100u) << KVX_HELP_SOURCE;
  std::string report;
  for (const std::string& line : BrokenLines(file)) report += line + "\n";
  EXPECT_EQ("", report);
}

}  // namespace
}  // namespace kvx::help
