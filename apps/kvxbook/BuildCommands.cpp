// kvxbook build and kvxbook print: a whole edition, or the one-file printable book.

#include <iostream>

#include "BatchBuild.h"
#include "BatchUi.h"
#include "Commands.h"
#include "LoadProgramFolder.h"
#include "base/Errors.h"
#include "base/Files.h"
#include "book/BookBuilder.h"
#include "book/PrintableBook.h"
#include "core/FolderHold.h"
#include "profile/DataSets.h"

namespace kvxbook {

namespace {

// With the folder held, the data set loaded becomes the folder's current one, as opening
// it in the program and building would make it: the book there and the current company
// never disagree.
int MakeItCurrent(kvx::App& app, const kvx::FolderHold& hold) {
  if (!hold.Held()) {
    std::cerr << "kvxbook: " << kvx::FolderBusyText(app.session.PathSpec) << "\n";
    return kFailed;
  }
  try {
    if (kvx::Exist(app.Path("NDEXDATA.TXT"))) kvx::ReadDataList(app);
    kvx::MakeCurrentDataSet(app, app.session.DataFile);
  } catch (const kvx::KvxError& e) {
    std::cerr << "kvxbook: " << e.diag << " (error " << e.number << ")\n";
    return kFailed;
  }
  return kOk;
}

int Build(kvx::App& app, const std::vector<std::string>& args) {
  std::string dir, dataSet;
  bool generic = false;
  if (!FolderArguments(args, "--generic", dir, dataSet, generic)) return Usage();
  if (const int status = LoadProgramFolder(app, dir, dataSet); status != kOk) return status;
  const kvx::FolderHold hold(app, kvx::WhenBusy::GiveUp);
  if (const int status = MakeItCurrent(app, hold); status != kOk) return status;
  try {
    if (generic) return kvx::BuildGenericEdition(app, true) ? kOk : kFailed;
    app.session.Generic = "N";
    kvx::DeleteIfExists(app.Path("GENERIC.TXT"));
    return kvx::CreateBook(app) ? kOk : kFailed;
  } catch (const kvx::KvxError& e) {
    std::cerr << "kvxbook: " << e.diag << " (error " << e.number << ")\n";
    return kFailed;
  }
}

int Print(kvx::App& app, const std::vector<std::string>& args) {
  std::string dir, dataSet;
  bool outline = false;
  if (!FolderArguments(args, "--outline", dir, dataSet, outline)) return Usage();
  if (const int status = LoadProgramFolder(app, dir, dataSet); status != kOk) return status;
  const kvx::FolderHold hold(app, kvx::WhenBusy::GiveUp);
  if (const int status = MakeItCurrent(app, hold); status != kOk) return status;
  app.session.Generic = kvx::Exist(app.Path("GENERIC.TXT")) ? "Y" : "N";
  // OK to compile, the outline as asked, and Cancel to viewing, so no browser starts.
  auto& answers = static_cast<BatchUi&>(app.ui).answers;
  answers = {kvx::kOk, outline ? kvx::kYes : kvx::kNo, kvx::kCancel};
  const std::string bookFile = kvx::MakeOneFile(app);
  if (bookFile.empty()) return kFailed;
  std::cout << bookFile << "\n";
  return kOk;
}

// A batch (--out or --all) runs its own Apps; otherwise one App builds in the folder.
int RunBuildOrBatch(int (*single)(kvx::App&, const std::vector<std::string>&),
                    const std::vector<std::string>& args, const std::string& flag, bool print) {
  BatchOptions options;
  bool usage = false;
  if (BatchArguments(args, flag, options, usage)) {
    options.print = print;
    return RunBatch(options, std::cout, std::cerr);
  }
  if (usage) return Usage();
  BatchApp batch;
  return batch.Run(single, args);
}

}  // namespace

int RunBuild(const std::vector<std::string>& args) {
  return RunBuildOrBatch(Build, args, "--generic", false);
}

int RunPrint(const std::vector<std::string>& args) {
  return RunBuildOrBatch(Print, args, "--outline", true);
}

}  // namespace kvxbook
