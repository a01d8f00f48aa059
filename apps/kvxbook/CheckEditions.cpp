#include "CheckEditions.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "base/Errors.h"
#include "base/Files.h"
#include "book/BookBuilder.h"
#include "book/BookFiles.h"
#include "book/BookText.h"
#include "book/LineCodec.h"
#include "book/ReaderPages.h"
#include "core/StateTable.h"

namespace kvxbook {

namespace fs = std::filesystem;

namespace {

const char* const kEntities[kEntityCount] = {
    "sole proprietorship", "general partnership", "limited partnership", "LLP", "LLC",
    "corporation",         "S corporation"};

}  // namespace

Scratch::Scratch() {
  std::string pattern = (fs::temp_directory_path() / "kvxcheck-XXXXXX").string();
  if (::mkdtemp(pattern.data())) path_ = pattern + "/";
}

Scratch::~Scratch() {
  std::error_code ec;
  if (!path_.empty()) fs::remove_all(path_, ec);
}

bool SourcesClean(const CheckReport& report, const std::string& what) {
  // A book built from sources that fail their own checks says nothing of its own.
  if (report.SourcesClean()) return true;
  std::cerr << "kvxbook: " << what << " are checked once the sources check clean\n";
  return false;
}

bool CopyToScratch(const std::string& dir, const Scratch& scratch, CheckReport& report,
                   const CopyText& text) {
  if (scratch.path().empty()) {
    report.Add(dir, 0, "no temporary folder for building the editions");
    return false;
  }
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code fileEc;
    if (!it->is_regular_file(fileEc)) continue;
    const std::string name = it->path().filename().string();
    const std::optional<std::string> own = text ? text(name, it->path().string()) : std::nullopt;
    bool written = false;
    if (own) {
      try {
        kvx::WriteFile(scratch.path() + name, *own);
        written = true;
      } catch (const kvx::KvxError&) {
        // Copied as it is below.
      }
    }
    if (!written)
      fs::copy_file(it->path(), scratch.path() + name, fs::copy_options::overwrite_existing,
                    fileEc);
  }
  return true;
}

CheckApp::CheckApp(const std::string& folder) {
  kvx::LoadStateTable(app_.states);
  app_.session.PathSpec = folder;
}

void EditionFindings::Add(const std::string& file, int line, const std::string& message,
                          const std::string& edition) {
  editions_[{file, line, message}].push_back(edition);
}

void EditionFindings::Report(CheckReport& report, const std::string& code,
                             std::size_t editionCount) const {
  for (const auto& [key, editions] : editions_) {
    std::string which;
    if (editions.size() == editionCount) which = "every edition";
    for (std::size_t e = 0; editions.size() != editionCount && e < editions.size(); ++e)
      which += (e ? ", " : "") + editions[e];
    report.Add(key.file, key.line, "[" + code + ", " + which + "] " + key.message);
  }
}

kvx::CompanyProfile CheckCompany(int entity, const std::string& stateRow) {
  kvx::CompanyProfile p;
  p.StateName = kvx::RowName(stateRow);
  p.StateCode = kvx::RowCode(stateRow);
  p.Company = "Check Company";
  p.Entity = kEntities[entity];
  const bool odd = entity % 2 == 1;
  p.InExistence = odd ? "Y" : "N";
  p.Employees = odd ? 12 : 0;
  p.EmployeesText = std::to_string(p.Employees);
  p.SoleOwner = entity == 0 ? "Y" : "N";
  p.CloselyHeld = odd ? "Y" : "N";
  p.Revenues = "Under $1 million";
  p.Franchise = odd ? "N" : "Y";
  p.Inventories = odd ? "Y" : "N";
  p.RetirementPlan = odd ? "Y" : "N";
  p.WelfarePlans = odd ? "N" : "Y";
  p.ForeignInvestors = odd ? "N" : "Y";
  p.BizDescription = "Retail Merchandising";
  p.BizCategory = 1;
  p.DataComplete = "Y";
  return p;
}

std::string EditionName(int edition) {
  return edition == kGenericEdition ? "generic" : kEntities[edition];
}

void BuildCheckEdition(kvx::App& app, int edition, const std::string& stateRow) {
  const bool generic = edition == kGenericEdition;
  // The generic edition is built for the company the program holds; which one does not
  // change its text.
  app.profile = CheckCompany(generic ? 5 : edition, stateRow);
  app.session.Generic = "N";
  try {
    std::vector<std::string> pages = kvx::ReadingOrder();
    pages.insert(pages.end(), {kvx::kTopicsPage, kvx::kSearchPage, kvx::kSearchIndex});
    for (const std::string& page : pages)
      if (page != "appendB.htm") kvx::DeleteIfExists(app.Path(page));
    kvx::DeleteIfExists(app.Path("GENERIC.TXT"));
    if (generic)
      kvx::BuildGenericEdition(app);
    else
      kvx::CreateBook(app);
  } catch (const kvx::KvxError&) {
    // Whatever was not built is reported by the caller as missing.
  }
  app.session.Generic = generic ? "Y" : "N";
}

void CheckEveryEdition(kvx::App& app, CheckReport& report, std::size_t editionNames,
                       const EditionCheck& check) {
  for (int row = 1; row <= kvx::kStateCount; ++row) {
    const std::string& stateRow = app.states.States[row];
    if (!kvx::Exist(app.Path(kvx::RowCode(stateRow) + ".dat"))) continue;
    EditionFindings findings;
    for (int edition = kGenericEdition; edition < kEntityCount; ++edition) {
      BuildCheckEdition(app, edition, stateRow);
      check(edition, findings);
    }
    findings.Report(report, kvx::RowCode(stateRow), editionNames * (kEntityCount + 1));
  }
}

std::string AddressOfHref(std::string href) {
  href = kvx::ReplaceAll(href, "%20", " ");
  for (const auto& [entity, c] :
       {std::pair{"&quot;", "\""}, {"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}})
    href = kvx::ReplaceAll(href, entity, c);
  return href;
}

std::vector<std::pair<int, std::string>> PageLinks(const std::string& page, const std::string& html,
                                                   bool barOnly) {
  std::vector<std::pair<int, std::string>> links;
  int number = 0;
  kvx::ForEachLine(html, [&](std::string_view line) {
    ++number;
    if (barOnly && line.find(kvx::kReadingBarClass) == std::string_view::npos) return;
    const std::string lower = kvx::LowerAscii(std::string(line));
    for (std::size_t at = lower.find("href=\""); at != std::string::npos;
         at = lower.find("href=\"", at + 6)) {
      const std::size_t end = lower.find('"', at + 6);
      if (end == std::string::npos) break;
      const std::size_t tag = lower.rfind('<', at);
      if (tag == std::string::npos || lower.compare(tag, 3, "<a ") != 0) continue;
      std::string address = AddressOfHref(std::string(line.substr(at + 6, end - at - 6)));
      if (!address.empty() && address[0] == '#') address = page + address;
      links.emplace_back(number, std::move(address));
    }
  });
  return links;
}

}  // namespace kvxbook
