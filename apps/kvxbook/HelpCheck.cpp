#include "HelpCheck.h"

#include <iostream>
#include <map>

#include "base/Files.h"
#include "helpviewer/HelpFile.h"
#include "helpviewer/HelpTopics.h"

namespace kvxbook {

namespace {

int SectionOf(const std::string& tagLine) {
  return std::stoi(tagLine.substr(2, 4));
}

}  // namespace

std::vector<HelpProblem> CheckHelpText(const std::vector<std::string>& lines) {
  using namespace kvx::help;
  std::vector<HelpProblem> problems;
  std::map<int, int> tagLine;  // section -> line of its first tag, before "@END"
  int endLine = 0;
  std::string section;  // the tag whose text is being read; empty before the first
  for (std::size_t i = 0; i < lines.size() && endLine == 0; ++i) {
    const std::string& line = lines[i];
    const int number = static_cast<int>(i) + 1;
    if (IsHelpEnd(line)) {
      endLine = number;
    } else if (IsSectionTag(line)) {
      section = line.substr(0, 6);
      const auto [at, fresh] = tagLine.emplace(SectionOf(line), number);
      if (!fresh)
        problems.push_back({number, "section " + section + " is tagged again (first at line " +
                                        std::to_string(at->second) +
                                        "); the viewer never reaches it"});
    } else if (!section.empty() && HoldsMark(line)) {
      problems.push_back({number, "a stray \"@\" ends section " + section + " early"});
    }
  }
  if (endLine == 0) {
    problems.push_back({static_cast<int>(lines.size()), "the file does not end with @END"});
  } else {
    for (std::size_t i = static_cast<std::size_t>(endLine); i < lines.size(); ++i)
      if (!lines[i].empty()) {
        problems.push_back({static_cast<int>(i) + 1, "text after @END is never shown"});
        break;
      }
  }
  for (const HelpTopic& topic : HelpTopics()) {
    if (topic.title.empty()) continue;
    const std::string name = "\"" + topic.title.substr(topic.title.find_first_not_of(' ')) + "\"";
    const auto first = tagLine.find(topic.first), last = tagLine.find(topic.last);
    if (first == tagLine.end())
      problems.push_back({0, "no tag " + SectionTag(topic.first) + " for " + name});
    if (last == tagLine.end() && topic.last != topic.first)
      problems.push_back({0, "no tag " + SectionTag(topic.last) + " for " + name});
    if (first != tagLine.end() && last != tagLine.end() && last->second < first->second)
      problems.push_back({first->second, name + " ends at " + SectionTag(topic.last) +
                                             ", which comes before its first section"});
  }
  return problems;
}

void CheckHelp(const std::string& dir, CheckReport& report) {
  const std::string path = kvx::Resolve(dir + "HELP.TXT");
  if (!kvx::Exist(path)) {
    std::cerr << "kvxbook: no HELP.TXT in " << dir << ": the help text is not checked\n";
    return;
  }
  std::vector<std::string> lines;
  if (!ReadCheckedLines(path, report, lines)) return;
  for (const HelpProblem& p : CheckHelpText(lines))
    report.Add(kvx::NameOf(path), p.line, p.message);
}

}  // namespace kvxbook
