// HELP.TXT from arbitrary bytes: assembling any topic either gives a text held to its
// limit or reports input past the end, and never anything else; the topic, the state
// name and the folder come from the first bytes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/Errors.h"
#include "base/Files.h"
#include "helpviewer/HelpFile.h"
#include "helpviewer/HelpTopics.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const int entry = data[0] % kvx::help::kTopicCount;
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::vector<std::string> lines = kvx::SplitLines(text);
  // A topic's code, or, for a separator, a code made of the first line's bytes.
  std::string code = kvx::help::HelpCodeOf(kvx::help::DisplayForm(kvx::help::TopicLine(entry)));
  if (code.empty()) code = lines.empty() ? std::string() : lines[0].substr(0, 11);
  const std::string state = size % 3 == 0 ? "A@b" : "Texas";
  const std::string folder = size % 2 == 0 ? "/p/@STATE/" : "";
  std::size_t at = 0;
  const auto next = [&]() -> std::string {
    if (at == lines.size()) kvx::Raise(kvx::kErrInputPastEnd, "past the end");
    return lines[at++];
  };
  std::string step;
  try {
    const std::string help = kvx::help::AssembleHelp(next, code, state, folder, step);
    if (help.size() > kvx::help::kMaxHelpText + 8) std::abort();
    if (step != "Step1" && step != "Step2" && step != "Step3") std::abort();
  } catch (const kvx::KvxError& e) {
    if (e.number != kvx::kErrInputPastEnd) std::abort();
  }
  return 0;
}
