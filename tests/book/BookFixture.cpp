#include "tests/book/BookFixture.h"

#include <sys/wait.h>

#include <cstdio>

#include "base/Files.h"
#include "book/BookBuilder.h"
#include "book/BookFiles.h"
#include "book/LineCodec.h"
#include "profile/CompanyProfile.h"

namespace kvx::test {

std::string Encoded(const std::vector<std::string>& plainLines) {
  std::string text;
  for (const std::string& line : plainLines) text += EncodeLine(line).value() + "\r\n";
  return text;
}

void LoadCompany(App& app, const std::vector<std::string>& dataSetLines) {
  for (int n = 1; n <= kDataSetLines; ++n) SetProfileLine(app.profile, n, dataSetLines.at(n - 1));
}

void PutEmptyBook(TestApp& t, const std::string& stateCode) {
  for (const std::string& page : TemplatePageNames()) t.Put(page + ".dat", "");
  t.Put(stateCode + ".dat", Encoded({"<A NAME=\"LEGAL005\"></A>"}));
  t.SetProgramFolder();
}

std::string Quoted(const std::string& path) {
  std::string quoted = "'";
  for (char c : path) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::string RunKvxbook(const std::string& arguments, int& status) {
  const std::string command =
      Quoted(std::string(KVX_PROGRAM_DIR) + "/kvxbook") + " " + arguments + " 2>/dev/null";
  std::FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) {
    status = -1;
    return {};
  }
  std::string out;
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
  const int raw = ::pclose(pipe);
  status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return out;
}

}  // namespace kvx::test
