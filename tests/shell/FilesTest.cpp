#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>

#include "base/Errors.h"
#include "base/Files.h"
#include "tests/support/TestApp.h"

namespace kvx {
namespace {

using test::TempFolder;

int ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const KvxError& e) {
    return e.number;
  }
  return 0;
}

std::vector<std::string> Entries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(folder))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(Files, SplitsLinesAcceptingCrLfAndLf) {
  EXPECT_EQ(SplitLines("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(SplitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
  EXPECT_EQ(SplitLines(""), std::vector<std::string>{});
  EXPECT_EQ(SplitLines(std::string("x\0y\r\n", 5)),
            std::vector<std::string>{std::string("x\0y", 3)});
  EXPECT_EQ(JoinLines({"a", ""}), "a\r\n\r\n");
}

TEST(Files, NamesAreFoundIgnoringCaseAndAnExactMatchWins) {
  TempFolder f;
  WriteFile(f.path() + "Acme.kvx", "1");
  EXPECT_TRUE(Exist(f.path() + "ACME.KVX"));
  EXPECT_EQ(ReadFileBytes(f.path() + "acme.KVX"), "1");
  EXPECT_FALSE(Exist(f.path() + "ACME.KV"));
  // Written by another program, two spellings can coexist; the exact one is read.
  std::ofstream(f.path() + "ACME.KVX") << "2";
  EXPECT_EQ(ReadFileBytes(f.path() + "ACME.KVX"), "2");
  EXPECT_EQ(ReadFileBytes(f.path() + "Acme.kvx"), "1");
  // A write replaces every other spelling.
  WriteFileAtomic(f.path() + "acme.kvx", "3");
  EXPECT_EQ(Entries(f.path()), std::vector<std::string>{"acme.kvx"});
}

TEST(Files, MissingAndShortFilesRaiseTheirErrors) {
  TempFolder f;
  EXPECT_EQ(ErrorOf([&] { ReadFileBytes(f.path() + "none"); }), kErrFileNotFound);
  EXPECT_EQ(ErrorOf([&] { LineReader r(f.path() + "none"); }), kErrFileNotFound);
  WriteFile(f.path() + "one", "only\r\n");
  LineReader r(f.path() + "one");
  EXPECT_EQ(r.Next(), "only");
  EXPECT_TRUE(r.AtEnd());
  EXPECT_EQ(ErrorOf([&] { r.Next(); }), kErrInputPastEnd);
  EXPECT_EQ(ErrorOf([&] { ReadFirstLine(f.path()); }), kErrPermissionDenied);
}

TEST(Files, AFailedAtomicWriteKeepsTheOldFileAndLeavesNoTemporary) {
  TempFolder f;
  // A folder in the way of the target: the rename fails whoever we run as.
  std::filesystem::create_directories(f.path() + "NDEXDATA.TXT/inside");
  EXPECT_EQ(ErrorOf([&] { WriteFileAtomic(f.path() + "NDEXDATA.TXT", "x"); }),
            kErrPermissionDenied);
  EXPECT_EQ(Entries(f.path()), std::vector<std::string>{"NDEXDATA.TXT"});
  EXPECT_TRUE(std::filesystem::is_directory(f.path() + "NDEXDATA.TXT/inside"));
  EXPECT_EQ(ErrorOf([&] { WriteFileAtomic(f.path() + "no/such/folder", "x"); }), kErrFileNotFound);
}

TEST(Files, OnlyPlainNamesArePlain) {
  for (const char* good : {"ACME.KVX", "Joe's_Diner.KVX", "a b"})
    EXPECT_TRUE(IsPlainFileName(good));
  for (const char* bad : {"", ".", "..", "../ACME.KVX", "/etc/passwd", "a\\b", "C:ACME.KVX"})
    EXPECT_FALSE(IsPlainFileName(bad)) << bad;
}

TEST(Text, AsciiCaseOnly) {
  EXPECT_EQ(UpperAscii("abc\xc3\xa9z"), "ABC\xc3\xa9Z");
  EXPECT_TRUE(EqualsIgnoreCase("Acme.Kvx", "ACME.KVX"));
  EXPECT_FALSE(EqualsIgnoreCase("Acme", "Acm"));
  EXPECT_EQ(TrimSpaces("  a b  "), "a b");
  EXPECT_EQ(TrimSpaces("   "), "");
  EXPECT_EQ(TrimSpaces("\tx\t"), "\tx\t");
}

TEST(Text, LeadingNumbersStopAtThirtyTwoBits) {
  EXPECT_EQ(LeadingInt32("  42abc"), 42);
  EXPECT_EQ(LeadingInt32("+7"), 7);
  EXPECT_EQ(LeadingInt32("abc"), 0);
  EXPECT_EQ(LeadingInt32("-"), 0);
  EXPECT_EQ(LeadingInt32("2147483647"), INT32_MAX);
  EXPECT_EQ(LeadingInt32("-2147483648"), INT32_MIN);
  EXPECT_EQ(LeadingInt32("2147483648"), std::nullopt);
  EXPECT_EQ(LeadingInt32("-2147483649"), std::nullopt);
  EXPECT_EQ(LeadingInt32(std::string(1000, '9')), std::nullopt);
  // Tabs count as blanks only where the caller says so.
  EXPECT_EQ(LeadingInt32("\t5"), 0);
  EXPECT_EQ(LeadingInt32("\t5", " \t"), 5);
}

}  // namespace
}  // namespace kvx
