#pragma once

#include <string>

namespace kvx {

struct App;

// Prompts for a data-set file name. With NewFileName "-1" on entry it asks in Save As
// mode for Company, else in new-file mode for interviewedCompany. Leaves NewFileName
// as the accepted name ending in ".KVX", or "-2" when the user cancelled.
void GetDataFileName(App& app, const std::string& interviewedCompany);

// Checks an answer of the prompt: the accepted name, or an empty name and the reason.
struct FileNameCheck {
  std::string name;   // prefix + ".KVX" when accepted
  std::string error;  // the reason when refused
  bool cancelled = false;
};
FileNameCheck CheckDataFileName(const std::string& answer);

}  // namespace kvx
