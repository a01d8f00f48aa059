// Topic rows, topic targets and book addresses from arbitrary bytes: the navigation
// rules must never crash, and a URL handed to a browser holds no blank, quote or
// control character whatever the address.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "navigation/BrowserCommand.h"
#include "navigation/BrowserLauncher.h"
#include "navigation/TopicIndex.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  for (const char* name : {"Iowa", "District of Columbia", ""}) {
    const std::string row = kvx::TailorTopicRow(text, name, "IA", size % 2 == 0);
    if (const std::size_t slash = row.find('\\'); slash != std::string::npos)
      kvx::TopicTargetToAddress(row.substr(slash + 1));
  }
  const std::string address = kvx::TopicTargetToAddress(text);
  kvx::WorkaroundPageText("/p/", "/p/" + address, kvx::LinkSuffix(text, "Ohio"));
  const std::string url = kvx::FileUrl("/" + text);
  for (unsigned char c : url)
    if (c <= ' ' || c == '"' || c >= 0x7F) std::abort();
  kvx::BrowserArgv(text, url);
  kvx::NeedsRedirect(text, "/" + text);
  kvx::RedirectPageText(url);
  return 0;
}
