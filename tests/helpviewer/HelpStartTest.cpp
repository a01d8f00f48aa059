// The viewer's start: the folder from its argument and the state name through the
// session files.

#include <gtest/gtest.h>

#include <filesystem>

#include "base/Files.h"
#include "helpviewer/HelpStart.h"
#include "tests/support/TestApp.h"

namespace kvx::help {
namespace {

using test::TempFolder;

void Put(const std::string& path, const std::string& bytes) {
  WriteFile(path, bytes);
}

TEST(HelpStart, StateNameThroughLastDataTheDataSetAndGeneric) {
  TempFolder dir;
  EXPECT_EQ("Your State", ReadStateName(dir.path()));  // no LASTDATA.TXT
  Put(dir.path() + "LASTDATA.TXT", "acme.kvx\r\n");
  EXPECT_EQ("Your State", ReadStateName(dir.path()));  // the data set is missing
  Put(dir.path() + "ACME.KVX", "New Mexico\r\nNM\r\nAcme\r\n");
  EXPECT_EQ("New Mexico", ReadStateName(dir.path()));  // letter case of the name ignored
  Put(dir.path() + "GENERIC.TXT", "Ohio\r\n");
  EXPECT_EQ("Ohio", ReadStateName(dir.path()));
  Put(dir.path() + "GENERIC.TXT", "");
  EXPECT_EQ("Your State", ReadStateName(dir.path()));  // a failed read of GENERIC.TXT
  std::filesystem::remove(dir.path() + "GENERIC.TXT");
  Put(dir.path() + "ACME.KVX", "\r\nNM\r\n");
  EXPECT_EQ("Your State", ReadStateName(dir.path()));  // an empty state name
}

TEST(HelpStart, BadSessionFilesGiveYourState) {
  TempFolder dir;
  TempFolder outside;
  Put(outside.path() + "X.KVX", "Texas\r\n");
  const std::string climbing =
      "../" + std::filesystem::path(outside.path()).parent_path().filename().string() + "/X.KVX";
  for (const std::string& lastData :
       {climbing, outside.path() + "X.KVX", std::string("bin.kvx"), std::string("\x01\x02"),
        std::string(5000, 'a'), std::string()}) {
    Put(dir.path() + "LASTDATA.TXT", lastData + "\r\n");
    Put(dir.path() + "BIN.KVX", std::string("\x7F"
                                            "ELF\x02\x01\x01\0\0\0",
                                            10) +
                                    "\n");
    EXPECT_EQ("Your State", ReadStateName(dir.path())) << lastData.substr(0, 20);
  }
  // A data set whose first line never ends, and one naming a state with "@" in it.
  Put(dir.path() + "LASTDATA.TXT", "big.kvx\r\n");
  Put(dir.path() + "BIG.KVX", std::string(1 << 20, 'T'));
  EXPECT_EQ("Your State", ReadStateName(dir.path()));
  Put(dir.path() + "BIG.KVX", "Tex@s\r\n");
  EXPECT_EQ("Your State", ReadStateName(dir.path()));
  // A folder named as the data set.
  std::filesystem::remove(dir.path() + "BIG.KVX");
  std::filesystem::create_directory(dir.path() + "big.kvx");
  EXPECT_EQ("Your State", ReadStateName(dir.path()));
}

TEST(HelpStart, TheArgumentMustNameAFolderWithoutClimbingOut) {
  TempFolder dir;
  Put(dir.path() + "LASTDATA.TXT", "a.kvx\r\n");
  Put(dir.path() + "A.KVX", "Utah\r\n");
  HelpStart start = StartHelp(dir.path());
  EXPECT_TRUE(start.readable);
  EXPECT_EQ(dir.path(), start.pathSpec);
  EXPECT_EQ("Utah", start.stateName);

  std::string bare = dir.path();
  bare.pop_back();
  start = StartHelp(bare);  // without the trailing "/"
  EXPECT_EQ(dir.path(), start.pathSpec);
  EXPECT_EQ("Utah", start.stateName);

  std::filesystem::create_directory(dir.path() + "sub");
  for (const std::string& argument : {dir.path() + "sub/../", dir.path() + "sub/..",
                                      dir.path() + "A.KVX", dir.path() + "missing/"}) {
    start = StartHelp(argument);
    EXPECT_FALSE(start.readable) << argument;
    EXPECT_EQ(argument, start.pathSpec);
    EXPECT_EQ("Your State", start.stateName);
  }
  // A name that only begins with two dots is a plain folder.
  std::filesystem::create_directory(dir.path() + "..sub");
  EXPECT_TRUE(StartHelp(dir.path() + "..sub/").readable);
}

TEST(HelpStart, WithoutArgumentTheCurrentFolderIsRead) {
  TempFolder dir;
  Put(dir.path() + "LASTDATA.TXT", "a.kvx\r\n");
  Put(dir.path() + "A.KVX", "Maine\r\n");
  const std::filesystem::path was = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  const HelpStart start = StartHelp("");
  std::filesystem::current_path(was);
  EXPECT_TRUE(start.readable);
  EXPECT_EQ("", start.pathSpec);
  EXPECT_EQ("Maine", start.stateName);
}

}  // namespace
}  // namespace kvx::help
