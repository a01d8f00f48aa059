#pragma once
// Turns one template file into one page: decodes each line, evaluates the directives
// against the company, substitutes @-tokens and copies sections of the state chapter.

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kvx {

struct App;
struct CompanyProfile;
struct StateTable;
struct StateChapterCache;
struct TemplateSource;

// The 39 section keys of a state chapter, in the order an @INSERT line is matched.
extern const std::array<const char*, 39> kStateSectionKeys;

// The anchor line that begins a section: <A NAME="KEY">.
std::string SectionAnchor(std::string_view key);

// The first key that an @INSERT line names ("INSERT=" then the key); empty when none.
std::string InsertKey(std::string_view line);

// The lines of a state chapter, with the numbers of the lines that hold an anchor
// (<A NAME=") so that a section is found without searching every line.
struct ChapterLines {
  std::vector<std::string> lines;
  std::vector<std::size_t> anchorLines;
  // Each line as a page shows it: links within the chapter lead to statchap.htm.
  std::vector<std::string> inserted;
};

ChapterLines IndexChapter(std::vector<std::string> lines);

// What a template is processed against. The state chapter is fetched only when an
// @INSERT needs it, and the fetch may raise a run-time error.
struct TemplateContext {
  const CompanyProfile& profile;
  const StateTable& states;
  std::string pathSpec;
  std::function<void(const std::string&)> message;  // a directive error for the user
  std::function<const ChapterLines&()> stateChapter;
};

// Processes a template file's raw (still encoded) text, appending the page's bytes (each
// line ended by CR LF) to out. On a run-time error out holds the lines written before it.
void ProcessTemplate(std::string_view rawText, TemplateContext& context, std::string& out);

// The same for a template's text decoded before.
void ProcessDecodedTemplate(std::string_view text, TemplateContext& context, std::string& out);

// Makes a page from a template read before into page and, unless workFile is empty,
// writes it to workFile (OUTPUT.HTM) too. Returns false, after the error message, when the
// page could not be made completely (the template unread, a run-time error, the work file
// unwritten). Each directive error shown adds one to directiveMessages when given.
bool MakePage(App& app, const TemplateSource& source,
              const std::function<const ChapterLines&()>& stateChapter, std::string& page,
              const std::string& workFile, int* directiveMessages);

// Makes the page from the template pageName + ".dat" into page and, with writeWorkFile,
// writes it to OUTPUT.HTM. Returns false, after the error message, when the page could
// not be made completely. Each directive error shown for the page adds one to
// directiveMessages when given.
bool MakeFiles(App& app, const std::string& pageName, StateChapterCache& cache, std::string& page,
               bool writeWorkFile = true, int* directiveMessages = nullptr);

}  // namespace kvx
