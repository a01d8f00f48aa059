#include "helpviewer/HelpTopics.h"

#include <cstdio>

#include "base/Text.h"

namespace kvx::help {

namespace {

// Indent, title, first and last section. A separator has neither title nor sections;
// the list ends with an empty entry rather than a one-space one.
struct Row {
  int indent;
  const char* title;
  int first, last;
};

constexpr Row kRows[] = {
    {0, ">> GENERAL INFO ON CORVANTA", 1, 35},
    {0, nullptr, 0, 0},
    {0, ">> ABOUT THE AUTHOR, Vesker, J.D., CPA", 400, 400},
    {0, nullptr, 0, 0},
    {0, ">> OVERVIEW", 2, 35},
    {1, "- Main Purpose of the Software", 3, 3},
    {1, "- Use of Web Browser", 4, 4},
    {1, "- How To Find Information You Need", 5, 5},
    {1, "- Answering Interview Questions Correctly", 6, 35},
    {3, "... Company Name Question", 7, 7},
    {3, "... Enter Data File Name (Create New File)", 8, 8},
    {3, "... Selection of Legal Entity", 9, 9},
    {3, "... Owned by One Person?", 10, 11},
    {3, "... Closely-Held C Corporation?", 11, 11},
    {3, "... Company Already in Existence?", 12, 12},
    {3, "... Number of Employees", 13, 13},
    {3, "... Gross Revenues Question", 14, 14},
    {3, "... Qualified Pension or Profit Sharing Plan", 15, 15},
    {3, "... Employee Welfare Plans", 16, 16},
    {3, "... Foreign Entity or Foreign Owners", 20, 20},
    {3, "... Franchise Business?", 25, 25},
    {3, "... Selection of Type of Business", 30, 30},
    {3, "... Does Company Have Inventories?", 35, 35},
    {0, nullptr, 0, 0},
    {0, ">> MAIN SCREEN -- DROPDOWN MENU FUNCTIONS", 100, 150},
    {0, nullptr, 0, 0},
    {1, "- File (dropdown menu)", 103, 115},
    {3, "... New Data File menu item", 106, 106},
    {3, "... Open Data File menu item", 109, 109},
    {3, "... Save Data File menu item", 111, 111},
    {3, "... Save Data File As menu item", 112, 112},
    {3, "... Print Book (state edition is indicated)", 113, 113},
    {3, "... Completely Uninstall menu item", 114, 114},
    {3, "... Exit menu item", 115, 115},
    {0, nullptr, 0, 0},
    {1, "- Options (dropdown menu)", 120, 135},
    {3, "... Update Information menu item", 125, 125},
    {3, "... Make Generic Version menu item", 130, 131},
    {3, "... Make Non-Generic Version menu item", 131, 131},
    {3, "... View PDF File", 132, 132},
    {0, nullptr, 0, 0},
    {1, "- Help (dropdown menu)", 140, 150},
    {3, "... Corvanta HELP - F1 menu item", 145, 145},
    {3, "... Halvorn Software website menu item", 147, 147},
    {3, "... Fix IE-8 Browser Problem", 148, 148},
    {3, "... About menu item", 150, 150},
    {0, nullptr, 0, 0},
    {0, ">> CONFIGURATION INFORMATION DISPLAYS", 175, 200},
    {0, nullptr, 0, 0},
    {1, "- Company Name", 180, 180},
    {1, "- State Selected", 200, 200},
    {0, nullptr, 0, 0},
    {0, ">> MAIN SCREEN -- MAIN FUNCTIONS", 201, 250},
    {0, nullptr, 0, 0},
    {1, "- SELECT STATE EDITION button", 202, 202},
    {1, "- CHANGE COMPANY INTERVIEW DATA button", 204, 204},
    {1, "- VIEW COMPANY DATA SET button", 206, 206},
    {1, "- ENTREPRENEUR SELF-TEST button", 208, 208},
    {1, "- GO! (OPEN TABLE OF CONTENTS) button", 210, 210},
    {1, "- THE CONSULTANT button", 250, 250},
    {0, nullptr, 0, 0},
    {0, ">> MAIN SCREEN -- TOPIC INDEX LISTBOX", 260, 280},
    {0, nullptr, 0, 0},
    {1, "- About the Topic Index", 265, 265},
    {1, "- Using the Topic Index", 280, 280},
    {0, nullptr, 0, 0},
    {0, ">> MAIN SCREEN -- GENERAL SUBJECT AREAS", 300, 325},
    {0, nullptr, 0, 0},
    {1, "- BUSINESS STARTUP CHECKLIST button", 305, 305},
    {1, "- TAX MATTERS button", 308, 308},
    {1, "- LEGAL MATTERS button", 310, 310},
    {1, "- EMPLOYEES button", 315, 315},
    {1, "- ACCOUNTING button", 320, 320},
    {1, "- OTHER MATTERS button", 325, 325},
    {0, nullptr, 0, 0},
    {1, "- ABOUT THE AUTHOR, VESKER", 400, 400},
    {0, nullptr, 0, 0},
};

static_assert(sizeof kRows / sizeof kRows[0] == kTopicCount);

std::string Digits4(int n) {
  char text[8];
  std::snprintf(text, sizeof text, "%04d", n);
  return text;
}

}  // namespace

const std::vector<HelpTopic>& HelpTopics() {
  static const std::vector<HelpTopic> topics = [] {
    std::vector<HelpTopic> list;
    for (const Row& row : kRows) {
      HelpTopic topic;
      if (row.title) {
        topic.title = std::string(static_cast<std::size_t>(row.indent), ' ') + row.title;
        topic.first = row.first;
        topic.last = row.last;
      }
      list.push_back(topic);
    }
    return list;
  }();
  return topics;
}

std::string SectionTag(int section) {
  return "@I" + Digits4(section);
}

std::string TopicLine(int entry) {
  const std::vector<HelpTopic>& topics = HelpTopics();
  if (entry < 0 || entry >= static_cast<int>(topics.size())) return {};
  const HelpTopic& topic = topics[static_cast<std::size_t>(entry)];
  if (topic.title.empty()) return entry == kTopicCount - 1 ? "" : " ";
  std::string line = topic.title;
  line.resize(kTitleWidth, ' ');
  return line + SectionTag(topic.first) + "|" + Digits4(topic.last);
}

std::string DisplayForm(const std::string& topicLine) {
  if (!Contains(topicLine, "@I") || topicLine.size() < kTitleWidth + kCodeWidth) return topicLine;
  return topicLine.substr(0, kTitleWidth) + std::string(40, ' ') +
         topicLine.substr(topicLine.size() - kCodeWidth);
}

std::string HelpCodeOf(const std::string& row) {
  if (!Contains(row, "@I") || row.size() < kCodeWidth) return {};
  return row.substr(row.size() - kCodeWidth);
}

}  // namespace kvx::help
