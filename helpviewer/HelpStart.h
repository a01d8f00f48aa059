#pragma once
// What the help viewer learns when it starts: the program folder from its one argument
// and the name of the state whose edition is current.

#include <string>

namespace kvx::help {

inline constexpr const char* kYourState = "Your State";

struct HelpStart {
  // The folder as given, ending in "/" when it names one; empty when the viewer was not
  // started by the program (names are then read from the current folder).
  std::string pathSpec;
  // False when the argument is not a folder or climbs out of one with "..": nothing is
  // read then, and a topic reports that HELP.TXT is not found there.
  bool readable = true;
  std::string stateName = kYourState;
};

HelpStart StartHelp(const std::string& argument);

// The state name through LASTDATA.TXT, the data set it names and GENERIC.TXT in folder;
// "Your State" when any of these reads fails or gives an empty name.
std::string ReadStateName(const std::string& folder);

}  // namespace kvx::help
