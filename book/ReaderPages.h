#pragma once
// The pages a reader uses beside the chapters, written by every build next to the book's
// pages: the topic index as a page (topics.htm), the search page (search.htm) and the
// search index it loads (searchdb.js, a script assigning one variable, so that it loads
// from file:// where a browser refuses to fetch). The stylesheet and the search script
// are shipped in the program folder, not written.

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "book/BookFiles.h"
#include "book/PageText.h"

namespace kvx {

struct App;

// One page of the search index as searchdb.js holds it, made as soon as the page is read so
// that its words need not be kept: its title and its sections as the index writes them
// (JavaScript string literals), each section a row of the index's list after ",\n".
struct IndexedPage {
  std::string title;
  std::string rows;
};
IndexedPage IndexPage(const PageText& text);
// A built page's words (ReadPageText), indexed, to be shared.
std::shared_ptr<const IndexedPage> IndexedPageOf(const std::string& page, std::string_view html);

// The pages of an edition's search index, by file name, gathered as a build makes the pages
// (in any order) or taken from what was read once for many editions.
class EditionText {
 public:
  void Add(const std::string& page, std::string_view html);
  // A page indexed once and shared, not copied, by many editions.
  void Add(const std::string& page, std::shared_ptr<const IndexedPage> indexed);
  // Moves the page out; nullptr when the page was not added.
  std::shared_ptr<const IndexedPage> Take(const std::string& page);

 private:
  std::map<std::string, std::shared_ptr<const IndexedPage>> pages_;
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

// What the reader's pages say of their edition, taken from the App before they are made.
struct EditionFacts {
  std::string heading;  // "Opusgrand, Texas edition, for ...", HTML-escaped
  std::string stateName, stateCode;
  bool generic = false;
};
EditionFacts FactsOf(const App& app);

// The entries of topics.htm for an edition's state and kind. They are the same for every
// edition of one state and kind, so the last ones made are kept: a batch worker builds the
// editions of one state one after another.
class TopicEntries {
 public:
  const std::string& For(const EditionFacts& facts);

 private:
  std::string stateName_, stateCode_;
  bool generic_ = false, made_ = false;
  std::string entries_;
};

// How a build writes into its folder: replacing what is there (the program folder), or
// into a folder made for it, where nothing is replaced.
enum class FolderWrite { Replace, New };

// Writes topics.htm (with the entries made by TopicEntries), search.htm and searchdb.js for
// the edition into folder (ending in "/"; the program folder, or a batch's edition
// folder). The index holds the pages of the reading order but the contents (which repeat
// every heading): those in pages, and the others read from folder; a page in neither is
// left out. Uses no App, so any thread may call it.
void WriteReaderPages(const EditionFacts& facts, const std::string& topicEntries,
                      const std::string& folder, EditionText pages, FolderWrite how);

}  // namespace kvx
