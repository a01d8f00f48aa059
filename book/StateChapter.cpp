#include "book/StateChapter.h"

#include <filesystem>

#include "book/BookText.h"
#include "book/LineCodec.h"
#include "core/App.h"
#include "core/Trap.h"
#include "base/Files.h"
#include "core/Messages.h"

namespace kvx {

namespace {

namespace fs = std::filesystem;

// Size and modification time of a file; false when it does not exist.
bool Stamp(const std::string& path, std::uintmax_t& size, std::int64_t& time) {
  std::error_code ec;
  const fs::file_time_type t = fs::last_write_time(path, ec);
  if (ec) return false;
  size = fs::file_size(path, ec);
  if (ec) return false;
  time = static_cast<std::int64_t>(t.time_since_epoch().count());
  return true;
}

}  // namespace

const ChapterLines& StateChapterLines(App& app, StateChapterCache& cache) {
  const std::string name = app.Path("statchap.htm");
  const std::string path = Resolve(name);
  std::uintmax_t size = 0;
  std::int64_t time = 0;
  if (!Stamp(path, size, time)) {
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

int MakeState(App& app, StateChapterCache& cache) {
  const std::string source = app.Path(app.profile.StateCode + ".dat");
  if (app.profile.StateCode.empty() || !IsPlainFileName(app.profile.StateCode + ".dat") ||
      !Exist(source))
    return 0;
  std::string marker;
  KvxError error;
  try {
    const std::string bytes = ReadFileBytes(source);
    marker = "1";
    cache.valid = false;
    std::vector<std::string> lines;
    std::string text, decoded;
    text.reserve(bytes.size() + bytes.size() / 16);
    ForEachLine(bytes, [&](std::string_view raw) {
      DecodeInto(raw, decoded);
      lines.push_back(ChapterLine(decoded));
      text += lines.back();
      text += "\r\n";
    });
    const std::string target = app.Path("statchap.htm");
    WriteFile(target, text);
    marker = "2";
    cache.chapter = IndexChapter(std::move(lines));
    cache.path = target;
    cache.valid = Stamp(target, cache.size, cache.time);
    return 1;
  } catch (...) {
    error = CurrentError();
  }
  app.ui.ShowMessage(
      Box(app.session.ProgName,
          "Error # " + NumberText(error.number) + " in MakeState FUNCTION (TestCode = " + marker,
          Icon::Information));
  return 0;
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
