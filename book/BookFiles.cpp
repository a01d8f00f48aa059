#include "book/BookFiles.h"

#include <algorithm>

#include "base/Text.h"

namespace kvx {

const BookPage* FindBookPage(std::string_view file) {
  for (const BookPage& page : kBookPages)
    if (EqualsIgnoreCase(std::string(page.file), std::string(file))) return &page;
  return nullptr;
}

std::vector<std::string> ReadingOrder() {
  std::vector<std::string> order;
  for (const BookPage& page : kBookPages) order.emplace_back(page.file);
  return order;
}

std::vector<std::string> TemplatePageNames() {
  std::vector<const BookPage*> made;
  for (const BookPage& page : kBookPages)
    if (page.buildStep > 0) made.push_back(&page);
  std::sort(made.begin(), made.end(),
            [](const BookPage* a, const BookPage* b) { return a->buildStep < b->buildStep; });
  std::vector<std::string> names;
  for (const BookPage* page : made) names.emplace_back(page->tmpl);
  return names;
}

std::string ReadingBar(std::string_view file) {
  const BookPage* begin = std::begin(kBookPages);
  const BookPage* end = std::end(kBookPages);
  const BookPage* found = FindBookPage(file);
  const BookPage* at = found ? found : end;
  const auto link = [](const BookPage* page, const char* rel, const char* caption) {
    if (!page) return "<span class=\"kvxoff\">" + std::string(caption) + "</span>";
    return "<a href=\"" + std::string(page->file) + "\" rel=\"" + rel + "\">" + caption + "</a>";
  };
  const BookPage* previous = at != end && at != begin ? at - 1 : nullptr;
  const BookPage* next = at != end && at + 1 != end ? at + 1 : nullptr;
  return "<div class=\"kvxbar\"><a href=\"contents.htm\">Contents</a> " +
         link(previous, "prev", "Previous") + " " + link(next, "next", "Next") + " <a href=\"" +
         kTopicsPage + "\">Topic index</a> <a href=\"" + kSearchPage + "\">Search</a></div>";
}

}  // namespace kvx
