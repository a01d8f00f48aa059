#include "book/BookBuilder.h"

#include <algorithm>
#include <optional>

#include "base/Files.h"
#include "book/BookFiles.h"
#include "book/BookSources.h"
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

namespace {

// Makes every page of the edition in build order from its template, templateOf(name), after
// begin(name) for each, handing each to put(name, page), which may swap the page's buffer for
// another; a generic edition's appendix A is the ready page NoStart.htm, handed to
// putNoStart(). With workFile, the last page is also written to OUTPUT.HTM. name holds the
// page being made, for the report of an error that escapes. True when every page was made
// cleanly; each directive error shown adds one to directiveMessages.
template <class TemplateOf, class Begin, class Put, class PutNoStart>
bool MakePages(App& app, TemplateOf templateOf, const ChapterLines& chapter, bool workFile,
               int& directiveMessages, std::string& name, Begin begin, Put put,
               PutNoStart putNoStart) {
  const auto stateChapter = [&chapter]() -> const ChapterLines& { return chapter; };
  bool allBuilt = true;
  std::string page;
  for (const std::string& pageName : TemplatePageNames()) {
    name = pageName;
    begin(name);
    if (name == "appendA" && app.session.Generic == "Y") {
      putNoStart();
      continue;
    }
    // OUTPUT.HTM, the work file, is written once, after the last page: writing it for
    // every page would double the build's writes and leave the same file behind.
    const std::string work = workFile && name == "chap17" ? app.Path("OUTPUT.HTM") : "";
    if (!MakePage(app, templateOf(name), stateChapter, page, work, &directiveMessages))
      allBuilt = false;
    put(name + ".htm", page);
  }
  return allBuilt;
}

}  // namespace

