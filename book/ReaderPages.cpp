#include "book/ReaderPages.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <map>
#include <optional>

#include "base/Files.h"
#include "book/BookText.h"
#include "core/App.h"
#include "navigation/BrowserLauncher.h"
#include "navigation/TopicIndex.h"

namespace kvx {

namespace {

// Printable ASCII but the quote and the backslash, which a string literal holds as it is.
constexpr std::array<bool, 256> kStandsAsItIs = [] {
  std::array<bool, 256> table{};
  for (int c = 0x20; c < 0x7F; ++c) table[static_cast<std::size_t>(c)] = c != '"' && c != '\\';
  return table;
}();

// A JavaScript string literal of UTF-8 text, in ASCII.
void AppendJsString(std::string& out, std::string_view text) {
  out += '"';
  for (std::size_t i = 0; i < text.size();) {
    // What stands as it is goes a run at a time: nearly all of the book's text.
    std::size_t plain = i;
    while (plain < text.size() && kStandsAsItIs[static_cast<unsigned char>(text[plain])]) ++plain;
    if (plain > i) {
      out.append(text, i, plain - i);
      i = plain;
      continue;
    }
    const auto c = static_cast<unsigned char>(text[i]);
    std::uint32_t code = c;
    std::size_t length = 1;
    if (c >= 0x80) {
      length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 0;
      bool valid = length != 0 && i + length <= text.size();
      code = valid ? (c & (0x7F >> length)) : 0;
      for (std::size_t k = 1; valid && k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) valid = false;
        code = (code << 6) | (next & 0x3F);
      }
      if (!valid) code = 0xFFFD, length = 1;
    }
    i += length;
    auto unit = [&out](std::uint32_t u) {
      static const char kHex[] = "0123456789abcdef";
      out += "\\u";
      for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(u >> shift) & 0xF];
    };
    if (code == '"' || code == '\\') {
      out += '\\';
      out += static_cast<char>(code);
    } else if (code >= 0x20 && code < 0x7F) {
      out += static_cast<char>(code);
    } else if (code >= 0x10000) {
      unit(0xD800 + ((code - 0x10000) >> 10));
      unit(0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
      unit(code);
    }
  }
  out += '"';
}

std::string Head(const std::string& title) {
  return "<HTML><HEAD><TITLE>" + title +
         "</TITLE><META NAME=\"viewport\" CONTENT=\"width=device-width, initial-scale=1\">"
         "<LINK REL=\"stylesheet\" HREF=\"" +
         kStyleSheet + "\"></HEAD>\r\n<BODY BGCOLOR=\"#FFFFFF\">\r\n";
}

// The bar of a page outside the reading order: no page before or after it.
std::string Bar() {
  return "<div " + std::string(kReadingBarClass) +
         "><a href=\"contents.htm\">Contents</a> <span class=\"kvxoff\">Previous</span> "
         "<span class=\"kvxoff\">Next</span> <a href=\"" +
         kTopicsPage + "\">Topic index</a> <a href=\"" + kSearchPage + "\">Search</a></div>\r\n";
}

// The key an entry is sorted by: its letters and digits, capitalised.
std::string SortKey(std::string_view title) {
  std::string key;
  key.reserve(title.size());
  for (char c : title)
    if (std::isalnum(static_cast<unsigned char>(c)) || c == ' ') key += c;
  return UpperAscii(std::string(TrimmedView(key)));
}

struct Entry {
  std::string_view title;    // in the tailored row it came from
  std::string address, key;  // key: SortKey(title), for sorting
  std::vector<Entry> subEntries;
};

void AppendEntryHtml(std::string& out, const Entry& e) {
  if (e.address.empty()) return AppendEscapedHtml(out, e.title);
  const bool web = StartsWith(e.address, "http");
  out += web ? "<a class=\"kvxweb\" href=\"" : "<a href=\"";
  out += HrefOf(e.address);
  out += "\">";
  AppendEscapedHtml(out, e.title);
  out += web ? "</a> <small>(web site)</small>" : "</a>";
}

std::string EditionHeading(const App& app) {
  const std::string edition = "Opusgrand, " + EscapeHtml(CurrentStateName(app)) + " edition";
  return app.session.Generic == "Y" ? edition + " (generic)"
                                    : edition + ", for " + EscapeHtml(app.profile.Company);
}

}  // namespace

IndexedPage IndexPage(const PageText& text) {
  IndexedPage indexed;
  AppendJsString(indexed.title, text.title);
  std::size_t size = 0;
  for (const SearchSection& s : text.sections)
    size += s.href.size() + s.title.size() + s.text.size() + 12;
  indexed.rows.reserve(size + size / 32);  // a few escapes
  for (const SearchSection& s : text.sections) {
    indexed.rows += ",\n[";
    AppendJsString(indexed.rows, ReplaceAll(s.href, " ", "%20"));
    indexed.rows += ", ";
    AppendJsString(indexed.rows, s.title);
    indexed.rows += ", ";
    AppendJsString(indexed.rows, s.text);
    indexed.rows += ']';
  }
  return indexed;
}

