#pragma once

#include "ui/PosixSystem.h"

namespace kvx {

class Ui;

// Starts real programs (never through a shell), the browser and the printer.
class QtSystem : public PosixSystem {
 public:
  bool Run(const std::vector<std::string>& argv, bool wait) override;
  bool RunQuickMessage(const std::string& programDir, const std::string& message) override;
  bool Browse(const std::string& address) override;
  bool HasDefaultPrinter() override;
  bool Print(const PrintJob& job) override;
  bool SavePdf(const PrintJob& job, const std::string& path) override;
};

}  // namespace kvx
