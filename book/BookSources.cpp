#include "book/BookSources.h"

#include "base/Files.h"
#include "book/BookFiles.h"
#include "book/BookText.h"
#include "book/LineCodec.h"
#include "book/StateChapter.h"

namespace kvx {

const StateSource* BookSources::State(const std::string& code) const {
  const auto it = states.find(code);
  return it == states.end() ? nullptr : &it->second;
}

TemplateSource ReadTemplate(const std::string& fileName) {
  TemplateSource source;
  source.fileName = fileName;
  try {
    // Decoding leaves bytes below 32 as they are, line ends too, so the whole text
    // decodes in one pass as its lines would one by one.
    source.text = DecodeLine(ReadFileBytes(fileName));
  } catch (...) {
    source.text.clear();
    source.error = CurrentError();
  }
  return source;
}

std::string StateFileName(const std::string& folder, const std::string& code) {
  if (code.empty() || !IsPlainFileName(code + ".dat")) return {};
  return folder + code + ".dat";
}

StateSource ReadStateFile(const std::string& fileName) {
  const std::string bytes = ReadFileBytes(fileName);
  StateSource state;
  std::vector<std::string> lines;
  std::string decoded;
  state.text.reserve(bytes.size() + bytes.size() / 16);
  ForEachLine(bytes, [&](std::string_view raw) {
    DecodeInto(raw, decoded);
    lines.push_back(ChapterLine(decoded));
    state.text += lines.back();
    state.text += "\r\n";
  });
  state.chapter = IndexChapter(std::move(lines));
  return state;
}

BookSources LoadBookSources(const std::string& folder, const std::vector<std::string>& stateCodes) {
  BookSources sources;
  sources.folder = folder;
  for (const std::string& page : TemplatePageNames())
    sources.templates.emplace(page, ReadTemplate(folder + page + ".dat"));
  for (const std::string& code : stateCodes) {
    if (sources.states.count(code)) continue;
    if (std::optional<StateSource> state = LoadStateSource(folder, code))
      sources.states.emplace(code, std::move(*state));
  }
  return sources;
}

std::optional<StateSource> LoadStateSource(const std::string& folder, const std::string& code) {
  const std::string name = StateFileName(folder, code);
  if (name.empty() || !Exist(name)) return std::nullopt;
  try {
    return ReadStateFile(name);
  } catch (...) {
    StateSource state;
    state.error = CurrentError();
    return state;
  }
}

}  // namespace kvx