std::shared_ptr<const IndexedPage> IndexedPageOf(const std::string& page, std::string_view html) {
  return std::make_shared<const IndexedPage>(IndexPage(ReadPageText(page, html)));
}

namespace {

// searchdb.js for the pages in their order (null ones left out): every page's sections as
// rows of one list, then the pages' titles.
std::string SearchIndexOf(
    const std::vector<std::pair<std::string, std::shared_ptr<const IndexedPage>>>& pages) {
  std::string out =
      "// The search index of this edition of the book, written by the build for search.js.\n"
      "var KVX_SEARCH_INDEX = {\n\"sections\": [";
  bool firstRow = true;
  for (const auto& [page, indexed] : pages) {
    if (!indexed || indexed->rows.empty()) continue;
    // The list's first row has no comma before it.
    out += std::string_view(indexed->rows).substr(firstRow ? 1 : 0);
    firstRow = false;
  }
  out += "\n],\n\"pages\": {";
  bool first = true;
  for (const auto& [page, indexed] : pages) {
    if (!indexed) continue;
    out += first ? "\n" : ",\n";
    first = false;
    AppendJsString(out, page);
    out += ": ";
    out += indexed->title;
  }
  out += "\n}};\n";
  return out;
}

// The pages of the search index, in reading order.
std::vector<std::string> IndexedOrder() {
  std::vector<std::string> order;
  for (const BookPage& page : kBookPages)
    if (page.searched) order.emplace_back(page.file);
  return order;
}

// A page of folder that the build did not hand over, read from the folder; nullptr when
// there is none.
std::shared_ptr<const IndexedPage> IndexedFromFolder(const std::string& folder,
                                                     const std::string& page) {
  if (!Exist(folder + page)) return nullptr;
  return IndexedPageOf(page, ReadFileBytes(Resolve(folder + page)));
}

}  // namespace

std::string SearchIndexText(const std::vector<std::pair<std::string, PageText>>& pages) {
  std::vector<std::pair<std::string, std::shared_ptr<const IndexedPage>>> indexed;
  for (const auto& [page, text] : pages)
    indexed.emplace_back(page, std::make_shared<const IndexedPage>(IndexPage(text)));
  return SearchIndexOf(indexed);
}

std::vector<std::string> SearchIndexLinks(std::string_view indexText) {
  std::vector<std::string> links;
  ForEachLine(indexText, [&](std::string_view line) {
    if (!StartsWith(line, "[\"")) return;
    std::string link;
    for (std::size_t i = 2; i < line.size() && line[i] != '"'; ++i) {
      if (line[i] == '\\' && i + 1 < line.size()) {
        ++i;
        if (line[i] == 'u' && i + 4 < line.size()) {
          AppendUtf8(link, static_cast<char32_t>(
                               std::stoul(std::string(line.substr(i + 1, 4)), nullptr, 16)));
          i += 4;
          continue;
        }
      }
      link += line[i];
    }
    links.push_back(std::move(link));
  });
  return links;
}

std::string HrefOf(const std::string& address) {
  return ReplaceAll(EscapeHtml(address), " ", "%20");
}

namespace {

// topics.htm above its entries.
std::string TopicsHead(const std::string& heading) {
  return Head("Topic index") + Bar() + "<H2>Topic index</H2>\r\n<p><i>" + heading + "</i></p>\r\n";
}

// topics.htm from its entries on: the same for every edition of a state and kind.
std::string TopicEntriesHtml(const std::vector<std::string>& rows) {
  std::vector<Entry> entries;
  entries.reserve(rows.size());
  for (const std::string& row : rows) {
    const std::size_t slash = row.find('\\');
    const std::string_view title = TrimmedView(std::string_view(row).substr(0, slash));
    if (title.empty() || StartsWith(title, "----")) continue;  // the list's own caption
    Entry e;
    if (slash != std::string::npos)
      e.address =
          TopicTargetToAddress(std::string(TrimmedView(std::string_view(row).substr(slash + 1))));
    if (StartsWith(title, "...") && !entries.empty()) {
      e.title = TrimmedView(title.substr(3));
      entries.back().subEntries.push_back(std::move(e));
      continue;
    }
    e.title = title;
    e.key = SortKey(e.title);
    entries.push_back(std::move(e));
  }
  std::stable_sort(entries.begin(), entries.end(),
                   [](const Entry& a, const Entry& b) { return a.key < b.key; });

  std::string letters, body;
  body.reserve(rows.size() * 96);
  char letter = 0;
  for (const Entry& e : entries) {
    const std::string& key = e.key;
    // Entries that begin with a figure ("1099 ...") share one group before the letters.
    const char first =
        key.empty() || std::isdigit(static_cast<unsigned char>(key[0])) ? '0' : key[0];
    if (first != letter) {
      if (letter != 0) body += "</ul>\r\n";
      letter = first;
      const std::string group = letter == '0' ? "0-9" : std::string(1, letter);
      const std::string name = "letter-" + group;
      letters +=
          std::string(letters.empty() ? "" : " ") + "<a href=\"#" + name + "\">" + group + "</a>";
      body += "<A NAME=\"" + name + "\"></A><H3>" + group + "</H3>\r\n<ul class=\"kvxtopics\">\r\n";
    }
    body += "<li>";
    AppendEntryHtml(body, e);
    if (!e.subEntries.empty()) {
      body += "\r\n<ul>\r\n";
      for (const Entry& sub : e.subEntries) {
        body += "<li>";
        AppendEntryHtml(body, sub);
        body += "</li>\r\n";
      }
      body += "</ul>\r\n";
    }
    body += "</li>\r\n";
  }
  if (letter != 0) body += "</ul>\r\n";
  return "<p class=\"kvxletters\">" + letters + "</p>\r\n" + body + Bar() + "</BODY></HTML>\r\n";
}

}  // namespace

