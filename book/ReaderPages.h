#pragma once
// The pages a reader uses beside the chapters, written by every build next to the book's
// pages: the topic index as a page (topics.htm), the search page (search.htm) and the
// search index it loads (searchdb.js, a script assigning one variable, so that it loads
// from file:// where a browser refuses to fetch). The stylesheet and the search script
// are shipped in the program folder, not written.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "book/BookFiles.h"
#include "book/PageText.h"

namespace kvx {

struct App;

inline constexpr const char* kTopicsPage = "topics.htm";
inline constexpr const char* kSearchPage = "search.htm";
inline constexpr const char* kSearchIndex = "searchdb.js";

// The pages of the book in reading order, the order of the bar's Previous and Next.
std::vector<std::string> ReadingOrder();

// The words of an edition's pages for its search index, by file name, gathered as a build
// makes the pages (in any order) or taken from what was read once for many editions.
class EditionText {
 public:
  void Add(const std::string& page, std::string_view html);
  void Add(const std::string& page, PageText text);
  // Moves the page's words out; nothing when the page was not added.
  std::optional<PageText> Take(const std::string& page);

 private:
  std::map<std::string, PageText> pages_;
};

// The text of searchdb.js for the pages, as pairs of file name and what it holds. ASCII
// only: every other character is written as a \u escape.
std::string SearchIndexText(const std::vector<std::pair<std::string, PageText>>& pages);

// The links of a search index's text, as written (page and "#anchor", spaces as %20).
std::vector<std::string> SearchIndexLinks(std::string_view indexText);

// topics.htm for the tailored rows of the topic index (as LoadTopicIndex shows them):
// the entries sorted alphabetically, each with the sub-entries ("...") that follow it,
// linked to the address the main window opens; a row without a book address is shown
// without a link, a web address is marked as one.
std::string TopicsPageText(const std::vector<std::string>& rows, const std::string& heading);

// search.htm, its heading naming the edition.
std::string SearchPageText(const std::string& heading);

// The address as an href: HTML-escaped, blanks as %20.
std::string HrefOf(const std::string& address);

// Writes topics.htm, search.htm and searchdb.js for the current state and edition into
// folder (ending in "/"; the program folder, or a batch's edition folder). The index holds
// the pages of the reading order but the contents (which repeat every heading): those in
// pages, and the others read from folder; a page in neither is left out. newFolder: the
// folder was made for this build, so nothing in it is replaced.
void WriteReaderPages(App& app, const std::string& folder, EditionText pages,
                      bool newFolder = false);

}  // namespace kvx
