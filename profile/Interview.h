#pragma once
// The company interview: one question at a time, answers kept apart from the profile
// until the user has answered everything, then saved and the book built.
//   mode 1: the first run; nothing can be cancelled except by leaving the program, and
//           the book is built without asking.
//   mode 2: from the main window or an incomplete book build; any cancel leaves the
//           current data set as it was, and the end asks before building.
// Callers hide and show the main window around it.

#include <string>

// The working answers are an InterviewAnswers; the selection dialogs read and write its
// entity, category and description.
#include "profile/CompanyProfile.h"

namespace kvx {

struct App;

void Interview(App& app, int interviewMode);

// The number file name FILEn.KVX (n from 1 to 999) given when no name was entered.
std::string NumberFileName(App& app);

}  // namespace kvx
