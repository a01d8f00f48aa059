#pragma once
// The alphabetical topic index of the book: a table built into the program (kept as
// the edition's topics.txt under data/editions/), tailored to the current state and edition when
// loaded.
//
// A row is a title padded with blanks, "\", a target, and optionally "@" and a postal
// code at the very end (a state filter). A title may hold "@STATE" or "@State" where
// the current state's name belongs.

#include <string>
#include <string_view>
#include <vector>

namespace kvx {

struct App;

inline constexpr std::string_view kTopicEndMarker = "@ENDINDX";
// The column that a state name put in place of "@STATE" may not pass.
inline constexpr int kStateMarkerLimit = 29;

// The built-in table, every row as stored, the end marker last.
const std::vector<std::string>& TopicLines();

// One row as the index shows it for a state: the target moved 60 blanks to the right, a
// state filter removed, "@STATE" replaced by the state's name (or "STATE" when the name
// would end after column 29). Empty when the row is left out.
std::string TailorTopicRow(const std::string& row, const std::string& stateName,
                           const std::string& stateCode, bool generic);

// The rows of lines (up to the end marker) as the index shows them, at most 999.
std::vector<std::string> TailorTopicLines(const std::vector<std::string>& lines,
                                          const std::string& stateName,
                                          const std::string& stateCode, bool generic);

// Fills app.nav.TopicIndex and TopicCount for the current state and edition.
void LoadTopicIndex(App& app);

// A double-click on an entry of the topic list: opens the place the entry names.
void OpenIndexTopic(App& app, const std::string& entry);

// The current state's name and code, taken from the State table by the profile's code
// (the profile's own values when the code is not in the table).
std::string CurrentStateName(const App& app);
std::string CurrentStateCode(const App& app);

}  // namespace kvx
