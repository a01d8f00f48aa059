#include <gtest/gtest.h>

#include "base/Files.h"
#include "profile/AnswerText.h"
#include "profile/FileCommands.h"
#include "profile/InterviewQuestions.h"
#include "tests/profile/InterviewFixture.h"

namespace kvx {
namespace {

using test::CurrentAcme;
using test::NewCompanyScript;
using test::TestApp;

TEST(InterviewAnswers, EmployeeCounts) {
  EXPECT_EQ(EmployeeCount("1,500"), 1500);
  EXPECT_EQ(EmployeeCount("1,000,000"), 1000000);
  EXPECT_EQ(EmployeeCount("1000001"), 1000000);
  EXPECT_EQ(EmployeeCount("2,000,000"), 1000000);
  EXPECT_EQ(EmployeeCount(std::string(10000, '9')), 1000000);
  EXPECT_EQ(EmployeeCount("  12 people"), 12);
  EXPECT_EQ(EmployeeCount("0"), 0);
  // Only an answer that begins with a digit is a count.
  for (const char* notACount : {"twelve", "-0", "-5", "+5", ",5", "x1", "\t"})
    EXPECT_EQ(EmployeeCount(notACount), std::nullopt) << notACount;
  EXPECT_EQ(EmployeeCount("-" + std::string(10000, '9')), std::nullopt);
}

TEST(InterviewAnswers, TextIsCutAtWholeCharactersAndCasedInAsciiOnly) {
  EXPECT_EQ(CutToCharacters("abcdef", 4), "abcd");
  // 29 letters and a two-byte letter make 30 characters; nothing of it is cut.
  const std::string e = "\xC3\xA9";
  EXPECT_EQ(CutToCharacters(std::string(29, 'a') + e + "xyz", 30), std::string(29, 'a') + e);
  std::string thirtyOne;
  for (int i = 0; i < 31; ++i) thirtyOne += e;
  EXPECT_EQ(CutToCharacters(thirtyOne, 30).size(), 60u);
  EXPECT_EQ(CutToCharacters("\x80\x80\x80\x80\x80zz", 1), "\x80\x80\x80\x80");  // stray bytes
  EXPECT_EQ(MixedCase("LOAN SHARK"), "Loan Shark");
  EXPECT_EQ(MixedCase("caf\xC3\x89 DU monde"), "Caf\xC3\x89 Du Monde");
  EXPECT_EQ(WithoutControls("a\tb\r\nc\x7F"), "a b  c ");
}

TEST(InterviewAnswers, OddCompanyNamesKeepTheDataSetWhole) {
  const std::string e = "\xC3\xA9";
  std::string accented;
  for (int i = 0; i < 35; ++i) accented += e;
  struct Case {
    std::string typed, stored;
  };
  const std::vector<Case> cases = {
      {"Tab\there\x01\x1b Co\x7f", "Tab here   Co "},
      {std::string(10000, 'N'), std::string(30, 'N')},
      {accented, accented.substr(0, 60)},
      {"A & B's <Shop>", "A & B's <Shop>"},
  };
  for (const Case& c : cases) {
    TestApp t(NewCompanyScript(c.typed, "ODD"));
    CurrentAcme(t);
    t.app.hooks.createBook = [](App&) {};
    t.Run(NewDataFile);
    const std::vector<std::string> lines = SplitLines(t.Get("ODD.KVX"));
    ASSERT_EQ(lines.size(), 18u) << t.Output();
    EXPECT_EQ(lines[2], c.stored);
  }
  // The employees prompt doubles the ampersand, so the box shows it.
  TestApp t(NewCompanyScript("A & B", "ABC"));
  CurrentAcme(t);
  t.app.hooks.createBook = [](App&) {};
  t.Run(NewDataFile);
  EXPECT_NE(t.Output().find("prompt: Enter the number of employees A && B has, or expects"),
            std::string::npos);
}

TEST(InterviewAnswers, EmployeesAnswersAreParsedOrAskedAgain) {
  for (const auto& [typed, stored] : std::vector<std::pair<std::string, std::string>>{
           {"=1,000,000", "1000000"},
           {"=1000001", "1000000"},
           {"=-4\n=7", "7"},
           {"=   \n=3", "3"},
           {"=\x01\n=8", "8"},
           {"=six\n=x\x01\n=6", "6"},
           {"=0", "0"},
           {"=" + std::string(10000, '5'), "1000000"}}) {
    std::string script = NewCompanyScript("Count Co", "COUNT");
    // No employees: the welfare question is not asked.
    const std::string welfare = stored == "0" ? "" : "Yes\n";
    script.replace(script.find("=5\nNo\nNo\nYes\n"), 13, typed + "\nNo\nNo\n" + welfare);
    TestApp t(script);
    CurrentAcme(t);
    t.app.hooks.createBook = [](App&) {};
    t.Run(NewDataFile);
    const std::vector<std::string> lines = SplitLines(t.Get("COUNT.KVX"));
    ASSERT_EQ(lines.size(), 18u) << typed << "\n" << t.Output();
    EXPECT_EQ(lines[5], stored);
    EXPECT_EQ(lines[6], stored);
  }
}

TEST(InterviewAnswers, SoleOwnershipNotes) {
  const std::string plain = "IS ZED CO (an S corporation) OWNED ENTIRELY BY ONE PERSON? \r\r";
  EXPECT_EQ(SoleOwnershipText("Zed Co", "S corporation", "TX", "Texas"), plain);
  EXPECT_EQ(SoleOwnershipText("Zed Co", "LLC", "NY", "New York"),
            "IS ZED CO (an LLC) OWNED ENTIRELY BY ONE PERSON? \r\r");
  EXPECT_NE(SoleOwnershipText("Zed Co", "LLC", "TX", "Texas")
                .find("'NO.' (Texas is a community property state.)"),
            std::string::npos);
  EXPECT_TRUE(StartsWith(SoleOwnershipText("Zed Co", "corporation", "CA", "California"),
                         "IS ZED CO (a corporation) OWNED ENTIRELY BY ONE PERSON? \r\r"
                         "NOTE: If Zed Co, a C corporation, has only one\r"));
}

TEST(InterviewAnswers, InventoriesNotesAndTheirSentences) {
  // Categories 5 to 7 name only a previous answer; the others a probable one otherwise.
  const InventoriesQuestion building =
      InventoriesText(5, "Construction/Contracting", "Zed", "LLC", false, "");
  EXPECT_TRUE(building.yesDefault);
  EXPECT_EQ(building.text.find("Probable"), std::string::npos);
  EXPECT_TRUE(building.text.ends_with("purposes of this question.)\r\r"));
  const InventoriesQuestion again =
      InventoriesText(5, "Construction/Contracting", "Zed", "LLC", true, "N");
  EXPECT_FALSE(again.yesDefault);
  EXPECT_TRUE(
      again.text.ends_with("\r\r\r\r(Your previous answer to this question for Zed was \"NO.\")"));
  const InventoriesQuestion farm =
      InventoriesText(21, "Agriculture/Farming", "Zed", "limited partnership", false, "");
  EXPECT_NE(farm.text.find("farming business, unless it has one or more corporate partners.)"
                           "\r\r(Probable correct answer to this question for Zed is \"NO.\")"),
            std::string::npos);
  EXPECT_NE(InventoriesText(21, "Agriculture/Farming", "Zed", "LLC", false, "")
                .text.find("farming business, unless the LLC has one or more corporate members.)"),
            std::string::npos);
  EXPECT_NE(InventoriesText(11, "Transportation", "Zed", "LLC", false, "")
                .text.find("(NOTE: A company in the transportation industry would NOT\r"),
            std::string::npos);
  const InventoriesQuestion other = InventoriesText(24, "Pro Bowling", "Zed", "LLC", true, "Y");
  EXPECT_TRUE(other.yesDefault);
  EXPECT_TRUE(other.text.ends_with("inventory of supplies that are inventoried?"));
}

}  // namespace
}  // namespace kvx
