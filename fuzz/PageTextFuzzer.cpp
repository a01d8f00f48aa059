// A built page's words from arbitrary bytes, as the search index reads them: the reader
// must never crash or read past the page, every stretch leads into the page, and the
// index written from them is ASCII whose links come back as written.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "book/PageText.h"
#include "book/ReaderPages.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view html(reinterpret_cast<const char*>(data), size);
  const kvx::PageText text = kvx::ReadPageText("chap01.htm", html);
  for (const kvx::SearchSection& s : text.sections) {
    if (s.href.rfind("chap01.htm", 0) != 0) std::abort();
    if (s.title.empty() && s.text.empty()) std::abort();
  }
  const std::string index = kvx::SearchIndexText({{"chap01.htm", text}});
  for (unsigned char c : index)
    if (c >= 0x80) std::abort();
  if (kvx::SearchIndexLinks(index).size() != text.sections.size()) std::abort();
  return 0;
}
