#include "consult/ScriptCheck.h"

#include <algorithm>
#include <limits>
#include <map>
#include <optional>
#include <set>
#include <utility>

#include "base/Errors.h"
#include "base/Text.h"
#include "consult/ConsultState.h"
#include "consult/ScriptReader.h"
#include "consult/SessionWindow.h"

namespace kvx {

namespace {

// A question as a session can stand at it. In topic 3 the branch rule reads the first
// answer, so there a question reached after different first answers is a different
// state; elsewhere a is always -1.
struct State {
  std::string srch;
  int a = -1;  // the first answer as a number; -1 before question 1 is answered
  std::size_t marker = 0, directive = 0;
  Directive kind = Directive::Other;
  bool deadEnd = false;  // names no next question
  std::vector<std::size_t> next;
};

class Checker {
 public:
  Checker(const ScriptText& text, int topic) : t_(text), topic_(topic) {}

  std::vector<ScriptProblem> Run() {
    Intern("@Q01", -1, 0);
    for (std::size_t i = 0; i < states_.size(); ++i) Expand(i);
    CheckSilentRounds();
    CheckEndings();
    CheckMarkers();
    CheckHelp();
    CheckReports();
    return Sorted();
  }

 private:
  void Add(std::size_t line, const std::string& message) {
    problems_.insert({static_cast<int>(line), message});
  }

  std::vector<ScriptProblem> Sorted() const {
    std::vector<ScriptProblem> out;
    for (const auto& [line, message] : problems_) out.push_back({line, message});
    return out;
  }

  // The state for question srch after first answer a, made on first sight; -1 when the
  // script has no such question (reported at the line that names it).
  int Intern(const std::string& srch, int a, std::size_t namedAt) {
    if (topic_ != 3) a = -1;
    const auto key = std::make_pair(srch, a);
    if (const auto it = index_.find(key); it != index_.end()) return static_cast<int>(it->second);
    named_.insert(srch);
    // Topic 3 meets a question once for each first answer: find its block once.
    auto found = blocks_.find(srch);
    if (found == blocks_.end()) {
      std::optional<QuestionBlock> located;
      try {
        located = LocateQuestion(t_.script, srch);
      } catch (const KvxError&) {
      }
      found = blocks_.emplace(srch, located).first;
    }
    if (!found->second) {
      bool exists = false;
      for (std::size_t i = 1; i + 1 < t_.script.size() && !exists; ++i)
        exists = MarkerText(t_.script[i]) == srch;
      Add(namedAt, exists ? "question " + srch + " has no directive before the help section"
                          : (namedAt == 0 ? "the script has no question " : "no question ") + srch +
                                (namedAt == 0 ? "" : " for this line to go to"));
      return -1;
    }
    const QuestionBlock& block = *found->second;
    State state;
    state.srch = srch;
    state.a = a;
    state.marker = block.marker;
    state.directive = block.directive;
    state.kind = DirectiveOf(MarkerText(t_.script[block.directive]));
    states_.push_back(state);
    index_[key] = states_.size() - 1;
    return static_cast<int>(states_.size() - 1);
  }

  void Edge(std::size_t from, const std::string& srch, int a, std::size_t namedAt) {
    const int to = Intern(srch, a, namedAt);
    if (to >= 0)
      states_[from].next.push_back(static_cast<std::size_t>(to));
    else
      states_[from].deadEnd = true;  // reported where the line names it
  }

  const std::string& Slot(std::size_t i) const { return ScriptSlot(t_.script, i); }
  bool IsMarkerLine(std::size_t i) const {
    return i >= t_.script.size() - 1 || StartsWith(MarkerText(Slot(i)), "@");
  }

