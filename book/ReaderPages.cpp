#include "book/ReaderPages.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <map>

#include "base/Files.h"
#include "book/BookText.h"
#include "core/App.h"
#include "navigation/BrowserLauncher.h"
#include "navigation/TopicIndex.h"

namespace kvx {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
}

void AppendUtf8(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// The character an entity stands for; 0 when it is not one the book may use.
std::uint32_t EntityCode(std::string_view name) {
  static const std::map<std::string_view, std::uint32_t> kNamed = {
      {"amp", '&'},       {"lt", '<'},       {"gt", '>'},       {"quot", '"'},
      {"apos", '\''},     {"nbsp", 0xA0},    {"rsquo", 0x2019}, {"lsquo", 0x2018},
      {"rdquo", 0x201D},  {"ldquo", 0x201C}, {"ndash", 0x2013}, {"mdash", 0x2014},
      {"hellip", 0x2026}, {"sect", 0xA7},    {"para", 0xB6},    {"copy", 0xA9},
      {"reg", 0xAE},      {"trade", 0x2122}, {"times", 0xD7},   {"divide", 0xF7},
      {"frac12", 0xBD},   {"frac14", 0xBC},  {"frac34", 0xBE},  {"deg", 0xB0},
      {"cent", 0xA2},     {"pound", 0xA3},   {"euro", 0x20AC},  {"middot", 0xB7},
      {"bull", 0x2022},   {"larr", 0x2190},  {"rarr", 0x2192},  {"eacute", 0xE9},
      {"egrave", 0xE8},   {"aacute", 0xE1},  {"agrave", 0xE0},  {"iacute", 0xED},
      {"oacute", 0xF3},   {"uacute", 0xFA},  {"ntilde", 0xF1},  {"ccedil", 0xE7},
      {"uuml", 0xFC},     {"ouml", 0xF6},    {"auml", 0xE4},    {"Eacute", 0xC9}};
  if (name.size() > 1 && name[0] == '#') {
    const bool hex = name[1] == 'x' || name[1] == 'X';
    std::uint32_t code = 0;
    const std::string_view digits = name.substr(hex ? 2 : 1);
    if (digits.empty() || digits.size() > 6) return 0;
    for (char c : digits) {
      const int d = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                    : hex && std::isxdigit(static_cast<unsigned char>(c))
                        ? std::tolower(static_cast<unsigned char>(c)) - 'a' + 10
                        : -1;
      if (d < 0) return 0;
      code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(d);
    }
    return code > 0x10FFFF || (code >= 0xD800 && code < 0xE000) ? 0 : code;
  }
  const auto found = kNamed.find(name);
  return found == kNamed.end() ? 0 : found->second;
}

// The value of attribute name in a tag (its text lowered, the original beside it for
// the value's letter case); empty when the tag has none.
std::string AttributeValue(std::string_view tag, std::string_view lower, std::string_view name) {
  for (std::size_t at = lower.find(name); at != std::string_view::npos;
       at = lower.find(name, at + 1)) {
    if (at == 0 || !IsBlank(lower[at - 1])) continue;
    std::size_t p = at + name.size();
    while (p < lower.size() && IsBlank(lower[p])) ++p;
    if (p >= lower.size() || lower[p] != '=') continue;
    ++p;
    while (p < lower.size() && IsBlank(lower[p])) ++p;
    if (p >= lower.size() || (lower[p] != '"' && lower[p] != '\'')) continue;
    const std::size_t end = tag.find(tag[p], p + 1);
    if (end == std::string_view::npos) return {};
    return std::string(tag.substr(p + 1, end - p - 1));
  }
  return {};
}

// Walks a page's markup and cuts its words into stretches at the anchors.
class TextReader {
 public:
  explicit TextReader(const std::string& page) : page_(page) { Start({}); }

  PageText Read(std::string_view html) {
    std::size_t i = 0;
    while (i < html.size()) {
      const char c = html[i];
      if (c == '<') {
        i = Tag(html, i);
      } else if (c == '&') {
        i = Entity(html, i);
      } else if (IsBlank(c)) {
        Put(' ');
        ++i;
      } else {
        // A run of plain characters is appended at once: most of a page is such runs.
        std::size_t end = i + 1;
        while (end < html.size() && html[end] != '<' && html[end] != '&' && !IsBlank(html[end]))
          ++end;
        PutRun(html.substr(i, end - i));
        i = end;
      }
    }
    Finish();
    return std::move(result_);
  }

 private:
  std::size_t Tag(std::string_view html, std::size_t at) {
    if (html.substr(at, 4) == "<!--") {
      const std::size_t end = html.find("-->", at + 4);
      return end == std::string_view::npos ? html.size() : end + 3;
    }
    const std::size_t end = html.find('>', at);
    if (end == std::string_view::npos) return html.size();
    const std::string_view tag = html.substr(at + 1, end - at - 1);
    const std::string lower = LowerAscii(std::string(tag));
    const bool closing = !lower.empty() && lower[0] == '/';
    std::size_t n = closing ? 1 : 0;
    while (n < lower.size() && std::isalnum(static_cast<unsigned char>(lower[n]))) ++n;
    const std::string name = lower.substr(closing ? 1 : 0, n - (closing ? 1 : 0));
    if (!closing && (name == "script" || name == "style")) {
      const std::size_t close = LowerAscii(std::string(html.substr(end))).find("</" + name);
      return close == std::string::npos ? html.size() : end + close;
    }
    if (name == "title") {
      inTitle_ = !closing;
    } else if (name == "a" && !closing) {
      if (std::string anchor = AttributeValue(tag, lower, "name"); !anchor.empty()) Anchor(anchor);
    } else if (name.size() == 2 && name[0] == 'h' && name[1] >= '1' && name[1] <= '6') {
      Put(' ');
      if (!closing) heading_.clear(), headingStart_ = current_.text.size();
      // The first heading becomes the title, and leaves the text, so that a result does
      // not show it twice; a match in it still counts.
      if (closing && inHeading_ && current_.title.empty()) {
        current_.title = TrimSpaces(heading_);
        current_.text.erase(std::min(headingStart_, current_.text.size()));
      }
      inHeading_ = !closing;
      Put(' ');
    } else if (name != "a" && name != "b" && name != "i" && name != "em" && name != "strong" &&
               name != "font" && name != "small" && name != "span" && name != "u") {
      Put(' ');  // any other tag parts words, as a browser shows them apart
    }
    return end + 1;
  }

  std::size_t Entity(std::string_view html, std::size_t at) {
    const std::size_t end = html.find(';', at);
    if (end != std::string_view::npos && end - at <= 10) {
      if (const std::uint32_t code = EntityCode(html.substr(at + 1, end - at - 1)); code != 0) {
        if (code == 0xA0) {
          Put(' ');
        } else {
          std::string bytes;
          AppendUtf8(bytes, code);
          for (char b : bytes) Put(b);
        }
        return end + 1;
      }
    }
    Put('&');
    return at + 1;
  }

  void Put(char c) {
    std::string& to = inTitle_ ? title_ : current_.text;
    if (c == ' ' && (to.empty() || to.back() == ' ')) return;
    to += c;
    if (inHeading_ && !inTitle_) heading_ += c;
  }

  // Characters that are neither blanks nor the start of markup.
  void PutRun(std::string_view run) {
    (inTitle_ ? title_ : current_.text).append(run);
    if (inHeading_ && !inTitle_) heading_.append(run);
  }

  bool HasWords() const { return !current_.title.empty() || !TrimSpaces(current_.text).empty(); }

  // A run of anchors with no words between them leads to its first one.
  void Anchor(const std::string& anchor) {
    if (!HasWords() && anchorSeen_) return;
    if (HasWords()) Finish();
    Start(anchor);
    anchorSeen_ = true;
  }

  void Start(const std::string& anchor) {
    current_ = {};
    current_.href = anchor.empty() ? page_ : page_ + "#" + anchor;
  }

  void Finish() {
    current_.text = TrimSpaces(current_.text);
    if (HasWords()) result_.sections.push_back(std::move(current_));
    current_ = {};
    result_.title = TrimSpaces(title_);
  }

  std::string page_;
  PageText result_;
  SearchSection current_;
  std::string title_, heading_;
  std::size_t headingStart_ = 0;
  bool inTitle_ = false, inHeading_ = false, anchorSeen_ = false;
};

// A JavaScript string literal of UTF-8 text, in ASCII.
void AppendJsString(std::string& out, std::string_view text) {
  out += '"';
  for (std::size_t i = 0; i < text.size();) {
    // Printable ASCII but the quote and the backslash stands as it is, a run at a time.
    std::size_t plain = i;
    while (plain < text.size() && text[plain] >= 0x20 && text[plain] < 0x7F && text[plain] != '"' &&
           text[plain] != '\\')
      ++plain;
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
std::string SortKey(const std::string& title) {
  std::string key;
  for (char c : title)
    if (std::isalnum(static_cast<unsigned char>(c)) || c == ' ') key += c;
  return UpperAscii(TrimSpaces(key));
}

struct Entry {
  std::string title, address, key;  // key: SortKey(title), for sorting
  std::vector<Entry> subEntries;
};

std::string EntryHtml(const Entry& e) {
  const std::string title = EscapeHtml(e.title);
  if (e.address.empty()) return title;
  if (StartsWith(e.address, "http"))
    return "<a class=\"kvxweb\" href=\"" + HrefOf(e.address) + "\">" + title +
           "</a> <small>(web site)</small>";
  return "<a href=\"" + HrefOf(e.address) + "\">" + title + "</a>";
}

std::string EditionHeading(const App& app) {
  const std::string edition = "Opusgrand, " + EscapeHtml(CurrentStateName(app)) + " edition";
  return app.session.Generic == "Y" ? edition + " (generic)"
                                    : edition + ", for " + EscapeHtml(app.profile.Company);
}

}  // namespace

std::vector<std::string> ReadingOrder() {
  std::vector<std::string> pages = {"contents.htm", "preface.htm"};
  for (int n = 1; n <= 17; ++n)
    pages.push_back(std::string("chap") + (n < 10 ? "0" : "") + std::to_string(n) + ".htm");
  for (const char* page : {"statchap.htm", "appendA.htm", "appendB.htm", "appendC.htm"})
    pages.emplace_back(page);
  return pages;
}

PageText ReadPageText(const std::string& page, std::string_view html) {
  std::string kept;
  kept.reserve(html.size());
  ForEachLine(html, [&](std::string_view line) {
    if (line.find(kReadingBarClass) != std::string_view::npos) return;
    kept.append(line);
    kept += '\n';
  });
  return TextReader(page).Read(kept);
}

std::string SearchIndexText(const std::vector<std::pair<std::string, PageText>>& pages) {
  std::string out =
      "// The search index of this edition of the book, written by the build for search.js.\n"
      "var KVX_SEARCH_INDEX = {\n\"pages\": {";
  bool first = true;
  for (const auto& [page, text] : pages) {
    out += first ? "\n" : ",\n";
    first = false;
    AppendJsString(out, page);
    out += ": ";
    AppendJsString(out, text.title);
  }
  out += "\n},\n\"sections\": [";
  first = true;
  for (const auto& [page, text] : pages) {
    for (const SearchSection& s : text.sections) {
      out += first ? "\n[" : ",\n[";
      first = false;
      AppendJsString(out, ReplaceAll(s.href, " ", "%20"));
      out += ", ";
      AppendJsString(out, s.title);
      out += ", ";
      AppendJsString(out, s.text);
      out += ']';
    }
  }
  out += "\n]};\n";
  return out;
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
          AppendUtf8(link, static_cast<std::uint32_t>(
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

std::string TopicsPageText(const std::vector<std::string>& rows, const std::string& heading) {
  std::vector<Entry> entries;
  for (const std::string& row : rows) {
    const std::size_t slash = row.find('\\');
    std::string title = TrimSpaces(row.substr(0, slash));
    if (title.empty() || StartsWith(title, "----")) continue;  // the list's own caption
    Entry e;
    if (slash != std::string::npos)
      e.address = TopicTargetToAddress(TrimSpaces(row.substr(slash + 1)));
    if (StartsWith(title, "...") && !entries.empty()) {
      e.title = TrimSpaces(title.substr(3));
      entries.back().subEntries.push_back(std::move(e));
      continue;
    }
    e.title = std::move(title);
    e.key = SortKey(e.title);
    entries.push_back(std::move(e));
  }
  std::stable_sort(entries.begin(), entries.end(),
                   [](const Entry& a, const Entry& b) { return a.key < b.key; });

  std::string out =
      Head("Topic index") + Bar() + "<H2>Topic index</H2>\r\n<p><i>" + heading + "</i></p>\r\n";
  std::string letters, body;
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
    body += "<li>" + EntryHtml(e);
    if (!e.subEntries.empty()) {
      body += "\r\n<ul>\r\n";
      for (const Entry& sub : e.subEntries) body += "<li>" + EntryHtml(sub) + "</li>\r\n";
      body += "</ul>\r\n";
    }
    body += "</li>\r\n";
  }
  if (letter != 0) body += "</ul>\r\n";
  out += "<p class=\"kvxletters\">" + letters + "</p>\r\n" + body + Bar() + "</BODY></HTML>\r\n";
  return out;
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

void WriteReaderPages(App& app, const std::string& folder) {
  const std::string heading = EditionHeading(app);
  const std::vector<std::string> rows = TailorTopicLines(
      TopicLines(), CurrentStateName(app), CurrentStateCode(app), app.session.Generic == "Y");
  WriteFile(folder + kTopicsPage, TopicsPageText(rows, heading));
  WriteFile(folder + kSearchPage, SearchPageText(heading));
  std::vector<std::pair<std::string, PageText>> pages;
  for (const std::string& page : ReadingOrder()) {
    // The contents repeat the headings of every page: a search finds the sections.
    if (page == "contents.htm" || !Exist(folder + page)) continue;
    pages.emplace_back(page, ReadPageText(page, ReadFileBytes(Resolve(folder + page))));
  }
  WriteFile(folder + kSearchIndex, SearchIndexText(pages));
}

}  // namespace kvx
