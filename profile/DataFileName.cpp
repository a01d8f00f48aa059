#include "profile/DataFileName.h"

#include "base/Files.h"
#include "core/App.h"
#include "core/Messages.h"

namespace kvx {

namespace {

bool EndsWithKvx(const std::string& text) {
  return text.size() >= 4 && EqualsIgnoreCase(text.substr(text.size() - 4), ".KVX");
}

}  // namespace

FileNameCheck CheckDataFileName(const std::string& answer) {
  FileNameCheck check;
  std::string prefix = TrimSpaces(answer);
  if (prefix.empty() || EqualsIgnoreCase(prefix, ".KVX")) {
    check.cancelled = true;
    return check;
  }
  if (EndsWithKvx(prefix)) prefix = TrimSpaces(prefix.substr(0, prefix.size() - 4));
  bool valid = true;
  for (char& c : prefix) {
    if (c == '\'') continue;
    const char u = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    if (u == '_' || (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z')) continue;
    const bool blank = c == ' ';
    c = '_';
    if (!blank) {
      valid = false;
      break;
    }
  }
  if (prefix.size() < 3)
    check.error = "Prefix of file name must be at least 3 characters long.";
  else if (!valid)
    check.error =
        "Use only letters, numbers, spaces or _ (underline) or ' (apostrophe) character in file "
        "name.";
  else
    check.name = prefix + ".KVX";
  return check;
}

std::optional<std::string> GetDataFileName(App& app, FileNamePrompt mode,
                                           const std::string& interviewedCompany) {
  const Session& s = app.session;
  std::string prompt, title, defaultAnswer;
  if (mode == FileNamePrompt::SaveAs) {
    prompt = "Enter file name under which to save current data set for " +
             PromptText(app.profile.Company) +
             " (using only letters, numbers, spaces, or _ or ' characters). " + "\r" +
             "Prefix of file name must be at least 3 characters long.";
    title = "Save current data file as ...";
    defaultAnswer = s.DataFile.empty() ? ".KVX" : s.DataFile;
  } else {
    prompt =
        "Enter file name for new company data file. (Enter only letters, numbers, spaces, or the "
        "_ underline character)";
    title = "Create New File for " + interviewedCompany;
    defaultAnswer = ".KVX";
    const std::size_t blank = interviewedCompany.find(' ');
    if (interviewedCompany.size() > 7 && blank != std::string::npos && blank + 1 > 4)
      defaultAnswer = TrimSpaces(interviewedCompany.substr(0, blank)) + ".KVX";
  }
  for (;;) {
    const std::optional<std::string> answer = app.ui.Input(title, prompt, defaultAnswer);
    const FileNameCheck check = CheckDataFileName(answer.value_or(std::string()));
    if (check.cancelled) return std::nullopt;
    if (check.error.empty()) return check.name;
    QuickMessage(app, "Input error -- " + check.error);
  }
}

}  // namespace kvx
