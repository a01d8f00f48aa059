#pragma once
// The names of the program's own temporary files and work folders. Every one is
// ".kvx-" + the process number + "-" + a count, a work folder with "-" and what it holds
// after that: so whoever finds one (the next build, the install step, the uninstaller)
// knows it for the program's and can tell whether the process that made it still runs.

#include <optional>
#include <string>
#include <string_view>

namespace kvx {

// How every work name begins; a name beginning so is never given to anything else.
inline constexpr std::string_view kWorkNamePrefix = ".kvx-";

// A new name of this process's, unique within it; label (letters, digits, "-", "_") ends it.
std::string WorkName(std::string_view label = {});

// The number of the process that made a work name; nothing for any other name.
std::optional<long> WorkNameOwner(std::string_view name);

// A work name, or the hidden copy (".kvx-spare-" and a page's name) that earlier releases
// kept beside every page they rewrote.
bool IsWorkName(std::string_view name);

// Removes from folder (ending in "/") the work files and folders of processes that no
// longer run, and the hidden copies of earlier releases; a link is removed, never
// followed. Those of a running process are left alone. Never raises.
void RemoveStaleWork(const std::string& folder);

}  // namespace kvx
