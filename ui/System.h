#pragma once
// What the program's logic asks of the operating system beyond plain files: starting
// programs, the web browser, the printer, the clock, and where things live.

#include <string>
#include <vector>

namespace kvx {

struct PrintJob {
  std::string name;
  // Each page is a list of text lines, top to bottom.
  std::vector<std::vector<std::string>> pages;
  // The first line of page 1 is a heading: set in its own font and centred, the rest
  // following below it (what font and where, the job's maker says).
  bool firstLineIsHeading = false;
};

// A moment of the local clock, as the calendar and the wall clock show it.
struct LocalTime {
  int year = 0, month = 0, day = 0;  // month and day from 1
  int hour = 0, minute = 0, second = 0;
};

class System {
 public:
  virtual ~System() = default;
  // Starts program argv[0] with the rest as its arguments, never through a shell.
  // With wait, returns when it has ended. Returns false when it could not be started.
  virtual bool Run(const std::vector<std::string>& argv, bool wait) = 0;
  // Shows a quick message through the quick-message program in programDir, which
  // reads TMP_QM.DAT there; returns false when that program could not be started.
  virtual bool RunQuickMessage(const std::string& programDir, const std::string& message) = 0;
  // Hands an address (a full path, possibly with "#anchor", or a web address) to the
  // browser; false when no browser could be started.
  virtual bool Browse(const std::string& address) = 0;
  virtual bool HasDefaultPrinter() = 0;
  virtual bool Print(const PrintJob& job) = 0;
  // Lays the job's pages into a PDF file at path as Print lays them on paper; false
  // when the file could not be written.
  virtual bool SavePdf(const PrintJob& job, const std::string& path) = 0;
  // A seed taken from the clock, for the program's few random draws.
  virtual unsigned ClockSeed() = 0;
  // The local date and time now.
  virtual LocalTime Now() = 0;
  // Full file name of the running program; empty when the system cannot tell.
  virtual std::string ExecutablePath() = 0;
  // The user's documents folder and the public folder, each ending in "/".
  virtual std::string DocumentsFolder() = 0;
  virtual std::string PublicFolder() = 0;
};

}  // namespace kvx
