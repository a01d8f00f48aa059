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
#include "core/FolderHold.h"
#include "core/Messages.h"
#include "core/Trap.h"
#include "profile/DataSets.h"

namespace kvx {

namespace {

// A page made in memory before any is written.
struct MadePage {
  std::string name;  // "chap06"
  std::string html;
  bool noStart = false;  // the generic edition's appendix A: the ready page NoStart.htm
  std::string File() const { return name + ".htm"; }
};

// Makes every page of the edition from its template in build order, all before any is
// written; a generic edition's appendix A is the ready page NoStart.htm, which the caller
// puts in place in its turn. A build of the program folder (kind Single)
// says that it goes on before chapter 7 and leaves the last page in the work file
// OUTPUT.HTM. name holds the page being made, for the report of an error that escapes. True
// when every page was made cleanly; each directive error shown adds one to directiveMessages.
enum class BuildKind { Single, Batch };
bool MakePages(App& app, const BookSources& sources, const ChapterLines& chapter, BuildKind kind,
               int& directiveMessages, std::string& name, std::vector<MadePage>& pages) {
  const auto stateChapter = [&chapter]() -> const ChapterLines& { return chapter; };
  bool allBuilt = true;
  for (const std::string& pageName : TemplatePageNames()) {
    name = pageName;
    if (kind == BuildKind::Single && name == "chap07")
      QuickMessage(app, "...One moment, please...");
    if (name == "appendA" && app.session.Generic == "Y") {
      pages.push_back({name, {}, true});
      continue;
    }
    // OUTPUT.HTM, the work file, is written once, after the last page: writing it for
    // every page would double the build's writes and leave the same file behind.
    const std::string work =
        kind == BuildKind::Single && name == "chap17" ? app.Path("OUTPUT.HTM") : "";
    MadePage page{name, {}};
    if (!MakePage(app, sources.templates.at(name), stateChapter, page.html, work,
                  &directiveMessages))
      allBuilt = false;
    pages.push_back(std::move(page));
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
  const FolderHold hold(app, WhenBusy::Ask);
  if (!hold.Held()) return false;
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
    const BookSources sources = LoadBookSources(s.PathSpec, {});
    std::vector<MadePage> pages;
    allBuilt =
        MakePages(app, sources, state->chapter, BuildKind::Single, directiveMessages, name, pages);
    EditionText text;
    text.Add("statchap.htm", state->text);
    // Each page is written to another file put in its place: a reader, or a build that
    // fails here, sees the whole old page or the whole new one.
    for (const MadePage& page : pages) {
      name = page.name;
      if (page.noStart) {
        CopyFile(app.Path("NoStart.htm"), app.Path(page.File()));
        continue;
      }
      WriteFile(app.Path(page.File()), page.html);
      text.Add(page.File(), page.html);
    }
    name = kTopicsPage;
    const EditionFacts facts = FactsOf(app);
    WriteReaderPages(facts, TopicEntries().For(facts), s.PathSpec, std::move(text),
                     FolderWrite::Replace);
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
class CompanyAside {
 public:
  explicit CompanyAside(App& app) : app_(app), kept_(app.profile) { HideCompany(app.profile); }
  ~CompanyAside() {
    CompanyProfile& p = app_.profile;
    // The state may have changed meanwhile; only the company's own answers come back.
    const std::string stateName = p.StateName, stateCode = p.StateCode;
    p = kept_;
    p.StateName = stateName, p.StateCode = stateCode;
    p.DataComplete = "Y";
  }
  CompanyAside(const CompanyAside&) = delete;
  CompanyAside& operator=(const CompanyAside&) = delete;

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
                       const SharedFiles& shared, bool generic, TopicEntries& topics,
                       std::string& reason) {
  Session& s = app.session;
  const CompanyProfile& p = app.profile;
  std::optional<CompanyAside> aside;
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
    std::vector<MadePage> pages;
    allBuilt =
        MakePages(app, sources, state->chapter, BuildKind::Batch, directiveMessages, name, pages);
    for (const MadePage& page : pages) {
      name = page.name;
      if (page.noStart) {
        LinkOrCopyFile(shared.folder + "NoStart.htm", folder + page.File());
        addShared("NoStart.htm", page.File());
        continue;
      }
      WriteNewFile(folder + page.File(), page.html);
      text.Add(page.File(), page.html);
    }
    for (const std::string& file : shared.linked) {
      LinkOrCopyFile(shared.folder + file, folder + file);
      addShared(file, file);
    }
    name = kTopicsPage;
    const EditionFacts facts = FactsOf(app);
    WriteReaderPages(facts, topics.For(facts), folder, std::move(text), FolderWrite::New);
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
  const FolderHold hold(app, WhenBusy::Ask);
  if (!hold.Held()) return false;
  CompanyAside aside(app);
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

void GenericEdition(App& app, GenericAsk mode) {
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
      LoadDataSet(app, LoadMode::Reread);
      CreateBook(app);
      SaveDataSet(app, s.DataFile);
      s.QuitFlag = 1;
      return;
    }
    if (mode == GenericAsk::Ask) {
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
    BuildGenericEdition(app, mode != GenericAsk::Ask);
    s.QuitFlag = 1;
  });
}

}  // namespace kvx
