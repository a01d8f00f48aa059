#pragma once
// The words of a built page, as the search index holds them: the page's title and its
// text cut into stretches at the page's anchors, the markup and the reading bar left out.

#include <string>
#include <string_view>
#include <vector>

namespace kvx {

// The class of the reading bar's line: the pages' own bar is one line holding it, which
// the search index leaves out and kvxbook check reads.
inline constexpr std::string_view kReadingBarClass = "class=\"kvxbar\"";

// One stretch of a page that a search result leads to: from an anchor to the next.
struct SearchSection {
  std::string href;   // "chap06.htm#06.01", or the page alone before its first anchor
  std::string title;  // the first heading of the stretch; empty when it has none
  std::string text;   // its other words as UTF-8, blanks collapsed, the reading bar left out
};

// The page's title and its stretches, in page order; stretches without words (neither
// title nor text) are left out.
struct PageText {
  std::string title;
  std::vector<SearchSection> sections;
};

// page is the page's file name, which begins every href.
PageText ReadPageText(const std::string& page, std::string_view html);

// Appends the character as UTF-8.
void AppendUtf8(std::string& out, char32_t code);

}  // namespace kvx
