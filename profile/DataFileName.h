#pragma once

#include <optional>
#include <string>

namespace kvx {

struct App;

enum class FileNamePrompt {
  NewFile,  // a file for the company being interviewed
  SaveAs,   // another name for the current data set
};

// Prompts for a data-set file name, asking again after each refused answer: the accepted
// name ending in ".KVX", or nothing when the user cancelled. The company names the file
// in NewFile mode; SaveAs speaks of the current data set's company.
std::optional<std::string> GetDataFileName(App& app, FileNamePrompt mode,
                                           const std::string& interviewedCompany);

// Checks an answer of the prompt: the accepted name, or an empty name and the reason.
struct FileNameCheck {
  std::string name;   // prefix + ".KVX" when accepted
  std::string error;  // the reason when refused
  bool cancelled = false;
};
FileNameCheck CheckDataFileName(const std::string& answer);

}  // namespace kvx
