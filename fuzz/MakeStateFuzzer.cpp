// Fuzzes the state chapter builder end to end: the input is a state file; MakeState
// writes the chapter, StateChapterNumber reads it back, and the checker reads both.

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/Files.h"
#include "book/StateChapter.h"
#include "book/TemplateCheck.h"
#include "fuzz/FuzzApp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static kvx::fuzz::FuzzApp fuzz;
  kvx::App& app = fuzz.app;
  const std::string input(reinterpret_cast<const char*>(data), size);
  app.profile.StateCode = "TX";
  kvx::WriteFile(app.Path("TX.dat"), input);
  if (kvx::MakeState(app) != 1) __builtin_trap();
  const int row = kvx::StateChapterNumber(app);
  if (row < 0 || row > 99) __builtin_trap();
  const std::vector<std::string> lines = kvx::SplitLines(input);
  kvx::CheckStateFile(lines, 44);
  kvx::CheckTemplate(lines);
  return 0;
}
