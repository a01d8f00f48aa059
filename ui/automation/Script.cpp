#include "ui/automation/Script.h"

namespace kvx {

std::vector<std::string> SplitText(const std::string& text) {
  std::vector<std::string> lines(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lines.emplace_back();
    } else {
      lines.back() += c;
    }
  }
  return lines;
}

std::string CaptionKey(const std::string& caption) {
  std::string key;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    char c = caption[i];
    if (c == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') {
        key += '&';
        ++i;
      }
      continue;
    }
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    key += c;
  }
  return key;
}

std::string Script::NextLine() {
  std::string line;
  while (std::getline(in_, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    return line;
  }
  out_ << "== END\n\n";
  out_.flush();
  throw ScriptEnded{3};
}

void Script::Bad(const std::string& line) {
  out_ << "== BAD " << line << "\n\n";
  out_.flush();
  throw ScriptEnded{4};
}

void Script::Header(const std::string& kind) {
  out_ << "== " << kind << "\n";
}

void Script::Key(const std::string& key, const std::string& value) {
  out_ << key << ": " << value << "\n";
}

void Script::Text(const std::string& key, const std::string& text) {
  const std::vector<std::string> lines = SplitText(text);
  if (lines.size() == 1) {
    Key(key, text);
    return;
  }
  out_ << key << ":\n";
  for (const std::string& line : lines) out_ << "  " << line << "\n";
}

void Script::Line(const std::string& line) {
  out_ << line << "\n";
}

void Script::EndBlock() {
  out_ << "\n";
  out_.flush();
}

}  // namespace kvx
