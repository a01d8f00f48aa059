// Fuzzes the template processor: the input is a template, then (after a 0xFF 0xFE pair)
// a state chapter. The first byte picks the build kind and whether the chapter exists.

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/Errors.h"
#include "base/Files.h"
#include "book/TemplateProcessor.h"
#include "fuzz/FuzzApp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static kvx::fuzz::FuzzApp fuzz;
  if (size == 0) return 0;
  const std::uint8_t flags = data[0];
  const std::string input(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::size_t split = input.find("\xFF\xFE");
  const std::string templateText = input.substr(0, split);
  const kvx::ChapterLines chapter =
      kvx::IndexChapter(split == std::string::npos ? std::vector<std::string>()
                                                   : kvx::SplitLines(input.substr(split + 2)));

  kvx::CompanyProfile& p = fuzz.app.profile;
  // A California corporation; the flags vary the build kind and the state.
  p = kvx::CompanyProfile{};
  p.StateName = "California", p.StateCode = "CA", p.Company = "Acme & <Sons>";
  p.Entity = "corporation", p.EmployeesText = "12", p.Employees = 12, p.BizCategory = 1;
  p.Revenues = "Under $1 million", p.CloselyHeld = "Y", p.DataComplete = "Y";
  if (flags & 1) p.DataComplete = "N";
  if (flags & 2) p.StateCode = "LA";
  const bool chapterMissing = flags & 4;
  int messages = 0;
  kvx::TemplateContext context{p, fuzz.app.states, fuzz.app.session.PathSpec,
                               [&](const std::string&) { ++messages; },
                               [&]() -> const kvx::ChapterLines& {
                                 if (chapterMissing)
                                   kvx::Raise(kvx::kErrFileNotFound, "statchap.htm");
                                 return chapter;
                               }};
  std::string out;
  try {
    kvx::ProcessTemplate(templateText, context, out);
  } catch (const kvx::KvxError&) {
  }
  return 0;
}
