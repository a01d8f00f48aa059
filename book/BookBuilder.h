#pragma once
// Builds the whole book: the state chapter, then every page of the book's file set,
// customised for the company or generic; and switches between the two editions.

#include <string>
#include <vector>

namespace kvx {

struct App;

// The pages MakeFiles builds, in build order (appendA is copied in generic builds).
std::vector<std::string> TemplatePageNames();

// Builds the current edition. True when every page was built cleanly; false when the
// build was cancelled (incomplete data, no state chapter), a page failed, or a template
// showed a directive error (its page is still written), so a batch sees the error.
bool CreateBook(App& app);

// mode 1: the menu command, asking first; any other mode: the state changed while the
// generic edition was current, so it is rebuilt without a question.
void GenericEdition(App& app, int mode);

// Builds the generic edition: sets the company aside, writes GENERIC.TXT, builds, and
// restores the company; with announce, first says so in a quick message (as a change of
// state does). True when every page was built.
bool BuildGenericEdition(App& app, bool announce = false);

}  // namespace kvx
