// Builds each case of tests/book/golden in process and with kvxbook, and compares the
// pages and what the build showed with the case's expected files, byte for byte.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/Files.h"
#include "book/BookBuilder.h"
#include "tests/book/BookFixture.h"

namespace kvx::test {
namespace {

namespace fs = std::filesystem;

const std::string kGolden = KVX_GOLDEN_DIR;

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> Cases() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(kGolden))
    if (entry.is_directory()) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

bool IsGeneric(const std::string& name) {
  return fs::exists(kGolden + "/" + name + "/generic");
}

// Copies a case into the program folder: templates and state files encoded.
void PutCase(TestApp& t, const std::string& name) {
  PutEmptyBook(t);
  fs::remove(t.dir() + "CA.dat");
  for (const auto& entry : fs::directory_iterator(kGolden + "/" + name)) {
    const std::string file = entry.path().filename().string();
    if (entry.is_directory() || file == "generic") continue;
    const std::string bytes = Slurp(entry.path());
    t.Put(file, file.ends_with(".dat") ? Encoded(SplitLines(bytes)) : bytes);
  }
}

void ExpectPages(const std::string& name, const std::string& dir, const std::string& shown) {
  for (const auto& entry : fs::directory_iterator(kGolden + "/" + name + "/expected")) {
    const std::string file = entry.path().filename().string();
    const std::string actual = file == "blocks.txt" ? shown : Slurp(dir + file);
    EXPECT_EQ(Slurp(entry.path()), actual) << name << "/expected/" << file;
  }
}

// A build that shows a message box met a directive error: the pages are still written,
// and the build says it failed, so that a batch sees it.
bool BuildsCleanly(const std::string& name) {
  return Count(Slurp(kGolden + "/" + name + "/expected/blocks.txt"), "== MESSAGE") == 0;
}

class GoldenBook : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenBook, InProcessBuildGivesTheExpectedPages) {
  const std::string name = GetParam();
  TestApp t(std::string(100, '\n') + "OK\nOK\nOK\nOK\nOK\nOK\nOK\nOK\n");
  PutCase(t, name);
  LoadCompany(t.app, SplitLines(Slurp(kGolden + "/" + name + "/company.kvx")));
  bool built = false;
  ASSERT_EQ(0, t.Run([&](App& app) {
    built = IsGeneric(name) ? BuildGenericEdition(app, true) : CreateBook(app);
  }));
  EXPECT_EQ(BuildsCleanly(name), built);
  ExpectPages(name, t.dir(), t.Output());
}

TEST_P(GoldenBook, KvxbookBuildGivesTheSamePages) {
  const std::string name = GetParam();
  TestApp t;
  PutCase(t, name);
  int status = -1;
  const std::string shown = RunKvxbook(
      "build " + Quoted(t.dir()) + " COMPANY.KVX" + (IsGeneric(name) ? " --generic" : ""), status);
  EXPECT_EQ(BuildsCleanly(name) ? 0 : 1, status);
  ExpectPages(name, t.dir(), shown);
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenBook, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           std::string id = info.param;
                           for (char& c : id)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return id;
                         });

}  // namespace
}  // namespace kvx::test
