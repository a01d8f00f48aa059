#include "tests/support/TestApp.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "base/Files.h"
#include "book/BookFiles.h"
#include "shell/Connect.h"

namespace kvx::test {

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "kvxtest-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) std::abort();
  path_ = pattern + "/";
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

TestApp::TestApp(const std::string& script)
    : in_(script),
      script_(in_, out_),
      ui_(script_),
      system(script_, folder_.path()),
      app(ui_, system) {
  LoadStateTable(app.states);
  ConnectParts(app);  // the wiring the programs have, so tests run it too
}

int TestApp::Run(const std::function<void(App&)>& program) {
  try {
    program(app);
  } catch (const ScriptEnded& end) {
    return end.status;
  }
  return 0;
}

void TestApp::Put(const std::string& name, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(dir() + name).parent_path());
  std::ofstream(dir() + name, std::ios::binary) << bytes;
}

void TestApp::PutLines(const std::string& name, const std::vector<std::string>& lines) {
  Put(name, JoinLines(lines));
}

std::string TestApp::Get(const std::string& name) const {
  std::ifstream in(dir() + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

bool TestApp::Has(const std::string& name) const {
  return std::filesystem::exists(dir() + name);
}

void TestApp::PutBookFiles(const std::string& stateCode) {
  for (const std::string& name : TemplateCheckNames()) Put(name, "<HTML>\r\n");
  Put(stateCode + ".dat", "<HTML>\r\n");
}

void TestApp::SetProgramFolder() {
  app.session.PathSpec = dir();
}

std::vector<std::string> SampleDataSet() {
  return {"California",
          "CA",
          "Acme Pizza Parlor",
          "corporation",
          "Y",
          "12",
          "12",
          "N",
          "Y",
          "Under $1 million",
          "N",
          "Y",
          "N",
          "Y",
          "N",
          "Retail Merchandising",
          "1",
          "Y"};
}

int Count(const std::string& text, const std::string& needle) {
  int n = 0;
  for (std::size_t at = text.find(needle); at != std::string::npos;
       at = text.find(needle, at + needle.size()))
    ++n;
  return n;
}

}  // namespace kvx::test
