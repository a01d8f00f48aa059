#pragma once
// The parts of System that are the same for every front end on this platform: the
// clock, the program's own path and the user's folders.

#include "ui/System.h"

namespace kvx {

class PosixSystem : public System {
 public:
  unsigned ClockSeed() override;
  LocalTime Now() override;
  std::string ExecutablePath() override;
  std::string DocumentsFolder() override;
  std::string PublicFolder() override;
};

// $XDG_<key>_DIR from the environment or from ~/.config/user-dirs.dirs, else
// $HOME/<fallback>; always ending in "/".
std::string UserFolder(const char* key, const char* fallback);

}  // namespace kvx
