#pragma once
// The pages a reader uses beside the chapters, written by every build next to the book's
// pages: the topic index as a page (topics.htm), the search page (search.htm) and the
// search index it loads (searchdb.js, a script assigning one variable, so that it loads
// from file:// where a browser refuses to fetch). The stylesheet and the search script
// are shipped in the program folder, not written.

#include <condition_variable>
#include <deque>
#include <exception>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Threads.h"
#include "book/BookFiles.h"
#include "book/PageText.h"

namespace kvx {

struct App;

inline constexpr const char* kTopicsPage = "topics.htm";
inline constexpr const char* kSearchPage = "search.htm";
inline constexpr const char* kSearchIndex = "searchdb.js";

// The pages of the book in reading order, the order of the bar's Previous and Next.
std::vector<std::string> ReadingOrder();

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

// Writes topics.htm, search.htm and searchdb.js for the edition into folder (ending in
// "/"; the program folder, or a batch's edition folder). The index holds the pages of the
// reading order but the contents (which repeat every heading): those in pages, and the
// others read from folder; a page in neither is left out. newFolder: the folder was made
// for this build, so nothing in it is replaced. Uses no App, so any thread may call it.
void WriteReaderPages(const EditionFacts& facts, const std::string& folder, EditionText pages,
                      bool newFolder = false);

// Makes the reader's pages of one build on a thread of its own: it reads the words of each
// page handed to it while the build makes the next, and writes the pages when the build is
// done, so that a build on two cores does not wait for them.
class ReaderPagesWriter {
 public:
  ReaderPagesWriter(EditionFacts facts, std::string folder);
  // A build that ends without Finish (a page failed) leaves the reader's pages unwritten.
  ~ReaderPagesWriter();
  ReaderPagesWriter(const ReaderPagesWriter&) = delete;
  ReaderPagesWriter& operator=(const ReaderPagesWriter&) = delete;

  void Add(const std::string& page, std::string_view html);
  // Takes the page's text, and gives back the emptied buffer of a page already read (or
  // none), for the build to make its next page in without new memory.
  std::string Add(const std::string& page, std::string&& html);
  // Writes the reader's pages once every page is read; raises what writing them raised.
  void Finish();

 private:
  enum class End { None, Write, Abandon };
  void Run();

  EditionFacts facts_;
  std::string folder_;
  std::mutex lock_;
  std::condition_variable changed_;
  std::deque<std::pair<std::string, std::string>> queue_;
  std::vector<std::string> read_;  // the buffers of pages read, emptied, for Add to give back
  End end_ = End::None;
  std::exception_ptr error_;
  SideThread thread_;  // last, so that it starts once the rest is made
};

}  // namespace kvx
