#include "BatchBuild.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <iomanip>
#include <memory>
#include <set>
#include <thread>

#include "BatchUi.h"
#include "Commands.h"
#include "LoadProgramFolder.h"
#include "base/Errors.h"
#include "base/Files.h"
#include "book/BookBuilder.h"
#include "book/BookFiles.h"
#include "book/BookSources.h"
#include "book/PrintableBook.h"
#include "book/ReaderPages.h"

namespace kvxbook {

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

std::string WithSlash(const std::string& folder) {
  return folder.empty() || folder.back() == '/' ? folder : folder + "/";
}

// One edition of the batch, and what became of it.
struct Edition {
  std::string dataSet;  // the data set's file name
  std::string name;     // the edition's folder in the output folder
  kvx::CompanyProfile profile;
  bool built = false;
  std::string reason;  // why it failed
};

// Reads every edition's data set; the ones that cannot be read fail here.
void ReadDataSets(const std::string& dir, std::vector<Edition>& editions) {
  std::set<std::string> names;
  for (Edition& e : editions) {
    if (e.name.empty()) {
      e.reason = "not a plain file name";
    } else if (!names.insert(e.name).second) {
      e.reason = "listed twice";
    } else if (!kvx::Exist(dir + e.dataSet)) {
      e.reason = "no data set of that name in the program folder";
    } else {
      try {
        ReadDataSet(e.profile, dir + e.dataSet);
        continue;
      } catch (const kvx::KvxError& error) {
        e.reason = "cannot read the data set (error " + std::to_string(error.number) + ": " +
                   error.diag + ")";
      }
    }
    e.name.clear();  // nothing is built for it
  }
}

// Builds one edition into a new work folder and puts it in place of out + name.
void BuildOne(kvx::App& app, BatchUi& ui, const kvx::BookSources& sources,
              const kvx::SharedFiles& shared, const BatchOptions& options, const std::string& out,
              kvx::TopicEntries& topics, Edition& e) {
  app.profile = e.profile;
  app.session.DataFile = e.dataSet;
  app.session.WinVer.clear();
  // The pages name the folder they are read from: the edition's own.
  app.session.PathSpec = out + e.name + "/";
  ui.shown.clear();
  ui.answers.clear();
  std::string work;
  try {
    work = kvx::MakeWorkFolder(out, e.name);
    e.built = kvx::BuildFreshEdition(app, sources, work, shared, options.generic, topics, e.reason);
    if (e.built && options.print) {
      // The one-file book is compiled from the pages just made and put beside them ("XP"
      // keeps the printable book in the folder of the pages, whose pictures are there).
      app.session.PathSpec = work;
      app.session.WinVer = "XP";
      app.session.Generic = options.generic ? "Y" : "N";
      ui.answers = {kvx::kOk, options.outline ? kvx::kYes : kvx::kNo, kvx::kCancel};
      e.built = !kvx::MakeOneFile(app).empty();
      if (!e.built) e.reason = "the printable book was not written";
    }
    if (e.built) kvx::ReplaceFolder(work, out + e.name);
  } catch (const kvx::KvxError& error) {
    e.built = false;
    e.reason = "error " + std::to_string(error.number) + ": " + error.diag;
  } catch (const kvx::ScriptEnded&) {
    e.built = false;
    e.reason = "a question nobody answers";
  } catch (const std::exception& error) {
    e.built = false;
    e.reason = error.what();
  }
  if (!e.built) {
    // The notices the edition showed say more than its summary line.
    for (const std::string& text : ui.shown) e.reason += "; " + text;
    if (!work.empty()) {
      try {
        kvx::RemoveTree(work);
      } catch (const kvx::KvxError&) {
      }
    }
  }
}

// Builds the editions that have a name on jobs worker threads, each with its own App;
// calls tick(number done) from this thread as they finish.
template <class Tick>
void BuildAll(const kvx::BookSources& sources, const kvx::SharedFiles& shared,
              const BatchOptions& options, const std::string& out, std::vector<Edition>& editions,
              int jobs, Tick tick) {
  std::vector<Edition*> queue;
  for (Edition& e : editions)
    if (!e.name.empty()) queue.push_back(&e);
  std::atomic<std::size_t> next{0}, done{0};
  auto work = [&] {
    std::ostringstream blocks;  // what the edition would show; its notices are kept apart
    BatchApp batch(blocks);
    kvx::TopicEntries topics;
    for (std::size_t i; (i = next.fetch_add(1)) < queue.size();) {
      BuildOne(batch.app, batch.ui, sources, shared, options, out, topics, *queue[i]);
      blocks.str({});
      done.fetch_add(1, std::memory_order_release);
    }
  };
  std::vector<std::thread> threads;
  const int count = std::max(1, std::min<int>(jobs, static_cast<int>(queue.size())));
  for (int i = 0; i < count; ++i) threads.emplace_back(work);
  for (std::size_t seen = 0; seen < queue.size();) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const std::size_t now = done.load(std::memory_order_acquire);
    if (now != seen) tick(seen = now);
  }
  for (std::thread& t : threads) t.join();
}

std::vector<std::string> ListedDataSets(const std::string& dir) {
  std::vector<std::string> names;
  for (const std::string& line : kvx::ReadLines(dir + "NDEXDATA.TXT"))
    if (!line.empty()) names.push_back(line);
  return names;
}

}  // namespace

