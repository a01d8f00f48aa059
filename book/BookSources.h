#pragma once
// What an edition is made from, read and decoded before the build: the templates, the
// state chapters and the ready files the pages link to. Once loaded nothing in it changes,
// so the builds of many editions on several threads share one.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/Errors.h"
#include "book/TemplateProcessor.h"

namespace kvx {

// One template, decoded (each byte as its line's decoding gives it, line ends kept);
// error.number is not 0 when it could not be read.
struct TemplateSource {
  std::string fileName;  // the full name of the template file, for messages
  std::string text;
  KvxError error;
};

// A state file decoded into the state chapter: the bytes of statchap.htm and its lines;
// error.number is not 0 when the file could not be read.
struct StateSource {
  std::string text;
  ChapterLines chapter;
  KvxError error;
};

struct BookSources {
  std::string folder;                               // the program folder, ending in "/"
  std::map<std::string, TemplateSource> templates;  // by page name, every page of the book
  std::map<std::string, StateSource> states;  // by state code; a state without a file is absent

  // nullptr when the state has no file.
  const StateSource* State(const std::string& code) const;
};

// Reads a template file (the name's letter case ignored) and decodes it.
TemplateSource ReadTemplate(const std::string& fileName);

// The name of a state's file in folder; empty when the code cannot name one.
std::string StateFileName(const std::string& folder, const std::string& code);

// Reads the state file and decodes it into the chapter; raises as ReadFileBytes.
StateSource ReadStateFile(const std::string& fileName);

// The state's source from folder: nothing when the state has no file, its error when the
// file cannot be read.
std::optional<StateSource> LoadStateSource(const std::string& folder, const std::string& code);

// Reads every template of the book from folder, and the files of the given states.
BookSources LoadBookSources(const std::string& folder, const std::vector<std::string>& stateCodes);

}  // namespace kvx
