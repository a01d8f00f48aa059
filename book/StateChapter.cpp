#include "book/StateChapter.h"

#include <sys/stat.h>

#include "base/Files.h"
#include "book/BookSources.h"
#include "book/BookText.h"
#include "book/LineCodec.h"
#include "core/App.h"
#include "core/Messages.h"
#include "core/Trap.h"

namespace kvx {

namespace {

// Size and modification time of a file, from one stat; false when it does not exist.
bool Stamp(const std::string& path, std::uintmax_t& size, std::int64_t& time) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return false;
  size = static_cast<std::uintmax_t>(st.st_size);
  time = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  return true;
}

}  // namespace

const ChapterLines& StateChapterLines(App& app, StateChapterCache& cache) {
  const std::string name = app.Path("statchap.htm");
  std::string path = name;
  std::uintmax_t size = 0;
  std::int64_t time = 0;
  // The name as the build writes it is tried first; another letter case only when missing.
  bool found = Stamp(path, size, time);
  if (!found) {
    path = Resolve(name);
    found = path != name && Stamp(path, size, time);
  }
  if (!found) {
    cache.valid = false;
    Raise(kErrFileNotFound, "Unable to find file: " + name);
  }
  if (cache.valid && cache.path == path && cache.size == size && cache.time == time)
    return cache.chapter;
  cache.valid = false;
  cache.chapter = IndexChapter(SplitLines(ReadFileBytes(path)));
  // A file changed while it was read is read again next time.
  cache.valid = Stamp(path, cache.size, cache.time) && cache.size == size && cache.time == time;
  cache.path = path;
  return cache.chapter;
}

std::string ChapterLine(std::string line) {
  // Each pass shortens the line, so the loop ends.
  while (Contains(line, "<!--@@") || Contains(line, "@@-->")) {
    line = ReplaceAll(line, "<!--@@ ", "[");
    line = ReplaceAll(line, "<!--@@", "[");
    line = ReplaceAll(line, " @@-->", "]");
    line = ReplaceAll(line, "@@-->", "]");
  }
  return line;
}

int WriteStateChapter(App& app, const StateSource* state, const std::string& target) {
  if (!state) return 0;
  // The marker says how far MakeState got: the file read, then statchap.htm written.
  std::string marker;
  KvxError error = state->error;
  if (error.number == 0) {
    try {
      marker = "1";
      WriteFile(target, state->text);
      return 1;
    } catch (...) {
      error = CurrentError();
    }
  }
  app.ui.ShowMessage(
      Box(app.session.ProgName,
          "Error # " + NumberText(error.number) + " in MakeState FUNCTION (TestCode = " + marker,
          Icon::Information));
  return 0;
}

int MakeState(App& app, StateChapterCache& cache) {
  const std::string source = StateFileName(app.session.PathSpec, app.profile.StateCode);
  if (source.empty() || !Exist(source)) return 0;
  StateSource state;
  try {
    state = ReadStateFile(source);
  } catch (...) {
    state.error = CurrentError();
  }
  cache.valid = false;
  const std::string target = app.Path("statchap.htm");
  if (WriteStateChapter(app, &state, target) != 1) return 0;
  cache.chapter = std::move(state.chapter);
  cache.path = target;
  cache.valid = Stamp(target, cache.size, cache.time);
  return 1;
}

int MakeState(App& app) {
  StateChapterCache cache;
  return MakeState(app, cache);
}

int StateChapterNumber(App& app) {
  int number = 0;
  Trap(app, "StateChapterNumber", [&] {
    const std::string name = app.Path("statchap.htm");
    if (!Exist(name)) return;
    for (const std::string& line : ReadLines(name)) {
      std::string upper = UpperAscii(line);
      if (!Contains(upper, "<A NAME=") || !Contains(upper, "LEGAL0")) continue;
      // Upper case, so that an anchor written in lower case reads the same.
      upper = ReplaceAll(TrimSpaces(upper), "></A>", "");
      if (upper.size() < 3) return;
      number = LeadingCode(std::string_view(upper).substr(upper.size() - 3, 2));
      if (number < 0) number = 0;
      return;
    }
  });
  return number;
}

}  // namespace kvx
