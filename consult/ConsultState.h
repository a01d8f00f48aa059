#pragma once
// What a consulting session keeps: the company and topic the user chose, the script being
// played, the answers given, and the transcript in its two forms (one text for the
// screen, numbered lines for the printer). Every session starts from an empty one.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kvx {

inline constexpr int kTopicCount = 7;             // scripts F101.DAT to F107.DAT
inline constexpr int kCalculatorTopic = 8;        // the eighth choice: the tax calculator
inline constexpr int kScriptSlots = 1500;         // slots 0 to 1499; slot 0 unused
inline constexpr int kHelpSlots = 499;            // the help section is searched this far
inline constexpr int kAnswerSlots = 110;          // answers by question number, 0 to 109
inline constexpr std::size_t kCompanyWidth = 30;  // characters of the company name kept

struct ConsultState {
  // Chosen in the consulting command.
  std::string ConsultCompany;
  std::int32_t ConsultTopic = 0;  // 1 to 7 a topic, 8 the calculator, 0 none
  std::array<std::string, kTopicCount + 1> SessionTitle;  // slots 1 to 7

  // The script being played. Script slot 1 is the first line; the line that starts the
  // help section is stored as "@END", which ends every search.
  std::vector<std::string> Script;
  std::vector<std::string> HelpLines;  // slot 0 unused
  std::string SRCH;                    // marker of the question to show next
  std::int32_t QuestionNumber = 0;
  std::array<std::string, kAnswerSlots> Answers;

  // What the session window shows and what it hands back.
  std::string ScreenText;
  std::string AnswerMode;  // "YN", "NUM" or "DONE"
  std::int32_t MaxChoice = 0;
  std::string Answer;  // "Yes", "No", the number typed, or "QUIT"

  // The transcript: one text, and the same as numbered lines whose slot 0 holds the
  // number of the last slot used (as the runtime writes a number, leading blank).
  std::string Transcript;
  std::vector<std::string> TranscriptLines;
};

// Slot i of the numbered transcript, growing it as needed.
void SetTranscriptLine(ConsultState& s, std::size_t i, const std::string& line);

// The number of the last slot used, as slot 0 says.
std::int32_t TranscriptCount(const ConsultState& s);

}  // namespace kvx
