// Plays each case and compares everything the session showed (every screen, help box,
// notice and the printed transcript) with the case's expected.txt. Cases that bring
// their own script lie in golden/ and run on every edition; cases that play an
// edition's shipped scripts lie in golden-YEAR/ and run on the build of that edition.
// A case is a folder with session.txt:
//
//   topic N
//   company NAME
//   script FILE     a file of the case folder, or F10N for the shipped script
//   answers:        then the automation lines that answer the session
//
// KVX_UPDATE_GOLDEN=1 writes expected.txt from the run instead, to be read and committed.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "base/Files.h"
#include "base/Text.h"
#include "consult/ScriptInterpreter.h"
#include "consult/TopicChoice.h"
#include "tests/consult/ConsultFixture.h"

namespace kvx::test {
namespace {

namespace fs = std::filesystem;

const std::string kTests = KVX_CONSULT_TESTS_DIR;
const std::string kScripts = KVX_CONSULT_SCRIPTS_DIR;

// The folders of the cases this build plays, relative to kTests.
std::vector<std::string> CaseFolders() {
  return {"golden", "golden-" + std::to_string(EditionYear())};
}

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Each case as "FOLDER/NAME".
std::vector<std::string> Cases() {
  std::vector<std::string> names;
  for (const std::string& folder : CaseFolders()) {
    if (!fs::is_directory(kTests + "/" + folder)) continue;
    for (const auto& entry : fs::directory_iterator(kTests + "/" + folder))
      if (entry.is_directory()) names.push_back(folder + "/" + entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

struct SessionCase {
  int topic = 1;
  std::string company, script, answers;
};

SessionCase ReadCase(const std::string& name) {
  SessionCase c;
  bool answers = false;
  for (const std::string& line : SplitLines(Slurp(kTests + "/" + name + "/session.txt"))) {
    if (answers) {
      c.answers += line + "\n";
    } else if (StartsWith(line, "topic ")) {
      c.topic = std::atoi(line.c_str() + 6);
    } else if (StartsWith(line, "company ")) {
      c.company = line.substr(8);
    } else if (StartsWith(line, "script ")) {
      c.script = line.substr(7);
    } else if (line == "answers:") {
      answers = true;
    }
  }
  return c;
}

class GoldenConsult : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenConsult, TheSessionShowsWhatItShowedBefore) {
  const std::string name = GetParam();
  const SessionCase k = ReadCase(name);
  // Only this edition's folder of cases is listed, so a shipped script is this edition's.
  const bool shipped = StartsWith(k.script, "F10");
  const std::string source =
      shipped ? kScripts + "/" + k.script + ".txt" : kTests + "/" + name + "/" + k.script;
  if (!fs::exists(source)) GTEST_SKIP() << "no script " << source;
  Consulting c(k.answers, k.topic, k.company);
  for (int topic = 1; topic <= 7; ++topic)
    c.s().SessionTitle[static_cast<std::size_t>(topic)] = TopicSessionTitle(topic, k.company);
  c.t.Put(ScriptFileName(k.topic), Slurp(source));
  // After the session the next answer is asked for: there must be none left.
  const int status = c.t.Run([](App& app) {
    Consult(app);
    app.ui.Input("after the session", "", "");
  });
  std::string shown = c.t.Output();
  const std::string tail = "== INPUT\ntitle: after the session\ndefault: \nprompt: \n\n== END\n\n";
  ASSERT_EQ(3, status) << "an answer is left over, or one does not fit\n" << shown;
  ASSERT_TRUE(shown.ends_with(tail)) << shown;
  shown.erase(shown.size() - tail.size());
  // The folder differs from run to run.
  shown = ReplaceAll(shown, c.t.dir(), "<program folder>/");
  const std::string expected = kTests + "/" + name + "/expected.txt";
  if (std::getenv("KVX_UPDATE_GOLDEN")) {
    std::ofstream(expected, std::ios::binary) << shown;
    return;
  }
  EXPECT_EQ(Slurp(expected), shown) << name;
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenConsult, ::testing::ValuesIn(Cases()), [](const auto& info) {
  std::string n = info.param;
  std::replace(n.begin(), n.end(), '-', '_');
  std::replace(n.begin(), n.end(), '/', '_');
  return n;
});

// Every shipped script is played to its conclusions along at least two paths.
TEST(GoldenConsultCoverage, EachTopicReachesAConclusionTwice) {
  const std::string folder = "golden-" + std::to_string(EditionYear());
  ASSERT_TRUE(fs::is_directory(kTests + "/" + folder)) << "no cases for this edition: " << folder;
  std::vector<int> completed(8, 0);
  for (const std::string& name : Cases()) {
    if (!StartsWith(name, folder + "/")) continue;
    const SessionCase k = ReadCase(name);
    if (!StartsWith(k.script, "F10")) continue;
    if (Contains(Slurp(kTests + "/" + name + "/expected.txt"), "TRANSCRIPT OF CONSULTING SESSION"))
      ++completed[static_cast<std::size_t>(k.topic)];
  }
  for (int topic = 1; topic <= 7; ++topic)
    EXPECT_LE(2, completed[static_cast<std::size_t>(topic)]) << "topic " << topic;
}

}  // namespace
}  // namespace kvx::test
