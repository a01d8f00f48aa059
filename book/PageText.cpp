#include "book/PageText.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <map>

namespace kvx {

namespace {

// What a byte is to the reader. Every page of every edition is read so, a byte at a time,
// so the test is one look-up.
enum ByteClass : unsigned char { kPlain, kBlank, kMarkup };
constexpr std::array<unsigned char, 256> kClassOf = [] {
  std::array<unsigned char, 256> table{};
  for (unsigned char c : {' ', '\t', '\r', '\n', '\f'}) table[c] = kBlank;
  table['<'] = table['&'] = kMarkup;
  return table;
}();

// What ends a run of words: markup, and the blanks but the space.
constexpr std::array<bool, 256> kEndsRun = [] {
  std::array<bool, 256> table{};
  for (std::size_t c = 0; c < table.size(); ++c) table[c] = kClassOf[c] != kPlain && c != ' ';
  return table;
}();

ByteClass ClassOf(char c) {
  return static_cast<ByteClass>(kClassOf[static_cast<unsigned char>(c)]);
}

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsAlnum(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// lower is already lowered.
bool EqualsLowered(std::string_view text, std::string_view lower) {
  if (text.size() != lower.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (Lower(text[i]) != lower[i]) return false;
  return true;
}

// The character an entity stands for; 0 when it is not one the book may use.
char32_t EntityCode(std::string_view name) {
  static const std::map<std::string_view, char32_t> kNamed = {
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
    char32_t code = 0;
    const std::string_view digits = name.substr(hex ? 2 : 1);
    if (digits.empty() || digits.size() > 6) return 0;
    for (char c : digits) {
      const char l = Lower(c);
      const int d = c >= '0' && c <= '9'          ? c - '0'
                    : hex && l >= 'a' && l <= 'f' ? l - 'a' + 10
                                                  : -1;
      if (d < 0) return 0;
      code = code * (hex ? 16 : 10) + static_cast<char32_t>(d);
    }
    return code > 0x10FFFF || (code >= 0xD800 && code < 0xE000) ? 0 : code;
  }
  const auto found = kNamed.find(name);
  return found == kNamed.end() ? 0 : found->second;
}

bool IsBlank(char c) {
  return ClassOf(c) == kBlank;
}

// The value of the attribute in a tag, its name matched ignoring letter case; empty when
// the tag has none. name is lowered.
std::string_view AttributeValue(std::string_view tag, std::string_view name) {
  for (std::size_t at = 1; at + name.size() <= tag.size(); ++at) {
    if (Lower(tag[at]) != name[0] || !IsBlank(tag[at - 1]) ||
        !EqualsLowered(tag.substr(at, name.size()), name))
      continue;
    std::size_t p = at + name.size();
    while (p < tag.size() && IsBlank(tag[p])) ++p;
    if (p >= tag.size() || tag[p] != '=') continue;
    ++p;
    while (p < tag.size() && IsBlank(tag[p])) ++p;
    if (p >= tag.size() || (tag[p] != '"' && tag[p] != '\'')) continue;
    const std::size_t end = tag.find(tag[p], p + 1);
    if (end == std::string_view::npos) return {};
    return tag.substr(p + 1, end - p - 1);
  }
  return {};
}

// Where the closing tag of name (lowered) begins, from from on; npos when there is none.
std::size_t ClosingTag(std::string_view html, std::size_t from, std::string_view name) {
  for (std::size_t p = html.find("</", from); p != std::string_view::npos;
       p = html.find("</", p + 2)) {
    if (EqualsLowered(html.substr(p + 2, name.size()), name)) return p;
  }
  return std::string_view::npos;
}

// The tags inside a line of words that a browser shows without a break.
bool IsInline(std::string_view name) {
  static constexpr std::string_view kInline[] = {"a",    "b",     "i",    "em", "strong",
                                                 "font", "small", "span", "u"};
  return std::find(std::begin(kInline), std::end(kInline), name) != std::end(kInline);
}

// Where a run of words that goes on at from ends: before other blanks than the space and
// before markup, and after the first of two spaces (the second begins the blanks' own
// step). html[from - 1] is plain.
std::size_t RunEnd(std::string_view html, std::size_t from) {
  std::size_t end = from;
  while (end < html.size()) {
    const char c = html[end];
    if (kEndsRun[static_cast<unsigned char>(c)] || (c == ' ' && html[end - 1] == ' ')) break;
    ++end;
  }
  return end;
}

// Walks a page's markup and cuts its words into stretches at the anchors.
class TextReader {
 public:
  explicit TextReader(const std::string& page) : page_(page) { Start({}); }

  PageText Read(std::string_view html) {
    std::size_t i = 0;
    while (i < html.size()) {
      switch (ClassOf(html[i])) {
        case kPlain: {
          // Words parted by single spaces are appended at once, as they stand: most of
          // a page is such runs.
          const std::size_t end = RunEnd(html, i + 1);
          PutRun(html.substr(i, end - i));
          i = end;
          break;
        }
        case kBlank:
          Put(' ');
          while (++i < html.size() && ClassOf(html[i]) == kBlank) {
          }
          break;
        case kMarkup:
          i = html[i] == '<' ? Tag(html, i) : Entity(html, i);
          break;
      }
    }
    Finish();
    return std::move(result_);
  }

 private:
  std::size_t Tag(std::string_view html, std::size_t at) {
    if (html.compare(at, 4, "<!--") == 0) {
      const std::size_t end = html.find("-->", at + 4);
      return end == std::string_view::npos ? html.size() : end + 3;
    }
    const std::size_t end = html.find('>', at);
    if (end == std::string_view::npos) return html.size();
    const std::string_view tag = html.substr(at + 1, end - at - 1);
    const bool closing = !tag.empty() && tag[0] == '/';
    // Only the name is lowered: none that matters here is longer than the buffer.
    char lowered[8];
    std::size_t length = 0;
    for (std::size_t n = closing ? 1 : 0; n < tag.size() && IsAlnum(tag[n]); ++n, ++length)
      if (length < sizeof lowered) lowered[length] = Lower(tag[n]);
    const std::string_view name =
        length <= sizeof lowered ? std::string_view(lowered, length) : std::string_view("-");
    if (!closing && (name == "script" || name == "style")) {
      const std::size_t close = ClosingTag(html, end, name);
      return close == std::string_view::npos ? html.size() : close;
    }
    if (name == "title") {
      inTitle_ = !closing;
    } else if (name == "a") {
      if (!closing)
        if (const std::string_view anchor = AttributeValue(tag, "name"); !anchor.empty())
          Anchor(anchor);
    } else if (name.size() == 2 && name[0] == 'h' && name[1] >= '1' && name[1] <= '6') {
      Put(' ');
      if (!closing) heading_.clear(), headingStart_ = current_.text.size();
      // The first heading becomes the title, and leaves the text, so that a result does
      // not show it twice; a match in it still counts.
      if (closing && inHeading_ && current_.title.empty()) {
        current_.title = Trimmed(heading_);
        current_.text.erase(std::min(headingStart_, current_.text.size()));
      }
      inHeading_ = !closing;
      Put(' ');
    } else if (!IsInline(name)) {
      Put(' ');  // any other tag parts words, as a browser shows them apart
    }
    return end + 1;
  }

  std::size_t Entity(std::string_view html, std::size_t at) {
    const std::size_t end = html.find(';', at);
    if (end != std::string_view::npos && end - at <= 10) {
      if (const char32_t code = EntityCode(html.substr(at + 1, end - at - 1)); code != 0) {
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

  std::string& To() { return inTitle_ ? title_ : current_.text; }

  void Put(char c) {
    std::string& to = To();
    if (c == ' ' && (to.empty() || to.back() == ' ')) return;
    to += c;
    if (inHeading_ && !inTitle_) heading_ += c;
  }

  // Characters that are not the start of markup, beginning with none that is blank; its
  // blanks are single spaces.
  void PutRun(std::string_view run) {
    To().append(run);
    if (inHeading_ && !inTitle_) heading_.append(run);
  }

  static std::string Trimmed(std::string text) {
    const std::size_t last = text.find_last_not_of(' ');
    text.erase(last == std::string::npos ? 0 : last + 1);
    text.erase(0, std::min(text.size(), text.find_first_not_of(' ')));
    return text;
  }

  bool HasWords() const {
    return !current_.title.empty() || current_.text.find_first_not_of(' ') != std::string::npos;
  }

  // A run of anchors with no words between them leads to its first one.
  void Anchor(std::string_view anchor) {
    if (!HasWords() && anchorSeen_) return;
    if (HasWords()) Finish();
    Start(anchor);
    anchorSeen_ = true;
  }

  void Start(std::string_view anchor) {
    current_ = {};
    current_.href = page_;
    if (!anchor.empty()) current_.href.append("#").append(anchor);
  }

  void Finish() {
    current_.text = Trimmed(std::move(current_.text));
    if (HasWords()) result_.sections.push_back(std::move(current_));
    current_ = {};
    result_.title = Trimmed(title_);
  }

  std::string page_;
  PageText result_;
  SearchSection current_;
  std::string title_, heading_;
  std::size_t headingStart_ = 0;
  bool inTitle_ = false, inHeading_ = false, anchorSeen_ = false;
};

}  // namespace

void AppendUtf8(std::string& out, char32_t code) {
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

PageText ReadPageText(const std::string& page, std::string_view html) {
  // The reading bar's lines are left out; the rest is read as one text, so that markup
  // on either side of a bar joins as it did around it.
  // Every page of every edition passes through here: each thread keeps its buffer.
  thread_local std::string kept;
  kept.clear();
  // A page holds the class twice, in thousands of bytes: the C library's search, not one
  // that stops at every 'c'.
  const auto findBar = [&html](std::size_t from) -> std::size_t {
    const void* found = memmem(html.data() + from, html.size() - from, kReadingBarClass.data(),
                               kReadingBarClass.size());
    return found ? static_cast<std::size_t>(static_cast<const char*>(found) - html.data())
                 : std::string_view::npos;
  };
  std::size_t from = 0;
  for (std::size_t bar = findBar(0); bar != std::string_view::npos; bar = findBar(from)) {
    const std::size_t lineEnd = html.find('\n', bar);
    std::size_t lineStart = html.rfind('\n', bar);
    lineStart = lineStart == std::string_view::npos || lineStart < from ? from : lineStart + 1;
    kept.append(html.substr(from, lineStart - from));
    from = lineEnd == std::string_view::npos ? html.size() : lineEnd + 1;
  }
  kept.append(html.substr(from));
  return TextReader(page).Read(kept);
}

}  // namespace kvx