std::string TopicsPageText(const std::vector<std::string>& rows, const std::string& heading) {
  return TopicsHead(heading) + TopicEntriesHtml(rows);
}

std::string SearchPageText(const std::string& heading) {
  return Head("Search the book") + Bar() + "<H2>Search the book</H2>\r\n<p><i>" + heading +
         "</i></p>\r\n"
         "<form class=\"kvxsearch\" action=\"" +
         kSearchPage +
         "\" method=\"get\" role=\"search\">\r\n"
         "<input type=\"search\" name=\"q\" id=\"kvxquery\" size=\"30\" "
         "aria-label=\"Words or a phrase in quotes\" placeholder=\"Words, or &quot;a "
         "phrase&quot;\">\r\n"
         "<button type=\"submit\">Search</button>\r\n</form>\r\n"
         "<p id=\"kvxstatus\">Type words to find the sections that hold all of them; put a "
         "phrase in quotes.</p>\r\n"
         "<ol id=\"kvxresults\"></ol>\r\n"
         "<noscript><p>Searching needs JavaScript, which this browser has turned off for the "
         "page.</p></noscript>\r\n"
         "<script src=\"" +
         kSearchIndex + "\"></script>\r\n<script src=\"" + kSearchScript + "\"></script>\r\n" +
         Bar() + "</BODY></HTML>\r\n";
}

void EditionText::Add(const std::string& page, std::string_view html) {
  pages_[page] = IndexedPageOf(page, html);
}

void EditionText::Add(const std::string& page, std::shared_ptr<const IndexedPage> indexed) {
  pages_[page] = std::move(indexed);
}

std::shared_ptr<const IndexedPage> EditionText::Take(const std::string& page) {
  const auto found = pages_.find(page);
  if (found == pages_.end()) return nullptr;
  return std::move(found->second);
}

const std::string& TopicEntries::For(const EditionFacts& facts) {
  if (!made_ || stateName_ != facts.stateName || stateCode_ != facts.stateCode ||
      generic_ != facts.generic) {
    entries_ = TopicEntriesHtml(
        TailorTopicLines(TopicLines(), facts.stateName, facts.stateCode, facts.generic));
    stateName_ = facts.stateName, stateCode_ = facts.stateCode, generic_ = facts.generic;
    made_ = true;
  }
  return entries_;
}

EditionFacts FactsOf(const App& app) {
  return {EditionHeading(app), CurrentStateName(app), CurrentStateCode(app),
          app.session.Generic == "Y"};
}

void WriteReaderPages(const EditionFacts& facts, const std::string& topicEntries,
                      const std::string& folder, EditionText known, FolderWrite how) {
  std::vector<std::pair<std::string, std::shared_ptr<const IndexedPage>>> pages;
  for (const std::string& page : IndexedOrder()) {
    std::shared_ptr<const IndexedPage> indexed = known.Take(page);
    pages.emplace_back(page, indexed ? std::move(indexed) : IndexedFromFolder(folder, page));
  }
  const std::string topics = TopicsHead(facts.heading) + topicEntries;
  const std::string search = SearchPageText(facts.heading);
  const std::string index = SearchIndexOf(pages);
  for (const auto& [name, bytes] :
       {std::pair{kTopicsPage, &topics}, {kSearchPage, &search}, {kSearchIndex, &index}}) {
    if (how == FolderWrite::New)
      WriteNewFile(folder + name, *bytes);
    else
      WriteFile(folder + name, *bytes);
  }
}

}  // namespace kvx
