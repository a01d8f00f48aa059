#pragma once
// Many editions in one run: every data set named, or every one NDEXDATA.TXT lists, built
// into a folder of its own in the output folder, on a pool of worker threads. The program
// folder is only read.

#include <ostream>
#include <string>
#include <vector>

namespace kvxbook {

struct BatchOptions {
  std::string dir;                    // the program folder
  std::vector<std::string> dataSets;  // the data sets' file names, in order
  bool all = false;                   // every data set NDEXDATA.TXT lists
  std::string out;                    // the output folder
  bool generic = false;
  bool print = false;  // also compile each edition's one-file book beside its pages
  bool outline = false;
  int jobs = 0;  // worker threads; 0: one for each core
};

// True when the arguments ask for a batch (--out or --all given): then options holds them
// and usage is false, or usage is true when they do not fit. flag is the command's own
// option (--generic for build, --outline for print).
bool BatchArguments(const std::vector<std::string>& args, const std::string& flag,
                    BatchOptions& options, bool& usage);

// The folder an edition of the data set goes to: its file name without ".KVX" (any letter
// case); empty when that is not a plain file name or a name the batch keeps for itself.
std::string EditionName(const std::string& dataSet);

// Runs the batch: the progress line on progress, the summary on out. Returns 0 when every
// edition was built, 1 when one failed or the output folder cannot be written, 2 when the
// program folder is not a folder.
int RunBatch(const BatchOptions& options, std::ostream& out, std::ostream& progress);

}  // namespace kvxbook