bool BatchArguments(const std::vector<std::string>& args, const std::string& flag,
                    BatchOptions& options, bool& usage) {
  options = BatchOptions{};
  usage = false;
  bool batch = false, outGiven = false;
  std::vector<std::string> plain;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--out" || arg == "-j") {
      batch = batch || arg == "--out";
      if (i + 1 == args.size()) return usage = true;
      const std::string& value = args[++i];
      if (arg == "--out") {
        options.out = value;
        outGiven = true;
      } else {
        try {
          std::size_t used = 0;
          options.jobs = std::stoi(value, &used);
          if (used != value.size() || options.jobs < 1) usage = true;
        } catch (const std::exception&) {
          usage = true;
        }
      }
    } else if (arg == "--all") {
      options.all = batch = true;
    } else if (arg == flag) {
      (flag == "--generic" ? options.generic : options.outline) = true;
    } else if (arg.rfind("-", 0) == 0) {
      usage = true;
    } else {
      plain.push_back(arg);
    }
  }
  // Several data sets, --all or -j make sense only with an output folder.
  if (plain.size() > 2 || options.jobs != 0) batch = true;
  if (!batch) return false;
  if (usage || !outGiven || options.out.empty() || plain.empty()) return usage = true;
  if (options.all == (plain.size() > 1)) return usage = true;
  options.dir = plain[0];
  options.dataSets.assign(plain.begin() + 1, plain.end());
  return true;
}

std::string EditionName(const std::string& dataSet) {
  std::string name = dataSet;
  if (name.size() > 4 && kvx::EqualsIgnoreCase(name.substr(name.size() - 4), ".KVX"))
    name.resize(name.size() - 4);
  if (!kvx::IsPlainFileName(dataSet) || !kvx::IsPlainFileName(name) ||
      name.rfind(kvx::kWorkNamePrefix, 0) == 0)
    return {};
  return name;
}

int RunBatch(const BatchOptions& options, std::ostream& out, std::ostream& progress) {
  const Clock::time_point start = Clock::now();
  std::error_code ec;
  if (!fs::is_directory(options.dir, ec)) {
    progress << "kvxbook: " << options.dir << " is not a folder\n";
    return kUsage;
  }
  const std::string dir = WithSlash(options.dir);
  const std::string outFolder = WithSlash(options.out);
  // Before any work: the output folder exists, or is made, and takes a new folder.
  std::string probe;
  try {
    kvx::CreateFolder(outFolder);
    if (fs::equivalent(dir, outFolder, ec)) {
      progress << "kvxbook: the output folder must not be the program folder\n";
      return kUsage;
    }
    probe = kvx::MakeWorkFolder(outFolder, "probe");
    kvx::RemoveTree(probe);
    // What batches that were killed left here (their work folders) goes.
    kvx::RemoveStaleWork(outFolder);
  } catch (const kvx::KvxError& error) {
    progress << "kvxbook: cannot write to the output folder " << options.out << " (" << error.diag
             << ")\n";
    return kFailed;
  }
  std::vector<Edition> editions;
  if (options.all && !kvx::Exist(dir + "NDEXDATA.TXT")) {
    progress << "kvxbook: no NDEXDATA.TXT in " << options.dir << "\n";
    return kFailed;
  }
  try {
    for (const std::string& dataSet : options.all ? ListedDataSets(dir) : options.dataSets)
      editions.push_back({dataSet, EditionName(dataSet), {}, false, {}});
  } catch (const kvx::KvxError& error) {
    progress << "kvxbook: cannot read the list of data sets (" << error.diag << ")\n";
    return kFailed;
  }
  ReadDataSets(dir, editions);

  // What every edition reads is read and decoded once, before the workers start, and
  // only read by them.
  std::vector<std::string> states;
  for (const Edition& e : editions)
    if (!e.name.empty()) states.push_back(e.profile.StateCode);
  const kvx::BookSources sources = kvx::LoadBookSources(dir, states);
  kvx::SharedFiles shared;
  try {
    shared = kvx::PutSharedFiles(sources, kvx::MakeWorkFolder(outFolder, "shared"));
  } catch (const kvx::KvxError& error) {
    progress << "kvxbook: cannot write to the output folder " << options.out << " (" << error.diag
             << ")\n";
    return kFailed;
  }

  const std::size_t pagesPerEdition = kvx::TemplatePageNames().size() + 1;  // and statchap
  const int jobs = options.jobs > 0
                       ? options.jobs
                       : std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
  std::size_t toBuild = 0;
  for (const Edition& e : editions) toBuild += !e.name.empty();
  const auto seconds = [&] { return std::chrono::duration<double>(Clock::now() - start).count(); };
  Clock::time_point shownAt{};
  BuildAll(sources, shared, options, outFolder, editions, jobs, [&](std::size_t done) {
    if (done != toBuild && Clock::now() - shownAt < std::chrono::milliseconds(200)) return;
    shownAt = Clock::now();
    progress << "\rkvxbook: edition " << done << " of " << toBuild << ", "
             << static_cast<long>(static_cast<double>(done * pagesPerEdition) / seconds())
             << " pages a second" << (done == toBuild ? "\n" : "") << std::flush;
  });
  try {
    kvx::RemoveTree(shared.folder);  // every edition has its own link to each file
  } catch (const kvx::KvxError&) {
  }

  std::size_t built = 0;
  for (const Edition& e : editions) built += e.built;
  const double elapsed = seconds();
  out << "editions built: " << built << " of " << editions.size() << "\n";
  for (const Edition& e : editions)
    if (!e.built) out << "failed: " << e.dataSet << ": " << e.reason << "\n";
  out << "pages: " << built * pagesPerEdition << "\n";
  out << "seconds: " << std::fixed << std::setprecision(3) << elapsed << "\n";
  out << "pages a second: "
      << static_cast<long>(static_cast<double>(built * pagesPerEdition) / elapsed) << "\n";
  return built == editions.size() ? kOk : kFailed;
}

}  // namespace kvxbook
