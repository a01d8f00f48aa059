#include "navigation/BrowserCommand.h"

#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace kvx {

namespace fs = std::filesystem;

namespace {

bool IsExecutableFile(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec) && ::access(path.c_str(), X_OK) == 0;
}

std::string Trim(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Percent-encodes every byte outside the unreserved characters and those in keep.
std::string Encode(const std::string& text, const std::string& keep) {
  static const char* kHex = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : text) {
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                       c == '-' || c == '.' || c == '_' || c == '~' ||
                       (c != 0 && keep.find(static_cast<char>(c)) != std::string::npos);
    if (plain) {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

// Characters a path segment or a fragment may hold as they are (besides unreserved).
const std::string kPathKeep = "/!$&'()*+,;=:@";
const std::string kFragmentKeep = "/?!$&'()*+,;=:@";

}  // namespace

std::string FindBrowserCommand(const std::string& browserVar, const std::string& pathVar) {
  // $BROWSER lists commands separated by ":"; the first one that is not empty counts.
  std::size_t start = 0;
  while (start <= browserVar.size()) {
    const std::size_t end = std::min(browserVar.find(':', start), browserVar.size());
    const std::string entry = Trim(browserVar.substr(start, end - start));
    if (!entry.empty()) return entry;
    start = end + 1;
  }
  start = 0;
  while (start <= pathVar.size()) {
    const std::size_t end = std::min(pathVar.find(':', start), pathVar.size());
    std::string folder = pathVar.substr(start, end - start);
    if (!folder.empty()) {
      if (folder.back() != '/') folder += '/';
      if (IsExecutableFile(folder + "xdg-open")) return folder + "xdg-open";
    }
    start = end + 1;
  }
  return {};
}

bool IsLocalAddress(const std::string& address) {
  return !address.empty() && address.compare(0, 4, "http") != 0 &&
         (address[0] == '/' || address.find(":\\") != std::string::npos);
}

std::string FileUrl(const std::string& localAddress) {
  const std::size_t hash = localAddress.find('#');
  std::string path = localAddress.substr(0, hash);
  for (char& c : path)
    if (c == '\\') c = '/';
  if (path.empty() || path[0] != '/') path.insert(0, "/");
  std::string url = "file://" + Encode(path, kPathKeep);
  if (hash != std::string::npos) url += "#" + Encode(localAddress.substr(hash + 1), kFragmentKeep);
  return url;
}

std::string BrowserUrl(const std::string& address) {
  return IsLocalAddress(address) ? FileUrl(address) : address;
}

std::vector<std::string> BrowserArgv(const std::string& command, const std::string& url) {
  std::vector<std::string> argv;
  bool placed = false;
  std::string word;
  auto flush = [&] {
    if (word.empty()) return;
    for (std::size_t at = word.find("%s"); at != std::string::npos; at = word.find("%s", at)) {
      word.replace(at, 2, url);
      at += url.size();
      placed = true;
    }
    argv.push_back(word);
    word.clear();
  };
  for (char c : command) {
    if (c == ' ' || c == '\t')
      flush();
    else
      word += c;
  }
  flush();
  if (!argv.empty() && !placed) argv.push_back(url);
  return argv;
}

bool NeedsRedirect(const std::string& command, const std::string& address) {
  if (!IsLocalAddress(address) || address.find('#') == std::string::npos) return false;
  if (command.empty()) return true;  // the desktop's handler is xdg-open on Linux
  const std::vector<std::string> words = BrowserArgv(command, "");
  if (words.empty()) return true;
  const std::string& program = words.front();
  const std::string name = program.substr(program.find_last_of('/') + 1);
  return name == "xdg-open";
}

std::string RedirectPagePath(const std::string& localAddress) {
  std::string path = localAddress.substr(0, localAddress.find('#'));
  for (char& c : path)
    if (c == '\\') c = '/';
  return path.substr(0, path.find_last_of('/') + 1) + kRedirectPage;
}

std::string RedirectPageText(const std::string& url) {
  // The URL is percent-encoded already; only "&" needs an entity inside the attribute.
  std::string attribute;
  for (char c : url) attribute += c == '&' ? std::string("&amp;") : std::string(1, c);
  return "<!DOCTYPE html>\r\n<html><head><meta charset=\"utf-8\">\r\n"
         "<meta http-equiv=\"refresh\" content=\"0; url=" +
         attribute + "\">\r\n<title>Opusgrand</title></head>\r\n<body><p><a href=\"" + attribute +
         "\">Continue</a></p></body></html>\r\n";
}

}  // namespace kvx
