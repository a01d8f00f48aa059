#include "PrintableCheck.h"

#include <set>

#include "CheckEditions.h"
#include "NavigationCheck.h"
#include "base/Errors.h"
#include "base/Files.h"
#include "book/BookFiles.h"
#include "book/BookText.h"
#include "book/PrintableBook.h"

namespace kvxbook {

namespace fs = std::filesystem;

namespace {

// Addresses with a scheme lead out of the book; the checks leave them to the browser.
bool LeadsOutside(const std::string& address) {
  for (const char* scheme : {"http:", "https:", "mailto:"})
    if (kvx::LowerAscii(address.substr(0, std::string_view(scheme).size())) == scheme) return true;
  return false;
}

// The top anchor of the part each line of the book stands in, by line number (from 1).
std::vector<std::string> PartsOfLines(const std::string& text) {
  std::vector<std::string> parts{""};
  std::string part;
  kvx::ForEachLine(text, [&](std::string_view line) {
    if (const std::size_t at = line.find("<A NAME=\"TOP_"); at != std::string_view::npos) {
      const std::size_t end = line.find('"', at + 9);
      if (end != std::string_view::npos) part = std::string(line.substr(at + 9, end - at - 9));
    }
    parts.push_back(part);
  });
  return parts;
}

}  // namespace

std::vector<LostLink> LostBookLinks(const std::string& bookFile, const std::string& text) {
  // What the compile copies beside the book file: the pictures and the stylesheet.
  std::set<std::string> beside(kvx::BookPictureNames().begin(), kvx::BookPictureNames().end());
  beside.insert(kvx::kStyleSheet);
  beside.insert(bookFile);
  const std::set<std::string> anchors = PageAnchors(text);
  const std::vector<std::string> parts = PartsOfLines(text);
  std::vector<LostLink> lost;
  for (const auto& [line, address] : PageLinks(bookFile, text, false)) {
    if (address.empty() || LeadsOutside(address)) continue;
    const std::size_t hash = address.find('#');
    const std::string file = address.substr(0, hash);
    const bool lands = file == bookFile && hash != std::string::npos
                           ? anchors.count(address.substr(hash + 1)) > 0
                           : beside.count(file) > 0;
    if (!lands)
      lost.push_back({address, parts[std::min(static_cast<std::size_t>(line), parts.size() - 1)]});
  }
  return lost;
}

void CheckPrintableBooks(const std::string& dir, CheckReport& report) {
  if (!SourcesClean(report, "the printable books")) return;
  Scratch scratch;
  if (!CopyToScratch(dir, scratch, report)) return;
  CheckApp checkApp(scratch.path());
  kvx::App& app = checkApp.app();
  CheckEveryEdition(app, report, 2, [&](int edition, EditionFindings& findings) {
    const std::string bookFile = kvx::BookFileName(app);
    for (const bool outline : {false, true}) {
      const std::string name =
          EditionName(edition) + (outline ? " with the outline" : " without the outline");
      std::string book;
      try {
        book = kvx::CompileBook(app, outline);
      } catch (const kvx::KvxError& e) {
        findings.Add(bookFile, 0, "the printable book was not compiled: " + e.diag, name);
        continue;
      }
      for (const LostLink& link : LostBookLinks(bookFile, book))
        findings.Add(bookFile, 0,
                     "link -> " + link.address + " (in the part after " +
                         (link.part.empty() ? "the file's start" : link.part) +
                         ") lands on neither an anchor of the book nor a file beside it",
                     name);
    }
  });
}

}  // namespace kvxbook