  void Expand(std::size_t i) {
    const State s = states_[i];  // a copy: Edge may grow states_
    const std::size_t d = s.directive;
    const std::string directive = MarkerText(Slot(d));
    const int number = LastTwoNumber(s.srch);
    switch (s.kind) {
      case Directive::YesNo:
        for (std::size_t k = 1; k <= 2; ++k) {
          if (IsMarkerLine(d + k)) {
            Add(d, "@YN needs a Yes line and a No line after it");
            states_[i].deadEnd = true;
            break;
          }
          Edge(i, QuestionMarker(LastTwoNumber(Slot(d + k))), number == 1 ? 0 : s.a, d + k);
        }
        return;
      case Directive::Choice: {
        const int n = LastTwoNumber(directive);
        std::size_t lines = 0;
        while (!IsMarkerLine(d + lines + 1) && FirstTwoNumber(Slot(d + lines + 1)) >= 1) ++lines;
        if (n < 1) {
          Add(d, "@MC offers no choice (its last two characters give the number of choices)");
          states_[i].deadEnd = true;
          return;
        }
        if (lines != static_cast<std::size_t>(n))
          Add(d, "@MC says " + std::to_string(n) + " choices but " + std::to_string(lines) +
                     " choice lines follow");
        std::set<int> named;
        for (int k = 1; k <= n; ++k) {
          const std::size_t line = d + static_cast<std::size_t>(k);
          if (IsMarkerLine(line)) break;
          const int choice = FirstTwoNumber(Slot(line));
          if (choice < 1 || choice > n || !named.insert(choice).second) continue;
          Edge(i, QuestionMarker(LastTwoNumber(Slot(line))), number == 1 ? choice : s.a, line);
        }
        for (int k = 1; k <= n; ++k)
          if (!named.count(k))
            Add(d, "no choice line for " + std::to_string(k) + ", which the number field takes");
        return;
      }
      case Directive::GoTo:
        Edge(i, "@" + directive.substr(directive.size() < 3 ? 0 : directive.size() - 3), s.a, d);
        return;
      case Directive::Branch:
        if (topic_ == 2) {
          branchLines_.insert(d);
          Edge(i, QuestionMarker(kTopic2Next), s.a, d);
        } else if (topic_ == 3 && Topic3Next(s.a, number == 4) > 0) {
          Edge(i, QuestionMarker(Topic3Next(s.a, number == 4)), s.a, d);
        } else {
          Add(d, topic_ == 3
                     ? "@BR has no branch for a first answer of " +
                           (s.a < 0 ? std::string("(none)") : std::to_string(s.a)) +
                           " (topic 3 branches for 2 to 5)"
                     : "@BR in topic " + std::to_string(topic_) + ", which has no branch rule");
          states_[i].deadEnd = true;
        }
        return;
      case Directive::Stop:
        return;
      case Directive::Other:
        Add(d, "unknown directive " + directive);
        states_[i].deadEnd = true;
        return;
    }
  }

  bool Silent(const State& s) const {
    return s.kind == Directive::GoTo || s.kind == Directive::Branch;
  }

  // A round through "@GO" and "@BR" alone would go on for ever.
  void CheckSilentRounds() {
    std::vector<int> colour(states_.size(), 0);  // 0 new, 1 on the path, 2 done
    for (std::size_t root = 0; root < states_.size(); ++root) {
      if (colour[root] || !Silent(states_[root])) continue;
      std::vector<std::pair<std::size_t, std::size_t>> stack{{root, 0}};
      colour[root] = 1;
      while (!stack.empty()) {
        auto& [at, edge] = stack.back();
        if (edge == states_[at].next.size()) {
          colour[at] = 2;
          stack.pop_back();
          continue;
        }
        const std::size_t to = states_[at].next[edge++];
        if (!Silent(states_[to])) continue;
        if (colour[to] == 1)
          Add(states_[to].directive,
              "@GO/@BR go round through " + states_[to].srch + " without asking anything");
        if (colour[to] == 0) {
          colour[to] = 1;
          stack.push_back({to, 0});
        }
      }
    }
  }

  // The states from which some path leads to a state that satisfies goal.
  template <class Goal>
  std::vector<bool> Leading(Goal goal) const {
    std::vector<std::vector<std::size_t>> back(states_.size());
    for (std::size_t i = 0; i < states_.size(); ++i)
      for (std::size_t to : states_[i].next) back[to].push_back(i);
    std::vector<bool> reached(states_.size(), false);
    std::vector<std::size_t> work;
    for (std::size_t i = 0; i < states_.size(); ++i)
      if (goal(states_[i])) {
        reached[i] = true;
        work.push_back(i);
      }
    while (!work.empty()) {
      const std::size_t at = work.back();
      work.pop_back();
      for (std::size_t from : back[at])
        if (!reached[from]) {
          reached[from] = true;
          work.push_back(from);
        }
    }
    return reached;
  }

