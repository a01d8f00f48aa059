#include "consult/ScriptInterpreter.h"

#include <set>

#include "base/Errors.h"
#include "base/Text.h"
#include "consult/ConsultState.h"
#include "consult/ScriptReader.h"
#include "consult/SessionWindow.h"
#include "consult/Transcript.h"
#include "core/App.h"
#include "core/Messages.h"
#include "core/Trap.h"

namespace kvx {

namespace {

const char* const kAnswerLine = "             YOUR ANSWER = ";

// One session's walk through its script; c is the last slot of the numbered transcript.
class Player {
 public:
  explicit Player(App& app) : app_(app), s_(app.consult) {}

  void Play() {
    const ScriptText text =
        ReadScript(app_.Path(ScriptFileName(s_.ConsultTopic)), s_.ConsultCompany);
    s_.Script = text.script;
    s_.HelpLines = text.help;
    s_.SRCH = "@Q01";
    bool askAgain = false;  // a choice no choice line names: the same screen once more
    // Questions passed through "@GO" or "@BR" since the last answer. Those steps depend
    // only on the question and the answers, so meeting one again means going round for
    // ever without asking anything.
    std::set<std::string> silent;
    for (;;) {
      const QuestionBlock block = ShowQuestion(!askAgain);
      askAgain = false;
      const std::size_t d = block.directive;
      const std::string directive = MarkerText(s_.Script[d]);
      int next = 0;
      switch (DirectiveOf(directive)) {
        case Directive::Stop:
          Complete();
          return;
        case Directive::GoTo:
        case Directive::Branch:
          if (!silent.insert(s_.SRCH).second)
            Raise(kErrIllegalCall,
                  " The script goes round without asking anything (SRCH$ item " + s_.SRCH + ")");
          if (DirectiveOf(directive) == Directive::GoTo)
            s_.SRCH = "@" + directive.substr(directive.size() < 3 ? 0 : directive.size() - 3);
          else
            Branch();
          continue;
        case Directive::YesNo:
          Ask("YN", 0);
          if (s_.Answer == "Yes")
            next = LastTwoNumber(ScriptSlot(s_.Script, d + 1));
          else if (s_.Answer == "No")
            next = LastTwoNumber(ScriptSlot(s_.Script, d + 2));
          else
            return;  // the user closed the window: no transcript
          break;
        case Directive::Choice: {
          const int n = LastTwoNumber(directive);
          Ask("NUM", n);
          const int k = LeadingInt32(s_.Answer).value_or(0);
          if (k == 0) return;
          bool found = false;
          for (int i = 1; i <= n && !found; ++i) {
            const std::string& choice = ScriptSlot(s_.Script, d + static_cast<std::size_t>(i));
            if (FirstTwoNumber(choice) == k) {
              next = LastTwoNumber(choice);
              found = true;
            }
          }
          if (!found) {
            app_.ui.ShowMessage(Box(app_.session.ProgName,
                                    "Error in CASE @MC statement in SUB Consult", Icon::Stop));
            askAgain = true;
            continue;
          }
          break;
        }
        case Directive::Other:
          // Nothing names the next question: going on would show this one for ever.
          Raise(kErrIllegalCall,
                " Unknown directive " + directive + " after SRCH$ item " + s_.SRCH);
      }
      silent.clear();
      RecordAnswer(next);
    }
  }

 private:
  void AddLine(const std::string& line) {
    SetTranscriptLine(s_, ++c_, line);
    s_.TranscriptLines[0] = NumberText(static_cast<long long>(c_));
  }

  // Puts the question's text on the screen and, the first time, into the transcript.
  QuestionBlock ShowQuestion(bool record) {
    s_.ScreenText.clear();
    s_.QuestionNumber = LastTwoNumber(s_.SRCH);
    const QuestionBlock block = LocateQuestion(s_.Script, s_.SRCH);
    for (std::size_t j = block.firstText; j < block.directive; ++j) {
      const std::string line = MarkerText(s_.Script[j]);
      s_.ScreenText += ShownLine(line) + "\r\n";
      if (record) AddLine(line.size() < 2 ? " " : line);
    }
    if (record) s_.Transcript += s_.ScreenText;
    return block;
  }

  void Ask(const char* mode, int maxChoice) {
    s_.AnswerMode = mode;
    s_.MaxChoice = maxChoice;
    s_.Answer.clear();
    ShowSessionWindow(app_);
  }

  void RecordAnswer(int next) {
    if (s_.QuestionNumber >= 0 && s_.QuestionNumber < kAnswerSlots)
      s_.Answers[static_cast<std::size_t>(s_.QuestionNumber)] = TrimSpaces(s_.Answer);
    s_.SRCH = QuestionMarker(next);
    s_.Transcript += "\r\n" + std::string(kAnswerLine) + s_.Answer + "\r\n\r\n";
    AddLine(" ");
    AddLine(kAnswerLine + s_.Answer);
    AddLine(" ");
  }

  void ShowReport(int r) {
    const std::optional<std::size_t> marker = FindReport(s_.Script, r);
    if (!marker) Raise(kErrInputPastEnd, "Couldn't find @RD\\" + std::to_string(r));
    for (std::size_t j = *marker + 1; j < s_.Script.size(); ++j) {
      const std::string& line = s_.Script[j];
      if (StartsWith(MarkerText(line), "@")) break;
      s_.Transcript += line + "\r\n";
      AddLine(line);
    }
  }

  void Branch() {
    if (s_.ConsultTopic == 2) {
      int r = 0;
      for (const ReportRule& rule : kTopic2Rules)
        if (s_.Answers[static_cast<std::size_t>(rule.question)] == rule.answer) r = rule.report;
      if (r > 0) ShowReport(r);
      s_.SRCH = QuestionMarker(kTopic2Next);
      return;
    }
    if (s_.ConsultTopic == 3) {
      const int a = LeadingInt32(s_.Answers[1]).value_or(0);
      const int next = Topic3Next(a, s_.QuestionNumber == 4);
      if (next == 0)
        Raise(kErrIllegalCall, " @BR has no branch for a first answer of " + s_.Answers[1] +
                                   " (SRCH$ item " + s_.SRCH + ")");
      s_.SRCH = QuestionMarker(next);
      return;
    }
    Raise(kErrIllegalCall, " @BR in a topic without a branch rule (SRCH$ item " + s_.SRCH + ")");
  }

  void Complete() {
    s_.ScreenText =
        "\r\n    TRANSCRIPT OF CONSULTING SESSION: SCROLL DOWN FOR CONCLUSIONS:\r\n\r\n" +
        s_.Transcript;
    AppendDisclaimer(s_);
    QuickMessage(app_,
                 "Your consulting session is complete.\r\n\r\nA transcript of your interview "
                 "will be displayed in a few seconds. Scroll down to the bottom of the "
                 "transcript to read the conclusions of Rud Izazozodur.");
    s_.AnswerMode = "DONE";
    s_.Answer.clear();
    ShowSessionWindow(app_);
  }

  App& app_;
  ConsultState& s_;
  std::size_t c_ = 3;  // the first question's lines start at slot 4
};

}  // namespace

void Consult(App& app) {
  ConsultState& s = app.consult;
  // Nothing of an earlier session may steer this one.
  s.HelpLines.clear();
  s.Script.clear();
  s.TranscriptLines.assign(1, "");
  s.Transcript.clear();
  s.Answer.clear();
  s.ScreenText.clear();
  s.Answers.fill("");
  s.QuestionNumber = 0;
  s.MaxChoice = 0;
  Trap(app, "Consult", [&] { Player(app).Play(); });
}

}  // namespace kvx
