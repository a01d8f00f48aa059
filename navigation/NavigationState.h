#pragma once
// What navigation keeps for the whole run: the address to open next, the count behind
// the one-time browser notice, and the topic index as loaded for the current state.

#include <array>
#include <cstdint>
#include <string>

namespace kvx {

inline constexpr int kTopicSlots = 999;

struct NavigationState {
  // The Chapter address to open next; after OpenBookLocation, the one handed over.
  std::string ChapterAddress;
  // Anchored openings made while the workaround is off (see OpenBookLocation).
  std::int32_t BrowserNoticeCount = 0;
  // Slots 1 to 999; slot 0 unused so that slot numbers read as they are counted.
  std::array<std::string, kTopicSlots + 1> TopicIndex;
  std::int32_t TopicCount = 0;
};

}  // namespace kvx
