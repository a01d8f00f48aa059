#pragma once
// The batch front end: every box is written as an automation block on standard output.
// A box that offers only OK is a notice and is acknowledged here, so directive errors
// never stop a batch; a command may queue the answers to the questions it expects.
// Any other question ends the batch with "== END" (status 3).

#include <deque>
#include <iostream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "core/App.h"
#include "ui/automation/AutomationUi.h"
#include "ui/automation/Script.h"

namespace kvxbook {

class BatchUi : public kvx::Ui {
 public:
  BatchUi(kvx::Script& script, std::ostream& out) : out_(out), automation_(script) {}
  kvx::Button ShowMessage(const kvx::MessageBox& box) override;
  std::optional<std::string> Input(const std::string& title, const std::string& prompt,
                                   const std::string& defaultAnswer) override;
  void RunDialog(kvx::Dialog& dialog) override;
  void HideMainWindow(const std::string& name) override;
  void ShowMainWindow(const std::string& name) override;

  std::deque<kvx::Button> answers;  // for the boxes that ask, in order
  std::vector<std::string> shown;   // the text of every box shown, for a batch's summary

 private:
  std::ostream& out_;
  kvx::AutomationUi automation_;  // its script has no lines: every question ends the batch
};

// A batch App: blocks to out (standard output unless given), no script lines.
class BatchApp {
 public:
  explicit BatchApp(std::ostream& out = std::cout);
  // Runs body; returns its status, or kQuestion when a question ended the batch.
  int Run(int (*body)(kvx::App&, const std::vector<std::string>&),
          const std::vector<std::string>& args);

 private:
  std::istringstream noLines_;
  kvx::Script script_;

 public:
  BatchUi ui;
  kvx::AutomationSystem system;
  kvx::App app;
};

}  // namespace kvxbook
