#pragma once
// Builds the whole book: the state chapter, then every page of the book's file set,
// customised for the company or generic; and switches between the two editions.

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace kvx {

struct App;
struct IndexedPage;
class TopicEntries;

// Builds the current edition. True when every page was built cleanly; false when the
// build was cancelled (incomplete data, no state chapter), a page failed, or a template
// showed a directive error (its page is still written), so a batch sees the error.
bool CreateBook(App& app);

struct BookSources;

// The batch build of many editions from one program folder, each into a folder of its
// own. The files every edition shares (pictures, ready pages, each state's chapter) are
// put once into a shared folder by PutSharedFiles, and every edition links to that one
// copy where the file system allows (a copy otherwise).
struct SharedFiles {
  std::string folder;               // ending in "/"
  std::vector<std::string> linked;  // the pictures and ready pages every edition links to
  // The shared pages in the search index, read once: by the shared file's name, each read
  // as the page it is in an edition (statchap-TX.htm as statchap.htm).
  std::map<std::string, std::shared_ptr<const IndexedPage>> text;
};
// Writes the shared folder (new, ending in "/"); raises when a file cannot be written.
SharedFiles PutSharedFiles(const BookSources& sources, const std::string& folder);
std::string SharedStateChapterName(const std::string& stateCode);

// Builds the edition of the profile, customised or generic (the company set aside as
// BuildGenericEdition sets it aside, GENERIC.TXT not written), from sources into folder, a new
// folder made for it: its pages written new, the state chapter and the files the pages link to
// linked to their copy in shared. The pages are those CreateBook makes when PathSpec is the
// edition's folder. No work file, no session file and no quick message are written, and no
// interview starts. False, with the reason, when the data set is incomplete, the state has no
// chapter file, a page failed or a template showed a directive error.
// topics keeps the topic index's entries from one edition to the next.
bool BuildFreshEdition(App& app, const BookSources& sources, const std::string& folder,
                       const SharedFiles& shared, bool generic, TopicEntries& topics,
                       std::string& reason);

// Ask: the menu command, which asks first; StateChanged: the state changed while the
// generic edition was current, so it is rebuilt without a question.
enum class GenericAsk { Ask = 1, StateChanged = 2 };
void GenericEdition(App& app, GenericAsk mode);

// Builds the generic edition: sets the company aside, writes GENERIC.TXT, builds, and
// restores the company; with announce, first says so in a quick message (as a change of
// state does). True when every page was built.
bool BuildGenericEdition(App& app, bool announce = false);

}  // namespace kvx
