// kvxbook encode and kvxbook decode: the template line encoding, to standard output.

#include <iostream>

#include "Commands.h"
#include "base/Errors.h"
#include "base/Files.h"
#include "book/LineCodec.h"

namespace kvxbook {

namespace {

int Convert(const std::vector<std::string>& args, bool encode) {
  if (args.size() != 1) return Usage();
  std::string out;
  try {
    int number = 0;
    for (const std::string& line : kvx::ReadLines(args[0])) {
      ++number;
      if (!encode) {
        out += kvx::DecodeLine(line) + "\r\n";
        continue;
      }
      const std::optional<std::string> encoded = kvx::EncodeLine(line);
      if (!encoded) {
        std::cerr << args[0] << ":" << number << ": a character above code 235 cannot be encoded\n";
        return kFailed;
      }
      out += *encoded + "\r\n";
    }
  } catch (const kvx::KvxError& e) {
    std::cerr << "kvxbook: " << e.diag << " (error " << e.number << ")\n";
    return kFailed;
  }
  std::cout << out;
  std::cout.flush();
  return std::cout ? kOk : kFailed;
}

}  // namespace

int RunEncode(const std::vector<std::string>& args) {
  return Convert(args, true);
}
int RunDecode(const std::vector<std::string>& args) {
  return Convert(args, false);
}

}  // namespace kvxbook
