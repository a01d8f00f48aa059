#pragma once
// An App for fuzz targets: every box is answered with its default button and nothing
// is started, so a target runs the program's own code on its input and nothing else.

#include <filesystem>
#include <string>

#include <unistd.h>

#include "core/App.h"
#include "profile/CompanyProfile.h"
#include "ui/PosixSystem.h"
#include "ui/QuietUi.h"

namespace kvx::fuzz {

// A profile from the 18 lines of a data-set file, read as a data set is read.
inline CompanyProfile ProfileOfDataSet(const std::vector<std::string>& lines) {
  CompanyProfile p;
  for (int n = 1; n <= kDataSetLines; ++n)
    SetProfileLine(p, n, lines.at(static_cast<std::size_t>(n - 1)));
  return p;
}

class QuietSystem : public PosixSystem {
 public:
  bool Run(const std::vector<std::string>&, bool) override { return true; }
  bool RunQuickMessage(const std::string&, const std::string&) override { return true; }
  bool Browse(const std::string&) override { return true; }
  bool HasDefaultPrinter() override { return false; }
  bool Print(const PrintJob&) override { return true; }
  bool SavePdf(const PrintJob&, const std::string&) override { return true; }
};

struct FuzzApp {
  FuzzApp() : app(ui, system) {
    LoadStateTable(app.states);
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("kvxfuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    app.session.PathSpec = dir.string() + "/";
  }
  QuietUi ui;
  QuietSystem system;
  App app;
};

}  // namespace kvx::fuzz
