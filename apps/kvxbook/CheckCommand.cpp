#include "CheckCommand.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <vector>

#include "Commands.h"
#include "FiguresCheck.h"
#include "HelpCheck.h"
#include "NavigationCheck.h"
#include "PrintableCheck.h"
#include "ScriptCheck.h"
#include "base/Errors.h"
#include "base/Files.h"
#include "book/BookBuilder.h"
#include "book/BookFiles.h"
#include "book/TemplateCheck.h"
#include "core/StateTable.h"

namespace kvxbook {

void CheckReport::Add(const std::string& file, int line, const std::string& message) {
  ++problems_;
  std::cout << file << ":" << line << ": " << message << "\n";
}

void CheckReport::Note(const std::string& text) {
  std::cout << text << "\n";
}

bool ReadCheckedLines(const std::string& path, CheckReport& report,
                      std::vector<std::string>& lines) {
  try {
    lines = kvx::SplitLines(kvx::ReadFileBytes(path));
    return true;
  } catch (const kvx::KvxError& e) {
    report.Add(kvx::NameOf(path), 0, e.diag);
    return false;
  } catch (const std::exception&) {  // a file too big to hold
    report.Add(kvx::NameOf(path), 0, "the file cannot be read into memory");
    return false;
  }
}

namespace {

void CheckTemplates(const std::string& dir, CheckReport& report) {
  for (const std::string& page : kvx::TemplatePageNames()) {
    const std::string path = kvx::Resolve(dir + page + ".dat");
    std::vector<std::string> lines;
    if (!ReadCheckedLines(path, report, lines)) continue;
    for (const kvx::TemplateProblem& p : kvx::CheckTemplate(lines))
      report.Add(kvx::NameOf(path), p.line, p.message);
  }
}

void CheckStateFiles(const std::string& dir, CheckReport& report) {
  kvx::StateTable states;
  kvx::LoadStateTable(states);
  std::vector<std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.size() == 6 && kvx::EqualsIgnoreCase(name.substr(2), ".dat") &&
        kvx::StateRowOfCode(states, name.substr(0, 2)) > 0)
      names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  for (const std::string& name : names) {
    std::vector<std::string> lines;
    if (!ReadCheckedLines(dir + name, report, lines)) continue;
    const int row = kvx::StateRowOfCode(states, name.substr(0, 2));
    for (const kvx::TemplateProblem& p : kvx::CheckStateFile(lines, row))
      report.Add(name, p.line, p.message);
  }
}

void SourcesChecked(const std::string&, CheckReport& report) {
  report.SourcesChecked();
}

// The checks, in the order they run. New checks register here: declare the function
// (in a header of its own file) and add it to this list.
const CheckFunction kChecks[] = {
    CheckTemplates,       // every template line
    CheckStateFiles,      // every state file's anchors
    CheckScripts,         // every consultation script's questions, branches and help
    SourcesChecked,       // the checks below build editions, once the sources above check clean
    CheckNavigation,      // the topic index, the menus and the reading pages' links
    CheckPrintableBooks,  // the links of the one-file printable book
    CheckHelp,            // the help viewer's text, apart from the book
    CheckFigures,         // the dated figures' tables, and those not known for the edition's year
};

}  // namespace

int RunCheck(const std::vector<std::string>& args) {
  if (args.size() != 1) return Usage();
  std::error_code ec;
  if (!std::filesystem::is_directory(args[0], ec)) {
    std::cerr << "kvxbook: " << args[0] << " is not a folder\n";
    return kUsage;
  }
  const std::string dir = args[0].back() == '/' ? args[0] : args[0] + "/";
  CheckReport report;
  for (CheckFunction check : kChecks) check(dir, report);
  std::cout.flush();
  return report.problems() == 0 ? kOk : kFailed;
}

}  // namespace kvxbook
