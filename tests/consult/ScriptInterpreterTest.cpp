// Playing scripts: screens, answers, branches and the transcript in both forms, and every
// way a script can fail.

#include <gtest/gtest.h>

#include "base/Files.h"
#include "consult/Transcript.h"
#include "tests/consult/ConsultFixture.h"

namespace kvx::test {
namespace {

const std::string kHeader =
    "\r\n    TRANSCRIPT OF CONSULTING SESSION: SCROLL DOWN FOR CONCLUSIONS:\r\n\r\n";
const std::string kAnswer = "             YOUR ANSWER = ";

std::string DisclaimerScreen() {
  std::string text = "\r\n\r\n";
  for (const char* line : kDisclaimer) text += std::string(line) + "\r\n";
  return text + "\r\n";
}

TEST(Consult, ABlockOfTwoLinesAndStopCompletesAtOnce) {
  Consulting c("click CLOSE\n");
  c.Script({"@Q01", "First line", "Second line", "@ST", "@HELP", "@END"});
  EXPECT_EQ(0, c.Play());
  EXPECT_EQ(kHeader + "First line\r\nSecond line\r\n" + DisclaimerScreen(), c.s().ScreenText);
  std::vector<std::string> lines = {"", "", "", "First line", "Second line", ""};
  for (const char* line : kDisclaimer) lines.push_back(line);
  lines.push_back("");
  lines.push_back(kClosingNotice);
  EXPECT_EQ(lines, c.Lines());
  EXPECT_EQ(" 15", c.s().TranscriptLines[0]);
  const std::string out = c.t.Output();
  EXPECT_NE(std::string::npos,
            out.find("== QUICK\ntext:\n  Your consulting session is complete.\n  \n  A transcript "
                     "of your interview will be displayed in a few seconds. Scroll down to the "
                     "bottom of the transcript to read the conclusions of Rud Izazozodur.\n\n"));
  EXPECT_LT(out.find("== QUICK"), out.find("== DIALOG FORM5"));
  EXPECT_NE(std::string::npos, out.find("button: &PRINT\n"));
}

const std::vector<std::string> kYesNo = {"@Q01", "Question one?", "@YN", "Yes -> Q15", "No  -> Q03",
                                         "@Q03", "Three",         "@ST", "@Q15",       "Fifteen",
                                         "@ST",  "@HELP",         "@END"};

TEST(Consult, YesAndNoFollowTheirOutcomeLines) {
  Consulting yes("click YES\nclick CLOSE\n");
  yes.Script(kYesNo);
  yes.Play();
  EXPECT_EQ("Question one?\r\n\r\n" + kAnswer + "Yes\r\n\r\nFifteen\r\n", yes.s().Transcript);
  EXPECT_EQ("Yes", yes.s().Answers[1]);
  EXPECT_EQ(15, yes.s().QuestionNumber);
  const std::vector<std::string> lines = yes.Lines();
  const std::vector<std::string> start(lines.begin(), lines.begin() + 8);
  EXPECT_EQ(
      (std::vector<std::string>{"", "", "", "Question one?", " ", kAnswer + "Yes", " ", "Fifteen"}),
      start);

  Consulting no("click NO\nclick CLOSE\n");
  no.Script(kYesNo);
  no.Play();
  EXPECT_EQ("Question one?\r\n\r\n" + kAnswer + "No\r\n\r\nThree\r\n", no.s().Transcript);
}

TEST(Consult, ClosingAQuestionEndsWithoutTranscript) {
  Consulting c("click CLOSE\n");
  c.Script(kYesNo);
  EXPECT_EQ(0, c.Play());
  EXPECT_EQ("QUIT", c.s().Answer);
  EXPECT_EQ(std::string::npos, c.t.Output().find("complete"));
  EXPECT_EQ(1, Count(c.t.Output(), "== DIALOG FORM5"));
  EXPECT_EQ("", c.s().Answers[1]);  // a quit records nothing

  Consulting box("close\n");  // the close box of a numbered question
  box.Script({"@Q01", "Pick", "@MC 02", "1 -> 02", "2 -> 02", "@Q02", "@ST", "@HELP", "@END"});
  box.Play();
  EXPECT_EQ(std::string::npos, box.t.Output().find("YOUR ANSWER"));
}

TEST(Consult, NumberedChoiceRefusesNumbersOutOfRangeAndFollowsTheChoiceLine) {
  Consulting c("type 0\nclick ENTER\ntype 4\nclick ENTER\ntype 2\nclick ENTER\nclick CLOSE\n");
  c.Script({"@Q01", "Pick one:", "  1. a  2. b  3. c", "@MC 03", "1 -> 04", "2 -> 05", "3 -> 09",
            "@Q04", "Four", "@ST", "@Q05", "Five", "@ST", "@Q09", "Nine", "@ST", "@HELP", "@END"});
  c.Play();
  const std::string out = c.t.Output();
  EXPECT_NE(std::string::npos, out.find("label: Enter number (1 to 3) here -->\nfield: 1\n"
                                        "button: &ENTER [default]\n"));
  EXPECT_EQ(2, Count(out, "== QUICK\ntext: Number entered is out of range (1 to 3)\n"));
  EXPECT_NE(std::string::npos, out.find("field: \nbutton: &ENTER"));  // emptied after each
  EXPECT_EQ("2", c.s().Answers[1]);
  EXPECT_NE(std::string::npos, c.s().Transcript.find(kAnswer + "2\r\n\r\nFive\r\n"));
}

TEST(Consult, AChoiceNoLineNamesIsAskedAgainAndRecordedOnce) {
  Consulting c("type 3\nclick ENTER\nOK\ntype 1\nclick ENTER\nclick CLOSE\n");
  c.Script({"@Q01", "Pick", "@MC 03", "1 -> 02", "2 -> 02", "5 -> 02", "@Q02", "End", "@ST",
            "@HELP", "@END"});
  c.Play();
  EXPECT_NE(std::string::npos, c.t.Output().find("== MESSAGE\ntitle: Corvanta\nicon: stop\n"
                                                 "buttons: OK\ndefault: OK\n"
                                                 "text: Error in CASE @MC statement in SUB "
                                                 "Consult\n"));
  // Both screens show it (each written again after the number is typed), then the
  // transcript once.
  EXPECT_EQ(5, Count(c.t.Output(), "  Pick\n"));
  EXPECT_EQ("Pick\r\n\r\n" + kAnswer + "1\r\n\r\nEnd\r\n", c.s().Transcript);
  EXPECT_EQ(1, Count(JoinLines(c.Lines()), "Pick"));
}

TEST(Consult, CompanyNameIndentedMarkersAndShortLines) {
  Consulting c("key F1\nOK\nclick YES\nclick HELP\nOK\nclick CLOSE\n");
  c.Script({"   @Q01   ", "Is |CONAME| ready?", "   mail @ home   ", "x", "", "  @YN", "Yes 07",
            "No 07", "@Q07", "Done for |CONAME|.", "@ST", "@HELP", "@H\\01",
            "  Help about |CONAME|.", "second line", "@H\\02", "other", "@END"});
  c.Play();
  EXPECT_EQ("Is Acme Widgets ready?\r\nmail @ home\r\n\r\n\r\n\r\n" + kAnswer +
                "Yes\r\n\r\nDone for Acme Widgets.\r\n",
            c.s().Transcript);
  const std::vector<std::string> lines = c.Lines();
  EXPECT_EQ((std::vector<std::string>{"Is Acme Widgets ready?", "mail @ home", " ", " "}),
            std::vector<std::string>(lines.begin() + 3, lines.begin() + 7));
  const std::string out = c.t.Output();
  EXPECT_NE(std::string::npos,
            out.find("== MESSAGE\ntitle: Corvanta Help\nicon: none\nbuttons: OK\ndefault: OK\n"
                     "text:\n  Help about Acme Widgets.\n  second line\n  \n\n"));
  // On the transcript screen, help is that of the last question, which has none.
  EXPECT_NE(std::string::npos, out.find("text: No Help available for this screen.\n"));
}

TEST(Consult, AnswersOfOneSessionNeverSteerTheNext) {
  Consulting c("click NO\nclick CLOSE\nclick CLOSE\n", 2);
  c.Script({"@Q01", "Corporation?", "@YN", "Y 02", "N 02", "@Q02", "@BR", "@Q15", "End", "@ST",
            "@RD\\01", "Not a corporation.", "@HELP", "@END"});
  c.Play();
  EXPECT_NE(std::string::npos, c.s().Transcript.find("Not a corporation.\r\nEnd\r\n"));
  c.Script({"@Q01", "@BR", "@Q15", "Again", "@ST", "@HELP", "@END"});
  c.Play();
  EXPECT_EQ("Again\r\n", c.s().Transcript);
  EXPECT_EQ(std::string::npos, c.t.Output().find("Couldn't find"));
}

// Topic 2 shows the report its rule picks, later tests overriding earlier ones.
TEST(Consult, TopicTwoShowsTheReportOfTheLastRuleThatHolds) {
  const std::vector<std::string> script = {
      "@Q01",        "One",     "@YN",           "Y 03",        "N 03",    "@Q03",
      "Three",       "@YN",     "Y 08",          "N 08",        "@Q08",    "Eight",
      "@YN",         "Y 04",    "N 04",          "@Q04",        "@BR",     "@Q15",
      "End",         "@ST",     "@RD\\01",       "Report one.", "@RD\\03", "Report three.",
      "  two lines", "@RD\\08", "Report eight.", "@HELP",       "@END"};
  struct Case {
    const char* answers;
    const char* report;
  } cases[] = {{"click NO\nclick NO\nclick NO\n", "Report one.\r\n"},
               {"click NO\nclick YES\nclick NO\n", "Report three.\r\n  two lines\r\n"},
               {"click NO\nclick YES\nclick YES\n", "Report eight.\r\n"},
               {"click YES\nclick NO\nclick NO\n", ""}};
  for (const Case& k : cases) {
    Consulting c(std::string(k.answers) + "click CLOSE\n", 2);
    c.Script(script);
    c.Play();
    const std::string& t = c.s().Transcript;
    EXPECT_NE(std::string::npos, t.find("\r\n\r\n" + std::string(k.report) + "End\r\n"))
        << k.answers << t;
    EXPECT_EQ(k.report[0] ? 1 : 0, Count(t, "Report")) << k.answers << t;
  }
  // The report lines are numbered transcript lines too.
  Consulting c("click NO\nclick YES\nclick NO\nclick CLOSE\n", 2);
  c.Script(script);
  c.Play();
  EXPECT_EQ(1, Count(JoinLines(c.Lines()), "  two lines\r\n"));
}

TEST(Consult, TopicThreeBranchesByTheFirstAnswerAndTheQuestion) {
  std::vector<std::string> script = {"@Q01", "Month?", "@MC 05"};
  for (int k = 1; k <= 5; ++k) script.push_back(std::to_string(k) + " -> 02");
  for (const char* line : {"@Q02", "Where?", "@YN", "Y 04", "N 05", "@Q04", "@BR", "@Q05", "@BR"})
    script.push_back(line);
  for (int q : {6, 7, 8, 9, 10, 11, 13, 14}) {
    script.push_back(QuestionMarker(q));
    script.push_back("Reached " + std::to_string(q));
    script.push_back("@ST");
  }
  script.push_back("@HELP");
  script.push_back("@END");
  const int inFour[] = {6, 8, 10, 13}, elsewhere[] = {7, 9, 11, 14};
  for (int a = 2; a <= 5; ++a)
    for (bool four : {true, false}) {
      Consulting c("type " + std::to_string(a) + "\nclick ENTER\nclick " + (four ? "YES" : "NO") +
                       "\nclick CLOSE\n",
                   3);
      c.Script(script);
      c.Play();
      const int expected = four ? inFour[a - 2] : elsewhere[a - 2];
      EXPECT_NE(std::string::npos,
                c.s().Transcript.find("Reached " + std::to_string(expected) + "\r\n"))
          << a << four;
    }
}

struct Failure {
  const char* name;
  int topic;
  std::vector<std::string> script;
  const char* answers;
  int number;
  std::string diag;
};

TEST(Consult, BrokenScriptsAreReportedAndEndTheSession) {
  const std::vector<Failure> failures = {
      {"empty", 1, {}, "", 62, " No @HELP line in F101.DAT"},
      {"no help line", 1, {"@Q01", "text", "@ST"}, "", 62, " No @HELP line in F101.DAT"},
      {"missing question",
       1,
       {"@Q01", "a", "@YN", "Yes 07", "No 07", "@HELP", "@END"},
       "click YES\n",
       62,
       " Unable to find SRCH$ item (@Q07) in file"},
      {"no directive",
       1,
       {"@Q01", "text", "@HELP", "@END"},
       "",
       62,
       " Unable to find SRCH$ item @Q01 in file"},
      {"missing report",
       2,
       {"@Q01", "q", "@YN", "Y 02", "N 02", "@Q02", "@BR", "@HELP", "@END"},
       "click NO\n",
       62,
       "Couldn't find @RD\\1"},
      {"silent round",
       1,
       {"@Q01", "@GO Q02", "@Q02", "@GO Q01", "@HELP", "@END"},
       "",
       5,
       " The script goes round without asking anything (SRCH$ item @Q01)"},
      {"branch round",
       2,
       {"@Q01", "@BR", "@Q15", "@GO Q01", "@HELP", "@END"},
       "",
       5,
       " The script goes round without asking anything (SRCH$ item @Q01)"},
      {"unknown directive",
       1,
       {"@Q01", "@XX", "@HELP", "@END"},
       "",
       5,
       " Unknown directive @XX after SRCH$ item @Q01"},
      {"branch without rule",
       1,
       {"@Q01", "@BR", "@HELP", "@END"},
       "",
       5,
       " @BR in a topic without a branch rule (SRCH$ item @Q01)"},
      {"topic three without a month",
       3,
       {"@Q01", "q", "@YN", "Y 02", "N 02", "@Q02", "@BR", "@HELP", "@END"},
       "click YES\n",
       5,
       " @BR has no branch for a first answer of Yes (SRCH$ item @Q02)"},
  };
  for (const Failure& f : failures) {
    Consulting c(f.answers, f.topic);
    c.Script(f.script);
    EXPECT_EQ(0, c.Play()) << f.name;
    EXPECT_NE(std::string::npos, c.t.Output().find(Consulting::ErrorBlock(f.number, f.diag)))
        << f.name << "\n"
        << c.t.Output();
    EXPECT_EQ(std::string::npos, c.t.Output().find("complete")) << f.name;
  }
  Consulting missing("");
  missing.Play();
  EXPECT_NE(std::string::npos, missing.t.Output().find(Consulting::ErrorBlock(
                                   53, "Unable to find file: " + missing.t.dir() + "F101.DAT")));
}

TEST(Consult, LongWideAndBinaryScriptsNeverHang) {
  // 1,498 script lines are the most a script may have.
  std::vector<std::string> lines = {"@Q01"};
  while (lines.size() < 1497) lines.push_back("line");
  lines.push_back("@ST");
  lines.push_back("@HELP");
  Consulting longest("click CLOSE\n");
  longest.Script(lines);
  longest.Play();
  EXPECT_EQ(" 1509", longest.s().TranscriptLines[0]);  // 1,496 lines, then the disclaimer

  lines.insert(lines.begin() + 1, "one more");
  Consulting tooLong("");
  tooLong.Script(lines);
  tooLong.Play();
  EXPECT_NE(std::string::npos, tooLong.t.Output().find(Consulting::ErrorBlock(
                                   9, " Script section of F101.DAT is longer than 1,498 lines")));

  lines.assign(5000, "@Q01");
  Consulting five("");
  five.Script(lines);
  five.Play();
  EXPECT_NE(std::string::npos, five.t.Output().find("longer than 1,498 lines"));

  Consulting wide("click CLOSE\n");
  wide.Script({"@Q01", std::string(1 << 20, 'w'), "@ST", "@HELP", "@END"});
  wide.Play();
  EXPECT_EQ(std::string(1 << 20, 'w'), wide.s().TranscriptLines[4]);

  std::string bytes;
  for (int i = 0; i < 4096; ++i) bytes += static_cast<char>((i * 7919) % 256);
  Consulting binary("");
  binary.t.Put("F101.DAT", bytes);
  binary.Play();
  EXPECT_NE(std::string::npos, binary.t.Output().find("== QUICK\ntext: Error number  62"));
}

}  // namespace
}  // namespace kvx::test