bool CreateBook(App& app) {
  Session& s = app.session;
  CompanyProfile& p = app.profile;
  if (p.DataComplete != "Y" && s.Generic != "Y") {
    app.ui.ShowMessage(Box(
        s.ProgName, "Company data is incomplete: Click on 'OK' to begin interview.", Icon::Stop));
    app.hooks.interview(app, 2);
    return false;
  }
  // The reader's pages are made on a second thread from each page as it is written; it
  // starts on the topic index while the first pages are made.
  ReaderPagesWriter reader(FactsOf(app), s.PathSpec);
  // The state file is read once, before anything is written; each template as its page is
  // made, so that the memory of one serves the next.
  const std::optional<StateSource> stateSource = LoadStateSource(s.PathSpec, p.StateCode);
  const StateSource* state = stateSource ? &*stateSource : nullptr;
  if (WriteStateChapter(app, state, app.Path("statchap.htm")) != 1) {
    QuickMessage(app,
                 "Unable to create state (" + p.StateName + ") chapter.... canceling operation.");
    return false;
  }
  bool allBuilt = true;
  int directiveMessages = 0;
  std::string name;
  KvxError error;
  try {
    reader.Add("statchap.htm", state->text);
    TemplateSource current;
    allBuilt = MakePages(
        app,
        [&](const std::string& page) -> const TemplateSource& {
          current = ReadTemplate(s.PathSpec + page + ".dat");
          return current;
        },
        state->chapter, true, directiveMessages, name,
        [&](const std::string& page) {
          if (page == "chap07") QuickMessage(app, "...One moment, please...");
        },
        [&](const std::string& file, std::string& page) {
          // Written to another file put in the page's place: a reader, or a build that
          // fails here, sees the whole old page or the whole new one.
          WriteFile(app.Path(file), page);
          page = reader.Add(file, std::move(page));
        },
        [&] { CopyFile(app.Path("NoStart.htm"), app.Path("appendA.htm")); });
    name = kTopicsPage;
    reader.Finish();
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

std::string SharedStateChapterName(const std::string& stateCode) {
  return "statchap-" + stateCode + ".htm";
}

SharedFiles PutSharedFiles(const BookSources& sources, const std::string& folder) {
  SharedFiles shared{folder, {}};
  std::vector<std::string> names = BookPictureNames();
  for (const std::string& name : BookReadyNames()) names.push_back(name);
  names.push_back("NoStart.htm");
  // Copied, so that the program folder's files stay as they were, links counted too. A
  // file the program folder lacks is left out, as the printable book leaves out a missing
  // picture; a generic edition without NoStart.htm fails on its own.
  const std::vector<std::string> order = ReadingOrder();
  for (const std::string& name : names) {
    if (!Exist(sources.folder + name)) continue;
    const std::string bytes = ReadFileBytes(sources.folder + name);
    WriteNewFile(folder + name, bytes);
    if (name == "NoStart.htm") {
      shared.text[name] = IndexedPageOf("appendA.htm", bytes);
    } else {
      shared.linked.push_back(name);
      if (std::find(order.begin(), order.end(), name) != order.end())
        shared.text[name] = IndexedPageOf(name, bytes);
    }
  }
  for (const auto& [code, state] : sources.states) {
    if (state.error.number != 0) continue;
    WriteNewFile(folder + SharedStateChapterName(code), state.text);
    shared.text[SharedStateChapterName(code)] = IndexedPageOf("statchap.htm", state.text);
  }
  return shared;
}

bool BuildFreshEdition(App& app, const BookSources& sources, const std::string& folder,
                       const SharedFiles& shared, bool generic, std::string& reason) {
  Session& s = app.session;
  const CompanyProfile& p = app.profile;
  std::optional<SetAside> aside;
  if (generic) aside.emplace(app);
  s.Generic = generic ? "Y" : "N";
  if (p.DataComplete != "Y" && !generic) {
    reason = "the company data is incomplete";
    return false;
  }
  const StateSource* state = sources.State(p.StateCode);
  if (!state) {
    reason = "no state file " + p.StateCode + ".dat for " + p.StateName;
    return false;
  }
  if (state->error.number != 0) {
    reason = "cannot read " + p.StateCode + ".dat (error " + NumberText(state->error.number) +
             ": " + state->error.diag + ")";
    return false;
  }
  int directiveMessages = 0;
  std::string name;
  bool allBuilt = false;
  try {
    // The shared pages' words were read once, for every edition.
    EditionText text;
    const auto addShared = [&](const std::string& sharedName, const std::string& page) {
      if (const auto found = shared.text.find(sharedName); found != shared.text.end())
        text.Add(page, found->second);
    };
    LinkOrCopyFile(shared.folder + SharedStateChapterName(p.StateCode), folder + "statchap.htm");
    addShared(SharedStateChapterName(p.StateCode), "statchap.htm");
    allBuilt = MakePages(
        app,
        [&](const std::string& page) -> const TemplateSource& {
          return sources.templates.at(page);
        },
        state->chapter, false, directiveMessages, name, [](const std::string&) {},
        [&](const std::string& file, const std::string& page) {
          WriteNewFile(folder + file, page);
          text.Add(file, page);
        },
        [&] {
          LinkOrCopyFile(shared.folder + "NoStart.htm", folder + "appendA.htm");
          addShared("NoStart.htm", "appendA.htm");
        });
    for (const std::string& file : shared.linked) {
      LinkOrCopyFile(shared.folder + file, folder + file);
      addShared(file, file);
    }
    name = kTopicsPage;
    // A batch keeps every core busy with editions: its reader pages are made in line.
    WriteReaderPages(FactsOf(app), folder, std::move(text), true);
  } catch (...) {
    const KvxError error = CurrentError();
    reason = "error " + NumberText(error.number) + " making " + name + ": " + error.diag;
    return false;
  }
  if (!allBuilt || directiveMessages != 0) {
    reason = directiveMessages != 0 ? "directive errors in the templates" : "a page failed";
    return false;
  }
  return true;
}

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
