#include "navigation/TopicIndex.h"

#include "base/Files.h"
#include "core/App.h"
#include "core/StateTable.h"
#include "navigation/BrowserLauncher.h"

namespace kvx {

namespace {

// The table as the build compiled it from the edition's topics.txt, one row a literal.
constexpr std::string_view kStoredLines[] = {
#include "TopicLines.inc"
};

// How far the target is moved right, out of the list's visible width.
constexpr std::size_t kWidening = 60;

}  // namespace

const std::vector<std::string>& TopicLines() {
  static const std::vector<std::string> lines(std::begin(kStoredLines), std::end(kStoredLines));
  return lines;
}

std::string TailorTopicRow(const std::string& stored, const std::string& stateName,
                           const std::string& stateCode, bool generic) {
  std::string row;
  row.reserve(stored.size() + kWidening);
  for (std::size_t from = 0;;) {
    const std::size_t slash = stored.find('\\', from);
    row.append(stored, from, slash == std::string::npos ? std::string::npos : slash - from);
    if (slash == std::string::npos) break;
    row.append(kWidening, ' ');
    row += '\\';
    from = slash + 1;
  }
  if (row.find('@') == std::string::npos) {
    if (generic && row.find("appendA") != std::string::npos) return {};
    return row;
  }
  const std::size_t at = UpperAscii(row).find("@STATE");
  if (at == std::string::npos) {
    // A state filter: "@" and the code close the row.
    if (row.size() < 3) return {};
    const std::string code = row.substr(row.size() - 2);
    row.erase(row.size() - 3);
    return code == stateCode ? row : std::string();
  }
  const std::size_t p = at + 1;  // column, from 1
  const std::string name =
      row.find("@STATE") != std::string::npos ? UpperAscii(stateName) : stateName;
  std::string r = " -- " + name;
  if (p + r.size() > static_cast<std::size_t>(kStateMarkerLimit)) r = " -- STATE";
  // Overwritten in place: the row keeps its length.
  row.replace(at, std::min(r.size(), row.size() - at), r.substr(0, row.size() - at));
  return row;
}

std::vector<std::string> TailorTopicLines(const std::vector<std::string>& lines,
                                          const std::string& stateName,
                                          const std::string& stateCode, bool generic) {
  std::vector<std::string> shown;
  for (const std::string& line : lines) {
    if (line == kTopicEndMarker) break;
    std::string row = TailorTopicRow(line, stateName, stateCode, generic);
    if (row.empty()) continue;
    if (shown.size() == static_cast<std::size_t>(kTopicSlots)) break;
    shown.push_back(std::move(row));
  }
  return shown;
}

std::string CurrentStateName(const App& app) {
  const int row = StateRowOfCode(app.states, app.profile.StateCode);
  return row > 0 ? RowName(app.states.States[row]) : app.profile.StateName;
}

std::string CurrentStateCode(const App& app) {
  const int row = StateRowOfCode(app.states, app.profile.StateCode);
  return row > 0 ? RowCode(app.states.States[row]) : app.profile.StateCode;
}

void LoadTopicIndex(App& app) {
  NavigationState& nav = app.nav;
  for (std::string& slot : nav.TopicIndex) slot.clear();
  const std::vector<std::string> shown = TailorTopicLines(
      TopicLines(), CurrentStateName(app), CurrentStateCode(app), app.session.Generic == "Y");
  for (std::size_t i = 0; i < shown.size(); ++i) nav.TopicIndex[i + 1] = shown[i];
  nav.TopicCount = static_cast<std::int32_t>(shown.size());
}

void OpenIndexTopic(App& app, const std::string& entry) {
  const std::size_t slash = entry.find('\\');
  if (slash == std::string::npos) return;
  app.nav.ChapterAddress = TopicTargetToAddress(entry.substr(slash + 1));
  OpenBookLocation(app);
}

}  // namespace kvx
