#include "book/BookBuilder.h"

#include "base/Files.h"
#include "book/ReaderPages.h"
#include "book/StateChapter.h"
#include "book/TemplateProcessor.h"
#include "core/App.h"
#include "core/Messages.h"
#include "core/Trap.h"
#include "profile/DataSets.h"

namespace kvx {

std::vector<std::string> TemplatePageNames() {
  std::vector<std::string> names = {"contents", "preface", "appendA", "appendC"};
  for (int n = 1; n <= 17; ++n)
    names.push_back(std::string("chap") + (n < 10 ? "0" : "") + std::to_string(n));
  return names;
}

bool CreateBook(App& app) {
  Session& s = app.session;
  CompanyProfile& p = app.profile;
  if (p.DataComplete != "Y" && s.Generic != "Y") {
    app.ui.ShowMessage(Box(
        s.ProgName, "Company data is incomplete: Click on 'OK' to begin interview.", Icon::Stop));
    app.hooks.interview(app, 2);
    return false;
  }
  StateChapterCache cache;
  if (MakeState(app, cache) != 1) {
    QuickMessage(app,
                 "Unable to create state (" + p.StateName + ") chapter.... canceling operation.");
    return false;
  }
  bool allBuilt = true;
  int directiveMessages = 0;
  std::string name;
  KvxError error;
  try {
    std::string page;
    for (const std::string& pageName : TemplatePageNames()) {
      name = pageName;
      if (name == "chap07") QuickMessage(app, "...One moment, please...");
      if (name == "appendA" && s.Generic == "Y") {
        CopyFile(app.Path("NoStart.htm"), app.Path("appendA.htm"));
        continue;
      }
      // OUTPUT.HTM, the work file, is written once, after the last page: writing it for
      // every page would double the build's writes and leave the same file behind.
      const bool last = name == "chap17";
      if (!MakeFiles(app, name, cache, page, last, &directiveMessages)) allBuilt = false;
      // Written to a temporary file and renamed into place: a reader, or a build that
      // fails here, sees the whole old page or the whole new one.
      WriteFile(app.Path(name + ".htm"), page);
    }
    name = kTopicsPage;
    WriteReaderPages(app);
  } catch (...) {
    error = CurrentError();
  }
  if (error.number != 0) {
    app.ui.ShowMessage(Box(s.ProgName,
                           "Error # " + NumberText(error.number) +
                               " in CreateBook SUB; NatFLNAM$ = " + name + "   TestCode$= ",
                           Icon::Information));
    return false;
  }
  QuickMessage(
      app,
      p.StateName + " edition of book created successfully, in HTML" + "\r" + "file format" +
          (s.Generic == "Y" ? std::string(" (generic version).") : ", for " + p.Company + "."));
  return allBuilt && directiveMessages == 0;
}

namespace {

// The company fields a generic build hides; put back however the build ends, so the
// company is never lost from memory (and from a later save).
class SetAside {
 public:
  explicit SetAside(App& app) : app_(app), kept_(app.profile) {
    CompanyProfile& p = app.profile;
    p.InExistence.clear(), p.EmployeesText.clear(), p.Employees = 0, p.SoleOwner.clear();
    p.Entity.clear(), p.CloselyHeld.clear(), p.Revenues.clear(), p.Franchise.clear();
    p.Inventories.clear(), p.RetirementPlan.clear(), p.WelfarePlans.clear();
    p.ForeignInvestors.clear(), p.BizCategory = 0, p.BizDescription.clear();
    p.Company = "Your Company";
    p.DataComplete = "N";
  }
  ~SetAside() {
    CompanyProfile& p = app_.profile;
    // The state may have changed meanwhile; only the company's own answers come back.
    const std::string stateName = p.StateName, stateCode = p.StateCode;
    p = kept_;
    p.StateName = stateName, p.StateCode = stateCode;
    p.DataComplete = "Y";
  }
  SetAside(const SetAside&) = delete;
  SetAside& operator=(const SetAside&) = delete;

 private:
  App& app_;
  CompanyProfile kept_;
};

}  // namespace

bool BuildGenericEdition(App& app, bool announce) {
  Session& s = app.session;
  if (announce)
    QuickMessage(app, "...Creating 'generic' version of " + app.profile.StateName + " edition....");
  SetAside aside(app);
  const std::string wasGeneric = s.Generic;
  s.Generic = "Y";
  try {
    WriteFileAtomic(app.Path("GENERIC.TXT"), JoinLines({app.profile.StateName}));
  } catch (...) {
    s.Generic = wasGeneric;  // no marker on disk, so the edition has not changed
    throw;
  }
  return CreateBook(app);
}

void GenericEdition(App& app, int mode) {
  Session& s = app.session;
  Trap(app, "GenericEdition", [&] {
    if (Exist(app.Path("GENERIC.TXT"))) {
      s.Generic = "Y";
      const Button answer =
          app.ui.ShowMessage(Box("CREATE CUSTOMIZED VERSION OF BOOK",
                                 "Do you wish to re-create a customized (non-generic) version" +
                                     std::string("\r") + "now, for " + app.profile.Company + "?",
                                 Icon::Question, kYes | kNo, kYes));
      if (answer != kYes) return;
      s.Generic = "N";
      DeleteIfExists(app.Path("GENERIC.TXT"));
      LoadDataSet(app, 3);
      CreateBook(app);
      SaveDataSet(app, s.DataFile);
      s.QuitFlag = 1;
      return;
    }
    if (mode == 1) {
      const std::string cr = "\r";
      const Button answer = app.ui.ShowMessage(Box(
          "CREATE 'GENERIC' VERSION OF BOOK",
          "This feature allows you to create a \"generic\" version of " + cr + "Opusgrand in " +
              app.profile.StateName + "," + cr +
              "which will not be customized for any company-specific" + cr + "information for " +
              app.profile.Company + "." + cr + cr + "DO YOU WISH TO CREATE A GENERIC VERSION NOW?",
          Icon::Question, kYes | kNo, kYes));
      if (answer != kYes) return;
    }
    BuildGenericEdition(app, mode != 1);
    s.QuitFlag = 1;
  });
}

}  // namespace kvx
