// kvxbook check of the consultation scripts: small scripts with one fault each, the
// report through the tool, and the shipped scripts checking clean.

#include <gtest/gtest.h>

#include <filesystem>

#include "consult/ScriptCheck.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TestApp.h"

namespace kvx {

bool operator==(const ScriptProblem& a, const ScriptProblem& b) {
  return a.line == b.line && a.message == b.message;
}

void PrintTo(const ScriptProblem& p, std::ostream* os) {
  *os << p.line << ": " << p.message;
}

namespace test {
namespace {

struct Case {
  const char* name;
  int topic;
  std::vector<std::string> lines;
  std::vector<ScriptProblem> problems;
};

const std::vector<std::string> kHelp12 = {"@HELP", "@H\\01", "help", "@H\\02", "help", "@END"};

std::vector<std::string> With(std::vector<std::string> lines,
                              const std::vector<std::string>& more = kHelp12) {
  lines.insert(lines.end(), more.begin(), more.end());
  return lines;
}

TEST(ScriptCheck, EachFaultOnItsLine) {
  const std::vector<Case> cases = {
      {"clean", 1, With({"@Q01", "Q?", "@YN", "Y 02", "N 02", "@Q02", "End", "@ST"}), {}},
      {"missing target",
       1,
       With({"@Q01", "Q?", "@YN", "Y 02", "N 08", "@Q02", "End", "@ST"}),
       {{5, "no question @Q08 for this line to go to"}}},
      {"choice lines",
       1,
       With({"@Q01", "Pick", "@MC 03", "1 -> 02", "2 -> 02", "@Q02", "End", "@ST"}),
       {{3, "@MC says 3 choices but 2 choice lines follow"},
        {3, "no choice line for 3, which the number field takes"}}},
      {"silent round",
       1,
       With({"@Q01", "@GO Q02", "@Q02", "@GO Q01"}),
       {{1, "no path from @Q01 leads to @ST"},
        {2, "@GO/@BR go round through @Q01 without asking anything"},
        {3, "no path from @Q02 leads to @ST"}}},
      {"round of questions",
       1,
       With({"@Q01", "Again?", "@YN", "Y 01", "N 01"}),
       {{1, "no path from @Q01 leads to @ST"}}},
      {"unreached, twice, no help",
       1,
       With({"@Q01", "Q", "@YN", "Y 02", "N 02", "@Q02", "End", "@ST", "@Q03", "Never", "@ST",
             "@Q02", "Again", "@ST"},
            {"@HELP", "@H\\01", "help", "@END"}),
       {{6, "question @Q02 has no help block @H\\02"},
        {9, "question @Q03 cannot be reached from @Q01"},
        {12, "a second @Q02: only the one on line 6 is played"}}},
      {"no directive",
       1,
       With({"@Q01", "Q", "@YN", "Y 02", "N 02", "@Q02", "text"}),
       {{4, "question @Q02 has no directive before the help section"},
        {5, "question @Q02 has no directive before the help section"}}},
      {"no question 1",
       1,
       With({"@Q02", "End", "@ST"}),
       {{0, "the script has no question @Q01"}, {1, "question @Q02 cannot be reached from @Q01"}}},
      {"missing report",
       2,
       With({"@Q01", "Q", "@YN", "Y 02", "N 02", "@Q02", "@BR", "@Q15", "End", "@ST"},
            {"@HELP", "@H\\01", "h", "@H\\15", "h", "@END"}),
       {{7, "no report block @RD01, which the branch shows when question 1 is answered No"}}},
      {"topic 3 after a yes/no first question",
       3,
       With({"@Q01", "Q", "@YN", "Y 02", "N 02", "@Q02", "@BR"}),
       {{7, "@BR has no branch for a first answer of 0 (topic 3 branches for 2 to 5)"}}},
      {"topic 3 by the first answer",
       3,
       With({"@Q01", "Month", "@MC 02", "1 -> 02", "2 -> 02", "@Q02", "@BR", "@Q07", "End", "@ST"},
            {"@HELP", "@H\\01", "h", "@H\\07", "h", "@END"}),
       {{7, "@BR has no branch for a first answer of 1 (topic 3 branches for 2 to 5)"}}},
      {"branch without a rule",
       4,
       With({"@Q01", "@BR"}),
       {{2, "@BR in topic 4, which has no branch rule"}}},
      {"unknown directive", 1, With({"@Q01", "Q", "@XX"}), {{3, "unknown directive @XX"}}},
      {"yes/no without outcomes",
       1,
       With({"@Q01", "Q", "@YN", "Y 02", "@Q02", "@ST"}),
       {{3, "@YN needs a Yes line and a No line after it"}}},
      {"help without end",
       1,
       {"@Q01", "End", "@ST", "@HELP", "@H\\01", "help"},
       {{6, "the help section does not end with @END"}}},
      {"no help section", 1, {"@Q01", "End", "@ST"}, {{0, "No @HELP line in F101.DAT"}}},
  };
  for (const Case& c : cases) {
    TestApp t;
    t.PutLines("F101.DAT", c.lines);
    EXPECT_EQ(c.problems, CheckScript(t.dir() + "F101.DAT", c.topic)) << c.name;
  }
}

TEST(ScriptCheck, LimitsOfTheReader) {
  TestApp t;
  std::vector<std::string> lines = {"@Q01", "End", "@ST", "@HELP"};
  lines.insert(lines.end(), 500, "more help");
  for (const char* line : {"@H\\01", "late", "@END"}) lines.push_back(line);
  t.PutLines("F101.DAT", lines);
  EXPECT_EQ((std::vector<ScriptProblem>{
                {1, "the help block of @Q01 lies past the 499 help lines the program searches"}}),
            CheckScript(t.dir() + "F101.DAT", 1));
  t.PutLines("F102.DAT", std::vector<std::string>(5000, "@Q01"));
  EXPECT_EQ(
      (std::vector<ScriptProblem>{{1499, "Script section of F102.DAT is longer than 1,498 lines"}}),
      CheckScript(t.dir() + "F102.DAT", 2));
  EXPECT_EQ((std::vector<ScriptProblem>{{0, "Unable to find file: " + t.dir() + "F103.DAT"}}),
            CheckScript(t.dir() + "F103.DAT", 3));
}

TEST(ScriptCheck, KvxbookReportsEveryScriptOfTheFolder) {
  TestApp t;
  t.PutLines("f101.dat", With({"@Q01", "Q?", "@YN", "Y 02", "N 08", "@Q02", "End", "@ST"}));
  const ProgramResult run = RunProgram({BuiltProgramFolder() + "kvxbook", "check", t.dir()});
  EXPECT_EQ(1, run.status);
  EXPECT_NE(std::string::npos,
            run.out.find("f101.dat:5: no question @Q08 for this line to go to\n"))
      << run.out;
  for (int topic = 2; topic <= 7; ++topic)
    EXPECT_NE(std::string::npos,
              run.out.find("F10" + std::to_string(topic) + ".DAT:0: the script of topic " +
                           std::to_string(topic) + " is missing\n"));
}

TEST(ScriptCheck, TheShippedScriptsCheckClean) {
  const std::string dir = KVX_CONSULT_SCRIPTS_DIR;
  if (!std::filesystem::exists(dir + "/F101.txt")) GTEST_SKIP() << "no scripts in " << dir;
  for (int topic = 1; topic <= 7; ++topic) {
    const std::string name = dir + "/F10" + std::to_string(topic) + ".txt";
    EXPECT_EQ(std::vector<ScriptProblem>{}, CheckScript(name, topic)) << name;
  }
}

}  // namespace
}  // namespace test
}  // namespace kvx
