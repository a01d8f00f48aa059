#pragma once
// The company interview: one question at a time, answers kept apart from the profile
// until the user has answered everything, then saved and the book built.
//   mode 1: the first run; nothing can be cancelled except by leaving the program, and
//           the book is built without asking.
//   mode 2: from the main window or an incomplete book build; any cancel leaves the
//           current data set as it was, and the end asks before building.
// Callers hide and show the main window around it.

#include <cstdint>
#include <string>

namespace kvx {

struct App;

// The working answers, one for each profile field the interview asks about. The
// selection dialogs read and write the entity, category and description.
struct InterviewAnswers {
  std::string Company;
  std::string Entity;
  std::string InExistence;
  std::string EmployeesText;
  std::int32_t Employees = 0;
  std::string SoleOwner;
  std::string CloselyHeld;
  std::string Revenues;
  std::string Franchise;
  std::string Inventories;
  std::string RetirementPlan;
  std::string WelfarePlans;
  std::string ForeignInvestors;
  std::string BizDescription;
  std::int32_t BizCategory = 0;
};

void Interview(App& app, int interviewMode);

// The number file name FILEn.KVX (n from 1 to 999) given when no name was entered.
std::string NumberFileName(App& app);

}  // namespace kvx
