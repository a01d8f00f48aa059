#pragma once
// The state chapter: statchap.htm made from the state's file, and the state it was
// built for read back from it.

#include <cstdint>
#include <string>
#include <vector>

#include "book/TemplateProcessor.h"

namespace kvx {

struct App;

// The lines of statchap.htm as last read or written, so that a book build does not
// read the same chapter again for every @INSERT. It is re-read whenever the file on
// disk differs (name, size or modification time) from what the cache holds.
struct StateChapterCache {
  bool valid = false;
  std::string path;
  std::uintmax_t size = 0;
  std::int64_t time = 0;
  ChapterLines chapter;
};

// The state chapter's lines; raises 53 when statchap.htm does not exist.
const ChapterLines& StateChapterLines(App& app, StateChapterCache& cache);

// A decoded state-file line as the chapter shows it: the template markers as brackets.
std::string ChapterLine(std::string line);

struct StateSource;

// Writes the state chapter to target (statchap.htm). 1 when written; 0 when state is
// nullptr (the state has no file) or holds a read error, or the write failed (then reported
// as MakeState reports it).
int WriteStateChapter(App& app, const StateSource* state, const std::string& target);

// Writes statchap.htm from the state file. 1 when written, 0 when the state file does
// not exist or a run-time error occurred (then reported).
int MakeState(App& app, StateChapterCache& cache);
int MakeState(App& app);

// The state row (1 to 51 for a valid file) named by the identity anchor of the existing
// statchap.htm; 0 when there is no such file or anchor.
int StateChapterNumber(App& app);

}  // namespace kvx
