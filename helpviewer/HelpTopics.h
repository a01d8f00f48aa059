#pragma once
// The help viewer's built-in list of topics. Each entry is a separator (one space, or an
// empty text for the last one) or a topic line: the title padded with spaces to 80
// characters, then the 11-character code "@I" + first section + "|" + last section.

#include <string>
#include <vector>

namespace kvx::help {

inline constexpr int kTopicCount = 77;
inline constexpr int kTitleWidth = 80;
inline constexpr int kCodeWidth = 11;

struct HelpTopic {
  std::string title;  // with its indent; empty for a separator
  int first = 0;      // first and last section; 0 for a separator
  int last = 0;
};

// The 77 entries in display order.
const std::vector<HelpTopic>& HelpTopics();

// "@I0007": the tag line that begins a section.
std::string SectionTag(int section);

// The entry as the table stores it: the 91-character topic line, or the separator.
std::string TopicLine(int entry);

// What the contents list holds for a table line: a topic line's 80-character title, 40
// spaces, then its code, which the list is too narrow to show; a separator as it is.
std::string DisplayForm(const std::string& topicLine);

// The code a selected list row stands for: its last 11 characters when it holds "@I",
// else empty (a separator).
std::string HelpCodeOf(const std::string& row);

}  // namespace kvx::help