  // Every path ends at "@ST": a question from which no path gets there, and which does
  // not merely lead to a dead end already reported, is caught in a round of questions.
  void CheckEndings() {
    const std::vector<bool> stops =
        Leading([](const State& s) { return s.kind == Directive::Stop; });
    const std::vector<bool> dies = Leading([](const State& s) { return s.deadEnd; });
    for (std::size_t i = 0; i < states_.size(); ++i)
      if (!stops[i] && !dies[i])
        Add(states_[i].marker, "no path from " + states_[i].srch + " leads to @ST");
  }

  void CheckMarkers() {
    const std::set<std::string>& reached = named_;  // a block without directive included
    std::map<std::string, std::size_t> first;
    for (std::size_t i = 1; i + 1 < t_.script.size(); ++i) {
      const std::string marker = MarkerText(t_.script[i]);
      if (!StartsWith(marker, "@Q")) continue;
      if (const auto it = first.find(marker); it != first.end()) {
        Add(i, "a second " + marker + ": only the one on line " + std::to_string(it->second) +
                   " is played");
        continue;
      }
      first[marker] = i;
      if (!reached.count(marker)) Add(i, "question " + marker + " cannot be reached from @Q01");
    }
  }

  // Every screen a user sees has help: the questions asked and the transcript.
  void CheckHelp() {
    const std::size_t helpStart = t_.script.size() - 1;  // the "@HELP" line
    std::set<std::string> done;
    for (const State& s : states_) {
      if (s.kind != Directive::YesNo && s.kind != Directive::Choice && s.kind != Directive::Stop)
        continue;
      if (!done.insert(s.srch).second) continue;
      const int number = LastTwoNumber(s.srch);
      if (!HelpText(t_.help, number).empty()) continue;
      bool later = false;
      for (std::size_t j = kHelpSlots + 1; j < t_.help.size() && !later; ++j)
        later = TrimSpaces(t_.help[j]) == HelpMarker(number);
      Add(s.marker, later ? "the help block of " + s.srch + " lies past the " +
                                std::to_string(kHelpSlots) + " help lines the program searches"
                          : "question " + s.srch + " has no help block " + HelpMarker(number));
    }
    if (!t_.helpEnded)
      Add(helpStart + t_.help.size() - 1, "the help section does not end with @END");
  }

  // Topic 2's branch shows the report block its rule picks from the answers given.
  void CheckReports() {
    if (branchLines_.empty()) return;
    std::set<int> yesNo;
    for (const State& s : states_)
      if (s.kind == Directive::YesNo) yesNo.insert(LastTwoNumber(s.srch));
    for (const ReportRule& rule : kTopic2Rules) {
      if (!yesNo.count(rule.question) || FindReport(t_.script, rule.report)) continue;
      for (std::size_t line : branchLines_)
        Add(line, "no report block @RD" + std::string(rule.report < 10 ? "0" : "") +
                      std::to_string(rule.report) + ", which the branch shows when question " +
                      std::to_string(rule.question) + " is answered " + rule.answer);
    }
  }

  const ScriptText& t_;
  int topic_;
  std::vector<State> states_;
  std::map<std::pair<std::string, int>, std::size_t> index_;
  std::set<std::size_t> branchLines_;
  std::set<std::string> named_;  // every question some path names
  std::map<std::string, std::optional<QuestionBlock>> blocks_;
  std::set<std::pair<int, std::string>> problems_;
};

}  // namespace

std::vector<ScriptProblem> CheckScript(const std::string& fullName, int topic) {
  ScriptText text;
  try {
    text = ReadScript(fullName, "|CONAME|", std::numeric_limits<std::size_t>::max());
  } catch (const KvxError& e) {
    return {{e.number == kErrOutOfRange ? kScriptSlots - 1 : 0, TrimSpaces(e.diag)}};
  } catch (const std::exception&) {
    return {{0, "the script cannot be read into memory"}};
  }
  return Checker(text, topic).Run();
}

}  // namespace kvx
