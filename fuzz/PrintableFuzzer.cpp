// Fuzzes the printable book: a built chapter of arbitrary bytes is compiled into the one
// file and the file's links are followed as kvxbook check follows them. Nothing may crash,
// and no reading marker may reach the book: a line that holds one is left out or emptied.
// The first byte says whether the outline goes in.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "PrintableCheck.h"
#include "base/Errors.h"
#include "base/Files.h"
#include "book/BookFiles.h"
#include "book/PrintableBook.h"
#include "fuzz/FuzzApp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static kvx::fuzz::FuzzApp fuzz;
  static const bool pagesWritten = [] {
    kvx::App& app = fuzz.app;
    app.profile.StateName = "Ohio", app.profile.StateCode = "OH";
    for (const kvx::BookPage& page : kvx::kBookPages)
      kvx::WriteFile(app.Path(kvx::UpperAscii(std::string(page.file))),
                     "<HTML>\r\n<!-- START_READ -->\r\n<A NAME=\"I\"></A>\r\n");
    return true;
  }();
  if (!pagesWritten || size == 0) return 0;
  const bool outline = data[0] & 1;
  kvx::App& app = fuzz.app;
  std::string book;
  try {
    kvx::WriteFile(app.Path("CHAP05.HTM"),
                   std::string(reinterpret_cast<const char*>(data + 1), size - 1));
    book = kvx::CompileBook(app, outline);
  } catch (const kvx::KvxError&) {
    return 0;
  }
  for (const char* marker :
       {"START_READ", "STOP_READ", "END_READ", "STOP_EBOOK", "START_EBOOK", "@EBOOK_ONLY"})
    if (book.find(marker) != std::string::npos) std::abort();
  for (const kvxbook::LostLink& link : kvxbook::LostBookLinks("OH_BOOK.HTM", book))
    if (!link.part.empty() && link.part.rfind("TOP_", 0) != 0) std::abort();
  return 0;
}
