// Fuzzes the template skeletons of kvxbook check: a page made from a template and the page
// made from its skeleton must have the same anchors (those whose name holds no line
// break, the only ones a place in the book can name). The first byte picks the edition.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>

#include "NavigationCheck.h"
#include "base/Errors.h"
#include "book/TemplateProcessor.h"
#include "fuzz/FuzzApp.h"

namespace {

std::set<std::string> NamedAnchors(const std::string& page) {
  std::set<std::string> anchors;
  for (const std::string& name : kvxbook::PageAnchors(page))
    if (name.find_first_of("\r\n") == std::string::npos) anchors.insert(name);
  return anchors;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static kvx::fuzz::FuzzApp fuzz;
  if (size == 0) return 0;
  const std::uint8_t flags = data[0];
  const std::string templateText(reinterpret_cast<const char*>(data + 1), size - 1);
  // A company as the check builds them.
  kvx::CompanyProfile& p = fuzz.app.profile;
  p = kvx::CompanyProfile{};
  p.StateName = "Ohio", p.StateCode = "OH", p.Company = "Check Company";
  p.Entity = "LLC", p.EmployeesText = "12", p.Employees = 12, p.BizCategory = 1;
  p.Revenues = "Under $1 million", p.CloselyHeld = "Y", p.DataComplete = "Y";
  p.BizDescription = "Retail Merchandising";
  if (flags & 1) p.DataComplete = "N";
  const kvx::ChapterLines chapter = kvx::IndexChapter(
      {"<A NAME=\"TDI\">", "<a name=\"in chapter\">", "<A NAME=\"SALES TAX\">", "<a"});
  auto make = [&](const std::string& text) {
    kvx::TemplateContext context{p, fuzz.app.states, fuzz.app.session.PathSpec,
                                 [](const std::string&) {},
                                 [&]() -> const kvx::ChapterLines& { return chapter; }};
    std::string out;
    kvx::ProcessTemplate(text, context, out);
    return out;
  };
  if (NamedAnchors(make(templateText)) !=
      NamedAnchors(make(kvxbook::TemplateSkeleton(templateText))))
    std::abort();
  return 0;
}
