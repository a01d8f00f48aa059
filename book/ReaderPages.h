#pragma once
// The pages a reader uses beside the chapters, written by every build next to the book's
// pages: the topic index as a page (topics.htm), the search page (search.htm) and the
// search index it loads (searchdb.js, a script assigning one variable, so that it loads
// from file:// where a browser refuses to fetch). The stylesheet and the search script
// are shipped in the program folder, not written.

#include <string>
#include <string_view>
#include <vector>

#include "book/BookFiles.h"

namespace kvx {

struct App;

inline constexpr const char* kTopicsPage = "topics.htm";
inline constexpr const char* kSearchPage = "search.htm";
inline constexpr const char* kSearchIndex = "searchdb.js";
// The class of the reading bar's line: the pages' own bar is one line holding it, which
// the search index leaves out and kvxbook check reads.
inline constexpr std::string_view kReadingBarClass = "class=\"kvxbar\"";

// The pages of the book in reading order, the order of the bar's Previous and Next.
std::vector<std::string> ReadingOrder();

// One stretch of a page that a search result leads to: from an anchor to the next.
struct SearchSection {
  std::string href;   // "chap06.htm#06.01", or the page alone before its first anchor
  std::string title;  // the first heading of the stretch; empty when it has none
  std::string text;   // its other words as UTF-8, blanks collapsed, the reading bar left out
};

// The page's title and its stretches, in page order; stretches without words (neither
// title nor text) are left out. page is the page's file name.
struct PageText {
  std::string title;
  std::vector<SearchSection> sections;
};
PageText ReadPageText(const std::string& page, std::string_view html);

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

// Writes topics.htm, search.htm and searchdb.js for the current state and edition from
// the pages built in folder (ending in "/"; the program folder, or a batch's edition
// folder); a missing page and the contents are left out of the index.
void WriteReaderPages(App& app, const std::string& folder);

}  // namespace kvx
