#include "base/WorkNames.h"

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include <signal.h>
#include <unistd.h>

namespace kvx {

namespace {

constexpr std::string_view kOldSpare = ".kvx-spare-";

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// True while a process of that number runs (one we may not signal runs too).
bool Runs(long pid) {
  return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

}  // namespace

std::string WorkName(std::string_view label) {
  static std::atomic<unsigned long> counter{0};
  std::string name = std::string(kWorkNamePrefix) + std::to_string(::getpid()) + "-" +
                     std::to_string(counter.fetch_add(1));
  if (!label.empty()) name += "-" + std::string(label);
  return name;
}

std::optional<long> WorkNameOwner(std::string_view name) {
  if (name.substr(0, kWorkNamePrefix.size()) != kWorkNamePrefix) return std::nullopt;
  std::size_t at = kWorkNamePrefix.size(), digits = 0;
  long pid = 0;
  for (; at < name.size() && IsDigit(name[at]) && digits < 10; ++at, ++digits)
    pid = pid * 10 + (name[at] - '0');
  if (digits == 0 || at >= name.size() || name[at] != '-') return std::nullopt;
  const std::size_t count = ++at;
  while (at < name.size() && IsDigit(name[at])) ++at;
  if (at == count || (at < name.size() && name[at] != '-')) return std::nullopt;
  return pid;
}

bool IsWorkName(std::string_view name) {
  return WorkNameOwner(name).has_value() ||
         (name.size() > kOldSpare.size() && name.substr(0, kOldSpare.size()) == kOldSpare);
}

void RemoveStaleWork(const std::string& folder) {
  namespace fs = std::filesystem;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    const std::optional<long> owner = WorkNameOwner(name);
    if (!IsWorkName(name) || (owner && Runs(*owner))) continue;
    std::error_code removed;
    fs::remove_all(it->path(), removed);  // links are removed, never followed
  }
}

}  // namespace kvx
