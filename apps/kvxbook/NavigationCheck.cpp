#include "NavigationCheck.h"

#include <cctype>
#include <map>
#include <optional>
#include <vector>

#include "CheckEditions.h"
#include "base/Errors.h"
#include "base/Files.h"
#include "book/BookBuilder.h"
#include "book/BookFiles.h"
#include "book/BookText.h"
#include "book/LineCodec.h"
#include "book/ReaderPages.h"
#include "core/App.h"
#include "navigation/BrowserLauncher.h"
#include "navigation/PictureMenus.h"
#include "navigation/TopicIndex.h"

namespace kvxbook {

namespace fs = std::filesystem;

namespace {

std::vector<std::string> BookPages() {
  std::vector<std::string> pages = kvx::ReadingOrder();
  pages.insert(pages.end(), {kvx::kTopicsPage, kvx::kSearchPage});
  return pages;
}

// Adds a problem when the address leads to a page the edition lacks, or to an anchor its
// page lacks.
void CheckAddress(EditionFindings& findings, const std::string& file, int line,
                  const std::string& what, const std::string& address,
                  const std::map<std::string, std::set<std::string>>& built,
                  const std::string& edition) {
  if (address.empty() || address.compare(0, 4, "http") == 0) return;
  const std::size_t hash = address.find('#');
  const std::string page = address.substr(0, hash);
  const auto found = built.find(kvx::LowerAscii(page));
  std::string message;
  if (found == built.end()) {
    message = what + " -> " + address + ": the page " + page + " was not built";
  } else if (hash != std::string::npos && !found->second.count(address.substr(hash + 1))) {
    message = what + " -> " + address + ": " + page + " has no anchor <A NAME=\"" +
              address.substr(hash + 1) + "\">";
  } else {
    return;
  }
  findings.Add(file, line, message, edition);
}

bool IsTemplateName(const std::string& name) {
  for (const std::string& page : kvx::TemplatePageNames())
    if (kvx::EqualsIgnoreCase(name, page + ".dat")) return true;
  return false;
}

bool Blank(std::string_view line) {
  for (char c : line)
    if (!std::isspace(static_cast<unsigned char>(c))) return false;
  return true;
}

// True when the line can go on with an anchor begun on a line before it: an anchor's
// parts may be parted by line breaks only where blanks may stand, so such a line begins
// with the next part (the attribute name, "=" or the quoted name).
bool ContinuesAnAnchor(const std::string& lower) {
  std::size_t at = 0;
  while (at < lower.size() && std::isspace(static_cast<unsigned char>(lower[at]))) ++at;
  const std::string_view rest = std::string_view(lower).substr(at);
  return rest.starts_with("name") || rest.starts_with("=") || rest.starts_with("\"");
}

}  // namespace

namespace {

// The anchors of html, as PageAnchors finds them; open is set when an anchor's parts run
// up to the end of html, so that text after it could go on with it.
std::set<std::string> ScanAnchors(const std::string& html, bool& open) {
  std::set<std::string> anchors;
  open = false;
  const std::string lower = kvx::LowerAscii(html);
  auto skipBlanks = [&](std::size_t at) {
    while (at < lower.size() && std::isspace(static_cast<unsigned char>(lower[at]))) ++at;
    return at;
  };
  for (std::size_t at = lower.find("<a"); at != std::string::npos; at = lower.find("<a", at + 2)) {
    std::size_t p = at + 2;
    if (p >= lower.size()) open = true;
    if (p >= lower.size() || !std::isspace(static_cast<unsigned char>(lower[p]))) continue;
    p = skipBlanks(p);
    if (p >= lower.size()) open = true;
    if (lower.compare(p, 4, "name") != 0) continue;
    p = skipBlanks(p + 4);
    if (p >= lower.size()) open = true;
    if (p >= lower.size() || lower[p] != '=') continue;
    p = skipBlanks(p + 1);
    if (p >= lower.size()) open = true;
    if (p >= lower.size() || lower[p] != '"') continue;
    const std::size_t end = html.find('"', p + 1);
    if (end == std::string::npos) {
      open = true;
      break;
    }
    anchors.insert(html.substr(p + 1, end - p - 1));
  }
  return anchors;
}

// What a plain line (no "@") gives the skeleton: itself when it could go on with an anchor
// begun before it or begin one that goes on after it; else its anchors alone, as short
// anchors in a row; empty when it has none.
std::string PlainLineSkeleton(const std::string& line, const std::string& lower) {
  // The reading bar stays too, so that kvxbook check sees its links in the built pages.
  if (ContinuesAnAnchor(lower) || kvx::Contains(line, kvx::kReadingBarClass)) return line;
  if (!kvx::Contains(lower, "<a")) return {};
  bool open = false;
  const std::set<std::string> anchors = ScanAnchors(line, open);
  if (open) return line;
  std::string shortLine;
  for (const std::string& name : anchors) shortLine += "<a name=\"" + name + "\">";
  return shortLine;
}

}  // namespace

std::string TemplateSkeleton(std::string_view storedText) {
  std::string skeleton, line;
  bool pending = false, pendingBlank = true;
  auto put = [&](const std::string& plain) {
    skeleton += kvx::EncodeLine(plain).value_or(std::string());
    skeleton += "\r\n";
  };
  kvx::ForEachLine(storedText, [&](std::string_view raw) {
    kvx::DecodeInto(raw, line);
    const std::string lower = kvx::LowerAscii(line);
    std::string kept;
    if (line.find('@') == std::string::npos) {
      kept = PlainLineSkeleton(line, lower);
    } else if (kvx::Contains(line, "@@") || kvx::Contains(line, "@INSERT") ||
               kvx::Contains(line, kvx::kReadingBarClass) || kvx::Contains(line, "@IF[") ||
               kvx::Contains(lower, "<a") || ContinuesAnAnchor(lower)) {
      // Directives decide what is written. A token's value holds no "<" or quote (it is
      // escaped) and none of the check's companies has a value beginning with "name" or
      // "=", so other lines of tokens can neither begin an anchor nor go on with one.
      kept = line;
    }
    if (kept.empty()) {
      pending = true;
      pendingBlank = pendingBlank && Blank(line);
      return;
    }
    // A dropped run stays one line: blank when it was blank, since an anchor may go on over
    // blank lines, and "." otherwise, which stops an anchor as the text it stands for did.
    if (pending) put(pendingBlank ? "" : ".");
    pending = false, pendingBlank = true;
    put(kept);
  });
  if (pending) put(pendingBlank ? "" : ".");
  return skeleton;
}

std::set<std::string> PageAnchors(const std::string& html) {
  bool open = false;
  return ScanAnchors(html, open);
}

void CheckNavigation(const std::string& dir, CheckReport& report) {
  if (!SourcesClean(report, "the topic index and menus")) return;
  // The editions are built from the templates' skeletons: the same anchors at a cost that
  // follows the directives and anchors, so that a huge template is read once, not once
  // for every state and edition.
  Scratch scratch;
  const auto skeleton = [](const std::string& name,
                           const std::string& path) -> std::optional<std::string> {
    if (!IsTemplateName(name)) return std::nullopt;
    try {
      return TemplateSkeleton(kvx::ReadFileBytes(path));
    } catch (const std::exception&) {
      return std::nullopt;  // copied as it is: the build meets the same failure
    }
  };
  if (!CopyToScratch(dir, scratch, report, skeleton)) return;

  CheckApp checkApp(scratch.path());
  kvx::App& app = checkApp.app();
  const std::vector<std::string> pages = BookPages();

  CheckEveryEdition(app, report, 1, [&](int edition, EditionFindings& findings) {
    std::map<std::string, std::set<std::string>> built;
    std::map<std::string, std::string> texts;
    for (const std::string& page : pages) {
      if (!kvx::Exist(app.Path(page))) continue;
      texts[page] = kvx::ReadFileBytes(kvx::Resolve(app.Path(page)));
      built[kvx::LowerAscii(page)] = PageAnchors(texts[page]);
    }
    const std::string name = EditionName(edition);
    std::set<std::string> rowAddresses;
    const std::vector<std::string>& lines = kvx::TopicLines();
    for (std::size_t i = 0; i < lines.size() && lines[i] != kvx::kTopicEndMarker; ++i) {
      const std::string shown =
          kvx::TailorTopicRow(lines[i], app.profile.StateName, app.profile.StateCode, edition < 0);
      if (shown.empty()) continue;
      const std::size_t slash = shown.find('\\');
      std::string title = shown.substr(0, slash);
      title.erase(title.find_last_not_of(' ') + 1);
      const std::string address = kvx::TopicTargetToAddress(shown.substr(slash + 1));
      CheckAddress(findings, "topics.txt", static_cast<int>(i) + 1, "\"" + title + "\"", address,
                   built, name);
      rowAddresses.insert(address);
    }
    for (int form = kvx::kFirstMenu; form <= kvx::kLastMenu; ++form) {
      const kvx::PictureMenu menu(app, form);
      const kvx::DialogView view = menu.Describe();
      for (std::size_t c = 0; c < view.controls.size(); ++c)
        if (view.controls[c].clickable)
          CheckAddress(findings, view.name, 0, "\"" + view.controls[c].text + "\"",
                       menu.AddressOf(static_cast<int>(c)), built, name);
    }
    // The reader's ways through the book: the bar of every page, the topic index page
    // and the search index lead only to places the edition has. A link of topics.htm to
    // a row's address was checked with the row above. A page made from a template's
    // skeleton has lines of its own, so a bar's problem names the page alone.
    for (const auto& [page, text] : texts) {
      const bool topics = page == kvx::kTopicsPage;
      for (const auto& [line, address] : PageLinks(page, text, !topics))
        if (!topics || !rowAddresses.count(address))
          CheckAddress(findings, page, topics ? line : 0,
                       topics ? "topic link" : "reading bar link", address, built, name);
    }
    if (kvx::Exist(app.Path(kvx::kSearchIndex))) {
      for (const std::string& link :
           kvx::SearchIndexLinks(kvx::ReadFileBytes(kvx::Resolve(app.Path(kvx::kSearchIndex)))))
        CheckAddress(findings, kvx::kSearchIndex, 0, "search result", AddressOfHref(link), built,
                     name);
    } else {
      findings.Add(kvx::kSearchIndex, 0, "the search index was not written", name);
    }
  });
}

}  // namespace kvxbook
