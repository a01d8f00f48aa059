#pragma once
// What the checks that build editions share: a window-less Ui, a scratch folder, the
// companies the editions are built for, and the links of a built page.

#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "CheckCommand.h"
#include "core/App.h"
#include "profile/CompanyProfile.h"
#include "ui/QuietUi.h"
#include "ui/automation/AutomationUi.h"

namespace kvxbook {

// A temporary folder, removed with everything in it at the end; path() is empty when it
// could not be made.
class Scratch {
 public:
  Scratch();
  ~Scratch();
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// True when the checks of built editions may run: the sources checked clean. Otherwise
// says on standard error that what (such as "the printable books") is not checked.
bool SourcesClean(const CheckReport& report, const std::string& what);

// Gives a file of a program folder (its name and path) the text its copy is to have, or
// nothing to copy it as it is.
using CopyText = std::function<std::optional<std::string>(const std::string&, const std::string&)>;

// Copies the files of dir into scratch, the builds of the checks writing their pages beside
// the copies and not in dir; false, reported, when there is no scratch folder.
bool CopyToScratch(const std::string& dir, const Scratch& scratch, CheckReport& report,
                   const CopyText& text = {});

// An App over a program folder (ending in "/"), with the state table loaded, whose boxes
// nobody sees and whose automation script is empty.
class CheckApp {
 public:
  explicit CheckApp(const std::string& folder);
  kvx::App& app() { return app_; }

 private:
  kvx::QuietUi ui_;
  std::istringstream noLines_;
  std::ostream nowhere_{nullptr};
  kvx::Script script_{noLines_, nowhere_};
  kvx::AutomationSystem system_{script_};
  kvx::App app_{ui_, system_};
};

// What one state's editions lack, collected so that each problem is reported once with
// the editions that show it.
class EditionFindings {
 public:
  void Add(const std::string& file, int line, const std::string& message,
           const std::string& edition);
  // One report line a problem: "[CODE, editions] message", "every edition" when all of
  // editionCount show it.
  void Report(CheckReport& report, const std::string& code, std::size_t editionCount) const;

 private:
  struct Key {
    std::string file;
    int line;
    std::string message;
    bool operator<(const Key& o) const {
      return std::tie(file, line, message) < std::tie(o.file, o.line, o.message);
    }
  };
  std::map<Key, std::vector<std::string>> editions_;
};

// The editions the checks build for a state: 0 to 6 a customised edition for the legal
// entity of that number, kGenericEdition the generic one.
inline constexpr int kEntityCount = 7;
inline constexpr int kGenericEdition = -1;

// A company of the given entity in the state of the table row; the other answers vary with
// the entity so that the editions differ in more than the entity.
kvx::CompanyProfile CheckCompany(int entity, const std::string& stateRow);

// The edition's name in a report: the entity, or "generic".
std::string EditionName(int edition);

// Builds an edition for the state of the row in the app's program folder, after removing
// the pages of the edition before it. A failure leaves its pages unbuilt; the caller finds
// them missing.
void BuildCheckEdition(kvx::App& app, int edition, const std::string& stateRow);

// Builds, in the app's program folder, every edition for every state whose file is there,
// and calls check after each build; then reports each state's findings. A problem that
// all editionNames names of every edition show is reported for "every edition".
using EditionCheck = std::function<void(int edition, EditionFindings& findings)>;
void CheckEveryEdition(kvx::App& app, CheckReport& report, std::size_t editionNames,
                       const EditionCheck& check);

// An href as the address it leads to: the entities and the %20 of a blank undone.
std::string AddressOfHref(std::string href);

// The addresses of the links (<a href="...">) of a page, with the numbers of their lines;
// with barOnly, only those of the lines of the reading bar. A link within the page gets
// its name.
std::vector<std::pair<int, std::string>> PageLinks(const std::string& page, const std::string& html,
                                                   bool barOnly);

}  // namespace kvxbook
