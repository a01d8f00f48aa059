#pragma once
// The automation mode's two streams: answers read from a script, blocks written to
// standard output. The format is a contract that outside tests rely on.

#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace kvx {

// Thrown to end the run after "== END" (status 3) or "== BAD line" (status 4). It is
// not a std::exception, so no error trap of the program catches it.
struct ScriptEnded {
  int status;
};

class Script {
 public:
  Script(std::istream& in, std::ostream& out) : in_(in), out_(out) {}

  // The next answer line (blank and "#" lines skipped, a trailing CR dropped); writes
  // "== END" and throws ScriptEnded{3} when there is none.
  std::string NextLine();
  // Writes "== BAD line" and throws ScriptEnded{4}.
  [[noreturn]] void Bad(const std::string& line);

  // Block writing.
  void Header(const std::string& kind);
  void Key(const std::string& key, const std::string& value);
  // A text: inline when it is one line, else the key alone and each line indented.
  void Text(const std::string& key, const std::string& text);
  void Line(const std::string& line);  // a raw line of a block
  void EndBlock();

 private:
  std::istream& in_;
  std::ostream& out_;
};

// Splits a text at CR LF, lone CR and lone LF.
std::vector<std::string> SplitText(const std::string& text);

// A caption compared as scripts name it: letter case ignored, single "&" marks dropped,
// "&&" standing for "&".
std::string CaptionKey(const std::string& caption);

}  // namespace kvx
