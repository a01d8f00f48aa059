#include "ui/PosixSystem.h"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>

namespace kvx {

namespace {

std::string Home() {
  const char* home = std::getenv("HOME");
  return home && *home ? home : "/tmp";
}

std::string WithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

// A value of user-dirs.dirs: "$HOME/Documents" with $HOME expanded.
std::string FromUserDirs(const std::string& key) {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  const std::string file =
      (config && *config ? std::string(config) : Home() + "/.config") + "/user-dirs.dirs";
  std::ifstream in(file);
  std::string line;
  const std::string prefix = key + "=\"";
  while (std::getline(in, line)) {
    if (line.rfind(prefix, 0) != 0) continue;
    std::string value = line.substr(prefix.size());
    if (!value.empty() && value.back() == '"') value.pop_back();
    if (value.rfind("$HOME", 0) == 0) value = Home() + value.substr(5);
    return value;
  }
  return {};
}

}  // namespace

std::string UserFolder(const char* key, const char* fallback) {
  const std::string name = std::string("XDG_") + key + "_DIR";
  if (const char* value = std::getenv(name.c_str()); value && *value) return WithSlash(value);
  if (std::string value = FromUserDirs(name); !value.empty()) return WithSlash(value);
  return WithSlash(Home() + "/" + fallback);
}

unsigned PosixSystem::ClockSeed() {
  return static_cast<unsigned>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

LocalTime PosixSystem::Now() {
  const std::time_t now = std::time(nullptr);
  std::tm parts{};
  localtime_r(&now, &parts);
  return LocalTime{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
                   parts.tm_hour,        parts.tm_min,     parts.tm_sec};
}

std::string PosixSystem::ExecutablePath() {
  std::error_code ec;
  const auto path = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : path.string();
}

std::string PosixSystem::DocumentsFolder() {
  return UserFolder("DOCUMENTS", "Documents");
}

std::string PosixSystem::PublicFolder() {
  return UserFolder("PUBLICSHARE", "Public");
}

}  // namespace kvx
