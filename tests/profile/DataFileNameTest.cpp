#include <gtest/gtest.h>

#include "profile/DataFileName.h"
#include "tests/support/TestApp.h"

namespace kvx {
namespace {

using test::TestApp;

constexpr const char* kCharMessage =
    "Use only letters, numbers, spaces or _ (underline) or ' (apostrophe) character in file name.";
constexpr const char* kLengthMessage = "Prefix of file name must be at least 3 characters long.";

TEST(DataFileName, ChecksAnswers) {
  const struct {
    const char* answer;
    const char* name;
    const char* error;
  } cases[] = {
      {"my shop", "my_shop.KVX", ""},  {"  Joe's Diner.kvx ", "Joe's_Diner.KVX", ""},
      {"ACME.KVX", "ACME.KVX", ""},    {"abc .KVX", "abc.KVX", ""},
      {"ab", "", kLengthMessage},      {"a&b shop", "", kCharMessage},
      {"a/", "", kLengthMessage},  // both apply: the length wins
      {"../../etc", "", kCharMessage}, {"caf\xc3\xa9", "", kCharMessage},
  };
  for (const auto& c : cases) {
    const FileNameCheck check = CheckDataFileName(c.answer);
    EXPECT_FALSE(check.cancelled) << c.answer;
    EXPECT_EQ(check.name, c.name) << c.answer;
    EXPECT_EQ(check.error, c.error) << c.answer;
  }
  for (const char* cancel : {"", "   ", ".kvx", " .KVX"})
    EXPECT_TRUE(CheckDataFileName(cancel).cancelled) << cancel;
}

TEST(DataFileName, NewFileModeOffersTheCompanysFirstWord) {
  TestApp t("=ab\n=my shop\n");
  t.SetProgramFolder();
  EXPECT_EQ(GetDataFileName(t.app, FileNamePrompt::NewFile, "Acme Pizza Parlor"),
            std::optional<std::string>("my_shop.KVX"));
  const std::string out = t.Output();
  EXPECT_EQ(test::Count(out,
                        "== INPUT\ntitle: Create New File for Acme Pizza Parlor\n"
                        "default: Acme.KVX\nprompt: Enter file name for new company data "
                        "file. (Enter only letters, numbers, spaces, or the _ underline "
                        "character)\n"),
            2);
  EXPECT_NE(out.find("== QUICK\ntext: Input error -- " + std::string(kLengthMessage)),
            std::string::npos);

  for (const auto& [company, answer] : std::vector<std::pair<std::string, std::string>>{
           {"IBM Corp", ".KVX"}, {"Shortie", ".KVX"}, {"Acme Pizza", "Acme.KVX"}}) {
    TestApp u("cancel\n");
    u.SetProgramFolder();
    EXPECT_EQ(GetDataFileName(u.app, FileNamePrompt::NewFile, company), std::nullopt);
    EXPECT_NE(u.Output().find("default: " + answer + "\n"), std::string::npos) << company;
  }
}

TEST(DataFileName, SaveAsModeOffersTheCurrentName) {
  TestApp t("=.kvx\n");
  t.SetProgramFolder();
  t.app.session.DataFile = "ACME.KVX";
  // The prompt takes "&" as an access key, so the name's own goes in doubled.
  t.app.profile.Company = "Cedar & Pine Coffee";
  EXPECT_EQ(GetDataFileName(t.app, FileNamePrompt::SaveAs, "ignored"), std::nullopt);
  EXPECT_EQ(t.Output(),
            "== INPUT\ntitle: Save current data file as ...\ndefault: ACME.KVX\nprompt:\n"
            "  Enter file name under which to save current data set for Cedar && Pine Coffee "
            "(using only letters, numbers, spaces, or _ or ' characters). \n"
            "  Prefix of file name must be at least 3 characters long.\n\n");
}

}  // namespace
}  // namespace kvx
